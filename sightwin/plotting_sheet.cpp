#include "sightwin/plotting_sheet.h"

#include "navtext/navtext.h"
#include "sight/plot.h"
#include "sight/utc.h"
#include "sightwin/sheet_layout.h"
#include "sightwin/texts.h"

#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

namespace {

/// One notch of the wheel, or one press of + or -.
constexpr double zoomStep = 1.25;

}  // namespace

bool SheetContent::hasDr() const { return finite(drLat, drLon); }

SheetContent sheetOf(const std::vector<sight::Sight>& sights, const sight::Fix& fix, const std::vector<QString>& times,
                     const std::vector<const sight::Reduction*>& reductions)
{
    SheetContent c;
    if (sights.empty())
        return c;
    const auto timeOf = [&](size_t i) { return i < times.size() ? times[i] : QString(); };
    const auto withTime = [](QString s, const QString& time) { return time.isEmpty() ? s : s + ' ' + time; };
    const size_t lastIndex = sight::lastOf(sights);
    const sight::Sight& last = sights[lastIndex];
    c.drLat = last.drLat;
    c.drLon = last.drLon;
    c.drLabel = withTime(QStringLiteral("DR"), timeOf(lastIndex));
    const bool worked = reductions.size() == sights.size();
    std::vector<size_t> carried;
    for (const sight::PlotLine& pl : sight::linesOfPosition(sights, fix, reductions)) {
        const sight::Sight& s = sights[pl.sight];
        sight::Reduction own;
        const sight::Reduction& r = worked ? *reductions[pl.sight] : (own = sight::reduce(s));
        const QString body = text(std::string(s.body.name)), time = timeOf(pl.sight);
        SheetLine line{pl.lat, pl.lon, pl.zn, pl.carried, withTime(body, time), {}};
        QStringList tip{time.isEmpty() ? body : body + QStringLiteral(", ") + time};
        tip << QStringLiteral("Hs %1").arg(text(navtext::navAltitudeText(s.hs, false)));
        if (r.ok()) {
            tip << QStringLiteral("Ho %1").arg(text(navtext::navAltitudeText(r.corrections.ho, false)))
                << QStringLiteral("Hc %1").arg(text(navtext::navAltitudeText(r.hc, false)))
                << QStringLiteral("Zn %1").arg(text(navtext::navCircleText(r.zn, false)))
                << (r.intercept >= 0 ? tr("Intercept %1 nm toward") : tr("Intercept %1 nm away"))
                       .arg(text(navtext::milesText(navtext::tenths(std::abs(r.intercept)))));
        }
        if (pl.carried && std::isfinite(pl.run.miles) && std::isfinite(pl.run.course)) {
            // The run between the DRs moved the line to the time of the fix.
            const QString miles = text(navtext::nmText(pl.run.miles)),
                          course = text(navtext::navCourseText(pl.run.course));
            line.label += ' ' + tr("advanced %1 nm %2").arg(miles, course);
            line.takenLat = pl.takenLat;
            line.takenLon = pl.takenLon;
            line.takenLabel = withTime(body, time);
            tip << tr("Advanced %1 nm %2 to the time of the fix").arg(miles, course);
            carried.push_back(pl.sight);
        }
        line.tooltip = tip.join('\n');
        c.lines.push_back(line);
    }
    // The DRs the carried lines were taken at, earliest first, each once.
    std::stable_sort(carried.begin(), carried.end(),
                     [&](size_t a, size_t b) { return sights[a].when.jdUT1() < sights[b].when.jdUT1(); });
    for (size_t i : carried) {
        const sight::Sight& s = sights[i];
        if (c.track.empty() || c.track.back().lat != s.drLat || c.track.back().lon != s.drLon)
            c.track.push_back({s.drLat, s.drLon, withTime(QStringLiteral("DR"), timeOf(i)), s.when.jdTT()});
    }
    if (fix.found()) {
        c.fix = std::pair(fix.lat, fix.lon);
        c.ellipse = fix.ellipse;
        c.fixLabel = withTime(carried.empty() ? tr("Fix") : tr("Running fix"), timeOf(fix.last));
    }
    return c;
}

SheetContent sheetOf(const sightlog::Logbook& book, const sightlog::Worked& worked)
{
    std::vector<QString> times;
    times.reserve(worked.rowOf.size());
    for (size_t row : worked.rowOf)
        times.push_back(text(sightlog::minuteShown(worked.rows[row])));
    SheetContent c = sheetOf(worked.sights, worked.fix, times, worked.reductions());
    const sightlog::DrRead& dr = worked.dr;
    if (!c.hasDr() && dr.ok()) {
        c.drLat = dr.dr.lat;
        c.drLon = dr.dr.lon;
        c.drLabel = QStringLiteral("DR");
        if (const QString time = text(sightlog::drMinuteShown(book, dr)); !time.isEmpty())
            c.drLabel += ' ' + time;
    }
    if (!c.hasDr() || !dr.ok() || !dr.track)
        return c;
    const auto legText = [](const reckoning::Leg& l) {
        return QStringLiteral("%1, %2 kn").arg(text(navtext::navCourseText(l.course)), text(navtext::nmText(l.speed)));
    };
    // Where the course was altered between the first DR of the track and
    // the last sight's, in the order of time.
    const std::vector<reckoning::Leg>& legs = dr.track->legs();
    const double lastHours = worked.sights.empty()
                                 ? 0
                                 : (worked.sights[sight::lastOf(worked.sights)].when.jdTT() - dr.at.jdTT()) * 24;
    if (!c.track.empty())
        for (size_t i = 1; i < legs.size(); ++i) {
            const double jd = dr.at.jdTT() + legs[i].from / 24;
            if (!(jd > c.track.front().jd) || !(legs[i].from < lastHours))
                continue;
            const reckoning::Place p = dr.runTo(legs[i].from);
            QString label = QStringLiteral("DR");
            std::string error;
            if (const auto start = sight::UtcTime::parse(book.dr.time, error))
                if (const QString time =
                        text(sightlog::minuteShownAt(book, dr, start->plus(legs[i].from * 3600).text()));
                    !time.isEmpty())
                    label += ' ' + time;
            const auto at = std::find_if(c.track.begin(), c.track.end(), [&](const SheetMark& m) { return m.jd > jd; });
            c.track.insert(at, {p.lat, p.lon, label + QStringLiteral(", ") + legText(legs[i]), jd, true});
        }
    // With the current carried on the sights' DRs are EPs, and so named.
    if (dr.current && !worked.sights.empty()) {
        const auto ep = [](QString& label) {
            if (label.startsWith(QStringLiteral("DR")))
                label.replace(0, 2, QStringLiteral("EP"));
        };
        ep(c.drLabel);
        for (SheetMark& m : c.track)
            ep(m.label);
    }
    // The leg in force at the DR's time.
    const reckoning::Leg* now = &legs.front();
    for (const reckoning::Leg& l : legs)
        if (l.from <= lastHours)
            now = &l;
    if (now->speed > 0 && std::isfinite(now->course)) {
        c.course = now->course;
        c.courseLabel = tr("Course %1").arg(legText(*now));
    }
    return c;
}

// ---- the widget ------------------------------------------------------------

PlottingSheet::PlottingSheet(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setWhatsThis(tr("The plotting sheet: the DR and its track, the lines of position and the fix. "
                    "The mouse wheel, + and - zoom (about the pointer), dragging or the arrow keys pan, "
                    "Home or 0 fits the sheet to the DR, the lines and the fix again; "
                    "the view stays where you put it while you edit the log. "
                    "Hover a line for its sight."));
    const auto action = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    actZoomIn = action(tr("Zoom &In"), {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)},
                       [this] { zoomBy(zoomStep); });
    actZoomOut = action(tr("Zoom &Out"), {QKeySequence(Qt::Key_Minus)}, [this] { zoomBy(1 / zoomStep); });
    actFit = action(tr("&Fit to the DR, Lines and Fix"), {QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_0)},
                    &PlottingSheet::fitView);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PlottingSheet::setContent(SheetContent c)
{
    content_ = std::move(c);
    update();
}

void PlottingSheet::fitView()
{
    view_ = SheetView{};
    update();
}

QSize PlottingSheet::sizeHint() const { return QSize(fontMetrics().height() * 30, fontMetrics().height() * 30); }
QSize PlottingSheet::minimumSizeHint() const
{
    return QSize(fontMetrics().height() * 12, fontMetrics().height() * 12);
}

namespace {

SheetLayout layoutIn(const QWidget& w, const SheetContent& c, const SheetView& v)
{
    return layoutOf(QRectF(w.rect()), c, v, QFontMetricsF(w.font()));
}

}  // namespace

void PlottingSheet::zoomBy(double factor, std::optional<QPointF> at)
{
    const SheetLayout l = layoutIn(*this, content_, view_);
    if (!content_.hasDr() || !l.drawable())
        return;
    view_ = l.zoomed(factor, at.value_or(l.frame.center()));
    update();
}

void PlottingSheet::panBy(QPointF by)
{
    const SheetLayout l = layoutIn(*this, content_, view_);
    if (!content_.hasDr() || !l.drawable())
        return;
    view_ = l.panned(by);
    update();
}

QString PlottingSheet::lineAt(QPointF at) const
{
    const SheetLayout l = layoutIn(*this, content_, view_);
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
        // A line's sight, or off the lines how to move about the sheet.
        auto* h = static_cast<QHelpEvent*>(e);
        QString tip = lineAt(h->pos());
        if (tip.isEmpty() && content_.hasDr())
            tip = tr("Wheel or + and - zoom, drag pans, Home fits");
        QToolTip::showText(h->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(e);
}

void PlottingSheet::wheelEvent(QWheelEvent* e)
{
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0) {
        e->ignore();
        return;
    }
    zoomBy(std::pow(zoomStep, notches), e->position());
    e->accept();
}

void PlottingSheet::keyPressEvent(QKeyEvent* e)
{
    // The arrows move the view an eighth of the sheet that way.
    const double step = std::min(width(), height()) / 8.0;
    const QPointF by = e->key() == Qt::Key_Left    ? QPointF(step, 0)
                       : e->key() == Qt::Key_Right ? QPointF(-step, 0)
                       : e->key() == Qt::Key_Up    ? QPointF(0, step)
                       : e->key() == Qt::Key_Down  ? QPointF(0, -step)
                                                   : QPointF();
    if (by.isNull() || e->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(e);
        return;
    }
    panBy(by);
}

void PlottingSheet::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    dragFrom_ = e->position();
    setCursor(Qt::ClosedHandCursor);
}

void PlottingSheet::mouseMoveEvent(QMouseEvent* e)
{
    if (!dragFrom_ || !(e->buttons() & Qt::LeftButton))
        return;
    panBy(e->position() - *dragFrom_);
    dragFrom_ = e->position();
}

void PlottingSheet::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && dragFrom_) {
        dragFrom_.reset();
        setCursor(Qt::OpenHandCursor);
    }
}

void PlottingSheet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, QRectF(rect()), content_, view_);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

}  // namespace morvel::sightwin
