/// \file route.h
/// \brief A great-circle passage laid out for the chart: its vertex, its
/// equator crossings and waypoints on every Nth meridian, with the
/// rhumb-line legs between them. No Qt.
///
/// The earth is a sphere on which one minute of arc is one nautical mile.
/// Angles are radians, latitudes north and longitudes east positive;
/// courses are true, 0 to 2pi; distances are nautical miles.
///
/// The track starts at the departure on the initial course and runs the
/// passage's distance; every point reported lies on it.
///
/// - The vertex is the point of the great circle nearest a pole. A great
///   circle has two, half a circle apart; the one reported lies on the
///   track when either does, else the one nearer an end of it. A track along
///   the equator has none; a track along a meridian has the pole.
/// - An equator crossing is a point strictly between the ends where the
///   track passes from one hemisphere to the other.
/// - Waypoints are the departure, the points where the track crosses the
///   meridians that are whole multiples of the spacing (every 10 degrees:
///   150 W, 140 W, ...), and the destination; a track over a pole has the
///   pole as a waypoint. Each carries the great-circle course there (at the
///   destination the final course) and the rhumb line to the next one.
///
/// A composite route (gcs/composite.h) is laid out leg by leg: the great
/// circle to the limiting parallel, the parallel (course 090 or 270), the
/// great circle from it; the points where it meets and leaves the parallel
/// are waypoints, and it has no vertex of its own.
#pragma once

#include "cli/solve.h"
#include "gcs/composite.h"
#include "gcs/rhumb.h"

#include <vector>

namespace morvel::cli {

struct RoutePoint {
    double lat = 0, lon = 0;
    double course = 0;  ///< the great-circle course here
};

using gcs::Leg;

struct Route {
    enum class VertexPlace { none, between, beforeDeparture, beyondDestination };
    VertexPlace vertexPlace = VertexPlace::none;  ///< none: along the equator, or no distance
    RoutePoint vertex;
    std::vector<RoutePoint> crossings;
    std::vector<RoutePoint> waypoints;  ///< departure first, destination last
    std::vector<Leg> legs;              ///< legs[i] from waypoints[i] to waypoints[i + 1]
    double rhumbMiles = 0;              ///< the legs together
    bool composite = false;             ///< the track is a composite route
};

/// The route of a passage with both longitudes known, waypoints on the
/// meridians every spacing degrees (above 0, at most 180). The destination
/// and its course are the passage's own.
Route route(const Passage& p, double spacing);

/// The route of a passage bounded by a limiting parallel: the composite
/// route c of the passage's ends, when it is one, else the great circle.
Route route(const Passage& p, const gcs::Composite& c, double spacing);

/// What goes with a passage's result when waypoints were asked for: the
/// route of each solution and the spacing of the meridians in degrees.
struct Routes {
    double spacing = 0;
    std::vector<Route> routes;
};

/// The routes of every solution of r; r must know its longitudes.
/// composites, when not empty, holds each solution's route within a limit.
Routes routesOf(const PassageResult& r, double spacing, const std::vector<gcs::Composite>& composites = {});

}  // namespace morvel::cli
