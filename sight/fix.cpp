#include "sight/fix.h"

#include "engine/angles.h"
#include "gcs/rhumb.h"

#include <algorithm>
#include <cmath>

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
    return gcs::rhumb(from.drLat, last.drLat, std::remainder(last.drLon - from.drLon, 2 * pi));
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

Fix fixOf(const std::vector<Sight>& sights, const std::vector<almanac::Place>& places, const FixOptions& options)
{
    Fix f;
    const size_t n = sights.size();
    if (n < 2) {
        f.why = "a fix needs two sights or more";
        return f;
    }
    f.last = lastOf(sights);
    const Sight& last = sights[f.last];

    std::vector<gcs::Leg> runs;
    runs.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (!places[i].ok()) {
            f.status = Fix::Status::noConvergence;
            f.why = places[i].error;
            return f;
        }
        runs.push_back(runOf(sights[i], last));
    }

    double lat = last.drLat, lon = last.drLon;
    std::vector<double> zn(n), b(n);
    f.lines.resize(n);
    f.residuals.resize(n);
    for (f.iterations = 1; f.iterations <= options.maxIterations; ++f.iterations) {
        for (size_t i = 0; i < n; ++i) {
            const gcs::Place at = gcs::rhumbDestination(lat, lon, runs[i].course + pi, runs[i].miles);
            f.lines[i] = reduce(sights[i], places[i], at.lat, at.lon);
            if (!f.lines[i].ok()) {
                f.status = Fix::Status::noConvergence;
                f.why = f.lines[i].error;
                return f;
            }
            zn[i] = f.lines[i].zn;
            b[i] = f.lines[i].intercept;
        }
        const Normal m = normalOf(zn);
        const double cut = widestCut(zn);
        if (m.det() < 1e-9 || cut < 1e-4) {
            f.status = Fix::Status::parallel;
            f.why = "the lines of position are parallel: they do not cross";
            return f;
        }
        double bn = 0, be = 0;
        for (size_t i = 0; i < n; ++i) {
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
            const gcs::Leg from = gcs::rhumb(last.drLat, lat, std::remainder(lon - last.drLon, 2 * pi));
            f.distance = from.miles;
            f.bearing = from.course;
            if (n > 2)
                f.ellipse = errorEllipse(zn, f.residuals, options.sigma);
            return f;
        }
    }
    f.status = Fix::Status::noConvergence;
    f.why = "the position did not settle: no fix";
    f.iterations = std::min(f.iterations, options.maxIterations);
    return f;
}

}  // namespace morvel::sight
