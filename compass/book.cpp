#include "compass/book.h"

#include "compass/magnetic.h"
#include "navtext/navtext.h"
#include "navtext/say.h"
#include "sightlog/csv_reader.h"
#include "sightlog/sight_texts.h"

#include <algorithm>

namespace morvel::compass {

namespace {

using enum BookColumn;
using navtext::say;

constexpr const char* headerText = "utc,body,bearing,compass,heading,variation";

bool blank(const std::string& s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

const std::string& cell(const BookCells& c, BookColumn at)
{
    return c[size_t(at)];
}

/// "magnetic", "gyro" in any case; empty is magnetic.
std::optional<Instrument> instrumentOf(const std::string& text)
{
    if (blank(text) || sightlog::sameName(text, "magnetic"))
        return Instrument::magnetic;
    if (sightlog::sameName(text, "gyro"))
        return Instrument::gyro;
    return std::nullopt;
}

}  // namespace

void insertRow(Book& book, size_t at, const BookCells& cells)
{
    book.rows.insert(book.rows.begin() + std::ptrdiff_t(at), cells);
    for (sightlog::LogNote& n : book.notes)
        n.rowsBefore += n.rowsBefore > at;
}

void removeRow(Book& book, size_t at)
{
    book.rows.erase(book.rows.begin() + std::ptrdiff_t(at));
    for (sightlog::LogNote& n : book.notes)
        n.rowsBefore -= n.rowsBefore > at;
}

RowResult workRow(const BookCells& cells, const sightlog::DrRead& dr)
{
    RowResult r;
    if (std::all_of(cells.begin(), cells.end(), blank))
        return r;
    auto refuse = [&](RowStatus status, BookColumn c, const std::string& why) {
        if (r.why.empty()) {
            r.status = status;
            r.column = c;
            r.why = why;
        }
    };
    // Each column's own phrase, so that a translation names the quantity.
    const std::pair<BookColumn, navtext::Phrase> needed[] = {{utc, MORVEL_TR("compass", "no utc yet")},
                                                             {body, MORVEL_TR("compass", "no body yet")},
                                                             {bearing, MORVEL_TR("compass", "no bearing yet")}};
    for (const auto& [c, missing] : needed)
        if (blank(cell(cells, c)))
            refuse(RowStatus::incomplete, c, say(missing));
    if (!dr.ok())
        refuse(dr.given ? RowStatus::bad : RowStatus::incomplete, utc,
               dr.given ? say(MORVEL_TR("compass", "the DR cannot be read: %1"), {dr.error})
                        : say(MORVEL_TR("compass", "no DR: give the DR the bearings were taken at")));
    if (!r.why.empty())
        return r;

    Bearing& b = r.bearing;
    std::string error;
    const std::optional<sight::UtcTime> when = sight::UtcTime::parse(cell(cells, utc), error);
    const almanac::Instant instant = almanac::Instant::parse(cell(cells, utc));
    if (!when || !instant.ok())
        refuse(RowStatus::bad, utc, navtext::quoted(cell(cells, utc)) + ": " + (when ? instant.error() : error));
    else
        b.when = *when;
    if (const auto found = almanac::findBody(cell(cells, body)); !found || found->kind == almanac::BodyKind::aries)
        refuse(RowStatus::bad, body,
               sightlog::noBodyText(
                   cell(cells, body),
                   say(MORVEL_TR("compass", "Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star")),
                   false));
    else
        b.body = *found;
    const navtext::AngleRead a =
        navtext::readNavAngle(cell(cells, bearing), navtext::AngleKind::circle, say(MORVEL_TR("compass", "a bearing")));
    if (!a.ok)
        refuse(RowStatus::bad, bearing, a.error);
    b.bearing = a.radians;
    if (const std::optional<Instrument> i = instrumentOf(cell(cells, compass)))
        b.instrument = *i;
    else
        refuse(RowStatus::bad, compass,
               say(MORVEL_TR("compass", "%1 is not magnetic or gyro"), {navtext::quoted(cell(cells, compass))}));
    if (!blank(cell(cells, heading))) {
        const navtext::AngleRead h = navtext::readNavAngle(cell(cells, heading), navtext::AngleKind::circle,
                                                           say(MORVEL_TR("compass", "a compass heading")));
        if (!h.ok)
            refuse(RowStatus::bad, heading, h.error);
        r.heading = h.radians;
    }
    if (!r.why.empty())
        return r;

    // The DR run on to the bearing's time.
    const sight::DeadReckoning at = dr.dr.after((instant.jdTT() - dr.at.jdTT()) * 24);
    b.lat = at.lat;
    b.lon = at.lon;
    const std::string& v = cell(cells, variation);
    if (!blank(v) && b.instrument == Instrument::gyro)
        refuse(RowStatus::bad, variation,
               say(MORVEL_TR("compass", "a gyro takes no variation: it points to true north, and its error is the "
                                        "whole of it")));
    else if (sightlog::sameName(v, "auto")) {
        const Field f = fieldAt(b.lat, b.lon, b.when);
        if (!f.ok())
            refuse(RowStatus::bad, variation, say(MORVEL_TR("compass", "%1; give the chart's variation"), {f.why}));
        b.variation = f.variation;
        r.modelled = true;
        r.warning = zoneWarning(f);
    } else if (!blank(v)) {
        const navtext::AngleRead e = navtext::readEastWest(v, say(MORVEL_TR("compass", "a variation")));
        if (!e.ok)
            refuse(RowStatus::bad, variation, e.error);
        b.variation = e.radians;
    }
    if (!r.why.empty())
        return r;
    r.check = byAzimuth(b);
    if (!r.check.ok()) {
        refuse(RowStatus::bad, bearing, r.check.why);
        return r;
    }
    r.status = RowStatus::checked;
    return r;
}

Worked work(const Book& book)
{
    Worked w;
    w.dr = sightlog::readDr(book.dr);
    w.rows.reserve(book.rows.size());
    for (size_t i = 0; i < book.rows.size(); ++i) {
        w.rows.push_back(workRow(book.rows[i], w.dr));
        const RowResult& r = w.rows.back();
        if (r.status == RowStatus::checked && r.bearing.instrument == Instrument::magnetic && r.heading &&
            r.check.deviation) {
            w.swung.push_back({*r.heading, *r.check.deviation});
            w.rowOf.push_back(i);
        }
    }
    w.card = deviationCard(w.swung);
    return w;
}

void writeBook(std::ostream& out, const Book& book, const std::vector<sightlog::LogKey>& keys)
{
    // Bearings are timed in UTC: the date, zone and watch error of a log
    // kept by the watch are no part of the book.
    sightlog::DrTrack dr = book.dr;
    dr.date = dr.zone = dr.watchError = {};
    sightlog::writeHead(out, dr, book.head, book.drAt, keys);
    out << headerText << '\n';
    size_t note = 0;
    auto notesTo = [&](size_t rows) {
        for (; note < book.notes.size() && book.notes[note].rowsBefore <= rows; ++note)
            sightlog::putLine(out, book.notes[note].text);
    };
    for (size_t i = 0; i < book.rows.size(); ++i) {
        notesTo(i);
        for (size_t c = 0; c < bookColumns; ++c)
            out << (c ? "," : "") << sightlog::csvCell(book.rows[i][c]);
        out << '\n';
    }
    notesTo(book.rows.size());
}

BookFile readBook(std::istream& in)
{
    BookFile file;
    Book& book = file.book;
    sightlog::DrLine drLine{book.dr, book.drAt};
    sightlog::CsvReader reader(in);
    std::vector<std::string> cells;
    const auto refuseHeader = [&](int column, const std::string& why) {
        file.errors.push_back({reader.line(), column, {}, why});
        file.badHeader = true;
        return file;
    };
    const auto headLine = [&](std::string_view text) {
        std::string line(text);
        if (drLine.take(line, book.head.size()))
            return;
        if (const std::optional<sightlog::LogKey> k = sightlog::keyOf(line))
            file.keys.push_back(*k);
        book.head.push_back(std::move(line));
    };
    if (!reader.header(cells, headLine))
        return refuseHeader(0, say(MORVEL_TR("compass", "no header: the book starts with a line naming its "
                                                        "columns (%1)"),
                                   {headerText}));
    if (reader.fault() != sightlog::LineFault::none)
        return refuseHeader(0, say(MORVEL_TR("compass", "%1 in the header"), {reader.why()}));
    std::array<int, bookColumns> at;
    at.fill(-1);
    for (size_t i = 0; i < cells.size(); ++i) {
        size_t c = 0;
        while (c < bookColumns && !sightlog::sameName(cells[i], bookColumnNames[c]))
            ++c;
        if (c == bookColumns || at[c] >= 0)
            return refuseHeader(int(i) + 1,
                                say(c == bookColumns
                                        ? MORVEL_TR("compass", "unknown column %1; an azimuth book has the columns %2")
                                        : MORVEL_TR("compass", "column twice: %1; an azimuth book has the columns %2"),
                                    {navtext::quoted(cells[i]), headerText}));
        at[c] = int(i);
    }
    for (BookColumn c : {utc, body, bearing})
        if (at[size_t(c)] < 0)
            return refuseHeader(0, say(MORVEL_TR("compass", "no column '%1'"), {bookColumnNames[size_t(c)]}));
    if (!drLine.found)
        book.drAt = book.head.size();
    const size_t width = cells.size();
    const auto note = [&](std::string_view line) { book.notes.push_back({book.rows.size(), std::string(line)}); };
    while (reader.next(cells, note)) {
        if (reader.fault() != sightlog::LineFault::none) {
            file.errors.push_back({reader.line(), 0, {}, reader.why()});
            std::string line(reader.text());
            // Too many cells for its header and not for the header written:
            // cells added, so that it stays out of the book when read again.
            if (reader.fault() == sightlog::LineFault::tooManyCells && cells.size() <= bookColumns)
                line.append(bookColumns + 1 - cells.size(), ',');
            note(line);
            continue;
        }
        BookCells row;
        for (size_t c = 0; c < bookColumns; ++c)
            if (at[c] >= 0 && size_t(at[c]) < cells.size() && size_t(at[c]) < width)
                row[c] = cells[size_t(at[c])];
        book.rows.push_back(row);
    }
    return file;
}

}  // namespace morvel::compass
