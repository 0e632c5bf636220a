#include "sphere.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>

namespace morvel::test {

namespace {

constexpr double pi = std::numbers::pi;

const GeographicLib::Geodesic& unitSphere()
{
    static const GeographicLib::Geodesic g(1.0, 0.0);
    return g;
}

double turn(double x)
{
    x = std::fmod(x, 2 * pi);
    return x < 0 ? x + 2 * pi : x;
}

struct Vec {
    double x, y, z;
};
Vec operator*(double k, Vec v) { return {k * v.x, k * v.y, k * v.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec unit(double lat, double lon)
{
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// The observer stands at (lat, 0): north and east along the ground there.
Vec northAt(double lat) { return {-std::sin(lat), 0, std::cos(lat)}; }
const Vec east{0, 1, 0};

/// The point at arc distance s from the observer at (lat, 0) along azimuth az.
Vec along(double lat, double az, double s)
{
    return std::cos(s) * unit(lat, 0) + std::sin(s) * (std::cos(az) * northAt(lat) + std::sin(az) * east);
}

Solution fromBody(double lat, Vec b)
{
    return fromLhaDec(lat, turn(-std::atan2(b.y, b.x)), std::asin(std::clamp(b.z, -1.0, 1.0)));
}

}  // namespace

double angleGap(double a, double b)
{
    const double d = turn(a - b);
    return std::min(d, 2 * pi - d);
}

Solution fromLhaDec(double lat, double lha, double dec)
{
    double s12 = 0, azi1 = 0, azi2 = 0;
    unitSphere().Inverse(lat / degree, 0, dec / degree, -lha / degree, s12, azi1, azi2);
    return {lat, turn(lha), dec, pi / 2 - s12, turn(azi1 * degree)};
}

Solution fromAltAz(double lat, double alt, double az)
{
    double lat2 = 0, lon2 = 0;
    unitSphere().Direct(lat / degree, 0, az / degree, pi / 2 - alt, lat2, lon2);
    return {lat, turn(-lon2 * degree), lat2 * degree, alt, turn(az)};
}

double residual(const Solution& s)
{
    // Rounding may carry a latitude a few ulps beyond a pole; more is wrong.
    const double limit = pi / 2 + 1e-12;
    if (std::abs(s.lat) > limit || std::abs(s.dec) > limit || std::abs(s.alt) > limit)
        return HUGE_VAL;
    const double lat = std::clamp(s.lat, -pi / 2, pi / 2), dec = std::clamp(s.dec, -pi / 2, pi / 2);
    double s12 = 0, azi1 = 0, azi2 = 0;
    unitSphere().Inverse(lat / degree, 0, dec / degree, -s.lha / degree, s12, azi1, azi2);
    const double altGap = std::abs(pi / 2 - s12 - s.alt);
    // An azimuth error moves the body by that angle times its distance from
    // the zenith; at the poles the azimuth has no meaning.
    const double azGap = std::abs(std::sin(s12)) * std::cos(s.lat) * angleGap(azi1 * degree, s.az);
    return std::max(altGap, azGap);
}

Unknown unknownOf(int16_t code, const Angles& a)
{
    constexpr double h = pi / 2;
    const double lon = -a.lha;
    // Signed distance of a point from the body's hour circle, and whether it
    // lies on the body's half of it.
    auto offCircle = [lon](Vec p) { return -p.x * std::sin(lon) + p.y * std::cos(lon); };
    auto onHalf = [lon](Vec p) { return p.x * std::cos(lon) + p.y * std::sin(lon); };
    switch (code) {
    case 22:  // LHA: the altitude at that hour angle
        return {0, 2 * pi, true,
                [=](double u) { return dot(unit(a.dec, -u), unit(a.lat, 0)) - std::sin(a.alt); }, nullptr,
                [=](double u) { return fromLhaDec(a.lat, u, a.dec); }, [](const Solution& s) { return s.lha; }};
    case 26:  // declination on the body's hour circle
        return {-h, h, false,
                [=](double u) { return dot(unit(u, lon), unit(a.lat, 0)) - std::sin(a.alt); }, nullptr,
                [=](double u) { return fromLhaDec(a.lat, a.lha, u); }, [](const Solution& s) { return s.dec; }};
    case 21:  // zenith distance along the azimuth: the body's parallel
    case 25:  // zenith distance along the azimuth: the body's hour circle
        return {0, pi, false,
                [=](double u) {
                    const Vec p = along(a.lat, a.zn, u);
                    return code == 21 ? p.z - std::sin(a.dec) : offCircle(p);
                },
                code == 21 ? std::function<double(double)>() : [=](double u) { return onHalf(along(a.lat, a.zn, u)); },
                [=](double u) { return fromAltAz(a.lat, h - u, a.zn); },
                [](const Solution& s) { return h - s.alt; }};
    case 14:  // latitude: the altitude of the body
        return {-h, h, false,
                [=](double u) { return dot(unit(a.dec, lon), unit(u, 0)) - std::sin(a.alt); }, nullptr,
                [=](double u) { return fromLhaDec(u, a.lha, a.dec); }, [](const Solution& s) { return s.lat; }};
    case 7:  // latitude: the body seen at (alt, az) must be on its parallel
        return {-h, h, false, [=](double u) { return along(u, a.zn, h - a.alt).z - std::sin(a.dec); }, nullptr,
                [=](double u) { return fromAltAz(u, a.alt, a.zn); }, [](const Solution& s) { return s.lat; }};
    case 13:  // latitude: the body must bear zn
        return {-h, h, false,
                [=](double u) {
                    const Vec b = unit(a.dec, lon);
                    return dot(b, east) * std::cos(a.zn) - dot(b, northAt(u)) * std::sin(a.zn);
                },
                [=](double u) {
                    const Vec b = unit(a.dec, lon);
                    return dot(b, northAt(u)) * std::cos(a.zn) + dot(b, east) * std::sin(a.zn);
                },
                [=](double u) { return fromLhaDec(u, a.lha, a.dec); }, [](const Solution& s) { return s.lat; }};
    case 11:  // latitude: the body seen at (alt, az) must be on its hour circle
        return {-h, h, false, [=](double u) { return offCircle(along(u, a.zn, h - a.alt)); },
                [=](double u) { return onHalf(along(u, a.zn, h - a.alt)); },
                [=](double u) { return fromAltAz(u, a.alt, a.zn); }, [](const Solution& s) { return s.lat; }};
    case 19:  // direct: one point
        return {0, 0, false, [](double) { return 0.0; }, nullptr,
                [=](double) { return fromBody(a.lat, along(a.lat, a.zn, h - a.alt)); },
                [](const Solution&) { return 0.0; }};
    default:  // 28, direct
        return {0, 0, false, [](double) { return 0.0; }, nullptr,
                [=](double) { return fromLhaDec(a.lat, a.lha, a.dec); }, [](const Solution&) { return 0.0; }};
    }
}

namespace {

/// The zero of f between lo and hi, where f changes sign.
double bisect(const std::function<double(double)>& f, double lo, double hi)
{
    double flo = f(lo);
    for (int i = 0; i < 80 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        const double fm = f(mid);
        if ((fm < 0) == (flo < 0)) {
            lo = mid;
            flo = fm;
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}

/// The extremum of f in [lo, hi] (golden section on f's distance from 0 when
/// it bends towards 0).
double extremum(const std::function<double(double)>& f, double lo, double hi, bool maximum)
{
    const double g = (std::sqrt(5.0) - 1) / 2;
    auto value = [&](double x) { return maximum ? f(x) : -f(x); };
    double a = lo, b = hi;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = value(c), fd = value(d);
    for (int i = 0; i < 80 && b - a > 1e-13; ++i) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = value(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = value(d);
        }
    }
    return 0.5 * (a + b);
}

}  // namespace

std::vector<double> trueRoots(const Unknown& u, bool& nearTangent)
{
    nearTangent = false;
    constexpr int steps = 720;
    std::vector<double> xs, fs;
    for (int i = 0; i <= steps; ++i) {
        const double x = u.lo + (u.hi - u.lo) * i / steps;
        xs.push_back(x);
        fs.push_back(u.f(x));
    }
    // Split at the extrema so that every piece is monotonic.
    std::vector<double> grid = xs;
    for (int i = 1; i < steps; ++i) {
        const double before = fs[i] - fs[i - 1], after = fs[i + 1] - fs[i];
        if (before * after < 0) {
            const double x = extremum(u.f, xs[i - 1], xs[i + 1], before > 0);
            if (std::abs(u.f(x)) < 1e-9)
                nearTangent = true;
            grid.push_back(x);
        }
    }
    // An extremum inside the first or the last step shows no turn on the grid.
    for (int i : {0, steps - 1})
        for (bool maximum : {false, true}) {
            const double x = extremum(u.f, xs[i], xs[i + 1], maximum);
            if (std::abs(u.f(x)) < 1e-9)
                nearTangent = true;
            grid.push_back(x);
        }
    std::sort(grid.begin(), grid.end());
    std::vector<double> values;
    for (double x : grid)
        values.push_back(u.f(x));

    std::vector<double> roots;
    // A true root on an end of the range (a pole, the zenith) shows no sign
    // change; f there is rounding.
    auto atEnd = [&](double x) { return !u.periodic && std::abs(u.f(x)) < 1e-13; };
    auto add = [&](double x) {
        if (u.side) {
            const double s = u.side(x);
            if (std::abs(s) < 1e-7)
                nearTangent = true;
            if (s <= 0)
                return;
        }
        for (double r : roots)
            if (std::abs(r - x) < 1e-9 || (u.periodic && std::abs(std::abs(r - x) - (u.hi - u.lo)) < 1e-9))
                return;
        roots.push_back(x);
    };
    for (double end : {u.lo, u.hi})
        if (atEnd(end))
            add(end);
    for (size_t i = 0; i < grid.size(); ++i) {
        if (values[i] == 0)
            add(grid[i]);
        else if (i + 1 < grid.size() && values[i + 1] != 0 && (values[i] < 0) != (values[i + 1] < 0))
            add(bisect(u.f, grid[i], grid[i + 1]));
    }
    return roots;
}

}  // namespace morvel::test
