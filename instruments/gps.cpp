#include "instruments/gps.h"

#include "navtext/say.h"

#include <gps.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

namespace morvel::instruments {

namespace {

std::string qualityOf(int status)
{
    using navtext::say;
    switch (status) {
    case STATUS_DGPS_FIX: return "DGPS";
    case STATUS_RTK_FIX: return say(MORVEL_TR("instruments", "RTK fixed"));
    case STATUS_RTK_FLT: return say(MORVEL_TR("instruments", "RTK float"));
    case STATUS_DR: return say(MORVEL_TR("instruments", "dead reckoning"));
    case STATUS_GNSSDR: return say(MORVEL_TR("instruments", "GNSS and dead reckoning"));
    case STATUS_TIME: return say(MORVEL_TR("instruments", "time only"));
    case STATUS_SIM: return say(MORVEL_TR("instruments", "simulated"));
    case STATUS_PPS_FIX: return "PPS";
    default: return "GPS";
    }
}

/// Knots in a metre a second.
constexpr double knotsPerMetreSecond = 3600.0 / 1852;

}  // namespace

GpsFix readGps(const std::string& host, int port, double timeout)
{
    GpsFix f;
    const std::string where = host + ":" + std::to_string(port);
    gps_data_t data{};
    if (gps_open(host.c_str(), std::to_string(port).c_str(), &data) != 0) {
        f.status = GpsFix::Status::noGpsd;
        f.why = navtext::say(MORVEL_TR("instruments", "no gpsd at %1: %2"), {where, gps_errstr(errno)});
        return f;
    }
    gps_stream(&data, WATCH_ENABLE | WATCH_JSON, nullptr);
    using clock = std::chrono::steady_clock;
    const auto end = clock::now() + std::chrono::duration<double>(std::max(0.0, timeout));
    char waited[32];
    std::snprintf(waited, sizeof waited, "%g s", timeout);
    f.why = navtext::say(MORVEL_TR("instruments", "no fix from gpsd at %1 within %2"), {where, waited});
    // A receiver's cycle comes as several reports (the position alone,
    // then the time, course and speed): after the first fix the rest are
    // gathered for a moment longer.
    auto until = end;
    const auto gathered = [&] { return f.time && f.course && f.speed; };
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(until - clock::now()).count();
        if (left <= 0 || (f.ok() && gathered()))
            break;
        // At most a second at a time, the deadline checked between.
        if (!gps_waiting(&data, int(std::min<long long>(left, 1000000))))
            continue;
        if (gps_read(&data, nullptr, 0) < 0) {
            if (!f.ok())
                f.why = navtext::say(MORVEL_TR("instruments", "gpsd at %1 closed the connection without a fix"),
                                     {where});
            break;
        }
        const gps_fix_t& x = data.fix;
        if (!(data.set & LATLON_SET) || x.mode < MODE_2D || !std::isfinite(x.latitude) || !std::isfinite(x.longitude))
            continue;
        if (!f.ok())
            until = std::min<decltype(until)>(end, clock::now() + std::chrono::seconds(2));
        f.status = GpsFix::Status::fixed;
        f.why.clear();
        const double degree = M_PI / 180;
        f.lat = x.latitude * degree;
        f.lon = x.longitude * degree;
        if ((data.set & TIME_SET) && x.time.tv_sec > 0)
            f.time = double(x.time.tv_sec) + x.time.tv_nsec / 1e9;
        if ((data.set & TRACK_SET) && std::isfinite(x.track))
            f.course = x.track * degree;
        if ((data.set & SPEED_SET) && std::isfinite(x.speed))
            f.speed = x.speed * knotsPerMetreSecond;
        f.threeD = x.mode == MODE_3D;
        f.quality = qualityOf(x.status);
        if (data.satellites_used > 0)
            f.satellites = data.satellites_used;
        if (std::isfinite(data.dop.hdop) && data.dop.hdop > 0)
            f.hdop = data.dop.hdop;
        if (std::isfinite(x.eph) && x.eph > 0)
            f.errorMetres = x.eph;
    }
    gps_stream(&data, WATCH_DISABLE, nullptr);
    gps_close(&data);
    return f;
}

}  // namespace morvel::instruments
