/// \file identify.h
/// \brief Which body was that? The stars and planets that could have
/// given a sight, from its altitude and azimuth at a known instant and DR.
/// No Qt.
///
/// Angles in radians; latitude north and longitude east positive; azimuths
/// true, from north through east, 0..2pi.
///
/// The sextant altitude is corrected for index error, dip and refraction
/// (corrections.h; a star has neither semi-diameter nor parallax, and a
/// planet's parallax, under a quarter of a minute, is left out) into Ho. The
/// triangle of code 19 (latitude, altitude, azimuth) gives the unknown
/// body's declination and LHA, hence its GHA and SHA. Every star and planet
/// is then reduced at the DR (horizon.h) and compared with the sight:
///   dAlt      the body's Hc less Ho
///   dZn       the body's Zn less the sight's azimuth, -pi..pi
///   distance  the arc between the two points of the sky,
///             cos d = sin Hc sin Ho + cos Hc cos Ho cos dZn
/// (an error in azimuth counts for less high in the sky, where a compass
/// bearing is poor). The candidates are those within the given arc, nearest
/// first.
#pragma once

#include "almanac/almanac.h"
#include "engine/angles.h"
#include "sight/corrections.h"

#include <string>
#include <vector>

namespace morvel::sight {

struct Candidate {
    almanac::Body body;
    double hc = 0, zn = 0;
    double dAlt = 0, dZn = 0, distance = 0;
};

struct Identification {
    /// The sight's observed altitude, and whether its apparent altitude was
    /// below 5 degrees, where refraction is unreliable.
    double ho = 0;
    bool lowAltitude = false;
    /// The unknown body: declination, GHA and SHA (from the true equinox).
    double dec = 0, gha = 0, sha = 0;
    std::vector<Candidate> candidates;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// The bodies within `within` of a sight of sextant altitude hs and true
/// azimuth zn, taken at when from lat, lon under c.
Identification identify(const almanac::Instant& when, double lat, double lon, double hs, double zn,
                        const Conditions& c = {}, double within = 5 * math::degree);

}  // namespace morvel::sight
