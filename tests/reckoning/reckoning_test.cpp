// Dead reckoning, the EP, the current from a fix and current sailing
// against independent arithmetic: each leg run as GeographicLib's rhumb
// line on a sphere of a minute to the mile, and the current and the
// ship's motion added as plain vectors of north and east knots.
#include "engine/angles.h"
#include "reckoning/reckoning.h"

#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace morvel;
using math::degree;

constexpr double deg = degree;
// A sphere on which a minute of arc is a mile.
const GeographicLib::Rhumb rhumbLine(60 * 180 / math::pi, 0);

struct LegRow {
    double from, course, speed;  // hours, degrees, knots
};

struct Case {
    const char* name;
    double lat, lon;           // the start, degrees
    std::vector<LegRow> legs;  // the first at hour 0, the start's
    double at;                 // hours
    double set, drift;         // the current
    double track, speed;       // current sailing
    int courses;               // 0 when no course makes good the track
};

const Case cases[] = {
    {"one_leg_north_atlantic", 41.5, -37.2, {{0, 60, 9.5}}, 3, 135, 1.2, 90, 8, 1},
    {"three_legs_south", -33.9, 18.2, {{0, 200, 6}, {1.5, 250, 7}, {4, 180, 5.5}}, 6, 10, 0.8, 300, 6, 1},
    {"before_the_start", 10, 179.8, {{0, 90, 12}, {2, 0, 12}}, -2.5, 270, 2, 0, 12, 1},
    {"across_the_date_line", -5, 179.9, {{0, 95, 15}, {0.5, 80, 15}}, 2, 45, 0.5, 180, 10, 1},
    {"a_leg_replaced", 50, -5, {{0, 10, 7}, {1, 90, 6}, {1, 270, 6}}, 3, 200, 1.5, 45, 7, 1},
    {"stopped_then_under_way", 60, 5, {{0, 0, 0}, {1, 315, 10}}, 2, 90, 3, 0, 10, 1},
    {"current_outruns_the_ship", 0, 0, {{0, 90, 4}}, 1, 60, 6, 90, 4, 2},
    {"current_abeam_too_strong", 20, -60, {{0, 0, 3}}, 1, 90, 5, 0, 3, 0},
    {"current_dead_ahead_too_strong", 20, -60, {{0, 0, 3}}, 1, 180, 5, 0, 3, 0},
    {"current_square_across_as_fast", -40, 60, {{0, 90, 5}}, 1, 0, 5, 90, 5, 0},
};

class Reckoning : public testing::TestWithParam<Case> {};

TEST_P(Reckoning, AgainstVectors)
{
    const Case& c = GetParam();
    const reckoning::Place start{c.lat * deg, c.lon * deg};
    reckoning::Track track(start, 0, c.legs[0].course * deg, c.legs[0].speed);
    for (size_t i = 1; i < c.legs.size(); ++i)
        track.change(c.legs[i].from, c.legs[i].course * deg, c.legs[i].speed);

    // The DR: each leg in force between the start and the time, the last
    // given at a time winning, run as a rhumb line.
    std::vector<LegRow> legs;
    for (const LegRow& l : c.legs) {
        if (!legs.empty() && legs.back().from == l.from)
            legs.pop_back();
        legs.push_back(l);
    }
    double lat = c.lat, lon = c.lon, north = 0, east = 0;
    const double dir = c.at < 0 ? -1 : 1;
    for (size_t i = 0; i < legs.size(); ++i) {
        const double from = std::max(0.0, legs[i].from), to = i + 1 < legs.size() ? legs[i + 1].from : 1e9;
        const double hours = c.at < 0 ? (i == 0 ? -c.at : 0) : std::max(0.0, std::min(to, c.at) - from);
        const double miles = dir * legs[i].speed * hours;
        rhumbLine.Direct(lat, lon, legs[i].course, miles, lat, lon);
        north += miles * std::cos(legs[i].course * deg);
        east += miles * std::sin(legs[i].course * deg);
    }
    const reckoning::Place dr = track.at(c.at);
    const double cosLat = std::cos(lat * deg);
    EXPECT_NEAR(dr.lat / deg * 60, lat * 60, 1e-3);
    EXPECT_NEAR(std::remainder(dr.lon / deg - lon, 360) * 60 * cosLat, 0, 1e-3);

    // The EP: the current's vector over the hours added to the DR.
    const reckoning::Current current{c.set * deg, c.drift};
    const reckoning::Place ep = reckoning::estimated(track, current, c.at);
    double epLat, epLon;
    rhumbLine.Direct(lat, lon, c.set, c.drift * c.at, epLat, epLon);
    EXPECT_NEAR(ep.lat / deg * 60, epLat * 60, 1e-3);
    EXPECT_NEAR(std::remainder(ep.lon / deg - epLon, 360) * 60 * cosLat, 0, 1e-3);
    // Made good: the sum of the ship's and the current's vectors, within
    // what the curving of the meridians does over these runs.
    north += c.drift * c.at * std::cos(c.set * deg);
    east += c.drift * c.at * std::sin(c.set * deg);
    const gcs::Leg made = reckoning::between(start, ep);
    EXPECT_NEAR(made.miles, std::hypot(north, east), 0.01 + 0.002 * made.miles);
    if (made.miles > 1) {
        EXPECT_NEAR(std::remainder(made.course / deg - std::atan2(east, north) / deg, 360), 0, 0.3);
    }

    // The fix at the EP gives the current back over the hours since the
    // start (a time before the start runs the current back: none then).
    if (c.at > 0) {
        const reckoning::CurrentFound found = reckoning::currentFrom(dr, ep, c.at);
        ASSERT_TRUE(found.ok()) << found.error;
        EXPECT_NEAR(found.current.drift, c.drift, 1e-6);
        EXPECT_NEAR(found.miles, c.drift * c.at, 1e-5);
        if (c.drift > 0) {
            EXPECT_NEAR(std::remainder(found.current.set / deg - c.set, 360), 0, 1e-5);
        }
    }
    EXPECT_FALSE(reckoning::currentFrom(dr, ep, 0).ok());

    // Current sailing: the ship's water vector plus the current's lies
    // along the track, as far as the speed made good.
    const reckoning::CurrentSailing s = reckoning::courseToSteer(c.track * deg, c.speed, current);
    ASSERT_EQ(s.ok(), c.courses > 0) << s.error;
    if (!s.ok())
        return;
    ASSERT_EQ(s.other.has_value(), c.courses == 2);
    std::vector<reckoning::Steering> steers{s.steer};
    if (s.other)
        steers.push_back(*s.other);
    for (const reckoning::Steering& k : steers) {
        const double n = c.speed * std::cos(k.course) + c.drift * std::cos(c.set * deg);
        const double e = c.speed * std::sin(k.course) + c.drift * std::sin(c.set * deg);
        EXPECT_NEAR(-n * std::sin(c.track * deg) + e * std::cos(c.track * deg), 0, 1e-9);
        EXPECT_NEAR(n * std::cos(c.track * deg) + e * std::sin(c.track * deg), k.speedMadeGood, 1e-9);
        EXPECT_GT(k.speedMadeGood, 0);
    }
    if (s.other) {
        EXPECT_GT(s.steer.speedMadeGood, s.other->speedMadeGood);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Reckoning, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

}  // namespace
