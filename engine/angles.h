/// \file angles.h
/// \brief The angles and tolerances of the whole program, each in one place.
///
/// Angles are radians. Each tolerance says which case it settles; the
/// engine, the windows and morvel-solve all take them from here, so that a
/// window and the command line never disagree on where a special case
/// begins.
#pragma once

#include <cmath>
#include <numbers>

namespace morvel::math {

inline constexpr double pi = std::numbers::pi;
inline constexpr double halfPi = pi / 2;
inline constexpr double twoPi = 2 * pi;
/// Radians in one degree.
inline constexpr double degree = pi / 180;

/// x moved into [0, 2pi): a course, an azimuth or an LHA from any angle.
/// fmod keeps the sign of x, so a negative remainder goes up a turn; one
/// within rounding of zero (-1e-17, say) comes to 2pi itself.
inline double wrap(double x)
{
    x = std::fmod(x, twoPi);
    return x < 0 ? x + twoPi : x;
}

/// x moved into (-pi, pi] by a single turn at most, so only for an x less
/// than a turn outside it (the difference of two arc tangents). -pi becomes
/// pi.
inline double wrapSigned(double x)
{
    if (x > pi)
        return x - twoPi;
    if (x <= -pi)
        return x + twoPi;
    return x;
}

/// A body whose azimuth angle or meridian angle has a sine this small is on
/// the meridian: the remark "Many Other Solutions" goes with its answer.
inline constexpr double meridianSine = 2e-6;

/// Within this of 90 degrees the altitude is the zenith: codes 26 and 14
/// put the body there, with the declination (latitude) equal to the other
/// and azimuth 0.
inline constexpr double zenithSlack = 2e-6;

/// Below this |sin| the angle a of aascount is on the meridian, where the
/// sine rule does not rule a triangle out (codes 13 and 11).
inline constexpr double aasMeridianSine = 1e-6;

/// angcos (codes 22 and 21's checks): a cosine up to this beyond 1 is the
/// rounding of a meridian passage, not an impossible triangle.
inline constexpr double cosineSlack = 1.00002;

/// |cos b cos c| below this: b or c is within about 1e-12 rad of a pole,
/// where the cosine rule divides by nothing (angcos).
inline constexpr double poleProduct = 1e-12;

/// Below this the two terms of an angle's arc tangent are rounding: the
/// angle's vertex is at a pole or its far side ends there (sas, ssacount).
inline constexpr double noDirection = 1e-12;

/// A sine this small is the rounding of an angle of exactly 0 or 180
/// degrees (sidesin: both angles on the meridian).
inline constexpr double meridianRounding = 1e-12;

/// A sine or cosine this small is the rounding of an exact zero: the
/// cosine of 90 degrees is 6e-17 in doubles, the sine of 180 degrees 1.2e-16
/// (sincosroots: a double root at the nadir or at a pole).
inline constexpr double trigRounding = 1e-15;

/// A root this far beyond a pole is the rounding of a root on the pole
/// (sincosroots, and the meridian triangles of codes 13 and 11).
inline constexpr double poleSlack = 1e-12;

/// The body on the meridian: the azimuth angle z or the meridian angle t
/// within meridianSine of 0 or 180 degrees. Windows and morvel-solve show
/// "Many Other Solutions" then.
inline bool onMeridian(double z, double t)
{
    return std::abs(std::sin(z)) <= meridianSine || std::abs(std::sin(t)) <= meridianSine;
}

/// Within this of a pole the LHA no longer matters to the answer of latitude,
/// declination and altitude (code 22): "Many Other Solutions".
inline constexpr double poleFreeSlack = 2e-6;

/// A latitude or declination at a pole, within poleFreeSlack.
inline bool atPole(double x)
{
    return std::abs(x) > halfPi - poleFreeSlack;
}

/// Within this of 90 degrees a latitude is the pole itself, the rounding of
/// pi/2, where a course or a longitude has no meaning (rhumb lines and the
/// waypoints of a route).
inline constexpr double poleRounding = 1e-15;

/// A latitude at a pole, within poleRounding.
inline bool isPole(double lat)
{
    return std::abs(lat) >= halfPi - poleRounding;
}

/// The body at the zenith: the altitude within zenithSlack of 90 degrees.
inline bool atZenith(double alt)
{
    return std::abs(alt - halfPi) < zenithSlack;
}

}  // namespace morvel::math
