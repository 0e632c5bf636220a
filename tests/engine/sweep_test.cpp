// No input within the windows' ranges, nor a great-circle DLo typed up to 360
// degrees unfolded, brings NaN or infinity into a result or a solution set;
// every value shown lies in its range; and every solve ends in a message or
// a result, never both.
#include "engine/cases.h"
#include "engine/state.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

namespace morvel::test {
namespace {

#ifdef MORVEL_SANITIZED
constexpr int inputs = 250'000;
#else
constexpr int inputs = 1'000'000;
#endif

constexpr double pi = std::numbers::pi;

/// A window that only checks what it is shown, and the message service.
struct Watch : engine::CalcWindow, engine::MessageService {
    int outputs = 0, messages = 0;
    bool bad = false;
    void output(double x1, double x2, int16_t f, int16_t m) override
    {
        if (f == 0)
            return;
        ++outputs;
        for (double x : {x1, x2}) {
            const bool turning = m == 2 || m == 5;
            bad = bad || !std::isfinite(x) || (turning ? x < 0 || x > 2 * pi : std::abs(x) > pi / 2);
            if (f == 1)
                break;
        }
    }
    void other(double, double) override {}
    void show(const std::string&) override { ++messages; }
};

TEST(Sweep, EverySolveShowsFiniteValuesInRangeOrAMessage)
{
    static Watch watch;
    engine::forms = {nullptr, &watch, nullptr, nullptr};
    engine::messages = &watch;
    engine::setup(1);
    const int16_t codes[] = {28, 19, 22, 25, 26, 21, 14, 7, 13, 11};
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> half(-pi / 2, pi / 2);
    std::uniform_real_distribution<double> turn(0, 2 * pi);
    // A quarter of the inputs sit on the special values of the windows.
    const double special[] = {0, pi / 2, pi, 3 * pi / 2};
    auto pick = [&](double x, double scale) {
        if (rng() % 4 != 0)
            return x;
        const double s = special[rng() % 4] * scale;
        return rng() % 2 ? s : s + (double(rng() % 2001) - 1000) * 1e-9;
    };
    int failures = 0;
    for (int i = 0; i < inputs && failures < 10; ++i) {
        const int16_t code = codes[i % 10];
        engine::Givens g;
        g.lat = std::clamp(pick(half(rng), 1), -pi / 2, pi / 2);
        g.dec = std::clamp(rng() % 8 == 0 ? g.lat * (rng() % 2 ? 1 : -1) : pick(half(rng), 1), -pi / 2, pi / 2);
        g.alt = std::clamp(rng() % 8 == 0 ? g.dec * (rng() % 2 ? 1 : -1) : pick(half(rng), 1), -pi / 2, pi / 2);
        g.lha = std::clamp(pick(turn(rng), 1), 0.0, 2 * pi);
        g.zn = std::clamp(rng() % 8 == 0 ? 2 * pi - g.lha : pick(turn(rng), 1), 0.0, 2 * pi);
        g.t = engine::fold(g.lha);
        g.Z = engine::fold(g.zn);
        if (i % 20 == 0)
            g.t = g.lha;  // a great-circle DLo typed above 180 degrees
        const engine::Givens given = g;
        watch = {};
        engine::nout = 1;
        engine::solvecase(code, g);
        const double sets[] = {engine::lat1, engine::lha1, engine::dec1, engine::alt1, engine::az1,
                               engine::lat2, engine::lha2, engine::dec2, engine::alt2, engine::az2};
        const int used = engine::nout >= 2 ? 10 : engine::nout == 1 ? 5 : 0;
        bool bad = watch.bad || (watch.outputs > 0) == (watch.messages > 0);
        for (int k = 0; k < used; ++k)
            bad = bad || !std::isfinite(sets[k]);
        if (bad) {
            ++failures;
            ADD_FAILURE() << "code " << code << " lat " << given.lat << " lha " << given.lha << " t " << given.t
                          << " dec " << given.dec << " alt " << given.alt << " zn " << given.zn << ": "
                          << watch.outputs << " outputs, " << watch.messages << " messages";
        }
    }
}

}  // namespace
}  // namespace morvel::test
