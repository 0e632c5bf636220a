#include "sight/reduction.h"

#include "engine/angles.h"
#include "engine/triangle.h"
#include "navtext/navtext.h"
#include "navtext/say.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace morvel::sight {

namespace {

using math::degree, math::wrap;

}  // namespace

BodyFigures figuresOf(const almanac::Body& body, const almanac::Place& place)
{
    BodyFigures f;
    f.hp = place.hp.value_or(0);
    // A planet's disc is not brought to the horizon: its centre is observed.
    const bool limbs = body.kind == almanac::BodyKind::sun || body.kind == almanac::BodyKind::moon;
    f.sd = limbs ? place.sd.value_or(0) : 0;
    f.moon = body.kind == almanac::BodyKind::moon;
    return f;
}

Reduction reduce(const Sight& s, const almanac::Place& place, double lat, double lon)
{
    Reduction r;
    r.place = place;
    r.lat = lat;
    r.lon = lon;
    if (!place.ok()) {
        r.error = place.error;
        return r;
    }
    r.lha = wrap(place.gha + lon);
    const engine::Solved t = engine::solveTriangle(28, engine::givens(lat, r.lha, place.dec, 0, 0));
    if (t.count < 1) {
        r.corrections = correct(s.hs, s.conditions, s.limb, figuresOf(s.body, place), lat);
        r.error =
            t.messages.count ? t.messages.joined() : navtext::say(MORVEL_TR("sight", "the triangle has no solution"));
        return r;
    }
    r.hc = t.sets[0].alt;
    r.zn = t.sets[0].zn;
    // The Moon's parallax depends on its azimuth, which the triangle gives.
    r.corrections = correct(s.hs, s.conditions, s.limb, figuresOf(s.body, place), lat, r.zn);
    if (r.corrections.ho > math::halfPi) {
        r.error = navtext::say(
            MORVEL_TR("sight", "the corrections put the observed altitude beyond the zenith, above 90 degrees"));
        return r;
    }
    r.intercept = (r.corrections.ho - r.hc) / degree * 60;
    return r;
}

Reduction reduceAtDr(const Sight& s, const almanac::Place& place)
{
    Reduction r = reduce(s, place, s.drLat, s.drLon);
    if (r.ok() && std::abs(r.intercept) > interceptReach) {
        const navtext::Phrase beyond =
            r.intercept > 0 ? MORVEL_TR("sight", "the intercept at the DR is %1 nm toward, beyond the %2 nm (%3°) the "
                                                 "intercept method reaches: is the altitude, the time, the body or the "
                                                 "DR mistyped?")
                            : MORVEL_TR("sight", "the intercept at the DR is %1 nm away, beyond the %2 nm (%3°) the "
                                                 "intercept method reaches: is the altitude, the time, the body or the "
                                                 "DR mistyped?");
        r.error = navtext::say(beyond, {navtext::nmText(r.intercept), navtext::milesText(interceptReach),
                                        navtext::milesText(interceptReach / 60)});
    }
    return r;
}

Reduction reduce(const Sight& s)
{
    if (!s.when.ok()) {
        Reduction r;
        r.error = s.when.error();
        return r;
    }
    return reduceAtDr(s, almanac::placeOf(s.body, s.when));
}

std::vector<Reduction> reduceEach(const std::vector<Sight>& sights)
{
    const size_t n = sights.size();
    std::vector<Reduction> out(n);
    // A thread is worth its start for a few hundred sights, not for ten.
    const size_t threads = std::clamp<size_t>(std::min<size_t>(std::thread::hardware_concurrency(), n / 256), 1, 64);
    auto part = [&](size_t k) {
        for (size_t i = n * k / threads; i < n * (k + 1) / threads; ++i)
            out[i] = reduce(sights[i]);
    };
    std::vector<std::jthread> helpers;
    for (size_t k = 1; k < threads; ++k)
        helpers.emplace_back(part, k);
    part(0);
    helpers.clear();  // joined before out is handed back
    return out;
}

}  // namespace morvel::sight
