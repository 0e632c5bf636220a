// The noon sight, star identification and the sky at a time against the
// Swiss Ephemeris places of tests/almanac/reference (GHA and declination
// per body and instant) and the altitude and azimuth of a known position by
// plain vector geometry.
#include "sight/identify.h"
#include "sight/noon.h"
#include "sight/sky.h"
#include "reference/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

using namespace morvel;
using namespace morvel::sight;

namespace {

constexpr double deg = std::numbers::pi / 180;
constexpr double arcmin = deg / 60;

/// A body's place at an instant, with the instant's TT and UT1.
struct Row {
    double tt = 0, ut1 = 0, gha = 0, dec = 0, sd = 0, hp = 0;
};

/// The reference: the instants in file order, each with its bodies by name.
const std::vector<std::map<std::string, Row>>& reference()
{
    static const std::vector<std::map<std::string, Row>> rows = [] {
        std::vector<std::map<std::string, Row>> out;
        for (const test::ReferenceEpoch& e : test::referenceEpochs()) {
            auto& bodies = out.emplace_back();
            for (const auto& [name, p] : e.bodies)
                bodies[name] = {e.tt, e.ut1, p.gha, p.dec, p.sd, p.hp};
        }
        return out;
    }();
    return rows;
}

almanac::Instant instantOf(const Row& r)
{
    return almanac::Instant::fromJulian(r.tt, r.ut1);
}

/// The UT1 of a reference row as a UtcTime (UTC taken equal to UT1).
UtcTime timeOf(const Row& r)
{
    return UtcTime{1970, 1, 1, 0}.plus((r.ut1 - 2440587.5) * 86400);
}

/// Altitude and azimuth of a body at gha, dec from lat, lon (east
/// positive): the body's geographical position and the observer's zenith
/// as unit vectors, the azimuth from the north and east unit vectors.
std::pair<double, double> altAz(double gha, double dec, double lat, double lon)
{
    const double b[3] = {std::cos(dec) * std::cos(-gha), std::cos(dec) * std::sin(-gha), std::sin(dec)};
    const double up[3] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
    const double north[3] = {-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
    const double east[3] = {-std::sin(lon), std::cos(lon), 0};
    auto dot = [&](const double* v) { return b[0] * v[0] + b[1] * v[1] + b[2] * v[2]; };
    const double zn = std::atan2(dot(east), dot(north));
    return {std::asin(dot(up)), zn < 0 ? zn + 2 * std::numbers::pi : zn};
}

double wrapped(double x)
{
    return std::remainder(x, 2 * std::numbers::pi);
}

}  // namespace

TEST(Noon, StationaryShipAtTheSunsMeridianPassage)
{
    // At every reference instant put the ship on the Sun's meridian: noon
    // there is that instant, the noon latitude comes back from a sextant
    // altitude made for a known latitude, and the longitude from the time.
    ASSERT_EQ(reference().size(), 300u);
    double worstTime = 0, worstLat = 0, worstLon = 0;
    int n = 0;
    for (const auto& instant : reference()) {
        const Row& sun = instant.at("Sun");
        const double lon = wrapped(-sun.gha);
        const double lat = (n++ % 2 ? sun.dec + 35 * deg : sun.dec - 50 * deg);
        if (std::fabs(lat) > 80 * deg)
            continue;
        // The ship's date is the local one: UT1 + longitude.
        const UtcTime date = timeOf(sun).plus(lon / deg * 240).midnight();
        const Noon noon = localApparentNoon(date, {lat + 0.4 * deg, lon, 0, 0});
        ASSERT_TRUE(noon.ok()) << noon.error;
        worstTime = std::max(worstTime, std::fabs(noon.time.instant().jdUT1() - sun.ut1) * 86400);

        const Conditions c{-1.5, 12, 10, 1010};
        const double ho = 90 * deg - std::fabs(lat - sun.dec);
        const double hs = sextantAltitude(ho, c, Limb::lower, {sun.sd, sun.hp, false}, lat);
        const NoonLatitude found = noonLatitude(noon, hs, c, Limb::lower);
        ASSERT_TRUE(found.ok()) << found.error;
        worstLat = std::max(worstLat, std::fabs(found.lat - lat));

        const NoonLongitude longitude = longitudeAtMaximum(timeOf(sun));
        ASSERT_TRUE(longitude.ok());
        worstLon = std::max(worstLon, std::fabs(wrapped(longitude.lon - lon)));
    }
    std::printf("worst: noon %.2f s, latitude %.3f', longitude %.3f'\n", worstTime, worstLat / arcmin,
                worstLon / arcmin);
    EXPECT_LT(worstTime, 3.0);
    EXPECT_LT(worstLat, 0.1 * arcmin);
    EXPECT_LT(worstLon, 0.25 * arcmin);  // UTC is taken for UT1: up to 0.9 s
}

TEST(Noon, MovingShipHasTheSunOnItsMeridian)
{
    struct Case {
        const char* name;
        double course, speed;
        double drTime;  // seconds of 2026-12-07 UTC; the default, 12:00 local mean time at 70 W, is 60000
    } cases[] = {{"stopped", 0, 0, 60000},          {"east 20 kn", 90, 20, 60000},
                 {"west 30 kn", 270, 30, 60000},    {"south-west 12 kn", 225, 12, 60000},
                 {"DR at 08:00 UTC", 135, 15, 28800}, {"DR the evening before", 0, 18, -14400}};
    const DeadReckoning dr{40 * deg, -70 * deg, 0, 0};
    const UtcTime date{2026, 12, 7, 0};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        DeadReckoning moving = dr;
        moving.course = k.course * deg;
        moving.speed = k.speed;
        const std::optional<UtcTime> held = k.drTime == 60000 ? std::nullopt : std::optional(date.plus(k.drTime));
        const Noon noon = localApparentNoon(date, moving, 0, held);
        ASSERT_TRUE(noon.ok()) << noon.error;
        const almanac::Place sun = almanac::placeOf(*almanac::findBody("Sun"), noon.time.instant());
        EXPECT_NEAR(wrapped(sun.gha + noon.lon), 0, 0.01 * arcmin);
        // The ship is where it has run to since the DR's time.
        const double hours = (noon.time.seconds - k.drTime) / 3600;
        EXPECT_NEAR(noon.lat, dr.lat + k.speed * hours * std::cos(k.course * deg) * arcmin, 1e-4 * arcmin);
        const double midLat = (dr.lat + noon.lat) / 2;
        EXPECT_NEAR(noon.lon, dr.lon + k.speed * hours * std::sin(k.course * deg) / std::cos(midLat) * arcmin,
                    1e-4 * arcmin);
    }
    EXPECT_FALSE(localApparentNoon(date, dr, 0, date.plus(-30000)).ok());  // 25 h before noon
}

TEST(Identify, TheTrueBodyComesFirst)
{
    struct Case {
        const char* body;
        int instant;
        double dLat, dLon;  // the observer from the body's position, degrees
        double compass;     // the error of the azimuth taken, degrees
    } cases[] = {{"Sirius", 3, 20, 30, 0},   {"Vega", 50, -25, -40, 2},    {"Polaris", 120, -45, 10, 0},
                 {"Jupiter", 200, 15, 50, -2}, {"Acrux", 250, -20, -20, 0}, {"Venus", 17, 30, -35, 1}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.body);
        const Row& r = reference()[size_t(k.instant)].at(k.body);
        const double lat = std::clamp(r.dec + k.dLat * deg, -75 * deg, 75 * deg);
        const double lon = wrapped(-r.gha + k.dLon * deg);
        const auto [alt, zn] = altAz(r.gha, r.dec, lat, lon);
        ASSERT_GT(alt, 10 * deg);
        const double hs = sextantAltitude(alt, {}, Limb::center, {}, lat);
        const Identification found = identify(instantOf(r), lat, lon, hs, zn + k.compass * deg);
        ASSERT_TRUE(found.ok()) << found.error;
        ASSERT_FALSE(found.candidates.empty());
        EXPECT_EQ(found.candidates[0].body.name, k.body);
        EXPECT_NEAR(found.candidates[0].dAlt, 0, 0.3 * arcmin);
        EXPECT_NEAR(found.candidates[0].dZn, -k.compass * deg, 0.3 * arcmin);
        if (k.compass == 0) {
            EXPECT_NEAR(found.dec, r.dec, 0.3 * arcmin);
        }
    }
}

TEST(Sky, VisibleBodiesAgreeWithTheGeometry)
{
    struct Case {
        int instant;
        double lat, lon;
    } cases[] = {{0, 40, -70}, {99, -33.9, 18.4}, {180, 60, 5}, {299, 0, 170}};
    double worst = 0;
    for (const Case& k : cases) {
        const auto& bodies = reference()[size_t(k.instant)];
        const SkyView view = skyAt(instantOf(bodies.at("Sun")), k.lat * deg, k.lon * deg);
        ASSERT_TRUE(view.ok()) << view.error;
        int expected = 0;
        for (const auto& [name, r] : bodies)
            expected += name != "Aries" && altAz(r.gha, r.dec, k.lat * deg, k.lon * deg).first > 0;
        EXPECT_EQ(int(view.bodies.size()), expected);
        for (const Visible& v : view.bodies) {
            const Row& r = bodies.at(std::string(v.body.name));
            const auto [alt, zn] = altAz(r.gha, r.dec, k.lat * deg, k.lon * deg);
            const double limit = (v.body.kind == almanac::BodyKind::moon ? 0.2 : 0.1) * arcmin;
            EXPECT_NEAR(v.hc, alt, limit) << v.body.name;
            EXPECT_NEAR(wrapped(v.zn - zn) * std::cos(alt), 0, limit) << v.body.name;
            worst = std::max(worst, std::fabs(v.hc - alt));
        }
    }
    std::printf("worst Hc %.3f'\n", worst / arcmin);
}

TEST(Sky, TwilightsPutTheSunAtMinusSixAndTwelve)
{
    struct Case {
        const char* name;
        UtcTime day;
        double lat, lon;
        int found;  // how many of the four instants the day has
    } cases[] = {{"mid-latitude winter", {2026, 12, 7, 0}, 40, -70, 4},
                 {"tropics", {2026, 3, 20, 0}, 10, 20, 4},
                 {"south summer", {2027, 1, 15, 0}, -45, 170, 4},
                 {"white nights: no nautical", {2026, 6, 21, 0}, 60, 10, 2},
                 {"polar summer: none", {2026, 6, 21, 0}, 80, 0, 0}};
    const double levels[] = {-12 * deg, -6 * deg, -6 * deg, -12 * deg};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const Twilight t = twilightOf(k.day, k.lat * deg, k.lon * deg);
        ASSERT_TRUE(t.ok()) << t.error;
        const std::optional<UtcTime> times[] = {t.nauticalMorning, t.civilMorning, t.civilEvening, t.nauticalEvening};
        int found = 0;
        for (int i = 0; i < 4; ++i) {
            if (!times[i])
                continue;
            ++found;
            EXPECT_EQ(times[i]->day, k.day.day);
            const almanac::Place sun = almanac::placeOf(*almanac::findBody("Sun"), times[i]->instant());
            EXPECT_NEAR(altAz(sun.gha, sun.dec, k.lat * deg, k.lon * deg).first, levels[i], 0.01 * deg) << i;
        }
        EXPECT_EQ(found, k.found);
        // Star sights halfway between: the Sun near -9 degrees.
        for (const std::optional<UtcTime>& middle : {t.middleOfMorning(), t.middleOfEvening()}) {
            EXPECT_EQ(bool(middle), k.found == 4);
            if (middle) {
                const almanac::Place sun = almanac::placeOf(*almanac::findBody("Sun"), middle->instant());
                EXPECT_NEAR(altAz(sun.gha, sun.dec, k.lat * deg, k.lon * deg).first, -9 * deg, 0.2 * deg);
            }
        }
    }
}

// Hand-made skies: each body a name (the Sun, the Moon and the planets
// are themselves, any other name a star), Hc, Zn and magnitude (none for
// the Sun and the Moon); the bodies wellSpread chooses, in order of
// azimuth.
TEST(Sky, WellSpreadBodies)
{
    struct Star {
        const char* name;
        double hc, zn;
        std::optional<double> mag;
    };
    struct Case {
        const char* name;
        int count;
        std::vector<Star> sky;
        std::vector<std::string> chosen;
    } cases[] = {
        {"three 120 degrees apart among brighter ones bunched in the east", 3,
         {{"e1", 40, 80, -1}, {"e2", 40, 95, -0.5}, {"e3", 40, 110, 0}, {"n", 40, 0, 1}, {"se", 40, 120, 1},
          {"sw", 40, 240, 1}},
         {"n", "se", "sw"}},
        {"the brighter set when it is spread nearly as well", 3,
         {{"b1", 30, 5, 0.5}, {"b2", 30, 125, 0.5}, {"b3", 30, 240, 0.5}, {"f1", 30, 0, 2}, {"f2", 30, 120, 2},
          {"f3", 30, 240, 2}},
         {"b1", "b2", "b3"}},
        {"the best spread when the bright set is far worse", 3,
         {{"b1", 30, 0, 0}, {"b2", 30, 40, 0}, {"b3", 30, 80, 0}, {"f1", 30, 10, 2}, {"f2", 30, 130, 2},
          {"f3", 30, 250, 2}},
         {"f1", "f2", "f3"}},
        {"the set across north", 3,
         {{"a", 50, 350, 1}, {"b", 50, 110, 1}, {"c", 50, 230, 1}, {"d", 50, 60, 1.5}}, {"b", "c", "a"}},
        {"too high and too low are left out", 3,
         {{"zenith", 80, 0, 0}, {"horizon", 5, 120, 0}, {"a", 45, 10, 1}, {"b", 45, 130, 1}, {"c", 45, 250, 1},
          {"d", 45, 240, 2}},
         {"a", "b", "c"}},
        {"four 90 degrees apart", 4,
         {{"a", 20, 0, 1}, {"b", 20, 45, 1}, {"c", 20, 90, 1}, {"d", 20, 180, 1}, {"e", 20, 270, 1},
          {"f", 20, 300, 1}},
         {"a", "c", "d", "e"}},
        {"the Moon outshines a star of magnitude -1.5", 3,
         {{"Moon", 40, 125, std::nullopt}, {"a", 40, 0, -2}, {"b", 40, 240, -2}, {"sirius", 40, 120, -1.5}},
         {"a", "Moon", "b"}},
        {"nothing to the north: the widest the sky allows", 3,
         {{"a", 30, 90, 1}, {"b", 30, 180, 1}, {"c", 30, 270, 1}, {"d", 30, 135, 1}}, {"a", "b", "c"}},
        {"two within the band are not enough for three", 3,
         {{"a", 30, 0, 1}, {"b", 30, 120, 1}, {"c", 10, 240, 1}}, {}},
        {"by day the Sun, the Moon and Venus", 3,
         {{"Sun", 40, 180, std::nullopt}, {"Moon", 30, 60, std::nullopt}, {"Venus", 20, 300, -4.2},
          {"a", 40, 0, 0.5}, {"b", 40, 120, 0.5}},
         {"Moon", "Sun", "Venus"}},
        {"by day no star", 3,
         {{"Sun", 40, 180, std::nullopt}, {"Moon", 30, 60, std::nullopt}, {"Jupiter", 20, 300, -2.5},
          {"a", 40, 0, 0.5}},
         {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SkyView view;
        for (const Star& s : k.sky)
            view.bodies.push_back({almanac::findBody(s.name).value_or(almanac::Body{almanac::BodyKind::star, s.name}),
                                   s.hc * deg, s.zn * deg, s.mag});
        std::vector<std::string> chosen;
        for (size_t i : wellSpread(view, {}, k.count).bodies)
            chosen.emplace_back(view.bodies[i].body.name);
        EXPECT_EQ(chosen, k.chosen);
    }
}
