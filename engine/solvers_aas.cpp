// The cases with both angles that the navigator uses, t at the pole and Z at
// the zenith, and the side opposite one of them (13, 11). The sine rule gives
// only the cosine of the missing side, so it has two candidates of opposite
// sign; a candidate whose latitude comes out beyond a pole forms no triangle.
#include "engine/primitives.h"
#include "engine/report.h"
#include "engine/solvers.h"
#include "engine/state.h"

#include <cmath>

namespace morvel::engine {

namespace {

/// Keeps the candidates of the missing side v (set 1 first) whose latitude
/// lat(v) lies on the globe, lowering the count n accordingly: candidate 1
/// is v, candidate 2 is -v. Returns false, after "No Solution", when a
/// required candidate is missing. v1, lat1v, v2, lat2v receive the sets.
template <class Latitude>
bool keepFittingCandidates(int16_t& n, double v, Latitude lat, double& v1, double& lat1v, double& v2,
                           double& lat2v)
{
    v1 = v;
    lat1v = lat(v1);
    if (beyondAPole(lat1v)) {
        // The positive candidate is impossible: set 1 holds the negative one.
        n = 1;
        v1 = -v;
        lat1v = lat(v1);
        if (beyondAPole(lat1v)) {
            n = 0;
            msgbox("No Solution");
            return false;
        }
        return true;
    }
    if (n == 2) {
        v2 = -v1;
        const double l2 = lat(v2);
        if (beyondAPole(l2))
            n = 1;
        else
            lat2v = l2;
    }
    return true;
}

}  // namespace

void solvetdz(double& lat1Out, double& lat2Out, double& t, double& dec, double& alt1Out, double& alt2Out,
              double& Z, double& lha, double& zn, int16_t& noutArg)
{
    const double tt = t, de = dec, zz = Z, lh = lha, zv = zn;
    dec1 = dec2 = de;
    lha1 = lha2 = lh;
    az1 = az2 = zv;
    // Counted with the azimuth angle from the body's pole; solved with the
    // signed declination and the azimuth angle from north.
    const double A = de < 0 ? std::numbers::pi - zz : zz;
    int16_t n = aascount(tt, std::abs(de), A);
    setcount(noutArg, n);
    const double a = sidesin(de, zz, tt);  // cos altitude = sin t cos dec / sin Z
    if (nout == 0)
        n = 0;
    auto latitude = [&](double altitude) { return napside(de, altitude, zz, tt); };
    const double l = latitude(a);
    alt1Out = a;
    lat1Out = beyondAPole(l) ? 0 : l;
    setcount(noutArg, n);
    if (n == 0)
        return;
    double v1 = 0, la1 = 0, v2 = alt2Out, la2 = lat2Out;
    const bool found = keepFittingCandidates(n, a, latitude, v1, la1, v2, la2);
    setcount(noutArg, n);
    if (!found)
        return;
    alt1Out = v1;
    lat1Out = la1;
    alt2Out = v2;
    lat2Out = la2;
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
    const double d = sidesin(al, tt, zz);  // cos declination = sin Z cos alt / sin t
    dec1Out = d;
    if (nout == 0)
        n = 0;
    setcount(noutArg, n);
    if (n == 0)
        return;
    auto latitude = [&](double declination) { return napside(declination, al, zz, tt); };
    double v1 = 0, la1 = 0, v2 = dec2Out, la2 = lat2Out;
    const bool found = keepFittingCandidates(n, d, latitude, v1, la1, v2, la2);
    setcount(noutArg, n);
    if (!found)
        return;
    dec1Out = v1;
    lat1Out = la1;
    dec2Out = v2;
    lat2Out = la2;
    output(lat1Out, lat2Out, n, 1);
    output(dec1Out, dec2Out, n, 3);
    transfer();
}

}  // namespace morvel::engine
