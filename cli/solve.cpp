#include "cli/solve.h"

#include "engine/angles.h"
#include "gcs/sailing.h"

#include <algorithm>

namespace morvel::cli {

namespace {

double value(const std::optional<double>& x)
{
    return x.value_or(0);
}

}  // namespace

CelestialResult solve(const CelestialProblem& p)
{
    CelestialResult r;
    for (size_t i = 0; i < 5; ++i)
        r.given[i] = p.q[i].has_value();
    r.code = engine::casecode(r.given[0], r.given[1], r.given[2], r.given[3], r.given[4]);
    const engine::Solved s =
        engine::solveTriangle(r.code, engine::givens(value(p.q[0]), value(p.q[1]), value(p.q[2]), value(p.q[3]),
                                                     value(p.q[4])));
    r.count = s.count;
    r.manyOther = s.manyOther;
    r.message = s.messages.joined();
    for (int k = 0; k < s.count; ++k) {
        const engine::Triangle& t = s.sets[size_t(k)];
        r.sets[size_t(k)] = {t.lat, t.lha, t.dec, t.alt, t.zn};
    }
    // Without a solution the givens are still shown as they were read.
    if (s.count == 0)
        for (size_t i = 0; i < 5; ++i)
            r.sets[0][i] = value(p.q[i]);
    return r;
}

PassageResult solve(const PassageProblem& p)
{
    PassageResult r;
    const bool formed = p.fromLon && p.toLon;
    r.given = {p.fromLat.has_value(), p.lha && !formed, p.toLat.has_value(), p.miles.has_value(),
               p.course.has_value(),  p.fromLon.has_value(), p.toLon.has_value(), false};
    r.longitudes = p.fromLon || p.toLon;
    r.code = engine::casecode(p.fromLat.has_value(), p.lha.has_value(), p.toLat.has_value(), p.miles.has_value(),
                              p.course.has_value());
    const double alt = p.miles ? gcs::altitudeOf(*p.miles) : 0;
    const engine::Solved solved = engine::solveTriangle(
        r.code, gcs::givens(value(p.fromLat), value(p.lha), value(p.toLat), alt, value(p.course)));
    r.count = solved.count;
    r.manyOther = solved.manyOther;
    r.message = solved.messages.joined();
    // Without a solution the givens are still shown as they were read: the
    // set of the triangle as given.
    const engine::Triangle asGiven{value(p.fromLat), value(p.lha), value(p.toLat), alt, value(p.course)};
    for (int k = 0; k < std::max(r.count, 1); ++k) {
        const engine::Triangle& t = r.count ? solved.sets[size_t(k)] : asGiven;
        Passage& s = r.sets[size_t(k)];
        s.fromLat = t.lat;
        s.lha = t.lha;
        s.toLat = t.dec;
        s.alt = p.miles ? alt : t.alt;
        s.course = t.zn;
        s.finalCourse = gcs::finalCourse(s.fromLat, s.lha, s.toLat, s.course);
        s.rhumb = gcs::rhumbBeside(s.fromLat, s.lha, s.toLat, s.course);
        if (p.fromLon) {
            s.fromLon = *p.fromLon;
            s.toLon = p.toLon ? *p.toLon : gcs::longitudeOfDestination(*p.fromLon, s.lha);
        } else if (p.toLon) {
            s.toLon = *p.toLon;
            s.fromLon = gcs::longitudeOfDeparture(*p.toLon, s.lha);
        }
        // A typed DLo is shown as typed.
        if (r.given[size_t(Row::dlo)]) {
            s.dloEast = p.dloEast;
            s.dlo = p.dloEast ? math::twoPi - s.lha : s.lha;
        } else {
            s.dloEast = gcs::dloShownEast(s.lha, s.course, formed);
            s.dlo = gcs::shownDlo(s.lha);
        }
    }
    return r;
}

}  // namespace morvel::cli
