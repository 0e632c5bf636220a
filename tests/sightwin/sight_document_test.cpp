// The sight document without a window: the file, its modified state, the
// undo history, the recovery file written after every change that leaves
// the log away from its file (the first change after opening or saving
// included) and gone when the log is back, a recovery file that cannot be
// written said once, one read in part said as Open says it, the notes of
// a file kept through edits, undo and saving, and the settings written
// when they change.
#include "sightwin/results.h"
#include "sightwin/sight_document.h"
#include "toolkit/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace morvel;
using sightwin::SightDocument;
using Col = sightlog::SightColumn;

namespace {

const char* const evening = "# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; ; \n"
                            "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n"
                            "2026-12-07T19:33:00Z,Capella,,19 2.2,-1.2,3.5,,,,\n"
                            "2026-12-07T19:34:00Z,Altair,,45 1.7,-1.2,3.5,,,,\n"
                            "2026-12-07T19:35:00Z,Vega,,48 2.9,-1.2,3.5,,,,\n";

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct DocumentTest : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override
    {
        SightDocument::discardRecovery();
        QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).clear();
    }
};

// Each step leaves the log changed or not, and the recovery file there
// exactly while it is changed: after the first edit since opening, since
// saving, and after undoing back to either.
TEST_F(DocumentTest, RecoveryFollowsTheChanges)
{
    SightDocument d;
    const QString path = write(dir, "evening.csv", evening);
    ASSERT_TRUE(d.open(path).ok);
    struct Step {
        const char* name;
        std::function<void()> act;
        bool modified;
    };
    const Step steps[] = {
        {"opened", [] {}, false},
        {"first edit", [&] { d.setCell(1, int(Col::hs), QStringLiteral("45 11.7")); }, true},
        {"undone to the file", [&] { d.undoStack().undo(); }, false},
        {"redone", [&] { d.undoStack().redo(); }, true},
        {"saved", [&] { ASSERT_TRUE(d.saveTo(path).ok); }, false},
        {"first edit after saving", [&] { d.removeSight(0); }, true},
        {"the DR edited", [&] { d.setDr({"40 10.0N 35 40.0W", "2026-12-07T19:30:00Z", "", ""}); }, true},
        {"undone twice, to the saved log", [&] { d.undoStack().undo(), d.undoStack().undo(); }, false},
        {"undone past the saved log", [&] { d.undoStack().undo(); }, true},
        {"an edit that changes nothing", [&] { d.setCell(0, int(Col::body), QStringLiteral(" Capella ")); }, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(d.modified(), s.modified);
        EXPECT_EQ(SightDocument::recoveryKept(), s.modified);
    }
    // The recovery file names the file and holds the log as it stands.
    std::istringstream kept(readAll(SightDocument::recoveryPath()).toStdString());
    std::string first;
    std::getline(kept, first);
    EXPECT_EQ(first, "# recovery of: " + path.toStdString());
    EXPECT_EQ(sightlog::readLogbook(kept).book, d.book());
}

// Kept from a run that did not end cleanly: restored with its file, and
// modified until saved; or let go.
TEST_F(DocumentTest, RestoreOrDiscard)
{
    const QString path = write(dir, "evening.csv", evening);
    sightlog::Logbook kept;
    {
        SightDocument crashed;
        crashed.open(path);
        crashed.insertSight(3, crashed.newRow({}), QStringLiteral("Add row"));
        crashed.setCell(3, int(Col::body), QStringLiteral("Deneb"));
        kept = crashed.book();
    }
    ASSERT_TRUE(SightDocument::recoveryKept());
    SightDocument d;
    const SightDocument::Outcome restored = d.restoreRecovery();
    EXPECT_TRUE(restored.ok);
    EXPECT_EQ(restored.message, QString());
    EXPECT_EQ(d.book(), kept);
    EXPECT_EQ(d.fileName(), path);
    EXPECT_TRUE(d.modified());
    EXPECT_TRUE(SightDocument::recoveryKept());
    d.closedCleanly();
    EXPECT_FALSE(SightDocument::recoveryKept());
}

// What opening and saving tell the navigator, and what they leave.
TEST_F(DocumentTest, OpenAndSaveOutcomes)
{
    const struct {
        const char* name;
        QByteArray text;  // empty: no file at all
        bool ok;
        const char* message;
        size_t rows;
    } rows[] = {
        {"a log", evening, true, "", 3},
        {"no file", {}, false, "could not be opened", 0},
        {"not a sight log", "lat,lha,dec\n1,2,3\n", false, "is not a sight log: line 1, column 1", 0},
        {"a line not taken in", QByteArray(evening) + "2026-12-07T19:36:00Z,\"Deneb,,71 6.0,0,3.5,,,,\n", true,
         "These lines could not be taken in:\nline 6: an unclosed quote", 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SightDocument d;
        const QString path = r.text.isEmpty() ? dir.filePath(QStringLiteral("none.csv")) : write(dir, "in.csv", r.text);
        const SightDocument::Outcome o = d.open(path);
        EXPECT_EQ(o.ok, r.ok);
        EXPECT_TRUE(o.message.contains(QString::fromUtf8(r.message))) << o.message.toStdString();
        EXPECT_EQ(d.book().rows.size(), r.rows);
        EXPECT_EQ(d.fileName(), r.ok ? path : QString());
    }
    // A file with no line end is read no further than a line's bound.
    const SightDocument::Outcome endless = SightDocument().open(QStringLiteral("/dev/zero"));
    EXPECT_FALSE(endless.ok);
    EXPECT_TRUE(endless.message.contains(QStringLiteral("longer than"))) << endless.message.toStdString();
    SightDocument d;
    d.open(write(dir, "in.csv", evening));
    const QString saved = dir.filePath(QStringLiteral("saved.csv"));
    ASSERT_TRUE(d.saveTo(saved).ok);
    std::istringstream back(readAll(saved).toStdString());
    EXPECT_EQ(sightlog::readLogbook(back).book, d.book());
    EXPECT_EQ(SightDocument::recentFiles().front(), saved);
    const SightDocument::Outcome refused = d.saveTo(dir.filePath(QStringLiteral("no/such/folder/x.csv")));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.startsWith(QStringLiteral("The sights could not be saved in "))) << refused.message.toStdString();
    EXPECT_TRUE(refused.message.endsWith(QStringLiteral("/no/such/folder/x.csv: No such file or directory.")))
        << refused.message.toStdString();
    EXPECT_EQ(d.fileName(), saved);

    // Saved through a symbolic link: the file it points to holds the log,
    // the link stays a link (files/write.h, tested there kind by kind).
    const QString real = write(dir, "real.csv", "old");
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(d.saveTo(link).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    std::istringstream linked(readAll(real).toStdString());
    EXPECT_EQ(sightlog::readLogbook(linked).book, d.book());
}

// A navigator's notes and the lines not taken in go through the window's
// edits and back to the file where they stood: a row deleted leaves the
// note after it in place, and its undoing puts the note back after it.
TEST_F(DocumentTest, NotesKeptThroughEditsUndoAndSaving)
{
    const QByteArray text = "# Evening stars\n"
                            "# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; ; \n"
                            "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n"
                            "2026-12-07T19:33:00Z,Capella,,19 2.2,-1.2,3.5,,,,\n"
                            "# Capella doubtful\n"
                            "2026-12-07T19:34:00Z,\"Altair,,45 1.7,-1.2,3.5,,,,\n"
                            "2026-12-07T19:35:00Z,Vega,,48 2.9,-1.2,3.5,,,,\n";
    SightDocument d;
    const QString path = write(dir, "notes.csv", text);
    ASSERT_TRUE(d.open(path).ok);
    const sightlog::Logbook opened = d.book();
    ASSERT_EQ(opened.notes.size(), 2u);
    d.removeSight(0);
    EXPECT_EQ(d.book().notes[0], (sightlog::LogNote{0, "# Capella doubtful"}));
    d.undoStack().undo();
    EXPECT_EQ(d.book(), opened);
    EXPECT_FALSE(d.modified());
    d.undoStack().redo();
    d.setCell(0, int(Col::hs), QStringLiteral("48 3.0"));
    ASSERT_TRUE(d.saveTo(path).ok);
    const QByteArray saved = readAll(path);
    EXPECT_TRUE(saved.startsWith("# Evening stars\n# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; ; \n"))
        << saved.toStdString();
    EXPECT_TRUE(saved.contains("# Capella doubtful\n2026-12-07T19:34:00Z,\"Altair,,45 1.7,-1.2,3.5,,,,\n"
                               "2026-12-07T19:35:00Z,Vega,,48 3.0,-1.2,3.5,,,40.083333,-35.75\n"))
        << saved.toStdString();
    std::istringstream back(saved.toStdString());
    EXPECT_EQ(sightlog::readLogbook(back).book, d.book());
}

// A recovery file read in part is taken in with what it holds and says
// which lines it could not take in, as Open does; the log keeps them.
TEST_F(DocumentTest, RecoveryReadInPartSaysWhichLines)
{
    QDir().mkpath(QFileInfo(SightDocument::recoveryPath()).absolutePath());
    QFile kept(SightDocument::recoveryPath());
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("# recovery of: /home/nav/evening.csv\n" + QByteArray(evening) +
               "2026-12-07T19:36:00Z,\"Deneb,,71 6.0,0,3.5,,,,\n");
    kept.close();
    SightDocument d;
    const SightDocument::Outcome o = d.restoreRecovery();
    EXPECT_TRUE(o.ok);
    EXPECT_TRUE(o.message.startsWith(QStringLiteral("These lines could not be taken in:\nline 7: an unclosed quote")))
        << o.message.toStdString();
    EXPECT_EQ(d.book().rows.size(), 3u);
    ASSERT_EQ(d.book().notes.size(), 1u);
    EXPECT_EQ(d.book().notes[0].text, "2026-12-07T19:36:00Z,\"Deneb,,71 6.0,0,3.5,,,,");
    EXPECT_EQ(d.fileName(), QStringLiteral("/home/nav/evening.csv"));
    EXPECT_TRUE(d.book().head.empty()) << "the recovery file's own line is no part of the log";
    EXPECT_TRUE(d.modified());

    // Nothing kept: nothing restored, and why.
    SightDocument::discardRecovery();
    SightDocument none;
    EXPECT_FALSE(none.restoreRecovery().ok);
}

// When the recovery file cannot be written the document says so once, not
// at every edit, naming the file and the reason; once it has been written
// again, a new refusal is said again.
TEST_F(DocumentTest, RecoveryThatCannotBeWrittenSaidOnce)
{
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    const QString path = write(dir, "evening.csv", evening);
    const struct {
        const char* name;
        std::function<QString()> block;  // makes the data folder refuse; what it is called
        const char* reason;
    } rows[] = {
        {"a file where the data folder should be",
         [&] {
             const QString blocked = write(dir, "blocked", "a file");
             qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
             return blocked;
         },
         ": Not a directory. Save the sights to keep them."},
        {"the disk full",
         [&] {
             const QString full = dir.filePath(QStringLiteral("full"));
             qputenv("XDG_DATA_HOME", full.toLocal8Bit());
             QDir().mkpath(QFileInfo(SightDocument::recoveryPath()).absolutePath());
             QFile::link(QStringLiteral("/dev/full"), SightDocument::recoveryPath());
             return full;
         },
         " (a link to /dev/full): No space left on device. Save the sights to keep them."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SightDocument d;
        QStringList said;
        QObject::connect(&d, &SightDocument::recoveryRefused, [&](const QString& m) { said << m; });
        ASSERT_TRUE(d.open(path).ok);
        const QString folder = r.block();
        d.setCell(0, int(Col::hs), QStringLiteral("19 2.3"));
        d.setCell(1, int(Col::hs), QStringLiteral("45 1.8"));
        d.removeSight(2);
        d.undoStack().undo();
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith(QStringLiteral("Changes cannot be kept for recovery in ") + folder))
            << said[0].toStdString();
        EXPECT_TRUE(said[0].endsWith(QString::fromUtf8(r.reason))) << said[0].toStdString();
        // Written again, then refused again: said again, once.
        qputenv("XDG_DATA_HOME", home);
        d.setCell(0, int(Col::hs), QStringLiteral("19 2.4"));
        EXPECT_TRUE(SightDocument::recoveryKept());
        r.block();
        d.setCell(0, int(Col::hs), QStringLiteral("19 2.5"));
        d.setCell(0, int(Col::hs), QStringLiteral("19 2.6"));
        EXPECT_EQ(said.size(), 2);
        qputenv("XDG_DATA_HOME", home);
    }
}

// The DR, the height of eye and the index correction, the vessel and the
// navigator outlive the document; a new row carries on from the last one.
// Settings are written when they change: a value set behind the
// document's back stands until they do.
TEST_F(DocumentTest, RememberedBetweenRuns)
{
    QSettings s(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
    {
        SightDocument d;
        d.open(write(dir, "in.csv", evening));
        d.setCell(2, int(Col::eye), QStringLiteral("4.2"));
        d.setDr({"41N 36W", "2026-12-07T19:30:00Z", "270", "6"});
        d.setVesselAndNavigator(QStringLiteral(" Northern Light "), QStringLiteral("J. Harrison"));
        s.sync();
        EXPECT_EQ(s.value(QStringLiteral("sight/eye")).toString(), QStringLiteral("4.2"));
        s.setValue(QStringLiteral("sight/eye"), QStringLiteral("9"));
        s.sync();
        d.setCell(0, int(Col::hs), QStringLiteral("19 3.2"));
        EXPECT_EQ(QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).value(QStringLiteral("sight/eye")),
                  QStringLiteral("9"));
        EXPECT_EQ(d.newRow({})[size_t(Col::eye)], "4.2");
        EXPECT_EQ(d.newRow({})[size_t(Col::utc)], "2026-12-07T19:35:00Z");
    }
    SightDocument next;
    EXPECT_EQ(next.book().dr, (sightlog::DrTrack{"41N 36W", "2026-12-07T19:30:00Z", "270", "6"}));
    EXPECT_EQ(next.vessel(), QStringLiteral("Northern Light"));
    EXPECT_EQ(next.navigator(), QStringLiteral("J. Harrison"));
    const QDateTime now(QDate(2026, 12, 8), QTime(5, 10), Qt::UTC);
    const sightlog::SightCells first = next.newRow(now);
    EXPECT_EQ(first[size_t(Col::eye)], "9");
    EXPECT_EQ(first[size_t(Col::ic)], "-1.2");
    EXPECT_EQ(first[size_t(Col::utc)], "2026-12-07T19:30:00Z");
    // Without the DR's time, now.
    next.setDr({"41N 36W", "", "", ""});
    EXPECT_EQ(next.newRow(now)[size_t(Col::utc)], "2026-12-08T05:10:00Z");
}

// What a log gives, line by line, for each state of the DR and the rows;
// rich text escapes what the navigator typed.
TEST(Results, Lines)
{
    std::istringstream in(evening);
    const sightlog::Logbook log = sightlog::readLogbook(in).book;
    auto with = [&](auto change) {
        sightlog::Logbook b = log;
        change(b);
        return b;
    };
    const struct {
        const char* name;
        sightlog::Logbook book;
        std::vector<std::pair<const char*, const char*>> starts;  // lead and text, each as it begins
    } rows[] = {
        {"three stars", log, {{"Fix 40°1", " at 2026-12-07 19:35:00 UT"}, {"", "From the DR: "}, {"", "95 % ellipse: "}}},
        {"two stars, a weak cut", with([](auto& b) { b.rows.pop_back(); }),
         {{"Fix ", " at 2026-12-07 19:34:00 UT"}, {"", "From"}, {"Weak fix:", " no two lines cut at 15°"}}},
        {"one bad", with([](auto& b) { b.rows[2][size_t(Col::hs)] = "4S"; }),
         {{"Row 3 (Vega), hs:", " '4S'"}, {"Fix ", " at 2026-12-07 19:34:00 UT"}, {"", "From"}, {"Weak fix:", ""}}},
        {"a bad DR", with([](auto& b) { b.dr.position = "<b>41N"; }),
         {{"", "DR position: '<b>41N'"}, {"", "3 rows follow the DR and wait for it."}, {"", "Two sights or more"}}},
        {"the same star twice", with([](auto& b) { b.rows[1] = b.rows[0]; b.rows.pop_back(); }),
         {{"No fix:", " the lines of position are parallel"}}},
        {"Altair a degree out", with([](auto& b) { b.rows[1][size_t(Col::hs)] = "46 1.7"; }),
         {{"Row 2 (Altair):", " the intercept is 46.6 nm: the DR may be far off"}, {"Fix ", ""}, {"", "From"},
          {"", "95 % ellipse"},
          {"Doubtful fix:", " a line stands 33.0 nm off the fix; with three"}}},
        {"Altair a degree out among four",
         with([](auto& b) {
             b.rows[1][size_t(Col::hs)] = "46 1.7";
             b.rows.push_back({"2026-12-07T19:36:00Z", "Fomalhaut", "", "19 51.6", "-1.2", "3.5"});
         }),
         {{"Row 2 (Altair):", " the intercept is 46.6 nm"}, {"Fix ", ""}, {"", "From"}, {"", "95 % ellipse"},
          {"Excluded from the fix:", " row 2 (Altair), residual 60.1 nm"}}},
        {"the morning Sun run up to the stars",
         with([](auto& b) {
             b.rows.insert(b.rows.begin(), {"2026-12-07T11:30:00Z", "Sun", "lower", "16 6.1", "-1.2", "3.5", "", "",
                                            "39 50.0N", "36 40.0W"});
         }),
         {{"Fix ", " at 2026-12-07 19:35:00 UT"}, {"", "From"}, {"", "95 % ellipse"},
          {"Running fix:", " the line of 2026-12-07 11:30:00 UT (Sun) advanced by the run to 2026-12-07 19:35:00 UT, "
                           "44.7 nm 070°"}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::vector<sightwin::ResultLine> lines = sightwin::resultLines(r.book, sightlog::work(r.book));
        ASSERT_EQ(lines.size(), r.starts.size()) << sightwin::richText(lines).toStdString();
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].lead.toStdString().rfind(r.starts[i].first, 0), 0u) << lines[i].lead.toStdString();
            EXPECT_EQ(lines[i].text.toStdString().rfind(r.starts[i].second, 0), 0u) << lines[i].text.toStdString();
        }
    }
    const QString html = sightwin::richText({{"Fix <1>", " & more"}, {{}, "DR '<b>41N'"}});
    EXPECT_EQ(html, QStringLiteral("<b>Fix &lt;1&gt;</b> &amp; more<br>DR '&lt;b&gt;41N'"));
}

}  // namespace

int main(int argc, char** argv)
{
    // Settings and the recovery file in a folder of the test's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Morvel"));
    // English as the program speaks it, its plurals included.
    morvel::toolkit::loadTranslations(QLocale(QLocale::English), QStringLiteral(MORVEL_QM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
