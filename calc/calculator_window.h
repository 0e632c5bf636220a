/// \file calculator_window.h
/// \brief What the three calculator windows share: a window the engine
/// reports to, with the common font, colours and close behaviour, the
/// quantity captions lblDat, the remark box txtOther and the meridian
/// diagram's controls; `other` (the same on every calculator), the hiding of
/// the diagram's results that every `reset` ends with, the checks of a row
/// typed in degrees (and minutes), "&Print" and "&Quit", and a small helper
/// for showing messages.
#pragma once

#include "calc/degmin.h"
#include "diagram/diagram_controls.h"
#include "engine/state.h"
#include "toolkit/form.h"

#include <vector>

namespace morvel::calc {

/// The checks made on a row typed as degrees (and minutes), each where its
/// quantity makes it.
enum class Check {
    range,       ///< the degrees alone in range, or stop
    minutes,     ///< minutes in 0 to under 60, or warn and go on
    hemisphere,  ///< one of the row's direction buttons chosen, or stop
    combine,     ///< degrees and minutes together in range, or stop
    marker,      ///< "Input" beside a given row
};

/// One row's checks: its range in degrees (inclusive; the bounds are exact
/// multiples of pi in radians), the checks in their order, their messages,
/// the row's pair of direction buttons (none for a row without) and its
/// status box. Only the minutes are looked at when the row is not given.
struct RowCheck {
    double lo, hi;
    const std::vector<Check>& order;
    const QString& rangeMessage;
    const QString& minutesMessage;
    const QString& directionMessage;
    const toolkit::OptionButton* first;
    const toolkit::OptionButton* second;
    toolkit::TextBox& marker;
};

/// A latitude's hemisphere buttons, and those of its second solution.
struct HemisphereButtons {
    toolkit::OptionButton& north;
    toolkit::OptionButton& south;
    toolkit::Frame& frame2;
    toolkit::OptionButton& north2;
    toolkit::OptionButton& south2;
};

class CalculatorWindow : public toolkit::Form, public engine::CalcWindow, public diagram::DiagramSurface {
public:
    /// index is the window's place in the engine's registry (1, 2 or 3);
    /// captions is the number of lblDat labels.
    CalculatorWindow(int index, const QString& name, const QString& caption, double widthTwips,
                     double heightTwips, int captions, const diagram::DiagramPlacement& placement);

    int registryIndex() const { return index_; }

    void output(double, double, int16_t, int16_t) override {}
    /// "Many Other Solutions" on cyan in txtOther when
    /// the body is on the meridian (math::onMeridian).
    void other(double z, double t) override;
    /// "Many Other Solutions" on cyan in txtOther.
    void remark() override;

    diagram::DiagramControls& diagramControls() override { return dc; }
    toolkit::Label& caption(int i) override { return lblDat(i); }
    toolkit::TextBox& remarks() override { return txtOther; }

    toolkit::ControlArray<toolkit::Label> lblDat;
    toolkit::TextBox& txtOther;
    diagram::DiagramControls dc;

    /// Draw #1 / Draw #2: draws that solution set and names it in txtMD.
    void drawSet(int16_t n);
    /// "Ell&ipse" changed: the diagram on show is drawn again in the other mode.
    static void chkEllipse_Click();

    /// "&Print": the window registered under this window's index (this one
    /// while none is), on the printer.
    void Print_Click();
    /// "&Quit": ends the program.
    static void cmdExit_Click();

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

    /// Makes a row's checks on what was typed into it, in their order: a
    /// stop shows its message and returns false; the minutes warning is
    /// shown and the minutes used as typed.
    static bool checkRow(const AngleReading& a, const RowCheck& row);

    /// The hemisphere of a latitude result x1 chosen and coloured cyan:
    /// North above 0, else South (exactly 0 is South); with f = 2 the
    /// second frame is shown and x2's hemisphere chosen there the same way.
    static void showHemispheres(double x1, double x2, int16_t f, const HemisphereButtons& b);

private:
    int index_;
    bool autoSkipsRecalculation_ = false;
};

/// The global window with this registry index, created when needed.
engine::CalcWindow* registered(int index);

}  // namespace morvel::calc
