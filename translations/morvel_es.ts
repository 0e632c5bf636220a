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
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>No forma parte del manual: %1</translation>
    </message>
</context>
</TS>
