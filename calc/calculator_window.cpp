#include "calc/calculator_window.h"

namespace morvel::calc {

CalculatorWindow::CalculatorWindow(int index, const QString& name, const QString& caption,
                                   double widthTwips, double heightTwips)
    : Form(name, caption, widthTwips, heightTwips), index_(index)
{
    setFormFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    // Closing the visible calculator by its title bar ends the program, as
    // "&Quit" does: the other windows are hidden and nothing may keep running.
    setQuitOnClose(true);
}

engine::CalcWindow* registered(int index)
{
    return engine::windowFactory ? engine::windowFactory(index) : engine::form(index);
}

}  // namespace morvel::calc
