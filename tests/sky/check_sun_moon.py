"""The Sun and the Moon of `rodedizevad-cli state` against python3-ephem.

The reference is made here, at test time, by ephem (an independent theory:
VSOP87 and ELP); refraction off (pressure 0). Azimuth, elevation and the
sub-point within 0.01 degrees, range within 0.01 percent.
usage: check_sun_moon.py CLI
"""
import math
import os
import subprocess
import sys
import tempfile

import ephem

STATIONS = [(45.5, 9.2, 120), (-33.9, 18.4, 10), (64.8, -147.7, 140), (0.0, 0.0, 0), (35.7, 139.7, 3000)]
INSTANTS = ["01/01/1950 00:00:00", "15/06/1963 06:30:00", "21/03/1988 18:00:00", "29/02/2000 23:59:59",
            "11/05/2026 12:00:00", "07/12/2026 03:17:41", "30/09/2049 09:45:00", "01/07/2075 15:00:00",
            "31/12/2099 21:00:00"]
AZ_EL_TOLERANCE = 0.01
VERBOSE = os.environ.get("VERBOSE")


def cli_state(cli, folder, body, when):
    date, time = when.split()
    out = subprocess.run([cli, "state", "--dir", folder, body, date, time], check=True,
                         capture_output=True, text=True).stdout
    return {k: float(v) for k, v in (line.split() for line in out.splitlines())}


def reference(station, body, when):
    lat, lon, height = station
    obs = ephem.Observer()
    obs.lat, obs.lon, obs.elevation = str(lat), str(lon), height
    obs.pressure = 0
    date, time = when.split()
    d, m, y = date.split("/")
    obs.date = "%s/%s/%s %s" % (y, m, d, time)
    b = ephem.Sun() if body == "SUN" else ephem.Moon()
    b.compute(obs)
    sublon = math.degrees(ephem.degrees(b.g_ra - obs.sidereal_time() + ephem.degrees(obs.lon)).znorm)
    km = b.earth_distance * ephem.meters_per_au / 1000.0
    return {"az": math.degrees(b.az), "el": math.degrees(b.alt), "sublat": math.degrees(b.g_dec),
            "sublon": sublon, "distance": km}


def angle_gap(a, b):
    return abs((a - b + 180.0) % 360.0 - 180.0)


def main():
    cli = sys.argv[1]
    failures = []
    worst = 0.0
    with tempfile.TemporaryDirectory() as folder:
        for station in STATIONS:
            with open(os.path.join(folder, "config.txt"), "w", newline="") as f:
                f.write("LA = %s\r\nLO = %s\r\nHT = %s\r\n" % station)
            for body in ("SUN", "MOON"):
                for when in INSTANTS:
                    ours = cli_state(cli, folder, body, when)
                    ref = reference(station, body, when)
                    # Near the zenith the azimuth is ill-defined: compare it on the sky.
                    az_gap = angle_gap(ours["az"], ref["az"]) * math.cos(math.radians(ref["el"]))
                    gaps = {"az": az_gap, "el": abs(ours["el"] - ref["el"]),
                            "sublat": abs(ours["sublat"] - ref["sublat"]),
                            "sublon": angle_gap(ours["sublon"], ref["sublon"]) * math.cos(math.radians(ref["sublat"]))}
                    if VERBOSE:
                        print(body, when, station, " ".join("%s %.5f" % kv for kv in gaps.items()))
                    worst = max([worst] + list(gaps.values()))
                    bad = {k: v for k, v in gaps.items() if v > AZ_EL_TOLERANCE}
                    # ephem gives the Moon's distance from the station, the Sun's from
                    # the Earth's centre (6400 km are 4e-5 of it).
                    if abs(ours["range"] - ref["distance"]) > 1e-4 * ref["distance"]:
                        bad["range"] = ours["range"] - ref["distance"]
                    if bad:
                        failures.append("%s %s at %s: %s (ours %s, ephem %s)" % (body, when, station, bad, ours, ref))
    for line in failures:
        print(line)
    print("worst gap %.5f degrees over %d comparisons" % (worst, len(STATIONS) * len(INSTANTS) * 2))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
