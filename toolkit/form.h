/// \file form.h
/// \brief A window: caption, background, fixed client size in twips, font,
/// its controls by name and index, one default button, access keys, tab
/// order, and the load / show / hide life cycle.
///
/// Loading runs Form_Load once, on the first load, without showing the
/// window. Hiding a window that is not loaded loads it first.
#pragma once

#include "toolkit/controls.h"

#include <QImage>

#include <map>
#include <memory>
#include <vector>

namespace morvel::toolkit {

class Form : public ControlHost {
public:
    /// name is the window's code name ("locddf"); size is the client area.
    Form(QString name, const QString& caption, double widthTwips, double heightTwips,
         VbColor back = colors::lightYellow);
    ~Form() override;

    const QString& name() const { return name_; }
    QString caption() const { return windowTitle(); }
    /// The title in the user's language (English is the source text).
    void setCaption(const QString& c);
    double widthTwips() const { return widthTwips_; }
    double heightTwips() const { return heightTwips_; }
    /// "MS Sans Serif" 8.25 pt bold and the like; the family is substituted.
    void setFormFont(const QString& family, double points, bool bold);

    bool loaded() const { return loaded_; }
    void load();
    void showForm();
    void hideForm();
    /// Runs when the window is closed by its title bar; the calculators end
    /// the program there.
    std::function<void()> onClose;

    /// Creates a control owned by this window. container is a frame or null.
    template <class T>
    T& add(const QString& name, int index = -1, Control* container = nullptr)
    {
        auto c = std::unique_ptr<T>(new T(*this, container, name, index));
        T& ref = *c;
        registerControl(std::move(c));
        return ref;
    }
    /// Creates the elements first..last of a control array.
    template <class T>
    ControlArray<T> addArray(const QString& name, int first, int last, Control* container = nullptr)
    {
        ControlArray<T> a;
        for (int i = first; i <= last; ++i)
            a.add(add<T>(name, i, container));
        return a;
    }

    /// A control by name and index (-1 for a single control), or null.
    Control* find(const QString& name, int index = -1) const;

    void setDefaultButton(ButtonControl* b) { default_ = b; }
    /// Presses the default button (Enter anywhere in the window); without
    /// one, the focused command button.
    bool pressDefault();
    /// Runs the access key of the visible, enabled control whose caption
    /// carries this letter; false when none does.
    bool accessKey(QChar letter);
    /// Orders keyboard focus by the controls' tab indices.
    void applyTabOrder();

    /// The window's current image, at the screen's device-pixel ratio.
    QImage image();

protected:
    virtual void Form_Load() {}
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void registerControl(std::unique_ptr<Control> c);
    /// Accessible names of the text boxes from the captions beside them.
    void nameBoxes();

    QString name_;
    double widthTwips_, heightTwips_;
    bool loaded_ = false;
    ButtonControl* default_ = nullptr;
    std::map<std::pair<QString, int>, Control*> byName_;
    std::vector<PaintedItem*> painted_;
};

/// Installs the font substitution, the style and the keyboard routing (Enter
/// to the default button, Alt+letter to access keys). Call once after the
/// QApplication exists.
void initialise();

}  // namespace morvel::toolkit
