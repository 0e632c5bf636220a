// Waypoints and rhumb-line legs against GeographicLib's Geodesic and Rhumb
// on a sphere (flattening 0; radius 1, so one minute of arc is one nautical
// mile): random passages with every spacing, and the tracks that meet a
// pole, follow the equator or have no length; the rhumb line beside each
// answer; composite routes' waypoints and the GPX that carries them.
#include "cli/answer.h"
#include "cli/gpx.h"
#include "cli/route.h"
#include "cli/solve.h"
#include "cli/texts.h"
#include "gcs/sailing.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <regex>

namespace morvel::test {
namespace {

constexpr double degree = std::numbers::pi / 180;

/// |a - b| in degrees with whole turns removed.
double gap(double a, double b)
{
    return std::abs(std::remainder(a - b, 360));
}

cli::PassageProblem problem(double lat1, double lon1, double lat2, double lon2)
{
    cli::PassageProblem p;
    p.fromLat = lat1 * degree;
    p.fromLon = lon1 * degree;
    p.toLat = lat2 * degree;
    p.toLon = lon2 * degree;
    p.lha = gcs::dloBetween(*p.fromLon, *p.toLon);
    return p;
}

#ifdef MORVEL_SANITIZED
constexpr int samples = 300;
#else
constexpr int samples = 2000;
#endif

TEST(Route, WaypointsAndLegsMatchGeographicLib)
{
    const GeographicLib::Geodesic sphere(1, 0);
    const GeographicLib::Rhumb rhumb(1, 0);
    const double spacings[] = {1, 2.5, 5, 10, 45, 180};
    std::mt19937_64 rng(12);
    std::uniform_real_distribution<double> latitude(-89, 89), longitude(-180, 180);
    for (int i = 0; i < samples; ++i) {
        const double lat1 = latitude(rng), lon1 = longitude(rng), lat2 = latitude(rng), lon2 = longitude(rng);
        const double spacing = spacings[i % std::size(spacings)];
        const cli::PassageResult r = cli::solve(problem(lat1, lon1, lat2, lon2));
        ASSERT_EQ(r.count, 1);
        const cli::Route route = cli::route(r.sets[0], spacing);
        double s12, azi1, azi2;
        sphere.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
        const double length = s12 / degree;  // degrees of arc

        // Every waypoint lies on the track on a multiple of the spacing,
        // in order, with the track's course there.
        ASSERT_GE(route.waypoints.size(), 2u);
        ASSERT_EQ(route.legs.size(), route.waypoints.size() - 1);
        double along = 0, legs = 0;
        for (size_t k = 0; k < route.waypoints.size(); ++k) {
            const cli::RoutePoint& w = route.waypoints[k];
            double d, a1, a2;
            sphere.Inverse(lat1, lon1, w.lat / degree, w.lon / degree, d, a1, a2);
            if (k > 0) {
                EXPECT_LT(gap(a1, azi1), 1e-7) << i << " waypoint " << k;
                EXPECT_LT(gap(a2, w.course / degree), 1e-7) << i << " waypoint " << k;
                EXPECT_GT(d / degree, along) << i << " waypoint " << k;
                EXPECT_LE(d / degree, length + 1e-9) << i << " waypoint " << k;
                along = d / degree;
            }
            if (k > 0 && k + 1 < route.waypoints.size()) {
                const double multiple = w.lon / degree / spacing;
                EXPECT_NEAR(multiple, std::round(multiple), 1e-9) << i << " waypoint " << k;
            }
            if (k + 1 < route.waypoints.size()) {
                const cli::RoutePoint& next = route.waypoints[k + 1];
                double rs12, razi;
                rhumb.Inverse(w.lat / degree, w.lon / degree, next.lat / degree, next.lon / degree, rs12, razi);
                EXPECT_NEAR(route.legs[k].miles, rs12 / degree * 60, 1e-6) << i << " leg " << k;
                EXPECT_LT(gap(route.legs[k].course / degree, razi), 1e-7) << i << " leg " << k;
                legs += route.legs[k].miles;
            }
        }
        // One waypoint a meridian crossed, and the legs no shorter than the
        // great circle.
        const double dlon = std::abs(std::remainder(lon2 - lon1, 360));
        const double crossed = std::floor(dlon / spacing);
        EXPECT_LE(std::abs(double(route.waypoints.size()) - 2 - crossed), 1) << i;
        EXPECT_NEAR(route.rhumbMiles, legs, 1e-6) << i;
        EXPECT_GE(route.rhumbMiles, length * 60 - 1e-6) << i;

        // The vertex: on the great circle, crossing it at right angles to
        // the meridian, as far from the equator as the great circle goes.
        ASSERT_NE(route.vertexPlace, cli::Route::VertexPlace::none) << i;
        const double reach = 90 - std::abs(std::asin(std::sin(azi1 * degree) * std::cos(lat1 * degree)) / degree);
        EXPECT_NEAR(std::abs(route.vertex.lat / degree), reach, 1e-7) << i;
        double vd, va1, va2;
        sphere.Inverse(lat1, lon1, route.vertex.lat / degree, route.vertex.lon / degree, vd, va1, va2);
        EXPECT_NEAR(std::abs(std::remainder(va2, 180)), 90, 1e-6) << i;
        const bool between = route.vertexPlace == cli::Route::VertexPlace::between;
        EXPECT_EQ(between, gap(va1, azi1) < 1e-6 && vd <= s12 + 1e-12) << i;

        // The equator crossings: on the track, strictly between the ends.
        EXPECT_EQ(route.crossings.size(), size_t((lat1 < 0) != (lat2 < 0))) << i;
        for (const cli::RoutePoint& c : route.crossings) {
            double cd, ca1, ca2;
            sphere.Inverse(lat1, lon1, 0, c.lon / degree, cd, ca1, ca2);
            EXPECT_LT(gap(ca1, azi1), 1e-7) << i;
            EXPECT_LT(gap(ca2, c.course / degree), 1e-7) << i;
        }
    }
}

TEST(Route, TracksAtThePolesAndTheEquator)
{
    struct {
        const char* name;
        double lat1, lon1, lat2, lon2, spacing;
        int waypoints;
        cli::Route::VertexPlace vertex;
        double rhumbMiles;
    } rows[] = {
        {"over the north pole", 40, -10, 56 + 40.0 / 60, 170, 10, 3, cli::Route::VertexPlace::between, 5000},
        {"along the equator", 0, -10, 0, 50, 15, 6, cli::Route::VertexPlace::none, 3600},
        {"no distance", 40, -10, 40, -10, 10, 2, cli::Route::VertexPlace::none, 0},
        {"from the north pole", 90, 0, 10, -20, 10, 2, cli::Route::VertexPlace::between, 4800},
        {"up a meridian short of the pole", -30, 20, 60, 20, 10, 2, cli::Route::VertexPlace::beyondDestination, 5400},
    };
    for (const auto& row : rows) {
        const cli::PassageResult r = cli::solve(problem(row.lat1, row.lon1, row.lat2, row.lon2));
        const cli::Route route = cli::route(r.sets[0], row.spacing);
        EXPECT_EQ(int(route.waypoints.size()), row.waypoints) << row.name;
        EXPECT_EQ(route.vertexPlace, row.vertex) << row.name;
        EXPECT_NEAR(route.rhumbMiles, row.rhumbMiles, 1e-6) << row.name;
        for (const cli::Leg& leg : route.legs)
            EXPECT_TRUE(std::isfinite(leg.course) && std::isfinite(leg.miles)) << row.name;
    }
}

TEST(Route, RhumbLineBesideTheGreatCircle)
{
    const GeographicLib::Rhumb rhumb(10800 / std::numbers::pi, 0);  // metres are nautical miles
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> latitude(-89.9, 89.9), longitude(-180, 180);
    for (int i = 0; i < samples; ++i) {
        const double lat1 = latitude(rng), lon1 = longitude(rng), lat2 = latitude(rng), lon2 = longitude(rng);
        const cli::PassageResult r = cli::solve(problem(lat1, lon1, lat2, lon2));
        double miles, course;
        rhumb.Inverse(lat1, lon1, lat2, lon2, miles, course);
        EXPECT_NEAR(r.sets[0].rhumb.miles, miles, 1e-6) << i;
        EXPECT_LT(gap(r.sets[0].rhumb.course / degree, course), 1e-7) << i;
        EXPECT_GE(cli::milesSaved(r.sets[0]), 0) << i;
    }
}

TEST(Route, CompositeWaypointsAndTheirGpx)
{
    const GeographicLib::Geodesic sphere(1, 0);
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<double> latitude(20, 70), longitude(-180, 180);
    int composites = 0;
    for (int i = 0; i < 300; ++i) {
        const double side = i % 2 ? 1 : -1, lat1 = side * latitude(rng), lat2 = side * latitude(rng);
        const double limit = side * (std::max(side * lat1, side * lat2) + 1);
        const cli::Answer a = cli::answerOf(problem(lat1, longitude(rng), lat2, longitude(rng)), 5, limit * degree);
        const gcs::Composite& c = a.composites.at(0);
        if (c.outcome != gcs::Composite::Outcome::composite)
            continue;
        ++composites;
        // Each waypoint on its leg: the great circle from the departure, the
        // parallel, the great circle from where the route leaves it.
        const std::vector<cli::RoutePoint>& w = a.routes->routes[0].waypoints;
        int leg = 0;
        for (const cli::RoutePoint& point : w) {
            const bool onLimit = std::abs(point.lat / degree - limit) < 1e-9;
            leg = leg == 0 && onLimit ? 1 : leg == 1 && !onLimit ? 2 : leg;
            const gcs::Place from = leg < 2 ? gcs::Place{w[0].lat, w[0].lon} : c.leaves;
            double d, azi1, azi2;
            sphere.Inverse(from.lat / degree, from.lon / degree, point.lat / degree, point.lon / degree, d, azi1, azi2);
            EXPECT_TRUE(leg == 1 || d < 1e-9 || gap(azi1, c.legs[leg].course / degree) < 1e-6) << i;
        }
        EXPECT_EQ(leg, 2) << i;

        // The GPX read back: every waypoint in order, named WP001 on.
        const std::string gpx = cli::gpxText(a);
        const std::regex rtept(R"re(<rtept lat="([-0-9.]+)" lon="([-0-9.]+)"><name>WP(\d{3})</name></rtept>)re");
        size_t k = 0;
        for (auto m = std::sregex_iterator(gpx.begin(), gpx.end(), rtept); m != std::sregex_iterator(); ++m, ++k) {
            EXPECT_NEAR(std::stod((*m)[1]), w.at(k).lat / degree, 5e-7) << i;
            EXPECT_LT(gap(std::stod((*m)[2]), w[k].lon / degree), 5e-7) << i;
            EXPECT_EQ(std::stoi((*m)[3]), int(k + 1)) << i;
        }
        EXPECT_EQ(k, w.size()) << i;
    }
    EXPECT_GT(composites, 100);
}

}  // namespace
}  // namespace morvel::test
