// morvel-soak [STEPS]: the LHA animation left running. The decimal-degrees
// window, shown (offscreen), runs in continuous mode for STEPS timer ticks
// (20,000 by default); between ticks the event loop delivers what the tick
// posted and repaints the window, as in a real run. Reports the time of a
// step (the tick and the repaint) and the growth of resident memory, from
// the end of the first 1,000 steps, when the caches are warm, to the last.
//
//   QT_QPA_PLATFORM=offscreen build/bench/morvel-soak
#include "bench/headless.h"
#include "calc/decimal_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

using namespace morvel;

namespace {

/// Resident memory in MB, from /proc/self/statm.
double residentMb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    const auto app = bench::headlessApplication(argc, argv);
    const long steps = argc > 1 ? std::atol(argv[1]) : 20000;
    constexpr long warmUp = 1000;
    if (steps <= warmUp) {
        std::fprintf(stderr, "usage: morvel-soak [STEPS], more than %ld\n", warmUp);
        return 2;
    }

    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    toolkit::RecordingQuit quitter;
    toolkit::services().messages = &box;
    toolkit::services().printer = &printer;
    toolkit::services().quitter = &quitter;
    toolkit::Timer::setManual(true);  // the loop below is the timer
    const double atStart = residentMb();
    {
        shell::Program program;
        program.start();
        program.morvelf().cmdDD.click();
        calc::Locddf& w = program.locddf();
        // Latitude 40 N, LHA 10, declination 20 N, then Continuous step.
        w.txtDeg(0).setText(QStringLiteral("40"));
        w.optLatN.setValue(true);
        w.txtDeg(1).setText(QStringLiteral("10"));
        w.txtDeg(2).setText(QStringLiteral("20"));
        w.optDecN.setValue(true);
        w.cmdStart.click();
        w.dc.chkContinuous->setValue(1);
        w.dc.Auto->click();
        QApplication::processEvents();

        std::vector<double> ms;
        ms.reserve(size_t(steps));
        double warm = 0;
        for (long i = 0; i < steps; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            w.dc.timer->fire();
            QApplication::processEvents();
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            if (i + 1 == warmUp)
                warm = residentMb();
        }
        const double atEnd = residentMb();
        const bool running = w.dc.timer->enabled();
        std::sort(ms.begin(), ms.end());
        std::printf("%ld steps: median %.3f ms, p90 %.3f ms, max %.3f ms per step\n", steps, ms[ms.size() / 2],
                    ms[ms.size() * 9 / 10], ms.back());
        std::printf("resident memory: %.1f MB at start, %.1f MB after %ld steps, %.1f MB after %ld "
                    "(growth %.2f MB)\n",
                    atStart, warm, warmUp, atEnd, steps, atEnd - warm);
        if (!box.texts.empty() || !running) {
            std::printf("the run did not go on as it should: %zu message(s), timer %s\n", box.texts.size(),
                        running ? "running" : "stopped");
            return 1;
        }
    }
    toolkit::services() = toolkit::Services{};
    toolkit::Timer::setManual(false);
    return 0;
}
