#include "engine/primitives.h"

#include "engine/state.h"

#include <cmath>

namespace morvel::engine {

namespace {

// Below this, |cos b * cos c| means that b or c is within about 1e-12 rad of
// a pole; the cosine rule then divides by nothing.
constexpr double poleProduct = 1e-12;

/// arcsine by the arc tangent; x at or beyond +-1 (rounding) gives +-pi/2.
double arcsine(double x)
{
    if (x >= 1)
        return halfPi;
    if (x <= -1)
        return -halfPi;
    return std::atan(x / std::sqrt((1 - x) * (1 + x)));
}

/// arccosine by the arc tangent, moved into 0..pi; x at or beyond +-1 gives
/// 0 or pi.
double arccosine(double x)
{
    if (x >= 1)
        return 0;
    if (x <= -1)
        return std::numbers::pi;
    if (x == 0)
        return halfPi;
    const double r = std::atan(std::sqrt((1 - x) * (1 + x)) / x);
    return r < 0 ? r + std::numbers::pi : r;
}

double clampUnit(double x)
{
    return x > 1 ? 1 : x < -1 ? -1 : x;
}

// Within these, two sides or two angles count as equal (isosceles) and an
// angle counts as 0 (the body on the meridian).
constexpr double sameSide = 1e-6;
constexpr double sameAngle = 1e-6;

// A sine this small is rounding of an angle of exactly 0 or 180 degrees.
constexpr double onMeridian = 1e-12;

}  // namespace

double angcos(double a, double b, double c)
{
    const double num = std::sin(a) - std::sin(c) * std::sin(b);
    const double den = std::cos(c) * std::cos(b);
    // A vertex at the pole or the zenith: the angle there has no direction.
    // A consistent triangle then has a numerator as small as the denominator.
    if (std::abs(den) < poleProduct && std::abs(num) <= 1e-9)
        return 0;
    if (std::abs(num) >= 1.00002 * std::abs(den)) {
        nout = 0;
        msgbox("No Solution");
        return 0;
    }
    // Within 1.00002 the excess is rounding of a meridian passage.
    return arccosine(num / den);
}

double angsin(double a, double b, double c)
{
    return arcsine(std::sin(c) * std::cos(b) / std::cos(a));
}

double sidecos(double a, double b, double c)
{
    return arcsine(std::sin(a) * std::sin(b) + std::cos(b) * std::cos(a) * std::cos(c));
}

double sidesin(double a, double b, double c)
{
    const double p = std::sin(c) * std::cos(a);
    const double sb = std::sin(b);
    // Both angles on the meridian: the sine rule says nothing; keep side a.
    // Off the meridian, however close, the ratio below is the answer.
    if (std::abs(p) < onMeridian && std::abs(sb) < onMeridian)
        return a;
    if (std::abs(p) > std::abs(sb)) {
        nout = 0;
        msgbox("No Solution");
        return 0;
    }
    return arccosine(p / sb);
}

double napang(double a, double b, double c, double d)
{
    const bool isosceles = std::abs(c - d) < sameAngle && std::abs(a - b) <= sameSide;
    if (!isosceles) {
        // Equal angles opposite unequal sides: the analogy tends to +-pi from
        // either side, i.e. the two sides lie on one great circle.
        if (c == d)
            return std::numbers::pi;
        double r = 2 * std::atan(std::sin((b - a) / 2) / (std::tan((c - d) / 2) * std::cos((a + b) / 2)));
        if (r < 0)
            r += twoPi;
        return r;
    }
    // Isosceles: z is the perpendicular from the apex, of the same affection
    // as the base angle c; v is half the apex angle.
    double z = arcsine(clampUnit(std::sin(c) * std::cos(a)));
    if (c > halfPi)
        z = std::numbers::pi - z;
    const double w = clampUnit(std::tan(a) * std::tan(z));
    return 2 * arccosine(w);
}

double napside(double a, double b, double c, double d)
{
    // Both angles 0: the three points lie on one meridian, the body between
    // the pole and the zenith.
    if (std::abs(c) < sameAngle && std::abs(d) < sameAngle)
        return a + b - halfPi;
    // Both angles 180 degrees: the three sides make up the whole great circle
    // (the body on the lower meridian, beyond the pole and the nadir). The
    // analogy is 0/0 there.
    if (std::abs(c - std::numbers::pi) < sameAngle && std::abs(d - std::numbers::pi) < sameAngle)
        return -halfPi - a - b;
    const bool isosceles = std::abs(c - d) < sameAngle && std::abs(a - b) <= sameSide;
    if (!isosceles) {
        if (c == d) {
            // Equal angles opposite unequal sides: only sides adding up to
            // 180 degrees, with the third side 180 degrees, fit.
            return std::abs(a + b) <= sameSide ? -halfPi : beyondPole;
        }
        const double q = std::tan((a - b) / 2) * std::sin((c + d) / 2) / std::sin((d - c) / 2);
        // A negative tangent of half the third side: larger angle opposite
        // the smaller side, no triangle.
        if (q < 0)
            return beyondPole;
        return halfPi - 2 * std::atan(q);
    }
    // Isosceles: z is the perpendicular from the apex, of the same affection
    // as the base angle c; v is half the base.
    double z = arcsine(clampUnit(std::sin(c) * std::cos(b)));
    if (c > halfPi)
        z = std::numbers::pi - z;
    const double v = arcsine(clampUnit(std::tan(z) / std::tan(c)));
    return halfPi - 2 * v;
}

int16_t ssacount(double a, double b, double c)
{
    // cos a * sin c is the sine of the perpendicular from the vertex between
    // the two sides; side b must reach it.
    int16_t n = 0;
    if (std::sin(c) * std::cos(a) <= std::cos(b)) {
        // The unknown third side y solves sin a sin y + cos a cos c cos y =
        // sin b over -90..90 degrees: a half sine wave from -sin a to sin a
        // whose crest has the sign of cos c. Values between the ends are met
        // once, values beyond an end up to the crest twice.
        if (std::abs(std::sin(b)) <= std::abs(std::sin(a)))
            n = 1;
        else if (std::sin(b) * std::cos(c) > 0)
            n = 2;
    }
    if (n == 0)
        msgbox("No solution");
    nout = n;
    return n;
}

int16_t aascount(double a, double b, double c)
{
    if (std::abs(std::sin(a)) < 1e-6)
        return c < a ? 2 : 1;
    if (std::sin(c) / std::sin(a) < std::cos(b)) {
        msgbox("No solution");
        return 0;
    }
    // Both signs of the missing side are proposed; the solver drops the
    // candidates whose latitude lies beyond a pole.
    return 2;
}

void tolha(double t, double zn, double& lha)
{
    lha = t;
    if (zn < std::numbers::pi && t < std::numbers::pi)
        lha = twoPi - t;
}

}  // namespace morvel::engine
