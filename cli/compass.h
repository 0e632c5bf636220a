/// \file compass.h
/// \brief morvel-solve's compass book: the compass error by a body's
/// azimuth or amplitude, the model's variation, and the deviation card.
/// The options read and checked, compass/ asked, the answers written.
/// No Qt.
///
///   --compass --body NAME --at UTC --pos POS --bearing A [--gyro]
///             [--variation A|auto] [--heading A]
///   --amplitude (the same) [--eye H] [--horizon visible|celestial]
///   --magnetic --pos POS --at UTC
///   --deviation-card FILE
/// and --dut1 S, --decimal and --json with any of them.
///
/// --variation takes the chart's variation east or west ("2.5 E", "1.0W",
/// signed east positive), or auto for the World Magnetic Model's at the
/// position and time (compass/magnetic.h); a model that cannot give it
/// (a date outside 2025 to 2029, its files missing) is refused, naming the
/// chart's as the way on. A field in the model's caution or blackout zone
/// is said. --gyro takes no variation.
///
/// Plain text: a row a quantity, angles in the sight form (degrees and
/// minutes, or five decimals with --decimal), the errors to a tenth of a
/// degree as navigators write them ("2.3° E", "1.5° high", "E 21.4° S").
/// JSON (decimal degrees; errors, variation and deviation east positive;
/// instants as "2026-12-07T11:48:10Z"):
///   compass, amplitude  {"method" ("azimuth" or "amplitude"), "body",
///       "at", "gyro", "bearing", "azimuth" (true), "altitude" (the
///       centre's true altitude), "error", "variation" and "deviation"
///       (null where the variation is unknown or the bearing a gyro's),
///       "heading" (with --heading), "warning" (the model's zone, or
///       null); the amplitude method adds "amplitude" (north positive),
///       "rising" and "moment", when the centre stands on the horizon}
///   magnetic  {"at", "year", "variation", "inclination" (down positive),
///       "total" and "horizontal" (nT), "warning" (or null)}
///   deviation card  {"headings", "coefficients" {"A" .. "E"}, "card"
///       [{"heading", "deviation"}] every 15 degrees of compass heading,
///       "residuals" [] one an observation in the file's order, "advice"
///       and "gaps" [{"from", "to"}], "errors" [{"line", "column",
///       "error"}]}, or "card": null and "why" when there is none.
///
/// The deviation card reads CSV (sightlog/csv_reader.h) whose header
/// names heading and deviation in any case: a compass heading 0 to 360
/// and a deviation east or west. A line that cannot be read is named on
/// the error stream with its line and column, and the card is made from
/// the others.
///
/// Exit status 0; 1 when there is no card (under five headings); 2 on bad
/// input: an option (a message naming it), a bearing refused (a body below
/// the horizon, one far from it for an amplitude), a model that cannot
/// give the variation asked for, a line of the card's file.
#pragma once

#include "cli/almanac.h"

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

namespace morvel::cli {

enum class CompassMode { compass, amplitude, magnetic };

/// The mode of a flag (compass, amplitude, magnetic: without dashes).
bool isCompassMode(std::string_view name, CompassMode& mode);

/// Whether an option (without dashes) belongs to these modes alone; gyro
/// is a flag among them, given with an empty value.
bool isCompassOption(std::string_view name);

/// values holds every option given, by name without dashes (also at, pos,
/// eye and dut1, which other modes share); options are the almanac's
/// --decimal, --json and --dut1.
int runCompass(CompassMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
               std::ostream& out, std::ostream& err);

/// --deviation-card: the observations in in, name naming it in messages.
int runDeviationCard(std::istream& in, const std::string& name, const AlmanacOptions& options, std::ostream& out,
                     std::ostream& err);

}  // namespace morvel::cli
