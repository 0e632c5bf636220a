/// \file noon.h
/// \brief The noon sight: the time of local apparent noon at a moving ship,
/// the latitude from the Sun's meridian altitude, and the longitude from
/// the time of its highest altitude. No Qt.
///
/// Angles in radians, latitude north and longitude east positive; course
/// from north through east, 0..2pi; speed in knots; times in UTC (utc.h).
///
/// Noon. The ship is at the DR at the DR's time: by default 12:00 local
/// mean time of the date at the DR's longitude (12h - longitude / 15
/// degrees per hour in UTC), or the UTC instant given with it, which must
/// lie within 24 hours of that 12:00 (a DR carried further is no DR). From
/// there it runs on a rhumb line at the course and speed, either way in time
/// (DeadReckoning::after). Local apparent noon is the instant at which the
/// Sun's GHA plus the ship's longitude then is 0 (360): the Sun on the
/// ship's upper meridian, found by Newton's iteration from 12:00 local mean
/// time, to a hundredth of a second.
///
/// Latitude. The sextant altitude is corrected (corrections.h, with the
/// Sun's semi-diameter and parallax at noon) into Ho; with the zenith
/// distance z = 90 deg - Ho and the Sun's declination at noon, the latitude
/// is dec + z when the Sun bears south (the ship's latitude at noon north
/// of the declination, or on it) and dec - z when it bears north. Ho must
/// lie between 0 and 90 degrees and the latitude within the poles.
///
/// Longitude. At the time of the highest altitude the Sun is on the
/// meridian: longitude = -GHA of the Sun then, brought into -pi..pi.
#pragma once

#include "sight/corrections.h"
#include "sight/utc.h"

#include <optional>
#include <string>

namespace morvel::sight {

/// The ship's dead reckoning: its position at one time, course and speed.
struct DeadReckoning {
    double lat = 0, lon = 0;
    double course = 0, speed = 0;

    /// The position after hours (negative: before), by mid-latitude
    /// sailing.
    DeadReckoning after(double hours) const;
};

struct Noon {
    UtcTime time;
    /// The ship's position at noon.
    double lat = 0, lon = 0;
    /// The Sun then: declination, semi-diameter, horizontal parallax.
    double dec = 0, sd = 0, hp = 0;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// 12:00 local mean time on date (its time of day is not read) at the east
/// longitude lon, in UTC.
UtcTime localMeanNoon(const UtcTime& date, double lon);

/// The date whose local apparent noon at the east longitude lon falls on
/// dateOnBoard by the ship's zone time, zd the zone description in hours
/// (UT = zone time + zd): the date localApparentNoon takes. The date on
/// board itself unless the zone kept is far from the longitude's (beside
/// the date line).
UtcTime noonDateOnBoard(const UtcTime& dateOnBoard, double lon, double zd);

/// The latest a DR's time may lie from 12:00 local mean time, seconds.
constexpr double drTimeLimit = 86400;

/// Local apparent noon on date (its time of day is not read) for dr, which
/// holds at drTime, or at 12:00 local mean time when none is given;
/// dut1 = UT1 - UTC in seconds.
Noon localApparentNoon(const UtcTime& date, const DeadReckoning& dr, double dut1 = 0,
                       const std::optional<UtcTime>& drTime = std::nullopt);

struct NoonLatitude {
    double lat = 0;
    Corrections corrections;
    /// The Sun bore south of the ship at noon (north when false).
    bool sunSouth = true;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// The latitude at noon from the sextant altitude hs of the Sun's limb.
NoonLatitude noonLatitude(const Noon& noon, double hs, const Conditions& c, Limb limb);

struct NoonLongitude {
    double lon = 0;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// The longitude from the time of the Sun's highest altitude.
NoonLongitude longitudeAtMaximum(const UtcTime& time, double dut1 = 0);

}  // namespace morvel::sight
