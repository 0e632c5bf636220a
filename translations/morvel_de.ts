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
    <message>
        <source>Meridian Diagram #%1</source>
        <translation>Meridiandiagramm %1</translation>
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
    <name>Printing</name>
    <message>
        <source>the folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>The %1 could not be printed on %2.</source>
        <translation>Das %1 konnte nicht auf %2 gedruckt werden.</translation>
    </message>
    <message>
        <source>No printer is installed. The %1 was saved as %2</source>
        <translation>Es ist kein Drucker eingerichtet. Das %1 wurde als %2 gespeichert</translation>
    </message>
    <message>
        <source>

It could not be saved in
%1</source>
        <translation>

Es konnte nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>No printer is installed, and the %1 could not be saved as a PDF:
%2</source>
        <translation>Es ist kein Drucker eingerichtet, und das %1 konnte nicht als PDF gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Vessel and Navigator</source>
        <translation>Schiff und Navigator</translation>
    </message>
    <message>
        <source>the ship&apos;s name</source>
        <translation>der Name des Schiffs</translation>
    </message>
    <message>
        <source>The vessel&apos;s name, e.g. Pilgrim</source>
        <translation>Der Name des Schiffs, z. B. Pilgrim</translation>
    </message>
    <message>
        <source>who worked the sights</source>
        <translation>wer die Beobachtungen ausgewertet hat</translation>
    </message>
    <message>
        <source>Who worked the sights, e.g. J. Slocum</source>
        <translation>Wer die Beobachtungen ausgewertet hat, z. B. J. Slocum</translation>
    </message>
    <message>
        <source>Printed at the head of every page of sights, with a line for the navigator&apos;s signature. Kept for the next time.</source>
        <translation>Oben auf jeder Seite der Beobachtungen gedruckt, mit einer Zeile für die Unterschrift des Navigators. Für das nächste Mal gemerkt.</translation>
    </message>
    <message>
        <source>&amp;Vessel</source>
        <translation>&amp;Schiff</translation>
    </message>
    <message>
        <source>&amp;Navigator</source>
        <translation>&amp;Navigator</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Kursabschnitte des DR</translation>
    </message>
    <message>
        <source>From %1: course %2, %3 kn (the DR&apos;s). Each line below changes course and speed from its time (UTC) on.</source>
        <translation>Ab %1: Kurs %2, %3 kn (die des DR). Jede Zeile darunter ändert Kurs und Fahrt ab ihrer Zeit (UTC).</translation>
    </message>
    <message>
        <source>the DR&apos;s time</source>
        <translation>die Zeit des DR</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Speed (kn)</source>
        <translation>Fahrt (kn)</translation>
    </message>
    <message>
        <source>&amp;Add Leg</source>
        <translation>Abschnitt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Leg</source>
        <translation>Abschnitt &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>These lines could not be taken in:
%1
They are kept as they stand, and saved with the %2.</source>
        <translation>Diese Zeilen konnten nicht übernommen werden:
%1
Sie bleiben, wie sie sind, und werden mit den %2 gespeichert.</translation>
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
        <source>&apos;%1&apos; is no host and port: 127.0.0.1:10110, plotter.local, [::1]:10110</source>
        <translation>„%1“ ist kein Host mit Port: 127.0.0.1:10110, plotter.local, [::1]:10110</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>DR bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ans&amp;icht</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>D&amp;usk</source>
        <translation>&amp;Dämmerung</translation>
    </message>
    <message>
        <source>&amp;Night</source>
        <translation>&amp;Nacht</translation>
    </message>
    <message>
        <source>&amp;Automatic (by the Sun at the DR)</source>
        <translation>&amp;Automatisch (nach der Sonne am DR)</translation>
    </message>
    <message>
        <source>Next &amp;Palette</source>
        <translation>Nächste &amp;Palette</translation>
    </message>
    <message>
        <source>D&amp;immer</source>
        <translation>D&amp;unkler</translation>
    </message>
    <message>
        <source>&amp;Brighter</source>
        <translation>&amp;Heller</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Morvel &amp;Manual</source>
        <translation>Morvel-&amp;Handbuch</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Direkthilfe</translation>
    </message>
    <message>
        <source>No deviation card: %1</source>
        <translation>Keine Deviationstabelle: %1</translation>
    </message>
    <message>
        <source>Fitted to %1 observations on %2 headings.</source>
        <translation>Angepasst an %1 Beobachtungen auf %2 Kursen.</translation>
    </message>
</context>
<context>
    <name>almanac</name>
    <message>
        <source>no ephemeris for %1</source>
        <translation>keine Ephemeride für %1</translation>
    </message>
    <message>
        <source>the Sun above the horizon all day</source>
        <translation>die Sonne steht den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>the Sun below the horizon all day</source>
        <translation>die Sonne steht den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>the Sun does not rise this day</source>
        <translation>die Sonne geht an diesem Tag nicht auf</translation>
    </message>
    <message>
        <source>the Sun does not set this day</source>
        <translation>die Sonne geht an diesem Tag nicht unter</translation>
    </message>
    <message>
        <source>the Sun never 6° below the horizon: no civil twilight</source>
        <translation>die Sonne steht nie 6° unter dem Horizont: keine bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>the Sun more than 6° below the horizon all day</source>
        <translation>die Sonne steht den ganzen Tag mehr als 6° unter dem Horizont</translation>
    </message>
    <message>
        <source>the Sun does not rise through 6° below the horizon this day</source>
        <translation>die Sonne steigt an diesem Tag nicht durch 6° unter dem Horizont hindurch</translation>
    </message>
    <message>
        <source>the Sun does not sink through 6° below the horizon this day</source>
        <translation>die Sonne sinkt an diesem Tag nicht durch 6° unter dem Horizont hindurch</translation>
    </message>
    <message>
        <source>the Sun never 12° below the horizon: no nautical twilight</source>
        <translation>die Sonne steht nie 12° unter dem Horizont: keine nautische Dämmerung</translation>
    </message>
    <message>
        <source>the Sun more than 12° below the horizon all day</source>
        <translation>die Sonne steht den ganzen Tag mehr als 12° unter dem Horizont</translation>
    </message>
    <message>
        <source>the Sun does not rise through 12° below the horizon this day</source>
        <translation>die Sonne steigt an diesem Tag nicht durch 12° unter dem Horizont hindurch</translation>
    </message>
    <message>
        <source>the Sun does not sink through 12° below the horizon this day</source>
        <translation>die Sonne sinkt an diesem Tag nicht durch 12° unter dem Horizont hindurch</translation>
    </message>
    <message>
        <source>the Moon above the horizon all day</source>
        <translation>der Mond steht den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>the Moon below the horizon all day</source>
        <translation>der Mond steht den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>the Moon does not rise this day</source>
        <translation>der Mond geht an diesem Tag nicht auf</translation>
    </message>
    <message>
        <source>the Moon does not set this day</source>
        <translation>der Mond geht an diesem Tag nicht unter</translation>
    </message>
    <message>
        <source>the Sun does not cross the meridian this day</source>
        <translation>die Sonne geht an diesem Tag nicht durch den Meridian</translation>
    </message>
    <message>
        <source>the Moon does not cross the meridian this day</source>
        <translation>der Mond geht an diesem Tag nicht durch den Meridian</translation>
    </message>
    <message>
        <source>%1 is not a UTC instant of the form 2026-12-07T17:32:10Z</source>
        <translation>%1 ist kein UTC-Zeitpunkt der Form 2026-12-07T17:32:10Z</translation>
    </message>
    <message>
        <source>give the time in UTC with its Z: %1Z</source>
        <translation>geben Sie die Zeit in UTC mit Z an: %1Z</translation>
    </message>
    <message>
        <source>DUT1 must lie between -0.9 and +0.9 seconds</source>
        <translation>DUT1 muss zwischen -0.9 und +0.9 Sekunden liegen</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; %1 is outside</source>
        <translation>der Almanach reicht von 1900 bis 2100; %1 liegt außerhalb</translation>
    </message>
    <message>
        <source>DUT1 is UT1 - UTC, and UTC began on 1960-01-01: a time before it is UT1 itself</source>
        <translation>DUT1 ist UT1 - UTC, und UTC begann am 1960-01-01: eine Zeit davor ist selbst UT1</translation>
    </message>
    <message>
        <source>no such date and time: %1 (no leap second that long ended that day)</source>
        <translation>diesen Zeitpunkt gibt es nicht: %1 (dieser Tag endete mit keiner so langen Schaltsekunde)</translation>
    </message>
    <message>
        <source>no such date and time: %1</source>
        <translation>diesen Zeitpunkt gibt es nicht: %1</translation>
    </message>
    <message>
        <source>TT and UT1 must be Julian dates less than 300 s apart</source>
        <translation>TT und UT1 müssen julianische Daten sein, die weniger als 300 s auseinanderliegen</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; the Julian date %1 is outside</source>
        <translation>der Almanach reicht von 1900 bis 2100; das julianische Datum %1 liegt außerhalb</translation>
    </message>
</context>
<context>
    <name>compass</name>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>der DR kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no DR: give the DR the bearings were taken at</source>
        <translation>kein DR: geben Sie den DR an, an dem die Peilungen genommen wurden</translation>
    </message>
    <message>
        <source>a bearing</source>
        <translation>eine Peilung</translation>
    </message>
    <message>
        <source>%1 is not magnetic or gyro</source>
        <translation>%1 ist weder magnetic noch gyro</translation>
    </message>
    <message>
        <source>a compass heading</source>
        <translation>ein Kompasskurs</translation>
    </message>
    <message>
        <source>a gyro takes no variation: it points to true north, and its error is the whole of it</source>
        <translation>ein Kreiselkompass nimmt keine Missweisung: er zeigt nach rechtweisend Nord, und seine Fehlweisung ist schon der ganze Fehler</translation>
    </message>
    <message>
        <source>%1; give the chart&apos;s variation</source>
        <translation>%1; geben Sie die Missweisung aus der Karte an</translation>
    </message>
    <message>
        <source>a variation</source>
        <translation>eine Missweisung</translation>
    </message>
    <message>
        <source>no header: the book starts with a line naming its columns (%1)</source>
        <translation>keine Kopfzeile: das Buch beginnt mit einer Zeile, die seine Spalten nennt (%1)</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 in der Kopfzeile</translation>
    </message>
    <message>
        <source>unknown column %1; an azimuth book has the columns %2</source>
        <translation>unbekannte Spalte %1; ein Azimutbuch hat die Spalten %2</translation>
    </message>
    <message>
        <source>column twice: %1; an azimuth book has the columns %2</source>
        <translation>Spalte doppelt: %1; ein Azimutbuch hat die Spalten %2</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>keine Spalte &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Aries is a point of the sky, not a body to take a bearing of</source>
        <translation>Aries (der Widderpunkt) ist ein Punkt am Himmel, kein Gestirn, das sich peilen lässt</translation>
    </message>
    <message>
        <source>at a pole every direction is south: a bearing there has no azimuth to check</source>
        <translation>an einem Pol ist jede Richtung Süd: eine Peilung hat dort kein Azimut, das sich prüfen ließe</translation>
    </message>
    <message>
        <source>at a pole every direction is north: a bearing there has no azimuth to check</source>
        <translation>an einem Pol ist jede Richtung Nord: eine Peilung hat dort kein Azimut, das sich prüfen ließe</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>die Sonne</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>der Mond</translation>
    </message>
    <message>
        <source>%1 stands at the zenith, where it has no azimuth</source>
        <translation>%1 steht im Zenit und hat dort kein Azimut</translation>
    </message>
    <message>
        <source>%1 is below the horizon there and then (its centre %2 true): no bearing of it could be taken; is the time, the position or the body mistyped?</source>
        <translation>%1 steht dort und zu dieser Zeit unter dem Horizont (wahre Höhe der Mitte %2): eine Peilung kann nicht genommen worden sein; sind Zeit, Ort oder Gestirn falsch eingegeben?</translation>
    </message>
    <message>
        <source>the visible horizon</source>
        <translation>der Kimm</translation>
    </message>
    <message>
        <source>the celestial horizon</source>
        <translation>dem wahren Horizont</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 above %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 steht zu dieser Zeit mit der Mitte %2 über %3: die Amplitude wird beim Auf- oder Untergang genommen, nicht weiter als %4 vom Horizont; stimmt die Zeit?</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 below %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 steht zu dieser Zeit mit der Mitte %2 unter %3: die Amplitude wird beim Auf- oder Untergang genommen, nicht weiter als %4 vom Horizont; stimmt die Zeit?</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays above %4</source>
        <translation>%1 geht dort an diesem Tag weder auf noch unter: auf der Breite %2 und bei der Deklination %3 bleibt das Gestirn über %4</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays below %4</source>
        <translation>%1 geht dort an diesem Tag weder auf noch unter: auf der Breite %2 und bei der Deklination %3 bleibt das Gestirn unter %4</translation>
    </message>
    <message>
        <source>the moment %1 stands on the horizon did not settle</source>
        <translation>der Zeitpunkt, zu dem %1 auf dem Horizont steht, konvergierte nicht</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); none is given</source>
        <translation>die fünf Koeffizienten brauchen Deviationen auf fünf oder mehr verschiedenen Kursen (mindestens ein Grad auseinander); es ist keiner angegeben</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 is given</source>
        <translation>die fünf Koeffizienten brauchen Deviationen auf fünf oder mehr verschiedenen Kursen (mindestens ein Grad auseinander); es ist %1 angegeben</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 are given</source>
        <translation>die fünf Koeffizienten brauchen Deviationen auf fünf oder mehr verschiedenen Kursen (mindestens ein Grad auseinander); es sind %1 angegeben</translation>
    </message>
    <message>
        <source>the fit reaches %1 on %2, over the %3 a compass may deviate: observe on headings spread round the compass (or is a deviation mistyped?)</source>
        <translation>die Anpassung erreicht %1 auf %2, mehr als die %3 Deviation, die ein Kompass haben kann: beobachten Sie auf rund um den Kompass verteilten Kursen (oder ist eine Deviation falsch eingegeben?)</translation>
    </message>
    <message>
        <source>five headings give a card through every observation with nothing to check it: eight or more headings spread round the compass are advised</source>
        <translation>fünf Kurse ergeben eine Tabelle durch jede Beobachtung, und nichts prüft sie: acht oder mehr rund um den Kompass verteilte Kurse werden empfohlen</translation>
    </message>
    <message>
        <source>no heading from %1 to %2 (%3°): the card is extrapolated there</source>
        <translation>kein Kurs von %1 bis %2 (%3°): die Tabelle ist dort extrapoliert</translation>
    </message>
    <message>
        <source>the World Magnetic Model in %1 cannot be read: %2</source>
        <translation>das World Magnetic Model in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the World Magnetic Model&apos;s file %1.wmm is in none of %2 (MORVEL_MAGNETIC_PATH names its folder)</source>
        <translation>die Datei %1.wmm des World Magnetic Model liegt in keinem von %2 (MORVEL_MAGNETIC_PATH nennt ihren Ordner)</translation>
    </message>
    <message>
        <source>the World Magnetic Model 2025 holds from %1 to %2, 1 January %3 to the end of %4; %5 is outside it</source>
        <translation>das World Magnetic Model 2025 gilt von %1 bis %2, vom 1. Januar %3 bis Ende %4; %5 liegt außerhalb</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is south</source>
        <translation>an einem geographischen Pol hat die Missweisung keine Bedeutung: jede Richtung ist Süd</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is north</source>
        <translation>an einem geographischen Pol hat die Missweisung keine Bedeutung: jede Richtung ist Nord</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 2000 nT: the magnetic compass is unreliable here and the variation uncertain (the model&apos;s blackout zone, near a magnetic pole)</source>
        <translation>die Horizontalkomponente des Feldes beträgt %1 nT, unter 2000 nT: der Magnetkompass ist hier unzuverlässig und die Missweisung unsicher (die Blackout Zone des Modells, nahe einem Magnetpol)</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 6000 nT: magnetic compass readings have large uncertainties here (the model&apos;s caution zone)</source>
        <translation>die Horizontalkomponente des Feldes beträgt %1 nT, unter 6000 nT: Magnetkompassablesungen sind hier mit großen Unsicherheiten behaftet (die Caution Zone des Modells)</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun (Sonne), Moon (Mond), Venus, Mars, Jupiter, Saturn oder ein Navigationsstern</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>Zeit (UTC) fehlt noch</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>Gestirn fehlt noch</translation>
    </message>
    <message>
        <source>no bearing yet</source>
        <translation>Peilung fehlt noch</translation>
    </message>
</context>
<context>
    <name>instruments</name>
    <message>
        <source>RTK fixed</source>
        <translation>RTK-Fix</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK-Float</translation>
    </message>
    <message>
        <source>dead reckoning</source>
        <translation>Koppelnavigation</translation>
    </message>
    <message>
        <source>GNSS and dead reckoning</source>
        <translation>GNSS und Koppelnavigation</translation>
    </message>
    <message>
        <source>time only</source>
        <translation>nur Zeit</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simuliert</translation>
    </message>
    <message>
        <source>no gpsd at %1: %2</source>
        <translation>kein gpsd unter %1: %2</translation>
    </message>
    <message>
        <source>no fix from gpsd at %1 within %2</source>
        <translation>keine Position von gpsd unter %1 innerhalb von %2</translation>
    </message>
    <message>
        <source>gpsd at %1 closed the connection without a fix</source>
        <translation>gpsd unter %1 hat die Verbindung ohne Position geschlossen</translation>
    </message>
    <message>
        <source>the port %1 is not 1 to 65535</source>
        <translation>der Port %1 liegt nicht zwischen 1 und 65535</translation>
    </message>
    <message>
        <source>no plotter to send to</source>
        <translation>kein Plotter, an den gesendet werden kann</translation>
    </message>
    <message>
        <source>%1: the datagram was cut short</source>
        <translation>%1: das Datagramm wurde abgeschnitten</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin</name>
    <message>
        <source>left out: %1</source>
        <translation>weggelassen: %1</translation>
    </message>
    <message>
        <source>gyro</source>
        <translation>Kreisel</translation>
    </message>
    <message>
        <source>magnetic</source>
        <translation>magnetisch</translation>
    </message>
    <message>
        <source> (WMM)</source>
        <translation> (WMM)</translation>
    </message>
    <message>
        <source>No DR given</source>
        <translation>Kein DR angegeben</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> um %1 UT</translation>
    </message>
    <message>
        <source>, course %1, speed %2 kn</source>
        <translation>, Kurs %1, Fahrt %2 kn</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Gedruckt %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Azimutbuch</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Deviationstabelle</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <translation>Koeffizienten</translation>
    </message>
    <message>
        <source>Observations (row, ship&apos;s head, deviation, residual)</source>
        <translation>Beobachtungen (Zeile, Schiffskurs, Deviation, Restfehler)</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Peilung</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Schiffskurs</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn (rw.)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehlweisung</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::BookModel</name>
    <message>
        <source>Time of the bearing in UTC, e.g. 2026-12-07T19:33:00Z</source>
        <translation>Zeit der Peilung in UTC, z. B. 2026-12-07T19:33:00Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Gestirn: Sonne, Mond, ein Planet oder ein Navigationsstern, z. B. Vega</translation>
    </message>
    <message>
        <source>Bearing of the body&apos;s centre by the compass, e.g. 231.5 or 231 30</source>
        <translation>Peilung der Gestirnsmitte mit dem Kompass, z. B. 231.5 oder 231 30</translation>
    </message>
    <message>
        <source>Compass: magnetic or gyro (empty: magnetic)</source>
        <translation>Kompass: magnetic (Magnetkompass) oder gyro (leer: Magnetkompass)</translation>
    </message>
    <message>
        <source>Ship&apos;s head by the same compass, e.g. 045; needed for the deviation card</source>
        <translation>Schiffskurs nach demselben Kompass, z. B. 045; nötig für die Deviationstabelle</translation>
    </message>
    <message>
        <source>Variation from the chart, e.g. 14.5 W, 3.2 E or auto (the World Magnetic Model&apos;s)</source>
        <translation>Missweisung aus der Karte, z. B. 14.5 W, 3.2 E oder auto (die des World Magnetic Model)</translation>
    </message>
    <message>
        <source>True azimuth Zn of the body from the almanac</source>
        <translation>Rechtweisendes Azimut Zn des Gestirns aus dem Almanach</translation>
    </message>
    <message>
        <source>True = bearing + error; a gyro reading more than true reads high</source>
        <translation>Rechtweisend = Peilung + Fehlweisung; ein Kreisel, der mehr als rechtweisend zeigt, zeigt „high“ (zu hoch)</translation>
    </message>
    <message>
        <source>Deviation: the compass error less the variation, east or west</source>
        <translation>Deviation: die Fehlweisung weniger der Missweisung, Ost oder West</translation>
    </message>
    <message>
        <source>auto (%1)</source>
        <translation>auto (%1)</translation>
    </message>
    <message>
        <source>Altitude %1 at %2</source>
        <translation>Höhe %1 um %2</translation>
    </message>
    <message>
        <source>
Variation of the World Magnetic Model 2025</source>
        <translation>
Missweisung des World Magnetic Model 2025</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Peilung</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Schiffskurs</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn (rw.)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehlweisung</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CardPanel</name>
    <message>
        <source>Coefficient</source>
        <translation>Koeffizient</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Compass heading</source>
        <translation>Kompasskurs</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Schiffskurs</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuum</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassDocument</name>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>DR bearbeiten</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>Peilungen</translation>
    </message>
    <message>
        <source>The bearings could not be saved in %1.</source>
        <translation>Die Peilungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the bearings to keep them.</source>
        <translation>Änderungen können in %1 nicht zur Wiederherstellung aufbewahrt werden. Speichern Sie die Peilungen, um sie zu behalten.</translation>
    </message>
    <message>
        <source>%1 is not an azimuth book: %2</source>
        <translation>%1 ist kein Azimutbuch: %2</translation>
    </message>
    <message>
        <source>The bearings kept in %1 could not be read: %2</source>
        <translation>Die in %1 aufbewahrten Peilungen konnten nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassWindow</name>
    <message>
        <source>&amp;Azimuth book</source>
        <translation>&amp;Azimutbuch</translation>
    </message>
    <message>
        <source>Deviation ca&amp;rd</source>
        <translation>Deviations&amp;tabelle</translation>
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
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
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
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>Zeile &amp;anfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <source>Compass Error &amp;Help</source>
        <translation>&amp;Hilfe zur Fehlweisung</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Azimutbuch</translation>
    </message>
    <message>
        <source>The azimuth book, one bearing of a body a row: its time in UTC, the body, the bearing and the compass it was taken by, the ship&apos;s head and the variation. Each column&apos;s heading says what it takes. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was. A complete row shows the true azimuth, the compass error and the deviation; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>Das Azimutbuch, eine Gestirnspeilung je Zeile: ihre Zeit in UTC, das Gestirn, die Peilung und der Kompass, mit dem sie genommen wurde, der Schiffskurs und die Missweisung. Die Überschrift jeder Spalte sagt, was sie nimmt. Enter fügt eine Zeile an und behält in einer Zelle das Getippte und geht weiter; F2 bearbeitet eine Zelle; Escape lässt sie, wie sie war. Eine vollständige Zeile zeigt das rechtweisende Azimut, die Fehlweisung und die Deviation; eine unlesbare Zeile ist getönt, ihr Tooltip sagt warum.</translation>
    </message>
    <message>
        <source>Rows that cannot be read</source>
        <translation>Unlesbare Zeilen</translation>
    </message>
    <message>
        <source>Each row of the book that cannot be read, with its column and why, and what is doubtful about the others.</source>
        <translation>Jede unlesbare Zeile des Buchs, mit Spalte und Grund, und was an den anderen zweifelhaft ist.</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Deviationstabelle</translation>
    </message>
    <message>
        <source>The deviation card fitted to the magnetic rows that give a ship&apos;s head and a variation: the coefficients A to E, the deviation every 15 degrees of compass heading, each observation with its residual, and the curve with the observations as dots.</source>
        <translation>Die Deviationstabelle, angepasst an die magnetischen Zeilen mit Schiffskurs und Missweisung: die Koeffizienten A bis E, die Deviation alle 15 Grad Kompasskurs, jede Beobachtung mit ihrem Restfehler und die Kurve mit den Beobachtungen als Punkte.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Zeile anfügen</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
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
        <translation>Jede vollständige Zeile gibt ihr rechtweisendes Azimut, ihre Fehlweisung und Deviation.</translation>
    </message>
    <message>
        <source>Morvel (Compass Error)</source>
        <translation>Morvel (Fehlweisung)</translation>
    </message>
    <message>
        <source>Bearings from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Peilungen aus einer nicht sauber beendeten Sitzung wurden aufbewahrt. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Open an azimuth book</source>
        <translation>Ein Azimutbuch öffnen</translation>
    </message>
    <message>
        <source>Save the azimuth book</source>
        <translation>Das Azimutbuch speichern</translation>
    </message>
    <message>
        <source>The bearings have changes that are not saved. Save them?</source>
        <translation>Die Peilungen haben ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Morvel azimuth book</source>
        <translation>Morvel-Azimutbuch</translation>
    </message>
    <message>
        <source>Morvel azimuth book %1</source>
        <translation>Morvel-Azimutbuch %1</translation>
    </message>
    <message>
        <source>Azimuth books (*.csv);;All files (*)</source>
        <translation>Azimutbücher (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::Page</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin</name>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>the line of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>die Standlinie von %1 (%2) auf %3 versegelt, %4 sm %5</translation>
    </message>
    <message>
        <source>the lines of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>die Standlinien von %1 (%2) auf %3 versegelt, %4 sm %5</translation>
    </message>
    <message>
        <source>Running fix:</source>
        <translation>Standort mit versegelten Standlinien:</translation>
    </message>
    <message>
        <source> the %1 lines of %2 advanced to %3 by the runs from their DRs, %4 to %5 nm</source>
        <translation> die %1 Standlinien von %2 von ihren DRs auf %3 versegelt, %4 bis %5 sm</translation>
    </message>
    <message>
        <source>DR %1: %2</source>
        <translation>DR %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more row(s) that cannot be read (their tooltips say why).</source>
        <translation>
            <numerusform>und %n weitere unlesbare Zeile (ihr Tooltip sagt warum).</numerusform>
            <numerusform>und %n weitere unlesbare Zeilen (ihre Tooltips sagen warum).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) follow the DR and wait for it.</source>
        <translation>
            <numerusform>%n Zeile folgt dem DR und wartet auf ihn.</numerusform>
            <numerusform>%n Zeilen folgen dem DR und warten auf ihn.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fix %1 %2</source>
        <translation>Standort %1 %2</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> um %1</translation>
    </message>
    <message>
        <source>From the DR: %1 nm, %2</source>
        <translation>Vom DR: %1 sm, %2</translation>
    </message>
    <message>
        <source>95 % ellipse: semi-axes %1 and %2 nm, major axis %3°</source>
        <translation>95-%-Ellipse: Halbachsen %1 und %2 sm, große Achse %3°</translation>
    </message>
    <message>
        <source>Weak fix:</source>
        <translation>Schwacher Standort:</translation>
    </message>
    <message>
        <source> no two lines cut at 15° or more (widest cut %1°)</source>
        <translation> keine zwei Standlinien schneiden sich unter 15° oder mehr (größter Winkel %1°)</translation>
    </message>
    <message>
        <source>Doubtful fix:</source>
        <translation>Zweifelhafter Standort:</translation>
    </message>
    <message>
        <source>Excluded from the fix:</source>
        <translation>Vom Standort ausgeschlossen:</translation>
    </message>
    <message>
        <source> row %1 (%2), %3</source>
        <translation> Zeile %1 (%2), %3</translation>
    </message>
    <message>
        <source>Two sights or more give a fix.</source>
        <translation>Zwei oder mehr Beobachtungen ergeben einen Standort.</translation>
    </message>
    <message>
        <source>No fix:</source>
        <translation>Kein Standort:</translation>
    </message>
    <message>
        <source>%1, excluded</source>
        <translation>%1, ausgeschlossen</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>weggelassen: %1</translation>
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
        <translation>DR: je Beobachtung eigener</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> um %1 UT</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Course %1, speed %2 kn</source>
        <translation>Kurs %1, Fahrt %2 kn</translation>
    </message>
    <message>
        <source>Watch: date on board %1, zone %2, watch error %3</source>
        <translation>Uhr: Bordatum %1, Zone %2, Uhrstand %3</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Gedruckt %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>Sight reduction</source>
        <translation>Höhenstandlinien</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Navigator</translation>
    </message>
    <message>
        <source>Navigator&apos;s signature</source>
        <translation>Unterschrift des Navigators</translation>
    </message>
    <message>
        <source>Watch (UT)</source>
        <translation>Uhr (UT)</translation>
    </message>
    <message>
        <source>Set and drift:</source>
        <translation>Strom (Richtung und Rate):</translation>
    </message>
    <message>
        <source> none: the fix is at the DR after %1 h</source>
        <translation> keiner: der Standort liegt nach %1 h am DR</translation>
    </message>
    <message>
        <source> %1, %2 kn since the DR (%3 nm in %4 h)</source>
        <translation> %1, %2 kn seit dem DR (%3 sm in %4 h)</translation>
    </message>
    <message>
        <source>Current carried on:</source>
        <translation>Strom mitgeführt:</translation>
    </message>
    <message>
        <source> %1, %2 kn, found by the fix at %3; the rows&apos; DRs are EPs</source>
        <translation> %1, %2 kn, gefunden durch den Standort um %3; die DR der Zeilen sind EP</translation>
    </message>
    <message>
        <source>Intercept %1 nm toward</source>
        <translation>Abstand %1 sm zum Gestirn hin</translation>
    </message>
    <message>
        <source>Intercept %1 nm away</source>
        <translation>Abstand %1 sm vom Gestirn weg</translation>
    </message>
    <message>
        <source>advanced %1 nm %2</source>
        <translation>versegelt %1 sm %2</translation>
    </message>
    <message>
        <source>Advanced %1 nm %2 to the time of the fix</source>
        <translation>Versegelt %1 sm %2 auf die Zeit des Standorts</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Running fix</source>
        <translation>Standort mit versegelten Standlinien</translation>
    </message>
    <message>
        <source>Course %1</source>
        <translation>Kurs %1</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>vorgeschlagen</translation>
    </message>
    <message>
        <source>outside %1 to %2</source>
        <translation>außerhalb %1 bis %2</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, Helligkeit %1</translation>
    </message>
    <message>
        <source> none: %1</source>
        <translation> keine: %1</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 sm</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DailyPagesDialog</name>
    <message>
        <source>Daily Pages</source>
        <translation>Tagesseiten</translation>
    </message>
    <message>
        <source>&amp;Date (UT):</source>
        <translation>&amp;Datum (UT):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Morvel daily page %1</source>
        <translation>Morvel Tagesseite %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DrBox</name>
    <message>
        <source>Dead reckoning</source>
        <translation>Koppelort</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Time (UTC)</source>
        <translation>Z&amp;eit (UTC)</translation>
    </message>
    <message>
        <source>&amp;Course</source>
        <translation>&amp;Kurs</translation>
    </message>
    <message>
        <source>Spee&amp;d (kn)</source>
        <translation>&amp;Fahrt (kn)</translation>
    </message>
    <message>
        <source>Date on &amp;board</source>
        <translation>B&amp;ordatum</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>&amp;Zone</translation>
    </message>
    <message>
        <source>&amp;Watch error</source>
        <translation>&amp;Uhrstand</translation>
    </message>
    <message>
        <source>12 s fast, 12 s slow</source>
        <translation>12 s fast, 12 s slow</translation>
    </message>
    <message>
        <source>From &amp;GPS</source>
        <translation>Vom &amp;GPS</translation>
    </message>
    <message>
        <source>The position, time, course and speed from gpsd (localhost:2947)</source>
        <translation>Position, Zeit, Kurs und Fahrt von gpsd (localhost:2947)</translation>
    </message>
    <message>
        <source>DR position</source>
        <translation>DR-Position</translation>
    </message>
    <message>
        <source>DR position: latitude and longitude, e.g. 41 10.0N 66 30.0W</source>
        <translation>DR-Position: Breite und Länge, z. B. 41 10.0N 66 30.0W</translation>
    </message>
    <message>
        <source>The dead-reckoning position at the DR time, as navigators write it: degrees and minutes with N or S and E or W (41 10.0N 66 30.0W), or signed decimal degrees.</source>
        <translation>Der Koppelort zur DR-Zeit, wie Navigatoren ihn schreiben: Grad und Minuten mit N oder S und E oder W (41 10.0N 66 30.0W) oder Dezimalgrad mit Vorzeichen.</translation>
    </message>
    <message>
        <source>DR time (UTC)</source>
        <translation>DR-Zeit (UTC)</translation>
    </message>
    <message>
        <source>DR time in UTC, e.g. 2026-12-07T17:00:00Z</source>
        <translation>DR-Zeit in UTC, z. B. 2026-12-07T17:00:00Z</translation>
    </message>
    <message>
        <source>The time at which the DR position holds, in UTC with its Z. Each row&apos;s DR is run on from it by the course and speed.</source>
        <translation>Die Zeit, zu der die DR-Position gilt, in UTC mit Z. Der DR jeder Zeile wird daraus mit Kurs und Fahrt gekoppelt.</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Course: degrees true, e.g. 090</source>
        <translation>Kurs: Grad rechtweisend, z. B. 090</translation>
    </message>
    <message>
        <source>The course made good, in degrees true from 000 to 360.</source>
        <translation>Der Kurs über Grund, in Grad rechtweisend von 000 bis 360.</translation>
    </message>
    <message>
        <source>Speed (knots)</source>
        <translation>Fahrt (Knoten)</translation>
    </message>
    <message>
        <source>Speed: knots, e.g. 12</source>
        <translation>Fahrt: Knoten, z. B. 12</translation>
    </message>
    <message>
        <source>The speed made good in knots; 0 for a ship stopped.</source>
        <translation>Die Fahrt über Grund in Knoten; 0 für ein gestopptes Schiff.</translation>
    </message>
    <message>
        <source>Date on board</source>
        <translation>Bordatum</translation>
    </message>
    <message>
        <source>Date on board: the date the watch keeps, e.g. 2026-12-07</source>
        <translation>Bordatum: das Datum der Uhr, z. B. 2026-12-07</translation>
    </message>
    <message>
        <source>The date on board, when the sights are timed by the watch: the rows&apos; times are then the watch&apos;s, turned into UT by the zone and the watch error. Empty: the log is kept in UTC.</source>
        <translation>Das Bordatum, wenn die Beobachtungen nach der Uhr gestoppt werden: die Zeiten der Zeilen sind dann die der Uhr, mit Zonenzeit und Uhrstand in UT umgerechnet. Leer: das Journal wird in UTC geführt.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Zone: the hours added to zone time to give UT, e.g. +5, -3 or +9.5</source>
        <translation>Zone: die Stunden, die zur Zonenzeit addiert UT ergeben, z. B. +5, -3 oder +9.5</translation>
    </message>
    <message>
        <source>The zone description the watch keeps: the hours added to zone time to give UT (+5 west of Greenwich, -3 east of it, 0 for a watch kept on UT).</source>
        <translation>Die Zone der Uhr: die Stunden, die zur Zonenzeit addiert UT ergeben (+5 westlich von Greenwich, -3 östlich, 0 für eine Uhr auf UT).</translation>
    </message>
    <message>
        <source>Watch error</source>
        <translation>Uhrstand</translation>
    </message>
    <message>
        <source>Watch error: fast or slow, e.g. 12 s fast or 1 m 12 s slow</source>
        <translation>Uhrstand: fast (vor) oder slow (nach), z. B. 12 s fast oder 1 m 12 s slow</translation>
    </message>
    <message>
        <source>How far the watch is out. Fast: the right time is the watch&apos;s less the error; slow: plus it.</source>
        <translation>Wie weit die Uhr abweicht. Fast (vor): die richtige Zeit ist die der Uhr weniger dem Stand; slow (nach): plus dem Stand.</translation>
    </message>
    <message>
        <source>&amp;Legs...</source>
        <translation>Ab&amp;schnitte...</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Kursabschnitte des DR</translation>
    </message>
    <message>
        <source>&amp;Legs (%1)...</source>
        <translation>Ab&amp;schnitte (%1)...</translation>
    </message>
    <message>
        <source>The changes of course and speed after the DR&apos;s time</source>
        <translation>Die Kurs- und Fahrtänderungen nach der Zeit des DR</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Bordatum</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>watch error</source>
        <translation>Uhrstand</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::IdentifyDialog</name>
    <message>
        <source>Identify the body</source>
        <translation>Gestirn identifizieren</translation>
    </message>
    <message>
        <source>Hs %1 from %2</source>
        <translation>Hs %1 aus %2</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Candidates, nearest first</source>
        <translation>Kandidaten, nächster zuerst</translation>
    </message>
    <message>
        <source>Sight</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>&amp;Azimuth (true)</source>
        <translation>&amp;Azimut (rw.)</translation>
    </message>
    <message>
        <source>Type the body&apos;s azimuth, the compass corrected to true.</source>
        <translation>Geben Sie das Azimut des Gestirns ein, die Kompasspeilung auf rechtweisend beschickt.</translation>
    </message>
    <message>
        <source>an azimuth</source>
        <translation>ein Azimut</translation>
    </message>
    <message>
        <source>No star or planet within %1 of Ho %2, Zn %3.</source>
        <translation>Kein Stern oder Planet im Umkreis von %1 um Ho %2, Zn %3.</translation>
    </message>
    <message>
        <source>Ho %1: the nearest first.</source>
        <translation>Ho %1: die nächsten zuerst.</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogModel</name>
    <message>
        <source>Time of the sight in UTC, e.g. 2026-12-07T22:04:10Z</source>
        <translation>Zeit der Beobachtung in UTC, z. B. 2026-12-07T22:04:10Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Gestirn: Sonne, Mond, ein Planet oder ein Navigationsstern, z. B. Vega</translation>
    </message>
    <message>
        <source>Limb of the Sun or the Moon: lower, upper or centre</source>
        <translation>Rand von Sonne oder Mond: lower, upper oder centre</translation>
    </message>
    <message>
        <source>Sextant altitude Hs: degrees and minutes, e.g. 41 12.3 or 41 12 18</source>
        <translation>Kimmabstand Hs: Grad und Minuten, z. B. 41 12.3 oder 41 12 18</translation>
    </message>
    <message>
        <source>IC (′): + off the arc, − on; minutes signed, or 1.2 off, 1.2 on</source>
        <translation>IC (′): + außerhalb des Bogens, − auf dem Bogen; Minuten mit Vorzeichen oder 1.2 off, 1.2 on</translation>
    </message>
    <message>
        <source>Height of eye: metres or feet, e.g. 2.5 or 8 ft</source>
        <translation>Augeshöhe: Meter oder Fuß, z. B. 2.5 oder 8 ft</translation>
    </message>
    <message>
        <source>Air temperature in °C for the refraction, e.g. 12 (10 when empty)</source>
        <translation>Lufttemperatur in °C für die Refraktion, z. B. 12 (10 wenn leer)</translation>
    </message>
    <message>
        <source>Pressure in hPa for the refraction, e.g. 1013 (1010 when empty)</source>
        <translation>Luftdruck in hPa für die Refraktion, z. B. 1013 (1010 wenn leer)</translation>
    </message>
    <message>
        <source>The row&apos;s own DR latitude, e.g. 41 10.0N; empty follows the DR</source>
        <translation>Eigene DR-Breite der Zeile, z. B. 41 10.0N; leer folgt sie dem DR</translation>
    </message>
    <message>
        <source>The row&apos;s own DR longitude, e.g. 066 30.0W; empty follows the DR</source>
        <translation>Eigene DR-Länge der Zeile, z. B. 066 30.0W; leer folgt sie dem DR</translation>
    </message>
    <message>
        <source>Watch time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Excluded from the fix: %1</source>
        <translation>Vom Standort ausgeschlossen: %1</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, Kimmtiefe %2, Refraktion %3, SD %4, Parallaxe %5</translation>
    </message>
    <message>
        <source>
Below 5° of apparent altitude refraction is unreliable.</source>
        <translation>
Unter 5° scheinbarer Höhe ist die Refraktion unsicher.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Rand</translation>
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
        <translation>Auge (m oder ft)</translation>
    </message>
    <message>
        <source>Temp (°C)</source>
        <translation>Temp. (°C)</translation>
    </message>
    <message>
        <source>Press. (hPa)</source>
        <translation>Druck (hPa)</translation>
    </message>
    <message>
        <source>DR lat</source>
        <translation>DR-Breite</translation>
    </message>
    <message>
        <source>DR lon</source>
        <translation>DR-Länge</translation>
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
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuum</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogTable</name>
    <message>
        <source>One sight a row. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was.</source>
        <translation>Eine Beobachtung je Zeile. Eingabe fügt eine Zeile an und übernimmt in einer Zelle das Getippte; F2 bearbeitet eine Zelle; Esc lässt sie, wie sie war.</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::PlottingSheet</name>
    <message>
        <source>The plotting sheet: the DR and its track, the lines of position and the fix. The mouse wheel, + and - zoom (about the pointer), dragging or the arrow keys pan, Home or 0 fits the sheet to the DR, the lines and the fix again; the view stays where you put it while you edit the log. Hover a line for its sight.</source>
        <translation>Die Leerkarte: der DR und sein Kurs, die Standlinien und der Standort. Mausrad, + und - zoomen (um den Zeiger), Ziehen oder die Pfeiltasten verschieben, Pos1 oder 0 passt die Karte wieder an DR, Standlinien und Standort an; die Ansicht bleibt, wo Sie sie hingestellt haben, während Sie das Journal bearbeiten. Über einer Standlinie zeigt der Zeiger ihre Beobachtung.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit to the DR, Lines and Fix</source>
        <translation>&amp;An DR, Standlinien und Standort anpassen</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag pans, Home fits</source>
        <translation>Rad oder + und -: Zoom, Ziehen: Verschieben, Pos1: Anpassen</translation>
    </message>
    <message>
        <source>No DR</source>
        <translation>Kein DR</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightDocument</name>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is not a sight log: %2</source>
        <translation>%1 ist kein Beobachtungsjournal: %2</translation>
    </message>
    <message>
        <source>sights</source>
        <translation>Beobachtungen</translation>
    </message>
    <message>
        <source>The sights could not be saved in %1.</source>
        <translation>Die Beobachtungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the sights to keep them.</source>
        <translation>Änderungen können nicht zur Wiederherstellung in %1 gesichert werden. Speichern Sie die Beobachtungen.</translation>
    </message>
    <message>
        <source>The sights kept in %1 could not be read: %2</source>
        <translation>Die in %1 gesicherten Beobachtungen konnten nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightWindow</name>
    <message>
        <source>Plotting &amp;sheet</source>
        <translation>&amp;Leerkarte</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>Hi&amp;mmel</translation>
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
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
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
        <source>&amp;Vessel and Navigator...</source>
        <translation>Schiff und &amp;Navigator...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>Zeile &amp;anfügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate Row</source>
        <translation>Zeile &amp;duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Identify Body...</source>
        <translation>Gestirn &amp;identifizieren...</translation>
    </message>
    <message>
        <source>&amp;Daily Pages...</source>
        <translation>&amp;Tagesseiten...</translation>
    </message>
    <message>
        <source>Sight Reduction &amp;Help</source>
        <translation>&amp;Hilfe zu Höhenstandlinien</translation>
    </message>
    <message>
        <source>Sight log</source>
        <translation>Beobachtungsjournal</translation>
    </message>
    <message>
        <source>The sight log, one sight a row. Enter adds a row; F2 or typing edits a cell. Each column&apos;s heading says what it takes. A complete row shows Ho, Hc, Zn and the intercept; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>Das Beobachtungsjournal, eine Beobachtung je Zeile. Eingabe fügt eine Zeile an; F2 oder Tippen bearbeitet eine Zelle. Jede Spaltenüberschrift sagt, was sie erwartet. Eine vollständige Zeile zeigt Ho, Hc, Zn und den Abstand; eine unlesbare Zeile ist getönt, ihr Tooltip sagt warum.</translation>
    </message>
    <message>
        <source>What the log gives</source>
        <translation>Was das Journal ergibt</translation>
    </message>
    <message>
        <source>The fix from the sights, with its error ellipse, and each row that could not be read or is doubtful.</source>
        <translation>Der Standort aus den Beobachtungen mit seiner Fehlerellipse und jede unlesbare oder zweifelhafte Zeile.</translation>
    </message>
    <message>
        <source>Plotting sheet</source>
        <translation>Leerkarte</translation>
    </message>
    <message>
        <source>The plotting sheet around the DR and the fix. The wheel or + and - zoom, dragging or the arrows pan, Home or 0 fits it again.</source>
        <translation>Die Leerkarte um DR und Standort. Rad oder + und - zoomen, Ziehen oder die Pfeile verschieben, Pos1 oder 0 passt sie wieder an.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Zeile anfügen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 anfügen</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Zeile duplizieren</translation>
    </message>
    <message>
        <source>This sight cannot be identified until its %1 is right: %2</source>
        <translation>Diese Beobachtung kann erst identifiziert werden, wenn %1 stimmt: %2</translation>
    </message>
    <message>
        <source>Morvel (Sight Reduction)</source>
        <translation>Morvel (Höhenstandlinien)</translation>
    </message>
    <message>
        <source>Sights from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Beobachtungen einer nicht sauber beendeten Sitzung wurden gesichert. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Save the sights</source>
        <translation>Beobachtungen speichern</translation>
    </message>
    <message>
        <source>Sight logs (*.csv);;All files (*)</source>
        <translation>Beobachtungsjournale (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open sights</source>
        <translation>Beobachtungen öffnen</translation>
    </message>
    <message>
        <source>The sights have changes that are not saved. Save them?</source>
        <translation>Die Beobachtungen haben ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Morvel sights</source>
        <translation>Morvel-Beobachtungen</translation>
    </message>
    <message>
        <source>Morvel sights %1</source>
        <translation>Morvel-Beobachtungen %1</translation>
    </message>
    <message>
        <source>Send Each &amp;Fix to the Plotter</source>
        <translation>Jeden &amp;Standort an den Plotter senden</translation>
    </message>
    <message>
        <source>Plotter &amp;Address...</source>
        <translation>Plotter-&amp;Adresse...</translation>
    </message>
    <message>
        <source>&amp;Send the Fix Now</source>
        <translation>Standort jetzt &amp;senden</translation>
    </message>
    <message>
        <source>Save the Fix as &amp;GPX...</source>
        <translation>Standort als &amp;GPX speichern...</translation>
    </message>
    <message>
        <source>Plotter Address</source>
        <translation>Plotter-Adresse</translation>
    </message>
    <message>
        <source>The plotter&apos;s host and UDP port (OpenCPN: 10110):</source>
        <translation>Host und UDP-Port des Plotters (OpenCPN: 10110):</translation>
    </message>
    <message>
        <source>There is no fix to send.</source>
        <translation>Es gibt keinen Standort zum Senden.</translation>
    </message>
    <message>
        <source>The fix was not sent: %1</source>
        <translation>Der Standort wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>%1 sent to the plotter at %2</source>
        <translation>%1 an den Plotter unter %2 gesendet</translation>
    </message>
    <message>
        <source>The fix was not sent to the plotter: %1</source>
        <translation>Der Standort wurde nicht an den Plotter gesendet: %1</translation>
    </message>
    <message>
        <source>There is no fix to save.</source>
        <translation>Es gibt keinen Standort zum Speichern.</translation>
    </message>
    <message>
        <source>Save the fix as GPX</source>
        <translation>Standort als GPX speichern</translation>
    </message>
    <message>
        <source>GPX files (*.gpx);;All files (*)</source>
        <translation>GPX-Dateien (*.gpx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The fix was not saved: %1</source>
        <translation>Der Standort wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 saved in %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Asking the GPS...</source>
        <translation>GPS wird abgefragt...</translation>
    </message>
    <message>
        <source>No position from the GPS: %1. The DR stays as it was.</source>
        <translation>Keine Position vom GPS: %1. Der DR bleibt, wie er war.</translation>
    </message>
    <message>
        <source>DR from the GPS (%1 %2)</source>
        <translation>DR vom GPS (%1 %2)</translation>
    </message>
    <message>
        <source>; the computer clock is %1 s %2 on GPS time</source>
        <translation>; die Rechneruhr geht %1 s %2 gegenüber GPS-Zeit</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>DR &amp;Legs...</source>
        <translation>DR-Ab&amp;schnitte...</translation>
    </message>
    <message>
        <source>&amp;Carry the Current On</source>
        <translation>Strom &amp;mitführen</translation>
    </message>
    <message>
        <source>The DRs of the sights after the fix run with the set and drift it gives</source>
        <translation>Die DR der Beobachtungen nach dem Standort werden mit dem gefundenen Strom gekoppelt</translation>
    </message>
    <message>
        <source>Plotte&amp;r</source>
        <translation>Plotte&amp;r</translation>
    </message>
    <message>
        <source>&amp;Almanac</source>
        <translation>&amp;Almanach</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyChart</name>
    <message>
        <source>Sky chart</source>
        <translation>Sternfinderkarte</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Vorgeschlagen: im Azimut gut verteilt</translation>
    </message>
    <message>
        <source>Outside the altitudes chosen</source>
        <translation>Außerhalb der gewählten Höhen</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyPanel</name>
    <message>
        <source>Time of the sky in UTC, e.g. 2026-12-07 22:00:00 UTC</source>
        <translation>Zeit des Himmels in UTC, z. B. 2026-12-07 22:00:00 UTC</translation>
    </message>
    <message>
        <source>Lowest altitude listed, degrees, e.g. 15</source>
        <translation>Niedrigste gelistete Höhe, Grad, z. B. 15</translation>
    </message>
    <message>
        <source>Highest altitude listed, degrees, e.g. 70</source>
        <translation>Höchste gelistete Höhe, Grad, z. B. 70</translation>
    </message>
    <message>
        <source>Bodies suggested</source>
        <translation>Vorgeschlagene Gestirne</translation>
    </message>
    <message>
        <source>How many bodies to suggest for a fix: 3, 120° apart, or 4, 90° apart</source>
        <translation>Wie viele Gestirne für einen Standort: 3 im Abstand von 120° oder 4 im Abstand von 90°</translation>
    </message>
    <message>
        <source>Time of the sky, UTC</source>
        <translation>Zeit des Himmels, UTC</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautisch</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürgerlich</translation>
    </message>
    <message>
        <source>Nautical twilight, morning</source>
        <translation>Nautische Dämmerung, morgens</translation>
    </message>
    <message>
        <source>Civil twilight, morning</source>
        <translation>Bürgerliche Dämmerung, morgens</translation>
    </message>
    <message>
        <source>Civil twilight, evening</source>
        <translation>Bürgerliche Dämmerung, abends</translation>
    </message>
    <message>
        <source>Nautical twilight, evening</source>
        <translation>Nautische Dämmerung, abends</translation>
    </message>
    <message>
        <source>Lowest altitude</source>
        <translation>Niedrigste Höhe</translation>
    </message>
    <message>
        <source>Highest altitude</source>
        <translation>Höchste Höhe</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>3 bodies, 120° apart</source>
        <translation>3 Gestirne, 120° auseinander</translation>
    </message>
    <message>
        <source>4 bodies, 90° apart</source>
        <translation>4 Gestirne, 90° auseinander</translation>
    </message>
    <message>
        <source>T&amp;ime (UTC)</source>
        <translation>Zei&amp;t (UTC)</translation>
    </message>
    <message>
        <source>Altitude fr&amp;om</source>
        <translation>Höhe &amp;von</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>Vors&amp;chlagen</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gestirn</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Bodies within the altitudes</source>
        <translation>Gestirne zwischen den Höhen</translation>
    </message>
    <message>
        <source>No DR: the sky needs a position.</source>
        <translation>Kein DR: der Himmel braucht eine Position.</translation>
    </message>
    <message>
        <source>the DR</source>
        <translation>der DR</translation>
    </message>
    <message>
        <source>the DR at %1</source>
        <translation>der DR um %1</translation>
    </message>
    <message>
        <source>At %1 (%2), %3 %4 UTC</source>
        <translation>Auf %1 (%2), %3 %4 UTC</translation>
    </message>
    <message>
        <source>above the horizon</source>
        <translation>über dem Horizont</translation>
    </message>
    <message>
        <source>between %1° and %2°</source>
        <translation>zwischen %1° und %2°</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Vorgeschlagen: im Azimut gut verteilt</translation>
    </message>
    <message>
        <source>No body above the horizon.</source>
        <translation>Kein Gestirn über dem Horizont.</translation>
    </message>
    <message>
        <source>The Sun is up: by day only the Sun, the Moon and Venus can be taken, and fewer than %1 of them are %2.</source>
        <translation>Die Sonne ist aufgegangen: bei Tag lassen sich nur Sonne, Mond und Venus beobachten, und weniger als %1 davon stehen %2.</translation>
    </message>
    <message>
        <source>Fewer than %1 bodies %2: none to suggest.</source>
        <translation>Weniger als %1 Gestirne %2: nichts vorzuschlagen.</translation>
    </message>
    <message>
        <source>Well spread: </source>
        <translation>Gut verteilt: </translation>
    </message>
    <message>
        <source>The sky at %1, halfway between the nautical and the civil twilight: the time for star sights</source>
        <translation>Der Himmel um %1, in der Mitte zwischen nautischer und bürgerlicher Dämmerung: die Zeit für Sternbeobachtungen</translation>
    </message>
    <message>
        <source>No such twilight on this day here</source>
        <translation>Diese Dämmerung gibt es an diesem Tag hier nicht</translation>
    </message>
    <message>
        <source>Point at a body on the chart for its Hc, Zn and magnitude; a click, or the arrow keys, select it; double click or Enter adds a sight of it.</source>
        <translation>Zeigen Sie auf ein Gestirn der Karte, um sein Hc, Zn und seine Helligkeit zu sehen; ein Klick oder die Pfeiltasten wählen es aus; Doppelklick oder Enter fügt eine Beobachtung davon an.</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies above the horizon.</source>
        <translation>
            <numerusform>%n Gestirn über dem Horizont.</numerusform>
            <numerusform>%n Gestirne über dem Horizont.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n bodies above the horizon are %2.</source>
        <translation>
            <numerusform>%1 von %n Gestirn über dem Horizont steht %2.</numerusform>
            <numerusform>%1 der %n Gestirne über dem Horizont stehen %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Morning twilight</source>
        <translation>Morgendämmerung</translation>
    </message>
    <message>
        <source>Eve&amp;ning twilight</source>
        <translation>Abe&amp;nddämmerung</translation>
    </message>
    <message>
        <source>All above the horizon</source>
        <translation>Alle über dem Horizont</translation>
    </message>
</context>
<context>
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>Nicht Teil des Handbuchs: %1</translation>
    </message>
</context>
<context>
    <name>navtext</name>
    <message>
        <source>%1 is degrees east or west, 0 to 180 (2.5 E, 1.0 W, 3 15E), or signed, east positive (-1.0)</source>
        <translation>%1 wird in Grad Ost oder West angegeben, 0 bis 180 (2.5 E, 1.0 W, 3 15E), oder mit Vorzeichen, Ost positiv (-1.0)</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 zu hoch</translation>
    </message>
    <message>
        <source>%1 low</source>
        <translation>%1 zu niedrig</translation>
    </message>
    <message>
        <source>a latitude</source>
        <translation>eine Breite</translation>
    </message>
    <message>
        <source>a longitude</source>
        <translation>eine Länge</translation>
    </message>
    <message>
        <source>an altitude</source>
        <translation>eine Höhe</translation>
    </message>
    <message>
        <source>an angle</source>
        <translation>ein Winkel</translation>
    </message>
    <message>
        <source>a DLo</source>
        <translation>ein DLo</translation>
    </message>
    <message>
        <source>minutes are a number from 0 to under 60</source>
        <translation>Minuten sind eine Zahl von 0 bis unter 60</translation>
    </message>
    <message>
        <source>seconds are a number from 0 to under 60</source>
        <translation>Sekunden sind eine Zahl von 0 bis unter 60</translation>
    </message>
    <message>
        <source>0 to 90 degrees with N or S, or signed (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</source>
        <translation>0 bis 90 Grad mit N oder S, oder mit Vorzeichen (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</translation>
    </message>
    <message>
        <source>0 to 180 degrees with E or W, or signed (70 30.5W, 70.508W, -70.508)</source>
        <translation>0 bis 180 Grad mit E oder W, oder mit Vorzeichen (70 30.5W, 70.508W, -70.508)</translation>
    </message>
    <message>
        <source>-90 to 90 degrees (30 15.2, -12 15, -0 30, -12.25)</source>
        <translation>-90 bis 90 Grad (30 15.2, -12 15, -0 30, -12.25)</translation>
    </message>
    <message>
        <source>0 to 360 degrees (351 41.9, 351.698)</source>
        <translation>0 bis 360 Grad (351 41.9, 351.698)</translation>
    </message>
    <message>
        <source>0 to 360 degrees with E or W (73 22E, 73.367W)</source>
        <translation>0 bis 360 Grad mit E oder W (73 22E, 73.367W)</translation>
    </message>
    <message>
        <source>unexpected %1; %2 is %3</source>
        <translation>unerwartet: %1; %2 ist %3</translation>
    </message>
    <message>
        <source>no value; %1 is %2</source>
        <translation>kein Wert; %1 ist %2</translation>
    </message>
    <message>
        <source>the letter %1 does not belong here; %2 is %3</source>
        <translation>der Buchstabe %1 gehört nicht hierher; %2 ist %3</translation>
    </message>
    <message>
        <source>say E or W; a DLo is %1</source>
        <translation>geben Sie E oder W an; ein DLo ist %1</translation>
    </message>
    <message>
        <source>%1 is degrees, degrees and minutes, or degrees, minutes and seconds: %2</source>
        <translation>%1 wird in Grad, Grad und Minuten oder Grad, Minuten und Sekunden angegeben: %2</translation>
    </message>
    <message>
        <source>the seconds sign stands after the seconds, the third number (41 12 18&quot;)</source>
        <translation>das Sekundenzeichen steht hinter den Sekunden, der dritten Zahl (41 12 18&quot;)</translation>
    </message>
    <message>
        <source>give a sign or a hemisphere letter, not both</source>
        <translation>geben Sie ein Vorzeichen oder einen Halbkugelbuchstaben an, nicht beides</translation>
    </message>
    <message>
        <source>out of range; %1 is %2</source>
        <translation>außerhalb des Bereichs; %1 ist %2</translation>
    </message>
    <message>
        <source>degrees before minutes must be whole</source>
        <translation>vor Minuten müssen die Grad ganzzahlig sein</translation>
    </message>
    <message>
        <source>not a number of degrees; %1 is %2</source>
        <translation>keine Gradzahl; %1 ist %2</translation>
    </message>
    <message>
        <source>minutes before seconds must be whole</source>
        <translation>vor Sekunden müssen die Minuten ganzzahlig sein</translation>
    </message>
    <message>
        <source>a position is a latitude and a longitude (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</source>
        <translation>eine Position besteht aus einer Breite und einer Länge (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</translation>
    </message>
    <message>
        <source>a comma parts the latitude from the longitude, so a position&apos;s decimals take a point (41.205N 70.508W)</source>
        <translation>ein Komma trennt die Breite von der Länge, daher stehen Dezimalstellen in einer Position nach einem Punkt (41.205N 70.508W)</translation>
    </message>
    <message>
        <source>more than one comma: %1</source>
        <translation>mehr als ein Komma: %1</translation>
    </message>
    <message>
        <source>no longitude after the comma; %1</source>
        <translation>keine Länge nach dem Komma; %1</translation>
    </message>
    <message>
        <source>unexpected %1; %2</source>
        <translation>unerwartet: %1; %2</translation>
    </message>
    <message>
        <source>write minutes with hemisphere letters: without them the numbers part more than one way (41 12 18 could be a latitude in degrees, minutes and seconds, or a latitude of 41 and a longitude of 12 18); %1</source>
        <translation>schreiben Sie Minuten mit Halbkugelbuchstaben: ohne sie lassen sich die Zahlen auf mehr als eine Weise aufteilen (41 12 18 könnte eine Breite in Grad, Minuten und Sekunden sein oder eine Breite von 41 und eine Länge von 12 18); %1</translation>
    </message>
    <message>
        <source>no value; %1</source>
        <translation>kein Wert; %1</translation>
    </message>
    <message>
        <source>degrees, minutes and seconds in a position need N or S and E or W (41 12 18N 70 30 05W)</source>
        <translation>Grad, Minuten und Sekunden in einer Position brauchen N oder S und E oder W (41 12 18N 70 30 05W)</translation>
    </message>
    <message>
        <source>latitude %1</source>
        <translation>Breite %1</translation>
    </message>
    <message>
        <source>longitude %1</source>
        <translation>Länge %1</translation>
    </message>
    <message>
        <source>a distance is 0 to 10800 nautical miles (2999.4, 500nm)</source>
        <translation>eine Distanz beträgt 0 bis 10800 Seemeilen (2999.4, 500nm)</translation>
    </message>
    <message>
        <source>not a number; %1</source>
        <translation>keine Zahl; %1</translation>
    </message>
    <message>
        <source>out of range; %1</source>
        <translation>außerhalb des Bereichs; %1</translation>
    </message>
    <message>
        <source>off the arc positive: 1.2 off is +1.2, 1.2 on is -1.2</source>
        <translation>außerhalb des Bogens positiv: 1.2 off ist +1.2, 1.2 on ist -1.2</translation>
    </message>
    <message>
        <source>%1 is not a number of minutes of arc from -30 to 30 (%2)</source>
        <translation>%1 ist keine Zahl von -30 bis 30 Bogenminuten (%2)</translation>
    </message>
    <message>
        <source>give a sign or on or off, not both (%1)</source>
        <translation>geben Sie ein Vorzeichen oder on oder off an, nicht beides (%1)</translation>
    </message>
    <message>
        <source>%1 is not a number of feet from 0 to 328.08 (100 metres)</source>
        <translation>%1 ist keine Zahl von 0 bis 328.08 Fuß (100 Meter)</translation>
    </message>
    <message>
        <source>%1 is not a number of metres from 0 to 100 (2.5, 2.5 m, or in feet 8 ft, 8&apos;)</source>
        <translation>%1 ist keine Zahl von 0 bis 100 Metern (2.5, 2.5 m oder in Fuß 8 ft, 8&apos;)</translation>
    </message>
    <message>
        <source>a date is written 2026-12-07, from 1900-01-01 to 2100-12-31</source>
        <translation>ein Datum wird 2026-12-07 geschrieben, von 1900-01-01 bis 2100-12-31</translation>
    </message>
    <message>
        <source>a watch&apos;s time is 19:33 or 19:33:05, or 2026-12-08 00:15 for a sight on another day</source>
        <translation>eine Uhrzeit lautet 19:33 oder 19:33:05, oder 2026-12-08 00:15 für eine Beobachtung an einem anderen Tag</translation>
    </message>
    <message>
        <source>a zone description is the hours added to zone time to give UT, signed: +5 in 75° W, -3 in 45° E, +9.5, 0 (whole, half or quarter hours, -14 to +14)</source>
        <translation>eine Zone gibt mit Vorzeichen die Stunden an, die zur Zonenzeit addiert UT ergeben: +5 auf 75° W, -3 auf 45° E, +9.5, 0 (ganze, halbe oder Viertelstunden, -14 bis +14)</translation>
    </message>
    <message>
        <source>a watch error is 12 s fast or 12 s slow (1 m 12 s fast; 0 when there is none), under an hour</source>
        <translation>ein Uhrstand lautet 12 s fast oder 12 s slow (1 m 12 s fast; 0, wenn es keinen gibt), unter einer Stunde</translation>
    </message>
    <message>
        <source>no such date; %1</source>
        <translation>dieses Datum gibt es nicht; %1</translation>
    </message>
    <message>
        <source>a watch is read to the whole second (19:33:05)</source>
        <translation>eine Uhr wird auf die volle Sekunde abgelesen (19:33:05)</translation>
    </message>
    <message>
        <source>a watch&apos;s time has no Z and no offset: the log&apos;s zone description gives UT</source>
        <translation>eine Uhrzeit hat kein Z und keinen Offset: die Zone des Journals ergibt UT</translation>
    </message>
    <message>
        <source>no such time of day; %1</source>
        <translation>diese Tageszeit gibt es nicht; %1</translation>
    </message>
    <message>
        <source>write the zone description in hours, +5.5 or -5.5: an offset +05:30 as ISO 8601 writes it is zone -5.5 (UT = zone time + zone description)</source>
        <translation>schreiben Sie die Zone in Stunden, +5.5 oder -5.5: ein Offset +05:30, wie ISO 8601 ihn schreibt, ist Zone -5.5 (UT = Zonenzeit + Zone)</translation>
    </message>
    <message>
        <source>say + or -: %1</source>
        <translation>geben Sie + oder - an: %1</translation>
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
        <translation>für den Strom sind die Stunden seit dem letzten Standort nötig, mehr als 0</translation>
    </message>
    <message>
        <source>no course makes good a track without speed through the water</source>
        <translation>ohne Fahrt durchs Wasser hält kein Steuerkurs einen Kurs über Grund</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it faster than the ship can stem</source>
        <translation>dieser Kurs über Grund ist nicht zu halten: der Strom setzt schneller quer dazu, als das Schiff dagegenhalten kann</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets against it faster than the ship runs</source>
        <translation>dieser Kurs über Grund ist nicht zu halten: der Strom setzt schneller dagegen, als das Schiff läuft</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it as fast as the ship can stem</source>
        <translation>dieser Kurs über Grund ist nicht zu halten: der Strom setzt so schnell quer dazu, wie das Schiff dagegenhalten kann</translation>
    </message>
</context>
<context>
    <name>sight</name>
    <message>
        <source>the lines of position are parallel: they do not cross</source>
        <translation>die Standlinien sind parallel: sie schneiden sich nicht</translation>
    </message>
    <message>
        <source>the position did not settle: no fix</source>
        <translation>die Position konvergierte nicht: kein Standort</translation>
    </message>
    <message>
        <source>a fix needs two sights or more</source>
        <translation>ein Standort braucht zwei oder mehr Beobachtungen</translation>
    </message>
    <message>
        <source>residual %1 nm; the other lines agree within %2 nm without it</source>
        <translation>Residuum %1 sm; ohne sie stimmen die übrigen Standlinien auf %2 sm überein</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix; with three lines a mistaken one cannot be told from the others</source>
        <translation>eine Standlinie liegt %1 sm vom Standort entfernt; bei drei Standlinien lässt sich eine falsche nicht von den anderen unterscheiden</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and leaving out any one of %2 lines brings the others within %3 nm: which is mistaken cannot be told</source>
        <translation>eine Standlinie liegt %1 sm vom Standort entfernt, und das Weglassen jeder einzelnen von %2 Standlinien bringt die übrigen auf %3 sm zusammen: welche falsch ist, lässt sich nicht sagen</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and no one line left out brings the others within %2 nm</source>
        <translation>eine Standlinie liegt %1 sm vom Standort entfernt, und keine einzelne weggelassene Standlinie bringt die übrigen auf %2 sm zusammen</translation>
    </message>
    <message>
        <source>the DR&apos;s time lies more than 24 hours from noon of the date</source>
        <translation>die Zeit des DR liegt mehr als 24 Stunden vom Mittag des Datums entfernt</translation>
    </message>
    <message>
        <source>the ship runs within a degree of the pole, where noon has no meaning</source>
        <translation>das Schiff fährt weniger als ein Grad vom Pol entfernt, wo der Mittag keine Bedeutung hat</translation>
    </message>
    <message>
        <source>noon not found: the ship outruns the Sun</source>
        <translation>Mittag nicht gefunden: das Schiff läuft der Sonne davon</translation>
    </message>
    <message>
        <source>the observed altitude must lie between 0 and 90 degrees</source>
        <translation>die beobachtete Höhe muss zwischen 0 und 90 Grad liegen</translation>
    </message>
    <message>
        <source>the altitude puts the latitude beyond the pole</source>
        <translation>die Höhe ergibt eine Breite jenseits des Pols</translation>
    </message>
    <message>
        <source>the triangle has no solution</source>
        <translation>das Dreieck hat keine Lösung</translation>
    </message>
    <message>
        <source>the corrections put the observed altitude beyond the zenith, above 90 degrees</source>
        <translation>die Beschickungen bringen die beobachtete Höhe über den Zenit hinaus, über 90 Grad</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm toward, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>der Abstand am DR beträgt %1 sm zum Gestirn hin, mehr als die %2 sm (%3°), bis zu denen das Höhendifferenzverfahren reicht: sind Höhe, Zeit, Gestirn oder DR falsch eingegeben?</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm away, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>der Abstand am DR beträgt %1 sm vom Gestirn weg, mehr als die %2 sm (%3°), bis zu denen das Höhendifferenzverfahren reicht: sind Höhe, Zeit, Gestirn oder DR falsch eingegeben?</translation>
    </message>
</context>
<context>
    <name>sightlog</name>
    <message>
        <source>an unclosed quote</source>
        <translation>ein nicht geschlossenes Anführungszeichen</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <translation>länger als %1 Bytes</translation>
    </message>
    <message>
        <source>%1 cells for %2 columns</source>
        <translation>%1 Zellen für %2 Spalten</translation>
    </message>
    <message>
        <source>above this row</source>
        <translation>über dieser Zeile</translation>
    </message>
    <message>
        <source>%1 is not a speed in knots from 0 to 60</source>
        <translation>%1 ist keine Fahrt in Knoten von 0 bis 60</translation>
    </message>
    <message>
        <source>the course</source>
        <translation>der Kurs</translation>
    </message>
    <message>
        <source>the DR needs a longitude beside its latitude</source>
        <translation>der DR braucht neben seiner Breite eine Länge</translation>
    </message>
    <message>
        <source>leg %1: %2</source>
        <translation>Abschnitt %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a drift in knots from 0 to 60</source>
        <translation>%1 ist keine Stromrate in Knoten von 0 bis 60</translation>
    </message>
    <message>
        <source>the current carried on: %1</source>
        <translation>der mitgeführte Strom: %1</translation>
    </message>
    <message>
        <source>the fix is %1 nm from the DR after %2 h, more than any current sets a ship: is the DR right?</source>
        <translation>der Standort liegt nach %2 h %1 sm vom DR entfernt, mehr als ein Strom ein Schiff je versetzt: stimmt der DR?</translation>
    </message>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>der DR kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no DR: give the DR, or this sight&apos;s own</source>
        <translation>kein DR: geben Sie den DR an oder den eigenen dieser Beobachtung</translation>
    </message>
    <message>
        <source>a number of %1 from %2 to %3</source>
        <translation>eine Zahl in %1 von %2 bis %3</translation>
    </message>
    <message>
        <source>no header: the log starts with a line naming its columns (%1)</source>
        <translation>keine Kopfzeile: das Journal beginnt mit einer Zeile, die seine Spalten nennt (%1)</translation>
    </message>
    <message>
        <source>the header is %1</source>
        <translation>die Kopfzeile ist %1</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 in der Kopfzeile</translation>
    </message>
    <message>
        <source>unknown column %1</source>
        <translation>unbekannte Spalte %1</translation>
    </message>
    <message>
        <source>a utc column and a time column: a log&apos;s times are UTC or the watch&apos;s, not both</source>
        <translation>eine Spalte utc und eine Spalte time: die Zeiten eines Journals sind UTC oder die der Uhr, nicht beides</translation>
    </message>
    <message>
        <source>column %1 twice</source>
        <translation>Spalte %1 doppelt</translation>
    </message>
    <message>
        <source>%1; a sight log has the columns %2 (time for utc, by the watch)</source>
        <translation>%1; ein Beobachtungsjournal hat die Spalten %2 (time statt utc, nach der Uhr)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos; (or &apos;time&apos;, the watch&apos;s)</source>
        <translation>keine Spalte &apos;%1&apos; (oder &apos;time&apos;, die der Uhr)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>keine Spalte &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the date on board</source>
        <translation>das Bordatum</translation>
    </message>
    <message>
        <source>the zone description</source>
        <translation>die Zone</translation>
    </message>
    <message>
        <source>the watch error</source>
        <translation>der Uhrstand</translation>
    </message>
    <message>
        <source>&apos;# %1:&apos; times a log kept by the watch (a time column); this log&apos;s times are UTC (its utc column)</source>
        <translation>&apos;# %1:&apos; gilt für ein nach der Uhr geführtes Journal (mit einer Spalte time); die Zeiten dieses Journals sind UTC (Spalte utc)</translation>
    </message>
    <message>
        <source>given for the log</source>
        <translation>für das Journal</translation>
    </message>
    <message>
        <source>a DR latitude beyond 89 degrees is not worked here</source>
        <translation>eine DR-Breite jenseits von 89 Grad wird hier nicht berechnet</translation>
    </message>
    <message>
        <source>%1 %2 cannot be read: %3</source>
        <translation>%1 %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>%1 is a watch&apos;s time; this log&apos;s times are UTC, as 2026-12-07T19:33:00Z (to keep them by the watch, give the date on board and the zone description)</source>
        <translation>%1 ist eine Uhrzeit; die Zeiten dieses Journals sind UTC in der Form 2026-12-07T19:33:00Z (um sie nach der Uhr zu führen, geben Sie Bordatum und Zone an)</translation>
    </message>
    <message>
        <source>%1 is a UTC instant; this log is kept by the watch: give the watch&apos;s time, 19:33 or 19:33:05</source>
        <translation>%1 ist ein UTC-Zeitpunkt; dieses Journal wird nach der Uhr geführt: geben Sie die Uhrzeit an, 19:33 oder 19:33:05</translation>
    </message>
    <message>
        <source>no date on board: give the log&apos;s, or the sight&apos;s own (2026-12-08 00:15)</source>
        <translation>kein Bordatum: geben Sie das des Journals an oder das eigene der Beobachtung (2026-12-08 00:15)</translation>
    </message>
    <message>
        <source>no zone description: give the log&apos;s (+5 in 75° W, -3 in 45° E; 0 for a watch kept on UT)</source>
        <translation>keine Zone: geben Sie die des Journals an (+5 auf 75° W, -3 auf 45° E; 0 für eine Uhr auf UT)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>line %1, column %2 (%3): %4</source>
        <translation>Zeile %1, Spalte %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun (Sonne), Moon (Mond), Venus, Mars, Jupiter, Saturn oder ein Navigationsstern</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 ist nicht %2</translation>
    </message>
    <message>
        <source>only the Sun and the Moon have limbs; leave it empty or center</source>
        <translation>nur Sonne und Mond haben einen Rand; lassen Sie die Zelle leer oder schreiben Sie center</translation>
    </message>
    <message>
        <source>a sextant altitude</source>
        <translation>ein Kimmabstand</translation>
    </message>
    <message>
        <source>a sextant altitude runs from 0 to 90 degrees; not %1</source>
        <translation>ein Kimmabstand reicht von 0 bis 90 Grad; nicht %1</translation>
    </message>
    <message>
        <source>the DR latitude</source>
        <translation>die DR-Breite</translation>
    </message>
    <message>
        <source>the DR longitude</source>
        <translation>die DR-Länge</translation>
    </message>
    <message>
        <source>on line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>%1 is given for the whole log already; give it once</source>
        <translation>%1 ist bereits für das ganze Journal angegeben; nur einmal angeben</translation>
    </message>
    <message>
        <source>this log&apos;s times are UTC (its utc column): it takes no date on board, zone description or watch error</source>
        <translation>die Zeiten dieses Journals sind UTC (Spalte utc): es nimmt kein Bordatum, keine Zone und keinen Uhrstand an</translation>
    </message>
    <message>
        <source>lower, upper or centre (LL, UL)</source>
        <translation>lower, upper oder centre (LL, UL)</translation>
    </message>
    <message>
        <source>the intercept is %1 nm: the DR may be far off, or the sight mistaken (the fix is worked from it all the same)</source>
        <translation>der Abstand beträgt %1 sm: der DR kann weit danebenliegen oder die Beobachtung falsch sein (der Standort wird trotzdem daraus berechnet)</translation>
    </message>
    <message>
        <source>no body %1; did you mean %2?</source>
        <translation>kein Gestirn %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>no body %1</source>
        <translation>kein Gestirn %1</translation>
    </message>
    <message>
        <source>no body %1; %2</source>
        <translation>kein Gestirn %1; %2</translation>
    </message>
    <message>
        <source>below 5° of apparent altitude refraction is unreliable</source>
        <translation>unter 5° scheinbarer Höhe ist die Refraktion unsicher</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, Kimmtiefe %2, Refraktion %3, SD %4, Parallaxe %5</translation>
    </message>
    <message>
        <source>no time yet</source>
        <translation>Uhrzeit fehlt noch</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>Zeit (UTC) fehlt noch</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>Gestirn fehlt noch</translation>
    </message>
    <message>
        <source>no hs yet</source>
        <translation>Kimmabstand (Hs) fehlt noch</translation>
    </message>
    <message>
        <source>no eye yet</source>
        <translation>Augeshöhe fehlt noch</translation>
    </message>
</context>
</TS>
