/// \file reduction.h
/// \brief One sight reduced at a position: its corrections, the body's
/// place, the computed altitude and azimuth, and the intercept. No Qt.
///
/// Angles in radians: latitudes and declinations signed north positive,
/// longitudes east positive (-pi..pi); GHA and LHA westward, 0..2pi, with
/// LHA = GHA + east longitude; azimuth Zn true, from north through east,
/// 0..2pi. Hc and Zn come from the celestial triangle by code 28
/// (engine::solveTriangle: latitude, LHA, declination).
///
/// The intercept is Ho - Hc in nautical miles (one minute of arc a mile):
/// positive toward the body's geographical position, negative away.
///
/// The corrections take the latitude of the position reduced at and the
/// azimuth Zn found there (the Moon's parallax depends on both), so Hc and
/// Zn come first; the body's semi-diameter and horizontal parallax are the
/// almanac's at the sight's instant. Only the Sun and the Moon are observed
/// by a limb; a planet's parallax is applied to its centre. A sight whose
/// corrections put Ho above 90 degrees, beyond the zenith, is refused.
///
/// At its DR a sight is refused too when its intercept there is over
/// interceptReach, 300 nm (5 degrees). The intercept method lays a straight
/// line for a circle of position near the DR, and no honest DR is five
/// degrees out: such an intercept comes from a slip in the altitude, the
/// time, the body or the DR, and a line laid from it would drag the fix
/// hundreds of miles after it. The figures stay in the Reduction, with the
/// reason, so that what was worked out can be shown.
///
/// An intercept over interceptWarning, 30 nm, is worked but said: a DR that
/// far off is rare between fixes, and the line may come from a slip; the
/// fix iterates from the DR all the same.
#pragma once

#include "almanac/almanac.h"
#include "sight/corrections.h"

#include <string>
#include <vector>

namespace morvel::sight {

/// One sight as the navigator logged it: when, what, the sextant altitude
/// hs (radians) and the conditions, and the DR at that instant.
struct Sight {
    almanac::Instant when;
    almanac::Body body{almanac::BodyKind::sun, "Sun"};
    Limb limb = Limb::center;
    double hs = 0;
    Conditions conditions;
    double drLat = 0, drLon = 0;
};

struct Reduction {
    Corrections corrections;
    almanac::Place place;  ///< GHA, declination, SD and HP at the instant
    double lat = 0, lon = 0;  ///< where it was reduced
    double lha = 0, hc = 0, zn = 0;
    double intercept = 0;  ///< nautical miles, positive toward
    std::string error;     ///< why nothing was reduced; empty when reduced
    bool ok() const { return error.empty(); }
};

/// The body's figures for the corrections from its almanac place.
BodyFigures figuresOf(const almanac::Body& body, const almanac::Place& place);

/// The sight reduced at (lat, lon) with the body's place already found.
Reduction reduce(const Sight& s, const almanac::Place& place, double lat, double lon);

/// The farthest a line of position may stand from its DR, nautical miles.
inline constexpr double interceptReach = 300;
/// An intercept over this, nautical miles, is said.
inline constexpr double interceptWarning = 30;

/// The sight reduced at its DR with its place already found (place is its
/// almanac place at its instant): refused beyond interceptReach.
Reduction reduceAtDr(const Sight& s, const almanac::Place& place);

/// The sight reduced at its DR, its place found from the almanac: the
/// same as reduceAtDr.
Reduction reduce(const Sight& s);

/// Every sight reduced at its DR, as reduce(s) reduces each, in their
/// order. A place is most of a sight's work (nutation and the Earth's
/// place at its instant), so a long log is shared among the machine's
/// threads; the answers are the same however many there are.
std::vector<Reduction> reduceEach(const std::vector<Sight>& sights);

}  // namespace morvel::sight
