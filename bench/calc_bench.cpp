// morvel-gui-bench: the time from pressing "&Calculate" on a celestial
// window (locddf, locdmf) to the repainted window, offscreen, for a
// one-solution and a two-solution case; the same on the great-circle window
// (gcsf) for a passage between two longitudes and a two-solution passage;
// and from pressing the single-step button to the repainted window on each
// celestial window.
// Each Calculate iteration: click cmdStart (setup, reset, validation,
// solver, output, transfer), then the repaint: /0 lets the event loop
// repaint what changed (as a user sees it), /1 forces a synchronous repaint
// of the whole window (an upper bound). The boxes the previous iteration
// filled with results are typed again outside the timing. A step iteration
// clicks Step (clearall, solveltd, output, the diagram) and repaints the
// same way. paints counts the window's paint events per iteration, to show
// that the window really was repainted.
// Besides Google Benchmark's mean, each run reports the median and the 90th
// percentile of the single iterations (median_us, p90_us).
#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "gcs/gcs_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

using namespace morvel;

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "morvel-gui-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* a = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* q = new QApplication(argc, argv);
        toolkit::initialise();
        return q;
    }();
    return *a;
}

enum class Calculator { decimal, degreesMinutes, greatCircle };

/// The program with one calculator shown.
struct Window {
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    toolkit::RecordingQuit quitter;
    std::unique_ptr<shell::Program> program;
    calc::CalculatorWindow* w = nullptr;

    explicit Window(Calculator which)
    {
        app();
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        toolkit::services().quitter = &quitter;
        toolkit::Timer::setManual(true);
        program = std::make_unique<shell::Program>();
        program->start();
        switch (which) {
        case Calculator::decimal:
            program->morvelf().cmdDD.click();
            w = &program->locddf();
            break;
        case Calculator::degreesMinutes:
            program->morvelf().cmdDM.click();
            w = &program->locdmf();
            break;
        case Calculator::greatCircle:
            program->morvelf().cmdGC.click();
            w = &program->gcsf();
            break;
        }
        QApplication::processEvents();
    }
    ~Window()
    {
        program.reset();
        toolkit::services() = toolkit::Services{};
        toolkit::Timer::setManual(false);
    }
    calc::CelestialWindow& celestial() { return *static_cast<calc::CelestialWindow*>(w); }
};

/// Counts paint events of the window and its controls.
struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

/// What a benchmark types: each row's degrees and, on locdmf, minutes, and
/// the hemispheres it selects.
struct Inputs {
    const char* degrees[5];
    const char* minutes[5];
    bool latNorth, decNorth;
};

void type(calc::CelestialWindow& w, const Inputs& in)
{
    auto* dm = dynamic_cast<calc::Locdmf*>(&w);
    for (int i = 0; i < 5; ++i) {
        w.txtDeg(i).setText(QString::fromLatin1(in.degrees[i]));
        if (dm)
            dm->txtMin(i).setText(QString::fromLatin1(in.minutes[i]));
    }
}

/// Times action (a click) to the repainted window; before each iteration,
/// outside the timing, prepare() runs.
template <class Prepare, class Action>
void timeToRepaint(benchmark::State& state, Window& win, Prepare prepare, Action action)
{
    calc::CalculatorWindow& w = *win.w;
    const bool full = state.range(0) == 1;
    PaintCounter counter;
    std::vector<double> times;
    times.reserve(100000);
    long paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        w.repaint();
        QApplication::processEvents();
        app().installEventFilter(&counter);
        counter.paints = 0;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        action();
        if (full)
            w.repaint();
        else
            QApplication::processEvents();
        const auto t1 = std::chrono::steady_clock::now();
        state.PauseTiming();
        paints += counter.paints;
        app().removeEventFilter(&counter);
        state.ResumeTiming();
        times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    if (!win.box.texts.empty())
        state.SkipWithError("a message was shown");
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["p90_us"] = times[times.size() * 9 / 10];
    state.counters["paints"] = double(paints) / double(times.size());
}

void calculate(benchmark::State& state, bool degreesMinutes, const Inputs& in)
{
    Window win(degreesMinutes ? Calculator::degreesMinutes : Calculator::decimal);
    calc::CelestialWindow& w = win.celestial();
    w.optLatN.setValue(in.latNorth);
    w.optDecN.setValue(in.decNorth);
    timeToRepaint(state, win, [&] { type(w, in); }, [&] { w.cmdStart.click(); });
}

// Latitude 40 N, LHA 30, declination 20 N (code 28); on locdmf the
// latitude is 40 degrees 12.3 minutes.
const Inputs oneSolution = {{"40", "30", "20", "", ""}, {"12.3", "", "", "", ""}, true, true};
// LHA 50, declination 15 N, altitude 30 (code 14): two latitudes.
const Inputs twoSolutions = {{"", "50", "15", "30", ""}, {"", "", "", "", ""}, false, true};

void BM_CalculateOneSolution(benchmark::State& state) { calculate(state, false, oneSolution); }
void BM_CalculateTwoSolutions(benchmark::State& state) { calculate(state, false, twoSolutions); }
void BM_DmCalculateOneSolution(benchmark::State& state) { calculate(state, true, oneSolution); }
void BM_DmCalculateTwoSolutions(benchmark::State& state) { calculate(state, true, twoSolutions); }

/// The single-step button after a one-solution calculation: each step moves
/// the LHA on 15 degrees and solves and draws again.
void singleStep(benchmark::State& state, bool degreesMinutes)
{
    Window win(degreesMinutes ? Calculator::degreesMinutes : Calculator::decimal);
    calc::CelestialWindow& w = win.celestial();
    w.optLatN.setValue(true);
    w.optDecN.setValue(true);
    type(w, oneSolution);
    w.cmdStart.click();
    timeToRepaint(state, win, [] {}, [&] { w.dc.Step->click(); });
}

void BM_SingleStep(benchmark::State& state) { singleStep(state, false); }
void BM_DmSingleStep(benchmark::State& state) { singleStep(state, true); }

/// A passage on gcsf: the degrees and minutes of its seven rows (latitude of
/// departure, DLo, latitude of destination, distance, initial course,
/// longitude of departure, longitude of destination) and the direction
/// buttons it selects. Typing them all again also empties the boxes the
/// previous iteration's results went into.
struct Passage {
    const char* degrees[7];
    const char* minutes[7];
    std::vector<toolkit::OptionButton*> (*directions)(gcs::Gcsf&);
};

void greatCircle(benchmark::State& state, const Passage& p)
{
    Window win(Calculator::greatCircle);
    auto& w = static_cast<gcs::Gcsf&>(*win.w);
    auto type = [&] {
        for (int i = 0; i < 7; ++i) {
            w.txtDeg(i).setText(QString::fromLatin1(p.degrees[i]));
            if (i != 3)
                w.txtMin(i).setText(QString::fromLatin1(p.minutes[i]));
        }
        for (toolkit::OptionButton* o : p.directions(w))
            o->setValue(true);
    };
    timeToRepaint(state, win, type, [&] { w.cmdStart.click(); });
}

// 40 30 N 73 50 W to 49 57 N 5 42 W: the DLo formed from the longitudes,
// then distance, both courses and the diagram.
const Passage twoLongitudes = {{"40", "", "49", "", "", "73", "5"},
                               {"30", "", "57", "", "", "50", "42"},
                               [](gcs::Gcsf& w) {
                                   return std::vector<toolkit::OptionButton*>{&w.optLatN, &w.optDecN, &w.optLodepW,
                                                                              &w.optLodesW};
                               }};
// 40 N 10 W, DLo 30 W, 1500 miles: two destinations, the longitude of
// destination and two final courses; the choice of the set to draw.
const Passage twoDestinations = {{"40", "30", "", "1500", "", "10", ""},
                                 {"", "", "", "", "", "", ""},
                                 [](gcs::Gcsf& w) {
                                     return std::vector<toolkit::OptionButton*>{&w.optLatN, &w.optDloW, &w.optLodepW};
                                 }};

void BM_GcsCalculateTwoLongitudes(benchmark::State& state) { greatCircle(state, twoLongitudes); }
void BM_GcsCalculateTwoSolutions(benchmark::State& state) { greatCircle(state, twoDestinations); }

}  // namespace

BENCHMARK(BM_CalculateOneSolution)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateTwoSolutions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DmCalculateOneSolution)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DmCalculateTwoSolutions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GcsCalculateTwoLongitudes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GcsCalculateTwoSolutions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SingleStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DmSingleStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
