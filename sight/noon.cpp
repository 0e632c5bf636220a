#include "sight/noon.h"

#include "almanac/almanac.h"
#include "engine/angles.h"
#include "navtext/say.h"
#include "reckoning/reckoning.h"
#include "sight/horizon.h"

#include <cmath>

namespace morvel::sight {

namespace {

using math::degree;

const almanac::Body& sun()
{
    static const almanac::Body body = *almanac::findBody("Sun");
    return body;
}

/// The Sun's hour angle changes by about 360 degrees in a day.
constexpr double sunRate = math::twoPi / 86400;

}  // namespace

DeadReckoning DeadReckoning::after(double hours) const
{
    DeadReckoning p = *this;
    const gcs::Place at = reckoning::run({lat, lon}, course, speed * hours);
    p.lat = at.lat;
    p.lon = at.lon;
    return p;
}

UtcTime localMeanNoon(const UtcTime& date, double lon)
{
    return date.midnight().plus(43200 - lon / sunRate);
}

UtcTime noonDateOnBoard(const UtcTime& dateOnBoard, double lon, double zd)
{
    // 12:00 local mean time of the date on board, counted in its zone time
    // from the midnight of that date: a day earlier or later when it falls
    // outside it.
    const double zoneTime = 43200 - lon / sunRate - zd * 3600;
    return dateOnBoard.midnight().plus(-std::floor(zoneTime / 86400) * 86400);
}

Noon localApparentNoon(const UtcTime& date, const DeadReckoning& dr, double dut1, const std::optional<UtcTime>& drTime)
{
    Noon noon;
    const UtcTime meanNoon = localMeanNoon(date, dr.lon);
    // The DR's time, seconds after meanNoon.
    const double held = drTime ? drTime->secondsSince(meanNoon) : 0;
    if (!(std::fabs(held) <= drTimeLimit)) {
        noon.error = navtext::say(MORVEL_TR("sight", "the DR's time lies more than 24 hours from noon of the date"));
        return noon;
    }
    double offset = 0;  // seconds from meanNoon
    for (int i = 0; i < 20; ++i) {
        const DeadReckoning ship = dr.after((offset - held) / 3600);
        const almanac::Instant when = meanNoon.plus(offset).instant(dut1);
        const almanac::Place p = almanac::placeOf(sun(), when);
        if (!p.ok()) {
            noon.error = p.error;
            return noon;
        }
        noon = {meanNoon.plus(offset), ship.lat, ship.lon, p.dec, p.sd.value_or(0), p.hp.value_or(0), {}};
        if (std::fabs(ship.lat) >= 89 * degree) {
            noon.error = navtext::say(
                MORVEL_TR("sight", "the ship runs within a degree of the pole, where noon has no meaning"));
            return noon;
        }
        // The ship's longitude changes too: east adds to the Sun's rate.
        const double shipRate = dr.speed / 3600 / 60 * degree * std::sin(dr.course) / std::cos(ship.lat);
        const double step = -signedAngle(p.gha + ship.lon) / (sunRate + shipRate);
        offset += step;
        if (std::fabs(step) < 0.01) {
            noon.time = meanNoon.plus(offset);
            return noon;
        }
    }
    noon.error = navtext::say(MORVEL_TR("sight", "noon not found: the ship outruns the Sun"));
    return noon;
}

NoonLatitude noonLatitude(const Noon& noon, double hs, const Conditions& c, Limb limb)
{
    NoonLatitude r;
    r.corrections = correct(hs, c, limb, {noon.sd, noon.hp, false}, noon.lat);
    const double ho = r.corrections.ho;
    if (!(ho > 0 && ho < math::halfPi)) {
        r.error = navtext::say(MORVEL_TR("sight", "the observed altitude must lie between 0 and 90 degrees"));
        return r;
    }
    const double z = math::halfPi - ho;
    r.sunSouth = noon.lat >= noon.dec;
    r.lat = r.sunSouth ? noon.dec + z : noon.dec - z;
    if (std::fabs(r.lat) > math::halfPi)
        r.error = navtext::say(MORVEL_TR("sight", "the altitude puts the latitude beyond the pole"));
    return r;
}

NoonLongitude longitudeAtMaximum(const UtcTime& time, double dut1)
{
    NoonLongitude r;
    const almanac::Place p = almanac::placeOf(sun(), time.instant(dut1));
    if (!p.ok())
        r.error = p.error;
    else
        r.lon = signedAngle(-p.gha);
    return r;
}

}  // namespace morvel::sight
