/// \file sailing.h
/// \brief Great-circle sailing on the celestial triangle's engine. No Qt.
///
/// The triangle pole / departure / destination is the celestial triangle
/// with the departure as the observer and the destination as the body, so
/// the engine's ten solvers serve both. The slots:
///
///   latitude     latitude of departure, signed, north positive
///   LHA          the DLo measured westward from the departure, 0..2pi
///   t            the DLo's magnitude, at most pi (the LHA folded)
///   declination  latitude of destination, signed, north positive
///   altitude     90 degrees less the distance as an arc
///   azimuth      the initial course, 0..2pi (Z folded into 0..pi)
///
/// One nautical mile is one minute of arc: 10800 miles is half a great
/// circle. Longitudes are signed, east positive, radians throughout.
#pragma once

#include "engine/triangle.h"
#include "gcs/rhumb.h"

namespace morvel::gcs {

/// The altitude slot of a distance in nautical miles.
double altitudeOf(double miles);

/// The distance in nautical miles of the altitude slot.
double milesOf(double alt);

/// The distance shown for the altitude slot: nautical miles to a tenth,
/// halves up.
double shownMiles(double alt);

/// The DLo shown for a westward DLo: its magnitude, at most pi.
double shownDlo(double lha);

/// The westward DLo (the LHA slot) of a DLo of magnitude dlo towards the
/// east or the west: dlo for West, 2pi - dlo for East.
double westward(double dlo, bool east);

/// The westward DLo from a departure at longitude lonDep to a destination at
/// lonDes, 0..2pi.
double dloBetween(double lonDep, double lonDes);

/// Whether a DLo and an initial course point opposite ways: a destination
/// to the west (westward DLo below pi) needs a westerly course (above pi),
/// one to the east an easterly course: engine::sidesDisagree. A DLo of
/// exactly 0, pi or 2pi and a course due north or south never disagree.
bool courseDisagrees(double lha, double course);

/// Whether the DLo of a result is shown East: one formed from two
/// longitudes from half a turn westward on, one the engine found when the
/// initial course is not westerly (at most pi).
bool dloShownEast(double lha, double course, bool fromLongitudes);

/// What the given quantities of a passage make. given counts the latitude
/// of departure, the DLo, the latitude of destination, the distance and the
/// initial course. Accepted: three of those with at most one longitude
/// (solved as given), or both longitudes with two of them and no DLo (the
/// DLo is formed from the longitudes).
enum class InputSet { rejected, three, dloFromLongitudes };
InputSet inputSet(int given, bool dlo, bool lonDep, bool lonDes);

/// The solvers' givens of a passage. The DLo's magnitude t is the westward
/// DLo folded into 0..pi: a DLo of 193 degrees east is the passage of 167
/// degrees west.
engine::Givens givens(double latDep, double lha, double latDes, double alt, double course);

/// The longitude of the far end, in -pi..pi: the destination's from the
/// departure's and the westward DLo, or the departure's from the
/// destination's.
double longitudeOfDestination(double lonDep, double lha);
double longitudeOfDeparture(double lonDes, double lha);

/// The course on arrival at the destination, 0..2pi, of the passage in a
/// solution set (latitude of departure, westward DLo, latitude of
/// destination, initial course). At zero distance it is the initial course;
/// at a pole it is the meridian's way in (0 at the north pole, pi at the
/// south); at the antipode the great circle arrives on 180 degrees less the
/// initial course.
double finalCourse(double lat, double lha, double dec, double course);

/// The rhumb line between the ends of the passage in a solution set
/// (latitude of departure, westward DLo, latitude of destination, initial
/// course), the shorter way round; at half a turn of DLo the great
/// circle's way (an easterly initial course, or due north or south, goes
/// east).
Leg rhumbBeside(double lat, double lha, double dec, double course);

}  // namespace morvel::gcs
