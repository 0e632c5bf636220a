// locddf's procedures where the scenarios cannot look: the engine state a
// calculation leaves (calcflag, mdset, nout), output and other called
// directly, transfer, Print and Quit through the service doubles.
#include "calc/decimal_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>

using namespace morvel;
using namespace morvel::toolkit;

namespace {

struct Decimal : ::testing::Test {
    RecordingMessageBox box;
    RecordingPrinter printer;
    RecordingQuit quitter;
    std::unique_ptr<shell::Program> program;
    calc::Locddf* w = nullptr;
    const double deg = 4 * std::atan(1.0) / 180;

    void SetUp() override
    {
        services().messages = &box;
        services().printer = &printer;
        services().quitter = &quitter;
        Timer::setManual(true);
        program = std::make_unique<shell::Program>();
        program->start();
        program->morvelf().cmdDD.click();
        w = &program->locddf();
    }
    void TearDown() override
    {
        program.reset();
        services() = Services{};
        Timer::setManual(false);
    }

    void enter(int i, const char* text) { w->txtDeg(i).setText(QString::fromLatin1(text)); }
};

}  // namespace

TEST_F(Decimal, FormLoadRegistersTheDecimalAndGreatCircleWindows)
{
    EXPECT_EQ(engine::forms[1], static_cast<engine::CalcWindow*>(w));
    EXPECT_NE(engine::forms[3], nullptr);
    EXPECT_EQ(engine::actform, 0);  // no calculation yet
}

TEST_F(Decimal, OneSolutionDrawsSetOne)
{
    enter(0, "40");
    w->optLatN.setValue(true);
    enter(1, "30");
    enter(2, "20");
    w->optDecN.setValue(true);
    engine::mdset = 7;
    w->cmdStart.click();
    EXPECT_TRUE(box.texts.empty());
    EXPECT_EQ(engine::actform, 1);
    EXPECT_EQ(engine::nout, 1);
    EXPECT_EQ(engine::mdset, 1);
    EXPECT_EQ(engine::calcflag, 1);
    EXPECT_NEAR(engine::alt1 / deg, 57.485079924, 1e-8);
    EXPECT_NEAR(engine::az1 / deg, 240.938807385, 1e-8);
}

TEST_F(Decimal, TwoSolutionsAskForASet)
{
    enter(1, "50");
    enter(2, "15");
    w->optDecN.setValue(true);
    enter(3, "30");
    w->cmdStart.click();
    EXPECT_TRUE(box.texts.empty());
    EXPECT_EQ(engine::nout, 2);
    EXPECT_EQ(engine::mdset, 0);  // nothing drawn until a Draw button
    EXPECT_EQ(engine::calcflag, 1);
    EXPECT_NEAR(engine::lat1 / deg, -19.357148516, 1e-8);
    EXPECT_NEAR(engine::lat2 / deg, 64.615260517, 1e-8);
    EXPECT_TRUE(w->dc.cmdDraw1.visible());
    EXPECT_TRUE(w->dc.cmdDraw2.visible());
}

TEST_F(Decimal, CalcflagAfterAStopAndAfterTheCountMessage)
{
    engine::calcflag = 1;
    enter(0, "95");
    w->optLatN.setValue(true);
    w->cmdStart.click();
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(engine::calcflag, 0);  // a stop leaves it at 0
    // Four inputs: the message does not stop; no solver; calcflag 1.
    enter(0, "40");
    enter(1, "30");
    enter(2, "20");
    w->optDecN.setValue(true);
    enter(3, "50");
    engine::nout = 2;
    w->cmdStart.click();
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(box.texts[1], QStringLiteral("Enter three and only three inputs"));
    EXPECT_EQ(engine::calcflag, 1);
    EXPECT_EQ(engine::nout, 1);  // set before validation, no solver ran
    EXPECT_EQ(engine::mdset, 0);
}

TEST_F(Decimal, ClearallResetsCalcflag)
{
    engine::calcflag = 1;
    w->Clear.click();  // before any calculation: actform 0, no window to reach
    EXPECT_EQ(engine::calcflag, 0);
    EXPECT_TRUE(box.texts.empty());
}

TEST_F(Decimal, ClearallHidesTheRemarkOfTheActiveWindow)
{
    engine::setup(1);
    w->dc.txtCircarc.setVisible(true);
    w->clearall();
    EXPECT_FALSE(w->dc.txtCircarc.visible());
}

TEST_F(Decimal, OutputWithNoValuesLeavesTheWindowAlone)
{
    engine::setup(1);
    w->output(1.0, 2.0, 0, 4);
    EXPECT_EQ(w->txtDeg(3).text(), QString());
    EXPECT_FALSE(w->txtIo(3).visible());
    EXPECT_EQ(w->txtDeg(3).backColor(), colors::white);
}

TEST_F(Decimal, OutputFormatsAndColours)
{
    engine::setup(1);
    w->output(-33.5 * deg, 0, 1, 1);
    EXPECT_EQ(w->txtDeg(0).text(), QStringLiteral(" 33.50000"));
    EXPECT_TRUE(w->optLatS.value());
    EXPECT_EQ(w->optLatS.backColor(), colors::cyan);
    EXPECT_EQ(w->txtIo(0).text(), QStringLiteral("Output"));
    w->output(-5 * deg, 0, 1, 4);
    EXPECT_EQ(w->txtDeg(3).text(), QStringLiteral("-5.00000"));
    EXPECT_EQ(w->optDecN.backColor(), colors::white);
    EXPECT_FALSE(w->optDecN.value());
    EXPECT_FALSE(w->optDecS.value());
    // Halves go up, for negative values too.
    w->output(-1.234565 * deg, 0, 1, 4);
    EXPECT_EQ(w->txtDeg(3).text(), QStringLiteral("-1.23456"));
    w->output(359.999996 * deg, 0, 1, 5);
    EXPECT_EQ(w->txtDeg(4).text(), QStringLiteral(" 360.00000"));
    w->output(0.00001 * deg, 0, 1, 4);
    EXPECT_EQ(w->txtDeg(3).text(), QStringLiteral(" 1E-05"));
}

TEST_F(Decimal, ExactlyZeroIsSouth)
{
    engine::setup(1);
    w->optLatN.setValue(true);
    w->output(0.0, 0.0, 2, 1);
    EXPECT_TRUE(w->optLatS.value());
    EXPECT_FALSE(w->optLatN.value());
    EXPECT_TRUE(w->optLatS2.value());
    EXPECT_TRUE(w->fraLat2.visible());
    EXPECT_EQ(w->txtDeg(0).text(), QStringLiteral(" 0.00000"));
    w->output(0.0, 1e-9, 2, 3);
    EXPECT_TRUE(w->optDecS.value());
    EXPECT_TRUE(w->optDecN2.value());  // a hair above 0 is North
    EXPECT_EQ(w->optDecN2.backColor(), colors::cyan);
    EXPECT_EQ(w->txtIo(2).text(), QStringLiteral("2 Outputs"));
}

TEST_F(Decimal, ComputedZeroDeclinationIsSouth)
{
    // Latitude 40 N, altitude 50, azimuth 180: the body on the equator.
    enter(0, "40");
    w->optLatN.setValue(true);
    enter(3, "50");
    enter(4, "180");
    w->cmdStart.click();
    EXPECT_TRUE(box.texts.empty());
    EXPECT_LE(engine::dec1, 0);
    EXPECT_GT(engine::dec1, -1e-15);
    EXPECT_TRUE(w->optDecS.value());
    EXPECT_EQ(w->txtDeg(2).text(), QStringLiteral(" 0.00000"));
}

TEST_F(Decimal, OtherOnTheMeridianOnly)
{
    const double pi = 4 * std::atan(1.0);
    w->other(1.0, 0.001);
    EXPECT_FALSE(w->txtOther.visible() && w->txtOther.text() == QStringLiteral("Many Other Solutions"));
    w->other(1.0, pi);
    EXPECT_EQ(w->txtOther.text(), QStringLiteral("Many Other Solutions"));
    EXPECT_EQ(w->txtOther.backColor(), colors::cyan);
    w->txtOther.setText(QString());
    w->other(1e-7, 1.0);
    EXPECT_EQ(w->txtOther.text(), QStringLiteral("Many Other Solutions"));
    w->txtOther.setText(QString());
    w->other(2.1e-6, 1.0);
    EXPECT_EQ(w->txtOther.text(), QString());
}

TEST_F(Decimal, TransferDependsOnTheCount)
{
    engine::setup(1);
    engine::nout = 1;
    w->transfer();
    EXPECT_EQ(engine::mdset, 1);
    EXPECT_FALSE(w->dc.cmdDraw1.visible());
    engine::mdset = 0;
    engine::nout = 2;
    w->transfer();
    EXPECT_EQ(engine::mdset, 0);
    EXPECT_EQ(engine::nout, 2);
    EXPECT_TRUE(w->txtOther.visible());
    EXPECT_EQ(w->txtOther.text(), QStringLiteral("Select Output Set for Meridian Diagram"));
    EXPECT_TRUE(w->dc.cmdDraw1.visible());
    EXPECT_TRUE(w->dc.cmdDraw2.visible());
}

TEST_F(Decimal, PrintSendsTheImageOfFormsOneUnderItsCaptionAndTheTimeInUtc)
{
    services().clock = [] { return QDateTime(QDate(2026, 12, 7), QTime(15, 5, 59), QTimeZone(3600)); };
    w->Print.click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_FALSE(printer.jobs[0].image.isNull());
    EXPECT_EQ(printer.jobs[0].name, QStringLiteral("Morvel (Decimal Degrees)"));
    EXPECT_EQ(printer.jobs[0].heading, QStringLiteral("Morvel (Decimal Degrees) — printed 2026-12-07 14:05 UTC"));
    EXPECT_GE(printer.jobs[0].image.width(), 8880 / 15);
    EXPECT_EQ(quitter.count, 0);
}

TEST_F(Decimal, QuitEndsTheProgram)
{
    w->cmdExit.click();
    EXPECT_EQ(quitter.count, 1);
    EXPECT_TRUE(printer.jobs.empty());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    morvel::toolkit::initialise();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
