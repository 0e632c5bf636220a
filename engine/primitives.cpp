#include "engine/primitives.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace morvel::engine {

namespace {

using math::noDirection, math::poleProduct, math::poleSlack, math::wrapSigned;

/// arccosine by the arc tangent, moved into 0..pi; x at or beyond +-1 gives
/// 0 or pi.
double arccosine(double x)
{
    if (x >= 1)
        return 0;
    if (x <= -1)
        return std::numbers::pi;
    return std::atan2(std::sqrt((1 - x) * (1 + x)), x);
}

}  // namespace

double angcos(double a, double b, double c, Messages& said)
{
    const double num = std::sin(a) - std::sin(c) * std::sin(b);
    const double den = std::cos(c) * std::cos(b);
    // A vertex at the pole or the zenith: the angle there has no direction.
    // A consistent triangle then has a numerator as small as the denominator.
    if (std::abs(den) < poleProduct && std::abs(num) <= 1e-9)
        return 0;
    if (std::abs(num) >= math::cosineSlack * std::abs(den)) {
        said.add("No Solution");
        return 0;
    }
    // Half-angle form on the sides 90 - a, 90 - b, 90 - c and their half sum
    // s: tan(A/2) = sqrt(sin(s - b) sin(s - c) / (sin s sin(s - a))). Sides
    // that miss a triangle by rounding (a meridian passage) make one product
    // negative: the angle is then 0 or 180 degrees.
    const double s = (3 * halfPi - a - b - c) / 2;
    const double sa = (halfPi + a - b - c) / 2;
    const double sb = (halfPi - a + b - c) / 2;
    const double sc = (halfPi - a - b + c) / 2;
    const double opposite = std::sin(sb) * std::sin(sc);
    const double adjacent = std::sin(s) * std::sin(sa);
    return 2 * std::atan2(std::sqrt(std::max(opposite, 0.0)), std::sqrt(std::max(adjacent, 0.0)));
}

namespace {

/// The two terms of the angle opposite b in sas: its cosine and sine, both
/// times the cosine of the third side.
struct Across {
    double x, y;
};

Across across(Trig a, Trig b, Trig c)
{
    // cos b sin c is not negative for c in 0..pi; abs drops the sign of a
    // zero (an hour angle typed as -0), which would turn the angle to -pi.
    return {a.c * b.s - a.s * b.c * c.c, std::abs(b.c * c.s)};
}

}  // namespace

SideAngle sas(Trig a, Trig b, Trig c)
{
    const Across u = across(a, b, c);
    const double r = std::sqrt(u.x * u.x + u.y * u.y);
    return {std::atan2(a.s * b.s + a.c * b.c * c.c, r), r < noDirection ? 0 : std::atan2(u.y, u.x)};
}

double sidecos(Trig a, Trig b, Trig c)
{
    const Across u = across(a, b, c);
    return std::atan2(a.s * b.s + a.c * b.c * c.c, std::sqrt(u.x * u.x + u.y * u.y));
}

double sidesin(double a, double b, double c, Messages& said)
{
    const double p = std::sin(c) * std::cos(a);
    const double sb = std::sin(b);
    // Both angles on the meridian: the sine rule says nothing; keep side a.
    // Off the meridian, however close, the ratio below is the answer.
    if (std::abs(p) < math::meridianRounding && std::abs(sb) < math::meridianRounding)
        return a;
    if (std::abs(p) > std::abs(sb)) {
        said.add("No Solution");
        return 0;
    }
    return arccosine(p / sb);
}

int16_t sincosroots(double A, double B, double C, double u, double v, Root& y1, Root& y2)
{
    // A sin y + B cos y = R sin(y + psi): the wave rises through C at
    // y + psi = alpha and falls through it at y + psi = pi - alpha, where
    // tan alpha = C / sqrt(R^2 - C^2) and tan psi = B / A. R^2 - C^2 is
    // formed from whichever of its two forms has the smaller terms.
    // The terms are sines and cosines, far from overflow: no need of hypot.
    const double R = std::sqrt(A * A + B * B);
    double disc = std::max(R * R, C * C) < std::max(u * u, v * v) ? (R - C) * (R + C) : (u - v) * (u + v);
    // u and v both the rounding of an exact zero (a side of exactly 90
    // degrees, an angle of exactly 180): the double root of a body at the
    // nadir or at a pole, which rounding must not take away.
    if (disc < 0 && std::max(std::abs(u), std::abs(v)) < math::trigRounding)
        disc = 0;
    if (R == 0 || disc < 0)
        return 0;
    const double D = std::sqrt(disc), Rc = std::sqrt(C * C + disc);
    const double alpha = std::atan2(C, D), psi = std::atan2(B, A);
    const double sa = Rc == 0 ? 0 : C / Rc, ca = Rc == 0 ? 1 : D / Rc, sp = B / R, cp = A / R;
    const Root roots[2] = {
        {wrapSigned(alpha - psi), {sa * cp - ca * sp, ca * cp + sa * sp}},
        {wrapSigned(std::numbers::pi - alpha - psi), {sa * cp + ca * sp, sa * sp - ca * cp}},
    };
    int16_t n = 0;
    Root* out[2] = {&y1, &y2};
    // A double root is one triangle.
    for (const Root& r : std::span(roots, D == 0 ? 1 : 2)) {
        if (std::abs(r.y) > halfPi + poleSlack || (n == 1 && r.y == out[0]->y))
            continue;
        // On the globe the cosine of a latitude is not negative; a root put
        // on the pole has cosine 0.
        Root& kept = *out[n++];
        kept = r;
        if (std::abs(r.y) > halfPi) {
            kept.y = std::copysign(halfPi, r.y);
            kept.at = {std::copysign(1.0, r.y), 0};
        }
        kept.at.c = std::max(kept.at.c, 0.0);
    }
    return n;
}

int16_t ssacount(double a, double b, double c, Root& y1, Root& y2, Messages& said, bool* anyY)
{
    const Trig ta = trig(a), tb = trig(b), tc = trig(c);
    const double A = ta.s, B = ta.c * tc.c, C = tb.s;

    int16_t n = 0;
    if (A * A + B * B < noDirection * noDirection) {
        // Side a on the equator of the angle c (a = 0, c = 90 degrees): the
        // third side vanishes from the equation. Any y fits when b is 0 too;
        // report y = 0.
        if (std::abs(C) < noDirection) {
            y1 = {0, {0, 1}};
            n = 1;
            if (anyY)
                *anyY = true;
        }
    } else {
        // The rising root is where the angle opposite a is acute: the slope
        // of A sin y + B cos y is cos b times the cosine of that angle.
        // cos a sin c is the sine of the perpendicular from the vertex between
        // a and b; cos^2 b - that^2 is A^2 + B^2 - C^2, with all its digits
        // near the zenith (cos b small).
        n = sincosroots(A, B, C, tb.c, ta.c * tc.s, y1, y2);
    }
    if (n == 0)
        said.add("No solution");
    return n;
}

int16_t aascount(double a, double b, double c, Messages& said)
{
    if (std::abs(std::sin(a)) < math::aasMeridianSine)
        return 2;
    if (std::sin(c) / std::sin(a) < std::cos(b)) {
        said.add("No solution");
        return 0;
    }
    return 2;
}

double poleAzimuth(double lat, double lha)
{
    return lat > 0 ? std::fmod(std::numbers::pi + lha, twoPi) : twoPi - lha;
}

void tolha(double t, double zn, double& lha)
{
    lha = t;
    if (zn < std::numbers::pi && t < std::numbers::pi)
        lha = twoPi - t;
}

}  // namespace morvel::engine
