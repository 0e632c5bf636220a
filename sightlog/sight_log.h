/// \file sight_log.h
/// \brief The sight log: one sight a line of CSV, read into sight::Sight
/// values. No Qt; the command line and the windows read it alike.
///
/// The first line that is not a comment is the header naming the columns,
/// in any order and any case:
///
///   utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon
///
///   utc       the instant in UTC with its Z, 2026-12-07T17:32:10Z
///             (almanac::Instant::parse)
///   body      Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational
///             star by any name almanac::findBody knows, in any case (a
///             near miss refused naming the body meant)
///   limb      lower, upper or centre (center, LL, UL, any case); only the
///             Sun and the Moon have limbs;
///             empty (or no column) is the centre
///   hs        the sextant altitude, 0 to 90 degrees, as navtext.h reads an
///             altitude (34 12.3, 34°12.3', 34 12 18, 34,205)
///   ic        the index correction, minutes of arc, added to hs (-30..30;
///             empty 0): off the arc positive, as navtext.h reads it
///             (-1.2, 1.2 off, 1.2 on)
///   eye       height of eye, 0 to 100 metres, in metres or feet as
///             navtext.h reads it (2.5, 2.5 m, 8 ft, 8')
///   temp      air temperature, deg C, -50 to 50 (empty 10)
///   pressure  hPa, 900 to 1100 (empty 1010)
///   dr_lat, dr_lon  the DR at the instant of the sight, as navtext.h reads a
///             latitude and a longitude; latitudes beyond 89 degrees are
///             refused (the run between DRs is sailed at the mid-latitude)
///
/// utc, body, hs, eye, dr_lat and dr_lon are needed. Blank lines and lines
/// starting with # are comments (csv_reader.h). A line that cannot be read
/// is reported with its line number and the column (counted from 1, and
/// named) and left out; the others are kept.
#pragma once

#include "sight/reduction.h"
#include "sightlog/csv_reader.h"

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvel::sightlog {

/// The columns of a sight log in their usual order (a file may order them
/// otherwise; its header says how).
enum class SightColumn : int { utc, body, limb, hs, ic, eye, temp, pressure, drLat, drLon };
inline constexpr size_t sightColumns = 10;
inline constexpr std::array<const char*, sightColumns> sightColumnNames = {
    "utc", "body", "limb", "hs", "ic", "eye", "temp", "pressure", "dr_lat", "dr_lon"};
/// One line's cells in the usual order; an empty cell is an empty text.
using SightCells = std::array<std::string, sightColumns>;

/// One sight read from its cells, or the first column at fault and why.
struct SightRead {
    std::optional<sight::Sight> sight;
    SightColumn column = SightColumn::utc;
    std::string why;
};

/// dr, when given, is the DR already worked out for a row that follows
/// one (latitude and longitude, radians): the DR cells are then not read.
SightRead readSight(const SightCells& cells, const std::optional<std::pair<double, double>>& dr = {});

struct SightLogError {
    int line = 0;
    int column = 0;  ///< from 1; 0 when the whole line is at fault
    std::string name;  ///< the column's name in the header, when known
    std::string why;
    /// "line 4, column 4 (hs): ..." or "line 4: ...".
    std::string text() const;
};

struct SightLog {
    std::vector<sight::Sight> sights;
    std::vector<int> lines;  ///< the line of each sight
    std::vector<std::string> utc;  ///< the instant of each sight as logged
    std::vector<SightLogError> errors;
    /// Set when the header cannot be read: nothing else is.
    bool badHeader = false;
};

SightLog readSightLog(std::istream& in);

/// Where each column stands in a log's lines (-1: not in the file).
using SightColumnPlaces = std::array<int, sightColumns>;

/// A line of a log that is no row, as it stands: passed over (blank or a
/// comment; before the header when beforeHeader is set) or refused (its
/// fault, which is also added to the errors, and its cells when it could be
/// split).
struct OtherLine {
    std::string_view text;
    bool beforeHeader = false;
    LineFault fault = LineFault::none;
    size_t cells = 0;
};

/// A log read a line at a time, the one way every reader of a log takes:
/// first the header, its names in any case (no header, a header that cannot
/// be read, an unknown column or one twice, a needed column missing: false,
/// the reason in errors, nothing more read), then each line that is not a
/// comment, given to each with its number, its cells in the usual order and
/// where the columns stand; a line that cannot be taken in (an unclosed
/// quote, more cells than the header names, a line too long: csv_reader.h)
/// goes to errors instead. Every line that is no row goes to other, when
/// given.
bool readSightLines(std::istream& in, std::vector<SightLogError>& errors,
                    const std::function<void(int line, const SightCells& cells, const SightColumnPlaces& at)>& each,
                    const std::function<void(const OtherLine&)>& other = {});

}  // namespace morvel::sightlog
