#include "instruments/fix_waypoint.h"

#include "engine/angles.h"
#include "instruments/gpx.h"
#include "instruments/nmea.h"
#include "sight/utc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace morvel::instruments {

std::string FixWaypoint::name() const
{
    const int minutes = std::clamp(int(std::floor(secondsOfDay / 60)), 0, 24 * 60 - 1);
    char buf[16];
    std::snprintf(buf, sizeof buf, "FIX %02d%02dZ", minutes / 60, minutes % 60);
    return buf;
}

std::string FixWaypoint::description() const
{
    std::string d = "Celestial fix " + time + "; ";
    if (!major || !minor || !orientation)
        return d + "no ellipse from two lines";
    char buf[96];
    std::snprintf(buf, sizeof buf, "95%% ellipse semi-axes %.2f and %.2f nm, major axis %03.0f\xC2\xB0", *major, *minor,
                  std::fmod(std::round(*orientation / math::degree), 180.0));
    return d + buf;
}

std::string FixWaypoint::nmea(bool gll) const
{
    return wplSentence(lat, lon, name()) + (gll ? gllSentence(lat, lon, secondsOfDay) : std::string());
}

std::string FixWaypoint::gpx(const std::string& creator) const
{
    return gpxWaypoint(lat, lon, time, name(), description(), creator);
}

FixWaypoint waypointOf(const sight::Fix& fix, const std::string& utc)
{
    FixWaypoint w;
    w.lat = fix.lat;
    w.lon = fix.lon;
    std::string error;
    const std::optional<sight::UtcTime> t = sight::UtcTime::parse(utc, error);
    w.time = t ? t->text() : utc;
    w.secondsOfDay = t ? t->seconds : 0;
    if (fix.ellipse) {
        w.major = fix.ellipse->major;
        w.minor = fix.ellipse->minor;
        w.orientation = fix.ellipse->orientation;
    }
    return w;
}

}  // namespace morvel::instruments
