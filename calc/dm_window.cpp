#include "calc/dm_window.h"

namespace morvel::calc {

Locdmf::Locdmf()
    : CalculatorWindow(2, QStringLiteral("locdmf"), QStringLiteral("Morvel (Degrees and Minutes)"), 8880, 6795)
{
}

void Locdmf::Form_Load() {}

}  // namespace morvel::calc
