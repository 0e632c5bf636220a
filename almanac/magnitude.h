/// \file magnitude.h
/// \brief The visual magnitudes of the navigational planets, by Mallama
/// and Hilton, "Computing apparent planetary magnitudes for The
/// Astronomical Almanac" (Astronomy and Computing 25, 2018). No Qt;
/// internal to the library.
///
/// r and delta are the planet's distances from the Sun and the Earth in
/// astronomical units; phase is the angle Sun-planet-Earth in radians;
/// ringTilt, for Saturn, the Earth's latitude over the ring plane as seen
/// from Saturn, radians (its sign does not matter). The planets' own
/// rotation and seasons (Mars: up to 0.1) are left out.
#pragma once

#include "almanac/ephemeris.h"

namespace morvel::almanac {

double magnitude(ephemeris::Planet planet, double r, double delta, double phase, double ringTilt);

}  // namespace morvel::almanac
