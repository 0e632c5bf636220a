/// \file compass.h
/// \brief The compass checked by a body: its true azimuth against the
/// bearing taken, the compass error, and with the variation the deviation;
/// by the azimuth method at any altitude, or by the amplitude method as the
/// body rises or sets. No Qt.
///
/// Angles in radians. Latitude north positive, longitude east positive;
/// bearings, azimuths and headings from north through east, 0..2pi. The
/// compass error, the variation and the deviation are east positive,
/// -pi..pi, so that
///   true bearing = compass bearing + compass error
///   compass error = variation + deviation
/// A compass that reads less than true has its error east: "2.3° E". A gyro
/// has no variation and no deviation, only its error; one that reads more
/// than true reads high (its error west), "1.5° high" (navtext.h writes
/// both).
///
/// The azimuth method. The body's place at the instant (almanac.h) and the
/// celestial triangle at the position (code 28, sight/horizon.h) give the
/// true azimuth Zn of the body's centre, whatever its altitude; the error
/// is Zn less the bearing, brought into -pi..pi. A body whose upper limb
/// stands below the sensible horizon (refraction, semi-diameter and
/// parallax taken as a sight takes them, sight/corrections.h, for a height
/// of eye of 0) could not have been seen, and its bearing is refused: the
/// instant, the position or the body is mistyped. So is a body within a
/// minute of arc of the zenith, which has no azimuth, and a bearing taken
/// at a pole, where every direction is south (or north).
///
/// The amplitude method. The bearing is taken as the body's centre stands
/// on the horizon, rising or setting, and the time need only be rough: the
/// body is rising when it is east of the meridian at that time (LHA above
/// pi), setting when west. Its true altitude h0 then is
///   on the visible horizon (the sea's edge, the default): the observed
///     altitude of a sextant altitude 0 of the centre from the height of
///     eye given, by sight/corrections.h: the dip and the refraction at
///     the apparent altitude -dip below the celestial horizon, the
///     parallax above it (10 deg C, 1010 hPa). For the Sun, a star or a
///     planet that is about 34' plus the dip below the celestial horizon;
///     for the Moon, whose parallax is larger, about 23' less the dip
///     above it;
///   on the celestial horizon (when asked): 0, the textbook amplitude
///     sin A = sin dec / cos lat.
/// The triangle of latitude, declination and altitude h0 (code 22) gives
/// the LHA and azimuth at which the centre stands at h0 on the rising or
/// setting side; the time is moved by the hour angle still to run at the
/// body's own rate, and the place found again, until the moment moves less
/// than a second. The azimuth is the centre's at that moment, so a Moon
/// that changes its declination by a quarter of a degree an hour is as
/// true as a star. A body that does not reach h0 at that latitude that day
/// (it stays above or below the horizon) has no amplitude. A body more
/// than 2 degrees (amplitudeReach) from h0 at the time given is refused:
/// the time would not be the rising or setting meant.
///
/// The amplitude is the angle from the east point (rising) or the west
/// point (setting) to the body along the horizon, north positive: 90 deg
/// less Zn when rising, Zn less 270 deg when setting; navigators write it
/// "E 21.4° S" (navtext.h).
///
/// A check refused has its why and nothing else meaningful. The
/// variation, when given, is the chart's or the magnetic model's
/// (magnetic.h); none is taken for a gyro.
#pragma once

#include "almanac/bodies.h"
#include "engine/angles.h"
#include "sight/utc.h"

#include <optional>
#include <string>

namespace morvel::compass {

enum class Instrument { magnetic, gyro };

/// A bearing of a body, taken by a compass at a time and place.
struct Bearing {
    almanac::Body body{almanac::BodyKind::sun, "Sun"};
    sight::UtcTime when;
    double dut1 = 0;  ///< UT1 - UTC, seconds
    double lat = 0, lon = 0;
    double bearing = 0;  ///< the compass's bearing of the body's centre
    Instrument instrument = Instrument::magnetic;
    /// East positive; the deviation needs it. Not taken for a gyro.
    std::optional<double> variation;
};

enum class Horizon { visible, celestial };

struct AmplitudeOptions {
    Horizon horizon = Horizon::visible;
    double eye = 0;  ///< height of eye, metres, for the dip of the visible horizon
};

/// The farthest the body may stand from its rising or setting altitude at
/// the time given for the amplitude method: 2 degrees.
inline constexpr double amplitudeReach = 2 * math::degree;

struct Check {
    std::string why;  ///< why the bearing is refused; empty when checked
    bool ok() const { return why.empty(); }

    double azimuth = 0;   ///< the true azimuth of the body's centre
    double altitude = 0;  ///< the centre's true altitude, from the triangle
    double error = 0;     ///< compass (or gyro) error, east positive
    std::optional<double> variation;  ///< as given; none for a gyro
    std::optional<double> deviation;  ///< error less variation, when the variation is known
    /// The amplitude method: the amplitude (north positive), whether the
    /// body is rising, and the moment its centre stands on the horizon.
    std::optional<double> amplitude;
    bool rising = false;
    sight::UtcTime moment;
};

/// The azimuth method.
Check byAzimuth(const Bearing& b);

/// The amplitude method.
Check byAmplitude(const Bearing& b, const AmplitudeOptions& options = {});

/// The error of a compass that bore bearing where the true azimuth is
/// azimuth: azimuth - bearing, in -pi..pi.
double compassError(double azimuth, double bearing);

}  // namespace morvel::compass
