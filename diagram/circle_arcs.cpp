// The vertical circle and the hour circle drawn as circular arcs through the
// body instead of their true elliptical projections. Angles read off these
// arcs differ from the computed ones, which is why txtCircarc is shown.
#include "diagram/drawing.h"
#include "engine/state.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace morvel::diagram {

namespace {

constexpr int arcSegments = 41;

/// The circle through three points, in normalised coordinates, and the
/// angles at its centre (cos for u, sin for v) of the arc's two ends.
struct Arc {
    double cx, cy, rho;
    double phiA, phiB;

    double u(double phi) const { return std::cos(phi) * rho + cx; }
    double v(double phi) const { return std::sin(phi) * rho + cy; }
    Point at(double phi) const { return place(u(phi), v(phi)); }
};

/// The arc from A to C through B. Both ends are opposite points of the
/// meridian circle and the body lies inside it, so the arc through the body
/// is always the shorter one. None when the three points lie on a straight
/// line (or so nearly that the circle's centre would be lost in rounding),
/// where the straight form is drawn instead.
std::optional<Arc> arcThrough(double bx, double by, double ax, double ay, double x3, double y3)
{
    // The centre is where the perpendicular bisectors of BA and BC meet;
    // in this form the only divisor is twice the area of the triangle ABC.
    const double pu = ax - bx, pv = ay - by, qu = x3 - bx, qv = y3 - by;
    const double d = 2 * (pu * qv - pv * qu);
    if (std::abs(d) < 1e-9)
        return std::nullopt;
    const double p2 = pu * pu + pv * pv, q2 = qu * qu + qv * qv;
    Arc a;
    a.cx = bx + (qv * p2 - pv * q2) / d;
    a.cy = by + (pu * q2 - qu * p2) / d;
    a.rho = std::hypot(ax - a.cx, ay - a.cy);
    a.phiA = std::atan2(ay - a.cy, ax - a.cx);
    a.phiB = std::atan2(y3 - a.cy, x3 - a.cx);
    constexpr double pi = std::numbers::pi;
    if (std::abs(a.phiA - a.phiB) > pi) {
        if (a.phiA < 0)
            a.phiA += 2 * pi;
        if (a.phiB < 0)
            a.phiB += 2 * pi;
    }
    return a;
}

}  // namespace

void circarc(double& xb, double& yb, double x1, double y1, double x3, double y3, int16_t m)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();

    // A body on (or next to) the meridian circle has no arc to draw.
    if (xb * xb + yb * yb > 0.999)
        return;
    if (yb == y1)
        yb += 1e-6;

    const bool set2 = engine::mdset == 2;
    const double lha = set2 ? engine::lha2 : engine::lha1;
    const double az = set2 ? engine::az2 : engine::az1;
    const double pi = engine::pi;
    const bool vertical = m == 5;
    const std::optional<Arc> arc = arcThrough(xb, yb, x1, y1, x3, y3);

    // A body on the prime vertical (for the vertical circle) or at an LHA
    // of 90 or 270 degrees (for the hour circle) lies on the straight line
    // between the ends, and the curve is that line.
    const double sinKey = std::abs(std::sin(vertical ? az : lha));
    const bool straight = !arc || sinKey >= 0.999999;
    const auto& lines = vertical ? dc.linV : dc.linH;
    const toolkit::VbColor colour = vertical ? quantityColors::azimuth : quantityColors::lha;

    // Solid for a body west of the meridian, odd segments for one east of
    // it; the straight hour circle goes by the LHA rather than the azimuth.
    std::function<bool(int)> shown = [&](int i) { return segmentShown(az > pi, az < pi, i, 1); };
    if (straight && !vertical)
        shown = [&](int i) { return segmentShown(lha < pi, lha > pi, i, 1); };

    if (straight) {
        polyline(
            lines, arcSegments,
            [&](int i) {
                const double f = double(i) / arcSegments;
                return place(x1 + (x3 - x1) * f, y1 + (y3 - y1) * f);
            },
            shown, colour);
    } else {
        const double step = (arc->phiB - arc->phiA) / arcSegments;
        polyline(lines, arcSegments, [&](int i) { return arc->at(arc->phiA + i * step); }, shown, colour);
    }

    if (vertical) {
        // From where the arc crosses the horizon, upwards for an eastern
        // azimuth and downwards for a western one, as long as the arc's
        // height there above a circle of radius r.
        double x = j2, h = r;
        if (arc && sinKey != 1) {
            const double w = arc->cx - (arc->cx > 0 ? 1 : arc->cx < 0 ? -1 : 0) * arc->rho;
            x = w * r + j2;
            h = r * std::sqrt(std::max(0.0, 1 - w * w));
        }
        const int n = pieces(h / r);
        if (az < pi)
            h = -h;
        dashedRun(dc.LinA, {x, double(k2)}, {0, h}, n, colour);
    } else {
        // From the middle of the arc (its crossing of the equator),
        // parallel to the polar axis: towards Pn for LHA up to 180 degrees,
        // towards Ps beyond.
        Point start = place(0, 0);
        double h = r;
        const double sinLha = std::abs(std::sin(lha));
        if (arc && sinLha >= 1e-6 && sinLha <= 0.999999) {
            const double phiM = (arc->phiA + arc->phiB) / 2;
            const double um = arc->u(phiM), vm = arc->v(phiM);
            start = place(um, vm);
            h = std::sqrt(1 - std::min(1.0, um * um + vm * vm)) * r;
        }
        const int n = pieces(h / r);
        if (lha > pi)
            h = -h;
        dashedRun(dc.LinB, start, {-h * x3, -h * y3}, n, colour);
    }
}

}  // namespace morvel::diagram
