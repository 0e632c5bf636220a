#include "calc/decimal_window.h"

namespace morvel::calc {

Locddf::Locddf()
    : CalculatorWindow(1, QStringLiteral("locddf"), QStringLiteral("Morvel (Decimal Degrees)"), 8880, 6795)
{
}

void Locddf::Form_Load()
{
    engine::forms[1] = registered(1);
    engine::forms[3] = registered(3);
}

}  // namespace morvel::calc
