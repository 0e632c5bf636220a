#include "almanac/magnitude.h"

#include <cmath>
#include <numbers>

namespace morvel::almanac {

double magnitude(ephemeris::Planet planet, double r, double delta, double phase, double ringTilt)
{
    const double a = phase * 180 / std::numbers::pi;  // the fits are in degrees
    double v1 = 0;                        // at unit distances
    switch (planet) {
    case ephemeris::Planet::venus:
        v1 = a <= 163.7 ? -4.384 - 1.044e-3 * a + 3.687e-4 * a * a - 2.814e-6 * a * a * a + 8.938e-9 * a * a * a * a
                        : 236.05828 - 2.81914 * a + 8.39034e-3 * a * a;
        break;
    case ephemeris::Planet::mars:
        v1 = a <= 50 ? -1.601 + 2.267e-2 * a - 1.302e-4 * a * a : -0.367 - 0.02573 * a + 3.445e-4 * a * a;
        break;
    case ephemeris::Planet::jupiter:
        // The Earth never sees Jupiter beyond 12 degrees of phase.
        v1 = -9.395 - 3.7e-4 * a + 6.16e-4 * a * a;
        break;
    case ephemeris::Planet::saturn: {
        // Globe and rings together; the Earth never sees Saturn beyond 6.5
        // degrees of phase.
        const double s = std::sin(std::fabs(ringTilt));
        v1 = -8.914 - 1.825 * s + 0.026 * a - 0.378 * s * std::exp(-2.25 * a);
        break;
    }
    }
    return v1 + 5 * std::log10(r * delta);
}

}  // namespace morvel::almanac
