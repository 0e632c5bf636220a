#include "toolkit/controls.h"

#include "toolkit/language.h"
#include "toolkit/palette.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace morvel::toolkit {

namespace {

int px(double twips) { return int(std::lround(twips / twipsPerPixel)); }

/// "&Latitude, deg" as rich text with the access key underlined; "&&" is a
/// literal ampersand.
QString mnemonicHtml(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar c = caption[i];
        if (c == u'&' && i + 1 < caption.size()) {
            QChar n = caption[++i];
            out += n == u'&' ? QStringLiteral("&amp;") : QStringLiteral("<u>") + QString(n).toHtmlEscaped() + QStringLiteral("</u>");
        } else {
            out += QString(c).toHtmlEscaped();
        }
    }
    return out;
}

void setColors(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole foreRole, VbColor back, VbColor fore)
{
    QPalette pal = w->palette();
    pal.setColor(backRole, shown(back));
    pal.setColor(foreRole, shown(fore));
    w->setPalette(pal);
}

/// A push button whose caption wraps onto more lines when it does not fit,
/// as "Sin&gle Step/ Stop Auto" does on a narrow button.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const QString caption = opt.text;
        opt.text.clear();
        p.drawControl(QStyle::CE_PushButton, opt);
        QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this).adjusted(1, 0, -1, 0);
        int flags = Qt::AlignCenter | Qt::TextWordWrap;
        flags |= style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(r, flags, caption);
    }
};

}  // namespace

// ---- Control ----

Control::Control(ControlHost& form, Control* container, QString name, int index)
    : form_(form), container_(container), name_(std::move(name)), index_(index)
{
}

Control::~Control() = default;

QString Control::qualifiedName() const
{
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

QWidget* Control::parentWidget() const
{
    if (container_ && container_->widget())
        return container_->widget();
    return &form_;
}

void Control::attach(QWidget* w)
{
    w_ = w;
    geometryChanged();
    w->setVisible(visible_);
    w->setEnabled(enabled_);
    colorsChanged();
    w->setFocusPolicy(focusable() ? (tabStop_ ? Qt::StrongFocus : Qt::ClickFocus) : Qt::NoFocus);
}

void Control::setLeft(double v) { left_ = v; geometryChanged(); }
void Control::setTop(double v) { top_ = v; geometryChanged(); }
void Control::setWidth(double v) { width_ = v; geometryChanged(); }

void Control::move(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    geometryChanged();
}

void place(Control& c, double left, double top, double width, double height, int tabIndex)
{
    c.move(left, top, width, height);
    c.setTabIndex(tabIndex);
}

void Control::geometryChanged()
{
    if (w_)
        w_->setGeometry(px(left_), px(top_), px(width_), px(height_));
}

void Control::setVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    visibilityChanged();
}

void Control::visibilityChanged()
{
    if (w_)
        w_->setVisible(visible_);
}

bool Control::showing() const
{
    for (const Control* c = this; c; c = c->container())
        if (!c->visible())
            return false;
    return form_.isVisible();
}

void Control::setEnabled(bool v)
{
    enabled_ = v;
    if (w_)
        w_->setEnabled(v);
}

void Control::setBackColor(VbColor c)
{
    back_ = c;
    colorsChanged();
}

void Control::setForeColor(VbColor c)
{
    fore_ = c;
    colorsChanged();
}

void Control::colorsChanged() {}

void Control::recolour() { colorsChanged(); }

void Control::setTabStop(bool v)
{
    tabStop_ = v;
    if (w_ && focusable())
        w_->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::setFocus()
{
    if (w_ && focusable())
        w_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const
{
    return w_ && form_.focusWidget() == w_;
}

QVariant Control::property(const QString& prop) const
{
    if (prop == u"Left") return left_;
    if (prop == u"Top") return top_;
    if (prop == u"Width") return width_;
    if (prop == u"Height") return height_;
    if (prop == u"Visible") return visible_;
    if (prop == u"Enabled") return enabled_;
    if (prop == u"BackColor") return QVariant::fromValue(back_);
    if (prop == u"ForeColor") return QVariant::fromValue(fore_);
    if (prop == u"TabIndex") return tabIndex_;
    if (prop == u"TabStop") return tabStop_;
    return {};
}

// ---- CaptionedControl ----

void CaptionedControl::setCaption(const QString& text)
{
    caption_ = text;
    captionChanged();
}

QString CaptionedControl::shownCaption() const { return shown(caption_); }

QChar CaptionedControl::accessKey() const
{
    // The letter underlined in the language shown.
    const QString c = shownCaption();
    for (qsizetype i = 0; i + 1 < c.size(); ++i) {
        if (c[i] != u'&')
            continue;
        if (c[i + 1] == u'&') {
            ++i;
            continue;
        }
        return c[i + 1].toUpper();
    }
    return {};
}

QVariant CaptionedControl::property(const QString& prop) const
{
    if (prop == u"Caption" || prop == u"Text")
        return caption_;
    return Control::property(prop);
}

// ---- Label ----

Label::Label(ControlHost& form, Control* container, QString name, int index)
    : CaptionedControl(form, container, std::move(name), index), label_(new QLabel(parentWidget()))
{
    label_->setAutoFillBackground(true);
    label_->setTextFormat(Qt::RichText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
    setBackColor(form.backColor());
    attach(label_);
}

QWidget* Label::widget() const { return label_; }

void Label::captionChanged() { label_->setText(mnemonicHtml(shownCaption())); }

void Label::colorsChanged()
{
    setColors(label_, QPalette::Window, QPalette::WindowText, backColor(), foreColor());
}

Control* Label::buddy() const
{
    if (buddy_)
        return buddy_;
    // The next control after this label in tab order that can take the focus.
    auto order = form().tabOrder(false);
    for (Control* c : order)
        if (c->tabIndex() > tabIndex() && c->showing() && c->enabled())
            return c;
    for (Control* c : order)
        if (c->showing() && c->enabled())
            return c;
    return nullptr;
}

void Label::activateAccessKey()
{
    if (Control* b = buddy())
        b->setFocus();
}

// ---- TextBox ----

TextBox::TextBox(ControlHost& form, Control* container, QString name, int index)
    : Control(form, container, std::move(name), index), edit_(new QLineEdit(parentWidget()))
{
    attach(edit_);
}

QWidget* TextBox::widget() const { return edit_; }
QString TextBox::text() const { return edit_->text(); }
void TextBox::setText(const QString& t) { edit_->setText(t); }

void TextBox::focusAndSelect()
{
    setFocus();
    edit_->selectAll();
}

void TextBox::colorsChanged()
{
    setColors(edit_, QPalette::Base, QPalette::Text, backColor(), foreColor());
}

QVariant TextBox::property(const QString& prop) const
{
    if (prop == u"Text")
        return text();
    if (prop == u"SelText")
        return edit_->selectedText();
    return Control::property(prop);
}

// ---- Buttons ----

ButtonControl::ButtonControl(ControlHost& form, Control* container, QString name, int index)
    : CaptionedControl(form, container, std::move(name), index)
{
}

void ButtonControl::adopt(QAbstractButton* b)
{
    button_ = b;
    attach(b);
}

QWidget* ButtonControl::widget() const { return button_; }

void ButtonControl::captionChanged()
{
    button_->setText(shownCaption());
    // Access keys are routed by the window (Form::accessKey), not by Qt's
    // own mnemonic shortcuts, so that one path serves users and tests.
    button_->setShortcut(QKeySequence());
}

void ButtonControl::colorsChanged()
{
    setColors(button_, QPalette::Button, QPalette::ButtonText, backColor(), foreColor());
    setColors(button_, QPalette::Window, QPalette::WindowText, backColor(), foreColor());
}

void ButtonControl::click() { button_->click(); }

void ButtonControl::geometryChanged()
{
    Control::geometryChanged();
    if (!button_ || qobject_cast<QPushButton*>(button_))
        return;
    // A check box or option button laid out shorter than its indicator or
    // its line of text keeps its box's vertical centre and grows to show
    // them whole; no more, so that it does not cover the button below it.
    const bool option = qobject_cast<QRadioButton*>(button_);
    const int indicator = button_->style()->pixelMetric(
        option ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, button_);
    const int need = std::max(indicator, button_->fontMetrics().height());
    QRect g = button_->geometry();
    if (g.height() < need)
        button_->setGeometry(g.x(), g.center().y() - need / 2, g.width(), need);
}

void ButtonControl::activateAccessKey()
{
    setFocus();
    click();
}

CommandButton::CommandButton(ControlHost& form, Control* container, QString name, int index)
    : ButtonControl(form, container, std::move(name), index)
{
    auto* b = new WrappingButton(parentWidget());
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [this] {
        if (onClick)
            onClick();
    });
    adopt(b);
}

OptionButton::OptionButton(ControlHost& form, Control* container, QString name, int index)
    : ButtonControl(form, container, std::move(name), index)
{
    auto* b = new QRadioButton(parentWidget());
    b->setAutoExclusive(false);  // grouping is ours, so every button may be unselected
    b->setAutoFillBackground(true);
    QObject::connect(b, &QRadioButton::clicked, b, [this] {
        setValue(true);  // a user's click selects, never deselects
        if (onClick)
            onClick();
    });
    adopt(b);
}

bool OptionButton::value() const { return button_->isChecked(); }

void OptionButton::setValue(bool v)
{
    if (v)
        for (const auto& c : form().controls())
            if (auto* o = dynamic_cast<OptionButton*>(c.get()); o && o != this && o->container() == container())
                o->button_->setChecked(false);
    button_->setChecked(v);
}

void OptionButton::click() { button_->click(); }

QVariant OptionButton::property(const QString& prop) const
{
    if (prop == u"Value")
        return value();
    return ButtonControl::property(prop);
}

CheckBox::CheckBox(ControlHost& form, Control* container, QString name, int index)
    : ButtonControl(form, container, std::move(name), index)
{
    auto* b = new QCheckBox(parentWidget());
    b->setAutoFillBackground(true);
    // Click runs on every change of the value, by the user or by code.
    QObject::connect(b, &QCheckBox::toggled, b, [this] {
        if (onClick)
            onClick();
    });
    adopt(b);
}

int CheckBox::value() const { return button_->isChecked() ? 1 : 0; }
void CheckBox::setValue(int v) { button_->setChecked(v != 0); }
void CheckBox::click() { button_->click(); }

QVariant CheckBox::property(const QString& prop) const
{
    if (prop == u"Value")
        return value();
    return ButtonControl::property(prop);
}

// ---- Frame ----

Frame::Frame(ControlHost& form, Control* container, QString name, int index)
    : Control(form, container, std::move(name), index), box_(new QFrame(parentWidget()))
{
    box_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box_->setAutoFillBackground(true);
    attach(box_);
}

QWidget* Frame::widget() const { return box_; }

void Frame::colorsChanged()
{
    setColors(box_, QPalette::Window, QPalette::WindowText, backColor(), foreColor());
}

// ---- Painted items ----

PaintedItem::PaintedItem(ControlHost& form, QString name, int index)
    : Control(form, nullptr, std::move(name), index)
{
}

void PaintedItem::repaint() const { form().update(); }
void PaintedItem::geometryChanged() { repaint(); }
void PaintedItem::visibilityChanged() { repaint(); }
void PaintedItem::colorsChanged() { repaint(); }

void PaintedItem::setBorderColor(VbColor c)
{
    border_ = c;
    repaint();
}

Line::Line(ControlHost& form, Control*, QString name, int index) : PaintedItem(form, std::move(name), index) {}

void Line::setPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    repaint();
}

void Line::paint(QPainter& p) const
{
    if (!std::isfinite(x1_) || !std::isfinite(y1_) || !std::isfinite(x2_) || !std::isfinite(y2_))
        return;
    QPen pen(shown(borderColor()), 1);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const double k = 1 / twipsPerPixel;
    QLineF line(x1_ * k, y1_ * k, x2_ * k, y2_ * k);
    // A horizontal or vertical line is centred on the row or column of
    // device pixels its position falls in (on a pixel edge for an even
    // width), so that it shows as one sharp row rather than two faint ones.
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const bool oddWidth = std::lround(dpr) % 2 == 1;
    auto snap = [&](double v) {
        return oddWidth ? (std::floor(v * dpr) + 0.5) / dpr : std::round(v * dpr) / dpr;
    };
    constexpr double level = 1e-3;  // pixels
    if (std::abs(line.y2() - line.y1()) < level) {
        const double y = snap(line.y1());
        line.setLine(line.x1(), y, line.x2(), y);
    } else if (std::abs(line.x2() - line.x1()) < level) {
        const double x = snap(line.x1());
        line.setLine(x, line.y1(), x, line.y2());
    }
    p.drawLine(line);
}

QVariant Line::property(const QString& prop) const
{
    if (prop == u"X1") return x1_;
    if (prop == u"Y1") return y1_;
    if (prop == u"X2") return x2_;
    if (prop == u"Y2") return y2_;
    if (prop == u"BorderColor") return QVariant::fromValue(borderColor());
    return Control::property(prop);
}

Shape::Shape(ControlHost& form, Control*, QString name, int index) : PaintedItem(form, std::move(name), index) {}

void Shape::setShape(int s)
{
    shape_ = s;
    repaint();
}

void Shape::paint(QPainter& p) const
{
    const double k = 1 / twipsPerPixel;
    QRectF box(left() * k, top() * k, width() * k, height() * k);
    if (!std::isfinite(box.x()) || !std::isfinite(box.y()) || !std::isfinite(box.width()) || !std::isfinite(box.height()))
        return;
    // Keep the one-pixel outline inside the box, as a control's border is.
    constexpr double inset = 0.5;
    p.setPen(QPen(shown(borderColor()), 1));
    p.setBrush(shown(backColor()));
    const double d = std::min(box.width(), box.height());
    QRectF circle(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
    p.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
}

QVariant Shape::property(const QString& prop) const
{
    if (prop == u"Shape") return shape_;
    if (prop == u"BorderColor") return QVariant::fromValue(borderColor());
    return Control::property(prop);
}

// ---- Timer ----

Timer::Timer(ControlHost& form, Control*, QString name, int index)
    : Control(form, nullptr, std::move(name), index), timer_(new QTimer(&form))
{
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { fire(); });
}

Timer::~Timer() = default;

bool Timer::manual_ = false;

void Timer::setManual(bool on) { manual_ = on; }

void Timer::setInterval(int ms)
{
    interval_ = ms;
    sync();
}

void Timer::setEnabled(bool on)
{
    on_ = on;
    sync();
}

void Timer::sync()
{
    if (on_ && interval_ > 0 && !manual_)
        timer_->start(interval_);
    else
        timer_->stop();
}

void Timer::fire()
{
    if (on_ && onTimer)
        onTimer();
}

QVariant Timer::property(const QString& prop) const
{
    if (prop == u"Enabled") return on_;
    if (prop == u"Interval") return interval_;
    return {};
}

// ---- ControlHost ----

ControlHost::ControlHost(VbColor back) { setBackColor(back); }

ControlHost::~ControlHost() = default;

void ControlHost::setBackColor(VbColor c)
{
    back_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, shown(c));
    setPalette(pal);
}

void ControlHost::recolour()
{
    setBackColor(back_);
    for (const auto& c : controls_)
        c->recolour();
    update();
}

std::vector<Control*> ControlHost::tabOrder(bool tabStopsOnly) const
{
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->focusable() && (c->tabStop() || !tabStopsOnly))
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}

Control* ControlHost::focusedControl() const
{
    QWidget* f = focusWidget();
    if (!f)
        return nullptr;
    for (const auto& c : controls_)
        if (c->widget() == f)
            return c.get();
    return nullptr;
}

}  // namespace morvel::toolkit
