#include "sightwin/sheet_layout.h"

#include "engine/angles.h"

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

namespace {

using math::pi, math::degree;

/// The closest and the widest views, miles from the centre to a side.
constexpr double closest = 0.2, widest = 1500;
/// The furthest from the equator a sheet's centre goes.
constexpr double highest = 89 * degree;
/// Never closer than this when fitted: a DR alone shows ten miles.
constexpr double fittedClosest = 5;

/// Minutes of arc, and back.
double minutesOf(double a) { return a / degree * 60; }
double angleOf(double minutes) { return minutes / 60 * degree; }

/// The fitted view: centred on every place the sheet holds, with room
/// about them for the labels beside the marks (`room` on the page).
void fit(SheetLayout& l, const SheetContent& c, double room)
{
    // Each place, and how far about it east and north (the ellipse's
    // extent about the fix).
    struct Spot {
        double lat, lon, east = 0, north = 0;
    };
    std::vector<Spot> spots{{c.drLat, c.drLon}};
    for (const SheetLine& s : c.lines) {
        spots.push_back({s.lat, s.lon});
        spots.push_back({s.takenLat, s.takenLon});
    }
    for (const SheetMark& m : c.track)
        spots.push_back({m.lat, m.lon});
    if (c.fix) {
        Spot fix{c.fix->first, c.fix->second};
        if (const auto& e = c.ellipse; e && std::isfinite(e->major) && std::isfinite(e->minor)
                                       && std::isfinite(e->orientation)) {
            const double s = std::sin(e->orientation), k = std::cos(e->orientation);
            fix.east = std::min(std::hypot(e->major * s, e->minor * k), 600.0);
            fix.north = std::min(std::hypot(e->major * k, e->minor * s), 600.0);
        }
        spots.push_back(fix);
    }
    // North and south first, which gives the mid latitude; then east and
    // west at that latitude's scale.
    double y0 = 0, y1 = 0;
    for (const Spot& p : spots)
        if (finite(p.lat, p.lon)) {
            const double y = minutesOf(p.lat - c.drLat);
            y0 = std::min(y0, y - p.north), y1 = std::max(y1, y + p.north);
        }
    l.lat0 = std::clamp(c.drLat + angleOf((y0 + y1) / 2), -highest, highest);
    l.midLat = l.lat0;
    l.cosMid = std::max(std::cos(l.midLat), 0.01);
    double x0 = 0, x1 = 0;
    for (const Spot& p : spots)
        if (finite(p.lat, p.lon)) {
            const double x = minutesOf(std::remainder(p.lon - c.drLon, 2 * pi)) * l.cosMid;
            x0 = std::min(x0, x - p.east), x1 = std::max(x1, x + p.east);
        }
    l.lon0 = std::remainder(c.drLon + angleOf((x0 + x1) / 2 / l.cosMid), 2 * pi);
    // Everything within the frame, `room` inside its sides at least, and
    // with a good part of it to spare.
    const double e = std::max(x1 - x0, y1 - y0) / 2, side = l.side();
    const double inside = std::max(0.5, 1 - 2 * room / side);
    l.half = std::min(std::max({1.3 * e, e / inside, fittedClosest}), widest);
}

}  // namespace

bool finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

QPointF SheetLayout::miles(double lat, double lon) const
{
    return {minutesOf(std::remainder(lon - lon0, 2 * pi)) * cosMid, minutesOf(lat - lat0)};
}

QPointF SheetLayout::at(double lat, double lon) const
{
    const QPointF m = miles(lat, lon);
    return frame.center() + QPointF(m.x() * scale, -m.y() * scale);
}

double SheetLayout::latMinutes(double y) const { return minutesOf(lat0) + (frame.center().y() - y) / scale; }
double SheetLayout::lonMinutes(double x) const
{
    return minutesOf(lon0) + (x - frame.center().x()) / scale / cosMid;
}
double SheetLayout::yOf(double m) const { return frame.center().y() - (m - minutesOf(lat0)) * scale; }
double SheetLayout::xOf(double m) const { return frame.center().x() + (m - minutesOf(lon0)) * scale * cosMid; }

SheetView SheetLayout::view() const { return {false, lat0, lon0, midLat, half}; }

SheetView SheetLayout::zoomed(double factor, QPointF about) const
{
    if (!(factor > 0) || !std::isfinite(factor))
        return view();
    // The centre moves toward the point by as much as the point would
    // move away from it, at the scale the point is found at.
    SheetLayout z = *this;
    z.half = std::clamp(half / factor, closest, widest);
    return z.panned((frame.center() - about) * (1 - z.half / half));
}

SheetView SheetLayout::panned(QPointF by) const
{
    SheetView v = view();
    if (!finite(by.x(), by.y()))
        return v;
    v.lat = std::clamp(lat0 + angleOf(by.y() / scale), -highest, highest);
    v.lon = std::remainder(lon0 - angleOf(by.x() / scale / cosMid), 2 * pi);
    return v;
}

SheetLayout layoutOf(const QRectF& area, const SheetContent& c, const SheetView& v, const QFontMetricsF& fm)
{
    SheetLayout l;
    l.area = area;
    l.unit = std::max(1.0, std::min(area.width(), area.height()) / 600);
    // Room for the latitudes at the left, half a longitude at the right,
    // half a latitude above; the longitudes and the scale of miles below.
    const double h = fm.height(), pad = h / 2;
    const QRectF inside = area.adjusted(fm.horizontalAdvance(QStringLiteral("00°00.0'N")) + pad, h / 2 + pad,
                                        -(fm.horizontalAdvance(QStringLiteral("000°00.0'W")) / 2 + pad),
                                        -(3.6 * h + pad));
    const double side = std::min(inside.width(), inside.height());
    if (side < 4 * h) {
        l.frame = QRectF(area.center(), QSizeF(0, 0));
        return l;
    }
    l.frame = v.filled ? inside : QRectF(inside.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    if (!c.hasDr())
        return l;
    if (v.fitted) {
        fit(l, c, 3 * h);
    } else {
        l.lat0 = v.lat;
        l.lon0 = v.lon;
        l.midLat = v.midLat;
        l.cosMid = std::max(std::cos(v.midLat), 0.01);
        l.half = std::clamp(v.halfMiles, closest, widest);
    }
    l.scale = side / (2 * l.half);
    return l;
}

}  // namespace morvel::sightwin
