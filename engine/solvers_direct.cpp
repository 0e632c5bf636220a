// The four cases with a direct answer: 28, 19 and 25 have one solution, 22
// always the pair east and west of the meridian.
#include "engine/primitives.h"
#include "engine/report.h"
#include "engine/solvers.h"
#include "engine/state.h"

#include <algorithm>
#include <cmath>

namespace morvel::engine {

void solveltd(double& lat, double& t, double& dec, double& /*alt*/, double& Z, double& lha, double& /*zn*/)
{
    const double la = lat, tt = t, de = dec, lh = lha;
    const SideAngle s = sas(la, de, tt);
    alt1 = s.side;
    const double z = s.angle;
    Z = z;
    // West of the meridian the azimuth is reflected; at LHA 0 with the body
    // north this gives 2pi, which the diagram expects.
    az1 = lh < std::numbers::pi ? twoPi - z : z;
    output(alt1, 0, 1, 4);
    output(az1, 0, 1, 5);
    lat1 = la;
    lha1 = lh;
    dec1 = de;
    nout = 1;
    transfer();
}

void solvelhz(double& lat, double& t, double& /*dec*/, double& alt, double& Z, double& /*lha*/, double& zn)
{
    const double la = lat, al = alt, zz = Z, zv = zn;
    const SideAngle s = sas(la, al, zz);
    dec1 = s.side;
    const double m = s.angle;  // the meridian angle; 0 for a body at a pole
    t = m;
    lha1 = m;
    lat1 = la;
    alt1 = al;
    az1 = zv;
    nout = 1;
    if (zv < std::numbers::pi && m < std::numbers::pi)
        lha1 = twoPi - m;
    output(dec1, 0, 1, 3);
    output(lha1, 0, 1, 2);
    transfer();
}

void solveldh(double& lat, double& dec, double& alt, double& lha1Out, double& lha2Out, double& az1Out,
              double& az2Out)
{
    lat1 = lat;
    dec1 = dec;
    alt1 = alt;
    // The window sets nout to 1 before every solve; set it here as well so
    // that a failure of angcos (which sets 0) is told apart from a stale 0.
    nout = 1;
    const double z = angcos(dec1, lat1, alt1);
    az1Out = z;
    if (nout == 0)
        return;
    const double m = angcos(alt1, lat1, dec1);
    lha2Out = m;
    if (nout == 0)
        return;
    lat2 = lat1;
    dec2 = dec1;
    alt2 = alt1;
    // Set 1 is the body east of the meridian, set 2 west of it.
    lha1Out = twoPi - m;
    az2Out = twoPi - z;
    nout = 2;
    output(lha1Out, lha2Out, 2, 2);
    output(az1Out, az2Out, 2, 5);
    transfer();
}

void solveltz(double& lat, double& t, double& /*dec*/, double& /*alt*/, double& Z, double& lha, double& zn)
{
    const double la = lat, tt = t, zz = Z, lh = lha, zv = zn;
    // Napier's analogies on the side pole-zenith and its two adjacent angles:
    // a1 is half of declination - altitude, a2 half of their sum.
    const double s = std::sin((tt + zz) / 2);
    const double k = std::tan(std::numbers::pi / 4 - la / 2);
    const double dn = std::cos((tt - zz) / 2) * k;
    const double nn = std::sin((tt - zz) / 2) * k;
    const double a1 = s == 0 ? sign(nn) * halfPi : std::atan(nn / s);
    const double c = std::cos((tt + zz) / 2);
    const double a2 = dn == 0 ? sign(c) * halfPi : std::atan(c / dn);
    // A body at a pole or at the zenith comes out beyond 90 degrees by
    // rounding of the sum.
    dec1 = std::clamp(a2 + a1, -halfPi, halfPi);
    alt1 = std::clamp(a2 - a1, -halfPi, halfPi);
    lat1 = la;
    lha1 = lh;
    az1 = zv;
    nout = 1;
    output(dec1, 0, 1, 3);
    output(alt1, 0, 1, 4);
    other(zz, tt);
    transfer();
}

}  // namespace morvel::engine
