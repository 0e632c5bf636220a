// The independent reference: GeographicLib's geodesics on the unit sphere
// (flattening 0) for the forward problem, and the unknown quantity of each
// case with the function whose zeros are its true solutions, written with
// plain vectors rather than the engine's formulas.
#pragma once

#include "harness.h"

#include <cstdint>
#include <functional>

namespace morvel::test {

/// The true triangle with the observer at (lat, 0) and the body's
/// geographic position at (dec, -lha): altitude = 90 degrees minus the
/// distance, azimuth = the initial azimuth (0..2pi). All radians.
Solution fromLhaDec(double lat, double lha, double dec);
/// The same, from the body's altitude and azimuth seen by the observer.
Solution fromAltAz(double lat, double alt, double az);

/// How far the set s is from a true triangle, in radians: the altitude
/// difference and the azimuth difference as a displacement of the body.
double residual(const Solution& s);

/// |a - b| with 2pi turns removed.
double angleGap(double a, double b);

/// The single unknown through which the case is searched, its range, the
/// function whose zeros are the true solutions, an optional side condition
/// (the root is a solution where it is positive) and the solution at a root.
struct Unknown {
    double lo, hi;
    bool periodic;  // lo and hi are the same point
    std::function<double(double)> f;
    std::function<double(double)> side;
    std::function<Solution(double)> at;
    std::function<double(const Solution&)> of;  // the unknown of a set
};

/// The unknown of a two-solution (or direct) case; a.* are the givens.
Unknown unknownOf(int16_t code, const Angles& a);

/// The zeros of u.f found by a dense scan refined at sign changes and
/// extrema; nearTangent is set when an extremum or a side condition comes
/// within tolerance of 0 (the count is then not well defined in rounding).
std::vector<double> trueRoots(const Unknown& u, bool& nearTangent);

}  // namespace morvel::test
