#include "sight/corrections.h"

#include "engine/angles.h"

#include <algorithm>
#include <cmath>

namespace morvel::sight {

namespace {

using math::degree;
constexpr double arcMinute = degree / 60;
/// The Earth's flattening (WGS 84).
constexpr double flattening = 1 / 298.257223563;

/// Refraction at apparent altitude ha (radians), radians.
double refraction(double ha, double temperature, double pressure)
{
    const double h = ha / degree;
    // The formula diverges below about -4.3 degrees of apparent altitude;
    // nothing is seen there.
    const double r0 = 0.0167 / std::tan((h + 7.32 / std::max(h + 4.32, 0.5)) * degree);
    return std::max(r0, 0.0) * 0.28 * pressure / (temperature + 273) * degree;
}

/// The angle between the geodetic vertical at latitude lat and the
/// geocentric radius there, lat - geocentric latitude: positive in the
/// north, where the radius points south of the zenith.
double verticalTilt(double lat)
{
    const double b = 1 - flattening;
    return lat - std::atan2(b * b * std::sin(lat), std::cos(lat));
}

}  // namespace

Corrections correct(double hs, const Conditions& c, Limb limb, const BodyFigures& body, double lat,
                    std::optional<double> zn)
{
    Corrections k;
    k.index = c.ic * arcMinute;
    k.dip = -1.76 * std::sqrt(std::max(c.eye, 0.0)) * arcMinute;
    k.ha = hs + k.index + k.dip;
    k.lowAltitude = k.ha < 5 * degree;
    k.refraction = -refraction(k.ha, c.temperature, c.pressure);
    const double h = k.ha + k.refraction;
    const double hp = body.moon ? body.hp * (1 - flattening * std::sin(lat) * std::sin(lat)) : body.hp;
    const double sd = body.moon ? body.sd * (1 + std::sin(hp) * std::sin(h)) : body.sd;
    k.semiDiameter = limb == Limb::lower ? sd : limb == Limb::upper ? -sd : 0;
    const double centre = h + k.semiDiameter;
    k.parallax = std::asin(std::sin(hp) * std::cos(centre));
    if (body.moon && zn)
        k.parallax += hp * verticalTilt(lat) * std::sin(centre) * std::cos(*zn);
    k.ho = centre + k.parallax;
    return k;
}

double sextantAltitude(double ho, const Conditions& c, Limb limb, const BodyFigures& body, double lat,
                       std::optional<double> zn)
{
    double hs = ho;
    for (int i = 0; i < 20; ++i) {
        const double miss = correct(hs, c, limb, body, lat, zn).ho - ho;
        hs -= miss;
        if (std::abs(miss) < 1e-12)
            break;
    }
    return hs;
}

}  // namespace morvel::sight
