/// \file drawing.h
/// \brief What the diagram's procedures share: the window they draw on, the
/// colour of each quantity, and the pieces every curve is built from.
#pragma once

#include "diagram/diagram_controls.h"
#include "diagram/meridian_diagram.h"

#include <functional>

namespace morvel::diagram {

/// One colour per quantity, used for its caption lblDat(i) and its elements.
namespace quantityColors {
inline constexpr toolkit::VbColor latitude = 0xFF0000;     ///< polar axis, equator
inline constexpr toolkit::VbColor lha = 0x8000;            ///< hour circle and its line
inline constexpr toolkit::VbColor declination = 0x4080;    ///< parallel of declination
inline constexpr toolkit::VbColor altitude = 0xFF;         ///< parallel of altitude
inline constexpr toolkit::VbColor azimuth = 0xC000C0;      ///< vertical circle and its line
}  // namespace quantityColors

/// The window of forms[actform] when it carries the diagram, else null.
DiagramSurface* activeSurface();

/// A point in twips of the window.
struct Point {
    double x, y;
};

/// The window point of normalised (u, v) in the current frame.
Point place(double u, double v);

/// Joins point(i - 1) to point(i) with lines(i) for i = 1..segments. Every
/// segment gets its coordinates; those for which shown(i) holds are shown
/// in colour, the others keep whatever visibility they had (drawmd hides
/// them all first).
void polyline(const toolkit::ControlArray<toolkit::Line>& lines, int segments,
              const std::function<Point(int)>& point, const std::function<bool(int)>& shown,
              toolkit::VbColor colour);

/// The segment rule of the circles through the body: every segment when
/// solid, every other one (those whose index has this parity) when dashed,
/// none when neither (a body exactly on the meridian).
bool segmentShown(bool solid, bool dashed, int i, int parity);

/// A dashed construction line from start along span, in n + 1 equal pieces
/// on lines(0..n), of which the even ones are shown in colour.
void dashedRun(const toolkit::ControlArray<toolkit::Line>& lines, Point start, Point span, int n,
               toolkit::VbColor colour);

/// n for a construction line this fraction of the radius long: an even
/// count from 0 to 16, so that the line has n / 2 + 1 visible pieces.
int pieces(double fraction);

}  // namespace morvel::diagram
