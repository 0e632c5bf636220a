// Stand-ins for the meridian diagram's drawmd and mdchoose until the
// diagram's own procedures replace this file.
#include "calc/decimal_window.h"

namespace morvel::calc {

/// Records which set the diagram shows; draws nothing yet.
void Locddf::drawmd(int16_t mmm)
{
    engine::mdset = mmm;
}

/// Asks the user to pick a solution set, on the window that calculated.
void Locddf::mdchoose()
{
    engine::nout = 2;
    auto* surface = dynamic_cast<diagram::DiagramSurface*>(engine::form(engine::actform));
    if (!surface)
        return;
    toolkit::TextBox& prompt = surface->remarks();
    prompt.setVisible(true);
    prompt.setText(QStringLiteral("Select Output Set for Meridian Diagram"));
    prompt.setBackColor(toolkit::colors::cyan);
    surface->diagramControls().cmdDraw1.setVisible(true);
    surface->diagramControls().cmdDraw2.setVisible(true);
}

}  // namespace morvel::calc
