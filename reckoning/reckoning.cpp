#include "reckoning/reckoning.h"

#include "engine/angles.h"
#include "navtext/say.h"

#include <algorithm>
#include <cmath>

namespace morvel::reckoning {

namespace {

using math::degree, math::halfPi, math::twoPi;

/// Miles as an arc of a great circle, radians.
double arcOf(double miles)
{
    return miles / 60 * degree;
}

}  // namespace

Place run(const Place& from, double course, double miles)
{
    const double arc = arcOf(miles);
    const double lat = from.lat + arc * std::cos(course);
    if (std::abs(lat) >= halfPi)
        return {std::copysign(halfPi, lat), from.lon};
    const double mid = (from.lat + lat) / 2;
    return {lat, std::remainder(from.lon + arc * std::sin(course) / std::cos(mid), twoPi)};
}

gcs::Leg between(const Place& a, const Place& b)
{
    const double dlat = b.lat - a.lat;
    const double departure = std::remainder(b.lon - a.lon, twoPi) * std::cos((a.lat + b.lat) / 2);
    if (dlat == 0 && departure == 0)
        return {0, 0};
    return {math::wrap(std::atan2(departure, dlat)), std::hypot(dlat, departure) / degree * 60};
}

Track::Track(const Place& start, double time, double course, double speed)
    : start_(start), time_(time), legs_{{time, course, speed}}
{
}

void Track::change(double time, double course, double speed)
{
    const auto after = std::lower_bound(legs_.begin(), legs_.end(), time,
                                        [](const Leg& l, double t) { return l.from < t; });
    if (after != legs_.end() && after->from == time)
        *after = {time, course, speed};
    else
        legs_.insert(after, {time, course, speed});
}

const Leg& Track::legAt(double time) const
{
    const auto next = std::upper_bound(legs_.begin(), legs_.end(), time,
                                       [](double t, const Leg& l) { return t < l.from; });
    return next == legs_.begin() ? *next : *(next - 1);
}

Place Track::at(double time) const
{
    // The times at which the leg changes between the start and time, in
    // the order the run meets them.
    std::vector<double> stops;
    for (const Leg& l : legs_)
        if ((l.from > time_ && l.from < time) || (l.from < time_ && l.from > time))
            stops.push_back(l.from);
    if (time < time_)
        std::reverse(stops.begin(), stops.end());
    stops.push_back(time);
    Place p = start_;
    double t = time_;
    for (const double stop : stops) {
        // The leg in force between t and stop is the one at their middle.
        const Leg& l = legAt((t + stop) / 2);
        p = run(p, l.course, l.speed * (stop - t));
        t = stop;
    }
    return p;
}

Place estimated(const Track& track, const Current& current, double time)
{
    return run(track.at(time), current.set, current.drift * (time - track.time()));
}

CurrentFound currentFrom(const Place& dr, const Place& fix, double hours)
{
    CurrentFound f;
    if (!(hours > 0) || !std::isfinite(hours)) {
        f.error = navtext::say(MORVEL_TR("reckoning", "the current needs the hours since the last fix, above 0"));
        return f;
    }
    const gcs::Leg l = between(dr, fix);
    f.current = {l.course, l.miles / hours};
    f.miles = l.miles;
    return f;
}

CurrentSailing courseToSteer(double track, double speed, const Current& current)
{
    CurrentSailing s;
    if (!(speed > 0)) {
        s.error = navtext::say(MORVEL_TR("reckoning", "no course makes good a track without speed through the water"));
        return s;
    }
    // Across the track the ship's water motion must cancel the current's.
    const double across = current.drift * std::sin(current.set - track);
    const double along = current.drift * std::cos(current.set - track);
    const double x = -across / speed;
    if (std::abs(x) > 1) {
        s.error = navtext::say(MORVEL_TR("reckoning", "cannot make good that track: the current sets across it faster "
                                                      "than the ship can stem"));
        return s;
    }
    const double off = std::asin(x), ahead = speed * std::sqrt(1 - x * x);
    const Steering first{math::wrap(track + off), ahead + along};
    const Steering second{math::wrap(track + math::pi - off), along - ahead};
    // A speed made good within rounding of nothing is none: a current
    // square across the track as fast as the ship holds it there.
    const double nothing = 1e-9 * (speed + current.drift);
    if (!(first.speedMadeGood > nothing)) {
        s.error = navtext::say(along < -nothing
                                   ? MORVEL_TR("reckoning", "cannot make good that track: the current sets against "
                                                            "it faster than the ship runs")
                                   : MORVEL_TR("reckoning", "cannot make good that track: the current sets across "
                                                            "it as fast as the ship can stem"));
        return s;
    }
    s.steer = first;
    if (second.speedMadeGood > nothing && ahead > nothing)
        s.other = second;
    return s;
}

}  // namespace morvel::reckoning
