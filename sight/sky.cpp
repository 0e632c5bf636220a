#include "sight/sky.h"

#include "almanac/events.h"
#include "engine/angles.h"
#include "sight/horizon.h"

#include <algorithm>
#include <cmath>

namespace morvel::sight {

namespace {

using math::degree;

/// The first time in the day at which the Sun's altitude crosses target
/// upward (rising) or downward.
/// Halfway from a to b, when both are.
std::optional<UtcTime> between(const std::optional<UtcTime>& a, const std::optional<UtcTime>& b)
{
    if (!a || !b)
        return std::nullopt;
    return a->plus(b->secondsSince(*a) / 2);
}

/// The worst departure of the gaps between the azimuths of a set, round
/// the horizon, from an even spread.
double unevenness(const SkyView& view, const std::vector<size_t>& set)
{
    double zn[8] = {};
    const size_t n = set.size();
    for (size_t i = 0; i < n; ++i)
        zn[i] = math::wrap(view.bodies[set[i]].zn);
    std::sort(zn, zn + n);
    const double even = 2 * math::pi / double(n);
    double worst = std::abs(zn[0] + 2 * math::pi - zn[n - 1] - even);
    for (size_t i = 1; i < n; ++i)
        worst = std::max(worst, std::abs(zn[i] - zn[i - 1] - even));
    return worst;
}

/// Every set of count of the candidates, in lexicographic order.
template <class Visit>
void eachSet(const std::vector<size_t>& candidates, size_t count, Visit visit)
{
    std::vector<size_t> pick(count), set(count);
    for (size_t i = 0; i < count; ++i)
        pick[i] = i;
    for (;;) {
        for (size_t i = 0; i < count; ++i)
            set[i] = candidates[pick[i]];
        visit(set);
        size_t i = count;
        while (i > 0 && pick[i - 1] == candidates.size() - count + i - 1)
            --i;
        if (i == 0)
            return;
        ++pick[i - 1];
        for (size_t j = i; j < count; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

}  // namespace

double brightnessOrder(const Visible& b) { return b.mag.value_or(-100); }

std::optional<UtcTime> Twilight::middleOfMorning() const { return between(nauticalMorning, civilMorning); }
std::optional<UtcTime> Twilight::middleOfEvening() const { return between(civilEvening, nauticalEvening); }

Suggestion wellSpread(const SkyView& view, const AltitudeBand& band, int count)
{
    Suggestion s;
    s.byDay = std::any_of(view.bodies.begin(), view.bodies.end(),
                          [](const Visible& b) { return b.body.kind == almanac::BodyKind::sun && b.hc > 0; });
    // Brighter than this a planet shows in daylight to a sextant aimed at it.
    const double seenByDay = -3;
    std::vector<size_t> candidates;
    for (size_t i = 0; i < view.bodies.size(); ++i)
        if (band.holds(view.bodies[i].hc) && (!s.byDay || brightnessOrder(view.bodies[i]) < seenByDay))
            candidates.push_back(i);
    if (count < 2 || count > 8 || candidates.size() < size_t(count))
        return s;
    double best = 1e9;
    eachSet(candidates, size_t(count), [&](const std::vector<size_t>& set) { best = std::min(best, unevenness(view, set)); });
    // Within this of the best spread a navigator sees no difference in the
    // cut of the lines; brightness decides.
    const double asGood = best + 10 * math::degree;
    std::vector<size_t> chosen;
    double chosenFaintest = 0, chosenUneven = 0;
    eachSet(candidates, size_t(count), [&](const std::vector<size_t>& set) {
        const double uneven = unevenness(view, set);
        if (uneven > asGood)
            return;
        double faintest = -1e9;
        for (size_t i : set)
            faintest = std::max(faintest, brightnessOrder(view.bodies[i]));
        if (chosen.empty() || faintest < chosenFaintest || (faintest == chosenFaintest && uneven < chosenUneven)) {
            chosen = set;
            chosenFaintest = faintest;
            chosenUneven = uneven;
        }
    });
    std::sort(chosen.begin(), chosen.end(),
              [&](size_t a, size_t b) { return math::wrap(view.bodies[a].zn) < math::wrap(view.bodies[b].zn); });
    s.bodies = chosen;
    return s;
}

SkyView skyAt(const almanac::Instant& when, double lat, double lon)
{
    SkyView view;
    for (const Seen& b : seenFrom(almanac::Sky(when), lat, lon, false, view.error))
        if (b.horizon.hc > 0)
            view.bodies.push_back({b.body, b.horizon.hc, b.horizon.zn, b.place.mag});
    std::stable_sort(view.bodies.begin(), view.bodies.end(),
                     [](const Visible& a, const Visible& b) { return brightnessOrder(a) < brightnessOrder(b); });
    return view;
}

std::optional<double> sunAltitude(const almanac::Instant& when, double lat, double lon)
{
    static const almanac::Body sun = *almanac::findBody("Sun");
    const almanac::Place p = almanac::placeOf(sun, when);
    if (!p.ok())
        return std::nullopt;
    return horizonOf(p.gha, p.dec, lat, lon).hc;
}

Twilight twilightOf(const UtcTime& day, double lat, double lon, double dut1)
{
    using almanac::EventKind;
    Twilight t;
    const almanac::DayEvents d = almanac::eventsOf({day.year, day.month, day.day}, 0, lat, lon, dut1);
    if (!d.ok()) {
        t.error = d.error;
        return t;
    }
    auto first = [&](EventKind k) -> std::optional<UtcTime> {
        const std::vector<double>& times = d[k].times;
        if (times.empty())
            return std::nullopt;
        return day.midnight().plus(times.front() * 3600);
    };
    t.nauticalMorning = first(EventKind::nauticalDawn);
    t.civilMorning = first(EventKind::civilDawn);
    t.civilEvening = first(EventKind::civilDusk);
    t.nauticalEvening = first(EventKind::nauticalDusk);
    return t;
}

}  // namespace morvel::sight
