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
///
/// The DR as legs. Under the DR's line, a line for each change of course
/// and speed from its time (UTC) on, as typed,
///
///   # leg: 2026-12-07T19:00:00Z; 135; 10
///
/// and the rows follow the track (reckoning/reckoning.h, reckoning::Track):
/// from the DR's position and time on its course and speed, each leg from
/// its time. A leg at a time before the DR's holds from the DR's time (the
/// run before the DR is sailed on the first course); two legs at one time:
/// the later line counts. A leg that cannot be read makes the DR one that
/// cannot be read, the leg named ("leg 2: ..."), until it is mended. The
/// `# leg:` lines are read only after a `# dr:` line that gives a DR;
/// elsewhere they are kept as they stood, as any other comment.
///
/// The current carried on. After a fix the navigator may carry the current
/// it gives (setAndDrift) on from the fix's time: the line
///
///   # current: 045; 1.2; 2026-12-07T19:41:00Z
///
/// (set, degrees true; drift, knots; from: the fix's time, UTC), after the
/// legs, makes the DR of every row that follows the DR its EP: the track's
/// DR moved by the current over the hours since the DR's time
/// (reckoning::estimated), the current having run all the while, so that
/// the EP at from is the fix. The rows before from take it too: a line
/// taken before the fix and advanced to a sight after it is advanced by
/// the run between their EPs, the run the ship made; between track DRs
/// before and EPs after it would carry the whole error the fix found, and
/// the running fix would be out by it. (Their lines stand where they stood:
/// a line of position does not depend on the DR it is worked from.)
/// The rows' DRs are written into the file as always, so morvel-solve
/// --sights reads the same DRs and works the same fix.
/// Read back, a row whose DR is the one the DR gives it follows the DR
/// again, so a file saved and opened holds the same log.
///
/// The DR's is one of the `# key: value` lines a log may have before its
/// header (sight_log.h, keyOf). A `# dr:` line that gives no DR (every
/// field blank) is no DR; the first that gives one is the DR.
///
/// Time on board. Beside the DR the navigator gives, once, the date on
/// board, the zone description and the watch error (each as typed): a log
/// with any of them, or whose file named a time column, is kept by the
/// watch. Its rows take the watch's time (19:33, 19:33:05, or 2026-12-08
/// 00:15 on another day), and its file has a time column under the lines
///
///   # date: 2026-12-07
///   # zone: +5
///   # watch error: 12 s fast
///
/// (those given), written just after the DR's line, so that morvel-solve
/// --sights reads the same times (sight_log.h). Read back, those lines
/// before the header are the log's; where one kind stands twice the last
/// counts, and those before it, which nothing reads, go. Such lines among
/// the rows stay notes where they stood, and time the rows below them as
/// morvel-solve reads them. A log without them keeps its times in UTC and
/// its utc column; there the lines are refused, each named in
/// LogbookFile::errors, and kept as they stood. Each row shows its time in
/// one form with the UT beside it (shownTime).
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
/// The header is written anew (the ten columns in their usual order, time
/// for utc in a log kept by the watch), and each row in that order, every
/// row with a DR.
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
#include "reckoning/reckoning.h"
#include "sight/noon.h"
#include "sightlog/sight_log.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace morvel::sightlog {

/// The DR as typed: a position, the time it holds (UTC), course and speed;
/// and beside it the date on board, the zone description and the watch
/// error of a log kept by the watch.
/// A change of course and speed from a time (UTC), as typed.
struct DrLeg {
    std::string time, course, speed;
    bool operator==(const DrLeg&) const = default;
};

struct DrTrack {
    std::string position, time, course, speed;
    std::string date = {}, zone = {}, watchError = {};
    /// The legs after the first, in the order of their lines.
    std::vector<DrLeg> legs = {};
    /// The `# current:` line's value: the current carried on from a fix
    /// ("045; 1.2; 2026-12-07T19:41:00Z"); empty: none.
    std::string current = {};
    bool operator==(const DrTrack&) const = default;
};

/// The `# current:` value carrying current on from the UTC instant from
/// (ISO 8601): "045; 1.2; 2026-12-07T19:41:00Z".
std::string carriedCurrentText(const reckoning::Current& current, const std::string& from);

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
    /// Kept by the watch though the DR gives no date, zone or watch error:
    /// the file named a time column.
    bool timeColumn = false;
    bool operator==(const Logbook&) const = default;
};

/// Whether the log is kept by the watch: the DR gives a date on board, a
/// zone or a watch error, or its file named a time column.
bool inWatchTime(const Logbook& book);

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
    /// The track from the DR with its legs, hours counted from at (when
    /// ok()); and the current carried on from a fix, found at hours
    /// currentFrom.
    std::optional<reckoning::Track> track;
    std::optional<reckoning::Current> current;
    double currentFrom = 0;
    /// The DR at hours from at: the track's, or the EP with the current
    /// carried on.
    reckoning::Place runTo(double hours) const;
    /// The date on board, zone and watch error given with it, and the
    /// first of them at fault (date, zone or watch error) and why.
    Clock clock;
    std::string clockField, clockError;
};

DrRead readDr(const DrTrack& track);

enum class RowStatus { empty, incomplete, bad, reduced };

struct RowResult {
    RowStatus status = RowStatus::empty;
    /// The column at fault (bad) or first missing (incomplete), and why.
    SightColumn column = SightColumn::utc;
    std::string why;
    /// The row follows the DR, which cannot be read (bad, at dr_lat): it
    /// waits for the DR to be mended.
    bool waitsForDr = false;
    sight::Sight sight;
    /// The row's time, when it could be read (whatever else is wrong): the
    /// UT, and in a log kept by the watch the watch's reading.
    std::optional<sight::UtcTime> ut;
    std::optional<WatchReading> watch;
    sight::Reduction reduction;  ///< at the row's DR (reduced rows)
    /// The row's line in the fix: its index in fix.lines and
    /// fix.residuals, when the row was in the fix (excluded from it too).
    std::optional<size_t> inFix;
};

struct Worked {
    DrRead dr;
    bool watchTime = false;  ///< the log was worked as kept by the watch
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

/// The set and drift the fix gives: the fix against the track's DR for
/// the fix's time (the current carried on left out), over the hours since
/// the DR's time, the previous fix the navigator ran the DR from
/// (reckoning::currentFrom). Nothing without a fix or a track, nor for a
/// fix within half an hour of the DR's time: an offset found so soon is
/// the DR's error more than any current's work. found.error says why none
/// where the fix stands further from the DR than a current of 10 knots
/// carries a ship in the time (the DR is wrong, not the sea).
struct SetDrift {
    reckoning::CurrentFound found;
    double hours = 0;
    std::string from;  ///< the fix's UTC instant, ISO 8601
};
std::optional<SetDrift> setAndDrift(const Worked& w);

/// One edit of a log: a row's cells, a row inserted or removed, or the DR.
struct Edit {
    enum class Kind { cell, insert, remove, dr };
    Kind kind = Kind::cell;
    size_t row = 0;  ///< the row edited, inserted or removed (not the DR's)
};

/// w, worked from the log before the edit, brought up to book after it,
/// just as work(book) gives it: only the row the edit touched is read and
/// reduced again (after a DR edit, every row that follows the DR, and in a
/// log kept by the watch, before or after the edit, every row), a row
/// whose body and instant stand keeping its almanac place; the fix is
/// found again from the reduced rows.
void rework(Worked& w, const Logbook& book, const Edit& edit, const sight::FixOptions& options = {});

/// The DR a row follows, at its instant: none when the row has its own,
/// when there is no DR, or when the row's time cannot be read.
std::optional<sight::DeadReckoning> followedDr(const Logbook& book, size_t row, const DrRead& dr);

/// The row's cells as the file holds them: its own DR, or the DR's at its
/// instant (blank when there is none).
SightCells fileCells(const Logbook& book, size_t row, const DrRead& dr);

/// The clock that times a row of a log kept by the watch (the DR's date,
/// zone and watch error, and the lines among the notes above the row);
/// nothing in a log kept in UTC.
std::optional<Clock> rowClock(const Logbook& book, size_t row, const DrRead& dr);

/// The time cell of a new row at the end of the log at the UTC instant
/// utc (ISO 8601): the instant itself in a log kept in UTC; the watch's
/// time then in a log kept by the watch, on the log's date or with its own
/// (empty when the clock cannot tell it).
std::string timeCell(const Logbook& book, const DrRead& dr, const std::string& utc);

/// A row's time as the log shows it, one form for every row
/// (navtext::loggedTimeText); the cell as typed when it cannot be read.
std::string shownTime(const RowResult& r, const std::string& typed);
/// A time to the minute for a label, as the log keeps its times: a row's
/// (the watch's, or the UT), and the DR's (empty when it has none).
std::string minuteShown(const RowResult& r);
std::string drMinuteShown(const Logbook& book, const DrRead& dr);
/// The same for a UTC instant as typed (a leg's time).
std::string minuteShownAt(const Logbook& book, const DrRead& dr, const std::string& utc);

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

/// The keys, then the lines before the header with the DR's `# dr:` line
/// (and the date, zone and watch error it gives) after drAt of them (none
/// when every field of the DR is blank).
void writeHead(std::ostream& out, const DrTrack& dr, const std::vector<std::string>& head, size_t drAt,
               const std::vector<LogKey>& keys);

/// The DR's line read before a book's header: the first `# dr:` line that
/// gives a DR sets the DR's position, time, course and speed, and drAt to
/// the lines before it (true: the line is taken); any other line is not.
struct DrLine {
    DrTrack& dr;
    size_t& drAt;
    bool found = false;
    bool take(const std::string& line, size_t headLines);
};

/// The value of book's first line before the header when it is a `# key:`
/// line of this key, taken out of the log (a recovery file's own line);
/// nothing when it is not.
std::optional<std::string> takeKey(Logbook& book, const std::string& key);

}  // namespace morvel::sightlog
