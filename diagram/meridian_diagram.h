/// \file meridian_diagram.h
/// \brief The meridian diagram: the solved celestial triangle drawn on the
/// plane of the observer's celestial meridian.
///
/// The procedures exist once and always draw on the diagram controls of
/// forms[actform], the calculator that started the calculation (on the
/// great-circle window the body is the destination and the zenith the
/// departure). They do nothing when that window carries no diagram.
///
/// Normalised coordinates: the meridian circle is the unit circle; a point
/// (u, v) sits at window x = j2 + r u, y = k2 + r v (twips). u runs from the
/// north point of the horizon (-1, left) to the south point (+1, right), v
/// from the zenith (-1, top) to the nadir (+1, bottom). With latitude L,
/// Pn = (-cos L, -sin L), Ps = (cos L, sin L), Q = (sin L, -cos L),
/// Q' = (-sin L, cos L), and a point at altitude h has v = -sin h.
///
/// Angles are radians; LHA (t) and true azimuth (z) are in 0..2pi, not
/// folded. A body west of the meridian has t < pi and z > pi.
#pragma once

#include <cstdint>

namespace morvel::diagram {

// The frame: centre (j2, k2) and radius r of the meridian circle in twips,
// set by Merstart for the window being drawn on.
inline int16_t j2 = 0;
inline int16_t k2 = 0;
inline int16_t r = 0;

// The body in normalised coordinates, set by body; circarc may nudge yb.
inline double xb = 0;
inline double yb = 0;

/// Draws solution set mmm (1, or 2 for any other value) on forms[actform]:
/// frame, polar axis and equator, parallels, body, tick marks, then the
/// vertical and hour circles as ellipses (chkEllipse ticked) or as circular
/// arcs with the remark txtCircarc shown.
void drawmd(int16_t mmm);

/// Sets the frame values for the window and draws the meridian circle, the
/// horizon, the zenith-nadir line and the labels Z, Na, N, S.
void Merstart();

/// The 36 tick marks, every 10 degrees from S, each 100 twips long inwards.
void marks(int16_t j, int16_t k, int16_t rr);

/// Two solutions: asks the user to pick the set to draw with the Draw
/// buttons; nothing is drawn until then.
void mdchoose();

/// Polar axis Pn-Ps, equator Q'-Q and their labels.
void drawpq(double l);
/// Parallel of declination: the chord parallel to the equator at d.
void drawdec(double l, double d);
/// Parallel of altitude: the horizontal chord at h.
void drawalt(double h);
/// The body where the two parallels meet; sets xb, yb. At a pole the two
/// parallels coincide and the LHA t places the body on its hour circle.
void body(double l, double d, double h, double t = 0);
/// Vertical circle through the body as a half-ellipse Z-Na, and the dashed
/// azimuth construction line.
void drawvc(double z);
/// Hour circle through the body as a half-ellipse Pn-Ps, and the dashed
/// hour-angle construction line.
void drawhc(double l, double t);
/// The circular arc through the body from (x1, y1) to (x3, y3) with its
/// construction line: m = 5 the vertical circle on linV / LinA, m = 2 the
/// hour circle on linH / LinB.
void circarc(double& xb, double& yb, double x1, double y1, double x3, double y3, int16_t m);

}  // namespace morvel::diagram
