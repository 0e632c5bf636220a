/// \file composite.h
/// \brief Composite great-circle sailing: the shortest passage that keeps
/// on the equator's side of a limiting parallel. No Qt.
///
/// Radians: latitudes signed, north positive; longitudes signed, east
/// positive, in -pi..pi; courses true, 0..2pi. Distances in nautical miles,
/// one a minute of arc. The limit is a latitude: a northern one (above 0)
/// bounds the route to the north, a southern one (below 0) to the south. A
/// place is poleward of the limit when it lies beyond it: north of a
/// northern limit, south of a southern one.
///
/// Where the great circle between the ends passes poleward of the limit,
/// the route is three legs: the great circle from the departure whose vertex
/// lies on the limit (it meets the parallel tangent to it), a run along the
/// parallel, and the great circle that leaves the parallel tangent to it for
/// the destination. The legs go the great circle's way round, east or west.
/// Where the great circle keeps within the limit, it is the route.
#pragma once

#include "gcs/rhumb.h"

namespace morvel::gcs {

/// One leg of a composite route: its length and its course at each end.
struct CompositeLeg {
    double miles = 0;
    double course = 0;       ///< the initial course
    double finalCourse = 0;  ///< the course on arrival
};

struct Composite {
    enum class Outcome {
        greatCircle,          ///< the great circle keeps within the limit and is the route
        composite,            ///< three legs
        departurePoleward,    ///< the departure lies beyond the limit: no route
        destinationPoleward,  ///< the destination lies beyond the limit: no route
    };
    Outcome outcome = Outcome::greatCircle;
    double limit = 0;  ///< the limiting latitude
    double greatCircleMiles = 0;
    /// The latitude of the great circle's point between the ends nearest
    /// the limit's pole (signed; the end itself where the vertex lies off
    /// the track).
    double highest = 0;
    /// Composite only: to the parallel, along it, from it to the destination.
    CompositeLeg legs[3];
    Place meets, leaves;  ///< composite only: where the route meets and leaves the parallel
    bool east = true;     ///< composite only: the legs run eastward (else westward)
    double miles = 0;     ///< the route's length: the legs together, or the great circle
    double longer = 0;    ///< how much longer the route is than the great circle
};

/// The route from (latA, lonA) to (latB, lonB) within the limit (0 <
/// |limit| < pi/2). course is the great circle's initial course: it tells
/// the way round where the ends alone do not (half a turn of DLo, the
/// antipode). A place on the limit is within it.
Composite composite(double latA, double lonA, double latB, double lonB, double course, double limit);

}  // namespace morvel::gcs
