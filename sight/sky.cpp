#include "sight/sky.h"

#include "engine/angles.h"
#include "sight/horizon.h"

#include <algorithm>
#include <cmath>

namespace morvel::sight {

namespace {

using math::degree;

/// The first time in the day at which the Sun's altitude crosses target
/// upward (rising) or downward.
std::optional<UtcTime> crossing(const UtcTime& midnight, double lat, double lon, double dut1, double target,
                                bool rising, std::string& error)
{
    static const almanac::Body sun = *almanac::findBody("Sun");
    auto above = [&](double s) {
        const almanac::Place p = almanac::placeOf(sun, midnight.plus(s).instant(dut1));
        if (!p.ok())
            error = p.error;
        return horizonOf(p.gha, p.dec, lat, lon).hc - target;
    };
    // The Sun's altitude changes by at most a quarter of a degree a minute:
    // between samples 20 minutes apart it crosses a level at most once.
    const double stepSeconds = 1200;
    double t0 = 0, f0 = above(0);
    for (double t1 = stepSeconds; t1 <= 86400 && error.empty(); t1 += stepSeconds) {
        const double f1 = above(t1);
        if (rising ? (f0 < 0 && f1 >= 0) : (f0 >= 0 && f1 < 0)) {
            double lo = t0, hi = t1;
            while (hi - lo > 0.05 && error.empty()) {
                const double mid = (lo + hi) / 2;
                ((above(mid) >= 0) == rising ? hi : lo) = mid;
            }
            if (!error.empty())
                return std::nullopt;
            return midnight.plus((lo + hi) / 2);
        }
        t0 = t1;
        f0 = f1;
    }
    return std::nullopt;
}

}  // namespace

SkyView skyAt(const almanac::Instant& when, double lat, double lon)
{
    SkyView view;
    for (const Seen& b : seenFrom(almanac::Sky(when), lat, lon, false, view.error))
        if (b.horizon.hc > 0)
            view.bodies.push_back({b.body, b.horizon.hc, b.horizon.zn, b.place.mag});
    std::stable_sort(view.bodies.begin(), view.bodies.end(), [](const Visible& a, const Visible& b) {
        return a.mag.value_or(-100) < b.mag.value_or(-100);
    });
    return view;
}

Twilight twilightOf(const UtcTime& day, double lat, double lon, double dut1)
{
    Twilight t;
    const UtcTime midnight = day.midnight();
    t.nauticalMorning = crossing(midnight, lat, lon, dut1, -12 * degree, true, t.error);
    t.civilMorning = crossing(midnight, lat, lon, dut1, -6 * degree, true, t.error);
    t.civilEvening = crossing(midnight, lat, lon, dut1, -6 * degree, false, t.error);
    t.nauticalEvening = crossing(midnight, lat, lon, dut1, -12 * degree, false, t.error);
    return t;
}

}  // namespace morvel::sight
