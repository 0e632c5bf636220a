#include "instruments/gpx.h"

#include "engine/angles.h"

#include <cmath>
#include <cstdio>

namespace morvel::instruments {

std::string xmlEscaped(const std::string& s)
{
    std::string e;
    for (char c : s)
        e += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return e;
}

std::string gpxDegrees(double x, bool longitude)
{
    double d = std::round(x / math::degree * 1e6) / 1e6;
    if (longitude && d >= 180)
        d -= 360;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", d + 0.0);
    return buf;
}

std::string gpxHead(const std::string& creator)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"" + xmlEscaped(creator) +
           "\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
}

std::string gpxWaypoint(double lat, double lon, const std::string& time, const std::string& name,
                        const std::string& description, const std::string& creator)
{
    return gpxHead(creator) + "  <wpt lat=\"" + gpxDegrees(lat, false) + "\" lon=\"" + gpxDegrees(lon, true) +
           "\">\n    <time>" + xmlEscaped(time) + "</time>\n    <name>" + xmlEscaped(name) + "</name>\n    <desc>" +
           xmlEscaped(description) + "</desc>\n    <sym>Circle</sym>\n  </wpt>\n</gpx>\n";
}

}  // namespace morvel::instruments
