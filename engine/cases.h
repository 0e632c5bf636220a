/// \file cases.h
/// \brief The case code of three given quantities and the call of its solver
/// with the calculators' argument lists, shared by all calculator windows.
#pragma once

#include <cstdint>

namespace morvel::engine {

/// A calculator's working angles in radians: the five quantities (the ones
/// not given hold anything) and the folded meridian angle t and azimuth
/// angle Z. Solvers may write back t and Z.
struct Givens {
    double lat = 0, lha = 0, dec = 0, alt = 0, zn = 0;
    double t = 0, Z = 0;
};

/// 16 x [latitude] + 8 x [LHA] + 4 x [declination] + 2 x [altitude] + [azimuth].
int16_t casecode(bool lat, bool lha, bool dec, bool alt, bool az);

/// lha and zn folded into 0..pi: 2pi - x when x > pi.
double fold(double x);

/// Calls the solver of code with g's angles, passing the engine's own
/// solution-set variables and nout where the solver returns into them.
/// Returns false (and solves nothing) when code has no solver.
bool solvecase(int16_t code, Givens& g);

}  // namespace morvel::engine
