#include "sightwin/plotting_sheet.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sight/plot.h"
#include "sightwin/texts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

namespace {

using math::pi, math::degree;

/// Round spacings of the grid, minutes of arc, and of the scale of miles.
constexpr double gridSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 1200, 1800};
constexpr double mileSteps[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};

/// The sheet laid out in an area: the frame inside its labels, and the
/// projection of a small Mercator sheet around (lat0, lon0).
struct Layout {
    QRectF frame;
    double lat0 = 0, lon0 = 0, cosMid = 1;
    double scale = 1;  ///< per nautical mile
    double unit = 1;   ///< the width of a thin line

    /// Nautical miles north and east of the centre.
    QPointF miles(double lat, double lon) const
    {
        return {std::remainder(lon - lon0, 2 * pi) / degree * 60 * cosMid, (lat - lat0) / degree * 60};
    }
    QPointF at(double lat, double lon) const
    {
        const QPointF m = miles(lat, lon);
        return frame.center() + QPointF(m.x() * scale, -m.y() * scale);
    }
    /// The minutes of latitude and of longitude (from lon0) at the frame's
    /// edges.
    double latMinutes(double y) const { return lat0 / degree * 60 + (frame.center().y() - y) / scale; }
    double lonMinutes(double x) const
    {
        return lon0 / degree * 60 + (x - frame.center().x()) / scale / cosMid;
    }
};

bool finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

Layout layoutOf(const QRectF& area, const SheetContent& c, const QFontMetricsF& fm)
{
    Layout l;
    l.unit = std::max(1.0, std::min(area.width(), area.height()) / 600);
    const double pad = fm.height() / 2;
    l.frame = area.adjusted(fm.horizontalAdvance(QStringLiteral("00°00.0'N")) + pad, fm.height() + pad,
                            -(fm.horizontalAdvance(QStringLiteral("000°00.0'W")) / 2 + pad), -(fm.height() + pad));
    if (!c.hasDr() || l.frame.width() < 1 || l.frame.height() < 1)
        return l;

    // Every point to be shown, in miles from the DR.
    l.lat0 = c.drLat;
    l.lon0 = c.drLon;
    l.cosMid = std::max(std::cos(c.drLat), 0.01);
    std::vector<QPointF> pts{QPointF(0, 0)};
    double around = 0;
    for (const SheetLine& s : c.lines)
        if (finite(s.lat, s.lon))
            pts.push_back(l.miles(s.lat, s.lon));
    if (c.fix && finite(c.fix->first, c.fix->second)) {
        pts.push_back(l.miles(c.fix->first, c.fix->second));
        if (c.ellipse && std::isfinite(c.ellipse->major))
            around = std::min(c.ellipse->major, 600.0);
    }
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (const QPointF& p : pts) {
        x0 = std::min(x0, p.x() - around), x1 = std::max(x1, p.x() + around);
        y0 = std::min(y0, p.y() - around), y1 = std::max(y1, p.y() + around);
    }
    // Centred on them, with room about them; never closer than 5 miles.
    const double midLat = std::clamp(l.lat0 + (y0 + y1) / 2 / 60 * degree, -pi / 2, pi / 2);
    l.lon0 = std::remainder(l.lon0 + (x0 + x1) / 2 / l.cosMid / 60 * degree, 2 * pi);
    l.lat0 = midLat;
    l.cosMid = std::max(std::cos(midLat), 0.01);
    const double half = std::max({(x1 - x0) / 2 * 1.3, (y1 - y0) / 2 * 1.3, 5.0});
    l.scale = std::min(l.frame.width(), l.frame.height()) / (2 * half);
    return l;
}

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

/// Along a line of position on the page, and toward its body.
QPointF along(double zn) { return {std::cos(zn), std::sin(zn)}; }
QPointF toward(double zn) { return {std::sin(zn), -std::cos(zn)}; }

/// The smallest round step that parts span in at most `most` and is no
/// shorter than `least`.
double pickStep(const double* steps, size_t n, double span, int most, double least = 0)
{
    for (size_t i = 0; i < n; ++i)
        if (span / steps[i] <= most && steps[i] >= least)
            return steps[i];
    return steps[n - 1];
}

QFontMetricsF metricsOf(QPainter& p) { return QFontMetricsF(p.font(), p.device()); }

void drawGrid(QPainter& p, const Layout& l, const QFontMetricsF& fm)
{
    const double latTop = l.latMinutes(l.frame.top()), latBottom = l.latMinutes(l.frame.bottom());
    const double lonLeft = l.lonMinutes(l.frame.left()), lonRight = l.lonMinutes(l.frame.right());
    // Never so close that the labels run into each other.
    const double latStep = pickStep(gridSteps, std::size(gridSteps), latTop - latBottom, 8, 1.5 * fm.height() / l.scale);
    const double lonLabel = fm.horizontalAdvance(QStringLiteral("000°00'W")) + fm.height();
    const double lonStep =
        pickStep(gridSteps, std::size(gridSteps), lonRight - lonLeft, 8, lonLabel / l.scale / l.cosMid);
    QPen grid(QColor(150, 170, 200), l.unit * 0.75);
    QPen ink(Qt::black);
    for (double m = std::ceil(latBottom / latStep) * latStep; m <= latTop; m += latStep) {
        if (std::abs(m) > 90 * 60)
            continue;
        const double y = l.frame.center().y() - (m - l.lat0 / degree * 60) * l.scale;
        p.setPen(grid);
        p.drawLine(QPointF(l.frame.left(), y), QPointF(l.frame.right(), y));
        p.setPen(ink);
        const QString t = text(navtext::latitudeText(m / 60 * degree, false));
        p.drawText(QRectF(0, y - fm.height() / 2, l.frame.left() - fm.height() / 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, t);
    }
    for (double m = std::ceil(lonLeft / lonStep) * lonStep; m <= lonRight; m += lonStep) {
        const double x = l.frame.center().x() + (m - l.lon0 / degree * 60) * l.scale * l.cosMid;
        p.setPen(grid);
        p.drawLine(QPointF(x, l.frame.top()), QPointF(x, l.frame.bottom()));
        p.setPen(ink);
        const QString t = text(navtext::longitudeText(std::remainder(m / 60 * degree, 2 * pi), false));
        const double w = fm.horizontalAdvance(t) + fm.height();
        p.drawText(QRectF(x - w / 2, l.frame.bottom(), w, fm.height() * 1.5), Qt::AlignCenter, t);
    }
}

void drawLine(QPainter& p, const Layout& l, const QFontMetricsF& fm, const SheetLine& s)
{
    if (!finite(s.lat, s.lon) || !std::isfinite(s.zn))
        return;
    const QPointF o = l.at(s.lat, s.lon), d = along(s.zn), b = toward(s.zn);
    const auto [t0, t1] = spanIn(l.frame, o, d);
    if (t0 >= t1)
        return;
    QPen pen(QColor(0, 70, 160), l.unit * 1.5);
    if (s.carried)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawLine(o + t0 * d, o + t1 * d);
    // A short arrow from the line's point toward the body.
    const double a = fm.height() * 1.6, h = fm.height() / 2.5;
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    const QPointF tip = o + a * b;
    p.drawLine(o, tip);
    p.drawLine(tip, tip - h * b + h / 2 * d);
    p.drawLine(tip, tip - h * b - h / 2 * d);
}

/// The line's label near the longer end of its segment, else the other,
/// on the body's side, over whatever lies beneath but clear of the labels
/// already drawn (`taken`); left out when both ends are taken.
void drawLabel(QPainter& p, const Layout& l, const QFontMetricsF& fm, const SheetLine& s, std::vector<QRectF>& taken)
{
    if (s.label.isEmpty() || !finite(s.lat, s.lon) || !std::isfinite(s.zn))
        return;
    const QPointF o = l.at(s.lat, s.lon), d = along(s.zn), b = toward(s.zn);
    const double w = fm.horizontalAdvance(s.label), h = fm.height();
    const auto [e0, e1] = spanIn(l.frame.adjusted(w / 2 + 1.5 * h, 1.5 * h, -w / 2 - 1.5 * h, -1.5 * h), o, d);
    if (e0 >= e1)
        return;
    const bool second = std::abs(e1) >= std::abs(e0);
    for (double t : {second ? e1 : e0, second ? e0 : e1}) {
        const QPointF c = o + t * d + 0.8 * h * b;
        const QRectF box(c.x() - w / 2 - h / 4, c.y() - h / 2, w + h / 2, h);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& r) { return r.intersects(box); }))
            continue;
        taken.push_back(box);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawRect(box);
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(0, 50, 120));
        p.drawText(box, Qt::AlignCenter, s.label);
        return;
    }
}

void drawScale(QPainter& p, const Layout& l, const QFontMetricsF& fm)
{
    double m = mileSteps[0];
    for (double s : mileSteps)
        if (s * l.scale <= l.frame.width() / 3)
            m = s;
    const double len = m * l.scale, h = fm.height();
    const QString t = text(navtext::milesText(m)) + QStringLiteral(" nm");
    const QRectF box(l.frame.right() - len - 1.5 * h, l.frame.bottom() - 2.6 * h, len + h, 2.1 * h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    const QPointF a(box.left() + h / 2, box.bottom() - h / 2), b = a + QPointF(len, 0);
    p.setPen(QPen(Qt::black, l.unit * 1.5));
    p.drawLine(a, b);
    for (int i = 0; i <= 2; ++i) {
        const QPointF x = a + QPointF(len * i / 2, 0);
        p.drawLine(x, x - QPointF(0, i == 1 ? h / 4 : h / 2));
    }
    p.drawText(QRectF(box.left(), box.top(), box.width(), h), Qt::AlignCenter, t);
}

}  // namespace

bool SheetContent::hasDr() const { return finite(drLat, drLon); }

SheetContent sheetOf(const std::vector<sight::Sight>& sights, const sight::Fix& fix, const std::vector<QString>& times,
                     const std::vector<const sight::Reduction*>& reductions)
{
    SheetContent c;
    if (sights.empty())
        return c;
    const sight::Sight& last = sights[sight::lastOf(sights)];
    c.drLat = last.drLat;
    c.drLon = last.drLon;
    const bool worked = reductions.size() == sights.size();
    for (const sight::PlotLine& pl : sight::linesOfPosition(sights, fix, reductions)) {
        const sight::Sight& s = sights[pl.sight];
        sight::Reduction own;
        const sight::Reduction& r = worked ? *reductions[pl.sight] : (own = sight::reduce(s));
        const QString body = text(std::string(s.body.name));
        const QString time = pl.sight < times.size() ? times[pl.sight] : QString();
        SheetLine line{pl.lat, pl.lon, pl.zn, pl.carried, time.isEmpty() ? body : body + ' ' + time, {}};
        QStringList tip{time.isEmpty() ? body : body + QStringLiteral(", ") + time};
        tip << QStringLiteral("Hs %1").arg(text(navtext::navAltitudeText(s.hs, false)));
        if (r.ok()) {
            tip << QStringLiteral("Ho %1").arg(text(navtext::navAltitudeText(r.corrections.ho, false)))
                << QStringLiteral("Hc %1").arg(text(navtext::navAltitudeText(r.hc, false)))
                << QStringLiteral("Zn %1").arg(text(navtext::navCircleText(r.zn, false)))
                << QStringLiteral("Intercept %1 nm %2")
                       .arg(text(navtext::milesText(navtext::tenths(std::abs(r.intercept)))),
                            r.intercept >= 0 ? QStringLiteral("toward") : QStringLiteral("away"));
        }
        if (pl.carried)
            tip << QStringLiteral("Carried to the time of the fix");
        line.tooltip = tip.join('\n');
        c.lines.push_back(line);
    }
    if (fix.found()) {
        c.fix = std::pair(fix.lat, fix.lon);
        c.ellipse = fix.ellipse;
        if (fix.last < times.size() && !times[fix.last].isEmpty())
            c.fixLabel = QStringLiteral("Fix ") + times[fix.last];
    }
    return c;
}

SheetContent sheetOf(const sightlog::Logbook& book, const sightlog::Worked& worked)
{
    std::vector<QString> times;
    times.reserve(worked.rowOf.size());
    for (size_t row : worked.rowOf)
        times.push_back(text(navtext::timeOfDay(book.rows[row][size_t(sightlog::SightColumn::utc)])));
    SheetContent c = sheetOf(worked.sights, worked.fix, times, worked.reductions());
    if (!c.hasDr() && worked.dr.ok()) {
        c.drLat = worked.dr.dr.lat;
        c.drLon = worked.dr.dr.lon;
    }
    return c;
}

PlottingSheet::PlottingSheet(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PlottingSheet::setContent(SheetContent c)
{
    content_ = std::move(c);
    update();
}

QSize PlottingSheet::sizeHint() const { return QSize(fontMetrics().height() * 30, fontMetrics().height() * 30); }
QSize PlottingSheet::minimumSizeHint() const
{
    return QSize(fontMetrics().height() * 12, fontMetrics().height() * 12);
}

QPointF PlottingSheet::pointOf(const QRectF& area, const SheetContent& c, double lat, double lon)
{
    return layoutOf(area, c, QFontMetricsF(QFont())).at(lat, lon);
}

void PlottingSheet::paint(QPainter& p, const QRectF& area, const SheetContent& c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm = metricsOf(p);
    const Layout l = layoutOf(area, c, fm);
    p.fillRect(area, Qt::white);
    const QPen frame(Qt::black, l.unit);
    if (l.frame.width() < 1 || l.frame.height() < 1) {
        p.restore();
        return;
    }
    if (!c.hasDr()) {
        p.setPen(frame);
        p.drawRect(l.frame);
        p.drawText(l.frame, Qt::AlignCenter, QStringLiteral("No DR"));
        p.restore();
        return;
    }
    drawGrid(p, l, fm);
    p.save();
    p.setClipRect(l.frame);
    for (const SheetLine& s : c.lines)
        drawLine(p, l, fm, s);

    const double r = fm.height() * 0.4;
    const QPen mark(Qt::black, l.unit * 1.5);
    const QPointF dr = l.at(c.drLat, c.drLon);
    p.setPen(mark);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(dr, r, r);
    p.setBrush(Qt::black);
    p.drawEllipse(dr, r / 4, r / 4);
    p.drawText(dr + QPointF(r * 1.5, -r * 1.5), QStringLiteral("DR"));

    if (c.fix && finite(c.fix->first, c.fix->second)) {
        const QPointF f = l.at(c.fix->first, c.fix->second);
        if (c.ellipse && std::isfinite(c.ellipse->major) && std::isfinite(c.ellipse->minor)
            && std::isfinite(c.ellipse->orientation)) {
            // The major axis along the orientation, true: up on the page
            // turned clockwise.
            p.save();
            p.translate(f);
            p.rotate(c.ellipse->orientation / degree);
            p.setPen(QPen(QColor(190, 30, 30), l.unit));
            p.setBrush(QColor(190, 30, 30, 30));
            p.drawEllipse(QPointF(0, 0), c.ellipse->minor * l.scale, c.ellipse->major * l.scale);
            p.restore();
        }
        QPainterPath tri;
        tri.moveTo(f + QPointF(0, -1.3 * r));
        tri.lineTo(f + QPointF(1.15 * r, 0.7 * r));
        tri.lineTo(f + QPointF(-1.15 * r, 0.7 * r));
        tri.closeSubpath();
        p.setPen(QPen(QColor(190, 30, 30), l.unit * 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tri);
        p.setBrush(QColor(190, 30, 30));
        p.drawEllipse(f, r / 4, r / 4);
        // Beside the fix, on the side that has room for it.
        const double w = fm.horizontalAdvance(c.fixLabel);
        const double dx = f.x() + r * 1.5 + w <= l.frame.right() ? r * 1.5 : -r * 1.5 - w;
        p.drawText(f + QPointF(dx, r * 1.5 + fm.ascent() / 2), c.fixLabel);
    }
    drawScale(p, l, fm);
    std::vector<QRectF> taken;
    for (const SheetLine& s : c.lines)
        drawLabel(p, l, fm, s, taken);
    p.restore();
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.frame);
    p.restore();
}

QString PlottingSheet::lineAt(QPointF at) const
{
    const Layout l = layoutOf(QRectF(rect()), content_, QFontMetricsF(font()));
    if (!content_.hasDr() || !l.frame.contains(at))
        return {};
    double best = std::max(4.0, QFontMetricsF(font()).height() / 3);
    QString tip;
    for (const SheetLine& s : content_.lines) {
        if (!finite(s.lat, s.lon) || !std::isfinite(s.zn))
            continue;
        const QPointF o = l.at(s.lat, s.lon), d = along(s.zn), v = at - o;
        const double off = std::abs(v.x() * d.y() - v.y() * d.x());
        if (off <= best)
            best = off, tip = s.tooltip;
    }
    return tip;
}

bool PlottingSheet::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const QString tip = lineAt(h->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(h->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(e);
}

void PlottingSheet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, QRectF(rect()), content_);
}

}  // namespace morvel::sightwin
