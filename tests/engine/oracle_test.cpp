// Every case against the sphere of GeographicLib: for random true triangles,
// triangles in the bands where the special values of the sphere meet (equal
// declination and altitude, the observer or the body at a pole or on the
// equator, the body at the zenith or on the meridian), whole degrees as a
// navigator types them, and random inputs (many with no triangle):
//  - every set shown is a true triangle with the given values;
//  - every isolated true solution that an independent search finds is shown;
//  - every value shown lies in its range;
//  - a message and a result never come together, and one of them always does;
//  - where the givens leave a whole arc of triangles, the remark "Many Other
//    Solutions" stands beside the answer.
#include "harness.h"
#include "sphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace morvel::test {
namespace {

constexpr double pi = std::numbers::pi;

#ifdef MORVEL_SANITIZED
constexpr int sampleDivisor = 4;  // the sanitizers run about ten times slower
#else
constexpr int sampleDivisor = 1;
#endif

/// Which quantities each case is given, as (lat, lha, dec, alt, az).
std::array<bool, 5> givenOf(int16_t code)
{
    return {(code & 16) != 0, (code & 8) != 0, (code & 4) != 0, (code & 2) != 0, (code & 1) != 0};
}

/// The windows refuse an LHA and an azimuth on the same side of the meridian.
bool windowAccepts(int16_t code, const Angles& a)
{
    if ((code & 9) != 9)
        return true;
    return !((a.zn > pi && a.lha > pi) || (a.zn < pi && a.lha < pi));
}

Angles anglesOf(const Solution& s)
{
    return {s.lat, s.lha, s.dec, s.alt, s.az};
}

/// How far a shown set may miss its givens. The engine's own tolerances
/// decide near the zenith (a body within 2e-6 rad of it is put there) and
/// near a meridian passage of code 22 (a cosine within 1.00002 of 1);
/// everywhere else a set must be exact to rounding.
double residualTolerance(int16_t code, const Angles& a, const Unknown& u)
{
    if ((code == 26 || code == 14) && std::abs(a.alt - pi / 2) < 2e-6)
        return 1e-5;
    if (code == 22 && (std::abs(u.f(0)) < 3e-5 || std::abs(u.f(pi)) < 3e-5))
        return 1e-4;
    return 1e-9;
}

/// How far the true solutions move when every given moves by a few units of
/// rounding: the precision to which the engine can know them.
double sensitivity(int16_t code, const Angles& a, const std::vector<double>& roots)
{
    double moved = 0;
    // Two directions, so that quantities that meet in a sum and in a
    // difference (the LHA and the azimuth on the meridian) both move.
    const double s = 4e-15;
    for (const Angles& b : {Angles{a.lat - s, a.lha + s, a.dec + s, a.alt - s, a.zn - s},
                            Angles{a.lat + s, a.lha + s, a.dec - s, a.alt + s, a.zn + s}}) {
        bool tangent = false;
        for (double r : roots) {
            double nearest = HUGE_VAL;
            for (double m : trueRoots(unknownOf(code, b), tangent))
                nearest = std::min(nearest, std::abs(m - r));
            if (nearest < 1e-3)  // a root at a pole may leave the globe
                moved = std::max(moved, nearest);
        }
    }
    return moved;
}

struct Tally {
    int rows = 0, isolated = 0, noTriangle = 0;
    int lost = 0, phantom = 0, nan = 0, outOfRange = 0, messageAndResult = 0, unremarked = 0;
    double worst = 0;
};

bool finite(const Solution& s)
{
    return std::isfinite(s.lat) && std::isfinite(s.lha) && std::isfinite(s.dec) && std::isfinite(s.alt) &&
           std::isfinite(s.az);
}

/// Output rows 1 and 3 (latitude, declination) and 4 (altitude) lie within
/// -90..90 degrees, rows 2 and 5 (LHA, azimuth) within 0..360.
bool inRange(double x, int m)
{
    return (m == 2 || m == 5) ? (0 <= x && x <= 2 * pi) : std::abs(x) <= pi / 2;
}

void check(int16_t code, const Angles& a, Tally& tally)
{
    if (!windowAccepts(code, a))
        return;
    ++tally.rows;
    const Record r = solve(code, a);
    const int shown = r.shown();
    char where[200];
    std::snprintf(where, sizeof where, "code %d lat %.12g lha %.12g dec %.12g alt %.12g zn %.12g", code,
                  a.lat / degree, a.lha / degree, a.dec / degree, a.alt / degree, a.zn / degree);

    bool nan = false, outside = false;
    for (const OutputCall& o : r.outputs) {
        nan = nan || !std::isfinite(o.x1) || (o.f == 2 && !std::isfinite(o.x2));
        if (!inRange(o.x1, o.m) || (o.f == 2 && !inRange(o.x2, o.m))) {
            outside = true;
            ADD_FAILURE() << "code " << code << " row " << o.m << " shows " << o.x1 / degree << " and "
                          << o.x2 / degree;
        }
    }
    for (int i = 0; i < shown; ++i) {
        const Solution& s = r.sets[i];
        nan = nan || !finite(s);
        outside = outside || !inRange(s.lat, 1) || !inRange(s.lha, 2) || !inRange(s.dec, 3) ||
                  !inRange(s.alt, 4) || !inRange(s.az, 5);
    }
    if (nan) {
        ++tally.nan;
        ADD_FAILURE() << "NaN, " << where;
        return;
    }
    if (outside) {
        ++tally.outOfRange;
        ADD_FAILURE() << "a value out of its range, " << where;
    }
    if ((shown > 0) == !r.messages.empty()) {
        ++tally.messageAndResult;
        ADD_FAILURE() << (shown > 0 ? "a message beside a result, " : "neither a message nor a result, ") << where;
    }

    const Unknown u = unknownOf(code, a);
    bool nearTangent = false;
    std::vector<double> roots;
    if (code == 28 || code == 19)
        roots.push_back(0);
    else
        roots = trueRoots(u, nearTangent);
    if (code == 25 && roots.size() > 1)
        roots.erase(roots.begin() + 1, roots.end());  // the two antipodal crossings are one body
    // On the meridian some cases have a whole arc of solutions.
    const bool continuum = roots.size() > 2;
    const bool isolated = !nearTangent && !continuum;
    tally.isolated += isolated;
    if (continuum && shown > 0 && !r.remark) {
        ++tally.unremarked;
        ADD_FAILURE() << "a whole arc of triangles without the remark, " << where;
    }

    // Every set shown is a triangle with the givens.
    const double tolerance = residualTolerance(code, a, u);
    const auto g = givenOf(code);
    auto keepsGivens = [&](const Solution& s) {
        return (!g[0] || angleGap(s.lat, a.lat) < 1e-12) && (!g[1] || angleGap(s.lha, a.lha) < 1e-12) &&
               (!g[2] || angleGap(s.dec, a.dec) < 1e-12) && (!g[3] || angleGap(s.alt, a.alt) < 1e-12) &&
               (!g[4] || angleGap(s.az, a.zn) < 1e-12);
    };
    for (int i = 0; i < shown; ++i) {
        const double res = residual(r.sets[i]);
        if (tolerance < 1e-6)
            tally.worst = std::max(tally.worst, res);
        if (res > tolerance || !keepsGivens(r.sets[i])) {
            ++tally.phantom;
            ADD_FAILURE() << "phantom set " << i + 1 << " (residual " << res << "), " << where << ": "
                          << roots.size() << " true, " << shown << " shown";
        }
    }

    // Every isolated true solution is shown, to the precision its
    // conditioning allows.
    if (!isolated || tolerance > 1e-6)
        return;
    if (roots.empty()) {
        ++tally.noTriangle;
        EXPECT_EQ(r.nout, 0) << where;
        EXPECT_EQ(r.transfers, 0) << where;
        return;
    }
    const double precision = std::max(1e-10, 100 * sensitivity(code, a, roots));
    for (double root : roots) {
        bool found = false;
        for (int i = 0; i < shown; ++i) {
            const double v = u.of(r.sets[i]);
            found = found || (u.periodic ? angleGap(v, root) : std::abs(v - root)) < precision;
        }
        if (!found) {
            ++tally.lost;
            ADD_FAILURE() << "lost the solution at " << root / degree << ", " << where << ": " << roots.size()
                          << " true, " << shown << " shown";
        }
    }
}

double uniform(std::mt19937_64& rng, double lo, double hi)
{
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

int pick(std::mt19937_64& rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

/// A distance from a special value: exact, rounding, or just beyond the
/// engine's tolerances.
double jitter(std::mt19937_64& rng)
{
    const double tiny[] = {0, 0, 0, 1e-15, 1e-12, 1e-9, 1e-7, 1e-6, 2e-6, 3e-6, 1e-5};
    return (pick(rng, 2) ? 1 : -1) * tiny[pick(rng, 11)];
}

double turn(double x)
{
    return std::fmod(std::fmod(x, 2 * pi) + 2 * pi, 2 * pi);
}

/// x near one of the special latitudes -90, 0, 90 degrees, on the globe.
double nearSpecialLatitude(std::mt19937_64& rng)
{
    return std::clamp((pick(rng, 3) - 1) * pi / 2 + jitter(rng), -pi / 2, pi / 2);
}

/// x near 0, 180 or 360 degrees.
double nearMeridian(std::mt19937_64& rng)
{
    return turn(pick(rng, 3) * pi + jitter(rng));
}

enum class Band { equalSides, zenith, latitude, declination, meridian, count };

/// A true triangle in a band.
Solution inBand(Band band, std::mt19937_64& rng)
{
    const double lat = uniform(rng, -pi / 2, pi / 2), dec = uniform(rng, -pi / 2, pi / 2);
    const double lha = uniform(rng, 0, 2 * pi), az = uniform(rng, 0, 2 * pi);
    switch (band) {
    case Band::equalSides: {
        // The altitude equals the declination or its negative: the observer
        // at a pole, or the hour angle where the body's altitude is its
        // declination; or the declination equals the latitude or its
        // negative.
        const double side = pick(rng, 2) ? 1 : -1;
        if (pick(rng, 3) == 0)
            return fromLhaDec(side * (pi / 2 - std::abs(jitter(rng))), lha, dec);
        if (pick(rng, 2))
            return fromLhaDec(lat, lha, std::clamp(side * lat + jitter(rng), -pi / 2, pi / 2));
        const double c = (side - std::sin(lat)) * std::tan(dec) / std::cos(lat);
        const double t = std::abs(c) <= 1 ? std::acos(c) : uniform(rng, 0, pi);
        return fromLhaDec(lat, turn((pick(rng, 2) ? t : -t) + jitter(rng)), dec);
    }
    case Band::zenith:  // and the nadir and the horizon
        return fromAltAz(lat, std::clamp((pick(rng, 3) - 1) * pi / 2 + jitter(rng), -pi / 2, pi / 2), az);
    case Band::latitude:
        return fromLhaDec(nearSpecialLatitude(rng), lha, dec);
    case Band::declination:
        return fromLhaDec(lat, lha, nearSpecialLatitude(rng));
    default:
        return pick(rng, 2) ? fromLhaDec(lat, nearMeridian(rng), dec)
                            : fromAltAz(lat, uniform(rng, -pi / 2, pi / 2), nearMeridian(rng));
    }
}

/// Whole degrees as typed, often the special ones; LHA and azimuth often
/// adding up to 360 degrees (the meridian angle equal to the azimuth angle).
Angles typed(std::mt19937_64& rng)
{
    auto whole = [&](int lo, int hi, std::initializer_list<int> special) {
        if (pick(rng, 2))
            return *(special.begin() + pick(rng, int(special.size()))) * degree;
        return std::uniform_int_distribution<int>(lo, hi)(rng) * degree;
    };
    Angles a{whole(-90, 90, {-90, -45, 0, 45, 90}), whole(0, 360, {0, 90, 180, 270, 360}),
             whole(-90, 90, {-90, -45, 0, 45, 90}), whole(-90, 90, {-90, -45, 0, 45, 90}),
             whole(0, 360, {0, 90, 180, 270, 360})};
    if (pick(rng, 3) == 0)
        a.dec = (pick(rng, 2) ? 1 : -1) * a.alt;
    if (pick(rng, 3) == 0)
        a.zn = 2 * pi - a.lha;
    return a;
}

class Oracle : public testing::TestWithParam<int> {};

TEST_P(Oracle, ReportsExactlyTheTrueSolutions)
{
    const auto code = int16_t(GetParam());
    Tally tally;
    std::mt19937_64 rng(20240 + code);
    for (int i = 0; i < 3000 / sampleDivisor; ++i) {
        const Solution s = fromLhaDec(uniform(rng, -pi / 2, pi / 2), uniform(rng, 0, 2 * pi),
                                      uniform(rng, -pi / 2, pi / 2));
        check(code, anglesOf(s), tally);
    }
    for (int b = 0; b < int(Band::count); ++b)
        for (int i = 0; i < 1500 / sampleDivisor; ++i)
            check(code, anglesOf(inBand(Band(b), rng)), tally);
    for (int i = 0; i < 2000 / sampleDivisor; ++i)
        check(code, typed(rng), tally);
    for (int i = 0; i < 3000 / sampleDivisor; ++i) {
        Angles a{uniform(rng, -pi / 2, pi / 2), uniform(rng, 0, 2 * pi), uniform(rng, -pi / 2, pi / 2),
                 uniform(rng, -pi / 2, pi / 2), uniform(rng, 0, 2 * pi)};
        if (!windowAccepts(code, a))
            a.zn = 2 * pi - a.zn;
        check(code, a, tally);
    }
    std::printf("code %2d: %5d rows, %5d with isolated solutions (%4d without triangle); lost %d, phantom %d, "
                "NaN %d, out of range %d, message with result %d, arc without remark %d; worst residual %.1e rad\n",
                code, tally.rows, tally.isolated, tally.noTriangle, tally.lost, tally.phantom, tally.nan,
                tally.outOfRange, tally.messageAndResult, tally.unremarked, tally.worst);
    EXPECT_EQ(tally.lost, 0);
    EXPECT_EQ(tally.phantom, 0);
    EXPECT_EQ(tally.nan, 0);
    EXPECT_EQ(tally.outOfRange, 0);
    EXPECT_EQ(tally.messageAndResult, 0);
    EXPECT_EQ(tally.unremarked, 0);
}

INSTANTIATE_TEST_SUITE_P(AllCases, Oracle, testing::Values(28, 19, 22, 25, 26, 21, 14, 7, 13, 11),
                         [](const testing::TestParamInfo<int>& info) { return "code" + std::to_string(info.param); });

}  // namespace
}  // namespace morvel::test
