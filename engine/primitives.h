/// \file primitives.h
/// \brief Inverse-trigonometric building blocks of the case solvers.
///
/// Sides are given in latitude form: 90 degrees minus the side, so latitude
/// for the side pole-zenith, declination for pole-body and altitude for
/// zenith-body. Angles are radians. Inverse functions are built from the arc
/// tangent and the square root only.
///
/// Three messages belong to these procedures: "No Solution" (angcos,
/// sidesin), "No solution" (ssacount, aascount). A primitive that shows one
/// returns 0; angcos, sidesin and ssacount then also set nout to 0.
#pragma once

#include <cstdint>
#include <numbers>

namespace morvel::engine {

inline constexpr double halfPi = std::numbers::pi / 2;
inline constexpr double twoPi = 2 * std::numbers::pi;

/// What napside returns for a candidate that forms no triangle: a latitude
/// beyond the pole, which the solvers recognise with |latitude| > pi/2.
inline constexpr double beyondPole = std::numbers::pi;

/// The angle opposite side a, enclosed by sides b and c (cosine rule), 0..pi.
/// Impossible sides (|cos| beyond 1.00002) show "No Solution" and give 0.
/// With b or c at a pole the angle is undefined: 0, no message.
double angcos(double a, double b, double c);

/// The angle opposite side b, where c is the angle opposite side a (sine
/// rule), -pi/2..pi/2: the acute one of the two candidates.
double angsin(double a, double b, double c);

/// The side opposite angle c enclosed by sides a and b (cosine rule),
/// -pi/2..pi/2.
double sidecos(double a, double b, double c);

/// The side opposite angle c, where b is the angle opposite side a (sine
/// rule), as its absolute latitude form in 0..pi/2: the sine rule gives only
/// the cosine, so the side may also be the negative of the result.
/// "No Solution" when no side fits.
double sidesin(double a, double b, double c);

/// The angle between sides a and b, where c is the angle opposite a and d
/// the angle opposite b (Napier's analogy), 0..2pi; above pi when the four
/// parts do not form a triangle.
double napang(double a, double b, double c, double d);

/// The third side of sides a and b, where c is the angle opposite a and d the
/// angle opposite b (Napier's analogy), in latitude form; beyondPole when the
/// four parts do not form a triangle.
double napside(double a, double b, double c, double d);

/// Number of triangles with sides a and b and the angle c opposite b: 0, 1
/// or 2, also stored in nout. 0 shows "No solution".
int16_t ssacount(double a, double b, double c);

/// Number of triangles with angles a and c and the side b opposite c, before
/// the solver tests its candidates: 0 (with "No solution"), 1 or 2. Leaves
/// nout alone.
int16_t aascount(double a, double b, double c);

/// The LHA of a body at meridian angle t and true azimuth zn: t when it is
/// west of the meridian, 2pi - t when east (zn and t both below pi).
void tolha(double t, double zn, double& lha);

}  // namespace morvel::engine
