/// \file nmea.h
/// \brief NMEA 0183 sentences for a chart plotter: a fix as a waypoint
/// ($GPWPL) and as the ship's position ($GPGLL). No Qt.
///
/// Radians in, north and east positive. A sentence is "$" + fields parted
/// by commas + "*" + the checksum (the exclusive or of every character
/// between "$" and "*", two upper-case hex digits) + CR LF, 82 characters
/// at most. Latitudes are written ddmm.mmmm and longitudes dddmm.mmmm with
/// N/S and E/W, the minutes rounded to four decimals (about 0.2 m). A
/// waypoint's name keeps the printable ASCII characters NMEA allows in a
/// field (no , * $ ! \ ^ ~), the others each written "-", and is cut to
/// what the sentence's length leaves. The GLL sentence is NMEA 2.0's
/// (position, UTC time, status A) without the later mode field: every
/// plotter reads it, and it claims no particular kind of receiver.
#pragma once

#include <string>

namespace morvel::instruments {

/// The checksum of the characters between "$" and "*" of sentence.
unsigned nmeaChecksum(const std::string& body);

/// $GPWPL: a waypoint named name at (lat, lon).
std::string wplSentence(double lat, double lon, const std::string& name);

/// $GPGLL: the position at seconds since midnight UTC (0 to 86400).
std::string gllSentence(double lat, double lon, double secondsOfDay);

}  // namespace morvel::instruments
