// The four cases with a direct answer: 28, 19 and 25 have one solution, 22
// always the pair east and west of the meridian.
#include "engine/case_solvers.h"
#include "engine/primitives.h"

#include <algorithm>
#include <cmath>

namespace morvel::engine::cases {

namespace {

/// -1, 0 or +1.
double sign(double x)
{
    return (x > 0) - (x < 0);
}

Solved one(const Triangle& t)
{
    Solved r;
    r.count = 1;
    r.sets[0] = t;
    return r;
}

}  // namespace

Solved ltd(const Givens& g)
{
    const SideAngle s = sas(g.lat, g.dec, g.t);
    // West of the meridian the azimuth is reflected; at LHA 0 with the body
    // north this gives 2pi, which the diagram expects.
    return one({g.lat, g.lha, g.dec, s.side, g.lha < math::pi ? twoPi - s.angle : s.angle});
}

Solved lhz(const Givens& g)
{
    const SideAngle s = sas(g.lat, g.alt, g.Z);
    const double m = s.angle;  // the meridian angle; 0 for a body at a pole
    const double lha = (g.zn < math::pi && m < math::pi) ? twoPi - m : m;
    return one({g.lat, lha, s.side, g.alt, g.zn});
}

Solved ldh(const Givens& g)
{
    Solved r;
    const double z = angcos(g.dec, g.lat, g.alt, r.messages);
    if (r.messages.count)
        return r;
    const double m = angcos(g.alt, g.lat, g.dec, r.messages);
    if (r.messages.count)
        return r;
    // Set 1 is the body east of the meridian, set 2 west of it.
    r.count = 2;
    r.sets[0] = {g.lat, twoPi - m, g.dec, g.alt, z};
    r.sets[1] = {g.lat, m, g.dec, g.alt, twoPi - z};
    // The observer at a pole: every LHA fits (the remark says so); these
    // are the two at LHA 0, with the azimuth of the pole's convention.
    if (std::cos(g.lat) < math::noDirection)
        for (Triangle& s : r.sets)
            s.zn = poleAzimuth(g.lat, s.lha);
    return r;
}

Solved ltz(const Givens& g)
{
    const double tt = g.t, zz = g.Z;
    // Napier's analogies on the side pole-zenith and its two adjacent angles:
    // a1 is half of declination - altitude, a2 half of their sum.
    const double s = std::sin((tt + zz) / 2);
    const double k = std::tan(math::pi / 4 - g.lat / 2);
    const double dn = std::cos((tt - zz) / 2) * k;
    const double nn = std::sin((tt - zz) / 2) * k;
    const double a1 = s == 0 ? sign(nn) * halfPi : std::atan(nn / s);
    const double c = std::cos((tt + zz) / 2);
    const double a2 = dn == 0 ? sign(c) * halfPi : std::atan(c / dn);
    // A body at a pole or at the zenith comes out beyond 90 degrees by
    // rounding of the sum.
    return one({g.lat, g.lha, std::clamp(a2 + a1, -halfPi, halfPi), std::clamp(a2 - a1, -halfPi, halfPi), g.zn});
}

}  // namespace morvel::engine::cases
