/// \file gcs_window.h
/// \brief gcsf, great circle sailing. The engine's celestial slots carry the
/// departure (latitude), the DLo (LHA), the destination (declination),
/// 90 degrees less the distance (altitude) and the initial course (azimuth).
#pragma once

#include "calc/calculator_window.h"

namespace morvel::gcs {

class Gcsf : public calc::CalculatorWindow {
public:
    Gcsf();

protected:
    void Form_Load() override;
};

}  // namespace morvel::gcs
