/// \file sheet_layout.h
/// \brief The plotting sheet laid out in an area, for its painting and its
/// widget: the square plotting area inside the margins for the grid's
/// labels and the scale of miles, and the view projected onto it.
///
/// The projection is the sheet's small Mercator: miles north of the centre
/// up, miles east (minutes of longitude shortened by the cosine of the mid
/// latitude) to the right, the same scale both ways.
#pragma once

#include "sightwin/plotting_sheet.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

bool finite(double a, double b);

/// On the page, north up: along a line of position whose body bears zn,
/// and toward that body (the way a course of zn runs).
inline QPointF along(double zn) { return {std::cos(zn), std::sin(zn)}; }
inline QPointF toward(double zn) { return {std::sin(zn), -std::cos(zn)}; }

struct SheetLayout {
    QRectF area;   ///< all the sheet has
    QRectF frame;  ///< the plotting area, square unless filled
    double lat0 = 0, lon0 = 0;  ///< at the frame's centre
    double midLat = 0, cosMid = 1;
    double half = 5;   ///< nautical miles from the centre to each side
    double scale = 1;  ///< per nautical mile
    double unit = 1;   ///< the width of a thin line

    /// The frame has room to draw in.
    bool drawable() const { return frame.width() >= 1; }
    /// The frame's shorter side, which the scale is fitted to.
    double side() const { return std::min(frame.width(), frame.height()); }
    /// Nautical miles north and east of the centre.
    QPointF miles(double lat, double lon) const;
    QPointF at(double lat, double lon) const;
    /// The minutes of latitude at a height of the page, of longitude at a
    /// width; and back.
    double latMinutes(double y) const;
    double lonMinutes(double x) const;
    double yOf(double latMinutes) const;
    double xOf(double lonMinutes) const;

    /// This layout's view, kept where it is whatever the sheet holds.
    SheetView view() const;
    /// The view zoomed by factor (above 1: in) about a point of the page,
    /// which stays where it is; the view panned by a shift on the page.
    SheetView zoomed(double factor, QPointF about) const;
    SheetView panned(QPointF by) const;
};

/// The sheet of c in area: fitted to its DR, lines, track and fix with room
/// about them for their labels, or as the view has it.
SheetLayout layoutOf(const QRectF& area, const SheetContent& c, const SheetView& v, const QFontMetricsF& fm);

}  // namespace morvel::sightwin
