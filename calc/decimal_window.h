/// \file decimal_window.h
/// \brief locddf, the celestial triangle in decimal degrees: one box for
/// each angle, results to five decimals. It also carries the meridian
/// diagram's procedures (transfer, drawmd, mdchoose, increment), which act
/// on whichever calculator started the calculation (forms(actform)).
#pragma once

#include "calc/celestial_window.h"

namespace morvel::calc {

class Locddf : public CelestialWindow {
public:
    Locddf();

    // Called by the engine and the other windows by name.
    void transfer() override;
    void drawmd(int16_t mmm) override;
    void mdchoose() override;
    /// One animation step on the active window: the LHA moves on 15 degrees
    /// and the triangle is solved again from latitude, LHA and declination.
    void increment() override;

protected:
    void Form_Load() override;
    navtext::DegMinText resultText(int i, double x) const override;
};

}  // namespace morvel::calc
