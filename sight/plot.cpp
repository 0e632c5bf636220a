#include "sight/plot.h"

#include "gcs/rhumb.h"

#include <cmath>

namespace morvel::sight {

std::vector<PlotLine> linesOfPosition(const std::vector<Sight>& sights, const Fix& fix,
                                      const std::vector<const Reduction*>& reductions)
{
    std::vector<PlotLine> out;
    if (sights.empty())
        return out;
    const Sight& last = sights[lastOf(sights)];
    const bool fixed = fix.found() && fix.lines.size() == sights.size() && fix.residuals.size() == sights.size();
    for (size_t i = 0; i < sights.size(); ++i) {
        const Sight& s = sights[i];
        PlotLine l;
        l.sight = i;
        l.carried = s.drLat != last.drLat || s.drLon != last.drLon;
        if (fixed) {
            // The fix is the position every line was reduced from, at the
            // time of the fix; each line stands off it by its residual.
            l.zn = fix.lines[i].zn;
            const gcs::Place p = gcs::rhumbDestination(fix.lat, fix.lon, l.zn, fix.residuals[i]);
            l.lat = p.lat;
            l.lon = p.lon;
        } else {
            Reduction own;
            const Reduction& r = reductions.size() == sights.size() ? *reductions[i] : (own = reduce(s));
            if (!r.ok() || !std::isfinite(r.intercept) || !std::isfinite(r.zn))
                continue;
            l.zn = r.zn;
            const gcs::Place at = gcs::rhumbDestination(s.drLat, s.drLon, r.zn, r.intercept);
            const gcs::Leg run = runOf(s, last);
            const gcs::Place p = gcs::rhumbDestination(at.lat, at.lon, run.course, run.miles);
            l.lat = p.lat;
            l.lon = p.lon;
        }
        out.push_back(l);
    }
    return out;
}

}  // namespace morvel::sight
