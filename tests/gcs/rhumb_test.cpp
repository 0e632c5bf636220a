// The rhumb line's run from a place against GeographicLib's Rhumb on a unit
// sphere, and back again by the inverse.
#include "gcs/rhumb.h"

#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double deg = std::numbers::pi / 180;

struct Leg {
    const char* name;
    double lat, lon, course, miles;
};

const Leg legs[] = {
    {"north_east", 40, -35, 45, 60},       {"due_east", 0, 179.5, 90, 120},
    {"south_west", -33, 151, 225, 300},    {"due_south", 10, 20, 180, 600},
    {"short", 60, 5, 300, 0.01},          {"high_latitude", 80, -10, 80, 200},
};

class RhumbRun : public ::testing::TestWithParam<Leg> {};

TEST_P(RhumbRun, MatchesGeographicLib)
{
    const Leg& r = GetParam();
    const GeographicLib::Rhumb sphere(1, 0);
    double lat2, lon2;
    sphere.Direct(r.lat, r.lon, r.course, r.miles / 60 * deg, lat2, lon2);
    const morvel::gcs::Place p = morvel::gcs::rhumbDestination(r.lat * deg, r.lon * deg, r.course * deg, r.miles);
    EXPECT_NEAR(p.lat / deg, lat2, 1e-9);
    EXPECT_NEAR(std::remainder(p.lon / deg - lon2, 360.0), 0, 1e-9);
    const morvel::gcs::Leg back = morvel::gcs::rhumb(r.lat * deg, p.lat, std::remainder(p.lon - r.lon * deg, 2 * std::numbers::pi));
    EXPECT_NEAR(back.miles, r.miles, 1e-6);
    if (r.miles > 1) {
        EXPECT_NEAR(back.course / deg, r.course, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Rhumb, RhumbRun, ::testing::ValuesIn(legs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
