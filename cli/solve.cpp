#include "cli/solve.h"

#include "engine/angles.h"
#include "engine/cases.h"
#include "engine/primitives.h"
#include "gcs/sailing.h"

#include <cmath>

namespace morvel::cli {

namespace {

double value(const std::optional<double>& x)
{
    return x.value_or(0);
}

}  // namespace

Solver::Solver() : forms_(engine::forms), messages_before_(engine::messages) {}

Solver::~Solver()
{
    engine::forms = forms_;
    engine::messages = messages_before_;
}

void Solver::output(double, double, int16_t f, int16_t)
{
    // Every output call of one solve carries the same count.
    if (shown_ < 0)
        shown_ = f;
}

void Solver::other(double z, double t)
{
    if (math::onMeridian(z, t))
        manyOther_ = true;
}

void Solver::show(const std::string& text)
{
    messages_ += (messages_.empty() ? "" : "; ") + text;
}

void Solver::run(int16_t code, engine::Givens g)
{
    shown_ = -1;
    manyOther_ = false;
    messages_.clear();
    engine::setup(1);
    // After setup, which would fill the registry with the windows of a
    // program that has them.
    engine::forms = {nullptr, this, nullptr, nullptr};
    engine::actform = 1;
    engine::messages = this;
    engine::nout = 1;
    engine::solvecase(code, g);
}

CelestialResult Solver::solve(const CelestialProblem& p)
{
    CelestialResult r;
    for (size_t i = 0; i < 5; ++i)
        r.given[i] = p.q[i].has_value();
    r.code = engine::casecode(r.given[0], r.given[1], r.given[2], r.given[3], r.given[4]);
    const double lha = value(p.q[1]), zn = value(p.q[4]);
    run(r.code, {value(p.q[0]), lha, value(p.q[2]), value(p.q[3]), zn, engine::fold(lha), engine::fold(zn)});

    r.count = shown_ < 0 ? 0 : shown_;
    r.sets[0] = {engine::lat1, engine::lha1, engine::dec1, engine::alt1, engine::az1};
    r.sets[1] = {engine::lat2, engine::lha2, engine::dec2, engine::alt2, engine::az2};
    for (auto& set : r.sets)
        for (size_t i = 0; i < 5; ++i)
            if (p.q[i])
                set[i] = *p.q[i];
    r.manyOther = r.count > 0 && manyOther_;
    if (r.count == 0)
        r.message = messages_;
    return r;
}

PassageResult Solver::solve(const PassageProblem& p)
{
    PassageResult r;
    const bool formed = p.fromLon && p.toLon;
    r.given = {p.fromLat.has_value(), p.lha && !formed, p.toLat.has_value(), p.miles.has_value(),
               p.course.has_value(),  p.fromLon.has_value(), p.toLon.has_value(), false};
    r.longitudes = p.fromLon || p.toLon;
    r.code = engine::casecode(p.fromLat.has_value(), p.lha.has_value(), p.toLat.has_value(), p.miles.has_value(),
                              p.course.has_value());
    const double alt = p.miles ? gcs::altitudeOf(*p.miles) : 0;
    run(r.code, gcs::givens(value(p.fromLat), value(p.lha), value(p.toLat), alt, value(p.course)));

    r.count = shown_ < 0 ? 0 : shown_;
    r.manyOther = r.count > 0 && manyOther_;
    if (r.count == 0) {
        r.message = messages_;
        return r;
    }
    const double lat[2] = {engine::lat1, engine::lat2}, lha[2] = {engine::lha1, engine::lha2},
                 dec[2] = {engine::dec1, engine::dec2}, alts[2] = {engine::alt1, engine::alt2},
                 az[2] = {engine::az1, engine::az2};
    for (int k = 0; k < r.count; ++k) {
        Passage& s = r.sets[size_t(k)];
        s.fromLat = lat[k];
        s.lha = lha[k];
        s.toLat = dec[k];
        s.alt = alts[k];
        s.course = az[k];
        if (p.miles)
            s.alt = alt;
        s.finalCourse = gcs::finalCourse(s.fromLat, s.lha, s.toLat, s.course);
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
            s.dlo = p.dloEast ? engine::twoPi - s.lha : s.lha;
        } else {
            s.dloEast = gcs::dloShownEast(s.lha, s.course, formed);
            s.dlo = gcs::shownDlo(s.lha);
        }
    }
    return r;
}

}  // namespace morvel::cli
