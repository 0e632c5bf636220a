#include "cli/gpx.h"

#include "cli/texts.h"
#include "instruments/gpx.h"

#include <cmath>
#include <cstdio>

namespace morvel::cli {

using namespace navtext;

std::string gpxText(const Answer& a)
{
    const auto& r = std::get<PassageResult>(a.result);
    std::string out = instruments::gpxHead("morvel-solve");
    for (size_t k = 0; a.routes && k < a.routes->routes.size(); ++k) {
        const Passage& s = r.sets[k];
        std::string name = latitudeText(s.fromLat, false) + " " + longitudeText(s.fromLon, false) + " to " +
                           latitudeText(s.toLat, false) + " " + longitudeText(s.toLon, false);
        if (a.routes->routes.size() > 1)
            name += " (solution " + std::to_string(k + 1) + ")";
        out += "  <rte>\n    <name>" + instruments::xmlEscaped(name) + "</name>\n";
        const std::vector<RoutePoint>& points = a.routes->routes[k].waypoints;
        for (size_t i = 0; i < points.size(); ++i) {
            char id[32];
            std::snprintf(id, sizeof id, "WP%03zu", i + 1);
            out += "    <rtept lat=\"" + instruments::gpxDegrees(points[i].lat, false) + "\" lon=\"" + instruments::gpxDegrees(points[i].lon, true) +
                   "\"><name>" + id + "</name></rtept>\n";
        }
        out += "  </rte>\n";
    }
    return out + "</gpx>\n";
}

}  // namespace morvel::cli
