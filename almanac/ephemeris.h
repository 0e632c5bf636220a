/// \file ephemeris.h
/// \brief Geometric positions of the Moon and planets for almanac.cpp:
/// libnova's VSOP87 and ELP 2000-82B turned onto the axes of the ICRS. No
/// Qt; internal to the library.
///
/// Positions in astronomical units, rectangular, ICRS (GCRS) axes;
/// instants as Julian dates in TT.
#pragma once

namespace morvel::almanac::ephemeris {

enum class Planet { venus, mars, jupiter, saturn };

/// The planet's heliocentric position (VSOP87), and its velocity in au
/// per day from ERFA's eraPlan94, good enough to carry the position back
/// over the light time (ten metres over an hour).
void heliocentric(Planet planet, double jdTT, double p[3], double v[3]);

/// The Moon's geocentric position (ELP 2000-82B).
void moon(double jdTT, double p[3]);

}  // namespace morvel::almanac::ephemeris
