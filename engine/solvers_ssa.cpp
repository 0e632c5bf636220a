// The cases with two sides and the angle opposite one of them (26, 21, 14,
// 7). The unknown third side y of each satisfies one cosine-rule equation,
// sin a sin y + cos a cos c cos y = sin b, whose roots ssacount finds in
// closed form; the rest of each triangle follows from two sides and the
// angle between them. Set 1 is the triangle whose angle opposite side a is
// acute. Every reported set is a triangle with the three given parts: the
// observer at a pole (the equal-sides case) and the body at the zenith are
// roots like any other.
#include "engine/primitives.h"
#include "engine/report.h"
#include "engine/solvers.h"
#include "engine/state.h"

#include <cmath>

namespace morvel::engine {

void solvelth(double& lat, double& t, double& dec1Out, double& dec2Out, double& alt, double& az1Out,
              double& az2Out, double& lha)
{
    const double la = lat, tt = t, al = alt, lh = lha;
    lat1 = lat2 = la;
    lha1 = lha2 = lh;
    alt1 = alt2 = al;
    // Solved with the elevated pole in the observer's hemisphere.
    const double h = la < 0 ? -1 : 1;
    const double L = std::abs(la);
    Root y[2] = {};  // the declinations
    const int16_t n = ssacount(L, al, tt, y[0], y[1]);
    if (n == 0)
        return;
    if (atZenith(al)) {
        // The body at the zenith has no azimuth; report 0.
        nout = 1;
        dec1Out = la;
        az1Out = 0;
        output(la, 0, 1, 3);
        output(0, 0, 1, 5);
        transfer();
        return;
    }
    double* dec[2] = {&dec1Out, &dec2Out};
    double* az[2] = {&az1Out, &az2Out};
    const Trig tL = trig(L), tT = trig(tt);
    for (int i = 0; i < n; ++i) {
        *dec[i] = h * y[i].y;
        *az[i] = trueAzimuth(sas(tL, y[i].at, tT).angle, h, lh);
    }
    output(dec1Out, dec2Out, n, 3);
    output(az1Out, az2Out, n, 5);
    transfer();
}

void solveldz(double& lat, double& lha1Out, double& lha2Out, double& dec, double& alt1Out, double& alt2Out,
              double& Z, double& zn, int16_t& noutArg)
{
    const double la = lat, de = dec, zz = Z, zv = zn;
    lat1 = lat2 = la;
    dec1 = dec2 = de;
    az1 = az2 = zv;
    // In the south the triangle is turned over: the south pole is the
    // elevated pole and the azimuth angle is counted from south.
    double L = la, D = de, A = zz;
    if (la < 0) {
        L = -la;
        D = -de;
        A = std::abs(zv - std::numbers::pi);
    }
    Root y[2] = {};  // the altitudes
    const int16_t n = ssacount(L, D, A, y[0], y[1]);
    setcount(noutArg, n);
    if (n == 0)
        return;
    double* alt[2] = {&alt1Out, &alt2Out};
    double* lhaOut[2] = {&lha1Out, &lha2Out};
    const Trig tL = trig(L), tA = trig(A);
    for (int i = 0; i < n; ++i) {
        *alt[i] = y[i].y;
        tolha(sas(tL, y[i].at, tA).angle, zv, *lhaOut[i]);
    }
    output(lha1Out, lha2Out, n, 2);
    output(alt1Out, alt2Out, n, 4);
    transfer();
}

void solvetdh(double& lat1Out, double& lat2Out, double& t, double& dec, double& alt, double& az1Out,
              double& az2Out, double& lha, int16_t& noutArg)
{
    const double tt = t, de = dec, al = alt, lh = lha;
    // Solved with the elevated pole in the body's hemisphere.
    const double h = de < 0 ? -1 : 1;
    const double D = std::abs(de);
    Root y[2] = {};  // the latitudes
    int16_t n = ssacount(D, al, tt, y[0], y[1]);
    setcount(noutArg, n);
    if (n == 0)
        return;
    dec1 = dec2 = de;
    alt1 = alt2 = al;
    lha1 = lha2 = lh;
    if (atZenith(al)) {
        // The body at the zenith: the latitude is the declination, and the
        // body has no azimuth; report 0.
        setcount(noutArg, 1);
        lat1Out = de;
        az1Out = 0;
        output(de, 0, 1, 1);
        output(0, 0, 1, 5);
        transfer();
        return;
    }
    double* lat[2] = {&lat1Out, &lat2Out};
    double* az[2] = {&az1Out, &az2Out};
    const Trig tD = trig(D), tT = trig(tt);
    for (int i = 0; i < n; ++i) {
        *lat[i] = h * y[i].y;
        *az[i] = trueAzimuth(sas(y[i].at, tD, tT).angle, h, lh);
    }
    output(lat1Out, lat2Out, n, 1);
    output(az1Out, az2Out, n, 5);
    transfer();
}

void solvedhz(double& lat1Out, double& lat2Out, double& lha1Out, double& lha2Out, double& dec, double& alt,
              double& Z, double& zn, int16_t& noutArg)
{
    const double de = dec, al = alt, zz = Z, zv = zn;
    dec1 = dec2 = de;
    alt1 = alt2 = al;
    az1 = az2 = zv;
    Root y[2] = {};  // the latitudes
    const int16_t n = ssacount(al, de, zz, y[0], y[1]);
    setcount(noutArg, n);
    if (n == 0)
        return;
    double* lat[2] = {&lat1Out, &lat2Out};
    double* lhaOut[2] = {&lha1Out, &lha2Out};
    const Trig tAlt = trig(al), tZ = trig(zz);
    for (int i = 0; i < n; ++i) {
        *lat[i] = y[i].y;
        tolha(sas(y[i].at, tAlt, tZ).angle, zv, *lhaOut[i]);
    }
    output(lat1Out, lat2Out, n, 1);
    output(lha1Out, lha2Out, n, 2);
    transfer();
}

}  // namespace morvel::engine
