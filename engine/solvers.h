/// \file solvers.h
/// \brief The ten case solvers as the calculator windows call them.
///
/// Each procedure solves its case with solveTriangle() (triangle.h, which lists the
/// cases, their solutions and conventions) and replays the answer the way
/// the windows expect it: solution set 1 (and set 2 when there are two) and
/// nout in the engine's variables, the messages through msgbox, each result
/// row through output(x1, x2, count, row) on the active window (rows:
/// 1 latitude, 2 LHA, 3 declination, 4 altitude, 5 azimuth), other(Z, t)
/// in codes 25 and 13, remark() where the givens leave a whole arc of
/// triangles (Solved::manyOther), and then transfer() on forms[1]. A triangle that does
/// not exist is reported by its message instead, with nout 0 and no output:
/// a message and a result never come together.
///
/// Arguments are radians: lat, dec, alt signed (north positive), lha and zn
/// (true azimuth) in 0..2pi, t and Z the meridian angle and azimuth angle
/// (lha and zn folded into 0..pi). Quantities that were not given are not
/// read. Where an argument is named after an engine variable (lat1, lha2,
/// dec1, alt2, az1, nout, ...) the result arrives there too; the inputs are
/// read first, so any argument may be an engine variable.
///
/// Code that is not a window calls solveTriangle() instead.
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
