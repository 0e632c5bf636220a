// The lines of position a plotting sheet draws, against GeographicLib's
// rhumb line on a unit sphere. The sights are exact: each sextant altitude
// is the one the almanac gives at a true position, so that the fix and
// its lines fall on that position and only the DR's error is plotted; a
// running fix's line as taken, before the run, through where the ship was.
#include "sight/plot.h"
#include "sight/sky.h"

#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180;
const GeographicLib::Rhumb rhumbLine(1, 0);
constexpr double trueLat = 41.3 * deg, trueLon = -37.6 * deg;

/// The star nearest azimuth zn, 15 to 70 degrees high, observed exactly
/// from the true position at when (or from (atLat, atLon), radians),
/// logged with the DR (degrees).
sight::Sight exactSight(const almanac::Instant& when, double zn, double drLat, double drLon, double atLat = trueLat,
                        double atLon = trueLon)
{
    sight::Sight s;
    s.when = when;
    s.conditions = {1.2, 4, 15, 1015};
    double best = 10;
    for (const sight::Visible& v : sight::skyAt(when, atLat, atLon).bodies) {
        const double off = std::abs(std::remainder(v.zn - zn * deg, 2 * std::numbers::pi));
        if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * deg && v.hc < 70 * deg && off < best)
            best = off, s.body = v.body;
    }
    const sight::Reduction atTruth = sight::reduce(s, almanac::placeOf(s.body, when), atLat, atLon);
    s.hs = sight::sextantAltitude(atTruth.hc, s.conditions, s.limb, {}, atLat);
    s.drLat = drLat * deg;
    s.drLon = drLon * deg;
    return s;
}

/// How far (lat, lon) lies off the line of position through (lineLat,
/// lineLon) at right angles to zn, nautical miles.
double offLine(double lineLat, double lineLon, double zn, double lat, double lon)
{
    double miles, azi;
    rhumbLine.Inverse(lineLat / deg, lineLon / deg, lat / deg, lon / deg, miles, azi);
    return std::abs(miles / deg * 60 * std::cos(azi * deg - zn));
}
double offLine(const sight::PlotLine& l, double lat, double lon)
{
    return offLine(l.lat, l.lon, l.zn, lat, lon);
}

const almanac::Instant evening = almanac::Instant::parse("2026-12-07T19:10:00Z");

}  // namespace

TEST(LinesOfPosition, ThroughTheFix)
{
    std::vector<sight::Sight> sights;
    for (double zn : {20.0, 140.0, 260.0})
        sights.push_back(exactSight(evening, zn, 41.55, -37.9));
    const sight::Fix fix = sight::fixOf(sights);
    ASSERT_TRUE(fix.found()) << fix.why;
    const auto lines = sight::linesOfPosition(sights, fix);
    ASSERT_EQ(lines.size(), 3u);
    for (const sight::PlotLine& l : lines) {
        EXPECT_FALSE(l.carried);
        EXPECT_LT(offLine(l, fix.lat, fix.lon), 0.01) << sights[l.sight].body.name;
        EXPECT_LT(offLine(l, trueLat, trueLon), 0.05) << sights[l.sight].body.name;
    }
}

// One sight: the intercept laid off from the DR; an earlier sight at
// another DR: the same, then run to the last DR. A sight whose instant was
// refused has no line.
TEST(LinesOfPosition, FromEachDr)
{
    const almanac::Instant earlier = almanac::Instant::parse("2026-12-07T18:10:00Z");
    double drLat, drLon;
    rhumbLine.Direct(41.1, -37.2, 240, 9.5 / 60 * deg, drLat, drLon);  // the run of the hour before
    std::vector<sight::Sight> sights{exactSight(earlier, 200, drLat, drLon), exactSight(evening, 80, 41.1, -37.2),
                                     exactSight(evening, 300, 41.1, -37.2)};
    sights[2].when = almanac::Instant::parse("not a time");
    const auto lines = sight::linesOfPosition(sights, sight::Fix{});
    ASSERT_EQ(lines.size(), 2u);
    for (const sight::PlotLine& l : lines) {
        const sight::Sight& s = sights[l.sight];
        const sight::Reduction r = sight::reduce(s);
        double lat, lon, runArc, runCourse, dummy;
        rhumbLine.Direct(s.drLat / deg, s.drLon / deg, r.zn / deg, r.intercept / 60 * deg, lat, lon);
        rhumbLine.Inverse(s.drLat / deg, s.drLon / deg, 41.1, -37.2, runArc, runCourse, dummy);
        EXPECT_EQ(l.carried, l.sight == 0);
        EXPECT_NEAR(l.takenLat / deg, lat, 1e-7);
        EXPECT_NEAR(l.takenLon / deg, lon, 1e-7);
        // Runs are sailed at the mid-latitude: the rhumb line within a
        // few millimetres over ten miles.
        EXPECT_NEAR(l.run.miles, runArc / deg * 60, 1e-4);
        if (runArc > 0) {
            EXPECT_NEAR(l.run.course / deg, runCourse, 1e-4);
            rhumbLine.Direct(lat, lon, runCourse, runArc, lat, lon);
        }
        EXPECT_DOUBLE_EQ(l.zn, r.zn);
        EXPECT_NEAR(l.lat / deg, lat, 1e-7);
        EXPECT_NEAR(l.lon / deg, lon, 1e-7);
    }
}

// A running fix: a sight taken an hour before, exactly, from where the ship
// then was (9.5 miles back along 060), its DR that far back too. Its line
// is drawn through the fix advanced by the run, and as taken through the
// ship's position at its time.
TEST(LinesOfPosition, RunningFixAsTaken)
{
    const almanac::Instant earlier = almanac::Instant::parse("2026-12-07T18:10:00Z");
    double thenLat, thenLon, drLat, drLon;
    rhumbLine.Direct(trueLat / deg, trueLon / deg, 240, 9.5 / 60 * deg, thenLat, thenLon);
    rhumbLine.Direct(41.1, -37.2, 240, 9.5 / 60 * deg, drLat, drLon);
    std::vector<sight::Sight> sights{exactSight(earlier, 200, drLat, drLon, thenLat * deg, thenLon * deg),
                                     exactSight(evening, 80, 41.1, -37.2), exactSight(evening, 320, 41.1, -37.2)};
    const sight::Fix fix = sight::fixOf(sights);
    ASSERT_TRUE(fix.found()) << fix.why;
    const auto lines = sight::linesOfPosition(sights, fix);
    ASSERT_EQ(lines.size(), 3u);
    const sight::PlotLine& early = lines[0];
    ASSERT_TRUE(early.carried);
    EXPECT_NEAR(early.run.miles, 9.5, 1e-4);
    EXPECT_NEAR(early.run.course / deg, 60, 1e-4);
    EXPECT_LT(offLine(early, trueLat, trueLon), 0.05);
    EXPECT_LT(offLine(early.takenLat, early.takenLon, early.zn, thenLat * deg, thenLon * deg), 0.05);
    double lat, lon;
    rhumbLine.Direct(early.takenLat / deg, early.takenLon / deg, 60, 9.5 / 60 * deg, lat, lon);
    EXPECT_LT(offLine(early, lat * deg, lon * deg), 0.01);
    EXPECT_EQ(lines[1].takenLat, lines[1].lat);
    EXPECT_EQ(lines[1].run.miles, 0);
}
