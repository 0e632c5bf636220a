// The cases with two sides and the angle opposite one of them (26, 21, 14,
// 7). The unknown third side y of each satisfies one cosine-rule equation,
// sin a sin y + cos a cos c cos y = sin b, whose roots ssacount finds in
// closed form; the rest of each triangle follows from two sides and the
// angle between them. Set 1 is the triangle whose angle opposite side a is
// acute. Every reported set is a triangle with the three given parts: the
// observer at a pole (the equal-sides case) and the body at the zenith are
// roots like any other.
#include "engine/case_solvers.h"
#include "engine/primitives.h"

#include <cmath>

namespace morvel::engine::cases {

namespace {

/// The true azimuth of an azimuth angle z counted from the elevated pole:
/// reflected to the east when the body is east (lha below pi) in the north,
/// counted from south in the south (h = -1). At lha exactly pi the body is on
/// the lower meridian, where east and west agree. A body at the nadir (alt)
/// has no azimuth: 0.
double trueAzimuth(double z, double h, double lha, double alt)
{
    if (std::cos(alt) < math::noDirection)
        return 0;
    if (h > 0)
        return (lha < math::pi && z < math::pi) ? twoPi - z : z;
    return (lha < math::pi ? z : -z) + math::pi;
}

/// The body at the zenith: one triangle, with the latitude and declination
/// equal and no azimuth (reported as 0).
Solved atZenith(const Givens& g, double latDec)
{
    Solved r;
    r.count = 1;
    r.sets[0] = {latDec, g.lha, latDec, g.alt, 0};
    return r;
}

}  // namespace

Solved lth(const Givens& g)
{
    Solved r;
    // Solved with the elevated pole in the observer's hemisphere.
    const double h = g.lat < 0 ? -1 : 1;
    const double L = std::abs(g.lat);
    Root y[2] = {};  // the declinations
    r.count = ssacount(L, g.alt, g.t, y[0], y[1], r.messages, &r.manyOther);
    if (r.count == 0)
        return r;
    if (math::atZenith(g.alt))
        return atZenith(g, g.lat);
    const Trig tL = trig(L), tT = trig(g.t);
    for (int i = 0; i < r.count; ++i)
        r.sets[size_t(i)] = {g.lat, g.lha, h * y[i].y, g.alt, trueAzimuth(sas(tL, y[i].at, tT).angle, h, g.lha, g.alt)};
    return r;
}

Solved ldz(const Givens& g)
{
    Solved r;
    // In the south the triangle is turned over: the south pole is the
    // elevated pole and the azimuth angle is counted from south.
    double L = g.lat, D = g.dec, A = g.Z;
    if (g.lat < 0) {
        L = -g.lat;
        D = -g.dec;
        A = std::abs(g.zn - math::pi);
    }
    Root y[2] = {};  // the altitudes
    r.count = ssacount(L, D, A, y[0], y[1], r.messages, &r.manyOther);
    const Trig tL = trig(L), tA = trig(A);
    for (int i = 0; i < r.count; ++i) {
        double lha = 0;
        tolha(sas(tL, y[i].at, tA).angle, g.zn, lha);
        r.sets[size_t(i)] = {g.lat, lha, g.dec, y[i].y, g.zn};
    }
    return r;
}

Solved tdh(const Givens& g)
{
    Solved r;
    // Solved with the elevated pole in the body's hemisphere.
    const double h = g.dec < 0 ? -1 : 1;
    const double D = std::abs(g.dec);
    Root y[2] = {};  // the latitudes
    r.count = ssacount(D, g.alt, g.t, y[0], y[1], r.messages, &r.manyOther);
    if (r.count == 0)
        return r;
    if (math::atZenith(g.alt))
        return atZenith(g, g.dec);
    const Trig tD = trig(D), tT = trig(g.t);
    for (int i = 0; i < r.count; ++i)
        r.sets[size_t(i)] = {h * y[i].y, g.lha, g.dec, g.alt, trueAzimuth(sas(y[i].at, tD, tT).angle, h, g.lha, g.alt)};
    return r;
}

Solved dhz(const Givens& g)
{
    Solved r;
    Root y[2] = {};  // the latitudes
    r.count = ssacount(g.alt, g.dec, g.Z, y[0], y[1], r.messages, &r.manyOther);
    const Trig tAlt = trig(g.alt), tZ = trig(g.Z);
    for (int i = 0; i < r.count; ++i) {
        double lha = 0;
        tolha(sas(y[i].at, tAlt, tZ).angle, g.zn, lha);
        r.sets[size_t(i)] = {y[i].y, lha, g.dec, g.alt, g.zn};
    }
    return r;
}

}  // namespace morvel::engine::cases
