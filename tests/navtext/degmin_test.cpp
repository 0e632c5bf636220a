// Degrees and minutes: reading a pair of texts as one angle, and splitting an
// angle into the texts of its whole degrees and minutes to a tenth. Every
// expected value is worked out by hand from the rules in navtext/degmin.h.
#include "navtext/degmin.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace morvel::navtext;

TEST(ReadAngle, Table)
{
    struct Row {
        const char* name;
        const char* degrees;
        const char* minutes;
        bool signedDegrees;
        bool given;
        double combined;
        bool minutesWarned;
        Mistyped mistyped = Mistyped::none;
    };
    constexpr Mistyped degrees = Mistyped::degrees, minutes = Mistyped::minutes;
    const Row rows[] = {
        {"whole degrees, no minutes", "40", "", false, true, 40, false},
        {"minutes added", "40", "15", false, true, 40.25, false},
        {"59.9 minutes are in range", "40", "59.9", false, true, 40 + double(59.9f) / 60, false},
        {"60 minutes are warned", "40", "60", false, true, 41, true},
        {"75 minutes are warned and used", "40", "75", false, true, 41.25, true},
        {"negative minutes are warned and used", "40", "-15", false, true, 39.75, true},
        {"degrees with a fraction", "45.5", "30", false, true, 46, false},
        {"altitude: minus subtracts the minutes", "-12", "15", true, true, -12.25, false},
        {"altitude: -0 and 30 is -0.5", "-0", "30", true, true, -0.5, false},
        {"altitude: -0 and 45 is -0.75", "-0", "45", true, true, -0.75, false},
        {"altitude: blanks before the minus", "  -5", "30", true, true, -5.5, false},
        {"altitude: positive adds", "12", "15", true, true, 12.25, false},
        {"only the altitude subtracts", "-5", "30", false, true, -4.5, false},
        {"minutes without degrees: not given", "", "30", false, false, 0.5, false},
        {"one blank is not given", " ", "", false, false, 0, false},
        {"two blanks are given, and no number", "  ", "", false, true, 0, false, degrees},
        {"minutes in single precision", "0", "0.1", false, true, double(0.1f) / 60, false},
        {"a letter O for a zero", "4O.5", "", false, true, 0, false, degrees},
        {"letters", "abc", "", false, true, 0, false, degrees},
        {"an exponent without digits", "1e", "", false, true, 0, false, degrees},
        {"two signs", "--5", "", true, true, 0, false, degrees},
        {"a comma and a point", "1,000.5", "", false, true, 0, false, degrees},
        {"mistyped minutes", "40", ".5.", false, true, 40, false, minutes},
        {"mistyped minutes of a row not given", "", "4O", false, false, 0, false},
        {"blank minutes are none", "40", "  ", false, true, 40, false},
        {"blanks around, no digit after or before a point", " 40. ", ".5", false, true, 40 + 0.5 / 60, false},
        {"an exponent", "1e3", "", false, true, 1000, false},
        {"a decimal comma", "39,84333", "", false, true, 39.84333, false},
        {"a decimal comma in the minutes", "40", "30,5", false, true, 40 + 30.5 / 60, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const AngleReading a = readAngle(r.degrees, r.minutes, r.signedDegrees);
        EXPECT_EQ(a.given, r.given);
        EXPECT_EQ(a.combined, r.combined);
        EXPECT_EQ(!minutesInRange(a.minutes), r.minutesWarned);
        EXPECT_FALSE(a.overflow);
        EXPECT_EQ(a.mistyped, r.mistyped);
    }
}

TEST(ReadAngle, NumbersTooLargeStayFinite)
{
    EXPECT_TRUE(readAngle("1e400", "", false).overflow);
    struct Row {
        const char* name;
        const char* minutes;
        float expected;
    };
    const Row rows[] = {
        {"beyond a double", "1e400", FLT_MAX},
        {"beyond a double, negative", "-1e400", -FLT_MAX},
        {"beyond single precision", "1e39", FLT_MAX},
        {"beyond single precision, negative", "-1e39", -FLT_MAX},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const AngleReading a = readAngle("40", r.minutes, false);
        EXPECT_EQ(a.minutes, r.expected);
        EXPECT_FALSE(minutesInRange(a.minutes));
        EXPECT_TRUE(std::isfinite(a.combined));
    }
}

TEST(DegMinText, Table)
{
    struct Row {
        const char* name;
        double degrees;
        bool signedDegrees;
        const char* degText;
        const char* minText;
    };
    const Row rows[] = {
        {"45.5 is 45 and 30", 45.5, false, " 45", " 30"},
        {"a tenth of a minute", 10.5083333333, false, " 10", " 30.5"},
        {"halves go up: 3.75 minutes", 10.0625, false, " 10", " 3.8"},
        {"59.9999 carries to 60 and 0", 59.9999, false, " 60", " 0"},
        {"zero", 0, false, " 0", " 0"},
        {"360", 360, false, " 360", " 0"},
        {"latitude -33.25 shows no sign", -33.25, false, " 33", " 15"},
        {"altitude -5.5", -5.5, true, "-5", " 30"},
        {"altitude -0.5 is -0", -0.5, true, "-0", " 30"},
        {"altitude -0.99999 carries to -1", -0.99999, true, "-1", " 0"},
        {"altitude -0.0001 rounds to nothing, without a sign", -0.0001, true, " 0", " 0"},
        {"altitude 10.25", 10.25, true, " 10", " 15"},
        {"not finite", std::numeric_limits<double>::quiet_NaN(), true, "", ""},
        {"beyond 16-bit degrees", 40000, false, "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DegMinText t = degMinText(r.degrees, r.signedDegrees);
        EXPECT_EQ(t.degrees, r.degText);
        EXPECT_EQ(t.minutes, r.minText);
    }
}

TEST(SplitDegMin, MagnitudeWithCarry)
{
    const DegMin south = splitDegMin(-33.25);
    EXPECT_EQ(south.degrees, 33);
    EXPECT_EQ(south.minutes, 15);
    const DegMin carried = splitDegMin(89.99999);
    EXPECT_EQ(carried.degrees, 90);
    EXPECT_EQ(carried.minutes, 0);
}
