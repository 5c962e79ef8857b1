"""`passes --summary --visible` against python3-ephem's eclipse and Sun.

The TLE fixture's passes over a day are looked at with ephem every 10 s from
AOS to LOS: sunlit (not eclipsed) while the Sun is below -6 degrees. A pass
is visible for ephem in a strict reading (the Sun below -6.1, sunlit 10 s
either side as well) and in a lenient one (the Sun below -5.9, sunlit at any
of the three); the program's list must hold every strict one and no pass that
is not even lenient.
usage: check_visible_passes.py CLI TLE-FILE
"""
import csv
import datetime
import io
import math
import os
import shutil
import subprocess
import sys
import tempfile

import ephem


def passes(cli, folder, *flags):
    args = [cli, "passes", "--summary", *flags, "--days", "1", "--dir", folder, "--file", "sats.tle", "all",
            "11/05/2026", "18:00:00"]
    text = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    return list(csv.DictReader(io.StringIO(text)))


def utc(text):
    return datetime.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ")


STATIONS = [("45.5", "9.2", 120), ("62.0", "25.0", 100)]  # the second has a short, light night


def check(cli, tle, sats, station):
    lat, lon, height = station
    obs = ephem.Observer()
    obs.lat, obs.lon, obs.elevation, obs.pressure = lat, lon, height, 0
    sun = ephem.Sun()
    with tempfile.TemporaryDirectory() as folder:
        shutil.copy(tle, os.path.join(folder, "sats.tle"))
        with open(os.path.join(folder, "config.txt"), "w", newline="") as f:
            f.write("LA = %s\r\nLO = %s\r\nHT = %s\r\n" % station)
        every = passes(cli, folder)
        shown = {(r["name"], r["aos_utc"]) for r in passes(cli, folder, "--visible")}
    strict, lenient = set(), set()
    for row in every:
        key = (row["name"], row["aos_utc"])
        sat = ephem.readtle(row["name"], *sats[row["name"]])
        t, end = utc(row["aos_utc"]), utc(row["los_utc"])
        while t <= end:
            lit = []
            for shift in (-10, 0, 10):
                obs.date = t + datetime.timedelta(seconds=shift)
                sat.compute(obs)
                lit.append(not sat.eclipsed)
            obs.date = t
            sun.compute(obs)
            alt = math.degrees(sun.alt)
            if alt < -6.1 and all(lit):
                strict.add(key)
            if alt < -5.9 and any(lit):
                lenient.add(key)
            t += datetime.timedelta(seconds=10)
    missing = strict - shown
    extra = shown - lenient
    print("%s: %d passes, %d visible, ephem %d to %d" % (station, len(every), len(shown), len(strict), len(lenient)))
    for key in sorted(missing):
        print("visible for ephem, not listed:", key)
    for key in sorted(extra):
        print("listed, not visible for ephem:", key)
    assert len(strict) > 10 and len(every) > len(lenient), "the day shows too little"
    return not missing and not extra


def main():
    cli, tle = sys.argv[1], sys.argv[2]
    lines = [line.rstrip("\r\n") for line in open(tle)]
    # The table keeps nine characters of a name.
    sats = {lines[i][:9].strip(): (lines[i + 1], lines[i + 2]) for i in range(0, len(lines) - 2, 3)}
    results = [check(cli, tle, sats, station) for station in STATIONS]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
