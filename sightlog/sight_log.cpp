#include "sightlog/sight_log.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "sightlog/csv_reader.h"
#include "sightlog/sight_texts.h"

#include <array>
#include <cmath>
#include <optional>

namespace morvel::sightlog {

namespace {

using math::degree;

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

std::string range(double lo, double hi, const char* unit)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "a number of %s from %g to %g", unit, lo, hi);
    return buf;
}

/// The header, the reader's first line (left in cells): the places of the
/// columns, or nothing with the reason added to errors. The lines before it
/// go to passed.
std::optional<SightColumnPlaces> readSightHeader(CsvReader& reader, std::vector<std::string>& cells,
                                                 std::vector<SightLogError>& errors,
                                                 const CsvReader::Passed& passed)
{
    const std::string columns = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon";
    SightColumnPlaces at;
    at.fill(-1);
    if (!reader.header(cells, passed)) {
        errors.push_back({0, 0, {}, "no header: the log starts with a line naming its columns (" + columns + ")"});
        return std::nullopt;
    }
    if (reader.fault() != LineFault::none) {
        errors.push_back({reader.line(), 0, {},
                          reader.fault() == LineFault::tooLong ? "the header is " + reader.why()
                                                               : reader.why() + " in the header"});
        return std::nullopt;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        size_t c = 0;
        while (c < columnCount && !sameName(cells[i], names[c]))
            ++c;
        const std::string why = c == columnCount ? "unknown column " + navtext::quoted(cells[i])
                                : at[c] >= 0     ? "column " + navtext::quoted(cells[i]) + " twice"
                                                 : std::string();
        if (!why.empty()) {
            errors.push_back({reader.line(), int(i) + 1, {}, why + "; a sight log has the columns " + columns});
            return std::nullopt;
        }
        at[c] = int(i);
    }
    for (size_t c = 0; c < columnCount; ++c)
        if (needed[c] && at[c] < 0) {
            errors.push_back({reader.line(), 0, {}, std::string("no column '") + names[c] + "'"});
            return std::nullopt;
        }
    return at;
}

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

std::string SightLogError::text() const
{
    std::string s = "line " + std::to_string(line);
    if (column > 0)
        s += ", column " + std::to_string(column) + (name.empty() ? "" : " (" + name + ")");
    return s + ": " + why;
}

SightRead readSight(const SightCells& cells, const std::optional<std::pair<double, double>>& dr)
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
    s.when = almanac::Instant::parse(cell(utc));
    if (!s.when.ok()) {
        refuse(utc, navtext::quoted(cell(utc)) + ": " + s.when.error());
    }
    if (const auto b = almanac::findBody(cell(body)); !b || b->kind == almanac::BodyKind::aries)
        refuse(body, noBodyText(cell(body), "; Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star", false));
    else
        s.body = *b;
    const std::string& l = cell(limb);
    const bool limbs = s.body.kind == almanac::BodyKind::sun || s.body.kind == almanac::BodyKind::moon;
    if (const std::optional<sight::Limb> read = readLimb(l); !l.empty() && !read)
        refuse(limb, navtext::quoted(l) + " is not " + limbsAllowed);
    else if (read && *read != sight::Limb::center) {
        if (!limbs)
            refuse(limb, "only the Sun and the Moon have limbs; leave it empty or center");
        s.limb = *read;
    }
    const navtext::AngleRead a = navtext::readNavAngle(cell(hs), navtext::AngleKind::altitude, "a sextant altitude");
    if (!a.ok)
        refuse(hs, a.error);
    else if (a.radians < 0)
        refuse(hs, "a sextant altitude runs from 0 to 90 degrees; not " + navtext::quoted(cell(hs)));
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
            refuse(n.column, navtext::quoted(text) + " is not " + range(n.lo, n.hi, n.unit));
    }
    if (dr) {
        s.drLat = dr->first;
        s.drLon = dr->second;
    } else {
        const navtext::AngleRead la =
            navtext::readNavAngle(cell(drLat), navtext::AngleKind::latitude, "the DR latitude");
        if (!la.ok)
            refuse(drLat, la.error);
        const navtext::AngleRead lo =
            navtext::readNavAngle(cell(drLon), navtext::AngleKind::longitude, "the DR longitude");
        if (!lo.ok)
            refuse(drLon, lo.error);
        s.drLat = la.radians;
        s.drLon = lo.radians;
    }
    if (std::abs(s.drLat) > 89 * degree)
        refuse(drLat, "a DR latitude beyond 89 degrees is not worked here");
    if (read.why.empty())
        read.sight = s;
    return read;
}

bool readSightLines(std::istream& in, std::vector<SightLogError>& errors,
                    const std::function<void(int line, const SightCells& cells, const SightColumnPlaces& at)>& each,
                    const std::function<void(const OtherLine&)>& other)
{
    CsvReader reader(in);
    std::vector<std::string> cells;
    bool beforeHeader = true;
    CsvReader::Passed passed;
    if (other)
        passed = [&](std::string_view text) { other({text, beforeHeader}); };
    const auto places = readSightHeader(reader, cells, errors, passed);
    if (!places)
        return false;
    beforeHeader = false;
    const int width = int(cells.size());
    while (reader.next(cells, passed)) {
        const int line = reader.line();
        const LineFault fault = reader.fault();
        if (fault == LineFault::none) {
            each(line, cellsInOrder(cells, *places), *places);
            continue;
        }
        errors.push_back({line, fault == LineFault::tooManyCells ? width + 1 : 0, {}, reader.why()});
        if (other)
            other({reader.text(), false, fault, cells.size()});
    }
    return true;
}

SightLog readSightLog(std::istream& in)
{
    SightLog log;
    log.badHeader = !readSightLines(in, log.errors, [&](int line, const SightCells& row, const SightColumnPlaces& at) {
        const SightRead read = readSight(row);
        if (!read.sight) {
            log.errors.push_back({line, at[size_t(read.column)] + 1, names[size_t(read.column)], read.why});
            return;
        }
        log.sights.push_back(*read.sight);
        log.lines.push_back(line);
        log.utc.push_back(row[size_t(utc)]);
    });
    return log;
}

}  // namespace morvel::sightlog
