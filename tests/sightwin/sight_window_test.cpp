// The sight-reduction window as a navigator uses it, headless: a log typed
// row by row gives the fix morvel-solve gives from the file the window
// saves; an edit undone; a bad entry marked and left out; the log back
// after a crash, and a recovery file that cannot be written told once; the
// printed page, and a long log's pages; the way in from the main menu and
// back; the fix to a plotter listening on UDP, and the DR from the GPS.
#include "cli/sights.h"
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "sight/corrections.h"
#include "sightlog/logbook.h"
#include "sightwin/dr_box.h"
#include "sight/sky.h"
#include "sightwin/daily_pages_dialog.h"
#include "sightwin/log_model.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/sight_document.h"
#include "sightwin/sight_window.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QFile>
#include <QTimeZone>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>

using namespace morvel;
using sightwin::LogModel;
using sightwin::SightWindow;
using Col = sightlog::SightColumn;

namespace {

struct Typed {
    const char *utc, *body, *hs;
};
// Four evening stars of 7 December 2026 from one DR, stopped.
const Typed evening[] = {{"2026-12-07T19:33:00Z", "Capella", "19 2.2"},
                         {"2026-12-07T19:34:00Z", "Altair", "45 1.7"},
                         {"2026-12-07T19:35:00Z", "Vega", "48 2.9"},
                         {"2026-12-07T19:36:00Z", "Fomalhaut", "51.6"}};

void typeInto(QLineEdit& edit, const QString& text)
{
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

/// The DR, then each sight a row: Enter in the table adds one, and its
/// cells are typed as the table's editors take them.
void typeLog(SightWindow& w, int rows = 4)
{
    typeInto(w.drPosition(), QStringLiteral("40 05.0N 35 45.0W"));
    typeInto(w.drTime(), QStringLiteral("2026-12-07T19:30:00Z"));
    LogModel& m = w.model();
    for (int i = 0; i < rows; ++i) {
        w.table().setFocus();
        QTest::keyClick(&w.table(), Qt::Key_Return);
        const int r = m.rowCount() - 1;
        auto set = [&](Col c, const char* text) { m.setData(m.index(r, int(c)), QString::fromUtf8(text), Qt::EditRole); };
        set(Col::utc, evening[i].utc);
        set(Col::body, evening[i].body);
        set(Col::hs, evening[i].hs);
        set(Col::ic, "-1.2");
        set(Col::eye, "3.5");
    }
    // Fomalhaut's altitude is mistyped on purpose; mend it.
    if (rows == 4)
        m.setData(m.index(3, int(Col::hs)), QStringLiteral("19 51.6"), Qt::EditRole);
}

struct WindowTest : ::testing::Test {
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    QTemporaryDir dir;
    void SetUp() override
    {
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        QFile::remove(SightWindow::recoveryPath());
        // Each test starts without the DR an earlier one left remembered.
        QSettings s(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
        for (const char* key : {"sight/drPosition", "sight/drTime", "sight/drCourse", "sight/drSpeed"})
            s.remove(QLatin1String(key));
    }
};

/// The fix morvel-solve --sights --json finds in a file: latitude and
/// longitude in degrees.
std::pair<double, double> solvedFix(const QString& path)
{
    std::ifstream in(path.toStdString());
    std::ostringstream out, err;
    cli::SightsOptions json;
    json.json = true;
    cli::runSights(in, "log", json, out, err);
    const std::string s = out.str();
    const size_t fix = s.find("\"fix\":{");
    if (fix == std::string::npos)
        return {NAN, NAN};
    const size_t lat = s.find("\"lat\":", fix), lon = s.find("\"lon\":", fix);
    return {std::stod(s.substr(lat + 6)), std::stod(s.substr(lon + 6))};
}

/// A printed page read back as text (pdftotext) with its number of pages
/// (pdfinfo), in vectors alone. MORVEL_SNAPSHOT_DIR=DIR keeps it there as
/// name, to look at.
std::pair<QString, int> readBack(const QByteArray& pdf, const QTemporaryDir& dir, const QString& name)
{
    EXPECT_FALSE(pdf.isEmpty());
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "a bitmap on the page";
    const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR");
    const QString path = (keep.isEmpty() ? dir.path() : keep) + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(pdf);
    f.close();
    QProcess info, text;
    info.start(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.waitForFinished()) << "pdfinfo (poppler-utils) is needed";
    const QString pages = QString::fromUtf8(info.readAllStandardOutput()).section(QStringLiteral("Pages:"), 1).trimmed();
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished());
    return {QString::fromUtf8(text.readAllStandardOutput()), pages.section(u'\n', 0, 0).toInt()};
}

/// A log of n star sights observed exactly (the sextant altitude that gives
/// the almanac's) from 41°18'N 37°36'W every 20 seconds from 19:30 UT on 7
/// December 2026, the stars 15 to 70 degrees high in turn, each row's DR
/// 4' south and 6' east of the truth; and each sight's time as the page
/// writes it.
std::pair<QByteArray, QStringList> exactLog(int n)
{
    const double lat = 41.3 * math::degree, lon = -37.6 * math::degree;
    const std::string dr = navtext::navPositionText(lat - math::degree / 15, lon + math::degree / 10, false);
    QByteArray log = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    QStringList times;
    const QDateTime start(QDate(2026, 12, 7), QTime(19, 30), Qt::UTC);
    sight::Conditions conditions;
    conditions.eye = 3.5;
    for (int i = 0; i < n; ++i) {
        const QString utc = start.addSecs(20 * i).toString(Qt::ISODate);
        std::vector<sight::Visible> stars;
        for (const sight::Visible& v : sight::skyAt(almanac::Instant::parse(utc.toStdString()), lat, lon).bodies)
            if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * math::degree && v.hc < 70 * math::degree)
                stars.push_back(v);
        const sight::Visible& star = stars[size_t(i) % stars.size()];
        const double hs = sight::sextantAltitude(star.hc, conditions, sight::Limb::center, {}, lat);
        log += QStringLiteral("%1,%2,,%3,0,3.5,,,%4,%5\n")
                   .arg(utc, QString::fromStdString(std::string(star.body.name)),
                        QString::fromStdString(navtext::navAltitudeText(hs, false)),
                        QString::fromStdString(dr.substr(0, dr.find(' '))),
                        QString::fromStdString(dr.substr(dr.find(' ') + 1)))
                   .toUtf8();
        times << QString::fromStdString(navtext::instantText(utc.toStdString()));
    }
    return {log, times};
}

}  // namespace

TEST_F(WindowTest, ThreeStarLogGivesTheFixMorvelSolveGivesFromTheSavedFile)
{
    SightWindow w;
    typeLog(w);
    // One row with a DR of its own (the same place, typed).
    LogModel& m = w.model();
    m.setData(m.index(0, int(Col::drLat)), QStringLiteral("40 05.0N"), Qt::EditRole);
    m.setData(m.index(0, int(Col::drLon)), QStringLiteral("35 45.0W"), Qt::EditRole);
    const sightlog::Worked& worked = w.model().worked();
    ASSERT_TRUE(worked.fix.found()) << worked.fix.why;
    EXPECT_EQ(worked.sights.size(), 4u);
    EXPECT_TRUE(worked.fix.ellipse.has_value());
    EXPECT_TRUE(w.resultText().contains(QStringLiteral("Fix"))) << w.resultText().toStdString();
    EXPECT_EQ(w.sheet().content().lines.size(), 4u);

    const QString path = dir.filePath(QStringLiteral("evening.csv"));
    ASSERT_TRUE(w.saveTo(path));
    EXPECT_FALSE(w.modified());
    // morvel-solve finds the fix the window shows (its JSON to 1e-5 degree).
    const auto [lat, lon] = solvedFix(path);
    EXPECT_NEAR(lat, worked.fix.lat / math::degree, 1e-5);
    EXPECT_NEAR(lon, worked.fix.lon / math::degree, 1e-5);

    // The sheet zoomed, then the file opened again: the sheet fitted to it.
    w.show();
    w.sheet().actZoomIn->trigger();
    EXPECT_FALSE(w.sheet().view().fitted);
    ASSERT_TRUE(w.open(path));
    EXPECT_TRUE(w.sheet().view().fitted);
    // Tab from the log reaches the sheet, past its tab.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.table().setFocus();
    for (int i = 0; i < 3 && !w.sheet().hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(w.sheet().hasFocus());

    // Reopened, the same log and the same fix; the rows follow the DR again.
    SightWindow again;
    ASSERT_TRUE(again.open(path));
    EXPECT_EQ(again.model().book(), w.model().book());
    EXPECT_EQ(again.resultText(), w.resultText());
}

// A log typed by the watch and its twin typed in UT give one fix, in the
// window and from the files it saves through morvel-solve; every row shows
// its time in one form with the UT. The sights are exact (the almanac's
// altitudes from the truth, the DR 4' south and 6' east of it), four stars
// spread in azimuth.
TEST_F(WindowTest, WatchTimeAndItsUtcTwinGiveOneFix)
{
    const struct {
        const char *name, *date, *zone, *error;
        double lat, lon;  ///< the truth, degrees
        std::array<const char*, 4> watch, utc;
    } logs[] = {
        {"the UT date rolls on", "2026-12-07", "+5", "12 s fast", 40.2, -70.33,
         {"19:33:12", "19:34:12", "19:35:12", "2026-12-07 19:36:12"},
         {"2026-12-08T00:33:00Z", "2026-12-08T00:34:00Z", "2026-12-08T00:35:00Z", "2026-12-08T00:36:00Z"}},
        {"across local midnight", "2026-12-07", "+3", "12 s slow", 41.3, -37.6,
         {"23:58:48", "23:59:48", "2026-12-08 00:00:48", "2026-12-08 00:01:48"},
         {"2026-12-08T02:59:00Z", "2026-12-08T03:00:00Z", "2026-12-08T03:01:00Z", "2026-12-08T03:02:00Z"}},
        {"east, the UT date a day behind", "2026-12-08", "-3", "0", 41.0, 45.0,
         {"01:10", "01:11", "01:12", "01:13"},
         {"2026-12-07T22:10:00Z", "2026-12-07T22:11:00Z", "2026-12-07T22:12:00Z", "2026-12-07T22:13:00Z"}},
    };
    for (const auto& log : logs) {
        SCOPED_TRACE(log.name);
        const double lat = log.lat * math::degree, lon = log.lon * math::degree;
        // The stars nearest north, east, south and west, 15 to 70 degrees high.
        std::vector<std::pair<std::string, std::string>> sights;  // body, Hs
        sight::Conditions conditions;
        conditions.eye = 3.5;
        for (size_t i = 0; i < 4; ++i) {
            const auto sky = sight::skyAt(almanac::Instant::parse(log.utc[i]), lat, lon).bodies;
            auto off = [&](const sight::Visible& v) {
                return v.body.kind != almanac::BodyKind::star || !sight::AltitudeBand{}.holds(v.hc)
                           ? 1e9 : std::abs(std::remainder(v.zn - i * 90 * math::degree, 360 * math::degree));
            };
            const sight::Visible& best =
                *std::min_element(sky.begin(), sky.end(), [&](auto& a, auto& b) { return off(a) < off(b); });
            sights.emplace_back(std::string(best.body.name),
                                navtext::navAltitudeText(
                                    sight::sextantAltitude(best.hc, conditions, sight::Limb::center, {}, lat), false));
        }
        const std::string dr = navtext::navPositionText(lat - math::degree / 15, lon + math::degree / 10, false);
        auto type = [&](SightWindow& w, bool watch) {
            typeInto(w.drPosition(), QString::fromStdString(dr));
            typeInto(w.drTime(), QString::fromUtf8(log.utc[0]));
            if (watch) {
                typeInto(w.drBox().date(), QString::fromUtf8(log.date));
                typeInto(w.drBox().zone(), QString::fromUtf8(log.zone));
                typeInto(w.drBox().watchError(), QString::fromUtf8(log.error));
            }
            LogModel& m = w.model();
            for (size_t i = 0; i < 4; ++i) {
                w.actAdd->trigger();
                const int r = m.rowCount() - 1;
                for (const auto& [c, text] : {std::pair(Col::utc, std::string(watch ? log.watch[i] : log.utc[i])),
                                              std::pair(Col::body, sights[i].first), std::pair(Col::hs, sights[i].second),
                                              std::pair(Col::ic, std::string("0")), std::pair(Col::eye, std::string("3.5"))})
                    m.setData(m.index(r, int(c)), QString::fromStdString(text), Qt::EditRole);
            }
        };
        SightWindow byWatch, inUt;
        type(byWatch, true);
        type(inUt, false);
        const sight::Fix &fix = byWatch.model().worked().fix, &twin = inUt.model().worked().fix;
        ASSERT_TRUE(fix.found()) << fix.why;
        EXPECT_EQ(fix.lat, twin.lat);
        EXPECT_EQ(fix.lon, twin.lon);
        EXPECT_NEAR(fix.lat, lat, 0.05 / 60 * math::degree);
        EXPECT_NEAR(fix.lon, lon, 0.05 / 60 * math::degree);
        EXPECT_EQ(byWatch.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Watch time"));
        for (int r = 0; r < 4; ++r) {
            const QString ut = QString::fromStdString(navtext::instantText(log.utc[r])) + QStringLiteral(" UT");
            const QString watch = QString::fromUtf8(log.watch[r]).section(u' ', -1);
            EXPECT_EQ(byWatch.model().index(r, 0).data().toString(),
                      (watch.size() == 5 ? watch + QStringLiteral(":00") : watch) + QStringLiteral(" (") + ut + u')');
            EXPECT_EQ(inUt.model().index(r, 0).data().toString(), ut);
        }

        // Saved, the files morvel-solve reads to the same fix.
        const QString watchFile = dir.filePath(QStringLiteral("watch.csv")), utcFile = dir.filePath(QStringLiteral("utc.csv"));
        ASSERT_TRUE(byWatch.saveTo(watchFile) && inUt.saveTo(utcFile));
        EXPECT_EQ(solvedFix(watchFile), solvedFix(utcFile));
        EXPECT_NEAR(solvedFix(watchFile).first, fix.lat / math::degree, 1e-5);
        // The printed page: the watch's settings in its head, each time by
        // the watch with the UT.
        byWatch.actPrint->trigger();
        ASSERT_FALSE(printer.jobs.empty());
        const QString page = readBack(printer.jobs.back().pdf, dir, QStringLiteral("sight-page-watch.pdf")).first;
        EXPECT_TRUE(page.contains(QStringLiteral("Watch: date on board %1, zone %2, watch error %3")
                                      .arg(QString::fromUtf8(log.date), QString::fromUtf8(log.zone),
                                           QString::fromUtf8(log.error))) &&
                    page.contains(byWatch.model().index(3, 0).data().toString()))
            << page.toStdString();
        if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty() && log.watch[2][0] == '2') {
            byWatch.resize(1400, 800);
            byWatch.show();
            byWatch.grab().save(keep + QStringLiteral("/sight-window-watch.png"));
        }
    }
}

TEST_F(WindowTest, UndoAndRedoEveryEdit)
{
    SightWindow w;
    typeLog(w, 3);
    const QString before = w.resultText();
    LogModel& m = w.model();
    m.setData(m.index(1, int(Col::hs)), QStringLiteral("45 11.7"), Qt::EditRole);
    EXPECT_NE(w.resultText(), before);
    w.actUndo->trigger();
    EXPECT_EQ(w.resultText(), before);
    EXPECT_EQ(m.index(1, int(Col::hs)).data(Qt::EditRole).toString(), QStringLiteral("45 1.7"));
    w.actRedo->trigger();
    EXPECT_NE(w.resultText(), before);
    // A row deleted and brought back; the DR edit undone.
    w.table().setCurrentIndex(m.index(0, 0));
    w.actDelete->trigger();
    EXPECT_EQ(m.rowCount(), 2);
    w.actUndo->trigger();
    EXPECT_EQ(m.rowCount(), 3);
    const auto dr = m.book().dr;
    typeInto(w.drPosition(), QStringLiteral("41N 35W"));
    EXPECT_NE(m.book().dr, dr);
    w.actUndo->trigger();
    EXPECT_EQ(m.book().dr, dr);
    EXPECT_EQ(w.drPosition().text(), QStringLiteral("40 05.0N 35 45.0W"));
}

TEST_F(WindowTest, BadEntryMarkedAndLeftOut)
{
    struct Row {
        const char* name;
        Col column;
        const char* text;
        const char* why;
    };
    const Row rows[] = {{"letters for Hs", Col::hs, "4S 12", "sextant altitude"},
                        {"unknown body", Col::body, "Vegas", "no body"},
                        {"limb of a star", Col::limb, "lower", "limbs"},
                        {"eye beyond 100 m", Col::eye, "350", "metres"},
                        {"Hs typed 90", Col::hs, "90", "the intercept at the DR is"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SightWindow w;
        typeLog(w);
        LogModel& m = w.model();
        m.setData(m.index(2, int(r.column)), QString::fromUtf8(r.text), Qt::EditRole);
        EXPECT_EQ(m.worked().rows[2].status, sightlog::RowStatus::bad);
        EXPECT_TRUE(m.index(2, int(r.column)).data(Qt::ToolTipRole).toString().contains(QString::fromUtf8(r.why)))
            << m.index(2, int(r.column)).data(Qt::ToolTipRole).toString().toStdString();
        EXPECT_TRUE(m.index(2, LogModel::hc).data(Qt::DisplayRole).toString().isEmpty());
        EXPECT_EQ(m.worked().sights.size(), 3u);
        EXPECT_TRUE(m.worked().fix.found());
    }
}

TEST_F(WindowTest, RecoveryAfterACrash)
{
    sightlog::Logbook kept;
    {
        auto* w = new SightWindow;
        typeLog(*w, 3);
        kept = w->model().book();
        ASSERT_TRUE(QFile::exists(SightWindow::recoveryPath()));
        // A crash: the window goes without being closed.
        w->hide();
        w->deleteLater();
        delete w;
    }
    SightWindow w;
    QString asked;
    w.ask = [&](const QString& q, bool) {
        asked = q;
        return SightWindow::Answer::yes;
    };
    w.offerRecovery();
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_EQ(w.model().book(), kept);
    EXPECT_TRUE(w.modified());
    // Closed cleanly after saving: nothing is offered next time.
    ASSERT_TRUE(w.saveTo(dir.filePath(QStringLiteral("kept.csv"))));
    w.close();
    EXPECT_FALSE(QFile::exists(SightWindow::recoveryPath()));

    // The DR and the height of eye are remembered for the next day.
    SightWindow next;
    EXPECT_EQ(next.drPosition().text(), QStringLiteral("40 05.0N 35 45.0W"));
    next.actAdd->trigger();
    EXPECT_EQ(next.model().index(0, int(Col::eye)).data(Qt::EditRole).toString(), QStringLiteral("3.5"));
}

// A recovery file that cannot be written is told once, not at every edit.
TEST_F(WindowTest, RecoveryThatCannotBeWrittenToldOnce)
{
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    SightWindow w;
    typeLog(w);
    qputenv("XDG_DATA_HOME", home);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_TRUE(box.texts[0].startsWith(QStringLiteral("Changes cannot be kept for recovery in ") + blocked))
        << box.texts[0].toStdString();
    EXPECT_TRUE(box.texts[0].endsWith(QStringLiteral("Save the sights to keep them.")));
}

// The page a logbook keeps: the vessel, the navigator and a line to sign
// on; each sight's time and DR, its height of eye, temperature and
// pressure; the fix, and the morning Sun's line run up to the stars said.
TEST_F(WindowTest, PrintedPageIsALogbookPageInVectors)
{
    SightWindow w;
    typeLog(w);
    w.document().setVesselAndNavigator(QStringLiteral("Northern Light"), QStringLiteral("J. Harrison"));
    LogModel& m = w.model();
    m.setData(m.index(1, int(Col::temp)), QStringLiteral("8"), Qt::EditRole);
    m.setData(m.index(1, int(Col::pressure)), QStringLiteral("1016"), Qt::EditRole);
    w.document().insertSight(0, {"2026-12-07T11:30:00Z", "Sun", "lower", "16 6.1", "-1.2", "3.5", "", "", "39 50.0N",
                                 "36 40.0W"},
                             QStringLiteral("Add the morning Sun"));
    ASSERT_TRUE(w.model().worked().fix.found());
    w.actPrint->trigger();
    ASSERT_EQ(printer.jobs.size(), 1u);
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty()) {
        w.resize(1400, 800);
        w.show();
        w.grab().save(keep + QStringLiteral("/sight-window.png"));
        w.findChild<QTabWidget*>()->setCurrentIndex(1);
        w.grab().save(keep + QStringLiteral("/sight-sky.png"));
    }
    const auto [page, pages] = readBack(printer.jobs[0].pdf, dir, QStringLiteral("sight-page.pdf"));
    EXPECT_EQ(pages, 1);
    for (const char* expected :
         {"Sight reduction", "Northern Light", "J. Harrison", "Navigator's signature", "2026-12-07 19:33:00",
          "40°05.0'N 035°45.0'W", "39°50.0'N 036°40.0'W", "3.5 m", "8 °C, 1016 hPa", "10 °C, 1010 hPa", "Fomalhaut",
          "Fix 40°", "95 % ellipse",
          "Running fix: the line of 2026-12-07 11:30:00 UT (Sun) advanced by the run to 2026-12-07 19:36:00 UT"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n" << page.toStdString();
}

// Thirty sights run on to a second page, the sheet on it; no sight is lost
// between the pages.
TEST_F(WindowTest, LongLogRunsOnToASecondPage)
{
    const auto [log, times] = exactLog(30);
    const QString path = dir.filePath(QStringLiteral("thirty.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(log);
    f.close();
    SightWindow w;
    ASSERT_TRUE(w.open(path));
    ASSERT_TRUE(w.model().worked().fix.found());
    w.actPrint->trigger();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto [page, pages] = readBack(printer.jobs[0].pdf, dir, QStringLiteral("sight-page-30.pdf"));
    EXPECT_EQ(pages, 2);
    for (const QString& t : times)
        EXPECT_TRUE(page.contains(t)) << t.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Page 2 of 2")));
}

// A log typed with Enter and Tab alone loses nothing: Enter keeps the cell
// and moves on to what the row lacks, a whole row goes on to a new one;
// Escape closes the editor alone and the table keeps the focus.
TEST_F(WindowTest, EnterAndEscapeKeepWhatIsTyped)
{
    QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).clear();  // no height of eye remembered
    SightWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    typeInto(w.drPosition(), QStringLiteral("40 05.0N 35 45.0W"));
    typeInto(w.drTime(), QStringLiteral("2026-12-07T19:33:00Z"));
    LogModel& m = w.model();
    auto type = [](const char* text, Qt::Key key = Qt::Key_Return) {
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(editor);
        QTest::keyClicks(editor, QString::fromUtf8(text));
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    auto at = [&] { return std::pair(w.table().currentIndex().row(), w.table().currentIndex().column()); };
    w.table().setFocus();
    QTest::keyClick(&w.table(), Qt::Key_Return);  // a row, its body open
    EXPECT_EQ(at(), std::pair(0, int(Col::body)));
    type("Capella");
    EXPECT_EQ(at(), std::pair(0, int(Col::hs)));
    type("19 2.2");
    EXPECT_EQ(at(), std::pair(0, int(Col::eye)));  // no height of eye yet
    type("3.5");
    ASSERT_EQ(m.rowCount(), 2);  // the row whole: on to a new one
    EXPECT_EQ(at(), std::pair(1, int(Col::body)));
    type("Sun");
    EXPECT_EQ(at(), std::pair(1, int(Col::limb)));  // the Sun has limbs
    EXPECT_EQ(m.book().rows[0][size_t(Col::body)], "Capella");
    EXPECT_EQ(m.book().rows[0][size_t(Col::hs)], "19 2.2");
    EXPECT_EQ(m.book().rows[1][size_t(Col::body)], "Sun");
    // Escape: the editor goes, the focus stays; Tab leaves for the sheet,
    // never for the DR.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), w.table().viewport()->parentWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &w.drPosition());
    EXPECT_EQ(m.rowCount(), 2);
}

// Files: opened unmodified; New starts again from the DR remembered; a
// name saved without its kind is a sight log's.
TEST_F(WindowTest, FilesAsANavigatorExpects)
{
    const QString typed = dir.filePath(QStringLiteral("evening"));
    {
        SightWindow w;
        typeLog(w, 3);
        w.chooseSave = [&](const QString&) { return typed; };
        ASSERT_TRUE(w.actSaveAs->isEnabled());
        w.actSaveAs->trigger();
        EXPECT_EQ(w.fileName(), typed + QStringLiteral(".csv"));
    }
    SightWindow w;
    ASSERT_TRUE(w.open(typed + QStringLiteral(".csv")));
    EXPECT_FALSE(w.modified());
    EXPECT_FALSE(w.isWindowModified());
    w.actNew->trigger();
    EXPECT_EQ(w.model().rowCount(), 0);
    EXPECT_TRUE(w.fileName().isEmpty());
    EXPECT_FALSE(w.modified());
    EXPECT_EQ(w.drTime().text(), QStringLiteral("2026-12-07T19:30:00Z"));  // remembered with the position
}

TEST_F(WindowTest, ReachedFromTheMainMenuAndClosedBackToIt)
{
    shell::Program program;
    program.start();
    program.morvelf().cmdSight.click();
    EXPECT_FALSE(program.morvelf().isVisible());
    EXPECT_TRUE(program.sight().isVisible());
    program.sight().close();
    EXPECT_FALSE(program.sight().isVisible());
    EXPECT_TRUE(program.morvelf().isVisible());
}

// Switched on, each new fix reaches a plotter listening on 127.0.0.1 as a
// $GPWPL with its checksum, the switch and the address remembered; the fix
// saved as GPX. From GPS fills the DR (undoably) and tells the clock's
// error; without a fix the DR stays.
TEST_F(WindowTest, FixToThePlotterAndTheDrFromTheGps)
{
    const int listener = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size), 0);
    timeval guard{10, 0};  // against a hang, not a measure
    setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, &guard, sizeof guard);
    {
        SightWindow w;
        EXPECT_FALSE(w.actSendFixes->isChecked());
        w.chooseAddress = [&](const QString&) { return QStringLiteral("127.0.0.1:%1").arg(ntohs(a.sin_port)); };
        w.actPlotterAddress->trigger();
        w.actSendFixes->setChecked(true);
        typeLog(w);
        ASSERT_TRUE(w.model().worked().fix.found());
        // A fix from the second row on, each sent as it changes: the
        // last is the whole log's.
        char buf[256];
        std::string sentence;
        for (ssize_t n; (n = recv(listener, buf, sizeof buf, sentence.empty() ? 0 : MSG_DONTWAIT)) > 0;)
            sentence.assign(buf, size_t(n));
        unsigned sum = 0;
        for (size_t i = 1; i < sentence.find('*'); ++i)
            sum ^= static_cast<unsigned char>(sentence[i]);
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", sum);
        EXPECT_EQ(sentence.substr(0, 7), "$GPWPL,") << sentence;
        EXPECT_EQ(sentence.substr(sentence.find('*') + 1, 2), hex) << sentence;
        EXPECT_NE(sentence.find(",FIX 1936Z*"), std::string::npos) << sentence;
        EXPECT_TRUE(w.status().contains(QStringLiteral("FIX 1936Z sent"))) << w.status().toStdString();

        w.chooseSave = [&](const QString&) { return dir.filePath(QStringLiteral("fix")); };
        w.actSaveFixGpx->trigger();
        QFile gpx(dir.filePath(QStringLiteral("fix.gpx")));
        ASSERT_TRUE(gpx.open(QIODevice::ReadOnly));
        EXPECT_TRUE(gpx.readAll().contains("<name>FIX 1936Z</name>"));
    }
    close(listener);
    sightwin::PlotterLink remembered;
    EXPECT_TRUE(remembered.sending());
    EXPECT_EQ(remembered.address(), QStringLiteral("127.0.0.1:%1").arg(ntohs(a.sin_port)));
    remembered.setSending(false);

    SightWindow w;
    typeLog(w, 0);
    const QDateTime gpsTime(QDate(2026, 12, 7), QTime(19, 41, 6), Qt::UTC);
    toolkit::services().clock = [&] { return gpsTime.addMSecs(2500); };
    w.readGps = [&] {
        instruments::GpsFix f;
        f.status = instruments::GpsFix::Status::fixed;
        f.lat = 41.5 * math::degree;
        f.lon = -37.2 * math::degree;
        f.time = double(gpsTime.toSecsSinceEpoch());
        f.course = 60 * math::degree;
        f.speed = 9.5;
        f.threeD = true;
        f.quality = "GPS";
        return f;
    };
    const auto press = [&] {
        QTest::mouseClick(&w.fromGpsButton(), Qt::LeftButton);
        for (int i = 0; i < 1000 && !w.fromGpsButton().isEnabled(); ++i)
            QTest::qWait(10);
    };
    press();
    toolkit::services().clock = &QDateTime::currentDateTimeUtc;
    EXPECT_EQ(w.drPosition().text(), QStringLiteral("41°30.0'N 037°12.0'W"));
    EXPECT_EQ(w.drTime().text(), QStringLiteral("2026-12-07T19:41:06Z"));
    EXPECT_EQ(w.drCourse().text(), QStringLiteral("060"));
    EXPECT_EQ(w.drSpeed().text(), QStringLiteral("9.5"));
    EXPECT_TRUE(w.status().contains(QStringLiteral("computer clock is 2.5 s fast"))) << w.status().toStdString();
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty()) {
        w.show();
        QApplication::processEvents();
        w.grab().save(keep + QStringLiteral("/sight-gps.png"));
    }
    w.actUndo->trigger();
    EXPECT_EQ(w.drPosition().text(), QStringLiteral("40 05.0N 35 45.0W"));

    w.readGps = [] {
        instruments::GpsFix f;
        f.status = instruments::GpsFix::Status::noGpsd;
        f.why = "no gpsd at localhost:2947";
        return f;
    };
    press();
    ASSERT_FALSE(box.texts.empty());
    EXPECT_TRUE(box.texts.back().startsWith(QStringLiteral("No position from the GPS: no gpsd")));
    box.texts.clear();
    EXPECT_EQ(w.drPosition().text(), QStringLiteral("40 05.0N 35 45.0W"));
}

namespace {

/// Miles north and east from (lat, lon), degrees, by plane sailing written out here.
std::pair<double, double> sailed(double lat, double lon, double north, double east)
{
    const double to = lat + north / 60;
    return {to, lon + east / 60 / std::cos((lat + to) / 2 * math::degree)};
}

/// A row at utc: the star 20° to 70° high nearest azimuth zn, observed exactly from truth.
void addExactRow(SightWindow& w, const QString& utc, std::pair<double, double> truth, double zn)
{
    const double lat = truth.first * math::degree;
    const auto off = [&](const sight::Visible& v) { return std::abs(std::remainder(v.zn / math::degree - zn, 360)); };
    const sight::SkyView sky = sight::skyAt(almanac::Instant::parse(utc.toStdString()), lat, truth.second * math::degree);
    const sight::Visible* best = nullptr;
    for (const sight::Visible& v : sky.bodies)
        if (v.body.kind == almanac::BodyKind::star && std::abs(v.hc / math::degree - 45) < 25 && (!best || off(v) < off(*best)))
            best = &v;
    ASSERT_TRUE(best) << utc.toStdString();
    const double hs = sight::sextantAltitude(best->hc, {.eye = 3.5}, sight::Limb::center, {}, lat);
    w.actAdd->trigger();
    LogModel& m = w.model();
    const std::pair<Col, std::string> cells[] = {{Col::utc, utc.toStdString()}, {Col::body, std::string(best->body.name)},
                                                 {Col::hs, navtext::navAltitudeText(hs, false)}, {Col::ic, "0"}, {Col::eye, "3.5"}};
    for (const auto& [c, text] : cells)
        m.setData(m.index(m.rowCount() - 1, int(c)), QString::fromStdString(text), Qt::EditRole);
}

void typeDr(SightWindow& w, const char* time)
{
    typeInto(w.drPosition(), QStringLiteral("41 18.0N 37 36.0W"));
    typeInto(w.drTime(), QString::fromLatin1(time));
    typeInto(w.drCourse(), QStringLiteral("090"));
    typeInto(w.drSpeed(), QStringLiteral("12"));
}

/// The saved file gives morvel-solve the window's fix; a PNG kept in MORVEL_SNAPSHOT_DIR.
void savedAndSolved(SightWindow& w, const QTemporaryDir& dir, const char* name)
{
    const QString path = dir.filePath(QLatin1String(name) + QStringLiteral(".csv"));
    ASSERT_TRUE(w.saveTo(path));
    const auto [lat, lon] = solvedFix(path);
    EXPECT_NEAR(lat, w.model().worked().fix.lat / math::degree, 1e-5);
    EXPECT_NEAR(lon, w.model().worked().fix.lon / math::degree, 1e-5);
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty()) {
        w.show();
        QApplication::processEvents();
        w.grab().save(keep + QStringLiteral("/sight-%1.png").arg(QLatin1String(name)));
    }
}

}  // namespace

// The DR as two legs, 090 at 12 kn from 19:00 and 180 at 10 kn from 19:30: each sight's DR is
// on the track, the running fix on the ship that sailed so, the alteration on the sheet; the
// leg removed and the removal undone.
TEST_F(WindowTest, LegsGiveEachSightItsDrOnTheTrack)
{
    SightWindow w;
    typeDr(w, "2026-12-07T19:00:00Z");
    std::vector<sightlog::DrLeg> legs = {{"2026-12-07T19:30:00Z", "180", "10"}};
    w.chooseLegs = [&](const sightlog::DrTrack&) { return std::optional(legs); };
    w.actLegs->trigger();
    const auto truthAt = [](int minutes) {
        const auto turn = sailed(41.3, -37.6, 0, 12.0 * std::min(minutes, 30) / 60);
        return sailed(turn.first, turn.second, -10.0 * std::max(minutes - 30, 0) / 60, 0);
    };
    const int minutes[] = {10, 20, 40, 50, 60};
    for (int i = 0; i < 5; ++i)
        addExactRow(w, QDateTime(QDate(2026, 12, 7), QTime(19, 0), Qt::UTC).addSecs(60 * minutes[i]).toString(Qt::ISODate),
                    truthAt(minutes[i]), 72.0 * i);
    const sightlog::Worked& worked = w.model().worked();
    ASSERT_EQ(worked.sights.size(), 5u) << w.resultText().toStdString();
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(worked.sights[i].drLat / math::degree, truthAt(minutes[i]).first, 1e-6) << i;
        EXPECT_NEAR(worked.sights[i].drLon / math::degree, truthAt(minutes[i]).second, 1e-6) << i;
    }
    ASSERT_TRUE(worked.fix.found()) << worked.fix.why;
    EXPECT_NEAR(worked.fix.lat / math::degree, truthAt(60).first, 0.2 / 60);
    EXPECT_NEAR(worked.fix.lon / math::degree, truthAt(60).second, 0.2 / 60 / 0.75);
    const sightwin::SheetContent& c = w.sheet().content();
    EXPECT_NEAR(c.course / math::degree, 180, 1e-9);
    EXPECT_TRUE(std::any_of(c.track.begin(), c.track.end(),
                            [](const auto& m) { return m.label == QStringLiteral("DR 19:30, 180°, 10.0 kn"); }));
    savedAndSolved(w, dir, "legs");
    legs.clear();
    w.actLegs->trigger();
    EXPECT_NEAR(worked.sights[4].drLon / math::degree, sailed(41.3, -37.6, 0, 12).second, 1e-6);
    w.actUndo->trigger();
    EXPECT_EQ(w.document().book().dr.legs.size(), 1u);
}

// A ship on 090 at 12 kn from 17:00 in a current setting 045 at 1.5 kn: four stars at 21:00
// from where she is give that set and drift; carried on, the next sight's DR is the EP, where
// she is; undone, the current goes after that sight.
TEST_F(WindowTest, SetAndDriftOfAKnownCurrent)
{
    SightWindow w;
    typeDr(w, "2026-12-07T17:00:00Z");
    const double drift = 1.5 * std::sqrt(0.5);
    const auto truthAt = [&](double hours) { return sailed(41.3, -37.6, drift * hours, (12 + drift) * hours); };
    for (int i = 0; i < 4; ++i)
        addExactRow(w, QStringLiteral("2026-12-07T21:0%1:00Z").arg(i), truthAt(4 + i / 60.0), 90.0 * i + 30);
    const std::optional<sightlog::SetDrift> sd = sightlog::setAndDrift(w.model().worked());
    ASSERT_TRUE(sd && sd->found.ok()) << w.resultText().toStdString();
    EXPECT_NEAR(std::remainder(sd->found.current.set / math::degree - 45, 360), 0, 2);
    EXPECT_NEAR(sd->found.current.drift, 1.5, 0.1);
    EXPECT_TRUE(w.resultText().contains(QStringLiteral("Set and drift:"))) << w.resultText().toStdString();
    w.actCarryCurrent->trigger();
    addExactRow(w, QStringLiteral("2026-12-07T22:00:00Z"), truthAt(5), 200);
    const sightlog::Worked& worked = w.model().worked();
    EXPECT_NEAR(worked.sights[4].drLat / math::degree, truthAt(5).first, 0.2 / 60);
    EXPECT_NEAR(worked.sights[4].drLon / math::degree, truthAt(5).second, 0.2 / 60 / 0.75);
    EXPECT_TRUE(w.resultText().contains(QStringLiteral("Current carried on:"))) << w.resultText().toStdString();
    savedAndSolved(w, dir, "set-drift");
    while (!w.document().book().dr.current.empty() && w.document().undoStack().canUndo())
        w.actUndo->trigger();
    EXPECT_EQ(w.model().rowCount(), 4);
    EXPECT_FALSE(w.actCarryCurrent->isChecked());
}

// Almanac > Daily Pages...: the clock's UT date's page shown, another date
// chosen, and Print gives the two pages of that date in vectors.
TEST_F(WindowTest, DailyPages)
{
    toolkit::services().clock = [] { return QDateTime(QDate(2026, 12, 7), QTime(23, 30), QTimeZone(-5 * 3600)); };
    SightWindow w;
    w.actDailyPages->trigger();
    auto* dialog = w.findChild<sightwin::DailyPagesDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->date().date(), QDate(2026, 12, 8)) << "the UT date of 23:30 at zone +5";
    dialog->date().setDate(QDate(2026, 12, 7));
    ASSERT_TRUE(dialog->preview().page().ok());
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty())
        dialog->grab().save(keep + QStringLiteral("/daily-pages.png"));
    dialog->print().click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto [text, pages] = readBack(printer.jobs[0].pdf, dir, QStringLiteral("daily-pages.pdf"));
    EXPECT_EQ(pages, 2);
    for (const char* expected : {"2026 December 7, Monday (UT)", "ARIES", "075°47.0'", "Acamar", "Moonrise", "11:51"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    toolkit::services().clock = &QDateTime::currentDateTimeUtc;
}
