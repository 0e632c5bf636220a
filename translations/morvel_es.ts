<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Calculator</name>
    <message>
        <source>Click below for data format</source>
        <translation>Formato de los datos:</translation>
    </message>
    <message>
        <source>Degrees and minutes</source>
        <translation>Grados y minutos</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Grados decimales</translation>
    </message>
    <message>
        <source>Great Circle Sailing</source>
        <translation>Navegación ortodrómica</translation>
    </message>
    <message>
        <source>&amp;Sight Reduction</source>
        <translation>&amp;Rectas de altura</translation>
    </message>
    <message>
        <source>&amp;Compass Error</source>
        <translation>&amp;Corrección total</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Check every result against the almanac and tables before you rely on it.</source>
        <translation>Compruebe cada resultado con el almanaque y las tablas antes de fiarse de él.</translation>
    </message>
    <message>
        <source>Morvel (Decimal Degrees)</source>
        <translation>Morvel (grados decimales)</translation>
    </message>
    <message>
        <source>Morvel (Degrees and Minutes)</source>
        <translation>Morvel (grados y minutos)</translation>
    </message>
    <message>
        <source>&amp;Latitude, deg</source>
        <translation>&amp;Latitud, gr.</translation>
    </message>
    <message>
        <source>L&amp;HA, deg</source>
        <translation>L&amp;HA, gr.</translation>
    </message>
    <message>
        <source>&amp;Declination, deg</source>
        <translation>&amp;Declinación, gr.</translation>
    </message>
    <message>
        <source>&amp;Altitude, deg</source>
        <translation>&amp;Altura, gr.</translation>
    </message>
    <message>
        <source>A&amp;zimuth, deg</source>
        <translation>A&amp;zimut, gr.</translation>
    </message>
    <message>
        <source>&amp;Latitude</source>
        <translation>&amp;Latitud</translation>
    </message>
    <message>
        <source>L&amp;HA</source>
        <translation>L&amp;HA</translation>
    </message>
    <message>
        <source>&amp;Declination</source>
        <translation>&amp;Declinación</translation>
    </message>
    <message>
        <source>&amp;Altitude</source>
        <translation>&amp;Altura</translation>
    </message>
    <message>
        <source>A&amp;zimuth</source>
        <translation>A&amp;zimut</translation>
    </message>
    <message>
        <source>&amp;Latitude of Departure</source>
        <translation>&amp;Latitud de salida</translation>
    </message>
    <message>
        <source>Longitude of Departure</source>
        <translation>Longitud de salida</translation>
    </message>
    <message>
        <source>Latitude of &amp;Destination</source>
        <translation>Latitud de &amp;llegada</translation>
    </message>
    <message>
        <source>Dist&amp;ance</source>
        <translation>Dis&amp;tancia</translation>
    </message>
    <message>
        <source>Initial Course (Cn)</source>
        <translation>Rumbo inicial (Cn)</translation>
    </message>
    <message>
        <source>Longitude of Destination</source>
        <translation>Longitud de llegada</translation>
    </message>
    <message>
        <source>DLo</source>
        <translation>DLo</translation>
    </message>
    <message>
        <source>Final Course</source>
        <translation>Rumbo final</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;Norte</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Sur</translation>
    </message>
    <message>
        <source>Nor&amp;th</source>
        <translation>No&amp;rte</translation>
    </message>
    <message>
        <source>So&amp;uth</source>
        <translation>S&amp;ur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Gr</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>nmi</source>
        <translation>mn</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>2 Outputs</source>
        <translation>2 salidas</translation>
    </message>
    <message>
        <source>Many Other Solutions</source>
        <translation>Muchas otras soluciones</translation>
    </message>
    <message>
        <source>%1 — printed %2 UTC</source>
        <translation>%1 — impreso el %2 UTC</translation>
    </message>
    <message>
        <source>Ell&amp;ipse</source>
        <translation>El&amp;ipse</translation>
    </message>
    <message>
        <source>Draw #&amp;1</source>
        <translation>Dibujo &amp;1</translation>
    </message>
    <message>
        <source>Draw #&amp;2</source>
        <translation>Dibujo &amp;2</translation>
    </message>
    <message>
        <source>Aut&amp;o Step</source>
        <translation>Paso aut&amp;o</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/ Stop Auto</source>
        <translation>Un &amp;paso/ Parar</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/  Auto Stop</source>
        <translation>Un &amp;paso/ Parar</translation>
    </message>
    <message>
        <source>Continuous step</source>
        <translation>Paso continuo</translation>
    </message>
    <message>
        <source>Select Output Set for Meridian Diagram</source>
        <translation>Elija la solución a dibujar</translation>
    </message>
    <message>
        <source>Plotted values of LHA &amp; Zn may differ from numerical values</source>
        <translation>LHA y Zn dibujados pueden diferir de los valores numéricos</translation>
    </message>
    <message>
        <source>Plotted values of DLo &amp; Cn may differ from numerical values</source>
        <translation>DLo y Cn dibujados pueden diferir de los valores numéricos</translation>
    </message>
    <message>
        <source>Enter a Latitude Value from 0 to 90 deg.</source>
        <translation>Introduzca una latitud de 0 a 90°.</translation>
    </message>
    <message>
        <source>Enter an LHA Value from 0 to 360 deg.</source>
        <translation>Introduzca un LHA de 0 a 360°.</translation>
    </message>
    <message>
        <source>Enter a Declination Value from 0 to 90 deg.</source>
        <translation>Introduzca una declinación de 0 a 90°.</translation>
    </message>
    <message>
        <source>Enter an Altitude Value from -90 to 90 deg.</source>
        <translation>Introduzca una altura de -90 a 90°.</translation>
    </message>
    <message>
        <source>Enter an Azimuth Value from 0 to 360 deg.</source>
        <translation>Introduzca un azimut de 0 a 360°.</translation>
    </message>
    <message>
        <source>Select N or S Latitude</source>
        <translation>Elija latitud N o S</translation>
    </message>
    <message>
        <source>Select N or S Declination</source>
        <translation>Elija declinación N o S</translation>
    </message>
    <message>
        <source>Enter a value of latitude degrees from 0 to 90</source>
        <translation>Introduzca los grados de latitud de 0 a 90</translation>
    </message>
    <message>
        <source>Enter a value of latitude minutes from to to 59.9</source>
        <translation>Introduzca los minutos de latitud de 0 a 59.9</translation>
    </message>
    <message>
        <source>Enter a Value of LHA degrees from 0 to 360</source>
        <translation>Introduzca los grados de LHA de 0 a 360</translation>
    </message>
    <message>
        <source>Enter a value of LHA minutes from to to 59.9 </source>
        <translation>Introduzca los minutos de LHA de 0 a 59.9</translation>
    </message>
    <message>
        <source>Enter a value of declination degrees from 0 to 90</source>
        <translation>Introduzca los grados de declinación de 0 a 90</translation>
    </message>
    <message>
        <source>Enter a value of declination minutes from 0 to 59.9</source>
        <translation>Introduzca los minutos de declinación de 0 a 59.9</translation>
    </message>
    <message>
        <source>Enter a value of altitude degrees from -90 to 90</source>
        <translation>Introduzca los grados de altura de -90 a 90</translation>
    </message>
    <message>
        <source>Enter a value of altitude minutes from 0 to 59.9</source>
        <translation>Introduzca los minutos de altura de 0 a 59.9</translation>
    </message>
    <message>
        <source>Enter a value of azimuth degrees from 0 to 360</source>
        <translation>Introduzca los grados de azimut de 0 a 360</translation>
    </message>
    <message>
        <source>Enter a value of azimuth minutes from 0 to 59.9</source>
        <translation>Introduzca los minutos de azimut de 0 a 59.9</translation>
    </message>
    <message>
        <source>Enter a Value of DLo degrees from 0 to 360</source>
        <translation>Introduzca los grados de DLo de 0 a 360</translation>
    </message>
    <message>
        <source>Enter a value of DLo minutes from to to 59.9 </source>
        <translation>Introduzca los minutos de DLo de 0 a 59.9</translation>
    </message>
    <message>
        <source>Select E or W DLo</source>
        <translation>Elija DLo E o W</translation>
    </message>
    <message>
        <source>Select N or S Latitude of Departure</source>
        <translation>Elija latitud de salida N o S</translation>
    </message>
    <message>
        <source>Select N or S Latitude of destination</source>
        <translation>Elija latitud de llegada N o S</translation>
    </message>
    <message>
        <source>Enter a value of longitudeof departure  degrees from 0 to 180</source>
        <translation>Introduzca los grados de longitud de salida de 0 a 180</translation>
    </message>
    <message>
        <source>Enter a value of longitude of departure minutes from 0 to 59.9</source>
        <translation>Introduzca los minutos de longitud de salida de 0 a 59.9</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Departure</source>
        <translation>Elija longitud de salida E o W</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination degrees from 0 to 180</source>
        <translation>Introduzca los grados de longitud de llegada de 0 a 180</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination minutes from 0 to 59.9</source>
        <translation>Introduzca los minutos de longitud de llegada de 0 a 59.9</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Destination</source>
        <translation>Elija longitud de llegada E o W</translation>
    </message>
    <message>
        <source>Enter a value of distancefrom 0 to 10800 nm</source>
        <translation>Introduzca una distancia de 0 a 10800 mn</translation>
    </message>
    <message>
        <source>Enter one or no longitude and 2 other inputs<byte value="xd"/>
or 2 longitudes and 2 other inputs, no DLo</source>
        <translation>Introduzca una o ninguna longitud y 2 datos más<byte value="xd"/>
o 2 longitudes y 2 datos más, sin DLo</translation>
    </message>
    <message>
        <source>Enter three and only three inputs</source>
        <translation>Introduzca tres datos, ni más ni menos</translation>
    </message>
    <message>
        <source>LHA and Azimuth\ Inconsistent. Reenter</source>
        <translation>LHA y azimut incompatibles. Vuelva a introducirlos</translation>
    </message>
    <message>
        <source>DLo and Initial Course Inconsistent. Reenter</source>
        <translation>DLo y rumbo inicial incompatibles. Vuelva a introducirlos</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Sin solución</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Sin solución</translation>
    </message>
    <message>
        <source>Meridian Diagram #%1</source>
        <translation>Diagrama meridiano %1</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Diagram remark</source>
        <translation>Nota del diagrama</translation>
    </message>
    <message>
        <source>Meridian diagram shown</source>
        <translation>Diagrama meridiano mostrado</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Morvel Help</source>
        <translation>Ayuda de Morvel</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Página del manual</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the folder could not be created</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
    <message>
        <source>window</source>
        <translation>ventana</translation>
    </message>
    <message>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <source>The %1 could not be printed on %2.</source>
        <translation>No se pudo imprimir la %1 en %2.</translation>
    </message>
    <message>
        <source>No printer is installed. The %1 was saved as %2</source>
        <translation>No hay ninguna impresora instalada. La %1 se guardó como %2</translation>
    </message>
    <message>
        <source>

It could not be saved in
%1</source>
        <translation>

No se pudo guardar en
%1</translation>
    </message>
    <message>
        <source>No printer is installed, and the %1 could not be saved as a PDF:
%2</source>
        <translation>No hay ninguna impresora instalada, y la %1 no se pudo guardar como PDF:
%2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Vessel and Navigator</source>
        <translation>Buque y navegante</translation>
    </message>
    <message>
        <source>the ship&apos;s name</source>
        <translation>el nombre del buque</translation>
    </message>
    <message>
        <source>The vessel&apos;s name, e.g. Pilgrim</source>
        <translation>El nombre del buque, p. ej. Pilgrim</translation>
    </message>
    <message>
        <source>who worked the sights</source>
        <translation>quién calculó las observaciones</translation>
    </message>
    <message>
        <source>Who worked the sights, e.g. J. Slocum</source>
        <translation>Quién calculó las observaciones, p. ej. J. Slocum</translation>
    </message>
    <message>
        <source>Printed at the head of every page of sights, with a line for the navigator&apos;s signature. Kept for the next time.</source>
        <translation>Impresos al principio de cada página de observaciones, con una línea para la firma del navegante. Se guardan para la próxima vez.</translation>
    </message>
    <message>
        <source>&amp;Vessel</source>
        <translation>&amp;Buque</translation>
    </message>
    <message>
        <source>&amp;Navigator</source>
        <translation>&amp;Navegante</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Tramos del DR</translation>
    </message>
    <message>
        <source>From %1: course %2, %3 kn (the DR&apos;s). Each line below changes course and speed from its time (UTC) on.</source>
        <translation>Desde %1: rumbo %2, %3 nudos (los del DR). Cada línea de abajo cambia el rumbo y la velocidad a partir de su hora (UTC).</translation>
    </message>
    <message>
        <source>the DR&apos;s time</source>
        <translation>la hora del DR</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Speed (kn)</source>
        <translation>Velocidad (nudos)</translation>
    </message>
    <message>
        <source>&amp;Add Leg</source>
        <translation>&amp;Añadir tramo</translation>
    </message>
    <message>
        <source>&amp;Remove Leg</source>
        <translation>&amp;Quitar tramo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>These lines could not be taken in:
%1
They are kept as they stand, and saved with the %2.</source>
        <translation>Estas líneas no se pudieron leer:
%1
Se conservan tal cual y se guardan con las %2.</translation>
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
        <source>&apos;%1&apos; is no host and port: 127.0.0.1:10110, plotter.local, [::1]:10110</source>
        <translation>«%1» no es un host y puerto: 127.0.0.1:10110, plotter.local, [::1]:10110</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>Editar DR</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <source>D&amp;usk</source>
        <translation>&amp;Crepúsculo</translation>
    </message>
    <message>
        <source>&amp;Night</source>
        <translation>&amp;Noche</translation>
    </message>
    <message>
        <source>&amp;Automatic (by the Sun at the DR)</source>
        <translation>&amp;Automático (según el Sol en el DR)</translation>
    </message>
    <message>
        <source>Next &amp;Palette</source>
        <translation>&amp;Paleta siguiente</translation>
    </message>
    <message>
        <source>D&amp;immer</source>
        <translation>Más &amp;oscuro</translation>
    </message>
    <message>
        <source>&amp;Brighter</source>
        <translation>Más &amp;claro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Morvel &amp;Manual</source>
        <translation>&amp;Manual de Morvel</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
    <message>
        <source>No deviation card: %1</source>
        <translation>Sin tablilla de desvíos: %1</translation>
    </message>
    <message>
        <source>Fitted to %1 observations on %2 headings.</source>
        <translation>Ajustada a %1 observaciones en %2 rumbos.</translation>
    </message>
</context>
<context>
    <name>almanac</name>
    <message>
        <source>no ephemeris for %1</source>
        <translation>sin efemérides para %1</translation>
    </message>
    <message>
        <source>the Sun above the horizon all day</source>
        <translation>el Sol sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Sun below the horizon all day</source>
        <translation>el Sol bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Sun does not rise this day</source>
        <translation>el Sol no sale este día</translation>
    </message>
    <message>
        <source>the Sun does not set this day</source>
        <translation>el Sol no se pone este día</translation>
    </message>
    <message>
        <source>the Sun never 6° below the horizon: no civil twilight</source>
        <translation>el Sol nunca desciende 6° bajo el horizonte: no hay crepúsculo civil</translation>
    </message>
    <message>
        <source>the Sun more than 6° below the horizon all day</source>
        <translation>el Sol a más de 6° bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Sun does not rise through 6° below the horizon this day</source>
        <translation>el Sol no cruza, subiendo, los 6° bajo el horizonte este día</translation>
    </message>
    <message>
        <source>the Sun does not sink through 6° below the horizon this day</source>
        <translation>el Sol no cruza, bajando, los 6° bajo el horizonte este día</translation>
    </message>
    <message>
        <source>the Sun never 12° below the horizon: no nautical twilight</source>
        <translation>el Sol nunca desciende 12° bajo el horizonte: no hay crepúsculo náutico</translation>
    </message>
    <message>
        <source>the Sun more than 12° below the horizon all day</source>
        <translation>el Sol a más de 12° bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Sun does not rise through 12° below the horizon this day</source>
        <translation>el Sol no cruza, subiendo, los 12° bajo el horizonte este día</translation>
    </message>
    <message>
        <source>the Sun does not sink through 12° below the horizon this day</source>
        <translation>el Sol no cruza, bajando, los 12° bajo el horizonte este día</translation>
    </message>
    <message>
        <source>the Moon above the horizon all day</source>
        <translation>la Luna sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Moon below the horizon all day</source>
        <translation>la Luna bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>the Moon does not rise this day</source>
        <translation>la Luna no sale este día</translation>
    </message>
    <message>
        <source>the Moon does not set this day</source>
        <translation>la Luna no se pone este día</translation>
    </message>
    <message>
        <source>the Sun does not cross the meridian this day</source>
        <translation>el Sol no pasa por el meridiano este día</translation>
    </message>
    <message>
        <source>the Moon does not cross the meridian this day</source>
        <translation>la Luna no pasa por el meridiano este día</translation>
    </message>
    <message>
        <source>%1 is not a UTC instant of the form 2026-12-07T17:32:10Z</source>
        <translation>%1 no es un instante UTC de la forma 2026-12-07T17:32:10Z</translation>
    </message>
    <message>
        <source>give the time in UTC with its Z: %1Z</source>
        <translation>dé la hora en UTC con su Z: %1Z</translation>
    </message>
    <message>
        <source>DUT1 must lie between -0.9 and +0.9 seconds</source>
        <translation>DUT1 debe estar entre -0.9 y +0.9 segundos</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; %1 is outside</source>
        <translation>el almanaque abarca de 1900 a 2100; %1 queda fuera</translation>
    </message>
    <message>
        <source>DUT1 is UT1 - UTC, and UTC began on 1960-01-01: a time before it is UT1 itself</source>
        <translation>DUT1 es UT1 - UTC, y UTC empezó el 1960-01-01: una hora anterior es ya UT1</translation>
    </message>
    <message>
        <source>no such date and time: %1 (no leap second that long ended that day)</source>
        <translation>no existe esa fecha y hora: %1 (ningún segundo intercalar alargó tanto ese día)</translation>
    </message>
    <message>
        <source>no such date and time: %1</source>
        <translation>no existe esa fecha y hora: %1</translation>
    </message>
    <message>
        <source>TT and UT1 must be Julian dates less than 300 s apart</source>
        <translation>TT y UT1 deben ser fechas julianas separadas menos de 300 s</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; the Julian date %1 is outside</source>
        <translation>el almanaque abarca de 1900 a 2100; la fecha juliana %1 queda fuera</translation>
    </message>
</context>
<context>
    <name>compass</name>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>no se puede leer el DR: %1</translation>
    </message>
    <message>
        <source>no DR: give the DR the bearings were taken at</source>
        <translation>sin DR: dé el DR en el que se tomaron las marcaciones</translation>
    </message>
    <message>
        <source>a bearing</source>
        <translation>una marcación</translation>
    </message>
    <message>
        <source>%1 is not magnetic or gyro</source>
        <translation>%1 no es magnetic ni gyro</translation>
    </message>
    <message>
        <source>a compass heading</source>
        <translation>un rumbo de aguja</translation>
    </message>
    <message>
        <source>a gyro takes no variation: it points to true north, and its error is the whole of it</source>
        <translation>un girocompás no lleva declinación magnética: señala el norte verdadero, y su error es toda la corrección</translation>
    </message>
    <message>
        <source>%1; give the chart&apos;s variation</source>
        <translation>%1; dé la declinación magnética de la carta</translation>
    </message>
    <message>
        <source>a variation</source>
        <translation>una declinación magnética</translation>
    </message>
    <message>
        <source>no header: the book starts with a line naming its columns (%1)</source>
        <translation>sin encabezado: el libro empieza con una línea que nombra sus columnas (%1)</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 en el encabezado</translation>
    </message>
    <message>
        <source>unknown column %1; an azimuth book has the columns %2</source>
        <translation>columna desconocida %1; un libro de azimutes tiene las columnas %2</translation>
    </message>
    <message>
        <source>column twice: %1; an azimuth book has the columns %2</source>
        <translation>columna repetida: %1; un libro de azimutes tiene las columnas %2</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>falta la columna &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Aries is a point of the sky, not a body to take a bearing of</source>
        <translation>Aries es un punto del cielo, no un astro del que tomar una marcación</translation>
    </message>
    <message>
        <source>at a pole every direction is south: a bearing there has no azimuth to check</source>
        <translation>en un polo toda dirección es sur: allí una marcación no tiene azimut que comprobar</translation>
    </message>
    <message>
        <source>at a pole every direction is north: a bearing there has no azimuth to check</source>
        <translation>en un polo toda dirección es norte: allí una marcación no tiene azimut que comprobar</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>el Sol</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>%1 stands at the zenith, where it has no azimuth</source>
        <translation>%1 está en el cenit, donde no tiene azimut</translation>
    </message>
    <message>
        <source>%1 is below the horizon there and then (its centre %2 true): no bearing of it could be taken; is the time, the position or the body mistyped?</source>
        <translation>%1 está bajo el horizonte en ese lugar y a esa hora (altura verdadera de su centro %2): no pudo tomarse su marcación; ¿está mal escrita la hora, la posición o el astro?</translation>
    </message>
    <message>
        <source>the visible horizon</source>
        <translation>el horizonte visible</translation>
    </message>
    <message>
        <source>the celestial horizon</source>
        <translation>el horizonte celeste</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 above %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 tiene el centro %2 sobre %3 a esa hora: la amplitud se toma al salir o ponerse el astro, a menos de %4 del horizonte; ¿es correcta la hora?</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 below %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 tiene el centro %2 bajo %3 a esa hora: la amplitud se toma al salir o ponerse el astro, a menos de %4 del horizonte; ¿es correcta la hora?</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays above %4</source>
        <translation>%1 no sale ni se pone allí ese día: en la latitud %2, con su declinación %3, permanece sobre %4</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays below %4</source>
        <translation>%1 no sale ni se pone allí ese día: en la latitud %2, con su declinación %3, permanece bajo %4</translation>
    </message>
    <message>
        <source>the moment %1 stands on the horizon did not settle</source>
        <translation>no se pudo fijar el instante en que %1 está en el horizonte</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); none is given</source>
        <translation>los cinco coeficientes necesitan desvíos en cinco rumbos distintos o más (separados un grado o más); no se da ninguno</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 is given</source>
        <translation>los cinco coeficientes necesitan desvíos en cinco rumbos distintos o más (separados un grado o más); se da %1</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 are given</source>
        <translation>los cinco coeficientes necesitan desvíos en cinco rumbos distintos o más (separados un grado o más); se dan %1</translation>
    </message>
    <message>
        <source>the fit reaches %1 on %2, over the %3 a compass may deviate: observe on headings spread round the compass (or is a deviation mistyped?)</source>
        <translation>el ajuste llega a %1 en el rumbo %2, más de los %3 que puede desviarse una aguja: observe en rumbos repartidos por toda la rosa (¿o hay un desvío mal escrito?)</translation>
    </message>
    <message>
        <source>five headings give a card through every observation with nothing to check it: eight or more headings spread round the compass are advised</source>
        <translation>cinco rumbos dan una tablilla que pasa por todas las observaciones sin nada que la compruebe: se aconsejan ocho rumbos o más repartidos por toda la rosa</translation>
    </message>
    <message>
        <source>no heading from %1 to %2 (%3°): the card is extrapolated there</source>
        <translation>ningún rumbo entre %1 y %2 (%3°): ahí la tablilla se extrapola</translation>
    </message>
    <message>
        <source>the World Magnetic Model in %1 cannot be read: %2</source>
        <translation>no se puede leer el World Magnetic Model en %1: %2</translation>
    </message>
    <message>
        <source>the World Magnetic Model&apos;s file %1.wmm is in none of %2 (MORVEL_MAGNETIC_PATH names its folder)</source>
        <translation>el archivo %1.wmm del World Magnetic Model no está en ninguna de estas carpetas: %2 (MORVEL_MAGNETIC_PATH indica su carpeta)</translation>
    </message>
    <message>
        <source>the World Magnetic Model 2025 holds from %1 to %2, 1 January %3 to the end of %4; %5 is outside it</source>
        <translation>el World Magnetic Model 2025 vale de %1 a %2, del 1 de enero de %3 al final de %4; %5 queda fuera</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is south</source>
        <translation>en un polo geográfico la declinación magnética no tiene sentido: toda dirección es sur</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is north</source>
        <translation>en un polo geográfico la declinación magnética no tiene sentido: toda dirección es norte</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 2000 nT: the magnetic compass is unreliable here and the variation uncertain (the model&apos;s blackout zone, near a magnetic pole)</source>
        <translation>el campo horizontal es de %1 nT, menos de 2000 nT: aquí la aguja magnética no es fiable y la declinación magnética es incierta (zona de apagón del modelo, cerca de un polo magnético)</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 6000 nT: magnetic compass readings have large uncertainties here (the model&apos;s caution zone)</source>
        <translation>el campo horizontal es de %1 nT, menos de 6000 nT: aquí las lecturas de la aguja magnética tienen gran incertidumbre (zona de precaución del modelo)</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun, Moon, Venus, Mars, Jupiter, Saturn o una estrella de navegación</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>aún falta la hora (UTC)</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>aún falta el astro</translation>
    </message>
    <message>
        <source>no bearing yet</source>
        <translation>aún falta la marcación</translation>
    </message>
</context>
<context>
    <name>instruments</name>
    <message>
        <source>RTK fixed</source>
        <translation>RTK fijo</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK flotante</translation>
    </message>
    <message>
        <source>dead reckoning</source>
        <translation>estima</translation>
    </message>
    <message>
        <source>GNSS and dead reckoning</source>
        <translation>GNSS y estima</translation>
    </message>
    <message>
        <source>time only</source>
        <translation>solo hora</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simulado</translation>
    </message>
    <message>
        <source>no gpsd at %1: %2</source>
        <translation>no hay gpsd en %1: %2</translation>
    </message>
    <message>
        <source>no fix from gpsd at %1 within %2</source>
        <translation>gpsd en %1 no dio situación en %2</translation>
    </message>
    <message>
        <source>gpsd at %1 closed the connection without a fix</source>
        <translation>gpsd en %1 cerró la conexión sin dar situación</translation>
    </message>
    <message>
        <source>the port %1 is not 1 to 65535</source>
        <translation>el puerto %1 no está entre 1 y 65535</translation>
    </message>
    <message>
        <source>no plotter to send to</source>
        <translation>no hay plóter al que enviar</translation>
    </message>
    <message>
        <source>%1: the datagram was cut short</source>
        <translation>%1: el datagrama quedó truncado</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin</name>
    <message>
        <source>left out: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>gyro</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>magnetic</source>
        <translation>magnética</translation>
    </message>
    <message>
        <source> (WMM)</source>
        <translation> (WMM)</translation>
    </message>
    <message>
        <source>No DR given</source>
        <translation>No se dio DR</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> a las %1 UT</translation>
    </message>
    <message>
        <source>, course %1, speed %2 kn</source>
        <translation>, rumbo %1, velocidad %2 nudos</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Impreso el %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> desde %1</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Libro de azimutes</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Tablilla de desvíos</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <translation>Coeficientes</translation>
    </message>
    <message>
        <source>Observations (row, ship&apos;s head, deviation, residual)</source>
        <translation>Observaciones (fila, proa, desvío, residuo)</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Marcación</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Aguja</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Proa</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn verdadero</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desvío</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::BookModel</name>
    <message>
        <source>Time of the bearing in UTC, e.g. 2026-12-07T19:33:00Z</source>
        <translation>Hora de la marcación en UTC, p. ej. 2026-12-07T19:33:00Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Astro: el Sol, la Luna, un planeta o una estrella, p. ej. Vega</translation>
    </message>
    <message>
        <source>Bearing of the body&apos;s centre by the compass, e.g. 231.5 or 231 30</source>
        <translation>Marcación del centro del astro con la aguja, p. ej. 231.5 o 231 30</translation>
    </message>
    <message>
        <source>Compass: magnetic or gyro (empty: magnetic)</source>
        <translation>Aguja: magnetic (magnética) o gyro (vacío: magnética)</translation>
    </message>
    <message>
        <source>Ship&apos;s head by the same compass, e.g. 045; needed for the deviation card</source>
        <translation>Proa por la misma aguja, p. ej. 045; necesaria para la tablilla de desvíos</translation>
    </message>
    <message>
        <source>Variation from the chart, e.g. 14.5 W, 3.2 E or auto (the World Magnetic Model&apos;s)</source>
        <translation>Declinación de la carta, p. ej. 14.5 W, 3.2 E o auto (la del World Magnetic Model)</translation>
    </message>
    <message>
        <source>True azimuth Zn of the body from the almanac</source>
        <translation>Azimut verdadero Zn del astro según el almanaque</translation>
    </message>
    <message>
        <source>True = bearing + error; a gyro reading more than true reads high</source>
        <translation>Verdadero = marcación + corrección; un girocompás que marca más que el verdadero marca «high» (alto)</translation>
    </message>
    <message>
        <source>Deviation: the compass error less the variation, east or west</source>
        <translation>Desvío: la corrección total menos la declinación, este u oeste</translation>
    </message>
    <message>
        <source>auto (%1)</source>
        <translation>auto (%1)</translation>
    </message>
    <message>
        <source>Altitude %1 at %2</source>
        <translation>Altura %1 a las %2</translation>
    </message>
    <message>
        <source>
Variation of the World Magnetic Model 2025</source>
        <translation>
Declinación magnética del World Magnetic Model 2025</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Marcación</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Aguja</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Proa</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn verdadero</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desvío</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CardPanel</name>
    <message>
        <source>Coefficient</source>
        <translation>Coeficiente</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Compass heading</source>
        <translation>Rumbo de aguja</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desvío</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Proa</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuo</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassDocument</name>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Borrar fila</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>Editar DR</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no puede abrirse</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>marcaciones</translation>
    </message>
    <message>
        <source>The bearings could not be saved in %1.</source>
        <translation>No se pudieron guardar las marcaciones en %1.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the bearings to keep them.</source>
        <translation>Los cambios no pueden guardarse para recuperación en %1. Guarde las marcaciones para conservarlas.</translation>
    </message>
    <message>
        <source>%1 is not an azimuth book: %2</source>
        <translation>%1 no es un libro de azimutes: %2</translation>
    </message>
    <message>
        <source>The bearings kept in %1 could not be read: %2</source>
        <translation>Las marcaciones guardadas en %1 no se pudieron leer: %2</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassWindow</name>
    <message>
        <source>&amp;Azimuth book</source>
        <translation>&amp;Libro de azimutes</translation>
    </message>
    <message>
        <source>Deviation ca&amp;rd</source>
        <translation>&amp;Tablilla de desvíos</translation>
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
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Añadir fila</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Borrar fila</translation>
    </message>
    <message>
        <source>Compass Error &amp;Help</source>
        <translation>&amp;Ayuda del error de la aguja</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Libro de azimutes</translation>
    </message>
    <message>
        <source>The azimuth book, one bearing of a body a row: its time in UTC, the body, the bearing and the compass it was taken by, the ship&apos;s head and the variation. Each column&apos;s heading says what it takes. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was. A complete row shows the true azimuth, the compass error and the deviation; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>El libro de azimutes, una marcación de un astro por fila: su hora en UTC, el astro, la marcación y la aguja con que se tomó, la proa y la declinación. El encabezado de cada columna dice lo que admite. Intro añade una fila y, en una celda, conserva lo escrito y avanza; F2 edita una celda; Escape la deja como estaba. Una fila completa muestra el azimut verdadero, la corrección total y el desvío; una fila que no puede leerse se tiñe y su información dice por qué.</translation>
    </message>
    <message>
        <source>Rows that cannot be read</source>
        <translation>Filas que no pueden leerse</translation>
    </message>
    <message>
        <source>Each row of the book that cannot be read, with its column and why, and what is doubtful about the others.</source>
        <translation>Cada fila del libro que no puede leerse, con su columna y el motivo, y lo dudoso de las demás.</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Tablilla de desvíos</translation>
    </message>
    <message>
        <source>The deviation card fitted to the magnetic rows that give a ship&apos;s head and a variation: the coefficients A to E, the deviation every 15 degrees of compass heading, each observation with its residual, and the curve with the observations as dots.</source>
        <translation>La tablilla de desvíos ajustada a las filas magnéticas con proa y declinación: los coeficientes A a E, el desvío cada 15 grados de rumbo de aguja, cada observación con su residuo, y la curva con las observaciones como puntos.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Añadir fila</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Fila %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>DR, %1: %2</source>
        <translation>DR, %1: %2</translation>
    </message>
    <message>
        <source>Each complete row gives its true azimuth, error and deviation.</source>
        <translation>Cada fila completa da su azimut verdadero, su corrección total y su desvío.</translation>
    </message>
    <message>
        <source>Morvel (Compass Error)</source>
        <translation>Morvel (Error de la aguja)</translation>
    </message>
    <message>
        <source>Bearings from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Se guardaron marcaciones de una sesión que no terminó bien. ¿Restaurarlas?</translation>
    </message>
    <message>
        <source>Open an azimuth book</source>
        <translation>Abrir un libro de azimutes</translation>
    </message>
    <message>
        <source>Save the azimuth book</source>
        <translation>Guardar el libro de azimutes</translation>
    </message>
    <message>
        <source>The bearings have changes that are not saved. Save them?</source>
        <translation>Las marcaciones tienen cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Morvel azimuth book</source>
        <translation>Libro de azimutes de Morvel</translation>
    </message>
    <message>
        <source>Morvel azimuth book %1</source>
        <translation>Libro de azimutes de Morvel %1</translation>
    </message>
    <message>
        <source>Azimuth books (*.csv);;All files (*)</source>
        <translation>Libros de azimutes (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::Page</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin</name>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Fila %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>the line of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>la recta de %1 (%2) trasladada a %3, %4 mn %5</translation>
    </message>
    <message>
        <source>the lines of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>las rectas de %1 (%2) trasladadas a %3, %4 mn %5</translation>
    </message>
    <message>
        <source>Running fix:</source>
        <translation>Situación por rectas trasladadas:</translation>
    </message>
    <message>
        <source> the %1 lines of %2 advanced to %3 by the runs from their DRs, %4 to %5 nm</source>
        <translation> las %1 rectas de %2 trasladadas a %3 desde sus DR, %4 a %5 mn</translation>
    </message>
    <message>
        <source>DR %1: %2</source>
        <translation>DR %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more row(s) that cannot be read (their tooltips say why).</source>
        <translation>
            <numerusform>y %n fila más ilegible (su ayuda dice por qué).</numerusform>
            <numerusform>y %n filas más ilegibles (su ayuda dice por qué).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) follow the DR and wait for it.</source>
        <translation>
            <numerusform>%n fila sigue el DR y lo espera.</numerusform>
            <numerusform>%n filas siguen el DR y lo esperan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fix %1 %2</source>
        <translation>Situación %1 %2</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> a las %1</translation>
    </message>
    <message>
        <source>From the DR: %1 nm, %2</source>
        <translation>Desde el DR: %1 mn, %2</translation>
    </message>
    <message>
        <source>95 % ellipse: semi-axes %1 and %2 nm, major axis %3°</source>
        <translation>Elipse del 95 %: semiejes %1 y %2 mn, eje mayor %3°</translation>
    </message>
    <message>
        <source>Weak fix:</source>
        <translation>Situación débil:</translation>
    </message>
    <message>
        <source> no two lines cut at 15° or more (widest cut %1°)</source>
        <translation> ningún par de rectas se corta a 15° o más (máximo %1°)</translation>
    </message>
    <message>
        <source>Doubtful fix:</source>
        <translation>Situación dudosa:</translation>
    </message>
    <message>
        <source>Excluded from the fix:</source>
        <translation>Excluidas de la situación:</translation>
    </message>
    <message>
        <source> row %1 (%2), %3</source>
        <translation> fila %1 (%2), %3</translation>
    </message>
    <message>
        <source>Two sights or more give a fix.</source>
        <translation>Dos observaciones o más dan una situación.</translation>
    </message>
    <message>
        <source>No fix:</source>
        <translation>Sin situación:</translation>
    </message>
    <message>
        <source>%1, excluded</source>
        <translation>%1, excluida</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 °C, %2 hPa</source>
        <translation>%1 °C, %2 hPa</translation>
    </message>
    <message>
        <source>DR: each sight&apos;s own</source>
        <translation>DR: el propio de cada observación</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> a las %1 UT</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Course %1, speed %2 kn</source>
        <translation>Rumbo %1, velocidad %2 nudos</translation>
    </message>
    <message>
        <source>Watch: date on board %1, zone %2, watch error %3</source>
        <translation>Reloj: fecha a bordo %1, huso %2, error %3</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Impreso el %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> desde %1</translation>
    </message>
    <message>
        <source>Sight reduction</source>
        <translation>Rectas de altura</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Buque</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Navegante</translation>
    </message>
    <message>
        <source>Navigator&apos;s signature</source>
        <translation>Firma del navegante</translation>
    </message>
    <message>
        <source>Watch (UT)</source>
        <translation>Reloj (UT)</translation>
    </message>
    <message>
        <source>Set and drift:</source>
        <translation>Corriente (rumbo e intensidad):</translation>
    </message>
    <message>
        <source> none: the fix is at the DR after %1 h</source>
        <translation> ninguna: la situación está en el DR tras %1 h</translation>
    </message>
    <message>
        <source> %1, %2 kn since the DR (%3 nm in %4 h)</source>
        <translation> %1, %2 nudos desde el DR (%3 mn en %4 h)</translation>
    </message>
    <message>
        <source>Current carried on:</source>
        <translation>Corriente aplicada:</translation>
    </message>
    <message>
        <source> %1, %2 kn, found by the fix at %3; the rows&apos; DRs are EPs</source>
        <translation> %1, %2 nudos, hallada por la situación de las %3; los DR de las filas son EP</translation>
    </message>
    <message>
        <source>Intercept %1 nm toward</source>
        <translation>Diferencia de alturas %1 mn hacia el astro</translation>
    </message>
    <message>
        <source>Intercept %1 nm away</source>
        <translation>Diferencia de alturas %1 mn en sentido contrario al astro</translation>
    </message>
    <message>
        <source>advanced %1 nm %2</source>
        <translation>trasladada %1 mn %2</translation>
    </message>
    <message>
        <source>Advanced %1 nm %2 to the time of the fix</source>
        <translation>Trasladada %1 mn %2 a la hora de la situación</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Running fix</source>
        <translation>Situación por rectas trasladadas</translation>
    </message>
    <message>
        <source>Course %1</source>
        <translation>Rumbo %1</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>sugerido</translation>
    </message>
    <message>
        <source>outside %1 to %2</source>
        <translation>fuera del intervalo %1 a %2</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitud %1</translation>
    </message>
    <message>
        <source> none: %1</source>
        <translation> ninguna: %1</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 mn</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DailyPagesDialog</name>
    <message>
        <source>Daily Pages</source>
        <translation>Páginas diarias</translation>
    </message>
    <message>
        <source>&amp;Date (UT):</source>
        <translation>&amp;Fecha (UT):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Morvel daily page %1</source>
        <translation>Morvel página diaria %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DrBox</name>
    <message>
        <source>Dead reckoning</source>
        <translation>Estima</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>Pos&amp;ición</translation>
    </message>
    <message>
        <source>&amp;Time (UTC)</source>
        <translation>&amp;Hora (UTC)</translation>
    </message>
    <message>
        <source>&amp;Course</source>
        <translation>&amp;Rumbo</translation>
    </message>
    <message>
        <source>Spee&amp;d (kn)</source>
        <translation>Veloci&amp;dad (nudos)</translation>
    </message>
    <message>
        <source>Date on &amp;board</source>
        <translation>Fecha a &amp;bordo</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>Hu&amp;so</translation>
    </message>
    <message>
        <source>&amp;Watch error</source>
        <translation>Estado del re&amp;loj</translation>
    </message>
    <message>
        <source>12 s fast, 12 s slow</source>
        <translation>12 s fast, 12 s slow</translation>
    </message>
    <message>
        <source>From &amp;GPS</source>
        <translation>Del &amp;GPS</translation>
    </message>
    <message>
        <source>The position, time, course and speed from gpsd (localhost:2947)</source>
        <translation>Posición, hora, rumbo y velocidad de gpsd (localhost:2947)</translation>
    </message>
    <message>
        <source>DR position</source>
        <translation>Posición DR</translation>
    </message>
    <message>
        <source>DR position: latitude and longitude, e.g. 41 10.0N 66 30.0W</source>
        <translation>Posición DR: latitud y longitud, p. ej. 41 10.0N 66 30.0W</translation>
    </message>
    <message>
        <source>The dead-reckoning position at the DR time, as navigators write it: degrees and minutes with N or S and E or W (41 10.0N 66 30.0W), or signed decimal degrees.</source>
        <translation>La posición de estima a la hora del DR, como la escriben los navegantes: grados y minutos con N o S y E o W (41 10.0N 66 30.0W), o grados decimales con signo.</translation>
    </message>
    <message>
        <source>DR time (UTC)</source>
        <translation>Hora DR (UTC)</translation>
    </message>
    <message>
        <source>DR time in UTC, e.g. 2026-12-07T17:00:00Z</source>
        <translation>Hora DR en UTC, p. ej. 2026-12-07T17:00:00Z</translation>
    </message>
    <message>
        <source>The time at which the DR position holds, in UTC with its Z. Each row&apos;s DR is run on from it by the course and speed.</source>
        <translation>La hora a la que vale la posición DR, en UTC con su Z. El DR de cada fila se estima a partir de ella con el rumbo y la velocidad.</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Course: degrees true, e.g. 090</source>
        <translation>Rumbo: grados verdaderos, p. ej. 090</translation>
    </message>
    <message>
        <source>The course made good, in degrees true from 000 to 360.</source>
        <translation>El rumbo efectivo, en grados verdaderos de 000 a 360.</translation>
    </message>
    <message>
        <source>Speed (knots)</source>
        <translation>Velocidad (nudos)</translation>
    </message>
    <message>
        <source>Speed: knots, e.g. 12</source>
        <translation>Velocidad: nudos, p. ej. 12</translation>
    </message>
    <message>
        <source>The speed made good in knots; 0 for a ship stopped.</source>
        <translation>La velocidad efectiva en nudos; 0 para un buque parado.</translation>
    </message>
    <message>
        <source>Date on board</source>
        <translation>Fecha a bordo</translation>
    </message>
    <message>
        <source>Date on board: the date the watch keeps, e.g. 2026-12-07</source>
        <translation>Fecha a bordo: la fecha que lleva el reloj, p. ej. 2026-12-07</translation>
    </message>
    <message>
        <source>The date on board, when the sights are timed by the watch: the rows&apos; times are then the watch&apos;s, turned into UT by the zone and the watch error. Empty: the log is kept in UTC.</source>
        <translation>La fecha a bordo, cuando las observaciones se cronometran con el reloj: las horas de las filas son entonces las del reloj, pasadas a UT con el huso y el estado del reloj. Vacío: el registro se lleva en UTC.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Huso</translation>
    </message>
    <message>
        <source>Zone: the hours added to zone time to give UT, e.g. +5, -3 or +9.5</source>
        <translation>Huso: las horas que sumadas a la hora del huso dan UT, p. ej. +5, -3 o +9.5</translation>
    </message>
    <message>
        <source>The zone description the watch keeps: the hours added to zone time to give UT (+5 west of Greenwich, -3 east of it, 0 for a watch kept on UT).</source>
        <translation>El huso que lleva el reloj: las horas que sumadas a la hora del huso dan UT (+5 al oeste de Greenwich, -3 al este, 0 para un reloj en UT).</translation>
    </message>
    <message>
        <source>Watch error</source>
        <translation>Estado del reloj</translation>
    </message>
    <message>
        <source>Watch error: fast or slow, e.g. 12 s fast or 1 m 12 s slow</source>
        <translation>Estado del reloj: fast (adelanta) o slow (atrasa), p. ej. 12 s fast o 1 m 12 s slow</translation>
    </message>
    <message>
        <source>How far the watch is out. Fast: the right time is the watch&apos;s less the error; slow: plus it.</source>
        <translation>Cuánto yerra el reloj. Fast (adelanta): la hora correcta es la del reloj menos el estado; slow (atrasa): más el estado.</translation>
    </message>
    <message>
        <source>&amp;Legs...</source>
        <translation>&amp;Tramos...</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Tramos del DR</translation>
    </message>
    <message>
        <source>&amp;Legs (%1)...</source>
        <translation>&amp;Tramos (%1)...</translation>
    </message>
    <message>
        <source>The changes of course and speed after the DR&apos;s time</source>
        <translation>Los cambios de rumbo y velocidad después de la hora del DR</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posición</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>course</source>
        <translation>rumbo</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha a bordo</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>huso</translation>
    </message>
    <message>
        <source>watch error</source>
        <translation>estado del reloj</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::IdentifyDialog</name>
    <message>
        <source>Identify the body</source>
        <translation>Identificar el astro</translation>
    </message>
    <message>
        <source>Hs %1 from %2</source>
        <translation>Hs %1 de %2</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Candidates, nearest first</source>
        <translation>Candidatos, el más próximo primero</translation>
    </message>
    <message>
        <source>Sight</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>&amp;Azimuth (true)</source>
        <translation>&amp;Azimut (verdadero)</translation>
    </message>
    <message>
        <source>Type the body&apos;s azimuth, the compass corrected to true.</source>
        <translation>Escriba el azimut del astro: la marcación de la aguja corregida a verdadera.</translation>
    </message>
    <message>
        <source>an azimuth</source>
        <translation>un azimut</translation>
    </message>
    <message>
        <source>No star or planet within %1 of Ho %2, Zn %3.</source>
        <translation>Ninguna estrella ni planeta a menos de %1 de Ho %2, Zn %3.</translation>
    </message>
    <message>
        <source>Ho %1: the nearest first.</source>
        <translation>Ho %1: el más próximo primero.</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ej. %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogModel</name>
    <message>
        <source>Time of the sight in UTC, e.g. 2026-12-07T22:04:10Z</source>
        <translation>Hora de la observación en UTC, p. ej. 2026-12-07T22:04:10Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Astro: el Sol, la Luna, un planeta o una estrella, p. ej. Vega</translation>
    </message>
    <message>
        <source>Limb of the Sun or the Moon: lower, upper or centre</source>
        <translation>Limbo del Sol o la Luna: lower, upper o centre</translation>
    </message>
    <message>
        <source>Sextant altitude Hs: degrees and minutes, e.g. 41 12.3 or 41 12 18</source>
        <translation>Altura instrumental Hs: grados y minutos, p. ej. 41 12.3 o 41 12 18</translation>
    </message>
    <message>
        <source>IC (′): + off the arc, − on; minutes signed, or 1.2 off, 1.2 on</source>
        <translation>IC (′): + fuera del limbo, − sobre él; minutos con signo, o 1.2 off, 1.2 on</translation>
    </message>
    <message>
        <source>Height of eye: metres or feet, e.g. 2.5 or 8 ft</source>
        <translation>Elevación del ojo: metros o pies, p. ej. 2.5 o 8 ft</translation>
    </message>
    <message>
        <source>Air temperature in °C for the refraction, e.g. 12 (10 when empty)</source>
        <translation>Temperatura del aire en °C para la refracción, p. ej. 12 (10 si vacío)</translation>
    </message>
    <message>
        <source>Pressure in hPa for the refraction, e.g. 1013 (1010 when empty)</source>
        <translation>Presión en hPa para la refracción, p. ej. 1013 (1010 si vacío)</translation>
    </message>
    <message>
        <source>The row&apos;s own DR latitude, e.g. 41 10.0N; empty follows the DR</source>
        <translation>Latitud DR propia de la fila, p. ej. 41 10.0N; vacía sigue el DR</translation>
    </message>
    <message>
        <source>The row&apos;s own DR longitude, e.g. 066 30.0W; empty follows the DR</source>
        <translation>Longitud DR propia de la fila, p. ej. 066 30.0W; vacía sigue el DR</translation>
    </message>
    <message>
        <source>Watch time</source>
        <translation>Hora de reloj</translation>
    </message>
    <message>
        <source>Excluded from the fix: %1</source>
        <translation>Excluida de la situación: %1</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, depresión %2, refracción %3, SD %4, paralaje %5</translation>
    </message>
    <message>
        <source>
Below 5° of apparent altitude refraction is unreliable.</source>
        <translation>
Por debajo de 5° de altura aparente la refracción es incierta.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Limbo</translation>
    </message>
    <message>
        <source>Hs</source>
        <translation>Hs</translation>
    </message>
    <message>
        <source>IC (&apos;)</source>
        <translation>IC (&apos;)</translation>
    </message>
    <message>
        <source>Eye (m or ft)</source>
        <translation>Ojo (m o ft)</translation>
    </message>
    <message>
        <source>Temp (°C)</source>
        <translation>Temp. (°C)</translation>
    </message>
    <message>
        <source>Press. (hPa)</source>
        <translation>Pres. (hPa)</translation>
    </message>
    <message>
        <source>DR lat</source>
        <translation>Lat. DR</translation>
    </message>
    <message>
        <source>DR lon</source>
        <translation>Long. DR</translation>
    </message>
    <message>
        <source>Ho</source>
        <translation>Ho</translation>
    </message>
    <message>
        <source>Hc</source>
        <translation>Hc</translation>
    </message>
    <message>
        <source>Zn</source>
        <translation>Zn</translation>
    </message>
    <message>
        <source>Intercept</source>
        <translation>Dif. alturas</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuo</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogTable</name>
    <message>
        <source>One sight a row. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was.</source>
        <translation>Una observación por fila. Intro añade una fila y en una celda guarda lo escrito y avanza; F2 edita una celda; Escape la deja como estaba.</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::PlottingSheet</name>
    <message>
        <source>The plotting sheet: the DR and its track, the lines of position and the fix. The mouse wheel, + and - zoom (about the pointer), dragging or the arrow keys pan, Home or 0 fits the sheet to the DR, the lines and the fix again; the view stays where you put it while you edit the log. Hover a line for its sight.</source>
        <translation>La hoja de ploteo: el DR y su derrota, las rectas de altura y la situación. La rueda, + y - amplían (en torno al puntero), arrastrar o las flechas desplazan, Inicio o 0 vuelve a encuadrar el DR, las rectas y la situación; la vista queda donde la deje mientras edita el registro. Pase sobre una recta para ver su observación.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Fit to the DR, Lines and Fix</source>
        <translation>&amp;Encuadrar DR, rectas y situación</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag pans, Home fits</source>
        <translation>Rueda o + y -: zoom, arrastrar: desplazar, Inicio: encuadrar</translation>
    </message>
    <message>
        <source>No DR</source>
        <translation>Sin DR</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightDocument</name>
    <message>
        <source>Delete row</source>
        <translation>Borrar fila</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>%1 is not a sight log: %2</source>
        <translation>%1 no es un registro de observaciones: %2</translation>
    </message>
    <message>
        <source>sights</source>
        <translation>observaciones</translation>
    </message>
    <message>
        <source>The sights could not be saved in %1.</source>
        <translation>Las observaciones no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the sights to keep them.</source>
        <translation>Los cambios no se pueden conservar para recuperación en %1. Guarde las observaciones para conservarlos.</translation>
    </message>
    <message>
        <source>The sights kept in %1 could not be read: %2</source>
        <translation>Las observaciones guardadas en %1 no se pudieron leer: %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightWindow</name>
    <message>
        <source>Plotting &amp;sheet</source>
        <translation>Hoja de ploteo</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>&amp;Cielo</translation>
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
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Vessel and Navigator...</source>
        <translation>Buque y &amp;navegante...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Añadir fila</translation>
    </message>
    <message>
        <source>D&amp;uplicate Row</source>
        <translation>D&amp;uplicar fila</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Borrar fila</translation>
    </message>
    <message>
        <source>&amp;Identify Body...</source>
        <translation>&amp;Identificar astro...</translation>
    </message>
    <message>
        <source>&amp;Daily Pages...</source>
        <translation>Páginas &amp;diarias...</translation>
    </message>
    <message>
        <source>Sight Reduction &amp;Help</source>
        <translation>&amp;Ayuda de rectas de altura</translation>
    </message>
    <message>
        <source>Sight log</source>
        <translation>Registro de observaciones</translation>
    </message>
    <message>
        <source>The sight log, one sight a row. Enter adds a row; F2 or typing edits a cell. Each column&apos;s heading says what it takes. A complete row shows Ho, Hc, Zn and the intercept; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>El registro de observaciones, una por fila. Intro añade una fila; F2 o escribir edita una celda. El encabezado de cada columna dice lo que admite. Una fila completa muestra Ho, Hc, Zn y la diferencia de alturas; una fila ilegible se tiñe y su ayuda emergente dice por qué.</translation>
    </message>
    <message>
        <source>What the log gives</source>
        <translation>Lo que da el registro</translation>
    </message>
    <message>
        <source>The fix from the sights, with its error ellipse, and each row that could not be read or is doubtful.</source>
        <translation>La situación obtenida de las observaciones, con su elipse de error, y cada fila ilegible o dudosa.</translation>
    </message>
    <message>
        <source>Plotting sheet</source>
        <translation>Hoja de ploteo</translation>
    </message>
    <message>
        <source>The plotting sheet around the DR and the fix. The wheel or + and - zoom, dragging or the arrows pan, Home or 0 fits it again.</source>
        <translation>La hoja de ploteo en torno al DR y la situación. La rueda o + y - amplían, arrastrar o las flechas desplazan, Inicio o 0 la encuadra de nuevo.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Añadir fila</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Duplicar fila</translation>
    </message>
    <message>
        <source>This sight cannot be identified until its %1 is right: %2</source>
        <translation>Esta observación no se puede identificar hasta que %1 sea correcto: %2</translation>
    </message>
    <message>
        <source>Morvel (Sight Reduction)</source>
        <translation>Morvel (rectas de altura)</translation>
    </message>
    <message>
        <source>Sights from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Se conservaron observaciones de una sesión que no terminó bien. ¿Restaurarlas?</translation>
    </message>
    <message>
        <source>Save the sights</source>
        <translation>Guardar las observaciones</translation>
    </message>
    <message>
        <source>Sight logs (*.csv);;All files (*)</source>
        <translation>Registros de observaciones (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open sights</source>
        <translation>Abrir observaciones</translation>
    </message>
    <message>
        <source>The sights have changes that are not saved. Save them?</source>
        <translation>Las observaciones tienen cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Morvel sights</source>
        <translation>Observaciones Morvel</translation>
    </message>
    <message>
        <source>Morvel sights %1</source>
        <translation>Observaciones Morvel %1</translation>
    </message>
    <message>
        <source>Send Each &amp;Fix to the Plotter</source>
        <translation>Enviar cada &amp;situación al plóter</translation>
    </message>
    <message>
        <source>Plotter &amp;Address...</source>
        <translation>&amp;Dirección del plóter...</translation>
    </message>
    <message>
        <source>&amp;Send the Fix Now</source>
        <translation>&amp;Enviar la situación ahora</translation>
    </message>
    <message>
        <source>Save the Fix as &amp;GPX...</source>
        <translation>Guardar la situación como &amp;GPX...</translation>
    </message>
    <message>
        <source>Plotter Address</source>
        <translation>Dirección del plóter</translation>
    </message>
    <message>
        <source>The plotter&apos;s host and UDP port (OpenCPN: 10110):</source>
        <translation>El host y el puerto UDP del plóter (OpenCPN: 10110):</translation>
    </message>
    <message>
        <source>There is no fix to send.</source>
        <translation>No hay situación que enviar.</translation>
    </message>
    <message>
        <source>The fix was not sent: %1</source>
        <translation>La situación no se envió: %1</translation>
    </message>
    <message>
        <source>%1 sent to the plotter at %2</source>
        <translation>%1 enviada al plóter en %2</translation>
    </message>
    <message>
        <source>The fix was not sent to the plotter: %1</source>
        <translation>La situación no se envió al plóter: %1</translation>
    </message>
    <message>
        <source>There is no fix to save.</source>
        <translation>No hay situación que guardar.</translation>
    </message>
    <message>
        <source>Save the fix as GPX</source>
        <translation>Guardar la situación como GPX</translation>
    </message>
    <message>
        <source>GPX files (*.gpx);;All files (*)</source>
        <translation>Archivos GPX (*.gpx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The fix was not saved: %1</source>
        <translation>La situación no se guardó: %1</translation>
    </message>
    <message>
        <source>%1 saved in %2</source>
        <translation>%1 guardada en %2</translation>
    </message>
    <message>
        <source>Asking the GPS...</source>
        <translation>Consultando el GPS...</translation>
    </message>
    <message>
        <source>No position from the GPS: %1. The DR stays as it was.</source>
        <translation>Sin posición del GPS: %1. El DR queda como estaba.</translation>
    </message>
    <message>
        <source>DR from the GPS (%1 %2)</source>
        <translation>DR del GPS (%1 %2)</translation>
    </message>
    <message>
        <source>; the computer clock is %1 s %2 on GPS time</source>
        <translation>; el reloj del ordenador va %1 s %2 respecto a la hora GPS</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>adelantado</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>atrasado</translation>
    </message>
    <message>
        <source>DR &amp;Legs...</source>
        <translation>&amp;Tramos del DR...</translation>
    </message>
    <message>
        <source>&amp;Carry the Current On</source>
        <translation>Aplicar la &amp;corriente</translation>
    </message>
    <message>
        <source>The DRs of the sights after the fix run with the set and drift it gives</source>
        <translation>Los DR de las observaciones tras la situación se estiman con la corriente que da</translation>
    </message>
    <message>
        <source>Plotte&amp;r</source>
        <translation>&amp;Plóter</translation>
    </message>
    <message>
        <source>&amp;Almanac</source>
        <translation>Al&amp;manaque</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyChart</name>
    <message>
        <source>Sky chart</source>
        <translation>Carta celeste</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Sugeridos: bien repartidos en azimut</translation>
    </message>
    <message>
        <source>Outside the altitudes chosen</source>
        <translation>Fuera de las alturas elegidas</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyPanel</name>
    <message>
        <source>Time of the sky in UTC, e.g. 2026-12-07 22:00:00 UTC</source>
        <translation>Hora del cielo en UTC, p. ej. 2026-12-07 22:00:00 UTC</translation>
    </message>
    <message>
        <source>Lowest altitude listed, degrees, e.g. 15</source>
        <translation>Altura mínima listada, grados, p. ej. 15</translation>
    </message>
    <message>
        <source>Highest altitude listed, degrees, e.g. 70</source>
        <translation>Altura máxima listada, grados, p. ej. 70</translation>
    </message>
    <message>
        <source>Bodies suggested</source>
        <translation>Astros sugeridos</translation>
    </message>
    <message>
        <source>How many bodies to suggest for a fix: 3, 120° apart, or 4, 90° apart</source>
        <translation>Cuántos astros sugerir para una situación: 3, a 120°, o 4, a 90°</translation>
    </message>
    <message>
        <source>Time of the sky, UTC</source>
        <translation>Hora del cielo, UTC</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Náutico</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical twilight, morning</source>
        <translation>Crepúsculo náutico, matutino</translation>
    </message>
    <message>
        <source>Civil twilight, morning</source>
        <translation>Crepúsculo civil, matutino</translation>
    </message>
    <message>
        <source>Civil twilight, evening</source>
        <translation>Crepúsculo civil, vespertino</translation>
    </message>
    <message>
        <source>Nautical twilight, evening</source>
        <translation>Crepúsculo náutico, vespertino</translation>
    </message>
    <message>
        <source>Lowest altitude</source>
        <translation>Altura mínima</translation>
    </message>
    <message>
        <source>Highest altitude</source>
        <translation>Altura máxima</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>3 bodies, 120° apart</source>
        <translation>3 astros, a 120°</translation>
    </message>
    <message>
        <source>4 bodies, 90° apart</source>
        <translation>4 astros, a 90°</translation>
    </message>
    <message>
        <source>T&amp;ime (UTC)</source>
        <translation>H&amp;ora (UTC)</translation>
    </message>
    <message>
        <source>Altitude fr&amp;om</source>
        <translation>Alt&amp;ura desde</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>Sugerir</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astro</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Bodies within the altitudes</source>
        <translation>Astros entre las alturas</translation>
    </message>
    <message>
        <source>No DR: the sky needs a position.</source>
        <translation>Sin DR: el cielo necesita una posición.</translation>
    </message>
    <message>
        <source>the DR</source>
        <translation>el DR</translation>
    </message>
    <message>
        <source>the DR at %1</source>
        <translation>el DR a las %1</translation>
    </message>
    <message>
        <source>At %1 (%2), %3 %4 UTC</source>
        <translation>En %1 (%2), %3 %4 UTC</translation>
    </message>
    <message>
        <source>above the horizon</source>
        <translation>sobre el horizonte</translation>
    </message>
    <message>
        <source>between %1° and %2°</source>
        <translation>entre %1° y %2°</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Sugeridos: bien repartidos en azimut</translation>
    </message>
    <message>
        <source>No body above the horizon.</source>
        <translation>Ningún astro sobre el horizonte.</translation>
    </message>
    <message>
        <source>The Sun is up: by day only the Sun, the Moon and Venus can be taken, and fewer than %1 of them are %2.</source>
        <translation>El Sol está sobre el horizonte: de día solo pueden observarse el Sol, la Luna y Venus, y menos de %1 de ellos están %2.</translation>
    </message>
    <message>
        <source>Fewer than %1 bodies %2: none to suggest.</source>
        <translation>Menos de %1 astros %2: ninguno que sugerir.</translation>
    </message>
    <message>
        <source>Well spread: </source>
        <translation>Bien repartidos: </translation>
    </message>
    <message>
        <source>The sky at %1, halfway between the nautical and the civil twilight: the time for star sights</source>
        <translation>El cielo a las %1, a medio camino entre el crepúsculo náutico y el civil: la hora de las observaciones de estrellas</translation>
    </message>
    <message>
        <source>No such twilight on this day here</source>
        <translation>Ese día no hay tal crepúsculo en este lugar</translation>
    </message>
    <message>
        <source>Point at a body on the chart for its Hc, Zn and magnitude; a click, or the arrow keys, select it; double click or Enter adds a sight of it.</source>
        <translation>Señale un astro en la carta para ver su Hc, su Zn y su magnitud; un clic, o las flechas, lo seleccionan; doble clic o Intro añade una observación de él.</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies above the horizon.</source>
        <translation>
            <numerusform>%n astro sobre el horizonte.</numerusform>
            <numerusform>%n astros sobre el horizonte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n bodies above the horizon are %2.</source>
        <translation>
            <numerusform>%1 de %n astro sobre el horizonte está %2.</numerusform>
            <numerusform>%1 de los %n astros sobre el horizonte están %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Morning twilight</source>
        <translation>Crepúsculo matuti&amp;no</translation>
    </message>
    <message>
        <source>Eve&amp;ning twilight</source>
        <translation>Crepúsculo vespertino</translation>
    </message>
    <message>
        <source>All above the horizon</source>
        <translation>Todos sobre el horizonte</translation>
    </message>
</context>
<context>
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>No forma parte del manual: %1</translation>
    </message>
</context>
<context>
    <name>navtext</name>
    <message>
        <source>%1 is degrees east or west, 0 to 180 (2.5 E, 1.0 W, 3 15E), or signed, east positive (-1.0)</source>
        <translation>%1 se da en grados este u oeste, de 0 a 180 (2.5 E, 1.0 W, 3 15E), o con signo, positivo al este (-1.0)</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 alto</translation>
    </message>
    <message>
        <source>%1 low</source>
        <translation>%1 bajo</translation>
    </message>
    <message>
        <source>a latitude</source>
        <translation>una latitud</translation>
    </message>
    <message>
        <source>a longitude</source>
        <translation>una longitud</translation>
    </message>
    <message>
        <source>an altitude</source>
        <translation>una altura</translation>
    </message>
    <message>
        <source>an angle</source>
        <translation>un ángulo</translation>
    </message>
    <message>
        <source>a DLo</source>
        <translation>una DLo</translation>
    </message>
    <message>
        <source>minutes are a number from 0 to under 60</source>
        <translation>los minutos son un número de 0 a menos de 60</translation>
    </message>
    <message>
        <source>seconds are a number from 0 to under 60</source>
        <translation>los segundos son un número de 0 a menos de 60</translation>
    </message>
    <message>
        <source>0 to 90 degrees with N or S, or signed (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</source>
        <translation>de 0 a 90 grados con N o S, o con signo (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</translation>
    </message>
    <message>
        <source>0 to 180 degrees with E or W, or signed (70 30.5W, 70.508W, -70.508)</source>
        <translation>de 0 a 180 grados con E o W, o con signo (70 30.5W, 70.508W, -70.508)</translation>
    </message>
    <message>
        <source>-90 to 90 degrees (30 15.2, -12 15, -0 30, -12.25)</source>
        <translation>de -90 a 90 grados (30 15.2, -12 15, -0 30, -12.25)</translation>
    </message>
    <message>
        <source>0 to 360 degrees (351 41.9, 351.698)</source>
        <translation>de 0 a 360 grados (351 41.9, 351.698)</translation>
    </message>
    <message>
        <source>0 to 360 degrees with E or W (73 22E, 73.367W)</source>
        <translation>de 0 a 360 grados con E o W (73 22E, 73.367W)</translation>
    </message>
    <message>
        <source>unexpected %1; %2 is %3</source>
        <translation>no se esperaba %1; %2 es %3</translation>
    </message>
    <message>
        <source>no value; %1 is %2</source>
        <translation>sin valor; %1 es %2</translation>
    </message>
    <message>
        <source>the letter %1 does not belong here; %2 is %3</source>
        <translation>la letra %1 no corresponde aquí; %2 es %3</translation>
    </message>
    <message>
        <source>say E or W; a DLo is %1</source>
        <translation>indique E o W; una DLo es %1</translation>
    </message>
    <message>
        <source>%1 is degrees, degrees and minutes, or degrees, minutes and seconds: %2</source>
        <translation>%1 se da en grados, en grados y minutos, o en grados, minutos y segundos: %2</translation>
    </message>
    <message>
        <source>the seconds sign stands after the seconds, the third number (41 12 18&quot;)</source>
        <translation>el signo de segundos va tras los segundos, el tercer número (41 12 18&quot;)</translation>
    </message>
    <message>
        <source>give a sign or a hemisphere letter, not both</source>
        <translation>dé un signo o una letra de hemisferio, no ambos</translation>
    </message>
    <message>
        <source>out of range; %1 is %2</source>
        <translation>fuera de rango; %1 es %2</translation>
    </message>
    <message>
        <source>degrees before minutes must be whole</source>
        <translation>los grados seguidos de minutos deben ser enteros</translation>
    </message>
    <message>
        <source>not a number of degrees; %1 is %2</source>
        <translation>no es un número de grados; %1 es %2</translation>
    </message>
    <message>
        <source>minutes before seconds must be whole</source>
        <translation>los minutos seguidos de segundos deben ser enteros</translation>
    </message>
    <message>
        <source>a position is a latitude and a longitude (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</source>
        <translation>una posición es una latitud y una longitud (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</translation>
    </message>
    <message>
        <source>a comma parts the latitude from the longitude, so a position&apos;s decimals take a point (41.205N 70.508W)</source>
        <translation>una coma separa la latitud de la longitud, así que los decimales de una posición llevan punto (41.205N 70.508W)</translation>
    </message>
    <message>
        <source>more than one comma: %1</source>
        <translation>más de una coma: %1</translation>
    </message>
    <message>
        <source>no longitude after the comma; %1</source>
        <translation>falta la longitud tras la coma; %1</translation>
    </message>
    <message>
        <source>unexpected %1; %2</source>
        <translation>no se esperaba %1; %2</translation>
    </message>
    <message>
        <source>write minutes with hemisphere letters: without them the numbers part more than one way (41 12 18 could be a latitude in degrees, minutes and seconds, or a latitude of 41 and a longitude of 12 18); %1</source>
        <translation>escriba los minutos con letras de hemisferio: sin ellas los números se pueden separar de más de una manera (41 12 18 podría ser una latitud en grados, minutos y segundos, o una latitud de 41 y una longitud de 12 18); %1</translation>
    </message>
    <message>
        <source>no value; %1</source>
        <translation>sin valor; %1</translation>
    </message>
    <message>
        <source>degrees, minutes and seconds in a position need N or S and E or W (41 12 18N 70 30 05W)</source>
        <translation>los grados, minutos y segundos en una posición necesitan N o S y E o W (41 12 18N 70 30 05W)</translation>
    </message>
    <message>
        <source>latitude %1</source>
        <translation>latitud %1</translation>
    </message>
    <message>
        <source>longitude %1</source>
        <translation>longitud %1</translation>
    </message>
    <message>
        <source>a distance is 0 to 10800 nautical miles (2999.4, 500nm)</source>
        <translation>una distancia es de 0 a 10800 millas náuticas (2999.4, 500nm)</translation>
    </message>
    <message>
        <source>not a number; %1</source>
        <translation>no es un número; %1</translation>
    </message>
    <message>
        <source>out of range; %1</source>
        <translation>fuera de rango; %1</translation>
    </message>
    <message>
        <source>off the arc positive: 1.2 off is +1.2, 1.2 on is -1.2</source>
        <translation>positivo fuera del limbo: 1.2 off es +1.2, 1.2 on es -1.2</translation>
    </message>
    <message>
        <source>%1 is not a number of minutes of arc from -30 to 30 (%2)</source>
        <translation>%1 no es un número de minutos de arco de -30 a 30 (%2)</translation>
    </message>
    <message>
        <source>give a sign or on or off, not both (%1)</source>
        <translation>dé un signo o bien on u off, no ambos (%1)</translation>
    </message>
    <message>
        <source>%1 is not a number of feet from 0 to 328.08 (100 metres)</source>
        <translation>%1 no es un número de pies de 0 a 328.08 (100 metros)</translation>
    </message>
    <message>
        <source>%1 is not a number of metres from 0 to 100 (2.5, 2.5 m, or in feet 8 ft, 8&apos;)</source>
        <translation>%1 no es un número de metros de 0 a 100 (2.5, 2.5 m, o en pies 8 ft, 8&apos;)</translation>
    </message>
    <message>
        <source>a date is written 2026-12-07, from 1900-01-01 to 2100-12-31</source>
        <translation>una fecha se escribe 2026-12-07, de 1900-01-01 a 2100-12-31</translation>
    </message>
    <message>
        <source>a watch&apos;s time is 19:33 or 19:33:05, or 2026-12-08 00:15 for a sight on another day</source>
        <translation>una hora de reloj se escribe 19:33 o 19:33:05, o 2026-12-08 00:15 para una observación de otro día</translation>
    </message>
    <message>
        <source>a zone description is the hours added to zone time to give UT, signed: +5 in 75° W, -3 in 45° E, +9.5, 0 (whole, half or quarter hours, -14 to +14)</source>
        <translation>el huso son las horas que, sumadas a la hora del huso, dan UT, con signo: +5 en 75° W, -3 en 45° E, +9.5, 0 (horas enteras, medias o cuartos, de -14 a +14)</translation>
    </message>
    <message>
        <source>a watch error is 12 s fast or 12 s slow (1 m 12 s fast; 0 when there is none), under an hour</source>
        <translation>el estado del reloj se escribe 12 s fast o 12 s slow (1 m 12 s fast; 0 si no lo hay), menor de una hora</translation>
    </message>
    <message>
        <source>no such date; %1</source>
        <translation>no existe esa fecha; %1</translation>
    </message>
    <message>
        <source>a watch is read to the whole second (19:33:05)</source>
        <translation>el reloj se lee al segundo entero (19:33:05)</translation>
    </message>
    <message>
        <source>a watch&apos;s time has no Z and no offset: the log&apos;s zone description gives UT</source>
        <translation>una hora de reloj no lleva Z ni desfase: el huso del registro da UT</translation>
    </message>
    <message>
        <source>no such time of day; %1</source>
        <translation>no existe esa hora del día; %1</translation>
    </message>
    <message>
        <source>write the zone description in hours, +5.5 or -5.5: an offset +05:30 as ISO 8601 writes it is zone -5.5 (UT = zone time + zone description)</source>
        <translation>escriba el huso en horas, +5.5 o -5.5: un desfase +05:30, como lo escribe ISO 8601, es el huso -5.5 (UT = hora del huso + huso)</translation>
    </message>
    <message>
        <source>say + or -: %1</source>
        <translation>indique + o -: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>reckoning</name>
    <message>
        <source>the current needs the hours since the last fix, above 0</source>
        <translation>la corriente necesita las horas transcurridas desde la última situación, más de 0</translation>
    </message>
    <message>
        <source>no course makes good a track without speed through the water</source>
        <translation>ningún rumbo permite seguir una derrota sin velocidad en el agua</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it faster than the ship can stem</source>
        <translation>no se puede seguir esa derrota: la corriente la cruza más deprisa de lo que el buque puede contrarrestar</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets against it faster than the ship runs</source>
        <translation>no se puede seguir esa derrota: la corriente va en contra más deprisa de lo que anda el buque</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it as fast as the ship can stem</source>
        <translation>no se puede seguir esa derrota: la corriente la cruza tan deprisa como el buque puede contrarrestar</translation>
    </message>
</context>
<context>
    <name>sight</name>
    <message>
        <source>the lines of position are parallel: they do not cross</source>
        <translation>las rectas de altura son paralelas: no se cortan</translation>
    </message>
    <message>
        <source>the position did not settle: no fix</source>
        <translation>el cálculo de la posición no convergió: sin situación</translation>
    </message>
    <message>
        <source>a fix needs two sights or more</source>
        <translation>una situación necesita dos observaciones o más</translation>
    </message>
    <message>
        <source>residual %1 nm; the other lines agree within %2 nm without it</source>
        <translation>residuo %1 mn; sin ella, las demás rectas concuerdan a menos de %2 mn</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix; with three lines a mistaken one cannot be told from the others</source>
        <translation>una recta queda a %1 mn de la situación; con tres rectas no se puede distinguir la errónea de las demás</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and leaving out any one of %2 lines brings the others within %3 nm: which is mistaken cannot be told</source>
        <translation>una recta queda a %1 mn de la situación, y omitir cualquiera de %2 rectas hace que las demás concuerden a menos de %3 mn: no se puede saber cuál es la errónea</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and no one line left out brings the others within %2 nm</source>
        <translation>una recta queda a %1 mn de la situación, y omitir una sola recta, sea cual sea, no hace que las demás concuerden a menos de %2 mn</translation>
    </message>
    <message>
        <source>the DR&apos;s time lies more than 24 hours from noon of the date</source>
        <translation>la hora del DR dista más de 24 horas del mediodía de la fecha</translation>
    </message>
    <message>
        <source>the ship runs within a degree of the pole, where noon has no meaning</source>
        <translation>el buque navega a menos de un grado del polo, donde el mediodía no tiene sentido</translation>
    </message>
    <message>
        <source>noon not found: the ship outruns the Sun</source>
        <translation>no se halló el mediodía: el buque va más deprisa que el Sol</translation>
    </message>
    <message>
        <source>the observed altitude must lie between 0 and 90 degrees</source>
        <translation>la altura observada debe estar entre 0 y 90 grados</translation>
    </message>
    <message>
        <source>the altitude puts the latitude beyond the pole</source>
        <translation>la altura sitúa la latitud más allá del polo</translation>
    </message>
    <message>
        <source>the triangle has no solution</source>
        <translation>el triángulo no tiene solución</translation>
    </message>
    <message>
        <source>the corrections put the observed altitude beyond the zenith, above 90 degrees</source>
        <translation>las correcciones llevan la altura observada más allá del cenit, por encima de 90 grados</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm toward, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>la diferencia de alturas en el DR es de %1 mn hacia el astro, más de las %2 mn (%3°) que alcanza el método de la diferencia de alturas: ¿está mal escrita la altura, la hora, el astro o el DR?</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm away, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>la diferencia de alturas en el DR es de %1 mn en sentido contrario al astro, más de las %2 mn (%3°) que alcanza el método de la diferencia de alturas: ¿está mal escrita la altura, la hora, el astro o el DR?</translation>
    </message>
</context>
<context>
    <name>sightlog</name>
    <message>
        <source>an unclosed quote</source>
        <translation>unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>%1 cells for %2 columns</source>
        <translation>%1 celdas para %2 columnas</translation>
    </message>
    <message>
        <source>above this row</source>
        <translation>por encima de esta fila</translation>
    </message>
    <message>
        <source>%1 is not a speed in knots from 0 to 60</source>
        <translation>%1 no es una velocidad en nudos de 0 a 60</translation>
    </message>
    <message>
        <source>the course</source>
        <translation>el rumbo</translation>
    </message>
    <message>
        <source>the DR needs a longitude beside its latitude</source>
        <translation>el DR necesita una longitud junto a su latitud</translation>
    </message>
    <message>
        <source>leg %1: %2</source>
        <translation>tramo %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a drift in knots from 0 to 60</source>
        <translation>%1 no es una intensidad de corriente en nudos de 0 a 60</translation>
    </message>
    <message>
        <source>the current carried on: %1</source>
        <translation>la corriente aplicada: %1</translation>
    </message>
    <message>
        <source>the fix is %1 nm from the DR after %2 h, more than any current sets a ship: is the DR right?</source>
        <translation>la situación está a %1 mn del DR tras %2 h, más de lo que ninguna corriente desplaza un buque: ¿es correcto el DR?</translation>
    </message>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>no se puede leer el DR: %1</translation>
    </message>
    <message>
        <source>no DR: give the DR, or this sight&apos;s own</source>
        <translation>sin DR: dé el DR, o el propio de esta observación</translation>
    </message>
    <message>
        <source>a number of %1 from %2 to %3</source>
        <translation>un número de %1 de %2 a %3</translation>
    </message>
    <message>
        <source>no header: the log starts with a line naming its columns (%1)</source>
        <translation>sin encabezado: el registro empieza con una línea que nombra sus columnas (%1)</translation>
    </message>
    <message>
        <source>the header is %1</source>
        <translation>el encabezado es %1</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 en el encabezado</translation>
    </message>
    <message>
        <source>unknown column %1</source>
        <translation>columna desconocida %1</translation>
    </message>
    <message>
        <source>a utc column and a time column: a log&apos;s times are UTC or the watch&apos;s, not both</source>
        <translation>una columna utc y una columna time: las horas de un registro son UTC o las del reloj, no ambas</translation>
    </message>
    <message>
        <source>column %1 twice</source>
        <translation>columna %1 repetida</translation>
    </message>
    <message>
        <source>%1; a sight log has the columns %2 (time for utc, by the watch)</source>
        <translation>%1; un registro de observaciones tiene las columnas %2 (time en lugar de utc, con el reloj)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos; (or &apos;time&apos;, the watch&apos;s)</source>
        <translation>falta la columna &apos;%1&apos; (o &apos;time&apos;, la del reloj)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>falta la columna &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the date on board</source>
        <translation>la fecha a bordo</translation>
    </message>
    <message>
        <source>the zone description</source>
        <translation>el huso</translation>
    </message>
    <message>
        <source>the watch error</source>
        <translation>el estado del reloj</translation>
    </message>
    <message>
        <source>&apos;# %1:&apos; times a log kept by the watch (a time column); this log&apos;s times are UTC (its utc column)</source>
        <translation>&apos;# %1:&apos; es para un registro cronometrado con el reloj (una columna time); las horas de este registro son UTC (su columna utc)</translation>
    </message>
    <message>
        <source>given for the log</source>
        <translation>del registro</translation>
    </message>
    <message>
        <source>a DR latitude beyond 89 degrees is not worked here</source>
        <translation>aquí no se calcula con una latitud DR de más de 89 grados</translation>
    </message>
    <message>
        <source>%1 %2 cannot be read: %3</source>
        <translation>no se puede leer %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is a watch&apos;s time; this log&apos;s times are UTC, as 2026-12-07T19:33:00Z (to keep them by the watch, give the date on board and the zone description)</source>
        <translation>%1 es una hora de reloj; las horas de este registro son UTC, como 2026-12-07T19:33:00Z (para llevarlas por el reloj, dé la fecha a bordo y el huso)</translation>
    </message>
    <message>
        <source>%1 is a UTC instant; this log is kept by the watch: give the watch&apos;s time, 19:33 or 19:33:05</source>
        <translation>%1 es un instante UTC; este registro se lleva por el reloj: dé la hora del reloj, 19:33 o 19:33:05</translation>
    </message>
    <message>
        <source>no date on board: give the log&apos;s, or the sight&apos;s own (2026-12-08 00:15)</source>
        <translation>sin fecha a bordo: dé la del registro, o la propia de la observación (2026-12-08 00:15)</translation>
    </message>
    <message>
        <source>no zone description: give the log&apos;s (+5 in 75° W, -3 in 45° E; 0 for a watch kept on UT)</source>
        <translation>sin huso: dé el del registro (+5 en 75° W, -3 en 45° E; 0 para un reloj que lleva UT)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>line %1, column %2 (%3): %4</source>
        <translation>línea %1, columna %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun, Moon, Venus, Mars, Jupiter, Saturn o una estrella de navegación</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 no es %2</translation>
    </message>
    <message>
        <source>only the Sun and the Moon have limbs; leave it empty or center</source>
        <translation>solo el Sol y la Luna tienen limbo; déjelo vacío o ponga center</translation>
    </message>
    <message>
        <source>a sextant altitude</source>
        <translation>una altura instrumental</translation>
    </message>
    <message>
        <source>a sextant altitude runs from 0 to 90 degrees; not %1</source>
        <translation>una altura instrumental va de 0 a 90 grados; no %1</translation>
    </message>
    <message>
        <source>the DR latitude</source>
        <translation>la latitud DR</translation>
    </message>
    <message>
        <source>the DR longitude</source>
        <translation>la longitud DR</translation>
    </message>
    <message>
        <source>on line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>%1 is given for the whole log already; give it once</source>
        <translation>%1 ya se da para todo el registro; indíquelo una sola vez</translation>
    </message>
    <message>
        <source>this log&apos;s times are UTC (its utc column): it takes no date on board, zone description or watch error</source>
        <translation>las horas de este registro son UTC (su columna utc): no lleva fecha a bordo, huso ni estado del reloj</translation>
    </message>
    <message>
        <source>lower, upper or centre (LL, UL)</source>
        <translation>lower, upper o centre (LL, UL)</translation>
    </message>
    <message>
        <source>the intercept is %1 nm: the DR may be far off, or the sight mistaken (the fix is worked from it all the same)</source>
        <translation>la diferencia de alturas es de %1 mn: puede que el DR esté lejos, o que la observación sea errónea (la situación se calcula con ella de todos modos)</translation>
    </message>
    <message>
        <source>no body %1; did you mean %2?</source>
        <translation>no existe el astro %1; ¿quiso decir %2?</translation>
    </message>
    <message>
        <source>no body %1</source>
        <translation>no existe el astro %1</translation>
    </message>
    <message>
        <source>no body %1; %2</source>
        <translation>no existe el astro %1; %2</translation>
    </message>
    <message>
        <source>below 5° of apparent altitude refraction is unreliable</source>
        <translation>por debajo de 5° de altura aparente la refracción es incierta</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, depresión %2, refracción %3, SD %4, paralaje %5</translation>
    </message>
    <message>
        <source>no time yet</source>
        <translation>aún falta la hora de reloj</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>aún falta la hora (UTC)</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>aún falta el astro</translation>
    </message>
    <message>
        <source>no hs yet</source>
        <translation>aún falta la altura instrumental (Hs)</translation>
    </message>
    <message>
        <source>no eye yet</source>
        <translation>aún falta la elevación del ojo</translation>
    </message>
</context>
</TS>
