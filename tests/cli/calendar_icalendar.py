# A calendar tabulon-cli wrote, read by Python's icalendar package: a reader independent of libical.
# Arguments: the tabulon-cli executable and tests/data/two_groups.trn.
import datetime, os, subprocess, sys, tempfile
import icalendar

cli, tournament = sys.argv[1:3]
expected = {
    "1": [(datetime.date(2000, 3, 7), "Rovers v City"), (datetime.date(2000, 3, 14), "United 2-2 Rovers")],
    "2": [(datetime.date(1999, 1, 1), "Łódź 2-3 Beşiktaş")],
}
with tempfile.TemporaryDirectory() as folder:
    for group, events in expected.items():
        path = os.path.join(folder, "group.ics")
        subprocess.run([cli, "calendar", tournament, "--group", group, "--output", path], check=True)
        with open(path, "rb") as file:
            calendar = icalendar.Calendar.from_ical(file.read())
        read = [(event.decoded("dtstart"), str(event["summary"])) for event in calendar.walk("VEVENT")]
        assert read == events, f"group {group}: {read}"
