/// \file sights.h
/// \brief morvel-solve --sights: a sight log reduced line by line and the
/// fix. No Qt; the log is sight_log.h's, the reductions and the fix
/// sight/reduction.h's and sight/fix.h's.
///
/// Plain text: a table of each sight's corrections (minutes of arc, signed
/// as added) and Ho; a table of its reduction at its DR (GHA, declination,
/// LHA, Hc, Zn and the intercept in nautical miles, T toward or A away);
/// a warning for each sight below 5 degrees of apparent altitude and for
/// each intercept over 30 nm (sight/reduction.h); then the
/// fix at the instant of the last sight, with its distance and bearing from
/// that sight's DR, the widest cut, why it is doubtful (fix.h), the 95 %
/// ellipse (three lines or more), a line for a sight excluded from it as a
/// blunder, and each line's residual, the excluded one's marked. Angles as
/// texts.h writes them, or decimal degrees with --decimal.
///
/// A log kept by the watch (a time column, sight_log.h) has the watch's
/// time beside the UTC it stands for: a Watch column ("19:33:00") and the
/// watch's time of the fix; in JSON "watch" ("2026-12-07 19:33:00", as a
/// row takes it) beside each "utc" and the fix's "time".
///
/// JSON, one object: sights[] (line, body, utc, limb, hs, the corrections
/// in minutes of arc, low_altitude, ho, gha, dec, lha, hc, zn in decimal
/// degrees, north and east positive, intercept in nautical miles, positive
/// toward, far_intercept, true over 30 nm);
/// errors[] (line, column, error); fix (lat, lon, time, distance, bearing,
/// iterations, cut, weak, doubtful, excluded[] {line, reason}, ellipse
/// {major, minor in nautical miles, orientation in degrees true} or null
/// from two lines, residuals[] in nautical miles, every line's), or null
/// with why beside it.
///
/// A sight that does not reduce at its DR (sight::reduce refuses it: an
/// observed altitude beyond the zenith, an intercept over 300 nm) is an
/// error of its line, left out of the fix like a line that could not be
/// read.
///
/// Exit status: 0 a fix (doubtful or with a line excluded too: both are
/// said), 1 no fix (fewer than two sights read, parallel lines, no
/// convergence), 2 a line or the header could not be read, or a sight not
/// reduced (the other lines are still reduced and fixed).
#pragma once

#include "cli/json_writer.h"
#include "sight/corrections.h"
#include "sightlog/sight_log.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace morvel::cli {

/// The same as JSON pairs (index, dip, refraction, semi_diameter, parallax
/// in minutes of arc) with low_altitude, true below 5 degrees.
void jsonCorrections(JsonObject& o, const sight::Corrections& k);

struct SightsOptions {
    bool decimal = false;
    bool json = false;
    double sigma = 0.5;  ///< minutes of arc
    /// The date on board, zone and watch error given for the whole log
    /// (sightlog::readSightLog).
    std::vector<sightlog::LogKey> clock = {};
};

int runSights(std::istream& in, const std::string& name, const SightsOptions& options, std::ostream& out,
              std::ostream& err);

}  // namespace morvel::cli
