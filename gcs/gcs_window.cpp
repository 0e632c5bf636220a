#include "gcs/gcs_window.h"

namespace morvel::gcs {

Gcsf::Gcsf()
    : CalculatorWindow(3, QStringLiteral("gcsf"), QStringLiteral("Great Circle Sailing"), 10380, 6795)
{
    move(165 / 15, 450 / 15);
}

void Gcsf::Form_Load()
{
    for (int i = 1; i <= 3; ++i)
        engine::forms[i] = calc::registered(i);
}

}  // namespace morvel::gcs
