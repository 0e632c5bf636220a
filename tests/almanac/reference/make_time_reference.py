#!/usr/bin/python3
"""Makes time_reference.csv: the GHA of Aries and of the Sun at instants of
the last day before UTC began (1959-12-31, where a time is UT1) and of the
first day of UTC (1960-01-01, UT1 = UTC with DUT1 0), from programs other
than Morvel: Skyfield for the time scales and the sidereal time (its own
Delta T, IAU 2000A nutation and Earth rotation angle, no ERFA), astropy for
the Sun's apparent place (ERFA's Earth, astropy's own frames). Not part of
Morvel; needs Debian's python3-skyfield and python3-astropy, nothing from
the network.

On both days the clock time written is UT1 itself, so each row's UT1 is
the time as written; TT is UT1 plus Skyfield's Delta T. The committed
time_reference.csv was made by (Skyfield 1.45, astropy 5.2.1):
  /usr/bin/python3 tests/almanac/reference/make_time_reference.py > tests/almanac/reference/time_reference.csv
"""
import warnings

import astropy
import skyfield
from astropy.utils import iers

iers.conf.auto_download = False
from astropy.coordinates import TETE, get_sun  # noqa: E402
from astropy.time import Time  # noqa: E402
from skyfield.api import load  # noqa: E402

# astropy looks for the Earth's orientation (polar motion, UT1 - UTC) to
# place the geocentre, which is the same point whatever the Earth's
# orientation; its warnings that 1960 lies before its tables do not bear on
# the apparent place of the Sun seen from there.
warnings.simplefilter("ignore")

INSTANTS = [
    (1959, 12, 31, 0, 0, 0.0),
    (1959, 12, 31, 6, 0, 0.0),
    (1959, 12, 31, 12, 0, 0.0),
    (1959, 12, 31, 18, 0, 0.0),
    (1959, 12, 31, 23, 59, 59.0),
    (1959, 12, 31, 23, 59, 59.9),
    (1960, 1, 1, 0, 0, 0.0),
    (1960, 1, 1, 6, 0, 0.0),
    (1960, 1, 1, 12, 0, 0.0),
    (1960, 1, 1, 23, 59, 59.0),
]


def text(y, mo, d, h, mi, s):
    whole = int(s)
    fraction = ("%.1f" % (s - whole))[1:] if s != whole else ""
    return "%04d-%02d-%02dT%02d:%02d:%02d%sZ" % (y, mo, d, h, mi, whole, fraction)


def main():
    ts = load.timescale(builtin=True)
    print("# Made by make_time_reference.py (Skyfield %s, astropy %s); see README.md"
          % (skyfield.__version__, astropy.__version__))
    print("# utc,body,gha_deg,ut1_jd,tt_jd")
    for instant in INSTANTS:
        t = ts.ut1(*instant)
        gast = t.gast * 15
        tt = Time(t.tt, format="jd", scale="tt")
        sun = get_sun(tt).transform_to(TETE(obstime=tt))
        for body, gha in (("Aries", gast), ("Sun", gast - sun.ra.deg)):
            print("%s,%s,%.7f,%.8f,%.8f" % (text(*instant), body, gha % 360, t.ut1, t.tt))


main()
