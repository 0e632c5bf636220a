#include "almanac/ephemeris.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/libnova.h>

#include <mutex>

namespace morvel::almanac::ephemeris {

namespace {

constexpr double auKm = ERFA_DAU / 1000;

// ELP 2000-82B's terms smaller than this are left out (libnova's precision
// argument, radians): against the full series, the same places to 0.001'
// over 1950-2050, in a sixteenth of the time (0.1 ms).
constexpr double elpPrecision = 1e-8;

// libnova keeps each planet's last answer in static storage (a cache of
// one, unguarded): calls into it take turns.
std::mutex& libnovaTurn()
{
    static std::mutex turn;
    return turn;
}

// From the inertial mean ecliptic and equinox of J2000 (libnova's VSOP87
// and ELP 2000-82B both give that) to the ICRS axes: the obliquity of
// J2000, then the frame bias.
void fromEclipticJ2000(const double e[3], double p[3])
{
    double r[3][3], q[3];
    eraIr(r);
    eraRx(-eraObl06(ERFA_DJ00, 0), r);
    eraRxp(r, const_cast<double*>(e), q);
    double rb[3][3], rp[3][3], rbp[3][3];
    eraBp06(ERFA_DJ00, 0, rb, rp, rbp);
    eraTrxp(rb, q, p);
}

}  // namespace

void heliocentric(Planet planet, double jdTT, double p[3], double v[3])
{
    ln_helio_posn h{};
    std::unique_lock turn(libnovaTurn());
    switch (planet) {
    case Planet::venus: ln_get_venus_helio_coords(jdTT, &h); break;
    case Planet::mars: ln_get_mars_helio_coords(jdTT, &h); break;
    case Planet::jupiter: ln_get_jupiter_helio_coords(jdTT, &h); break;
    case Planet::saturn: ln_get_saturn_helio_coords(jdTT, &h); break;
    }
    turn.unlock();
    double e[3];
    eraS2p(h.L * ERFA_DD2R, h.B * ERFA_DD2R, h.R, e);
    fromEclipticJ2000(e, p);
    // eraPlan94's planet numbers: Venus 2, Mars 4, Jupiter 5, Saturn 6.
    const int number[] = {2, 4, 5, 6};
    double pv[2][3];
    eraPlan94(jdTT, 0, number[int(planet)], pv);
    eraCp(pv[1], v);
}

void moon(double jdTT, double p[3])
{
    ln_rect_posn m{};
    {
        const std::lock_guard turn(libnovaTurn());
        ln_get_lunar_geo_posn(jdTT, &m, elpPrecision);
    }
    const double e[3] = {m.X / auKm, m.Y / auKm, m.Z / auKm};
    fromEclipticJ2000(e, p);
}

}  // namespace morvel::almanac::ephemeris
