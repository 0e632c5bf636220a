#include "toolkit/palette.h"

#include "toolkit/controls.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSettings>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace morvel::toolkit {

namespace {

const QString choiceKey = QStringLiteral("view/palette");
const QString dimmingKey = QStringLiteral("view/dimming");

/// The share of full brightness at each step of dimming.
constexpr std::array<double, Palettes::steps> brightness = {1.0, 0.75, 0.55, 0.4, 0.3};

/// The reddest a night colour gets at full brightness; the eye adapted to
/// the dark reads it well, and it lights the chart table less than full red.
constexpr double nightRed = 220;

/// Qt's palette as the program found it, before any palette was put in
/// force: the day palette of the widgets.
QPalette& dayWidgets()
{
    static QPalette day = QApplication::palette();
    return day;
}

QColor nightOf(const QColor& day, double bright)
{
    const double lum = (0.299 * day.redF() + 0.587 * day.greenF() + 0.114 * day.blueF());
    QColor c(int(std::lround((1 - lum) * nightRed * bright)), 0, 0);
    c.setAlpha(day.alpha());
    return c;
}

QColor duskOf(const QColor& day, double bright)
{
    const QColor hsl = day.toHsl();
    const double light = (30 + (255 - hsl.lightness()) * 0.65) * bright;
    QColor c = QColor::fromHsl(std::max(hsl.hslHue(), 0), hsl.hslSaturation() / 2, int(std::lround(light)));
    c.setAlpha(day.alpha());
    return c;
}

/// The mouse pointer at night: a red arrow, outlined in black.
QCursor redArrow()
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pm(QSize(16, 24) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 19);
    arrow.lineTo(6, 14);
    arrow.lineTo(10, 22);
    arrow.lineTo(13, 21);
    arrow.lineTo(9, 13);
    arrow.lineTo(15, 13);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(nightOf(Qt::black, brightness[size_t(Palettes::instance().dimming())]));
    p.drawPath(arrow);
    p.end();
    return QCursor(pm, 1, 1);
}

/// Gives each window the pointer of the palette in force as it is shown.
class PointerKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::Show) {
            auto* w = qobject_cast<QWidget*>(obj);
            if (w && w->isWindow())
                pointer(*w);
        }
        return false;
    }

public:
    static void pointer(QWidget& w)
    {
        // Only the pointer given here is taken back.
        static const char* given = "morvelNightPointer";
        if (Palettes::instance().scheme() == Scheme::night) {
            w.setCursor(redArrow());
            w.setProperty(given, true);
        } else if (w.property(given).toBool()) {
            w.unsetCursor();
            w.setProperty(given, false);
        }
    }
};

}  // namespace

Scheme schemeForSun(double altitudeDegrees)
{
    if (altitudeDegrees < -6)
        return Scheme::night;
    if (altitudeDegrees <= 6)
        return Scheme::dusk;
    return Scheme::day;
}

Palettes& Palettes::instance()
{
    static Palettes* p = new Palettes;
    return *p;
}

Palettes::Palettes()
{
    dayWidgets();
    qApp->installEventFilter(new PointerKeeper(this));
    // The Sun moves on: automatic looks again every minute.
    clock_ = new QTimer(this);
    clock_->setInterval(60 * 1000);
    connect(clock_, &QTimer::timeout, this, &Palettes::follow);
}

QString Palettes::key(PaletteChoice c)
{
    switch (c) {
    case PaletteChoice::day: return QStringLiteral("day");
    case PaletteChoice::dusk: return QStringLiteral("dusk");
    case PaletteChoice::night: return QStringLiteral("night");
    case PaletteChoice::automatic: return QStringLiteral("automatic");
    }
    return {};
}

void Palettes::restore()
{
    const QSettings s(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
    const QString named = s.value(choiceKey).toString();
    choice_ = PaletteChoice::day;
    for (PaletteChoice c : {PaletteChoice::dusk, PaletteChoice::night, PaletteChoice::automatic})
        if (named == key(c))
            choice_ = c;
    dimming_ = std::clamp(s.value(dimmingKey, 0).toInt(), 0, steps - 1);
    resolve();
    apply();
}

void Palettes::remember() const
{
    QSettings s(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
    s.setValue(choiceKey, key(choice_));
    s.setValue(dimmingKey, dimming_);
}

void Palettes::choose(PaletteChoice c)
{
    choice_ = c;
    remember();
    resolve();
    apply();
}

void Palettes::cycle()
{
    choose(PaletteChoice((int(choice_) + 1) % 4));
}

void Palettes::dim()
{
    dimming_ = std::min(dimming_ + 1, steps - 1);
    remember();
    apply();
}

void Palettes::brighten()
{
    dimming_ = std::max(dimming_ - 1, 0);
    remember();
    apply();
}

void Palettes::follow()
{
    if (resolve())
        apply();
}

bool Palettes::resolve()
{
    Scheme s = Scheme(int(choice_));
    if (choice_ != PaletteChoice::automatic)
        clock_->stop();
    else if (!clock_->isActive())
        clock_->start();
    if (choice_ == PaletteChoice::automatic) {
        const std::optional<double> sun = sunAltitude ? sunAltitude() : std::nullopt;
        s = sun ? schemeForSun(*sun) : Scheme::day;
    }
    const bool moved = s != scheme_;
    scheme_ = s;
    return moved;
}

void Palettes::apply()
{
    const QPalette widgets = widgetPalette();
    QApplication::setPalette(widgets);
    QToolTip::setPalette(widgets);
    // Every widget takes it now, not at the next turn of the event loop:
    // a page printed by day is drawn before that.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* host = dynamic_cast<ControlHost*>(w))
            host->recolour();
        if (w->isWindow() && w->isVisible())
            PointerKeeper::pointer(*w);
        w->update();
    }
    emit changed();
}

QColor ink(const QColor& day)
{
    const Palettes& p = Palettes::instance();
    const double bright = brightness[size_t(p.dimming_)];
    if (p.printing_)
        return day;
    switch (p.scheme_) {
    case Scheme::day: return day;
    case Scheme::dusk: return duskOf(day, bright);
    case Scheme::night: return nightOf(day, bright);
    }
    return day;
}

QPalette widgetPalette()
{
    const Palettes& p = Palettes::instance();
    const QPalette& day = dayWidgets();
    if (p.printing_ || p.scheme_ == Scheme::day)
        return day;
    QPalette pal = day;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            pal.setColor(group, role, ink(day.color(group, role)));
        }
    // The selection a solid band under text as bright as the rest: a
    // middle red (a muted blue by dusk) under black (pale) text.
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = QPalette::ColorGroup(g);
        pal.setColor(group, QPalette::Highlight,
                     p.scheme_ == Scheme::night ? ink(QColor(110, 110, 110)) : ink(day.color(group, QPalette::Highlight)));
        pal.setColor(group, QPalette::HighlightedText, ink(p.scheme_ == Scheme::night ? Qt::white : Qt::black));
    }
    return pal;
}

void drawInPalette(QPainter* p, const QRect& rect, const std::function<void(QPainter*)>& draw)
{
    // One layer for the outermost drawing: the style draws a button's
    // face and label through itself.
    static int depth = 0;
    if (depth > 0 || Palettes::instance().scheme() != Scheme::night || Palettes::instance().printing_ ||
        !p->device() || rect.isEmpty()) {
        draw(p);
        return;
    }
    // A focus frame and a shadow may reach a little past the rectangle.
    const QRect r = rect.adjusted(-3, -3, 3, 3);
    const qreal ratio = p->device()->devicePixelRatio();
    QImage layer((QSizeF(r.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(p->renderHints());
        lp.setFont(p->font());
        lp.setPen(p->pen());
        lp.setBrush(p->brush());
        lp.setBackground(p->background());
        lp.setLayoutDirection(p->layoutDirection());
        lp.translate(-r.topLeft());
        ++depth;
        draw(&lp);
        --depth;
    }
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(std::max({qRed(c), qGreen(c), qBlue(c)}), 0, 0, qAlpha(c));
        }
    }
    p->drawImage(r.topLeft(), layer);
}

PrintingByDay::PrintingByDay() : was_(Palettes::instance().printing_)
{
    Palettes& p = Palettes::instance();
    p.printing_ = true;
    if (!was_ && p.scheme_ != Scheme::day)
        p.apply();
}

PrintingByDay::~PrintingByDay()
{
    Palettes& p = Palettes::instance();
    p.printing_ = was_;
    if (!was_ && p.scheme_ != Scheme::day)
        p.apply();
}

}  // namespace morvel::toolkit
