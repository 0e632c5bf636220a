/// \file report.h
/// \brief How the solvers reach the windows: the active window for results,
/// the decimal-degrees window for the diagram. A window that is not
/// registered is skipped.
#pragma once

#include "engine/primitives.h"
#include "engine/state.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace morvel::engine {

inline void output(double x1, double x2, int16_t f, int16_t m)
{
    if (CalcWindow* w = form(actform))
        w->output(x1, x2, f, m);
}

inline void other(double z, double t)
{
    if (CalcWindow* w = form(actform))
        w->other(z, t);
}

inline void transfer()
{
    if (CalcWindow* w = form(1))
        w->transfer();
}

/// Stores the count in the engine and in the caller's nout argument (the
/// same variable when the window passes the engine's own).
inline void setcount(int16_t& noutArg, int16_t n)
{
    nout = n;
    noutArg = n;
}

/// -1, 0 or +1.
inline double sign(double x)
{
    return (x > 0) - (x < 0);
}

using math::atZenith;

/// The true azimuth of an azimuth angle z counted from the elevated pole:
/// reflected to the east when the body is east (lha below pi) in the north,
/// counted from south in the south (h = -1). At lha exactly pi the body is on
/// the lower meridian, where east and west agree.
inline double trueAzimuth(double z, double h, double lha)
{
    if (h > 0)
        return (lha < std::numbers::pi && z < std::numbers::pi) ? twoPi - z : z;
    return (lha < std::numbers::pi ? z : -z) + std::numbers::pi;
}

}  // namespace morvel::engine
