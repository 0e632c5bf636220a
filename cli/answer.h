/// \file answer.h
/// \brief The one place where morvel-solve solves a parsed problem: the
/// celestial triangle or the passage, and the passage's waypoints when they
/// are asked for. No Qt.
#pragma once

#include "cli/problem.h"
#include "cli/route.h"
#include "cli/solve.h"

#include <optional>
#include <variant>

namespace morvel::cli {

struct Answer {
    std::variant<CelestialResult, PassageResult> result;
    /// The routes of the passage's solutions, when waypoints were asked for
    /// and a longitude is known.
    std::optional<Routes> routes;

    /// The number of solutions.
    int count() const;
};

/// Solves p; spacing above 0 asks for waypoints every spacing degrees of
/// longitude.
Answer answerOf(const Problem& p, double spacing);

}  // namespace morvel::cli
