/// \file sky.h
/// \brief The sky at a time, as a star finder shows it: every navigational
/// body above the horizon of a DR, and the day's twilights. No Qt.
///
/// Angles in radians; latitude north and longitude east positive.
///
/// Bodies. The Sun, the Moon, the planets and the stars whose computed
/// altitude at the DR (horizon.h: geocentric, code 28) is above 0, with
/// their Hc, Zn and magnitude, brightest first (the Sun and the Moon, which
/// have no magnitude here, lead).
///
/// Twilight. The instants of the UTC day at which the Sun's centre is at
/// -6 degrees (civil) and -12 degrees (nautical) of geocentric altitude,
/// rising in the morning and sinking in the evening, for a ship stopped at
/// the DR: the almanac's civil and nautical dawn and dusk of that day on
/// the Greenwich zone (almanac/events.h, to a second). A day on which the
/// Sun does not cross that altitude, or crosses
/// it only the other way (it ends or starts at midnight in polar summer or
/// winter, or the local evening falls before the local morning in UTC),
/// leaves that instant empty. The middle of the morning's (the evening's)
/// nautical and civil twilights is the time for star sights: the brighter
/// stars are out and the horizon is still sharp.
///
/// Well spread. For a fix a navigator takes three bodies about 120 degrees
/// apart in azimuth, or four about 90 apart: their lines cross at wide
/// angles and surround the position, so that an error common to all the
/// sights (the refraction, the height of eye) moves none of them off the
/// fix's centre. Among the bodies within an altitude band (not so low that
/// refraction is uncertain, not so high that the sextant is hard to swing),
/// wellSpread picks the set whose azimuths come nearest that even spread:
/// of every set of `count` bodies, the one whose gaps between neighbouring
/// azimuths, round the horizon, depart least from 360/count degrees at
/// their worst. Any set within 10 degrees of that best is as good to a
/// navigator, and of those the one whose faintest body is brightest is
/// chosen (the Sun and the Moon count as brighter than any), then the
/// better spread, then the brighter in skyAt's order. While the Sun is
/// above the horizon only what can be seen by day is taken: the Sun, the
/// Moon, and a planet brighter than magnitude -3 (Venus).
#pragma once

#include "almanac/almanac.h"
#include "engine/angles.h"
#include "sight/utc.h"

#include <optional>
#include <string>
#include <vector>

namespace morvel::sight {

struct Visible {
    almanac::Body body;
    double hc = 0, zn = 0;
    std::optional<double> mag;
};

struct SkyView {
    std::vector<Visible> bodies;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// A body's magnitude for putting the bodies in order of brightness: the
/// Sun and the Moon, which have none here, before any.
double brightnessOrder(const Visible& b);

/// The bodies above the horizon of lat, lon at when.
SkyView skyAt(const almanac::Instant& when, double lat, double lon);

struct Twilight {
    std::optional<UtcTime> nauticalMorning, civilMorning, civilEvening, nauticalEvening;
    std::string error;
    bool ok() const { return error.empty(); }

    /// Halfway between the nautical and the civil twilight of the morning
    /// (the evening), or nothing on a day without either.
    std::optional<UtcTime> middleOfMorning() const;
    std::optional<UtcTime> middleOfEvening() const;
};

/// The twilights of day's UTC date (its time of day is not read) at lat, lon.
Twilight twilightOf(const UtcTime& day, double lat, double lon, double dut1 = 0);

/// The geocentric altitude of the Sun's centre at lat, lon at when (what
/// the twilights are reckoned by); nothing where the almanac refuses the
/// instant.
std::optional<double> sunAltitude(const almanac::Instant& when, double lat, double lon);

/// The altitudes a navigator observes between, both limits taken in.
struct AltitudeBand {
    double lowest = 15 * math::degree, highest = 70 * math::degree;
    bool holds(double hc) const { return hc >= lowest && hc <= highest; }
};

struct Suggestion {
    /// Indices into the view's bodies in order of azimuth from north; empty
    /// when fewer than the count asked for are within the band (and, by day,
    /// can be seen), or the count is not 2 to 8.
    std::vector<size_t> bodies;
    bool byDay = false;  ///< the Sun was up: only the Sun, the Moon and Venus were taken
};

/// The count bodies of view within band best spread in azimuth (above).
Suggestion wellSpread(const SkyView& view, const AltitudeBand& band, int count);

}  // namespace morvel::sight
