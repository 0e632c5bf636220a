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
///   time      instead of utc, in a log kept by the watch: the watch's
///             time, 19:33 or 19:33:05 on the log's date, or 2026-12-08
///             00:15 for a sight on another day (navtext.h)
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
/// utc (or time), body, hs, eye, dr_lat and dr_lon are needed; a log has a
/// utc column or a time column, not both. Blank lines and lines starting
/// with # are comments (csv_reader.h). A line that cannot be read is
/// reported with its line number and the column (counted from 1, and
/// named) and left out; the others are kept.
///
/// A log kept by the watch (a time column) is timed by three comment lines,
/// read as navtext.h reads their values:
///
///   # date: 2026-12-07          the date on board
///   # zone: +5                  the zone description (0: a watch kept on UT)
///   # watch error: 12 s fast    or slow; none when not given
///
/// Each applies to the sights below it, usually once above the header; a
/// later one among the rows applies from there down. A row's UT is the
/// watch's time less the error fast (plus slow) plus the zone description,
/// on the date on board (its own, or the log's): it may fall on the next or
/// the previous UT date. A row needs a zone and, unless it gives its own
/// date, the log's date. A line that gives a value that cannot be read is
/// reported, and the rows under it that need that value are refused with
/// it. In a log with a utc column these lines are refused, each named: its
/// times are UTC already.
#pragma once

#include "navtext/navtext.h"
#include "sight/reduction.h"
#include "sight/utc.h"
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
/// otherwise; its header says how). utc is the time column, whichever the
/// log has: the UTC instant, or the watch's time (named time).
enum class SightColumn : int { utc, body, limb, hs, ic, eye, temp, pressure, drLat, drLon };
inline constexpr size_t sightColumns = 10;
inline constexpr std::array<const char*, sightColumns> sightColumnNames = {
    "utc", "body", "limb", "hs", "ic", "eye", "temp", "pressure", "dr_lat", "dr_lon"};
/// One line's cells in the usual order; an empty cell is an empty text.
using SightCells = std::array<std::string, sightColumns>;

/// The name of the time column of a log kept by the watch.
inline constexpr const char* watchColumnName = "time";

/// A `# key: value` line: a key of small letters, digits, blanks, '-' and
/// '_' after "# ", a colon, then the value (one blank after the colon
/// dropped).
struct LogKey {
    std::string key, value;
    bool operator==(const LogKey&) const = default;
};

/// The line's key and value, or nothing when it is no such line.
std::optional<LogKey> keyOf(std::string_view line);

/// The keys of the lines that time a log kept by the watch.
enum class ClockKey : int { date, zone, watchError };
inline constexpr size_t clockKeys = 3;
inline constexpr std::array<const char*, clockKeys> clockKeyNames = {"date", "zone", "watch error"};

/// The key of a line's key, when it is one of them.
std::optional<ClockKey> clockKeyOf(std::string_view key);
/// Why such a line is refused in a log kept in UTC.
std::string refusedInUtc(std::string_view key);

/// Where a setting given once for the whole log stands, as Clock::set's
/// message says it ("given for the log").
std::string givenForLog();

/// How a log kept by the watch is timed at a row: the date on board, the
/// zone description (hours, UT = zone time + zone) and the watch error
/// (seconds fast, slow negative), each as given above the row.
struct Clock {
    std::optional<navtext::CalendarDate> date;
    std::optional<double> zone;
    int fast = 0;
    /// Why each setting cannot be used: the value given for it was refused
    /// (empty: given and read, or never given).
    std::array<std::string, clockKeys> refused;

    /// Sets key from a value as typed, given where ("on line 3"); the
    /// reason it is refused, or empty.
    std::string set(ClockKey key, std::string_view value, const std::string& where);
};

/// The watch's reading a time was read as: its date on board and the
/// seconds of that day.
struct WatchReading {
    navtext::CalendarDate date;
    int seconds = 0;
};

/// A row's time read: its instant, and in a log kept by the watch the
/// watch's reading and the UT it stands for; or why not.
struct TimeRead {
    almanac::Instant when;
    std::optional<WatchReading> watch;
    std::optional<sight::UtcTime> ut;
    std::string why;
    bool ok() const { return why.empty(); }
};

/// The time cell of a row: a UTC instant, or with clock the watch's time.
TimeRead readTime(std::string_view cell, const Clock* clock);

/// The watch's reading at the UT ut, or nothing when the clock cannot
/// tell it (no zone, a setting refused).
std::optional<WatchReading> watchAt(const Clock& clock, const sight::UtcTime& ut);

/// One sight read from its cells, or the first column at fault and why.
struct SightRead {
    std::optional<sight::Sight> sight;
    SightColumn column = SightColumn::utc;
    std::string why;
    TimeRead time;  ///< read whatever else is wrong
};

/// Why a DR latitude beyond 89 degrees is refused, a row's or the DR's.
std::string drTooFarText();

/// dr, when given, is the DR already worked out for a row that follows
/// one (latitude and longitude, radians): the DR cells are then not read.
/// clock, when given, times a log kept by the watch.
SightRead readSight(const SightCells& cells, const std::optional<std::pair<double, double>>& dr = {},
                    const Clock* clock = nullptr);

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
    /// The instant of each sight: as logged, or in a log kept by the watch
    /// the UT its time stands for ("2026-12-08T00:33:00Z").
    std::vector<std::string> utc;
    /// In a log kept by the watch, each sight's reading of the watch.
    std::vector<WatchReading> watch;
    std::vector<SightLogError> errors;
    /// Set when the header cannot be read: nothing else is.
    bool badHeader = false;
    /// The log is kept by the watch (a time column).
    bool watchTime = false;
};

/// given: values of the clock's keys for the whole log, as if given above
/// its first line; a line of the file for one of them is then refused (the
/// value is given once), and a log with a utc column is refused whole.
SightLog readSightLog(std::istream& in, const std::vector<LogKey>& given = {});

/// Where each column stands in a log's lines (-1: not in the file).
using SightColumnPlaces = std::array<int, sightColumns>;

/// A log's header read: where its columns stand, and whether its times are
/// the watch's (a time column) or UTC.
struct SightHeader {
    SightColumnPlaces at;
    bool watchTime = false;
    int line = 0;
};

/// A line of a log that is no row, as it stands: passed over (blank or a
/// comment; before the header when beforeHeader is set) or refused (its
/// fault, which is also added to the errors, and its cells when it could be
/// split).
struct OtherLine {
    std::string_view text;
    bool beforeHeader = false;
    LineFault fault = LineFault::none;
    size_t cells = 0;
    int line = 0;
};

/// A log read a line at a time, the one way every reader of a log takes:
/// first the header, its names in any case (no header, a header that cannot
/// be read, an unknown column or one twice, a needed column missing: false,
/// the reason in errors, nothing more read), then each line that is not a
/// comment, given to each with its number, its cells in the usual order and
/// where the columns stand; a line that cannot be taken in (an unclosed
/// quote, more cells than the header names, a line too long: csv_reader.h)
/// goes to errors instead. Every line that is no row goes to other, when
/// given; header, when given, has the header once it is read, before any
/// line under it, and stops the reading by returning false.
bool readSightLines(std::istream& in, std::vector<SightLogError>& errors,
                    const std::function<void(int line, const SightCells& cells, const SightColumnPlaces& at)>& each,
                    const std::function<void(const OtherLine&)>& other = {},
                    const std::function<bool(const SightHeader&)>& header = {});

}  // namespace morvel::sightlog
