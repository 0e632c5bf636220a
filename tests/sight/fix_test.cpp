// Sights made from the truth and reduced back. At an instant of the Swiss
// Ephemeris reference, an observer's true altitudes and azimuths come from
// the reference's GHA and declination through GeographicLib's geodesic on
// a unit sphere (the arc to the geographical position is the zenith
// distance, its initial azimuth Zn); sight::sextantAltitude turns them into
// what the sextant read. Reduced from a DR tens of miles off, each
// intercept must be the true one within 0.1 nm, and the fix the true
// position within 0.3 nm. Running fixes carry the ship along a rhumb line
// (GeographicLib's Rhumb on the sphere) between the sights.
#include "sight/fix.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180;

struct Reference {
    double gha = 0, dec = 0, sd = 0, hp = 0;  // degrees, minutes of arc
};

/// The reference rows of the n-th instant of the file: TT and UT1 Julian
/// dates, and each body's place.
struct Epoch {
    double tt = 0, ut1 = 0;
    std::map<std::string, Reference> bodies;
};

Epoch epoch(int n)
{
    std::ifstream in(MORVEL_ALMANAC_REFERENCE);
    std::string line, last;
    Epoch e;
    int seen = -1;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;
        std::stringstream s(line);
        for (std::string c; std::getline(s, c, ',');)
            f.push_back(c);
        f.resize(8);
        if (f[0] != last) {
            last = f[0];
            if (++seen > n)
                break;
        }
        if (seen != n)
            continue;
        e.tt = std::stod(f[0]);
        e.ut1 = std::stod(f[1]);
        e.bodies[f[2]] = {std::stod(f[3]), std::stod(f[4]), f[5].empty() ? 0 : std::stod(f[5]),
                          f[6].empty() ? 0 : std::stod(f[6])};
    }
    return e;
}

const GeographicLib::Geodesic sphere(1, 0);
const GeographicLib::Rhumb rhumb(1, 0);

/// True altitude and azimuth, degrees, of a body's place seen from lat, lon.
void trueAltAz(const Reference& r, double lat, double lon, double& alt, double& zn)
{
    double s12, azi1, azi2;
    sphere.Inverse(lat, lon, r.dec, -r.gha, s12, azi1, azi2);
    alt = 90 - s12 / deg;
    zn = azi1 < 0 ? azi1 + 360 : azi1;
}

struct Row {
    const char* name;
    int epoch;
    double lat, lon;        // the true position at the last sight, degrees
    double drNorth, drEast; // the DR's error, nautical miles
    double course, miles;   // the run between two sights, degrees and nm
};

const Row rows[] = {
    {"mid-Atlantic, DR 25 nm off", 0, 38.5, -42.25, 20, -15, 0, 0},
    {"south Pacific, DR 40 nm off", 3, -33.1, -151.4, -28, 30, 0, 0},
    {"north of the line, DR 30 nm off", 7, 6.2, 88.7, -30, -5, 0, 0},
    {"running fix, 60 nm on 045", 11, 47.3, -8.4, 15, 20, 45, 60},
    {"running fix, 100 nm on 250", 19, -12.5, 63.0, -10, 35, 250, 100},
};

class Fixed : public ::testing::TestWithParam<Row> {};

TEST_P(Fixed, FromTrueAltitudes)
{
    const Row& row = GetParam();
    const Epoch e = epoch(row.epoch);
    ASSERT_FALSE(e.bodies.empty());
    const almanac::Instant when = almanac::Instant::fromJulian(e.tt, e.ut1);

    // The three steadiest bodies spread in azimuth: those above 20 degrees
    // nearest 0, 120 and 240 degrees from the first found.
    struct Seen {
        std::string name;
        double alt, zn;
    };
    std::vector<Seen> up;
    for (const auto& [name, r] : e.bodies) {
        if (name == "Aries" || name == "Moon")
            continue;
        double alt, zn;
        trueAltAz(r, row.lat, row.lon, alt, zn);
        if (alt > 20 && alt < 70)
            up.push_back({name, alt, zn});
    }
    ASSERT_GE(up.size(), 3u);
    std::vector<Seen> chosen = {up[0]};
    for (double turn : {120.0, 240.0}) {
        const Seen* best = nullptr;
        double gap = 1e9;
        for (const Seen& s : up) {
            const double d = std::abs(std::remainder(s.zn - up[0].zn - turn, 360.0));
            if (d < gap)
                gap = d, best = &s;
        }
        ASSERT_LT(gap, 40) << "no body near " << turn;
        chosen.push_back(*best);
    }
    // A fourth body, where there is one, whose line cuts the first's under
    // 15 degrees: the two alone make a weak fix.
    for (const Seen& s : up) {
        const double cut = std::abs(std::remainder(s.zn - up[0].zn, 180.0));
        if (cut > 3 && cut < 14) {
            chosen.push_back(s);
            break;
        }
    }

    std::vector<sight::Sight> sights;
    std::vector<double> trueIntercepts;
    for (size_t i = 0; i < chosen.size(); ++i) {
        // The first sight was taken before the run, the others at its end.
        double lat = row.lat, lon = row.lon;
        if (i == 0 && row.miles > 0)
            rhumb.Direct(row.lat, row.lon, row.course + 180, row.miles / 60 * deg, lat, lon);
        const Reference& r = e.bodies.at(chosen[i].name);
        double alt, zn;
        trueAltAz(r, lat, lon, alt, zn);
        sight::Sight s;
        s.when = when;
        s.body = *almanac::findBody(chosen[i].name);
        s.limb = s.body.kind == almanac::BodyKind::sun ? sight::Limb::lower : sight::Limb::center;
        s.conditions = {1.5, 3.2, 18, 1020};
        const bool disc = s.body.kind == almanac::BodyKind::sun;
        const sight::BodyFigures fig{disc ? r.sd / 60 * deg : 0, r.hp / 60 * deg, false};
        s.hs = sight::sextantAltitude(alt * deg, s.conditions, s.limb, fig, lat * deg);
        // The DR: the truth off by the DR's error.
        double drLat, drLon;
        const double off = std::hypot(row.drNorth, row.drEast);
        rhumb.Direct(lat, lon, std::atan2(row.drEast, row.drNorth) / deg, off / 60 * deg, drLat, drLon);
        s.drLat = drLat * deg;
        s.drLon = drLon * deg;
        double hc, znDr;
        trueAltAz(r, drLat, drLon, hc, znDr);
        trueIntercepts.push_back((alt - hc) * 60);
        sights.push_back(s);
    }

    double worst = 0;
    for (size_t i = 0; i < sights.size(); ++i) {
        const sight::Reduction red = sight::reduce(sights[i]);
        ASSERT_TRUE(red.ok()) << red.error;
        EXPECT_NEAR(red.intercept, trueIntercepts[i], 0.1) << chosen[i].name;
        worst = std::max(worst, std::abs(red.intercept - trueIntercepts[i]));
    }
    const sight::Fix fix = sight::fixOf(sights);
    ASSERT_TRUE(fix.found()) << fix.why;
    double miss, a1, a2;
    sphere.Inverse(row.lat, row.lon, fix.lat / deg, fix.lon / deg, miss, a1, a2);
    EXPECT_LT(miss / deg * 60, 0.3) << "fix off by " << miss / deg * 60 << " nm";
    std::printf("%-34s %s, %s, %s: intercepts within %.3f nm, fix %.3f nm off in %d iterations\n", row.name,
                chosen[0].name.c_str(), chosen[1].name.c_str(), chosen[2].name.c_str(), worst, miss / deg * 60,
                fix.iterations);
    EXPECT_FALSE(fix.weak);
    ASSERT_TRUE(fix.ellipse);
    EXPECT_GE(fix.ellipse->major, fix.ellipse->minor);
    EXPECT_LT(fix.ellipse->major, 3);

    // Two lines alone: no ellipse; well crossed, the truth; nearly parallel, weak.
    const sight::Fix two = sight::fixOf({sights[1], sights[2]});
    ASSERT_TRUE(two.found()) << two.why;
    sphere.Inverse(row.lat, row.lon, two.lat / deg, two.lon / deg, miss, a1, a2);
    EXPECT_LT(miss / deg * 60, 0.3);
    EXPECT_FALSE(two.weak);
    EXPECT_FALSE(two.ellipse);
    if (sights.size() == 4) {
        const sight::Fix weak = sight::fixOf({sights[0], sights[3]});
        EXPECT_TRUE(weak.found() && weak.weak) << chosen[3].name << ": " << weak.why;
        std::printf("%-34s %s and %s cut %.0f degrees: %s\n", "", chosen[0].name.c_str(), chosen[3].name.c_str(),
                    weak.cut / deg, weak.found() ? "a weak fix" : weak.why.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Sights, Fixed, ::testing::ValuesIn(rows),
                         [](const auto& info) {
                             std::string n;
                             for (const char* c = info.param.name; *c; ++c)
                                 n += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return n;
                         });

// The ellipse of lines at right angles is a circle of radius sqrt(5.991)
// sigma when the residuals agree with sigma; two lines 10 degrees apart
// make a long thin one across them.
TEST(Ellipse, KnownShapes)
{
    const sight::Ellipse round = sight::errorEllipse({0, 90 * deg, 180 * deg, 270 * deg}, {0, 0, 0, 0}, 0.5);
    EXPECT_NEAR(round.major, std::sqrt(5.991 / 2) * 0.5, 1e-9);
    EXPECT_NEAR(round.minor, round.major, 1e-9);
    const sight::Ellipse thin = sight::errorEllipse({85 * deg, 95 * deg, 90 * deg}, {0, 0, 0}, 0.5);
    EXPECT_GT(thin.major, 5 * thin.minor);
    EXPECT_NEAR(thin.orientation / deg, 0, 1e-6);  // along the meridian: the lines run north and south
}

TEST(Fix, TooFewAndParallel)
{
    sight::Sight s;
    s.when = almanac::Instant::parse("2026-12-07T17:32:10Z");
    s.hs = 30 * deg;
    EXPECT_EQ(sight::fixOf({s}).status, sight::Fix::Status::tooFewSights);
    EXPECT_EQ(sight::fixOf({s, s}).status, sight::Fix::Status::parallel);
}

}  // namespace
