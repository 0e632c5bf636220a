// The compass window as a navigator uses it, headless: a bearing typed
// with Enter and Tab gives what morvel-solve --compass gives for it; a bad
// cell is named with its reason and undone; eight headings give the card
// the library fits; a book saved and opened is the same book, its notes
// kept; the printed pages; the way in from the main menu and back.
// MORVEL_SNAPSHOT_DIR=DIR keeps the window's tabs and the pages there.
#include "cli/almanac.h"
#include "cli/compass.h"
#include "compasswin/book_model.h"
#include "compasswin/card_panel.h"
#include "compasswin/compass_document.h"
#include "compasswin/compass_window.h"
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/services.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace morvel;
using compass::BookColumn;
using compasswin::BookModel;
using compasswin::CompassWindow;
using math::degree;

namespace {

const char* const position = "41 10.0N 66 30.0W";
const char* const drTime = "2026-12-07T15:00:00Z";

struct WindowTest : ::testing::Test {
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    QTemporaryDir dir;
    void SetUp() override
    {
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        compasswin::CompassDocument::discardRecovery();
    }
};

void typeInto(QLineEdit& edit, const char* text)
{
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, QString::fromUtf8(text));
    QTest::keyClick(&edit, Qt::Key_Return);
}

/// The window shown and active, as the keys need it.
bool activated(QWidget& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

/// What is typed into the open editor, then the key that leaves it.
void typeCell(const char* text, Qt::Key key)
{
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->selectAll();
    QTest::keyClicks(editor, QString::fromUtf8(text));
    QTest::keyClick(QApplication::focusWidget(), key);
}

QString shown(const BookModel& m, int row, int column)
{
    return m.data(m.index(row, column), Qt::DisplayRole).toString();
}

/// morvel-solve --compass --json for the same bearing: its JSON.
std::string solved(const std::string& body, const std::string& at, const std::string& bearing,
                   const std::string& heading)
{
    std::ostringstream out, err;
    cli::AlmanacOptions json;
    json.json = true;
    cli::runCompass(cli::CompassMode::compass,
                    {{"body", body}, {"at", at}, {"pos", position}, {"bearing", bearing}, {"variation", "auto"},
                     {"heading", heading}},
                    json, out, err);
    EXPECT_EQ(err.str(), "");
    return out.str();
}

double key(const std::string& json, const std::string& name)
{
    const size_t at = json.find("\"" + name + "\":");
    return at == std::string::npos ? NAN : std::stod(json.substr(at + name.size() + 3));
}

/// The window's tab and the pages kept to look at, when asked.
void keep(QWidget& w, const QString& name)
{
    const QString dir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + name);
}

TEST_F(WindowTest, RowTypedGivesWhatMorvelSolveGives)
{
    CompassWindow w;
    ASSERT_TRUE(activated(w));
    typeInto(w.drPosition(), position);
    typeInto(w.drTime(), drTime);
    BookModel& m = w.model();
    // Enter on the table: a row, the body's editor open; Enter moves on to
    // the bearing the row lacks, and from a row that reads to a new one.
    w.table().setFocus();
    QTest::keyClick(&w.table(), Qt::Key_Return);
    ASSERT_EQ(m.rowCount(), 1);
    typeCell("Sun", Qt::Key_Return);
    EXPECT_EQ(w.table().currentIndex().column(), int(BookColumn::bearing));
    typeCell("212.5", Qt::Key_Tab);
    // Tab kept the bearing and opened the compass; then the ship's head.
    EXPECT_EQ(w.table().currentIndex().column(), int(BookColumn::compass));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeCell("047", Qt::Key_Return);
    EXPECT_EQ(m.rowCount(), 2);  // the row read whole: on to a new one
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), &w.table());

    const std::string json = solved("Sun", drTime, "212.5", "047");
    const compass::RowResult& r = m.worked().rows[0];
    ASSERT_EQ(r.status, compass::RowStatus::checked) << r.why;
    EXPECT_EQ(shown(m, 0, BookModel::azimuth), QString::fromStdString(navtext::navCircleText(key(json, "azimuth") * degree, false)));
    EXPECT_EQ(shown(m, 0, BookModel::error), QString::fromStdString(navtext::eastWestText(key(json, "error") * degree)));
    EXPECT_EQ(shown(m, 0, BookModel::deviation),
              QString::fromStdString(navtext::eastWestText(key(json, "deviation") * degree)));
    EXPECT_NEAR(r.check.azimuth / degree, key(json, "azimuth"), 1e-5);
    EXPECT_NEAR(*r.check.deviation / degree, key(json, "deviation"), 1e-5);
    EXPECT_TRUE(shown(m, 0, int(BookColumn::variation)).startsWith(QStringLiteral("auto (")));
}

/// Bad cells, each named with its reason in its tooltip and under the book.
struct Bad {
    BookColumn typed;
    const char* text;
    BookColumn named;    ///< the cell named at fault
    const char* reason;  ///< in the reason given
};
const Bad bad[] = {{BookColumn::bearing, "400", BookColumn::bearing, "400"},
                   {BookColumn::body, "Vegaa", BookColumn::body, "Vega"},
                   // The Sun below the horizon at night: the bearing refused.
                   {BookColumn::utc, "2026-12-07T03:00:00Z", BookColumn::bearing, "horizon"},
                   {BookColumn::utc, "2026-13-07T15:00:00Z", BookColumn::utc, "2026-13-07"},
                   {BookColumn::variation, "3 X", BookColumn::variation, "3 X"},
                   {BookColumn::compass, "flux", BookColumn::compass, "magnetic or gyro"},
                   {BookColumn::heading, "-5", BookColumn::heading, "-5"}};

TEST_F(WindowTest, BadCellNamedWithItsReasonAndUndone)
{
    CompassWindow w;
    ASSERT_TRUE(activated(w));
    typeInto(w.drPosition(), position);
    typeInto(w.drTime(), drTime);
    BookModel& m = w.model();
    w.actAdd->trigger();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    m.setData(m.index(0, int(BookColumn::body)), QStringLiteral("Sun"), Qt::EditRole);
    m.setData(m.index(0, int(BookColumn::bearing)), QStringLiteral("212.5"), Qt::EditRole);
    const QString azimuth = shown(m, 0, BookModel::azimuth);
    ASSERT_FALSE(azimuth.isEmpty());
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.text);
        const int t = int(b.typed), c = int(b.named);
        const QString before = m.data(m.index(0, t), Qt::EditRole).toString();
        m.setData(m.index(0, t), QString::fromUtf8(b.text), Qt::EditRole);
        const QString tip = m.data(m.index(0, c), Qt::ToolTipRole).toString();
        EXPECT_EQ(m.worked().rows[0].status, compass::RowStatus::bad);
        EXPECT_EQ(int(m.worked().rows[0].column), c);
        EXPECT_TRUE(tip.contains(QString::fromUtf8(b.reason))) << tip.toStdString();
        EXPECT_NE(m.data(m.index(0, c), Qt::BackgroundRole), m.data(m.index(0, (c + 1) % 6), Qt::BackgroundRole));
        EXPECT_TRUE(w.problemText().contains(tip)) << w.problemText().toStdString();
        EXPECT_TRUE(shown(m, 0, BookModel::azimuth).isEmpty());
        if (b.typed == BookColumn::bearing)
            keep(w, QStringLiteral("compass-bad.png"));
        w.actUndo->trigger();
        EXPECT_EQ(m.data(m.index(0, t), Qt::EditRole).toString(), before);
        EXPECT_EQ(shown(m, 0, BookModel::azimuth), azimuth);
    }
}

/// Eight headings whose deviations follow known coefficients exactly: the
/// card shown is the library's, and recovers them.
TEST_F(WindowTest, EightHeadingsGiveTheLibrarysCard)
{
    CompassWindow w;
    w.resize(1000, 600);
    typeInto(w.drPosition(), position);
    typeInto(w.drTime(), drTime);
    compasswin::CompassDocument& d = w.document();
    const double A = 0.5, B = 3.2, C = -1.4, D = 0.8, E = -0.3;  // degrees
    std::vector<compass::Swung> exact;
    for (int i = 0; i < 8; ++i) {
        const double h = i * 45 * degree;
        const double dev = (A + B * std::sin(h) + C * std::cos(h) + D * std::sin(2 * h) + E * std::cos(2 * h)) * degree;
        // The bearing the compass gives when its error is the deviation
        // plus a chart's variation of 2 W.
        compass::BookCells cells = {"2026-12-07T15:0" + std::to_string(i) + ":00Z", "Sun", "", "magnetic",
                                    std::to_string(i * 45), "2 W"};
        const compass::RowResult probe = compass::workRow({cells[0], "Sun", "0", "magnetic", "", ""}, d.worked().dr);
        ASSERT_EQ(probe.status, compass::RowStatus::checked) << probe.why;
        char bearing[32];
        std::snprintf(bearing, sizeof bearing, "%.9f", std::fmod(probe.check.azimuth / degree - dev / degree + 2 + 360, 360));
        cells[size_t(BookColumn::bearing)] = bearing;
        d.insertRow(i, cells, QStringLiteral("Add"));
        exact.push_back({h, dev});
    }
    // A gyro row and one without a head take no part.
    d.insertRow(8, {drTime, "Sun", "210", "gyro", "045", ""}, QStringLiteral("Add"));
    d.insertRow(9, {drTime, "Sun", "210", "magnetic", "", "2 W"}, QStringLiteral("Add"));
    const compass::DeviationCard card = compass::deviationCard(exact);
    ASSERT_TRUE(card.ok());
    const double want[] = {A, B, C, D, E}, got[] = {card.A, card.B, card.C, card.D, card.E};
    compasswin::CardPanel& panel = w.card();
    ASSERT_EQ(panel.coefficients().rowCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(got[i] / degree, want[i], 1e-6);
        EXPECT_EQ(panel.coefficients().item(i, 1)->text(), QString::fromStdString(navtext::eastWestText(got[i])));
    }
    EXPECT_EQ(panel.observations().rowCount(), 8);
    EXPECT_EQ(panel.card().rowCount(), 24);
    EXPECT_EQ(panel.card().item(2, 1)->text(), QString::fromStdString(navtext::eastWestText(card.deviationOn(30 * degree))));
    w.show();
    keep(w, QStringLiteral("compass-book.png"));
    w.tabs().setCurrentIndex(1);
    keep(w, QStringLiteral("compass-card.png"));

    // Printed: the book and the card, in vectors.
    w.actPrint->trigger();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const QByteArray& pdf = printer.jobs[0].pdf;
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "a bitmap on the page";
    const QString keepDir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR");
    if (!keepDir.isEmpty()) {
        QFile f(keepDir + QStringLiteral("/compass-pages.pdf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pdf);
    }

    // Five headings: a card with its advice; four: none, and why.
    for (int i = 9; i >= 5; --i)
        d.removeRow(i);
    EXPECT_TRUE(panel.words().text().contains(QString::fromStdString(d.worked().card.advice)));
    EXPECT_FALSE(d.worked().card.advice.empty());
    d.removeRow(4);
    EXPECT_FALSE(d.worked().card.ok());
    EXPECT_TRUE(panel.words().text().contains(QString::fromStdString(d.worked().card.why)));
    EXPECT_EQ(panel.coefficients().rowCount(), 0);
}

TEST_F(WindowTest, BookSavedAndOpenedIsTheSameWithItsNotes)
{
    const QString path = dir.filePath(QStringLiteral("book.csv"));
    const QByteArray text = "# Azimuth book, MV Example\n"
                            "# dr: 41 10.0N 66 30.0W; 2026-12-07T15:00:00Z; 090; 12\n"
                            "utc,body,bearing,compass,heading,variation\n"
                            "2026-12-07T15:00:00Z,Sun,212.5,magnetic,047,auto\n"
                            "# taken on the bridge wing\n"
                            "2026-12-07T15:10:00Z,Sun,\"215,5\",gyro,045,\n"
                            "2026-12-07T15:20:00Z,Sun,400,magnetic,,2 W\n"
                            "a,b,c,d,e,f,g\n";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    CompassWindow w;
    ASSERT_TRUE(w.open(path));
    EXPECT_EQ(box.texts.size(), 1u);  // the line of too many cells named
    box.texts.clear();
    EXPECT_EQ(w.model().rowCount(), 3);
    const QString again = dir.filePath(QStringLiteral("again.csv"));
    ASSERT_TRUE(w.saveTo(again));
    CompassWindow other;
    ASSERT_TRUE(other.open(again));
    box.texts.clear();
    EXPECT_EQ(other.document().book(), w.document().book());
    QFile saved(again);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), text);  // every line where it stood, the one not taken in too
}

TEST_F(WindowTest, BookOfferedBackAfterARunThatDidNotEndCleanly)
{
    compass::Book typed;
    {
        CompassWindow w;
        w.document().setDr({position, drTime, "", ""});
        w.document().insertRow(0, {drTime, "Sun", "212.5", "magnetic", "047", "auto"}, QStringLiteral("Add"));
        typed = w.document().book();
        EXPECT_TRUE(compasswin::CompassDocument::recoveryKept());
    }  // gone without being closed
    CompassWindow again;
    QString asked;
    again.ask = [&](const QString& question, bool) {
        asked = question;
        return CompassWindow::Answer::yes;
    };
    again.offerRecovery();
    EXPECT_TRUE(asked.contains(QStringLiteral("Restore")));
    EXPECT_EQ(again.document().book(), typed);
    EXPECT_TRUE(again.document().modified());
    EXPECT_EQ(again.model().worked().rows[0].status, compass::RowStatus::checked);
    // Closed cleanly, changes let go: nothing is kept.
    again.ask = [](const QString&, bool) { return CompassWindow::Answer::no; };
    again.close();
    EXPECT_FALSE(compasswin::CompassDocument::recoveryKept());
}

TEST_F(WindowTest, ReachedFromTheMainMenuAndClosedBackToIt)
{
    shell::Program program;
    program.start();
    program.morvelf().cmdCompass.click();
    EXPECT_FALSE(program.morvelf().isVisible());
    EXPECT_TRUE(program.compass().isVisible());
    program.compass().close();
    EXPECT_FALSE(program.compass().isVisible());
    EXPECT_TRUE(program.morvelf().isVisible());
}

}  // namespace
