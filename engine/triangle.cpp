#include "engine/triangle.h"

#include "engine/angles.h"
#include "engine/case_solvers.h"

#include <cmath>

namespace morvel::engine {

std::string Messages::joined() const
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        if (i)
            s += "; ";
        s += text[size_t(i)];
    }
    return s;
}

int16_t casecode(bool lat, bool lha, bool dec, bool alt, bool az)
{
    return int16_t(16 * lat + 8 * lha + 4 * dec + 2 * alt + az);
}

double fold(double x)
{
    return x > math::pi ? math::twoPi - x : x;
}

Givens givens(double lat, double lha, double dec, double alt, double zn)
{
    return {lat, lha, dec, alt, zn, fold(lha), fold(zn)};
}

namespace {

using Case = Solved (*)(const Givens&);

Case solverOf(int16_t code)
{
    switch (code) {
    case 28: return cases::ltd;
    case 19: return cases::lhz;
    case 22: return cases::ldh;
    case 25: return cases::ltz;
    case 26: return cases::lth;
    case 21: return cases::ldz;
    case 14: return cases::tdh;
    case 7: return cases::dhz;
    case 13: return cases::tdz;
    case 11: return cases::thz;
    default: return nullptr;
    }
}

/// Whether the givens leave a whole arc of triangles beyond those the
/// solvers find in their equations (which vanish where every value of the
/// unknown fits): with the meridian angle and the azimuth angle given
/// (25, 13; both on it for 11), the body on the meridian; with latitude, declination and
/// altitude (22), the observer or the body at a pole, where every LHA fits.
bool leavesFree(int16_t code, const Givens& g)
{
    switch (code) {
    case 25:
    case 13: return math::onMeridian(g.Z, g.t);
    // One angle alone on the meridian puts the body at a pole.
    case 11: return std::abs(std::sin(g.Z)) <= math::meridianSine && std::abs(std::sin(g.t)) <= math::meridianSine;
    case 22: return math::atPole(g.lat) || math::atPole(g.dec);
    default: return false;
    }
}

}  // namespace

bool sidesDisagree(double lha, double zn)
{
    auto side = [](double x) { return x == 0 || x == math::pi || x == math::twoPi ? 0 : x < math::pi ? -1 : 1; };
    return side(lha) * side(zn) > 0;
}

bool hasSolver(int16_t code)
{
    return solverOf(code) != nullptr;
}

Solved solveTriangle(int16_t code, const Givens& g)
{
    const Case solver = solverOf(code);
    if (!solver) {
        Solved none;
        none.code = code;
        return none;
    }
    Solved s = solver(g);
    s.code = code;
    s.manyOther = s.count > 0 && (s.manyOther || leavesFree(code, g));
    return s;
}

}  // namespace morvel::engine
