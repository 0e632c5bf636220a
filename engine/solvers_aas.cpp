// The cases with both angles that the navigator uses, t at the pole and Z at
// the zenith, and the side opposite one of them (13, 11). The sine rule
// gives only the cosine of the missing side v, so there are two candidates,
// v and -v. The observer's latitude y of a triangle satisfies one equation,
// A sin y + B cos y = C, in which the body bears Z at meridian angle t; its
// roots on the globe are the triangles, and each gives its own v. Set 1 is
// the positive candidate.
#include "engine/primitives.h"
#include "engine/report.h"
#include "engine/solvers.h"
#include "engine/state.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace morvel::engine {

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
    double lat = halfPi - fromZenith + (t < halfPi ? -polar : polar);
    if (lat > std::numbers::pi)
        lat -= twoPi;
    else if (lat <= -std::numbers::pi)
        lat += twoPi;
    return lat;
}

/// The triangles of an angle-angle-side case: the latitudes y with
/// A sin y + B cos y = C (u^2 - v^2 = A^2 + B^2 - C^2), each with its missing
/// side v(y), the larger v in set 1. When all three coefficients vanish (both angles on the meridian,
/// or the body at a pole on the meridian) every latitude fits: the missing
/// side is then the sine rule's candidate v0 (the known side) and its
/// negative, with the latitude on the meridian. Returns the count.
template <class Side, class Meridian>
int16_t aasTriangles(double A, double B, double C, double u, double v, double v0, Side side,
                     Meridian onMeridian, double& lat1v, double& v1, double& lat2v, double& v2)
{
    double lat[2] = {0, 0}, missing[2] = {0, 0};
    int16_t n = 0;
    if (A * A + B * B < 1e-24 && std::abs(C) < 1e-12) {
        for (double candidate : {v0, -v0}) {
            const double l = onMeridian(candidate);
            if (std::abs(l) <= halfPi + 1e-12) {
                lat[n] = std::clamp(l, -halfPi, halfPi);
                missing[n++] = candidate;
            }
            if (v0 == 0)
                break;
        }
    } else {
        Root roots[2] = {};
        n = sincosroots(A, B, C, u, v, roots[0], roots[1]);
        for (int i = 0; i < n; ++i) {
            lat[i] = roots[i].y;
            missing[i] = side(roots[i].at);
        }
        if (n == 2 && missing[1] > missing[0]) {
            std::swap(lat[0], lat[1]);
            std::swap(missing[0], missing[1]);
        }
    }
    lat1v = lat[0];
    v1 = missing[0];
    if (n == 2) {
        lat2v = lat[1];
        v2 = missing[1];
    }
    return n;
}

}  // namespace

void solvetdz(double& lat1Out, double& lat2Out, double& t, double& dec, double& alt1Out, double& alt2Out,
              double& Z, double& lha, double& zn, int16_t& noutArg)
{
    const double tt = t, de = dec, zz = Z, lh = lha, zv = zn;
    dec1 = dec2 = de;
    lha1 = lha2 = lh;
    az1 = az2 = zv;
    // Counted with the azimuth angle from the body's pole.
    const double A = de < 0 ? std::numbers::pi - zz : zz;
    int16_t n = aascount(tt, std::abs(de), A);
    setcount(noutArg, n);
    const double v = sidesin(de, zz, tt);  // cos altitude = sin t cos dec / sin Z
    if (nout == 0 || n == 0) {
        setcount(noutArg, 0);
        return;
    }
    // The body bears Z: (cos lat sin dec - sin lat cos dec cos t) sin Z =
    // cos dec sin t cos Z.
    const Trig d = trig(de), tT = trig(tt), z = trig(zz);
    const double p = d.c * tT.s;  // sin Z cos altitude
    n = aasTriangles(
        -d.c * tT.c * z.s, d.s * z.s, p * z.c, z.s, p, v,
        [&](Trig lat) { return sidecos(lat, d, tT); },
        [&](double altitude) { return meridianLatitude(tt, de, altitude, zz); }, lat1Out, alt1Out, lat2Out,
        alt2Out);
    setcount(noutArg, n);
    if (n == 0) {
        msgbox("No Solution");
        return;
    }
    // putlatalt
    output(lat1Out, lat2Out, n, 1);
    output(alt1Out, alt2Out, n, 4);
    other(zz, tt);
    transfer();
}

void solvethz(double& lat1Out, double& lat2Out, double& t, double& dec1Out, double& dec2Out, double& alt,
              double& Z, double& lha, double& zn, int16_t& noutArg)
{
    const double tt = t, al = alt, zz = Z, lh = lha, zv = zn;
    alt1 = alt2 = al;
    lha1 = lha2 = lh;
    az1 = az2 = zv;
    int16_t n = aascount(zz, al, tt);
    setcount(noutArg, n);
    const double v = sidesin(al, tt, zz);  // cos declination = sin Z cos alt / sin t
    if (nout == 0 || n == 0) {
        setcount(noutArg, 0);
        return;
    }
    // The body is on the hour circle t: (cos lat sin alt - sin lat cos alt
    // cos Z) sin t = cos alt sin Z cos t.
    const Trig h = trig(al), tT = trig(tt), z = trig(zz);
    const double p = h.c * z.s;  // sin t cos declination
    n = aasTriangles(
        -h.c * z.c * tT.s, h.s * tT.s, p * tT.c, tT.s, p, v,
        [&](Trig lat) { return sidecos(lat, h, z); },
        [&](double declination) { return meridianLatitude(tt, declination, al, zz); }, lat1Out, dec1Out, lat2Out,
        dec2Out);
    setcount(noutArg, n);
    if (n == 0) {
        msgbox("No Solution");
        return;
    }
    output(lat1Out, lat2Out, n, 1);
    output(dec1Out, dec2Out, n, 3);
    transfer();
}

}  // namespace morvel::engine
