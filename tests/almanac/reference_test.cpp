// Every body at 300 instants 1950-2050 against the Swiss Ephemeris on JPL's
// ephemeris (reference/reference.csv, made by reference/make_reference.sh):
// the error of the geographical position, of the semi-diameter and of the
// horizontal parallax, with the worst per body printed.
#include "almanac/almanac.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> f;
    std::stringstream in(line);
    std::string s;
    while (std::getline(in, s, ','))
        f.push_back(s);
    while (f.size() < 8)
        f.emplace_back();
    return f;
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
    std::ifstream in(MORVEL_ALMANAC_REFERENCE);
    ASSERT_TRUE(in) << MORVEL_ALMANAC_REFERENCE;
    std::map<std::string, Worst> worst;
    std::string line, lastInstant;
    std::optional<Sky> sky;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto f = split(line);
        const std::string instant = f[0] + "," + f[1];
        if (instant != lastInstant) {
            const Instant when = Instant::fromJulian(std::stod(f[0]), std::stod(f[1]));
            ASSERT_TRUE(when.ok()) << when.error();
            sky.emplace(when);
            lastInstant = instant;
        }
        const auto body = findBody(f[2]);
        ASSERT_TRUE(body) << f[2];
        const Place p = sky->placeOf(*body);
        ASSERT_TRUE(p.ok()) << p.error;
        Worst& w = worst[f[2]];
        const double gp = between(p.gha, p.dec, std::stod(f[3]) * deg, std::stod(f[4]) * deg) / arcmin;
        if (gp > w.gp) {
            w.gp = gp;
            w.gpAt = "TT JD " + f[0];
        }
        const Limits limits = limitsFor(body->kind);
        EXPECT_LE(gp, limits.gp) << f[2] << " at TT JD " << f[0];
        if (!f[5].empty()) {
            ASSERT_TRUE(p.sd && p.hp) << f[2];
            const double sd = std::fabs(*p.sd / arcmin - std::stod(f[5]));
            const double hp = std::fabs(*p.hp / arcmin - std::stod(f[6]));
            w.sd = std::max(w.sd, sd);
            w.hp = std::max(w.hp, hp);
            EXPECT_LE(sd, limits.sd) << f[2] << " at TT JD " << f[0];
            EXPECT_LE(hp, limits.hp) << f[2] << " at TT JD " << f[0];
        }
        if (!f[7].empty()) {
            ASSERT_TRUE(p.mag) << f[2];
            const double mag = std::fabs(*p.mag - std::stod(f[7]));
            w.mag = std::max(w.mag, mag);
            EXPECT_LE(mag, limits.mag) << f[2] << " at TT JD " << f[0];
        }
        ++rows;
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
