#include "sight/fix.h"

#include "engine/angles.h"
#include "reckoning/reckoning.h"
#include "navtext/navtext.h"
#include "navtext/say.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace morvel::sight {

namespace {

using math::pi, math::halfPi, math::degree;

/// Chi-square with two degrees of freedom at 95 %.
constexpr double chiSquare95 = 5.991;
/// The trial position may not come closer than this to a pole, where
/// departure has no longitude.
constexpr double polarLimit = 89.5 * degree;

struct Normal {
    double nn = 0, ne = 0, ee = 0;  ///< A^T A
    double det() const { return nn * ee - ne * ne; }
};

Normal normalOf(const std::vector<double>& zn)
{
    Normal n;
    for (double z : zn) {
        const double c = std::cos(z), s = std::sin(z);
        n.nn += c * c;
        n.ne += c * s;
        n.ee += s * s;
    }
    return n;
}

double cutOf(double zn1, double zn2)
{
    const double d = std::fmod(std::abs(zn1 - zn2), pi);
    return std::min(d, pi - d);
}

}  // namespace

Ellipse errorEllipse(const std::vector<double>& zn, const std::vector<double>& residuals, double sigma)
{
    const Normal n = normalOf(zn);
    const double det = n.det();
    // The covariance (A^T A)^-1 for a unit variance.
    const double cnn = n.ee / det, cee = n.nn / det, cne = -n.ne / det;
    double s2 = sigma * sigma;
    if (residuals.size() > 2) {
        double sum = 0;
        for (double r : residuals)
            sum += r * r;
        s2 = std::max(s2, sum / double(residuals.size() - 2));
    }
    const double mean = (cnn + cee) / 2, half = std::hypot((cnn - cee) / 2, cne);
    Ellipse e;
    e.major = std::sqrt(chiSquare95 * s2 * (mean + half));
    e.minor = std::sqrt(chiSquare95 * s2 * std::max(mean - half, 0.0));
    double o = 0.5 * std::atan2(2 * cne, cnn - cee);  // from north toward east
    e.orientation = o < 0 ? o + pi : o;
    return e;
}

size_t lastOf(const std::vector<Sight>& sights)
{
    size_t last = 0;
    for (size_t i = 1; i < sights.size(); ++i)
        if (sights[i].when.jdUT1() >= sights[last].when.jdUT1())
            last = i;
    return last;
}

gcs::Leg runOf(const Sight& from, const Sight& last)
{
    return reckoning::between({from.drLat, from.drLon}, {last.drLat, last.drLon});
}

double widestCut(const std::vector<double>& zn)
{
    std::vector<double> d;
    d.reserve(zn.size());
    for (double z : zn) {
        const double a = std::fmod(z, pi);
        d.push_back(a < 0 ? a + pi : a);
    }
    std::sort(d.begin(), d.end());
    double cut = 0;
    for (size_t i = 0; i < d.size(); ++i) {
        double across = d[i] + halfPi;
        if (across >= pi)
            across -= pi;
        // The neighbours of `across` in the sorted directions, round the half
        // circle.
        const size_t j = size_t(std::lower_bound(d.begin(), d.end(), across) - d.begin());
        for (size_t k : {j % d.size(), (j + d.size() - 1) % d.size()})
            if (k != i)
                cut = std::max(cut, cutOf(d[i], d[k]));
    }
    return cut;
}

Fix fixOf(const std::vector<Sight>& sights, const FixOptions& options)
{
    std::vector<almanac::Place> places;
    places.reserve(sights.size());
    for (const Sight& s : sights) {
        places.push_back(s.when.ok() ? almanac::placeOf(s.body, s.when) : almanac::Place{});
        if (!s.when.ok())
            places.back().error = s.when.error();
    }
    return fixOf(sights, places, options);
}

namespace {

/// The least-squares fix of every line but `left` (sights.size(): none),
/// from the last sight's DR. Every line, the one left out too, is reduced
/// at each trial position, so its residual at the fix is known; the cut,
/// the ellipse and weak are the kept lines'.
Fix fit(const std::vector<Sight>& sights, const std::vector<almanac::Place>& places,
        const std::vector<gcs::Leg>& runs, size_t lastIndex, size_t left, const FixOptions& options)
{
    Fix f;
    const size_t n = sights.size();
    const Sight& last = sights[lastIndex];
    f.last = lastIndex;
    double lat = last.drLat, lon = last.drLon;
    std::vector<double> zn(n), b(n);
    f.lines.resize(n);
    f.residuals.resize(n);
    for (f.iterations = 1; f.iterations <= options.maxIterations; ++f.iterations) {
        for (size_t i = 0; i < n; ++i) {
            const gcs::Place at = reckoning::run({lat, lon}, runs[i].course, -runs[i].miles);
            f.lines[i] = reduce(sights[i], places[i], at.lat, at.lon);
            if (!f.lines[i].ok()) {
                f.status = Fix::Status::noConvergence;
                f.why = f.lines[i].error;
                return f;
            }
            zn[i] = f.lines[i].zn;
            b[i] = f.lines[i].intercept;
        }
        std::vector<double> keptZn = zn;
        if (left < n)
            keptZn.erase(keptZn.begin() + std::ptrdiff_t(left));
        const Normal m = normalOf(keptZn);
        const double cut = widestCut(keptZn);
        if (m.det() < 1e-9 || cut < 1e-4) {
            f.status = Fix::Status::parallel;
            f.why = navtext::say(MORVEL_TR("sight", "the lines of position are parallel: they do not cross"));
            return f;
        }
        double bn = 0, be = 0;
        for (size_t i = 0; i < n; ++i)
            if (i != left) {
                bn += std::cos(zn[i]) * b[i];
                be += std::sin(zn[i]) * b[i];
            }
        const double dlat = (m.ee * bn - m.ne * be) / m.det();
        const double dep = (m.nn * be - m.ne * bn) / m.det();
        for (size_t i = 0; i < n; ++i)
            f.residuals[i] = b[i] - std::cos(zn[i]) * dlat - std::sin(zn[i]) * dep;
        lat += dlat / 60 * degree;
        lon = std::remainder(lon + dep / 60 * degree / std::cos(lat), 2 * pi);
        if (!std::isfinite(lat) || !std::isfinite(lon) || std::abs(lat) > polarLimit)
            break;
        if (std::hypot(dlat, dep) < options.tolerance) {
            f.status = Fix::Status::fixed;
            f.lat = lat;
            f.lon = lon;
            f.cut = cut;
            f.weak = cut < 15 * degree;
            const gcs::Leg from = reckoning::between({last.drLat, last.drLon}, {lat, lon});
            f.distance = from.miles;
            f.bearing = from.course;
            if (keptZn.size() > 2) {
                std::vector<double> kept = f.residuals;
                if (left < n)
                    kept.erase(kept.begin() + std::ptrdiff_t(left));
                f.ellipse = errorEllipse(keptZn, kept, options.sigma);
            }
            return f;
        }
    }
    f.status = Fix::Status::noConvergence;
    f.why = navtext::say(MORVEL_TR("sight", "the position did not settle: no fix"));
    f.iterations = std::min(f.iterations, options.maxIterations);
    return f;
}

/// The largest residual of the lines kept in f, nautical miles.
double widestResidual(const Fix& f)
{
    double widest = 0;
    for (size_t i = 0; i < f.residuals.size(); ++i)
        if (!f.excludedOf(i))
            widest = std::max(widest, std::abs(f.residuals[i]));
    return widest;
}

/// Whether f, the fix without line `left`, clears it as the blunder: the
/// others within agreeMiles, it over blunderMiles.
bool clears(const Fix& f, size_t left)
{
    if (!f.found() || !(std::abs(f.residuals[left]) > blunderMiles))
        return false;
    for (size_t i = 0; i < f.residuals.size(); ++i)
        if (i != left && !(std::abs(f.residuals[i]) <= agreeMiles))
            return false;
    return true;
}

}  // namespace

const Excluded* Fix::excludedOf(size_t i) const
{
    const auto e = std::find_if(excluded.begin(), excluded.end(), [&](const Excluded& x) { return x.sight == i; });
    return e == excluded.end() ? nullptr : &*e;
}

Fix fixOf(const std::vector<Sight>& sights, const std::vector<almanac::Place>& places, const FixOptions& options)
{
    const size_t n = sights.size();
    if (n < 2) {
        Fix f;
        f.why = navtext::say(MORVEL_TR("sight", "a fix needs two sights or more"));
        return f;
    }
    const size_t last = lastOf(sights);
    std::vector<gcs::Leg> runs;
    runs.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (!places[i].ok()) {
            Fix f;
            f.last = last;
            f.status = Fix::Status::noConvergence;
            f.why = places[i].error;
            return f;
        }
        runs.push_back(runOf(sights[i], sights[last]));
    }

    Fix f = fit(sights, places, runs, last, n, options);
    if (!f.found() || widestResidual(f) <= blunderMiles)
        return f;

    const std::string agree = navtext::milesText(agreeMiles);
    std::optional<Fix> without;
    size_t cleared = 0, left = n;
    if (n > 3) {
        // The lines furthest off, over blunderMiles, each left out in turn.
        std::vector<size_t> suspects;
        for (size_t i = 0; i < n; ++i)
            if (std::abs(f.residuals[i]) > blunderMiles)
                suspects.push_back(i);
        const auto further = [&](size_t a, size_t b) { return std::abs(f.residuals[a]) > std::abs(f.residuals[b]); };
        const size_t tried = std::min(suspects.size(), blunderTrials);
        std::partial_sort(suspects.begin(), suspects.begin() + std::ptrdiff_t(tried), suspects.end(), further);
        suspects.resize(tried);
        for (size_t s : suspects)
            if (Fix g = fit(sights, places, runs, last, s, options); clears(g, s) && ++cleared == 1) {
                without = std::move(g);
                left = s;
            }
    }
    if (cleared == 1) {
        f = std::move(*without);
        f.excluded.push_back(
            {left, navtext::say(MORVEL_TR("sight", "residual %1 nm; the other lines agree within %2 nm without it"),
                                {navtext::nmText(f.residuals[left]), agree})});
        return f;
    }
    const std::string off = navtext::nmText(widestResidual(f));
    f.doubtful = true;
    if (n == 3)
        f.doubt = navtext::say(MORVEL_TR("sight", "a line stands %1 nm off the fix; with three lines a mistaken one "
                                                  "cannot be told from the others"),
                               {off});
    else if (cleared > 1)
        f.doubt = navtext::say(MORVEL_TR("sight", "a line stands %1 nm off the fix, and leaving out any one of %2 "
                                                  "lines brings the others within %3 nm: which is mistaken cannot be "
                                                  "told"),
                               {off, std::to_string(cleared), agree});
    else
        f.doubt = navtext::say(MORVEL_TR("sight", "a line stands %1 nm off the fix, and no one line left out brings "
                                                  "the others within %2 nm"),
                               {off, agree});
    return f;
}

}  // namespace morvel::sight
