#include "cli/json_writer.h"
#include "cli/report.h"

#include "gcs/sailing.h"

#include <charconv>
#include <cmath>

namespace morvel::cli {

using namespace navtext;

namespace {

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

/// The route within a limit: the limit and how far the great circle goes
/// towards it, and where it passes beyond, the legs, the points on the
/// parallel, the total and how much longer it is than the great circle.
void writeCompositeJson(std::string& out, const gcs::Composite& c, const Passage& s)
{
    JsonObject o(out);
    o.number("limit", shown(c.limit, true));
    o.number("great_circle_reaches", shown(c.highest, true));
    const bool composite = c.outcome == gcs::Composite::Outcome::composite;
    o.key("bounded");
    out += composite ? "true" : "false";
    if (composite) {
        o.key("legs");
        jsonArray(out, std::vector<gcs::CompositeLeg>(std::begin(c.legs), std::end(c.legs)),
                  [](JsonObject& l, const gcs::CompositeLeg& leg) {
                      l.number("distance", tenths(leg.miles));
                      l.number("course", shown(leg.course, false));
                      l.number("final_course", shown(leg.finalCourse, false));
                  });
        for (const auto& [name, place] : {std::pair{"meets", c.meets}, std::pair{"leaves", c.leaves}}) {
            o.key(name);
            JsonObject p(out);
            p.number("lat", shown(place.lat, true));
            p.number("lon", shown(place.lon, true));
            p.close();
        }
    }
    o.number("distance", composite ? tenths(c.miles) : gcs::shownMiles(s.alt));
    o.number("longer_by", composite ? milesLonger(c, s) : 0);
    o.close();
}

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

void writeJson(std::string& out, const PassageResult& r, const Routes* routes,
               const std::vector<gcs::Composite>& composites, int line)
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
        s.number("rhumb_course", shown(set.rhumb.course, false));
        s.number("rhumb_distance", tenths(set.rhumb.miles));
        s.number("great_circle_saves", milesSaved(set));
        if (size_t(k) < composites.size()) {
            s.key("composite");
            writeCompositeJson(out, composites[size_t(k)], set);
        }
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

}  // namespace morvel::cli
