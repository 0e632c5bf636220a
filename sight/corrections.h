/// \file corrections.h
/// \brief From the sextant altitude Hs to the observed altitude Ho: the
/// corrections of a sight, each on its own. No Qt.
///
/// Angles in radians, corrections signed as they are added, in this order:
///   index       the index correction IC (negative when the error is on
///               the arc)
///   dip         of the sea horizon from a height of eye h metres:
///               -1.76' sqrt(h)
///   ha          the apparent altitude, hs + index + dip
///   refraction  -R at the apparent altitude, as the nautical almanac
///               computes it: R0 = 0.0167 deg / tan(ha + 7.32 / (ha + 4.32))
///               (ha in degrees), times 0.28 P / (T + 273) for the
///               pressure P (hPa) and temperature T (deg C); below 5
///               degrees of apparent altitude it is unreliable (warning)
///   semiDiameter  +SD for the lower limb, -SD for the upper, 0 for the
///               centre; the Moon's augmented for its altitude,
///               SD (1 + sin HP sin h)
///   parallax    in altitude, asin(sin HP cos h) at the altitude h of the
///               body's centre (refracted, with the semi-diameter); for the
///               Moon on the Earth's ellipsoid, below
///   ho          the observed altitude, the sum
///
/// The Moon's parallax on the ellipsoid (WGS 84, flattening f). The almanac's
/// HP is the equatorial horizontal parallax; the observer stands at the
/// distance rho = 1 - f sin^2 lat of an equatorial radius from the Earth's
/// centre, so HP' = HP (1 - f sin^2 lat). The observer's zenith is the
/// geodetic vertical, but the parallax displaces the Moon away from the
/// geocentric zenith, which lies v = lat - geocentric latitude (up to 11.5'
/// at 45 degrees, toward the equator) from it along the meridian, where
/// tan(geocentric latitude) = (1 - f)^2 tan lat. With sin p = sin HP' sin z'
/// and the Moon's distance from the geocentric zenith z' = 90 deg - h
/// + v cos Zn to first order in v, the parallax in altitude is
///     asin(sin HP' cos h) + HP' v sin h cos Zn
/// the second term (under 0.2') being the azimuth term of the almanac's
/// oblateness correction: larger when the Moon bears toward the pole of the
/// observer's hemisphere, smaller toward the equator. The terms left out,
/// HP v^2 and HP^2 v, stay under 0.005'. Zn is the Moon's true azimuth
/// (from north through east); a caller without it leaves it out, and the
/// azimuth term with it. The other bodies' parallax is HP cos h.
#pragma once

#include <optional>

namespace morvel::sight {

enum class Limb { lower, upper, center };

/// What a sight was taken under. ic in minutes of arc, eye in metres,
/// temperature in deg C, pressure in hPa.
struct Conditions {
    double ic = 0;
    double eye = 0;
    double temperature = 10;
    double pressure = 1010;
};

/// The body's figures from the almanac, radians (0 where they do not
/// apply: a star has neither), and whether it is the Moon.
struct BodyFigures {
    double sd = 0;
    double hp = 0;
    bool moon = false;
};

struct Corrections {
    double index = 0, dip = 0, ha = 0, refraction = 0, semiDiameter = 0, parallax = 0, ho = 0;
    /// The apparent altitude is below 5 degrees, where refraction is
    /// unreliable.
    bool lowAltitude = false;
};

/// The corrections of a sextant altitude hs (radians) taken at latitude lat,
/// the body bearing zn (radians true) when it is known.
Corrections correct(double hs, const Conditions& c, Limb limb, const BodyFigures& body, double lat,
                    std::optional<double> zn = std::nullopt);

/// The sextant altitude that the corrections turn into ho: their inverse,
/// by iteration (tests, and planning a sight).
double sextantAltitude(double ho, const Conditions& c, Limb limb, const BodyFigures& body, double lat,
                       std::optional<double> zn = std::nullopt);

}  // namespace morvel::sight
