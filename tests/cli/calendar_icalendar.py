# A calendar tabulon-cli wrote from two_groups.trn (argv: the executable, the file), read by Python's
# icalendar package, a reader independent of libical.
import datetime, os, subprocess, sys, tempfile
import icalendar

with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "group.ics")
    subprocess.run([sys.argv[1], "calendar", sys.argv[2], "--group", "1", "--output", path], check=True)
    with open(path, "rb") as file:
        events = icalendar.Calendar.from_ical(file.read()).walk("VEVENT")
read = [(event.decoded("dtstart"), str(event["summary"])) for event in events]
assert read == [(datetime.date(2000, 3, 7), "Rovers v City"), (datetime.date(2000, 3, 14), "United 2-2 Rovers")], read
