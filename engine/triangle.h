/// \file triangle.h
/// \brief The celestial triangle solved as a value.
///
/// solveTriangle(code, givens) takes the three quantities of a case and returns the
/// solved triangle: how many solutions there are (0, 1 or 2), each as a
/// complete set of the five quantities, the remark "Many Other Solutions"
/// where the givens leave the triangle free on the meridian, and the
/// messages that say why there is none. It reads and writes no global and
/// calls no window: any number of threads may solve at once. The calculator
/// windows reach it through the ten solver procedures of solvers.h, which
/// replay the value onto the active window.
///
/// Angles are radians: latitude, declination and altitude signed, north
/// (up) positive, -pi/2..pi/2; LHA and true azimuth 0..2pi, the azimuth
/// counted from north through east. t and Z are the LHA and the azimuth
/// folded into 0..pi (fold); great-circle sailing may pass a DLo beyond pi
/// in t (see gcs/sailing.h).
///
/// The case code is
///   16 x [latitude] + 8 x [LHA] + 4 x [declination] + 2 x [altitude] + [azimuth]
/// and each of the ten codes with three quantities has one solver:
///
///   28  latitude, LHA, declination   -> altitude, azimuth     1
///   19  latitude, altitude, azimuth  -> declination, LHA      1
///   22  latitude, declination, alt.  -> LHA, azimuth          2 (east, west)
///   25  latitude, LHA, azimuth       -> declination, altitude 1
///   26  latitude, LHA, altitude      -> declination, azimuth  0..2
///   21  latitude, declination, az.   -> LHA, altitude         0..2
///   14  LHA, declination, altitude   -> latitude, azimuth     0..2
///    7  declination, altitude, az.   -> latitude, LHA         0..2
///   13  LHA, declination, azimuth    -> latitude, altitude    0..2
///   11  LHA, altitude, azimuth       -> latitude, declination 0..2
///
/// Every set is a triangle with the three given parts, the givens copied in
/// as they were passed, and every value lies in its range. Conventions kept
/// on purpose: a zero latitude or declination counts as north; a body on
/// the upper meridian north of the observer has azimuth 2pi when the LHA is
/// 0 (code 28) and LHA 2pi in code 22's east set; a body at the zenith
/// (math::atZenith, at an LHA where a body can stand there) is one solution
/// in codes 26 and 14 with azimuth 0 and the declination (latitude) equal
/// to the latitude (declination). Where a direction has no meaning it is 0:
/// the azimuth of a body at the zenith or nadir, the hour angle of a body at
/// a pole. For an observer at a pole the azimuth is the limit reached along
/// the meridian of the LHA's origin: 180 degrees plus the LHA at the north
/// pole, 360 less the LHA at the south pole.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace morvel::engine {

/// The givens of a solve: the five quantities (those not given hold
/// anything; they are not read) and the folded meridian angle t and
/// azimuth angle Z.
struct Givens {
    double lat = 0, lha = 0, dec = 0, alt = 0, zn = 0;
    double t = 0, Z = 0;
};

/// One solution set.
struct Triangle {
    double lat = 0, lha = 0, dec = 0, alt = 0, zn = 0;
};

/// The messages of a solve, in the order a window shows them: "No Solution"
/// or "No solution", at most two.
struct Messages {
    std::array<const char*, 2> text{};
    int16_t count = 0;

    void add(const char* t)
    {
        if (count < 2)
            text[size_t(count++)] = t;
    }
    /// The messages joined by "; ", or "" when there are none.
    std::string joined() const;
};

/// A solved triangle.
struct Solved {
    int16_t code = 0;
    /// 0, 1 or 2. 0 with no message when the code has no solver.
    int16_t count = 0;
    /// Set 1, and set 2 when count is 2; set 2 is all zeros otherwise.
    std::array<Triangle, 2> sets{};
    /// "Many Other Solutions": the givens leave the triangle free on the meridian.
    bool manyOther = false;
    /// Why there is no solution (count 0).
    Messages messages;
};

/// 16 x [latitude] + 8 x [LHA] + 4 x [declination] + 2 x [altitude] + [azimuth].
int16_t casecode(bool lat, bool lha, bool dec, bool alt, bool az);

/// lha and zn folded into 0..pi: 2pi - x when x > pi.
double fold(double x);

/// The givens of the five quantities, t and Z folded from lha and zn.
Givens givens(double lat, double lha, double dec, double alt, double zn);

/// Whether an LHA and a true azimuth put the body on opposite sides of the
/// meridian: west of it (LHA below pi) it bears west (azimuth above pi), and
/// the reverse. On the meridian (an LHA of 0, pi or 2pi) or due north or
/// south (an azimuth of 0, pi or 2pi) they never disagree. Great-circle
/// sailing takes the same rule for the westward DLo and the initial course.
bool sidesDisagree(double lha, double zn);

/// Whether code is one of the ten cases above.
bool hasSolver(int16_t code);

/// Solves case code from g.
Solved solveTriangle(int16_t code, const Givens& g);

}  // namespace morvel::engine
