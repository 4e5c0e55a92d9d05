# Calendars tabulon-cli wrote from two_groups.trn and knockout_cup.trn (argv: the executable, the two
# files), read by Python's icalendar package, a reader independent of libical.
import datetime, os, subprocess, sys, tempfile
import icalendar


def events(*options):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "games.ics")
        subprocess.run([sys.argv[1], "calendar", *options, "--output", path], check=True)
        with open(path, "rb") as file:
            read = icalendar.Calendar.from_ical(file.read()).walk("VEVENT")
    return [(event.decoded("dtstart"), str(event["summary"])) for event in read]


read = events(sys.argv[2], "--group", "1")
assert read == [(datetime.date(2000, 3, 7), "Rovers v City"), (datetime.date(2000, 3, 14), "United 2-2 Rovers")], read
read = events(sys.argv[3], "--knockout")
day = lambda d: datetime.date(2000, 4, d)
assert read == [(day(1), "Rovers 2-0 Town, Leeds"), (day(8), "Town, Leeds 1-1 Rovers"), (day(1), "United 1-1 City"),
                (day(8), "City 1-1 United (a.e.t., 4-3 pens)"), (day(15), "Rovers v City")], read
