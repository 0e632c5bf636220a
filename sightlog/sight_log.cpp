#include "sightlog/sight_log.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "navtext/say.h"
#include "sightlog/csv_reader.h"
#include "sightlog/sight_texts.h"

#include <array>
#include <cmath>
#include <optional>

namespace morvel::sightlog {

namespace {

using math::degree;
using navtext::say;

using Column = SightColumn;
using enum SightColumn;
constexpr size_t columnCount = sightColumns;
constexpr auto& names = sightColumnNames;
constexpr std::array<bool, columnCount> needed = {true, true, false, true, false, true, false, false, true, true};

/// A plain number from lo to hi, or nothing.
std::optional<double> numberIn(const std::string& text, double lo, double hi)
{
    const auto n = navtext::typedNumber(text);
    if (!n || n->overflow || !(n->value >= lo && n->value <= hi))
        return std::nullopt;
    return n->value;
}

/// A number as %g writes it (a range's ends).
std::string shortNumber(double x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", x);
    return buf;
}

std::string range(double lo, double hi, const char* unit)
{
    return say(MORVEL_TR("sightlog", "a number of %1 from %2 to %3"), {unit, shortNumber(lo), shortNumber(hi)});
}

/// The header, the reader's first line (left in cells): the places of the
/// columns and the kind of its times, or nothing with the reason added to
/// errors. The lines before it go to passed.
std::optional<SightHeader> readSightHeader(CsvReader& reader, std::vector<std::string>& cells,
                                           std::vector<SightLogError>& errors, const CsvReader::Passed& passed)
{
    const std::string columns = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon";
    SightHeader header;
    SightColumnPlaces& at = header.at;
    at.fill(-1);
    if (!reader.header(cells, passed)) {
        errors.push_back(
            {0, 0, {},
             say(MORVEL_TR("sightlog", "no header: the log starts with a line naming its columns (%1)"), {columns})});
        return std::nullopt;
    }
    if (reader.fault() != LineFault::none) {
        errors.push_back({reader.line(), 0, {},
                          say(reader.fault() == LineFault::tooLong ? MORVEL_TR("sightlog", "the header is %1")
                                                                   : MORVEL_TR("sightlog", "%1 in the header"),
                              {reader.why()})});
        return std::nullopt;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        size_t c = 0;
        while (c < columnCount && !sameName(cells[i], names[c]))
            ++c;
        // The watch's time stands where the UTC instant does.
        const bool watch = c == columnCount && sameName(cells[i], watchColumnName);
        if (watch)
            c = size_t(utc);
        const std::string why =
            c == columnCount ? say(MORVEL_TR("sightlog", "unknown column %1"), {navtext::quoted(cells[i])})
            : at[c] >= 0 && c == size_t(utc) && watch != header.watchTime
                ? say(MORVEL_TR("sightlog", "a utc column and a time column: a log's times are UTC or the watch's, "
                                            "not both"))
            : at[c] >= 0 ? say(MORVEL_TR("sightlog", "column %1 twice"), {navtext::quoted(cells[i])})
                         : std::string();
        if (!why.empty()) {
            errors.push_back(
                {reader.line(), int(i) + 1, {},
                 say(MORVEL_TR("sightlog", "%1; a sight log has the columns %2 (time for utc, by the watch)"),
                     {why, columns})});
            return std::nullopt;
        }
        at[c] = int(i);
        header.watchTime = header.watchTime || watch;
    }
    for (size_t c = 0; c < columnCount; ++c)
        if (needed[c] && at[c] < 0) {
            errors.push_back({reader.line(), 0, {},
                              say(c == size_t(utc) ? MORVEL_TR("sightlog", "no column '%1' (or 'time', the watch's)")
                                                   : MORVEL_TR("sightlog", "no column '%1'"),
                                  {names[c]})});
            return std::nullopt;
        }
    header.line = reader.line();
    return header;
}

/// The settings of the clock, in the order of ClockKey, as a message names them.
const std::array<navtext::Phrase, clockKeys> settingNames = {MORVEL_TR("sightlog", "the date on board"),
                                                             MORVEL_TR("sightlog", "the zone description"),
                                                             MORVEL_TR("sightlog", "the watch error")};

/// A line's cells in the usual order.
SightCells cellsInOrder(const std::vector<std::string>& cells, const SightColumnPlaces& at)
{
    SightCells row;
    for (size_t c = 0; c < columnCount; ++c)
        if (at[c] >= 0 && size_t(at[c]) < cells.size())
            row[c] = cells[size_t(at[c])];
    return row;
}

}  // namespace

std::optional<LogKey> keyOf(std::string_view line)
{
    if (!line.starts_with("# "))
        return std::nullopt;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 2)
        return std::nullopt;
    const std::string_view key = line.substr(2, colon - 2);
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_'))
            return std::nullopt;
    std::string_view value = line.substr(colon + 1);
    if (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    return LogKey{std::string(key), std::string(value)};
}

std::optional<ClockKey> clockKeyOf(std::string_view key)
{
    for (size_t k = 0; k < clockKeys; ++k)
        if (key == clockKeyNames[k])
            return ClockKey(k);
    return std::nullopt;
}

std::string refusedInUtc(std::string_view key)
{
    return say(MORVEL_TR("sightlog", "'# %1:' times a log kept by the watch (a time column); this log's times are UTC "
                                     "(its utc column)"),
               {key});
}

std::string givenForLog()
{
    return say(MORVEL_TR("sightlog", "given for the log"));
}

std::string drTooFarText()
{
    return say(MORVEL_TR("sightlog", "a DR latitude beyond 89 degrees is not worked here"));
}

std::string Clock::set(ClockKey key, std::string_view value, const std::string& where)
{
    std::string why;
    switch (key) {
    case ClockKey::date: {
        const navtext::DateRead d = navtext::readDate(value);
        date = d.ok ? std::optional(d.date) : std::nullopt;
        why = d.error;
        break;
    }
    case ClockKey::zone: {
        const navtext::ZoneRead z = navtext::readZone(value);
        zone = z.ok ? std::optional(z.hours) : std::nullopt;
        why = z.error;
        break;
    }
    case ClockKey::watchError: {
        const navtext::WatchErrorRead e = navtext::readWatchError(value);
        fast = e.fast;
        why = e.error;
        break;
    }
    }
    const size_t k = size_t(key);
    refused[k] = why.empty() ? std::string()
                             : say(MORVEL_TR("sightlog", "%1 %2 cannot be read: %3"),
                                   {say(settingNames[k]), where, why});
    return why;
}

TimeRead readTime(std::string_view cell, const Clock* clock)
{
    TimeRead t;
    if (!clock) {
        t.when = almanac::Instant::parse(cell);
        if (t.when.ok())
            return t;
        t.why = navtext::readWatchTime(cell).ok
                    ? say(MORVEL_TR("sightlog", "%1 is a watch's time; this log's times are UTC, as "
                                                "2026-12-07T19:33:00Z (to keep them by the watch, give the date on "
                                                "board and the zone description)"),
                          {navtext::quoted(cell)})
                    : navtext::refusal(cell, t.when.error());
        return t;
    }
    const navtext::WatchTimeRead w = navtext::readWatchTime(cell);
    if (!w.ok) {
        t.why = almanac::Instant::parse(cell).ok()
                    ? say(MORVEL_TR("sightlog", "%1 is a UTC instant; this log is kept by the watch: give the "
                                                "watch's time, 19:33 or 19:33:05"),
                          {navtext::quoted(cell)})
                    : w.error;
        return t;
    }
    const auto& refused = clock->refused;
    if (!w.date && !refused[size_t(ClockKey::date)].empty())
        t.why = refused[size_t(ClockKey::date)];
    else if (!w.date && !clock->date)
        t.why = say(MORVEL_TR("sightlog", "no date on board: give the log's, or the sight's own (2026-12-08 00:15)"));
    else if (!refused[size_t(ClockKey::zone)].empty())
        t.why = refused[size_t(ClockKey::zone)];
    else if (!clock->zone)
        t.why = say(MORVEL_TR("sightlog", "no zone description: give the log's (+5 in 75° W, -3 in 45° E; 0 for a "
                                          "watch kept on UT)"));
    else if (!refused[size_t(ClockKey::watchError)].empty())
        t.why = refused[size_t(ClockKey::watchError)];
    if (!t.why.empty())
        return t;
    const navtext::CalendarDate d = w.date.value_or(*clock->date);
    t.watch = WatchReading{d, w.seconds};
    t.ut = sight::UtcTime{d.year, d.month, d.day, double(w.seconds)}.plus(*clock->zone * 3600 - clock->fast);
    t.when = t.ut->instant();
    if (!t.when.ok())
        t.why = navtext::refusal(cell, t.when.error());
    return t;
}

std::optional<WatchReading> watchAt(const Clock& clock, const sight::UtcTime& ut)
{
    if (!clock.zone || !clock.refused[size_t(ClockKey::zone)].empty() ||
        !clock.refused[size_t(ClockKey::watchError)].empty())
        return std::nullopt;
    const sight::UtcTime w = ut.plus(clock.fast - *clock.zone * 3600);
    return WatchReading{{w.year, w.month, w.day}, int(std::floor(w.seconds))};
}

std::string SightLogError::text() const
{
    const std::string l = std::to_string(line);
    if (column <= 0)
        return say(MORVEL_TR("sightlog", "line %1: %2"), {l, why});
    if (name.empty())
        return say(MORVEL_TR("sightlog", "line %1, column %2: %3"), {l, std::to_string(column), why});
    return say(MORVEL_TR("sightlog", "line %1, column %2 (%3): %4"), {l, std::to_string(column), name, why});
}

SightRead readSight(const SightCells& cells, const std::optional<std::pair<double, double>>& dr, const Clock* clock)
{
    SightRead read;
    auto cell = [&](Column c) -> const std::string& { return cells[size_t(c)]; };
    auto refuse = [&](Column c, const std::string& why) {
    if (read.why.empty()) {
        read.column = c;
        read.why = why;
    }
    };
    sight::Sight s;
    read.time = readTime(cell(utc), clock);
    s.when = read.time.when;
    if (!read.time.ok())
        refuse(utc, read.time.why);
    if (const auto b = almanac::findBody(cell(body)); !b || b->kind == almanac::BodyKind::aries)
        refuse(body, noBodyText(cell(body),
                                say(MORVEL_TR("sightlog", "Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational "
                                                          "star")),
                                false));
    else
        s.body = *b;
    const std::string& l = cell(limb);
    const bool limbs = s.body.kind == almanac::BodyKind::sun || s.body.kind == almanac::BodyKind::moon;
    if (const std::optional<sight::Limb> read = readLimb(l); !l.empty() && !read)
        refuse(limb, say(MORVEL_TR("sightlog", "%1 is not %2"), {navtext::quoted(l), limbsAllowed()}));
    else if (read && *read != sight::Limb::center) {
        if (!limbs)
            refuse(limb, say(MORVEL_TR("sightlog", "only the Sun and the Moon have limbs; leave it empty or center")));
        s.limb = *read;
    }
    const navtext::AngleRead a = navtext::readNavAngle(cell(hs), navtext::AngleKind::altitude,
                                                       say(MORVEL_TR("sightlog", "a sextant altitude")));
    if (!a.ok)
        refuse(hs, a.error);
    else if (a.radians < 0)
        refuse(hs, say(MORVEL_TR("sightlog", "a sextant altitude runs from 0 to 90 degrees; not %1"),
                       {navtext::quoted(cell(hs))}));
    s.hs = a.radians;
    if (const navtext::ValueRead r = navtext::readIndexCorrection(cell(ic)); cell(ic).empty() || r.ok)
        s.conditions.ic = r.value;
    else
        refuse(ic, r.error);
    if (const navtext::ValueRead r = navtext::readHeightOfEye(cell(eye)); r.ok)
        s.conditions.eye = r.value;
    else
        refuse(eye, r.error);
    struct Number {
        Column column;
        double lo, hi;
        const char* unit;
        double* value;
    };
    const Number numbers[] = {{temp, -50, 50, "deg C", &s.conditions.temperature},
                              {pressure, 900, 1100, "hPa", &s.conditions.pressure}};
    for (const Number& n : numbers) {
        const std::string text = cell(n.column);
        if (text.empty())
            continue;
        if (const auto v = numberIn(text, n.lo, n.hi))
            *n.value = *v;
        else
            refuse(n.column,
                   say(MORVEL_TR("sightlog", "%1 is not %2"), {navtext::quoted(text), range(n.lo, n.hi, n.unit)}));
    }
    if (dr) {
        s.drLat = dr->first;
        s.drLon = dr->second;
    } else {
        const navtext::AngleRead la =
            navtext::readNavAngle(cell(drLat), navtext::AngleKind::latitude,
                                  say(MORVEL_TR("sightlog", "the DR latitude")));
        if (!la.ok)
            refuse(drLat, la.error);
        const navtext::AngleRead lo =
            navtext::readNavAngle(cell(drLon), navtext::AngleKind::longitude,
                                  say(MORVEL_TR("sightlog", "the DR longitude")));
        if (!lo.ok)
            refuse(drLon, lo.error);
        s.drLat = la.radians;
        s.drLon = lo.radians;
    }
    if (std::abs(s.drLat) > 89 * degree)
        refuse(drLat, drTooFarText());
    if (read.why.empty())
        read.sight = s;
    return read;
}

bool readSightLines(std::istream& in, std::vector<SightLogError>& errors,
                    const std::function<void(int line, const SightCells& cells, const SightColumnPlaces& at)>& each,
                    const std::function<void(const OtherLine&)>& other,
                    const std::function<bool(const SightHeader&)>& header)
{
    CsvReader reader(in);
    std::vector<std::string> cells;
    bool beforeHeader = true;
    CsvReader::Passed passed;
    if (other)
        passed = [&](std::string_view text) { other({text, beforeHeader, LineFault::none, 0, reader.line()}); };
    const auto read = readSightHeader(reader, cells, errors, passed);
    if (!read || (header && !header(*read)))
        return false;
    const SightColumnPlaces& places = read->at;
    beforeHeader = false;
    const int width = int(cells.size());
    while (reader.next(cells, passed)) {
        const int line = reader.line();
        const LineFault fault = reader.fault();
        if (fault == LineFault::none) {
            each(line, cellsInOrder(cells, places), places);
            continue;
        }
        errors.push_back({line, fault == LineFault::tooManyCells ? width + 1 : 0, {}, reader.why()});
        if (other)
            other({reader.text(), false, fault, cells.size(), line});
    }
    return true;
}

SightLog readSightLog(std::istream& in, const std::vector<LogKey>& given)
{
    SightLog log;
    Clock clock;
    std::array<bool, clockKeys> once{};
    for (const LogKey& k : given)
        if (const auto key = clockKeyOf(k.key)) {
            clock.set(*key, k.value, givenForLog());
            once[size_t(*key)] = true;
        }
    // The clock's lines before the header wait for it: whether they time
    // the log depends on its time column.
    std::vector<std::pair<int, LogKey>> waiting;
    const auto apply = [&](int line, const LogKey& k, ClockKey key) {
        const std::string where = say(MORVEL_TR("sightlog", "on line %1"), {std::to_string(line)});
        if (!log.watchTime)
            log.errors.push_back({line, 0, {}, refusedInUtc(k.key)});
        else if (once[size_t(key)])
            log.errors.push_back({line, 0, {},
                                  say(MORVEL_TR("sightlog", "%1 is given for the whole log already; give it once"),
                                      {say(settingNames[size_t(key)])})});
        else if (const std::string why = clock.set(key, k.value, where); !why.empty())
            log.errors.push_back({line, 0, {}, why});
    };
    const auto other = [&](const OtherLine& l) {
        if (l.fault != LineFault::none)
            return;
        const std::optional<LogKey> k = keyOf(l.text);
        const std::optional<ClockKey> key = k ? clockKeyOf(k->key) : std::nullopt;
        if (!key)
            return;
        if (l.beforeHeader)
            waiting.emplace_back(l.line, *k);
        else
            apply(l.line, *k, *key);
    };
    const auto header = [&](const SightHeader& h) {
        log.watchTime = h.watchTime;
        if (!given.empty() && !h.watchTime) {
            log.errors.push_back({h.line, 0, {},
                                  say(MORVEL_TR("sightlog", "this log's times are UTC (its utc column): it takes "
                                                            "no date on board, zone description or watch error"))});
            return false;
        }
        for (const auto& [line, k] : waiting)
            apply(line, k, *clockKeyOf(k.key));
        return true;
    };
    const auto each = [&](int line, const SightCells& row, const SightColumnPlaces& at) {
        const SightRead read = readSight(row, {}, log.watchTime ? &clock : nullptr);
        if (!read.sight) {
            const bool time = read.column == utc && log.watchTime;
            log.errors.push_back(
                {line, at[size_t(read.column)] + 1, time ? watchColumnName : names[size_t(read.column)], read.why});
            return;
        }
        log.sights.push_back(*read.sight);
        log.lines.push_back(line);
        if (read.time.watch) {
            log.utc.push_back(read.time.ut->text());
            log.watch.push_back(*read.time.watch);
        } else {
            log.utc.push_back(row[size_t(utc)]);
        }
    };
    log.badHeader = !readSightLines(in, log.errors, each, other, header);
    return log;
}

}  // namespace morvel::sightlog
