#include "diagram/drawing.h"

#include "engine/state.h"

#include <algorithm>
#include <cmath>

namespace morvel::diagram {

DiagramSurface* activeSurface()
{
    return dynamic_cast<DiagramSurface*>(engine::form(engine::actform));
}

Point place(double u, double v)
{
    return {r * u + j2, r * v + k2};
}

void polyline(const toolkit::ControlArray<toolkit::Line>& lines, int segments,
              const std::function<Point(int)>& point, const std::function<bool(int)>& shown,
              toolkit::VbColor colour)
{
    Point from = point(0);
    for (int i = 1; i <= segments; ++i) {
        const Point to = point(i);
        toolkit::Line& l = lines(i);
        l.setPoints(from.x, from.y, to.x, to.y);
        if (shown(i)) {
            l.setVisible(true);
            l.setBorderColor(colour);
        }
        from = to;
    }
}

bool segmentShown(bool solid, bool dashed, int i, int parity)
{
    return solid || (dashed && i % 2 == parity);
}

void dashedRun(const toolkit::ControlArray<toolkit::Line>& lines, Point start, Point span, int n,
               toolkit::VbColor colour)
{
    const double pieces = n + 1;
    for (int i = 0; i <= n; ++i) {
        toolkit::Line& l = lines(i);
        l.setPoints(start.x + span.x * i / pieces, start.y + span.y * i / pieces,
                    start.x + span.x * (i + 1) / pieces, start.y + span.y * (i + 1) / pieces);
        if (i % 2 == 0) {
            l.setVisible(true);
            l.setBorderColor(colour);
        }
    }
}

int pieces(double fraction)
{
    // A fraction a hair over 1 from rounding still gives 16, and anything
    // that is not a number gives no line rather than an undefined count.
    const double f = std::clamp(std::isnan(fraction) ? 0.0 : fraction, 0.0, 1.0);
    return 2 * (int(std::floor(17 * f)) / 2);
}

}  // namespace morvel::diagram
