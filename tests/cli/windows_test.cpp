// morvel-solve shows what the windows show: the same problems typed into
// the degrees-and-minutes and the decimal-degrees windows and given to
// morvel-solve give the same degrees, minutes, decimals, hemispheres,
// remark and message.
#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "cli/problem.h"
#include "cli/report.h"
#include "cli/solve.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/services.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace morvel;

namespace {

/// A problem as morvel-solve takes it: "" for a quantity not given.
struct Problem {
    const char* name;
    const char* q[5];  // latitude, LHA, declination, altitude, azimuth
};

const Problem problems[] = {
    {"28 north", {"39 50.6N", "351 41.9", "23 08.4N", "", ""}},
    {"28 south", {"33 52S", "120", "20 10N", "", ""}},
    {"28 decimals", {"40.205N", "12.3456", "5.5S", "", ""}},
    {"19", {"40N", "", "", "30 15.2", "120"}},
    {"19 below the horizon", {"10S", "", "", "-0 30", "200"}},
    {"22 two solutions", {"40N", "", "20N", "30", ""}},
    {"25 on the meridian", {"40N", "0", "", "", "180"}},
    {"26", {"40N", "30", "", "50", ""}},
    {"21", {"40N", "", "50N", "", "30"}},
    {"14", {"", "30", "20N", "40", ""}},
    {"7", {"", "", "20N", "40", "100"}},
    {"13", {"", "30", "20N", "", "250"}},
    {"11", {"", "30", "", "40", "250"}},
    {"no solution", {"40N", "", "5N", "70", ""}},
};

const cli::Field fields[5] = {cli::Field::lat, cli::Field::lha, cli::Field::dec, cli::Field::alt, cli::Field::zn};

struct Windows : ::testing::Test {
    toolkit::RecordingMessageBox box;
    std::unique_ptr<shell::Program> program;

    void SetUp() override
    {
        toolkit::services().messages = &box;
        toolkit::Timer::setManual(true);
        program = std::make_unique<shell::Program>();
        program->start();
        program->morvelf().cmdDM.click();
    }
    void TearDown() override
    {
        program.reset();
        toolkit::services() = toolkit::Services{};
        toolkit::Timer::setManual(false);
    }

    /// Types a problem into a window: degrees, minutes where it has them,
    /// the hemisphere by its button. False when the window cannot take it
    /// (minutes in the decimal window).
    template <class Window>
    bool type(Window& w, const Problem& p, bool minutes)
    {
        w.Clear.click();
        for (int i = 0; i < 5; ++i) {
            std::string text = p.q[i];
            char letter = 0;
            if (!text.empty() && (text.back() == 'N' || text.back() == 'S')) {
                letter = text.back();
                text.pop_back();
            }
            std::istringstream words(text);
            std::string degrees, mins;
            words >> degrees >> mins;
            if (!mins.empty() && !minutes)
                return false;
            w.txtDeg(i).setText(QString::fromStdString(degrees));
            if constexpr (std::is_same_v<Window, calc::Locdmf>)
                w.txtMin(i).setText(QString::fromStdString(mins));
            if (i == 0 && letter)
                (letter == 'N' ? w.optLatN : w.optLatS).setValue(true);
            if (i == 2 && letter)
                (letter == 'N' ? w.optDecN : w.optDecS).setValue(true);
        }
        box.texts.clear();
        w.cmdStart.click();
        return true;
    }

    /// What the window shows in row i, solution k (0 or 1), as one text.
    template <class Window>
    std::string shown(Window& w, int i, int k)
    {
        auto trim = [](const QString& s) { return s.startsWith(' ') ? s.mid(1).toStdString() : s.toStdString(); };
        std::string text = trim((k ? w.txtDeg2 : w.txtDeg)(i).text());
        if constexpr (std::is_same_v<Window, calc::Locdmf>)
            text += "°" + trim((k ? w.txtMin2 : w.txtMin)(i).text()) + "'";
        if (i == 0)
            text += (k ? w.optLatN2 : w.optLatN).value() ? "N" : "S";
        if (i == 2)
            text += (k ? w.optDecN2 : w.optDecN).value() ? "N" : "S";
        return text;
    }

    template <class Window>
    void compare(Window& w, bool decimal)
    {
        for (const Problem& p : problems) {
            if (!type(w, p, !decimal))
                continue;
            // What the window shows.
            std::vector<std::string> window;
            for (int i = 0; i < 5; ++i) {
                const QString io = w.txtIo(i).text();
                if (!w.txtIo(i).visible() || io == QStringLiteral("Input"))
                    continue;
                window.push_back(shown(w, i, 0));
                if (io == QStringLiteral("2 Outputs"))
                    window.push_back(shown(w, i, 1));
            }
            // With two solutions the remark box asks for the set to draw instead.
            const bool twoSolutions = w.txtOther.text() == QStringLiteral("Select Output Set for Meridian Diagram");
            const bool manyOther = w.txtOther.visible() && w.txtOther.text() == QStringLiteral("Many Other Solutions");
            std::string windowMessage;
            for (const QString& m : box.texts)
                windowMessage += (windowMessage.empty() ? "" : "; ") + m.toStdString();

            // What morvel-solve shows.
            std::vector<cli::Entry> entries;
            for (int i = 0; i < 5; ++i)
                if (*p.q[i])
                    entries.push_back({fields[i], p.q[i]});
            const cli::ProblemRead read = cli::readProblem(entries, false);
            ASSERT_TRUE(read.problem) << p.name << ": " << read.error;
            const cli::CelestialResult r = cli::solve(std::get<cli::CelestialProblem>(*read.problem));
            std::vector<std::string> solved;
            for (int i = 0; i < 5; ++i)
                for (int k = 0; k < r.count && !r.given[size_t(i)]; ++k) {
                    const double x = r.sets[size_t(k)][size_t(i)];
                    solved.push_back(i == 0 || i == 2 ? navtext::latitudeText(x, decimal)
                                     : i == 3         ? navtext::altitudeText(x, decimal)
                                                      : navtext::circleText(x, decimal));
                }

            EXPECT_EQ(solved, window) << p.name << (decimal ? " (decimal)" : "");
            if (!twoSolutions) {
                EXPECT_EQ(r.manyOther, manyOther) << p.name;
            }
            EXPECT_EQ(window.empty(), r.count == 0) << p.name;
            EXPECT_EQ(r.message, windowMessage) << p.name;
        }
    }
};

}  // namespace

TEST_F(Windows, DegreesAndMinutes)
{
    compare(program->locdmf(), false);
}

TEST_F(Windows, DecimalDegrees)
{
    compare(program->locddf(), true);
}
