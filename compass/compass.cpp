#include "compass/compass.h"

#include "almanac/almanac.h"
#include "engine/triangle.h"
#include "navtext/navtext.h"
#include "navtext/say.h"
#include "sight/corrections.h"
#include "sight/horizon.h"
#include "sight/reduction.h"

#include <cmath>

namespace morvel::compass {

namespace {

using math::degree, math::halfPi, math::pi;
using navtext::say;

/// Seconds within which the moment of the amplitude is taken as found.
constexpr double momentTolerance = 0.5;
constexpr int momentIterations = 10;

/// What can be refused before any body is placed.
std::string refusedAtOnce(const Bearing& b)
{
    if (b.body.kind == almanac::BodyKind::aries)
        return say(MORVEL_TR("compass", "Aries is a point of the sky, not a body to take a bearing of"));
    if (std::abs(b.lat) > halfPi - 1e-9)
        return say(b.lat > 0 ? MORVEL_TR("compass", "at a pole every direction is south: a bearing there has no "
                                                    "azimuth to check")
                             : MORVEL_TR("compass", "at a pole every direction is north: a bearing there has no "
                                                    "azimuth to check"));
    return {};
}

/// The body's name as a message writes it: "the Sun", "Vega".
std::string named(const almanac::Body& body)
{
    if (body.kind == almanac::BodyKind::sun)
        return say(MORVEL_TR("compass", "the Sun"));
    if (body.kind == almanac::BodyKind::moon)
        return say(MORVEL_TR("compass", "the Moon"));
    return std::string(body.name);
}

/// The error, variation and deviation of a check whose azimuth is found.
Check finished(Check c, const Bearing& b)
{
    c.error = compassError(c.azimuth, b.bearing);
    if (b.instrument == Instrument::magnetic && b.variation) {
        c.variation = b.variation;
        c.deviation = sight::signedAngle(c.error - *b.variation);
    }
    return c;
}

Check refused(std::string why)
{
    Check c;
    c.why = std::move(why);
    return c;
}

/// The true altitude of the centre on the horizon the amplitude is taken
/// on: the observed altitude of a sextant altitude 0 of the centre from
/// that height of eye, or 0 on the celestial horizon.
double horizonAltitude(const almanac::Body& body, const almanac::Place& p, const AmplitudeOptions& o, double lat,
                       double zn)
{
    if (o.horizon == Horizon::celestial)
        return 0;
    sight::Conditions c;
    c.eye = o.eye;
    return sight::correct(0, c, sight::Limb::center, sight::figuresOf(body, p), lat, zn).ho;
}

}  // namespace

double compassError(double azimuth, double bearing)
{
    return sight::signedAngle(azimuth - bearing);
}

Check byAzimuth(const Bearing& b)
{
    if (std::string why = refusedAtOnce(b); !why.empty())
        return refused(why);
    const almanac::Instant when = b.when.instant(b.dut1);
    if (!when.ok())
        return refused(when.error());
    const almanac::Place p = almanac::placeOf(b.body, when);
    if (!p.ok())
        return refused(p.error);
    const sight::Horizon h = sight::horizonOf(p.gha, p.dec, b.lat, b.lon);
    if (h.hc > halfPi - degree / 60)
        return refused(say(MORVEL_TR("compass", "%1 stands at the zenith, where it has no azimuth"), {named(b.body)}));
    // The sextant altitude of the upper limb from a height of eye of 0:
    // below 0 the body is below the horizon. Far below it the refraction
    // formula has nothing to say, and needs asking nothing.
    const bool seen = h.hc > -2 * degree &&
                      sight::sextantAltitude(h.hc, sight::Conditions{}, sight::Limb::upper,
                                             sight::figuresOf(b.body, p), b.lat, h.zn) >= 0;
    if (!seen)
        return refused(say(MORVEL_TR("compass", "%1 is below the horizon there and then (its centre %2 true): no "
                                                "bearing of it could be taken; is the time, the position or the body "
                                                "mistyped?"),
                           {named(b.body), navtext::degreesText(h.hc)}));
    Check c;
    c.azimuth = h.zn;
    c.altitude = h.hc;
    return finished(c, b);
}

Check byAmplitude(const Bearing& b, const AmplitudeOptions& o)
{
    if (std::string why = refusedAtOnce(b); !why.empty())
        return refused(why);
    const almanac::Instant when = b.when.instant(b.dut1);
    if (!when.ok())
        return refused(when.error());
    almanac::Place p = almanac::placeOf(b.body, when);
    if (!p.ok())
        return refused(p.error);
    const sight::Horizon now = sight::horizonOf(p.gha, p.dec, b.lat, b.lon);
    double h0 = horizonAltitude(b.body, p, o, b.lat, now.zn);
    const std::string horizon = o.horizon == Horizon::visible ? say(MORVEL_TR("compass", "the visible horizon"))
                                                              : say(MORVEL_TR("compass", "the celestial horizon"));
    if (std::abs(now.hc - h0) > amplitudeReach)
        return refused(say(now.hc > h0 ? MORVEL_TR("compass", "%1's centre is %2 above %3 at that time: the amplitude "
                                                              "is taken as it rises or sets, within %4 of the horizon; "
                                                              "is the time right?")
                                       : MORVEL_TR("compass", "%1's centre is %2 below %3 at that time: the amplitude "
                                                              "is taken as it rises or sets, within %4 of the horizon; "
                                                              "is the time right?"),
                           {named(b.body), navtext::degreesText(std::abs(now.hc - h0)), horizon,
                            navtext::degreesText(amplitudeReach)}));

    double lha = sight::localHourAngle(p.gha, b.lon);
    const bool rising = lha > pi;
    // The body's own rate in hour angle, radians a second, from its place
    // ten minutes on.
    const sight::UtcTime later = b.when.plus(600);
    const almanac::Place q = almanac::placeOf(b.body, later.instant(b.dut1));
    if (!q.ok())
        return refused(q.error);
    const double rate = sight::signedAngle(q.gha - p.gha) / 600;

    sight::UtcTime t = b.when;
    for (int i = 0; i < momentIterations; ++i) {
        const engine::Solved s = engine::solveTriangle(22, engine::givens(b.lat, 0, p.dec, h0, 0));
        if (s.count < 1)
            return refused(say(std::abs(p.dec - b.lat) < std::abs(p.dec + b.lat)
                                   ? MORVEL_TR("compass", "%1 does not rise or set there that day: at %2 with its "
                                                          "declination %3 it stays above %4")
                                   : MORVEL_TR("compass", "%1 does not rise or set there that day: at %2 with its "
                                                          "declination %3 it stays below %4"),
                               {named(b.body), navtext::navLatitudeText(b.lat, false),
                                navtext::navLatitudeText(p.dec, false), horizon}));
        // The set on the side it stands: east of the meridian when rising.
        const engine::Triangle& at =
            s.count == 2 && ((s.sets[1].lha > pi) == rising) ? s.sets[1] : s.sets[0];
        const double dt = sight::signedAngle(at.lha - lha) / rate;
        if (std::abs(dt) < momentTolerance) {
            Check c;
            c.azimuth = at.zn;
            c.altitude = h0;
            c.rising = rising;
            c.moment = t;
            c.amplitude = rising ? halfPi - at.zn : at.zn - 3 * halfPi;
            return finished(c, b);
        }
        t = t.plus(dt);
        p = almanac::placeOf(b.body, t.instant(b.dut1));
        if (!p.ok())
            return refused(p.error);
        lha = sight::localHourAngle(p.gha, b.lon);
        h0 = horizonAltitude(b.body, p, o, b.lat, at.zn);
    }
    return refused(say(MORVEL_TR("compass", "the moment %1 stands on the horizon did not settle"), {named(b.body)}));
}

}  // namespace morvel::compass
