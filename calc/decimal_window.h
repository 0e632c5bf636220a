/// \file decimal_window.h
/// \brief locddf, the celestial triangle in decimal degrees. It also carries
/// the meridian diagram's procedures, which draw on whichever calculator
/// started the calculation.
#pragma once

#include "calc/calculator_window.h"

namespace morvel::calc {

class Locddf : public CalculatorWindow {
public:
    Locddf();

    void drawmd(int16_t mmm) override;
    void mdchoose() override;

protected:
    void Form_Load() override;
};

}  // namespace morvel::calc
