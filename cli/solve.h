/// \file solve.h
/// \brief Solving a problem on the engine as the calculator windows do, and
/// what the windows would show of it. No Qt.
///
/// For each solve the Solver registers itself as the engine's forms[1], its
/// active window and its message service: the case solvers report to it
/// through output, other and transfer, and show their messages ("No
/// Solution", "No solution") through it. What was registered before is put
/// back when the Solver goes. One Solver at a time.
///
/// A result holds the solutions the windows show (0, 1 or 2) as complete
/// sets of radians, the given quantities among them as read. Great-circle
/// sets add the longitudes (the given ones, the other derived from each
/// set's DLo) and the final course. When nothing is shown the engine's
/// messages say why.
#pragma once

#include "cli/problem.h"
#include "engine/cases.h"
#include "engine/state.h"

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
    std::string message;     ///< the engine's messages when count is 0
};

/// One passage: radians, north and east positive; lha the DLo measured
/// westward; alt the distance slot (90 degrees less the distance as an arc).
struct Passage {
    double fromLat = 0, fromLon = 0, toLat = 0, toLon = 0;
    double lha = 0, alt = 0, course = 0, finalCourse = 0;
    double dlo = 0;        ///< the DLo shown: as typed, or at most pi
    bool dloEast = false;  ///< the DLo is shown as East (else West)
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

class Solver : public engine::CalcWindow, public engine::MessageService {
public:
    Solver();
    ~Solver() override;
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    CelestialResult solve(const CelestialProblem& p);
    PassageResult solve(const PassageProblem& p);

    void output(double x1, double x2, int16_t f, int16_t m) override;
    void other(double z, double t) override;
    void show(const std::string& text) override;

private:
    /// Clears what the last solve recorded and solves code as a window does.
    void run(int16_t code, engine::Givens g);

    // The registry and message service there were before, put back at the end.
    std::array<engine::CalcWindow*, 4> forms_;
    engine::MessageService* messages_before_;

    int shown_ = -1;  ///< the count of the first output call; -1 before one
    bool manyOther_ = false;
    std::string messages_;
};

}  // namespace morvel::cli
