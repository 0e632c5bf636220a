/// \file sky.h
/// \brief The sky at a time, as a star finder shows it: every navigational
/// body above the horizon of a DR, and the day's twilights. No Qt.
///
/// Angles in radians; latitude north and longitude east positive.
///
/// Bodies. The Sun, the Moon, the planets and the stars whose computed
/// altitude at the DR (horizon.h: geocentric, code 28) is above 0, with
/// their Hc, Zn and magnitude, brightest first (the Sun and the Moon, which
/// have no magnitude here, lead).
///
/// Twilight. The instants of the UTC day at which the Sun's centre is at
/// -6 degrees (civil) and -12 degrees (nautical) of geocentric altitude,
/// rising in the morning and sinking in the evening, for a ship stopped at
/// the DR; each is found within the day by bisection to a twentieth of a
/// second. A day on which the Sun does not cross that altitude, or crosses
/// it only the other way (it ends or starts at midnight in polar summer or
/// winter, or the local evening falls before the local morning in UTC),
/// leaves that instant empty.
#pragma once

#include "almanac/almanac.h"
#include "sight/utc.h"

#include <optional>
#include <string>
#include <vector>

namespace morvel::sight {

struct Visible {
    almanac::Body body;
    double hc = 0, zn = 0;
    std::optional<double> mag;
};

struct SkyView {
    std::vector<Visible> bodies;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// The bodies above the horizon of lat, lon at when.
SkyView skyAt(const almanac::Instant& when, double lat, double lon);

struct Twilight {
    std::optional<UtcTime> nauticalMorning, civilMorning, civilEvening, nauticalEvening;
    std::string error;
    bool ok() const { return error.empty(); }
};

/// The twilights of day's UTC date (its time of day is not read) at lat, lon.
Twilight twilightOf(const UtcTime& day, double lat, double lon, double dut1 = 0);

}  // namespace morvel::sight
