#include "toolkit/form.h"

#include "toolkit/help.h"
#include "toolkit/language.h"
#include "toolkit/palette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace morvel::toolkit {

Form::Form(QString name, const QString& caption, double widthTwips, double heightTwips, VbColor back)
    : ControlHost(back), name_(std::move(name)), widthTwips_(widthTwips), heightTwips_(heightTwips)
{
    setObjectName(name_);
    setWindowTitle(shown(caption));
    setFixedSize(int(std::lround(widthTwips / twipsPerPixel)), int(std::lround(heightTwips / twipsPerPixel)));
    setAutoFillBackground(true);
}

Form::~Form() = default;

void Form::setCaption(const QString& c) { setWindowTitle(shown(c)); }

void Form::setFormFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    setFont(f);
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    applyTabOrder();
    Form_Load();
    nameBoxes();
}

void Form::nameBoxes()
{
    // A box is named for a screen reader by the row's caption (the first
    // on its left) and the unit just after it ("Latitude of Departure,
    // Min"), as a sighted user reads the window.
    const auto plain = [](const QString& caption) {
        QString t = caption;
        return t.remove(QRegularExpression(QStringLiteral("&(?!&)"))).simplified();
    };
    for (const auto& c : controls()) {
        auto* box = dynamic_cast<TextBox*>(c.get());
        if (!box || box->container() || !box->widget()->accessibleName().isEmpty())
            continue;
        const double middle = box->top() + box->height() / 2;
        const Label *before = nullptr, *after = nullptr;
        for (const auto& other : controls()) {
            auto* l = dynamic_cast<const Label*>(other.get());
            if (!l || l->container() || middle < l->top() || middle > l->top() + l->height() || l->shownCaption().isEmpty())
                continue;
            if (l->left() + l->width() <= box->left() + 1 && (!before || l->left() < before->left()))
                before = l;
            if (l->left() >= box->left() + box->width() - 1 && l->left() < box->left() + box->width() * 2 &&
                (!after || l->left() < after->left()))
                after = l;
        }
        QStringList name;
        if (before)
            name << plain(before->shownCaption());
        if (after && plain(after->shownCaption()).size() <= 4)
            name << plain(after->shownCaption());
        if (!name.isEmpty())
            box->widget()->setAccessibleName(name.join(QStringLiteral(", ")));
    }
}

void Form::showForm()
{
    load();
    show();
    // The focus starts on the first control in tab order, as the window's
    // user expects, even before the window manager activates it.
    if (!focusWidget())
        for (Control* c : tabOrder())
            if (c->showing() && c->enabled()) {
                c->setFocus();
                break;
            }
}

void Form::hideForm()
{
    load();
    hide();
}

void Form::registerControl(std::unique_ptr<Control> c)
{
    byName_[{c->name(), c->index()}] = c.get();
    if (auto* item = dynamic_cast<PaintedItem*>(c.get()))
        painted_.push_back(item);
    adopt(std::move(c));
}

Control* Form::find(const QString& name, int index) const
{
    auto it = byName_.find({name, index});
    return it == byName_.end() ? nullptr : it->second;
}

bool Form::pressDefault()
{
    // A window without a default button (the main menu) presses the
    // focused button instead.
    ButtonControl* b = default_ ? default_ : dynamic_cast<CommandButton*>(focusedControl());
    if (!b || !b->showing() || !b->enabled())
        return false;
    b->setFocus();
    b->click();
    return true;
}

void Form::applyTabOrder()
{
    auto order = tabOrder(true);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

bool Form::accessKey(QChar letter)
{
    letter = letter.toUpper();
    std::vector<Control*> all;
    for (const auto& c : controls())
        all.push_back(c.get());
    std::stable_sort(all.begin(), all.end(), [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (Control* c : all) {
        if (c->accessKey() == letter && c->showing() && c->enabled()) {
            c->activateAccessKey();
            return true;
        }
    }
    return false;
}

QImage Form::image()
{
    ensurePolished();
    return grab().toImage();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (const PaintedItem* item : painted_)
        if (item->visible())
            item->paint(p);
}

void Form::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (onClose)
        onClose();
}

namespace {

/// Routes Enter to the window's default button and Alt+letter to the
/// control whose caption carries that access key, wherever the focus is;
/// F1 opens the manual at the window's page, Ctrl+Shift+N moves to the
/// next palette and Ctrl+Shift+Page Down (Up) dims (brightens) it: these
/// windows have no menu bar.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() != QEvent::KeyPress)
            return false;
        auto* w = qobject_cast<QWidget*>(obj);
        auto* form = w ? dynamic_cast<Form*>(w->window()) : nullptr;
        if (!form)
            return false;
        auto* k = static_cast<QKeyEvent*>(ev);
        const auto mods = k->modifiers() & ~Qt::KeypadModifier;
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && mods == Qt::NoModifier)
            return form->pressDefault();
        if (k->key() == Qt::Key_F1 && mods == Qt::NoModifier) {
            showHelp(helpPageOf(form->name()));
            return true;
        }
        if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
            Palettes& palettes = Palettes::instance();
            switch (k->key()) {
            case Qt::Key_N: palettes.cycle(); return true;
            case Qt::Key_PageDown: palettes.dim(); return true;
            case Qt::Key_PageUp: palettes.brighten(); return true;
            default: break;
            }
        }
        if (mods == Qt::AltModifier && ((k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z) ||
                                        (k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9)))
            return form->accessKey(QChar(k->key()));
        return false;
    }
};

/// Fusion, drawing in the palette in force, with option buttons of the
/// windows' size: their circle 12 pixels across at 96 dpi, not Fusion's 14,
/// so that two buttons one above the other fit a frame two rows high.
class WindowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int fusion = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return int(std::lround(fusion * 12.0 / 14));
        return fusion;
    }

    // Everything the style draws goes through the palette in force.
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        drawInPalette(p, o->rect, [&](QPainter* q) { QProxyStyle::drawPrimitive(e, o, q, w); });
    }
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        drawInPalette(p, o->rect, [&](QPainter* q) { QProxyStyle::drawControl(e, o, q, w); });
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override
    {
        drawInPalette(p, o->rect, [&](QPainter* q) { QProxyStyle::drawComplexControl(c, o, q, w); });
    }
    void drawItemPixmap(QPainter* p, const QRect& r, int alignment, const QPixmap& pixmap) const override
    {
        drawInPalette(p, r, [&](QPainter* q) { QProxyStyle::drawItemPixmap(q, r, alignment, pixmap); });
    }
};

}  // namespace

void initialise()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The windows name the font they were laid out in; Liberation Sans has
    // the same metrics family and ships with every Debian desktop.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new WindowStyle(s));
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPointSizeF(8.25);
    QApplication::setFont(base);
    keepDecimalPoint();
    qApp->installEventFilter(new KeyRouter(qApp));
    // Qt's palette is the day palette from here on.
    Palettes::instance();
}

}  // namespace morvel::toolkit
