// The Moon's parallax on the WGS 84 ellipsoid against plain vector
// geometry. The observer stands on the ellipsoid at a geodetic latitude:
// GeographicLib's Geocentric gives the position from the Earth's centre and
// the east-north-up axes of the geodetic horizon there. The Moon is put at
// a geocentric altitude and azimuth in that horizon, an equatorial radius
// over sin HP from the centre; its altitude seen from the observer is what
// a perfect sextant reads of its centre (no dip, no refraction). Reduced
// there, the sight's Ho must come back to the geocentric altitude within
// 0.02'; the parallax of a spherical Earth misses by up to 0.2'.
#include "sight/reduction.h"

#include <GeographicLib/Geocentric.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180, arcmin = deg / 60;

TEST(MoonParallax, OnTheEllipsoid)
{
    const GeographicLib::Geocentric& earth = GeographicLib::Geocentric::WGS84();
    sight::Sight s;
    s.body = *almanac::findBody("Moon");
    s.conditions.pressure = 0;  // no air, no refraction
    for (double hp : {54.0, 61.5})
        for (double lat : {0, 30, -30, 45, -45, 60, -60, 80, -80})
            for (double alt : {5, 30, 60, 85})
                for (double az : {0, 90, 180, 270}) {
                    double at[3];
                    std::vector<double> m(9);  // east-north-up into the Earth's axes
                    earth.Forward(lat, 0, 0, at[0], at[1], at[2], m);
                    const double enu[3] = {std::cos(alt * deg) * std::sin(az * deg),
                                           std::cos(alt * deg) * std::cos(az * deg), std::sin(alt * deg)};
                    const double distance = earth.EquatorialRadius() / std::sin(hp * arcmin);
                    double moon[3], seen[3] = {0, 0, 0};
                    for (int i = 0; i < 3; ++i)
                        moon[i] = distance * (m[3 * i] * enu[0] + m[3 * i + 1] * enu[1] + m[3 * i + 2] * enu[2]);
                    for (int j = 0; j < 3; ++j)
                        for (int i = 0; i < 3; ++i)
                            seen[j] += m[3 * i + j] * (moon[i] - at[i]);
                    almanac::Place place;
                    place.gha = std::fmod(std::atan2(-moon[1], moon[0]) + 2 * std::numbers::pi, 2 * std::numbers::pi);
                    place.dec = std::asin(moon[2] / distance);
                    place.hp = hp * arcmin;
                    place.sd = 16 * arcmin;
                    s.hs = std::atan2(seen[2], std::hypot(seen[0], seen[1]));
                    const sight::Reduction r = sight::reduce(s, place, lat * deg, 0);
                    ASSERT_TRUE(r.ok()) << r.error;
                    EXPECT_NEAR(r.corrections.ho / arcmin, alt * 60, 0.02)
                        << "HP " << hp << "' lat " << lat << " alt " << alt << " Zn " << az;
                    EXPECT_NEAR(r.intercept, 0, 0.02);
                }
}

}  // namespace
