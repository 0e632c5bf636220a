#include "calc/decimal_window.h"

#include "diagram/meridian_diagram.h"

namespace morvel::calc {

namespace {

diagram::DiagramPlacement placement()
{
    diagram::DiagramPlacement p;
    p.centreX = 6300;
    p.centreY = 4280;
    p.radius = 2000;
    p.cmdDraw1 = {720, 3360, 1095, 495, 41};
    p.cmdDraw2 = {2040, 3360, 1095, 495, 42};
    p.txtMD = {960, 4080, 1935, 285, 46};
    p.chkEllipse = {840, 6120, 900, 195, 48};
    p.txtCircarc = {0, 6480, 5415, 285, 52};
    p.circarcText = QStringLiteral("Plotted values of LHA & Zn may differ from numerical values");
    p.animation = diagram::DiagramPlacement::Animation{
        {720, 4560, 1095, 495, 50}, {2040, 4560, 1200, 495, 49}, {2040, 6120, 1815, 195, 51},
        QStringLiteral("Sin&gle Step/ Stop Auto"), QStringLiteral("Timer1")};
    return p;
}

}  // namespace

Locddf::Locddf()
    : CalculatorWindow(1, QStringLiteral("locddf"), QStringLiteral("Morvel (Decimal Degrees)"), 8880, 6795, 5,
                       placement())
{
}

void Locddf::drawmd(int16_t mmm)
{
    diagram::drawmd(mmm);
}

void Locddf::mdchoose()
{
    diagram::mdchoose();
}

void Locddf::Form_Load()
{
    engine::forms[1] = registered(1);
    engine::forms[3] = registered(3);
}

}  // namespace morvel::calc
