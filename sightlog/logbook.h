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
/// (position; time; course; speed, as typed; the speed takes whatever
/// more a line holds), which morvel-solve skips.
/// Read back, a row whose DR is the one the DR gives it follows the DR
/// again, so a file saved and opened holds the same log.
///
/// The DR's is one of the `# key: value` lines a log may have before its
/// header: a key of small letters, digits, blanks, '-' and '_', a colon,
/// then the value. A `# dr:` line that gives no DR (every field blank) is
/// no DR; the first that gives one is the DR.
///
/// Nothing else in the file is lost on the way through the window: every
/// line that is not the DR's, the header or a row is kept as it stood and
/// written back where it stood when the log is saved (the recovery file
/// holds them too, and undo and redo keep them):
///
/// - before the header, comments (a title, the other `# key: value` lines,
///   a navigator's notes) and blank lines, in their order, the DR's line
///   among them where it stood (a DR given to a log without one goes last,
///   just before the header);
/// - among the rows, comments ("# Capella doubtful") and blank lines, each
///   after the row it followed: a note belongs to the row above it. A row
///   added goes after the notes that follow the row before it (a row added
///   at the end goes after the last notes); a row deleted leaves its notes
///   where they stood, after the row before it: the window does not show
///   them, so deleting a sight never deletes what the navigator wrote
///   (undoing the deletion puts every note back where it was);
/// - lines that could not be taken in (an unclosed quote, more cells than
///   the header names: LogbookFile::errors) are kept among the rows as
///   notes, as they stood, and written back so: they are told again when
///   the file is opened again, and morvel-solve --sights reports them as
///   before. A line of too many cells under a header of fewer columns than
///   the ten the file is saved with gets empty cells added at its end (one
///   more than the ten), so that it is never taken for a row under the
///   fuller header.
///
/// The header is written anew (the ten columns in their usual order), and
/// each row in that order, every row with a DR.
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

/// A line of the file among the rows that is no row (a comment, a blank
/// line, a line that could not be taken in), as it stood.
struct LogNote {
    size_t rowsBefore = 0;  ///< the rows that stand before it
    std::string text;       ///< without its line end
    bool operator==(const LogNote&) const = default;
};

struct Logbook {
    DrTrack dr;
    std::vector<SightCells> rows;
    /// The lines before the header (comments and blank lines), the DR's
    /// aside, as they stood; the DR's line stands after drAt of them.
    std::vector<std::string> head;
    size_t drAt = 0;
    /// The lines among the rows that are no rows, in the file's order.
    std::vector<LogNote> notes;
    bool operator==(const Logbook&) const = default;
};

/// A row added at at (after the notes that follow the row before it), or
/// taken away (its notes left where they stood); the notes move with the
/// rows around them.
void insertRow(Logbook& book, size_t at, const SightCells& cells);
void removeRow(Logbook& book, size_t at);

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

/// The log as its file holds it, every line it keeps in its place; keys,
/// when given, stand first, before the log's own lines, in their order (a
/// line end in a value becomes a blank).
void writeLogbook(std::ostream& out, const Logbook& book, const std::vector<LogKey>& keys = {});

struct LogbookFile {
    Logbook book;
    /// The `# key: value` lines among book.head, the DR's aside, to read
    /// (they stay in book.head, and are written back from there).
    std::vector<LogKey> keys;
    /// Lines that could not be taken in (an unclosed quote, too many
    /// cells), each kept in book.notes; a row that is merely bad is kept
    /// as typed.
    std::vector<SightLogError> errors;
    bool badHeader = false;
};

LogbookFile readLogbook(std::istream& in);

// ---- what every book's file shares -----------------------------------------
// Other books kept as a sight log is (the compass book, compass/book.h)
// write and read the lines that are no rows with these, the same way.

/// A cell for the CSV: quoted when it holds a comma, a quote, blanks or
/// tabs at its ends or a leading '#'; a line end in it becomes a blank.
std::string csvCell(const std::string& s);

/// A line written so that the reader reads it back the same: a line feed
/// or a carriage return in it becomes a blank.
void putLine(std::ostream& out, std::string line);

/// A `# key: value` line, or nothing when the line is a note.
std::optional<LogKey> keyOf(const std::string& line);

/// The keys, then the lines before the header with the DR's `# dr:` line
/// after drAt of them (none when every field of the DR is blank).
void writeHead(std::ostream& out, const DrTrack& dr, const std::vector<std::string>& head, size_t drAt,
               const std::vector<LogKey>& keys);

/// What is read before a book's header: the first `# dr:` line that gives
/// a DR sets dr and drAt, every other line goes to head as it stood (its
/// key, when it is a `# key:` line, to keys too).
struct HeadReader {
    DrTrack& dr;
    std::vector<std::string>& head;
    size_t& drAt;
    std::vector<LogKey>& keys;
    bool drFound = false;
    void take(std::string line);
    /// After the header: a book without a DR line has its DR go last.
    void done();
};

/// The value of book's first line before the header when it is a `# key:`
/// line of this key, taken out of the log (a recovery file's own line);
/// nothing when it is not.
std::optional<std::string> takeKey(Logbook& book, const std::string& key);

}  // namespace morvel::sightlog
