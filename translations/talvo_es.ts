<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>TALVO Radio Programming Software</source>
        <translation>Software de programación de radios TALVO</translation>
    </message>
    <message>
        <source>English edition V1.50</source>
        <translation>Edición en español V1.50</translation>
    </message>
</context>
<context>
    <name>AppHelp</name>
    <message>
        <source>Programming software for the TALVO radio.</source>
        <translation>Software de programación para la radio TALVO.</translation>
    </message>
    <message>
        <source>Attach a virtual radio with a sample configuration as port %1.</source>
        <translation>Conecta como puerto %1 una radio virtual con una configuración de ejemplo.</translation>
    </message>
    <message>
        <source>A data file (.dat) to open at start.</source>
        <translation>Un archivo de datos (.dat) que se abre al iniciar.</translation>
    </message>
</context>
<context>
    <name>BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Every read keeps what the radio held in:
%1</source>
        <translation>Cada lectura guarda lo que contenía la radio en:
%1</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Channels used</source>
        <translation>Canales usados</translation>
    </message>
    <message>
        <source>First channel names</source>
        <translation>Primeros nombres de canal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>ChangeList</name>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>FM channel </source>
        <translation>Canal FM </translation>
    </message>
    <message>
        <source>FM VFO</source>
        <translation>VFO FM</translation>
    </message>
    <message>
        <source>FM present channel</source>
        <translation>Canal FM actual</translation>
    </message>
    <message>
        <source>FM display mode</source>
        <translation>Modo de pantalla FM</translation>
    </message>
    <message>
        <source>FM step</source>
        <translation>Paso FM</translation>
    </message>
    <message>
        <source>A band </source>
        <translation>Banda A </translation>
    </message>
    <message>
        <source>B band </source>
        <translation>Banda B </translation>
    </message>
</context>
<context>
    <name>ChangeListWindow</name>
    <message>
        <source>Changes to Write</source>
        <translation>Cambios a escribir</translation>
    </message>
    <message>
        <source>What the radio held is kept in the backup %1.
Writing will make these changes:</source>
        <translation>Lo que contenía la radio se guarda en la copia %1.
La escritura hará estos cambios:</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <comment>%n change</comment>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeTable</name>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>Canal </translation>
    </message>
    <message>
        <source> (added)</source>
        <translation> (añadido)</translation>
    </message>
    <message>
        <source> (removed)</source>
        <translation> (quitado)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Channel or setting</source>
        <translation>Canal o ajuste</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old value</source>
        <translation>Valor anterior</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>Valor nuevo</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Sin cambios</translation>
    </message>
</context>
<context>
    <name>ChannelActions</name>
    <message>
        <source>Cut Channels(&amp;T)</source>
        <translation>Cortar canales(&amp;T)</translation>
    </message>
    <message>
        <source>Copy Channels(&amp;C)</source>
        <translation>Copiar canales(&amp;C)</translation>
    </message>
    <message>
        <source>Paste Channels(&amp;V)</source>
        <translation>Pegar canales(&amp;P)</translation>
    </message>
    <message>
        <source>Delete Channels(&amp;E)</source>
        <translation>Eliminar canales(&amp;L)</translation>
    </message>
    <message>
        <source>Insert Free Channel(&amp;I)</source>
        <translation>Insertar canal libre(&amp;I)</translation>
    </message>
    <message>
        <source>Delete and Move Up(&amp;L)</source>
        <translation>Eliminar y subir(&amp;Y)</translation>
    </message>
    <message>
        <source>Move Channels Up(&amp;U)</source>
        <translation>Subir canales(&amp;S)</translation>
    </message>
    <message>
        <source>Move Channels Down(&amp;O)</source>
        <translation>Bajar canales(&amp;J)</translation>
    </message>
</context>
<context>
    <name>ChannelFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Buscar canales</translation>
    </message>
    <message>
        <source>Frequency, tone, name…</source>
        <translation>Frecuencia, subtono, nombre…</translation>
    </message>
    <message>
        <source>Shows only the channels that hold this text. Enter or F3: next; Esc: clear</source>
        <translation>Muestra solo los canales que contienen este texto. Intro o F3: siguiente; Esc: borrar</translation>
    </message>
    <message>
        <source>Close find (Esc)</source>
        <translation>Cerrar búsqueda (Esc)</translation>
    </message>
    <message>
        <source>Close find</source>
        <translation>Cerrar búsqueda</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>%n found</comment>
        <translation>
            <numerusform>%n encontrado</numerusform>
            <numerusform>%n encontrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelImport</name>
    <message>
        <source>imported</source>
        <translation>importada</translation>
    </message>
    <message>
        <source>adjusted</source>
        <translation>ajustada</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source> into channel %1</source>
        <translation> en el canal %1</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ChannelLists</name>
    <message>
        <source>CH</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>RXFreq</source>
        <translation>Frec RX</translation>
    </message>
    <message>
        <source>TXFreq</source>
        <translation>Frec TX</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>Subtono RX</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>Subtono TX</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Pot.</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>Bloq. ocupado</translation>
    </message>
    <message>
        <source>Add Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>TX Prohibit</source>
        <translation>Prohibir TX</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scan</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Narror</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>On</source>
        <comment>switch</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
</context>
<context>
    <name>ChannelOperations</name>
    <message>
        <source>Cut channels</source>
        <translation>Cortar canales</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>Pegar canales</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Eliminar canales</translation>
    </message>
    <message>
        <source>Insert free channel</source>
        <translation>Insertar canal libre</translation>
    </message>
    <message>
        <source>Delete and move up</source>
        <translation>Eliminar y subir</translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation>Subir canales</translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation>Bajar canales</translation>
    </message>
    <message>
        <source>The clipboard holds no channels</source>
        <translation>El portapapeles no contiene canales</translation>
    </message>
    <message>
        <source>The channels do not fit below channel 128: nothing was pasted</source>
        <translation>Los canales no caben antes del canal 128: no se pegó nada</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>Fuera del rango de la banda de frecuencias</translation>
    </message>
    <message>
        <source>Channels not pasted: %1</source>
        <translation>Canales no pegados: %1</translation>
    </message>
    <message>
        <source>Channel 128 is in use: no free channel can be inserted</source>
        <translation>El canal 128 está en uso: no se puede insertar un canal libre</translation>
    </message>
    <message>
        <source>Channels %1 to 128 are all in use: no free channel can be inserted</source>
        <translation>Los canales %1 a 128 están todos en uso: no se puede insertar un canal libre</translation>
    </message>
    <message>
        <source>The channels do not fit into the rows shown below: nothing was pasted</source>
        <translation>Los canales no caben en las filas mostradas debajo: no se pegó nada</translation>
    </message>
    <message>
        <source>No row shown from here on holds a free channel: clear the find box to insert one</source>
        <translation>Ninguna fila mostrada desde aquí tiene un canal libre: vacíe el cuadro de búsqueda para insertar uno</translation>
    </message>
</context>
<context>
    <name>ChannelTableWindow</name>
    <message>
        <source>Channel Edit</source>
        <translation>Editar canales</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>Fuera del rango de la banda de frecuencias</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>Reading before writing……</source>
        <translation>Leyendo antes de escribir……</translation>
    </message>
    <message>
        <source>Reading what the radio holds now to keep a backup, please wait a moment.</source>
        <translation>Leyendo lo que contiene ahora la radio para guardar una copia; espere un momento.</translation>
    </message>
    <message>
        <source>Verifying……</source>
        <translation>Verificando……</translation>
    </message>
    <message>
        <source>Reading back what was written to compare it byte for byte, please wait a moment.</source>
        <translation>Releyendo lo escrito para compararlo byte a byte; espere un momento.</translation>
    </message>
    <message>
        <source>Restoring the backup……</source>
        <translation>Restaurando la copia……</translation>
    </message>
    <message>
        <source>Writing the backup back to the radio, please wait a moment.</source>
        <translation>Escribiendo de nuevo la copia en la radio; espere un momento.</translation>
    </message>
    <message>
        <source>What the radio held before is kept in the backup:
%1

Write the backup back to the radio now?</source>
        <translation>Lo que contenía antes la radio se guarda en la copia:
%1

¿Escribir ahora la copia de nuevo en la radio?</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>print a .dat file as the program would load it, as JSON (%1)</source>
        <translation>muestra un archivo .dat tal como lo cargaría el programa, en JSON (%1)</translation>
    </message>
    <message>
        <source>Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat
as the Open command does and prints the resulting state as one JSON object: Band,
FreqText, OptionIndex, OptionText, ChannelName, Options, FmChannelText, FmVfo,
PresentChannel, FmDisplayMode, FmStepFrequency, PowerGrades. A name, display or password
byte b is the character U+00bb.</source>
        <translation>Parte de un programa recién iniciado (en inglés salvo con --lang zh o es), abre FILE.dat
como lo hace la orden Abrir y muestra el estado resultante como un objeto JSON: Band,
FreqText, OptionIndex, OptionText, ChannelName, Options, FmChannelText, FmVfo,
PresentChannel, FmDisplayMode, FmStepFrequency, PowerGrades. Un byte b de nombre,
pantalla o contraseña es el carácter U+00bb.</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 the file cannot be read, is no data file or is
too short</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 el archivo no se puede leer, no es un
archivo de datos o es demasiado corto</translation>
    </message>
    <message>
        <source>list the differences between two data files by name (%1)</source>
        <translation>lista por nombre las diferencias entre dos archivos de datos (%1)</translation>
    </message>
    <message>
        <source>Compares the two files as the program would load them and lists every difference from A
to B by name, one row per change in aligned columns under a title line: the channel (added,
removed or changed) or setting, the field, the old value → the new one; settings, FM and
power values too. Bytes that no window shows are compared too. --json prints one object:
same, differing_bytes, first_difference, changes [{area, change, channel, field, before,
after}].</source>
        <translation>Compara los dos archivos tal como los cargaría el programa y lista por nombre cada
diferencia de A a B, una fila por cambio en columnas alineadas bajo una línea de título:
el canal (añadido, quitado o cambiado) o el ajuste, el campo, el valor anterior → el
nuevo; también los ajustes, FM y los valores de potencia. También se comparan los bytes
que ninguna ventana muestra. --json muestra un objeto: same, differing_bytes,
first_difference, changes [{area, change, channel, field, before, after}].</translation>
    </message>
    <message>
        <source>exit status: %1 the same, %2 different, %3 usage, %4 a file cannot be read or is no data file</source>
        <translation>estado de salida: %1 iguales, %2 distintos, %3 uso, %4 un archivo no se puede leer o no es
un archivo de datos</translation>
    </message>
    <message>
        <source>write the used channels of a .dat file as a channel CSV file (%1)</source>
        <translation>escribe los canales usados de un archivo .dat en un archivo CSV de canales (%1)</translation>
    </message>
    <message>
        <source>Opens FILE.dat as the Open command does and writes its used channels, in channel order, to
OUT.csv in the generic channel CSV layout: the 21 columns Location, Name, Frequency, Duplex,
Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode,
TStep, Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE; UTF-8 without byte-order
mark, CRLF line ends, frequencies in MHz with six decimals, power in the nominal watts of
each level (Low 1.0W, Middle 2.5W, High 5.0W). A transmit frequency in the same range of
the band as the receive frequency is written as a +/- shift, any other as split; a channel
with transmit prohibited is written with Duplex off. OUT.csv is replaced only when the
whole file was written. What a row cannot carry (the transmit frequency of a channel with
transmit prohibited, a damaged frequency) is told on stderr, one line per channel, in the
language of --lang.</source>
        <translation>Abre FILE.dat como lo hace la orden Abrir y escribe sus canales usados, en orden de
canal, en OUT.csv con el formato CSV genérico de canales: las 21 columnas Location, Name,
Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL,
DVCODE; UTF-8 sin marca de orden de bytes, fines de línea CRLF, frecuencias en MHz con
seis decimales, potencia en los vatios nominales de cada nivel (Low 1.0W, Middle 2.5W,
High 5.0W). Una frecuencia de transmisión en el mismo rango de la banda que la de
recepción se escribe como desplazamiento +/-, cualquier otra como split; un canal con la
transmisión prohibida se escribe con Duplex off. OUT.csv solo se sustituye cuando se ha
escrito el archivo completo. Lo que una fila no puede llevar (la frecuencia de
transmisión de un canal con la transmisión prohibida, una frecuencia dañada) se indica en
stderr, una línea por canal, en el idioma de --lang.</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 FILE.dat cannot be read, is no data file or is
too short, or OUT.csv cannot be written</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 FILE.dat no se puede leer, no es un
archivo de datos o es demasiado corto, o OUT.csv no se puede escribir</translation>
    </message>
    <message>
        <source>program one data file into the radios on several ports at once (%1)</source>
        <translation>programa un archivo de datos en las radios de varios puertos a la vez (%1)</translation>
    </message>
    <message>
        <source>Opens TEMPLATE.dat and programs it into the radio on every port at once, each port on
its own: the radio&apos;s identification is checked first (a radio of another model is never
written), what it holds is kept as a backup, the data is written without the power
calibration (each radio keeps its own, whatever the hidden modes say), read back and
compared. One line per radio on stdout; a beep on stderr.</source>
        <translation>Abre TEMPLATE.dat y lo programa en la radio de cada puerto a la vez, cada puerto por su
cuenta: primero se comprueba la identificación de la radio (nunca se escribe una radio
de otro modelo), lo que contiene se guarda como copia de seguridad, los datos se
escriben sin la calibración de potencia (cada radio conserva la suya, digan lo que digan
los modos ocultos), se releen y se comparan. Una línea por radio en stdout; un pitido en
stderr.</translation>
    </message>
    <message>
        <source>port numbers %1..%2, or the names of their sockets under
/dev/serial/by-path (which stay the same whatever the plug order)</source>
        <translation>números de puerto %1..%2, o los nombres de sus conectores en
/dev/serial/by-path (que no cambian sea cual sea el orden de
conexión)</translation>
    </message>
    <message>
        <source>every port waits for a radio, programs it, waits until it is taken
off and then waits for the next; stop with Ctrl+C</source>
        <translation>cada puerto espera una radio, la programa, espera a que se
retire y luego espera la siguiente; se detiene con Ctrl+C</translation>
    </message>
    <message>
        <source>per-radio values: a heading of setting names (DisplayCharacter,
PowerOnPasswordDigits, PowerOnPassword, ... as in diff --json), then
one row per radio; each radio takes the next unused row, a radio
that fails gives its row back</source>
        <translation>valores por radio: una cabecera de nombres de ajustes
(DisplayCharacter, PowerOnPasswordDigits, PowerOnPassword, ...
como en diff --json) y luego una fila por radio; cada radio
toma la siguiente fila sin usar, y una radio que falla
devuelve su fila</translation>
    </message>
    <message>
        <source>the report, one row per radio, as CSV or JSON by the suffix; a copy
is always kept in the data folder (talvo/reports)</source>
        <translation>el informe, una fila por radio, en CSV o JSON según la
extensión; siempre se guarda una copia en la carpeta de datos
(talvo/reports)</translation>
    </message>
    <message>
        <source>Ctrl+C stops every port cleanly; a radio being programmed then ends as cancelled.</source>
        <translation>Ctrl+C detiene limpiamente todos los puertos; una radio que se esté programando termina
entonces como cancelada.</translation>
    </message>
    <message>
        <source>exit status: %1 every radio verified, %2 some were not, %3 usage, %4 the template cannot
be read</source>
        <translation>estado de salida: %1 todas las radios verificadas, %2 alguna no, %3 uso, %4 la plantilla
no se puede leer</translation>
    </message>
    <message>
        <source>read a channel CSV file into a .dat file (%1)</source>
        <translation>lee un archivo CSV de canales en un archivo .dat (%1)</translation>
    </message>
    <message>
        <source>Reads the channel CSV file IN.csv (the generic layout: UTF-8 with or without byte-order
mark, CRLF or LF, &apos;#&apos; comment lines, 17 or 21 columns, &apos;;&apos;-separated files with decimal
commas) and saves OUT.dat with its rows as channels. Without --into the channels go into
a freshly started program (band A:136-174.995MHz B:400-470.995MHz); with --into they go
into the configuration of BASE.dat, whose band and other settings are kept.</source>
        <translation>Lee el archivo CSV de canales IN.csv (el formato genérico: UTF-8 con o sin marca de
orden de bytes, CRLF o LF, líneas de comentario con &apos;#&apos;, 17 o 21 columnas, archivos
separados por &apos;;&apos; con coma decimal) y guarda OUT.dat con sus filas como canales. Sin
--into los canales van a un programa recién iniciado (banda A:136-174.995MHz
B:400-470.995MHz); con --into van a la configuración de BASE.dat, cuya banda y demás
ajustes se conservan.</translation>
    </message>
    <message>
        <source>Placement: by default row Location n becomes channel n. A row going into a channel in
use changes only what it says: busy lock (which the layout lacks), columns the file does
not have, an empty Mode or Power, and values given as the channel holds them keep the
channel&apos;s own (a transmit frequency kept under Duplex off, a receive-only channel, a
frequency off the raster), so a file exported from BASE.dat and imported back --into it
gives the same channels. With --append-from N the rows fill, in file order, the channels
that are free from channel N on, and Location is not used.</source>
        <translation>Ubicación: por defecto la fila con Location n pasa a ser el canal n. Una fila que va a un
canal en uso solo cambia lo que indica: el bloqueo de canal ocupado (que el formato no
tiene), las columnas que el archivo no tiene, un Mode o Power vacío y los valores dados
tal como los tiene el canal conservan los del canal (una frecuencia de transmisión
guardada con Duplex off, un canal solo de recepción, una frecuencia fuera del paso de
canal), de modo que un archivo exportado de BASE.dat e importado de nuevo con --into en
él da los mismos canales. Con --append-from N las filas llenan, en el orden del archivo,
los canales libres a partir del canal N, y no se usa Location.</translation>
    </message>
    <message>
        <source>Each row is imported as it is, adjusted (frequency moved onto the 5 kHz / 6.25 kHz
raster, name kept to the 8 characters the radio stores, characters it cannot store left
out, power taken as the nearest of Low 1.0W, Middle 2.5W, High 5.0W, priority scan P
taken as scanned), skipped (no frequency) or refused with its reason: a frequency
outside both ranges of the band (the band that would take it is named), a mode other than
FM or NFM, reverse squelch (TSQL-R, DTCS-R), a CTCSS tone or DCS code the radio cannot
send, a Location outside 1..128 or given twice, no free channel left, an invalid cell, a
row shorter than the header. A new channel gets busy lock Off (the new-channel default).
stderr has one line for each row that was not imported as it is, and for unknown
columns; stdout has the counts.</source>
        <translation>Cada fila se importa tal cual, ajustada (frecuencia llevada al paso de 5 kHz / 6.25 kHz,
nombre limitado a los 8 caracteres que guarda la radio, sin los caracteres que no puede
guardar, potencia tomada como el nivel más cercano de Low 1.0W, Middle 2.5W, High 5.0W,
escaneo prioritario P tomado como escaneado), omitida (sin frecuencia) o rechazada con su
motivo: una frecuencia fuera de los dos rangos de la banda (se nombra la banda que la
admitiría), un modo distinto de FM o NFM, squelch inverso (TSQL-R, DTCS-R), un subtono
CTCSS o código DCS que la radio no puede enviar, una Location fuera de 1..128 o
repetida, ningún canal libre, una celda no válida, una fila más corta que la cabecera.
Un canal nuevo recibe bloqueo de canal ocupado Off (el valor por defecto de canal nuevo).
stderr tiene una línea por cada fila que no se importó tal cual y por las columnas
desconocidas; stdout tiene los recuentos.</translation>
    </message>
    <message>
        <source>exit status: %1 every row imported (adjusted rows count as imported, rows without a
frequency are skipped), %2 some rows refused and the rest written, %3 usage error, %4 the CSV
file cannot be read or no row could be imported (OUT.dat is not written), BASE.dat cannot
be read, or OUT.dat cannot be written</source>
        <translation>estado de salida: %1 todas las filas importadas (las filas ajustadas cuentan como
importadas, las filas sin frecuencia se omiten), %2 algunas filas rechazadas y el resto
escrito, %3 error de uso, %4 el archivo CSV no se puede leer o no se pudo importar
ninguna fila (OUT.dat no se escribe), BASE.dat no se puede leer o OUT.dat no se puede
escribir</translation>
    </message>
    <message>
        <source>save the configuration of a freshly started program (%1)</source>
        <translation>guarda la configuración de un programa recién iniciado (%1)</translation>
    </message>
    <message>
        <source>Saves the configuration of a freshly started program to OUT.dat as the Save command does:
no channels, the optional features at their defaults, no FM channels, the power levels at
their start values. --lang only chooses the language of error messages.</source>
        <translation>Guarda en OUT.dat la configuración de un programa recién iniciado como lo hace la orden
Guardar: sin canales, las funciones opcionales con sus valores por defecto, sin canales
FM, los niveles de potencia con sus valores iniciales. --lang solo elige el idioma de los
mensajes de error.</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 the file cannot be written</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 el archivo no se puede escribir</translation>
    </message>
    <message>
        <source>list port numbers 1..16, the device each reaches and whether it can be opened now (%1)</source>
        <translation>lista los números de puerto 1..16, el dispositivo al que lleva cada uno y si se puede abrir ahora (%1)</translation>
    </message>
    <message>
        <source>Lists the port numbers 1..16 as --port takes them: the device each number reaches now
(TALVO_PORT_&lt;N&gt; first, then the serial devices present; see docs/serial-ports.md), what
the device is (USB serial with its chip, built-in port, pseudo-terminal) and whether it
can be opened now (yes, or why not: no permission, in use by a program, no hardware).</source>
        <translation>Lista los números de puerto 1..16 tal como los admite --port: el dispositivo al que lleva
ahora cada número (primero TALVO_PORT_&lt;N&gt;, luego los dispositivos serie presentes;
consulte docs/serial-ports.md), qué dispositivo es (serie USB con su chip, puerto
integrado, pseudoterminal) y si se puede abrir ahora (sí, o por qué no: sin permiso, en
uso por un programa, sin hardware).</translation>
    </message>
    <message>
        <source>the language of the table: %1, %2 or %3</source>
        <translation>el idioma de la tabla: %1, %2 o %3</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error</source>
        <translation>estado de salida: %1 correcto, %2 error de uso</translation>
    </message>
    <message>
        <source>write the programming data printout of a .dat file as PDF (%1)</source>
        <translation>escribe en PDF la impresión de los datos de programación de un archivo .dat (%1)</translation>
    </message>
    <message>
        <source>Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat
as the Open command does and writes the printout of the programming data (function
settings, A group VFO, VOX, power grades and the channel table, in the chosen language)
to OUT.pdf on A4 pages. OUT.pdf is replaced only when the whole document was written.</source>
        <translation>Parte de un programa recién iniciado (en inglés salvo con --lang zh o es), abre FILE.dat
como lo hace la orden Abrir y escribe la impresión de los datos de programación (ajustes
de funciones, VFO del grupo A, VOX, niveles de potencia y la tabla de canales, en el
idioma elegido) en OUT.pdf en páginas A4. OUT.pdf solo se sustituye cuando se ha escrito
el documento completo.</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 FILE.dat cannot be read, is no data file or is
too short, or OUT.pdf cannot be written</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 FILE.dat no se puede leer, no es un
archivo de datos o es demasiado corto, o OUT.pdf no se puede escribir</translation>
    </message>
    <message>
        <source>read the radio&apos;s memory into a data file (%1)</source>
        <translation>lee la memoria de la radio en un archivo de datos (%1)</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory over the serial line and stores it as a .dat file.</source>
        <translation>Lee la memoria de la radio por la línea serie y la guarda como archivo .dat.</translation>
    </message>
    <message>
        <source>the data file; it is written only when the whole read succeeded</source>
        <translation>el archivo de datos; solo se escribe si la lectura completa
tuvo éxito</translation>
    </message>
    <message>
        <source>A copy is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).</source>
        <translation>También se guarda una copia en la carpeta de copias de seguridad
($XDG_DATA_HOME/talvo/backups).</translation>
    </message>
    <message>
        <source>A progress bar is shown on stderr when it is a terminal.</source>
        <translation>Si stderr es un terminal, se muestra en él una barra de progreso.</translation>
    </message>
    <message>
        <source>exit status: %1 read and saved, %2 usage, %3 file cannot be written, %4 communication error, %5 stopped by Ctrl+C (nothing is saved)</source>
        <translation>estado de salida: %1 leído y guardado, %2 uso, %3 el archivo no se puede escribir, %4 error
de comunicación, %5 detenido con Ctrl+C (no se guarda nada)</translation>
    </message>
    <message>
        <source>open a .dat file and save it again as the program would (%1)</source>
        <translation>abre un archivo .dat y lo vuelve a guardar como lo haría el programa (%1)</translation>
    </message>
    <message>
        <source>Starts from a freshly started program, opens IN.dat as the Open command does and saves
OUT.dat as the Save command does (exactly 3,120 bytes, replaced atomically).</source>
        <translation>Parte de un programa recién iniciado, abre IN.dat como lo hace la orden Abrir y guarda
OUT.dat como lo hace la orden Guardar (exactamente 3.120 bytes, sustituido de forma
atómica).</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 a file cannot be read or written, is no data
file or is too short</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 un archivo no se puede leer o escribir,
no es un archivo de datos o es demasiado corto</translation>
    </message>
    <message>
        <source>write a backup back to the radio byte for byte and verify it (%1)</source>
        <translation>escribe de nuevo una copia en la radio byte a byte y la verifica (%1)</translation>
    </message>
    <message>
        <source>Writes the bytes of a data file to the radio exactly as they are in the file (a
backup taken by a read goes back unchanged; `write` instead opens the file and builds
the image as the program does), then reads the radio back and compares every written
byte.</source>
        <translation>Escribe en la radio los bytes de un archivo de datos exactamente como están en el archivo
(una copia tomada por una lectura vuelve sin cambios; `write`, en cambio, abre el archivo
y construye la imagen como lo hace el programa); luego relee la radio y compara cada
byte escrito.</translation>
    </message>
    <message>
        <source>also write the power calibration blocks %1 and %2</source>
        <translation>escribe también los bloques de calibración
de potencia %1 y %2</translation>
    </message>
    <message>
        <source>exit status: %1 restored and verified, %2 usage, %3 file cannot be opened, %4 communication
error or the radio does not hold what was written (the first differing address is
named), %5 stopped by Ctrl+C</source>
        <translation>estado de salida: %1 restaurado y verificado, %2 uso, %3 el archivo no se puede abrir, %4
error de comunicación o la radio no contiene lo escrito (se indica la primera dirección
que difiere), %5 detenido con Ctrl+C</translation>
    </message>
    <message>
        <source>compare the radio with a data file (%1)</source>
        <translation>compara la radio con un archivo de datos (%1)</translation>
    </message>
    <message>
        <source>Reads the radio and compares it, byte for byte over the blocks a write stores, with
the bytes of FILE.dat and with what a write of FILE.dat would send. When it holds
either, says which on stdout; otherwise prints the differences by name (radio →
file) on stdout and the first differing address on stderr.</source>
        <translation>Lee la radio y la compara, byte a byte en los bloques que guarda una escritura, con los
bytes de FILE.dat y con lo que enviaría una escritura de FILE.dat. Si contiene
cualquiera de los dos, indica cuál en stdout; si no, muestra las diferencias por nombre
(radio → archivo) en stdout y la primera dirección que difiere en stderr.</translation>
    </message>
    <message>
        <source>also compare the power calibration blocks %1 and %2</source>
        <translation>compara también los bloques de calibración
de potencia %1 y %2</translation>
    </message>
    <message>
        <source>The read is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).</source>
        <translation>La lectura también se guarda en la carpeta de copias de seguridad
($XDG_DATA_HOME/talvo/backups).</translation>
    </message>
    <message>
        <source>exit status: %1 the radio holds the file, %2 it differs, %3 usage, %4 file cannot be
opened, %5 communication error, %6 stopped by Ctrl+C</source>
        <translation>estado de salida: %1 la radio contiene el archivo, %2 difiere, %3 uso, %4 el archivo no se
puede abrir, %5 error de comunicación, %6 detenido con Ctrl+C</translation>
    </message>
    <message>
        <source>write a data file to the radio (%1)</source>
        <translation>escribe un archivo de datos en la radio (%1)</translation>
    </message>
    <message>
        <source>Opens FILE.dat as the program&apos;s Open command does and writes it to the radio.</source>
        <translation>Abre FILE.dat como lo hace la orden Abrir del programa y lo escribe en la radio.</translation>
    </message>
    <message>
        <source>afterwards read the radio back and compare every written byte</source>
        <translation>después relee la radio y compara cada byte escrito</translation>
    </message>
    <message>
        <source>first read the radio and save what it holds to FILE (nothing is
written when that fails); a copy also goes to the backups folder</source>
        <translation>primero lee la radio y guarda lo que contiene en FILE (si eso
falla no se escribe nada); también va una copia a la carpeta
de copias de seguridad</translation>
    </message>
    <message>
        <source>exit status: %1 written (and verified), %2 usage, %3 file cannot be opened or the backup
cannot be saved, %4 communication error or the radio does not hold what was written
(the first differing address is named), %5 stopped by Ctrl+C</source>
        <translation>estado de salida: %1 escrito (y verificado), %2 uso, %3 el archivo no se puede abrir o la
copia no se puede guardar, %4 error de comunicación o la radio no contiene lo escrito (se
indica la primera dirección que difiere), %5 detenido con Ctrl+C</translation>
    </message>
    <message>
        <source>programming data of the TALVO dual-band radio, without the window</source>
        <translation>datos de programación de la radio bibanda TALVO, sin ventana</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>órdenes:</translation>
    </message>
    <message>
        <source>languages (%1): %2</source>
        <translation>idiomas (%1): %2</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 file error, %4 communication error</source>
        <translation>estado de salida: %1 correcto, %2 error de uso, %3 error de archivo, %4 error de
comunicación</translation>
    </message>
    <message>
        <source>port number %1..%2 (see docs/serial-ports.md; TALVO_PORT_&lt;N&gt;=/dev/...
chooses the device of a number)</source>
        <translation>número de puerto %1..%2 (consulte docs/serial-ports.md;
TALVO_PORT_&lt;N&gt;=/dev/... elige el dispositivo de un número)</translation>
    </message>
    <message>
        <source>the serial device itself</source>
        <translation>el propio dispositivo serie</translation>
    </message>
    <message>
        <source>the language of the messages: %1, %2 or %3</source>
        <translation>el idioma de los mensajes: %1, %2 o %3</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>the output cannot be written</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; names no port %3..%4</source>
        <translation>%1: &quot;%2&quot; no nombra ningún puerto %3..%4</translation>
    </message>
    <message>
        <source>%1: port %2 twice</source>
        <translation>%1: puerto %2 dos veces</translation>
    </message>
    <message>
        <source>%1 needs a file ending in %2 or %3</source>
        <translation>%1 necesita un archivo terminado en %2 o %3</translation>
    </message>
    <message>
        <source>%1: cannot write %2</source>
        <translation>%1: no se puede escribir %2</translation>
    </message>
    <message>
        <source>%1 has %2 rows for %3 ports</source>
        <translation>%1 tiene %2 filas para %3 puertos</translation>
    </message>
    <message>
        <source>%1 needs a channel number %2..%3</source>
        <translation>%1 necesita un número de canal %2..%3</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>drawing the printout needs a GUI application</source>
        <translation>dibujar la impresión requiere una aplicación gráfica</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1 (consulte %2)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;: use %2</source>
        <translation>idioma desconocido &apos;%1&apos;: use %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected %1 file name, got %2</source>
        <translation>se esperaba %1 nombre de archivo, hay %2</translation>
    </message>
    <message>
        <source>expected %1 file names, got %2</source>
        <translation>se esperaban %1 nombres de archivo, hay %2</translation>
    </message>
    <message>
        <source>a file name is empty</source>
        <translation>un nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>no command given (see %1)</source>
        <translation>no se indicó ninguna orden (consulte %1)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see %2)</source>
        <translation>orden desconocida &apos;%1&apos; (consulte %2)</translation>
    </message>
    <message>
        <source>give either %1 or %2</source>
        <translation>indique %1 o %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 admite un número de %2 a %3</translation>
    </message>
</context>
<context>
    <name>CmdDiff</name>
    <message>
        <source>Bytes outside the named values differ: first at %1, %2 in all</source>
        <translation>Difieren bytes fuera de los valores con nombre: el primero en %1, %2 en total</translation>
    </message>
</context>
<context>
    <name>CmdFleet</name>
    <message>
        <source>port </source>
        <translation>puerto </translation>
    </message>
    <message>
        <source>; row %1</source>
        <translation>; fila %1</translation>
    </message>
    <message>
        <source>; first difference at </source>
        <translation>; primera diferencia en </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> byte</source>
        <translation> byte</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>; backup: </source>
        <translation>; copia: </translation>
    </message>
    <message>
        <source>report kept in</source>
        <translation>informe guardado en</translation>
    </message>
</context>
<context>
    <name>CmdImportCsv</name>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>; %1 more unknown columns</source>
        <translation>; %1 columnas desconocidas más</translation>
    </message>
    <message>
        <source>no row could be imported; nothing was written</source>
        <translation>no se pudo importar ninguna fila; no se escribió nada</translation>
    </message>
    <message>
        <source>%1 (%2), %3, %4</source>
        <translation>%1 (%2), %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported</source>
        <comment>%n row imported</comment>
        <translation>
            <numerusform>%n fila importada</numerusform>
            <numerusform>%n filas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n adjusted</source>
        <comment>%n adjusted</comment>
        <translation>
            <numerusform>%n ajustada</numerusform>
            <numerusform>%n ajustadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <comment>%n refused</comment>
        <translation>
            <numerusform>%n rechazada</numerusform>
            <numerusform>%n rechazadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>%n skipped</comment>
        <translation>
            <numerusform>%n omitida</numerusform>
            <numerusform>%n omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n left their channel as it was</source>
        <comment>; %n left its channel as it was</comment>
        <translation>
            <numerusform>; %n dejó su canal como estaba</numerusform>
            <numerusform>; %n dejaron su canal como estaba</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColumnValueDialog</name>
    <message>
        <source>Set %1 of Chosen Channels</source>
        <translation>Valor de %1 en los canales elegidos</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels becomes:</source>
        <comment>%1 of %n channel becomes:</comment>
        <translation>
            <numerusform>%1 de %n canal pasa a ser:</numerusform>
            <numerusform>%1 de %n canales pasa a ser:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Importar canales (CSV)</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>By Location: row n becomes channel n</source>
        <translation>Por Location: la fila n pasa a ser el canal n</translation>
    </message>
    <message>
        <source>In file order into the free channels from channel:</source>
        <translation>En el orden del archivo, en los canales libres desde el canal:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>MHz RX</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Replaces</source>
        <translation>Sustituye</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importada</translation>
    </message>
    <message>
        <source>adjusted</source>
        <translation>ajustada</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two notes of a row</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4), %5, %6; %7</source>
        <translation>%1: %2, %3 (%4), %5, %6; %7</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>%n row</comment>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported</source>
        <comment>%n imported</comment>
        <translation>
            <numerusform>%n importada</numerusform>
            <numerusform>%n importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them adjusted</source>
        <comment>%n of them adjusted</comment>
        <translation>
            <numerusform>%n de ellas ajustada</numerusform>
            <numerusform>%n de ellas ajustadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <comment>%n refused</comment>
        <translation>
            <numerusform>%n rechazada</numerusform>
            <numerusform>%n rechazadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>%n skipped</comment>
        <translation>
            <numerusform>%n omitida</numerusform>
            <numerusform>%n omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n programmed channels will be replaced.</source>
        <comment>%n programmed channel will be replaced.</comment>
        <translation>
            <numerusform>se sustituirá %n canal programado.</numerusform>
            <numerusform>se sustituirán %n canales programados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows give their channel what it already holds and leave it unchanged.</source>
        <comment>%n row gives its channel what it already holds and leaves it unchanged.</comment>
        <translation>
            <numerusform>%n fila da a su canal lo que ya contiene y lo deja sin cambios.</numerusform>
            <numerusform>%n filas dan a su canal lo que ya contiene y lo dejan sin cambios.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DebugTexts</name>
    <message>
        <source>Debugging</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>A Power Grades</source>
        <translation>Niveles de potencia A</translation>
    </message>
    <message>
        <source>B Power Grades</source>
        <translation>Niveles de potencia B</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
</context>
<context>
    <name>DemoRadio</name>
    <message>
        <source>%1 was not found</source>
        <translation>no se encuentra %1</translation>
    </message>
    <message>
        <source>%1 did not name its device</source>
        <translation>%1 no indicó su dispositivo</translation>
    </message>
</context>
<context>
    <name>DtmfTexts</name>
    <message>
        <source>DTMF(双音多频)</source>
        <translation>DTMF(双音多频)</translation>
    </message>
    <message>
        <source>ANI：</source>
        <translation>ANI：</translation>
    </message>
    <message>
        <source>Auto-dialing Memory</source>
        <translation>Marcación automática</translation>
    </message>
    <message>
        <source>Other Features</source>
        <translation>Otras funciones</translation>
    </message>
    <message>
        <source>First Autodial Memory</source>
        <translation>Marcación automática 1</translation>
    </message>
    <message>
        <source>Second Autodial Memory</source>
        <translation>Marcación automática 2</translation>
    </message>
    <message>
        <source>Third Autodial Memory</source>
        <translation>Marcación automática 3</translation>
    </message>
    <message>
        <source>Fourth Autodial Memory</source>
        <translation>Marcación automática 4</translation>
    </message>
    <message>
        <source>Fifth Autodial Memory</source>
        <translation>Marcación automática 5</translation>
    </message>
    <message>
        <source>Sixth Autodial Memory</source>
        <translation>Marcación automática 6</translation>
    </message>
    <message>
        <source>Seventh Autodial Memory</source>
        <translation>Marcación automática 7</translation>
    </message>
    <message>
        <source>Eight Autodial Memory</source>
        <translation>Marcación automática 8</translation>
    </message>
    <message>
        <source>ANI Start Code：</source>
        <translation>Código ANI inicial:</translation>
    </message>
    <message>
        <source>ANI End Code：</source>
        <translation>Código ANI final:</translation>
    </message>
    <message>
        <source>Own Code：</source>
        <translation>Código propio:</translation>
    </message>
    <message>
        <source>DTMF Rate：</source>
        <translation>Velocidad DTMF:</translation>
    </message>
    <message>
        <source>First Digital Delay：</source>
        <translation>Retardo del primer dígito:</translation>
    </message>
    <message>
        <source>Group Call Code：</source>
        <translation>Código de grupo:</translation>
    </message>
    <message>
        <source>Start Send</source>
        <translation>Inicio de TX</translation>
    </message>
    <message>
        <source>End Send</source>
        <translation>Fin de TX</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>%1MS</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>EditLabels</name>
    <message>
        <source>Optional features</source>
        <translation>Funciones opcionales</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>Frecuencia RX</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>Frecuencia TX</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>Subtono RX</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>Subtono TX</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Busy lock</source>
        <translation>Bloqueo ocupado</translation>
    </message>
    <message>
        <source>Add scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Wide/narrow</source>
        <translation>Ancha/estrecha</translation>
    </message>
    <message>
        <source>TX prohibit</source>
        <translation>Prohibir TX</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Canales %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Restaurar cambios sin guardar</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>Banda: %1</translation>
    </message>
</context>
<context>
    <name>ExchangeNotes</name>
    <message>
        <source>Location &quot;{0}&quot; is not a whole number</source>
        <translation>Location &quot;{0}&quot; no es un número entero</translation>
    </message>
    <message>
        <source>Location {0} is outside 1..128</source>
        <translation>Location {0} está fuera de 1..128</translation>
    </message>
    <message>
        <source>channel {0} was already given by line {1}</source>
        <translation>el canal {0} ya lo dio la línea {1}</translation>
    </message>
    <message>
        <source>invalid {0} &quot;{1}&quot;</source>
        <translation>{0} no válido &quot;{1}&quot;</translation>
    </message>
    <message>
        <source>the row has {0} cells, the header {1}</source>
        <translation>la fila tiene {0} celdas y la cabecera {1}</translation>
    </message>
    <message>
        <source>the row has {0} cells, the header only {1}</source>
        <translation>la fila tiene {0} celdas y la cabecera solo {1}</translation>
    </message>
    <message>
        <source>receive frequency {0} MHz is outside both ranges of the current band ({1})</source>
        <translation>la frecuencia de recepción {0} MHz está fuera de los dos rangos de la banda actual ({1})</translation>
    </message>
    <message>
        <source>transmit frequency {0} MHz is outside both ranges of the current band ({1})</source>
        <translation>la frecuencia de transmisión {0} MHz está fuera de los dos rangos de la banda actual ({1})</translation>
    </message>
    <message>
        <source>the radio has no {0} mode</source>
        <translation>la radio no tiene modo {0}</translation>
    </message>
    <message>
        <source>the radio has no reverse squelch ({0})</source>
        <translation>la radio no tiene squelch inverso ({0})</translation>
    </message>
    <message>
        <source>the radio cannot send CTCSS tone {0}</source>
        <translation>la radio no puede enviar el subtono CTCSS {0}</translation>
    </message>
    <message>
        <source>the radio cannot send DCS code {0}</source>
        <translation>la radio no puede enviar el código DCS {0}</translation>
    </message>
    <message>
        <source>no free channel left from channel {0}</source>
        <translation>no queda ningún canal libre desde el canal {0}</translation>
    </message>
    <message>
        <source>no channel left after channel 128 (placing from {0})</source>
        <translation>no quedan canales después del canal 128 (colocando desde el {0})</translation>
    </message>
    <message>
        <source>receive frequency {0} MHz stored as {1} (channel raster)</source>
        <translation>frecuencia de recepción {0} MHz guardada como {1} (paso de canal)</translation>
    </message>
    <message>
        <source>transmit frequency {0} MHz stored as {1} (channel raster)</source>
        <translation>frecuencia de transmisión {0} MHz guardada como {1} (paso de canal)</translation>
    </message>
    <message>
        <source>name &quot;{0}&quot; stored as &quot;{1}&quot; (the radio keeps at most 8 characters)</source>
        <translation>nombre &quot;{0}&quot; guardado como &quot;{1}&quot; (la radio guarda como máximo 8 caracteres)</translation>
    </message>
    <message>
        <source>name &quot;{0}&quot; stored as &quot;{1}&quot; (characters the radio cannot store left out, at most 8 kept)</source>
        <translation>nombre &quot;{0}&quot; guardado como &quot;{1}&quot; (se omiten los caracteres que la radio no admite; se guardan como máximo 8)</translation>
    </message>
    <message>
        <source>the radio has no priority scan (P): imported as scanned</source>
        <translation>la radio no tiene escaneo prioritario (P): importado como escaneado</translation>
    </message>
    <message>
        <source>power {0} taken as the nearest level, {1} ({2})</source>
        <translation>potencia {0} tomada como el nivel más cercano, {1} ({2})</translation>
    </message>
    <message>
        <source>RxDtcsCode {0} differs from DtcsCode {1}: {1} used both ways</source>
        <translation>RxDtcsCode {0} difiere de DtcsCode {1}: se usa {1} en ambos sentidos</translation>
    </message>
    <message>
        <source>no frequency: not a channel, skipped</source>
        <translation>sin frecuencia: no es un canal, omitida</translation>
    </message>
    <message>
        <source>unknown column &quot;{0}&quot; ignored</source>
        <translation>columna desconocida &quot;{0}&quot; ignorada</translation>
    </message>
    <message>
        <source>column &quot;{0}&quot; given twice: the first one is used</source>
        <translation>columna &quot;{0}&quot; repetida: se usa la primera</translation>
    </message>
    <message>
        <source>the header has no {0} column</source>
        <translation>la cabecera no tiene la columna {0}</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>el archivo no tiene fila de cabecera</translation>
    </message>
    <message>
        <source>the file is larger than {0} MiB: no channel list</source>
        <translation>el archivo supera {0} MiB: no es una lista de canales</translation>
    </message>
    <message>
        <source>the file has no channel rows</source>
        <translation>el archivo no tiene filas de canales</translation>
    </message>
    <message>
        <source>channel {0} not exported: its frequency is no number</source>
        <translation>canal {0} no exportado: su frecuencia no es un número</translation>
    </message>
    <message>
        <source>channel {0} has transmit prohibited: its transmit frequency {1} MHz is not written (Duplex off)</source>
        <translation>el canal {0} tiene la transmisión prohibida: su frecuencia de transmisión {1} MHz no se escribe (Duplex off)</translation>
    </message>
    <message>
        <source>channel {0} has no transmit frequency: Duplex written as off</source>
        <translation>el canal {0} no tiene frecuencia de transmisión: Duplex escrito como off</translation>
    </message>
    <message>
        <source>channel {0} has a power value without watts: Power left empty</source>
        <translation>el canal {0} tiene un valor de potencia sin vatios: Power queda vacío</translation>
    </message>
    <message>
        <source>; no band of this radio takes it</source>
        <translation>; ninguna banda de esta radio la admite</translation>
    </message>
    <message>
        <source>; band %1 would take it</source>
        <translation>; la banda %1 la admitiría</translation>
    </message>
</context>
<context>
    <name>FillSeriesDialog</name>
    <message>
        <source>Choose what to fill</source>
        <translation>Elija qué rellenar</translation>
    </message>
    <message>
        <source>The start frequency is no number</source>
        <translation>La frecuencia inicial no es un número</translation>
    </message>
    <message>
        <source>The step is no number (kHz)</source>
        <translation>El paso no es un número (kHz)</translation>
    </message>
    <message>
        <source>The offset is no number (MHz)</source>
        <translation>El desplazamiento no es un número (MHz)</translation>
    </message>
    <message>
        <source>The name pattern may hold only name characters and {n} or {n:02}</source>
        <translation>El patrón de nombre solo admite caracteres de nombre y {n} o {n:02}</translation>
    </message>
    <message>
        <source>&amp;Receive frequencies</source>
        <translation>Frecuencias de &amp;recepción</translation>
    </message>
    <message>
        <source>Start frequency (MHz)</source>
        <translation>Frecuencia inicial (MHz)</translation>
    </message>
    <message>
        <source>Step (kHz)</source>
        <translation>Paso (kHz)</translation>
    </message>
    <message>
        <source>MHz, step</source>
        <translation>MHz, paso</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Transmit frequency</source>
        <translation>Frecuencia de transmisión</translation>
    </message>
    <message>
        <source>Leave as it is</source>
        <translation>Dejar como está</translation>
    </message>
    <message>
        <source>Same as receive</source>
        <translation>Igual que recepción</translation>
    </message>
    <message>
        <source>Receive plus offset</source>
        <translation>Recepción más desplazamiento</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Desplazamiento (MHz)</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Transmit:</source>
        <translation>&amp;Transmisión:</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nombres</translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation>Patrón de nombre</translation>
    </message>
    <message>
        <source>{n} is the number, {n:02} the number with two digits (e.g. PMR{n:02})</source>
        <translation>{n} es el número, {n:02} el número con dos dígitos (p. ej. PMR{n:02})</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Stays: </source>
        <translation>Se mantiene: </translation>
    </message>
    <message>
        <source>New channel</source>
        <translation>Canal nuevo</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rellenado</translation>
    </message>
    <message numerus="yes">
        <source>Fill Series (%n channels)</source>
        <comment>Fill Series (%n channel)</comment>
        <translation>
            <numerusform>Rellenar serie (%n canal)</numerusform>
            <numerusform>Rellenar serie (%n canales)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FleetTexts</name>
    <message>
        <source>the per-radio values file is empty: its first line names the settings</source>
        <translation>el archivo de valores por radio está vacío: su primera línea nombra los ajustes</translation>
    </message>
    <message>
        <source>line %1: there is no setting called &quot;%2&quot;</source>
        <translation>línea %1: no hay ningún ajuste llamado &quot;%2&quot;</translation>
    </message>
    <message>
        <source>line %1: the setting &quot;%2&quot; is named twice</source>
        <translation>línea %1: el ajuste &quot;%2&quot; aparece dos veces</translation>
    </message>
    <message>
        <source>the per-radio values file has a heading but no rows</source>
        <translation>el archivo de valores por radio tiene cabecera pero ninguna fila</translation>
    </message>
    <message>
        <source>line %1 has %2 cells, the heading has %3</source>
        <translation>la línea %1 tiene %2 celdas y la cabecera %3</translation>
    </message>
    <message>
        <source>line %1 starts with &quot;#&quot; and would be skipped as a comment: put the value in quotes (&quot;#...&quot;)</source>
        <translation>la línea %1 empieza por &quot;#&quot; y se omitiría como comentario: ponga el valor entre comillas (&quot;#...&quot;)</translation>
    </message>
    <message>
        <source>line %1: &quot;%3&quot; is not a value of %2</source>
        <translation>línea %1: &quot;%3&quot; no es un valor de %2</translation>
    </message>
    <message>
        <source>line %1: %2 does not take &quot;%3&quot; (the options window would make it &quot;%4&quot;)</source>
        <translation>línea %1: %2 no admite &quot;%3&quot; (la ventana de funciones opcionales lo convertiría en &quot;%4&quot;)</translation>
    </message>
    <message>
        <source>A fleet write never sends the power calibration (0x7E0, 0x7F0): each radio keeps its own.</source>
        <translation>Una escritura en lote nunca envía la calibración de potencia (0x7E0, 0x7F0): cada radio conserva la suya.</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varias radios</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Conector</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Station: each port waits for radio after radio; swap them when done</source>
        <translation>Estación: cada puerto espera una radio tras otra; cámbielas al terminar</translation>
    </message>
    <message>
        <source>Per-Radio Values…</source>
        <translation>Valores por radio…</translation>
    </message>
    <message>
        <source>(none: every radio gets the same data)</source>
        <translation>(ninguno: todas las radios reciben los mismos datos)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Ident</source>
        <translation>Ident.</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>First difference</source>
        <translation>Primera diferencia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Guardar informe…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Valores por radio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 filas</translation>
    </message>
    <message>
        <source>Tick at least one port.</source>
        <translation>Marque al menos un puerto.</translation>
    </message>
    <message>
        <source>The per-radio values have %1 rows for %2 ports.</source>
        <translation>Los valores por radio tienen %1 filas para %2 puertos.</translation>
    </message>
    <message>
        <source>Programming…</source>
        <translation>Programando…</translation>
    </message>
    <message>
        <source>waiting for a radio</source>
        <translation>esperando una radio</translation>
    </message>
    <message>
        <source>looking for a radio</source>
        <translation>buscando una radio</translation>
    </message>
    <message>
        <source>take the radio off</source>
        <translation>retire la radio</translation>
    </message>
    <message>
        <source>%2 of %1 radios written and verified.</source>
        <translation>%2 de %1 radios escritas y verificadas.</translation>
    </message>
    <message>
        <source>Report kept in %1</source>
        <translation>Informe guardado en %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>Archivos CSV (*.csv);;Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>The report cannot be saved as %1 (the name must end in .csv or .json).</source>
        <translation>El informe no se puede guardar como %1 (el nombre debe terminar en .csv o .json).</translation>
    </message>
</context>
<context>
    <name>Fm</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
</context>
<context>
    <name>FmTexts</name>
    <message>
        <source>FM Channel Set</source>
        <translation>Canales FM</translation>
    </message>
    <message>
        <source>FM VFO:</source>
        <translation>VFO FM:</translation>
    </message>
    <message>
        <source>Present Channel:</source>
        <translation>Canal actual:</translation>
    </message>
    <message>
        <source>FM Display Mode:</source>
        <translation>Modo de pantalla FM:</translation>
    </message>
    <message>
        <source>收音机步进频率:</source>
        <translation>收音机步进频率:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency(MHz)</source>
        <translation>Frecuencia(MHz)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency(87-107.9), please input again.</source>
        <translation>Frecuencia fuera de rango (87-107.9); introdúzcala de nuevo.</translation>
    </message>
    <message>
        <source>The present channel must be a whole number (1-25), please input again.</source>
        <translation>El canal actual debe ser un número entero (1-25); introdúzcalo de nuevo.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
</context>
<context>
    <name>FmWindow</name>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
</context>
<context>
    <name>GridToolTexts</name>
    <message>
        <source>Free channel (enter its receive frequency first)</source>
        <translation>Canal libre (introduzca primero su frecuencia de recepción)</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>Fuera del rango de la banda de frecuencias</translation>
    </message>
    <message>
        <source>Name longer than 5 characters</source>
        <translation>Nombre de más de 5 caracteres</translation>
    </message>
    <message>
        <source>Name holds a character names cannot hold</source>
        <translation>El nombre tiene un carácter no admitido en nombres</translation>
    </message>
    <message>
        <source>Words that are no entry of the list</source>
        <translation>No es ninguna entrada de la lista</translation>
    </message>
</context>
<context>
    <name>GridTools</name>
    <message>
        <source>Sort by This Column, Ascending(&amp;A)</source>
        <translation>Ordenar por esta columna, ascendente(&amp;A)</translation>
    </message>
    <message>
        <source>Sort by This Column, Descending(&amp;D)</source>
        <translation>Ordenar por esta columna, descendente(&amp;D)</translation>
    </message>
    <message>
        <source>Find Channels(&amp;F)…</source>
        <translation>Buscar canales(&amp;B)…</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>Buscar siguiente(&amp;G)</translation>
    </message>
    <message>
        <source>Find Previous(&amp;R)</source>
        <translation>Buscar anterior(&amp;R)</translation>
    </message>
    <message>
        <source>Choose All Channels(&amp;A)</source>
        <translation>Seleccionar todos los canales(&amp;A)</translation>
    </message>
    <message>
        <source>Fill Series(&amp;G)…</source>
        <translation>Rellenar serie(&amp;N)…</translation>
    </message>
    <message>
        <source>Sort channels by %1, ascending</source>
        <translation>Ordenar canales por %1, ascendente</translation>
    </message>
    <message>
        <source>Sort channels by %1, descending</source>
        <translation>Ordenar canales por %1, descendente</translation>
    </message>
    <message>
        <source>Sort Channels(&amp;S)</source>
        <translation>Ordenar canales(&amp;O)</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Por %1</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Set %1 of Chosen Channels(&amp;K)…</source>
        <translation>Valor de %1 en los canales elegidos(&amp;V)…</translation>
    </message>
    <message>
        <source>These channels were left as they were:</source>
        <translation>Estos canales se dejaron como estaban:</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>Fill series</source>
        <translation>Rellenar serie</translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n channels</source>
        <comment>Set %1 of %n channel</comment>
        <translation>
            <numerusform>Establecer %1 en %n canal</numerusform>
            <numerusform>Establecer %1 en %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 set on %n channels.</source>
        <comment>%1 set on %n channel.</comment>
        <translation>
            <numerusform>%1 establecido en %n canal.</numerusform>
            <numerusform>%1 establecido en %n canales.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>LocalMsgbox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>TALVO Radio Programming Software V1.50</source>
        <translation>Software de programación de radios TALVO V1.50</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Changing the frequency band will remove the channel tabulation, confirm?</source>
        <translation>Cambiar la banda de frecuencias borrará la tabla de canales. ¿Confirmar?</translation>
    </message>
    <message>
        <source>Be careful!</source>
        <translation>¡Cuidado!</translation>
    </message>
    <message>
        <source>Unsaved data will be lost, sure?</source>
        <translation>Se perderán los datos no guardados. ¿Seguro?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.</source>
        <translation>Puerto serie %1: no es válido o ya lo usa otro programa; elija otro puerto o cierre ese programa.</translation>
    </message>
    <message>
        <source>

Use port %1 instead?</source>
        <translation>

¿Usar en su lugar el puerto %1?</translation>
    </message>
    <message>
        <source>Confirm that withdraws from a procedure?
Lose all in change not kept!</source>
        <translation>¿Confirma que desea salir del programa?
¡Se perderán todos los cambios no guardados!</translation>
    </message>
    <message>
        <source>Be careful</source>
        <translation>Cuidado</translation>
    </message>
    <message>
        <source>HB27E.CHM</source>
        <comment>the help file&apos;s name</comment>
        <translation>HB27E.CHM</translation>
    </message>
</context>
<context>
    <name>MainDocument</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source> (recovered, unsaved)</source>
        <translation> (recuperado, sin guardar)</translation>
    </message>
    <message>
        <source>There are unsaved changes. Save them first?</source>
        <translation>Hay cambios sin guardar. ¿Guardarlos antes?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>The file no longer exists; it was removed from the recent files:
</source>
        <translation>El archivo ya no existe; se quitó de los archivos recientes:
</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MainExchange</name>
    <message>
        <source>Import Channels (CSV)…</source>
        <translation>Importar canales (CSV)…</translation>
    </message>
    <message>
        <source>Export Channels (CSV)…</source>
        <translation>Exportar canales (CSV)…</translation>
    </message>
    <message>
        <source>Export Printout (PDF)…</source>
        <translation>Exportar impresión (PDF)…</translation>
    </message>
    <message>
        <source>CSV files(*.csv)|*.csv|All files(*.*)|*.*|</source>
        <translation>Archivos CSV(*.csv)|*.csv|Todos los archivos(*.*)|*.*|</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*|</source>
        <translation>Archivos PDF(*.pdf)|*.pdf|Todos los archivos(*.*)|*.*|</translation>
    </message>
    <message>
        <source>This file holds no channel list:</source>
        <translation>Este archivo no contiene una lista de canales:</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>%1 channel was exported to:
%2</source>
        <translation>Se exportó %1 canal a:
%2</translation>
    </message>
    <message>
        <source>%1 channels were exported to:
%2</source>
        <translation>Se exportaron %1 canales a:
%2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <source>The printout (%1 pages) was written to:
%2</source>
        <translation>La impresión (%1 páginas) se escribió en:
%2</translation>
    </message>
    <message>
        <source>Export Printout</source>
        <translation>Exportar impresión</translation>
    </message>
</context>
<context>
    <name>MainSafety</name>
    <message>
        <source>Open backup %1</source>
        <translation>Abrir copia %1</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>TALVO Radio Programming Software V1.50</source>
        <translation>Software de programación de radios TALVO V1.50</translation>
    </message>
    <message>
        <source> </source>
        <comment>maker&apos;s name</comment>
        <translation> </translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Archivo(&amp;A)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>Nuevo(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <translation>Abrir(&amp;A)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Guardar(&amp;G)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>Imprimir(&amp;I)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Salir(&amp;S)</translation>
    </message>
    <message>
        <source>Backups(&amp;K)…</source>
        <translation>Copias de seguridad(&amp;C)…</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Edición(&amp;E)</translation>
    </message>
    <message>
        <source>Channel Edit(&amp;M)</source>
        <translation>Editar canales(&amp;E)</translation>
    </message>
    <message>
        <source>DTMF(&amp;D)</source>
        <translation>DTMF(&amp;D)</translation>
    </message>
    <message>
        <source>Optional Features(&amp;P)</source>
        <translation>Funciones opcionales(&amp;F)</translation>
    </message>
    <message>
        <source>Debug Information(&amp;B)</source>
        <translation>Información de depuración(&amp;M)</translation>
    </message>
    <message>
        <source>FM Channel Set</source>
        <translation>Canales FM</translation>
    </message>
    <message>
        <source>Programming(&amp;G)</source>
        <translation>Programación(&amp;P)</translation>
    </message>
    <message>
        <source>Read Data from the Transceive(&amp;R)</source>
        <translation>Leer datos del transceptor(&amp;L)</translation>
    </message>
    <message>
        <source>Write Data in the Transceive(&amp;W)</source>
        <translation>Escribir datos en el transceptor(&amp;E)</translation>
    </message>
    <message>
        <source>Communication Port(&amp;C)</source>
        <translation>Puerto de comunicación(&amp;P)</translation>
    </message>
    <message>
        <source>Checked Write: Back Up, Show Changes, Verify(&amp;V)</source>
        <translation>Escritura segura: copia, cambios, verificación(&amp;V)</translation>
    </message>
    <message>
        <source>Program Several Radios(&amp;M)…</source>
        <translation>Programar varias radios(&amp;R)…</translation>
    </message>
    <message>
        <source>Language Select(&amp;L)</source>
        <translation>Idioma(&amp;I)</translation>
    </message>
    <message>
        <source>Chinese(&amp;C)</source>
        <translation>Chino(&amp;C)</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>Inglés(&amp;I)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Ayuda(&amp;Y)</translation>
    </message>
    <message>
        <source>Help Theme(F1)</source>
        <translation>Temas de ayuda(F1)</translation>
    </message>
    <message>
        <source>About(&amp;H)</source>
        <translation>Acerca de(&amp;A)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Read Data from the Transceive</source>
        <translation>Leer datos del transceptor</translation>
    </message>
    <message>
        <source>Write Data in the Transceive</source>
        <translation>Escribir datos en el transceptor</translation>
    </message>
    <message>
        <source>Lock the hidden mode again (double-click)</source>
        <translation>Volver a bloquear el modo oculto (doble clic)</translation>
    </message>
    <message>
        <source>Lock the debug mode again (double-click)</source>
        <translation>Volver a bloquear el modo de depuración (doble clic)</translation>
    </message>
    <message>
        <source>Lock the FM mode again (double-click)</source>
        <translation>Volver a bloquear el modo FM (doble clic)</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Freq &amp; Channel</source>
        <translation>Frec. y canal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Plus Shift(+)</source>
        <translation>Positivo(+)</translation>
    </message>
    <message>
        <source>Minus Shift(-)</source>
        <translation>Negativo(-)</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>disabled</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <comment>enabled</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>A Display Mode:</source>
        <translation>Modo de pantalla A:</translation>
    </message>
    <message>
        <source>B Display Mode:</source>
        <translation>Modo de pantalla B:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>Pitido:</translation>
    </message>
    <message>
        <source>Key Lock:</source>
        <translation>Bloqueo teclas:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Scan Mode:</source>
        <translation>Modo escaneo:</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>KeyLock Mode:</source>
        <translation>Modo de bloqueo:</translation>
    </message>
    <message>
        <source>Radio Search Mode:</source>
        <translation>Búsqueda radio FM:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Radio Monitors Signal:</source>
        <translation>Vigilar señal en FM:</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>closed</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <comment>opened</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>SquelchTail Elimination:</source>
        <translation>Eliminación de cola:</translation>
    </message>
    <message>
        <source>Auto Power-Off:</source>
        <translation>Apagado automático:</translation>
    </message>
    <message>
        <source>%1 Hour</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Open Display Mode:</source>
        <translation>Pantalla de encendido:</translation>
    </message>
    <message>
        <source>Channel Name Editable:</source>
        <translation>Nombre de canal editable:</translation>
    </message>
    <message>
        <source>Squelch Level:</source>
        <translation>Nivel de squelch:</translation>
    </message>
    <message>
        <source>Battery Save:</source>
        <translation>Ahorro batería:</translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <translation>Tiempo máx. TX:</translation>
    </message>
    <message>
        <source>%1 Minute</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Roger Beep:</source>
        <translation>Roger beep:</translation>
    </message>
    <message>
        <source>Main Channel:</source>
        <translation>Canal principal:</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>Grupo B</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>Grupo A</translation>
    </message>
    <message>
        <source>Backlight Mode:</source>
        <translation>Retroiluminación:</translation>
    </message>
    <message>
        <source>Power-On Password:</source>
        <translation>Clave de encendido:</translation>
    </message>
    <message>
        <source>Dual Standby:</source>
        <translation>Doble escucha:</translation>
    </message>
    <message>
        <source>Memory Channel display Mode:</source>
        <translation>Pantalla de canales de memoria:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>VOX Swith:</source>
        <translation>VOX activo:</translation>
    </message>
    <message>
        <source>VOX Gain Level:</source>
        <translation>Ganancia VOX:</translation>
    </message>
    <message>
        <source>VOX Delay Time(s):</source>
        <translation>Retardo VOX(s):</translation>
    </message>
    <message>
        <source>QT/DQT Dec:</source>
        <translation>Subtono RX:</translation>
    </message>
    <message>
        <source>QT/DQT Enc:</source>
        <translation>Subtono TX:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Potencia:</translation>
    </message>
    <message>
        <source>Offset Frequency:</source>
        <translation>Desplazamiento:</translation>
    </message>
    <message>
        <source>Wide/Narrow:</source>
        <translation>Ancha/Estrecha:</translation>
    </message>
    <message>
        <source>Busy Channel Lock:</source>
        <translation>Bloqueo canal ocupado:</translation>
    </message>
    <message>
        <source>Add Scan:</source>
        <translation>En escaneo:</translation>
    </message>
    <message>
        <source>TX Prohibit:</source>
        <translation>Prohibir TX:</translation>
    </message>
    <message>
        <source>A Step Frequency:</source>
        <translation>Paso de frecuencia A:</translation>
    </message>
    <message>
        <source>B Step Frequency:</source>
        <translation>Paso de frecuencia B:</translation>
    </message>
    <message>
        <source>Scramble:</source>
        <translation>Scrambler:</translation>
    </message>
    <message>
        <source>Companding:</source>
        <translation>Compansor:</translation>
    </message>
    <message>
        <source>呼叫音:</source>
        <translation>呼叫音:</translation>
    </message>
    <message>
        <source>A Channel Number:</source>
        <translation>Número de canal A:</translation>
    </message>
    <message>
        <source>B Channel Number:</source>
        <translation>Número de canal B:</translation>
    </message>
    <message>
        <source>Display Character:</source>
        <translation>Texto de encendido:</translation>
    </message>
    <message>
        <source>Power-On Password:</source>
        <comment>4 digits</comment>
        <translation>Clave de 4 cifras:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Offset Data:</source>
        <translation>Valor desplaz.:</translation>
    </message>
    <message>
        <source>Allow to Cancel Operating</source>
        <translation>Permitir cancelar la operación</translation>
    </message>
    <message>
        <source>Prohibit VOX in the receiving</source>
        <translation>Prohibir VOX al recibir</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>Funciones opcionales</translation>
    </message>
    <message>
        <source>Pronunciation mode:</source>
        <translation>Modo de voz:</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>A Group VFO</source>
        <translation>VFO del grupo A</translation>
    </message>
    <message>
        <source>B Group VFO</source>
        <translation>VFO del grupo B</translation>
    </message>
</context>
<context>
    <name>OutcomeWords</name>
    <message>
        <source>The radio stopped answering at step %1.</source>
        <translation>La radio dejó de responder en el paso %1.</translation>
    </message>
    <message>
        <source>The radio refused the written data at step %1.</source>
        <translation>La radio rechazó los datos escritos en el paso %1.</translation>
    </message>
    <message>
        <source>The radio answered with another model&apos;s identification.</source>
        <translation>La radio respondió con la identificación de otro modelo.</translation>
    </message>
    <message>
        <source>The radio&apos;s answer at step %1 does not fit the exchange.</source>
        <translation>La respuesta de la radio en el paso %1 no corresponde al intercambio.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>La transferencia se detuvo.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>La transferencia se canceló.</translation>
    </message>
    <message>
        <source>First difference at address %1; %2 byte differs.</source>
        <translation>Primera diferencia en la dirección %1; difiere %2 byte.</translation>
    </message>
    <message>
        <source>First difference at address %1; %2 bytes differ.</source>
        <translation>Primera diferencia en la dirección %1; difieren %2 bytes.</translation>
    </message>
    <message>
        <source>the radio does not hold what was written: first difference at %1, %2 byte differs</source>
        <translation>la radio no contiene lo escrito: primera diferencia en %1, difiere %2 byte</translation>
    </message>
    <message>
        <source>the radio does not hold what was written: first difference at %1, %2 bytes differ</source>
        <translation>la radio no contiene lo escrito: primera diferencia en %1, difieren %2 bytes</translation>
    </message>
    <message>
        <source>The write stopped at the block at address %1; the radio may hold a partly written configuration.</source>
        <translation>La escritura se detuvo en el bloque de la dirección %1; la radio puede tener una configuración escrita a medias.</translation>
    </message>
    <message>
        <source>The write stopped before any data was sent.</source>
        <translation>La escritura se detuvo antes de enviar ningún dato.</translation>
    </message>
    <message>
        <source>The radio holds the file&apos;s bytes.</source>
        <translation>La radio contiene los bytes del archivo.</translation>
    </message>
    <message>
        <source>The radio holds what a write of the file sends.</source>
        <translation>La radio contiene lo que envía una escritura del archivo.</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identificando</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Guardando copia</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>El archivo %1 no se puede leer.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written; nothing was saved.</source>
        <translation>El archivo %1 no se puede escribir; no se guardó nada.</translation>
    </message>
    <message>
        <source>File type is incorrect!</source>
        <translation>¡El tipo de archivo no es correcto!</translation>
    </message>
    <message>
        <source>The file %1 is too short (a data file has 3120 bytes).</source>
        <translation>El archivo %1 es demasiado corto (un archivo de datos tiene 3120 bytes).</translation>
    </message>
    <message>
        <source>The serial port %1 cannot be opened.</source>
        <translation>El puerto serie %1 no se puede abrir.</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. On Linux add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Sin permiso para abrir el puerto serie %1. En Linux, añada su usuario al grupo dialout (sudo usermod -aG dialout $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Communication error, check the line and the serial connection selection!</source>
        <translation>¡Error de comunicación! Compruebe el cable y el puerto serie elegido.</translation>
    </message>
    <message>
        <source>The radio refused the written data.</source>
        <translation>La radio rechazó los datos escritos.</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>escrita y verificada</translation>
    </message>
    <message>
        <source>verify failed: the radio does not hold what was written</source>
        <translation>verificación fallida: la radio no contiene lo escrito</translation>
    </message>
    <message>
        <source>no radio answered</source>
        <translation>ninguna radio respondió</translation>
    </message>
    <message>
        <source>not this model of radio: nothing written</source>
        <translation>no es este modelo de radio: no se escribió nada</translation>
    </message>
    <message>
        <source>the radio stopped answering</source>
        <translation>la radio dejó de responder</translation>
    </message>
    <message>
        <source>the radio refused a written block</source>
        <translation>la radio rechazó un bloque escrito</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>el puerto no se puede usar</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>Reading Frequency Successful!</source>
        <translation>¡Lectura completada!</translation>
    </message>
    <message>
        <source>Writing Frequency Successful!</source>
        <translation>¡Escritura completada!</translation>
    </message>
    <message>
        <source>Written and verified!</source>
        <translation>¡Escrito y verificado!</translation>
    </message>
    <message>
        <source>The write was stopped.</source>
        <translation>La escritura se detuvo.</translation>
    </message>
    <message>
        <source>The write failed: </source>
        <translation>La escritura falló: </translation>
    </message>
    <message>
        <source>The radio does not hold what was written!</source>
        <translation>¡La radio no contiene lo que se escribió!</translation>
    </message>
    <message>
        <source>The data was written but could not be read back to check it: </source>
        <translation>Los datos se escribieron pero no se pudieron releer para comprobarlos: </translation>
    </message>
    <message>
        <source>The backup was written back to the radio and verified.</source>
        <translation>La copia se escribió de nuevo en la radio y se verificó.</translation>
    </message>
    <message>
        <source>Restoring the backup failed: </source>
        <translation>Falló la restauración de la copia: </translation>
    </message>
    <message>
        <source>After writing the backup back the radio still does not hold it!</source>
        <translation>¡Tras escribir de nuevo la copia, la radio sigue sin contenerla!</translation>
    </message>
    <message>
        <source>The backup was written back but could not be read back to check it: </source>
        <translation>La copia se escribió de nuevo pero no se pudo releer para comprobarla: </translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source> (port %1)</source>
        <translation> (puerto %1)</translation>
    </message>
    <message>
        <source>Port %1 reaches no serial device on this computer.</source>
        <translation>El puerto %1 no lleva a ningún dispositivo serie de este ordenador.</translation>
    </message>
    <message>
        <source>The device %1 is not there (is the cable unplugged?).</source>
        <translation>El dispositivo %1 no está (¿está desconectado el cable?).</translation>
    </message>
    <message>
        <source>No serial device is present now: plug the programming cable in.</source>
        <translation>No hay ningún dispositivo serie: conecte el cable de programación.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Dispositivos serie presentes:</translation>
    </message>
    <message>
        <source>No permission to open %1 (it belongs to the group %2).</source>
        <translation>Sin permiso para abrir %1 (pertenece al grupo %2).</translation>
    </message>
    <message>
        <source>
The program&apos;s udev rule (70-talvo.rules, which gives the logged-in user the cable) is not installed: install the talvo package, or copy 70-talvo.rules to /etc/udev/rules.d, then unplug and replug the cable.</source>
        <translation>
La regla udev del programa (70-talvo.rules, que da el cable al usuario conectado) no está instalada: instale el paquete talvo o copie 70-talvo.rules en /etc/udev/rules.d; después desconecte y vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>
The udev rule is installed, but it serves only a user logged in at this computer: unplug and replug the cable.</source>
        <translation>
La regla udev está instalada, pero solo sirve a un usuario con sesión en este ordenador: desconecte y vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>
You are in the group %1, but this login started before you were added: log out and log in again.</source>
        <translation>
Usted está en el grupo %1, pero esta sesión empezó antes de que se le añadiera: cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>the group %1</source>
        <translation>el grupo %1</translation>
    </message>
    <message>
        <source>%1, the group of serial devices</source>
        <translation>%1, el grupo de los dispositivos serie</translation>
    </message>
    <message>
        <source>
Or add yourself to %1: sudo usermod -aG %2 $USER — then log out and log in again (a new login is needed).</source>
        <translation>
O añádase a %1: sudo usermod -aG %2 $USER — después cierre la sesión y vuelva a iniciarla (hace falta una sesión nueva).</translation>
    </message>
    <message>
        <source>%1 is in use by another program (the system does not say which; sudo fuser -v %1 shows it). Close that program and try again.</source>
        <translation>%1 está en uso por otro programa (el sistema no dice cuál; sudo fuser -v %1 lo muestra). Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (process </source>
        <translation> (proceso </translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program and try again.</source>
        <translation>%1 está en uso por %2. Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port with no hardware behind it; no cable can be on it.</source>
        <translation>%1 es un puerto serie integrado sin hardware detrás; no puede haber ningún cable en él.</translation>
    </message>
    <message>
        <source>brltty (the Braille display service) is installed and a CH340 cable is plugged in: brltty claims the CH340 as a Braille display and its serial device disappears. If you use no Braille display, remove it (sudo apt remove brltty) or stop it (sudo systemctl stop brltty-udev.service brltty.service and sudo systemctl mask brltty-udev.service), then unplug and replug the cable.</source>
        <translation>brltty (el servicio de líneas Braille) está instalado y hay un cable CH340 conectado: brltty toma el CH340 por una línea Braille y su dispositivo serie desaparece. Si no usa ninguna línea Braille, desinstálelo (sudo apt remove brltty) o deténgalo (sudo systemctl stop brltty-udev.service brltty.service y sudo systemctl mask brltty-udev.service); después desconecte y vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>The system refuses to open %1.</source>
        <translation>El sistema se niega a abrir %1.</translation>
    </message>
    <message>
        <source>
The USB serial cable %1 is port %2.</source>
        <translation>
El cable serie USB %1 es el puerto %2.</translation>
    </message>
    <message>
        <source>
ModemManager is running; it probes a newly plugged USB serial device and holds it for a while. Try again in a moment; with the program&apos;s udev rule (70-talvo.rules) installed it leaves the cable alone.</source>
        <translation>
ModemManager está en marcha; sondea cada dispositivo serie USB recién conectado y lo retiene un rato. Inténtelo de nuevo en un momento; con la regla udev del programa (70-talvo.rules) instalada, deja el cable en paz.</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>PortSurvey</name>
    <message>
        <source>(no device)</source>
        <translation>(sin dispositivo)</translation>
    </message>
    <message>
        <source>USB serial</source>
        <translation>serie USB</translation>
    </message>
    <message>
        <source>USB modem-class serial</source>
        <translation>serie USB clase módem</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>puerto serie integrado</translation>
    </message>
    <message>
        <source>built-in serial port (no hardware)</source>
        <translation>puerto serie integrado (sin hardware)</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>pseudoterminal</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo serie</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>yes (also open in %1)</source>
        <translation>sí (también abierto en %1)</translation>
    </message>
    <message>
        <source>no: no permission</source>
        <translation>no: sin permiso</translation>
    </message>
    <message>
        <source>no: in use by another program</source>
        <translation>no: en uso por otro programa</translation>
    </message>
    <message>
        <source>no: in use by </source>
        <translation>no: en uso por </translation>
    </message>
    <message>
        <source>no: no hardware</source>
        <translation>no: sin hardware</translation>
    </message>
    <message>
        <source>no: device missing</source>
        <translation>no: falta el dispositivo</translation>
    </message>
    <message>
        <source>no: the system refuses to open it</source>
        <translation>no: el sistema se niega a abrirlo</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PUERTO</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>OPEN NOW</source>
        <translation>DISPONIBLE</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>High Power Grades</source>
        <translation>Potencia alta</translation>
    </message>
    <message>
        <source>Middle Power Grades</source>
        <translation>Potencia media</translation>
    </message>
    <message>
        <source>Low Power Grades</source>
        <translation>Potencia baja</translation>
    </message>
</context>
<context>
    <name>PrintContent</name>
    <message>
        <source>TALVO Interphone </source>
        <translation>Transceptor TALVO: </translation>
    </message>
    <message>
        <source>programming data are printed</source>
        <translation>datos de programación</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>The whole frequency frequently</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VOX(Voice control launches)</source>
        <translation>VOX (transmisión por voz)</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Información de depuración</translation>
    </message>
    <message>
        <source>Channel data</source>
        <translation>Datos de canales</translation>
    </message>
    <message>
        <source>Whether</source>
        <translation>Sí/No: </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>PrintPdf</name>
    <message>
        <source>Programming data</source>
        <translation>Datos de programación</translation>
    </message>
</context>
<context>
    <name>PrintPreviewWindow</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>There is no default printer; nothing was printed.</source>
        <translation>No hay impresora predeterminada; no se imprimió nada.</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not accept the printout.</source>
        <translation>La impresión falló: la impresora no aceptó el documento.</translation>
    </message>
</context>
<context>
    <name>RadioTransfer</name>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source> Set TALVO_PORT_%1=/dev/... to choose one.</source>
        <translation> Defina TALVO_PORT_%1=/dev/... para elegir uno.</translation>
    </message>
    <message>
        <source>warning: no backup was kept.</source>
        <translation>aviso: no se guardó ninguna copia.</translation>
    </message>
    <message>
        <source>%1/%2 blocks</source>
        <translation>%1/%2 bloques</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompts</name>
    <message>
        <source>an untitled document</source>
        <translation>un documento sin título</translation>
    </message>
    <message>
        <source>The program ended without saving the changes to %1 (kept at %2).
Restore them?

Yes: restore them as unsaved changes.
No: discard them.
Cancel: decide at the next start.</source>
        <translation>El programa terminó sin guardar los cambios de %1 (conservados en %2).
¿Restaurarlos?

Sí: restaurarlos como cambios sin guardar.
No: descartarlos.
Cancelar: decidir en el próximo inicio.</translation>
    </message>
    <message>
        <source>Recover unsaved changes</source>
        <translation>Recuperar cambios sin guardar</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes cannot be read:
%1
The copy was kept as:
%2</source>
        <translation>No se puede leer una copia de recuperación de cambios sin guardar:
%1
La copia se conservó como:
%2</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 cannot be written: unsaved changes cannot be recovered if the program ends unexpectedly.
Save your work to a file.</source>
        <translation>No se puede escribir %1: los cambios sin guardar no se podrán recuperar si el programa termina de forma inesperada.
Guarde su trabajo en un archivo.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
</context>
<context>
    <name>ToneList</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>The serial port is invalid</source>
        <translation>El puerto serie no es válido</translation>
    </message>
    <message>
        <source>The backup could not be saved: </source>
        <translation>No se pudo guardar la copia: </translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The transfer with the radio is running. Stop it?</source>
        <translation>La transferencia con la radio está en curso. ¿Detenerla?</translation>
    </message>
    <message>
        <source>Reading……</source>
        <translation>Leyendo……</translation>
    </message>
    <message>
        <source>Data is reading, please wait a moment.</source>
        <translation>Leyendo datos; espere un momento.</translation>
    </message>
    <message>
        <source>Writing……</source>
        <translation>Escribiendo……</translation>
    </message>
    <message>
        <source>Data is writing, please wait a moment.</source>
        <translation>Escribiendo datos; espere un momento.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
</context>
<context>
    <name>WebSettings</name>
    <message>
        <source>Hidden mode unlocked.</source>
        <translation>Modo oculto desbloqueado.</translation>
    </message>
    <message>
        <source>Hidden mode locked again.</source>
        <translation>Modo oculto bloqueado de nuevo.</translation>
    </message>
    <message>
        <source>Print or save as PDF from the browser.</source>
        <translation>Imprima o guarde como PDF desde el navegador.</translation>
    </message>
    <message>
        <source>A new version is kept; reload the page to use it.</source>
        <translation>Se ha guardado una versión nueva; vuelva a cargar la página para usarla.</translation>
    </message>
</context>
<context>
    <name>WebTransfer</name>
    <message>
        <source>Reading and writing the radio needs Web Serial, which Chrome, Edge and Opera have on the desktop. Opening, editing, saving, CSV and printing work in this browser as well.</source>
        <translation>Leer y escribir la radio necesita Web Serial, que tienen Chrome, Edge y Opera en el escritorio. Abrir, editar, guardar, CSV e imprimir también funcionan en este navegador.</translation>
    </message>
    <message>
        <source>Show every serial port</source>
        <translation>Mostrar todos los puertos serie</translation>
    </message>
    <message>
        <source>No port, or it will not open?</source>
        <translation>¿No hay puerto o no se abre?</translation>
    </message>
    <message>
        <source>On Windows, install the driver of the cable&apos;s chip (CH340 or PL2303) and plug the cable in again. A counterfeit PL2303 chip is refused by the current Windows driver: use a cable with a genuine chip. A port held by another program (another programming program, a terminal) cannot be opened until that program lets it go. On Linux, add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>En Windows, instale el controlador del chip del cable (CH340 o PL2303) y vuelva a conectar el cable. El controlador actual de Windows rechaza los chips PL2303 falsificados: use un cable con un chip auténtico. Un puerto que tiene abierto otro programa (otro programa de programación, un terminal) no se puede abrir hasta que ese programa lo libere. En Linux, añada su usuario al grupo dialout (sudo usermod -aG dialout $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Save as data file</source>
        <translation>Guardar como archivo de datos</translation>
    </message>
    <message>
        <source>Write back to the radio</source>
        <translation>Volver a escribir en la radio</translation>
    </message>
    <message>
        <source>Every read keeps what the radio held, in this browser.</source>
        <translation>Cada lectura guarda, en este navegador, lo que contenía la radio.</translation>
    </message>
    <message>
        <source>No backup yet.</source>
        <translation>Todavía no hay ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>Se desconectó el cable.</translation>
    </message>
    <message>
        <source>Write the backup of %1 back to the radio and verify it? What the radio holds now is replaced.</source>
        <translation>¿Volver a escribir en la radio la copia de seguridad de %1 y verificarla? Se reemplazará lo que contiene ahora la radio.</translation>
    </message>
</context>
</TS>
