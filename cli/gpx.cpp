#include "cli/gpx.h"

#include "cli/texts.h"
#include "engine/angles.h"

#include <cmath>
#include <cstdio>

namespace morvel::cli {

using namespace navtext;

namespace {

/// Text content with the characters XML gives meaning to escaped.
std::string escaped(const std::string& s)
{
    std::string e;
    for (char c : s)
        e += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return e;
}

/// Degrees to six decimals; a longitude that rounds to 180 is -180, and
/// no zero is negative.
std::string degrees(double x, bool longitude)
{
    double d = std::round(x / math::degree * 1e6) / 1e6;
    if (longitude && d >= 180)
        d -= 360;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", d + 0.0);
    return buf;
}

}  // namespace

std::string gpxText(const Answer& a)
{
    const auto& r = std::get<PassageResult>(a.result);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"morvel-solve\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    for (size_t k = 0; a.routes && k < a.routes->routes.size(); ++k) {
        const Passage& s = r.sets[k];
        std::string name = latitudeText(s.fromLat, false) + " " + longitudeText(s.fromLon, false) + " to " +
                           latitudeText(s.toLat, false) + " " + longitudeText(s.toLon, false);
        if (a.routes->routes.size() > 1)
            name += " (solution " + std::to_string(k + 1) + ")";
        out += "  <rte>\n    <name>" + escaped(name) + "</name>\n";
        const std::vector<RoutePoint>& points = a.routes->routes[k].waypoints;
        for (size_t i = 0; i < points.size(); ++i) {
            char id[32];
            std::snprintf(id, sizeof id, "WP%03zu", i + 1);
            out += "    <rtept lat=\"" + degrees(points[i].lat, false) + "\" lon=\"" + degrees(points[i].lon, true) +
                   "\"><name>" + id + "</name></rtept>\n";
        }
        out += "  </rte>\n";
    }
    return out + "</gpx>\n";
}

}  // namespace morvel::cli
