#include "sightlog/logbook.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "navtext/say.h"
#include "sightlog/csv_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace morvel::sightlog {

namespace {

using math::degree;
using navtext::say;
using enum SightColumn;

constexpr const char* drKey = "dr";
constexpr const char* legKey = "leg";
constexpr const char* currentKey = "current";

bool blank(const std::string& s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

/// Where a clock's line among the rows stands, as Clock::set's message
/// says it.
std::string aboveThisRow()
{
    return say(MORVEL_TR("sightlog", "above this row"));
}

/// Why a speed of the DR or of a leg is refused.
constexpr navtext::Phrase notASpeed = MORVEL_TR("sightlog", "%1 is not a speed in knots from 0 to 60");

bool followsDr(const SightCells& row)
{
    return blank(row[size_t(drLat)]) && blank(row[size_t(drLon)]);
}

/// Decimal degrees to a millionth, the way the file keeps a DR it worked
/// out ("41.166667", "-66.5").
std::string degreesText(double x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", x / degree);
    std::string s = buf;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

}  // namespace

/// A cell for the CSV: quoted when it holds a comma, a quote, blanks or
/// tabs at its ends (which the reader would trim) or a leading '#'. A line
/// cannot hold a line feed or a carriage return, which end it: one becomes
/// a blank (none comes from a file).
std::string csvCell(const std::string& s)
{
    auto trimmed = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = s.find_first_of(",\"") != std::string::npos ||
                       (!s.empty() && (trimmed(s.front()) || trimmed(s.back()) || s.front() == '#'));
    if (!quote)
        return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '\n' || c == '\r')
            c = ' ';
        q += c;
        if (c == '"')
            q += '"';
    }
    return q + '"';
}

namespace {

/// The n fields of a `# dr:`, `# leg:` or `# current:` value, separated
/// by ';', blanks around them dropped; the last takes whatever more the
/// value holds, its separators and all.
std::vector<std::string> fieldsOf(const std::string& value, size_t n)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; parts.size() + 1 < n && (at = value.find(';', from)) != std::string::npos; from = at + 1)
        parts.push_back(value.substr(from, at - from));
    parts.push_back(value.substr(from));
    for (std::string& p : parts) {
        const size_t a = p.find_first_not_of(' ');
        p = a == std::string::npos ? std::string() : p.substr(a, p.find_last_not_of(' ') - a + 1);
    }
    parts.resize(n);
    return parts;
}

DrTrack drOf(const std::string& value)
{
    const std::vector<std::string> parts = fieldsOf(value, 4);
    return {parts[0], parts[1], parts[2], parts[3]};
}

/// A course as typed, or why not.
std::optional<double> courseOf(const std::string& typed, std::string& why)
{
    const navtext::AngleRead c =
        navtext::readNavAngle(typed, navtext::AngleKind::circle, say(MORVEL_TR("sightlog", "the course")));
    if (!c.ok)
        why = c.error;
    return c.ok ? std::optional(c.radians) : std::nullopt;
}

/// A speed in knots from 0 to 60 as typed, or why not (refused, the
/// message of a speed or a drift, %1 the text).
std::optional<double> knotsOf(const std::string& typed, navtext::Phrase refused, std::string& why)
{
    const auto n = navtext::typedNumber(typed);
    if (!n || n->overflow || !(n->value >= 0 && n->value <= 60)) {
        why = say(refused, {navtext::quoted(typed)});
        return std::nullopt;
    }
    return n->value;
}

}  // namespace

/// A line written so that the reader reads it back the same: a line feed
/// or a carriage return in it, either of which would end it, becomes a
/// blank.
void putLine(std::ostream& out, std::string line)
{
    for (char& c : line)
        c = c == '\n' || c == '\r' ? ' ' : c;
    out << line << '\n';
}

namespace {

/// The fields of the DR that time a log kept by the watch, in the order
/// of ClockKey.
template <class Track>
auto clockFields(Track& d)
{
    return std::array{&d.date, &d.zone, &d.watchError};
}

bool clockGiven(const DrTrack& d)
{
    return !blank(d.date) || !blank(d.zone) || !blank(d.watchError);
}

/// The clocks of a log's rows in their order: the DR's, then each clock
/// line among the notes from the rows below it on.
class ClockWalk {
public:
    ClockWalk(const Logbook& book, const DrRead& dr) : notes_(book.notes), clock_(dr.clock) {}

    const Clock& at(size_t row)
    {
        for (; next_ < notes_.size() && notes_[next_].rowsBefore <= row; ++next_)
            if (const std::optional<LogKey> k = keyOf(notes_[next_].text))
                if (const std::optional<ClockKey> key = clockKeyOf(k->key))
                    clock_.set(*key, k->value, aboveThisRow());
        return clock_;
    }

private:
    const std::vector<LogNote>& notes_;
    Clock clock_;
    size_t next_ = 0;
};

/// The DR that a row's cells follow, at its time: none when the row has
/// its own DR, when there is no DR, or when the time cannot be read.
std::optional<sight::DeadReckoning> followed(const SightCells& cells, const DrRead& dr, const Clock* clock)
{
    if (!followsDr(cells) || !dr.ok())
        return std::nullopt;
    const TimeRead t = readTime(cells[size_t(utc)], clock);
    if (!t.ok())
        return std::nullopt;
    sight::DeadReckoning at = dr.dr;
    const reckoning::Place p = dr.runTo((t.when.jdTT() - dr.at.jdTT()) * 24);
    at.lat = p.lat;
    at.lon = p.lon;
    return at;
}

SightCells filled(const SightCells& row, const DrRead& dr, const Clock* clock)
{
    SightCells cells = row;
    if (const auto at = followed(row, dr, clock)) {
        cells[size_t(drLat)] = degreesText(at->lat);
        cells[size_t(drLon)] = degreesText(at->lon);
    }
    return cells;
}

}  // namespace

bool inWatchTime(const Logbook& book)
{
    return book.timeColumn || clockGiven(book.dr);
}

DrRead readDr(const DrTrack& track)
{
    DrRead r;
    for (size_t k = 0; k < clockKeys; ++k)
        if (const std::string& value = *clockFields(track)[k]; !blank(value))
            if (const std::string why = r.clock.set(ClockKey(k), value, givenForLog());
                !why.empty() && r.clockError.empty()) {
                r.clockField = clockKeyNames[k];
                r.clockError = why;
            }
    r.given = !blank(track.position);
    if (!r.given)
        return r;
    auto refuse = [&](const char* field, const std::string& why) {
        if (r.error.empty()) {
            r.field = field;
            r.error = why;
        }
    };
    const navtext::PositionRead p = navtext::readPosition(track.position);
    if (!p.ok)
        refuse("position", p.error);
    else if (!p.lon)
        refuse("position", say(MORVEL_TR("sightlog", "the DR needs a longitude beside its latitude")));
    else if (std::abs(p.lat) > 89 * degree)
        refuse("position", drTooFarText());
    else {
        r.dr.lat = p.lat;
        r.dr.lon = *p.lon;
    }
    r.at = almanac::Instant::parse(track.time);
    if (!r.at.ok())
        refuse("time", navtext::refusal(track.time, r.at.error()));
    const bool moving = !blank(track.course) || !blank(track.speed);
    if (moving) {
        std::string why;
        if (const auto c = courseOf(track.course, why))
            r.dr.course = *c;
        else
            refuse("course", why);
        if (const auto v = knotsOf(track.speed, notASpeed, why))
            r.dr.speed = *v;
        else
            refuse("speed", why);
    }
    if (!r.error.empty())
        return r;
    r.track.emplace(reckoning::Place{r.dr.lat, r.dr.lon}, 0, r.dr.course, r.dr.speed);
    const auto hoursOf = [&](const std::string& typed, std::string& why) -> std::optional<double> {
        const almanac::Instant t = almanac::Instant::parse(typed);
        if (!t.ok())
            why = navtext::refusal(typed, t.error());
        return t.ok() ? std::optional((t.jdTT() - r.at.jdTT()) * 24) : std::nullopt;
    };
    for (size_t i = 0; i < track.legs.size() && r.error.empty(); ++i) {
        const DrLeg& l = track.legs[i];
        std::string why;
        const auto from = hoursOf(l.time, why);
        const auto course = from ? courseOf(l.course, why) : std::nullopt;
        const auto speed = course ? knotsOf(l.speed, notASpeed, why) : std::nullopt;
        if (!speed)
            refuse("legs", say(MORVEL_TR("sightlog", "leg %1: %2"), {std::to_string(i + 2), why}));
        else
            r.track->change(std::max(*from, 0.0), *course, *speed);
    }
    if (!blank(track.current) && r.error.empty()) {
        const std::vector<std::string> f = fieldsOf(track.current, 3);
        std::string why;
        const auto set = courseOf(f[0], why);
        const auto drift = set ? knotsOf(f[1], MORVEL_TR("sightlog", "%1 is not a drift in knots from 0 to 60"), why)
                                : std::nullopt;
        const auto from = drift ? hoursOf(f[2], why) : std::nullopt;
        if (!from)
            refuse("current", say(MORVEL_TR("sightlog", "the current carried on: %1"), {why}));
        else {
            r.current = reckoning::Current{*set, *drift};
            r.currentFrom = *from;
        }
    }
    if (!r.error.empty())
        r.track.reset();
    return r;
}

reckoning::Place DrRead::runTo(double hours) const
{
    if (current)
        return reckoning::estimated(*track, *current, hours);
    return track->at(hours);
}

std::string carriedCurrentText(const reckoning::Current& current, const std::string& from)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%03ld; %.2f; ", std::lround(current.set / degree) % 360, current.drift);
    return buf + from;
}

std::optional<SetDrift> setAndDrift(const Worked& w)
{
    if (!w.fix.found() || !w.dr.ok() || !w.dr.track || w.fix.last >= w.sights.size())
        return std::nullopt;
    const almanac::Instant& when = w.sights[w.fix.last].when;
    SetDrift s;
    s.hours = (when.jdTT() - w.dr.at.jdTT()) * 24;
    if (!(s.hours >= 0.5))
        return std::nullopt;
    s.found = reckoning::currentFrom(w.dr.track->at(s.hours), {w.fix.lat, w.fix.lon}, s.hours);
    if (s.found.ok() && s.found.current.drift > 10) {
        char miles[32], hours[32];
        std::snprintf(miles, sizeof miles, "%.1f", s.found.miles);
        std::snprintf(hours, sizeof hours, "%.1f", s.hours);
        s.found.error = say(MORVEL_TR("sightlog", "the fix is %1 nm from the DR after %2 h, more than any current "
                                                  "sets a ship: is the DR right?"),
                            {miles, hours});
    }
    const size_t row = w.rowOf[w.fix.last];
    if (w.rows[row].ut)
        s.from = w.rows[row].ut->text();
    return s;
}

std::optional<Clock> rowClock(const Logbook& book, size_t row, const DrRead& dr)
{
    if (!inWatchTime(book))
        return std::nullopt;
    return ClockWalk(book, dr).at(row);
}

std::optional<sight::DeadReckoning> followedDr(const Logbook& book, size_t row, const DrRead& dr)
{
    const std::optional<Clock> clock = rowClock(book, row, dr);
    return followed(book.rows[row], dr, clock ? &*clock : nullptr);
}

SightCells fileCells(const Logbook& book, size_t row, const DrRead& dr)
{
    const std::optional<Clock> clock = rowClock(book, row, dr);
    return filled(book.rows[row], dr, clock ? &*clock : nullptr);
}

std::string timeCell(const Logbook& book, const DrRead& dr, const std::string& utc)
{
    const std::optional<Clock> clock = rowClock(book, book.rows.size(), dr);
    if (!clock)
        return utc;
    std::string error;
    const std::optional<sight::UtcTime> ut = sight::UtcTime::parse(utc, error);
    const std::optional<WatchReading> w = ut ? watchAt(*clock, *ut) : std::nullopt;
    if (!w)
        return {};
    return clock->date == w->date ? navtext::clockText(w->seconds) : navtext::watchReadingText(w->date, w->seconds);
}

std::string shownTime(const RowResult& r, const std::string& typed)
{
    if (!r.ut)
        return typed;
    return navtext::loggedTimeText(r.watch ? std::optional(r.watch->seconds) : std::nullopt,
                                   {r.ut->year, r.ut->month, r.ut->day}, r.ut->seconds);
}

std::string minuteShown(const RowResult& r)
{
    return r.watch ? navtext::clockText(r.watch->seconds, false) : r.ut ? navtext::clockText(r.ut->seconds, false)
                                                                        : std::string();
}

std::string drMinuteShown(const Logbook& book, const DrRead& dr)
{
    return minuteShownAt(book, dr, book.dr.time);
}

std::string minuteShownAt(const Logbook& book, const DrRead& dr, const std::string& utc)
{
    std::string error;
    const std::optional<sight::UtcTime> at = sight::UtcTime::parse(utc, error);
    if (!at || utc.size() == 10)
        return {};
    if (!inWatchTime(book))
        return navtext::clockText(at->seconds, false);
    const std::optional<WatchReading> w = watchAt(dr.clock, *at);
    return w ? navtext::clockText(w->seconds, false) : std::string();
}

namespace {

/// The same body at the same instant: the same almanac place.
bool samePlace(const sight::Sight& a, const sight::Sight& b)
{
    return a.body.kind == b.body.kind && a.body.name == b.body.name && a.when.ok() && b.when.ok() &&
           a.when.tt1() == b.when.tt1() && a.when.tt2() == b.when.tt2() && a.when.ut11() == b.when.ut11() &&
           a.when.ut12() == b.when.ut12();
}

/// Row i of book read and reduced at its DR into r, which held what the
/// row gave before: its almanac place is taken again while the body and
/// the instant stand. clock times a log kept by the watch.
void workRow(RowResult& r, const Logbook& book, size_t i, const DrRead& dr, const Clock* clock)
{
    const RowResult before = std::exchange(r, RowResult{});
    const SightCells& typed = book.rows[i];
    bool empty = true;
    for (const std::string& c : typed)
        empty = empty && blank(c);
    if (empty)
        return;
    // The time, to be shown in one form whatever else the row lacks.
    const auto timed = [&](const TimeRead& time) {
        if (!time.ok())
            return;
        std::string error;
        r.ut = time.ut ? time.ut : sight::UtcTime::parse(typed[size_t(utc)], error);
        r.watch = time.watch;
    };
    // Each column's own phrase, so that a translation names the quantity
    // where the English names the column.
    const std::pair<SightColumn, navtext::Phrase> needed[] = {
        {utc, clock ? MORVEL_TR("sightlog", "no time yet") : MORVEL_TR("sightlog", "no utc yet")},
        {body, MORVEL_TR("sightlog", "no body yet")},
        {hs, MORVEL_TR("sightlog", "no hs yet")},
        {eye, MORVEL_TR("sightlog", "no eye yet")}};
    for (const auto& [c, missing] : needed)
        if (blank(typed[size_t(c)]) && r.why.empty()) {
            r.status = RowStatus::incomplete;
            r.column = c;
            r.why = say(missing);
        }
    if (r.why.empty() && followsDr(typed) && !dr.ok()) {
        r.status = dr.given ? RowStatus::bad : RowStatus::incomplete;
        r.column = drLat;
        r.waitsForDr = dr.given;
        r.why = dr.given ? say(MORVEL_TR("sightlog", "the DR cannot be read: %1"), {dr.error})
                         : say(MORVEL_TR("sightlog", "no DR: give the DR, or this sight's own"));
    }
    if (!r.why.empty()) {
        timed(readTime(typed[size_t(utc)], clock));
        return;
    }
    // The DR a row follows, as a value: never through its text.
    std::optional<std::pair<double, double>> along;
    if (const auto at = followed(typed, dr, clock))
        along = std::pair(at->lat, at->lon);
    const SightRead read = readSight(typed, along, clock);
    timed(read.time);
    if (!read.sight) {
        r.status = RowStatus::bad;
        r.column = read.column;
        r.why = read.why;
        return;
    }
    r.sight = *read.sight;
    const bool known = before.status != RowStatus::empty && before.reduction.place.ok() &&
                       samePlace(before.sight, r.sight);
    r.reduction = known ? sight::reduceAtDr(r.sight, before.reduction.place) : sight::reduce(r.sight);
    if (!r.reduction.ok()) {
        r.status = RowStatus::bad;
        r.why = r.reduction.error;
        return;
    }
    r.status = RowStatus::reduced;
}

/// The fix of the reduced rows, with the places their reductions hold.
void refix(Worked& w, const sight::FixOptions& options)
{
    w.sights.clear();
    w.rowOf.clear();
    std::vector<almanac::Place> places;
    for (size_t i = 0; i < w.rows.size(); ++i) {
        RowResult& r = w.rows[i];
        r.inFix.reset();
        if (r.status != RowStatus::reduced)
            continue;
        r.inFix = w.sights.size();
        w.sights.push_back(r.sight);
        w.rowOf.push_back(i);
        places.push_back(r.reduction.place);
    }
    w.fix = sight::fixOf(w.sights, places, options);
    if (!w.fix.found())
        for (RowResult& r : w.rows)
            r.inFix.reset();
}

}  // namespace

std::vector<const sight::Reduction*> Worked::reductions() const
{
    std::vector<const sight::Reduction*> out;
    out.reserve(rowOf.size());
    for (size_t row : rowOf)
        out.push_back(&rows[row].reduction);
    return out;
}

Worked work(const Logbook& book, const sight::FixOptions& options)
{
    Worked w;
    w.dr = readDr(book.dr);
    w.watchTime = inWatchTime(book);
    w.rows.resize(book.rows.size());
    ClockWalk clocks(book, w.dr);
    for (size_t i = 0; i < book.rows.size(); ++i)
        workRow(w.rows[i], book, i, w.dr, w.watchTime ? &clocks.at(i) : nullptr);
    refix(w, options);
    return w;
}

void rework(Worked& w, const Logbook& book, const Edit& edit, const sight::FixOptions& options)
{
    const auto one = [&](size_t row) {
        const std::optional<Clock> clock = rowClock(book, row, w.dr);
        workRow(w.rows[row], book, row, w.dr, clock ? &*clock : nullptr);
    };
    switch (edit.kind) {
    case Edit::Kind::cell: one(edit.row); break;
    case Edit::Kind::insert:
        w.rows.insert(w.rows.begin() + std::ptrdiff_t(edit.row), RowResult{});
        one(edit.row);
        break;
    case Edit::Kind::remove: w.rows.erase(w.rows.begin() + std::ptrdiff_t(edit.row)); break;
    case Edit::Kind::dr: {
        // The watch's date, zone and error time every row.
        const bool every = w.watchTime || inWatchTime(book);
        w.dr = readDr(book.dr);
        w.watchTime = inWatchTime(book);
        ClockWalk clocks(book, w.dr);
        for (size_t i = 0; i < book.rows.size(); ++i)
            if (every || followsDr(book.rows[i]))
                workRow(w.rows[i], book, i, w.dr, w.watchTime ? &clocks.at(i) : nullptr);
        break;
    }
    }
    refix(w, options);
}

void insertRow(Logbook& book, size_t at, const SightCells& cells)
{
    book.rows.insert(book.rows.begin() + std::ptrdiff_t(at), cells);
    for (LogNote& n : book.notes)
        n.rowsBefore += n.rowsBefore > at;
}

void removeRow(Logbook& book, size_t at)
{
    book.rows.erase(book.rows.begin() + std::ptrdiff_t(at));
    for (LogNote& n : book.notes)
        n.rowsBefore -= n.rowsBefore > at;
}

void writeHead(std::ostream& out, const DrTrack& d, const std::vector<std::string>& head, size_t drAt,
               const std::vector<LogKey>& keys)
{
    for (const LogKey& k : keys) {
        std::string value = k.value;
        for (char& c : value)
            c = c == '\n' || c == '\r' ? ' ' : c;
        out << "# " << k.key << ": " << value << '\n';
    }
    const bool drGiven = !blank(d.position) || !blank(d.time) || !blank(d.course) || !blank(d.speed);
    drAt = std::min(drAt, head.size());
    for (size_t i = 0; i <= head.size(); ++i) {
        if (i == drAt && drGiven) {
            putLine(out,
                    "# " + std::string(drKey) + ": " + d.position + "; " + d.time + "; " + d.course + "; " + d.speed);
            for (const DrLeg& l : d.legs)
                putLine(out, "# " + std::string(legKey) + ": " + l.time + "; " + l.course + "; " + l.speed);
            if (!blank(d.current))
                putLine(out, "# " + std::string(currentKey) + ": " + d.current);
        }
        if (i == drAt)
            for (size_t k = 0; k < clockKeys; ++k)
                if (const std::string& value = *clockFields(d)[k]; !value.empty())
                    putLine(out, "# " + std::string(clockKeyNames[k]) + ": " + value);
        if (i < head.size())
            putLine(out, head[i]);
    }
}

bool DrLine::take(const std::string& line, size_t headLines)
{
    const std::optional<LogKey> k = keyOf(line);
    if (found || !k || k->key != drKey)
        return false;
    const DrTrack d = drOf(k->value);
    if (blank(d.position) && blank(d.time) && blank(d.course) && blank(d.speed))
        return false;
    dr.position = d.position, dr.time = d.time, dr.course = d.course, dr.speed = d.speed;
    drAt = headLines;
    return found = true;
}

void writeLogbook(std::ostream& out, const Logbook& book, const std::vector<LogKey>& keys)
{
    const DrTrack& d = book.dr;
    writeHead(out, d, book.head, book.drAt, keys);
    const bool watch = inWatchTime(book);
    for (size_t c = 0; c < sightColumns; ++c)
        out << (c ? "," : "") << (c == size_t(utc) && watch ? watchColumnName : sightColumnNames[c]);
    out << '\n';
    const DrRead dr = readDr(d);
    ClockWalk clocks(book, dr);
    size_t note = 0;
    auto notesTo = [&](size_t rows) {
        for (; note < book.notes.size() && book.notes[note].rowsBefore <= rows; ++note)
            putLine(out, book.notes[note].text);
    };
    for (size_t i = 0; i < book.rows.size(); ++i) {
        notesTo(i);
        const SightCells cells = filled(book.rows[i], dr, watch ? &clocks.at(i) : nullptr);
        for (size_t c = 0; c < sightColumns; ++c)
            out << (c ? "," : "") << csvCell(cells[c]);
        out << '\n';
    }
    notesTo(book.rows.size());
}

LogbookFile readLogbook(std::istream& in)
{
    LogbookFile file;
    Logbook& book = file.book;
    DrLine drLine{book.dr, book.drAt};
    const bool& drFound = drLine.found;
    // The clock's lines before the header wait for it, with their places
    // in head and in the file: whether they time the log depends on its
    // time column.
    struct Waiting {
        size_t at;
        int line;
        ClockKey key;
        std::string value;
    };
    std::vector<Waiting> waiting;
    DrRead dr;
    Clock clock;  // the rows' as the reading goes
    bool watch = false;
    // What is no row: before the header the DR's line (the first that gives
    // a DR) and every other line kept as it stood; under it, a note where it
    // stands.
    const auto other = [&](const OtherLine& l) {
        std::string line(l.text);
        const std::optional<LogKey> k = keyOf(line);
        const std::optional<ClockKey> key = k ? clockKeyOf(k->key) : std::nullopt;
        if (l.beforeHeader) {
            if (drLine.take(line, book.head.size()))
                return;
            // The legs and the current carried on, read after the DR's line.
            if (k && drFound && k->key == legKey) {
                const std::vector<std::string> f = fieldsOf(k->value, 3);
                book.dr.legs.push_back({f[0], f[1], f[2]});
                return;
            }
            if (k && drFound && k->key == currentKey) {
                book.dr.current = k->value;
                return;
            }
            if (key)
                waiting.push_back({book.head.size(), l.line, *key, k->value});
            book.head.push_back(std::move(line));
            return;
        }
        if (key && l.fault == LineFault::none) {
            if (watch)
                clock.set(*key, k->value, aboveThisRow());
            else
                file.errors.push_back({l.line, 0, {}, refusedInUtc(k->key)});
        }
        // A line of too many cells for its header, and not too many for the
        // header written: cells added, so that it stays out of the log.
        if (l.fault == LineFault::tooManyCells && l.cells <= sightColumns)
            line.append(sightColumns + 1 - l.cells, ',');
        book.notes.push_back({book.rows.size(), std::move(line)});
    };
    const auto header = [&](const SightHeader& h) {
        if (h.watchTime) {
            // The log's date, zone and watch error: the last line of each;
            // the lines go from head, to be written beside the DR's.
            for (const Waiting& w : waiting)
                *clockFields(book.dr)[size_t(w.key)] = w.value;
            for (auto w = waiting.rbegin(); w != waiting.rend(); ++w) {
                book.head.erase(book.head.begin() + std::ptrdiff_t(w->at));
                book.drAt -= drFound && w->at < book.drAt;
            }
        } else {
            for (const Waiting& w : waiting)
                file.errors.push_back({w.line, 0, {}, refusedInUtc(clockKeyNames[size_t(w.key)])});
        }
        // The DR's place, or where the date, zone and error stood.
        if (!drFound)
            book.drAt = h.watchTime && clockGiven(book.dr) ? waiting.front().at : book.head.size();
        book.timeColumn = h.watchTime && !clockGiven(book.dr);
        watch = inWatchTime(book);
        dr = readDr(book.dr);
        clock = dr.clock;
        return true;
    };
    const auto take = [&](int, const SightCells& cells, const SightColumnPlaces&) {
        SightCells row = cells;
        // A DR that the DR gives this row was filled in on saving: the row
        // follows the DR again.
        if (dr.ok()) {
            SightCells alone = row;
            alone[size_t(drLat)].clear();
            alone[size_t(drLon)].clear();
            const SightCells back = filled(alone, dr, watch ? &clock : nullptr);
            if (back[size_t(drLat)] == row[size_t(drLat)] && back[size_t(drLon)] == row[size_t(drLon)])
                row = alone;
        }
        book.rows.push_back(row);
    };
    file.badHeader = !readSightLines(in, file.errors, take, other, header);
    if (!drFound && file.badHeader)
        book.drAt = book.head.size();
    std::stable_sort(file.errors.begin(), file.errors.end(),
                     [](const SightLogError& a, const SightLogError& b) { return a.line < b.line; });
    // The `# key: value` lines that stand in head, the DR's aside.
    for (const std::string& line : book.head)
        if (const std::optional<LogKey> k = keyOf(line); k && k->key != drKey)
            file.keys.push_back(*k);
    return file;
}

std::optional<std::string> takeKey(Logbook& book, const std::string& key)
{
    if (book.head.empty())
        return std::nullopt;
    const std::optional<LogKey> k = keyOf(book.head.front());
    if (!k || k->key != key)
        return std::nullopt;
    book.head.erase(book.head.begin());
    book.drAt -= book.drAt > 0;
    return k->value;
}

}  // namespace morvel::sightlog
