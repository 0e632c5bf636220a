// Every body at 300 instants 1950-2050 against the Swiss Ephemeris on JPL's
// ephemeris (reference/reference.csv, made by reference/make_reference.sh):
// the error of the geographical position, of the semi-diameter and of the
// horizontal parallax, with the worst per body printed.
#include "almanac/almanac.h"
#include "reference/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <cstdio>
#include <map>
#include <string>

using namespace morvel::almanac;

namespace {

constexpr double deg = std::numbers::pi / 180;
constexpr double arcmin = deg / 60;

struct Worst {
    double gp = 0, sd = 0, hp = 0, mag = 0;
    std::string gpAt;
};

// Limits in minutes of arc, and of the planets' magnitudes.
struct Limits {
    double gp, sd, hp, mag;
};

Limits limitsFor(BodyKind kind)
{
    switch (kind) {
    case BodyKind::moon: return {0.2, 0.05, 0.1, 0};
    default: return {0.1, 0.02, 0.1, 0.1};
    }
}

// Great-circle distance between two geographical positions, radians.
double between(double gha1, double dec1, double gha2, double dec2)
{
    const double a = std::sin((dec2 - dec1) / 2), b = std::sin((gha2 - gha1) / 2);
    return 2 * std::asin(std::sqrt(a * a + std::cos(dec1) * std::cos(dec2) * b * b));
}

}  // namespace

TEST(Reference, EveryBodyWithinItsLimits)
{
    std::map<std::string, Worst> worst;
    int rows = 0;
    for (const morvel::test::ReferenceEpoch& e : morvel::test::referenceEpochs()) {
        const Instant when = Instant::fromJulian(e.tt, e.ut1);
        ASSERT_TRUE(when.ok()) << when.error();
        const Sky sky(when);
        const std::string at = "TT JD " + std::to_string(e.tt);
        for (const auto& [name, r] : e.bodies) {
            const auto body = findBody(name);
            ASSERT_TRUE(body) << name;
            const Place p = sky.placeOf(*body);
            ASSERT_TRUE(p.ok()) << p.error;
            Worst& w = worst[name];
            const double gp = between(p.gha, p.dec, r.gha, r.dec) / arcmin;
            if (gp > w.gp) {
                w.gp = gp;
                w.gpAt = at;
            }
            const Limits limits = limitsFor(body->kind);
            EXPECT_LE(gp, limits.gp) << name << " at " << at;
            if (r.figures) {
                ASSERT_TRUE(p.sd && p.hp) << name;
                const double sd = std::fabs(*p.sd - r.sd) / arcmin, hp = std::fabs(*p.hp - r.hp) / arcmin;
                w.sd = std::max(w.sd, sd);
                w.hp = std::max(w.hp, hp);
                EXPECT_LE(sd, limits.sd) << name << " at " << at;
                EXPECT_LE(hp, limits.hp) << name << " at " << at;
            }
            if (r.mag) {
                ASSERT_TRUE(p.mag) << name;
                const double mag = std::fabs(*p.mag - *r.mag);
                w.mag = std::max(w.mag, mag);
                EXPECT_LE(mag, limits.mag) << name << " at " << at;
            }
            ++rows;
        }
    }
    EXPECT_GT(rows, 19000);
    std::printf("%-16s %9s %9s %9s %6s  (minutes of arc; magnitude)\n", "body", "GP", "SD", "HP", "mag");
    for (const Body& b : bodies()) {
        const auto it = worst.find(std::string(b.name));
        ASSERT_NE(it, worst.end()) << b.name << " has no reference";
        std::printf("%-16s %9.4f %9.4f %9.4f %6.2f  %s\n", std::string(b.name).c_str(), it->second.gp,
                    it->second.sd, it->second.hp, it->second.mag, it->second.gpAt.c_str());
    }
}

// The last day before UTC (1959-12-31, whose times are UT1) and the first
// of UTC (1960-01-01, DUT1 0) against Skyfield's sidereal time and
// astropy's Sun (reference/time_reference.csv, made by
// reference/make_time_reference.py): each instant read as a navigator
// writes it, its UT1 and the GHA of Aries and of the Sun.
TEST(Reference, TheDaysAroundTheStartOfUtc)
{
    const auto lines = morvel::test::referenceLines(MORVEL_ALMANAC_TIME_REFERENCE, 5);
    ASSERT_GE(lines.size(), 20u);
    for (const std::vector<std::string>& f : lines) {
        const Instant when = Instant::parse(f[0]);
        ASSERT_TRUE(when.ok()) << f[0] << ": " << when.error();
        EXPECT_NEAR((when.jdUT1() - std::stod(f[3])) * 86400, 0, 1e-3) << f[0];
        const Place p = placeOf(*findBody(f[1]), when);
        ASSERT_TRUE(p.ok()) << p.error;
        EXPECT_NEAR(std::remainder(p.gha - std::stod(f[2]) * deg, 2 * std::numbers::pi) / arcmin, 0, 0.01)
            << f[1] << " at " << f[0];
    }
}
