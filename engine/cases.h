/// \file cases.h
/// \brief The case code of three given quantities and the call of its solver
/// with the calculators' argument lists, shared by all calculator windows.
#pragma once

#include "engine/triangle.h"

#include <cstdint>

namespace morvel::engine {

/// Calls the solver of code with g's angles, passing the engine's own
/// solution-set variables and nout where the solver returns into them.
/// Returns false (and solves nothing) when code has no solver.
bool solvecase(int16_t code, Givens& g);

}  // namespace morvel::engine
