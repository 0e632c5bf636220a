/// \file angles.h
/// \brief Angles and positions as navigators write them, read for
/// morvel-solve. No Qt.
///
/// An angle is whole degrees and minutes, or decimal degrees:
///
///   40 12.3N   40°12.3'N   N40 12.3   40.205N   351 41.9   -12 15   -40.205
///
/// Degrees and minutes are parted by blanks or by the signs ° and ' (also
/// º, ′ and ’); minutes run from 0 to under 60 and follow whole degrees. A
/// hemisphere letter (N or S for latitude and declination, E or W for
/// longitude and DLo, either case) stands before or after the number.
/// Latitude, declination and longitude may carry a sign instead (minus is
/// south or west); the DLo needs its letter. The altitude carries its own
/// sign: "-12 15" is 12°15' below the horizon, "-0 30" half a degree. LHA,
/// azimuth and course take neither letter nor sign.
///
/// The numbers are read by the calculators' rule (calc::readAngle): minutes
/// in single precision, the combined angle degrees + minutes / 60, then
/// radians by pi / 180. The same text therefore gives the same angle here
/// as in the degrees-and-minutes window, to the last bit.
///
/// A position is a latitude and a longitude: "40 12.3N 70 30.5W",
/// "40.205N,70.508W", "N40 12.3 W70 30.5" or, without letters, two signed
/// decimal numbers "40.205 -70.508" (or "40.205,-70.508"). A latitude alone
/// is a position without a longitude.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvel::cli {

/// What an angle is, which decides its letters, sign and range.
enum class AngleKind {
    latitude,   ///< N/S or sign, 0 to 90 degrees (also the declination)
    longitude,  ///< E/W or sign, 0 to 180 degrees
    altitude,   ///< signed, -90 to 90 degrees
    circle,     ///< LHA, azimuth, course: 0 to 360 degrees
    dlo,        ///< E/W needed, 0 to 360 degrees
};

/// An angle read, or why not. radians is signed north and east positive;
/// for a DLo it is the westward DLo (the LHA slot), 0 to 2pi.
struct AngleRead {
    bool ok = false;
    double radians = 0;
    bool east = false;  ///< a DLo written with E
    std::string error;  ///< what was wrong and what is allowed
};

/// what names the quantity in messages ("a declination"); by default the
/// kind's own name.
AngleRead readNavAngle(std::string_view text, AngleKind kind, std::string_view what = {});

/// A position read: its latitude, and its longitude when it has one.
struct PositionRead {
    bool ok = false;
    double lat = 0;
    std::optional<double> lon;
    std::string error;
};

PositionRead readPosition(std::string_view text);

/// A distance in nautical miles, 0 to 10800 (half a great circle): a plain
/// decimal number, "nm" after it allowed.
struct MilesRead {
    bool ok = false;
    double miles = 0;
    std::string error;
};

MilesRead readMiles(std::string_view text);

/// What each kind accepts, for messages and --help.
std::string allowed(AngleKind kind);

}  // namespace morvel::cli
