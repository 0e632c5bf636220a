// The deviation card: coefficients exact on exact deviations, the
// textbook's sums on headings equally spaced round the compass (where the
// least squares are those sums), and the cards refused or warned of.
#include "compass/deviation_card.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

using namespace morvel::compass;

namespace {

constexpr double deg = std::numbers::pi / 180;

struct Coefficients {
    double A, B, C, D, E;  // degrees
};

std::vector<Swung> swung(const std::vector<double>& headings, const std::vector<double>& deviations)
{
    std::vector<Swung> out;
    for (size_t i = 0; i < headings.size(); ++i)
        out.push_back({headings[i] * deg, deviations[i] * deg});
    return out;
}

void expectCoefficients(const DeviationCard& card, const Coefficients& c, double within)
{
    ASSERT_TRUE(card.ok()) << card.why;
    EXPECT_NEAR(card.A / deg, c.A, within);
    EXPECT_NEAR(card.B / deg, c.B, within);
    EXPECT_NEAR(card.C / deg, c.C, within);
    EXPECT_NEAR(card.D / deg, c.D, within);
    EXPECT_NEAR(card.E / deg, c.E, within);
}

}  // namespace

// Deviations made from known coefficients give them back, to rounding.
TEST(DeviationCard, ExactOnExactData)
{
    const struct {
        const char* name;
        Coefficients c;
        std::vector<double> headings;
    } table[] = {
        {"eight points", {0.5, 3.2, -1.7, 0.8, -0.4}, {0, 45, 90, 135, 180, 225, 270, 315}},
        {"five uneven", {-1.0, 2.0, 4.5, -0.3, 1.1}, {10, 95, 170, 250, 330}},
        {"ten uneven", {0, -6.0, 2.5, 1.5, 0.7}, {3, 41, 77, 120, 151, 199, 222, 268, 301, 349}},
    };
    for (const auto& row : table) {
        std::vector<double> deviations;
        for (const double h : row.headings) {
            const double t = h * deg;
            deviations.push_back(row.c.A + row.c.B * std::sin(t) + row.c.C * std::cos(t) + row.c.D * std::sin(2 * t) +
                                 row.c.E * std::cos(2 * t));
        }
        SCOPED_TRACE(row.name);
        const DeviationCard card = deviationCard(swung(row.headings, deviations));
        expectCoefficients(card, row.c, 1e-12);
        for (const double r : card.residuals)
            EXPECT_NEAR(r, 0, 1e-12);
    }
}

// On n headings equally spaced the five terms are orthogonal: A is the
// mean deviation, B and C are 2/n of the sums of deviation times sine and
// cosine of the heading, D and E of twice the heading (the figures worked
// out by those sums, apart from Morvel).
TEST(DeviationCard, TheTextbooksSums)
{
    const struct {
        std::vector<double> headings, deviations;
        Coefficients c;
    } table[] = {
        {{0, 45, 90, 135, 180, 225, 270, 315},
         {1.5, 3.0, 2.5, -0.5, -2.0, -3.5, -1.0, 0.5},
         {0.0625, 1.8472718241315025, 2.2008252147247767, -0.125, -0.5}},
        {{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330},
         {0.8, 2.1, 3.0, 2.6, 1.2, -0.4, -1.9, -2.8, -2.7, -1.6, -0.6, 0.2},
         {-0.008333333333333456, 2.1408650880638818, 1.5688566201357357, -0.11547005383792545, -0.5}},
    };
    for (const auto& row : table)
        expectCoefficients(deviationCard(swung(row.headings, row.deviations)), row.c, 1e-12);
}

// Under five distinct headings no card; five, the advice; a gap over 180
// degrees named; a card that would reach past 90 degrees refused.
TEST(DeviationCard, RefusedOrWarned)
{
    const struct {
        const char* name;
        std::vector<double> headings, deviations;
        bool card;
        bool advice;
        size_t gaps;
    } table[] = {
        {"four headings", {0, 90, 180, 270}, {1, 2, 1, 2}, false, false, 0},
        {"five observations on four headings", {0, 90, 180, 270, 90.4}, {1, 2, 1, 2, 2}, false, false, 0},
        {"five spread", {0, 72, 144, 216, 288}, {1, 2, 1.5, -2, 1}, true, true, 0},
        {"six in half the compass", {0, 30, 60, 90, 120, 150}, {1, 1.5, 2, 1.5, 1, 0.5}, true, false, 1},
        {"five bunched", {10, 20, 30, 50, 60}, {1, 2, 1.5, -2, 1}, false, false, 0},
    };
    for (const auto& row : table) {
        const DeviationCard c = deviationCard(swung(row.headings, row.deviations));
        EXPECT_EQ(c.ok(), row.card) << row.name << ": " << c.why;
        EXPECT_EQ(!c.advice.empty(), row.advice) << row.name;
        EXPECT_EQ(c.gaps.size(), row.gaps) << row.name;
    }
}
