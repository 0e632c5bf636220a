/// \file dm_window.h
/// \brief locdmf, the celestial triangle in degrees and minutes.
#pragma once

#include "calc/calculator_window.h"

namespace morvel::calc {

class Locdmf : public CalculatorWindow {
public:
    Locdmf();

protected:
    void Form_Load() override;
};

}  // namespace morvel::calc
