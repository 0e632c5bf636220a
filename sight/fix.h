/// \file fix.h
/// \brief The fix from two or more sights by the intercept method, with
/// its 95 % error ellipse. No Qt.
///
/// The time of the fix is that of the last sight (the latest instant).
/// Each sight's line of position is carried to it by the run from the
/// sight's DR to the last sight's DR, sailed between them as
/// reckoning/reckoning.h runs every position (mid-latitude sailing):
/// a running fix when the sights are hours apart. A line of position moves
/// with the ship, so a trial position X at the time of the fix stands, at
/// the time of sight i, at X retired by that run; sight i is reduced there
/// with its own almanac place.
///
/// From the trial position each line gives cos Zn dlat + sin Zn dep =
/// intercept (nautical miles, dlat north, dep east); the least-squares
/// solution moves the trial position, and the sights are reduced again
/// from the new one until it moves less than FixOptions::tolerance. The
/// first trial position is the last sight's DR. A fix that does not settle
/// within maxIterations, or that runs off towards a pole, is no fix.
///
/// Residuals are each line's intercept at the fix, nautical miles, positive
/// toward the body. With three or more lines the 95 % error ellipse is
/// 5.991 s^2 (A^T A)^-1 (chi-square, two degrees of freedom), where s^2 is
/// the larger of the a-priori variance sigma^2 of an altitude and the
/// variance the residuals show, sum(r^2) / (n - 2): a fix is never shown
/// tighter than the sextant allows, nor tighter than its own lines agree.
/// Its semi-axes are in nautical miles, the orientation of the major axis
/// in radians true, 0..pi.
///
/// The cut of two lines is the angle between them, 0..pi/2; when no two
/// lines cut at 15 degrees or more the fix is weak.
///
/// Blunders. A careful sight puts its line within a mile or two of the
/// ship (sigma 0.5' is half a mile); a line over 5 nm (blunderMiles, ten
/// sigma) off the fix is a mistake, not scatter: a misread altitude, a
/// wrong minute of time, another star. A sight whose intercept at its DR is over 300 nm
/// never comes here: reduction.h refuses it.
///
/// From four lines on a blunder is excluded from the fix: a line over
/// 5 nm off the fix of every line is left out, the fix worked out again
/// from the others, and when they then all stand within 2 nm of it
/// (agreeMiles, what good sights show) while the line left out is still
/// over 5 nm off, that line is excluded. Only the blunderTrials lines
/// furthest off are tried, so a fix costs a handful of fits whatever the
/// number of lines. When exactly one line clears so, it is excluded: the
/// fix, its residuals, its ellipse, its cut and weak are the kept lines',
/// and the excluded line's residual at that fix stands in residuals
/// beside theirs. When two or more clear (two lines running nearly the same
/// way, the bodies at the same or opposite azimuths, one of them wrong),
/// the lines cannot say which is mistaken: none is excluded. At most one
/// line is excluded; two blunders are left in.
///
/// A fix is doubtful when a line kept in it stands over 5 nm off: with
/// three lines a blunder cannot be told from the others (leave any one
/// out and the other two cross exactly), and from four on no one line
/// left out brought the rest together. Doubtful is apart from weak, which
/// says only that the lines cut narrowly; doubt says why.
#pragma once

#include "gcs/rhumb.h"
#include "sight/reduction.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace morvel::sight {

/// A line further off the fix than this is a blunder, nautical miles.
inline constexpr double blunderMiles = 5;
/// Lines that agree stand within this of the fix, nautical miles.
inline constexpr double agreeMiles = 2;
/// The lines furthest off that are each left out in turn.
inline constexpr size_t blunderTrials = 4;

struct FixOptions {
    double sigma = 0.5;        ///< standard deviation of an altitude, minutes of arc
    double tolerance = 0.01;   ///< nautical miles
    int maxIterations = 20;
};

struct Ellipse {
    double major = 0, minor = 0;  ///< semi-axes, nautical miles
    double orientation = 0;       ///< of the major axis, radians true, 0..pi
};

/// A line left out of the fix as a blunder.
struct Excluded {
    size_t sight = 0;  ///< its index in the sights, lines and residuals
    std::string why;   ///< "residual 57.3 nm; the other lines agree within 2 nm without it"
};

struct Fix {
    enum class Status { fixed, tooFewSights, parallel, noConvergence };
    Status status = Status::tooFewSights;
    std::string why;  ///< empty when fixed
    bool found() const { return status == Status::fixed; }

    double lat = 0, lon = 0;
    size_t last = 0;  ///< the index of the last sight, whose instant is the fix's
    /// From the last sight's DR to the fix (reckoning::between).
    double distance = 0, bearing = 0;
    int iterations = 0;
    /// Each sight reduced at the last trial position (within the tolerance
    /// of the fix) retired to its instant.
    std::vector<Reduction> lines;
    std::vector<double> residuals;  ///< nautical miles
    std::optional<Ellipse> ellipse;
    double cut = 0;  ///< the widest cut of two lines, radians
    bool weak = false;
    std::vector<Excluded> excluded;  ///< none or one
    bool doubtful = false;
    std::string doubt;  ///< why the fix is doubtful; empty when it is not
    /// Line i's exclusion, or null when it is kept.
    const Excluded* excludedOf(size_t i) const;
};

Fix fixOf(const std::vector<Sight>& sights, const FixOptions& options = {});

/// The same with each sight's almanac place already found (places[i] is
/// sights[i]'s at its instant), as a worked log holds them.
Fix fixOf(const std::vector<Sight>& sights, const std::vector<almanac::Place>& places,
          const FixOptions& options = {});

/// The widest cut of any two of the lines whose azimuths are zn, 0..pi/2
/// (0 for fewer than two): the directions sorted, each line's widest
/// partner is the one nearest to it plus 90 degrees.
double widestCut(const std::vector<double>& zn);

/// The index of the last sight: the latest instant, the last of equal
/// ones; 0 when there are none.
size_t lastOf(const std::vector<Sight>& sights);

/// The run that carries a line of position taken at `from` to the time of
/// `last`: from one's DR to the other's (reckoning::between), the short way
/// round.
gcs::Leg runOf(const Sight& from, const Sight& last);

/// The 95 % ellipse of a least-squares position from the azimuths of its
/// lines, their residuals (nautical miles) and sigma (minutes of arc).
Ellipse errorEllipse(const std::vector<double>& zn, const std::vector<double>& residuals, double sigma);

}  // namespace morvel::sight
