// The primitives at their tolerances and limits.
#include "engine/primitives.h"
#include "engine/state.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace e = morvel::engine;

namespace morvel::test {
namespace {

constexpr double pi = std::numbers::pi;

// What the primitive under test said.
e::Messages said;

struct Row {
    const char* name;
    std::function<double()> call;
    double expected;
    const char* message;  // nullptr: none
};

// angcos(a, 0, c) has x = sin a / cos c: a = -90 degrees and cos c = 1/k
// give x = -k.
double angcosAt(double x)
{
    const double c = std::acos(1 / std::abs(x));
    return e::angcos(x < 0 ? -pi / 2 : pi / 2, 0, c, said);
}

// The roots of ssacount: the first, or the second when there are two.
double ssaFirst(double a, double b, double c)
{
    e::Root y1{}, y2{};
    e::ssacount(a, b, c, y1, y2, said);
    return y1.y;
}

double ssaSecond(double a, double b, double c)
{
    e::Root y1{}, y2{};
    return e::ssacount(a, b, c, y1, y2, said) == 2 ? y2.y : -1;
}

TEST(Primitives, TolerancesAndLimits)
{
    const Row rows[] = {
        {"angcos x exactly -1 gives pi", [] { return e::angcos(-pi / 2, 0, 0, said); }, pi, nullptr},
        {"angcos x -1.000001 gives pi", [] { return angcosAt(-1.000001); }, pi, nullptr},
        {"angcos x 1.000001 gives 0", [] { return angcosAt(1.000001); }, 0, nullptr},
        {"angcos x 1.00003 has no solution", [] { return angcosAt(1.00003); }, 0, "No Solution"},
        {"angcos x 0 gives pi/2", [] { return e::angcos(0, 0, 0.7, said); }, pi / 2, nullptr},
        {"angcos at the zenith is 0 without a message", [] { return e::angcos(0.3, 0.3, pi / 2, said); }, 0, nullptr},
        {"angcos at the pole, inconsistent side", [] { return e::angcos(0.3, pi / 2, 0.5, said); }, 0, "No Solution"},
        {"sidecos x 1 gives pi/2", [] { return e::sidecos(0, 0, 0); }, pi / 2, nullptr},
        {"sidecos x -1 gives -pi/2", [] { return e::sidecos(0, 0, pi); }, -pi / 2, nullptr},
        {"sidecos 8N 8S LHA 180 is the nadir", [] { return e::sidecos(8 * degree, -8 * degree, pi); }, -pi / 2,
         nullptr},
        {"sidesin c 0 and b 0 keeps a", [] { return e::sidesin(0.4, 0, 0, said); }, 0.4, nullptr},
        {"sidesin c 0 and b pi keeps a", [] { return e::sidesin(0.4, pi, 0, said); }, 0.4, nullptr},
        {"sidesin c 0 otherwise gives pi/2", [] { return e::sidesin(0.4, 1, 0, said); }, pi / 2, nullptr},
        {"sidesin near the meridian keeps the ratio", [] { return e::sidesin(0, 1e-6, 0.9e-6, said); },
         std::acos(0.9), nullptr},
        {"sidesin beyond 1 has no solution", [] { return e::sidesin(0, 0.2, 0.3, said); }, 0, "No Solution"},
        {"ssacount equal sides, obtuse angle: only the pole", [] { return ssaFirst(0.4, 0.4, 2.0); }, pi / 2,
         nullptr},
        {"ssacount equal sides, acute angle: the pole second", [] { return ssaSecond(0.4, 0.4, 1.0); }, pi / 2,
         nullptr},
        {"ssacount at the limit", [] { return ssaFirst(0.5, -0.5, pi / 2); }, -pi / 2, nullptr},
        {"ssacount two on the crest's side", [] { return ssaSecond(0.3, 0.8, 0.2); }, 1.0572744790057242, nullptr},
        {"ssacount none against the crest", [] { return ssaFirst(0.3, 0.8, 2.9); }, 0, "No solution"},
        {"ssacount none beyond the perpendicular", [] { return ssaFirst(0.1, 1.4, 1.2); }, 0, "No solution"},
        {"ssacount any side on the equator of the angle", [] { return ssaFirst(0, 0, pi / 2); }, 0, nullptr},
        {"sas third side at the zenith has no angle", [] { return e::sas(0.3, 0.3, 0).angle; }, 0, nullptr},
        {"sas at the pole: the angle is 180 less c", [] { return e::sas(pi / 2, 0.3, 0.5).angle; }, pi - 0.5,
         nullptr},
        {"aascount a 0 never has a message", [] { return double(e::aascount(0, 1.5, 0.5, said)); }, 2, nullptr},
        {"aascount none", [] { return double(e::aascount(0.5, 0.1, 0.2, said)); }, 0, "No solution"},
        {"aascount proposes two", [] { return double(e::aascount(0.5, 0.1, 1.2, said)); }, 2, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        said = {};
        EXPECT_NEAR(row.call(), row.expected, 1e-12);
        if (row.message)
            EXPECT_EQ(said.joined(), row.message);
        else
            EXPECT_EQ(said.count, 0);
    }
}

TEST(Primitives, TolhaKeepsTheMeridianAngleOnTheMeridianAndWest)
{
    struct {
        const char* name;
        double t, zn, lha;
    } rows[] = {
        {"west", 0.5, 4.0, 0.5},
        {"east", 0.5, 1.0, 2 * pi - 0.5},
        {"azimuth exactly pi", 0.5, pi, 0.5},
        {"meridian angle exactly pi", pi, 1.0, pi},
    };
    for (const auto& row : rows) {
        double lha = -1;
        e::tolha(row.t, row.zn, lha);
        EXPECT_DOUBLE_EQ(lha, row.lha) << row.name;
    }
}

// The two ranges, at their ends and a turn beyond them.
TEST(Angles, WrapAndWrapSignedKeepTheirRanges)
{
    struct {
        const char* name;
        double (*wrap)(double);
        double x, expected;
    } rows[] = {
        {"wrap 0", math::wrap, 0, 0},
        {"wrap a whole turn is 0", math::wrap, 2 * pi, 0},
        {"wrap -90 is 270", math::wrap, -pi / 2, 3 * pi / 2},
        {"wrap 450 is 90", math::wrap, 5 * pi / 2, pi / 2},
        {"wrap -720 less 10 is 350", math::wrap, -4 * pi - 0.1, 2 * pi - 0.1},
        {"wrap a negative rounding is a whole turn", math::wrap, -1e-17, 2 * pi},
        {"wrapSigned pi stays", math::wrapSigned, pi, pi},
        {"wrapSigned -pi is pi", math::wrapSigned, -pi, pi},
        {"wrapSigned 270 is -90", math::wrapSigned, 3 * pi / 2, -pi / 2},
        {"wrapSigned -270 is 90", math::wrapSigned, -3 * pi / 2, pi / 2},
        {"wrapSigned within the range stays", math::wrapSigned, -0.5, -0.5},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(row.wrap(row.x), row.expected, 1e-15) << row.name;
}

}  // namespace
}  // namespace morvel::test
