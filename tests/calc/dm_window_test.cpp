// locdmf where the scenarios cannot look: the engine state its calculation
// leaves, output called directly, Print through the printer double, and the
// tick count of a continuous run.
#include "calc/dm_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/services.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvel;
using toolkit::colors::cyan;

namespace {

/// The program on the degrees-and-minutes window, with the service doubles.
class DegreesMinutes : public ::testing::Test {
protected:
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    std::unique_ptr<shell::Program> program;
    calc::Locdmf* w = nullptr;
    const double deg = 4 * std::atan(1.0) / 180;

    DegreesMinutes()
    {
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        toolkit::Timer::setManual(true);
        program = std::make_unique<shell::Program>();
        program->start();
        program->morvelf().cmdDM.click();
        w = &program->locdmf();
    }
    ~DegreesMinutes() override
    {
        program.reset();
        toolkit::services() = toolkit::Services{};
        toolkit::Timer::setManual(false);
    }

    /// Latitude and declination North, and the LHA, in whole degrees.
    void givens(const char* lat, const char* lha, const char* dec)
    {
        w->txtDeg(0).setText(QString::fromLatin1(lat));
        w->optLatN.setValue(true);
        w->txtDeg(1).setText(QString::fromLatin1(lha));
        w->txtDeg(2).setText(QString::fromLatin1(dec));
        w->optDecN.setValue(true);
    }
};

}  // namespace

TEST_F(DegreesMinutes, CalculationLeavesCalcflagAtZero)
{
    givens("40", "30", "20");
    engine::calcflag = 1;
    w->cmdStart.click();
    EXPECT_TRUE(box.texts.empty());
    EXPECT_EQ(engine::actform, 2);
    EXPECT_EQ(engine::mdset, 1);
    EXPECT_EQ(engine::calcflag, 0);
    EXPECT_NEAR(engine::alt1 / deg, 57.485079924, 1e-8);
}

TEST_F(DegreesMinutes, OutputOfTwoAltitudes)
{
    engine::setup(2);
    w->output(1.0, 2.0, 0, 4);
    EXPECT_FALSE(w->txtIo(3).visible());
    EXPECT_EQ(w->txtDeg(3).text(), QString());

    w->output(-0.5 * deg, 10.25 * deg, 2, 4);
    EXPECT_EQ(w->txtDeg(3).text(), QStringLiteral("-0"));
    EXPECT_EQ(w->txtMin(3).text(), QStringLiteral(" 30"));
    EXPECT_EQ(w->txtDeg2(3).text(), QStringLiteral(" 10"));
    EXPECT_EQ(w->txtMin2(3).text(), QStringLiteral(" 15"));
    EXPECT_EQ(w->txtIo(3).text(), QStringLiteral("2 Outputs"));
    for (toolkit::Control* c : {static_cast<toolkit::Control*>(&w->txtDeg2(3)), static_cast<toolkit::Control*>(&w->txtMin2(3)),
                                static_cast<toolkit::Control*>(&w->lblDeg2(3)), static_cast<toolkit::Control*>(&w->lblmin2(3))})
        EXPECT_TRUE(c->visible()) << c->qualifiedName().toStdString();
    EXPECT_EQ(w->txtMin2(3).backColor(), cyan);
    // The altitude touches no hemisphere button.
    EXPECT_FALSE(w->optLatN.value() || w->optLatS.value() || w->optDecN.value() || w->optDecS.value());
}

TEST_F(DegreesMinutes, PrintSendsTheImageOfFormsTwo)
{
    w->Print.click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].name, QStringLiteral("Morvel (Degrees and Minutes)"));
    EXPECT_GE(printer.jobs[0].image.width(), 8880 / 15);
}

TEST_F(DegreesMinutes, ContinuousRunStopsCountingTicks)
{
    // A long continuous run: the 16-bit tick count must not overflow.
    givens("40", "10", "20");
    w->cmdStart.click();
    w->dc.chkContinuous->setValue(1);
    w->dc.Auto->click();
    engine::ticks = INT16_MAX;
    w->dc.timer->fire();
    EXPECT_EQ(engine::ticks, INT16_MAX);
    EXPECT_TRUE(w->dc.timer->enabled());
    EXPECT_EQ(w->txtDeg(1).text(), QStringLiteral(" 25"));
    EXPECT_TRUE(box.texts.empty());
}
