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
///               body's centre (refracted, with the semi-diameter); the
///               Moon's horizontal parallax reduced for the Earth's
///               oblateness at the observer's latitude, HP (1 - f sin^2 lat)
///   ho          the observed altitude, the sum
#pragma once

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

/// The corrections of a sextant altitude hs (radians) taken at latitude lat.
Corrections correct(double hs, const Conditions& c, Limb limb, const BodyFigures& body, double lat);

/// The sextant altitude that the corrections turn into ho: their inverse,
/// by iteration (tests, and planning a sight).
double sextantAltitude(double ho, const Conditions& c, Limb limb, const BodyFigures& body, double lat);

}  // namespace morvel::sight
