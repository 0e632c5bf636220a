// morvel-gui-bench: the time from pressing "&Calculate" on locddf to the
// repainted window, offscreen, for a one-solution and a two-solution case.
// Each iteration: click cmdStart (setup, reset, validation, solver, output,
// transfer), then the repaint: /0 lets the event loop repaint what changed
// (as a user sees it), /1 forces a synchronous repaint of the whole window
// (an upper bound). The boxes the previous iteration filled with results are
// emptied outside the timing. paints counts the window's paint events per
// iteration, to show that the window really was repainted.
// Besides Google Benchmark's mean, each run reports the median and the 90th
// percentile of the single iterations (median_us, p90_us).
#include "calc/decimal_window.h"
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

struct Window {
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    toolkit::RecordingQuit quitter;
    std::unique_ptr<shell::Program> program;
    calc::Locddf* w = nullptr;

    Window()
    {
        app();
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        toolkit::services().quitter = &quitter;
        toolkit::services().manualTimers = true;
        program = std::make_unique<shell::Program>();
        program->start();
        program->morvelf().cmdDD.click();
        w = &program->locddf();
        QApplication::processEvents();
    }
    ~Window()
    {
        program.reset();
        toolkit::services() = toolkit::Services{};
    }
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

/// inputs: the five boxes' texts; hemi: the option buttons to select.
void run(benchmark::State& state, const char* const (&inputs)[5], std::vector<toolkit::OptionButton*> (*hemi)(calc::Locddf&))
{
    Window win;
    calc::Locddf& w = *win.w;
    for (int i = 0; i < 5; ++i)
        w.txtDeg(i).setText(QString::fromLatin1(inputs[i]));
    for (toolkit::OptionButton* o : hemi(w))
        o->setValue(true);
    const bool full = state.range(0) == 1;
    PaintCounter counter;
    std::vector<double> times;
    times.reserve(100000);
    long paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 5; ++i)
            w.txtDeg(i).setText(QString::fromLatin1(inputs[i]));
        w.repaint();
        QApplication::processEvents();
        app().installEventFilter(&counter);
        counter.paints = 0;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        w.cmdStart.click();
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

void BM_CalculateOneSolution(benchmark::State& state)
{
    // Latitude 40 N, LHA 30, declination 20 N (code 28).
    static const char* const inputs[5] = {"40", "30", "20", "", ""};
    run(state, inputs, [](calc::Locddf& w) { return std::vector<toolkit::OptionButton*>{&w.optLatN, &w.optDecN}; });
}

void BM_CalculateTwoSolutions(benchmark::State& state)
{
    // LHA 50, declination 15 N, altitude 30 (code 14): two latitudes.
    static const char* const inputs[5] = {"", "50", "15", "30", ""};
    run(state, inputs, [](calc::Locddf& w) { return std::vector<toolkit::OptionButton*>{&w.optDecN}; });
}

}  // namespace

BENCHMARK(BM_CalculateOneSolution)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateTwoSolutions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
