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

/// The planet's heliocentric position.
void heliocentric(Planet planet, double jdTT, double p[3]);

/// The Moon's geocentric position.
void moon(double jdTT, double p[3]);

}  // namespace morvel::almanac::ephemeris
