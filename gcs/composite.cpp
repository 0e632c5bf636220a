#include "gcs/composite.h"

#include "engine/angles.h"

#include <algorithm>
#include <cmath>

namespace morvel::gcs {

namespace {

using math::pi, math::twoPi, math::halfPi, math::degree, math::wrap;

/// Latitudes closer than this (about 0.0002') to the limit are on it.
constexpr double slack = 1e-9;

double miles(double arc)
{
    return arc / degree * 60;
}

/// acos and asin of a ratio that rounding may carry just beyond 1.
double safeAcos(double x)
{
    return std::acos(std::clamp(x, -1.0, 1.0));
}
double safeAsin(double x)
{
    return std::asin(std::clamp(x, -1.0, 1.0));
}

/// The arc between two places (haversine).
double arcBetween(double lat1, double lon1, double lat2, double lon2)
{
    const double a = std::sin((lat2 - lat1) / 2), b = std::sin((lon2 - lon1) / 2);
    const double h = std::clamp(a * a + std::cos(lat1) * std::cos(lat2) * b * b, 0.0, 1.0);
    return 2 * std::atan2(std::sqrt(h), std::sqrt(1 - h));
}

}  // namespace

Composite composite(double latA, double lonA, double latB, double lonB, double course, double limit)
{
    // Worked on the northern side: a southern limit is the mirror image in
    // the equator, which turns latitudes over and a course C into 180 - C.
    const double m = limit < 0 ? -1 : 1;
    const double a = m * latA, b = m * latB, lim = m * limit;
    const double c = m > 0 ? course : wrap(pi - course);
    const auto back = [&](double x) { return m > 0 ? x : wrap(pi - x); };

    Composite r;
    r.limit = limit;
    const double arc = arcBetween(latA, lonA, latB, lonB);
    r.greatCircleMiles = r.miles = miles(arc);
    // The northern vertex lies sv along the track from the departure; the
    // track reaches it when it lies between the ends.
    const double sv = std::atan2(std::cos(c) * std::cos(a), std::sin(a));
    const double highest = sv >= 0 && sv <= arc ? safeAcos(std::abs(std::sin(c)) * std::cos(a)) : std::max(a, b);
    r.highest = m * highest;
    if (a > lim + slack) {
        r.outcome = Composite::Outcome::departurePoleward;
        return r;
    }
    if (b > lim + slack) {
        r.outcome = Composite::Outcome::destinationPoleward;
        return r;
    }
    if (highest <= lim + slack)
        return r;

    // Napier's rules in the right triangle pole / end / vertex on the limit:
    // the vertex lies dlo from the end with cos dlo = tan lat / tan lim, at
    // the distance d with cos d = sin lat / sin lim, and the great circle
    // leaves the end on sin C = cos lim / cos lat.
    r.outcome = Composite::Outcome::composite;
    r.east = !(c > pi);  // over the pole on 000 or 180: east, the same length either way
    const double way = r.east ? 1 : -1;
    const double dloA = safeAcos(std::tan(a) / std::tan(lim)), dloB = safeAcos(std::tan(b) / std::tan(lim));
    const double dlo = wrap(way * (lonB - lonA));
    // Tangents that overlap by rounding's trace touch the parallel at one point.
    const double run = std::max(dlo - dloA - dloB, 0.0);
    const double along = r.east ? halfPi : 3 * halfPi;
    const double cA = safeAsin(std::cos(lim) / std::cos(a)), cB = safeAsin(std::cos(lim) / std::cos(b));

    r.legs[0] = {miles(safeAcos(std::sin(a) / std::sin(lim))), back(r.east ? cA : twoPi - cA), back(along)};
    r.legs[1] = {miles(run * std::cos(lim)), back(along), back(along)};
    r.legs[2] = {miles(safeAcos(std::sin(b) / std::sin(lim))), back(along), back(r.east ? pi - cB : pi + cB)};
    r.meets = {limit, std::remainder(lonA + way * dloA, twoPi)};
    r.leaves = {limit, std::remainder(lonA + way * (dloA + run), twoPi)};
    r.miles = r.legs[0].miles + r.legs[1].miles + r.legs[2].miles;
    r.longer = r.miles - r.greatCircleMiles;
    return r;
}

}  // namespace morvel::gcs
