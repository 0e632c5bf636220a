/// \file gpx.h
/// \brief GPX 1.1 for chart plotters: the document's head, coordinates and
/// text as the schema (http://www.topografix.com/GPX/1/1/gpx.xsd) wants
/// them, and a fix as a waypoint. No Qt. (A file is written by
/// files/write.h.)
///
/// Latitudes and longitudes are decimal degrees to six decimals (about
/// 0.1 m), north and east positive, the longitude in -180..180 with 180
/// written as -180.
#pragma once

#include <string>

namespace morvel::instruments {

/// Text content with the characters XML gives meaning to escaped.
std::string xmlEscaped(const std::string& s);

/// Radians as GPX's decimal degrees; no zero is negative.
std::string gpxDegrees(double x, bool longitude);

/// The XML declaration and the opening <gpx> element, creator named.
std::string gpxHead(const std::string& creator);

/// A waypoint: one <wpt> with its time (as "2026-12-07T19:41:00Z"), name
/// and description, the whole GPX document.
std::string gpxWaypoint(double lat, double lon, const std::string& time, const std::string& name,
                        const std::string& description, const std::string& creator);

}  // namespace morvel::instruments
