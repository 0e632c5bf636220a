// The ten solver procedures of the windows: each solves its case as a value
// and replays the value onto the engine's variables and the active window,
// in the order the windows expect: the solution sets and nout, the
// messages, the result rows (output), the remark (other) and the diagram
// (transfer on forms[1]).
#include "engine/solvers.h"

#include "engine/state.h"
#include "engine/triangle.h"

namespace morvel::engine {

namespace {

/// The two result rows each case reports, in order (1 latitude, 2 LHA,
/// 3 declination, 4 altitude, 5 azimuth), and whether it asks the window
/// about the meridian (other, codes 25 and 13).
struct Rows {
    int16_t first, second;
    bool other;
};

Rows rowsOf(int16_t code)
{
    switch (code) {
    case 28: return {4, 5, false};
    case 19: return {3, 2, false};
    case 22: return {2, 5, false};
    case 25: return {3, 4, true};
    case 26: return {3, 5, false};
    case 21: return {2, 4, false};
    case 14: return {1, 5, false};
    case 7: return {1, 2, false};
    case 13: return {1, 4, true};
    default: return {1, 3, false};  // 11
    }
}

double field(const Triangle& s, int16_t m)
{
    const double f[] = {s.lat, s.lha, s.dec, s.alt, s.zn};
    return f[m - 1];
}

void store(const Triangle& s, double& lat, double& lha, double& dec, double& alt, double& az)
{
    lat = s.lat;
    lha = s.lha;
    dec = s.dec;
    alt = s.alt;
    az = s.zn;
}

/// Solves code from g and replays the answer. Returns it, so that the
/// procedure can also fill its own result arguments.
Solved run(int16_t code, const Givens& g)
{
    const Solved s = solveTriangle(code, g);
    nout = s.count;
    if (s.count > 0)
        store(s.sets[0], lat1, lha1, dec1, alt1, az1);
    if (s.count == 2)
        store(s.sets[1], lat2, lha2, dec2, alt2, az2);
    for (int i = 0; i < s.messages.count; ++i)
        msgbox(s.messages.text[size_t(i)]);
    if (s.count == 0)
        return s;
    CalcWindow* active = form(actform);
    const Rows rows = rowsOf(code);
    for (int16_t m : {rows.first, rows.second})
        if (active)
            active->output(field(s.sets[0], m), field(s.sets[1], m), s.count, m);
    // 25 and 13 ask the window about the meridian; wherever the givens
    // leave a whole arc of triangles the remark is shown outright.
    if (active && rows.other)
        active->other(g.Z, g.t);
    if (active && s.manyOther)
        active->remark();
    if (CalcWindow* drawing = form(1))
        drawing->transfer();
    return s;
}

/// The pair of a result in the caller's arguments: set 2's only when there
/// are two.
void pair(const Solved& s, double Triangle::*f, double& first, double& second)
{
    if (s.count > 0)
        first = s.sets[0].*f;
    if (s.count == 2)
        second = s.sets[1].*f;
}

}  // namespace

void solveltd(double& lat, double& t, double& dec, double& /*alt*/, double& Z, double& lha, double& /*zn*/)
{
    run(28, {lat, lha, dec, 0, 0, t, Z});
}

void solvelhz(double& lat, double& t, double& /*dec*/, double& alt, double& Z, double& /*lha*/, double& zn)
{
    run(19, {lat, 0, 0, alt, zn, t, Z});
}

void solveldh(double& lat, double& dec, double& alt, double& lha1Out, double& lha2Out, double& az1Out,
              double& az2Out)
{
    const Solved s = run(22, {lat, 0, dec, alt, 0, 0, 0});
    pair(s, &Triangle::lha, lha1Out, lha2Out);
    pair(s, &Triangle::zn, az1Out, az2Out);
}

void solveltz(double& lat, double& t, double& /*dec*/, double& /*alt*/, double& Z, double& lha, double& zn)
{
    run(25, {lat, lha, 0, 0, zn, t, Z});
}

void solvelth(double& lat, double& t, double& dec1Out, double& dec2Out, double& alt, double& az1Out,
              double& az2Out, double& lha)
{
    const Solved s = run(26, {lat, lha, 0, alt, 0, t, 0});
    pair(s, &Triangle::dec, dec1Out, dec2Out);
    pair(s, &Triangle::zn, az1Out, az2Out);
}

void solveldz(double& lat, double& lha1Out, double& lha2Out, double& dec, double& alt1Out, double& alt2Out,
              double& Z, double& zn, int16_t& noutArg)
{
    const Solved s = run(21, {lat, 0, dec, 0, zn, 0, Z});
    pair(s, &Triangle::lha, lha1Out, lha2Out);
    pair(s, &Triangle::alt, alt1Out, alt2Out);
    noutArg = s.count;
}

void solvetdh(double& lat1Out, double& lat2Out, double& t, double& dec, double& alt, double& az1Out,
              double& az2Out, double& lha, int16_t& noutArg)
{
    const Solved s = run(14, {0, lha, dec, alt, 0, t, 0});
    pair(s, &Triangle::lat, lat1Out, lat2Out);
    pair(s, &Triangle::zn, az1Out, az2Out);
    noutArg = s.count;
}

void solvedhz(double& lat1Out, double& lat2Out, double& lha1Out, double& lha2Out, double& dec, double& alt,
              double& Z, double& zn, int16_t& noutArg)
{
    const Solved s = run(7, {0, 0, dec, alt, zn, 0, Z});
    pair(s, &Triangle::lat, lat1Out, lat2Out);
    pair(s, &Triangle::lha, lha1Out, lha2Out);
    noutArg = s.count;
}

void solvetdz(double& lat1Out, double& lat2Out, double& t, double& dec, double& alt1Out, double& alt2Out,
              double& Z, double& lha, double& zn, int16_t& noutArg)
{
    const Solved s = run(13, {0, lha, dec, 0, zn, t, Z});
    pair(s, &Triangle::lat, lat1Out, lat2Out);
    pair(s, &Triangle::alt, alt1Out, alt2Out);
    noutArg = s.count;
}

void solvethz(double& lat1Out, double& lat2Out, double& t, double& dec1Out, double& dec2Out, double& alt,
              double& Z, double& lha, double& zn, int16_t& noutArg)
{
    const Solved s = run(11, {0, lha, 0, alt, zn, t, Z});
    pair(s, &Triangle::lat, lat1Out, lat2Out);
    pair(s, &Triangle::dec, dec1Out, dec2Out);
    noutArg = s.count;
}

}  // namespace morvel::engine
