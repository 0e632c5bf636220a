/// \file solvers.h
/// \brief The ten case solvers of the celestial triangle.
///
/// A calculator that has three quantities forms the case code
///   16 x [latitude] + 8 x [LHA] + 4 x [declination] + 2 x [altitude] + [azimuth]
/// and calls the solver of that code:
///
///   28 solveltd  latitude, LHA, declination   -> altitude, azimuth     1
///   19 solvelhz  latitude, altitude, azimuth  -> declination, LHA      1
///   22 solveldh  latitude, declination, alt.  -> LHA, azimuth          2 (east, west)
///   25 solveltz  latitude, LHA, azimuth       -> declination, altitude 1
///   26 solvelth  latitude, LHA, altitude      -> declination, azimuth  0..2
///   21 solveldz  latitude, declination, az.   -> LHA, altitude         0..2
///   14 solvetdh  LHA, declination, altitude   -> latitude, azimuth     0..2
///    7 solvedhz  declination, altitude, az.   -> latitude, LHA         0..2
///   13 solvetdz  LHA, declination, azimuth    -> latitude, altitude    0..2
///   11 solvethz  LHA, altitude, azimuth       -> latitude, declination 0..2
///
/// Arguments are radians: lat, dec, alt signed (north positive), lha and zn
/// (true azimuth) in 0..2pi, t and Z the meridian angle and azimuth angle
/// (lha and zn folded into 0..pi). Quantities that were not given are not
/// read. Where an argument is named after an engine variable (lat1, lha2,
/// dec1, alt2, az1, nout, ...) the window passes that variable and the
/// solver's result arrives there; the solvers copy their inputs first, so
/// any argument may be an engine variable.
///
/// Every solver stores solution set 1 (and set 2 when there are two) and
/// nout, reports each result row through output(x1, x2, count, row) on the
/// active window (rows: 1 latitude, 2 LHA, 3 declination, 4 altitude,
/// 5 azimuth), possibly other(Z, t), and then transfer() on forms[1]. A
/// triangle that does not exist is reported by a message instead, with nout
/// 0 and no output: a message and a result never come together. Every set
/// reported is a triangle with the three given parts, and every value lies
/// in its range (latitude and declination -90..90 degrees, LHA and azimuth
/// 0..360).
///
/// Conventions kept on purpose: a zero latitude or declination counts as
/// north; a body on the upper meridian north of the observer has azimuth
/// 2pi when the LHA is 0 (code 28) and LHA 2pi in code 22's east set; a body
/// at the zenith (altitude within 2e-6 rad of 90 degrees, and an LHA at
/// which a body can stand there) is reported in codes 26 and 14 with
/// azimuth 0 and declination (latitude) equal to the latitude (declination).
/// Where a direction has no meaning it is 0: the azimuth of a body at the
/// zenith or nadir, the hour angle of a body at a pole. For an observer at a
/// pole the azimuth is the limit reached along the meridian of the LHA's
/// origin: 180 degrees plus the LHA at the north pole, 360 less the LHA at
/// the south pole.
#pragma once

#include <cstdint>

namespace morvel::engine {

void solveltd(double& lat, double& t, double& dec, double& alt, double& Z, double& lha, double& zn);
void solvelhz(double& lat, double& t, double& dec, double& alt, double& Z, double& lha, double& zn);
void solveldh(double& lat, double& dec, double& alt, double& lha1, double& lha2, double& az1, double& az2);
void solveltz(double& lat, double& t, double& dec, double& alt, double& Z, double& lha, double& zn);

void solvelth(double& lat, double& t, double& dec1, double& dec2, double& alt, double& az1, double& az2,
              double& lha);
void solveldz(double& lat, double& lha1, double& lha2, double& dec, double& alt1, double& alt2, double& Z,
              double& zn, int16_t& nout);
void solvetdh(double& lat1, double& lat2, double& t, double& dec, double& alt, double& az1, double& az2,
              double& lha, int16_t& nout);
void solvedhz(double& lat1, double& lat2, double& lha1, double& lha2, double& dec, double& alt, double& Z,
              double& zn, int16_t& nout);

void solvetdz(double& lat1, double& lat2, double& t, double& dec, double& alt1, double& alt2, double& Z,
              double& lha, double& zn, int16_t& nout);
void solvethz(double& lat1, double& lat2, double& t, double& dec1, double& dec2, double& alt, double& Z,
              double& lha, double& zn, int16_t& nout);

}  // namespace morvel::engine
