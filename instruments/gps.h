/// \file gps.h
/// \brief The ship's position, time, course and speed from the GPS, read
/// from gpsd (the GPS daemon, through its libgps). No Qt.
///
/// gpsd is asked at host:port (localhost:2947 by default) for its reports,
/// and the first with a position (a 2D or 3D fix) is taken, with the time,
/// course and speed over ground of the reports that follow it within two
/// seconds (a receiver sends its cycle as several sentences), when the
/// receiver gives them. Nothing waits beyond the timeout: neither the connection (refused at once when
/// no gpsd listens) nor the reports.
///
/// Degrees are turned into radians, north and east positive; the course
/// over ground is true; the speed over ground is in knots (gpsd's metres
/// a second times 3600 / 1852).
#pragma once

#include <optional>
#include <string>

namespace morvel::instruments {

struct GpsFix {
    enum class Status { fixed, noGpsd, noFix };
    Status status = Status::noFix;
    std::string why;  ///< empty when fixed

    double lat = 0, lon = 0;
    /// UTC, seconds since 1970-01-01 (POSIX time, leap seconds not
    /// counted); none when the receiver gave no time.
    std::optional<double> time;
    std::optional<double> course, speed;  ///< over the ground
    bool threeD = false;                  ///< a 3D fix (altitude too), else 2D
    /// gpsd's kind of fix: "GPS", "DGPS", "RTK", "dead reckoning", ...
    std::string quality;
    int satellites = 0;                ///< used in the fix; 0 when not told
    std::optional<double> hdop;        ///< horizontal dilution of precision
    std::optional<double> errorMetres;  ///< gpsd's estimate of the horizontal error, 95 %

    bool ok() const { return status == Status::fixed; }
};

/// The default of --gpsd and of the window.
inline constexpr const char* gpsdHost = "localhost";
inline constexpr int gpsdPort = 2947;

/// Waits up to timeout seconds for a fix from gpsd at host:port.
GpsFix readGps(const std::string& host, int port, double timeout);

}  // namespace morvel::instruments
