// The compass error by a body's azimuth and by its amplitude, against the
// true azimuths astropy gives (reference/azimuth_reference.csv and
// amplitude_reference.csv, made by make_azimuth_reference.py).
#include "compass/compass.h"
#include "reference/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using namespace morvel;
using namespace morvel::compass;

namespace {

constexpr double deg = std::numbers::pi / 180;

std::string reference(const char* name)
{
    return std::string(MORVEL_COMPASS_REFERENCE) + name;
}

sight::UtcTime utc(const std::string& text)
{
    std::string error;
    const std::optional<sight::UtcTime> t = sight::UtcTime::parse(text, error);
    EXPECT_TRUE(t) << text << ": " << error;
    return t.value_or(sight::UtcTime{});
}

/// A bearing from a reference row: body, time (moved by seconds), DUT1,
/// position; the compass bearing 1.5 degrees less than the true azimuth,
/// so that its error is 1.5 E, with 1.0 W of variation.
Bearing bearingOf(const std::vector<std::string>& f, int at, double azimuth, double seconds = 0)
{
    Bearing b;
    b.body = *almanac::findBody(f[at]);
    b.when = utc(f[0]).plus(seconds);
    b.dut1 = std::stod(f[1]);
    b.lat = std::stod(f[at + 1]) * deg;
    b.lon = std::stod(f[at + 2]) * deg;
    b.bearing = azimuth - 1.5 * deg;
    b.variation = -1.0 * deg;
    return b;
}

double off(double a, double b)
{
    return std::abs(std::remainder(a - b, 2 * std::numbers::pi));
}

}  // namespace

// Every body at any altitude: the centre's true azimuth within 0.05 deg,
// the error and deviation it gives, and the gyro's error without them.
TEST(Compass, AzimuthOfTheCentreAsAstropyGivesIt)
{
    const auto rows = test::referenceLines(reference("azimuth_reference.csv").c_str(), 7);
    ASSERT_EQ(rows.size(), 42u);
    double worst = 0;
    for (const auto& f : rows) {
        const double azimuth = std::stod(f[5]) * deg;
        Bearing b = bearingOf(f, 2, azimuth);
        const Check c = byAzimuth(b);
        ASSERT_TRUE(c.ok()) << f[0] << " " << f[2] << ": " << c.why;
        worst = std::max(worst, off(c.azimuth, azimuth));
        EXPECT_LT(off(c.azimuth, azimuth), 0.05 * deg) << f[0] << " " << f[2];
        EXPECT_NEAR(c.error / deg, 1.5, 0.05);
        EXPECT_NEAR(*c.deviation / deg, 2.5, 0.05);
        b.instrument = Instrument::gyro;
        const Check g = byAzimuth(b);
        EXPECT_NEAR(g.error, c.error, 1e-12);
        EXPECT_FALSE(g.variation || g.deviation);
    }
    std::printf("azimuth: worst difference from astropy %.4f deg\n", worst / deg);
}

// From a time five minutes either side of the moment, the amplitude gives
// the centre's azimuth at the moment it stands on the horizon, within
// 0.1 deg, and that moment.
TEST(Compass, AmplitudeOfTheCentreOnTheHorizon)
{
    const auto rows = test::referenceLines(reference("amplitude_reference.csv").c_str(), 9);
    ASSERT_EQ(rows.size(), 23u);
    double worst = 0;
    for (const auto& f : rows)
        for (const double early : {-300.0, 300.0}) {
            const double azimuth = std::stod(f[8]) * deg;
            const AmplitudeOptions o{f[5] == "visible" ? Horizon::visible : Horizon::celestial, std::stod(f[6])};
            const Check c = byAmplitude(bearingOf(f, 2, azimuth, early), o);
            ASSERT_TRUE(c.ok()) << f[0] << " " << f[2] << ": " << c.why;
            worst = std::max(worst, off(c.azimuth, azimuth));
            EXPECT_LT(off(c.azimuth, azimuth), 0.1 * deg) << f[0] << " " << f[2];
            EXPECT_EQ(c.rising, f[7] == "1") << f[0] << " " << f[2];
            EXPECT_LT(std::abs(c.moment.secondsSince(utc(f[0]))), 20) << f[0] << " " << f[2];
        }
    std::printf("amplitude: worst difference from astropy %.4f deg\n", worst / deg);
}
