// The plotting sheet drawn on any painter: the grid and the scales along
// its edges, the compass rose, the DR's track, the lines of position as
// taken and as carried, the fix and its ellipse, the scale of miles and
// the labels, each label where nothing else is.
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/sheet_layout.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace morvel::sightwin {

namespace {

using math::pi, math::degree;

/// Round spacings of the grid and of the ticks along the edges, minutes of
/// arc, and of the scale of miles.
constexpr double gridSteps[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 1200, 1800};
constexpr double mileSteps[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};

// The inks by day; the palette in force shows them (toolkit/palette.h).
QColor gridInk() { return toolkit::ink(QColor(150, 170, 200)); }
QColor lineInk() { return toolkit::ink(QColor(0, 70, 160)); }
QColor lineLabelInk() { return toolkit::ink(QColor(0, 50, 120)); }
QColor takenInk() { return toolkit::ink(QColor(120, 150, 205)); }
QColor trackInk() { return toolkit::ink(QColor(0, 110, 70)); }
QColor fixInk() { return toolkit::ink(QColor(190, 30, 30)); }
QColor roseInk() { return toolkit::ink(QColor(125, 100, 160)); }
/// The part of the line p + t d inside r: t from .first to .second (empty
/// when .first > .second).
std::pair<double, double> spanIn(const QRectF& r, QPointF p, QPointF d)
{
    double t0 = -1e9, t1 = 1e9;
    const auto clip = [&](double o, double v, double lo, double hi) {
        if (std::abs(v) < 1e-12) {
            if (o < lo || o > hi)
                t0 = 1, t1 = 0;
            return;
        }
        double a = (lo - o) / v, b = (hi - o) / v;
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a), t1 = std::min(t1, b);
    };
    clip(p.x(), d.x(), r.left(), r.right());
    clip(p.y(), d.y(), r.top(), r.bottom());
    return {t0, t1};
}

bool crosses(const QRectF& r, QPointF p, QPointF d)
{
    const auto [t0, t1] = spanIn(r, p, d);
    return t0 < t1;
}

/// The smallest round step that parts span in at most `most` and is no
/// shorter than `least`.
double pickStep(double span, int most, double least)
{
    for (double s : gridSteps)
        if (span / s <= most && s >= least)
            return s;
    return std::end(gridSteps)[-1];
}

bool isMultiple(double m, double step)
{
    const double k = m / step;
    return std::abs(k - std::round(k)) < 1e-6;
}

/// The ticks along an edge: the finest round step at least `least` apart
/// on the page that parts the grid's step evenly.
double tickStep(double grid, double perMinute, double least)
{
    for (double s : gridSteps)
        if (s * perMinute >= least && isMultiple(grid, s))
            return s;
    return grid;
}

/// The sheet's fonts: its own and the smaller one of the rose.
struct Fonts {
    QFontMetricsF main, small;
};

QFont smallerFont(QFont f)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * 0.8))));
    else
        f.setPointSizeF(f.pointSizeF() * 0.8);
    return f;
}

/// The marks' sizes: the DR's circle, the fix's triangle, an earlier DR;
/// the arrow from a line's point toward its body.
double markRadius(const QFontMetricsF& fm) { return fm.height() * 0.4; }
double arrowLength(const QFontMetricsF& fm) { return fm.height() * 1.6; }

/// The scale of miles: a round distance no longer than a third of the
/// frame, drawn in the margin under the longitudes at the right.
struct MileScale {
    double miles = 0, length = 0;
    QString text;
    QRectF box;
};

MileScale mileScaleOf(const SheetLayout& l, const QFontMetricsF& fm)
{
    MileScale s;
    s.miles = mileSteps[0];
    for (double m : mileSteps)
        if (m * l.scale <= l.frame.width() / 3)
            s.miles = m;
    s.length = s.miles * l.scale;
    s.text = tr("%1 nm").arg(text(navtext::milesText(s.miles)));
    const double h = fm.height(), w = fm.horizontalAdvance(s.text) + h / 2 + s.length + h / 2;
    s.box = QRectF(l.frame.right() - w, l.frame.bottom() + 1.7 * h, w, 1.4 * h);
    return s;
}

/// The error ellipse on the page, for the labels to keep clear of.
struct PageEllipse {
    QPointF centre;
    double rx = 0, ry = 0;  ///< across and along the major axis
    double s = 0, k = 1;    ///< the turn, clockwise from up
    /// Large on the page: a label may stand inside it, not across its
    /// outline.
    bool large = false;

    /// p in the ellipse's own measure: within 1 of the centre is inside.
    QPointF unit(QPointF p) const
    {
        const QPointF d = p - centre;
        return {(d.x() * k + d.y() * s) / rx, (-d.x() * s + d.y() * k) / ry};
    }
    bool meets(const QRectF& r) const
    {
        const std::array<QPointF, 4> c{unit(r.topLeft()), unit(r.topRight()), unit(r.bottomRight()),
                                       unit(r.bottomLeft())};
        int in = 0;
        for (const QPointF& u : c)
            in += std::hypot(u.x(), u.y()) <= 1;
        if (in == 4)
            return !large;
        if (in > 0 || r.contains(centre))
            return true;
        // No corner inside: the outline may still cut an edge.
        for (size_t i = 0; i < 4; ++i) {
            const QPointF a = c[i], e = c[(i + 1) % 4] - a;
            const double t = std::clamp(-(a.x() * e.x() + a.y() * e.y()) / (e.x() * e.x() + e.y() * e.y()), 0.0, 1.0);
            if (std::hypot(a.x() + t * e.x(), a.y() + t * e.y()) < 1)
                return true;
        }
        return false;
    }
    /// The box about it.
    QRectF bounds() const
    {
        const double w = std::hypot(rx * k, ry * s), h = std::hypot(rx * s, ry * k);
        return {centre.x() - w, centre.y() - h, 2 * w, 2 * h};
    }
};

std::optional<PageEllipse> pageEllipseOf(const SheetLayout& l, const SheetContent& c)
{
    if (!c.fix || !finite(c.fix->first, c.fix->second) || !c.ellipse)
        return std::nullopt;
    const sight::Ellipse& e = *c.ellipse;
    if (!std::isfinite(e.major) || !std::isfinite(e.minor) || !std::isfinite(e.orientation))
        return std::nullopt;
    PageEllipse p{l.at(c.fix->first, c.fix->second), e.minor * l.scale, e.major * l.scale,
                  std::sin(e.orientation), std::cos(e.orientation)};
    if (!(p.rx >= 0.5 && p.ry >= 0.5) || !std::isfinite(p.rx * p.ry))
        return std::nullopt;
    p.large = std::max(p.rx, p.ry) > l.side() / 4;
    return p;
}

/// A label placed: where, what, in which ink.
struct Placed {
    QRectF box;
    QString text;
    QColor ink;
};

/// Where the labels go: inside the frame, each clear of the boxes taken
/// (the rose, the marks, the labels placed before it) and of the ellipse;
/// a label with no room is left out.
class Placer {
public:
    Placer(const QRectF& frame, const QFontMetricsF& fm, std::optional<PageEllipse> e)
        : frame_(frame), fm_(fm), ellipse_(e)
    {
    }
    void take(const QRectF& r) { taken_.push_back(r); }
    bool free(const QRectF& r) const
    {
        // A little way off the ellipse's outline, which is drawn with a pen.
        const auto over = [&](const QRectF& t) { return t.intersects(r); };
        const double m = fm_.height() / 8;
        return frame_.contains(r) && std::none_of(taken_.begin(), taken_.end(), over)
               && !(ellipse_ && ellipse_->meets(r.adjusted(-m, -m, m, m)));
    }
    QSizeF sizeOf(const QString& t) const { return {fm_.horizontalAdvance(t) + fm_.height() / 2, fm_.height()}; }

    /// The label in the first free one of the boxes, if any.
    bool place(const std::vector<QRectF>& boxes, const QString& t, const QColor& ink)
    {
        for (const QRectF& b : boxes)
            if (free(b)) {
                taken_.push_back(b);
                placed.push_back({b, t, ink});
                return true;
            }
        return false;
    }
    /// Beside a mark (its box `around`): right, left, below and above it,
    /// then at its corners.
    bool placeBeside(const QRectF& around, const QString& t, const QColor& ink)
    {
        const QSizeF s = sizeOf(t);
        const double gap = fm_.height() / 5, w = s.width(), h = s.height();
        const QRectF& a = around;
        const QPointF tl[] = {{a.right() + gap, a.center().y() - h / 2}, {a.left() - gap - w, a.center().y() - h / 2},
                              {a.center().x() - w / 2, a.bottom() + gap}, {a.center().x() - w / 2, a.top() - gap - h},
                              {a.right() + gap, a.bottom()},              {a.right() + gap, a.top() - h},
                              {a.left() - gap - w, a.bottom()},           {a.left() - gap - w, a.top() - h}};
        std::vector<QRectF> boxes;
        for (const QPointF& p : tl)
            boxes.emplace_back(p, s);
        return place(boxes, t, ink);
    }
    /// Along the line o + t d inside the frame, on side b of it first:
    /// toward the end further from o, then the nearer, then between.
    bool placeAlong(QPointF o, QPointF d, QPointF b, const QString& t, const QColor& ink)
    {
        const QSizeF s = sizeOf(t);
        const double h = fm_.height();
        const auto [e0, e1] = spanIn(frame_.adjusted(s.width() / 2 + h, h, -s.width() / 2 - h, -h), o, d);
        if (e0 >= e1)
            return false;
        const double from = std::abs(e1) >= std::abs(e0) ? e1 : e0, to = from == e1 ? e0 : e1;
        std::vector<QRectF> boxes;
        for (double f : {0.0, 1.0, 0.2, 0.8, 0.4, 0.6})
            for (double side : {0.8, -0.8}) {
                const QPointF c = o + (from + f * (to - from)) * d + side * h * b;
                boxes.emplace_back(c - QPointF(s.width() / 2, s.height() / 2), s);
            }
        return place(boxes, t, ink);
    }

    std::vector<Placed> placed;

private:
    QRectF frame_;
    const QFontMetricsF& fm_;
    std::optional<PageEllipse> ellipse_;
    std::vector<QRectF> taken_;
};

/// The compass rose's radius: its figures every 30 degrees clear of each
/// other, at least an eighth of the frame; none when that would not leave
/// the frame mostly to the plot.
double roseRadius(const SheetLayout& l, const Fonts& f)
{
    const double hs = f.small.height();
    const double figures = 12 * (f.small.horizontalAdvance(QStringLiteral("330")) + hs / 2) / (2 * pi);
    const double r = std::max(l.side() / 8, (figures + 0.65 * hs) / 0.84);
    return 2 * r + hs <= 0.42 * l.side() ? r : 0;
}

/// The positions of the DR and of the track's marks on the page, earliest
/// first, the DR last.
std::vector<QPointF> trackOnPage(const SheetLayout& l, const SheetContent& c)
{
    std::vector<QPointF> pts;
    for (const SheetMark& m : c.track)
        if (finite(m.lat, m.lon))
            pts.push_back(l.at(m.lat, m.lon));
    pts.push_back(l.at(c.drLat, c.drLon));
    return pts;
}

/// The corner of the frame whose rose would cover least of the plot: no
/// mark under it if there is such a corner, and the fewest lines across it.
QRectF roseBox(const SheetLayout& l, const SheetContent& c, const Fonts& f, const std::optional<PageEllipse>& e)
{
    const double r = roseRadius(l, f);
    if (r <= 0)
        return {};
    const double side = 2 * r + f.small.height(), pad = f.main.height() / 3;
    const QRectF& fr = l.frame;
    const QRectF corners[] = {{fr.right() - pad - side, fr.top() + pad, side, side},
                              {fr.left() + pad, fr.top() + pad, side, side},
                              {fr.right() - pad - side, fr.bottom() - pad - side, side, side},
                              {fr.left() + pad, fr.bottom() - pad - side, side, side}};
    std::vector<QPointF> marks = trackOnPage(l, c);
    if (c.fix && finite(c.fix->first, c.fix->second))
        marks.push_back(l.at(c.fix->first, c.fix->second));
    const QRectF ellipse = e ? e->bounds() : QRectF();
    QRectF best;
    double least = 1e300;
    for (const QRectF& box : corners) {
        const QRectF near = box.adjusted(-pad, -pad, pad, pad);
        double cost = e && !e->large && ellipse.intersects(near) ? 1000 : 0;
        for (const QPointF& m : marks)
            cost += near.contains(m) ? 1000 : 0;
        for (const SheetLine& s : c.lines) {
            if (finite(s.lat, s.lon) && std::isfinite(s.zn) && crosses(near, l.at(s.lat, s.lon), along(s.zn)))
                ++cost;
            if (finite(s.takenLat, s.takenLon) && crosses(near, l.at(s.takenLat, s.takenLon), along(s.zn)))
                cost += 0.5;
        }
        if (std::isfinite(c.course) && crosses(near, l.at(c.drLat, c.drLon), toward(c.course)))
            ++cost;
        if (cost < least)
            least = cost, best = box;
    }
    return best;
}

/// Every label of the sheet placed, the fix's first, then the DR's, the
/// course, the lines', the lines as taken and the earlier DRs'.
struct Placement {
    QRectF rose;
    MileScale scale;
    std::vector<Placed> labels;
};

Placement placementOf(const SheetLayout& l, const SheetContent& c, const Fonts& f)
{
    Placement out;
    out.scale = mileScaleOf(l, f.main);
    const std::optional<PageEllipse> ellipse = pageEllipseOf(l, c);
    out.rose = roseBox(l, c, f, ellipse);
    Placer placer(l.frame, f.main, ellipse);
    if (!out.rose.isEmpty())
        placer.take(out.rose);
    const double r = markRadius(f.main);
    const QPointF dr = l.at(c.drLat, c.drLon);
    const QRectF drBox(dr - QPointF(r, r), QSizeF(2 * r, 2 * r));
    placer.take(drBox);
    const auto earlier = [&](const SheetMark& m) {
        return QRectF(l.at(m.lat, m.lon) - QPointF(r, r) * 0.7, QSizeF(r, r) * 1.4);
    };
    for (const SheetMark& m : c.track)
        if (finite(m.lat, m.lon))
            placer.take(earlier(m));
    if (c.fix && finite(c.fix->first, c.fix->second)) {
        // The mark, and the arrows toward the bodies from the lines'
        // points about it.
        const QPointF fix = l.at(c.fix->first, c.fix->second);
        const double around = c.lines.empty() ? 1.3 * r : arrowLength(f.main);
        const QRectF mark(fix - QPointF(around, around), QSizeF(2 * around, 2 * around));
        placer.take(mark);
        // Beside the mark; beside the ellipse when it is in the way.
        if (!placer.placeBeside(mark, c.fixLabel, fixInk()) && ellipse && !ellipse->large)
            placer.placeBeside(ellipse->bounds().united(mark), c.fixLabel, fixInk());
    }
    placer.placeBeside(drBox, c.drLabel, toolkit::ink(Qt::black));
    if (std::isfinite(c.course) && !c.courseLabel.isEmpty())
        placer.placeAlong(dr, toward(c.course), along(c.course), c.courseLabel, trackInk());
    // Where the course was altered, before the lines' labels crowd it out.
    for (const SheetMark& m : c.track)
        if (m.alteration && finite(m.lat, m.lon))
            placer.placeBeside(earlier(m), m.label, trackInk());
    for (const SheetLine& s : c.lines)
        if (!s.label.isEmpty() && finite(s.lat, s.lon) && std::isfinite(s.zn))
            placer.placeAlong(l.at(s.lat, s.lon), along(s.zn), toward(s.zn), s.label, lineLabelInk());
    for (const SheetLine& s : c.lines)
        if (!s.takenLabel.isEmpty() && finite(s.takenLat, s.takenLon) && std::isfinite(s.zn))
            placer.placeAlong(l.at(s.takenLat, s.takenLon), along(s.zn), toward(s.zn), s.takenLabel, takenInk().darker(130));
    for (const SheetMark& m : c.track)
        if (!m.alteration && finite(m.lat, m.lon))
            placer.placeBeside(earlier(m), m.label, trackInk());
    out.labels = std::move(placer.placed);
    return out;
}

// ---- drawing ---------------------------------------------------------------

void drawGrid(QPainter& p, const SheetLayout& l, const QFontMetricsF& fm)
{
    const QRectF& fr = l.frame;
    const double h = fm.height();
    const double latTop = l.latMinutes(fr.top()), latBottom = l.latMinutes(fr.bottom());
    const double lonLeft = l.lonMinutes(fr.left()), lonRight = l.lonMinutes(fr.right());
    // Never so close that the labels run into each other.
    const double latStep = pickStep(latTop - latBottom, 8, 1.5 * h / l.scale);
    const double lonLabel = fm.horizontalAdvance(QStringLiteral("000°00.0'W")) + h;
    const double lonStep = pickStep(lonRight - lonLeft, 8, lonLabel / l.scale / l.cosMid);
    const QPen grid(gridInk(), l.unit * 0.75), ink(toolkit::ink(Qt::black), l.unit * 0.75);
    for (double m = std::ceil(latBottom / latStep) * latStep; m <= latTop; m += latStep) {
        if (std::abs(m) > 90 * 60)
            continue;
        const double y = l.yOf(m);
        p.setPen(grid);
        p.drawLine(QPointF(fr.left(), y), QPointF(fr.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(l.area.left(), y - h / 2, fr.left() - l.area.left() - h / 3, h), Qt::AlignRight | Qt::AlignVCenter,
                   text(navtext::navLatitudeText(m / 60 * degree, false)));
    }
    for (double m = std::ceil(lonLeft / lonStep) * lonStep; m <= lonRight; m += lonStep) {
        const double x = l.xOf(m);
        p.setPen(grid);
        p.drawLine(QPointF(x, fr.top()), QPointF(x, fr.bottom()));
        p.setPen(ink);
        const QString t = text(navtext::navLongitudeText(std::remainder(m / 60 * degree, 2 * pi), false));
        const double w = fm.horizontalAdvance(t) + h;
        p.drawText(QRectF(x - w / 2, fr.bottom() + h * 0.2, w, h * 1.2), Qt::AlignCenter, t);
    }
    // The scales along the edges, as a plotting sheet's: minutes of
    // latitude up the sides, minutes of longitude, shortened by the mid
    // latitude, along the top and bottom; longer ticks at the grid and
    // half way between.
    p.setPen(ink);
    const auto tick = [&](double m, double grid) {
        return isMultiple(m, grid) ? h / 2 : isMultiple(m, grid / 2) ? h / 3 : h / 5;
    };
    const double latTick = tickStep(latStep, l.scale, h / 3);
    for (double m = std::ceil(latBottom / latTick) * latTick; m <= latTop; m += latTick) {
        if (std::abs(m) > 90 * 60)
            continue;
        const double y = l.yOf(m), t = tick(m, latStep);
        p.drawLine(QPointF(fr.left(), y), QPointF(fr.left() + t, y));
        p.drawLine(QPointF(fr.right(), y), QPointF(fr.right() - t, y));
    }
    const double lonTick = tickStep(lonStep, l.scale * l.cosMid, h / 3);
    for (double m = std::ceil(lonLeft / lonTick) * lonTick; m <= lonRight; m += lonTick) {
        const double x = l.xOf(m), t = tick(m, lonStep);
        p.drawLine(QPointF(x, fr.bottom()), QPointF(x, fr.bottom() - t));
        p.drawLine(QPointF(x, fr.top()), QPointF(x, fr.top() + t));
    }
}

/// A true compass rose in its box: ticks every 10 degrees, longer every 30
/// with their figures inside, a star at north.
void drawRose(QPainter& p, const SheetLayout& l, const QRectF& box, const QFont& small)
{
    if (box.isEmpty())
        return;
    const QFontMetricsF fs(small, p.device());
    const QPointF c = box.center();
    const double r = (box.width() - fs.height()) / 2;
    p.save();
    p.setFont(small);
    p.setPen(QPen(roseInk(), l.unit * 0.75));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    for (int a = 0; a < 360; a += 10) {
        const QPointF u = toward(a * degree);
        p.drawLine(c + r * u, c + (a % 30 ? 0.92 : 0.84) * r * u);
        if (a % 30 == 0) {
            const QPointF at = c + (0.84 * r - 0.65 * fs.height()) * u;
            p.drawText(QRectF(at - QPointF(r, fs.height() / 2), QSizeF(2 * r, fs.height())), Qt::AlignCenter,
                       QString::number(a));
        }
    }
    p.drawLine(c - QPointF(r / 8, 0), c + QPointF(r / 8, 0));
    p.drawLine(c - QPointF(0, r / 8), c + QPointF(0, r / 8));
    QPainterPath north;
    north.moveTo(c + QPointF(0, -r - fs.height() * 0.45));
    north.lineTo(c + QPointF(fs.height() * 0.25, -r));
    north.lineTo(c + QPointF(-fs.height() * 0.25, -r));
    north.closeSubpath();
    p.setBrush(roseInk());
    p.drawPath(north);
    p.restore();
}

/// An arrow head at tip, pointing along u.
void drawHead(QPainter& p, QPointF tip, QPointF u, double size)
{
    const QPointF n(-u.y(), u.x());
    p.drawLine(tip, tip - size * u + size / 2 * n);
    p.drawLine(tip, tip - size * u - size / 2 * n);
}

/// The DR's track through the DRs of the sights to the DR, the course on
/// across the sheet, and the earlier DRs marked (none on another).
void drawTrack(QPainter& p, const SheetLayout& l, const SheetContent& c, const QFontMetricsF& fm)
{
    const std::vector<QPointF> track = trackOnPage(l, c);
    const double r = markRadius(fm) * 0.7, h = fm.height();
    const QPointF dr = track.back();
    if (std::isfinite(c.course)) {
        // On from the DR, and back from the earliest DR of the track on
        // this course (after the last alteration).
        const QPointF u = toward(c.course);
        const auto [t0, t1] = spanIn(l.frame, dr, u);
        double back = 0;
        for (size_t i = track.size(); i-- > 0;) {
            back = std::min(back, QPointF::dotProduct(track[i] - dr, u));
            if (track.size() == c.track.size() + 1 && i < c.track.size() && c.track[i].alteration)
                break;
        }
        if (t0 < t1) {
            p.setPen(QPen(trackInk(), l.unit, Qt::DashDotLine));
            if (t1 > 0)
                p.drawLine(dr + std::max(t0, 0.0) * u, dr + t1 * u);
            if (t0 < back)
                p.drawLine(dr + t0 * u, dr + std::min(t1, back) * u);
            p.setPen(QPen(trackInk(), l.unit * 1.2));
            drawHead(p, dr + 2.5 * h * u, u, h / 2.5);
        }
    }
    p.setPen(QPen(trackInk(), l.unit * 1.2));
    p.setBrush(Qt::NoBrush);
    if (track.size() > 1)
        p.drawPolyline(track.data(), int(track.size()));
    QPointF last = dr;
    for (size_t i = track.size() - 1; i-- > 0;) {
        if (std::hypot(track[i].x() - last.x(), track[i].y() - last.y()) < 2 * r)
            continue;
        last = track[i];
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(track[i], r, r);
        p.setBrush(trackInk());
        p.drawEllipse(track[i], r / 4, r / 4);
    }
}

/// A carried line as it was taken, faint, and the run that carried it: an
/// arrow from a point of the line then to the same point now. The arrow
/// stands as near the middle of the sheet as it can while clear of the fix,
/// where the lines' points are, and of the track, which runs the same way
/// through the DRs: of the runs through each of `away`.
void drawTaken(QPainter& p, const SheetLayout& l, const QFontMetricsF& fm, const SheetLine& s,
               const std::vector<QPointF>& away)
{
    if (!finite(s.takenLat, s.takenLon) || !finite(s.lat, s.lon) || !std::isfinite(s.zn))
        return;
    const QPointF o = l.at(s.takenLat, s.takenLon), d = along(s.zn);
    if (const auto [t0, t1] = spanIn(l.frame, o, d); t0 < t1) {
        p.setPen(QPen(takenInk(), l.unit, Qt::DotLine));
        p.drawLine(o + t0 * d, o + t1 * d);
    }
    // The arrow from o + t d; none where the run moves the line along
    // itself.
    const QPointF run = l.at(s.lat, s.lon) - o;
    const double across = d.x() * run.y() - d.y() * run.x(), side = l.side();
    if (std::abs(across) < fm.height() / 2)
        return;
    const QRectF inside = l.frame.adjusted(side / 20, side / 20, -side / 20, -side / 20);
    const auto [a0, a1] = spanIn(inside, o, d);
    const auto [b0, b1] = spanIn(inside, o + run, d);
    const double lo = std::max(a0, b0), hi = std::min(a1, b1);
    if (lo >= hi)
        return;
    // Where the run through a point leaves the line as taken.
    std::vector<double> clear;
    for (const QPointF& a : away)
        clear.push_back(((a.x() - o.x()) * run.y() - (a.y() - o.y()) * run.x()) / across);
    // The place furthest from all of them, the middle first among equals.
    const double middle = QPointF::dotProduct(l.frame.center() - o - run / 2, d);
    double t = std::clamp(middle, lo, hi), best = -1;
    for (int k = 0; k <= 16; ++k) {
        const double at = std::clamp(middle + (k % 2 ? 1 : -1) * ((k + 1) / 2) * side / 16, lo, hi);
        double nearest = side / 6;
        for (double c : clear)
            nearest = std::min(nearest, std::abs(c - at));
        if (nearest > best)
            best = nearest, t = at;
    }
    const QPointF from = o + t * d;
    p.setPen(QPen(trackInk(), l.unit, Qt::DashLine));
    p.drawLine(from, from + run);
    p.setPen(QPen(trackInk(), l.unit));
    drawHead(p, from + run, run / std::hypot(run.x(), run.y()), fm.height() / 2.5);
}

void drawLine(QPainter& p, const SheetLayout& l, const QFontMetricsF& fm, const SheetLine& s)
{
    if (!finite(s.lat, s.lon) || !std::isfinite(s.zn))
        return;
    const QPointF o = l.at(s.lat, s.lon), d = along(s.zn), b = toward(s.zn);
    const auto [t0, t1] = spanIn(l.frame, o, d);
    if (t0 >= t1)
        return;
    QPen pen(lineInk(), l.unit * 1.5);
    if (s.carried)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawLine(o + t0 * d, o + t1 * d);
    // A short arrow from the line's point toward the body.
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    const QPointF tip = o + arrowLength(fm) * b;
    p.drawLine(o, tip);
    drawHead(p, tip, b, fm.height() / 2.5);
}

void drawMarks(QPainter& p, const SheetLayout& l, const SheetContent& c, const QFontMetricsF& fm)
{
    const double r = markRadius(fm);
    const QPointF dr = l.at(c.drLat, c.drLon);
    p.setPen(QPen(toolkit::ink(Qt::black), l.unit * 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(dr, r, r);
    p.setBrush(toolkit::ink(Qt::black));
    p.drawEllipse(dr, r / 4, r / 4);
    if (!c.fix || !finite(c.fix->first, c.fix->second))
        return;
    const QPointF f = l.at(c.fix->first, c.fix->second);
    if (const std::optional<PageEllipse> e = pageEllipseOf(l, c)) {
        // The major axis along the orientation, true: up on the page
        // turned clockwise.
        p.save();
        p.translate(f);
        p.rotate(c.ellipse->orientation / degree);
        p.setPen(QPen(fixInk(), l.unit));
        p.setBrush(toolkit::ink(QColor(190, 30, 30, 30)));
        p.drawEllipse(QPointF(0, 0), e->rx, e->ry);
        p.restore();
    }
    QPainterPath tri;
    tri.moveTo(f + QPointF(0, -1.3 * r));
    tri.lineTo(f + QPointF(1.15 * r, 0.7 * r));
    tri.lineTo(f + QPointF(-1.15 * r, 0.7 * r));
    tri.closeSubpath();
    p.setPen(QPen(fixInk(), l.unit * 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
    p.setBrush(fixInk());
    p.drawEllipse(f, r / 4, r / 4);
}

void drawMileScale(QPainter& p, const SheetLayout& l, const MileScale& s, const QFontMetricsF& fm)
{
    const double h = fm.height();
    const QPointF a(s.box.right() - s.length, s.box.center().y() + h / 4), b(s.box.right(), a.y());
    p.setPen(QPen(toolkit::ink(Qt::black), l.unit * 1.5));
    p.drawLine(a, b);
    for (int i = 0; i <= 2; ++i) {
        const QPointF x = a + QPointF(s.length * i / 2, 0);
        p.drawLine(x, x - QPointF(0, i == 1 ? h / 4 : h / 2));
    }
    p.drawText(QRectF(s.box.left(), s.box.top(), s.box.width() - s.length - h / 2, s.box.height()),
               Qt::AlignRight | Qt::AlignVCenter, s.text);
}

void drawLabels(QPainter& p, const std::vector<Placed>& labels)
{
    for (const Placed& t : labels) {
        p.setPen(Qt::NoPen);
        p.setBrush(toolkit::ink(QColor(255, 255, 255, 215)));
        p.drawRect(t.box);
        p.setBrush(Qt::NoBrush);
        p.setPen(t.ink);
        p.drawText(t.box, Qt::AlignCenter, t.text);
    }
}

}  // namespace

void PlottingSheet::paint(QPainter& p, const QRectF& area, const SheetContent& c, const SheetView& view)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFont small = smallerFont(p.font());
    const Fonts f{QFontMetricsF(p.font(), p.device()), QFontMetricsF(small, p.device())};
    const SheetLayout l = layoutOf(area, c, view, f.main);
    p.fillRect(area, toolkit::ink(Qt::white));
    const QPen frame(toolkit::ink(Qt::black), l.unit);
    if (!l.drawable()) {
        p.restore();
        return;
    }
    if (!c.hasDr()) {
        p.setPen(frame);
        p.drawRect(l.frame);
        p.drawText(l.frame, Qt::AlignCenter, tr("No DR"));
        p.restore();
        return;
    }
    const Placement placed = placementOf(l, c, f);
    drawGrid(p, l, f.main);
    drawMileScale(p, l, placed.scale, f.main);
    p.save();
    p.setClipRect(l.frame);
    drawRose(p, l, placed.rose, small);
    drawTrack(p, l, c, f.main);
    std::vector<QPointF> away = trackOnPage(l, c);
    if (c.fix && finite(c.fix->first, c.fix->second))
        away.push_back(l.at(c.fix->first, c.fix->second));
    for (const SheetLine& s : c.lines)
        drawTaken(p, l, f.main, s, away);
    for (const SheetLine& s : c.lines)
        drawLine(p, l, f.main, s);
    drawMarks(p, l, c, f.main);
    drawLabels(p, placed.labels);
    p.restore();
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.frame);
    p.restore();
}

QPointF PlottingSheet::pointOf(const QRectF& area, const SheetContent& c, double lat, double lon, const SheetView& view)
{
    return layoutOf(area, c, view, QFontMetricsF(QFont())).at(lat, lon);
}

SheetLabels PlottingSheet::labelsOf(const QRectF& area, const SheetContent& c, const SheetView& view, const QFont& font)
{
    const Fonts f{QFontMetricsF(font), QFontMetricsF(smallerFont(font))};
    const SheetLayout l = layoutOf(area, c, view, f.main);
    SheetLabels out;
    if (!l.drawable() || !c.hasDr())
        return out;
    const Placement placed = placementOf(l, c, f);
    out.rose = placed.rose;
    out.scale = placed.scale.box;
    for (const Placed& t : placed.labels)
        out.labels.emplace_back(t.box, t.text);
    return out;
}

}  // namespace morvel::sightwin
