/// \file gpx.h
/// \brief A passage's waypoints as a GPX 1.1 route for chart plotters. No
/// Qt. (The file is written by files/write.h, as a link or a FIFO asks.)
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

}  // namespace morvel::cli
