// The almanac's instants, names and refusals, and values printed in a
// published source: Meeus, Astronomical Algorithms, 2nd ed. (1998), worked
// examples 12.a, 33.a and 47.a.
#include "almanac/almanac.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using namespace morvel::almanac;

namespace {
constexpr double deg = std::numbers::pi / 180;
constexpr double arcmin = deg / 60;
}  // namespace

TEST(Instant, Scales)
{
    struct Row {
        const char* name;
        const char* utc;
        double dut1;
        double deltaT;  // TT - UT1, seconds
        double tolerance;
    };
    const Row rows[] = {
        {"before the leap second of 2017", "2016-12-31T12:00:00Z", 0, 68.184, 1e-4},
        {"the leap second itself: UT1 runs on", "2016-12-31T23:59:60.5Z", -0.4, 68.584, 1e-4},
        {"after it", "2017-01-01T00:00:00Z", 0.6, 68.584, 1e-4},
        {"a blank for the T, a fraction", "2020-06-01 10:00:00.25Z", -0.2, 69.384, 1e-4},
        {"UTC's drifting era", "1965-01-01T00:00:00Z", 0, 32.184 + 3.5401300, 1e-3},
        {"UTC's first instant", "1960-01-01T00:00:00Z", 0, 32.184 + 1.4178180 - 366 * 0.001296, 1e-3},
        // Before UTC, the USNO's historic delta T: 31.07 s at 1955.0, 33.150 s
        // at 1960.0, -2.70 s at 1900.0 (each instant a day or less after).
        {"before UTC, from the table", "1955-01-01T00:00:00Z", 0, 31.07, 0.001},
        {"UT1's last day", "1959-12-31T23:59:59Z", 0, 33.150, 0.001},
        {"1900", "1900-01-01T00:00:00Z", 0, -2.70, 0.01},
        {"after the table the last TAI - UTC holds", "2050-01-01T00:00:00Z", 0, 69.184, 1e-4},
    };
    for (const Row& r : rows) {
        const Instant t = Instant::parse(r.utc, r.dut1);
        ASSERT_TRUE(t.ok()) << r.name << ": " << t.error();
        EXPECT_NEAR(t.deltaT(), r.deltaT, r.tolerance) << r.name;
    }
    const Instant a = Instant::parse("2026-12-07T17:32:10Z", 0.5), b = Instant::parse("2026-12-07T17:32:10Z");
    EXPECT_NEAR((a.jdUT1() - b.jdUT1()) * 86400, 0.5, 1e-4) << "DUT1 moves UT1 alone";
    EXPECT_NEAR((a.jdTT() - b.jdTT()) * 86400, 0, 1e-4);
}

// What Instant::parse takes and what it refuses, with the words of the
// refusal: the zone, the leap seconds that were and those that were not,
// dates echoed as ISO, DUT1 before UTC began.
TEST(Instant, TakenOrRefused)
{
    struct Row {
        const char* utc;
        double dut1;
        const char* says;  // nullptr: taken
    };
    const Row rows[] = {
        {"2026-12-07T17:32:10Z", 0, nullptr},
        {"2026-12-07 17:32:10Z", 0, nullptr},
        {"2026-12-07T17:32:10", 0, "give the time in UTC with its Z: 2026-12-07T17:32:10Z"},
        {"2026-12-07 17:32:10.5", 0, "give the time in UTC with its Z: 2026-12-07 17:32:10.5Z"},
        {"2026-12-07T17:32:10+00:00", 0, "is not a UTC instant of the form"},
        {"2026-12-07T17:32Z", 0, "is not a UTC instant"},
        {"2026-12-07T17:32:10.Z", 0, "is not a UTC instant"},
        {"2026-12-07T17:32:10ZZ", 0, "is not a UTC instant"},
        {"yesterday", 0, "is not a UTC instant"},
        {"", 0, "is not a UTC instant"},
        {"2026-02-30T00:00:00Z", 0, "no such date and time: 2026-02-30T00:00:00Z"},
        {"2026-13-01T00:00:00Z", 0, "no such date and time: 2026-13-01T00:00:00Z"},
        {"2026-02-29T12:30:05.25Z", 0, "no such date and time: 2026-02-29T12:30:05.25Z"},
        // Leap seconds: second 60 of the last minute of a day the table ends
        // with a step, and no other.
        {"1972-06-30T23:59:60Z", 0, nullptr},
        {"1972-06-30T23:59:61Z", 0, "no such date and time: 1972-06-30T23:59:61Z"},
        {"1972-06-30T23:58:60Z", 0, "no such date and time"},
        {"2016-12-31T23:59:60.9Z", 0, nullptr},
        {"2016-12-30T23:59:60Z", 0, "(no leap second that long ended that day)"},
        {"2025-12-31T23:59:60Z", 0, "(no leap second that long ended that day)"},
        {"1965-03-10T23:59:60Z", 0, "(no leap second that long ended that day)"},
        {"1963-10-31T23:59:60.05Z", 0, nullptr},  // UTC stepped by 0.1 s
        {"1963-10-31T23:59:60.2Z", 0, "no such date and time: 1963-10-31T23:59:60.2Z"},
        {"1959-12-31T23:59:60.5Z", 0, "no such date and time: 1959-12-31T23:59:60.5Z"},
        // Before 1960 the time is UT1 itself.
        {"1959-12-31T23:59:59.9Z", 0, nullptr},
        {"1959-12-31T23:59:59.9Z", 0.1, "UTC began on 1960-01-01: a time before it is UT1 itself"},
        {"1960-01-01T00:00:00Z", 0.1, nullptr},
        {"2026-12-07T17:32:10Z", 0.95, "DUT1 must lie between -0.9 and +0.9 seconds"},
        {"1899-12-31T23:59:59Z", 0, "the almanac covers 1900 to 2100; 1899 is outside"},
        {"2101-01-01T00:00:00Z", 0, "2101 is outside"},
        {"2100-12-31T23:59:59.9Z", 0, nullptr},
    };
    for (const Row& r : rows) {
        const Instant t = Instant::parse(r.utc, r.dut1);
        if (!r.says) {
            EXPECT_TRUE(t.ok()) << r.utc << ": " << t.error();
            continue;
        }
        EXPECT_NE(t.error().find(r.says), std::string::npos) << r.utc << " DUT1 " << r.dut1 << ": " << t.error();
        const Place p = placeOf(*findBody("Sun"), t);
        EXPECT_EQ(p.error, t.error()) << r.utc;
    }
    EXPECT_FALSE(Instant::fromJulian(2488434.5, 2488434.5).ok());
    EXPECT_FALSE(Instant::fromJulian(NAN, 2451545).ok());
}

TEST(Bodies, NamesAndOrder)
{
    const struct {
        const char* typed;
        const char* found;
    } rows[] = {{"Rigil Kentaurus", "Rigil Kentaurus"}, {"rigil kent", "Rigil Kentaurus"},
                {"RIGIL KENT.", "Rigil Kentaurus"},     {"Zuben'ubi", "Zuben'ubi"},
                {"zubenelgenubi", "Zuben'ubi"},         {"Al Na'ir", "Al Na'ir"},
                {"alnair", "Al Na'ir"},                 {"Kaus Aust.", "Kaus Australis"},
                {"Sun", "Sun"},                         {"moon", "Moon"},
                {" aries ", "Aries"},                   {"polaris", "Polaris"}};
    for (const auto& r : rows) {
        const auto b = findBody(r.typed);
        ASSERT_TRUE(b) << r.typed;
        EXPECT_EQ(b->name, r.found) << r.typed;
    }
    EXPECT_FALSE(findBody("Vulcan"));
    EXPECT_FALSE(findBody(" "));
    const auto all = bodies();
    ASSERT_EQ(all.size(), 7u + 57 + 1);
    const char* first[] = {"Aries", "Venus", "Mars", "Jupiter", "Saturn", "Sun", "Moon", "Acamar", "Achernar"};
    for (std::size_t i = 0; i < std::size(first); ++i)
        EXPECT_EQ(all[i].name, first[i]);
    EXPECT_EQ(all[14].name, "Al Na'ir");
    EXPECT_EQ(all[63].name, "Zuben'ubi");
    EXPECT_EQ(all[64].name, "Polaris");
}

// Each star's GHA is GHA Aries plus its SHA; the sidereal time is the GHA of
// Aries.
TEST(Bodies, StarsByTheirSha)
{
    const Sky sky(Instant::parse("2026-12-07T17:32:10Z"));
    const double aries = sky.placeOf(*findBody("Aries")).gha;
    EXPECT_EQ(aries, sky.gast());
    for (const Body& b : bodies()) {
        const Place p = sky.placeOf(b);
        ASSERT_TRUE(p.ok()) << b.name;
        if (b.kind != BodyKind::star)
            continue;
        ASSERT_TRUE(p.sha && p.mag) << b.name;
        EXPECT_NEAR(std::remainder(aries + *p.sha - p.gha, 2 * std::numbers::pi), 0, 1e-12) << b.name;
    }
}

// Meeus gives right ascensions: RA = GAST - GHA. His instants are in TD
// (TT) and UT1; delta T as he takes it.
TEST(Published, Meeus)
{
    struct Row {
        const char* name;
        double jdTT, deltaT;  // seconds
        const char* body;
        double ra, dec;       // degrees
        double tolerance;     // minutes of arc
    };
    const Row rows[] = {
        // 12.a: 1987 April 10, 0h UT, apparent sidereal time 13h10m46.1351s.
        {"12.a", 2446895.5 + 55.0 / 86400, 55.0, "Aries", (13 + 10 / 60. + 46.1351 / 3600) * 15, 0, 0.003},
        // 33.a: Venus 1992 December 20, 0h TD (full VSOP87).
        {"33.a", 2448976.5, 59.0, "Venus", (21 + 4 / 60. + 41.454 / 3600) * 15, -(18 + 53 / 60. + 16.84 / 3600),
         0.02},
        // 47.a: the Moon 1992 April 12, 0h TD (ELP 2000-82 truncated).
        {"47.a", 2448724.5, 59.0, "Moon", 134.688470, 13.768368, 0.2},
    };
    for (const Row& r : rows) {
        const Sky sky(Instant::fromJulian(r.jdTT, r.jdTT - r.deltaT / 86400));
        const Place p = sky.placeOf(*findBody(r.body));
        ASSERT_TRUE(p.ok()) << r.name;
        // Aries: the sidereal time is its GHA.
        const double ra = r.body == std::string("Aries") ? p.gha : sky.gast() - p.gha;
        EXPECT_NEAR(std::remainder(ra - r.ra * deg, 2 * std::numbers::pi) / arcmin, 0, r.tolerance) << r.name;
        EXPECT_NEAR((p.dec - r.dec * deg) / arcmin, 0, r.tolerance) << r.name;
    }
    // 47.a: equatorial horizontal parallax 0.991990 degrees.
    const Place moon = placeOf(*findBody("Moon"), Instant::fromJulian(2448724.5, 2448724.5 - 59.0 / 86400));
    EXPECT_NEAR(*moon.hp / arcmin, 0.991990 * 60, 0.02);
}
