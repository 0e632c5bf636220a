// The solvers on named inputs: the faults found in review, each with the
// inputs that showed it, and the conventions that are kept on purpose.
#include "harness.h"
#include "sphere.h"
#include "engine/solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace morvel::test {
namespace {

constexpr double any = std::numeric_limits<double>::quiet_NaN();

/// An expected solution in degrees: lat, lha, dec, alt, az; `any` is not
/// checked.
using Expected = std::array<double, 5>;

struct Row {
    const char* name;
    int16_t code;
    double lat, lha, dec, alt, zn;  // degrees; only the case's three are read
    std::vector<Expected> solutions;
    std::vector<std::string> messages;
};

bool matches(const Solution& s, const Expected& x)
{
    const double got[] = {s.lat, s.lha, s.dec, s.alt, s.az};
    for (int i = 0; i < 5; ++i) {
        if (std::isnan(x[i]))
            continue;
        const bool turning = i == 1 || i == 4;
        const double gap = turning ? angleGap(got[i], x[i] * degree) : std::abs(got[i] - x[i] * degree);
        if (!(gap < 1e-5 * degree))
            return false;
    }
    return true;
}

void checkRow(const Row& row)
{
    SCOPED_TRACE(row.name);
    const Record r = solve(row.code, degrees(row.lat, row.lha, row.dec, row.alt, row.zn));
    EXPECT_EQ(r.messages, row.messages);
    ASSERT_EQ(r.shown(), int(row.solutions.size()));
    EXPECT_EQ(r.nout, int(row.solutions.size()));
    EXPECT_EQ(r.transfers, row.solutions.empty() ? 0 : 1);
    // Rows at the zenith or nadir are conditioned like sqrt(rounding).
    for (int i = 0; i < r.shown(); ++i)
        EXPECT_LT(residual(r.sets[i]), 1e-7) << "set " << i + 1;
    auto describe = [](const Solution& s) {
        return "lat " + std::to_string(s.lat / degree) + " lha " + std::to_string(s.lha / degree) + " dec " +
               std::to_string(s.dec / degree) + " alt " + std::to_string(s.alt / degree) + " az " +
               std::to_string(s.az / degree);
    };
    for (int i = 0; i < r.shown(); ++i) {
        bool expected = false;
        for (const Expected& x : row.solutions)
            expected = expected || matches(r.sets[i], x);
        EXPECT_TRUE(expected) << "unexpected set " << i + 1 << ": " << describe(r.sets[i]);
    }
    for (size_t k = 0; k < row.solutions.size(); ++k) {
        bool found = false;
        for (int i = 0; i < r.shown(); ++i)
            found = found || matches(r.sets[i], row.solutions[k]);
        EXPECT_TRUE(found) << "expected solution " << k + 1 << " missing";
    }
}

TEST(Solvers, CountTheTrianglesOnTheSphere)  // F1
{
    const Row rows[] = {
        {"code 26 has a second declination near the pole", 26, -42.320482672, 149.4447615941, 0, -51.085173918, 0,
         {{any, any, 13.70226, any, 231.83736}, {any, any, 79.49486, any, 351.51484}}, {}},
        {"code 26 without a triangle", 26, 28.1637016009, 138.4682928021, 0, 32.3468370477, 0, {}, {"No solution"}},
        {"code 14 finds the northern latitude", 14, 0, 152.1098249515, -25.8812837172, -64.7732335474, 0,
         {{33.01629, any, any, any, any}, {24.51119, any, any, any, any}}, {}},
        {"code 21 without a triangle", 21, 14.7940135219, 0, -70.991003231, 0, 6.5524350863, {}, {"No solution"}},
        {"code 21 with the declination beyond the latitude and the body south", 21, 30, 0, 40, 0, 120, {},
         {"No solution"}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, TryTheOtherCandidateBeforeGivingUp)  // F2
{
    const Row rows[] = {
        {"code 7 below the horizon", 7, 0, 0, -9.6457935182, -13.4215272343, 262.4601211651,
         {{10.43354, 102.01127, any, any, any}}, {}},
        {"code 13 with the negative altitude", 13, 0, 140.9958398149, 30.7529329912, 0, 246.5621150636,
         {{-53.62773, any, any, -53.87749, any}}, {}},
        {"code 11 with the southern declination", 11, 0, 63.8920497713, 0, 26.3019237262, 185.6415470454,
         {{-23.92764, any, -84.36788, any, any}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, ProposeBothSignsOfTheMissingSide)  // F3
{
    checkRow({"code 11 with two solutions", 11, 0, 136.748566713, 0, -55.8304995211, 313.1208359525,
              {{-36.56942, any, 53.25227, any, any}, {86.35212, any, -53.25227, any, any}}, {}});
}

TEST(Solvers, UseTheIsoscelesFormulaOnlyForIsoscelesTriangles)  // F4
{
    const Row rows[] = {
        {"code 14 a ten-thousandth of a degree off the meridian", 14, 0, 0.0001, 49.2000062329, 38.5173217357, 0,
         {{-2.28267, any, any, any, any}}, {}},
        {"code 7 with equal declination and altitude: also the observer at the north pole", 7, 0, 0, -42.06009,
         -42.06009, 203.947929, {{90, 23.947929, any, any, any}, {-0.73249, 156.05207, any, any, any}}, {}},
        {"code 21 latitude opposite the declination, due west", 21, 15.2566591415, 0, -15.2566591415, 0, 270,
         {{any, 180, any, -90, any}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, StayFiniteAtTheNadirAndTheZenith)  // F5, F6
{
    const Row rows[] = {
        {"code 28 body at the nadir", 28, 8, 180, -8, 0, 0, {{8, 180, -8, -90, any}}, {}},
        {"code 28 body at the zenith", 28, -59.9590906053, 359.999999999, -59.9590906063, 0, 0,
         {{any, any, any, 90, any}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, FindTheObserverAtAPoleAndNothingBeyond)
{
    const Row rows[] = {
        {"code 14 obtuse LHA: only the north pole", 14, 0, 135, 45, 45, 0, {{90, 135, 45, 45, 315}}, {}},
        {"code 14 acute LHA: the pole beside the other triangle", 14, 0, 45, 45, 45, 0,
         {{19.47122, 45, 45, 45, 315}, {90, 45, 45, 45, 225}}, {}},
        {"code 14 south declination, body below the horizon: the south pole", 14, 0, 135, -45, 45, 0,
         {{-90, 135, -45, 45, any}}, {}},
        {"code 7 equal declination and altitude", 7, 0, 0, 45, 45, 225, {{90, 45, 45, 45, 225}}, {}},
        {"code 13 LHA and azimuth adding up to 360", 13, 0, 135, 45, 0, 225, {{-90, 135, 45, -45, 225}}, {}},
        {"code 26 body at the pole seen from the equator", 26, -0.000001, 89.999, 0, -0.000001, 0,
         {{-0.000001, 89.999, 90, -0.000001, 360}}, {}},
        {"code 26 near the zenith, but not at that LHA", 26, 62.25, 37.763, 0, 89.999999, 0, {}, {"No solution"}},
        {"code 26 at the zenith only on the meridian", 26, 62.25, 0, 0, 90, 0, {{62.25, 0, 62.25, 90, 0}}, {}},
        {"code 14 at the zenith only on the meridian", 14, 0, 10, 20, 90, 0, {}, {"No solution"}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, SolveTheExactBoundaries)
{
    const Row rows[] = {
        {"code 26 body at the nadir", 26, 40, 180, 0, -90, 0, {{40, 180, -40, -90, 0}}, {}},
        {"code 14 body at the nadir", 14, 0, 180, -40, -90, 0, {{40, 180, -40, -90, 0}}, {}},
        {"code 21 body at the south pole, due south", 21, 30, 0, -90, 0, 180, {{30, any, -90, -30, 180}}, {}},
        {"code 7 body at the south pole", 7, 0, 0, -90, 40, 180, {{-40, any, -90, 40, 180}}, {}},
        {"code 22 observer at the north pole: the azimuth of code 28", 22, 90, 0, 20, 20, 0,
         {{90, 360, 20, 20, 180}, {90, 0, 20, 20, 180}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, RemarkEveryWholeArcOfTriangles)
{
    struct {
        const char* name;
        int16_t code;
        double lat, lha, dec, alt, zn;
        bool remark;
    } rows[] = {
        {"code 11 on the meridian", 11, 0, 0, 0, 30, 180, true},
        {"code 11 on the lower meridian", 11, 0, 180, 0, 30, 0, true},
        {"code 11 off it", 11, 0, 30, 0, 40, 200, false},
        {"code 11 azimuth alone on it: the body at the pole", 11, 0, 300, 0, 35, 0, false},
        {"code 11 body at the zenith", 11, 0, 0, 0, 90, 0, true},
        {"code 13 equinoctial due east", 13, 0, 270, 0, 0, 90, true},
        {"code 7 on the horizon due east, declination 0", 7, 0, 0, 0, 0, 90, true},
        {"code 22 observer at the pole", 22, 90, 0, 20, 20, 0, true},
        {"code 22 body at the pole", 22, 40, 0, 90, 40, 0, true},
        {"code 22 elsewhere", 22, 40, 0, 20, 30, 0, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(solve(row.code, degrees(row.lat, row.lha, row.dec, row.alt, row.zn)).remark, row.remark) << row.name;
}

TEST(Solvers, NeverShowAMessageBesideAResult)
{
    const Row rows[] = {
        {"code 28 a millionth of a degree from the zenith", 28, 0, 0, 0.000001, 0, 0,
         {{0, 0, 0.000001, 89.999999, 360}}, {}},
        {"code 19 on the lower meridian at the horizon", 19, 0.000001, 0, 0, -0.00001, 0,
         {{0.000001, 180, 89.999989, -0.00001, 0}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

/// Triangles from whole degrees whose answers are whole degrees: the value
/// the window rounds to five decimals must be exact, so the engine must be
/// far closer than half a unit of the fifth decimal.
TEST(Solvers, HitTheMeridianAndTheZenithExactly)
{
    struct {
        const char* name;
        int16_t code;
        double lat, lha, dec, alt, zn;
        int row;         // output row to look at
        double exact;    // degrees
    } rows[] = {
        {"code 19 body on the lower meridian", 19, 40, 0, 0, 30, 0, 2, 180},
        {"code 19 its declination", 19, 40, 0, 0, 30, 0, 3, 80},
        {"code 28 upper meridian altitude", 28, 30, 0, 10, 0, 0, 4, 70},
        {"code 28 lower meridian altitude", 28, 50, 180, 60, 0, 0, 4, 20},
        {"code 28 at the zenith", 28, 25, 0, 25, 0, 0, 4, 90},
        {"code 26 on the meridian", 26, 30, 0, 0, 70, 0, 3, 10},
        {"code 21 on the meridian", 21, 30, 0, 10, 0, 180, 4, 70},
        {"code 14 on the meridian", 14, 0, 0, 10, 70, 0, 1, 10},
        {"code 7 on the meridian", 7, 0, 0, 10, 70, 180, 1, 30},
    };
    for (const auto& row : rows) {
        const Record r = solve(row.code, degrees(row.lat, row.lha, row.dec, row.alt, row.zn));
        bool seen = false;
        for (const OutputCall& o : r.outputs)
            if (o.m == row.row) {
                seen = true;
                EXPECT_NEAR(std::abs(o.x1) / degree, row.exact, 1e-7) << row.name;
            }
        EXPECT_TRUE(seen) << row.name;
        EXPECT_TRUE(r.messages.empty()) << row.name;
    }
}

TEST(Solvers, ReflectTheAzimuthOnTheLowerMeridianInTheSouth)
{
    checkRow({"code 26 LHA 180 in the south", 26, -10, 180, 0, -20, 0,
              {{any, any, 80, any, 0}, {any, any, -60, any, 180}}, {}});
    checkRow({"code 14 LHA 180, body south", 14, 0, 180, -35.5124369085, -73.7561575192, 0,
              {{19.2685944277, any, any, any, 180}, {51.7562793893, any, any, any, 0}}, {}});
}

TEST(Solvers, KeepTheDocumentedConventions)
{
    const Row rows[] = {
        {"code 28 LHA 0, body south: azimuth 180", 28, 30, 0, 10, 0, 0, {{30, 0, 10, 70, 180}}, {}},
        {"code 28 LHA 0, body north: azimuth 360", 28, 10, 0, 30, 0, 0, {{10, 0, 30, 70, 360}}, {}},
        {"code 19 azimuth exactly 180", 19, 30, 0, 0, 50, 180, {{30, 0, -10, 50, 180}}, {}},
        {"code 22 above the meridian altitude", 22, 30, 0, 10, 70.01, 0, {}, {"No Solution"}},
        {"code 22 at the meridian altitude: east set at LHA 360", 22, 30, 0, 10, 70, 0,
         {{30, 360, 10, 70, 180}, {30, 0, 10, 70, 180}}, {}},
        {"code 22 in the east and the west", 22, 30, 0, 10, 40, 0,
         {{30, any, 10, 40, any}, {30, any, 10, 40, any}}, {}},
        {"code 7 body east: both LHAs east", 7, 0, 0, 50, 30, 40,
         {{any, any, 50, 30, 40}, {any, any, 50, 30, 40}}, {}},
    };
    for (const Row& row : rows)
        checkRow(row);
}

TEST(Solvers, GiveTwoSetsEastAndWestInCode22)
{
    const Record r = solve(22, degrees(30, 0, 10, 40, 0));
    EXPECT_GT(r.sets[0].lha, std::numbers::pi);  // east
    EXPECT_LT(r.sets[0].az, std::numbers::pi);
    EXPECT_LT(r.sets[1].lha, std::numbers::pi);  // west
    EXPECT_GT(r.sets[1].az, std::numbers::pi);
}

TEST(Solvers, ReportTheZenithWithAzimuth0)
{
    const double zenith = 90 - 1e-6 / degree;
    Record r = solve(26, degrees(-35, 0, 0, zenith, 0));
    ASSERT_EQ(r.outputs.size(), 2u);
    EXPECT_DOUBLE_EQ(r.outputs[0].x1, -35 * degree);
    EXPECT_EQ(r.outputs[0].f, 1);
    EXPECT_EQ(r.outputs[1].x1, 0);
    EXPECT_EQ(r.nout, 1);

    // solvetdh shows the declination as latitude, one solution, whatever
    // its count.
    r = solve(14, degrees(0, 0, 20, zenith, 0));
    ASSERT_EQ(r.outputs.size(), 2u);
    EXPECT_DOUBLE_EQ(r.outputs[0].x1, 20 * degree);
    EXPECT_EQ(r.outputs[0].f, 1);
    EXPECT_EQ(r.outputs[0].m, 1);
    EXPECT_EQ(r.outputs[1].x1, 0);
    EXPECT_EQ(r.transfers, 1);
}

TEST(Solvers, CountAZeroReferenceAsNorth)
{
    for (int16_t code : {26, 14}) {
        const double zero = code == 26 ? 1 : 0;  // latitude for 26, declination for 14
        const Record plus = solve(code, degrees(0 * zero, 30, 0, 40, 0));
        const Record minus = solve(code, degrees(-0.0 * zero, 30, -0.0, 40, 0));
        ASSERT_EQ(plus.shown(), minus.shown()) << code;
        for (int i = 0; i < plus.shown(); ++i) {
            EXPECT_EQ(plus.sets[i].az, minus.sets[i].az) << code;
            EXPECT_GT(plus.sets[i].az, std::numbers::pi) << code;  // west, reflected
        }
    }
}

TEST(Solvers, FlagOtherSolutionsOnTheMeridian)
{
    for (int16_t code : {25, 13}) {
        const Record r = solve(code, degrees(30, 0, 50, 0, 0));
        EXPECT_EQ(r.others, 1) << code;
        EXPECT_EQ(r.transfers, 1) << code;
    }
    EXPECT_EQ(solve(11, degrees(0, 30, 0, 40, 200)).others, 0);
}

TEST(Solvers, MeridianConventionsOfCode11)
{
    // Azimuth 0 with the LHA off the meridian: the body is at the pole.
    Record r = solve(11, degrees(0, 300, 0, 35, 0));
    EXPECT_TRUE(r.messages.empty());
    ASSERT_GE(r.shown(), 1);
    EXPECT_NEAR(r.sets[0].dec, std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(r.sets[0].lat, 35 * degree, 1e-12);
    // Both on the meridian: the declination is taken equal to the altitude.
    r = solve(11, degrees(0, 0, 0, 35, 0));
    ASSERT_GE(r.shown(), 1);
    EXPECT_NEAR(std::abs(r.sets[0].dec), 35 * degree, 1e-12);
}

TEST(Solvers, TwoCandidatesOfEqualSizeAndOppositeSign)
{
    const Record tdz = solve(13, degrees(0, 100, 60, 0, 300));
    ASSERT_EQ(tdz.shown(), 2);
    EXPECT_DOUBLE_EQ(tdz.sets[0].alt, -tdz.sets[1].alt);
    const Record thz = solve(11, degrees(0, 136.748566713, 0, -55.8304995211, 313.1208359525));
    ASSERT_EQ(thz.shown(), 2);
    EXPECT_DOUBLE_EQ(thz.sets[0].dec, -thz.sets[1].dec);
}

TEST(Solvers, WriteIntoTheEngineVariablesTheyAreGiven)
{
    // The windows pass the engine's own variables; one of them may also be
    // an input.
    morvel::engine::nout = 1;
    morvel::engine::lat1 = 40 * degree;
    morvel::engine::lha1 = 0;
    Record plain = solve(21, degrees(40, 0, 20, 0, 120));
    double lat = morvel::engine::lat1 = 40 * degree;
    double dec = 20 * degree, Z = 120 * degree, zn = Z;
    morvel::engine::solveldz(morvel::engine::lat1, morvel::engine::lha1, morvel::engine::lha2, dec,
                             morvel::engine::alt1, morvel::engine::alt2, Z, zn, morvel::engine::nout);
    EXPECT_EQ(morvel::engine::lat1, lat);
    EXPECT_EQ(morvel::engine::lha1, plain.sets[0].lha);
    EXPECT_EQ(morvel::engine::alt2, plain.sets[1].alt);
}

}  // namespace
}  // namespace morvel::test
