// No input within the windows' ranges, nor a great-circle DLo typed up to 360
// degrees unfolded, brings NaN or infinity into a result or a solution set.
#include "engine/cases.h"
#include "engine/state.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace morvel::test {
namespace {

#ifdef MORVEL_SANITIZED
constexpr int inputs = 250'000;
#else
constexpr int inputs = 1'000'000;
#endif

/// A window that only watches for values that are not finite.
struct FiniteWatch : engine::CalcWindow, engine::MessageService {
    long bad = 0;
    void output(double x1, double x2, int16_t, int16_t) override { bad += !std::isfinite(x1) || !std::isfinite(x2); }
    void other(double, double) override {}
    void show(const std::string&) override {}
};

TEST(Sweep, NoNaNOrInfinityReachesOutputOrTheSets)
{
    static FiniteWatch watch;
    engine::forms = {nullptr, &watch, nullptr, nullptr};
    engine::messages = &watch;
    engine::setup(1);
    const int16_t codes[] = {28, 19, 22, 25, 26, 21, 14, 7, 13, 11};
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> half(-std::numbers::pi / 2, std::numbers::pi / 2);
    std::uniform_real_distribution<double> turn(0, 2 * std::numbers::pi);
    // A quarter of the inputs sit on the special values of the windows.
    const double special[] = {0, std::numbers::pi / 2, std::numbers::pi, 3 * std::numbers::pi / 2};
    auto pick = [&](double x, double scale) {
        if (rng() % 4 != 0)
            return x;
        const double s = special[rng() % 4] * scale;
        return rng() % 2 ? s : s + (double(rng() % 2001) - 1000) * 1e-9;
    };
    long badSets = 0;
    for (int i = 0; i < inputs; ++i) {
        const int16_t code = codes[i % 10];
        engine::Givens g;
        g.lat = std::clamp(pick(half(rng), 1), -std::numbers::pi / 2, std::numbers::pi / 2);
        g.dec = std::clamp(rng() % 8 == 0 ? g.lat * (rng() % 2 ? 1 : -1) : pick(half(rng), 1),
                           -std::numbers::pi / 2, std::numbers::pi / 2);
        g.alt = std::clamp(pick(half(rng), 1), -std::numbers::pi / 2, std::numbers::pi / 2);
        g.lha = std::clamp(pick(turn(rng), 1), 0.0, 2 * std::numbers::pi);
        g.zn = std::clamp(pick(turn(rng), 1), 0.0, 2 * std::numbers::pi);
        g.t = engine::fold(g.lha);
        g.Z = engine::fold(g.zn);
        if (i % 20 == 0)
            g.t = g.lha;  // the great-circle window passes a typed DLo unfolded
        engine::nout = 1;
        engine::solvecase(code, g);
        const double sets[] = {engine::lat1, engine::lha1, engine::dec1, engine::alt1, engine::az1,
                               engine::lat2, engine::lha2, engine::dec2, engine::alt2, engine::az2};
        const int used = engine::nout >= 2 ? 10 : engine::nout == 1 ? 5 : 0;
        for (int k = 0; k < used; ++k)
            badSets += !std::isfinite(sets[k]);
    }
    EXPECT_EQ(watch.bad, 0);
    EXPECT_EQ(badSets, 0);
}

}  // namespace
}  // namespace morvel::test
