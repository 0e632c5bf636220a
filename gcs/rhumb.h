/// \file rhumb.h
/// \brief The rhumb line on the sphere: the course and distance between two
/// places, and the place a run of a course and distance leads to. No Qt.
///
/// Radians: latitudes signed north positive, longitudes and DLo east
/// positive, courses true 0..2pi. Distances in nautical miles, one a minute
/// of arc. Into or out of a pole the rhumb line is the meridian.
#pragma once

namespace morvel::gcs {

struct Leg {
    double course = 0;  ///< the rhumb line's constant course
    double miles = 0;
};

/// The rhumb line from latitude lat1 to lat2 across dlon of longitude
/// (east positive; the way round is the caller's).
Leg rhumb(double lat1, double lat2, double dlon);

struct Place {
    double lat = 0, lon = 0;
};

/// Where a run of miles on course leads from (lat, lon); the longitude in
/// -pi..pi. A run that would cross a pole stops there.
Place rhumbDestination(double lat, double lon, double course, double miles);

}  // namespace morvel::gcs
