/// \file primitives.h
/// \brief Trigonometric building blocks of the case solvers.
///
/// Sides are given in latitude form: 90 degrees minus the side, so latitude
/// for the side pole-zenith, declination for pole-body and altitude for
/// zenith-body. Angles are radians.
///
/// Every quantity is computed as the arc tangent of two well-conditioned
/// terms (atan2), or by a half-angle formula, never as the arc sine or arc
/// cosine of a value near 1: a body near the zenith or the pole and a body
/// on the meridian come out to the last digit the windows show.
///
/// Two messages belong to these procedures: "No Solution" (angcos,
/// sidesin) and "No solution" (ssacount, aascount). A primitive that finds
/// no triangle adds its message to `said` and returns 0. None reads or
/// writes a global.
#pragma once

#include "engine/angles.h"
#include "engine/triangle.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace morvel::engine {

using math::halfPi;
using math::twoPi;

/// The angle opposite side a, enclosed by sides b and c (three sides known),
/// 0..pi, by the half-angle formula. Sides that miss a triangle by less than
/// the rounding of a meridian passage (a cosine within 1.00002) give 0 or pi;
/// beyond that "No Solution" and 0. With b or c at a pole the angle is
/// undefined: 0, no message.
double angcos(double a, double b, double c, Messages& said);

/// The sine and cosine of an angle, worked out once.
struct Trig {
    double s, c;
};
inline Trig trig(double x)
{
    return {std::sin(x), std::cos(x)};
}

/// The third side (latitude form, -pi/2..pi/2) and the angle opposite side b
/// (0..pi) of the triangle with sides a and b and the angle c between them
/// (0..pi). When the third side ends at a pole (the body at the zenith or
/// nadir, the observer or the body at a pole) the angle has no direction and
/// is reported as 0.
struct SideAngle {
    double side, angle;
};
SideAngle sas(Trig a, Trig b, Trig c);
inline SideAngle sas(double a, double b, double c)
{
    return sas(trig(a), trig(b), trig(c));
}

/// The third side of sas, alone.
double sidecos(Trig a, Trig b, Trig c);
inline double sidecos(double a, double b, double c)
{
    return sidecos(trig(a), trig(b), trig(c));
}

/// The side opposite angle c, where b is the angle opposite side a (sine
/// rule), as its absolute latitude form in 0..pi/2: the sine rule gives only
/// the cosine, so the side may also be the negative of the result. With both
/// angles on the meridian the rule says nothing and side a is returned.
/// "No Solution" when no side fits.
double sidesin(double a, double b, double c, Messages& said);

/// A latitude y in -pi/2..pi/2 with its sine and cosine.
struct Root {
    double y;
    Trig at;
};

/// The latitudes y in -pi/2..pi/2 with A sin y + B cos y = C, at most two:
/// first the root on the rising side of the wave, then the one on the
/// falling side. u and v are two terms with u^2 - v^2 = A^2 + B^2 - C^2,
/// which keep the digits of that difference where A, B and C lose them (near
/// a double root at the zenith); it is negative when there is no root. A
/// root within rounding of a pole is put on the pole. Returns the count; 0
/// also when A and B both vanish.
int16_t sincosroots(double A, double B, double C, double u, double v, Root& y1, Root& y2);

/// The triangles with sides a and b and the angle c opposite b: the count
/// 0, 1 or 2, with "No solution" for 0; y1 and y2 receive
/// the latitude forms of the unknown side, the one enclosed with a by the
/// angle c (sin a sin y + cos a cos c cos y = sin b). y1 is the triangle
/// whose angle opposite a is acute. Where every y fits (a on the equator
/// of the angle c, and b 0) y1 is 0 and *anyY, when given, is set.
int16_t ssacount(double a, double b, double c, Root& y1, Root& y2, Messages& said, bool* anyY = nullptr);

/// Whether triangles with angles a and c and the side b opposite c can
/// exist: "No solution" and 0 when the sine rule rules them out, else 2 (the
/// solver then keeps the candidates that fit). With a on the meridian the
/// rule is not applied.
int16_t aascount(double a, double b, double c, Messages& said);

/// The azimuth seen from a pole (lat +-pi/2) of a body at LHA lha: the
/// limit reached along the meridian of the LHA's origin, pi + lha at the
/// north pole, 2pi - lha at the south pole, within 0..2pi.
double poleAzimuth(double lat, double lha);

/// The LHA of a body at meridian angle t and true azimuth zn: t when it is
/// west of the meridian, 2pi - t when east (zn and t both below pi).
void tolha(double t, double zn, double& lha);

}  // namespace morvel::engine
