#include "gcs/rhumb.h"

#include "engine/angles.h"

#include <cmath>

namespace morvel::gcs {

namespace {

using math::pi, math::twoPi, math::halfPi, math::degree, math::isPole, math::wrap;

/// The ratio of the difference of latitude to the difference of the
/// Mercator latitudes atanh(sin lat) between lat1 and lat2, in a form that
/// keeps its digits for short legs (it tends to the cosine of the
/// latitude); nothing where the two straddle or touch a pole.
bool mercatorRatio(double lat1, double lat2, double& q)
{
    const double dlat = lat2 - lat1;
    q = std::cos(lat1);
    if (dlat == 0)
        return true;
    const double h = std::sin(dlat / 2), c = std::cos((lat1 + lat2) / 2);
    const double x = 2 * c * h / (h * h + c * c);
    if (!(std::abs(x) < 1))
        return false;
    q = dlat / std::atanh(x);
    return true;
}

}  // namespace

Leg rhumb(double lat1, double lat2, double dlon)
{
    const double dlat = lat2 - lat1;
    double q = 0;
    if (isPole(lat1) || isPole(lat2) || !mercatorRatio(lat1, lat2, q))
        return Leg{dlat < 0 ? pi : 0, std::abs(dlat) / degree * 60};
    const double dpsi = dlat == 0 ? 0 : dlat / q;
    return {wrap(std::atan2(dlon, dpsi)), std::hypot(dlat, q * dlon) / degree * 60};
}

Place rhumbDestination(double lat, double lon, double course, double miles)
{
    const double arc = miles / 60 * degree;
    const double lat2 = lat + arc * std::cos(course);
    if (std::abs(lat2) >= halfPi || isPole(lat))
        return {std::copysign(halfPi, std::abs(lat2) >= halfPi ? lat2 : lat), lon};
    double q = 0;
    if (!mercatorRatio(lat, lat2, q))
        return {lat2, lon};
    const double lon2 = std::remainder(lon + arc * std::sin(course) / q, twoPi);
    return {lat2, lon2};
}

}  // namespace morvel::gcs
