// The daily page against the places computed hour by hour: the hourly
// places it interpolates, v and d, the equation of time against the Sun's
// meridian passage, and the Moon's phase against its age.
#include "almanac/daily_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace morvel::almanac;

namespace {

constexpr double deg = std::numbers::pi / 180;
constexpr double arcmin = deg / 60;

double between(double gha1, double dec1, double gha2, double dec2)
{
    const double a = std::sin((dec2 - dec1) / 2), b = std::sin((gha2 - gha1) / 2);
    return 2 * std::asin(std::sqrt(a * a + std::cos(dec1) * std::cos(dec2) * b * b));
}

struct Day {
    const char* name;
    UtcDate date;
};

const Day days[] = {
    {"a page of December 2026", {2026, 12, 7}},
    {"the Moon at perigee", {2026, 11, 24}},
    {"Venus near inferior conjunction", {2026, 10, 24}},
    {"a leap second at the day's end", {2016, 12, 31}},
    {"before UTC", {1955, 3, 1}},
};

}  // namespace

TEST(DailyPage, HourlyPlacesAndVAndDAsComputedHourByHour)
{
    for (const Day& day : days) {
        const DailyPage p = dailyPage(day.date);
        ASSERT_TRUE(p.ok()) << day.name << ": " << p.error;
        ASSERT_EQ(p.hours.size(), 25u);
        double worst = 0;
        std::vector<std::vector<Place>> exact;
        for (int h = 0; h <= 24; ++h) {
            const Sky sky(day.date.instant(h));
            std::vector<Place> row;
            for (size_t b = 0; b < p.moving.size(); ++b) {
                row.push_back(sky.placeOf(p.moving[b]));
                const Place& got = p.hours[size_t(h)][b];
                worst = std::max(worst, between(got.gha, got.dec, row[b].gha, row[b].dec));
                if (row[b].hp)
                    EXPECT_NEAR(*got.hp, *row[b].hp, 0.01 * arcmin) << day.name << " " << p.moving[b].name;
            }
            exact.push_back(row);
        }
        EXPECT_LT(worst / arcmin, 0.01) << day.name;

        // v and d from the places computed at the hours they join.
        const size_t moon = p.index(BodyKind::moon);
        for (int h = 0; h < 24; ++h) {
            const Place &a = exact[size_t(h)][moon], &b = exact[size_t(h) + 1][moon];
            const double v = std::remainder(b.gha - a.gha, 2 * std::numbers::pi) - (14 * deg + 19 * arcmin);
            EXPECT_NEAR(p.moonV[size_t(h)], v / arcmin, 0.02) << day.name << " hour " << h;
            EXPECT_NEAR(p.moonD[size_t(h)], (b.dec - a.dec) / arcmin, 0.02) << day.name << " hour " << h;
        }
        for (size_t b = 0; b < p.moving.size(); ++b) {
            const BodyKind k = p.moving[b].kind;
            EXPECT_EQ(p.v[b].has_value(), k == BodyKind::planet) << p.moving[b].name;
            EXPECT_EQ(p.d[b].has_value(), k == BodyKind::planet || k == BodyKind::sun) << p.moving[b].name;
            if (!p.v[b])
                continue;
            // The day's GHA grows by 360 degrees and 24 hours of v over 15 degrees.
            const double grown = std::remainder(exact[24][b].gha - exact[0][b].gha, 2 * std::numbers::pi) + 2 * std::numbers::pi;
            EXPECT_NEAR(*p.v[b], (grown / 24 - 15 * deg) / arcmin, 0.01) << day.name << " " << p.moving[b].name;
            EXPECT_NEAR(*p.d[b], (exact[24][b].dec - exact[0][b].dec) / 24 / arcmin, 0.01) << p.moving[b].name;
        }
    }
}

// The Sun crosses the Greenwich meridian at 12h less the equation of time.
TEST(DailyPage, EquationOfTimeAndTheSunsPassage)
{
    for (int i = 0; i < 365; i += 7) {
        const DailyPage p = dailyPage(UtcDate{2026, 1, 1}.plus(i));
        ASSERT_TRUE(p.ok());
        const auto passage = p.passage[p.index(BodyKind::sun)];
        ASSERT_TRUE(passage);
        EXPECT_NEAR(*passage, 12 - p.equationOfTime12 / 60, 0.2 / 60) << p.date.text();
        EXPECT_LT(std::abs(p.equationOfTime0), 16.6);
    }
}

// Through two lunations the illuminated fraction follows the age: dark at
// new moon, full about 14.8 days on (the Moon's uneven motion moves a
// quarter by up to a day, 12 % of the disc, from the mean lunation's); the
// age runs 0 to 29.5 days a day at a time.
TEST(DailyPage, TheMoonsPhaseFollowsItsAge)
{
    PageMaker maker;
    double before = -1;
    int newMoons = 0;
    for (int i = 0; i < 60; ++i) {
        const DailyPage p = maker.page(UtcDate{2026, 11, 1}.plus(i));
        ASSERT_TRUE(p.ok());
        EXPECT_GE(p.moonAge, 0);
        EXPECT_LT(p.moonAge, 29.9);
        if (before >= 0 && p.moonAge < before)
            ++newMoons;
        else if (before >= 0)
            EXPECT_NEAR(p.moonAge - before, 1, 1e-6);
        before = p.moonAge;
        const double expected = (1 - std::cos(p.moonAge / 29.53 * 2 * std::numbers::pi)) / 2 * 100;
        EXPECT_NEAR(p.moonIllumination, expected, 12) << p.date.text() << " age " << p.moonAge;
    }
    EXPECT_EQ(newMoons, 2);
}
