// The sight log: what it reads, and each refusal with its line and column.
#include "sightlog/sight_log.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace morvel;

namespace {

const char* const header = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";

sightlog::SightLog read(const std::string& text)
{
    std::istringstream in(text);
    return sightlog::readSightLog(in);
}

TEST(SightLog, ReadsAGoodLine)
{
    const sightlog::SightLog log =
        read(std::string("# evening stars\n") + header + "\n2026-12-07T17:32:10Z,Sun,lower,34 12.3,-1.2,3.5,,,40 12N,70 30W\n");
    ASSERT_EQ(log.sights.size(), 1u);
    EXPECT_TRUE(log.errors.empty());
    EXPECT_EQ(log.lines[0], 4);
    const sight::Sight& s = log.sights[0];
    EXPECT_EQ(s.limb, sight::Limb::lower);
    EXPECT_NEAR(s.hs * 180 / 3.141592653589793, 34.205, 1e-6);  // minutes in single precision
    EXPECT_EQ(s.conditions.ic, -1.2);
    EXPECT_EQ(s.conditions.temperature, 10);
    EXPECT_EQ(s.conditions.pressure, 1010);
    EXPECT_LT(s.drLon, 0);
}

// Limbs as navigators write them, in any case.
TEST(SightLog, LimbsInAnyCase)
{
    for (const char* limb : {"Lower", "UPPER", "centre", "Center", "LL", "ul", ""}) {
        const sightlog::SightLog log =
            read(std::string(header) + "2026-12-07T17:32:10Z,Sun," + limb + ",34 12.3,-1.2,3.5,,,40 12N,70 30W\n");
        EXPECT_EQ(log.sights.size(), 1u) << limb << ": " << (log.errors.empty() ? "" : log.errors[0].text());
    }
}

struct Bad {
    const char* name;
    const char* line;
    int column;  // 0: the whole line
};

const Bad bad[] = {
    {"bad_instant", "2026-13-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W", 1},
    {"instant_without_its_zone", "2026-12-07T17:32:10,Sun,lower,34 12.3,0,3,,,40N,70W", 1},
    {"unknown_body", "2026-12-07T17:32:10Z,Vulcan,,34 12.3,0,3,,,40N,70W", 2},
    {"aries_is_no_body", "2026-12-07T17:32:10Z,Aries,,34 12.3,0,3,,,40N,70W", 2},
    {"star_with_a_limb", "2026-12-07T17:32:10Z,Sirius,lower,34 12.3,0,3,,,40N,70W", 3},
    {"bad_limb", "2026-12-07T17:32:10Z,Sun,left,34 12.3,0,3,,,40N,70W", 3},
    {"altitude_text", "2026-12-07T17:32:10Z,Sun,lower,abc,0,3,,,40N,70W", 4},
    {"negative_altitude", "2026-12-07T17:32:10Z,Sun,lower,-2 10,0,3,,,40N,70W", 4},
    {"index_too_big", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,45,3,,,40N,70W", 5},
    {"no_eye", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,,,,40N,70W", 6},
    {"nan_temperature", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,nan,,40N,70W", 7},
    {"pressure_range", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,200,40N,70W", 8},
    {"latitude_letter", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40E,70W", 9},
    {"near_the_pole", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,89 30N,70W", 9},
    {"longitude_range", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,190W", 10},
    {"too_many_cells", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W,x", 11},
    {"unclosed_quote", "2026-12-07T17:32:10Z,\"Sun,lower,34 12.3,0,3,,,40N,70W", 0},
};

class Refused : public ::testing::TestWithParam<Bad> {};

TEST_P(Refused, WithItsLineAndColumn)
{
    const Bad& b = GetParam();
    const sightlog::SightLog log =
        read(std::string(header) + "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W\n" + b.line + "\n");
    ASSERT_EQ(log.errors.size(), 1u);
    EXPECT_EQ(log.sights.size(), 1u);  // the good line is kept
    EXPECT_EQ(log.errors[0].line, 3);
    EXPECT_EQ(log.errors[0].column, b.column) << log.errors[0].text();
    EXPECT_NE(log.errors[0].text().find("line 3"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SightLog, Refused, ::testing::ValuesIn(bad),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SightLog, HeaderRefused)
{
    EXPECT_TRUE(read("").badHeader);
    EXPECT_TRUE(read("utc,body,hs,eye,dr_lat\n").badHeader);           // no dr_lon
    EXPECT_TRUE(read("utc,body,hs,eye,dr_lat,dr_lon,wind\n").badHeader);  // unknown
    const sightlog::SightLog twice = read("utc,body,hs,hs,eye,dr_lat,dr_lon\n");
    ASSERT_TRUE(twice.badHeader);
    EXPECT_EQ(twice.errors[0].column, 4);
}

}  // namespace
