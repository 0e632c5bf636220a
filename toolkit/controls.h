/// \file controls.h
/// \brief The controls a window is built from, with the properties the
/// windows use: Text or Caption, Visible, Enabled, Value, BackColor,
/// ForeColor, Left, Top, Width, Height, X1..Y2, BorderColor, TabIndex; and
/// SelText, the selected part of a box's text.
///
/// Positions and sizes are twips of the containing window's client area (or
/// of the frame for a control inside a frame). Colours are 0x00BBGGRR.
/// Visible is the control's own flag: a control on a hidden window still
/// reads Visible = true. Labels, boxes, buttons, option buttons, check boxes
/// and frames are real Qt widgets; lines and shapes are light items that
/// their window paints, since the meridian diagram has over 200 of them.
#pragma once

#include "toolkit/color.h"

#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QFrame;
class QTimer;
class QAbstractButton;
class QPainter;

namespace morvel::toolkit {

class ControlHost;

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }  ///< -1 when the control is not in an array
    QString qualifiedName() const;       ///< "txtDeg(3)" or "cmdStart"
    ControlHost& form() const { return form_; }
    Control* container() const { return container_; }
    virtual QWidget* widget() const { return nullptr; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void move(double left, double top, double width, double height);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    /// Visible here, in every containing frame and on a shown window.
    bool showing() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    VbColor backColor() const { return back_; }
    void setBackColor(VbColor c);
    VbColor foreColor() const { return fore_; }
    void setForeColor(VbColor c);
    /// Shows the colours again, as the palette in force has them.
    void recolour();

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v);
    /// True for controls that can take the keyboard focus.
    virtual bool focusable() const { return false; }
    void setFocus();
    bool hasFocus() const;

    /// The caption's access key ("&Calculate" gives 'C'), or 0.
    virtual QChar accessKey() const { return {}; }
    /// What the access key does: a button is pressed, an option button is
    /// selected, a box takes the focus; a label passes it on.
    virtual void activateAccessKey() { setFocus(); }

    /// Property by name (Text, Caption, Visible, Value, Left, X1, ...), for
    /// the scenario runner; invalid when the control has no such property.
    virtual QVariant property(const QString& prop) const;

protected:
    Control(ControlHost& form, Control* container, QString name, int index);
    /// The widget's parent: the frame's widget or the window.
    QWidget* parentWidget() const;
    virtual void geometryChanged();
    virtual void visibilityChanged();
    virtual void colorsChanged();
    void attach(QWidget* w);  ///< adopt a widget: geometry, visibility, colours

private:
    ControlHost& form_;
    Control* container_;
    QString name_;
    int index_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    int tabIndex_ = 0;
    VbColor back_ = colors::white;
    VbColor fore_ = colors::black;
    QWidget* w_ = nullptr;
};

/// A control's place: Left, Top, Width, Height in twips, and its tab index.
struct Place {
    double left, top, width, height;
    int tabIndex = 0;
};

/// Moves a control to its place and gives it its tab index.
void place(Control& c, double left, double top, double width, double height, int tabIndex);
inline void place(Control& c, const Place& p) { place(c, p.left, p.top, p.width, p.height, p.tabIndex); }

/// A control with a caption that may carry an access key ("&Quit").
class CaptionedControl : public Control {
public:
    /// The English caption, as the window's code and its scenarios know it.
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    /// The caption in the user's language, as shown.
    QString shownCaption() const;
    QChar accessKey() const override;
    QVariant property(const QString& prop) const override;

protected:
    using Control::Control;
    virtual void captionChanged() = 0;

private:
    QString caption_;
};

class Label : public CaptionedControl {
public:
    Label(ControlHost& form, Control* container, QString name, int index = -1);
    QWidget* widget() const override;
    void activateAccessKey() override;
    /// The control that takes the focus on this label's access key; by
    /// default the next focusable control after it in tab order.
    void setBuddy(Control* c) { buddy_ = c; }
    Control* buddy() const;

protected:
    void captionChanged() override;
    void colorsChanged() override;

private:
    QLabel* label_;
    Control* buddy_ = nullptr;
};

class TextBox : public Control {
public:
    TextBox(ControlHost& form, Control* container, QString name, int index = -1);
    QWidget* widget() const override;
    QString text() const;
    void setText(const QString& t);
    /// The focus in the box with all its text selected, for the user to
    /// type it again.
    void focusAndSelect();
    bool focusable() const override { return true; }
    QVariant property(const QString& prop) const override;
    QLineEdit* lineEdit() const { return edit_; }

protected:
    void colorsChanged() override;

private:
    QLineEdit* edit_;
};

/// Base of the three kinds of button; Click runs the handler.
class ButtonControl : public CaptionedControl {
public:
    QWidget* widget() const override;
    bool focusable() const override { return true; }
    std::function<void()> onClick;
    /// A user's click: the same as pressing the button with the mouse.
    virtual void click();
    void activateAccessKey() override;

protected:
    ButtonControl(ControlHost& form, Control* container, QString name, int index);
    void captionChanged() override;
    void geometryChanged() override;
    void colorsChanged() override;
    void adopt(QAbstractButton* b);
    QAbstractButton* button_ = nullptr;
};

class CommandButton : public ButtonControl {
public:
    CommandButton(ControlHost& form, Control* container, QString name, int index = -1);
};

/// Option buttons are grouped by their container (a frame or the window):
/// selecting one deselects the others. All may be unselected, and code may
/// deselect any of them.
class OptionButton : public ButtonControl {
public:
    OptionButton(ControlHost& form, Control* container, QString name, int index = -1);
    bool value() const;
    void setValue(bool v);
    void click() override;
    QVariant property(const QString& prop) const override;
};

class CheckBox : public ButtonControl {
public:
    CheckBox(ControlHost& form, Control* container, QString name, int index = -1);
    int value() const;  ///< 0 cleared, 1 ticked
    void setValue(int v);
    void click() override;
    QVariant property(const QString& prop) const override;
};

/// A frame groups option buttons; controls created with it as container
/// are placed relative to it.
class Frame : public Control {
public:
    Frame(ControlHost& form, Control* container, QString name, int index = -1);
    QWidget* widget() const override;

protected:
    void colorsChanged() override;

private:
    QFrame* box_;
};

/// Light items painted by their window, in creation order, above its
/// background and below the widget controls. They are always placed in
/// window coordinates, whatever container they are created with. Lines and
/// outlines are one pixel wide.
class PaintedItem : public Control {
public:
    virtual void paint(QPainter& p) const = 0;
    VbColor borderColor() const { return border_; }
    void setBorderColor(VbColor c);

protected:
    PaintedItem(ControlHost& form, QString name, int index);
    void geometryChanged() override;
    void visibilityChanged() override;
    void colorsChanged() override;
    void repaint() const;

private:
    VbColor border_ = colors::black;
};

class Line : public PaintedItem {
public:
    Line(ControlHost& form, Control* container, QString name, int index = -1);
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setPoints(double x1, double y1, double x2, double y2);
    void paint(QPainter& p) const override;
    QVariant property(const QString& prop) const override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

/// A shape filled with its BackColor. Shape 3, a circle drawn in the middle
/// of its box, is the only one the windows use and the only one drawn.
class Shape : public PaintedItem {
public:
    Shape(ControlHost& form, Control* container, QString name, int index = -1);
    int shape() const { return shape_; }
    void setShape(int s);
    void paint(QPainter& p) const override;
    QVariant property(const QString& prop) const override;

private:
    int shape_ = 3;
};

/// A timer control: Interval in milliseconds, Enabled, and the tick handler.
class Timer : public Control {
public:
    Timer(ControlHost& form, Control* container, QString name, int index = -1);
    ~Timer() override;
    /// While set, timers started from then on fire only when told (fire()):
    /// tests tick them by hand.
    static void setManual(bool on);
    void setInterval(int ms);
    void setEnabled(bool on);
    bool enabled() const { return on_; }
    std::function<void()> onTimer;
    /// One tick, when enabled.
    void fire();
    QVariant property(const QString& prop) const override;

private:
    void sync();
    static bool manual_;
    int interval_ = 0;
    bool on_ = false;
    QTimer* timer_ = nullptr;
};

/// A control array: txtDeg(3). Elements are looked up by index, from 0.
template <class T>
class ControlArray {
public:
    T& operator()(int i) const { return *items_.at(size_t(i)); }
    int count() const { return int(items_.size()); }
    void add(T& c) { items_.push_back(&c); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T*> items_;
};

/// The widget a window's controls sit on: it owns them, in creation order,
/// and gives them its background colour and their tab order. Form builds
/// the window on it.
class ControlHost : public QWidget {
public:
    ~ControlHost() override;

    VbColor backColor() const { return back_; }
    void setBackColor(VbColor c);
    /// Shows the window's colours again, as the palette in force has them.
    void recolour();
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    /// The focusable controls in tab order (tab stops only).
    std::vector<Control*> tabOrder(bool tabStopsOnly = true) const;
    Control* focusedControl() const;

protected:
    explicit ControlHost(VbColor back);
    void adopt(std::unique_ptr<Control> c) { controls_.push_back(std::move(c)); }

private:
    VbColor back_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace morvel::toolkit
