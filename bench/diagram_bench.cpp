// The meridian diagram: drawmd on the decimal-degrees window followed by
// the window's repaint, in ellipse mode and in circular-arc mode, for a body
// west of the meridian (solid curves) and east of it (dashed).
//
//   morvel-diagram-bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "bench/headless.h"
#include "calc/decimal_window.h"
#include "diagram/meridian_diagram.h"
#include "engine/state.h"
#include "shell/program.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace morvel;

namespace {

constexpr double rad = std::numbers::pi / 180;

/// Latitude 40N, declination 20N, LHA lhaDeg, stored as set 1.
void storeTriangle(double lhaDeg)
{
    const double L = 40 * rad, d = 20 * rad, t = lhaDeg * rad;
    engine::lat1 = L;
    engine::dec1 = d;
    engine::lha1 = t;
    engine::alt1 = std::asin(std::sin(L) * std::sin(d) + std::cos(L) * std::cos(d) * std::cos(t));
    engine::az1 = std::atan2(-std::cos(d) * std::sin(t), std::sin(d) * std::cos(L) - std::cos(d) * std::sin(L) * std::cos(t));
    if (engine::az1 < 0)
        engine::az1 += 2 * std::numbers::pi;
}

/// The decimal-degrees window, shown and exposed, as the active window
/// with the triangle of this LHA as set 1.
calc::Locddf& shownWindow(shell::Program& program, benchmark::State& state, double lhaDeg)
{
    calc::Locddf& w = program.locddf();
    w.showForm();
    if (!QTest::qWaitForWindowExposed(&w))
        state.SkipWithError("the window was never exposed");
    engine::setup(1);
    storeTriangle(lhaDeg);
    return w;
}

void drawAndRepaint(benchmark::State& state, bool ellipse, double lhaDeg, bool repaint)
{
    shell::Program program;
    calc::Locddf& w = shownWindow(program, state, lhaDeg);
    w.dc.chkEllipse.setValue(ellipse ? 1 : 0);
    for (auto _ : state) {
        diagram::drawmd(1);
        if (repaint)
            w.repaint();
    }
}

void BM_EllipseWest(benchmark::State& s) { drawAndRepaint(s, true, 30, true); }
void BM_EllipseEast(benchmark::State& s) { drawAndRepaint(s, true, 330, true); }
void BM_ArcsWest(benchmark::State& s) { drawAndRepaint(s, false, 30, true); }
void BM_ArcsEast(benchmark::State& s) { drawAndRepaint(s, false, 330, true); }
// drawmd alone, to tell the drawing from the painting.
void BM_EllipseDrawOnly(benchmark::State& s) { drawAndRepaint(s, true, 30, false); }
void BM_ArcsDrawOnly(benchmark::State& s) { drawAndRepaint(s, false, 30, false); }

// The repaint alone, of the window without (0) and with (1) a diagram.
void BM_RepaintOnly(benchmark::State& state)
{
    shell::Program program;
    calc::Locddf& w = shownWindow(program, state, 30);
    if (state.range(0))
        diagram::drawmd(1);
    for (auto _ : state)
        w.repaint();
}

BENCHMARK(BM_EllipseWest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EllipseEast)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArcsWest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArcsEast)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EllipseDrawOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArcsDrawOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    const auto app = bench::headlessApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
