/// \file solve.h
/// \brief Solving a problem on the engine's solved triangle
/// (engine::solveTriangle), and what the windows would show of it. No Qt,
/// no global state: any number of threads may solve at once.
///
/// A result holds the solutions the windows show (0, 1 or 2) as complete
/// sets of radians, the given quantities among them as read. Great-circle
/// sets add the longitudes (the given ones, the other derived from each
/// set's DLo), the final course and the rhumb line between the same ends.
/// When nothing is shown the engine's messages say why.
#pragma once

#include "cli/problem.h"
#include "engine/triangle.h"
#include "gcs/rhumb.h"

#include <array>
#include <cstdint>
#include <string>

namespace morvel::cli {

/// A celestial result. Rows: 0 latitude, 1 LHA, 2 declination, 3 altitude,
/// 4 azimuth.
struct CelestialResult {
    int16_t code = 0;
    std::array<bool, 5> given{};
    int count = 0;  ///< solutions shown
    std::array<std::array<double, 5>, 2> sets{};
    bool manyOther = false;  ///< "Many Other Solutions": the body on the meridian
    std::string message;     ///< the engine's messages when count is 0, joined by "; "
};

/// One passage: radians, north and east positive; lha the DLo measured
/// westward; alt the distance slot (90 degrees less the distance as an arc).
struct Passage {
    double fromLat = 0, fromLon = 0, toLat = 0, toLon = 0;
    double lha = 0, alt = 0, course = 0, finalCourse = 0;
    double dlo = 0;        ///< the DLo shown: as typed, or at most pi
    bool dloEast = false;  ///< the DLo is shown as East (else West)
    gcs::Leg rhumb;        ///< the rhumb line between the same ends
};

/// The rows of the great-circle window, in its order.
enum class Row { fromLat, dlo, toLat, distance, course, fromLon, toLon, finalCourse };

struct PassageResult {
    int16_t code = 0;
    std::array<bool, 8> given{};  ///< by Row; the final course never is
    bool longitudes = false;      ///< a longitude was given, so both are known
    int count = 0;
    std::array<Passage, 2> sets{};
    bool manyOther = false;
    std::string message;
};

CelestialResult solve(const CelestialProblem& p);
PassageResult solve(const PassageProblem& p);

}  // namespace morvel::cli
