// Composite great-circle sailing against GeographicLib on the sphere where a
// minute of arc is a mile: random ends and limits (each leg's length and
// courses, tangency at the parallel, the total), and the odd routes.
#include "gcs/composite.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using morvel::gcs::Composite;
constexpr double deg = std::numbers::pi / 180;
const GeographicLib::Geodesic sphere(10800 / std::numbers::pi, 0);  // metres are nautical miles

double gap(double a, double b) { return std::abs(std::remainder(a - b, 360)); }

/// The composite route of the ends in degrees, on the great circle's course.
Composite route(double lat1, double lon1, double lat2, double lon2, double limit)
{
    double s12, azi1, azi2;
    sphere.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    return morvel::gcs::composite(lat1 * deg, lon1 * deg, lat2 * deg, lon2 * deg, std::fmod(azi1 + 360, 360) * deg,
                                  limit * deg);
}

TEST(Composite, LegsMatchGeographicLib)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> u(0, 1);
    int composites = 0;
    for (int i = 0; i < 1000; ++i) {
        const double lat1 = -80 + 160 * u(rng), lat2 = -80 + 160 * u(rng), lon1 = 360 * u(rng) - 180,
                     lon2 = 360 * u(rng) - 180, side = i % 2 ? 1 : -1;
        // How far the great circle goes towards the side's pole: its vertex,
        // a quarter circle on from the equator, if between the ends.
        const GeographicLib::GeodesicLine line = sphere.InverseLine(lat1, lon1, lat2, lon2);
        const double toVertex = std::fmod(side * 90 - line.EquatorialArc() + 720, 360) * 60;
        const double highest = toVertex <= line.Distance() ? side * (90 - std::abs(line.EquatorialAzimuth()))
                                                           : side * std::max(side * lat1, side * lat2);
        // A limit beyond both ends, mostly short of the great circle's reach.
        const double reach = std::max({side * lat1, side * lat2, 1.0});
        const double limit = side * std::min(reach + (std::max(side * highest, reach) + 2 - reach) * u(rng), 89.0);
        const Composite c = route(lat1, lon1, lat2, lon2, limit);
        EXPECT_NEAR(c.greatCircleMiles, line.Distance(), 1e-6) << i;
        EXPECT_NEAR(c.highest / deg, highest, 1e-6) << i;
        if (std::abs(highest - limit) < 1e-6)
            continue;
        ASSERT_EQ(c.outcome == Composite::Outcome::composite, side * (highest - limit) > 0) << i;
        if (c.outcome != Composite::Outcome::composite)
            continue;
        ++composites;
        // The legs on the ends and the points on the parallel; the first
        // arrives along the parallel, the last leaves along it.
        const double ends[2][4] = {{lat1, lon1, c.meets.lat / deg, c.meets.lon / deg},
                                   {c.leaves.lat / deg, c.leaves.lon / deg, lat2, lon2}};
        for (int k = 0; k < 2; ++k) {
            const morvel::gcs::CompositeLeg& leg = c.legs[2 * k];
            double s12, azi1, azi2;
            sphere.Inverse(ends[k][0], ends[k][1], ends[k][2], ends[k][3], s12, azi1, azi2);
            EXPECT_NEAR(leg.miles, s12, 1e-6) << i << " leg " << 2 * k;
            EXPECT_TRUE(s12 < 1e-3 || std::max(gap(leg.course / deg, azi1), gap(leg.finalCourse / deg, azi2)) < 1e-6)
                << i << " leg " << 2 * k;
            EXPECT_EQ(k ? leg.course : leg.finalCourse, (c.east ? 90 : 270) * deg) << i;
        }
        const double run = std::fmod((c.east ? 1 : -1) * (c.leaves.lon - c.meets.lon) / deg + 720, 360);
        EXPECT_NEAR(c.legs[1].miles, run * 60 * std::cos(limit * deg), 1e-6) << i;
        EXPECT_NEAR(c.miles, line.Distance() + c.longer, 1e-6) << i;
        EXPECT_NEAR(c.longer, c.legs[0].miles + c.legs[1].miles + c.legs[2].miles - line.Distance(), 1e-6) << i;
    }
    EXPECT_GT(composites, 100);  // the composite route, not the great circle, is what is tested
}

TEST(Composite, PolesAntipodesAndTheLimitItself)
{
    using O = Composite::Outcome;  // miles: the route's length; 0 when not known here
    const struct { const char* name; double lat1, lon1, lat2, lon2, limit; O outcome; double miles; } rows[] = {
        {"the vertex past the destination", 50, 0, 52, 10, 53, O::greatCircle, 0},
        {"over the north pole", 40, -10, 70, 170, 75, O::composite, 0},
        {"to the antipode along the tangent", 30, 0, -30, 180, 60, O::composite, 10800},
        {"along the limit", 60, 0, 60, 90, 60, O::composite, 90 * 60 * 0.5},
    };
    for (const auto& row : rows) {
        const Composite c = route(row.lat1, row.lon1, row.lat2, row.lon2, row.limit);
        EXPECT_EQ(c.outcome, row.outcome) << row.name;
        EXPECT_NEAR(c.miles, row.miles ? row.miles : c.miles, 1e-6) << row.name;
        for (const auto& leg : c.legs)
            EXPECT_TRUE(std::isfinite(leg.miles + leg.course + leg.finalCourse + c.longer)) << row.name;
    }
}

}  // namespace
