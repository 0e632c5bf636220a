// The toolkit on real widgets, headless: grouping, visibility, geometry,
// keyboard, printing, and the main menu's load / hide / show sequences.
#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "gcs/gcs_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace morvel;
using namespace morvel::toolkit;

namespace {

/// A small window with two frames of option buttons, boxes and buttons.
struct TestForm : Form {
    TestForm() : Form(QStringLiteral("test"), QStringLiteral("Test"), 3000, 1500) {}
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
};

struct Widgets : ::testing::Test {
    TestForm f;
    Frame& fraA = f.add<Frame>(QStringLiteral("fraA"));
    Frame& fraB = f.add<Frame>(QStringLiteral("fraB"));
    OptionButton& a1 = f.add<OptionButton>(QStringLiteral("a1"), -1, &fraA);
    OptionButton& a2 = f.add<OptionButton>(QStringLiteral("a2"), -1, &fraA);
    OptionButton& b1 = f.add<OptionButton>(QStringLiteral("b1"), -1, &fraB);
    Label& lbl = f.add<Label>(QStringLiteral("lbl"));
    ControlArray<TextBox> box = f.addArray<TextBox>(QStringLiteral("box"), 0, 2);
    CommandButton& ok = f.add<CommandButton>(QStringLiteral("ok"));
    CommandButton& other = f.add<CommandButton>(QStringLiteral("other"));
    int okClicks = 0, otherClicks = 0;

    void SetUp() override
    {
        fraA.move(0, 0, 1200, 600);
        fraB.move(1500, 0, 1200, 600);
        a1.move(120, 60, 900, 240);
        a2.move(120, 300, 900, 240);
        b1.move(120, 60, 900, 240);
        lbl.setCaption(QStringLiteral("&Width"));
        lbl.setTabIndex(3);
        for (int i = 0; i < 3; ++i) {
            box(i).move(120, 700 + 240 * i, 900, 225);
            box(i).setTabIndex(i * 2);  // 0, 2, 4: the label (3) sits before box(2)
        }
        ok.setCaption(QStringLiteral("&Go"));
        ok.setTabIndex(6);
        other.setCaption(QStringLiteral("&Other"));
        other.setTabIndex(5);
        ok.onClick = [this] { ++okClicks; };
        other.onClick = [this] { ++otherClicks; };
        f.setDefaultButton(&ok);
        f.showForm();
    }
};

TEST_F(Widgets, OptionButtonsAreExclusiveWithinTheirFrameOnly)
{
    a1.click();
    b1.click();
    EXPECT_TRUE(a1.value());
    EXPECT_TRUE(b1.value());
    a2.click();
    EXPECT_FALSE(a1.value());
    EXPECT_TRUE(a2.value());
    EXPECT_TRUE(b1.value());
}

TEST_F(Widgets, EveryOptionButtonCanBeDeselectedByCodeButNotByAClick)
{
    EXPECT_FALSE(a1.value());
    EXPECT_FALSE(a2.value());
    a1.click();
    a1.click();  // clicking the selected button keeps it selected
    EXPECT_TRUE(a1.value());
    a1.setValue(false);
    EXPECT_FALSE(a1.value());
    EXPECT_FALSE(a2.value());
}

TEST_F(Widgets, VisibleIsTheControlsOwnFlag)
{
    f.hideForm();
    EXPECT_TRUE(box(0).visible());
    EXPECT_FALSE(box(0).showing());
    box(0).setVisible(false);
    f.showForm();
    EXPECT_FALSE(box(0).visible());
    EXPECT_FALSE(box(0).widget()->isVisible());
    fraA.setVisible(false);
    EXPECT_TRUE(a1.visible());
    EXPECT_FALSE(a1.showing());
}

TEST_F(Widgets, PositionsAreTwipsAtFifteenToAPixel)
{
    EXPECT_EQ(f.width(), 200);
    EXPECT_EQ(f.height(), 100);
    EXPECT_EQ(box(1).widget()->geometry(), QRect(8, 63, 60, 15));
    EXPECT_EQ(a2.widget()->geometry(), QRect(8, 20, 60, 16));  // inside its frame
    box(1).setLeft(1500);
    EXPECT_EQ(box(1).widget()->x(), 100);
}

TEST_F(Widgets, EnterPressesTheDefaultButtonFromAnyControl)
{
    box(1).setFocus();
    QTest::keyClick(box(1).widget(), Qt::Key_Return);
    other.setFocus();
    QTest::keyClick(other.widget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(okClicks, 2);
    EXPECT_EQ(otherClicks, 0);
    ok.setVisible(false);  // a hidden default button is not pressed
    QTest::keyClick(box(1).widget(), Qt::Key_Return);
    EXPECT_EQ(okClicks, 2);
}

TEST_F(Widgets, AccessKeysPressButtonsAndMoveFocusFromLabels)
{
    box(0).setFocus();
    QTest::keyClick(box(0).widget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(otherClicks, 1);
    QTest::keyClick(box(0).widget(), Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(box(2).hasFocus());  // the control after the label in tab order
    EXPECT_EQ(f.focusedControl(), &box(2));
    EXPECT_FALSE(f.accessKey(QChar(u'Q')));
    EXPECT_EQ(ok.accessKey(), QChar(u'G'));
    EXPECT_EQ(qobject_cast<QPushButton*>(ok.widget())->shortcut(), QKeySequence());
}

TEST_F(Widgets, TabFollowsTheTabIndices)
{
    box(0).setFocus();
    std::vector<Control*> seen;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        seen.push_back(f.focusedControl());
    }
    // Option buttons have tab index 0 here and come first; then boxes and buttons.
    std::vector<Control*> order = f.tabOrder();
    ASSERT_GE(order.size(), 6u);
    auto at = std::find(order.begin(), order.end(), &box(0)) - order.begin();
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], order[(at + 1 + i) % order.size()]) << i;
}

TEST_F(Widgets, FormLoadRunsOnceAndHideLoads)
{
    TestForm g;
    g.hideForm();
    EXPECT_TRUE(g.loaded());
    g.load();
    g.showForm();
    EXPECT_EQ(g.loads, 1);
}

TEST(Printing, RecordingPrinterKeepsTheImage)
{
    RecordingPrinter p;
    TestForm g;
    p.print(g, {});
    ASSERT_EQ(p.jobs.size(), 1u);
    EXPECT_EQ(p.jobs[0].image.size() / p.jobs[0].image.devicePixelRatio(), QSize(200, 100));
    EXPECT_EQ(p.jobs[0].name, QStringLiteral("Test"));
}

/// The window drawn into a PDF: a landscape A4 page, its text as text (a
/// font, no picture of the window).
TEST(Printing, PdfFallbackWritesARealPdf)
{
    QTemporaryDir dir;
    TestForm g;
    Label& lbl = g.add<Label>(QStringLiteral("lbl"));
    lbl.setCaption(QStringLiteral("Latitude"));
    lbl.move(0, 0, 1500, 300);
    const QtPrinter::SavedPdf saved = QtPrinter::savePdf(g, QStringLiteral("Heading"), QStringLiteral("Morvel"), {dir.path()});
    ASSERT_FALSE(saved.path.isEmpty());
    EXPECT_TRUE(saved.refused.isEmpty());
    QFile f(saved.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("%PDF-"));
    EXPECT_TRUE(data.contains("/MediaBox [0 0 842"));
    EXPECT_TRUE(data.contains("/FontFile2"));
    EXPECT_FALSE(data.contains("/Subtype /Image"));
}

TEST(Printing, PdfPathIsInTheDocumentsFolder)
{
    const QStringList folders = QtPrinter::pdfFolders();
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(folders[1], QDir::tempPath());
}

TEST(Printing, WithoutHomeOnlyTheTemporaryFolder)
{
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    const QStringList folders = QtPrinter::pdfFolders();
    qputenv("HOME", home);
    EXPECT_EQ(folders, QStringList{QDir::tempPath()});
}

/// Folders for the PDF, built in a scratch folder: "new" does not exist
/// yet, "file" is a plain file, "file/sub" cannot be made.
struct FallbackRow {
    const char* name;
    std::vector<const char*> folders;
    int goesTo;  ///< index of the folder that takes the PDF; -1 none
    int refused;
};

class PdfFallback : public ::testing::TestWithParam<FallbackRow> {};

TEST_P(PdfFallback, GoesToTheFirstFolderThatTakesIt)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QStringList folders;
    for (const char* f : GetParam().folders)
        folders << dir.filePath(QString::fromLatin1(f));
    TestForm g;
    const QtPrinter::SavedPdf saved = QtPrinter::savePdf(g, {}, QStringLiteral("Morvel"), folders);
    EXPECT_EQ(saved.refused.size(), GetParam().refused) << saved.refused.join(u'\n').toStdString();
    if (GetParam().goesTo < 0) {
        EXPECT_TRUE(saved.path.isEmpty());
    } else {
        EXPECT_EQ(QFileInfo(saved.path).path(), folders[GetParam().goesTo]);
        EXPECT_TRUE(QFileInfo(saved.path).size() > 0);
    }
    for (int i = 0; i < saved.refused.size(); ++i)
        EXPECT_TRUE(saved.refused[i].startsWith(folders[i] + u':')) << saved.refused[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Folders, PdfFallback,
    ::testing::Values(FallbackRow{"DocumentsCreatedWhenMissing", {"new", "tmp"}, 0, 0},
                      FallbackRow{"DocumentsIsAFile", {"file", "tmp"}, 1, 1},
                      FallbackRow{"DocumentsCannotBeMade", {"file/sub", "tmp"}, 1, 1},
                      FallbackRow{"NothingWritable", {"file", "file/sub"}, -1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Printing, TwoPrintsInTheSameSecondKeepBoth)
{
    QTemporaryDir dir;
    TestForm g;
    const QDateTime when(QDate(2026, 3, 1), QTime(12, 0, 5));
    const QString first = QtPrinter::savePdf(g, {}, QStringLiteral("Morvel (Decimal Degrees)"), {dir.path()}, when).path;
    const QString second = QtPrinter::savePdf(g, {}, QStringLiteral("Morvel (Decimal Degrees)"), {dir.path()}, when).path;
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("Morvel-Decimal-Degrees-20260301-120005.pdf"));
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("Morvel-Decimal-Degrees-20260301-120005-2.pdf"));
    EXPECT_TRUE(QFileInfo::exists(first));
}

/// Each menu button: all three calculators loaded (each Form_Load once, as
/// the registry shows), exactly one window visible, the menu hidden.
class MenuSequence : public ::testing::TestWithParam<const char*> {};

TEST_P(MenuSequence, LoadsAllCalculatorsAndShowsExactlyOne)
{
    RecordingQuit quit;
    services().quitter = &quit;
    shell::Program program;
    program.start();
    auto& menu = program.morvelf();
    const QString button = QString::fromLatin1(GetParam());
    static_cast<ButtonControl*>(menu.find(button))->click();

    const std::map<QString, QString> shown = {
        {QStringLiteral("cmdDD"), QStringLiteral("locddf")},
        {QStringLiteral("cmdDM"), QStringLiteral("locdmf")},
        {QStringLiteral("cmdGC"), QStringLiteral("gcsf")}};
    for (const char* name : {"locddf", "locdmf", "gcsf"}) {
        Form* w = program.existing(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->loaded()) << name;
        EXPECT_EQ(w->isVisible(), shown.at(button) == QString::fromLatin1(name)) << name;
    }
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(engine::forms[1], static_cast<engine::CalcWindow*>(&program.locddf()));
    EXPECT_EQ(engine::forms[3], static_cast<engine::CalcWindow*>(&program.gcsf()));
    if (button == u"cmdGC") {
        EXPECT_EQ(engine::forms[2], static_cast<engine::CalcWindow*>(&program.locdmf()));
    }

    // Closing the calculator by its title bar ends the program.
    program.window(shown.at(button))->close();
    EXPECT_EQ(quit.count, 1);
    services().quitter = nullptr;
}

TEST(Quit, QuitClosesEveryWindowOnce)
{
    QtQuit quit;
    services().quitter = &quit;
    {
        shell::Program program;
        program.start();
        static_cast<ButtonControl*>(program.morvelf().find(QStringLiteral("cmdDD")))->click();
        quit.quit();  // closing the calculator asks to quit again
        for (const char* name : {"morvelf", "locddf", "locdmf", "gcsf"})
            EXPECT_FALSE(program.window(QString::fromLatin1(name))->isVisible()) << name;
    }
    services().quitter = nullptr;
}

/// "&Quit", or closing the window, during an automatic run on real timers:
/// the event loop ends with status 0 after some ticks, and nothing runs on.
class QuitDuringARun : public ::testing::TestWithParam<bool> {};

TEST_P(QuitDuringARun, EndsTheEventLoop)
{
    QtQuit quit;
    RecordingMessageBox box;
    services().quitter = &quit;
    services().messages = &box;
    int rc = -1;
    int16_t ticks = 0;
    {
        shell::Program program;
        program.start();
        program.morvelf().cmdDD.click();
        calc::Locddf& w = program.locddf();
        // Latitude 10 S, LHA 350, declination 5 S: a run of 24 real steps.
        const char* inputs[3] = {"10", "350", "5"};
        for (int i = 0; i <= 2; ++i)
            w.txtDeg(i).setText(QString::fromLatin1(inputs[i]));
        for (OptionButton* south : {&w.optLatS, &w.optDecS})
            south->setValue(true);
        w.cmdStart.click();
        w.dc.Auto->click();
        const bool byClose = GetParam();
        QTimer::singleShot(1200, &w, [&] {
            ticks = engine::ticks;
            if (byClose)
                w.close();
            else
                w.cmdExit.click();
        });
        QTimer::singleShot(10000, &w, [] { QCoreApplication::exit(2); });  // a safety net only
        rc = QApplication::exec();
    }
    services() = Services{};
    EXPECT_EQ(rc, 0);
    EXPECT_GE(ticks, 2);
    EXPECT_TRUE(box.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Window, QuitDuringARun, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Closed" : "Quit"); });

INSTANTIATE_TEST_SUITE_P(Buttons, MenuSequence, ::testing::Values("cmdDD", "cmdDM", "cmdGC"));

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initialise();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
