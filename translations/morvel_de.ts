<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calculator</name>
    <message>
        <source>Click below for data format</source>
        <translation>Datenformat wählen:</translation>
    </message>
    <message>
        <source>Degrees and minutes</source>
        <translation>Grad und Minuten</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Dezimalgrad</translation>
    </message>
    <message>
        <source>Great Circle Sailing</source>
        <translation>Großkreisnavigation</translation>
    </message>
    <message>
        <source>&amp;Sight Reduction</source>
        <translation>Höhen&amp;standlinien</translation>
    </message>
    <message>
        <source>&amp;Compass Error</source>
        <translation>&amp;Kompassfehlweisung</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check every result against the almanac and tables before you rely on it.</source>
        <translation>Prüfen Sie jedes Ergebnis mit Almanach und Tafeln, bevor Sie sich darauf verlassen.</translation>
    </message>
    <message>
        <source>Morvel (Decimal Degrees)</source>
        <translation>Morvel (Dezimalgrad)</translation>
    </message>
    <message>
        <source>Morvel (Degrees and Minutes)</source>
        <translation>Morvel (Grad und Minuten)</translation>
    </message>
    <message>
        <source>&amp;Latitude, deg</source>
        <translation>&amp;Breite, Grad</translation>
    </message>
    <message>
        <source>L&amp;HA, deg</source>
        <translation>L&amp;HA, Grad</translation>
    </message>
    <message>
        <source>&amp;Declination, deg</source>
        <translation>&amp;Dekl., Grad</translation>
    </message>
    <message>
        <source>&amp;Altitude, deg</source>
        <translation>&amp;Höhe, Grad</translation>
    </message>
    <message>
        <source>A&amp;zimuth, deg</source>
        <translation>A&amp;zimut, Grad</translation>
    </message>
    <message>
        <source>&amp;Latitude</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>L&amp;HA</source>
        <translation>L&amp;HA</translation>
    </message>
    <message>
        <source>&amp;Declination</source>
        <translation>&amp;Deklination</translation>
    </message>
    <message>
        <source>&amp;Altitude</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>A&amp;zimuth</source>
        <translation>A&amp;zimut</translation>
    </message>
    <message>
        <source>&amp;Latitude of Departure</source>
        <translation>&amp;Abfahrtsbreite</translation>
    </message>
    <message>
        <source>Longitude of Departure</source>
        <translation>Abfahrtslänge</translation>
    </message>
    <message>
        <source>Latitude of &amp;Destination</source>
        <translation>&amp;Zielbreite</translation>
    </message>
    <message>
        <source>Dist&amp;ance</source>
        <translation>Dis&amp;tanz</translation>
    </message>
    <message>
        <source>Initial Course (Cn)</source>
        <translation>Anfangskurs (Cn)</translation>
    </message>
    <message>
        <source>Longitude of Destination</source>
        <translation>Ziellänge</translation>
    </message>
    <message>
        <source>DLo</source>
        <translation>DLo</translation>
    </message>
    <message>
        <source>Final Course</source>
        <translation>Endkurs</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;Nord</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Süd</translation>
    </message>
    <message>
        <source>Nor&amp;th</source>
        <translation>No&amp;rd</translation>
    </message>
    <message>
        <source>So&amp;uth</source>
        <translation>S&amp;üd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>nmi</source>
        <translation>sm</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>2 Outputs</source>
        <translation>2 Ausg.</translation>
    </message>
    <message>
        <source>Many Other Solutions</source>
        <translation>Viele weitere Lösungen</translation>
    </message>
    <message>
        <source>%1 — printed %2 UTC</source>
        <translation>%1 — gedruckt am %2 UTC</translation>
    </message>
    <message>
        <source>Ell&amp;ipse</source>
        <translation>Ell&amp;ipse</translation>
    </message>
    <message>
        <source>Draw #&amp;1</source>
        <translation>Bild &amp;1</translation>
    </message>
    <message>
        <source>Draw #&amp;2</source>
        <translation>Bild &amp;2</translation>
    </message>
    <message>
        <source>Aut&amp;o Step</source>
        <translation>Aut&amp;o-Lauf</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/ Stop Auto</source>
        <translation>Einzel&amp;schritt/ Stopp</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/  Auto Stop</source>
        <translation>Einzel&amp;schritt/ Stopp</translation>
    </message>
    <message>
        <source>Continuous step</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>Select Output Set for Meridian Diagram</source>
        <translation>Lösung zum Zeichnen wählen</translation>
    </message>
    <message>
        <source>Plotted values of LHA &amp; Zn may differ from numerical values</source>
        <translation>Gezeichnete LHA und Zn können von den Zahlenwerten abweichen</translation>
    </message>
    <message>
        <source>Plotted values of DLo &amp; Cn may differ from numerical values</source>
        <translation>Gezeichnete DLo und Cn können von den Zahlenwerten abweichen</translation>
    </message>
    <message>
        <source>Enter a Latitude Value from 0 to 90 deg.</source>
        <translation>Geben Sie eine Breite von 0 bis 90° ein.</translation>
    </message>
    <message>
        <source>Enter an LHA Value from 0 to 360 deg.</source>
        <translation>Geben Sie einen LHA von 0 bis 360° ein.</translation>
    </message>
    <message>
        <source>Enter a Declination Value from 0 to 90 deg.</source>
        <translation>Geben Sie eine Deklination von 0 bis 90° ein.</translation>
    </message>
    <message>
        <source>Enter an Altitude Value from -90 to 90 deg.</source>
        <translation>Geben Sie eine Höhe von -90 bis 90° ein.</translation>
    </message>
    <message>
        <source>Enter an Azimuth Value from 0 to 360 deg.</source>
        <translation>Geben Sie ein Azimut von 0 bis 360° ein.</translation>
    </message>
    <message>
        <source>Select N or S Latitude</source>
        <translation>Wählen Sie Breite N oder S</translation>
    </message>
    <message>
        <source>Select N or S Declination</source>
        <translation>Wählen Sie Deklination N oder S</translation>
    </message>
    <message>
        <source>Enter a value of latitude degrees from 0 to 90</source>
        <translation>Geben Sie die Breitengrade von 0 bis 90 ein</translation>
    </message>
    <message>
        <source>Enter a value of latitude minutes from to to 59.9</source>
        <translation>Geben Sie die Breitenminuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Enter a Value of LHA degrees from 0 to 360</source>
        <translation>Geben Sie die LHA-Grade von 0 bis 360 ein</translation>
    </message>
    <message>
        <source>Enter a value of LHA minutes from to to 59.9 </source>
        <translation>Geben Sie die LHA-Minuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Enter a value of declination degrees from 0 to 90</source>
        <translation>Geben Sie die Deklinationsgrade von 0 bis 90 ein</translation>
    </message>
    <message>
        <source>Enter a value of declination minutes from 0 to 59.9</source>
        <translation>Geben Sie die Deklinationsminuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Enter a value of altitude degrees from -90 to 90</source>
        <translation>Geben Sie die Höhengrade von -90 bis 90 ein</translation>
    </message>
    <message>
        <source>Enter a value of altitude minutes from 0 to 59.9</source>
        <translation>Geben Sie die Höhenminuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Enter a value of azimuth degrees from 0 to 360</source>
        <translation>Geben Sie die Azimutgrade von 0 bis 360 ein</translation>
    </message>
    <message>
        <source>Enter a value of azimuth minutes from 0 to 59.9</source>
        <translation>Geben Sie die Azimutminuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Enter a Value of DLo degrees from 0 to 360</source>
        <translation>Geben Sie die DLo-Grade von 0 bis 360 ein</translation>
    </message>
    <message>
        <source>Enter a value of DLo minutes from to to 59.9 </source>
        <translation>Geben Sie die DLo-Minuten von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Select E or W DLo</source>
        <translation>Wählen Sie DLo E oder W</translation>
    </message>
    <message>
        <source>Select N or S Latitude of Departure</source>
        <translation>Wählen Sie Abfahrtsbreite N oder S</translation>
    </message>
    <message>
        <source>Select N or S Latitude of destination</source>
        <translation>Wählen Sie Zielbreite N oder S</translation>
    </message>
    <message>
        <source>Enter a value of longitudeof departure  degrees from 0 to 180</source>
        <translation>Geben Sie die Grade der Abfahrtslänge von 0 bis 180 ein</translation>
    </message>
    <message>
        <source>Enter a value of longitude of departure minutes from 0 to 59.9</source>
        <translation>Geben Sie die Minuten der Abfahrtslänge von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Departure</source>
        <translation>Wählen Sie Abfahrtslänge E oder W</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination degrees from 0 to 180</source>
        <translation>Geben Sie die Grade der Ziellänge von 0 bis 180 ein</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination minutes from 0 to 59.9</source>
        <translation>Geben Sie die Minuten der Ziellänge von 0 bis 59.9 ein</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Destination</source>
        <translation>Wählen Sie Ziellänge E oder W</translation>
    </message>
    <message>
        <source>Enter a value of distancefrom 0 to 10800 nm</source>
        <translation>Geben Sie eine Distanz von 0 bis 10800 sm ein</translation>
    </message>
    <message>
        <source>Enter one or no longitude and 2 other inputs<byte value="xd"/>
or 2 longitudes and 2 other inputs, no DLo</source>
        <translation>Geben Sie eine oder keine Länge und 2 weitere Werte ein<byte value="xd"/>
oder 2 Längen und 2 weitere Werte, keine DLo</translation>
    </message>
    <message>
        <source>Enter three and only three inputs</source>
        <translation>Geben Sie genau drei Werte ein</translation>
    </message>
    <message>
        <source>LHA and Azimuth\ Inconsistent. Reenter</source>
        <translation>LHA und Azimut passen nicht zusammen. Neu eingeben</translation>
    </message>
    <message>
        <source>DLo and Initial Course Inconsistent. Reenter</source>
        <translation>DLo und Anfangskurs passen nicht zusammen. Neu eingeben</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Keine Lösung</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Diagram remark</source>
        <translation>Hinweis zum Diagramm</translation>
    </message>
    <message>
        <source>Meridian diagram shown</source>
        <translation>Gezeigtes Meridiandiagramm</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Morvel Help</source>
        <translation>Morvel-Hilfe</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Handbuchseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>Nicht Teil des Handbuchs: %1</translation>
    </message>
</context>
</TS>
