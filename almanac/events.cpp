#include "almanac/events.h"

#include "navtext/say.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace morvel::almanac {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degree = pi / 180;
constexpr double arcminute = degree / 60;

// Days from 1970-01-01 of a proleptic Gregorian date, and back (Hinnant's
// algorithms).
long daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = unsigned((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1);
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + long(doe) - 719468;
}

UtcDate civilFromDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const int d = int(doy - (153 * mp + 2) / 5 + 1);
    const int m = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yoe) + int(era * 400) + (m <= 2), m, d};
}

/// An angle brought into -pi..pi.
double signedAngle(double x)
{
    x = std::remainder(x, 2 * pi);
    return x;
}

// A day is looked at every ten minutes; a crossing is closed in on to a second.
constexpr double step = 1.0 / 6;
constexpr double closeEnough = 1.0 / 3600;

template <class F>
double bisect(F f, double a, double b, double fa)
{
    while (b - a > closeEnough) {
        const double m = (a + b) / 2, fm = f(m);
        if ((fm >= 0) == (fa >= 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

/// The samples of f over [from, from + 24], every step.
template <class F>
std::vector<double> sampled(F f, double from)
{
    std::vector<double> v;
    for (int i = 0; i <= int(std::lround(24 / step)); ++i)
        v.push_back(f(from + i * step));
    return v;
}

/// The roots of f in [from, from + 24) where it goes up (rising) or down.
template <class F>
std::vector<double> roots(F f, double from, bool rising, const std::vector<double>& s)
{
    std::vector<double> found;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        const bool up = s[i] < 0 && s[i + 1] >= 0, down = s[i] >= 0 && s[i + 1] < 0;
        if (rising ? up : down) {
            const double t = bisect(f, from + double(i) * step, from + double(i + 1) * step, s[i]);
            if (t < from + 24)
                found.push_back(t);
        }
    }
    return found;
}

}  // namespace

long UtcDate::dayNumber() const
{
    return daysFromCivil(year, month, day);
}

UtcDate UtcDate::plus(int days) const
{
    return civilFromDays(daysFromCivil(year, month, day) + days);
}

std::string UtcDate::text() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

std::string UtcDate::isoText(double hours) const
{
    const long seconds = std::lround(hours * 3600);
    const long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long s = seconds - days * 86400;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%sT%02ld:%02ld:%02ldZ", plus(int(days)).text().c_str(), s / 3600, s / 60 % 60,
                  s % 60);
    return buf;
}

std::pair<UtcDate, std::string> UtcDate::dayAndMinute(double hours) const
{
    const long minutes = std::lround(hours * 60);
    const long days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    const long m = minutes - days * 1440;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02ld:%02ld", m / 60, m % 60);
    return {plus(int(days)), buf};
}

Instant UtcDate::instant(double hours, double dut1) const
{
    const double whole = std::floor(hours / 24);
    const UtcDate d = plus(int(whole));
    double rest = (hours - whole * 24) * 3600;
    const int h = std::min(23, int(rest / 3600));
    rest -= h * 3600;
    const int m = std::min(59, int(rest / 60));
    return Instant::fromUtc(d.year, d.month, d.day, h, m, std::min(59.999, rest - m * 60), dut1);
}

std::vector<Track> tracksOf(const std::vector<Body>& bodies, UtcDate date, int first, int last, double dut1,
                            std::string& error, int step)
{
    std::vector<std::vector<Place>> hourly(bodies.size());
    for (int h = first; h <= last; h += step) {
        const Instant when = date.instant(h, dut1);
        if (!when.ok()) {
            error = when.error();
            return {};
        }
        const Sky sky(when);
        for (size_t b = 0; b < bodies.size(); ++b) {
            hourly[b].push_back(sky.placeOf(bodies[b]));
            if (!hourly[b].back().ok()) {
                error = hourly[b].back().error;
                return {};
            }
        }
    }
    std::vector<Track> tracks;
    for (size_t b = 0; b < bodies.size(); ++b)
        tracks.emplace_back(bodies[b], first, hourly[b], step);
    return tracks;
}

Track::Track(const Body& body, int first, const std::vector<Place>& places, int step)
    : body_(body), first_(first), step_(step), places_(places)
{
    for (const Place& p : places) {
        double g = p.gha;
        // The GHA grows by about 15 degrees an hour, 90 in six: carried on,
        // not wrapped.
        while (!gha_.empty() && g < gha_.back())
            g += 2 * pi;
        gha_.push_back(g);
        dec_.push_back(p.dec);
        sd_.push_back(p.sd.value_or(0));
        hp_.push_back(p.hp.value_or(0));
        distance_.push_back(p.distance.value_or(0));
    }
}

double Track::value(const std::vector<double>& v, double hours) const
{
    const int n = int(v.size());
    if (n < 4)
        return n ? v[0] : 0;
    // The four samples around: i - 1, i, i + 1, i + 2 with sample i at or
    // before hours and i + 1 after.
    const double at = (hours - first_) / step_;
    const int i = std::clamp(int(std::floor(at)), 1, n - 3);
    const double x = at - i;  // 0..1 between v[i] and v[i + 1]
    const double a = v[size_t(i - 1)], b = v[size_t(i)], c = v[size_t(i + 1)], d = v[size_t(i + 2)];
    return -x * (x - 1) * (x - 2) / 6 * a + (x + 1) * (x - 1) * (x - 2) / 2 * b - (x + 1) * x * (x - 2) / 2 * c +
           (x + 1) * x * (x - 1) / 6 * d;
}

double Track::gha(double hours) const { return value(gha_, hours); }
double Track::dec(double hours) const { return value(dec_, hours); }
double Track::sd(double hours) const { return value(sd_, hours); }
double Track::hp(double hours) const { return value(hp_, hours); }

Place Track::placeAt(double hours) const
{
    const size_t nearest = size_t(std::clamp(long(std::lround((hours - first_) / step_)), 0L, long(places_.size()) - 1));
    const Place& n = places_[nearest];
    Place p;
    p.gha = std::fmod(gha(hours), 2 * pi);
    if (p.gha < 0)
        p.gha += 2 * pi;
    p.dec = dec(hours);
    if (n.sd)
        p.sd = sd(hours);
    if (n.hp)
        p.hp = hp(hours);
    if (n.distance)
        p.distance = value(distance_, hours);
    p.mag = n.mag;
    return p;
}

namespace {

/// A body's altitude on one meridian through the day, sampled every step
/// once for every latitude: sin h = sin(lat) sin(dec) + cos(lat) cos(dec)
/// cos(LHA), compared with sin h0 so that no arcsine is taken.
class Meridian {
public:
    Meridian(const Track& track, double lon, double from, bool moonLimb)
        : track_(track), lon_(lon), from_(from), moonLimb_(moonLimb)
    {
        for (int i = 0; i <= int(std::lround(24 / step)); ++i) {
            const double t = from + i * step;
            const double dec = track.dec(t);
            sinDec_.push_back(std::sin(dec));
            cosDecCosLha_.push_back(std::cos(dec) * std::cos(track.gha(t) + lon));
            sinLimb_.push_back(moonLimb ? std::sin(limb(t)) : 0);
        }
    }

    /// The Moon's HP - SD - 34' at t.
    double limb(double t) const { return track_.hp(t) - track_.sd(t) - 34 * arcminute; }

    /// The sign of altitude - h0 at t, as a number.
    double exact(double sinLat, double cosLat, double altitude, double t) const
    {
        const double dec = track_.dec(t);
        const double h0 = moonLimb_ ? limb(t) : altitude;
        return sinLat * std::sin(dec) + cosLat * std::cos(dec) * std::cos(track_.gha(t) + lon_) - std::sin(h0);
    }

    /// The samples of the same.
    std::vector<double> samples(double sinLat, double cosLat, double altitude) const
    {
        std::vector<double> v(sinDec_.size());
        const double s0 = std::sin(altitude);
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = sinLat * sinDec_[i] + cosLat * cosDecCosLha_[i] - (moonLimb_ ? sinLimb_[i] : s0);
        return v;
    }

    std::vector<double> crossings(double lat, double altitude, bool rising, const std::vector<double>& s) const
    {
        const double sl = std::sin(lat), cl = std::cos(lat);
        return roots([&](double t) { return exact(sl, cl, altitude, t); }, from_, rising, s);
    }

private:
    const Track& track_;
    double lon_, from_;
    bool moonLimb_;
    std::vector<double> sinDec_, cosDecCosLha_, sinLimb_;
};

/// Why a body did not cross an altitude in the day, from the day's samples.
Event::Absence whyNone(const std::vector<double>& s)
{
    bool above = true, below = true;
    for (double v : s)
        (v >= 0 ? below : above) = false;
    return above ? Event::Absence::aboveAll : below ? Event::Absence::belowAll : Event::Absence::noCrossing;
}

}  // namespace

std::vector<double> crossings(const Track& track, double lat, double lon, double from, double altitude, bool rising,
                              bool moonLimb)
{
    const Meridian m(track, lon, from, moonLimb);
    return m.crossings(lat, altitude, rising, m.samples(std::sin(lat), std::cos(lat), altitude));
}

std::vector<double> transits(const Track& track, double lon, double from)
{
    auto f = [&](double t) { return signedAngle(track.gha(t) + lon); };
    const std::vector<double> s = sampled(f, from);
    std::vector<double> found;
    for (size_t i = 0; i + 1 < s.size(); ++i)
        // The hour angle passes 0 going west; from +pi to -pi is the lower transit.
        if (s[i] < 0 && s[i + 1] >= 0 && s[i + 1] - s[i] < pi / 2) {
            const double t = bisect(f, from + double(i) * step, from + double(i + 1) * step, s[i]);
            if (t < from + 24)
                found.push_back(t);
        }
    return found;
}

std::vector<DayEvents> eventsOf(const Track& sun, const Track& moon, const std::vector<double>& lats, double lon,
                                double from)
{
    struct Level {
        EventKind up, down;
        double altitude;
        navtext::Phrase aboveAll, belowAll, noUp, noDown;
    };
    const Level levels[] = {
        {EventKind::sunrise, EventKind::sunset, -50 * arcminute,
         MORVEL_TR("almanac", "the Sun above the horizon all day"),
         MORVEL_TR("almanac", "the Sun below the horizon all day"),
         MORVEL_TR("almanac", "the Sun does not rise this day"),
         MORVEL_TR("almanac", "the Sun does not set this day")},
        {EventKind::civilDawn, EventKind::civilDusk, -6 * degree,
         MORVEL_TR("almanac", "the Sun never 6° below the horizon: no civil twilight"),
         MORVEL_TR("almanac", "the Sun more than 6° below the horizon all day"),
         MORVEL_TR("almanac", "the Sun does not rise through 6° below the horizon this day"),
         MORVEL_TR("almanac", "the Sun does not sink through 6° below the horizon this day")},
        {EventKind::nauticalDawn, EventKind::nauticalDusk, -12 * degree,
         MORVEL_TR("almanac", "the Sun never 12° below the horizon: no nautical twilight"),
         MORVEL_TR("almanac", "the Sun more than 12° below the horizon all day"),
         MORVEL_TR("almanac", "the Sun does not rise through 12° below the horizon this day"),
         MORVEL_TR("almanac", "the Sun does not sink through 12° below the horizon this day")},
        {EventKind::moonrise, EventKind::moonset, 0, MORVEL_TR("almanac", "the Moon above the horizon all day"),
         MORVEL_TR("almanac", "the Moon below the horizon all day"),
         MORVEL_TR("almanac", "the Moon does not rise this day"),
         MORVEL_TR("almanac", "the Moon does not set this day")},
    };
    const Meridian sunOn(sun, lon, from, false), moonOn(moon, lon, from, true);
    const std::vector<double> sunPasses = transits(sun, lon, from), moonPasses = transits(moon, lon, from);
    std::vector<DayEvents> all;
    for (double lat : lats) {
        DayEvents d;
        auto set = [&](EventKind k, std::vector<double> times, Event::Absence why, navtext::Phrase note) {
            Event& e = d.events[size_t(k)];
            e.times = std::move(times);
            if (e.times.empty()) {
                e.absence = why;
                e.note = navtext::say(note);
            }
        };
        for (const Level& l : levels) {
            const Meridian& m = l.up == EventKind::moonrise ? moonOn : sunOn;
            const std::vector<double> s = m.samples(std::sin(lat), std::cos(lat), l.altitude);
            const Event::Absence why = whyNone(s);
            for (bool rising : {true, false})
                set(rising ? l.up : l.down, m.crossings(lat, l.altitude, rising, s), why,
                    why == Event::Absence::aboveAll   ? l.aboveAll
                    : why == Event::Absence::belowAll ? l.belowAll
                    : rising                          ? l.noUp
                                                      : l.noDown);
        }
        set(EventKind::sunTransit, sunPasses, Event::Absence::noCrossing,
            MORVEL_TR("almanac", "the Sun does not cross the meridian this day"));
        set(EventKind::moonTransit, moonPasses, Event::Absence::noCrossing,
            MORVEL_TR("almanac", "the Moon does not cross the meridian this day"));
        all.push_back(std::move(d));
    }
    return all;
}

DayEvents eventsOf(const Track& sun, const Track& moon, double lat, double lon, double from)
{
    return eventsOf(sun, moon, std::vector<double>{lat}, lon, from).front();
}

DayEvents eventsOf(UtcDate date, double zd, double lat, double lon, double dut1)
{
    // Hours beyond both ends of the day for the interpolation, within the
    // almanac's years (on their first and last day the track leans on the
    // nearest hours it has).
    const long day = date.dayNumber();
    const int first = std::max(int(std::floor(zd)) - 2, int(24 * (daysFromCivil(1900, 1, 1) - day)));
    const int last = std::min(int(std::ceil(zd)) + 26, int(24 * (daysFromCivil(2101, 1, 1) - day)) - 1);
    std::string error;
    const std::vector<Track> t = tracksOf({*findBody("Sun"), *findBody("Moon")}, date, first, last, dut1, error);
    if (t.empty()) {
        DayEvents d;
        d.error = error;
        return d;
    }
    return eventsOf(t[0], t[1], lat, lon, zd);
}

bool withNeighbours(UtcDate date)
{
    const long d = date.dayNumber();
    return d >= daysFromCivil(1900, 1, 2) && d <= daysFromCivil(2100, 12, 30);
}

int nauticalZone(double lon)
{
    return -int(std::lround(lon / (15 * degree)));
}

}  // namespace morvel::almanac
