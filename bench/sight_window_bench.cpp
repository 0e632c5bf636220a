// The sight-reduction window with the ten-sight log (ten_sights.csv): one
// Hs edited to the window repainted (the log worked out again, the fix, the
// plotting sheet, the recovery file written), and the printed page drawn.
#include "bench/headless.h"
#include "sightwin/log_model.h"
#include "sightwin/sight_window.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using morvel::sightwin::SightWindow;

static void sightEdit(benchmark::State& state)
{
    SightWindow w;
    w.ask = [](const QString&, bool) { return SightWindow::Answer::no; };
    if (!w.open(QStringLiteral(MORVEL_TEN_SIGHTS)))
        state.SkipWithError("cannot open the log");
    w.resize(1400, 800);
    const QModelIndex hs = w.model().index(5, int(morvel::cli::SightColumn::hs));
    bool flip = false;
    for (auto _ : state) {
        w.model().setData(hs, (flip = !flip) ? QStringLiteral("37 46.8") : QStringLiteral("37 45.8"), Qt::EditRole);
        benchmark::DoNotOptimize(w.grab());
    }
    if (!w.model().worked().fix.found())
        state.SkipWithError("no fix");
}
BENCHMARK(sightEdit)->Unit(benchmark::kMillisecond);

static void sightPage(benchmark::State& state)
{
    SightWindow w;
    w.open(QStringLiteral(MORVEL_TEN_SIGHTS));
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        w.drawPage(writer);
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(sightPage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The recovery file and the settings go to a folder of the bench's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    auto app = morvel::bench::headlessApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
