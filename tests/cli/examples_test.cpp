// Published worked examples: morvel-solve gives the published figures, and
// so does GeographicLib on a sphere (flattening 0, one minute of arc one
// nautical mile), which vouches for the figures themselves.
#include "cli/report.h"
#include "cli/route.h"
#include "cli/solve.h"
#include "gcs/sailing.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace morvel::test {
namespace {

using cli::Field;
constexpr double degree = std::numbers::pi / 180;

/// One published figure: degrees (or nautical miles), within half its last
/// published unit; text, where given, is what morvel-solve prints for it.
struct Figure {
    const char* what;
    double published, half;
    const char* text;
};

struct Example {
    const char* name;
    std::vector<cli::Entry> given;
    std::vector<Figure> figures;
};

double dm(double d, double m)
{
    return d + m / 60;
}

double circle(double deg)
{
    return std::fmod(deg + 360, 360);
}

// ---- What morvel-solve says ----

struct Answer {
    double value;
    std::string text;
};

Answer cliSays(const Example& e, const std::string& what)
{
    const cli::ProblemRead p = cli::readProblem(e.given, false);
    if (const auto* c = std::get_if<cli::CelestialProblem>(&*p.problem)) {
        const cli::CelestialResult r = cli::solve(*c);
        if (what == "alt")
            return {r.sets[0][3] / degree, navtext::altitudeText(r.sets[0][3], false)};
        return {r.sets[0][4] / degree, navtext::circleText(r.sets[0][4], false)};
    }
    const cli::PassageResult r = cli::solve(std::get<cli::PassageProblem>(*p.problem));
    const cli::Passage& s = r.sets[0];
    const cli::Route route = cli::route(s, 180);
    if (what == "distance")
        return {gcs::shownMiles(s.alt), navtext::milesText(gcs::shownMiles(s.alt))};
    if (what == "course")
        return {s.course / degree, navtext::circleText(s.course, false)};
    if (what == "final")
        return {s.finalCourse / degree, navtext::circleText(s.finalCourse, false)};
    if (what == "dlo")
        return {s.dlo / degree, navtext::dloText(s.dlo, s.dloEast, false)};
    if (what == "vertex lat")
        return {route.vertex.lat / degree, navtext::latitudeText(route.vertex.lat, false)};
    if (what == "node lon")
        return {route.crossings.at(0).lon / degree, navtext::longitudeText(route.crossings.at(0).lon, false)};
    if (what == "node course")
        return {route.crossings.at(0).course / degree, navtext::circleText(route.crossings.at(0).course, false)};
    if (what == "rhumb course")
        return {route.legs.at(0).course / degree, navtext::circleText(route.legs.at(0).course, false)};
    return {route.legs.at(0).miles, navtext::milesText(std::floor(route.legs.at(0).miles * 10 + 0.5) / 10)};
}

// ---- What GeographicLib says ----

/// The sight (latitude, LHA, declination, degrees): the observer at
/// (lat, 0), the body's geographic position at (dec, -lha).
double sphereSight(double lat, double lha, double dec, const std::string& what)
{
    const GeographicLib::Geodesic sphere(1, 0);
    double s12, azi1, azi2;
    sphere.Inverse(lat, 0, dec, -lha, s12, azi1, azi2);
    return what == "alt" ? 90 - s12 / degree : circle(azi1);
}

double spherePassage(double lat1, double lon1, double lat2, double lon2, const std::string& what)
{
    const GeographicLib::Geodesic sphere(1, 0);
    double s12, azi1, azi2;
    sphere.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    const GeographicLib::GeodesicLine line(sphere, lat1, lon1, azi1);
    double lat, lon, azi;
    line.ArcPosition(-line.EquatorialArc(), lat, lon, azi);  // the northward node
    double rs12, razi;
    GeographicLib::Rhumb(1, 0).Inverse(lat1, lon1, lat2, lon2, rs12, razi);
    if (what == "distance")
        return s12 / degree * 60;
    if (what == "course")
        return circle(azi1);
    if (what == "final")
        return circle(azi2);
    if (what == "dlo")
        return std::abs(std::remainder(lon2 - lon1, 360));
    if (what == "vertex lat")
        return -(90 - std::abs(line.EquatorialAzimuth()));  // the southern vertex, on these tracks
    if (what == "node lon")
        return lon;
    if (what == "node course")
        return circle(azi);
    if (what == "rhumb course")
        return circle(razi);
    return rs12 / degree * 60;
}

TEST(WorkedExamples, SightReductions)
{
    const Example examples[] = {
        // Sight reduction page of seamoss.dhs.org (sightreduce3n.html), its
        // worked example: LHA 8°18.1'E, Lat 39°50.6'N, Dec 23°08.4'N give
        // Hc 71°52.8', Zn 154°43.7'.
        {"LHA 8°18.1'E at 39°50.6'N",
         {{Field::lat, "39 50.6N"}, {Field::lha, "351 41.9"}, {Field::dec, "23 08.4N"}},
         {{"alt", dm(71, 52.8), 0.05 / 60, "71°52.8'"}, {"zn", dm(154, 43.7), 0.05 / 60, "154°43.7'"}}},
        // The Nautical Almanac's concise sight reduction tables, the exact
        // answers to its two examples as worked by R. Bernecky on NavList
        // ("Revised Nautical Almanac Concise Sight Reduction Tables",
        // 2015 Feb 16): H 30°00.3', Zn 303.8° and H 31°45.7', Zn 236.2°.
        {"NA concise tables, example 1",
         {{Field::lat, "45 00.0N"}, {Field::lha, "89 00.0"}, {Field::dec, "44 00.0N"}},
         // The windows write no zero before a decimal point: 30°.3'.
         {{"alt", dm(30, 0.3), 0.05 / 60, "30°.3'"}, {"zn", 303.8, 0.05, nullptr}}},
        {"NA concise tables, example 2",
         {{Field::lat, "45 00.0N"}, {Field::lha, "45 00.0"}, {Field::dec, "02 10.0N"}},
         {{"alt", dm(31, 45.7), 0.05 / 60, "31°45.7'"}, {"zn", 236.2, 0.05, nullptr}}},
    };
    const double given[3][3] = {{dm(39, 50.6), dm(351, 41.9), dm(23, 8.4)}, {45, 89, 44}, {45, 45, dm(2, 10)}};
    for (size_t i = 0; i < std::size(examples); ++i)
        for (const Figure& f : examples[i].figures) {
            const Answer a = cliSays(examples[i], f.what);
            EXPECT_NEAR(a.value, f.published, f.half) << examples[i].name << ": " << f.what;
            if (f.text) {
                EXPECT_EQ(a.text, f.text) << examples[i].name << ": " << f.what;
            }
            EXPECT_NEAR(sphereSight(given[i][0], given[i][1], given[i][2], f.what), f.published, f.half)
                << examples[i].name << ": GeographicLib's " << f.what;
        }
}

TEST(WorkedExamples, GreatCircleRoutes)
{
    struct Route {
        Example example;
        double lat1, lon1, lat2, lon2;
    };
    const Route routes[] = {
        // Valparaíso to Shanghai, the worked example of Wikipedia's
        // "Great-circle navigation": initial course -94.41°, final -78.42°,
        // central angle 168.56°; the node at -169.67° with azimuth -56.74°
        // (the vertex at 33.26° S, which the track passes).
        {{"Valparaíso to Shanghai",
          {{Field::from, "33S 71.6W"}, {Field::to, "31.4N 121.8E"}},
          {{"course", 360 - 94.41, 0.005, nullptr},
           {"final", 360 - 78.42, 0.005, nullptr},
           {"distance", 168.56 * 60, 0.005 * 60, nullptr},
           {"node lon", -169.67, 0.005, nullptr},
           {"node course", 360 - 56.74, 0.005, nullptr},
           {"vertex lat", -(90 - 56.74), 0.005, nullptr}}},
         -33, -71.6, 31.4, 121.8},
        // An airline captain's worked example on sci.aeronautics.airliners
        // (1995, "orthodromie"): 33°00'S 91°55'W to 14°30'N 100°39'E, DLo
        // 167°26', distance 158°16' = 9496 nm, initial course 214°40'.
        {{"33°00'S 91°55'W to 14°30'N 100°39'E",
          {{Field::from, "33 00S 91 55W"}, {Field::to, "14 30N 100 39E"}},
          {{"dlo", dm(167, 26), 0.5 / 60, "167°26'W"},
           {"distance", 9496, 0.5, nullptr},
           {"course", dm(214, 40), 0.5 / 60, nullptr}}},
         -33, -dm(91, 55), 14.5, dm(100, 39)},
        // Mercator sailing on the sphere in NavList's "Silicon Sea" leg 80
        // (B. Noyce, 2001 Oct 17): 4°09.6'N 111°34'W to 19°30.0'N 154°45'W,
        // rhumb line 290.0° for 2690.1 nmi.
        {{"Silicon Sea leg 80",
          {{Field::from, "4 09.6N 111 34W"}, {Field::to, "19 30.0N 154 45W"}},
          {{"rhumb course", 290.0, 0.05, nullptr}, {"rhumb distance", 2690.1, 0.05, "2690.1"}}},
         dm(4, 9.6), -dm(111, 34), 19.5, -dm(154, 45)},
    };
    for (const Route& r : routes)
        for (const Figure& f : r.example.figures) {
            const Answer a = cliSays(r.example, f.what);
            EXPECT_NEAR(a.value, f.published, f.half) << r.example.name << ": " << f.what;
            if (f.text) {
                EXPECT_EQ(a.text, f.text) << r.example.name << ": " << f.what;
            }
            EXPECT_NEAR(spherePassage(r.lat1, r.lon1, r.lat2, r.lon2, f.what), f.published, f.half)
                << r.example.name << ": GeographicLib's " << f.what;
        }
}

}  // namespace
}  // namespace morvel::test
