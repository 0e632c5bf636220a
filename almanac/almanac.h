/// \file almanac.h
/// \brief Where a navigational body stands at an instant: its Greenwich
/// hour angle and declination, as a nautical almanac gives them. No Qt.
///
/// Places are apparent and geocentric: true equator and equinox of date,
/// light time, annual aberration, proper motion and parallax of the stars
/// (IAU 2006/2000A precession-nutation, ERFA). The Earth rotates by UT1
/// (Earth rotation angle, IAU 2000); the ephemerides run in TT.
///
/// Angles in radians:
///   gha  Greenwich hour angle, westward from Greenwich, 0..2pi
///   dec  declination, north positive, -pi/2..pi/2
///   sha  sidereal hour angle (stars), westward from the true equinox,
///        0..2pi, so that gha = GHA Aries + sha (mod 2pi)
///   sd   semi-diameter (Sun, Moon, planets): the apparent angular radius
///        seen from the Earth's centre; equatorial radii (Sun 696 000 km,
///        Moon 1737.4 km, Venus 6051.8, Mars 3396.2, Jupiter 71 492,
///        Saturn 60 268 km, without rings)
///   hp   equatorial horizontal parallax (Sun, Moon, planets): the Earth's
///        equatorial radius, 6378.137 km, seen from the body's centre
/// mag is the visual magnitude (planets: computed; stars: the catalogue's).
/// distance is the geometric distance from the Earth's centre in
/// astronomical units (Sun, Moon, planets).
///
/// Aries is the true equinox: its gha is Greenwich apparent sidereal time,
/// its dec 0.
///
/// An instant refused by time.h gives a Place whose error() repeats why.
/// Sky holds what every body at one instant shares (the Earth's place and
/// velocity, precession-nutation, the Earth's rotation); it is a value, and
/// threads may use their own at once (libnova's calls, which keep a cache
/// in static storage, take turns behind a lock).
#pragma once

#include "almanac/bodies.h"
#include "almanac/time.h"

#include <optional>
#include <string>

namespace morvel::almanac {

struct Place {
    double gha = 0;
    double dec = 0;
    std::optional<double> sha;
    std::optional<double> sd;
    std::optional<double> hp;
    std::optional<double> mag;
    std::optional<double> distance;
    std::string error;
    bool ok() const { return error.empty(); }
};

class Sky {
public:
    explicit Sky(const Instant& when);

    /// Where the body stands at the Sky's instant.
    Place placeOf(const Body& body) const;

    /// Greenwich apparent sidereal time, 0..2pi.
    double gast() const;

private:
    Instant when_;
    // The fields of ERFA's eraASTROM that places need, kept in plain
    // members so that this header needs no ERFA header: proper-motion time
    // (Julian years from J2000), the Earth's barycentric position (au),
    // heliocentric direction and distance (au), barycentric velocity (c),
    // reciprocal Lorentz factor, bias-precession-nutation matrix (GCRS to
    // CIRS); the Earth rotation angle and the equation of the origins.
    double pmt_ = 0, eb_[3] = {}, eh_[3] = {}, em_ = 0, v_[3] = {}, bm1_ = 0, bpn_[3][3] = {};
    double era_ = 0, eo_ = 0;
    Place star(const Body& body) const;
    Place solarSystem(const Body& body) const;
};

/// Where the body stands at the instant: Sky(when).placeOf(body).
Place placeOf(const Body& body, const Instant& when);

}  // namespace morvel::almanac
