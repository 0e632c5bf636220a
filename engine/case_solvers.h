/// \file case_solvers.h
/// \brief The ten case solvers, each a function of its givens that returns
/// the solved triangle (see triangle.h for the cases and conventions).
/// solveTriangle() picks one by its code; nothing else calls them.
///
/// Each fills count, the sets (givens copied into every set it reports), the
/// messages, and manyOther where its equation vanishes and every value of
/// the unknown fits; solveTriangle() sets the code and adds the remark's
/// other cases.
#pragma once

#include "engine/triangle.h"

namespace morvel::engine::cases {

Solved ltd(const Givens& g);  ///< 28
Solved lhz(const Givens& g);  ///< 19
Solved ldh(const Givens& g);  ///< 22
Solved ltz(const Givens& g);  ///< 25
Solved lth(const Givens& g);  ///< 26
Solved ldz(const Givens& g);  ///< 21
Solved tdh(const Givens& g);  ///< 14
Solved dhz(const Givens& g);  ///< 7
Solved tdz(const Givens& g);  ///< 13
Solved thz(const Givens& g);  ///< 11

}  // namespace morvel::engine::cases
