/// \file plot.h
/// \brief The lines of position of a set of sights as a plotting sheet
/// draws them, all at the time of the fix. No Qt.
///
/// Radians: latitudes north and longitudes east positive (-pi..pi),
/// azimuths true from north through east, 0..2pi. A line of position is
/// given by one of its points and the body's azimuth; the line runs at
/// right angles to the azimuth through that point.
///
/// The time of the fix is the last sight's (fix.h: the latest instant).
/// When the fix was found, each line is drawn where the fix puts it: from
/// the fix, its residual along Zn (toward the body when positive). When
/// there is no fix, each sight is reduced at its own DR: the line's point
/// is the intercept laid off from that DR along Zn (away from the body
/// when negative), then carried by the run from that DR to the
/// last sight's DR, as fix.h carries it. A sight that cannot be reduced
/// (its instant refused, no almanac place) has no line.
///
/// A carried line is also given as it was taken: at the time of its sight,
/// through the position it was reduced from (the fix retired by the run,
/// or the sight's DR), before the run moved it. Advancing that point by the
/// run gives the line's point at the time of the fix.
#pragma once

#include "sight/fix.h"

#include <cstddef>
#include <vector>

namespace morvel::sight {

/// One line of position at the time of the fix (the last sight's instant).
struct PlotLine {
    size_t sight = 0;         ///< index in the sights
    double lat = 0, lon = 0;  ///< the point of the line nearest the position it was reduced from, carried to the time of the fix
    double zn = 0;            ///< the body's azimuth; the line runs at right angles to it
    bool carried = false;     ///< advanced or retired: its sight's DR differs from the last sight's
    /// The same point of the line at the time of its sight, before the
    /// run; (lat, lon) when the line is not carried.
    double takenLat = 0, takenLon = 0;
    /// The run from its sight's DR to the last sight's DR (runOf): no
    /// miles when not carried.
    gcs::Leg run;
};

/// Each reduced sight's line at the time of the last sight, in the order
/// of the sights: through the fix moved by its residual when the fix was
/// found (fix must then be fixOf(sights)), else from each sight's own
/// reduction at its DR carried by the run to the last sight's DR.
/// reductions, when given, are the sights' own at their DRs, already
/// worked: a line without a fix then needs no reduction again.
std::vector<PlotLine> linesOfPosition(const std::vector<Sight>& sights, const Fix& fix,
                                      const std::vector<const Reduction*>& reductions = {});

}  // namespace morvel::sight
