#include "sightwin/sky_chart.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

namespace {

using math::degree, math::halfPi;

// The inks by day; the palette in force shows them (toolkit/palette.h).
QColor starInk() { return toolkit::ink(QColor(20, 40, 110)); }
QColor planetInk() { return toolkit::ink(QColor(170, 50, 20)); }
QColor sunInk() { return toolkit::ink(QColor(235, 150, 0)); }
QColor moonInk() { return toolkit::ink(QColor(205, 195, 120)); }
QColor greyInk() { return toolkit::ink(QColor(175, 175, 175)); }
QColor suggestedInk() { return toolkit::ink(QColor(0, 135, 70)); }
QColor selectedInk() { return toolkit::ink(QColor(0, 90, 210)); }
QColor gridInk() { return toolkit::ink(QColor(195, 200, 215)); }
QColor outsideBand() { return toolkit::ink(QColor(234, 234, 234)); }
enum class Sample { star, planet, sun, moon, suggested, outside };

struct LegendItem {
    Sample sample;
    QString text;
    QRectF box;  ///< the sample's square, the text after it
};

/// A whole number of degrees, "15°".
QString degreesText(double x) { return QString::number(std::lround(x / degree)) + QChar(0x00B0); }

bool fullSky(const sight::AltitudeBand& band) { return band.lowest <= 0 && band.highest >= halfPi; }

/// The chart laid out in an area: the caption above, the legend below
/// and the horizon's circle between, with room for the compass letters.
struct Layout {
    QRectF caption, legend;
    std::vector<LegendItem> items;
    QPointF centre;
    double radius = 0;
    double unit = 1;  ///< the font's height: marks and gaps are sized by it
    double line = 1;  ///< a thin line's width

    double ring(double hc) const { return radius * (halfPi - std::clamp(hc, 0.0, halfPi)) / halfPi; }
    QPointF at(double hc, double zn) const
    {
        const double r = ring(hc);
        return centre + QPointF(r * std::sin(zn), -r * std::cos(zn));
    }
};

Layout layoutOf(const QRectF& area, const SkyChartContent& c, const QFontMetricsF& fm)
{
    Layout l;
    l.unit = fm.height();
    l.line = std::max(1.0, l.unit / 16);
    double top = area.top(), bottom = area.bottom();
    if (!c.caption.isEmpty()) {
        const QRectF text = fm.boundingRect(QRectF(area.left(), top, area.width(), area.height()),
                                            Qt::TextWordWrap, c.caption);
        l.caption = QRectF(area.left(), top, area.width(), text.height());
        top += text.height() + l.unit / 2;
    }

    // The legend flows along the foot of the area, as many lines as it needs.
    l.items = {{Sample::star, tr("star"), {}},
               {Sample::planet, tr("planet"), {}},
               {Sample::sun, tr("Sun"), {}},
               {Sample::moon, tr("Moon"), {}},
               {Sample::suggested, tr("suggested"), {}}};
    if (!fullSky(c.band))
        l.items.push_back({Sample::outside,
                           tr("outside %1 to %2").arg(degreesText(c.band.lowest), degreesText(c.band.highest)),
                           {}});
    const double gap = l.unit * 0.9, rowHeight = l.unit * 1.25;
    double x = 0, rows = 1;
    for (LegendItem& item : l.items) {
        const double w = l.unit * 1.3 + fm.horizontalAdvance(item.text);
        if (x > 0 && x + w > area.width())
            x = 0, rows += 1;
        item.box = QRectF(x, (rows - 1) * rowHeight, l.unit, rowHeight);
        x += w + gap;
    }
    l.legend = QRectF(area.left(), bottom - rows * rowHeight, area.width(), rows * rowHeight);
    for (LegendItem& item : l.items)
        item.box.translate(l.legend.topLeft());
    bottom = l.legend.top() - l.unit / 2;

    // Room outside the horizon for the compass letters and the bearings.
    const double margin = l.unit * 1.7;
    const QRectF room(area.left(), top, area.width(), bottom - top);
    l.radius = std::max(0.0, std::min(room.width(), room.height()) / 2 - margin);
    l.centre = room.center();
    return l;
}

QFontMetricsF metricsOf(QPainter& p) { return QFontMetricsF(p.font(), p.device()); }

/// The font k times the size, whether it is set in points or in pixels.
QFont scaled(QFont f, double k)
{
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * k);
    else
        f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * k))));
    return f;
}

/// The radius of a body's mark: a star or a planet larger the brighter,
/// from a third of the font's height at magnitude 0.
double markRadius(const Layout& l, const sight::Visible& b)
{
    switch (b.body.kind) {
    case almanac::BodyKind::sun:
    case almanac::BodyKind::moon:
        return l.unit * 0.5;
    default:
        return l.unit * std::clamp(0.33 - 0.06 * b.mag.value_or(0), 0.12, 0.5);
    }
}

void drawMark(QPainter& p, const Layout& l, const sight::Visible& b, QPointF at, bool grey)
{
    const double r = markRadius(l, b);
    p.setPen(Qt::NoPen);
    switch (b.body.kind) {
    case almanac::BodyKind::sun:
        p.setPen(QPen(grey ? greyInk().darker(130) : sunInk().darker(150), l.line));
        p.setBrush(grey ? greyInk() : sunInk());
        p.drawEllipse(at, r, r);
        p.setBrush(grey ? greyInk().darker(130) : sunInk().darker(150));
        p.drawEllipse(at, r / 4, r / 4);
        break;
    case almanac::BodyKind::moon: {
        QPainterPath disc, bite;
        disc.addEllipse(at, r, r);
        bite.addEllipse(at + QPointF(r * 0.6, -r * 0.15), r * 0.85, r * 0.85);
        p.setPen(QPen(grey ? greyInk().darker(130) : moonInk().darker(160), l.line));
        p.setBrush(grey ? greyInk() : moonInk());
        p.drawPath(disc.subtracted(bite));
        break;
    }
    case almanac::BodyKind::planet: {
        const double d = r * 1.35;
        const QPointF diamond[] = {at + QPointF(0, -d), at + QPointF(d, 0), at + QPointF(0, d), at + QPointF(-d, 0)};
        p.setBrush(grey ? greyInk() : planetInk());
        p.drawPolygon(diamond, 4);
        break;
    }
    default:
        p.setBrush(grey ? greyInk() : starInk());
        p.drawEllipse(at, r, r);
    }
    p.setBrush(Qt::NoBrush);
}

/// The ring round a suggested body's mark, or round the selected one.
double ringRadius(const Layout& l, const sight::Visible& b, bool selection)
{
    return markRadius(l, b) * (b.body.kind == almanac::BodyKind::planet ? 1.35 : 1) + l.unit * (selection ? 0.55 : 0.3);
}

bool inBand(const SkyChartContent& c, size_t i) { return c.band.holds(c.bodies[i].hc); }

bool isSuggested(const SkyChartContent& c, size_t i)
{
    return std::find(c.suggested.begin(), c.suggested.end(), i) != c.suggested.end();
}

/// The grid, clear of the marks where it can be, with the texts it writes
/// put in `taken` for the names to keep clear of.
void drawGrid(QPainter& p, const Layout& l, const SkyChartContent& c, const std::vector<QRectF>& marks,
              std::vector<QRectF>& taken)
{
    p.setPen(Qt::NoPen);
    p.setBrush(toolkit::ink(Qt::white));
    p.drawEllipse(l.centre, l.radius, l.radius);
    if (!fullSky(c.band)) {
        // Shade the sky below the band's lowest altitude and above its highest.
        QPainterPath shade;
        shade.setFillRule(Qt::OddEvenFill);
        shade.addEllipse(l.centre, l.radius, l.radius);
        shade.addEllipse(l.centre, l.ring(c.band.lowest), l.ring(c.band.lowest));
        shade.addEllipse(l.centre, l.ring(c.band.highest), l.ring(c.band.highest));
        p.setBrush(outsideBand());
        p.drawPath(shade);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gridInk(), l.line));
    for (int alt = 15; alt < 90; alt += 15)
        p.drawEllipse(l.centre, l.ring(alt * degree), l.ring(alt * degree));
    for (int zn = 0; zn < 360; zn += 30)
        p.drawLine(l.at(75 * degree, zn * degree), l.at(0, zn * degree));
    // Ticks every ten degrees outside the horizon.
    p.setPen(QPen(toolkit::ink(Qt::black), l.line));
    for (int zn = 0; zn < 360; zn += 10) {
        const QPointF out(std::sin(zn * degree), -std::cos(zn * degree));
        p.drawLine(l.centre + out * l.radius, l.centre + out * (l.radius + l.unit * (zn % 30 ? 0.2 : 0.35)));
    }
    p.setPen(QPen(toolkit::ink(Qt::black), l.line * 1.5));
    p.drawEllipse(l.centre, l.radius, l.radius);

    // The altitudes along the radius between two bearing lines that
    // crosses the fewest marks, the bearings round the horizon.
    p.save();
    p.setFont(scaled(p.font(), 0.8));
    const QFontMetricsF sm = metricsOf(p);
    const auto altitudeBox = [&](int alt, int zn) {
        const QPointF at = l.at(alt * degree, zn * degree);
        const double w = sm.horizontalAdvance(degreesText(alt * degree)) + l.unit * 0.2;
        return QRectF(at.x() - w / 2, at.y() - sm.height() / 2, w, sm.height());
    };
    int along = 15, fewest = 1 << 30;
    for (int zn = 15; zn < 360; zn += 30) {
        int crossed = 0;
        for (int alt = 15; alt < 90; alt += 15)
            for (const QRectF& m : marks)
                crossed += altitudeBox(alt, zn).intersects(m);
        if (crossed < fewest)
            fewest = crossed, along = zn;
    }
    for (int alt = 15; alt < 90; alt += 15) {
        const QRectF box = altitudeBox(alt, along);
        p.fillRect(box, toolkit::ink(QColor(255, 255, 255, 210)));
        p.setPen(toolkit::ink(QColor(110, 115, 135)));
        p.drawText(box, Qt::AlignCenter, degreesText(alt * degree));
        taken.push_back(box);
    }
    p.setPen(toolkit::ink(Qt::black));
    for (int zn = 30; zn < 360; zn += 30) {
        if (zn % 90 == 0)
            continue;
        const QPointF at = l.centre + QPointF(std::sin(zn * degree), -std::cos(zn * degree)) * (l.radius + l.unit * 0.95);
        const QString t = QStringLiteral("%1").arg(zn, 3, 10, QChar('0'));
        const double w = sm.horizontalAdvance(t);
        const QRectF box(at.x() - w / 2, at.y() - sm.height() / 2, w, sm.height());
        p.drawText(box, Qt::AlignCenter, t);
        taken.push_back(box);
    }
    p.restore();
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    const char* letters[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const double zn = i * halfPi;
        const QPointF at = l.centre + QPointF(std::sin(zn), -std::cos(zn)) * (l.radius + l.unit * 0.95);
        const QRectF box(at.x() - l.unit / 2, at.y() - l.unit / 2, l.unit, l.unit);
        p.drawText(box, Qt::AlignCenter, QString::fromLatin1(letters[i]));
        taken.push_back(box);
    }
    p.restore();
}

/// The name beside its mark: to the right, to the left, above or below,
/// wherever it covers no mark and no name already placed (`taken`) and
/// stays in the area; left out where there is none.
void drawName(QPainter& p, const Layout& l, const QRectF& area, const sight::Visible& b,
              QPointF at, const QColor& ink, bool ringed, std::vector<QRectF>& taken)
{
    const QString name = text(std::string(b.body.name));
    QFont font = p.font();
    font.setBold(ringed);
    const double w = QFontMetricsF(font, p.device()).horizontalAdvance(name), h = l.unit * 0.9,
                 r = (ringed ? ringRadius(l, b, true) - l.unit * 0.1 : markRadius(l, b)) + l.unit * 0.2;
    const QRectF places[] = {{at.x() + r, at.y() - h / 2, w, h},           {at.x() - r - w, at.y() - h / 2, w, h},
                             {at.x() - w / 2, at.y() - r - h, w, h},       {at.x() - w / 2, at.y() + r, w, h},
                             {at.x() + r * 0.7, at.y() - r * 0.7 - h, w, h}, {at.x() + r * 0.7, at.y() + r * 0.7, w, h},
                             {at.x() - r * 0.7 - w, at.y() - r * 0.7 - h, w, h},
                             {at.x() - r * 0.7 - w, at.y() + r * 0.7, w, h}};
    // A name across the horizon's circle could not be read.
    const auto acrossHorizon = [&](const QRectF& box) {
        const QPointF near(std::clamp(l.centre.x(), box.left(), box.right()),
                           std::clamp(l.centre.y(), box.top(), box.bottom()));
        double far = 0;
        for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            far = std::max(far, std::hypot(corner.x() - l.centre.x(), corner.y() - l.centre.y()));
        return std::hypot(near.x() - l.centre.x(), near.y() - l.centre.y()) < l.radius + l.line && far > l.radius - l.line;
    };
    for (const QRectF& box : places) {
        if (!area.contains(box) || acrossHorizon(box)
            || std::any_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(box); }))
            continue;
        taken.push_back(box);
        p.save();
        p.setFont(font);
        p.setPen(ink);
        p.drawText(box, Qt::AlignCenter, name);
        p.restore();
        return;
    }
}

void drawLegend(QPainter& p, const Layout& l)
{
    const almanac::Body star{almanac::BodyKind::star, "star"}, planet{almanac::BodyKind::planet, "planet"},
        sun{almanac::BodyKind::sun, "Sun"}, moon{almanac::BodyKind::moon, "Moon"};
    for (const LegendItem& item : l.items) {
        const QPointF at = item.box.center();
        switch (item.sample) {
        case Sample::star: drawMark(p, l, {star, 0, 0, 1.0}, at, false); break;
        case Sample::planet: drawMark(p, l, {planet, 0, 0, 1.0}, at, false); break;
        case Sample::sun: drawMark(p, l, {sun, 0, 0, {}}, at, false); break;
        case Sample::moon: drawMark(p, l, {moon, 0, 0, {}}, at, false); break;
        case Sample::outside: drawMark(p, l, {star, 0, 0, 1.0}, at, true); break;
        case Sample::suggested: {
            const sight::Visible b{star, 0, 0, 1.0};
            drawMark(p, l, b, at, false);
            p.setPen(QPen(suggestedInk(), l.line * 2));
            p.drawEllipse(at, ringRadius(l, b, false), ringRadius(l, b, false));
            break;
        }
        }
        p.setPen(toolkit::ink(Qt::black));
        p.drawText(QRectF(item.box.right() + l.unit * 0.3, item.box.top(), l.unit * 40, item.box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
}

}  // namespace

QString magnitudeText(const sight::Visible& b)
{
    return b.mag ? QString::number(*b.mag, 'f', 1) : QString();
}

QString bodyFacts(const sight::Visible& b)
{
    QString facts = QStringLiteral("%1: Hc %2, Zn %3")
                        .arg(text(std::string(b.body.name)), text(navtext::navAltitudeText(b.hc, false)),
                             text(navtext::navCircleText(b.zn, false)));
    if (b.mag)
        facts += tr(", magnitude %1").arg(magnitudeText(b));
    return facts;
}

void SkyChart::paint(QPainter& p, const QRectF& area, const SkyChartContent& c, int selected)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm = metricsOf(p);
    const Layout l = layoutOf(area, c, fm);
    p.fillRect(area, toolkit::ink(Qt::white));
    if (!c.caption.isEmpty()) {
        p.setPen(toolkit::ink(Qt::black));
        p.drawText(l.caption, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, c.caption);
    }
    if (l.radius < l.unit) {
        p.restore();
        return;
    }
    std::vector<QRectF> marks;
    for (const sight::Visible& b : c.bodies) {
        const QPointF at = l.at(b.hc, b.zn);
        const double r = markRadius(l, b);
        marks.emplace_back(at.x() - r, at.y() - r, 2 * r, 2 * r);
    }
    std::vector<QRectF> taken{l.legend};
    drawGrid(p, l, c, marks, taken);
    taken.insert(taken.end(), marks.begin(), marks.end());

    // The suggested bodies joined to the zenith: their spread at a glance.
    p.setPen(QPen(QColor(suggestedInk().red(), suggestedInk().green(), suggestedInk().blue(), 140), l.line * 1.5));
    for (size_t i : c.suggested)
        if (i < c.bodies.size())
            p.drawLine(l.centre, l.at(c.bodies[i].hc, c.bodies[i].zn));

    // Grey marks beneath, the brightest on top.
    std::vector<size_t> order;
    for (size_t i = c.bodies.size(); i-- > 0;)
        if (!inBand(c, i))
            order.push_back(i);
    for (size_t i = c.bodies.size(); i-- > 0;)
        if (inBand(c, i))
            order.push_back(i);
    for (size_t i : order)
        drawMark(p, l, c.bodies[i], l.at(c.bodies[i].hc, c.bodies[i].zn), !inBand(c, i));
    for (size_t i : c.suggested) {
        if (i >= c.bodies.size())
            continue;
        const double r = ringRadius(l, c.bodies[i], false);
        p.setPen(QPen(suggestedInk(), l.line * 2));
        p.drawEllipse(l.at(c.bodies[i].hc, c.bodies[i].zn), r, r);
    }
    if (selected >= 0 && size_t(selected) < c.bodies.size()) {
        const sight::Visible& b = c.bodies[size_t(selected)];
        const double r = ringRadius(l, b, true);
        p.setPen(QPen(selectedInk(), l.line * 2));
        p.drawEllipse(l.at(b.hc, b.zn), r, r);
    }

    // The names: the selected and the suggested first, the Sun and the Moon,
    // then the rest in the band brightest first, then the grey ones.
    std::vector<size_t> naming;
    if (selected >= 0 && size_t(selected) < c.bodies.size())
        naming.push_back(size_t(selected));
    for (size_t i : c.suggested)
        naming.push_back(i);
    for (size_t i = 0; i < c.bodies.size(); ++i)
        if (!c.bodies[i].mag)
            naming.push_back(i);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < c.bodies.size(); ++i)
            if (inBand(c, i) == (pass == 0))
                naming.push_back(i);
    std::vector<bool> named(c.bodies.size());
    for (size_t i : naming) {
        if (i >= c.bodies.size() || named[i])
            continue;
        named[i] = true;
        const sight::Visible& b = c.bodies[i];
        const bool suggested = isSuggested(c, i);
        const QColor ink = int(i) == selected ? selectedInk()
                           : suggested       ? suggestedInk().darker(130)
                           : inBand(c, i)    ? toolkit::ink(QColor(30, 30, 30))
                                             : greyInk().darker(115);
        drawName(p, l, area, b, l.at(b.hc, b.zn), ink, suggested || int(i) == selected, taken);
    }
    drawLegend(p, l);
    p.restore();
}

QPointF SkyChart::pointOf(const QRectF& area, const SkyChartContent& c, double hc, double zn)
{
    return layoutOf(area, c, QFontMetricsF(QFont())).at(hc, zn);
}

SkyChart::SkyChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("Sky chart"));
}

void SkyChart::setContent(SkyChartContent c)
{
    const std::string_view was = selected_ >= 0 ? content_.bodies[size_t(selected_)].body.name : std::string_view();
    content_ = std::move(c);
    int keep = -1;
    for (size_t i = 0; i < content_.bodies.size(); ++i)
        if (!was.empty() && content_.bodies[i].body.name == was)
            keep = int(i);
    select(keep);
}

void SkyChart::select(int body)
{
    body = body >= 0 && size_t(body) < content_.bodies.size() ? body : -1;
    selected_ = body;
    setAccessibleDescription(body >= 0 ? bodyFacts(content_.bodies[size_t(body)]) : QString());
    update();
}

QSize SkyChart::sizeHint() const { return QSize(fontMetrics().height() * 26, fontMetrics().height() * 26); }
QSize SkyChart::minimumSizeHint() const { return QSize(fontMetrics().height() * 14, fontMetrics().height() * 14); }

int SkyChart::bodyAt(QPointF at) const
{
    const Layout l = layoutOf(QRectF(rect()), content_, QFontMetricsF(font()));
    int best = -1;
    double nearest = 0;
    for (size_t i = 0; i < content_.bodies.size(); ++i) {
        const sight::Visible& b = content_.bodies[i];
        const QPointF d = at - l.at(b.hc, b.zn);
        const double off = std::hypot(d.x(), d.y());
        if (off <= std::max(markRadius(l, b) + 3, l.unit * 0.5) && (best < 0 || off < nearest))
            best = int(i), nearest = off;
    }
    return best;
}

int SkyChart::nextToward(QPointF direction) const
{
    if (content_.bodies.empty())
        return -1;
    if (selected_ < 0)
        return 0;
    const Layout l = layoutOf(QRectF(rect()), content_, QFontMetricsF(font()));
    const sight::Visible& from = content_.bodies[size_t(selected_)];
    const QPointF o = l.at(from.hc, from.zn);
    // Ahead of the selected body, the nearest with the least drift sideways.
    int best = -1;
    double cost = 0;
    for (size_t i = 0; i < content_.bodies.size(); ++i) {
        if (int(i) == selected_)
            continue;
        const QPointF d = l.at(content_.bodies[i].hc, content_.bodies[i].zn) - o;
        const double ahead = d.x() * direction.x() + d.y() * direction.y();
        const double aside = std::abs(d.x() * direction.y() - d.y() * direction.x());
        if (ahead <= 0 || aside > 2 * ahead)
            continue;
        if (best < 0 || ahead + 2 * aside < cost)
            best = int(i), cost = ahead + 2 * aside;
    }
    return best < 0 ? selected_ : best;
}

bool SkyChart::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const int body = bodyAt(h->pos());
        if (body < 0) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QString tip = bodyFacts(content_.bodies[size_t(body)]);
            if (isSuggested(content_, size_t(body)))
                tip += u'\n' + tr("Suggested: well spread in azimuth");
            else if (!inBand(content_, size_t(body)))
                tip += u'\n' + tr("Outside the altitudes chosen");
            QToolTip::showText(h->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(e);
}

void SkyChart::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    paint(p, QRectF(rect()), content_, selected_);
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(1, 1, -1, -1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, o);
    }
}

void SkyChart::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    const int body = bodyAt(e->position());
    if (body >= 0 && body != selected_) {
        select(body);
        emit selectionChanged(body);
    }
}

void SkyChart::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int body = bodyAt(e->position());
    if (body < 0)
        return;
    if (body != selected_) {
        select(body);
        emit selectionChanged(body);
    }
    emit chosen(body);
}

void SkyChart::keyPressEvent(QKeyEvent* e)
{
    QPointF direction;
    switch (e->key()) {
    case Qt::Key_Left: direction = {-1, 0}; break;
    case Qt::Key_Right: direction = {1, 0}; break;
    case Qt::Key_Up: direction = {0, -1}; break;
    case Qt::Key_Down: direction = {0, 1}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected_ >= 0)
            emit chosen(selected_);
        e->accept();
        return;
    default: QWidget::keyPressEvent(e); return;
    }
    const int next = nextToward(direction);
    if (next != selected_) {
        select(next);
        emit selectionChanged(next);
    }
}

}  // namespace morvel::sightwin
