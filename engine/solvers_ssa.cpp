// The cases with two sides and the angle opposite one of them (26, 21, 14,
// 7). ssacount decides whether there are 0, 1 or 2 triangles; the unknown
// angle opposite the other known side comes from the sine rule, which gives
// an acute value X and its supplement pi - X. With one triangle the right one
// is the angle of the same affection as its opposite side; where that side
// is in the elevated pole's hemisphere (latitude form >= 0) it is X.
#include "engine/primitives.h"
#include "engine/report.h"
#include "engine/solvers.h"
#include "engine/state.h"

#include <cmath>

namespace morvel::engine {

namespace {

/// One solution of solvelth for the parallactic angle X: the true azimuth z
/// and the declination r in the frame of the elevated pole.
void azdec(double L, double t, double alt, double X, double h, double lha, double& z, double& r)
{
    z = napang(alt, L, t, X);
    r = sidecos(L, alt, z);
    z = trueAzimuth(z, h, lha);
}

/// The latitude form that side(angle) gives, trying the supplement of the
/// angle when the angle forms no triangle; angle becomes the one used.
/// beyondPole when neither fits.
template <class Side>
double withSupplement(double& angle, Side side)
{
    double l = side(angle);
    if (beyondAPole(l)) {
        angle = std::numbers::pi - angle;
        l = side(angle);
    }
    return l;
}

}  // namespace

void solvelth(double& lat, double& t, double& dec1Out, double& dec2Out, double& alt, double& az1Out,
              double& az2Out, double& lha)
{
    const double la = lat, tt = t, al = alt, lh = lha;
    lat1 = lat2 = la;
    lha1 = lha2 = lh;
    alt1 = alt2 = al;
    if (atZenith(al)) {
        nout = 1;
        dec1Out = la;
        az1Out = 0;
        output(la, 0, 1, 3);
        output(0, 0, 1, 5);
        transfer();
        return;
    }
    // Solved with the elevated pole in the observer's hemisphere.
    const double h = la < 0 ? -1 : 1;
    const double L = std::abs(la);
    const int16_t n = ssacount(L, al, tt);
    if (n == 0)
        return;
    const double X = angsin(al, L, tt);  // the parallactic angle
    double z = 0, r = 0;
    azdec(L, tt, al, X, h, lh, z, r);
    az1Out = z;
    dec1Out = h * r;
    azdec(L, tt, al, std::numbers::pi - X, h, lh, z, r);
    az2Out = z;
    dec2Out = h * r;
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
    const int16_t n = ssacount(L, D, A);
    setcount(noutArg, n);
    if (n == 0)
        return;
    const double X = angsin(D, L, A);  // the parallactic angle
    double m = napang(D, L, A, X);     // the meridian angle
    alt1Out = sidecos(L, D, m);
    tolha(m, zv, lha1Out);
    m = napang(D, L, A, std::numbers::pi - X);
    alt2Out = sidecos(L, D, m);
    tolha(m, zv, lha2Out);
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
    int16_t n = ssacount(D, al, tt);
    double A = angsin(al, D, tt);  // the azimuth angle
    const double l1 = withSupplement(A, [&](double a) { return napside(D, al, a, tt); });
    if (beyondAPole(l1)) {
        msgbox("No Solution fns1");
        n = 0;
    }
    lat1Out = beyondAPole(l1) ? 0 : h * l1;
    setcount(noutArg, n);
    if (n == 0)
        return;
    az1Out = trueAzimuth(A, h, lh);
    if (n == 2) {
        const double A2 = std::numbers::pi - A;
        const double l2 = napside(D, al, A2, tt);
        if (beyondAPole(l2)) {
            n = 1;
        } else {
            lat2Out = h * l2;
            az2Out = trueAzimuth(A2, h, lh);
        }
    }
    setcount(noutArg, n);
    dec1 = dec2 = de;
    alt1 = alt2 = al;
    lha1 = lha2 = lh;
    if (atZenith(al)) {
        output(de, 0, 1, 1);
        output(0, 0, 1, 5);
    } else {
        output(lat1Out, lat2Out, n, 1);
        output(az1Out, az2Out, n, 5);
    }
    transfer();
}

void solvedhz(double& lat1Out, double& lat2Out, double& lha1Out, double& lha2Out, double& dec, double& alt,
              double& Z, double& zn, int16_t& noutArg)
{
    const double de = dec, al = alt, zz = Z, zv = zn;
    dec1 = dec2 = de;
    alt1 = alt2 = al;
    az1 = az2 = zv;
    // Counted with the azimuth angle from the body's pole; solved with the
    // signed declination and the azimuth angle from north.
    const double A = de < 0 ? std::numbers::pi - zz : zz;
    int16_t n = ssacount(al, std::abs(de), A);
    double m = angsin(de, al, zz);  // the meridian angle
    const double l1 = withSupplement(m, [&](double a) { return napside(de, al, zz, a); });
    if (beyondAPole(l1)) {
        msgbox("No Solution fns1");
        n = 0;
    }
    lat1Out = beyondAPole(l1) ? 0 : l1;
    lha1Out = m;
    setcount(noutArg, n);
    if (n == 0)
        return;
    const double m2 = std::numbers::pi - m;
    lha2Out = m2;
    const bool east = zv < std::numbers::pi;
    if (east)
        lha1Out = twoPi - m;
    if (n == 2) {
        const double l2 = napside(de, al, zz, m2);
        if (beyondAPole(l2)) {
            n = 1;
        } else {
            lat2Out = l2;
            if (east)
                lha2Out = twoPi - m2;
        }
    }
    setcount(noutArg, n);
    output(lat1Out, lat2Out, n, 1);
    output(lha1Out, lha2Out, n, 2);
    transfer();
}

}  // namespace morvel::engine
