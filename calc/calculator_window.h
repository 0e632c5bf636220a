/// \file calculator_window.h
/// \brief What the three calculator windows share: a window that the engine
/// reports to, with the common font, colours and close behaviour.
#pragma once

#include "engine/state.h"
#include "toolkit/form.h"

namespace morvel::calc {

class CalculatorWindow : public toolkit::Form, public engine::CalcWindow {
public:
    /// index is the window's place in the engine's registry (1, 2 or 3).
    CalculatorWindow(int index, const QString& name, const QString& caption, double widthTwips,
                     double heightTwips);

    int registryIndex() const { return index_; }

    void output(double, double, int16_t, int16_t) override {}
    void other(double, double) override {}

private:
    int index_;
};

/// The global window with this registry index, created when needed.
engine::CalcWindow* registered(int index);

}  // namespace morvel::calc
