/// \file gpx.h
/// \brief A passage's waypoints as a GPX 1.1 route for chart plotters, and
/// a file written whole or not at all. No Qt.
///
/// One <rte> a solution, named after its ends ("33°0'S 71°36'W to 31°24'N
/// 121°48'E"), with one <rtept> a waypoint, departure and destination
/// included, named WP001, WP002, ... Latitudes and longitudes are decimal
/// degrees to six decimals (about 0.1 m), north and east positive, the
/// longitude in -180..180 with 180 written as -180, as the GPX 1.1 schema
/// (http://www.topografix.com/GPX/1/1/gpx.xsd) wants it.
#pragma once

#include "cli/answer.h"

#include <string>

namespace morvel::cli {

/// The GPX 1.1 document of the routes of a; a must have routes.
std::string gpxText(const Answer& a);

/// Writes text to the file at path whole or not at all: into a new file
/// beside it, then renamed over it. Empty when done, else why not (the
/// target is left as it was and nothing is left beside it).
std::string writeWhole(const std::string& path, const std::string& text);

}  // namespace morvel::cli
