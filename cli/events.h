/// \file events.h
/// \brief morvel-solve --events: the day's rising, setting, twilights and
/// meridian passages of the Sun and the Moon at a position, in zone time
/// and UT (almanac/events.h). No Qt.
///
///   --events DATE --pos POS [--zone ZD] [--dut1 S] [--json]
///
/// The day is DATE in zone time at the position: UT = zone time + ZD, the
/// zone description as the sight log writes it (navtext's one reader), by
/// default the position's nautical zone, ZD = -round(east longitude / 15
/// degrees) (+5 at 75 W).
///
/// Plain text: a row an event, its zone time and UT to the minute; an
/// event the day has not says why; one the day has twice has a row each.
/// JSON: date, lat, lon (decimal degrees, north and east positive), zone,
/// and under sunrise, sunset, civil_dawn, civil_dusk, nautical_dawn,
/// nautical_dusk, moonrise, moonset, sun_transit and moon_transit the UT
/// of the first as "2026-12-07T11:04:00Z" (to the minute), or null; notes
/// {event: why there is none}, more {event: [the later ones]}.
#pragma once

#include "cli/almanac.h"

#include <iosfwd>
#include <map>
#include <string>

namespace morvel::cli {

/// values: pos, and zone when given, by name without dashes.
int runEvents(const std::string& date, const std::map<std::string, std::string>& values,
              const AlmanacOptions& options, std::ostream& out, std::ostream& err);

}  // namespace morvel::cli
