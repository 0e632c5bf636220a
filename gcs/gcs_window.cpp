#include "gcs/gcs_window.h"

namespace morvel::gcs {

namespace {

diagram::DiagramPlacement placement()
{
    diagram::DiagramPlacement p;
    p.centreX = 7800;
    p.centreY = 4940;
    p.radius = 1380;
    p.cmdDraw1 = {720, 4560, 1095, 495, 45};
    p.cmdDraw2 = {2040, 4560, 1095, 495, 46};
    p.txtMD = {960, 5160, 1935, 285, 50};
    p.chkEllipse = {1440, 6240, 900, 195, 69};
    p.txtCircarc = {0, 6540, 5265, 285, 123};
    p.circarcText = QStringLiteral("Plotted values of DLo & Cn may differ from numerical values");
    p.linHCount = 43;
    p.departureMarker = true;
    return p;
}

}  // namespace

Gcsf::Gcsf()
    : CalculatorWindow(3, QStringLiteral("gcsf"), QStringLiteral("Great Circle Sailing"), 10380, 6795, 8,
                       placement())
{
    move(165 / 15, 450 / 15);
}

void Gcsf::Form_Load()
{
    for (int i = 1; i <= 3; ++i)
        engine::forms[i] = calc::registered(i);
}

}  // namespace morvel::gcs
