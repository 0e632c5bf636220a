/// \file dm_window.h
/// \brief locdmf, the celestial triangle in degrees and minutes: each angle
/// typed as degrees in one box and minutes in a second, results shown as
/// whole degrees and minutes to a tenth.
#pragma once

#include "calc/celestial_window.h"

namespace morvel::calc {

class Locdmf : public CelestialWindow {
public:
    Locdmf();

    // The boxes and the hemisphere buttons are in CalculatorWindow.
    toolkit::ControlArray<toolkit::Label> lblDeg;   ///< "Deg"
    toolkit::ControlArray<toolkit::Label> lblMin;   ///< "Min"
    toolkit::ControlArray<toolkit::Label> lblDeg2;  ///< "Deg" of the second result
    toolkit::ControlArray<toolkit::Label> lblmin2;  ///< "Min" of the second result

protected:
    void Form_Load() override;
    navtext::DegMinText resultText(int i, double x) const override;
};

}  // namespace morvel::calc
