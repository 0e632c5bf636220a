#!/usr/bin/python3
"""Makes the compass's references from astropy, a program other than
Morvel (its own frames and builtin ephemerides: ERFA's Earth and planets,
its own Moon; no libnova, no Morvel code):

  azimuth_reference.csv    the true azimuth and altitude of a body's
      centre seen from a place at an instant, topocentric (the observer on
      the WGS 84 ellipsoid), without refraction; instants of 2019 to 2022,
      within astropy's bundled table of UT1 - UTC, which each row gives
      (dut1) so that Morvel's almanac turns the Earth by the same UT1.
  amplitude_reference.csv  the moment a body's centre rises or sets on a
      horizon and its true azimuth then:
        celestial  the centre's geocentric altitude 0 (the direction from
                   the Earth's centre, as the textbook amplitude takes it);
        visible    the centre's topocentric true altitude -(dip + R): on the
                   sea's edge from a height of eye h metres, the dip
                   1.76' sqrt(h) and R the refraction of the nautical
                   almanac's formula at the apparent altitude -dip (10 deg
                   C, 1010 hPa), the convention Morvel's compass states.

Bodies, instants and places are drawn from a fixed seed; a body is kept
for the azimuths when its centre stands 1 to 80 degrees high. Stars come
from Morvel's catalogue (almanac/data/navigational_stars.csv: ICRS at
J2000 with proper motion, parallax and radial velocity, SIMBAD's figures)
moved by astropy to the instant.

Not part of Morvel; needs Debian's python3-astropy (5.2.1 made the
committed files), nothing from the network. Made by:
  /usr/bin/python3 tests/compass/reference/make_azimuth_reference.py tests/compass/reference
"""
import csv
import math
import os
import random
import sys
import warnings

import astropy
import astropy.units as u
import numpy as np
from astropy.utils import iers

iers.conf.auto_download = False
from astropy.coordinates import (AltAz, CartesianRepresentation, EarthLocation, GCRS,  # noqa: E402
                                 SkyCoord, get_body)
from astropy.time import Time  # noqa: E402

warnings.simplefilter("ignore")

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE = os.path.join(HERE, "..", "..", "..", "almanac", "data", "navigational_stars.csv")
PLANETS = ["Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn"]
STARS = ["Sirius", "Canopus", "Vega", "Polaris", "Rigil Kentaurus", "Arcturus", "Achernar", "Deneb"]


def stars():
    out = {}
    with open(CATALOGUE) as f:
        rows = [line for line in f if not line.startswith("#")]
    for r in csv.DictReader(rows):
        ra = (float(r["ra_h"]) + float(r["ra_m"]) / 60 + float(r["ra_s"]) / 3600) * 15
        sign = -1 if r["dec_d"].strip().startswith("-") else 1
        dec = sign * (abs(float(r["dec_d"])) + float(r["dec_m"]) / 60 + float(r["dec_s"]) / 3600)
        out[r["name"]] = SkyCoord(ra=ra * u.deg, dec=dec * u.deg,
                                  pm_ra_cosdec=float(r["pm_ra"]) * u.mas / u.yr,
                                  pm_dec=float(r["pm_dec"]) * u.mas / u.yr,
                                  distance=(1000 / float(r["parallax"])) * u.pc,
                                  radial_velocity=float(r["rv"] or 0) * u.km / u.s,
                                  frame="icrs", obstime=Time("J2000", scale="tt"))
    return out


CATALOGUE_STARS = stars()


def place(body, t, location=None):
    """The body's coordinate at t, topocentric when a location is given."""
    if body in CATALOGUE_STARS:
        return CATALOGUE_STARS[body].apply_space_motion(new_obstime=t)
    return get_body(body.lower(), t, location=location, ephemeris="builtin")


def altaz(body, t, lat, lon, geocentric_direction=False):
    loc = EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0 * u.m)
    frame = AltAz(obstime=t, location=loc)
    if geocentric_direction and body not in CATALOGUE_STARS:
        g = place(body, t).transform_to(GCRS(obstime=t))
        c = SkyCoord(g.ra, g.dec, frame=GCRS(obstime=t))  # the direction alone
    else:
        c = place(body, t, loc)
    a = c.transform_to(frame)
    return a.alt.deg, a.az.deg


def iso(t):
    return t.utc.strftime("%Y-%m-%dT%H:%M:%S") + "Z"


def azimuths(rng, out):
    out.write("# Made by make_azimuth_reference.py (astropy %s); see README.md\n" % astropy.__version__)
    out.write("# utc,dut1,body,lat,lon,azimuth,altitude (degrees; topocentric, no refraction)\n")
    for body in PLANETS + STARS:
        kept = 0
        while kept < 3:
            seconds = rng.randrange(0, 4 * 365 * 86400)
            t = Time("2019-01-01T00:00:00", scale="utc") + seconds * u.s
            lat = round(rng.uniform(-65, 70), 2)
            lon = round(rng.uniform(-180, 180), 2)
            alt, az = altaz(body, t, lat, lon)
            if not 1 <= alt <= 80:
                continue
            kept += 1
            out.write("%s,%.4f,%s,%.2f,%.2f,%.5f,%.5f\n"
                      % (iso(t), t.delta_ut1_utc, body, lat, lon, az, alt))


def refraction(ha):
    """The nautical almanac's refraction at apparent altitude ha (degrees),
    10 deg C and 1010 hPa, degrees."""
    r0 = 0.0167 / math.tan(math.radians(ha + 7.32 / (ha + 4.32)))
    return r0 * 0.28 * 1010 / (10 + 273)


def target(horizon, eye):
    if horizon == "celestial":
        return 0.0
    dip = 1.76 * math.sqrt(eye) / 60
    return -dip - refraction(-dip)


def crossing(body, day, lat, lon, horizon, eye):
    """The first rising and setting of the body's centre on the horizon in
    the UT day: (moment, azimuth, rising)."""
    h0 = target(horizon, eye)
    geo = horizon == "celestial"
    start = Time(day + "T00:00:00", scale="utc")

    def f(s):
        return altaz(body, start + s * u.s, lat, lon, geo)[0] - h0

    found = []
    step = 1200
    edges = list(range(0, 86400 + step, step))
    values = [f(s) for s in edges]
    for a, b, fa, fb in zip(edges, edges[1:], values, values[1:]):
        if (fa < 0) == (fb < 0):
            continue
        rising = fa < 0
        if any(r == rising for _, _, r in found):
            continue
        lo, hi, flo = a, b, fa
        while hi - lo > 0.05:
            mid = (lo + hi) / 2
            fm = f(mid)
            if (fm < 0) == (flo < 0):
                lo, flo = mid, fm
            else:
                hi = mid
        moment = start + ((lo + hi) / 2) * u.s
        found.append((moment, altaz(body, moment, lat, lon, geo)[1], rising))
    return found


AMPLITUDES = [
    ("Sun", "2021-06-21", 50.0, -4.0, "visible", 12),
    ("Sun", "2021-12-21", -33.9, 18.4, "visible", 0),
    ("Sun", "2020-03-20", 0.0, -30.0, "celestial", 0),
    ("Sun", "2022-09-10", 60.5, 5.0, "visible", 20),
    ("Sun", "2019-01-15", -55.0, -67.0, "celestial", 0),
    ("Moon", "2021-05-26", 40.0, -70.0, "visible", 10),
    ("Moon", "2022-02-10", -20.0, 150.0, "celestial", 0),
    ("Moon", "2020-08-03", 55.0, 10.0, "visible", 0),
    ("Venus", "2021-01-10", 30.0, 120.0, "visible", 15),
    ("Jupiter", "2022-07-01", -10.0, -140.0, "celestial", 0),
    ("Sirius", "2020-01-20", 35.0, 25.0, "visible", 8),
    ("Vega", "2019-07-01", 12.0, 80.0, "visible", 0),
]


def amplitudes(out):
    out.write("# Made by make_azimuth_reference.py (astropy %s); see README.md\n" % astropy.__version__)
    out.write("# moment,dut1,body,lat,lon,horizon,eye,rising,azimuth (degrees; the centre on the horizon)\n")
    for body, day, lat, lon, horizon, eye in AMPLITUDES:
        for moment, az, rising in crossing(body, day, lat, lon, horizon, eye):
            out.write("%s,%.4f,%s,%.2f,%.2f,%s,%g,%d,%.5f\n"
                      % (moment.utc.isot[:22] + "Z", moment.delta_ut1_utc, body,
                         lat, lon, horizon, eye, rising, az))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else HERE
    with open(os.path.join(folder, "azimuth_reference.csv"), "w") as out:
        azimuths(random.Random(20261207), out)
    with open(os.path.join(folder, "amplitude_reference.csv"), "w") as out:
        amplitudes(out)


if __name__ == "__main__":
    main()
