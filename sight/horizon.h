/// \file horizon.h
/// \brief Where a body of the almanac stands in the observer's sky: its
/// computed altitude Hc and true azimuth Zn, the celestial triangle of
/// code 28. No Qt.
///
/// Angles in radians. Longitude east positive, -pi..pi; LHA = GHA + east
/// longitude, 0..2pi. Hc is the geocentric altitude of the almanac's place
/// (no refraction, no parallax in altitude), -pi/2..pi/2; Zn from north
/// through east, 0..2pi (a body at the zenith has azimuth 0).
#pragma once

#include "almanac/almanac.h"

#include <string>
#include <vector>

namespace morvel::sight {

struct Horizon {
    double hc = 0;
    double zn = 0;
};

/// The LHA of a body of that GHA at the east longitude lon, 0..2pi.
double localHourAngle(double gha, double lon);

/// An angle brought into -pi..pi.
double signedAngle(double x);

/// Hc and Zn of a body at gha, dec seen from lat, lon.
Horizon horizonOf(double gha, double dec, double lat, double lon);

/// A body, its place and where it stands in the sky.
struct Seen {
    almanac::Body body;
    almanac::Place place;
    Horizon horizon;
};

/// Every body of the almanac but Aries (only the stars and planets when
/// starsAndPlanets) at the sky's instant, seen from lat, lon, in the
/// almanac's order; empty, with error set, when the almanac refuses the
/// instant.
std::vector<Seen> seenFrom(const almanac::Sky& sky, double lat, double lon, bool starsAndPlanets, std::string& error);

}  // namespace morvel::sight
