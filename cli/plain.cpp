#include "cli/report.h"

#include "gcs/sailing.h"

#include <algorithm>

namespace morvel::cli {

using namespace navtext;

namespace {

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

/// typed: whether the departure's and the destination's latitude and
/// longitude were given, so that they keep their letters.
struct EndsTyped {
    bool fromLat, fromLon, toLat, toLon;
};

void writeRoutePlain(std::string& out, const Route& route, double spacing, double greatCircle, const EndsTyped& typed,
                     bool dec)
{
    std::vector<std::vector<std::string>> rows;
    // A composite route's great circles have their vertices where it meets
    // and leaves its limit, written with it.
    if (!route.composite && route.vertexPlace == Route::VertexPlace::none)
        rows.push_back({"Vertex", greatCircle > 0 ? "none: the track follows the equator" : "none: no distance"});
    else if (!route.composite)
        rows.push_back({"Vertex", latitudeText(route.vertex.lat, dec), longitudeText(route.vertex.lon, dec),
                        placeText(route.vertexPlace)});
    if (route.crossings.empty())
        rows.push_back({"Equator crossing", "none"});
    for (const RoutePoint& c : route.crossings)
        rows.push_back({"Equator crossing", longitudeText(c.lon, dec), "course " + circleText(c.course, dec)});
    writeTable(out, rows);

    out += "Waypoints every " + plainNumber(spacing) +
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
    out += "Rhumb-line legs " + milesText(tenths(route.rhumbMiles)) + " nmi in all; " +
           (route.composite ? "composite great circle " : "great circle ") + milesText(greatCircle) + " nmi\n";
}

/// The route within the limit of the passage s; solution numbers it when
/// above 0.
void writeCompositePlain(std::string& out, const gcs::Composite& c, const Passage& s, int solution, bool dec)
{
    const std::string limit = latitudeText(c.limit, dec);
    out += "\nComposite great circle within " + limit;
    if (solution)
        out += " (solution " + std::to_string(solution) + ")";
    if (c.outcome != gcs::Composite::Outcome::composite) {
        out += ": the great circle reaches no further than " + latitudeText(c.highest, dec) +
               " and is the route\n";
        return;
    }
    out += ":\n";
    const std::string names[3] = {"Great circle to the parallel", "Along " + limit, "Great circle to the destination"};
    std::vector<std::vector<std::string>> rows = {{"Leg", "Distance", "Initial course", "Final course"}};
    for (int i = 0; i < 3; ++i)
        rows.push_back({names[i], milesText(tenths(c.legs[i].miles)) + " nmi", circleText(c.legs[i].course, dec),
                        circleText(c.legs[i].finalCourse, dec)});
    writeTable(out, rows, "  ");
    writeTable(out, {{"Meets the parallel", latitudeText(c.meets.lat, dec), longitudeText(c.meets.lon, dec)},
                     {"Leaves the parallel", latitudeText(c.leaves.lat, dec), longitudeText(c.leaves.lon, dec)},
                     {"Total", milesText(tenths(c.miles)) + " nmi",
                      milesText(milesLonger(c, s)) + " nmi longer than the great circle"}});
}

}  // namespace

namespace {

size_t displayWidth(const std::string& s)
{
    size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace

/// Columns padded to their widest cell, two blanks apart, one row a line.
void writeTable(std::string& out, const std::vector<std::vector<std::string>>& rows, const std::string& indent)
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

void writePlain(std::string& out, const PassageResult& r, const Routes* routes,
                const std::vector<gcs::Composite>& composites, bool dec)
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
    // The rhumb line between the same ends, beside the great circle.
    const auto beside = [&](const char* caption, auto text) {
        std::vector<std::string> line = {caption, text(r.sets[0]), marker(false, r.count)};
        if (r.count == 2)
            line.push_back(text(r.sets[1]));
        rows.push_back(line);
    };
    if (r.count > 0) {
        beside("Rhumb Line Course", [&](const Passage& s) { return circleText(s.rhumb.course, dec); });
        beside("Rhumb Line Distance",
               [&](const Passage& s) { return milesText(tenths(s.rhumb.miles)) + " nmi"; });
        beside("Great Circle Saves", [&](const Passage& s) { return milesText(milesSaved(s)) + " nmi"; });
    }
    writeTable(out, rows);
    if (r.manyOther)
        out += "Many Other Solutions\n";
    if (r.count == 0)
        out += r.message + '\n';
    for (size_t k = 0; k < composites.size(); ++k)
        writeCompositePlain(out, composites[k], r.sets[k], composites.size() > 1 ? int(k) + 1 : 0, dec);
    if (!routes)
        return;
    for (size_t k = 0; k < routes->routes.size(); ++k) {
        out += '\n';
        if (routes->routes.size() > 1)
            out += "Solution " + std::to_string(k + 1) + ":\n";
        const EndsTyped typed{r.given[size_t(Row::fromLat)], r.given[size_t(Row::fromLon)],
                              r.given[size_t(Row::toLat)], r.given[size_t(Row::toLon)]};
        const Route& route = routes->routes[k];
        const double miles = route.composite ? tenths(composites[k].miles) : gcs::shownMiles(r.sets[k].alt);
        writeRoutePlain(out, route, routes->spacing, miles, typed, dec);
    }
}

void write(std::string& out, const Answer& a, const Style& style, int line)
{
    const Routes* routes = a.routes ? &*a.routes : nullptr;
    if (const auto* c = std::get_if<CelestialResult>(&a.result)) {
        if (style.json)
            writeJson(out, *c, line);
        else
            writePlain(out, *c, style.decimal);
        return;
    }
    const auto& r = std::get<PassageResult>(a.result);
    if (style.json)
        writeJson(out, r, routes, a.composites, line);
    else
        writePlain(out, r, routes, a.composites, style.decimal);
}

}  // namespace morvel::cli
