// Angles and units as navigators write them, each read to its value or
// refused with its reason: a cell of a sight log (through readSight, as
// morvel-solve --sights and the sight window read it) or a position (the
// DR's, --pos). Then degrees, minutes and seconds against the tenths of
// seconds they count.
#include "navtext/navtext.h"
#include "sightlog/sight_log.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

using namespace morvel;

namespace {

const double degree = std::acos(-1.0) / 180;

enum class In { hs, ic, eye, body, drLat, drLon, position };

struct Form {
    const char* name;
    In in;
    const char* text;
    bool ok;
    double value;      ///< degrees (a position's latitude), minutes of arc, metres
    const char* says;  ///< the body found, or what a refusal says
    double lon = 0;    ///< a position's longitude, degrees
};

const Form forms[] = {
    {"dms_blanks", In::hs, "41 12 18", true, 41.205, ""},
    {"dms_signs", In::hs, "41°12'18\"", true, 41.205, ""},
    {"dms_primes", In::hs, "41°12′18″", true, 41.205, ""},
    {"dms_decimal_seconds", In::drLat, "41 12 18.5S", true, -(41 + (12 + 18.5 / 60) / 60), ""},
    {"dms_longitude", In::drLon, "70 30 05W", true, -(70 + (30 + 5.0 / 60) / 60), ""},
    {"comma_degrees", In::drLat, "41,205N", true, 41.205, ""},
    {"comma_minutes", In::hs, "19 2,2", true, 19 + 2.2 / 60, ""},
    {"comma_seconds", In::drLon, "70 30 5,4E", true, 70 + (30 + 5.4 / 60) / 60, ""},
    {"ic_off", In::ic, "1.2 off", true, 1.2, ""},
    {"ic_on_in_capitals", In::ic, "1.2 ON", true, -1.2, ""},
    {"ic_on_with_its_sign", In::ic, "1.2' on", true, -1.2, ""},
    {"ic_comma", In::ic, "-1,2", true, -1.2, ""},
    {"eye_metres", In::eye, "2.5 m", true, 2.5, ""},
    {"eye_feet", In::eye, "8 ft", true, 8 * 0.3048, ""},
    {"eye_foot_sign", In::eye, "8'", true, 8 * 0.3048, ""},
    {"eye_comma", In::eye, "3,5", true, 3.5, ""},
    {"body_lower_case", In::body, "capella", true, 0, "Capella"},
    {"position_dms", In::position, "41 12 18N 70 30 05W", true, 41.205, "", -(70 + (30 + 5.0 / 60) / 60)},

    {"minutes_before_seconds_whole", In::hs, "41 12.3 18", false, 0, "minutes before seconds must be whole"},
    {"seconds_of_60", In::hs, "41 12 60", false, 0, "seconds are a number from 0 to under 60"},
    {"seconds_sign_misplaced", In::hs, "41\" 12", false, 0, "the seconds sign stands after the seconds"},
    {"four_numbers", In::hs, "41 12 18 5", false, 0, "or degrees, minutes and seconds"},
    {"ic_sign_and_word", In::ic, "-1.2 on", false, 0, "give a sign or on or off, not both"},
    {"ic_beyond_30", In::ic, "45 off", false, 0, "minutes of arc from -30 to 30"},
    {"eye_feet_beyond_100_m", In::eye, "400 ft", false, 0, "feet from 0 to 328.08 (100 metres)"},
    {"eye_in_yards", In::eye, "8 yd", false, 0, "metres from 0 to 100"},
    {"body_near_miss", In::body, "Capela", false, 0, "no body 'Capela'; did you mean Capella?"},
    {"body_letters_swapped", In::body, "Betelguese", false, 0, "did you mean Betelgeuse?"},
    {"body_far_from_any", In::body, "Foo", false, 0, "no body 'Foo'; Sun, Moon"},
    {"body_near_aries_alone", In::body, "Arie", false, 0, "no body 'Arie'; Sun, Moon"},
    {"position_dms_without_letters", In::position, "41 12 18 70 30 05", false, 0,
     "without them the numbers part more than one way"},
    {"position_dms_without_e_or_w", In::position, "41 12 18N 70 30 05", false, 0, "need N or S and E or W"},
    {"position_decimal_commas", In::position, "41,205N 70,508W", false, 0,
     "a comma parts the latitude from the longitude"},
    {"position_decimal_comma", In::position, "41,205N", false, 0, "a comma parts the latitude from the longitude"},
};

class Forms : public ::testing::TestWithParam<Form> {};

TEST_P(Forms, ReadOrRefused)
{
    const Form& f = GetParam();
    using enum sightlog::SightColumn;
    const sightlog::SightColumn column = std::array{hs, ic, eye, body, drLat, drLon, drLat}[size_t(f.in)];
    sightlog::SightCells cells = {"2026-12-07T19:33:00Z", "Capella", "", "19 2.2", "-1.2", "3.5", "8", "1016",
                                  "40 05.0N", "35 45.0W"};
    cells[size_t(column)] = f.text;
    const sightlog::SightRead read = sightlog::readSight(cells);
    const navtext::PositionRead p = navtext::readPosition(f.text);
    const bool position = f.in == In::position;
    const std::string why = position ? p.error : read.why;
    ASSERT_EQ(position ? p.ok : read.sight.has_value(), f.ok) << why;
    if (!f.ok) {
        EXPECT_NE(why.find(f.says), std::string::npos) << why;
        EXPECT_TRUE(position || read.column == column);
        return;
    }
    const sight::Sight s = read.sight.value_or(sight::Sight{});
    const double values[] = {s.hs / degree, s.conditions.ic, s.conditions.eye, 0, s.drLat / degree, s.drLon / degree,
                             p.lat / degree};
    EXPECT_NEAR(values[size_t(f.in)], f.value, 1e-7);
    EXPECT_NEAR(position ? p.lon.value_or(NAN) / degree : 0, f.lon, 1e-7);
    EXPECT_EQ(f.in == In::body ? s.body.name : "", f.says);
}

INSTANTIATE_TEST_SUITE_P(SightLog, Forms, ::testing::ValuesIn(forms),
                         [](const auto& info) { return std::string(info.param.name); });

// Degrees, minutes and seconds (to a tenth) against the count of tenths of
// seconds they make, one division away; the decimal comma reads to the
// same bits as the point.
TEST(Forms, SecondsAgainstTheirCount)
{
    std::mt19937 rng(12);
    std::uniform_int_distribution<long> pick(0, 90L * 36000);
    for (int i = 0; i < 20000; ++i) {
        const long tenths = pick(rng);
        const long d = tenths / 36000, m = tenths / 600 % 60, s = tenths % 600;
        const bool south = i % 2;
        char point[64], comma[64];
        std::snprintf(point, sizeof point, "%ld°%02ld'%ld.%ld%s%s", d, m, s / 10, s % 10, i % 3 ? "\"" : "''",
                      south ? "S" : "N");
        std::snprintf(comma, sizeof comma, "%ld %ld %ld,%ld%s", d, m, s / 10, s % 10, south ? "S" : "N");
        const navtext::AngleRead a = navtext::readNavAngle(point, navtext::AngleKind::latitude);
        const navtext::AngleRead b = navtext::readNavAngle(comma, navtext::AngleKind::latitude);
        ASSERT_TRUE(a.ok && b.ok) << point << ": " << a.error << b.error;
        EXPECT_NEAR(a.radians / degree, (south ? -1 : 1) * double(tenths) / 36000, 1e-12) << point;
        EXPECT_EQ(a.radians, b.radians) << comma;
    }
}

}  // namespace
