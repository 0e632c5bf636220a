#include "sightlog/logbook.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "sightlog/csv_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace morvel::sightlog {

namespace {

using math::degree;
using enum SightColumn;

constexpr const char* drKey = "dr";

bool blank(const std::string& s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

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

/// The DR's fields in a `# dr:` value, blanks around them dropped; the
/// last takes whatever more the value holds, its separators and all.
DrTrack drOf(const std::string& value)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; parts.size() < 3 && (at = value.find(';', from)) != std::string::npos; from = at + 1)
        parts.push_back(value.substr(from, at - from));
    parts.push_back(value.substr(from));
    for (std::string& p : parts) {
        const size_t a = p.find_first_not_of(' ');
        p = a == std::string::npos ? std::string() : p.substr(a, p.find_last_not_of(' ') - a + 1);
    }
    parts.resize(4);
    return {parts[0], parts[1], parts[2], parts[3]};
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

/// A `# key: value` line, or nothing when the line is a note.
std::optional<LogKey> keyOf(const std::string& line)
{
    if (!line.starts_with("# "))
        return std::nullopt;
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 2)
        return std::nullopt;
    const std::string key = line.substr(2, colon - 2);
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_'))
            return std::nullopt;
    std::string value = line.substr(colon + 1);
    if (!value.empty() && value.front() == ' ')
        value.erase(0, 1);
    return LogKey{key, value};
}

/// A line written so that the reader reads it back the same: a line feed
/// or a carriage return in it, either of which would end it, becomes a
/// blank.
void putLine(std::ostream& out, std::string line)
{
    for (char& c : line)
        c = c == '\n' || c == '\r' ? ' ' : c;
    out << line << '\n';
}


DrRead readDr(const DrTrack& track)
{
    DrRead r;
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
        refuse("position", "the DR needs a longitude beside its latitude");
    else if (std::abs(p.lat) > 89 * degree)
        refuse("position", "a DR latitude beyond 89 degrees is not worked here");
    else {
        r.dr.lat = p.lat;
        r.dr.lon = *p.lon;
    }
    r.at = almanac::Instant::parse(track.time);
    if (!r.at.ok())
        refuse("time", navtext::quoted(track.time) + ": " + r.at.error());
    const bool moving = !blank(track.course) || !blank(track.speed);
    if (moving) {
        const navtext::AngleRead c = navtext::readNavAngle(track.course, navtext::AngleKind::circle, "the course");
        if (!c.ok)
            refuse("course", c.error);
        r.dr.course = c.radians;
        const auto n = navtext::typedNumber(track.speed);
        if (!n || n->overflow || !(n->value >= 0 && n->value <= 60))
            refuse("speed", navtext::quoted(track.speed) + " is not a speed in knots from 0 to 60");
        else
            r.dr.speed = n->value;
    }
    return r;
}

std::optional<sight::DeadReckoning> followedDr(const Logbook& book, size_t row, const DrRead& dr)
{
    const SightCells& cells = book.rows[row];
    if (!followsDr(cells) || !dr.ok())
        return std::nullopt;
    const almanac::Instant when = almanac::Instant::parse(cells[size_t(utc)]);
    if (!when.ok())
        return std::nullopt;
    return dr.dr.after((when.jdTT() - dr.at.jdTT()) * 24);
}

SightCells fileCells(const Logbook& book, size_t row, const DrRead& dr)
{
    SightCells cells = book.rows[row];
    if (const auto at = followedDr(book, row, dr)) {
        cells[size_t(drLat)] = degreesText(at->lat);
        cells[size_t(drLon)] = degreesText(at->lon);
    }
    return cells;
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
/// the instant stand.
void workRow(RowResult& r, const Logbook& book, size_t i, const DrRead& dr)
{
    const RowResult before = std::exchange(r, RowResult{});
    const SightCells& typed = book.rows[i];
    bool empty = true;
    for (const std::string& c : typed)
        empty = empty && blank(c);
    if (empty)
        return;
    for (SightColumn c : {utc, body, hs, eye})
        if (blank(typed[size_t(c)]) && r.why.empty()) {
            r.status = RowStatus::incomplete;
            r.column = c;
            r.why = std::string("no ") + sightColumnNames[size_t(c)] + " yet";
        }
    if (r.why.empty() && followsDr(typed) && !dr.ok()) {
        r.status = dr.given ? RowStatus::bad : RowStatus::incomplete;
        r.column = drLat;
        r.why = dr.given ? "the DR cannot be read: " + dr.error : "no DR: give the DR, or this sight's own";
    }
    if (!r.why.empty())
        return;
    // The DR a row follows, as a value: never through its text.
    std::optional<std::pair<double, double>> followed;
    if (const auto at = followedDr(book, i, dr))
        followed = std::pair(at->lat, at->lon);
    const SightRead read = readSight(typed, followed);
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
    w.rows.resize(book.rows.size());
    for (size_t i = 0; i < book.rows.size(); ++i)
        workRow(w.rows[i], book, i, w.dr);
    refix(w, options);
    return w;
}

void rework(Worked& w, const Logbook& book, const Edit& edit, const sight::FixOptions& options)
{
    switch (edit.kind) {
    case Edit::Kind::cell:
        workRow(w.rows[edit.row], book, edit.row, w.dr);
        break;
    case Edit::Kind::insert:
        w.rows.insert(w.rows.begin() + std::ptrdiff_t(edit.row), RowResult{});
        workRow(w.rows[edit.row], book, edit.row, w.dr);
        break;
    case Edit::Kind::remove:
        w.rows.erase(w.rows.begin() + std::ptrdiff_t(edit.row));
        break;
    case Edit::Kind::dr:
        w.dr = readDr(book.dr);
        for (size_t i = 0; i < book.rows.size(); ++i)
            if (followsDr(book.rows[i]))
                workRow(w.rows[i], book, i, w.dr);
        break;
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
        if (i == drAt && drGiven)
            putLine(out,
                    "# " + std::string(drKey) + ": " + d.position + "; " + d.time + "; " + d.course + "; " + d.speed);
        if (i < head.size())
            putLine(out, head[i]);
    }
}

void HeadReader::take(std::string line)
{
    const std::optional<LogKey> k = keyOf(line);
    if (k && k->key == drKey && !drFound) {
        const DrTrack d = drOf(k->value);
        if (!blank(d.position) || !blank(d.time) || !blank(d.course) || !blank(d.speed)) {
            dr = d;
            drAt = head.size();
            drFound = true;
            return;
        }
    }
    if (k && k->key != drKey)
        keys.push_back(*k);
    head.push_back(std::move(line));
}

void HeadReader::done()
{
    if (!drFound)
        drAt = head.size();
}

void writeLogbook(std::ostream& out, const Logbook& book, const std::vector<LogKey>& keys)
{
    writeHead(out, book.dr, book.head, book.drAt, keys);
    const DrTrack& d = book.dr;
    for (size_t c = 0; c < sightColumns; ++c)
        out << (c ? "," : "") << sightColumnNames[c];
    out << '\n';
    const DrRead dr = readDr(d);
    size_t note = 0;
    auto notesTo = [&](size_t rows) {
        for (; note < book.notes.size() && book.notes[note].rowsBefore <= rows; ++note)
            putLine(out, book.notes[note].text);
    };
    for (size_t i = 0; i < book.rows.size(); ++i) {
        notesTo(i);
        const SightCells cells = fileCells(book, i, dr);
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
    HeadReader head{book.dr, book.head, book.drAt, file.keys};
    // What is no row: before the header the DR's line and every other line
    // kept as it stood; under it, a note where it stands.
    const auto other = [&](const OtherLine& l) {
        std::string line(l.text);
        if (l.beforeHeader) {
            head.take(std::move(line));
            return;
        }
        // A line of too many cells for its header, and not too many for the
        // header written: cells added, so that it stays out of the log.
        if (l.fault == LineFault::tooManyCells && l.cells <= sightColumns)
            line.append(sightColumns + 1 - l.cells, ',');
        book.notes.push_back({book.rows.size(), std::move(line)});
    };
    std::optional<DrRead> dr;
    const auto take = [&](int, const SightCells& cells, const SightColumnPlaces&) {
        if (!dr)
            dr = readDr(book.dr);
        SightCells row = cells;
        // A DR that the DR gives this row was filled in on saving: the row
        // follows the DR again.
        if (dr->ok()) {
            Logbook alone;
            alone.dr = book.dr;
            alone.rows = {row};
            alone.rows[0][size_t(drLat)].clear();
            alone.rows[0][size_t(drLon)].clear();
            const SightCells filled = fileCells(alone, 0, *dr);
            if (filled[size_t(drLat)] == row[size_t(drLat)] && filled[size_t(drLon)] == row[size_t(drLon)])
                row = alone.rows[0];
        }
        book.rows.push_back(row);
    };
    file.badHeader = !readSightLines(in, file.errors, take, other);
    head.done();
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
