/// \file calculator_window.h
/// \brief What the three calculator windows share: a window the engine
/// reports to, with the common font, colours and close behaviour, the
/// quantity captions lblDat, the remark box txtOther and the meridian
/// diagram's controls; `other` (the same on every calculator), the hiding of
/// the diagram's results that every `reset` ends with, and small helpers for
/// laying out controls and showing messages.
#pragma once

#include "diagram/diagram_controls.h"
#include "engine/state.h"
#include "toolkit/form.h"

namespace morvel::calc {

class CalculatorWindow : public toolkit::Form, public engine::CalcWindow, public diagram::DiagramSurface {
public:
    /// index is the window's place in the engine's registry (1, 2 or 3);
    /// captions is the number of lblDat labels.
    CalculatorWindow(int index, const QString& name, const QString& caption, double widthTwips,
                     double heightTwips, int captions, const diagram::DiagramPlacement& placement);

    int registryIndex() const { return index_; }

    void output(double, double, int16_t, int16_t) override {}
    /// "Many Other Solutions" on cyan in txtOther when
    /// |sin z| or |sin t| is at most 2e-6 (the body on the meridian).
    void other(double z, double t) override;

    diagram::DiagramControls& diagramControls() override { return dc; }
    toolkit::Label& caption(int i) override { return lblDat(i); }
    toolkit::TextBox& remarks() override { return txtOther; }

    toolkit::ControlArray<toolkit::Label> lblDat;
    toolkit::TextBox& txtOther;
    diagram::DiagramControls dc;

    /// "&Print": prints the window registered as forms(index), or this one
    /// while none is.
    void printForm(int index);

    /// Draw #1 / Draw #2: draws that solution set and names it in txtMD.
    void drawSet(int16_t n);
    /// "Ell&ipse" changed: the diagram on show is drawn again in the other mode.
    static void chkEllipse_Click();

    // The animation, on the celestial-triangle windows.
    void Auto_Click();
    void Step_Click();
    void Timer_Timer();
    /// Stops the window's automatic run: "Cl&ear" ends it, so that no tick
    /// refills the cleared window. (The animation's own steps clear the
    /// window too, and must not stop it.)
    void stopAnimation();
    /// After an animation step: the latitude, LHA and declination rows read
    /// "Input" on white, as after a calculation from those three.
    virtual void markStepInputs() {}

protected:
    /// The last steps of every calculator's reset:
    /// hide linPP, linQQ, linDec, linAlt, lblPn, lblPs, lblQ, lblQ2, linV,
    /// linH, LinA, LinB (the listed indices), then txtOther, cmdDraw1,
    /// cmdDraw2, txtMD and shpBody. The frame stays.
    void hideDiagramResults();

    /// A modal message with one OK button, captioned with the program's title.
    static void message(const QString& text);

    /// Places a control: Left, Top, Width, Height in twips, and tab index.
    static void place(toolkit::Control& c, double left, double top, double width, double height, int tabIndex);

private:
    int index_;
    bool autoSkipsRecalculation_ = false;
};

/// The global window with this registry index, created when needed.
engine::CalcWindow* registered(int index);

}  // namespace morvel::calc
