/// \file noon.h
/// \brief The noon sight: the time of local apparent noon at a moving ship,
/// the latitude from the Sun's meridian altitude, and the longitude from
/// the time of its highest altitude. No Qt.
///
/// Angles in radians, latitude north and longitude east positive; course
/// from north through east, 0..2pi; speed in knots; times in UTC (utc.h).
///
/// Noon. The ship is at the DR at 12:00 local mean time of the date at
/// the DR's longitude (12h - longitude / 15 degrees per hour in UTC) and
/// runs from there on a rhumb line at the course and speed, either way in
/// time. Local apparent noon is the instant at which the Sun's GHA plus the
/// ship's longitude then is 0 (360): the Sun on the ship's upper meridian,
/// found by Newton's iteration from 12:00 local mean time, to a hundredth
/// of a second.
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

/// Local apparent noon on date (its time of day is not read) for dr at
/// 12:00 local mean time; dut1 = UT1 - UTC in seconds.
Noon localApparentNoon(const UtcTime& date, const DeadReckoning& dr, double dut1 = 0);

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
