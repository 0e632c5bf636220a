#include "almanac/daily_page.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace morvel::almanac {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degree = pi / 180;
constexpr double arcminute = degree / 60;

double signedAngle(double x)
{
    return std::remainder(x, 2 * pi);
}

/// The Moon's elongation in ecliptic longitude from the Sun, -pi..pi, at
/// hours after date's midnight. The right ascensions from GAST - GHA; the
/// ecliptic of date by the obliquity of 2000 (its change of 0.013 degrees
/// a century moves both bodies alike).
std::optional<double> elongation(UtcDate date, double hours, double dut1)
{
    const Instant when = date.instant(hours, dut1);
    if (!when.ok())
        return std::nullopt;
    const Sky sky(when);
    const double eps = 23.4393 * degree;
    auto longitude = [&](BodyKind kind) {
        const Place p = sky.placeOf(*findBody(kind == BodyKind::sun ? "Sun" : "Moon"));
        const double ra = sky.gast() - p.gha;
        return std::atan2(std::sin(ra) * std::cos(eps) + std::tan(p.dec) * std::sin(eps), std::cos(ra));
    };
    return signedAngle(longitude(BodyKind::moon) - longitude(BodyKind::sun));
}

/// The new moon nearest to `days` (from 1970-01-01), by Newton's steps on
/// the mean rate of elongation.
std::optional<double> newMoonNear(double days, double dut1)
{
    const double rate = 12.1907 * degree;  // a day
    for (int i = 0; i < 6; ++i) {
        const double whole = std::floor(days);
        const std::optional<double> e = elongation(UtcDate{1970, 1, 1}.plus(int(whole)), (days - whole) * 24, dut1);
        if (!e)
            return std::nullopt;
        days -= *e / rate;
        if (std::abs(*e) < 1e-6)
            break;
    }
    return days;
}

}  // namespace

std::vector<double> pageLatitudes()
{
    return {72,  70,  68,  66,  64,  62,  60,  58,  56,  54,  52,  50,  45,  40,  35, 30,
            20,  10,  0,   -10, -20, -30, -35, -40, -45, -50, -52, -54, -56, -58, -60};
}

size_t DailyPage::index(BodyKind kind) const
{
    for (size_t i = 0; i < moving.size(); ++i)
        if (moving[i].kind == kind)
            return i;
    return 0;
}

std::string DailyPage::eventText(size_t latitude, EventKind k) const
{
    const DayEvents& d = events[latitude].events;
    const Event& e = d[k];
    if (!e.times.empty())
        return date.dayAndMinute(e.times.front()).second;
    const bool moon = k == EventKind::moonrise || k == EventKind::moonset;
    const Event& rise = d[moon ? EventKind::moonrise : EventKind::sunrise];
    // Above all day at rising and setting is above all day for the
    // twilights too; a twilight's own above all day is one that never comes.
    if (rise.absence == Event::Absence::aboveAll)
        return "\u25A1";
    if (e.absence == Event::Absence::aboveAll)
        return "////";
    if (e.absence == Event::Absence::belowAll)
        return "\u25A0";
    return "--";
}

DailyPage PageMaker::page(UtcDate date)
{
    DailyPage p;
    p.date = date;
    for (const Body& b : bodies())
        (b.kind == BodyKind::star ? p.stars : p.moving).push_back(b);

    // Six hours apart but on a day whose UTC has a leap second.
    const Instant start = date.instant(0, dut1_), end = date.instant(24, dut1_);
    if (!start.ok() || !end.ok()) {
        p.error = start.ok() ? end.error() : start.error();
        return p;
    }
    const bool leap = std::abs((end.jdTT() - start.jdTT()) - 1) > 1e-8;
    const int step = leap ? 1 : 6;
    // The places at each instant, kept for the next day's page, which
    // shares three of its instants with this one's.
    const int first = -step * (leap ? 2 : 1), last = 24 + step * (leap ? 2 : 1);
    std::vector<std::vector<Place>> placesOf(p.moving.size());
    std::map<long, std::vector<Place>> kept;
    for (int h = first; h <= last; h += step) {
        const long key = date.dayNumber() * 24 + h;
        auto found = known_.find(key);
        if (found == known_.end()) {
            const Instant when = date.instant(h, dut1_);
            if (!when.ok()) {
                p.error = when.error();
                return p;
            }
            const Sky sky(when);
            std::vector<Place> row;
            for (const Body& b : p.moving)
                row.push_back(sky.placeOf(b));
            found = known_.emplace(key, std::move(row)).first;
        }
        for (size_t b = 0; b < p.moving.size(); ++b)
            placesOf[b].push_back(found->second[b]);
        kept.insert(*found);
    }
    known_ = std::move(kept);
    std::vector<Track> tracks;
    for (size_t b = 0; b < p.moving.size(); ++b)
        tracks.emplace_back(p.moving[b], first, placesOf[b], step);
    for (int h = 0; h <= 24; ++h) {
        std::vector<Place> row;
        for (const Track& t : tracks)
            row.push_back(t.placeAt(h));
        // The magnitudes of the day, as the page prints them: at 12h.
        for (size_t b = 0; b < row.size(); ++b)
            row[b].mag = tracks[b].placeAt(12).mag;
        p.hours.push_back(std::move(row));
    }

    const size_t moon = p.index(BodyKind::moon), sun = p.index(BodyKind::sun);
    for (size_t b = 0; b < p.moving.size(); ++b) {
        const Track& t = tracks[b];
        const BodyKind k = p.moving[b].kind;
        const double perDay = (t.gha(24) - t.gha(0)) / 24;
        p.v.push_back(k == BodyKind::planet ? std::optional((perDay - 15 * degree) / arcminute) : std::nullopt);
        p.d.push_back(k == BodyKind::planet || k == BodyKind::sun ? std::optional((t.dec(24) - t.dec(0)) / 24 / arcminute)
                                                                  : std::nullopt);
        const std::vector<double> at = transits(t, 0, 0);
        p.passage.push_back(at.empty() ? std::nullopt : std::optional(at.front()));
    }
    for (int h = 0; h < 24; ++h) {
        p.moonV[size_t(h)] = (tracks[moon].gha(h + 1) - tracks[moon].gha(h) - (14 * degree + 19 * arcminute)) / arcminute;
        p.moonD[size_t(h)] = (tracks[moon].dec(h + 1) - tracks[moon].dec(h)) / arcminute;
    }
    if (const std::vector<double> lower = transits(tracks[moon], pi, 0); !lower.empty())
        p.moonLowerPassage = lower.front();

    // Apparent less mean time: the Sun's GHA less the mean sun's, 180
    // degrees at 0h and growing 15 degrees an hour; 4 minutes of time a degree.
    p.equationOfTime0 = signedAngle(tracks[sun].gha(0) - pi) / degree * 4;
    p.equationOfTime12 = signedAngle(tracks[sun].gha(12)) / degree * 4;

    // The Moon's phase at 12h: the angle Sun - Moon - Earth from the
    // elongation and the distances.
    const Place s12 = tracks[sun].placeAt(12), m12 = tracks[moon].placeAt(12);
    const double cosE = std::sin(s12.dec) * std::sin(m12.dec) +
                        std::cos(s12.dec) * std::cos(m12.dec) * std::cos(s12.gha - m12.gha);
    const double e = std::acos(std::clamp(cosE, -1.0, 1.0));
    const double rs = s12.distance.value_or(1), rm = m12.distance.value_or(0.00257);
    const double phase = std::atan2(rs * std::sin(e), rm - rs * std::cos(e));
    p.moonIllumination = (1 + std::cos(phase)) / 2 * 100;

    // The Moon's age: the last new moon is known until the next passes.
    const double noon = double(date.dayNumber()) + 0.5;
    if (!lastNew_ || !nextNew_ || noon < *lastNew_ || noon >= *nextNew_) {
        const std::optional<double> e12 = elongation(date, 12, dut1_);
        const double e0 = e12 ? (*e12 < 0 ? *e12 + 2 * pi : *e12) : 0;
        lastNew_ = newMoonNear(noon - e0 / (12.1907 * degree), dut1_);
        if (lastNew_ && *lastNew_ > noon)  // Newton's steps went past noon: the one before
            lastNew_ = newMoonNear(*lastNew_ - 29.53, dut1_);
        nextNew_ = lastNew_ ? newMoonNear(*lastNew_ + 29.53, dut1_) : std::nullopt;
    }
    p.moonAge = lastNew_ ? noon - *lastNew_ : 0;

    std::vector<double> lats;
    for (double lat : pageLatitudes())
        lats.push_back(lat * degree);
    std::vector<DayEvents> events = eventsOf(tracks[sun], tracks[moon], lats, 0, 0);
    for (size_t i = 0; i < lats.size(); ++i)
        p.events.push_back({lats[i], std::move(events[i])});

    const Sky midnight(start);
    for (const Body& b : p.stars)
        p.starPlaces.push_back(midnight.placeOf(b));
    return p;
}

DailyPage dailyPage(UtcDate date, double dut1)
{
    return PageMaker(dut1).page(date);
}

}  // namespace morvel::almanac
