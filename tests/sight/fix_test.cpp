// Sights made from the truth and reduced back. At an instant of the Swiss
// Ephemeris reference, an observer's true altitudes and azimuths come from
// the reference's GHA and declination through GeographicLib's geodesic on
// a unit sphere (the arc to the geographical position is the zenith
// distance, its initial azimuth Zn); sight::sextantAltitude turns them into
// what the sextant read, the Sun's and the Moon's by a limb with the
// reference's SD and HP. Reduced from a DR tens of miles off, each
// intercept must be the true one within 0.1 nm, and the fix the true
// position within 0.3 nm. A running fix carries the ship along a rhumb
// line (GeographicLib's Rhumb on the sphere) from the first sight.
#include "sight/fix.h"
#include "reference/reference.h"

#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180;
const GeographicLib::Geodesic sphere(1, 0);
const GeographicLib::Rhumb rhumb(1, 0);

/// Zenith distance and azimuth, degrees, of a place seen from lat, lon (degrees).
void zenithAzimuth(const test::ReferencePlace& r, double lat, double lon, double& z, double& zn)
{
    double azi2;
    sphere.Inverse(lat, lon, r.dec / deg, -r.gha / deg, z, zn, azi2);
    z /= deg;
}

double milesBetween(double lat1, double lon1, double lat2, double lon2)
{
    double s, a1, a2;
    sphere.Inverse(lat1, lon1, lat2, lon2, s, a1, a2);
    return s / deg * 60;
}

struct Row {
    const char* name;
    int epoch;
    double lat, lon;         // the true position at the last sight, degrees
    double drNorth, drEast;  // the DR's error, nautical miles
    double course, miles;    // the run from the first sight, degrees and nm
    const char* bodies[4];   // three well spread; the fourth cuts the first's line under 15 degrees
    sight::Limb limbs[4] = {sight::Limb::center, sight::Limb::center, sight::Limb::center, sight::Limb::center};
};

using enum sight::Limb;

const Row rows[] = {
    {"mid_Atlantic", 0, 38.5, -42.25, 20, -15, 0, 0, {"Alphard", "Polaris", "Arcturus", "Regulus"}},
    {"south_Pacific", 3, -33.1, -151.4, -28, 30, 0, 0, {"Acrux", "Alphecca", "Mars", "Gacrux"}},
    {"north_of_the_line", 7, 6.2, 88.7, -30, -5, 0, 0, {"Al Na'ir", "Rasalhague", "Alpheratz", "Deneb"}},
    {"running_60_nm_on_045", 11, 47.3, -8.4, 15, 20, 45, 60, {"Alioth", "Deneb", "Sabik", "Altair"}},
    {"running_100_nm_on_250", 19, -12.5, 63.0, -10, 35, 250, 100, {"Achernar", "Sabik", "Enif", "Al Na'ir"}},
    {"Sun_lower_Moon_upper", 14, 35.4, 129.6, 25, -20, 0, 0, {"Sun", "Moon", "Dubhe", "Alnilam"}, {lower, upper, center, center}},
    {"Sun_upper_Moon_lower", 28, -5.3, 160.8, -20, -25, 0, 0, {"Sun", "Moon", "Avior", "Elnath"}, {upper, lower, center, center}},
};

class Fixed : public ::testing::TestWithParam<Row> {};

TEST_P(Fixed, FromTrueAltitudes)
{
    const Row& row = GetParam();
    const test::ReferenceEpoch& e = test::referenceEpochs().at(size_t(row.epoch));
    std::vector<sight::Sight> sights;
    for (int i = 0; i < 4; ++i) {
        // The first sight was taken before the run, the others at its end.
        double lat = row.lat, lon = row.lon;
        if (i == 0 && row.miles > 0)
            rhumb.Direct(row.lat, row.lon, row.course + 180, row.miles / 60 * deg, lat, lon);
        const test::ReferencePlace& r = e.bodies.at(row.bodies[i]);
        double z, zn;
        zenithAzimuth(r, lat, lon, z, zn);
        sight::Sight s;
        s.when = almanac::Instant::fromJulian(e.tt, e.ut1);
        s.body = *almanac::findBody(row.bodies[i]);
        s.limb = row.limbs[i];
        s.conditions = {1.5, 3.2, 18, 1020};
        // The reference's figures; a planet's centre is observed, the stars' hp is 0.
        const bool moon = s.body.kind == almanac::BodyKind::moon;
        const bool limbs = moon || s.body.kind == almanac::BodyKind::sun;
        const sight::BodyFigures figures{limbs ? r.sd : 0, r.hp, moon};
        s.hs = sight::sextantAltitude((90 - z) * deg, s.conditions, s.limb, figures, lat * deg, zn * deg);
        double drLat, drLon;
        rhumb.Direct(lat, lon, std::atan2(row.drEast, row.drNorth) / deg,
                     std::hypot(row.drNorth, row.drEast) / 60 * deg, drLat, drLon);
        s.drLat = drLat * deg;
        s.drLon = drLon * deg;
        double zDr, znDr;
        zenithAzimuth(r, drLat, drLon, zDr, znDr);
        const sight::Reduction red = sight::reduce(s);
        ASSERT_TRUE(red.ok()) << red.error;
        EXPECT_NEAR(red.intercept, (zDr - z) * 60, 0.1) << row.bodies[i];
        sights.push_back(s);
    }

    const sight::Fix fix = sight::fixOf({sights[0], sights[1], sights[2]});
    ASSERT_TRUE(fix.found()) << fix.why;
    const double miss = milesBetween(row.lat, row.lon, fix.lat / deg, fix.lon / deg);
    EXPECT_LT(miss, 0.3);
    std::printf("%-22s fix %.3f nm from the truth in %d iterations\n", row.name, miss, fix.iterations);
    EXPECT_FALSE(fix.weak);
    ASSERT_TRUE(fix.ellipse);
    EXPECT_GE(fix.ellipse->major, fix.ellipse->minor);
    EXPECT_LT(fix.ellipse->major, 3);

    // Two lines alone: no ellipse; well crossed, the truth; nearly parallel, weak.
    const sight::Fix two = sight::fixOf({sights[1], sights[2]});
    ASSERT_TRUE(two.found()) << two.why;
    EXPECT_LT(milesBetween(row.lat, row.lon, two.lat / deg, two.lon / deg), 0.3);
    EXPECT_FALSE(two.weak || two.ellipse);
    const sight::Fix weak = sight::fixOf({sights[0], sights[3]});
    EXPECT_TRUE(weak.found() && weak.weak && weak.cut < 15 * deg) << weak.why;
}

INSTANTIATE_TEST_SUITE_P(Sights, Fixed, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines at right angles whose residuals agree with sigma: a circle of
// radius sqrt(5.991) sigma / sqrt(2). Lines 5 degrees either side of east
// and west: a long ellipse along the meridian.
TEST(Ellipse, KnownShapes)
{
    const sight::Ellipse round = sight::errorEllipse({0, 90 * deg, 180 * deg, 270 * deg}, {0, 0, 0, 0}, 0.5);
    EXPECT_NEAR(round.major, std::sqrt(5.991 / 2) * 0.5, 1e-9);
    EXPECT_NEAR(round.minor, round.major, 1e-9);
    const sight::Ellipse thin = sight::errorEllipse({85 * deg, 95 * deg, 90 * deg}, {0, 0, 0}, 0.5);
    EXPECT_GT(thin.major, 5 * thin.minor);
    EXPECT_NEAR(thin.orientation, 0, 1e-9);
}

// The widest cut of any two lines, against every pair compared: hand-made
// sets round north and the half circle, then random ones.
TEST(Fix, WidestCut)
{
    const auto everyPair = [](const std::vector<double>& zn) {
        double cut = 0;
        for (size_t i = 0; i < zn.size(); ++i)
            for (size_t j = i + 1; j < zn.size(); ++j) {
                const double d = std::fmod(std::abs(zn[i] - zn[j]), 180 * deg);
                cut = std::max(cut, std::min(d, 180 * deg - d));
            }
        return cut;
    };
    std::vector<std::vector<double>> sets = {
        {}, {30 * deg}, {0, 180 * deg}, {10 * deg, 350 * deg}, {0, 90 * deg, 270 * deg},
        {359.9 * deg, 0.1 * deg, 179.9 * deg}, {45 * deg, 45 * deg, 225 * deg, 134 * deg}};
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> zn(0, 360 * deg);
    for (size_t n : {2, 3, 7, 50, 300})
        for (int k = 0; k < 20; ++k) {
            sets.emplace_back();
            for (size_t i = 0; i < n; ++i)
                sets.back().push_back(zn(rng));
        }
    for (const auto& s : sets)
        EXPECT_NEAR(sight::widestCut(s), everyPair(s), 1e-12) << s.size() << " lines";
}

TEST(Fix, TooFewAndParallel)
{
    sight::Sight s;
    s.when = almanac::Instant::parse("2026-12-07T17:32:10Z");
    s.hs = 30 * deg;
    EXPECT_EQ(sight::fixOf({s}).status, sight::Fix::Status::tooFewSights);
    EXPECT_EQ(sight::fixOf({s, s}).status, sight::Fix::Status::parallel);
    std::vector<sight::Sight> wild(3, s);  // altitudes no position gives: no fix is claimed
    for (size_t i = 0; i < 3; ++i)
        wild[i].body = *almanac::findBody(std::vector<const char*>{"Capella", "Altair", "Vega"}[i]);
    wild[0].hs = 80 * deg, wild[1].hs = 5 * deg, wild[2].hs = 10 * deg;
    EXPECT_EQ(sight::fixOf(wild).status, sight::Fix::Status::noConvergence);
}

// The Moon an equatorial radius over sin HP from the centre, seen from the WGS 84 ellipsoid (GeographicLib's
// Geocentric) without dip or refraction: Ho is its geocentric altitude within 0.02' (a sphere's parallax: 0.2').
TEST(MoonParallax, OnTheEllipsoid)
{
    const GeographicLib::Geocentric& earth = GeographicLib::Geocentric::WGS84();
    sight::Sight s{{}, *almanac::findBody("Moon"), sight::Limb::center, 0, {0, 0, 10, 0}};  // no air
    for (double hp : {54.0, 61.5})
        for (double lat : {0, 30, -30, 45, -45, 60, -60, 80, -80})
            for (double alt : {5, 30, 60, 85})
                for (double az : {0, 90, 180, 270}) {
                    double at[3], moon[3], seen[3] = {0, 0, 0};
                    std::vector<double> m(9);  // east-north-up into the Earth's axes
                    earth.Forward(lat, 0, 0, at[0], at[1], at[2], m);
                    const double d = earth.EquatorialRadius() / std::sin(hp / 60 * deg), c = std::cos(alt * deg);
                    for (int i = 0; i < 3; ++i)
                        moon[i] = d * (m[3 * i] * c * std::sin(az * deg) + m[3 * i + 1] * c * std::cos(az * deg)
                                       + m[3 * i + 2] * std::sin(alt * deg));
                    for (int j = 0; j < 9; ++j)
                        seen[j % 3] += m[j / 3 * 3 + j % 3] * (moon[j / 3] - at[j / 3]);
                    s.hs = std::atan2(seen[2], std::hypot(seen[0], seen[1]));
                    almanac::Place p;
                    p.gha = std::fmod(std::atan2(-moon[1], moon[0]) + 2 * std::numbers::pi, 2 * std::numbers::pi);
                    p.dec = std::asin(moon[2] / d), p.sd = 16.0 / 60 * deg, p.hp = hp / 60 * deg;
                    const sight::Reduction r = sight::reduce(s, p, lat * deg, 0);
                    EXPECT_NEAR(r.corrections.ho / deg * 60, alt * 60, 0.02) << lat << " " << alt << " " << az;
                    EXPECT_NEAR(r.intercept, 0, 0.02);
                }
}

}  // namespace
