// The LHA animation: each step moves the body 15 degrees along its parallel
// of declination and solves the triangle again, so the numbers in the window
// change with the drawing.
#include "calc/decimal_window.h"
#include "engine/solvers.h"

namespace morvel::calc {

void Locddf::increment()
{
    using namespace engine;
    // Before the first calculation no window is active: nothing to step.
    auto* active = dynamic_cast<CalculatorWindow*>(form(actform));
    if (!active)
        return;
    if (calcflag == 0)
        active->calculate();

    // The animation goes on from set 1, or from set 2 when the user drew it.
    const bool second = mdset == 2 && nout == 2;
    double lat = second ? lat2 : lat1;
    double lha = second ? lha2 : lha1;
    double dec = second ? dec2 : dec1;
    active->clearall();

    lha += 15 * deg;
    if (lha > 2 * pi)
        lha -= 2 * pi;
    if (lha == 0)
        lha = 1e-6;
    double t = lha, alt = 0, Z = 0, zn = 0;
    solveltd(lat, t, dec, alt, Z, lha, zn);

    active->output(lat, 0, 1, 1);
    active->output(lha, 0, 1, 2);
    active->output(dec, 0, 1, 3);
    active->markStepInputs();
    calcflag = 1;
}

}  // namespace morvel::calc
