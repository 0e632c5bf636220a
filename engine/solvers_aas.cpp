// The cases with both angles that the navigator uses, t at the pole and Z at
// the zenith, and the side opposite one of them (13, 11). The sine rule
// gives only the cosine of the missing side v, so there are two candidates,
// v and -v. The observer's latitude y of a triangle satisfies one equation,
// A sin y + B cos y = C, in which the body bears Z at meridian angle t; its
// roots on the globe are the triangles, and each gives its own v. Set 1 is
// the positive candidate.
#include "engine/case_solvers.h"
#include "engine/primitives.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace morvel::engine::cases {

namespace {

/// The latitude of the observer when the body, the pole and the zenith all
/// lie on the meridian: the body at altitude h bearing north (Z below 90
/// degrees) or south, at polar distance 90 - dec from the pole on the
/// upper branch of the meridian (t below 90 degrees) or the lower one. Out
/// of -pi/2..pi/2 when no observer sees it so.
double meridianLatitude(double t, double dec, double h, double Z)
{
    const double fromZenith = (Z < halfPi ? 1 : -1) * (halfPi - h);  // towards north
    const double polar = halfPi - dec;
    return math::wrapSigned(halfPi - fromZenith + (t < halfPi ? -polar : polar));
}

/// A latitude and the missing side of one triangle.
struct LatSide {
    double lat = 0, side = 0;
};

/// The triangles of an angle-angle-side case: the latitudes y with
/// A sin y + B cos y = C (u^2 - v^2 = A^2 + B^2 - C^2), each with its
/// missing side v(y), the larger v first. When all three coefficients
/// vanish (both angles on the meridian, or the body at a pole on the
/// meridian) every latitude fits: the missing side is then the sine rule's
/// candidate v0 (the known side) and its negative, with the latitude on the
/// meridian, and free is set. Returns the count.
template <class Side, class Meridian>
int16_t aasTriangles(double A, double B, double C, double u, double v, double v0, Side side,
                     Meridian onMeridian, LatSide (&out)[2], bool& free)
{
    int16_t n = 0;
    if (A * A + B * B < math::noDirection * math::noDirection && std::abs(C) < math::noDirection) {
        free = true;
        for (double candidate : {v0, -v0}) {
            const double l = onMeridian(candidate);
            if (std::abs(l) <= halfPi + math::poleSlack)
                out[n++] = {std::clamp(l, -halfPi, halfPi), candidate};
            if (v0 == 0)
                break;
        }
    } else {
        Root roots[2] = {};
        n = sincosroots(A, B, C, u, v, roots[0], roots[1]);
        for (int i = 0; i < n; ++i)
            out[i] = {roots[i].y, side(roots[i].at)};
        if (n == 2 && out[1].side > out[0].side)
            std::swap(out[0], out[1]);
    }
    return n;
}

}  // namespace

Solved tdz(const Givens& g)
{
    Solved r;
    const double tt = g.t, de = g.dec, zz = g.Z;
    // Counted with the azimuth angle from the body's pole.
    const double A = de < 0 ? math::pi - zz : zz;
    const int16_t possible = aascount(tt, std::abs(de), A, r.messages);
    const double v = sidesin(de, zz, tt, r.messages);  // cos altitude = sin t cos dec / sin Z
    if (possible == 0 || r.messages.count)
        return r;
    // The body bears Z: (cos lat sin dec - sin lat cos dec cos t) sin Z =
    // cos dec sin t cos Z.
    const Trig d = trig(de), tT = trig(tt), z = trig(zz);
    const double p = d.c * tT.s;  // sin Z cos altitude
    LatSide found[2];
    r.count = aasTriangles(
        -d.c * tT.c * z.s, d.s * z.s, p * z.c, z.s, p, v, [&](Trig lat) { return sidecos(lat, d, tT); },
        [&](double altitude) { return meridianLatitude(tt, de, altitude, zz); }, found, r.manyOther);
    if (r.count == 0)
        r.messages.add("No Solution");
    for (int i = 0; i < r.count; ++i)
        r.sets[size_t(i)] = {found[i].lat, g.lha, de, found[i].side, g.zn};
    return r;
}

Solved thz(const Givens& g)
{
    Solved r;
    const double tt = g.t, al = g.alt, zz = g.Z;
    const int16_t possible = aascount(zz, al, tt, r.messages);
    const double v = sidesin(al, tt, zz, r.messages);  // cos declination = sin Z cos alt / sin t
    if (possible == 0 || r.messages.count)
        return r;
    // The body is on the hour circle t: (cos lat sin alt - sin lat cos alt
    // cos Z) sin t = cos alt sin Z cos t.
    const Trig h = trig(al), tT = trig(tt), z = trig(zz);
    const double p = h.c * z.s;  // sin t cos declination
    LatSide found[2];
    r.count = aasTriangles(
        -h.c * z.c * tT.s, h.s * tT.s, p * tT.c, tT.s, p, v, [&](Trig lat) { return sidecos(lat, h, z); },
        [&](double declination) { return meridianLatitude(tt, declination, al, zz); }, found, r.manyOther);
    if (r.count == 0)
        r.messages.add("No Solution");
    for (int i = 0; i < r.count; ++i)
        r.sets[size_t(i)] = {found[i].lat, g.lha, found[i].side, al, g.zn};
    return r;
}

}  // namespace morvel::engine::cases
