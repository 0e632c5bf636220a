#include "calc/calculator_window.h"

namespace morvel::calc {

CalculatorWindow::CalculatorWindow(int index, const QString& name, const QString& caption,
                                   double widthTwips, double heightTwips, int captions,
                                   const diagram::DiagramPlacement& placement)
    : Form(name, caption, widthTwips, heightTwips),
      lblDat(addArray<toolkit::Label>(QStringLiteral("lblDat"), 0, captions - 1)),
      txtOther(add<toolkit::TextBox>(QStringLiteral("txtOther"))),
      dc(*this, placement),
      index_(index)
{
    setFormFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    // Closing the visible calculator by its title bar ends the program, as
    // "&Quit" does: the other windows are hidden and nothing may keep running.
    setQuitOnClose(true);
    txtOther.setBackColor(toolkit::colors::lightYellow);
    txtOther.setTabStop(false);
}

engine::CalcWindow* registered(int index)
{
    return engine::windowFactory ? engine::windowFactory(index) : engine::form(index);
}

}  // namespace morvel::calc
