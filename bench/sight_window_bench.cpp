// The sight-reduction window with logs of 10, 200 and 2,000 sights: the
// file opened to the window repainted, one Hs edited to the window
// repainted (the log worked out again, the fix, the plotting sheet, the
// recovery file written), undo and redo of that edit likewise, and the
// printed page drawn.
//
// The ten sights are ten_sights.csv. The longer logs are made at start-up
// in a folder of the bench's own: stars observed exactly (the sextant
// altitude that gives the almanac's altitude) from one true position every
// five seconds from 19:30 UTC on 7 December 2026, taking in turn the stars
// then 15 to 70 degrees high, each row with the same DR a few miles off.
#include "bench/headless.h"
#include "navtext/navtext.h"
#include "sight/sky.h"
#include "sightlog/sight_log.h"
#include "sightwin/log_model.h"
#include "sightwin/sight_window.h"
#include "toolkit/palette.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QPdfWriter>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <numbers>

using namespace morvel;
using sightwin::SightWindow;

namespace {

/// The column edited: Hs. The one place that names the log's columns.
const int hsColumn = int(sightlog::SightColumn::hs);

constexpr double deg = std::numbers::pi / 180;
constexpr double trueLat = 41.3 * deg, trueLon = -37.6 * deg;
/// The DR of every row: 4' south and 6' of longitude east of the truth.
constexpr double drLat = trueLat - 4 * deg / 60, drLon = trueLon + 6 * deg / 60;

/// A log to open, and the Hs edited in it: row, as logged, and as edited.
struct Log {
    QString path;
    int row = 0;
    QString hs, edited;
};

std::map<int, Log> logs;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

/// A log of n sights written to folder; false when it cannot be.
bool makeLog(const QTemporaryDir& folder, int n)
{
    Log log;
    log.path = folder.filePath(QStringLiteral("%1_sights.csv").arg(n));
    log.row = n / 2;
    QFile f(log.path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n");
    const QString dr = text(navtext::navLatitudeText(drLat, false)) + u',' + text(navtext::navLongitudeText(drLon, false));
    const QDateTime start(QDate(2026, 12, 7), QTime(19, 30), Qt::UTC);
    sight::Conditions conditions;
    conditions.ic = -1.2;
    conditions.eye = 3.5;
    for (int i = 0; i < n; ++i) {
        const QString utc = start.addSecs(5 * i).toString(Qt::ISODate);
        const almanac::Instant when = almanac::Instant::parse(utc.toStdString());
        std::vector<sight::Visible> stars;
        for (const sight::Visible& v : sight::skyAt(when, trueLat, trueLon).bodies)
            if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * deg && v.hc < 70 * deg)
                stars.push_back(v);
        if (stars.empty())
            return false;
        const sight::Visible& star = stars[size_t(i) % stars.size()];
        const double hs = sight::sextantAltitude(star.hc, conditions, sight::Limb::center, {}, trueLat);
        const QString hsText = text(navtext::navAltitudeText(hs, false));
        if (i == log.row) {
            log.hs = hsText;
            log.edited = text(navtext::navAltitudeText(hs + deg / 60, false));
        }
        const QStringList cells{utc, text(std::string(star.body.name)), {}, hsText, QStringLiteral("-1.2"),
                                QStringLiteral("3.5"), {}, {}, dr};
        f.write((cells.join(u',') + u'\n').toUtf8());
    }
    if (!f.flush())
        return false;
    logs[n] = log;
    return true;
}

/// The window with the log of state.range(0) sights, sized as on a desk;
/// false (the benchmark skipped) when the log does not open or gives no fix.
bool openLog(benchmark::State& state, SightWindow& w)
{
    w.ask = [](const QString&, bool) { return SightWindow::Answer::no; };
    w.resize(1400, 800);
    if (!w.open(logs[int(state.range(0))].path)) {
        state.SkipWithError("cannot open the log");
        return false;
    }
    if (!w.model().worked().fix.found()) {
        state.SkipWithError("no fix");
        return false;
    }
    w.grab();
    return true;
}

/// The edited cell as the log holds it.
QString hsOf(SightWindow& w, const Log& log)
{
    return text(w.model().book().rows.at(size_t(log.row))[size_t(hsColumn)]);
}

/// The log's Hs edited once, and undo and redo seen to work on it.
bool editOnce(benchmark::State& state, SightWindow& w, const Log& log)
{
    w.model().setData(w.model().index(log.row, hsColumn), log.edited, Qt::EditRole);
    w.grab();
    w.actUndo->trigger();
    const bool undone = hsOf(w, log) == log.hs;
    w.actRedo->trigger();
    w.grab();
    if (!undone || hsOf(w, log) != log.edited) {
        state.SkipWithError("the edit is not undone and redone");
        return false;
    }
    return true;
}

}  // namespace

static void sightOpen(benchmark::State& state)
{
    SightWindow w;
    if (!openLog(state, w))
        return;
    const QString path = logs[int(state.range(0))].path;
    for (auto _ : state) {
        w.open(path);
        benchmark::DoNotOptimize(w.grab());
    }
    if (!w.model().worked().fix.found())
        state.SkipWithError("no fix");
}

static void sightEdit(benchmark::State& state)
{
    SightWindow w;
    if (!openLog(state, w))
        return;
    const Log& log = logs[int(state.range(0))];
    const QModelIndex hs = w.model().index(log.row, hsColumn);
    bool flip = false;
    for (auto _ : state) {
        w.model().setData(hs, (flip = !flip) ? log.edited : log.hs, Qt::EditRole);
        benchmark::DoNotOptimize(w.grab());
    }
    if (!w.model().worked().fix.found())
        state.SkipWithError("no fix");
}

// Each undo is timed, the redo that sets it up again is not; and the other
// way round.
static void sightUndo(benchmark::State& state)
{
    SightWindow w;
    const Log& log = logs[int(state.range(0))];
    if (!openLog(state, w) || !editOnce(state, w, log))
        return;
    for (auto _ : state) {
        w.actUndo->trigger();
        benchmark::DoNotOptimize(w.grab());
        state.PauseTiming();
        w.actRedo->trigger();
        w.grab();
        state.ResumeTiming();
    }
}

static void sightRedo(benchmark::State& state)
{
    SightWindow w;
    const Log& log = logs[int(state.range(0))];
    if (!openLog(state, w) || !editOnce(state, w, log))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        w.actUndo->trigger();
        w.grab();
        state.ResumeTiming();
        w.actRedo->trigger();
        benchmark::DoNotOptimize(w.grab());
    }
}

static void sightPage(benchmark::State& state)
{
    SightWindow w;
    if (!openLog(state, w))
        return;
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

// The window with a log of 200 sights repainted whole by day, by dusk and
// by night (night draws the style's every element through a reddened layer).
static void sightRepaint(benchmark::State& state)
{
    SightWindow w;
    if (!openLog(state, w))
        return;
    toolkit::Palettes::instance().choose(toolkit::PaletteChoice(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(w.grab());
    toolkit::Palettes::instance().choose(toolkit::PaletteChoice::day);
}

// A second of each at least: at 2,000 sights an edit takes most of one, so
// that size runs two or three times.
static void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(10)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->MinTime(1);
}
BENCHMARK(sightOpen)->Apply(sizes);
BENCHMARK(sightEdit)->Apply(sizes);
BENCHMARK(sightUndo)->Apply(sizes);
BENCHMARK(sightRedo)->Apply(sizes);
BENCHMARK(sightPage)->Arg(10)->Arg(200)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(sightRepaint)->Args({200, 0})->Args({200, 1})->Args({200, 2})->Unit(benchmark::kMillisecond)->MinTime(1);

int main(int argc, char** argv)
{
    // The recovery file, the settings and the longer logs go to a folder of
    // the bench's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    auto app = morvel::bench::headlessApplication(argc, argv);
    logs[10] = {QStringLiteral(MORVEL_TEN_SIGHTS), 5, QStringLiteral("37 45.8"), QStringLiteral("37 46.8")};
    for (int n : {200, 2000})
        if (!makeLog(home, n)) {
            std::fprintf(stderr, "The log of %d sights could not be written in %s\n", n, qPrintable(home.path()));
            return 1;
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
