<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoundedFile</name>
    <message>
        <source>Cannot read %1: it is larger than any %2 can be (%3 MiB).</source>
        <translation>%1 kann nicht gelesen werden: Die Datei ist größer, als eine %2 sein kann (%3 MiB).</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>CSV file of results</source>
        <translation>CSV-Datei mit Ergebnissen</translation>
    </message>
</context>
<context>
    <name>BracketView</name>
    <message>
        <source>Third-place match</source>
        <translation>Spiel um Platz 3</translation>
    </message>
    <message>
        <source>Champion</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>noch offen</translation>
    </message>
</context>
<context>
    <name>CsvRows</name>
    <message>
        <source>A quote is out of place (a quoted cell begins and ends with its quotes, and a quote inside it is doubled).</source>
        <translation>Ein Anführungszeichen steht falsch (eine Zelle in Anführungszeichen beginnt und endet mit ihnen, und ein Anführungszeichen darin wird verdoppelt).</translation>
    </message>
    <message>
        <source>The file is too big.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>Der Speicher reicht nicht, um die Datei zu lesen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: A quoted cell is never closed.</source>
        <translation>Zeile %1: Eine Zelle in Anführungszeichen wird nie geschlossen.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Select Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as 07-Mar-2000, 2000-03-07 or 7 Mar 2000.</source>
        <translation>„%1“ ist kein Datum: geben Sie es als 07-Mar-2000, 2000-03-07 oder 7 Mar 2000 ein.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>DatePickerDialog</name>
    <message>
        <source>Select Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Choose a date</source>
        <translation>Wählen Sie ein Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DayPlanner</name>
    <message>
        <source>%1 with a break at %2</source>
        <translation>%1 mit einer Pause %2</translation>
    </message>
    <message>
        <source>%1 with breaks at %2 and %3</source>
        <translation>%1 mit Pausen %2 und %3</translation>
    </message>
    <message>
        <source>%1 on %2 days</source>
        <translation>%1 an %2 Tagen</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 Spiel</translation>
    </message>
    <message>
        <source>%1 games</source>
        <translation>%1 Spiele</translation>
    </message>
    <message>
        <source>1 pitch</source>
        <translation>1 Spielfeld</translation>
    </message>
    <message>
        <source>%1 pitches</source>
        <translation>%1 Spielfeldern</translation>
    </message>
    <message>
        <source>There is no pitch to play on.</source>
        <translation>Es gibt kein Spielfeld, auf dem gespielt werden kann.</translation>
    </message>
    <message>
        <source>A plan takes one or two days.</source>
        <translation>Ein Plan umfasst einen oder zwei Tage.</translation>
    </message>
    <message>
        <source>The day&apos;s hours are empty.</source>
        <translation>Die Spielzeit des Tages ist leer.</translation>
    </message>
    <message>
        <source>A changeover or a rest cannot be negative.</source>
        <translation>Wechselzeit und Ruhezeit dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>Every game must last at least a minute.</source>
        <translation>Jedes Spiel muss mindestens eine Minute dauern.</translation>
    </message>
    <message>
        <source>A game waits for a game that is not planned.</source>
        <translation>Ein Spiel wartet auf ein Spiel, das nicht geplant wird.</translation>
    </message>
    <message>
        <source>A game has a team without a number.</source>
        <translation>Ein Spiel hat eine Mannschaft ohne Nummer.</translation>
    </message>
    <message>
        <source>The games do not fit: the group games and the knockout games after them need more than %1.</source>
        <translation>Die Spiele passen nicht: Die Gruppenspiele und die K.-o.-Spiele danach brauchen mehr als %1.</translation>
    </message>
    <message>
        <source>The games do not fit: a game of %1 minutes fits nowhere in its hours.</source>
        <translation>Die Spiele passen nicht: Ein Spiel von %1 Minuten passt nirgends in seine Zeiten.</translation>
    </message>
    <message>
        <source>The games do not fit: a team&apos;s %1 games, with a rest of %2 minutes between them, need more than its hours %3.</source>
        <translation>Die Spiele passen nicht: Die %1 Spiele einer Mannschaft brauchen mit %2 Minuten Ruhezeit dazwischen mehr als ihre Zeiten %3.</translation>
    </message>
    <message>
        <source>1 round of %1 minutes</source>
        <translation>1 Runde von %1 Minuten</translation>
    </message>
    <message>
        <source>%1 rounds of %2 minutes</source>
        <translation>%1 Runden von %2 Minuten</translation>
    </message>
    <message>
        <source>%1 needs at least %2 on %3; %4 holds %5.</source>
        <translation>%1 braucht mindestens %2 auf %3; %4 fasst %5.</translation>
    </message>
    <message>
        <source>%1 need at least %2 on %3; %4 holds %5.</source>
        <translation>%1 brauchen mindestens %2 auf %3; %4 fasst %5.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>The games wait for each other in a circle.</source>
        <translation>Die Spiele warten im Kreis aufeinander.</translation>
    </message>
    <message>
        <source>The games do not fit: no plan was found that keeps every rule and ends by %1.</source>
        <translation>Die Spiele passen nicht: Es wurde kein Plan gefunden, der jede Regel einhält und bis %1 endet.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 to %2 on %3</source>
        <translation>%1 bis %2 am %3</translation>
    </message>
    <message>
        <source>Planned %1 on %2, %3 (no plan can end before %4).</source>
        <translation>Geplant: %1 auf %2, %3 (kein Plan kann vor %4 enden).</translation>
    </message>
</context>
<context>
    <name>DayPlanning</name>
    <message>
        <source>No group has a team called &quot;%1&quot;.</source>
        <translation>Keine Gruppe hat eine Mannschaft namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The games played end at %1 on %2: no time is left after them for the games still to play.</source>
        <translation>Die gespielten Spiele enden um %1 am %2: Danach bleibt keine Zeit mehr für die noch offenen Spiele.</translation>
    </message>
    <message>
        <source>A timetable has at most %1 pitches.</source>
        <translation>Ein Zeitplan hat höchstens %1 Plätze.</translation>
    </message>
    <message>
        <source>A day has at most %1 breaks.</source>
        <translation>Ein Tag hat höchstens %1 Pausen.</translation>
    </message>
</context>
<context>
    <name>ExportTarget</name>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Die vorhandene Datei %1 ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
</context>
<context>
    <name>GameBox</name>
    <message>
        <source>Score %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>Drag to another time or pitch, or press Ctrl with an arrow key: Up and Down move the game 5 minutes, Left and Right to the next pitch.</source>
        <translation>Auf eine andere Zeit oder einen anderen Platz ziehen, oder Strg mit einer Pfeiltaste drücken: Auf und Ab verschieben das Spiel um 5 Minuten, Links und Rechts auf den Nachbarplatz.</translation>
    </message>
</context>
<context>
    <name>GroupWindow</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Entry date</source>
        <translation>Eingabedatum</translation>
    </message>
    <message>
        <source>Select Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Increment Date</source>
        <translation>Datum vor</translation>
    </message>
    <message>
        <source>Decrease Date</source>
        <translation>Datum zurück</translation>
    </message>
    <message>
        <source>&amp;Edit Name</source>
        <translation>&amp;Name ändern</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Heim</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>&amp;Away</source>
        <translation>&amp;Gast</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>HZ</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Halbzeit</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Full-time</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Home team</source>
        <translation>Heimmannschaft</translation>
    </message>
    <message>
        <source>Home half-time score</source>
        <translation>Halbzeitstand der Heimmannschaft</translation>
    </message>
    <message>
        <source>Home full-time score</source>
        <translation>Endstand der Heimmannschaft</translation>
    </message>
    <message>
        <source>--V--</source>
        <translation>--:--</translation>
    </message>
    <message>
        <source>Away team</source>
        <translation>Gastmannschaft</translation>
    </message>
    <message>
        <source>Away half-time score</source>
        <translation>Halbzeitstand der Gastmannschaft</translation>
    </message>
    <message>
        <source>Away full-time score</source>
        <translation>Endstand der Gastmannschaft</translation>
    </message>
    <message>
        <source>Add &amp;Fixture</source>
        <translation>&amp;Spiel ansetzen</translation>
    </message>
    <message>
        <source>Add Fixture</source>
        <translation>Spiel ansetzen</translation>
    </message>
    <message>
        <source>Add &amp;Result</source>
        <translation>&amp;Ergebnis eintragen</translation>
    </message>
    <message>
        <source>Add Result</source>
        <translation>Ergebnis eintragen</translation>
    </message>
    <message>
        <source>&amp;League Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>League Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Results Re&amp;port</source>
        <translation>Ergebnisbe&amp;richt</translation>
    </message>
    <message>
        <source>Results Report</source>
        <translation>Ergebnisbericht</translation>
    </message>
    <message>
        <source>Fi&amp;xture List</source>
        <translation>Spiel&amp;plan</translation>
    </message>
    <message>
        <source>Fixture List</source>
        <translation>Spielplan</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Bearbe&amp;iten</translation>
    </message>
    <message>
        <source>Edit result</source>
        <translation>Ergebnis bearbeiten</translation>
    </message>
    <message>
        <source>Edit Da&amp;te</source>
        <translation>&amp;Datum ändern</translation>
    </message>
    <message>
        <source>Edit Date</source>
        <translation>Datum ändern</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>League table of </source>
        <translation>Tabelle von </translation>
    </message>
    <message>
        <source>Fixtures and results</source>
        <translation>Spiele und Ergebnisse</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Unable to play same team home and away</source>
        <translation>Eine Mannschaft kann nicht gegen sich selbst spielen</translation>
    </message>
    <message>
        <source>This group already holds %1 fixtures and results, as many as a group can hold.<byte value="xd"/>Delete an item before adding another.</source>
        <translation>Diese Gruppe enthält bereits %1 Spiele und Ergebnisse, so viele, wie eine Gruppe aufnehmen kann.<byte value="xd"/>Löschen Sie einen Eintrag, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this item ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>Enter New Name</source>
        <translation>Neuen Namen eingeben</translation>
    </message>
    <message>
        <source>Are you sure you want to change</source>
        <translation>Möchten Sie wirklich</translation>
    </message>
    <message>
        <source> to </source>
        <translation> umbenennen in </translation>
    </message>
    <message>
        <source>This item cannot be edited: %1.</source>
        <translation>Dieser Eintrag kann nicht bearbeitet werden: %1.</translation>
    </message>
    <message>
        <source>Edit Result</source>
        <translation>Ergebnis bearbeiten</translation>
    </message>
    <message>
        <source>Error during sort</source>
        <translation>Fehler beim Sortieren</translation>
    </message>
    <message>
        <source> has no results yet.</source>
        <translation> hat noch keine Ergebnisse.</translation>
    </message>
    <message>
        <source> has no fixtures yet.</source>
        <translation> hat noch keine Spiele.</translation>
    </message>
    <message>
        <source>versus</source>
        <translation>gegen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Platz</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tabulon Help</source>
        <translation>Tabulon-Hilfe</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import Results - %1</source>
        <translation>Ergebnisse importieren - %1</translation>
    </message>
    <message>
        <source>Rows of the file and what importing each does</source>
        <translation>Zeilen der Datei und was der Import jeweils bewirkt</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Import line %1</source>
        <translation>Zeile %1 importieren</translation>
    </message>
    <message>
        <source>&amp;Rows of the file; tick those to import:</source>
        <translation>&amp;Zeilen der Datei; die zu importierenden ankreuzen:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Import the ticked rows</source>
        <translation>Angekreuzte Zeilen importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Replace a fixture</source>
        <translation>Ersetzt ein Spiel</translation>
    </message>
    <message>
        <source>Already entered</source>
        <translation>Schon eingetragen</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Wiederholung: %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <translation>Konflikt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation>
            <numerusform>%n zum Hinzufügen</numerusform>
            <numerusform>%n zum Hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to replace a fixture</source>
        <translation>
            <numerusform>%n ersetzt ein Spiel</numerusform>
            <numerusform>%n ersetzen ein Spiel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already entered</source>
        <translation>
            <numerusform>%n schon eingetragen</numerusform>
            <numerusform>%n schon eingetragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to repeat a game played</source>
        <translation>
            <numerusform>%n wiederholt ein gespieltes Spiel</numerusform>
            <numerusform>%n wiederholen ein gespieltes Spiel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in conflict</source>
        <translation>
            <numerusform>%n im Konflikt</numerusform>
            <numerusform>%n im Konflikt</numerusform>
        </translation>
    </message>
    <message>
        <source>; a row in conflict cannot be imported</source>
        <translation>; eine Zeile im Konflikt kann nicht importiert werden</translation>
    </message>
</context>
<context>
    <name>KnockoutRounds</name>
    <message>
        <source>Final</source>
        <translation>Finale</translation>
    </message>
    <message>
        <source>Semi-finals</source>
        <translation>Halbfinale</translation>
    </message>
    <message>
        <source>Quarter-finals</source>
        <translation>Viertelfinale</translation>
    </message>
    <message>
        <source>Round of %1</source>
        <translation>Runde der letzten %1</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Spiel um Platz 3</translation>
    </message>
    <message>
        <source>Semi-final %1</source>
        <translation>Halbfinale %1</translation>
    </message>
    <message>
        <source>Quarter-final %1</source>
        <translation>Viertelfinale %1</translation>
    </message>
    <message>
        <source>%1, tie %2</source>
        <translation>%1, Begegnung %2</translation>
    </message>
</context>
<context>
    <name>KnockoutSetup</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 still %2 games to play: enter every result before the knockout stage is set up.</source>
        <translation>%1: %2 noch Spiele offen. Tragen Sie alle Ergebnisse ein, bevor die K.-o.-Runde eingerichtet wird.</translation>
    </message>
    <message>
        <source>The template names group %1, but the tournament has %2 group.</source>
        <translation>Die Vorlage nennt Gruppe %1, aber das Turnier hat %2 Gruppe.</translation>
    </message>
    <message>
        <source>The template names group %1, but the tournament has %2 groups.</source>
        <translation>Die Vorlage nennt Gruppe %1, aber das Turnier hat %2 Gruppen.</translation>
    </message>
    <message>
        <source>Cannot read %1: it is not a regular file.</source>
        <translation>%1 kann nicht gelesen werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Line 1: the header must be &quot;team&quot;.</source>
        <translation>Zeile 1: Die Kopfzeile muss „team“ lauten.</translation>
    </message>
    <message>
        <source>Line %1: a row holds one team&apos;s name.</source>
        <translation>Zeile %1: Eine Zeile enthält den Namen einer Mannschaft.</translation>
    </message>
    <message>
        <source>Line %1: a team&apos;s name cannot hold a line break.</source>
        <translation>Zeile %1: Ein Mannschaftsname darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Line %1: %2 is listed twice.</source>
        <translation>Zeile %1: %2 steht zweimal in der Liste.</translation>
    </message>
    <message>
        <source>The knockout stage has no %1: it starts with the %2.</source>
        <translation>Die K.-o.-Runde hat kein %1: Sie beginnt mit %2.</translation>
    </message>
</context>
<context>
    <name>KnockoutSetupDialog</name>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>K.-o.-Runde einrichten</translation>
    </message>
    <message>
        <source>Entrants</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Group winners against r&amp;unners-up (1A v 2B, 1B v 2A)</source>
        <translation>Gruppensieger gegen &amp;Gruppenzweite (1A gegen 2B, 1B gegen 2A)</translation>
    </message>
    <message>
        <source>Group winners against runners-up</source>
        <translation>Gruppensieger gegen Gruppenzweite</translation>
    </message>
    <message>
        <source>Round of 1&amp;6 with the four best third-placed teams</source>
        <translation>Achtelfinale (1&amp;6) mit den vier besten Gruppendritten</translation>
    </message>
    <message>
        <source>Round of 16 with the four best third-placed teams</source>
        <translation>Achtelfinale mit den vier besten Gruppendritten</translation>
    </message>
    <message>
        <source>Seeded d&amp;raw: winners, then runners-up, ranked across the groups</source>
        <translation>Gesetzte Aus&amp;losung: Sieger, dann Zweite, über alle Gruppen gereiht</translation>
    </message>
    <message>
        <source>Seeded draw from the group tables</source>
        <translation>Gesetzte Auslosung aus den Gruppentabellen</translation>
    </message>
    <message>
        <source>Seeded list t&amp;yped here, best seed first:</source>
        <translation>Hier &amp;eingegebene Setzliste, die Besten zuerst:</translation>
    </message>
    <message>
        <source>Seeded list typed here</source>
        <translation>Hier eingegebene Setzliste</translation>
    </message>
    <message>
        <source>Seeded teams, one a line</source>
        <translation>Gesetzte Mannschaften, eine je Zeile</translation>
    </message>
    <message>
        <source>&amp;Template of the first round (tie,home,away)</source>
        <translation>&amp;Vorlage der ersten Runde (tie,home,away)</translation>
    </message>
    <message>
        <source>Template of the first round</source>
        <translation>Vorlage der ersten Runde</translation>
    </message>
    <message>
        <source>Seeded &amp;list of teams (team)</source>
        <translation>&amp;Setzliste der Mannschaften (team)</translation>
    </message>
    <message>
        <source>Seeded list of teams</source>
        <translation>Setzliste der Mannschaften</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Datei suchen</translation>
    </message>
    <message>
        <source>Rounds played in two legs</source>
        <translation>Runden mit Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>: two legs</source>
        <translation>: Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>T&amp;hird-place match</source>
        <translation>Spiel um Platz &amp;3</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Spiel um Platz 3</translation>
    </message>
    <message>
        <source>&amp;Away goals count in two-legged ties</source>
        <translation>Aus&amp;wärtstorregel bei Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>Away goals count in two-legged ties</source>
        <translation>Auswärtstorregel bei Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>&amp;Dated, the first games on:</source>
        <translation>Mit &amp;Terminen, die ersten Spiele am:</translation>
    </message>
    <message>
        <source>Dated</source>
        <translation>Mit Terminen</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Days between rounds</source>
        <translation>Tage zwischen den Runden</translation>
    </message>
    <message>
        <source>Days bet&amp;ween rounds:</source>
        <translation>Tage &amp;zwischen den Runden:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Knockout Entrants</source>
        <translation>K.-o.-Teilnehmer</translation>
    </message>
    <message>
        <source>Choose the file of the template or the seeded list.</source>
        <translation>Wählen Sie die Datei mit der Vorlage oder der Setzliste.</translation>
    </message>
</context>
<context>
    <name>KnockoutStage</name>
    <message>
        <source>A knockout stage has %1 to %2 entrants.</source>
        <translation>Eine K.-o.-Runde hat %1 bis %2 Teilnehmer.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Changing this result changes who plays in %1, which already %2.</source>
        <translation>Dieses Ergebnis zu ändern ändert, wer in %1 spielt; dort %2 schon.</translation>
    </message>
    <message>
        <source>has a result</source>
        <translation>gibt es ein Ergebnis</translation>
    </message>
    <message>
        <source>have results</source>
        <translation>gibt es Ergebnisse</translation>
    </message>
    <message>
        <source>%1 has no team.</source>
        <translation>%1 hat keine Mannschaft.</translation>
    </message>
    <message>
        <source>%1 has two places in the bracket, in %2 and %3.</source>
        <translation>%1 hat zwei Plätze im Turnierbaum, in %2 und %3.</translation>
    </message>
    <message>
        <source>A round is played in one game or in two legs.</source>
        <translation>Eine Runde wird in einem Spiel oder mit Hin- und Rückspiel gespielt.</translation>
    </message>
    <message>
        <source>Results have been entered in the %1: clear them before changing the number of legs.</source>
        <translation>In %1 sind Ergebnisse eingetragen: Löschen Sie sie, bevor Sie die Zahl der Spiele ändern.</translation>
    </message>
    <message>
        <source>This knockout stage has no tie %1.</source>
        <translation>Diese K.-o.-Runde hat keine Begegnung %1.</translation>
    </message>
    <message>
        <source>%1 is a bye: it has no result.</source>
        <translation>%1 ist ein Freilos: Es gibt kein Ergebnis.</translation>
    </message>
    <message>
        <source>Who plays in %1 is not known yet.</source>
        <translation>Wer in %1 spielt, steht noch nicht fest.</translation>
    </message>
    <message>
        <source>%1 is played in one game: enter one full-time score.</source>
        <translation>%1 wird in einem Spiel entschieden: Geben Sie einen Endstand ein.</translation>
    </message>
    <message>
        <source>%1 is played in two legs: enter the full-time score of each leg.</source>
        <translation>%1 wird mit Hin- und Rückspiel gespielt: Geben Sie den Endstand jedes Spiels ein.</translation>
    </message>
    <message>
        <source>Extra time and penalties belong to the second leg of %1.</source>
        <translation>Verlängerung und Elfmeterschießen gehören zum Rückspiel von %1.</translation>
    </message>
    <message>
        <source>A score cannot be negative.</source>
        <translation>Ein Ergebnis kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>The knockout games would be played from %1 to %2; a calendar holds the days from %3 to %4.</source>
        <translation>Die K.-o.-Spiele fielen auf %1 bis %2; ein Kalender umfasst die Tage von %3 bis %4.</translation>
    </message>
</context>
<context>
    <name>KnockoutTemplate</name>
    <message>
        <source>write 1A for the winner of group A, 2C for the runner-up of group C, 3ADEF for one of the best third-placed teams of groups A, D, E or F, or bye</source>
        <translation>schreiben Sie 1A für den Sieger der Gruppe A, 2C für den Zweiten der Gruppe C, 3ADEF für einen der besten Dritten der Gruppen A, D, E oder F, oder bye</translation>
    </message>
    <message>
        <source>only third-placed teams are chosen among groups</source>
        <translation>nur Gruppendritte werden aus mehreren Gruppen gewählt</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>the third of group %1 cannot play in %2.</source>
        <translation>Der Dritte der Gruppe %1 kann nicht in %2 spielen.</translation>
    </message>
    <message>
        <source>each of the %1 thirds needs a tie of its own.</source>
        <translation>Jeder der %1 Dritten braucht eine eigene Begegnung.</translation>
    </message>
    <message>
        <source>Line 1: the header must be &quot;tie,home,away&quot;.</source>
        <translation>Zeile 1: Die Kopfzeile muss „tie,home,away“ lauten.</translation>
    </message>
    <message>
        <source>A template has 1, 2, 4, 8, 16 or 32 ties; this one has %1.</source>
        <translation>Eine Vorlage hat 1, 2, 4, 8, 16 oder 32 Begegnungen; diese hat %1.</translation>
    </message>
    <message>
        <source>a tie has three cells: the tie, home and away.</source>
        <translation>Eine Begegnung hat drei Zellen: Begegnung, Heim und Gast.</translation>
    </message>
    <message>
        <source>a tie cannot have two byes.</source>
        <translation>Eine Begegnung kann nicht zwei Freilose haben.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; should be tie &quot;%3&quot;: the first round&apos;s ties are listed in order.</source>
        <translation>Zeile %1: „%2“ sollte Begegnung „%3“ sein: Die Begegnungen der ersten Runde stehen der Reihe nach.</translation>
    </message>
    <message>
        <source>Line %1: the thirds of groups %2 are already placed on line %3.</source>
        <translation>Zeile %1: Die Dritten der Gruppen %2 sind schon in Zeile %3 gesetzt.</translation>
    </message>
    <message>
        <source>The template takes %1 third-placed teams; the groups have %2.</source>
        <translation>Die Vorlage nimmt %1 Gruppendritte auf; die Gruppen haben %2.</translation>
    </message>
    <message>
        <source>The thirds of groups %1 cannot all be given a place the template allows them.</source>
        <translation>Die Dritten der Gruppen %1 können nicht alle einen Platz bekommen, den die Vorlage ihnen erlaubt.</translation>
    </message>
    <message>
        <source>The template names &quot;%1%2&quot;, but group %2 has no team in that place.</source>
        <translation>Die Vorlage nennt „%1%2“, aber Gruppe %2 hat keine Mannschaft auf diesem Platz.</translation>
    </message>
</context>
<context>
    <name>KnockoutWindow</name>
    <message>
        <source>Knockout Result</source>
        <translation>K.-o.-Ergebnis</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>K.-o.-Runde</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Turnierbaum</translation>
    </message>
    <message>
        <source>Knockout &amp;Report</source>
        <translation>K.-o.-&amp;Bericht</translation>
    </message>
    <message>
        <source>Knockout report</source>
        <translation>K.-o.-Bericht</translation>
    </message>
    <message>
        <source>Export Ca&amp;lendar...</source>
        <translation>&amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>Export the knockout calendar</source>
        <translation>K.-o.-Kalender exportieren</translation>
    </message>
    <message>
        <source>%1 is a bye: it has no result to enter.</source>
        <translation>%1 ist ein Freilos: Es gibt kein Ergebnis einzutragen.</translation>
    </message>
    <message>
        <source>Who plays in %1 is not known yet: enter the results of the ties before it first.</source>
        <translation>Wer in %1 spielt, steht noch nicht fest: Tragen Sie zuerst die Ergebnisse der Begegnungen davor ein.</translation>
    </message>
    <message>
        <source> Clear the later results?</source>
        <translation> Die späteren Ergebnisse löschen?</translation>
    </message>
</context>
<context>
    <name>LeagueTablePanel</name>
    <message>
        <source>Pos</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <translation>U</translation>
    </message>
    <message>
        <source>L</source>
        <translation>N</translation>
    </message>
    <message>
        <source>F</source>
        <translation>T</translation>
    </message>
    <message>
        <source>A</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>GD</source>
        <translation>TD</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pkt</translation>
    </message>
</context>
<context>
    <name>LeagueTableWindow</name>
    <message>
        <source>League Table - </source>
        <translation>Tabelle - </translation>
    </message>
    <message>
        <source>League table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Competitors Name</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Gegentore</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Written by the Tabulon developers for clubs and leagues</source>
        <translation>Von den Tabulon-Entwicklern für Vereine und Ligen geschrieben</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Veltrix. All rights reserved.</source>
        <translation>Copyright (C) 2026 Veltrix. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Tournament not saved.  Are you sure you want to exit</source>
        <translation>Das Turnier ist nicht gespeichert.  Möchten Sie wirklich beenden?</translation>
    </message>
    <message>
        <source>Close Tournament</source>
        <translation>Turnier schließen</translation>
    </message>
    <message>
        <source>Group windows</source>
        <translation>Gruppenfenster</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Generate Fixtures</source>
        <translation>Spielplan &amp;erstellen</translation>
    </message>
    <message>
        <source>Generate &amp;Balanced Fixtures</source>
        <translation>&amp;Ausgewogenen Spielplan erstellen</translation>
    </message>
    <message>
        <source>&amp;Import Results...</source>
        <translation>Ergebnisse &amp;importieren...</translation>
    </message>
    <message>
        <source>Publish &amp;Web Site...</source>
        <translation>&amp;Webseite veröffentlichen...</translation>
    </message>
    <message>
        <source>&amp;Points Adjustments...</source>
        <translation>&amp;Punktkorrekturen...</translation>
    </message>
    <message>
        <source>Set Up &amp;Knockout Stage...</source>
        <translation>&amp;K.-o.-Runde einrichten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;League Table Panel</source>
        <translation>&amp;Tabellenleiste</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Fensterliste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tabulon</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>There is no open tournament!</source>
        <translation>Es ist kein Turnier geöffnet!</translation>
    </message>
    <message>
        <source>No group window is active: choose the group from the Window menu.</source>
        <translation>Kein Gruppenfenster ist aktiv: Wählen Sie die Gruppe im Menü Fenster.</translation>
    </message>
    <message>
        <source>The user guide was not found at </source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden unter </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Tabulon</source>
        <translation>Über Tabulon</translation>
    </message>
    <message>
        <source>Points Adjustments</source>
        <translation>Punktkorrekturen</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>Publish Web Site</source>
        <translation>Webseite veröffentlichen</translation>
    </message>
    <message>
        <source>An Error has occurred<byte value="xd"/><byte value="xd"/></source>
        <translation>Ein Fehler ist aufgetreten<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>Export Calendar ...</source>
        <translation>Kalender exportieren ...</translation>
    </message>
    <message>
        <source>The knockout stage has no dates: set it up again with the date of its first games to export its calendar.</source>
        <translation>Die K.-o.-Runde hat keine Termine: Richten Sie sie mit dem Datum der ersten Spiele neu ein, um ihren Kalender zu exportieren.</translation>
    </message>
    <message>
        <source>Publish Web Site ...</source>
        <translation>Webseite veröffentlichen ...</translation>
    </message>
    <message>
        <source>File Input Error</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Tournament Files (*.trn)</source>
        <translation>Turnierdateien (*.trn)</translation>
    </message>
    <message>
        <source>Save Tournament ...</source>
        <translation>Turnier speichern ...</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>File Does Not Exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>%1 is open in another Tabulon window. Open it read-only?</source>
        <translation>%1 ist in einem anderen Tabulon-Fenster geöffnet. Schreibgeschützt öffnen?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 no longer exists, so it has been taken off the list of recent tournaments.</source>
        <translation>%1 existiert nicht mehr und wurde aus der Liste der letzten Turniere entfernt.</translation>
    </message>
    <message>
        <source>Generation Error</source>
        <translation>Fehler beim Erstellen</translation>
    </message>
    <message>
        <source>Error Generating Fixtures</source>
        <translation>Fehler beim Erstellen des Spielplans</translation>
    </message>
    <message>
        <source>Cannot create fixtures unless</source>
        <translation>Ein Spielplan kann nur erstellt werden,</translation>
    </message>
    <message>
        <source>fixture list is empty.</source>
        <translation>wenn die Spielliste leer ist.</translation>
    </message>
    <message>
        <source>Cannot create fixtures for a group</source>
        <translation>Für eine Gruppe mit weniger als zwei</translation>
    </message>
    <message>
        <source>with fewer than two teams.</source>
        <translation>Mannschaften gibt es keinen Spielplan.</translation>
    </message>
    <message>
        <source>Group %1 should have %2 teams but lists %3 team names.</source>
        <translation>Gruppe %1 sollte %2 Mannschaften haben, nennt aber %3 Mannschaftsnamen.</translation>
    </message>
    <message>
        <source>Do you want home and away fixtures</source>
        <translation>Möchten Sie Hin- und Rückspiele?</translation>
    </message>
    <message>
        <source>Home &amp; Away</source>
        <translation>Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>Select the start date</source>
        <translation>Wählen Sie das Anfangsdatum</translation>
    </message>
    <message>
        <source>Enter the default number of days between fixtures (e.g. 7)</source>
        <translation>Geben Sie die übliche Zahl der Tage zwischen Spieltagen ein (z. B. 7)</translation>
    </message>
    <message>
        <source>Fixture Gap</source>
        <translation>Abstand der Spieltage</translation>
    </message>
    <message>
        <source>Type mismatch: a gap of &quot;%1&quot; is not a number of days.</source>
        <translation>Falscher Typ: Ein Abstand von „%1“ ist keine Zahl von Tagen.</translation>
    </message>
    <message>
        <source>Overflow: a gap of &quot;%1&quot; days is beyond %2 days.</source>
        <translation>Überlauf: Ein Abstand von „%1“ Tagen liegt über %2 Tagen.</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Results ...</source>
        <translation>Ergebnisse importieren ...</translation>
    </message>
    <message>
        <source>%1 cannot be imported; nothing was added:</source>
        <translation>%1 kann nicht importiert werden; nichts wurde hinzugefügt:</translation>
    </message>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>K.-o.-Runde einrichten</translation>
    </message>
    <message>
        <source>The knockout stage has results. Setting it up again replaces it and its results. Do you want to go on?</source>
        <translation>Die K.-o.-Runde hat Ergebnisse. Eine neue Einrichtung ersetzt sie samt Ergebnissen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel this tournament</source>
        <translation>Möchten Sie dieses Turnier wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Cancel Tournament</source>
        <translation>Turnier verwerfen</translation>
    </message>
    <message>
        <source>Add Teams to </source>
        <translation>Mannschaften hinzufügen: </translation>
    </message>
    <message>
        <source>Enter Team </source>
        <translation>Mannschaft eingeben </translation>
    </message>
    <message>
        <source>The recovery folder %1 is a link to another place, so Tabulon does not use it. This time, unsaved work will not be kept safe from a crash.</source>
        <translation>Der Wiederherstellungsordner %1 verweist auf einen anderen Ort, daher nutzt Tabulon ihn nicht. Diesmal ist ungespeicherte Arbeit nicht vor einem Absturz geschützt.</translation>
    </message>
    <message>
        <source>Unsaved changes left by a Tabulon that was not closed properly cannot be recovered:<byte value="xd"/>%1<byte value="xd"/>The copy is kept as %2.</source>
        <translation>Ungespeicherte Änderungen eines nicht ordnungsgemäß beendeten Tabulon können nicht wiederhergestellt werden:<byte value="xd"/>%1<byte value="xd"/>Die Kopie bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Tabulon was not closed properly. Recover the unsaved changes to %1 (%2)?</source>
        <translation>Tabulon wurde nicht ordnungsgemäß beendet. Die ungespeicherten Änderungen an %1 (%2) wiederherstellen?</translation>
    </message>
    <message>
        <source>Open Tournament ... </source>
        <translation>Turnier öffnen ... </translation>
    </message>
    <message>
        <source>Exported 1 game to %1</source>
        <translation>1 Spiel nach %1 exportiert</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n games to %1</source>
        <translation>
            <numerusform>%n Spiel nach %1 exportiert</numerusform>
            <numerusform>%n Spiele nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Published 1 page to %1</source>
        <translation>1 Seite in %1 veröffentlicht</translation>
    </message>
    <message numerus="yes">
        <source>Published %n pages to %1</source>
        <translation>
            <numerusform>%n Seite in %1 veröffentlicht</numerusform>
            <numerusform>%n Seiten in %1 veröffentlicht</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Share &amp;Live Page...</source>
        <translation>Live-Seite &amp;teilen...</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>Live-Seite</translation>
    </message>
    <message>
        <source>The live page was not updated: %1</source>
        <translation>Die Live-Seite wurde nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>Share Live Page</source>
        <translation>Live-Seite teilen</translation>
    </message>
    <message>
        <source>Live page at %1</source>
        <translation>Live-Seite unter %1</translation>
    </message>
    <message>
        <source>tabulon-help.html</source>
        <extracomment>The file name of the user guide written in this language, beside the English one.</extracomment>
        <translation>tabulon-help_de.html</translation>
    </message>
    <message>
        <source>Plan the &amp;Day...</source>
        <translation>&amp;Den Tag planen...</translation>
    </message>
    <message>
        <source>T&amp;imetable</source>
        <translation>&amp;Zeitplan</translation>
    </message>
    <message>
        <source>Plan the Day</source>
        <translation>Den Tag planen</translation>
    </message>
    <message>
        <source>The day is planned already. Planning it again gives every game not yet played a new time and pitch. Do you want to go on?</source>
        <translation>Der Tag ist bereits geplant. Eine neue Planung gibt jedem noch nicht gespielten Spiel eine neue Zeit und einen neuen Platz. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>&amp;Export Calendar...</source>
        <translation>Kalender e&amp;xportieren...</translation>
    </message>
</context>
<context>
    <name>MoveCheck</name>
    <message>
        <source>%1 plays %2 on %3 at %4.</source>
        <translation>%1 spielt um %4 auf %3 gegen %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 minutes&apos; rest after its game at %3.</source>
        <translation>%1 braucht %2 Minuten Pause nach seinem Spiel um %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 minutes&apos; rest before its game at %3.</source>
        <translation>%1 braucht %2 Minuten Pause vor seinem Spiel um %3.</translation>
    </message>
    <message>
        <source>%1, leg %2</source>
        <translation>%1, Spiel %2</translation>
    </message>
    <message>
        <source>The tournament has no timetable.</source>
        <translation>Das Turnier hat keinen Zeitplan.</translation>
    </message>
    <message>
        <source>%1 is not a day of the timetable.</source>
        <translation>%1 ist kein Tag des Zeitplans.</translation>
    </message>
    <message>
        <source>The timetable has no pitch %1.</source>
        <translation>Der Zeitplan hat keinen Platz %1.</translation>
    </message>
    <message>
        <source>A knockout game lasts %1 minutes.</source>
        <translation>Ein K.-o.-Spiel dauert %1 Minuten.</translation>
    </message>
    <message>
        <source>A group game lasts %1 minutes.</source>
        <translation>Ein Gruppenspiel dauert %1 Minuten.</translation>
    </message>
    <message>
        <source>%1 is before the first kick-off at %2.</source>
        <translation>%1 liegt vor dem ersten Anstoß um %2.</translation>
    </message>
    <message>
        <source>A game at %1 ends at %2, after the last finish at %3.</source>
        <translation>Ein Spiel um %1 endet um %2, nach dem letzten Spielende um %3.</translation>
    </message>
    <message>
        <source>%1 lies in the break %2.</source>
        <translation>%1 liegt in der Pause %2.</translation>
    </message>
    <message>
        <source>A game at %1 runs into the break %2.</source>
        <translation>Ein Spiel um %1 reicht in die Pause %2.</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 v %4 at %5.</source>
        <translation>Auf %1 spielen um %5 %3 gegen %4 (%2).</translation>
    </message>
    <message>
        <source>%1 plays only between %2 and %3.</source>
        <translation>%1 spielt nur zwischen %2 und %3.</translation>
    </message>
    <message>
        <source>A group game must end by the first knockout game at %1.</source>
        <translation>Ein Gruppenspiel muss bis zum ersten K.-o.-Spiel um %1 enden.</translation>
    </message>
    <message>
        <source>A knockout game cannot start before the group games end at %1.</source>
        <translation>Ein K.-o.-Spiel kann nicht vor dem Ende der Gruppenspiele um %1 beginnen.</translation>
    </message>
</context>
<context>
    <name>PlanDayDialog</name>
    <message>
        <source>Pitches, one a line, or their number</source>
        <translation>Plätze, einer pro Zeile, oder ihre Anzahl</translation>
    </message>
    <message>
        <source>&amp;Pitches (one a line, or a number):</source>
        <translation>&amp;Plätze (einer pro Zeile oder eine Anzahl):</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>First &amp;day:</source>
        <translation>Erster &amp;Tag:</translation>
    </message>
    <message>
        <source>Second day, if any</source>
        <translation>Zweiter Tag, falls einer</translation>
    </message>
    <message>
        <source>Second da&amp;y (if any):</source>
        <translation>Zweiter Ta&amp;g (falls einer):</translation>
    </message>
    <message>
        <source>First kick-off</source>
        <translation>Erster Anstoß</translation>
    </message>
    <message>
        <source>First &amp;kick-off:</source>
        <translation>&amp;Erster Anstoß:</translation>
    </message>
    <message>
        <source>Last finish</source>
        <translation>Letztes Spielende</translation>
    </message>
    <message>
        <source>&amp;Last finish:</source>
        <translation>&amp;Letztes Spielende:</translation>
    </message>
    <message>
        <source>Minutes of a group game</source>
        <translation>Minuten eines Gruppenspiels</translation>
    </message>
    <message>
        <source>&amp;Group game (minutes):</source>
        <translation>Gr&amp;uppenspiel (Minuten):</translation>
    </message>
    <message>
        <source>Minutes of a knockout game</source>
        <translation>Minuten eines K.-o.-Spiels</translation>
    </message>
    <message>
        <source>Knockout ga&amp;me (minutes):</source>
        <translation>&amp;K.-o.-Spiel (Minuten):</translation>
    </message>
    <message>
        <source>Minutes of changeover between games</source>
        <translation>Minuten Wechselzeit zwischen Spielen</translation>
    </message>
    <message>
        <source>C&amp;hangeover (minutes):</source>
        <translation>&amp;Wechselzeit (Minuten):</translation>
    </message>
    <message>
        <source>Least rest of a team, in minutes</source>
        <translation>Mindestpause einer Mannschaft, in Minuten</translation>
    </message>
    <message>
        <source>Least &amp;rest (minutes):</source>
        <translation>&amp;Mindestpause (Minuten):</translation>
    </message>
    <message>
        <source>Breaks, one a line, such as 12:30-13:00</source>
        <translation>Pausen, eine pro Zeile, etwa 12:30-13:00</translation>
    </message>
    <message>
        <source>&amp;Breaks (one a line, 12:30-13:00):</source>
        <translation>Pau&amp;sen (eine pro Zeile, 12:30-13:00):</translation>
    </message>
    <message>
        <source>Team that can only play within certain hours</source>
        <translation>Mannschaft, die nur zu bestimmten Zeiten spielen kann</translation>
    </message>
    <message>
        <source>The team&apos;s hours</source>
        <translation>Die Zeiten der Mannschaft</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the team&apos;s hours</source>
        <translation>Die Zeiten der Mannschaft hinzufügen</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Remove the chosen team&apos;s hours</source>
        <translation>Die Zeiten der gewählten Mannschaft entfernen</translation>
    </message>
    <message>
        <source>Hour&amp;s:</source>
        <translation>Stu&amp;nden:</translation>
    </message>
    <message>
        <source>Team with ho&amp;urs:</source>
        <translation>Mannschaft mit &amp;Zeiten:</translation>
    </message>
    <message>
        <source>Teams with hours</source>
        <translation>Mannschaften mit Zeiten</translation>
    </message>
    <message>
        <source>Teams &amp;with hours:</source>
        <translation>Zeit&amp;vorgaben:</translation>
    </message>
    <message>
        <source>Knockout template file, if any</source>
        <translation>Datei der K.-o.-Vorlage, falls eine</translation>
    </message>
    <message>
        <source>Choose &amp;File...</source>
        <translation>Datei su&amp;chen...</translation>
    </message>
    <message>
        <source>Choose the template</source>
        <translation>Die Vorlage wählen</translation>
    </message>
    <message>
        <source>Knockout &amp;template (if any):</source>
        <translation>&amp;Datei der K.-o.-Vorlage (falls eine):</translation>
    </message>
    <message>
        <source>Th&amp;ird-place match</source>
        <translation>Spiel um Platz &amp;3</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Spiel um Platz 3</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Plan the Day</source>
        <translation>Den Tag planen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no span of hours: type it as 10:00-14:00.</source>
        <translation>„%1“ ist keine Zeitspanne: Geben Sie sie als 10:00-14:00 ein.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Knockout Template</source>
        <translation>K.-o.-Vorlage</translation>
    </message>
    <message>
        <source>Name the pitches, one a line, or type how many there are.</source>
        <translation>Nennen Sie die Plätze, einen pro Zeile, oder geben Sie ihre Anzahl ein.</translation>
    </message>
    <message>
        <source>Each pitch needs a name of its own.</source>
        <translation>Jeder Platz braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The second day must come after the first.</source>
        <translation>Der zweite Tag muss nach dem ersten liegen.</translation>
    </message>
    <message>
        <source>The last finish must come after the first kick-off.</source>
        <translation>Das letzte Spielende muss nach dem ersten Anstoß liegen.</translation>
    </message>
    <message>
        <source>The break &quot;%1&quot; is no span of time: type each break as 12:30-13:00.</source>
        <translation>Die Pause „%1“ ist keine Zeitspanne: Geben Sie jede Pause als 12:30-13:00 ein.</translation>
    </message>
</context>
<context>
    <name>PointsAdjustmentsDialog</name>
    <message>
        <source>Points Adjustments</source>
        <translation>Punktkorrekturen</translation>
    </message>
    <message>
        <source>Points adjustments of the group</source>
        <translation>Punktkorrekturen der Gruppe</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>&amp;Team</source>
        <translation>&amp;Mannschaft</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <source>Points, negative for a deduction</source>
        <translation>Punkte, negativ für einen Abzug</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Grund</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add adjustment</source>
        <translation>Korrektur hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Change adjustment</source>
        <translation>Korrektur ändern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove adjustment</source>
        <translation>Korrektur entfernen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>An adjustment of 0 points is none: Remove takes one away.</source>
        <translation>Eine Korrektur um 0 Punkte ist keine: Entfernen nimmt eine weg.</translation>
    </message>
    <message>
        <source>Choose the adjustment of %1 to change or remove in the table.</source>
        <translation>Wählen Sie in der Tabelle die Korrektur von %1, die Sie ändern oder entfernen möchten.</translation>
    </message>
    <message>
        <source>%1 has no points adjustment to change or remove.</source>
        <translation>%1 hat keine Punktkorrektur zum Ändern oder Entfernen.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>File Exists.  Overwrite ?</source>
        <translation>Die Datei existiert.  Überschreiben?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>RecordLines</name>
    <message>
        <source>the score &quot;%1&quot; is not a whole number</source>
        <translation>das Ergebnis „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the number &quot;%1&quot; does not fit 16 bits</source>
        <translation>die Zahl „%1“ passt nicht in 16 Bit</translation>
    </message>
    <message>
        <source>team %1 plays itself</source>
        <translation>Mannschaft %1 spielt gegen sich selbst</translation>
    </message>
    <message>
        <source>the line begins with neither &quot;F:&quot; nor &quot;R:&quot;</source>
        <translation>die Zeile beginnt weder mit „F:“ noch mit „R:“</translation>
    </message>
    <message>
        <source>the line has too many fields</source>
        <translation>die Zeile hat zu viele Felder</translation>
    </message>
    <message>
        <source>the line has too few fields</source>
        <translation>die Zeile hat zu wenige Felder</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is not a number.</source>
        <translation>Das Ergebnis „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is negative: scores run from 0 to 32767.</source>
        <translation>Das Ergebnis „%1“ ist negativ: Ergebnisse reichen von 0 bis 32767.</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is too large: scores run from 0 to 32767.</source>
        <translation>Das Ergebnis „%1“ ist zu groß: Ergebnisse reichen von 0 bis 32767.</translation>
    </message>
    <message>
        <source>The %1 half-time score (%2) is more than the full-time score (%3).</source>
        <translation>Der Halbzeitstand (%1, %2) ist höher als der Endstand (%3).</translation>
    </message>
    <message>
        <source>The %1 is not valid.<byte value="xd"/>%2</source>
        <translation>Ungültig: %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>A team name may not contain &quot;-v-&quot;: it separates the two teams of a fixture.</source>
        <translation>Ein Mannschaftsname darf „-v-“ nicht enthalten: Es trennt die beiden Mannschaften eines Spiels.</translation>
    </message>
    <message>
        <source>A team name may not hold a line break.</source>
        <translation>Ein Mannschaftsname darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>There is already a team called &quot;%1&quot; in %2.</source>
        <translation>In %2 gibt es schon eine Mannschaft namens „%1“.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Cannot make the workbook</source>
        <translation>Die Arbeitsmappe kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The cell %1%2 would hold %3 characters; a workbook cell holds at most %4</source>
        <translation>Die Zelle %1%2 hätte %3 Zeichen; eine Zelle der Arbeitsmappe fasst höchstens %4</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Save Report ...</source>
        <translation>Bericht speichern ...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Save RTF</source>
        <translation>&amp;RTF speichern</translation>
    </message>
    <message>
        <source>Save RTF</source>
        <translation>RTF speichern</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save E&amp;xcel</source>
        <translation>E&amp;xcel speichern</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel speichern</translation>
    </message>
    <message>
        <source>Save &amp;HTML</source>
        <translation>&amp;HTML speichern</translation>
    </message>
    <message>
        <source>Save HTML</source>
        <translation>HTML speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Seitenansicht</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>An Error has occurred<byte value="xd"/><byte value="xd"/></source>
        <translation>Ein Fehler ist aufgetreten<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>RTF Files (*.rtf)</source>
        <translation>RTF-Dateien (*.rtf)</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Der Bericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-Dateien (*.xlsx)</translation>
    </message>
    <message>
        <source>HTML Document (*.htm)</source>
        <translation>HTML-Dokument (*.htm)</translation>
    </message>
</context>
<context>
    <name>ResultEditDialog</name>
    <message>
        <source>Edit Result</source>
        <translation>Ergebnis bearbeiten</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>Teams column</source>
        <translation>Spalte Mannschaften</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>HZ</translation>
    </message>
    <message>
        <source>Half-time column</source>
        <translation>Spalte Halbzeit</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Full-time column</source>
        <translation>Spalte Endstand</translation>
    </message>
    <message>
        <source>Home team</source>
        <translation>Heimmannschaft</translation>
    </message>
    <message>
        <source>Home half-time score</source>
        <translation>Halbzeitstand der Heimmannschaft</translation>
    </message>
    <message>
        <source>Home full-time score</source>
        <translation>Endstand der Heimmannschaft</translation>
    </message>
    <message>
        <source>Away team</source>
        <translation>Gastmannschaft</translation>
    </message>
    <message>
        <source>Away half-time score</source>
        <translation>Halbzeitstand der Gastmannschaft</translation>
    </message>
    <message>
        <source>Away full-time score</source>
        <translation>Endstand der Gastmannschaft</translation>
    </message>
    <message>
        <source>Home team number</source>
        <translation>Nummer der Heimmannschaft</translation>
    </message>
    <message>
        <source>Away team number</source>
        <translation>Nummer der Gastmannschaft</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Are you sure you want to make this change</source>
        <translation>Möchten Sie diese Änderung wirklich vornehmen?</translation>
    </message>
    <message>
        <source>Change Result</source>
        <translation>Ergebnis ändern</translation>
    </message>
</context>
<context>
    <name>ResultImport</name>
    <message>
        <source>The file is empty; it needs a header row naming its columns.</source>
        <translation>Die Datei ist leer; sie braucht eine Kopfzeile, die ihre Spalten benennt.</translation>
    </message>
    <message>
        <source>The header names this column twice.</source>
        <translation>Die Kopfzeile nennt diese Spalte zweimal.</translation>
    </message>
    <message>
        <source>The header names no such column.</source>
        <translation>Eine solche Spalte gibt es nicht.</translation>
    </message>
    <message>
        <source>No team is named.</source>
        <translation>Es ist keine Mannschaft genannt.</translation>
    </message>
    <message>
        <source>The cell holds a line break.</source>
        <translation>Die Zelle enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>No date is given.</source>
        <translation>Es ist kein Datum angegeben.</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3.</source>
        <translation>%1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>A team cannot play itself.</source>
        <translation>Eine Mannschaft kann nicht gegen sich selbst spielen.</translation>
    </message>
    <message>
        <source>Only one of the two full-time scores is given.</source>
        <translation>Nur eines der beiden Endergebnisse ist angegeben.</translation>
    </message>
    <message>
        <source>A half-time score is given without the full-time score.</source>
        <translation>Ein Halbzeitstand ist ohne den Endstand angegeben.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>, column </source>
        <translation>, Spalte </translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>, half-time %1-%2</source>
        <translation>, Halbzeit %1-%2</translation>
    </message>
    <message>
        <source> with no half-time score</source>
        <translation> ohne Halbzeitstand</translation>
    </message>
    <message>
        <source>; the file has </source>
        <translation>; die Datei hat </translation>
    </message>
    <message>
        <source>%1 v %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>%1 on %2 is already entered as %3</source>
        <translation>%1 am %2 ist schon als %3 eingetragen</translation>
    </message>
    <message>
        <source>%1 already played on %2 (%3)</source>
        <translation>%1 wurde schon am %2 gespielt (%3)</translation>
    </message>
    <message>
        <source>1 row was already entered</source>
        <translation>1 Zeile war schon eingetragen</translation>
    </message>
    <message>
        <source>%1 rows were already entered</source>
        <translation>%1 Zeilen waren schon eingetragen</translation>
    </message>
    <message>
        <source>1 row was left out</source>
        <translation>1 Zeile wurde ausgelassen</translation>
    </message>
    <message>
        <source>%1 rows were left out</source>
        <translation>%1 Zeilen wurden ausgelassen</translation>
    </message>
    <message>
        <source>Added %1 to %2</source>
        <translation>%1 zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Replaced %1 of %2 with %3</source>
        <translation>%1 von %2 durch %3 ersetzt</translation>
    </message>
    <message>
        <source>its result</source>
        <translation>sein Ergebnis</translation>
    </message>
    <message>
        <source>their results</source>
        <translation>ihre Ergebnisse</translation>
    </message>
    <message>
        <source>replaced </source>
        <translation>ersetzt: </translation>
    </message>
    <message>
        <source>The file holds no fixtures or results; nothing was added to %1.</source>
        <translation>Die Datei enthält keine Spiele oder Ergebnisse; zu %1 wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing was added to %1: %2.</source>
        <translation>Zu %1 wurde nichts hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>The group would hold more than %1 lines.</source>
        <translation>Die Gruppe hätte mehr als %1 Zeilen.</translation>
    </message>
</context>
<context>
    <name>ResultsTableModel</name>
    <message>
        <source>%1 %2 v %3</source>
        <translation>%1 %2 gegen %3</translation>
    </message>
    <message>
        <source>, half-time </source>
        <translation>, Halbzeit </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>HZ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time: type the kick-off as HH:MM, such as 10:25.</source>
        <translation>„%1“ ist keine Uhrzeit: Geben Sie den Anstoß als HH:MM ein, etwa 10:25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pitch of the timetable: type its name or its number, 1 to %2.</source>
        <translation>„%1“ ist kein Platz des Zeitplans: Geben Sie seinen Namen oder seine Nummer ein, 1 bis %2.</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>first leg</source>
        <translation>Hinrunde</translation>
    </message>
    <message>
        <source>second leg</source>
        <translation>Rückrunde</translation>
    </message>
    <message>
        <source>A group needs at least two teams to have fixtures; this one has %1.</source>
        <translation>Eine Gruppe braucht mindestens zwei Mannschaften für einen Spielplan; diese hat %1.</translation>
    </message>
    <message>
        <source>A schedule has one or two legs, not %1.</source>
        <translation>Ein Spielplan hat eine oder zwei Runden, nicht %1.</translation>
    </message>
    <message>
        <source>The start date must lie between %1 and %2.</source>
        <translation>Das Anfangsdatum muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>%1 teams make %2 fixtures %3; with the %4 lines already stored that is more than the %5 lines a group can hold.</source>
        <translation>%1 Mannschaften ergeben %2 Spiele %3; mit den %4 schon gespeicherten Zeilen sind das mehr als die %5 Zeilen, die eine Gruppe fasst.</translation>
    </message>
    <message>
        <source>home and away</source>
        <translation>mit Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>in one leg</source>
        <translation>in einer Runde</translation>
    </message>
    <message>
        <source>Overflow: round %1 times the gap of %2 days is %3 days, beyond the %4 days a round can lie from the start.</source>
        <translation>Überlauf: Spieltag %1 mal ein Abstand von %2 Tagen ergibt %3 Tage, mehr als die %4 Tage, die ein Spieltag vom Anfang entfernt liegen kann.</translation>
    </message>
    <message>
        <source>Round %1 of the %2 would fall %3 days from %4, outside the dates %5 to %6.</source>
        <translation>Spieltag %1 der %2 fiele %3 Tage nach dem %4, außerhalb der Daten %5 bis %6.</translation>
    </message>
</context>
<context>
    <name>ScoreDelegate</name>
    <message>
        <source>Full-time score</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Half-time score</source>
        <translation>Halbzeitstand</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Kick-off time</source>
        <translation>Anstoßzeit</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Platz</translation>
    </message>
</context>
<context>
    <name>SeasonFromCsv</name>
    <message>
        <source>A group needs 2 to %1 teams; the file names %2.</source>
        <translation>Eine Gruppe braucht 2 bis %1 Mannschaften; die Datei nennt %2.</translation>
    </message>
</context>
<context>
    <name>ShareLiveDialog</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Nur dieser Computer (127.0.0.1)</translation>
    </message>
    <message>
        <source>%1 (%2, readable by anyone on that network)</source>
        <translation>%1 (%2, für jeden in diesem Netzwerk lesbar)</translation>
    </message>
    <message>
        <source>Share Live Page</source>
        <translation>Live-Seite teilen</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Netzwerkadresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>A page on a network address can be read by anyone on that network. It shows results only; nobody can change anything through it.</source>
        <translation>Eine Seite unter einer Netzwerkadresse kann jeder in diesem Netzwerk lesen. Sie zeigt nur Ergebnisse; niemand kann darüber etwas ändern.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Live page address</source>
        <translation>Adresse der Live-Seite</translation>
    </message>
    <message>
        <source>QR code of the live page address</source>
        <translation>QR-Code der Adresse der Live-Seite</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>St&amp;oppen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SlotText</name>
    <message>
        <source>a slot is a date, a kick-off, an end and a pitch</source>
        <translation>ein Termin besteht aus Datum, Anstoß, Ende und Platz</translation>
    </message>
    <message>
        <source>the date is not written as YYYY-MM-DD</source>
        <translation>das Datum ist nicht als JJJJ-MM-TT geschrieben</translation>
    </message>
    <message>
        <source>the kick-off and end are not two times, in order</source>
        <translation>Anstoß und Ende sind nicht zwei Uhrzeiten in dieser Reihenfolge</translation>
    </message>
    <message>
        <source>there is no pitch %1</source>
        <translation>es gibt keinen Platz %1</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>No tournament open</source>
        <translation>Kein Turnier geöffnet</translation>
    </message>
    <message>
        <source>No tournament is open. Start a new tournament, or open a tournament file.</source>
        <translation>Es ist kein Turnier geöffnet. Beginnen Sie ein neues Turnier oder öffnen Sie eine Turnierdatei.</translation>
    </message>
    <message>
        <source>&amp;New Tournament...</source>
        <translation>&amp;Neues Turnier...</translation>
    </message>
    <message>
        <source>New Tournament</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Recent tournaments:</source>
        <translation>Letzte Turniere:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
</context>
<context>
    <name>TaggedReportFile</name>
    <message>
        <source>Cannot write the report file %1: %2.</source>
        <translation>Die Berichtsdatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the report file: every name from %1 on is taken in %2.</source>
        <translation>Die Berichtsdatei kann nicht geschrieben werden: Jeder Name ab %1 ist in %2 vergeben.</translation>
    </message>
</context>
<context>
    <name>TempDatabase</name>
    <message>
        <source>The temporary database &quot;%1&quot; is damaged (%2).<byte value="xd"/>To restore it, close Tabulon and delete that file: Tabulon makes a new one when it starts again.</source>
        <translation>Die temporäre Datenbank „%1“ ist beschädigt (%2).<byte value="xd"/>Schließen Sie Tabulon und löschen Sie diese Datei: Tabulon legt beim nächsten Start eine neue an.</translation>
    </message>
</context>
<context>
    <name>TieDescription</name>
    <message>
        <source>Loser </source>
        <translation>Verlierer </translation>
    </message>
    <message>
        <source>Winner </source>
        <translation>Sieger </translation>
    </message>
    <message>
        <source>agg. %1-%2</source>
        <translation>ges. %1-%2</translation>
    </message>
    <message>
        <source>a.e.t. </source>
        <translation>n. V. </translation>
    </message>
    <message>
        <source>pens </source>
        <translation>i. E. </translation>
    </message>
    <message>
        <source>, bye</source>
        <translation>, Freilos</translation>
    </message>
    <message>
        <source>, to be played</source>
        <translation>, noch zu spielen</translation>
    </message>
    <message>
        <source> on aggregate</source>
        <translation> in der Summe</translation>
    </message>
    <message>
        <source> in the first leg, second leg to be played</source>
        <translation> im Hinspiel, Rückspiel noch zu spielen</translation>
    </message>
    <message>
        <source> after extra time</source>
        <translation> nach Verlängerung</translation>
    </message>
    <message>
        <source>, %1 won on penalties %2-%3</source>
        <translation>, %1 gewann im Elfmeterschießen %2-%3</translation>
    </message>
    <message>
        <source>, %1 won on away goals</source>
        <translation>, %1 gewann durch die Auswärtstorregel</translation>
    </message>
    <message>
        <source>bye</source>
        <translation>Freilos</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Leg %1: %2</source>
        <translation>%1. Spiel: %2</translation>
    </message>
    <message>
        <source>, leg %1 %2 at %3 on %4</source>
        <translation>, %1. Spiel %2 um %3 auf %4</translation>
    </message>
    <message>
        <source>, %1 at %2 on %3</source>
        <translation>, %1 um %2 auf %3</translation>
    </message>
</context>
<context>
    <name>TieResult</name>
    <message>
        <source>A penalty shoot-out is held only when the tie is level after extra time.</source>
        <translation>Ein Elfmeterschießen gibt es nur, wenn die Begegnung nach Verlängerung unentschieden steht.</translation>
    </message>
    <message>
        <source>A tie is played in one game or in two legs.</source>
        <translation>Eine Begegnung wird in einem Spiel oder mit Hin- und Rückspiel gespielt.</translation>
    </message>
    <message>
        <source>A score cannot be negative.</source>
        <translation>Ein Ergebnis kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>Extra time is played only when the tie is level after full time.</source>
        <translation>Verlängert wird nur, wenn die Begegnung nach regulärer Spielzeit unentschieden steht.</translation>
    </message>
    <message>
        <source>The tie is level after full time: enter the score after extra time.</source>
        <translation>Die Begegnung steht nach regulärer Spielzeit unentschieden: Geben Sie den Stand nach Verlängerung ein.</translation>
    </message>
    <message>
        <source>The score after extra time cannot be lower than the full-time score.</source>
        <translation>Der Stand nach Verlängerung kann nicht niedriger sein als der Endstand der regulären Spielzeit.</translation>
    </message>
    <message>
        <source>The tie is level after extra time: enter the penalty shoot-out.</source>
        <translation>Die Begegnung steht nach Verlängerung unentschieden: Geben Sie das Elfmeterschießen ein.</translation>
    </message>
    <message>
        <source>A penalty shoot-out cannot end level.</source>
        <translation>Ein Elfmeterschießen kann nicht unentschieden enden.</translation>
    </message>
</context>
<context>
    <name>TieResultDialog</name>
    <message>
        <source>Tie Result</source>
        <translation>Ergebnis der Begegnung</translation>
    </message>
    <message>
        <source>home-away</source>
        <translation>Heim-Gast</translation>
    </message>
    <message>
        <source>%1: %2 v %3</source>
        <translation>%1: %2 gegen %3</translation>
    </message>
    <message>
        <source>%1 v %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>&amp;Full time, %1:</source>
        <translation>&amp;Endstand, %1:</translation>
    </message>
    <message>
        <source>Full-time score, %1</source>
        <translation>Endstand, %1</translation>
    </message>
    <message>
        <source>&amp;First leg, %1:</source>
        <translation>&amp;Hinspiel, %1:</translation>
    </message>
    <message>
        <source>First leg score, %1</source>
        <translation>Ergebnis des Hinspiels, %1</translation>
    </message>
    <message>
        <source>&amp;Second leg, %1:</source>
        <translation>&amp;Rückspiel, %1:</translation>
    </message>
    <message>
        <source>Second leg score, %1</source>
        <translation>Ergebnis des Rückspiels, %1</translation>
    </message>
    <message>
        <source>After &amp;extra time:</source>
        <translation>Nach &amp;Verlängerung:</translation>
    </message>
    <message>
        <source>Score after extra time, that game&apos;s total</source>
        <translation>Stand nach Verlängerung, Gesamtergebnis dieses Spiels</translation>
    </message>
    <message>
        <source>&amp;Penalties:</source>
        <translation>Elfmeter&amp;schießen:</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Scores are the home team&apos;s goals first, as in &quot;2-1&quot;. Extra time and penalties belong to the last game; leave them empty when not played.</source>
        <translation>Ergebnisse nennen zuerst die Tore der Heimmannschaft, wie in „2-1“. Verlängerung und Elfmeterschießen gehören zum letzten Spiel; lassen Sie sie leer, wenn es keine gab.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;lear Result</source>
        <translation>Ergebnis &amp;löschen</translation>
    </message>
    <message>
        <source>Clear Result</source>
        <translation>Ergebnis löschen</translation>
    </message>
    <message>
        <source>Enter the %1 as the home team&apos;s goals, a dash and the away team&apos;s goals, such as 2-1.</source>
        <translation>Geben Sie %1 als Tore der Heimmannschaft, einen Bindestrich und die Tore der Gastmannschaft ein, etwa 2-1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no score: type the home team&apos;s goals, a dash and the away team&apos;s goals, such as 2-1.</source>
        <translation>„%1“ ist kein Ergebnis: Geben Sie die Tore der Heimmannschaft, einen Bindestrich und die Tore der Gastmannschaft ein, etwa 2-1.</translation>
    </message>
    <message>
        <source>Extra time and penalties belong to the second leg: enter its score too.</source>
        <translation>Verlängerung und Elfmeterschießen gehören zum Rückspiel: Geben Sie auch dessen Ergebnis ein.</translation>
    </message>
</context>
<context>
    <name>TieResultText</name>
    <message>
        <source>a score is two whole numbers from 0 to %1, as &quot;2-1&quot;</source>
        <translation>ein Ergebnis besteht aus zwei ganzen Zahlen von 0 bis %1, etwa „2-1“</translation>
    </message>
</context>
<context>
    <name>TimetableSheets</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Group or tie</source>
        <translation>Gruppe oder Begegnung</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
</context>
<context>
    <name>TimetableWindow</name>
    <message>
        <source>Move Game</source>
        <translation>Spiel verschieben</translation>
    </message>
    <message>
        <source>Timetable</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>The day is not planned yet: choose File &gt; Plan the Day to give the games their times and pitches.</source>
        <translation>Der Tag ist noch nicht geplant: Wählen Sie Datei &gt; Den Tag planen, um den Spielen Zeiten und Plätze zu geben.</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Mannschaft:</translation>
    </message>
    <message>
        <source>Team whose games stand out</source>
        <translation>Mannschaft, deren Spiele hervorgehoben werden</translation>
    </message>
    <message>
        <source>Print &amp;as:</source>
        <translation>Drucken &amp;als:</translation>
    </message>
    <message>
        <source>Print as</source>
        <translation>Drucken als</translation>
    </message>
    <message>
        <source>A page per pitch</source>
        <translation>Eine Seite pro Platz</translation>
    </message>
    <message>
        <source>A sheet per team</source>
        <translation>Ein Blatt pro Mannschaft</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Drag a game to another time or pitch, or select it and press Ctrl+Up or Ctrl+Down to move it 5 minutes, Ctrl+Left or Ctrl+Right to the next pitch.</source>
        <translation>Ziehen Sie ein Spiel auf eine andere Zeit oder einen anderen Platz, oder wählen Sie es und drücken Sie Strg+Auf oder Strg+Ab, um es um 5 Minuten zu verschieben, Strg+Links oder Strg+Rechts für den Nachbarplatz.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Alle Mannschaften</translation>
    </message>
    <message>
        <source>Save Timetable as PDF</source>
        <translation>Zeitplan als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>Der Zeitplan konnte nicht in %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TournamentDetailsDialog</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Tournament Details</source>
        <translation>Turnierdaten</translation>
    </message>
    <message>
        <source>Tournament Name</source>
        <translation>Name des Turniers</translation>
    </message>
    <message>
        <source>Tournament name</source>
        <translation>Name des Turniers</translation>
    </message>
    <message>
        <source>AT</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>Tournament Location</source>
        <translation>Ort des Turniers</translation>
    </message>
    <message>
        <source>Tournament location</source>
        <translation>Ort des Turniers</translation>
    </message>
    <message>
        <source># Groups</source>
        <translation>Anzahl Gruppen</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation>Anzahl der Gruppen</translation>
    </message>
    <message>
        <source>1 group</source>
        <translation>1 Gruppe</translation>
    </message>
    <message>
        <source>Group Title</source>
        <translation>Gruppenbezeichnung</translation>
    </message>
    <message>
        <source>Group title</source>
        <translation>Gruppenbezeichnung</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Staffel</translation>
    </message>
    <message>
        <source>Indicator</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Group labels</source>
        <translation>Gruppenkennungen</translation>
    </message>
    <message>
        <source>A, B, C, etc.</source>
        <translation>A, B, C usw.</translation>
    </message>
    <message>
        <source>1, 2, 3, etc.</source>
        <translation>1, 2, 3 usw.</translation>
    </message>
    <message>
        <source>Premier, 1, 2, etc.</source>
        <translation>Premier, 1, 2 usw.</translation>
    </message>
    <message>
        <source># Teams in Group %1</source>
        <translation>Mannschaften in Gruppe %1</translation>
    </message>
    <message>
        <source>Number of teams in group %1</source>
        <translation>Anzahl der Mannschaften in Gruppe %1</translation>
    </message>
    <message>
        <source>SELECT LEAGUE ORDER RULES</source>
        <translation>REGELN FÜR DIE TABELLENREIHENFOLGE</translation>
    </message>
    <message>
        <source>Not Selected</source>
        <translation>Nicht gewählt</translation>
    </message>
    <message>
        <source>Rules not selected</source>
        <translation>Nicht gewählte Regeln</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Selected rules, most significant first</source>
        <translation>Gewählte Regeln, die wichtigste zuerst</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>Regel nach oben</translation>
    </message>
    <message>
        <source>Dn</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>Regel nach unten</translation>
    </message>
    <message>
        <source>Points for Win</source>
        <translation>Punkte für Sieg</translation>
    </message>
    <message>
        <source>Points for win</source>
        <translation>Punkte für einen Sieg</translation>
    </message>
    <message>
        <source>Points for Draw</source>
        <translation>Punkte für Remis</translation>
    </message>
    <message>
        <source>Points for draw</source>
        <translation>Punkte für ein Unentschieden</translation>
    </message>
    <message>
        <source>1 point for a draw</source>
        <translation>1 Punkt für ein Unentschieden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter New Group Title</source>
        <translation>Neue Gruppenbezeichnung eingeben</translation>
    </message>
    <message>
        <source>New Group Title</source>
        <translation>Neue Gruppenbezeichnung</translation>
    </message>
    <message>
        <source>Must have at least 2 teams in group</source>
        <translation>Eine Gruppe braucht mindestens 2 Mannschaften</translation>
    </message>
    <message>
        <source>Must Enter Name of Tournament</source>
        <translation>Bitte den Namen des Turniers eingeben</translation>
    </message>
    <message>
        <source>Must Enter Tournament Location</source>
        <translation>Bitte den Ort des Turniers eingeben</translation>
    </message>
    <message>
        <source>Must Specify at least 1 Rule</source>
        <translation>Bitte mindestens 1 Regel wählen</translation>
    </message>
    <message>
        <source>Check Settings</source>
        <translation>Einstellungen prüfen</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points for a win</source>
        <translation>
            <numerusform>%n Punkt für einen Sieg</numerusform>
            <numerusform>%n Punkte für einen Sieg</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points for a draw</source>
        <translation>
            <numerusform>%n Punkt für ein Unentschieden</numerusform>
            <numerusform>%n Punkte für ein Unentschieden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TournamentDocument</name>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Generate Fixtures</source>
        <translation>Spielplan erstellen</translation>
    </message>
    <message>
        <source>Generate Balanced Fixtures</source>
        <translation>Ausgewogenen Spielplan erstellen</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Ergebnisse importieren</translation>
    </message>
    <message>
        <source>Add Fixture</source>
        <translation>Spiel ansetzen</translation>
    </message>
    <message>
        <source>Add Result</source>
        <translation>Ergebnis eintragen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit Result</source>
        <translation>Ergebnis bearbeiten</translation>
    </message>
    <message>
        <source>Edit Date</source>
        <translation>Datum ändern</translation>
    </message>
    <message>
        <source>Rename Team</source>
        <translation>Mannschaft umbenennen</translation>
    </message>
    <message>
        <source>Points Adjustments</source>
        <translation>Punktkorrekturen</translation>
    </message>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>K.-o.-Runde einrichten</translation>
    </message>
    <message>
        <source>Remove Knockout Stage</source>
        <translation>K.-o.-Runde entfernen</translation>
    </message>
    <message>
        <source>The tournament has no knockout stage.</source>
        <translation>Das Turnier hat keine K.-o.-Runde.</translation>
    </message>
    <message>
        <source>Enter Knockout Result</source>
        <translation>K.-o.-Ergebnis eintragen</translation>
    </message>
    <message>
        <source>Clear Knockout Result</source>
        <translation>K.-o.-Ergebnis löschen</translation>
    </message>
    <message>
        <source>Move Game</source>
        <translation>Spiel verschieben</translation>
    </message>
</context>
<context>
    <name>TournamentFile</name>
    <message>
        <source>the file ends early; this line should hold %1.</source>
        <translation>die Datei endet zu früh; diese Zeile sollte %1 enthalten.</translation>
    </message>
    <message>
        <source>%1 is not a number; this line should hold %2.</source>
        <translation>%1 ist keine Zahl; diese Zeile sollte %2 enthalten.</translation>
    </message>
    <message>
        <source>%1 is %2; it must be %3.</source>
        <translation>%1 ist %2; es muss %3 sein.</translation>
    </message>
    <message>
        <source>record line %1 of group %2</source>
        <translation>Datenzeile %1 der Gruppe %2</translation>
    </message>
    <message>
        <source>%1 begins with neither &quot;F:&quot; nor &quot;R:&quot;: %2.</source>
        <translation>%1 beginnt weder mit „F:“ noch mit „R:“: %2.</translation>
    </message>
    <message>
        <source>%1 has %2 fields after its date; a %3 has %4: %5.</source>
        <translation>%1 hat %2 Felder nach dem Datum; ein %3 hat %4: %5.</translation>
    </message>
    <message>
        <source>%1 has no readable date: %2.</source>
        <translation>%1 hat kein lesbares Datum: %2.</translation>
    </message>
    <message>
        <source>group %1 has no team names</source>
        <translation>Gruppe %1 hat keine Mannschaftsnamen</translation>
    </message>
    <message>
        <source>group %1 has %2 team names (numbers 0 to %3)</source>
        <translation>Gruppe %1 hat %2 Mannschaftsnamen (Nummern 0 bis %3)</translation>
    </message>
    <message>
        <source>%1 names team %2, but %3.</source>
        <translation>%1 nennt Mannschaft %2, aber %3.</translation>
    </message>
    <message>
        <source>last group&apos;s record lines</source>
        <translation>Datenzeilen der letzten Gruppe</translation>
    </message>
    <message>
        <source>points adjustments</source>
        <translation>Punktkorrekturen</translation>
    </message>
    <message>
        <source>knockout stage</source>
        <translation>K.-o.-Runde</translation>
    </message>
    <message>
        <source>text follows the %1: %2.</source>
        <translation>nach %1 folgt noch Text: %2.</translation>
    </message>
    <message>
        <source>knockout place %1 names group %2, but the tournament has %3.</source>
        <translation>K.-o.-Platz %1 nennt Gruppe %2, aber das Turnier hat %3.</translation>
    </message>
    <message>
        <source>knockout place %1 names team %2, which %3 does not have.</source>
        <translation>K.-o.-Platz %1 nennt Mannschaft %2, die es in %3 nicht gibt.</translation>
    </message>
    <message>
        <source>a bye</source>
        <translation>einem Freilos</translation>
    </message>
    <message>
        <source>a seeded list</source>
        <translation>einer Setzliste</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>knockout place %1 names %2, but team %3 of group %4 is %5.</source>
        <translation>K.-o.-Platz %1 nennt %2, aber Mannschaft %3 der Gruppe %4 ist %5.</translation>
    </message>
    <message>
        <source>knockout place %1 is a bye, but it names %2.</source>
        <translation>K.-o.-Platz %1 ist ein Freilos, nennt aber %2.</translation>
    </message>
    <message>
        <source>the team in knockout place %1 has no name.</source>
        <translation>die Mannschaft auf K.-o.-Platz %1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>the knockout stage has %1 places; a bracket has 2, 4, 8, 16, 32 or 64.</source>
        <translation>die K.-o.-Runde hat %1 Plätze; ein Turnierbaum hat 2, 4, 8, 16, 32 oder 64.</translation>
    </message>
    <message>
        <source>knockout place %1 holds %2, as knockout place %3 does: a team has one place in the bracket.</source>
        <translation>K.-o.-Platz %1 enthält %2, wie auch K.-o.-Platz %3: Eine Mannschaft hat einen Platz im Turnierbaum.</translation>
    </message>
    <message>
        <source>%1 is no date; this line should hold the knockout stage&apos;s start date as YYYY-MM-DD, or nothing.</source>
        <translation>%1 ist kein Datum; diese Zeile sollte das Anfangsdatum der K.-o.-Runde als JJJJ-MM-TT enthalten oder leer sein.</translation>
    </message>
    <message>
        <source>knockout result %1, %2, is no tie code and result: %3</source>
        <translation>K.-o.-Ergebnis %1, %2, ist kein Begegnungscode mit Ergebnis: %3</translation>
    </message>
    <message>
        <source>the result is missing.</source>
        <translation>das Ergebnis fehlt.</translation>
    </message>
    <message>
        <source>knockout result %1 is a second result for %2.</source>
        <translation>K.-o.-Ergebnis %1 ist ein zweites Ergebnis für %2.</translation>
    </message>
    <message>
        <source>knockout result %1, %2: %3</source>
        <translation>K.-o.-Ergebnis %1, %2: %3</translation>
    </message>
    <message>
        <source>points adjustment %1 names group %2, but the tournament has %3.</source>
        <translation>Punktkorrektur %1 nennt Gruppe %2, aber das Turnier hat %3.</translation>
    </message>
    <message>
        <source>points adjustment %1 names team %2, but group %3 has %4 team names.</source>
        <translation>Punktkorrektur %1 nennt Mannschaft %2, aber Gruppe %3 hat %4 Mannschaftsnamen.</translation>
    </message>
    <message>
        <source>1 record line could not be read.</source>
        <translation>1 Datenzeile konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 record lines could not be read.</source>
        <translation>%1 Datenzeilen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source> They are kept as they are and saved back unchanged, but league tables and reports leave them out:</source>
        <translation> Sie bleiben, wie sie sind, und werden unverändert gespeichert, aber Tabellen und Berichte lassen sie aus:</translation>
    </message>
    <message>
        <source><byte value="xd"/>Group %1, record line %2: %3 (%4)</source>
        <translation><byte value="xd"/>Gruppe %1, Datenzeile %2: %3 (%4)</translation>
    </message>
    <message>
        <source><byte value="xd"/>and %1 more.</source>
        <translation><byte value="xd"/>und %1 weitere.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
    <message>
        <source>Cannot read %1: it is a folder, not a tournament file.</source>
        <translation>%1 kann nicht gelesen werden: Es ist ein Ordner, keine Turnierdatei.</translation>
    </message>
    <message>
        <source>tournament file</source>
        <translation>Turnierdatei</translation>
    </message>
    <message>
        <source>The tournament has %1 groups and %2 group windows; it needs 1 to %3 of each.</source>
        <translation>Das Turnier hat %1 Gruppen und %2 Gruppenfenster; es braucht von beidem 1 bis %3.</translation>
    </message>
    <message>
        <source>The tournament has %1 league order rules; it needs 1 to %2.</source>
        <translation>Das Turnier hat %1 Regeln für die Tabellenreihenfolge; es braucht 1 bis %2.</translation>
    </message>
    <message>
        <source>The text %1 holds a line break.</source>
        <translation>Der Text %1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Group %1 holds more than %2 teams or record lines.</source>
        <translation>Gruppe %1 enthält mehr als %2 Mannschaften oder Datenzeilen.</translation>
    </message>
    <message>
        <source>The caption of group %1 holds a line break.</source>
        <translation>Die Bezeichnung der Gruppe %1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Group %1 has a points adjustment for team %2, which it does not have.</source>
        <translation>Gruppe %1 hat eine Punktkorrektur für Mannschaft %2, die es dort nicht gibt.</translation>
    </message>
    <message>
        <source>The reason %1 of group %2 holds a line break.</source>
        <translation>Der Grund %1 der Gruppe %2 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The text %1 of group %2 holds a line break.</source>
        <translation>Der Text %1 der Gruppe %2 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The knockout team %1 holds a line break.</source>
        <translation>Die K.-o.-Mannschaft %1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The tournament holds more than %1 points adjustments.</source>
        <translation>Das Turnier enthält mehr als %1 Punktkorrekturen.</translation>
    </message>
    <message>
        <source>Cannot save the tournament to %1: %2</source>
        <translation>Das Turnier kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>timetable</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>%1 is no time; this line should hold %2 as HH:MM.</source>
        <translation>%1 ist keine Uhrzeit; diese Zeile sollte %2 als HH:MM enthalten.</translation>
    </message>
    <message>
        <source>%1 is no span of time; this line should hold %2 as HH:MM-HH:MM.</source>
        <translation>%1 ist keine Zeitspanne; diese Zeile sollte %2 als HH:MM-HH:MM enthalten.</translation>
    </message>
    <message>
        <source>%1 is no date after the day before; this line should hold day %2 of the timetable as YYYY-MM-DD.</source>
        <translation>%1 ist kein Datum nach dem Vortag; diese Zeile sollte Tag %2 des Zeitplans als JJJJ-MM-TT enthalten.</translation>
    </message>
    <message>
        <source>the last finish is not after the first kick-off.</source>
        <translation>das letzte Spielende liegt nicht nach dem ersten Anstoß.</translation>
    </message>
    <message>
        <source>the time of group game %1, %2: %3.</source>
        <translation>die Zeit des Gruppenspiels %1, %2: %3.</translation>
    </message>
    <message>
        <source>there is no such group and record line</source>
        <translation>diese Gruppe und Datensatzzeile gibt es nicht</translation>
    </message>
    <message>
        <source>that game has a time already</source>
        <translation>dieses Spiel hat schon eine Zeit</translation>
    </message>
    <message>
        <source>the time of knockout game %1, %2: %3.</source>
        <translation>die Zeit des K.-o.-Spiels %1, %2: %3.</translation>
    </message>
    <message>
        <source>there is no such tie and leg</source>
        <translation>dieses Duell und Spiel gibt es nicht</translation>
    </message>
    <message>
        <source>The timetable&apos;s name %1 holds a line break.</source>
        <translation>Der Name %1 des Zeitplans enthält einen Zeilenumbruch.</translation>
    </message>
</context>
<context>
    <name>TournamentFileLock</name>
    <message>
        <source>%1 is open in Tabulon; close it there first.</source>
        <translation>%1 ist in Tabulon geöffnet; schließen Sie die Datei dort zuerst.</translation>
    </message>
</context>
<context>
    <name>TournamentSetup</name>
    <message>
        <source>1. Points Scored</source>
        <translation>1. Punkte</translation>
    </message>
    <message>
        <source>2. Goal Difference</source>
        <translation>2. Tordifferenz</translation>
    </message>
    <message>
        <source>3. Goals Scored</source>
        <translation>3. Erzielte Tore</translation>
    </message>
    <message>
        <source>4. Games Won</source>
        <translation>4. Gewonnene Spiele</translation>
    </message>
    <message>
        <source>5. Games Between Teams</source>
        <translation>5. Direkter Vergleich</translation>
    </message>
    <message>
        <source>6. Head-to-Head Table</source>
        <translation>6. Tabelle der direkten Vergleiche</translation>
    </message>
    <message>
        <source>Too many teams in group %1: a group holds at most 32767 teams</source>
        <translation>Zu viele Mannschaften in Gruppe %1: Eine Gruppe fasst höchstens 32767 Mannschaften</translation>
    </message>
    <message>
        <source>Tournament Setup</source>
        <translation>Turniereinstellungen</translation>
    </message>
    <message>
        <source>Tournament Name = </source>
        <translation>Name des Turniers = </translation>
    </message>
    <message>
        <source>Location = </source>
        <translation>Ort = </translation>
    </message>
    <message>
        <source>Number of Groups = </source>
        <translation>Anzahl der Gruppen = </translation>
    </message>
    <message>
        <source>Teams in Group %1 = %2</source>
        <translation>Mannschaften in Gruppe %1 = %2</translation>
    </message>
    <message>
        <source>RULES ORDER</source>
        <translation>REIHENFOLGE DER REGELN</translation>
    </message>
    <message>
        <source>Are these settings correct</source>
        <translation>Sind diese Einstellungen richtig?</translation>
    </message>
</context>
<context>
    <name>TypedScore</name>
    <message>
        <source>This item cannot be given a score.</source>
        <translation>Diesem Eintrag kann kein Ergebnis gegeben werden.</translation>
    </message>
</context>
<context>
    <name>WebSite</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 holds other files and no site published by Tabulon; choose an empty folder.</source>
        <translation>%1 enthält andere Dateien und keine von Tabulon veröffentlichte Webseite; wählen Sie einen leeren Ordner.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2.</source>
        <translation>%1 kann nicht entfernt werden: %2.</translation>
    </message>
</context>
<context>
    <name>WhyTexts</name>
    <message>
        <source>points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>goal difference %1</source>
        <translation>Tordifferenz %1</translation>
    </message>
    <message>
        <source>goals scored</source>
        <translation>erzielte Tore</translation>
    </message>
    <message>
        <source>games won</source>
        <translation>gewonnene Spiele</translation>
    </message>
    <message>
        <source>goal difference</source>
        <translation>Tordifferenz</translation>
    </message>
    <message>
        <source>points in their games</source>
        <translation>Punkte im direkten Vergleich</translation>
    </message>
    <message>
        <source>goal difference in their games</source>
        <translation>Tordifferenz im direkten Vergleich</translation>
    </message>
    <message>
        <source>goals scored in their games</source>
        <translation>erzielte Tore im direkten Vergleich</translation>
    </message>
    <message>
        <source>level on %1; %2</source>
        <translation>gleich bei %1; %2</translation>
    </message>
    <message>
        <source>lost the last deciding game between them</source>
        <translation>verlor das letzte entscheidende Spiel gegeneinander</translation>
    </message>
    <message>
        <source>%1 %2 against %3</source>
        <translation>%1 %2 gegenüber %3</translation>
    </message>
    <message>
        <source>the same in their games</source>
        <translation>gleich im direkten Vergleich</translation>
    </message>
    <message>
        <source>level on every rule: team order</source>
        <translation>bei allen Regeln gleich: Reihenfolge der Mannschaften</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) scored</source>
        <translation>
            <numerusform>%n erzieltes Tor</numerusform>
            <numerusform>%n erzielte Tore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) won</source>
        <translation>
            <numerusform>%n gewonnenes Spiel</numerusform>
            <numerusform>%n gewonnene Spiele</numerusform>
        </translation>
    </message>
</context>
</TS>
