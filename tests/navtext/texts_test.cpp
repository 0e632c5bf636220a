// The texts written digit by digit against the same split printed by printf
// (the sight form) or by numberText (the calculators' forms and the miles),
// over random angles and the carries at whole degrees and tenths; a course
// to the whole degree.
#include "navtext/degmin.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace morvel::navtext;

namespace {

const double degree = std::acos(-1.0) / 180;

/// The sight form of an altitude by printf: the reference.
std::string printed(double d)
{
    const DegMin s = splitDegMin(d);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%d\xC2\xB0%04.1f'", isNegative(d, s) ? "-" : "", s.degrees, double(s.minutes));
    return buf;
}

TEST(NavTexts, AgainstPrintf)
{
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> any(-90, 90), fraction(0, 1);
    std::vector<double> angles = {0, -0.0, 1e-9, -1e-9, 89.99999, -0.99999, 59.95 / 60, 9.95 / 60, 10.0 / 60};
    for (int i = 0; i < 100000; ++i)
        angles.push_back(i % 2 ? any(rng) : std::round(any(rng)) + (std::round(fraction(rng) * 600) - 0.5) / 600);
    for (double d : angles)
        ASSERT_EQ(navAltitudeText(d * degree, false), printed(d * degree / degree)) << d;
}

// A course to the whole degree: halves up, round the circle either way,
// nothing for what is no angle.
TEST(NavTexts, Course)
{
    const struct {
        double degrees;
        const char* text;
    } rows[] = {{270, "270\xC2\xB0"}, {4.5, "005\xC2\xB0"}, {4.49, "004\xC2\xB0"}, {359.5, "000\xC2\xB0"},
                {-90, "270\xC2\xB0"}, {-1e-12, "000\xC2\xB0"}, {725, "005\xC2\xB0"}, {NAN, ""}, {INFINITY, ""}};
    for (const auto& r : rows)
        EXPECT_EQ(navCourseText(r.degrees * degree), r.text) << r.degrees;
}

}  // namespace

/// A window's text without its leading blank.
std::string trimmed(const std::string& s)
{
    return !s.empty() && s.front() == ' ' ? s.substr(1) : s;
}

// The calculators' degrees and minutes and the miles, written without
// numberText for speed, against numberText's own texts: every tenth of a
// mile over the range and beyond, random angles and the carries.
TEST(NavTexts, AgainstNumberText)
{
    for (long k = -100; k <= 220000; ++k) {
        const double miles = double(k) / 10;
        ASSERT_EQ(milesText(miles), trimmed(numberText(miles))) << k;
    }
    for (double miles : {0.05, 1e-5, 123456789012345.6, 1e20, -0.0, 2999.4000000000001})
        ASSERT_EQ(milesText(miles), trimmed(numberText(miles))) << miles;

    std::mt19937 rng(5);
    std::uniform_real_distribution<double> any(-360, 360), fraction(0, 1);
    std::vector<double> angles = {0, -0.0, 1e-9, -1e-9, 359.99999, -0.99999, 59.95 / 60, 9.95 / 60};
    for (int i = 0; i < 100000; ++i)
        angles.push_back(i % 2 ? any(rng) : std::round(any(rng)) + (std::round(fraction(rng) * 600) - 0.5) / 600);
    for (double d : angles) {
        const DegMinText t = degMinText(d * degree / degree, true);
        ASSERT_EQ(altitudeText(d * degree, false), trimmed(t.degrees) + "\xC2\xB0" + trimmed(t.minutes) + "'") << d;
    }
}
