#include "sight/plot.h"

#include "engine/angles.h"
#include "reckoning/reckoning.h"

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
        const gcs::Leg run = runOf(s, last);
        if (l.carried)
            l.run = run;
        if (fixed) {
            // The fix is the position every line was reduced from, at the
            // time of the fix; each line stands off it by its residual. At
            // the time of its sight the line stood as far off the fix
            // retired by the run, where the sight was reduced.
            l.zn = fix.lines[i].zn;
            const gcs::Place p = reckoning::run({fix.lat, fix.lon}, l.zn, fix.residuals[i]);
            l.lat = p.lat;
            l.lon = p.lon;
            const gcs::Place retired = reckoning::run({fix.lat, fix.lon}, run.course, -run.miles);
            const gcs::Place taken = reckoning::run(retired, l.zn, fix.residuals[i]);
            l.takenLat = l.carried ? taken.lat : l.lat;
            l.takenLon = l.carried ? taken.lon : l.lon;
        } else {
            Reduction own;
            const Reduction& r = reductions.size() == sights.size() ? *reductions[i] : (own = reduce(s));
            if (!r.ok() || !std::isfinite(r.intercept) || !std::isfinite(r.zn))
                continue;
            l.zn = r.zn;
            const gcs::Place at = reckoning::run({s.drLat, s.drLon}, r.zn, r.intercept);
            const gcs::Place p = reckoning::run(at, run.course, run.miles);
            l.lat = p.lat;
            l.lon = p.lon;
            l.takenLat = at.lat;
            l.takenLon = at.lon;
        }
        out.push_back(l);
    }
    return out;
}

}  // namespace morvel::sight
