#!/usr/bin/python3
"""Makes events_reference.csv: the day's events of the Sun and the Moon at
places from 70 S to 70 N through 2026 (polar day and night among them),
from astropy alone (its own frames over ERFA for the Sun, its own series
of the Moon, Meeus's), not from Morvel. Not part of Morvel; needs Debian's
python3-astropy and nothing from the network.

The day of a row is the zone day at the place: from 00:00 to 24:00 zone
time, UT = zone time + ZD with ZD = -round(east longitude / 15). Each
event is the first of its kind in that day, UT to the second, empty when
none. Altitudes are topocentric and airless, sampled every minute and the
crossing found by linear interpolation between samples:
  sunrise, sunset             the Sun's centre at -50' (the upper limb on
                              the horizon with 34' of refraction)
  civil, nautical dawn, dusk  the Sun's centre at -6 and -12 degrees
  moonrise, moonset           the Moon's upper limb at -34' (its centre at
                              -34' less its topocentric semi-diameter)
  sun_transit, moon_transit   the geocentric apparent hour angle at the
                              place passing 0 (upper transit)
The committed events_reference.csv was made by (astropy 5.2.1):
  /usr/bin/python3 tests/almanac/reference/make_events_reference.py > tests/almanac/reference/events_reference.csv
"""
import datetime
import warnings

import astropy
import numpy as np
from astropy.utils import iers

iers.conf.auto_download = False
iers.conf.auto_max_age = None
iers.conf.iers_degraded_accuracy = "warn"
import astropy.units as u  # noqa: E402
from astropy.coordinates import AltAz, EarthLocation, TETE, get_body  # noqa: E402
from astropy.time import Time  # noqa: E402

# Past its bundled tables astropy takes UT1 - UTC as 0 and warns; a second
# of UT1 moves an event by a second, far inside the minute compared.
warnings.simplefilter("ignore")

LATITUDES = [-70, -65, -60, -50, -40, -30, -20, -10, 0, 10, 20, 30, 40, 50, 60, 65, 70]
DATES = [datetime.date(2026, 1, 3) + datetime.timedelta(days=23 * i) for i in range(16)]
DATES += [datetime.date(2026, 3, 20), datetime.date(2026, 6, 21), datetime.date(2026, 9, 23),
          datetime.date(2026, 12, 21)]
MOON_RADIUS_KM = 1737.4
STEP_MIN = 1.0
EVENTS = ["sunrise", "sunset", "civil_dawn", "civil_dusk", "nautical_dawn", "nautical_dusk",
          "moonrise", "moonset", "sun_transit", "moon_transit"]


def crossings(t, f, rising):
    """Times (minutes) where f crosses 0 upward (rising) or downward."""
    out = []
    for i in range(len(f) - 1):
        a, b = f[i], f[i + 1]
        if (rising and a < 0 <= b) or (not rising and a >= 0 > b):
            out.append(t[i] + (t[i + 1] - t[i]) * a / (a - b))
    return out


def transits(t, ha):
    """Times where the hour angle (degrees, -180..180) passes 0 upward."""
    out = []
    for i in range(len(ha) - 1):
        a, b = ha[i], ha[i + 1]
        if a < 0 <= b and b - a < 90:
            out.append(t[i] + (t[i + 1] - t[i]) * a / (a - b))
    return out


def main():
    cases = []
    for di, date in enumerate(DATES):
        for li, lat in enumerate(LATITUDES):
            lon = float(((di * 17 + li * 37) * 7) % 360 - 180)
            zd = -int(round(lon / 15.0))
            cases.append((date, lat, lon, zd))
    n = int(round(24 * 60 / STEP_MIN)) + 3
    minutes = (np.arange(n) - 1) * STEP_MIN
    print("# Made by make_events_reference.py (astropy %s); see README.md" % astropy.__version__)
    print("date,lat,lon,zd," + ",".join(EVENTS))
    for date, lat, lon, zd in cases:
        start = Time(datetime.datetime(date.year, date.month, date.day), scale="utc") + zd * u.hour
        times = start + minutes * u.min
        place = EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0 * u.m)
        frame = AltAz(obstime=times, location=place, pressure=0 * u.hPa)
        sun = get_body("sun", times).transform_to(frame).alt.deg
        moon_g = get_body("moon", times)
        moon_h = moon_g.transform_to(frame)
        moon_sd = np.degrees(np.arcsin(MOON_RADIUS_KM / moon_h.distance.to(u.km).value))
        moon = moon_h.alt.deg + 34 / 60 + moon_sd
        last = times.sidereal_time("apparent", longitude=lon * u.deg).deg
        sun_ra = get_body("sun", times).transform_to(TETE(obstime=times)).ra.deg
        moon_ra = moon_g.transform_to(TETE(obstime=times)).ra.deg
        sun_ha = (last - sun_ra + 180) % 360 - 180
        moon_ha = (last - moon_ra + 180) % 360 - 180
        found = {
            "sunrise": crossings(minutes, sun + 50 / 60, True),
            "sunset": crossings(minutes, sun + 50 / 60, False),
            "civil_dawn": crossings(minutes, sun + 6, True),
            "civil_dusk": crossings(minutes, sun + 6, False),
            "nautical_dawn": crossings(minutes, sun + 12, True),
            "nautical_dusk": crossings(minutes, sun + 12, False),
            "moonrise": crossings(minutes, moon, True),
            "moonset": crossings(minutes, moon, False),
            "sun_transit": transits(minutes, sun_ha),
            "moon_transit": transits(minutes, moon_ha),
        }
        row = [date.isoformat(), "%d" % lat, "%g" % lon, "%d" % zd]
        for e in EVENTS:
            inside = [m for m in found[e] if 0 <= m < 24 * 60]
            if inside:
                when = start + inside[0] * u.min
                row.append(when.utc.datetime.replace(microsecond=0).strftime("%Y-%m-%dT%H:%M:%SZ")
                           if when.utc.datetime.microsecond < 500000 else
                           (when.utc.datetime.replace(microsecond=0) + datetime.timedelta(seconds=1))
                           .strftime("%Y-%m-%dT%H:%M:%SZ"))
            else:
                row.append("")
        print(",".join(row), flush=True)


if __name__ == "__main__":
    main()
