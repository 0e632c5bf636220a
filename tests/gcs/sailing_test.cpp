// Great-circle passages through the engine: the slots of a passage, the far
// longitude and the final course on named rows, and random passages in every
// input combination against GeographicLib's geodesics on a sphere (one
// minute of arc, one nautical mile).
#include "gcs/sailing.h"
#include "harness.h"
#include "sphere.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace morvel::test {
namespace {

namespace g = morvel::gcs;
constexpr double pi = std::numbers::pi;

TEST(Sailing, Slots)
{
    EXPECT_NEAR(g::milesOf(30 * degree), 3600, 1e-9);
    EXPECT_NEAR(g::milesOf(-10 * degree), 6000, 1e-9);
    EXPECT_NEAR(g::altitudeOf(10800), -pi / 2, 1e-15);
    EXPECT_EQ(g::shownMiles(g::altitudeOf(1234.56)), 1234.6);
    EXPECT_NEAR(g::shownDlo(200 * degree), 160 * degree, 1e-13);
    EXPECT_NEAR(g::westward(30 * degree, true), 330 * degree, 1e-15);
    // 170 E to 170 W is 20 degrees east: 340 measured westward.
    EXPECT_NEAR(g::dloBetween(170 * degree, -170 * degree), 340 * degree, 1e-13);
    // A DLo typed as 193 24' E is the passage of 166 36' W.
    const engine::Givens typed = g::givens(-33 * degree, g::westward((193 + 24 / 60.0) * degree, true), 0, 0, 0);
    EXPECT_NEAR(typed.t, (166 + 36 / 60.0) * degree, 1e-13);
    EXPECT_NEAR(typed.lha, (166 + 36 / 60.0) * degree, 1e-13);
}

TEST(Sailing, TheFarLongitudeLiesWithin180EastAndWest)
{
    struct {
        const char* name;
        bool fromDeparture;
        double lon, lha, expected;  // degrees
    } rows[] = {
        {"10 W, 175 westward: 175 E", true, -10, 175, 175},
        {"destination 20 E, 30 E: departure 10 W", false, 20, 330, -10},
        {"0 on the nose", true, 10, 10, 0},
        {"across 180", true, 170, 350, -180},
    };
    for (const auto& row : rows) {
        const double lon = row.fromDeparture ? g::longitudeOfDestination(row.lon * degree, row.lha * degree)
                                             : g::longitudeOfDeparture(row.lon * degree, row.lha * degree);
        EXPECT_NEAR(lon / degree, row.expected, 1e-12) << row.name;
    }
}

TEST(Sailing, DirectionOfTheDlo)
{
    struct {
        const char* name;
        double lha, course;  // degrees
        bool formed, disagrees, east;
    } rows[] = {
        {"west, westerly", 30, 280, false, false, false},
        {"west, easterly", 30, 80, false, true, true},
        {"east, westerly", 330, 280, false, true, false},
        {"east, easterly", 330, 80, false, false, true},
        {"half a turn agrees with any course", 180, 80, false, false, true},
        {"due south agrees with any DLo", 30, 180, false, false, true},
        {"formed: east from half a turn on", 180, 0, true, false, true},
        {"formed: west below it", 179, 90, true, true, false},
        {"on the meridian agrees with any course", 0, 0, false, false, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(g::courseDisagrees(row.lha * degree, row.course * degree), row.disagrees) << row.name;
        EXPECT_EQ(g::dloShownEast(row.lha * degree, row.course * degree, row.formed), row.east) << row.name;
    }
}

TEST(Sailing, FinalCourseAtTheEndsOfTheGreatCircle)
{
    struct {
        const char* name;
        double lat, lha, dec, course, expected;  // degrees
    } rows[] = {
        {"no distance: the initial course", 40, 0, 40, 123, 123},
        {"antipode due east", 40, 180, -40, 90, 90},
        {"antipode north-east", 40, 180, -40, 45, 135},
        {"antipode west", 40, 180, -40, 270, 270},
        {"due south from the south", -20, 0, -50, 180, 180},
        {"over the pole", 80, 180, 70, 0, 180},
        {"from the equator westward", 0, 90, 0, 270, 270},
        {"due south over the south pole", 40, 180, -53.3, 180, 0},
        {"due south from the south over the pole", -20, 180, -50, 180, 0},
        {"into the north pole", 40, 30, 90, 0, 0},
        {"into the south pole", 40, 30, -90, 180, 180},
        {"out of the south pole", -90, 30, 10, 0, 0},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(g::finalCourse(row.lat * degree, row.lha * degree, row.dec * degree, row.course * degree) / degree,
                    row.expected, 1e-9)
            << row.name;
}

TEST(Sailing, AcceptedInputSets)
{
    using g::InputSet;
    struct {
        const char* name;
        int given;
        bool dlo, lonDep, lonDes;
        InputSet expected;
    } rows[] = {
        {"three, no longitude", 3, true, false, false, InputSet::three},
        {"three and one longitude", 3, false, true, false, InputSet::three},
        {"two and one longitude", 2, false, false, true, InputSet::rejected},
        {"two and both longitudes", 2, false, true, true, InputSet::dloFromLongitudes},
        {"both longitudes and a DLo", 2, true, true, true, InputSet::rejected},
        {"both longitudes and three", 3, false, true, true, InputSet::rejected},
        {"four", 4, true, false, false, InputSet::rejected},
        {"none", 0, false, false, false, InputSet::rejected},
    };
    for (const auto& row : rows)
        EXPECT_EQ(g::inputSet(row.given, row.dlo, row.lonDep, row.lonDes), row.expected) << row.name;
}

#ifdef MORVEL_SANITIZED
constexpr int passages = 500;
#else
constexpr int passages = 3000;
#endif

/// The ten input sets of three: those with the DLo also stand for the two
/// longitudes with two other inputs, the DLo formed from them.
class Passages : public testing::TestWithParam<int> {};

TEST_P(Passages, MatchGeographicLib)
{
    const auto code = int16_t(GetParam());
    const GeographicLib::Geodesic sphere(1.0, 0.0);
    std::mt19937_64 rng(4100 + code);
    std::uniform_real_distribution<double> latitude(-89.9, 89.9), longitude(-180, 180);
    int lost = 0, wrong = 0;
    for (int i = 0; i < passages; ++i) {
        const double lat1 = latitude(rng), lon1 = longitude(rng), lat2 = latitude(rng), lon2 = longitude(rng);
        double s12 = 0, azi1 = 0, azi2 = 0;
        sphere.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
        const double miles = s12 / degree * 60;
        const double lha = g::dloBetween(lon1 * degree, lon2 * degree);
        const double course = std::fmod(azi1 + 360, 360) * degree, arrival = std::fmod(azi2 + 360, 360) * degree;
        engine::Givens in = g::givens(lat1 * degree, lha, lat2 * degree, g::altitudeOf(miles), course);
        const Record r = solve(code, in);

        // Every passage shown is a true one; one of them is this passage,
        // with its far longitude and final course.
        bool found = false;
        for (int k = 0; k < r.shown(); ++k) {
            const Solution& s = r.sets[k];
            if (residual(s) > 1e-9)
                ++wrong;
            const bool same = std::abs(s.lat - lat1 * degree) < 1e-9 && std::abs(s.dec - lat2 * degree) < 1e-9 &&
                              angleGap(s.lha, lha) < 1e-9 && std::abs(g::milesOf(s.alt) - miles) < 1e-6 &&
                              angleGap(s.az, course) < 1e-9;
            if (!same)
                continue;
            found = true;
            EXPECT_LT(angleGap(g::finalCourse(s.lat, s.lha, s.dec, s.az), arrival), 1e-9) << i;
            EXPECT_LT(angleGap(g::longitudeOfDestination(lon1 * degree, s.lha), lon2 * degree), 1e-9) << i;
            EXPECT_LT(angleGap(g::longitudeOfDeparture(lon2 * degree, s.lha), lon1 * degree), 1e-9) << i;
        }
        if (!found) {
            ++lost;
            ADD_FAILURE() << "code " << code << ": " << lat1 << ", " << lon1 << " to " << lat2 << ", " << lon2;
        }
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(AllInputSets, Passages, testing::Values(28, 19, 22, 25, 26, 21, 14, 7, 13, 11),
                         [](const testing::TestParamInfo<int>& info) { return "code" + std::to_string(info.param); });

}  // namespace
}  // namespace morvel::test
