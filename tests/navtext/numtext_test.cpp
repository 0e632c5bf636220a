// The text-to-number and number-to-text rules, round3 and addzeros. Every
// expected value is written out by hand from the rules in navtext/numtext.h.
#include "navtext/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

using namespace morvel::navtext;

namespace {

double val(const char* s) { return textToNumber(s).value; }
bool overflow(const char* s) { return textToNumber(s).overflow; }
const double deg = 4 * std::atan(1.0) / 180;

}  // namespace

TEST(TextToNumber, PlainNumbers)
{
    EXPECT_EQ(val("40"), 40);
    EXPECT_EQ(val("12.5"), 12.5);
    EXPECT_EQ(val("-5"), -5);
    EXPECT_EQ(val("+7"), 7);
    EXPECT_EQ(val(".5"), 0.5);
    EXPECT_EQ(val("-.25"), -0.25);
    EXPECT_EQ(val("5."), 5);
    EXPECT_EQ(val("007"), 7);
    EXPECT_EQ(val("359.999996"), 359.999996);
}

TEST(TextToNumber, BlanksAreIgnoredEverywhere)
{
    EXPECT_EQ(val("  40"), 40);
    EXPECT_EQ(val("40  "), 40);
    EXPECT_EQ(val("1 2.5"), 12.5);
    EXPECT_EQ(val("- 5"), -5);
    EXPECT_EQ(val("\t3\t0"), 30);
    EXPECT_EQ(val("1 . 5"), 1.5);
}

TEST(TextToNumber, NoNumberIsZero)
{
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val(" "), 0);
    EXPECT_EQ(val("  "), 0);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("."), 0);
    EXPECT_EQ(val("-."), 0);
    EXPECT_EQ(val("+-5"), 0);
    EXPECT_EQ(val("N40"), 0);
    EXPECT_EQ(val("&H10"), 0);  // no other number bases
    EXPECT_FALSE(overflow("abc"));
}

TEST(TextToNumber, TheLongestLeadingNumber)
{
    EXPECT_EQ(val("45N"), 45);
    EXPECT_EQ(val("12,5"), 12);
    EXPECT_EQ(val("1.2.3"), 1.2);
    EXPECT_EQ(val("30 deg"), 30);
    EXPECT_EQ(val("10-20"), 10);
    EXPECT_EQ(val("12d30"), 12);  // no "D" exponent: a user means degrees
}

TEST(TextToNumber, Exponents)
{
    EXPECT_EQ(val("1E-05"), 1e-5);
    EXPECT_EQ(val("1e2"), 100);
    EXPECT_EQ(val("2.5E+1"), 25);
    EXPECT_EQ(val("1 e 2"), 100);
    EXPECT_EQ(val("12E"), 12);
    EXPECT_EQ(val("12E+"), 12);
    EXPECT_EQ(val("12East"), 12);
    EXPECT_EQ(val("3e-400"), 0);  // too small for a double: 0
    EXPECT_FALSE(overflow("3e-400"));
    EXPECT_EQ(val("0e999999999999"), 0);
    EXPECT_FALSE(overflow("0e999999999999"));
}

TEST(TextToNumber, TooLargeIsFlaggedAndNeverInfinite)
{
    for (const char* s : {"1e309", "-1e309", "1e999999999999999999999", "9e99999"}) {
        const TextNumber n = textToNumber(s);
        EXPECT_TRUE(n.overflow) << s;
        EXPECT_EQ(n.value, 0) << s;
    }
    const std::string huge(400, '9');
    EXPECT_TRUE(textToNumber(huge).overflow);
    EXPECT_EQ(textToNumber(huge).value, 0);
    // Large but representable numbers read normally.
    EXPECT_EQ(val("1e308"), 1e308);
    EXPECT_FALSE(overflow("1e308"));
    EXPECT_FALSE(overflow("99999999999999999999"));
    EXPECT_EQ(val("99999999999999999999"), 1e20);
    // Nothing reads as NaN or infinity.
    for (const char* s : {"inf", "nan", "infinity", "-inf", "NaN", "1e400"}) {
        const TextNumber n = textToNumber(s);
        EXPECT_TRUE(std::isfinite(n.value)) << s;
    }
}

TEST(TextToNumber, NoNegativeZero)
{
    EXPECT_FALSE(std::signbit(val("-0")));
    EXPECT_FALSE(std::signbit(val("-0.000")));
}

TEST(Given, OneBlankIsEmptyTwoBlanksAreGiven)
{
    EXPECT_FALSE(isGiven(""));
    EXPECT_FALSE(isGiven(" "));
    EXPECT_TRUE(isGiven("  "));
    EXPECT_TRUE(isGiven("abc"));
    EXPECT_TRUE(isGiven("0"));
    EXPECT_TRUE(isGiven(" 0"));
}

TEST(NumberText, SignAndLeadingZero)
{
    EXPECT_EQ(numberText(0.0), " 0");
    EXPECT_EQ(numberText(-0.0), " 0");
    EXPECT_EQ(numberText(45.0), " 45");
    EXPECT_EQ(numberText(-45.0), "-45");
    EXPECT_EQ(numberText(12.5), " 12.5");
    EXPECT_EQ(numberText(0.5), " .5");
    EXPECT_EQ(numberText(-0.25), "-.25");
    EXPECT_EQ(numberText(0.0001), " .0001");
    EXPECT_EQ(numberText(-0.00012), "-.00012");
    EXPECT_EQ(numberText(360.0), " 360");
    EXPECT_EQ(numberText(100.0), " 100");
    EXPECT_EQ(numberText(1234567.0), " 1234567");
}

TEST(NumberText, FifteenSignificantDigits)
{
    EXPECT_EQ(numberText(1.2345600000000001), " 1.23456");
    EXPECT_EQ(numberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(numberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(numberText(std::numbers::pi), " 3.14159265358979");
    EXPECT_EQ(numberText(-123456.789012345678), "-123456.789012346");
    EXPECT_EQ(numberText(999999999999999.0), " 999999999999999");
    EXPECT_EQ(numberText(0.1 + 0.2), " .3");
}

TEST(NumberText, ExponentForm)
{
    EXPECT_EQ(numberText(0.00001), " 1E-05");
    EXPECT_EQ(numberText(-0.00001), "-1E-05");
    EXPECT_EQ(numberText(0.000015), " 1.5E-05");
    EXPECT_EQ(numberText(0.00009), " 9E-05");
    EXPECT_EQ(numberText(1.5e-7), " 1.5E-07");
    EXPECT_EQ(numberText(1e-100), " 1E-100");
    EXPECT_EQ(numberText(1e15), " 1E+15");
    EXPECT_EQ(numberText(-2.5e20), "-2.5E+20");
    // Rounding to 15 digits may carry into the fixed range.
    EXPECT_EQ(numberText(0.0000999999999999999999), " .0001");
}

TEST(NumberText, SevenDigitsForSingle)
{
    EXPECT_EQ(numberText(0.1f), " .1");
    EXPECT_EQ(numberText(1.0f / 3), " .3333333");
    EXPECT_EQ(numberText(30.5f), " 30.5");
    EXPECT_EQ(numberText(-12.25f), "-12.25");
}

TEST(NumberText, NotFiniteGivesEmptyText)
{
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(addzeros(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(Round3, FiveDecimalsHalvesUp)
{
    EXPECT_EQ(numberText(round3(12.5 * deg, deg)), " 12.5");
    EXPECT_EQ(numberText(round3(-1.234565 * deg, deg)), "-1.23456");
    EXPECT_EQ(numberText(round3(1.234565 * deg, deg)), " 1.23457");
    EXPECT_EQ(round3(359.999996 * deg, deg), 360);
    EXPECT_EQ(round3(359.999994 * deg, deg), 35999999 / 100000.0);
    EXPECT_EQ(numberText(round3(0.000005 * deg, deg)), " 1E-05");
    EXPECT_EQ(round3(-0.000005 * deg, deg), 0);
    EXPECT_EQ(round3(-33.5 * deg, deg), -33.5);
}

TEST(Addzeros, FiveDecimals)
{
    EXPECT_EQ(addzeros(12.5), " 12.50000");
    EXPECT_EQ(addzeros(45), " 45.00000");
    EXPECT_EQ(addzeros(0), " 0.00000");
    EXPECT_EQ(addzeros(-0.25), "-.25000");
    EXPECT_EQ(addzeros(360), " 360.00000");
    EXPECT_EQ(addzeros(-5), "-5.00000");
    EXPECT_EQ(addzeros(1.23456), " 1.23456");
    EXPECT_EQ(addzeros(-1.2345600000000001), "-1.23456");
    EXPECT_EQ(addzeros(0.00012), " .00012");
    EXPECT_EQ(addzeros(0.0001), " .00010");
    EXPECT_EQ(addzeros(0.00001), " 1E-05");   // exponent form gets no zeros
    EXPECT_EQ(addzeros(-0.00003), "-3E-05");
    EXPECT_EQ(addzeros(57.48508), " 57.48508");
}
