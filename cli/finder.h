/// \file finder.h
/// \brief morvel-solve's noon sight, star identification and sky at a
/// time: the options read and checked, sight/noon.h, identify.h and sky.h
/// asked, the answers written. No Qt.
///
///   --noon --date D --pos POS [--dr-time UTC] [--course C --speed KN]
///          [--hs A [--limb L] [--ic M] [--eye H]] [--time-of-max UTC]
///   --identify --at UTC --pos POS --alt A --zn A [--ic M] [--eye H]
///   --sky --at UTC --pos POS
/// and --dut1 S with any of them.
///
/// The noon's DR holds at --dr-time, or at 12:00 local mean time of --date
/// at its longitude when none is given (sight/noon.h).
///
/// Plain text: a row a quantity, angles as the windows write them (or five
/// decimals with --decimal), instants in UTC to the second; the noon
/// sight's corrections each on its own, and a warning below 5 degrees of
/// apparent altitude. JSON (decimal degrees, north and east positive,
/// instants as "2026-12-07T11:48:10Z"):
///   noon      {"noon"; with --hs the corrections in minutes of arc and
///             "low_altitude" (sights.h), "ho" and "lat"; "lon" with
///             --time-of-max}
///   identify  {"ho", "low_altitude", "dec", "sha", "candidates": [{"body",
///             "hc", "zn", "d_alt", "d_zn"}]}, best first; d_alt and d_zn
///             are the body's less the sight's
///   sky       {"bodies": [{"body", "hc", "zn", "mag"}], "twilight":
///             {"nautical_morning", "civil_morning", "civil_evening",
///             "nautical_evening"}}, null for a twilight the day has not
/// Exit status 0, 1 when no body fits a sight, 2 on bad input (a message
/// naming the option).
#pragma once

#include "cli/almanac.h"

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

namespace morvel::cli {

enum class FinderMode { noon, identify, sky };

/// The mode of a flag (noon, identify, sky: the option without dashes).
bool isFinderMode(std::string_view name, FinderMode& mode);

/// Whether an option (without dashes) belongs to these modes alone.
bool isFinderOption(std::string_view name);

/// values holds every option given, by name without dashes (also at, alt,
/// zn and course, which other modes share); options are the almanac's
/// --decimal, --json and --dut1.
int runFinder(FinderMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
              std::ostream& out, std::ostream& err);

}  // namespace morvel::cli
