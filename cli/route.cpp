#include "cli/route.h"

#include "engine/angles.h"
#include "gcs/sailing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvel::cli {

namespace {

using math::pi, math::twoPi, math::halfPi, math::degree, math::isPole, math::wrap;
/// Arcs and longitudes closer than this (about 0.0002') are the same.
constexpr double slack = 1e-9;

struct Vec {
    double x, y, z;
};

Vec operator*(double k, Vec v) { return {k * v.x, k * v.y, k * v.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Vec at(double lat, double lon)
{
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}
Vec north(double lat, double lon)
{
    return {-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
}
Vec east(double lon)
{
    return {-std::sin(lon), std::cos(lon), 0};
}

/// Rounding's trace on a zero: the equator and the prime meridian are 0.
double clean(double x)
{
    return std::abs(x) < 1e-12 ? 0 : x;
}

/// The great circle of the track: the departure a, the direction d in which
/// it leaves, and its pole n = a x d. The point s along it is a cos s + d sin s.
struct Circle {
    Vec a, d, n;

    Vec point(double s) const { return std::cos(s) * a + std::sin(s) * d; }

    RoutePoint place(Vec p) const
    {
        RoutePoint r;
        r.lat = clean(std::atan2(p.z, std::hypot(p.x, p.y)));
        r.lon = clean(std::atan2(p.y, p.x));
        if (isPole(r.lat)) {
            // Over the pole the track leaves southward (northward).
            r.course = r.lat > 0 ? pi : 0;
            return r;
        }
        const Vec t = cross(n, p);
        r.course = wrap(std::atan2(dot(t, east(r.lon)), dot(t, north(r.lat, r.lon))));
        return r;
    }
};

}  // namespace

Route route(const Passage& p, double spacing)
{
    Route r;
    const double length = gcs::milesOf(p.alt) / 60 * degree;  // the arc of the track
    const Vec a = at(p.fromLat, p.fromLon);
    const Vec d = std::cos(p.course) * north(p.fromLat, p.fromLon) + std::sin(p.course) * east(p.fromLon);
    const Circle track{a, d, cross(a, d)};

    const RoutePoint from{p.fromLat, p.fromLon, p.course};
    const RoutePoint to{p.toLat, p.toLon, p.finalCourse};

    // The northern vertex is where a.z cos s + d.z sin s is greatest.
    const double reach = std::hypot(a.z, d.z);  // the sine of the vertex's latitude
    const bool equator = reach < 1e-15;
    if (!equator && length > 0) {
        const double sNorth = std::atan2(d.z, a.z);
        const double candidates[2] = {sNorth, sNorth > 0 ? sNorth - pi : sNorth + pi};
        double best = 0, bestGap = 4 * pi;
        for (double s : candidates) {
            const double gap = s < -slack ? -s : (s > length + slack ? s - length : 0);
            if (gap < bestGap) {
                best = s;
                bestGap = gap;
            }
        }
        r.vertex = track.place(track.point(best));
        if (isPole(r.vertex.lat))  // the pole has no longitude: the meridian of the departure
            r.vertex.lon = p.fromLon;
        r.vertexPlace = bestGap == 0    ? Route::VertexPlace::between
                        : best < 0      ? Route::VertexPlace::beforeDeparture
                                        : Route::VertexPlace::beyondDestination;

        // The equator a quarter circle either side of the vertex.
        std::vector<double> nodes;
        for (double s : {wrap(sNorth + halfPi), wrap(sNorth - halfPi)})
            if (s > slack && s < length - slack)
                nodes.push_back(s);
        std::sort(nodes.begin(), nodes.end());
        for (double s : nodes) {
            RoutePoint c = track.place(track.point(s));
            c.lat = 0;
            r.crossings.push_back(c);
        }
    }

    // Waypoints with their longitudes counted on from the departure's
    // without wrapping, so that each leg knows its way round.
    std::vector<double> unwrapped;
    r.waypoints.push_back(from);
    unwrapped.push_back(p.fromLon);
    const double nz = track.n.z;  // positive when the track runs east
    if (std::abs(nz) > 1e-12 && length > 0) {
        double sweep = std::remainder(p.toLon - p.fromLon, twoPi);
        if (nz > 0 && sweep < 0)
            sweep = sweep < -slack ? sweep + twoPi : 0;
        if (nz < 0 && sweep > 0)
            sweep = sweep > slack ? sweep - twoPi : 0;
        const double first = p.fromLon / pi * 180 / spacing;
        const double sign = nz > 0 ? 1 : -1;
        for (double k = nz > 0 ? std::floor(first) + 1 : std::ceil(first) - 1;; k += sign) {
            const double lon = k * spacing / 180 * pi;
            const double along = sign * (lon - p.fromLon);
            if (along >= std::abs(sweep) - slack)
                break;
            if (along <= slack)
                continue;
            const double c = std::cos(lon), s = std::sin(lon);
            const double lat = clean(std::atan2(-sign * (track.n.x * c + track.n.y * s), std::abs(nz)));
            RoutePoint w = track.place(at(lat, lon));
            w.lat = lat;
            w.lon = clean(std::remainder(lon, twoPi));
            r.waypoints.push_back(w);
            unwrapped.push_back(lon);
        }
        unwrapped.push_back(p.fromLon + sweep);
    } else {
        // Along a meridian: over the pole when the vertex, the pole, lies
        // between the ends.
        if (r.vertexPlace == Route::VertexPlace::between && isPole(r.vertex.lat) &&
            !isPole(p.fromLat) && !isPole(p.toLat)) {
            RoutePoint pole{r.vertex.lat > 0 ? halfPi : -halfPi, p.fromLon, r.vertex.lat > 0 ? pi : 0};
            r.waypoints.push_back(pole);
            unwrapped.push_back(p.fromLon);
        }
        unwrapped.push_back(p.toLon);
    }
    r.waypoints.push_back(to);

    for (size_t i = 0; i + 1 < r.waypoints.size(); ++i) {
        const Leg leg = gcs::rhumb(r.waypoints[i].lat, r.waypoints[i + 1].lat, unwrapped[i + 1] - unwrapped[i]);
        r.legs.push_back(leg);
        r.rhumbMiles += leg.miles;
    }
    return r;
}

Route route(const Passage& p, const gcs::Composite& c, double spacing)
{
    if (c.outcome != gcs::Composite::Outcome::composite)
        return route(p, spacing);
    // The two great circles as passages of their own.
    const auto greatCircle = [&](const gcs::Place& from, const gcs::Place& to, const gcs::CompositeLeg& leg) {
        Passage q;
        q.fromLat = from.lat;
        q.fromLon = from.lon;
        q.toLat = to.lat;
        q.toLon = to.lon;
        q.lha = gcs::dloBetween(from.lon, to.lon);
        q.alt = gcs::altitudeOf(leg.miles);
        q.course = leg.course;
        q.finalCourse = leg.finalCourse;
        return route(q, spacing);
    };
    const Route first = greatCircle({p.fromLat, p.fromLon}, c.meets, c.legs[0]);
    const Route last = greatCircle(c.leaves, {p.toLat, p.toLon}, c.legs[2]);

    Route r;
    r.composite = true;
    const double way = c.east ? 1 : -1;
    const auto add = [&](const RoutePoint& w) {
        // The ends of the legs meet: one waypoint where they do.
        if (!r.waypoints.empty() && std::abs(r.waypoints.back().lat - w.lat) < slack &&
            std::abs(std::remainder(r.waypoints.back().lon - w.lon, twoPi)) < slack)
            return;
        r.waypoints.push_back(w);
    };
    for (const RoutePoint& w : first.waypoints)
        add(w);
    // Along the parallel, on the meridians that are multiples of the spacing.
    const double along = c.legs[1].course, run = c.legs[1].miles / 60 * degree / std::cos(c.limit);
    const double firstMultiple = c.meets.lon / pi * 180 / spacing;
    for (double k = c.east ? std::floor(firstMultiple) + 1 : std::ceil(firstMultiple) - 1;; k += way) {
        const double lon = k * spacing / 180 * pi, gone = way * (lon - c.meets.lon);
        if (gone >= run - slack)
            break;
        if (gone > slack)
            r.waypoints.push_back({c.limit, clean(std::remainder(lon, twoPi)), along});
    }
    for (const RoutePoint& w : last.waypoints)
        add(w);
    r.waypoints.back() = {p.toLat, p.toLon, c.legs[2].finalCourse};
    r.crossings = first.crossings;
    r.crossings.insert(r.crossings.end(), last.crossings.begin(), last.crossings.end());

    // Each leg the way the route goes round.
    for (size_t i = 0; i + 1 < r.waypoints.size(); ++i) {
        const RoutePoint &a = r.waypoints[i], &b = r.waypoints[i + 1];
        double dlon = std::remainder(b.lon - a.lon, twoPi);
        if (way * dlon < -slack)
            dlon += way * twoPi;
        const Leg leg = gcs::rhumb(a.lat, b.lat, dlon);
        r.legs.push_back(leg);
        r.rhumbMiles += leg.miles;
    }
    return r;
}

Routes routesOf(const PassageResult& r, double spacing, const std::vector<gcs::Composite>& composites)
{
    Routes routes{spacing, {}};
    for (int k = 0; k < r.count; ++k)
        routes.routes.push_back(size_t(k) < composites.size()
                                    ? route(r.sets[size_t(k)], composites[size_t(k)], spacing)
                                    : route(r.sets[size_t(k)], spacing));
    return routes;
}

}  // namespace morvel::cli
