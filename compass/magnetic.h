/// \file magnetic.h
/// \brief The variation (magnetic declination) at a place and date from
/// the World Magnetic Model 2025, through GeographicLib's MagneticModel.
/// No Qt.
///
/// The model is NOAA's and the British Geological Survey's WMM2025
/// (WMM.COF, kept as compass/data/magnetic/WMM2025.COF), converted once to
/// GeographicLib's form, wmm2025.wmm and wmm2025.wmm.cof, by make_wmm.py
/// beside it (its README says how). It is valid from 2025.0 to 2030.0,
/// 1 January 2025 to the end of 2029; a date outside those years is
/// refused, with the reason, and the variation must come from the chart.
///
/// Angles in radians: latitude north positive, longitude east positive;
/// the variation east positive (magnetic north east of true north), the
/// inclination (dip of the field) down positive. Intensities in nanotesla.
/// The field is the model's at sea level, height 0 above the WGS 84
/// ellipsoid (the geoid's hundred metres either way change the variation
/// by less than a thousandth of a degree). The date is the UTC instant as
/// a fractional year: its year plus the part of that year gone.
///
/// Where the horizontal intensity H is weak the compass's directive force
/// is weak and the model's variation uncertain. NOAA's zones: H under
/// 2000 nT is the blackout zone, around the magnetic poles, where the
/// compass is unreliable; under 6000 nT the caution zone, where its
/// readings have large uncertainties. Field::zone says which, and
/// zoneWarning() says it in words.
///
/// The model's files are looked for, in order, in the folder named by the
/// environment variable MORVEL_MAGNETIC_PATH; beside the program, in
/// ../share/morvel/magnetic from the folder of the running executable (as
/// installed, and in the build tree, where CMake copies them for the
/// programs in its folders one level down); and in the folder the build
/// was configured to install them in (CMAKE_INSTALL_FULL_DATADIR/morvel/
/// magnetic). The model is read once and shared; threads may ask for
/// fields at once.
#pragma once

#include "sight/utc.h"

#include <string>

namespace morvel::compass {

struct Field {
    enum class Zone { clear, caution, blackout };

    std::string why;  ///< why there is no field; empty when there is one
    bool ok() const { return why.empty(); }

    double variation = 0;
    double inclination = 0;
    double total = 0;       ///< nT
    double horizontal = 0;  ///< nT
    Zone zone = Zone::clear;
};

/// NOAA's limits of the zones, nT.
inline constexpr double blackoutIntensity = 2000;
inline constexpr double cautionIntensity = 6000;

/// The model's field at lat, lon at sea level at the instant when.
Field fieldAt(double lat, double lon, const sight::UtcTime& when);

/// The same at a fractional year and a height above the ellipsoid in
/// metres (the model's own test values are given so).
Field fieldAt(double lat, double lon, double year, double height);

/// The instant as a fractional year (2026.5 is about 2 July 2026).
double fractionalYear(const sight::UtcTime& when);

/// What the zone means for the compass, in a sentence naming H; empty for
/// a field clear of both.
std::string zoneWarning(const Field& f);

/// The folder the model was read from, or empty when it was not found.
std::string modelFolder();

}  // namespace morvel::compass
