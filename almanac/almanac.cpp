#include "almanac/almanac.h"

#include "almanac/ephemeris.h"
#include "almanac/magnitude.h"
#include "almanac/stars.h"
#include "navtext/say.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace morvel::almanac {

namespace {

constexpr double earthRadiusKm = 6378.137;
constexpr double auKm = ERFA_DAU / 1000;
// Light's speed in au per day.
constexpr double cAuDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
// The Moon's mean light time, days (384 400 km).
constexpr double moonLightTime = 384400 / (ERFA_CMPS / 1000) / ERFA_DAYSEC;

struct Figure {
    const char* name;
    ephemeris::Planet planet;
    double radiusKm;
};
constexpr Figure planets[] = {{"Venus", ephemeris::Planet::venus, 6051.8},
                              {"Mars", ephemeris::Planet::mars, 3396.19},
                              {"Jupiter", ephemeris::Planet::jupiter, 71492},
                              {"Saturn", ephemeris::Planet::saturn, 60268}};
// Saturn's north pole (IAU), ICRS right ascension and declination.
constexpr double saturnPoleRa = 40.589 * ERFA_DD2R, saturnPoleDec = 83.537 * ERFA_DD2R;
constexpr double sunRadiusKm = 696000;
constexpr double moonRadiusKm = 1737.4;

}  // namespace

Sky::Sky(const Instant& when) : when_(when)
{
    if (!when.ok())
        return;
    eraASTROM a;
    eraApci13(when.tt1(), when.tt2(), &a, &eo_);
    pmt_ = a.pmt;
    em_ = a.em;
    bm1_ = a.bm1;
    std::memcpy(eb_, a.eb, sizeof eb_);
    std::memcpy(eh_, a.eh, sizeof eh_);
    std::memcpy(v_, a.v, sizeof v_);
    std::memcpy(bpn_, a.bpn, sizeof bpn_);
    era_ = eraEra00(when.ut11(), when.ut12());
}

double Sky::gast() const
{
    return eraAnp(era_ - eo_);
}

Place Sky::placeOf(const Body& body) const
{
    if (!when_.ok()) {
        Place p;
        p.error = when_.error();
        return p;
    }
    switch (body.kind) {
    case BodyKind::aries: {
        Place p;
        p.gha = gast();
        return p;
    }
    case BodyKind::star: return star(body);
    default: return solarSystem(body);
    }
}

Place Sky::star(const Body& body) const
{
    const CatalogueStar& s = *body.star;
    const double ra = ERFA_DS2R * (s.raH * 3600 + s.raM * 60 + s.raS);
    const double dec = (s.south ? -1 : 1) * ERFA_DAS2R * (s.decD * 3600 + s.decM * 60 + s.decS);
    // ERFA wants the proper motion in right ascension as d(alpha)/dt.
    const double pmRa = s.pmRa / 1000 * ERFA_DAS2R / std::cos(dec);
    const double pmDec = s.pmDec / 1000 * ERFA_DAS2R;
    eraASTROM a{};
    a.pmt = pmt_;
    a.em = em_;
    a.bm1 = bm1_;
    std::memcpy(a.eb, eb_, sizeof eb_);
    std::memcpy(a.eh, eh_, sizeof eh_);
    std::memcpy(a.v, v_, sizeof v_);
    std::memcpy(a.bpn, bpn_, sizeof bpn_);
    double ri = 0, di = 0;
    eraAtciq(ra, dec, pmRa, pmDec, s.parallax / 1000, s.rv, &a, &ri, &di);
    Place p;
    p.gha = eraAnp(era_ - ri);
    p.dec = di;
    p.sha = eraAnp(-(ri - eo_));
    p.mag = s.vmag;
    return p;
}

Place Sky::solarSystem(const Body& body) const
{
    const double jd = when_.jdTT();
    // The Earth's heliocentric position, au.
    double earth[3];
    eraSxp(em_, const_cast<double*>(eh_), earth);
    // The body's geocentric position as light left it, au.
    double g[3] = {};
    double radiusKm = 0;
    std::optional<double> mag;
    const Figure* planet = nullptr;
    if (body.kind == BodyKind::sun) {
        eraSxp(-1, earth, g);
        radiusKm = sunRadiusKm;
    } else if (body.kind == BodyKind::moon) {
        // One evaluation, at the mean light time: the true one differs by
        // less than 0.09 s, in which the Moon moves 0.06".
        double m[3];
        ephemeris::moon(jd - moonLightTime, m);
        // The Earth moved on during the light time.
        double shift[3];
        eraSxp(eraPm(m), const_cast<double*>(v_), shift);
        eraPmp(m, shift, g);
        radiusKm = moonRadiusKm;
    } else {
        for (const Figure& f : planets)
            if (body.name == f.name)
                planet = &f;
        if (!planet) {
            Place p;
            p.error = navtext::say(MORVEL_TR("almanac", "no ephemeris for %1"), {body.name});
            return p;
        }
        double now[3], v[3], h[3];
        ephemeris::heliocentric(planet->planet, jd, now, v);
        eraCp(now, h);
        for (int i = 0; i < 2; ++i) {
            eraPmp(h, earth, g);
            eraPpsp(now, -eraPm(g) / cAuDay, v, h);
        }
        eraPmp(h, earth, g);
        radiusKm = planet->radiusKm;
        // Phase: the angle at the planet between the Sun and the Earth.
        const double phase = std::acos(std::clamp(eraPdp(h, g) / (eraPm(h) * eraPm(g)), -1.0, 1.0));
        double pole[3];
        eraS2c(saturnPoleRa, saturnPoleDec, pole);
        mag = magnitude(planet->planet, eraPm(h), eraPm(g), phase, std::asin(eraPdp(pole, g) / eraPm(g)));
    }
    double r = 0, u[3], apparent[3], cirs[3];
    eraPn(g, &r, u);
    eraAb(u, const_cast<double*>(v_), em_, bm1_, apparent);
    eraRxp(const_cast<double(*)[3]>(bpn_), apparent, cirs);
    double ra = 0, dec = 0;
    eraC2s(cirs, &ra, &dec);
    Place p;
    p.gha = eraAnp(era_ - ra);
    p.dec = dec;
    p.distance = r;
    p.sd = std::asin(radiusKm / (r * auKm));
    p.hp = std::asin(earthRadiusKm / (r * auKm));
    p.mag = mag;
    return p;
}

Place placeOf(const Body& body, const Instant& when)
{
    return Sky(when).placeOf(body);
}

}  // namespace morvel::almanac
