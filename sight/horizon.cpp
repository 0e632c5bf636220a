#include "sight/horizon.h"

#include "engine/angles.h"
#include "engine/triangle.h"

#include <cmath>

namespace morvel::sight {

double localHourAngle(double gha, double lon)
{
    return math::wrap(gha + lon);
}

double signedAngle(double x)
{
    return std::remainder(x, math::twoPi);
}

Horizon horizonOf(double gha, double dec, double lat, double lon)
{
    const engine::Solved s = engine::solveTriangle(28, engine::givens(lat, localHourAngle(gha, lon), dec, 0, 0));
    return {s.sets[0].alt, s.sets[0].zn};
}

std::vector<Seen> seenFrom(const almanac::Sky& sky, double lat, double lon, bool starsAndPlanets, std::string& error)
{
    using almanac::BodyKind;
    std::vector<Seen> seen;
    for (const almanac::Body& b : almanac::bodies()) {
        if (b.kind == BodyKind::aries || (starsAndPlanets && b.kind != BodyKind::star && b.kind != BodyKind::planet))
            continue;
        almanac::Place p = sky.placeOf(b);
        if (!p.ok()) {
            error = p.error;
            return {};
        }
        const Horizon h = horizonOf(p.gha, p.dec, lat, lon);
        seen.push_back({b, std::move(p), h});
    }
    return seen;
}

}  // namespace morvel::sight
