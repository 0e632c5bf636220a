/// \file answer.h
/// \brief The one place where morvel-solve solves a parsed problem: the
/// celestial triangle or the passage, the passage's route within a limiting
/// parallel and its waypoints when they are asked for. No Qt.
#pragma once

#include "cli/problem.h"
#include "cli/route.h"
#include "cli/solve.h"
#include "gcs/composite.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace morvel::cli {

struct Answer {
    std::variant<CelestialResult, PassageResult> result;
    /// The routes of the passage's solutions, when waypoints were asked for
    /// and a longitude is known.
    std::optional<Routes> routes;
    /// The route within the limiting parallel of each solution, when a
    /// limit was given and a longitude is known.
    std::vector<gcs::Composite> composites;

    /// The number of solutions.
    int count() const;
};

/// Solves p; spacing above 0 asks for waypoints every spacing degrees of
/// longitude, limit for the route within that latitude (radians, north
/// positive; a southern limit bounds the route to the south).
Answer answerOf(const Problem& p, double spacing, std::optional<double> limit = std::nullopt);

/// Why a has no route within its limit (an end lies beyond it), or empty.
std::string compositeRefused(const Answer& a);

}  // namespace morvel::cli
