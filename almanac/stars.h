/// \file stars.h
/// \brief The star catalogue of the almanac as the source gives it, built
/// into the library from data/navigational_stars.csv (see that file's
/// header for the source and units). No Qt.
///
/// Frame ICRS, epoch J2000.0. Right ascension in hours, minutes, seconds;
/// declination in degrees, minutes, seconds with the sign apart (so that
/// -0 degrees 30 minutes keeps its sign). Proper motion in right ascension
/// is mu_alpha * cos(dec); proper motions and parallax in mas (per Julian
/// year), radial velocity in km/s, positive receding.
#pragma once

#include <cstddef>
#include <span>

namespace morvel::almanac {

struct CatalogueStar {
    const char* name;         ///< as navigators write it ("Rigil Kentaurus")
    const char* also;         ///< other spellings, '/' between ("Rigil Kent")
    int number;               ///< in the nautical almanac, 1..57; Polaris 0
    int hip;                  ///< Hipparcos number
    const char* designation;  ///< the source's nomenclature ("alCen")
    int raH, raM;
    double raS;
    bool south;
    int decD, decM;
    double decS;
    double pmRa, pmDec, rv, parallax, vmag;
};

/// Every star of the catalogue, in the file's order.
std::span<const CatalogueStar> catalogue();

}  // namespace morvel::almanac
