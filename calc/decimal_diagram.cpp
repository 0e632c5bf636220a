// The meridian diagram's procedures live in diagram/; the decimal-degrees
// window carries them for all calculators and forwards to them.
#include "calc/decimal_window.h"
#include "diagram/meridian_diagram.h"

namespace morvel::calc {

void Locddf::drawmd(int16_t mmm)
{
    diagram::drawmd(mmm);
}

void Locddf::mdchoose()
{
    diagram::mdchoose();
}

}  // namespace morvel::calc
