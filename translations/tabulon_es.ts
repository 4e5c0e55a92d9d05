<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoundedFile</name>
    <message>
        <source>Cannot read %1: it is larger than any %2 can be (%3 MiB).</source>
        <translation>No se puede leer %1: es mayor de lo que puede ser un %2 (%3 MiB).</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>CSV file of results</source>
        <translation>archivo CSV de resultados</translation>
    </message>
</context>
<context>
    <name>BracketView</name>
    <message>
        <source>Third-place match</source>
        <translation>Partido por el tercer puesto</translation>
    </message>
    <message>
        <source>Champion</source>
        <translation>Campeón</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>aún por decidir</translation>
    </message>
</context>
<context>
    <name>CsvRows</name>
    <message>
        <source>A quote is out of place (a quoted cell begins and ends with its quotes, and a quote inside it is doubled).</source>
        <translation>Unas comillas están fuera de lugar (una celda entre comillas empieza y acaba con ellas, y unas comillas dentro se duplican).</translation>
    </message>
    <message>
        <source>The file is too big.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>No hay memoria suficiente para leer el archivo.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Line %1: A quoted cell is never closed.</source>
        <translation>Línea %1: una celda entre comillas no se cierra nunca.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Select Date</source>
        <translation>Elegir fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as 07-Mar-2000, 2000-03-07 or 7 Mar 2000.</source>
        <translation>«%1» no es una fecha: escríbala como 07-Mar-2000, 2000-03-07 o 7 Mar 2000.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>DatePickerDialog</name>
    <message>
        <source>Select Date</source>
        <translation>Elegir fecha</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Choose a date</source>
        <translation>Elija una fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DayPlanner</name>
    <message>
        <source>%1 with a break at %2</source>
        <translation>%1 con una pausa de %2</translation>
    </message>
    <message>
        <source>%1 with breaks at %2 and %3</source>
        <translation>%1 con pausas de %2 y %3</translation>
    </message>
    <message>
        <source>%1 on %2 days</source>
        <translation>%1 en %2 días</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 partido</translation>
    </message>
    <message>
        <source>%1 games</source>
        <translation>%1 partidos</translation>
    </message>
    <message>
        <source>1 pitch</source>
        <translation>1 campo</translation>
    </message>
    <message>
        <source>%1 pitches</source>
        <translation>%1 campos</translation>
    </message>
    <message>
        <source>There is no pitch to play on.</source>
        <translation>No hay ningún campo en el que jugar.</translation>
    </message>
    <message>
        <source>A plan takes one or two days.</source>
        <translation>Un plan abarca uno o dos días.</translation>
    </message>
    <message>
        <source>The day&apos;s hours are empty.</source>
        <translation>El horario del día está vacío.</translation>
    </message>
    <message>
        <source>A changeover or a rest cannot be negative.</source>
        <translation>Ni el cambio ni el descanso pueden ser negativos.</translation>
    </message>
    <message>
        <source>Every game must last at least a minute.</source>
        <translation>Cada partido debe durar al menos un minuto.</translation>
    </message>
    <message>
        <source>A game waits for a game that is not planned.</source>
        <translation>Un partido espera a un partido que no se planifica.</translation>
    </message>
    <message>
        <source>A game has a team without a number.</source>
        <translation>Un partido tiene un equipo sin número.</translation>
    </message>
    <message>
        <source>The games do not fit: the group games and the knockout games after them need more than %1.</source>
        <translation>Los partidos no caben: los partidos de grupo y las eliminatorias posteriores necesitan más que %1.</translation>
    </message>
    <message>
        <source>The games do not fit: a game of %1 minutes fits nowhere in its hours.</source>
        <translation>Los partidos no caben: un partido de %1 minutos no cabe en ningún hueco de su horario.</translation>
    </message>
    <message>
        <source>The games do not fit: a team&apos;s %1 games, with a rest of %2 minutes between them, need more than its hours %3.</source>
        <translation>Los partidos no caben: los %1 partidos de un equipo, con un descanso de %2 minutos entre ellos, necesitan más que su horario %3.</translation>
    </message>
    <message>
        <source>1 round of %1 minutes</source>
        <translation>1 ronda de %1 minutos</translation>
    </message>
    <message>
        <source>%1 rounds of %2 minutes</source>
        <translation>%1 rondas de %2 minutos</translation>
    </message>
    <message>
        <source>%1 needs at least %2 on %3; %4 holds %5.</source>
        <translation>%1 necesita al menos %2 en %3; %4 da para %5.</translation>
    </message>
    <message>
        <source>%1 need at least %2 on %3; %4 holds %5.</source>
        <translation>%1 necesitan al menos %2 en %3; %4 da para %5.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>The games wait for each other in a circle.</source>
        <translation>Los partidos se esperan unos a otros en círculo.</translation>
    </message>
    <message>
        <source>The games do not fit: no plan was found that keeps every rule and ends by %1.</source>
        <translation>Los partidos no caben: no se encontró ningún plan que cumpla todas las reglas y termine a más tardar a las %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2 on %3</source>
        <translation>de %1 a %2 del %3</translation>
    </message>
    <message>
        <source>Planned %1 on %2, %3 (no plan can end before %4).</source>
        <translation>Plan: %1 en %2, %3 (ningún plan puede terminar antes de las %4).</translation>
    </message>
</context>
<context>
    <name>DayPlanning</name>
    <message>
        <source>No group has a team called &quot;%1&quot;.</source>
        <translation>Ningún grupo tiene un equipo llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The games played end at %1 on %2: no time is left after them for the games still to play.</source>
        <translation>Los partidos jugados terminan a las %1 del %2: después no queda tiempo para los partidos que faltan.</translation>
    </message>
    <message>
        <source>A timetable has at most %1 pitches.</source>
        <translation>Un horario tiene como máximo %1 campos.</translation>
    </message>
    <message>
        <source>A day has at most %1 breaks.</source>
        <translation>Un día tiene como máximo %1 pausas.</translation>
    </message>
</context>
<context>
    <name>ExportTarget</name>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>El archivo existente %1 no se puede escribir</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
</context>
<context>
    <name>GameBox</name>
    <message>
        <source>Score %1</source>
        <translation>Resultado %1</translation>
    </message>
    <message>
        <source>Drag to another time or pitch, or press Ctrl with an arrow key: Up and Down move the game 5 minutes, Left and Right to the next pitch.</source>
        <translation>Arrástrelo a otra hora o a otro campo, o pulse Ctrl con una flecha: Arriba y Abajo mueven el partido 5 minutos, Izquierda y Derecha al campo de al lado.</translation>
    </message>
</context>
<context>
    <name>GroupWindow</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Entry date</source>
        <translation>Fecha de entrada</translation>
    </message>
    <message>
        <source>Select Date</source>
        <translation>Elegir fecha</translation>
    </message>
    <message>
        <source>Increment Date</source>
        <translation>Fecha siguiente</translation>
    </message>
    <message>
        <source>Decrease Date</source>
        <translation>Fecha anterior</translation>
    </message>
    <message>
        <source>&amp;Edit Name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Local</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>&amp;Away</source>
        <translation>&amp;Visitante</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>Desc</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Full-time</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Home team</source>
        <translation>Equipo local</translation>
    </message>
    <message>
        <source>Home half-time score</source>
        <translation>Goles del local al descanso</translation>
    </message>
    <message>
        <source>Home full-time score</source>
        <translation>Goles del local al final</translation>
    </message>
    <message>
        <source>--V--</source>
        <translation>--V--</translation>
    </message>
    <message>
        <source>Away team</source>
        <translation>Equipo visitante</translation>
    </message>
    <message>
        <source>Away half-time score</source>
        <translation>Goles del visitante al descanso</translation>
    </message>
    <message>
        <source>Away full-time score</source>
        <translation>Goles del visitante al final</translation>
    </message>
    <message>
        <source>Add &amp;Fixture</source>
        <translation>Añadir &amp;partido</translation>
    </message>
    <message>
        <source>Add Fixture</source>
        <translation>Añadir partido</translation>
    </message>
    <message>
        <source>Add &amp;Result</source>
        <translation>Añadir &amp;resultado</translation>
    </message>
    <message>
        <source>Add Result</source>
        <translation>Añadir resultado</translation>
    </message>
    <message>
        <source>&amp;League Table</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>League Table</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Results Re&amp;port</source>
        <translation>&amp;Informe de resultados</translation>
    </message>
    <message>
        <source>Results Report</source>
        <translation>Informe de resultados</translation>
    </message>
    <message>
        <source>Fi&amp;xture List</source>
        <translation>Calen&amp;dario</translation>
    </message>
    <message>
        <source>Fixture List</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Edi&amp;tar</translation>
    </message>
    <message>
        <source>Edit result</source>
        <translation>Editar resultado</translation>
    </message>
    <message>
        <source>Edit Da&amp;te</source>
        <translation>Cambiar &amp;fecha</translation>
    </message>
    <message>
        <source>Edit Date</source>
        <translation>Cambiar fecha</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>League table of </source>
        <translation>Clasificación de </translation>
    </message>
    <message>
        <source>Fixtures and results</source>
        <translation>Partidos y resultados</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Unable to play same team home and away</source>
        <translation>Un equipo no puede jugar contra sí mismo</translation>
    </message>
    <message>
        <source>This group already holds %1 fixtures and results, as many as a group can hold.<byte value="xd"/>Delete an item before adding another.</source>
        <translation>Este grupo ya tiene %1 partidos y resultados, el máximo que admite un grupo.<byte value="xd"/>Elimine un elemento antes de añadir otro.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this item ?</source>
        <translation>¿Seguro que quiere eliminar este elemento?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Enter New Name</source>
        <translation>Escriba el nuevo nombre</translation>
    </message>
    <message>
        <source>Are you sure you want to change</source>
        <translation>¿Seguro que quiere cambiar</translation>
    </message>
    <message>
        <source> to </source>
        <translation> por </translation>
    </message>
    <message>
        <source>This item cannot be edited: %1.</source>
        <translation>Este elemento no se puede editar: %1.</translation>
    </message>
    <message>
        <source>Edit Result</source>
        <translation>Editar resultado</translation>
    </message>
    <message>
        <source>Error during sort</source>
        <translation>Error al ordenar</translation>
    </message>
    <message>
        <source> has no results yet.</source>
        <translation> aún no tiene resultados.</translation>
    </message>
    <message>
        <source> has no fixtures yet.</source>
        <translation> aún no tiene partidos.</translation>
    </message>
    <message>
        <source>versus</source>
        <translation>contra</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tabulon Help</source>
        <translation>Ayuda de Tabulon</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import Results - %1</source>
        <translation>Importar resultados - %1</translation>
    </message>
    <message>
        <source>Rows of the file and what importing each does</source>
        <translation>Filas del archivo y lo que hace importar cada una</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Import line %1</source>
        <translation>Importar la línea %1</translation>
    </message>
    <message>
        <source>&amp;Rows of the file; tick those to import:</source>
        <translation>&amp;Filas del archivo; marque las que se importan:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Import the ticked rows</source>
        <translation>Importar las filas marcadas</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Replace a fixture</source>
        <translation>Sustituye un partido</translation>
    </message>
    <message>
        <source>Already entered</source>
        <translation>Ya introducido</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Repetido: %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <translation>Conflicto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation>
            <numerusform>%n para añadir</numerusform>
            <numerusform>%n para añadir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to replace a fixture</source>
        <translation>
            <numerusform>%n sustituye un partido</numerusform>
            <numerusform>%n sustituyen un partido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already entered</source>
        <translation>
            <numerusform>%n ya introducida</numerusform>
            <numerusform>%n ya introducidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to repeat a game played</source>
        <translation>
            <numerusform>%n repite un partido jugado</numerusform>
            <numerusform>%n repiten un partido jugado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in conflict</source>
        <translation>
            <numerusform>%n en conflicto</numerusform>
            <numerusform>%n en conflicto</numerusform>
        </translation>
    </message>
    <message>
        <source>; a row in conflict cannot be imported</source>
        <translation>; una fila en conflicto no se puede importar</translation>
    </message>
</context>
<context>
    <name>KnockoutRounds</name>
    <message>
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Semi-finals</source>
        <translation>Semifinales</translation>
    </message>
    <message>
        <source>Quarter-finals</source>
        <translation>Cuartos de final</translation>
    </message>
    <message>
        <source>Round of %1</source>
        <translation>Ronda de %1</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Partido por el tercer puesto</translation>
    </message>
    <message>
        <source>Semi-final %1</source>
        <translation>Semifinal %1</translation>
    </message>
    <message>
        <source>Quarter-final %1</source>
        <translation>Cuarto de final %1</translation>
    </message>
    <message>
        <source>%1, tie %2</source>
        <translation>%1, eliminatoria %2</translation>
    </message>
</context>
<context>
    <name>KnockoutSetup</name>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 still %2 games to play: enter every result before the knockout stage is set up.</source>
        <translation>%1: %2 aún partidos por jugar. Introduzca todos los resultados antes de configurar las eliminatorias.</translation>
    </message>
    <message>
        <source>The template names group %1, but the tournament has %2 group.</source>
        <translation>La plantilla nombra el grupo %1, pero el torneo tiene %2 grupo.</translation>
    </message>
    <message>
        <source>The template names group %1, but the tournament has %2 groups.</source>
        <translation>La plantilla nombra el grupo %1, pero el torneo tiene %2 grupos.</translation>
    </message>
    <message>
        <source>Cannot read %1: it is not a regular file.</source>
        <translation>No se puede leer %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Line 1: the header must be &quot;team&quot;.</source>
        <translation>Línea 1: la cabecera debe ser «team».</translation>
    </message>
    <message>
        <source>Line %1: a row holds one team&apos;s name.</source>
        <translation>Línea %1: cada fila lleva el nombre de un equipo.</translation>
    </message>
    <message>
        <source>Line %1: a team&apos;s name cannot hold a line break.</source>
        <translation>Línea %1: el nombre de un equipo no puede tener un salto de línea.</translation>
    </message>
    <message>
        <source>Line %1: %2 is listed twice.</source>
        <translation>Línea %1: %2 aparece dos veces.</translation>
    </message>
    <message>
        <source>The knockout stage has no %1: it starts with the %2.</source>
        <translation>Las eliminatorias no tienen %1: empiezan con %2.</translation>
    </message>
</context>
<context>
    <name>KnockoutSetupDialog</name>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>Configurar eliminatorias</translation>
    </message>
    <message>
        <source>Entrants</source>
        <translation>Participantes</translation>
    </message>
    <message>
        <source>Group winners against r&amp;unners-up (1A v 2B, 1B v 2A)</source>
        <translation>Primeros de grupo contra &amp;segundos (1A-2B, 1B-2A)</translation>
    </message>
    <message>
        <source>Group winners against runners-up</source>
        <translation>Primeros de grupo contra segundos</translation>
    </message>
    <message>
        <source>Round of 1&amp;6 with the four best third-placed teams</source>
        <translation>Octavos de final (1&amp;6) con los cuatro mejores terceros</translation>
    </message>
    <message>
        <source>Round of 16 with the four best third-placed teams</source>
        <translation>Octavos de final con los cuatro mejores terceros</translation>
    </message>
    <message>
        <source>Seeded d&amp;raw: winners, then runners-up, ranked across the groups</source>
        <translation>So&amp;rteo con cabezas de serie: primeros y luego segundos, ordenados entre grupos</translation>
    </message>
    <message>
        <source>Seeded draw from the group tables</source>
        <translation>Sorteo con cabezas de serie según las clasificaciones</translation>
    </message>
    <message>
        <source>Seeded list t&amp;yped here, best seed first:</source>
        <translation>Lista de cabezas de serie escrita a&amp;quí, la mejor primero:</translation>
    </message>
    <message>
        <source>Seeded list typed here</source>
        <translation>Lista de cabezas de serie escrita aquí</translation>
    </message>
    <message>
        <source>Seeded teams, one a line</source>
        <translation>Equipos cabezas de serie, uno por línea</translation>
    </message>
    <message>
        <source>&amp;Template of the first round (tie,home,away)</source>
        <translation>&amp;Plantilla de la primera ronda (tie,home,away)</translation>
    </message>
    <message>
        <source>Template of the first round</source>
        <translation>Plantilla de la primera ronda</translation>
    </message>
    <message>
        <source>Seeded &amp;list of teams (team)</source>
        <translation>&amp;Lista ordenada de equipos (team)</translation>
    </message>
    <message>
        <source>Seeded list of teams</source>
        <translation>Lista ordenada de equipos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Arc&amp;hivo:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Buscar el archivo</translation>
    </message>
    <message>
        <source>Rounds played in two legs</source>
        <translation>Rondas a ida y vuelta</translation>
    </message>
    <message>
        <source>: two legs</source>
        <translation>: ida y vuelta</translation>
    </message>
    <message>
        <source>T&amp;hird-place match</source>
        <translation>Partido por el &amp;tercer puesto</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Partido por el tercer puesto</translation>
    </message>
    <message>
        <source>&amp;Away goals count in two-legged ties</source>
        <translation>Valor doble de los goles de &amp;visitante a ida y vuelta</translation>
    </message>
    <message>
        <source>Away goals count in two-legged ties</source>
        <translation>Valor doble de los goles de visitante a ida y vuelta</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>&amp;Dated, the first games on:</source>
        <translation>Con &amp;fechas, los primeros partidos el:</translation>
    </message>
    <message>
        <source>Dated</source>
        <translation>Con fechas</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Days between rounds</source>
        <translation>Días entre rondas</translation>
    </message>
    <message>
        <source>Days bet&amp;ween rounds:</source>
        <translation>&amp;Días entre rondas:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Knockout Entrants</source>
        <translation>Participantes de las eliminatorias</translation>
    </message>
    <message>
        <source>Choose the file of the template or the seeded list.</source>
        <translation>Elija el archivo de la plantilla o de la lista ordenada.</translation>
    </message>
</context>
<context>
    <name>KnockoutStage</name>
    <message>
        <source>A knockout stage has %1 to %2 entrants.</source>
        <translation>Unas eliminatorias tienen de %1 a %2 participantes.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Changing this result changes who plays in %1, which already %2.</source>
        <translation>Cambiar este resultado cambia quién juega en %1, que ya %2.</translation>
    </message>
    <message>
        <source>has a result</source>
        <translation>tiene resultado</translation>
    </message>
    <message>
        <source>have results</source>
        <translation>tienen resultados</translation>
    </message>
    <message>
        <source>%1 has no team.</source>
        <translation>%1 no tiene equipo.</translation>
    </message>
    <message>
        <source>%1 has two places in the bracket, in %2 and %3.</source>
        <translation>%1 tiene dos puestos en el cuadro, en %2 y %3.</translation>
    </message>
    <message>
        <source>A round is played in one game or in two legs.</source>
        <translation>Una ronda se juega a partido único o a ida y vuelta.</translation>
    </message>
    <message>
        <source>Results have been entered in the %1: clear them before changing the number of legs.</source>
        <translation>Ya hay resultados en %1: bórrelos antes de cambiar el número de partidos.</translation>
    </message>
    <message>
        <source>This knockout stage has no tie %1.</source>
        <translation>Estas eliminatorias no tienen la eliminatoria %1.</translation>
    </message>
    <message>
        <source>%1 is a bye: it has no result.</source>
        <translation>%1 es un pase directo: no tiene resultado.</translation>
    </message>
    <message>
        <source>Who plays in %1 is not known yet.</source>
        <translation>Aún no se sabe quién juega %1.</translation>
    </message>
    <message>
        <source>%1 is played in one game: enter one full-time score.</source>
        <translation>%1 se juega a partido único: introduzca un resultado final.</translation>
    </message>
    <message>
        <source>%1 is played in two legs: enter the full-time score of each leg.</source>
        <translation>%1 se juega a ida y vuelta: introduzca el resultado final de cada partido.</translation>
    </message>
    <message>
        <source>Extra time and penalties belong to the second leg of %1.</source>
        <translation>La prórroga y los penaltis son de la vuelta de %1.</translation>
    </message>
    <message>
        <source>A score cannot be negative.</source>
        <translation>Un resultado no puede ser negativo.</translation>
    </message>
    <message>
        <source>The knockout games would be played from %1 to %2; a calendar holds the days from %3 to %4.</source>
        <translation>Los partidos de eliminatorias se jugarían del %1 al %2; un calendario abarca del %3 al %4.</translation>
    </message>
</context>
<context>
    <name>KnockoutTemplate</name>
    <message>
        <source>write 1A for the winner of group A, 2C for the runner-up of group C, 3ADEF for one of the best third-placed teams of groups A, D, E or F, or bye</source>
        <translation>escriba 1A para el primero del grupo A, 2C para el segundo del grupo C, 3ADEF para uno de los mejores terceros de los grupos A, D, E o F, o bye</translation>
    </message>
    <message>
        <source>only third-placed teams are chosen among groups</source>
        <translation>solo los terceros se eligen entre varios grupos</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Línea %1: </translation>
    </message>
    <message>
        <source>the third of group %1 cannot play in %2.</source>
        <translation>el tercero del grupo %1 no puede jugar en %2.</translation>
    </message>
    <message>
        <source>each of the %1 thirds needs a tie of its own.</source>
        <translation>cada uno de los %1 terceros necesita su propia eliminatoria.</translation>
    </message>
    <message>
        <source>Line 1: the header must be &quot;tie,home,away&quot;.</source>
        <translation>Línea 1: la cabecera debe ser «tie,home,away».</translation>
    </message>
    <message>
        <source>A template has 1, 2, 4, 8, 16 or 32 ties; this one has %1.</source>
        <translation>Una plantilla tiene 1, 2, 4, 8, 16 o 32 eliminatorias; esta tiene %1.</translation>
    </message>
    <message>
        <source>a tie has three cells: the tie, home and away.</source>
        <translation>una eliminatoria tiene tres celdas: eliminatoria, local y visitante.</translation>
    </message>
    <message>
        <source>a tie cannot have two byes.</source>
        <translation>una eliminatoria no puede tener dos pases directos.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; should be tie &quot;%3&quot;: the first round&apos;s ties are listed in order.</source>
        <translation>Línea %1: «%2» debería ser la eliminatoria «%3»: las eliminatorias de la primera ronda van en orden.</translation>
    </message>
    <message>
        <source>Line %1: the thirds of groups %2 are already placed on line %3.</source>
        <translation>Línea %1: los terceros de los grupos %2 ya están en la línea %3.</translation>
    </message>
    <message>
        <source>The template takes %1 third-placed teams; the groups have %2.</source>
        <translation>La plantilla admite %1 terceros; los grupos tienen %2.</translation>
    </message>
    <message>
        <source>The thirds of groups %1 cannot all be given a place the template allows them.</source>
        <translation>No se puede dar a todos los terceros de los grupos %1 un puesto que la plantilla les permita.</translation>
    </message>
    <message>
        <source>The template names &quot;%1%2&quot;, but group %2 has no team in that place.</source>
        <translation>La plantilla nombra «%1%2», pero el grupo %2 no tiene equipo en ese puesto.</translation>
    </message>
</context>
<context>
    <name>KnockoutWindow</name>
    <message>
        <source>Knockout Result</source>
        <translation>Resultado de eliminatoria</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>Eliminatorias</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Cuadro</translation>
    </message>
    <message>
        <source>Knockout &amp;Report</source>
        <translation>&amp;Informe de eliminatorias</translation>
    </message>
    <message>
        <source>Knockout report</source>
        <translation>Informe de eliminatorias</translation>
    </message>
    <message>
        <source>Export Ca&amp;lendar...</source>
        <translation>Exportar ca&amp;lendario...</translation>
    </message>
    <message>
        <source>Export the knockout calendar</source>
        <translation>Exportar el calendario de eliminatorias</translation>
    </message>
    <message>
        <source>%1 is a bye: it has no result to enter.</source>
        <translation>%1 es un pase directo: no tiene resultado que introducir.</translation>
    </message>
    <message>
        <source>Who plays in %1 is not known yet: enter the results of the ties before it first.</source>
        <translation>Aún no se sabe quién juega %1: introduzca antes los resultados de las eliminatorias anteriores.</translation>
    </message>
    <message>
        <source> Clear the later results?</source>
        <translation> ¿Borrar los resultados posteriores?</translation>
    </message>
</context>
<context>
    <name>LeagueTablePanel</name>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>P</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>PG</translation>
    </message>
    <message>
        <source>D</source>
        <translation>PE</translation>
    </message>
    <message>
        <source>L</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>F</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>GC</translation>
    </message>
    <message>
        <source>GD</source>
        <translation>DG</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
</context>
<context>
    <name>LeagueTableWindow</name>
    <message>
        <source>League Table - </source>
        <translation>Clasificación - </translation>
    </message>
    <message>
        <source>League table</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Competitors Name</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>PG</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>PE</translation>
    </message>
    <message>
        <source>For</source>
        <translation>GF</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>GC</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>DG</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Written by the Tabulon developers for clubs and leagues</source>
        <translation>Escrito por los desarrolladores de Tabulon para clubes y ligas</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Veltrix. All rights reserved.</source>
        <translation>Copyright (C) 2026 Veltrix. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Tournament not saved.  Are you sure you want to exit</source>
        <translation>El torneo no se ha guardado.  ¿Seguro que quiere salir?</translation>
    </message>
    <message>
        <source>Close Tournament</source>
        <translation>Cerrar torneo</translation>
    </message>
    <message>
        <source>Group windows</source>
        <translation>Ventanas de grupo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo...</translation>
    </message>
    <message>
        <source>&amp;Generate Fixtures</source>
        <translation>Generar calen&amp;dario</translation>
    </message>
    <message>
        <source>Generate &amp;Balanced Fixtures</source>
        <translation>Generar calendario e&amp;quilibrado</translation>
    </message>
    <message>
        <source>&amp;Import Results...</source>
        <translation>&amp;Importar resultados...</translation>
    </message>
    <message>
        <source>Publish &amp;Web Site...</source>
        <translation>&amp;Publicar sitio web...</translation>
    </message>
    <message>
        <source>&amp;Points Adjustments...</source>
        <translation>Ajustes de pun&amp;tos...</translation>
    </message>
    <message>
        <source>Set Up &amp;Knockout Stage...</source>
        <translation>Configurar &amp;eliminatorias...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;League Table Panel</source>
        <translation>Panel de &amp;clasificación</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>En &amp;cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Ventanas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Tabulon</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <source>There is no open tournament!</source>
        <translation>¡No hay ningún torneo abierto!</translation>
    </message>
    <message>
        <source>No group window is active: choose the group from the Window menu.</source>
        <translation>No hay ninguna ventana de grupo activa: elija el grupo en el menú Ventana.</translation>
    </message>
    <message>
        <source>The user guide was not found at </source>
        <translation>No se encontró la guía del usuario en </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Tabulon</source>
        <translation>Acerca de Tabulon</translation>
    </message>
    <message>
        <source>Points Adjustments</source>
        <translation>Ajustes de puntos</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendario</translation>
    </message>
    <message>
        <source>Publish Web Site</source>
        <translation>Publicar sitio web</translation>
    </message>
    <message>
        <source>An Error has occurred<byte value="xd"/><byte value="xd"/></source>
        <translation>Se ha producido un error<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>¡ERROR!</translation>
    </message>
    <message>
        <source>Export Calendar ...</source>
        <translation>Exportar calendario ...</translation>
    </message>
    <message>
        <source>The knockout stage has no dates: set it up again with the date of its first games to export its calendar.</source>
        <translation>Las eliminatorias no tienen fechas: configúrelas de nuevo con la fecha de sus primeros partidos para exportar su calendario.</translation>
    </message>
    <message>
        <source>Publish Web Site ...</source>
        <translation>Publicar sitio web ...</translation>
    </message>
    <message>
        <source>File Input Error</source>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>Tournament Files (*.trn)</source>
        <translation>Archivos de torneo (*.trn)</translation>
    </message>
    <message>
        <source>Save Tournament ...</source>
        <translation>Guardar torneo ...</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>Otro programa ha cambiado %1 desde que lo abrió. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>File Does Not Exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>%1 is open in another Tabulon window. Open it read-only?</source>
        <translation>%1 está abierto en otra ventana de Tabulon. ¿Abrirlo en solo lectura?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1 no longer exists, so it has been taken off the list of recent tournaments.</source>
        <translation>%1 ya no existe, así que se ha quitado de la lista de torneos recientes.</translation>
    </message>
    <message>
        <source>Generation Error</source>
        <translation>Error de generación</translation>
    </message>
    <message>
        <source>Error Generating Fixtures</source>
        <translation>Error al generar el calendario</translation>
    </message>
    <message>
        <source>Cannot create fixtures unless</source>
        <translation>No se puede generar el calendario salvo</translation>
    </message>
    <message>
        <source>fixture list is empty.</source>
        <translation>si la lista de partidos está vacía.</translation>
    </message>
    <message>
        <source>Cannot create fixtures for a group</source>
        <translation>No se puede generar el calendario de un grupo</translation>
    </message>
    <message>
        <source>with fewer than two teams.</source>
        <translation>con menos de dos equipos.</translation>
    </message>
    <message>
        <source>Group %1 should have %2 teams but lists %3 team names.</source>
        <translation>El grupo %1 debería tener %2 equipos, pero tiene %3 nombres de equipo.</translation>
    </message>
    <message>
        <source>Do you want home and away fixtures</source>
        <translation>¿Quiere partidos de ida y vuelta?</translation>
    </message>
    <message>
        <source>Home &amp; Away</source>
        <translation>Ida y vuelta</translation>
    </message>
    <message>
        <source>Select the start date</source>
        <translation>Elija la fecha de inicio</translation>
    </message>
    <message>
        <source>Enter the default number of days between fixtures (e.g. 7)</source>
        <translation>Escriba el número habitual de días entre jornadas (p. ej., 7)</translation>
    </message>
    <message>
        <source>Fixture Gap</source>
        <translation>Días entre jornadas</translation>
    </message>
    <message>
        <source>Type mismatch: a gap of &quot;%1&quot; is not a number of days.</source>
        <translation>Tipo incorrecto: un intervalo de «%1» no es un número de días.</translation>
    </message>
    <message>
        <source>Overflow: a gap of &quot;%1&quot; days is beyond %2 days.</source>
        <translation>Desbordamiento: un intervalo de «%1» días supera los %2 días.</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import Results ...</source>
        <translation>Importar resultados ...</translation>
    </message>
    <message>
        <source>%1 cannot be imported; nothing was added:</source>
        <translation>%1 no se puede importar; no se ha añadido nada:</translation>
    </message>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>Configurar eliminatorias</translation>
    </message>
    <message>
        <source>The knockout stage has results. Setting it up again replaces it and its results. Do you want to go on?</source>
        <translation>Las eliminatorias tienen resultados. Configurarlas de nuevo las sustituye junto con sus resultados. ¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel this tournament</source>
        <translation>¿Seguro que quiere cancelar este torneo?</translation>
    </message>
    <message>
        <source>Cancel Tournament</source>
        <translation>Cancelar torneo</translation>
    </message>
    <message>
        <source>Add Teams to </source>
        <translation>Añadir equipos a </translation>
    </message>
    <message>
        <source>Enter Team </source>
        <translation>Escriba el equipo </translation>
    </message>
    <message>
        <source>The recovery folder %1 is a link to another place, so Tabulon does not use it. This time, unsaved work will not be kept safe from a crash.</source>
        <translation>La carpeta de recuperación %1 es un enlace a otro lugar, así que Tabulon no la usa. Esta vez, el trabajo sin guardar no estará a salvo de un fallo.</translation>
    </message>
    <message>
        <source>Unsaved changes left by a Tabulon that was not closed properly cannot be recovered:<byte value="xd"/>%1<byte value="xd"/>The copy is kept as %2.</source>
        <translation>No se pueden recuperar los cambios sin guardar de un Tabulon que no se cerró correctamente:<byte value="xd"/>%1<byte value="xd"/>La copia se conserva como %2.</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>aún sin guardar</translation>
    </message>
    <message>
        <source>Tabulon was not closed properly. Recover the unsaved changes to %1 (%2)?</source>
        <translation>Tabulon no se cerró correctamente. ¿Recuperar los cambios sin guardar de %1 (%2)?</translation>
    </message>
    <message>
        <source>Open Tournament ... </source>
        <translation>Abrir torneo ... </translation>
    </message>
    <message>
        <source>Exported 1 game to %1</source>
        <translation>1 partido exportado a %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n games to %1</source>
        <translation>
            <numerusform>%n partido exportado a %1</numerusform>
            <numerusform>%n partidos exportados a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Published 1 page to %1</source>
        <translation>1 página publicada en %1</translation>
    </message>
    <message numerus="yes">
        <source>Published %n pages to %1</source>
        <translation>
            <numerusform>%n página publicada en %1</numerusform>
            <numerusform>%n páginas publicadas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Share &amp;Live Page...</source>
        <translation>Compartir página en &amp;vivo...</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>Página en vivo</translation>
    </message>
    <message>
        <source>The live page was not updated: %1</source>
        <translation>La página en vivo no se actualizó: %1</translation>
    </message>
    <message>
        <source>Share Live Page</source>
        <translation>Compartir página en vivo</translation>
    </message>
    <message>
        <source>Live page at %1</source>
        <translation>Página en vivo en %1</translation>
    </message>
    <message>
        <source>tabulon-help.html</source>
        <extracomment>The file name of the user guide written in this language, beside the English one.</extracomment>
        <translation>tabulon-help_es.html</translation>
    </message>
    <message>
        <source>Plan the &amp;Day...</source>
        <translation>Planificar la &amp;jornada...</translation>
    </message>
    <message>
        <source>T&amp;imetable</source>
        <translation>&amp;Horario</translation>
    </message>
    <message>
        <source>Plan the Day</source>
        <translation>Planificar la jornada</translation>
    </message>
    <message>
        <source>The day is planned already. Planning it again gives every game not yet played a new time and pitch. Do you want to go on?</source>
        <translation>La jornada ya está planificada. Planificarla de nuevo da a cada partido aún no jugado una nueva hora y un nuevo campo. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>&amp;Export Calendar...</source>
        <translation>Exportar ca&amp;lendario...</translation>
    </message>
</context>
<context>
    <name>MoveCheck</name>
    <message>
        <source>%1 plays %2 on %3 at %4.</source>
        <translation>%1 juega contra %2 en %3 a las %4.</translation>
    </message>
    <message>
        <source>%1 needs %2 minutes&apos; rest after its game at %3.</source>
        <translation>%1 necesita %2 minutos de descanso después de su partido de las %3.</translation>
    </message>
    <message>
        <source>%1 needs %2 minutes&apos; rest before its game at %3.</source>
        <translation>%1 necesita %2 minutos de descanso antes de su partido de las %3.</translation>
    </message>
    <message>
        <source>%1, leg %2</source>
        <translation>%1, partido %2</translation>
    </message>
    <message>
        <source>The tournament has no timetable.</source>
        <translation>El torneo no tiene horario.</translation>
    </message>
    <message>
        <source>%1 is not a day of the timetable.</source>
        <translation>%1 no es un día del horario.</translation>
    </message>
    <message>
        <source>The timetable has no pitch %1.</source>
        <translation>El horario no tiene campo %1.</translation>
    </message>
    <message>
        <source>A knockout game lasts %1 minutes.</source>
        <translation>Un partido de eliminatoria dura %1 minutos.</translation>
    </message>
    <message>
        <source>A group game lasts %1 minutes.</source>
        <translation>Un partido de grupo dura %1 minutos.</translation>
    </message>
    <message>
        <source>%1 is before the first kick-off at %2.</source>
        <translation>%1 es antes del primer saque a las %2.</translation>
    </message>
    <message>
        <source>A game at %1 ends at %2, after the last finish at %3.</source>
        <translation>Un partido a las %1 termina a las %2, después del último final a las %3.</translation>
    </message>
    <message>
        <source>%1 lies in the break %2.</source>
        <translation>%1 cae en la pausa %2.</translation>
    </message>
    <message>
        <source>A game at %1 runs into the break %2.</source>
        <translation>Un partido a las %1 se mete en la pausa %2.</translation>
    </message>
    <message>
        <source>%1 holds %2, %3 v %4 at %5.</source>
        <translation>%1 tiene %2, %3 contra %4 a las %5.</translation>
    </message>
    <message>
        <source>%1 plays only between %2 and %3.</source>
        <translation>%1 solo juega entre las %2 y las %3.</translation>
    </message>
    <message>
        <source>A group game must end by the first knockout game at %1.</source>
        <translation>Un partido de grupo debe terminar antes del primer partido de eliminatoria a las %1.</translation>
    </message>
    <message>
        <source>A knockout game cannot start before the group games end at %1.</source>
        <translation>Un partido de eliminatoria no puede empezar antes de que terminen los partidos de grupo a las %1.</translation>
    </message>
</context>
<context>
    <name>PlanDayDialog</name>
    <message>
        <source>Pitches, one a line, or their number</source>
        <translation>Campos, uno por línea, o su número</translation>
    </message>
    <message>
        <source>&amp;Pitches (one a line, or a number):</source>
        <translation>Ca&amp;mpos (uno por línea o un número):</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>First &amp;day:</source>
        <translation>&amp;Primer día:</translation>
    </message>
    <message>
        <source>Second day, if any</source>
        <translation>Segundo día, si lo hay</translation>
    </message>
    <message>
        <source>Second da&amp;y (if any):</source>
        <translation>Segun&amp;do día (si lo hay):</translation>
    </message>
    <message>
        <source>First kick-off</source>
        <translation>Primer saque</translation>
    </message>
    <message>
        <source>First &amp;kick-off:</source>
        <translation>Primer sa&amp;que:</translation>
    </message>
    <message>
        <source>Last finish</source>
        <translation>Último final</translation>
    </message>
    <message>
        <source>&amp;Last finish:</source>
        <translation>Último &amp;final:</translation>
    </message>
    <message>
        <source>Minutes of a group game</source>
        <translation>Minutos de un partido de grupo</translation>
    </message>
    <message>
        <source>&amp;Group game (minutes):</source>
        <translation>Partido de &amp;grupo (minutos):</translation>
    </message>
    <message>
        <source>Minutes of a knockout game</source>
        <translation>Minutos de un partido de eliminatoria</translation>
    </message>
    <message>
        <source>Knockout ga&amp;me (minutes):</source>
        <translation>Partido de &amp;eliminatoria (minutos):</translation>
    </message>
    <message>
        <source>Minutes of changeover between games</source>
        <translation>Minutos de cambio entre partidos</translation>
    </message>
    <message>
        <source>C&amp;hangeover (minutes):</source>
        <translation>Cam&amp;bio (minutos):</translation>
    </message>
    <message>
        <source>Least rest of a team, in minutes</source>
        <translation>Descanso mínimo de un equipo, en minutos</translation>
    </message>
    <message>
        <source>Least &amp;rest (minutes):</source>
        <translation>Descanso mín&amp;imo (minutos):</translation>
    </message>
    <message>
        <source>Breaks, one a line, such as 12:30-13:00</source>
        <translation>Pausas, una por línea, como 12:30-13:00</translation>
    </message>
    <message>
        <source>&amp;Breaks (one a line, 12:30-13:00):</source>
        <translation>Pa&amp;usas (una por línea, 12:30-13:00):</translation>
    </message>
    <message>
        <source>Team that can only play within certain hours</source>
        <translation>Equipo que solo puede jugar en ciertas horas</translation>
    </message>
    <message>
        <source>The team&apos;s hours</source>
        <translation>Las horas del equipo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>Add the team&apos;s hours</source>
        <translation>Añadir las horas del equipo</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Elimi&amp;nar</translation>
    </message>
    <message>
        <source>Remove the chosen team&apos;s hours</source>
        <translation>Eliminar las horas del equipo elegido</translation>
    </message>
    <message>
        <source>Hour&amp;s:</source>
        <translation>Hora&amp;s:</translation>
    </message>
    <message>
        <source>Team with ho&amp;urs:</source>
        <translation>Equipo con &amp;horario:</translation>
    </message>
    <message>
        <source>Teams with hours</source>
        <translation>Equipos con horario</translation>
    </message>
    <message>
        <source>Teams &amp;with hours:</source>
        <translation>&amp;Lista de horarios:</translation>
    </message>
    <message>
        <source>Knockout template file, if any</source>
        <translation>Archivo de plantilla de eliminatoria, si lo hay</translation>
    </message>
    <message>
        <source>Choose &amp;File...</source>
        <translation>Elegir archi&amp;vo...</translation>
    </message>
    <message>
        <source>Choose the template</source>
        <translation>Elegir la plantilla</translation>
    </message>
    <message>
        <source>Knockout &amp;template (if any):</source>
        <translation>Plan&amp;tilla de eliminatoria (si la hay):</translation>
    </message>
    <message>
        <source>Th&amp;ird-place match</source>
        <translation>Partido por el tercer puest&amp;o</translation>
    </message>
    <message>
        <source>Third-place match</source>
        <translation>Partido por el tercer puesto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Plan the Day</source>
        <translation>Planificar la jornada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no span of hours: type it as 10:00-14:00.</source>
        <translation>«%1» no es un intervalo de horas: escríbalo como 10:00-14:00.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Knockout Template</source>
        <translation>Plantilla de eliminatoria</translation>
    </message>
    <message>
        <source>Name the pitches, one a line, or type how many there are.</source>
        <translation>Nombre los campos, uno por línea, o escriba cuántos hay.</translation>
    </message>
    <message>
        <source>Each pitch needs a name of its own.</source>
        <translation>Cada campo necesita un nombre propio.</translation>
    </message>
    <message>
        <source>The second day must come after the first.</source>
        <translation>El segundo día debe ser posterior al primero.</translation>
    </message>
    <message>
        <source>The last finish must come after the first kick-off.</source>
        <translation>El último final debe ser posterior al primer saque.</translation>
    </message>
    <message>
        <source>The break &quot;%1&quot; is no span of time: type each break as 12:30-13:00.</source>
        <translation>La pausa «%1» no es un intervalo de tiempo: escriba cada pausa como 12:30-13:00.</translation>
    </message>
</context>
<context>
    <name>PointsAdjustmentsDialog</name>
    <message>
        <source>Points Adjustments</source>
        <translation>Ajustes de puntos</translation>
    </message>
    <message>
        <source>Points adjustments of the group</source>
        <translation>Ajustes de puntos del grupo</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>&amp;Team</source>
        <translation>&amp;Equipo</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Puntos</translation>
    </message>
    <message>
        <source>Points, negative for a deduction</source>
        <translation>Puntos, negativos para una sanción</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Motivo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Add adjustment</source>
        <translation>Añadir ajuste</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Cam&amp;biar</translation>
    </message>
    <message>
        <source>Change adjustment</source>
        <translation>Cambiar ajuste</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove adjustment</source>
        <translation>Quitar ajuste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>An adjustment of 0 points is none: Remove takes one away.</source>
        <translation>Un ajuste de 0 puntos no es ninguno: Quitar elimina uno.</translation>
    </message>
    <message>
        <source>Choose the adjustment of %1 to change or remove in the table.</source>
        <translation>Elija en la tabla el ajuste de %1 que quiere cambiar o quitar.</translation>
    </message>
    <message>
        <source>%1 has no points adjustment to change or remove.</source>
        <translation>%1 no tiene ningún ajuste de puntos que cambiar o quitar.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>File Exists.  Overwrite ?</source>
        <translation>El archivo existe.  ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>RecordLines</name>
    <message>
        <source>the score &quot;%1&quot; is not a whole number</source>
        <translation>el resultado «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the number &quot;%1&quot; does not fit 16 bits</source>
        <translation>el número «%1» no cabe en 16 bits</translation>
    </message>
    <message>
        <source>team %1 plays itself</source>
        <translation>el equipo %1 juega contra sí mismo</translation>
    </message>
    <message>
        <source>the line begins with neither &quot;F:&quot; nor &quot;R:&quot;</source>
        <translation>la línea no empieza por «F:» ni por «R:»</translation>
    </message>
    <message>
        <source>the line has too many fields</source>
        <translation>la línea tiene demasiados campos</translation>
    </message>
    <message>
        <source>the line has too few fields</source>
        <translation>la línea tiene muy pocos campos</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is not a number.</source>
        <translation>El resultado «%1» no es un número.</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is negative: scores run from 0 to 32767.</source>
        <translation>El resultado «%1» es negativo: los resultados van de 0 a 32767.</translation>
    </message>
    <message>
        <source>The score &quot;%1&quot; is too large: scores run from 0 to 32767.</source>
        <translation>El resultado «%1» es demasiado grande: los resultados van de 0 a 32767.</translation>
    </message>
    <message>
        <source>The %1 half-time score (%2) is more than the full-time score (%3).</source>
        <translation>El resultado al descanso (%1, %2) es mayor que el final (%3).</translation>
    </message>
    <message>
        <source>The %1 is not valid.<byte value="xd"/>%2</source>
        <translation>No es válido: %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>A team name may not contain &quot;-v-&quot;: it separates the two teams of a fixture.</source>
        <translation>El nombre de un equipo no puede contener «-v-»: separa los dos equipos de un partido.</translation>
    </message>
    <message>
        <source>A team name may not hold a line break.</source>
        <translation>El nombre de un equipo no puede tener un salto de línea.</translation>
    </message>
    <message>
        <source>There is already a team called &quot;%1&quot; in %2.</source>
        <translation>Ya hay un equipo llamado «%1» en %2.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Cannot make the workbook</source>
        <translation>No se puede crear el libro</translation>
    </message>
    <message>
        <source>The cell %1%2 would hold %3 characters; a workbook cell holds at most %4</source>
        <translation>La celda %1%2 tendría %3 caracteres; una celda del libro admite como máximo %4</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Save Report ...</source>
        <translation>Guardar informe ...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>&amp;Save RTF</source>
        <translation>Guardar &amp;RTF</translation>
    </message>
    <message>
        <source>Save RTF</source>
        <translation>Guardar RTF</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save E&amp;xcel</source>
        <translation>Guardar E&amp;xcel</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Guardar Excel</translation>
    </message>
    <message>
        <source>Save &amp;HTML</source>
        <translation>Guardar &amp;HTML</translation>
    </message>
    <message>
        <source>Save HTML</source>
        <translation>Guardar HTML</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>An Error has occurred<byte value="xd"/><byte value="xd"/></source>
        <translation>Se ha producido un error<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>¡ERROR!</translation>
    </message>
    <message>
        <source>RTF Files (*.rtf)</source>
        <translation>Archivos RTF (*.rtf)</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>No se pudo imprimir el informe en %1.</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Archivos de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>HTML Document (*.htm)</source>
        <translation>Documento HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>ResultEditDialog</name>
    <message>
        <source>Edit Result</source>
        <translation>Editar resultado</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Teams column</source>
        <translation>Columna de equipos</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>Desc</translation>
    </message>
    <message>
        <source>Half-time column</source>
        <translation>Columna del descanso</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Full-time column</source>
        <translation>Columna del final</translation>
    </message>
    <message>
        <source>Home team</source>
        <translation>Equipo local</translation>
    </message>
    <message>
        <source>Home half-time score</source>
        <translation>Goles del local al descanso</translation>
    </message>
    <message>
        <source>Home full-time score</source>
        <translation>Goles del local al final</translation>
    </message>
    <message>
        <source>Away team</source>
        <translation>Equipo visitante</translation>
    </message>
    <message>
        <source>Away half-time score</source>
        <translation>Goles del visitante al descanso</translation>
    </message>
    <message>
        <source>Away full-time score</source>
        <translation>Goles del visitante al final</translation>
    </message>
    <message>
        <source>Home team number</source>
        <translation>Número del equipo local</translation>
    </message>
    <message>
        <source>Away team number</source>
        <translation>Número del equipo visitante</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Are you sure you want to make this change</source>
        <translation>¿Seguro que quiere hacer este cambio?</translation>
    </message>
    <message>
        <source>Change Result</source>
        <translation>Cambiar resultado</translation>
    </message>
</context>
<context>
    <name>ResultImport</name>
    <message>
        <source>The file is empty; it needs a header row naming its columns.</source>
        <translation>El archivo está vacío; necesita una fila de cabecera que nombre sus columnas.</translation>
    </message>
    <message>
        <source>The header names this column twice.</source>
        <translation>La cabecera nombra esta columna dos veces.</translation>
    </message>
    <message>
        <source>The header names no such column.</source>
        <translation>No existe esa columna.</translation>
    </message>
    <message>
        <source>No team is named.</source>
        <translation>No se nombra ningún equipo.</translation>
    </message>
    <message>
        <source>The cell holds a line break.</source>
        <translation>La celda tiene un salto de línea.</translation>
    </message>
    <message>
        <source>No date is given.</source>
        <translation>No se da ninguna fecha.</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3.</source>
        <translation>%1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>A team cannot play itself.</source>
        <translation>Un equipo no puede jugar contra sí mismo.</translation>
    </message>
    <message>
        <source>Only one of the two full-time scores is given.</source>
        <translation>Solo se da uno de los dos resultados finales.</translation>
    </message>
    <message>
        <source>A half-time score is given without the full-time score.</source>
        <translation>Se da un resultado al descanso sin el resultado final.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>, column </source>
        <translation>, columna </translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>, half-time %1-%2</source>
        <translation>, al descanso %1-%2</translation>
    </message>
    <message>
        <source> with no half-time score</source>
        <translation> sin resultado al descanso</translation>
    </message>
    <message>
        <source>; the file has </source>
        <translation>; el archivo tiene </translation>
    </message>
    <message>
        <source>%1 v %2</source>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>%1 on %2 is already entered as %3</source>
        <translation>%1 el %2 ya está introducido como %3</translation>
    </message>
    <message>
        <source>%1 already played on %2 (%3)</source>
        <translation>%1 ya se jugó el %2 (%3)</translation>
    </message>
    <message>
        <source>1 row was already entered</source>
        <translation>1 fila ya estaba introducida</translation>
    </message>
    <message>
        <source>%1 rows were already entered</source>
        <translation>%1 filas ya estaban introducidas</translation>
    </message>
    <message>
        <source>1 row was left out</source>
        <translation>1 fila se dejó fuera</translation>
    </message>
    <message>
        <source>%1 rows were left out</source>
        <translation>%1 filas se dejaron fuera</translation>
    </message>
    <message>
        <source>Added %1 to %2</source>
        <translation>Se añadieron %1 a %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Replaced %1 of %2 with %3</source>
        <translation>Se sustituyeron %1 de %2 por %3</translation>
    </message>
    <message>
        <source>its result</source>
        <translation>su resultado</translation>
    </message>
    <message>
        <source>their results</source>
        <translation>sus resultados</translation>
    </message>
    <message>
        <source>replaced </source>
        <translation>sustituidos: </translation>
    </message>
    <message>
        <source>The file holds no fixtures or results; nothing was added to %1.</source>
        <translation>El archivo no tiene partidos ni resultados; no se añadió nada a %1.</translation>
    </message>
    <message>
        <source>Nothing was added to %1: %2.</source>
        <translation>No se añadió nada a %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>The group would hold more than %1 lines.</source>
        <translation>El grupo tendría más de %1 líneas.</translation>
    </message>
</context>
<context>
    <name>ResultsTableModel</name>
    <message>
        <source>%1 %2 v %3</source>
        <translation>%1 %2 contra %3</translation>
    </message>
    <message>
        <source>, half-time </source>
        <translation>, al descanso </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>HT</source>
        <translation>Desc</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time: type the kick-off as HH:MM, such as 10:25.</source>
        <translation>«%1» no es una hora: escriba el saque como HH:MM, por ejemplo 10:25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pitch of the timetable: type its name or its number, 1 to %2.</source>
        <translation>«%1» no es un campo del horario: escriba su nombre o su número, de 1 a %2.</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>first leg</source>
        <translation>primera vuelta</translation>
    </message>
    <message>
        <source>second leg</source>
        <translation>segunda vuelta</translation>
    </message>
    <message>
        <source>A group needs at least two teams to have fixtures; this one has %1.</source>
        <translation>Un grupo necesita al menos dos equipos para tener calendario; este tiene %1.</translation>
    </message>
    <message>
        <source>A schedule has one or two legs, not %1.</source>
        <translation>Un calendario tiene una o dos vueltas, no %1.</translation>
    </message>
    <message>
        <source>The start date must lie between %1 and %2.</source>
        <translation>La fecha de inicio debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>%1 teams make %2 fixtures %3; with the %4 lines already stored that is more than the %5 lines a group can hold.</source>
        <translation>%1 equipos dan %2 partidos %3; con las %4 líneas ya guardadas son más de las %5 líneas que admite un grupo.</translation>
    </message>
    <message>
        <source>home and away</source>
        <translation>a ida y vuelta</translation>
    </message>
    <message>
        <source>in one leg</source>
        <translation>a una vuelta</translation>
    </message>
    <message>
        <source>Overflow: round %1 times the gap of %2 days is %3 days, beyond the %4 days a round can lie from the start.</source>
        <translation>Desbordamiento: la jornada %1 por un intervalo de %2 días da %3 días, más de los %4 días que una jornada puede distar del inicio.</translation>
    </message>
    <message>
        <source>Round %1 of the %2 would fall %3 days from %4, outside the dates %5 to %6.</source>
        <translation>La jornada %1 de la %2 caería %3 días después del %4, fuera de las fechas %5 a %6.</translation>
    </message>
</context>
<context>
    <name>ScoreDelegate</name>
    <message>
        <source>Full-time score</source>
        <translation>Resultado final</translation>
    </message>
    <message>
        <source>Half-time score</source>
        <translation>Resultado al descanso</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Kick-off time</source>
        <translation>Hora del saque</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>SeasonFromCsv</name>
    <message>
        <source>A group needs 2 to %1 teams; the file names %2.</source>
        <translation>Un grupo necesita de 2 a %1 equipos; el archivo nombra %2.</translation>
    </message>
</context>
<context>
    <name>ShareLiveDialog</name>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Solo este ordenador (127.0.0.1)</translation>
    </message>
    <message>
        <source>%1 (%2, readable by anyone on that network)</source>
        <translation>%1 (%2, legible para cualquiera en esa red)</translation>
    </message>
    <message>
        <source>Share Live Page</source>
        <translation>Compartir página en vivo</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Dirección de red</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>A page on a network address can be read by anyone on that network. It shows results only; nobody can change anything through it.</source>
        <translation>Una página en una dirección de red la puede leer cualquiera en esa red. Solo muestra resultados; nadie puede cambiar nada a través de ella.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Live page address</source>
        <translation>Dirección de la página en vivo</translation>
    </message>
    <message>
        <source>QR code of the live page address</source>
        <translation>Código QR de la dirección de la página en vivo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SlotText</name>
    <message>
        <source>a slot is a date, a kick-off, an end and a pitch</source>
        <translation>un horario es una fecha, un saque inicial, un final y un campo</translation>
    </message>
    <message>
        <source>the date is not written as YYYY-MM-DD</source>
        <translation>la fecha no está escrita como AAAA-MM-DD</translation>
    </message>
    <message>
        <source>the kick-off and end are not two times, in order</source>
        <translation>el saque inicial y el final no son dos horas en orden</translation>
    </message>
    <message>
        <source>there is no pitch %1</source>
        <translation>no hay campo %1</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>No tournament open</source>
        <translation>Ningún torneo abierto</translation>
    </message>
    <message>
        <source>No tournament is open. Start a new tournament, or open a tournament file.</source>
        <translation>No hay ningún torneo abierto. Empiece un torneo nuevo o abra un archivo de torneo.</translation>
    </message>
    <message>
        <source>&amp;New Tournament...</source>
        <translation>&amp;Nuevo torneo...</translation>
    </message>
    <message>
        <source>New Tournament</source>
        <translation>Nuevo torneo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Recent tournaments:</source>
        <translation>Torneos recientes:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
</context>
<context>
    <name>TaggedReportFile</name>
    <message>
        <source>Cannot write the report file %1: %2.</source>
        <translation>No se puede escribir el archivo de informe %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the report file: every name from %1 on is taken in %2.</source>
        <translation>No se puede escribir el archivo de informe: todos los nombres desde %1 están ocupados en %2.</translation>
    </message>
</context>
<context>
    <name>TempDatabase</name>
    <message>
        <source>The temporary database &quot;%1&quot; is damaged (%2).<byte value="xd"/>To restore it, close Tabulon and delete that file: Tabulon makes a new one when it starts again.</source>
        <translation>La base de datos temporal «%1» está dañada (%2).<byte value="xd"/>Cierre Tabulon y borre ese archivo: Tabulon creará uno nuevo al volver a empezar.</translation>
    </message>
</context>
<context>
    <name>TieDescription</name>
    <message>
        <source>Loser </source>
        <translation>Perdedor </translation>
    </message>
    <message>
        <source>Winner </source>
        <translation>Ganador </translation>
    </message>
    <message>
        <source>agg. %1-%2</source>
        <translation>global %1-%2</translation>
    </message>
    <message>
        <source>a.e.t. </source>
        <translation>prór. </translation>
    </message>
    <message>
        <source>pens </source>
        <translation>pen. </translation>
    </message>
    <message>
        <source>, bye</source>
        <translation>, pase directo</translation>
    </message>
    <message>
        <source>, to be played</source>
        <translation>, por jugar</translation>
    </message>
    <message>
        <source> on aggregate</source>
        <translation> en el global</translation>
    </message>
    <message>
        <source> in the first leg, second leg to be played</source>
        <translation> en la ida, vuelta por jugar</translation>
    </message>
    <message>
        <source> after extra time</source>
        <translation> tras la prórroga</translation>
    </message>
    <message>
        <source>, %1 won on penalties %2-%3</source>
        <translation>, %1 ganó en los penaltis %2-%3</translation>
    </message>
    <message>
        <source>, %1 won on away goals</source>
        <translation>, %1 ganó por los goles de visitante</translation>
    </message>
    <message>
        <source>bye</source>
        <translation>pase directo</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Leg %1: %2</source>
        <translation>Partido %1: %2</translation>
    </message>
    <message>
        <source>, leg %1 %2 at %3 on %4</source>
        <translation>, partido %1 %2 a las %3 en %4</translation>
    </message>
    <message>
        <source>, %1 at %2 on %3</source>
        <translation>, %1 a las %2 en %3</translation>
    </message>
</context>
<context>
    <name>TieResult</name>
    <message>
        <source>A penalty shoot-out is held only when the tie is level after extra time.</source>
        <translation>Solo hay tanda de penaltis si la eliminatoria está empatada tras la prórroga.</translation>
    </message>
    <message>
        <source>A tie is played in one game or in two legs.</source>
        <translation>Una eliminatoria se juega a partido único o a ida y vuelta.</translation>
    </message>
    <message>
        <source>A score cannot be negative.</source>
        <translation>Un resultado no puede ser negativo.</translation>
    </message>
    <message>
        <source>Extra time is played only when the tie is level after full time.</source>
        <translation>Solo hay prórroga si la eliminatoria está empatada al final del tiempo reglamentario.</translation>
    </message>
    <message>
        <source>The tie is level after full time: enter the score after extra time.</source>
        <translation>La eliminatoria está empatada al final del tiempo reglamentario: introduzca el resultado tras la prórroga.</translation>
    </message>
    <message>
        <source>The score after extra time cannot be lower than the full-time score.</source>
        <translation>El resultado tras la prórroga no puede ser menor que el del tiempo reglamentario.</translation>
    </message>
    <message>
        <source>The tie is level after extra time: enter the penalty shoot-out.</source>
        <translation>La eliminatoria está empatada tras la prórroga: introduzca la tanda de penaltis.</translation>
    </message>
    <message>
        <source>A penalty shoot-out cannot end level.</source>
        <translation>Una tanda de penaltis no puede acabar en empate.</translation>
    </message>
</context>
<context>
    <name>TieResultDialog</name>
    <message>
        <source>Tie Result</source>
        <translation>Resultado de la eliminatoria</translation>
    </message>
    <message>
        <source>home-away</source>
        <translation>local-visitante</translation>
    </message>
    <message>
        <source>%1: %2 v %3</source>
        <translation>%1: %2 contra %3</translation>
    </message>
    <message>
        <source>%1 v %2</source>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>&amp;Full time, %1:</source>
        <translation>Resultado &amp;final, %1:</translation>
    </message>
    <message>
        <source>Full-time score, %1</source>
        <translation>Resultado final, %1</translation>
    </message>
    <message>
        <source>&amp;First leg, %1:</source>
        <translation>&amp;Ida, %1:</translation>
    </message>
    <message>
        <source>First leg score, %1</source>
        <translation>Resultado de la ida, %1</translation>
    </message>
    <message>
        <source>&amp;Second leg, %1:</source>
        <translation>&amp;Vuelta, %1:</translation>
    </message>
    <message>
        <source>Second leg score, %1</source>
        <translation>Resultado de la vuelta, %1</translation>
    </message>
    <message>
        <source>After &amp;extra time:</source>
        <translation>Tras la &amp;prórroga:</translation>
    </message>
    <message>
        <source>Score after extra time, that game&apos;s total</source>
        <translation>Resultado tras la prórroga, total de ese partido</translation>
    </message>
    <message>
        <source>&amp;Penalties:</source>
        <translation>P&amp;enaltis:</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Tanda de penaltis</translation>
    </message>
    <message>
        <source>Scores are the home team&apos;s goals first, as in &quot;2-1&quot;. Extra time and penalties belong to the last game; leave them empty when not played.</source>
        <translation>Los resultados dan primero los goles del local, como en «2-1». La prórroga y los penaltis son del último partido; déjelos vacíos si no se jugaron.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>C&amp;lear Result</source>
        <translation>&amp;Borrar resultado</translation>
    </message>
    <message>
        <source>Clear Result</source>
        <translation>Borrar resultado</translation>
    </message>
    <message>
        <source>Enter the %1 as the home team&apos;s goals, a dash and the away team&apos;s goals, such as 2-1.</source>
        <translation>Escriba %1 como los goles del local, un guion y los goles del visitante, por ejemplo 2-1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no score: type the home team&apos;s goals, a dash and the away team&apos;s goals, such as 2-1.</source>
        <translation>«%1» no es un resultado: escriba los goles del local, un guion y los goles del visitante, por ejemplo 2-1.</translation>
    </message>
    <message>
        <source>Extra time and penalties belong to the second leg: enter its score too.</source>
        <translation>La prórroga y los penaltis son de la vuelta: introduzca también su resultado.</translation>
    </message>
</context>
<context>
    <name>TieResultText</name>
    <message>
        <source>a score is two whole numbers from 0 to %1, as &quot;2-1&quot;</source>
        <translation>un resultado son dos números enteros de 0 a %1, como «2-1»</translation>
    </message>
</context>
<context>
    <name>TimetableSheets</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Group or tie</source>
        <translation>Grupo o eliminatoria</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
</context>
<context>
    <name>TimetableWindow</name>
    <message>
        <source>Move Game</source>
        <translation>Mover partido</translation>
    </message>
    <message>
        <source>Timetable</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>The day is not planned yet: choose File &gt; Plan the Day to give the games their times and pitches.</source>
        <translation>La jornada aún no está planificada: elija Archivo &gt; Planificar la jornada para dar a los partidos sus horas y campos.</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Equipo:</translation>
    </message>
    <message>
        <source>Team whose games stand out</source>
        <translation>Equipo cuyos partidos se destacan</translation>
    </message>
    <message>
        <source>Print &amp;as:</source>
        <translation>Imprimir &amp;como:</translation>
    </message>
    <message>
        <source>Print as</source>
        <translation>Imprimir como</translation>
    </message>
    <message>
        <source>A page per pitch</source>
        <translation>Una página por campo</translation>
    </message>
    <message>
        <source>A sheet per team</source>
        <translation>Una hoja por equipo</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Drag a game to another time or pitch, or select it and press Ctrl+Up or Ctrl+Down to move it 5 minutes, Ctrl+Left or Ctrl+Right to the next pitch.</source>
        <translation>Arrastre un partido a otra hora o a otro campo, o selecciónelo y pulse Ctrl+Arriba o Ctrl+Abajo para moverlo 5 minutos, Ctrl+Izquierda o Ctrl+Derecha al campo de al lado.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Todos los equipos</translation>
    </message>
    <message>
        <source>Save Timetable as PDF</source>
        <translation>Guardar el horario como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>No se pudo escribir el horario en %1.</translation>
    </message>
</context>
<context>
    <name>TournamentDetailsDialog</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Tournament Details</source>
        <translation>Datos del torneo</translation>
    </message>
    <message>
        <source>Tournament Name</source>
        <translation>Nombre del torneo</translation>
    </message>
    <message>
        <source>Tournament name</source>
        <translation>Nombre del torneo</translation>
    </message>
    <message>
        <source>AT</source>
        <translation>EN</translation>
    </message>
    <message>
        <source>Tournament Location</source>
        <translation>Lugar del torneo</translation>
    </message>
    <message>
        <source>Tournament location</source>
        <translation>Lugar del torneo</translation>
    </message>
    <message>
        <source># Groups</source>
        <translation>N.º de grupos</translation>
    </message>
    <message>
        <source>Number of groups</source>
        <translation>Número de grupos</translation>
    </message>
    <message>
        <source>1 group</source>
        <translation>1 grupo</translation>
    </message>
    <message>
        <source>Group Title</source>
        <translation>Nombre de grupo</translation>
    </message>
    <message>
        <source>Group title</source>
        <translation>Nombre de grupo</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Liguilla</translation>
    </message>
    <message>
        <source>Indicator</source>
        <translation>Indicador</translation>
    </message>
    <message>
        <source>Group labels</source>
        <translation>Indicadores de grupo</translation>
    </message>
    <message>
        <source>A, B, C, etc.</source>
        <translation>A, B, C, etc.</translation>
    </message>
    <message>
        <source>1, 2, 3, etc.</source>
        <translation>1, 2, 3, etc.</translation>
    </message>
    <message>
        <source>Premier, 1, 2, etc.</source>
        <translation>Premier, 1, 2, etc.</translation>
    </message>
    <message>
        <source># Teams in Group %1</source>
        <translation>Equipos del grupo %1</translation>
    </message>
    <message>
        <source>Number of teams in group %1</source>
        <translation>Número de equipos del grupo %1</translation>
    </message>
    <message>
        <source>SELECT LEAGUE ORDER RULES</source>
        <translation>REGLAS DE ORDEN DE LA CLASIFICACIÓN</translation>
    </message>
    <message>
        <source>Not Selected</source>
        <translation>No elegidas</translation>
    </message>
    <message>
        <source>Rules not selected</source>
        <translation>Reglas no elegidas</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Quitar regla</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Elegidas</translation>
    </message>
    <message>
        <source>Selected rules, most significant first</source>
        <translation>Reglas elegidas, la más importante primero</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>Subir la regla</translation>
    </message>
    <message>
        <source>Dn</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>Bajar la regla</translation>
    </message>
    <message>
        <source>Points for Win</source>
        <translation>Puntos por victoria</translation>
    </message>
    <message>
        <source>Points for win</source>
        <translation>Puntos por victoria</translation>
    </message>
    <message>
        <source>Points for Draw</source>
        <translation>Puntos por empate</translation>
    </message>
    <message>
        <source>Points for draw</source>
        <translation>Puntos por empate</translation>
    </message>
    <message>
        <source>1 point for a draw</source>
        <translation>1 punto por empate</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter New Group Title</source>
        <translation>Escriba el nuevo nombre de grupo</translation>
    </message>
    <message>
        <source>New Group Title</source>
        <translation>Nuevo nombre de grupo</translation>
    </message>
    <message>
        <source>Must have at least 2 teams in group</source>
        <translation>Un grupo necesita al menos 2 equipos</translation>
    </message>
    <message>
        <source>Must Enter Name of Tournament</source>
        <translation>Hay que escribir el nombre del torneo</translation>
    </message>
    <message>
        <source>Must Enter Tournament Location</source>
        <translation>Hay que escribir el lugar del torneo</translation>
    </message>
    <message>
        <source>Must Specify at least 1 Rule</source>
        <translation>Hay que elegir al menos 1 regla</translation>
    </message>
    <message>
        <source>Check Settings</source>
        <translation>Comprobar ajustes</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n grupo</numerusform>
            <numerusform>%n grupos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points for a win</source>
        <translation>
            <numerusform>%n punto por victoria</numerusform>
            <numerusform>%n puntos por victoria</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points for a draw</source>
        <translation>
            <numerusform>%n punto por empate</numerusform>
            <numerusform>%n puntos por empate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TournamentDocument</name>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Generate Fixtures</source>
        <translation>Generar calendario</translation>
    </message>
    <message>
        <source>Generate Balanced Fixtures</source>
        <translation>Generar calendario equilibrado</translation>
    </message>
    <message>
        <source>Import Results</source>
        <translation>Importar resultados</translation>
    </message>
    <message>
        <source>Add Fixture</source>
        <translation>Añadir partido</translation>
    </message>
    <message>
        <source>Add Result</source>
        <translation>Añadir resultado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Edit Result</source>
        <translation>Editar resultado</translation>
    </message>
    <message>
        <source>Edit Date</source>
        <translation>Cambiar fecha</translation>
    </message>
    <message>
        <source>Rename Team</source>
        <translation>Cambiar nombre de equipo</translation>
    </message>
    <message>
        <source>Points Adjustments</source>
        <translation>Ajustes de puntos</translation>
    </message>
    <message>
        <source>Set Up Knockout Stage</source>
        <translation>Configurar eliminatorias</translation>
    </message>
    <message>
        <source>Remove Knockout Stage</source>
        <translation>Quitar eliminatorias</translation>
    </message>
    <message>
        <source>The tournament has no knockout stage.</source>
        <translation>El torneo no tiene eliminatorias.</translation>
    </message>
    <message>
        <source>Enter Knockout Result</source>
        <translation>Introducir resultado de eliminatoria</translation>
    </message>
    <message>
        <source>Clear Knockout Result</source>
        <translation>Borrar resultado de eliminatoria</translation>
    </message>
    <message>
        <source>Move Game</source>
        <translation>Mover partido</translation>
    </message>
</context>
<context>
    <name>TournamentFile</name>
    <message>
        <source>the file ends early; this line should hold %1.</source>
        <translation>el archivo termina antes de tiempo; esta línea debería contener %1.</translation>
    </message>
    <message>
        <source>%1 is not a number; this line should hold %2.</source>
        <translation>%1 no es un número; esta línea debería contener %2.</translation>
    </message>
    <message>
        <source>%1 is %2; it must be %3.</source>
        <translation>%1 es %2; debe ser %3.</translation>
    </message>
    <message>
        <source>record line %1 of group %2</source>
        <translation>la línea de datos %1 del grupo %2</translation>
    </message>
    <message>
        <source>%1 begins with neither &quot;F:&quot; nor &quot;R:&quot;: %2.</source>
        <translation>%1 no empieza por «F:» ni por «R:»: %2.</translation>
    </message>
    <message>
        <source>%1 has %2 fields after its date; a %3 has %4: %5.</source>
        <translation>%1 tiene %2 campos tras su fecha; un %3 tiene %4: %5.</translation>
    </message>
    <message>
        <source>%1 has no readable date: %2.</source>
        <translation>%1 no tiene una fecha legible: %2.</translation>
    </message>
    <message>
        <source>group %1 has no team names</source>
        <translation>el grupo %1 no tiene nombres de equipo</translation>
    </message>
    <message>
        <source>group %1 has %2 team names (numbers 0 to %3)</source>
        <translation>el grupo %1 tiene %2 nombres de equipo (números 0 a %3)</translation>
    </message>
    <message>
        <source>%1 names team %2, but %3.</source>
        <translation>%1 nombra el equipo %2, pero %3.</translation>
    </message>
    <message>
        <source>last group&apos;s record lines</source>
        <translation>las líneas de datos del último grupo</translation>
    </message>
    <message>
        <source>points adjustments</source>
        <translation>ajustes de puntos</translation>
    </message>
    <message>
        <source>knockout stage</source>
        <translation>eliminatorias</translation>
    </message>
    <message>
        <source>text follows the %1: %2.</source>
        <translation>hay texto después de %1: %2.</translation>
    </message>
    <message>
        <source>knockout place %1 names group %2, but the tournament has %3.</source>
        <translation>el puesto %1 de las eliminatorias nombra el grupo %2, pero el torneo tiene %3.</translation>
    </message>
    <message>
        <source>knockout place %1 names team %2, which %3 does not have.</source>
        <translation>el puesto %1 de las eliminatorias nombra el equipo %2, que %3 no tiene.</translation>
    </message>
    <message>
        <source>a bye</source>
        <translation>un pase directo</translation>
    </message>
    <message>
        <source>a seeded list</source>
        <translation>una lista ordenada</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>el grupo %1</translation>
    </message>
    <message>
        <source>knockout place %1 names %2, but team %3 of group %4 is %5.</source>
        <translation>el puesto %1 de las eliminatorias nombra a %2, pero el equipo %3 del grupo %4 es %5.</translation>
    </message>
    <message>
        <source>knockout place %1 is a bye, but it names %2.</source>
        <translation>el puesto %1 de las eliminatorias es un pase directo, pero nombra a %2.</translation>
    </message>
    <message>
        <source>the team in knockout place %1 has no name.</source>
        <translation>el equipo del puesto %1 de las eliminatorias no tiene nombre.</translation>
    </message>
    <message>
        <source>the knockout stage has %1 places; a bracket has 2, 4, 8, 16, 32 or 64.</source>
        <translation>las eliminatorias tienen %1 puestos; un cuadro tiene 2, 4, 8, 16, 32 o 64.</translation>
    </message>
    <message>
        <source>knockout place %1 holds %2, as knockout place %3 does: a team has one place in the bracket.</source>
        <translation>el puesto %1 de las eliminatorias tiene a %2, igual que el puesto %3: un equipo tiene un solo puesto en el cuadro.</translation>
    </message>
    <message>
        <source>%1 is no date; this line should hold the knockout stage&apos;s start date as YYYY-MM-DD, or nothing.</source>
        <translation>%1 no es una fecha; esta línea debería tener la fecha de inicio de las eliminatorias como AAAA-MM-DD, o nada.</translation>
    </message>
    <message>
        <source>knockout result %1, %2, is no tie code and result: %3</source>
        <translation>el resultado de eliminatoria %1, %2, no es un código de eliminatoria con resultado: %3</translation>
    </message>
    <message>
        <source>the result is missing.</source>
        <translation>falta el resultado.</translation>
    </message>
    <message>
        <source>knockout result %1 is a second result for %2.</source>
        <translation>el resultado de eliminatoria %1 es un segundo resultado para %2.</translation>
    </message>
    <message>
        <source>knockout result %1, %2: %3</source>
        <translation>resultado de eliminatoria %1, %2: %3</translation>
    </message>
    <message>
        <source>points adjustment %1 names group %2, but the tournament has %3.</source>
        <translation>el ajuste de puntos %1 nombra el grupo %2, pero el torneo tiene %3.</translation>
    </message>
    <message>
        <source>points adjustment %1 names team %2, but group %3 has %4 team names.</source>
        <translation>el ajuste de puntos %1 nombra el equipo %2, pero el grupo %3 tiene %4 nombres de equipo.</translation>
    </message>
    <message>
        <source>1 record line could not be read.</source>
        <translation>No se pudo leer 1 línea de datos.</translation>
    </message>
    <message>
        <source>%1 record lines could not be read.</source>
        <translation>No se pudieron leer %1 líneas de datos.</translation>
    </message>
    <message>
        <source> They are kept as they are and saved back unchanged, but league tables and reports leave them out:</source>
        <translation> Se conservan tal cual y se guardan sin cambios, pero las clasificaciones y los informes las omiten:</translation>
    </message>
    <message>
        <source><byte value="xd"/>Group %1, record line %2: %3 (%4)</source>
        <translation><byte value="xd"/>Grupo %1, línea de datos %2: %3 (%4)</translation>
    </message>
    <message>
        <source><byte value="xd"/>and %1 more.</source>
        <translation><byte value="xd"/>y %1 más.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Línea %1 de %2: %3</translation>
    </message>
    <message>
        <source>Cannot read %1: it is a folder, not a tournament file.</source>
        <translation>No se puede leer %1: es una carpeta, no un archivo de torneo.</translation>
    </message>
    <message>
        <source>tournament file</source>
        <translation>archivo de torneo</translation>
    </message>
    <message>
        <source>The tournament has %1 groups and %2 group windows; it needs 1 to %3 of each.</source>
        <translation>El torneo tiene %1 grupos y %2 ventanas de grupo; necesita de 1 a %3 de cada.</translation>
    </message>
    <message>
        <source>The tournament has %1 league order rules; it needs 1 to %2.</source>
        <translation>El torneo tiene %1 reglas de orden de la clasificación; necesita de 1 a %2.</translation>
    </message>
    <message>
        <source>The text %1 holds a line break.</source>
        <translation>El texto %1 tiene un salto de línea.</translation>
    </message>
    <message>
        <source>Group %1 holds more than %2 teams or record lines.</source>
        <translation>El grupo %1 tiene más de %2 equipos o líneas de datos.</translation>
    </message>
    <message>
        <source>The caption of group %1 holds a line break.</source>
        <translation>El nombre del grupo %1 tiene un salto de línea.</translation>
    </message>
    <message>
        <source>Group %1 has a points adjustment for team %2, which it does not have.</source>
        <translation>El grupo %1 tiene un ajuste de puntos para el equipo %2, que no tiene.</translation>
    </message>
    <message>
        <source>The reason %1 of group %2 holds a line break.</source>
        <translation>El motivo %1 del grupo %2 tiene un salto de línea.</translation>
    </message>
    <message>
        <source>The text %1 of group %2 holds a line break.</source>
        <translation>El texto %1 del grupo %2 tiene un salto de línea.</translation>
    </message>
    <message>
        <source>The knockout team %1 holds a line break.</source>
        <translation>El equipo de eliminatorias %1 tiene un salto de línea.</translation>
    </message>
    <message>
        <source>The tournament holds more than %1 points adjustments.</source>
        <translation>El torneo tiene más de %1 ajustes de puntos.</translation>
    </message>
    <message>
        <source>Cannot save the tournament to %1: %2</source>
        <translation>No se puede guardar el torneo en %1: %2</translation>
    </message>
    <message>
        <source>timetable</source>
        <translation>horario</translation>
    </message>
    <message>
        <source>%1 is no time; this line should hold %2 as HH:MM.</source>
        <translation>%1 no es una hora; esta línea debería contener %2 como HH:MM.</translation>
    </message>
    <message>
        <source>%1 is no span of time; this line should hold %2 as HH:MM-HH:MM.</source>
        <translation>%1 no es un intervalo de tiempo; esta línea debería contener %2 como HH:MM-HH:MM.</translation>
    </message>
    <message>
        <source>%1 is no date after the day before; this line should hold day %2 of the timetable as YYYY-MM-DD.</source>
        <translation>%1 no es una fecha posterior al día anterior; esta línea debería contener el día %2 del horario como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>the last finish is not after the first kick-off.</source>
        <translation>el último final no es posterior al primer saque inicial.</translation>
    </message>
    <message>
        <source>the time of group game %1, %2: %3.</source>
        <translation>la hora del partido de grupo %1, %2: %3.</translation>
    </message>
    <message>
        <source>there is no such group and record line</source>
        <translation>no existe ese grupo ni esa línea de registro</translation>
    </message>
    <message>
        <source>that game has a time already</source>
        <translation>ese partido ya tiene una hora</translation>
    </message>
    <message>
        <source>the time of knockout game %1, %2: %3.</source>
        <translation>la hora del partido eliminatorio %1, %2: %3.</translation>
    </message>
    <message>
        <source>there is no such tie and leg</source>
        <translation>no existe esa eliminatoria ni ese partido</translation>
    </message>
    <message>
        <source>The timetable&apos;s name %1 holds a line break.</source>
        <translation>El nombre %1 del horario contiene un salto de línea.</translation>
    </message>
</context>
<context>
    <name>TournamentFileLock</name>
    <message>
        <source>%1 is open in Tabulon; close it there first.</source>
        <translation>%1 está abierto en Tabulon; ciérrelo allí primero.</translation>
    </message>
</context>
<context>
    <name>TournamentSetup</name>
    <message>
        <source>1. Points Scored</source>
        <translation>1. Puntos</translation>
    </message>
    <message>
        <source>2. Goal Difference</source>
        <translation>2. Diferencia de goles</translation>
    </message>
    <message>
        <source>3. Goals Scored</source>
        <translation>3. Goles a favor</translation>
    </message>
    <message>
        <source>4. Games Won</source>
        <translation>4. Partidos ganados</translation>
    </message>
    <message>
        <source>5. Games Between Teams</source>
        <translation>5. Enfrentamientos directos</translation>
    </message>
    <message>
        <source>6. Head-to-Head Table</source>
        <translation>6. Clasificación particular</translation>
    </message>
    <message>
        <source>Too many teams in group %1: a group holds at most 32767 teams</source>
        <translation>Demasiados equipos en el grupo %1: un grupo admite como máximo 32767 equipos</translation>
    </message>
    <message>
        <source>Tournament Setup</source>
        <translation>Configuración del torneo</translation>
    </message>
    <message>
        <source>Tournament Name = </source>
        <translation>Nombre del torneo = </translation>
    </message>
    <message>
        <source>Location = </source>
        <translation>Lugar = </translation>
    </message>
    <message>
        <source>Number of Groups = </source>
        <translation>Número de grupos = </translation>
    </message>
    <message>
        <source>Teams in Group %1 = %2</source>
        <translation>Equipos del grupo %1 = %2</translation>
    </message>
    <message>
        <source>RULES ORDER</source>
        <translation>ORDEN DE LAS REGLAS</translation>
    </message>
    <message>
        <source>Are these settings correct</source>
        <translation>¿Son correctos estos ajustes?</translation>
    </message>
</context>
<context>
    <name>TypedScore</name>
    <message>
        <source>This item cannot be given a score.</source>
        <translation>A este elemento no se le puede dar un resultado.</translation>
    </message>
</context>
<context>
    <name>WebSite</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 holds other files and no site published by Tabulon; choose an empty folder.</source>
        <translation>%1 tiene otros archivos y ningún sitio publicado por Tabulon; elija una carpeta vacía.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2.</source>
        <translation>No se puede quitar %1: %2.</translation>
    </message>
</context>
<context>
    <name>WhyTexts</name>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>goal difference %1</source>
        <translation>diferencia de goles %1</translation>
    </message>
    <message>
        <source>goals scored</source>
        <translation>goles a favor</translation>
    </message>
    <message>
        <source>games won</source>
        <translation>partidos ganados</translation>
    </message>
    <message>
        <source>goal difference</source>
        <translation>diferencia de goles</translation>
    </message>
    <message>
        <source>points in their games</source>
        <translation>puntos en sus enfrentamientos</translation>
    </message>
    <message>
        <source>goal difference in their games</source>
        <translation>diferencia de goles en sus enfrentamientos</translation>
    </message>
    <message>
        <source>goals scored in their games</source>
        <translation>goles a favor en sus enfrentamientos</translation>
    </message>
    <message>
        <source>level on %1; %2</source>
        <translation>igualados en %1; %2</translation>
    </message>
    <message>
        <source>lost the last deciding game between them</source>
        <translation>perdió el último partido decisivo entre ellos</translation>
    </message>
    <message>
        <source>%1 %2 against %3</source>
        <translation>%1 %2 frente a %3</translation>
    </message>
    <message>
        <source>the same in their games</source>
        <translation>iguales en sus enfrentamientos</translation>
    </message>
    <message>
        <source>level on every rule: team order</source>
        <translation>iguales en todas las reglas: orden de los equipos</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s) scored</source>
        <translation>
            <numerusform>%n gol a favor</numerusform>
            <numerusform>%n goles a favor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) won</source>
        <translation>
            <numerusform>%n partido ganado</numerusform>
            <numerusform>%n partidos ganados</numerusform>
        </translation>
    </message>
</context>
</TS>
