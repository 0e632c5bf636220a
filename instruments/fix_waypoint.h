/// \file fix_waypoint.h
/// \brief A celestial fix as a chart plotter takes it: a waypoint named
/// for its time ("FIX 1941Z", the hours and minutes of UTC, the seconds
/// dropped, as the log writes a fix's time), its 95 % ellipse in the
/// description, written as NMEA sentences (nmea.h) or a GPX document
/// (gpx.h). No Qt.
#pragma once

#include "sight/fix.h"

#include <optional>
#include <string>

namespace morvel::instruments {

struct FixWaypoint {
    double lat = 0, lon = 0;  ///< radians, north and east positive
    std::string time;         ///< UTC, "2026-12-07T19:41:06Z"
    double secondsOfDay = 0;  ///< the same time's seconds since midnight
    /// The 95 % ellipse's semi-axes (nautical miles) and the major axis's
    /// direction (radians true); none from two lines.
    std::optional<double> major, minor, orientation;

    /// "FIX 1941Z".
    std::string name() const;
    /// "Celestial fix 2026-12-07T19:41:06Z; 95% ellipse semi-axes 1.20 and
    /// 0.45 nm, major axis 045°" (or "no ellipse from two lines").
    std::string description() const;
    /// $GPWPL, then $GPGLL when gll.
    std::string nmea(bool gll) const;
    /// The GPX 1.1 document of the waypoint.
    std::string gpx(const std::string& creator) const;
};

/// A found fix as a waypoint, at the last sight's time as logged (utc,
/// "2026-12-07T19:41:06Z"; a time that cannot be read is kept as given,
/// at midnight).
FixWaypoint waypointOf(const sight::Fix& fix, const std::string& utc);

}  // namespace morvel::instruments
