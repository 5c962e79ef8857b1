#!/usr/bin/env python3
"""The calendar of `passes --ics` opens in a standard parser and holds the CSV's passes."""
import csv
import io
import subprocess
import sys

import icalendar

cli, data = sys.argv[1], sys.argv[2]
args = ["--days", "1", "--dir", data, "all", "31/12/2026", "12:00:00"]
rows = list(csv.DictReader(io.StringIO(
    subprocess.run([cli, "passes", "--summary"] + args, check=True, capture_output=True, text=True).stdout)))
raw = subprocess.run([cli, "passes", "--ics"] + args, check=True, capture_output=True).stdout
assert b"\n" not in raw.replace(b"\r\n", b""), "a line ends without CR"

calendar = icalendar.Calendar.from_ical(raw.decode("utf-8"))
events = [e for e in calendar.walk("VEVENT")]
assert len(events) == len(rows) > 100, (len(events), len(rows))
uids = set()
for event, row in zip(events, rows):
    start = event.decoded("DTSTART").strftime("%Y-%m-%dT%H:%M:%SZ")
    assert start == row["aos_utc"], (start, row)
    top = round(float(row["max_el"]))
    assert str(event["SUMMARY"]) in (f"{row['name']} pass, max {top}°",
                                     f"{row['name']} pass, max {top - 1}°",
                                     f"{row['name']} pass, max {top + 1}°"), event["SUMMARY"]
    assert event.decoded("DTEND") > event.decoded("DTSTART")
    uids.add(str(event["UID"]))
assert len(uids) == len(events), "UIDs repeat"
print(f"{len(events)} events parsed")
