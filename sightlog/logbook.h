/// \file logbook.h
/// \brief A day's sights as the sight-reduction window keeps them: the DR
/// given once and the sight log's rows as typed, the file that holds them,
/// and what they give (each row's reduction, the fix). No Qt.
///
/// The DR is a position at a time, with the course and speed the ship
/// makes good from it (empty: stopped). A row whose dr_lat and dr_lon are
/// both empty follows the DR: its DR is the DR run on by dead reckoning
/// (sight/noon.h, DeadReckoning::after) to the row's instant. A row with
/// its own DR keeps it.
///
/// The file is a sight log (sight_log.h) that morvel-solve --sights reads
/// as it stands: every row is written with a DR, the DR it follows filled
/// in (decimal degrees to 1e-6, a tenth of a metre). Before the header a
/// comment keeps the DR itself,
///
///   # dr: 41 10.0N 66 30.0W; 2026-12-07T17:00:00Z; 090; 12
///
/// (position; time; course; speed, as typed), which morvel-solve skips.
/// Read back, a row whose DR is the one the DR gives it follows the DR
/// again, so a file saved and opened holds the same log.
///
/// The DR's is one of the `# key: value` lines a log may have before its
/// header: a key of small letters, digits, blanks, '-' and '_', a colon,
/// then the value. The others are kept for whoever wrote them (the
/// recovery file names the file its log came from so); any other comment
/// is a note, and no key.
///
/// A row is empty (every cell blank: left out silently), incomplete (a
/// needed cell blank: the time, the body, Hs, the height of eye, or a DR
/// when none is given;
/// left out, no result), bad (a cell cannot be read, or the sight is
/// refused at its DR by sight::reduceAtDr, an intercept over 300 nm among
/// the reasons: left out, the column and the reason kept) or reduced at
/// its DR. The fix is worked from the reduced rows, as morvel-solve
/// --sights works it from the same file; a row the fix excludes as a
/// blunder stays reduced and in the fix's lines (fix.excludedOf).
#pragma once

#include "sight/fix.h"
#include "sight/noon.h"
#include "sightlog/sight_log.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace morvel::sightlog {

/// The DR as typed: a position, the time it holds (UTC), course and speed.
struct DrTrack {
    std::string position, time, course, speed;
    bool operator==(const DrTrack&) const = default;
};

struct Logbook {
    DrTrack dr;
    std::vector<SightCells> rows;
    bool operator==(const Logbook&) const = default;
};

/// The DR read: its dead reckoning and the instant it holds, or why not.
/// given is false when the position is blank (the rows then need their own
/// DR).
struct DrRead {
    bool given = false;
    std::string error;
    std::string field;  ///< the field at fault: position, time, course or speed
    sight::DeadReckoning dr;
    almanac::Instant at;
    bool ok() const { return given && error.empty(); }
};

DrRead readDr(const DrTrack& track);

enum class RowStatus { empty, incomplete, bad, reduced };

struct RowResult {
    RowStatus status = RowStatus::empty;
    /// The column at fault (bad) or first missing (incomplete), and why.
    SightColumn column = SightColumn::utc;
    std::string why;
    sight::Sight sight;
    sight::Reduction reduction;  ///< at the row's DR (reduced rows)
    /// The row's line in the fix: its index in fix.lines and
    /// fix.residuals, when the row was in the fix (excluded from it too).
    std::optional<size_t> inFix;
};

struct Worked {
    DrRead dr;
    std::vector<RowResult> rows;
    /// The reduced rows' sights in row order, and each one's row.
    std::vector<sight::Sight> sights;
    std::vector<size_t> rowOf;
    sight::Fix fix;

    /// The reduced rows' reductions at their DRs, in the order of sights.
    std::vector<const sight::Reduction*> reductions() const;
};

/// Every row read, reduced at its DR, and the fix of the reduced rows.
Worked work(const Logbook& book, const sight::FixOptions& options = {});

/// One edit of a log: a row's cells, a row inserted or removed, or the DR.
struct Edit {
    enum class Kind { cell, insert, remove, dr };
    Kind kind = Kind::cell;
    size_t row = 0;  ///< the row edited, inserted or removed (not the DR's)
};

/// w, worked from the log before the edit, brought up to book after it,
/// just as work(book) gives it: only the row the edit touched is read and
/// reduced again (after a DR edit, every row that follows the DR), a row
/// whose body and instant stand keeping its almanac place; the fix is
/// found again from the reduced rows.
void rework(Worked& w, const Logbook& book, const Edit& edit, const sight::FixOptions& options = {});

/// The DR a row follows, at its instant: none when the row has its own,
/// when there is no DR, or when the row's time cannot be read.
std::optional<sight::DeadReckoning> followedDr(const Logbook& book, size_t row, const DrRead& dr);

/// The row's cells as the file holds them: its own DR, or the DR's at its
/// instant (blank when there is none).
SightCells fileCells(const Logbook& book, size_t row, const DrRead& dr);

/// A `# key: value` line before the header, the DR's aside.
struct LogKey {
    std::string key, value;
    bool operator==(const LogKey&) const = default;
};

/// The log as its file holds it; keys stand first, in their order (a line
/// end in a value becomes a blank).
void writeLogbook(std::ostream& out, const Logbook& book, const std::vector<LogKey>& keys = {});

struct LogbookFile {
    Logbook book;
    std::vector<LogKey> keys;
    /// Lines that could not be taken in (an unclosed quote, too many
    /// cells); a row that is merely bad is kept as typed.
    std::vector<SightLogError> errors;
    bool badHeader = false;
};

LogbookFile readLogbook(std::istream& in);

}  // namespace morvel::sightlog
