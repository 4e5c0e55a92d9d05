# Calendars tabulon-cli wrote from two_groups.trn, knockout_cup.trn and timetable_cup.trn (argv: the
# executable, the three files), read by Python's icalendar package, a reader independent of libical.
import datetime, os, subprocess, sys, tempfile
import icalendar


def events(*options, fields=lambda event: (event.decoded("dtstart"), str(event["summary"]))):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "games.ics")
        subprocess.run([sys.argv[1], "calendar", *options, "--output", path], check=True)
        with open(path, "rb") as file:
            read = icalendar.Calendar.from_ical(file.read()).walk("VEVENT")
    return [fields(event) for event in read]


read = events(sys.argv[2], "--group", "1")
assert read == [(datetime.date(2000, 3, 7), "Rovers v City"), (datetime.date(2000, 3, 14), "United 2-2 Rovers")], read
read = events(sys.argv[3], "--knockout")
day = lambda d: datetime.date(2000, 4, d)
assert read == [(day(1), "Rovers 2-0 Town, Leeds"), (day(8), "Town, Leeds 1-1 Rovers"), (day(1), "United 1-1 City"),
                (day(8), "City 1-1 United (a.e.t., 4-3 pens)"), (day(15), "Rovers v City")], read

# A game with a slot runs from kick-off to its end by the ground's clock (no zone), at its pitch.
timed = lambda event: (event.decoded("dtstart"), event.get("dtend") and event.decoded("dtend"),
                       event.get("location"), str(event["summary"]))
at = lambda h, m: datetime.datetime(2000, 4, 15, h, m)
pitch = "North & South, by the river"
read = events(sys.argv[4], "--group", "1", fields=timed)
assert read == [(at(9, 30), at(9, 50), pitch, "Rovers v United"), (at(9, 0), at(9, 20), "Pitch 1", "City 2-1 Town, Leeds")], read
read = events(sys.argv[4], "--knockout", fields=timed)
assert read[0] == (day(1), None, None, "Rovers 2-0 Town, Leeds") and read[-1] == (at(14, 0), at(14, 30), pitch, "Rovers v City"), read
