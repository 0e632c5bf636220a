/// \file calculator_window.h
/// \brief What the three calculator windows share: a window the engine
/// reports to, with the common font, colours and close behaviour, the
/// quantity captions lblDat, the remark box txtOther and the meridian
/// diagram's controls.
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
    void other(double, double) override {}

    diagram::DiagramControls& diagramControls() override { return dc; }
    toolkit::Label& caption(int i) override { return lblDat(i); }
    toolkit::TextBox& remarks() override { return txtOther; }

    toolkit::ControlArray<toolkit::Label> lblDat;
    toolkit::TextBox& txtOther;
    diagram::DiagramControls dc;

private:
    int index_;
};

/// The global window with this registry index, created when needed.
engine::CalcWindow* registered(int index);

}  // namespace morvel::calc
