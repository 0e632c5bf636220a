/// \file batch.h
/// \brief Problems from CSV, one a line, answered in order. No Qt.
///
/// The first line names the columns, in any case: lat, lha, dec, alt, zn
/// for the celestial triangle; from_lat, from_lon, to_lat, to_lon, dlo,
/// distance, course (and from, to for whole positions) for the great
/// circle; body, at (and dut1) for the almanac (almanac.h). Each
/// following line is one problem: its cells are written as on the command
/// line, an empty cell is a quantity not given, so one file may mix the
/// cases. Cells may be double-quoted ("40 12.3N, 70 30.5W" as one
/// position). Blank lines and lines starting with # are skipped; lines are
/// read as csv_reader.h reads them.
///
/// The answer is CSV too (report.h gives the columns), one line per
/// problem, each starting with the number of the line it answers and
/// written as that line is read; a bad line (more cells than the header
/// names, a line too long among them) is answered with status "error" and
/// the reason, and the rest go on. With JSON every answer is one JSON
/// object on its own line.
#pragma once

#include "cli/report.h"

#include <iosfwd>
#include <string>

namespace morvel::cli {

/// Answers every problem of in on out, written as style says (waypoints
/// with JSON only); returns the exit status (command.h).
int runBatch(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err, const Style& style);

}  // namespace morvel::cli
