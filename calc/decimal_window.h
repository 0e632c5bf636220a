/// \file decimal_window.h
/// \brief locddf, the celestial triangle in decimal degrees. It also
/// carries the meridian diagram's procedures (transfer, drawmd, mdchoose,
/// increment), which act on whichever calculator started the calculation
/// (forms(actform)).
#pragma once

#include "calc/calculator_window.h"

namespace morvel::calc {

class Locddf : public CalculatorWindow {
public:
    Locddf();

    // Called by the engine, the animation and the other windows by name.
    void calculate() override;
    void output(double x1, double x2, int16_t f, int16_t m) override;
    void transfer() override;
    void clearall() override;
    void drawmd(int16_t mmm) override;
    void mdchoose() override;
    /// One animation step on the active window: the LHA moves on 15 degrees
    /// and the triangle is solved again from latitude, LHA and declination.
    void increment() override;

    /// Removes all results and markers.
    void reset();

    // Event handlers.
    void cmdStart_Click();
    void Clear_Click();
    void Print_Click();
    void cmdExit_Click();

    // lblDat(0..4) and txtOther are in CalculatorWindow.
    toolkit::ControlArray<toolkit::TextBox> txtDeg;   ///< entry and first result
    toolkit::Frame& fraLat;
    toolkit::OptionButton& optLatN;
    toolkit::OptionButton& optLatS;
    toolkit::Frame& fraDec;
    toolkit::OptionButton& optDecN;
    toolkit::OptionButton& optDecS;
    toolkit::ControlArray<toolkit::TextBox> txtIo;    ///< "Input", "Output", "2 Outputs"
    toolkit::ControlArray<toolkit::TextBox> txtDeg2;  ///< second result
    toolkit::Frame& fraLat2;
    toolkit::OptionButton& optLatN2;
    toolkit::OptionButton& optLatS2;
    toolkit::Frame& fraDec2;
    toolkit::OptionButton& optDecN2;
    toolkit::OptionButton& optDecS2;
    toolkit::CommandButton& cmdStart;
    toolkit::CommandButton& Clear;
    toolkit::CommandButton& Print;
    toolkit::CommandButton& cmdExit;

protected:
    void Form_Load() override;
    void markStepInputs() override;
};

}  // namespace morvel::calc
