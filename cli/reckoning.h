/// \file reckoning.h
/// \brief morvel-solve's dead reckoning and the GPS: the set and drift a
/// fix gives, current sailing, the EP, and the position from gpsd. The
/// options read and checked, reckoning/ and instruments/ asked, the
/// answers written. No Qt.
///
///   --set-drift --dr POS --fix POS --hours H
///   --current-sailing --track A --speed KN --set A --drift KN
///   --ep --pos POS --dr-time UTC --course A --speed KN --at UTC
///        [--set A --drift KN]
///   --gps [--gpsd HOST:PORT] [--timeout S]
/// and --decimal and --json with any of them.
///
/// The conventions are reckoning/reckoning.h's: the set is the direction
/// the current flows toward, true; drifts and speeds in knots; positions
/// run by mid-latitude sailing, refused within a degree of a pole (a
/// position given there, or a run that reaches there). --hours is the time
/// since the last fix (above 0, up to 240); --ep carries the DR up to 240
/// hours either way.
///
/// Plain text: a row a quantity, angles in the sight form (or five
/// decimals with --decimal), knots and miles to a tenth. JSON (decimal
/// degrees true, knots, nautical miles to a hundredth):
///   set-drift        {"set", "drift", "distance"}
///   current-sailing  {"course_to_steer", "speed_made_good", "other":
///                     {"course_to_steer", "speed_made_good"} or null}
///   ep               {"lat", "lon", "at", "course_made_good",
///                     "distance_made_good"}
///   gps              {"lat", "lon", "ut", "course", "speed" (null where
///                     the receiver gives none), "fix" ("2D" or "3D"),
///                     "quality", "satellites", "hdop" (or null)}
///
/// Exit status 0; 1 when no course makes good the track (the reason on
/// the error stream) or gpsd gives no fix within --timeout (5 s when not
/// given); 2 on bad input, or when no gpsd answers at HOST:PORT
/// (localhost:2947 when not given).
#pragma once

#include "cli/almanac.h"

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

namespace morvel::cli {

enum class ReckoningMode { setDrift, currentSailing, ep, gps };

/// The mode of a flag (set-drift, current-sailing, ep, gps: without
/// dashes).
bool isReckoningMode(std::string_view name, ReckoningMode& mode);

/// Whether an option (without dashes) belongs to these modes alone.
bool isReckoningOption(std::string_view name);

/// values holds every option given, by name without dashes (also pos,
/// speed, dr-time, course and at, which other modes share).
int runReckoning(ReckoningMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
                 std::ostream& out, std::ostream& err);

}  // namespace morvel::cli
