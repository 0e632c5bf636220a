#include "sight/identify.h"

#include "engine/angles.h"
#include "engine/triangle.h"
#include "sight/horizon.h"

#include <algorithm>
#include <cmath>

namespace morvel::sight {

Identification identify(const almanac::Instant& when, double lat, double lon, double hs, double zn,
                        const Conditions& c, double within)
{
    Identification r;
    const Corrections k = correct(hs, c, Limb::center, {}, lat);
    r.ho = k.ho;
    r.lowAltitude = k.lowAltitude;
    const engine::Solved s = engine::solveTriangle(19, engine::givens(lat, 0, 0, r.ho, zn));
    const almanac::Sky sky(when);
    r.dec = s.sets[0].dec;
    r.gha = localHourAngle(s.sets[0].lha, -lon);
    r.sha = localHourAngle(r.gha, -sky.gast());
    for (const Seen& b : seenFrom(sky, lat, lon, true, r.error)) {
        const Horizon& h = b.horizon;
        const double dZn = signedAngle(h.zn - zn);
        const double cosd = std::sin(h.hc) * std::sin(r.ho) + std::cos(h.hc) * std::cos(r.ho) * std::cos(dZn);
        const double d = std::acos(std::clamp(cosd, -1.0, 1.0));
        if (d <= within)
            r.candidates.push_back({b.body, h.hc, h.zn, h.hc - r.ho, dZn, d});
    }
    std::stable_sort(r.candidates.begin(), r.candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    return r;
}

}  // namespace morvel::sight
