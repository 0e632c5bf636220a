#include "cli/report.h"

#include "calc/degmin.h"
#include "engine/angles.h"
#include "calc/numtext.h"
#include "gcs/sailing.h"

#include <charconv>
#include <optional>
#include <unordered_map>
#include <cmath>
#include <numbers>

namespace morvel::cli {

namespace {

using math::degree;

/// A window's text without its leading blank.
std::string trimmed(std::string s)
{
    if (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    return s;
}

/// calc::numberText without its leading blank, remembered: a batch writes
/// the same few hundred degrees, minutes and distances again and again.
const std::string& numberTextOf(double v, int digits)
{
    static std::unordered_map<double, std::string> texts[2];  // 15 and 7 digits
    auto& known = texts[digits == 7];
    auto it = known.find(v);
    if (it == known.end())
        it = known.emplace(v, trimmed(calc::numberText(v, digits))).first;
    return it->second;
}

/// The degrees-and-minutes window's texts (calc::degMinText) from the same
/// split, with the numbers' texts remembered.
std::string degMin(double x, bool signedDegrees)
{
    const double d = x / degree;
    if (!(std::abs(d) < 32768))
        return {};
    const calc::DegMin s = calc::splitDegMin(d);
    const bool negative = signedDegrees && d < 0;
    std::string t = negative ? "-" : "";
    t += numberTextOf(s.degrees, 15);
    t += "\xC2\xB0";
    t += numberTextOf(s.minutes, 7);
    t += '\'';
    return t;
}

/// The decimal window's text of x; magnitude drops the sign (latitudes).
std::string decimal(double x, bool magnitude)
{
    return trimmed(calc::addzeros(calc::round3(magnitude ? std::abs(x) : x, degree)));
}

double tenths(double miles)
{
    return std::floor(miles * 10 + 0.5) / 10;
}

// ---- JSON ----

void jsonNumber(std::string& out, double v)
{
    if (v == 0 || !std::isfinite(v))
        v = 0;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

void jsonString(std::string& out, const std::string& s)
{
    out += '"';
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

/// An angle in decimal degrees as the decimal window rounds it; magnitude
/// rounds |x| and gives back the sign (latitudes and longitudes).
double shown(double x, bool magnitude)
{
    if (!magnitude)
        return calc::round3(x, degree);
    const double v = calc::round3(std::abs(x), degree);
    return x < 0 ? -v : v;
}

/// "name":value pairs of one object, separated by commas.
struct JsonObject {
    std::string& out;
    bool first = true;

    explicit JsonObject(std::string& o) : out(o) { out += '{'; }
    void key(const char* k)
    {
        if (!first)
            out += ',';
        first = false;
        jsonString(out, k);
        out += ':';
    }
    void number(const char* k, double v)
    {
        key(k);
        jsonNumber(out, v);
    }
    void text(const char* k, const std::string& v)
    {
        key(k);
        jsonString(out, v);
    }
    void close() { out += '}'; }
};

/// [{...},{...}]: one object per item, filled by each.
template <class T, class Fill>
void jsonArray(std::string& out, const std::vector<T>& items, Fill&& each)
{
    out += '[';
    for (size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ',';
        JsonObject o(out);
        each(o, items[i]);
        o.close();
    }
    out += ']';
}

// ---- Plain text ----

size_t displayWidth(const std::string& s)
{
    size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

/// Columns padded to their widest cell, two blanks apart, one row a line.
void writeTable(std::string& out, const std::vector<std::vector<std::string>>& rows, const std::string& indent = {})
{
    std::vector<size_t> widths;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.push_back(0);
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    for (const auto& row : rows) {
        std::string line = indent;
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - displayWidth(row[i]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + '\n';
    }
}

const char* marker(bool given, int count)
{
    return given ? "Input" : count == 2 ? "2 Outputs" : "Output";
}

// ---- The quantities of each triangle ----

const char* const celestialCaptions[5] = {"Latitude", "LHA", "Declination", "Altitude", "Azimuth"};
const char* const celestialKeys[5] = {"lat", "lha", "dec", "alt", "zn"};

std::string celestialText(int row, double x, bool dec, bool typed)
{
    switch (row) {
    case 0:
    case 2: return latitudeText(x, dec, typed);
    case 3: return altitudeText(x, dec);
    default: return circleText(x, dec);
    }
}

/// The great-circle window's rows top to bottom.
const Row passageOrder[8] = {Row::fromLat, Row::fromLon, Row::toLat, Row::toLon,
                             Row::dlo,     Row::distance, Row::course, Row::finalCourse};

const char* caption(Row row)
{
    switch (row) {
    case Row::fromLat: return "Latitude of Departure";
    case Row::fromLon: return "Longitude of Departure";
    case Row::toLat: return "Latitude of Destination";
    case Row::toLon: return "Longitude of Destination";
    case Row::dlo: return "DLo";
    case Row::distance: return "Distance";
    case Row::course: return "Initial Course (Cn)";
    case Row::finalCourse: return "Final Course";
    }
    return "";
}

const char* key(Row row)
{
    switch (row) {
    case Row::fromLat: return "from_lat";
    case Row::fromLon: return "from_lon";
    case Row::toLat: return "to_lat";
    case Row::toLon: return "to_lon";
    case Row::dlo: return "dlo";
    case Row::distance: return "distance";
    case Row::course: return "course";
    case Row::finalCourse: return "final_course";
    }
    return "";
}

bool isLongitude(Row row)
{
    return row == Row::fromLon || row == Row::toLon;
}

std::string passageText(Row row, const Passage& s, bool dec, bool typed)
{
    switch (row) {
    case Row::fromLat: return latitudeText(s.fromLat, dec, typed);
    case Row::fromLon: return longitudeText(s.fromLon, dec, typed);
    case Row::toLat: return latitudeText(s.toLat, dec, typed);
    case Row::toLon: return longitudeText(s.toLon, dec, typed);
    case Row::dlo: return dloText(s.dlo, s.dloEast, dec);
    case Row::distance: return milesText(gcs::shownMiles(s.alt));
    case Row::course: return circleText(s.course, dec);
    case Row::finalCourse: return circleText(s.finalCourse, dec);
    }
    return {};
}

double passageNumber(Row row, const Passage& s)
{
    switch (row) {
    case Row::fromLat: return shown(s.fromLat, true);
    case Row::fromLon: return shown(s.fromLon, true);
    case Row::toLat: return shown(s.toLat, true);
    case Row::toLon: return shown(s.toLon, true);
    case Row::dlo: return s.dloEast ? shown(s.dlo, false) : -shown(s.dlo, false);
    case Row::distance: return gcs::shownMiles(s.alt);
    case Row::course: return shown(s.course, false);
    case Row::finalCourse: return shown(s.finalCourse, false);
    }
    return 0;
}

/// The longitude rows are shown only when a longitude was given.
bool shownRow(const PassageResult& r, Row row)
{
    return !isLongitude(row) || r.longitudes;
}

const char* placeText(Route::VertexPlace place)
{
    switch (place) {
    case Route::VertexPlace::between: return "between departure and destination";
    case Route::VertexPlace::beforeDeparture: return "not on the track: behind the departure";
    case Route::VertexPlace::beyondDestination: return "not on the track: beyond the destination";
    case Route::VertexPlace::none: return "";
    }
    return "";
}

const char* placeKey(Route::VertexPlace place)
{
    switch (place) {
    case Route::VertexPlace::between: return "between";
    case Route::VertexPlace::beforeDeparture: return "before departure";
    case Route::VertexPlace::beyondDestination: return "beyond destination";
    case Route::VertexPlace::none: return "";
    }
    return "";
}

/// typed: whether the departure's and the destination's latitude and
/// longitude were given, so that they keep their letters.
struct EndsTyped {
    bool fromLat, fromLon, toLat, toLon;
};

void writeRoutePlain(std::string& out, const Route& route, double spacing, double greatCircle, const EndsTyped& typed,
                     bool dec)
{
    std::vector<std::vector<std::string>> rows;
    if (route.vertexPlace == Route::VertexPlace::none)
        rows.push_back({"Vertex", greatCircle > 0 ? "none: the track follows the equator" : "none: no distance"});
    else
        rows.push_back({"Vertex", latitudeText(route.vertex.lat, dec), longitudeText(route.vertex.lon, dec),
                        placeText(route.vertexPlace)});
    if (route.crossings.empty())
        rows.push_back({"Equator crossing", "none"});
    for (const RoutePoint& c : route.crossings)
        rows.push_back({"Equator crossing", longitudeText(c.lon, dec), "course " + circleText(c.course, dec)});
    writeTable(out, rows);

    out += "Waypoints every " + trimmed(calc::numberText(spacing)) +
           "\xC2\xB0 of longitude, with the great-circle course there and the rhumb line to the next:\n";
    std::vector<std::vector<std::string>> table = {
        {"#", "Latitude", "Longitude", "Course", "Rhumb course", "Rhumb distance"}};
    for (size_t i = 0; i < route.waypoints.size(); ++i) {
        const RoutePoint& w = route.waypoints[i];
        const bool first = i == 0, last = i + 1 == route.waypoints.size();
        std::vector<std::string> row = {
            std::to_string(i),
            latitudeText(w.lat, dec, (first && typed.fromLat) || (last && typed.toLat)),
            longitudeText(w.lon, dec, (first && typed.fromLon) || (last && typed.toLon)), circleText(w.course, dec)};
        if (i < route.legs.size()) {
            row.push_back(circleText(route.legs[i].course, dec));
            row.push_back(milesText(tenths(route.legs[i].miles)));
        }
        table.push_back(row);
    }
    writeTable(out, table, "  ");
    out += "Rhumb-line legs " + milesText(tenths(route.rhumbMiles)) + " nmi in all; great circle " +
           milesText(greatCircle) + " nmi\n";
}

void writeRouteJson(std::string& out, const Route& route, double spacing, double greatCircle)
{
    JsonObject o(out);
    o.number("spacing", spacing);
    o.key("vertex");
    if (route.vertexPlace == Route::VertexPlace::none) {
        out += "null";
    } else {
        JsonObject v(out);
        v.number("lat", shown(route.vertex.lat, true));
        v.number("lon", shown(route.vertex.lon, true));
        v.text("place", placeKey(route.vertexPlace));
        v.close();
    }
    o.key("equator_crossings");
    jsonArray(out, route.crossings, [](JsonObject& c, const RoutePoint& p) {
        c.number("lon", shown(p.lon, true));
        c.number("course", shown(p.course, false));
    });
    o.key("waypoints");
    jsonArray(out, route.waypoints, [](JsonObject& w, const RoutePoint& p) {
        w.number("lat", shown(p.lat, true));
        w.number("lon", shown(p.lon, true));
        w.number("course", shown(p.course, false));
    });
    o.key("legs");
    jsonArray(out, route.legs, [](JsonObject& l, const Leg& leg) {
        l.number("rhumb_course", shown(leg.course, false));
        l.number("rhumb_distance", tenths(leg.miles));
    });
    o.number("rhumb_distance", tenths(route.rhumbMiles));
    o.number("great_circle_distance", greatCircle);
    o.close();
}

void csvField(std::string& out, const std::string& s)
{
    out += ',';
    if (s.find_first_of(",\"\n\r") == std::string::npos) {
        out += s;
        return;
    }
    out += '"';
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

const char* status(int count)
{
    return count > 0 ? "ok" : "no solution";
}

}  // namespace

// ---- Texts ----

namespace {

bool positive(double x, bool typed)
{
    return x > 0 || (typed && x == 0 && !std::signbit(x));
}

}  // namespace

std::string latitudeText(double x, bool dec, bool typed)
{
    return (dec ? decimal(x, true) : degMin(x, false)) + (positive(x, typed) ? "N" : "S");
}

std::string longitudeText(double x, bool dec, bool typed)
{
    return (dec ? decimal(x, true) : degMin(x, false)) + (positive(x, typed) ? "E" : "W");
}

std::string altitudeText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, true);
}

std::string circleText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, false);
}

std::string dloText(double dlo, bool east, bool dec)
{
    return circleText(dlo, dec) + (east ? "E" : "W");
}

std::string milesText(double miles)
{
    return numberTextOf(miles, 15);
}

// ---- One answer in plain text ----

void writePlain(std::string& out, const CelestialResult& r, bool dec)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 5; ++i) {
        if (!r.given[size_t(i)] && r.count == 0)
            continue;
        std::vector<std::string> row = {celestialCaptions[i],
                                        celestialText(i, r.sets[0][size_t(i)], dec, r.given[size_t(i)]),
                                        marker(r.given[size_t(i)], r.count)};
        if (!r.given[size_t(i)] && r.count == 2)
            row.push_back(celestialText(i, r.sets[1][size_t(i)], dec, false));
        rows.push_back(row);
    }
    writeTable(out, rows);
    if (r.manyOther)
        out += "Many Other Solutions\n";
    if (r.count == 0)
        out += r.message + '\n';
}

void writePlain(std::string& out, const PassageResult& r, const Routes* routes, bool dec)
{
    std::vector<std::vector<std::string>> rows;
    for (Row row : passageOrder) {
        const bool given = r.given[size_t(row)];
        if (!shownRow(r, row) || (!given && r.count == 0))
            continue;
        std::string text = passageText(row, r.sets[0], dec, given);
        if (row == Row::distance)
            text += " nmi";
        std::vector<std::string> line = {caption(row), text, marker(given, r.count)};
        if (!given && r.count == 2)
            line.push_back(passageText(row, r.sets[1], dec, false) + (row == Row::distance ? " nmi" : ""));
        rows.push_back(line);
    }
    writeTable(out, rows);
    if (r.manyOther)
        out += "Many Other Solutions\n";
    if (r.count == 0)
        out += r.message + '\n';
    if (!routes)
        return;
    for (size_t k = 0; k < routes->routes.size(); ++k) {
        out += '\n';
        if (routes->routes.size() > 1)
            out += "Solution " + std::to_string(k + 1) + ":\n";
        const EndsTyped typed{r.given[size_t(Row::fromLat)], r.given[size_t(Row::fromLon)],
                              r.given[size_t(Row::toLat)], r.given[size_t(Row::toLon)]};
        writeRoutePlain(out, routes->routes[k], routes->spacing, gcs::shownMiles(r.sets[k].alt), typed, dec);
    }
}

// ---- One answer in JSON ----

namespace {

/// What the answers of both triangles tell alike.
struct Outcome {
    const char* problem;
    int code, count;
    bool manyOther;
    const std::string& message;
};

/// An answer's object: line (in a batch), problem, case, the keys of the
/// given quantities, the solutions (objects filled by each(object, k)),
/// the remark and the message.
template <class Fill>
void writeAnswer(std::string& out, int line, const Outcome& r, const std::vector<const char*>& given, Fill&& each)
{
    JsonObject o(out);
    if (line > 0)
        o.number("line", line);
    o.text("problem", r.problem);
    o.number("case", r.code);
    o.key("given");
    out += '[';
    for (size_t i = 0; i < given.size(); ++i) {
        if (i)
            out += ',';
        jsonString(out, given[i]);
    }
    out += ']';
    o.key("solutions");
    out += '[';
    for (int k = 0; k < r.count; ++k) {
        if (k)
            out += ',';
        JsonObject s(out);
        each(s, k);
        s.close();
    }
    out += ']';
    if (r.manyOther)
        o.text("remark", "Many Other Solutions");
    if (r.count == 0)
        o.text("message", r.message);
    o.close();
    out += '\n';
}

}  // namespace

void writeJson(std::string& out, const CelestialResult& r, int line)
{
    std::vector<const char*> given;
    for (int i = 0; i < 5; ++i)
        if (r.given[size_t(i)])
            given.push_back(celestialKeys[i]);
    writeAnswer(out, line, {"celestial", r.code, r.count, r.manyOther, r.message}, given, [&](JsonObject& s, int k) {
        for (int i = 0; i < 5; ++i)
            s.number(celestialKeys[i], shown(r.sets[size_t(k)][size_t(i)], i == 0 || i == 2));
    });
}

void writeJson(std::string& out, const PassageResult& r, const Routes* routes, int line)
{
    std::vector<const char*> given;
    for (Row row : passageOrder)
        if (r.given[size_t(row)])
            given.push_back(key(row));
    const Outcome outcome{"great circle", r.code, r.count, r.manyOther, r.message};
    writeAnswer(out, line, outcome, given, [&](JsonObject& s, int k) {
        const Passage& set = r.sets[size_t(k)];
        for (Row row : passageOrder)
            if (shownRow(r, row))
                s.number(key(row), passageNumber(row, set));
        if (routes && size_t(k) < routes->routes.size()) {
            s.key("route");
            writeRouteJson(out, routes->routes[size_t(k)], routes->spacing, gcs::shownMiles(set.alt));
        }
    });
}

void writeJsonError(std::string& out, int line, const std::string& why)
{
    JsonObject o(out);
    if (line > 0)
        o.number("line", line);
    o.text("error", why);
    o.close();
    out += '\n';
}

int answer(Solver& solver, const Problem& p, const Style& style, int line, std::string& out)
{
    if (const auto* c = std::get_if<CelestialProblem>(&p)) {
        const CelestialResult r = solver.solve(*c);
        if (style.json)
            writeJson(out, r, line);
        else
            writePlain(out, r, style.decimal);
        return r.count;
    }
    const PassageResult r = solver.solve(std::get<PassageProblem>(p));
    std::optional<Routes> routes;
    if (style.spacing > 0 && r.longitudes)
        routes = routesOf(r, style.spacing);
    if (style.json)
        writeJson(out, r, routes ? &*routes : nullptr, line);
    else
        writePlain(out, r, routes ? &*routes : nullptr, style.decimal);
    return r.count;
}

// ---- Batch CSV ----

std::string csvHeader(bool celestial)
{
    std::string h = "line,status,solutions";
    for (const char* suffix : {"", "_2"}) {
        if (celestial)
            for (const char* k : celestialKeys)
                h += std::string(",") + k + suffix;
        else
            for (Row row : passageOrder)
                h += std::string(",") + key(row) + suffix;
    }
    return h + ",remark\n";
}

void writeCsv(std::string& out, int line, const CelestialResult& r, bool dec)
{
    out += std::to_string(line);
    csvField(out, status(r.count));
    csvField(out, std::to_string(r.count));
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 5; ++i)
            csvField(out, k < r.count ? celestialText(i, r.sets[size_t(k)][size_t(i)], dec, r.given[size_t(i)])
                                      : std::string());
    csvField(out, r.count == 0 ? r.message : r.manyOther ? "Many Other Solutions" : "");
    out += '\n';
}

void writeCsv(std::string& out, int line, const PassageResult& r, bool dec)
{
    out += std::to_string(line);
    csvField(out, status(r.count));
    csvField(out, std::to_string(r.count));
    for (int k = 0; k < 2; ++k)
        for (Row row : passageOrder)
            csvField(out, k < r.count && shownRow(r, row)
                              ? passageText(row, r.sets[size_t(k)], dec, r.given[size_t(row)])
                              : std::string());
    csvField(out, r.count == 0 ? r.message : r.manyOther ? "Many Other Solutions" : "");
    out += '\n';
}

void writeCsvError(std::string& out, int line, const std::string& why, bool celestial)
{
    out += std::to_string(line);
    csvField(out, "error");
    csvField(out, "");
    for (int i = 0; i < (celestial ? 10 : 16); ++i)
        out += ',';
    csvField(out, why);
    out += '\n';
}

}  // namespace morvel::cli
