#include "calc/dm_window.h"

namespace morvel::calc {

namespace {

diagram::DiagramPlacement placement()
{
    diagram::DiagramPlacement p = celestialPlacement();
    p.cmdDraw1 = {720, 3360, 1095, 495, 48};
    p.cmdDraw2 = {2040, 3360, 1095, 495, 49};
    p.txtMD = {960, 4080, 1935, 285, 53};
    p.chkEllipse = {720, 6120, 900, 195, 79};
    p.txtCircarc = {0, 6360, 5415, 285, 83};
    p.linHCount = 43;
    p.animation = diagram::DiagramPlacement::Animation{
        {720, 4620, 1095, 495, 80}, {2040, 4620, 1215, 495, 81}, {1920, 6120, 1815, 195, 82},
        QStringLiteral("Sin&gle Step/  Auto Stop"), QStringLiteral("Timer2"), true};
    return p;
}

}  // namespace

Locdmf::Locdmf()
    : CalculatorWindow(2, QStringLiteral("locdmf"), QStringLiteral("Morvel (Degrees and Minutes)"), 8880, 6795, 5,
                       placement())
{
}

void Locdmf::Form_Load() {}

}  // namespace morvel::calc
