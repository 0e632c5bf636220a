/// \file events.h
/// \brief The day's events of the Sun and the Moon at a place, as a
/// nautical almanac gives them: rising and setting, civil and nautical
/// twilight, meridian passage; and a body's hourly places interpolated
/// between the hours. No Qt.
///
/// Times are hours of UTC counted from the midnight that begins a UTC date
/// (negative before it, past 24 after it). Angles in radians; latitude
/// north and longitude east positive.
///
/// Track. A body's GHA (carried on past 2pi, never wrapped back),
/// declination, semi-diameter, horizontal parallax and distance at whole
/// hours a step apart (1 or 6) over a span, and between them by four-point
/// (cubic) Lagrange interpolation, as a navigator interpolates the daily
/// page: for the Moon, whose GHA departs most from a straight line, within
/// 0.01' of the computed place at six hours apart.
///
/// The printed almanac's conventions:
///   rising, setting   the upper limb on the horizon, with the horizontal
///                     refraction of 34': the Sun's centre at -50'
///                     geocentric altitude (its semi-diameter taken as
///                     16'); the Moon's centre at HP - SD - 34', its
///                     parallax lifting it and its semi-diameter lowering
///                     it, both as the hour gives them
///   civil, nautical   the Sun's centre at -6 and -12 degrees, the dawn
///   twilight          while it rises, the dusk while it sinks
///   meridian passage  the upper transit, where the body's local hour
///                     angle passes 0
/// Altitudes are those of the celestial triangle (geocentric, no
/// refraction). A day is searched every ten minutes for a change of sign,
/// and each is closed in on by bisection to a second: right within a
/// minute for the Sun and two for the Moon against an independent
/// ephemeris (tests/almanac/reference/events_reference.csv).
///
/// No event. In polar summer and winter, and on the day each month when the
/// Moon rises (sets, crosses the meridian) after the day's end, an event
/// has no time and says why in its note: "the Sun above the horizon all
/// day", "the Moon does not rise this day", ..., and as a value in its
/// absence, which code reads rather than the words. An event that happens
/// twice in the day (the Moon near the poles) has both times, in order.
#pragma once

#include "almanac/almanac.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace morvel::almanac {

/// A UTC calendar date, moved by whole days.
struct UtcDate {
    int year = 2000, month = 1, day = 1;
    UtcDate plus(int days) const;
    /// Days from 1970-01-01.
    long dayNumber() const;
    /// "2026-12-07".
    std::string text() const;
    /// "2026-12-07T11:04:00Z" for the UTC instant hours after this date's
    /// midnight, to the nearest second (the date carried either way).
    std::string isoText(double hours) const;
    /// The date and the time of day to the nearest minute that hours after
    /// this date's midnight fall on ("2026-12-08", "02:15").
    std::pair<UtcDate, std::string> dayAndMinute(double hours) const;
    /// The instant hours after this date's midnight (whole hours of UTC
    /// and minutes; leap seconds are not counted).
    Instant instant(double hours, double dut1 = 0) const;
};

class Track {
public:
    /// A track from places computed for the hours first, first + step, ...
    Track(const Body& body, int first, const std::vector<Place>& places, int step = 1);

    const Body& body() const { return body_; }
    int first() const { return first_; }
    int last() const { return first_ + step_ * (int(gha_.size()) - 1); }

    /// At hours after the date's midnight, first + step <= hours <= last -
    /// step for the interpolation's four points (nearer the ends it leans
    /// on the nearest four). gha() is not brought into 0..2pi.
    double gha(double hours) const;
    double dec(double hours) const;
    double sd(double hours) const;
    double hp(double hours) const;
    /// The place at hours, interpolated: GHA in 0..2pi, the magnitude the
    /// nearest computed place's, the SHA not kept.
    Place placeAt(double hours) const;

private:
    double value(const std::vector<double>& v, double hours) const;
    Body body_;
    int first_ = 0, step_ = 1;
    std::vector<Place> places_;
    std::vector<double> gha_, dec_, sd_, hp_, distance_;
};

/// The tracks of bodies over the whole hours first, first + step, ...,
/// last of date, one Sky an instant for them all; error set, and nothing
/// returned, when the almanac refuses an instant.
std::vector<Track> tracksOf(const std::vector<Body>& bodies, UtcDate date, int first, int last, double dut1,
                            std::string& error, int step = 1);

enum class EventKind {
    sunrise,
    sunset,
    civilDawn,
    civilDusk,
    nauticalDawn,
    nauticalDusk,
    moonrise,
    moonset,
    sunTransit,
    moonTransit
};
constexpr int eventKinds = 10;

struct Event {
    /// Why an event has no time: the body above (below) the altitude the
    /// whole day, or crossing it only the other way or on another day.
    enum class Absence { none, aboveAll, belowAll, noCrossing };

    std::vector<double> times;  ///< hours after the date's midnight, in order
    std::string note;           ///< why there is none, in words; empty when there is one
    Absence absence = Absence::none;  ///< why there is none, as a value
};

struct DayEvents {
    std::array<Event, eventKinds> events;
    std::string error;
    bool ok() const { return error.empty(); }
    const Event& operator[](EventKind k) const { return events[size_t(k)]; }
};

/// The times within [from, from + 24) hours at which a body on track
/// rises (rising) or sets through the geocentric altitude given, in
/// order; moonLimb, when set, takes the Moon's HP - SD - 34' hour by
/// hour instead.
std::vector<double> crossings(const Track& track, double lat, double lon, double from, double altitude,
                              bool rising, bool moonLimb = false);

/// The times within [from, from + 24) at which the body on track crosses
/// the meridian of lon (upper transit).
std::vector<double> transits(const Track& track, double lon, double from);

/// The events of the 24 hours from `from` hours after the date's midnight
/// (a zone day: from = ZD) at lat, lon, from tracks of the Sun and the Moon
/// that reach an hour beyond both ends.
DayEvents eventsOf(const Track& sun, const Track& moon, double lat, double lon, double from);

/// The same at several latitudes on one meridian, in their order (the
/// bodies' course along the meridian sampled once for all).
std::vector<DayEvents> eventsOf(const Track& sun, const Track& moon, const std::vector<double>& lats, double lon,
                                double from);

/// The same, the tracks made here: the zone day of date at lat, lon whose
/// zone description is zd hours (UT = zone time + zd).
DayEvents eventsOf(UtcDate date, double zd, double lat, double lon, double dut1 = 0);

/// Whether the almanac covers the days either side of date too, as a day's
/// events and its page need (the hours beyond its ends): 1900-01-02 to
/// 2100-12-30.
bool withNeighbours(UtcDate date);

/// The nautical zone of an east longitude: ZD = -round(lon / 15 degrees),
/// +5 at 75 W, -12 and +12 either side of the date line.
int nauticalZone(double lon);

}  // namespace morvel::almanac
