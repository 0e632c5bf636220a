<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Calculator</name>
    <message>
        <source>Click below for data format</source>
        <translation>Format des données :</translation>
    </message>
    <message>
        <source>Degrees and minutes</source>
        <translation>Degrés et minutes</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Degrés décimaux</translation>
    </message>
    <message>
        <source>Great Circle Sailing</source>
        <translation>Navigation orthodromique</translation>
    </message>
    <message>
        <source>&amp;Sight Reduction</source>
        <translation>&amp;Droites de hauteur</translation>
    </message>
    <message>
        <source>&amp;Compass Error</source>
        <translation>&amp;Contrôle du compas</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check every result against the almanac and tables before you rely on it.</source>
        <translation>Contrôlez chaque résultat avec les éphémérides et les tables avant de vous y fier.</translation>
    </message>
    <message>
        <source>Morvel (Decimal Degrees)</source>
        <translation>Morvel (degrés décimaux)</translation>
    </message>
    <message>
        <source>Morvel (Degrees and Minutes)</source>
        <translation>Morvel (degrés et minutes)</translation>
    </message>
    <message>
        <source>&amp;Latitude, deg</source>
        <translation>&amp;Latitude, deg</translation>
    </message>
    <message>
        <source>L&amp;HA, deg</source>
        <translation>L&amp;HA, deg</translation>
    </message>
    <message>
        <source>&amp;Declination, deg</source>
        <translation>&amp;Déclinaison, deg</translation>
    </message>
    <message>
        <source>&amp;Altitude, deg</source>
        <translation>Ha&amp;uteur, deg</translation>
    </message>
    <message>
        <source>A&amp;zimuth, deg</source>
        <translation>A&amp;zimut, deg</translation>
    </message>
    <message>
        <source>&amp;Latitude</source>
        <translation>&amp;Latitude</translation>
    </message>
    <message>
        <source>L&amp;HA</source>
        <translation>L&amp;HA</translation>
    </message>
    <message>
        <source>&amp;Declination</source>
        <translation>&amp;Déclinaison</translation>
    </message>
    <message>
        <source>&amp;Altitude</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>A&amp;zimuth</source>
        <translation>A&amp;zimut</translation>
    </message>
    <message>
        <source>&amp;Latitude of Departure</source>
        <translation>&amp;Latitude de départ</translation>
    </message>
    <message>
        <source>Longitude of Departure</source>
        <translation>Longitude de départ</translation>
    </message>
    <message>
        <source>Latitude of &amp;Destination</source>
        <translation>Latitude d&apos;&amp;arrivée</translation>
    </message>
    <message>
        <source>Dist&amp;ance</source>
        <translation>Dis&amp;tance</translation>
    </message>
    <message>
        <source>Initial Course (Cn)</source>
        <translation>Route initiale (Cn)</translation>
    </message>
    <message>
        <source>Longitude of Destination</source>
        <translation>Longitude d&apos;arrivée</translation>
    </message>
    <message>
        <source>DLo</source>
        <translation>DLo</translation>
    </message>
    <message>
        <source>Final Course</source>
        <translation>Route finale</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <translation>&amp;Nord</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <translation>&amp;Sud</translation>
    </message>
    <message>
        <source>Nor&amp;th</source>
        <translation>No&amp;rd</translation>
    </message>
    <message>
        <source>So&amp;uth</source>
        <translation>S&amp;ud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>nmi</source>
        <translation>NM</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>2 Outputs</source>
        <translation>2 sorties</translation>
    </message>
    <message>
        <source>Many Other Solutions</source>
        <translation>Beaucoup d&apos;autres solutions</translation>
    </message>
    <message>
        <source>%1 — printed %2 UTC</source>
        <translation>%1 — imprimé le %2 UTC</translation>
    </message>
    <message>
        <source>Ell&amp;ipse</source>
        <translation>Ell&amp;ipse</translation>
    </message>
    <message>
        <source>Draw #&amp;1</source>
        <translation>Tracé &amp;1</translation>
    </message>
    <message>
        <source>Draw #&amp;2</source>
        <translation>Tracé &amp;2</translation>
    </message>
    <message>
        <source>Aut&amp;o Step</source>
        <translation>Pas aut&amp;o</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/ Stop Auto</source>
        <translation>&amp;Un pas/ Arrêt auto</translation>
    </message>
    <message>
        <source>Sin&amp;gle Step/  Auto Stop</source>
        <translation>&amp;Un pas/ Arrêt auto</translation>
    </message>
    <message>
        <source>Continuous step</source>
        <translation>Pas continu</translation>
    </message>
    <message>
        <source>Select Output Set for Meridian Diagram</source>
        <translation>Choisissez la solution à tracer</translation>
    </message>
    <message>
        <source>Plotted values of LHA &amp; Zn may differ from numerical values</source>
        <translation>LHA et Zn tracés peuvent différer des valeurs calculées</translation>
    </message>
    <message>
        <source>Plotted values of DLo &amp; Cn may differ from numerical values</source>
        <translation>DLo et Cn tracés peuvent différer des valeurs calculées</translation>
    </message>
    <message>
        <source>Enter a Latitude Value from 0 to 90 deg.</source>
        <translation>Entrez une latitude de 0 à 90°.</translation>
    </message>
    <message>
        <source>Enter an LHA Value from 0 to 360 deg.</source>
        <translation>Entrez un LHA de 0 à 360°.</translation>
    </message>
    <message>
        <source>Enter a Declination Value from 0 to 90 deg.</source>
        <translation>Entrez une déclinaison de 0 à 90°.</translation>
    </message>
    <message>
        <source>Enter an Altitude Value from -90 to 90 deg.</source>
        <translation>Entrez une hauteur de -90 à 90°.</translation>
    </message>
    <message>
        <source>Enter an Azimuth Value from 0 to 360 deg.</source>
        <translation>Entrez un azimut de 0 à 360°.</translation>
    </message>
    <message>
        <source>Select N or S Latitude</source>
        <translation>Choisissez latitude N ou S</translation>
    </message>
    <message>
        <source>Select N or S Declination</source>
        <translation>Choisissez déclinaison N ou S</translation>
    </message>
    <message>
        <source>Enter a value of latitude degrees from 0 to 90</source>
        <translation>Entrez les degrés de latitude de 0 à 90</translation>
    </message>
    <message>
        <source>Enter a value of latitude minutes from to to 59.9</source>
        <translation>Entrez les minutes de latitude de 0 à 59.9</translation>
    </message>
    <message>
        <source>Enter a Value of LHA degrees from 0 to 360</source>
        <translation>Entrez les degrés de LHA de 0 à 360</translation>
    </message>
    <message>
        <source>Enter a value of LHA minutes from to to 59.9 </source>
        <translation>Entrez les minutes de LHA de 0 à 59.9</translation>
    </message>
    <message>
        <source>Enter a value of declination degrees from 0 to 90</source>
        <translation>Entrez les degrés de déclinaison de 0 à 90</translation>
    </message>
    <message>
        <source>Enter a value of declination minutes from 0 to 59.9</source>
        <translation>Entrez les minutes de déclinaison de 0 à 59.9</translation>
    </message>
    <message>
        <source>Enter a value of altitude degrees from -90 to 90</source>
        <translation>Entrez les degrés de hauteur de -90 à 90</translation>
    </message>
    <message>
        <source>Enter a value of altitude minutes from 0 to 59.9</source>
        <translation>Entrez les minutes de hauteur de 0 à 59.9</translation>
    </message>
    <message>
        <source>Enter a value of azimuth degrees from 0 to 360</source>
        <translation>Entrez les degrés d&apos;azimut de 0 à 360</translation>
    </message>
    <message>
        <source>Enter a value of azimuth minutes from 0 to 59.9</source>
        <translation>Entrez les minutes d&apos;azimut de 0 à 59.9</translation>
    </message>
    <message>
        <source>Enter a Value of DLo degrees from 0 to 360</source>
        <translation>Entrez les degrés de DLo de 0 à 360</translation>
    </message>
    <message>
        <source>Enter a value of DLo minutes from to to 59.9 </source>
        <translation>Entrez les minutes de DLo de 0 à 59.9</translation>
    </message>
    <message>
        <source>Select E or W DLo</source>
        <translation>Choisissez DLo E ou W</translation>
    </message>
    <message>
        <source>Select N or S Latitude of Departure</source>
        <translation>Choisissez latitude de départ N ou S</translation>
    </message>
    <message>
        <source>Select N or S Latitude of destination</source>
        <translation>Choisissez latitude d&apos;arrivée N ou S</translation>
    </message>
    <message>
        <source>Enter a value of longitudeof departure  degrees from 0 to 180</source>
        <translation>Entrez les degrés de longitude de départ de 0 à 180</translation>
    </message>
    <message>
        <source>Enter a value of longitude of departure minutes from 0 to 59.9</source>
        <translation>Entrez les minutes de longitude de départ de 0 à 59.9</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Departure</source>
        <translation>Choisissez longitude de départ E ou W</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination degrees from 0 to 180</source>
        <translation>Entrez les degrés de longitude d&apos;arrivée de 0 à 180</translation>
    </message>
    <message>
        <source>Enter a value of longitude of destination minutes from 0 to 59.9</source>
        <translation>Entrez les minutes de longitude d&apos;arrivée de 0 à 59.9</translation>
    </message>
    <message>
        <source>Select E or W Longitude of Destination</source>
        <translation>Choisissez longitude d&apos;arrivée E ou W</translation>
    </message>
    <message>
        <source>Enter a value of distancefrom 0 to 10800 nm</source>
        <translation>Entrez une distance de 0 à 10800 NM</translation>
    </message>
    <message>
        <source>Enter one or no longitude and 2 other inputs<byte value="xd"/>
or 2 longitudes and 2 other inputs, no DLo</source>
        <translation>Entrez une longitude ou aucune et 2 autres données<byte value="xd"/>
ou 2 longitudes et 2 autres données, sans DLo</translation>
    </message>
    <message>
        <source>Enter three and only three inputs</source>
        <translation>Entrez trois données, ni plus ni moins</translation>
    </message>
    <message>
        <source>LHA and Azimuth\ Inconsistent. Reenter</source>
        <translation>LHA et azimut incompatibles. Entrez-les à nouveau</translation>
    </message>
    <message>
        <source>DLo and Initial Course Inconsistent. Reenter</source>
        <translation>DLo et route initiale incompatibles. Entrez-les à nouveau</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Pas de solution</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Pas de solution</translation>
    </message>
    <message>
        <source>Meridian Diagram #%1</source>
        <translation>Diagramme méridien %1</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Diagram remark</source>
        <translation>Remarque du diagramme</translation>
    </message>
    <message>
        <source>Meridian diagram shown</source>
        <translation>Diagramme méridien affiché</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Morvel Help</source>
        <translation>Aide de Morvel</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Page du manuel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>the folder could not be created</source>
        <translation>le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>window</source>
        <translation>fenêtre</translation>
    </message>
    <message>
        <source>page</source>
        <translation>page</translation>
    </message>
    <message>
        <source>The %1 could not be printed on %2.</source>
        <translation>La %1 n&apos;a pas pu être imprimée sur %2.</translation>
    </message>
    <message>
        <source>No printer is installed. The %1 was saved as %2</source>
        <translation>Aucune imprimante n&apos;est installée. La %1 a été enregistrée sous %2</translation>
    </message>
    <message>
        <source>

It could not be saved in
%1</source>
        <translation>

Elle n&apos;a pas pu être enregistrée dans
%1</translation>
    </message>
    <message>
        <source>No printer is installed, and the %1 could not be saved as a PDF:
%2</source>
        <translation>Aucune imprimante n&apos;est installée, et la %1 n&apos;a pas pu être enregistrée en PDF :
%2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Vessel and Navigator</source>
        <translation>Navire et navigateur</translation>
    </message>
    <message>
        <source>the ship&apos;s name</source>
        <translation>le nom du navire</translation>
    </message>
    <message>
        <source>The vessel&apos;s name, e.g. Pilgrim</source>
        <translation>Le nom du navire, p. ex. Pilgrim</translation>
    </message>
    <message>
        <source>who worked the sights</source>
        <translation>qui a calculé les visées</translation>
    </message>
    <message>
        <source>Who worked the sights, e.g. J. Slocum</source>
        <translation>Qui a calculé les visées, p. ex. J. Slocum</translation>
    </message>
    <message>
        <source>Printed at the head of every page of sights, with a line for the navigator&apos;s signature. Kept for the next time.</source>
        <translation>Imprimés en tête de chaque page de visées, avec une ligne pour la signature du navigateur. Gardés pour la prochaine fois.</translation>
    </message>
    <message>
        <source>&amp;Vessel</source>
        <translation>&amp;Navire</translation>
    </message>
    <message>
        <source>&amp;Navigator</source>
        <translation>Na&amp;vigateur</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Segments du DR</translation>
    </message>
    <message>
        <source>From %1: course %2, %3 kn (the DR&apos;s). Each line below changes course and speed from its time (UTC) on.</source>
        <translation>Depuis %1 : route %2, %3 nd (celles du DR). Chaque ligne ci-dessous change la route et la vitesse à partir de son heure (UTC).</translation>
    </message>
    <message>
        <source>the DR&apos;s time</source>
        <translation>l&apos;heure du DR</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Speed (kn)</source>
        <translation>Vitesse (nd)</translation>
    </message>
    <message>
        <source>&amp;Add Leg</source>
        <translation>&amp;Ajouter un segment</translation>
    </message>
    <message>
        <source>&amp;Remove Leg</source>
        <translation>&amp;Supprimer le segment</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>These lines could not be taken in:
%1
They are kept as they stand, and saved with the %2.</source>
        <translation>Ces lignes n&apos;ont pas pu être lues :
%1
Elles sont gardées telles quelles et enregistrées avec les %2.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no host and port: 127.0.0.1:10110, plotter.local, [::1]:10110</source>
        <translation>« %1 » n&apos;est pas un hôte et un port : 127.0.0.1:10110, plotter.local, [::1]:10110</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>Modifier le DR</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>D&amp;usk</source>
        <translation>&amp;Crépuscule</translation>
    </message>
    <message>
        <source>&amp;Night</source>
        <translation>&amp;Nuit</translation>
    </message>
    <message>
        <source>&amp;Automatic (by the Sun at the DR)</source>
        <translation>&amp;Automatique (selon le Soleil au DR)</translation>
    </message>
    <message>
        <source>Next &amp;Palette</source>
        <translation>&amp;Palette suivante</translation>
    </message>
    <message>
        <source>D&amp;immer</source>
        <translation>Plus so&amp;mbre</translation>
    </message>
    <message>
        <source>&amp;Brighter</source>
        <translation>Plus &amp;clair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Morvel &amp;Manual</source>
        <translation>&amp;Manuel de Morvel</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>No deviation card: %1</source>
        <translation>Pas de courbe de déviation : %1</translation>
    </message>
    <message>
        <source>Fitted to %1 observations on %2 headings.</source>
        <translation>Ajustée sur %1 observations à %2 caps.</translation>
    </message>
</context>
<context>
    <name>almanac</name>
    <message>
        <source>no ephemeris for %1</source>
        <translation>pas d&apos;éphéméride pour %1</translation>
    </message>
    <message>
        <source>the Sun above the horizon all day</source>
        <translation>le Soleil au-dessus de l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Sun below the horizon all day</source>
        <translation>le Soleil sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Sun does not rise this day</source>
        <translation>le Soleil ne se lève pas ce jour-là</translation>
    </message>
    <message>
        <source>the Sun does not set this day</source>
        <translation>le Soleil ne se couche pas ce jour-là</translation>
    </message>
    <message>
        <source>the Sun never 6° below the horizon: no civil twilight</source>
        <translation>le Soleil jamais à 6° sous l&apos;horizon : pas de crépuscule civil</translation>
    </message>
    <message>
        <source>the Sun more than 6° below the horizon all day</source>
        <translation>le Soleil à plus de 6° sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Sun does not rise through 6° below the horizon this day</source>
        <translation>le Soleil ne franchit pas en montant les 6° sous l&apos;horizon ce jour-là</translation>
    </message>
    <message>
        <source>the Sun does not sink through 6° below the horizon this day</source>
        <translation>le Soleil ne franchit pas en descendant les 6° sous l&apos;horizon ce jour-là</translation>
    </message>
    <message>
        <source>the Sun never 12° below the horizon: no nautical twilight</source>
        <translation>le Soleil jamais à 12° sous l&apos;horizon : pas de crépuscule nautique</translation>
    </message>
    <message>
        <source>the Sun more than 12° below the horizon all day</source>
        <translation>le Soleil à plus de 12° sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Sun does not rise through 12° below the horizon this day</source>
        <translation>le Soleil ne franchit pas en montant les 12° sous l&apos;horizon ce jour-là</translation>
    </message>
    <message>
        <source>the Sun does not sink through 12° below the horizon this day</source>
        <translation>le Soleil ne franchit pas en descendant les 12° sous l&apos;horizon ce jour-là</translation>
    </message>
    <message>
        <source>the Moon above the horizon all day</source>
        <translation>la Lune au-dessus de l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Moon below the horizon all day</source>
        <translation>la Lune sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>the Moon does not rise this day</source>
        <translation>la Lune ne se lève pas ce jour-là</translation>
    </message>
    <message>
        <source>the Moon does not set this day</source>
        <translation>la Lune ne se couche pas ce jour-là</translation>
    </message>
    <message>
        <source>the Sun does not cross the meridian this day</source>
        <translation>le Soleil ne passe pas au méridien ce jour-là</translation>
    </message>
    <message>
        <source>the Moon does not cross the meridian this day</source>
        <translation>la Lune ne passe pas au méridien ce jour-là</translation>
    </message>
    <message>
        <source>%1 is not a UTC instant of the form 2026-12-07T17:32:10Z</source>
        <translation>%1 n&apos;est pas un instant UTC de la forme 2026-12-07T17:32:10Z</translation>
    </message>
    <message>
        <source>give the time in UTC with its Z: %1Z</source>
        <translation>donnez l&apos;heure en UTC avec son Z : %1Z</translation>
    </message>
    <message>
        <source>DUT1 must lie between -0.9 and +0.9 seconds</source>
        <translation>DUT1 doit être compris entre -0.9 et +0.9 s</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; %1 is outside</source>
        <translation>les éphémérides couvrent 1900 à 2100 ; %1 est en dehors</translation>
    </message>
    <message>
        <source>DUT1 is UT1 - UTC, and UTC began on 1960-01-01: a time before it is UT1 itself</source>
        <translation>DUT1 vaut UT1 - UTC, et l&apos;UTC a commencé le 1960-01-01 : une heure antérieure est l&apos;UT1 lui-même</translation>
    </message>
    <message>
        <source>no such date and time: %1 (no leap second that long ended that day)</source>
        <translation>date et heure inexistantes : %1 (aucune seconde intercalaire aussi longue n&apos;a terminé ce jour-là)</translation>
    </message>
    <message>
        <source>no such date and time: %1</source>
        <translation>date et heure inexistantes : %1</translation>
    </message>
    <message>
        <source>TT and UT1 must be Julian dates less than 300 s apart</source>
        <translation>TT et UT1 doivent être des dates juliennes à moins de 300 s l&apos;une de l&apos;autre</translation>
    </message>
    <message>
        <source>the almanac covers 1900 to 2100; the Julian date %1 is outside</source>
        <translation>les éphémérides couvrent 1900 à 2100 ; la date julienne %1 est en dehors</translation>
    </message>
</context>
<context>
    <name>compass</name>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>le DR est illisible : %1</translation>
    </message>
    <message>
        <source>no DR: give the DR the bearings were taken at</source>
        <translation>pas de DR : donnez le DR auquel les relèvements ont été pris</translation>
    </message>
    <message>
        <source>a bearing</source>
        <translation>un relèvement</translation>
    </message>
    <message>
        <source>%1 is not magnetic or gyro</source>
        <translation>%1 n&apos;est ni magnetic ni gyro</translation>
    </message>
    <message>
        <source>a compass heading</source>
        <translation>un cap compas</translation>
    </message>
    <message>
        <source>a gyro takes no variation: it points to true north, and its error is the whole of it</source>
        <translation>un gyro ne prend pas de déclinaison : il indique le nord vrai, et sa variation n&apos;est que son erreur propre</translation>
    </message>
    <message>
        <source>%1; give the chart&apos;s variation</source>
        <translation>%1 ; donnez la déclinaison de la carte</translation>
    </message>
    <message>
        <source>a variation</source>
        <translation>une déclinaison magnétique</translation>
    </message>
    <message>
        <source>no header: the book starts with a line naming its columns (%1)</source>
        <translation>pas d&apos;en-tête : le livre commence par une ligne qui nomme ses colonnes (%1)</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>unknown column %1; an azimuth book has the columns %2</source>
        <translation>colonne inconnue %1 ; un livre des azimuts a les colonnes %2</translation>
    </message>
    <message>
        <source>column twice: %1; an azimuth book has the columns %2</source>
        <translation>colonne en double : %1 ; un livre des azimuts a les colonnes %2</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>pas de colonne &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Aries is a point of the sky, not a body to take a bearing of</source>
        <translation>Aries (le point vernal) est un point du ciel, pas un astre que l&apos;on puisse relever</translation>
    </message>
    <message>
        <source>at a pole every direction is south: a bearing there has no azimuth to check</source>
        <translation>à un pôle, toute direction est le sud : un relèvement n&apos;y a pas d&apos;azimut à contrôler</translation>
    </message>
    <message>
        <source>at a pole every direction is north: a bearing there has no azimuth to check</source>
        <translation>à un pôle, toute direction est le nord : un relèvement n&apos;y a pas d&apos;azimut à contrôler</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>le Soleil</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Lune</translation>
    </message>
    <message>
        <source>%1 stands at the zenith, where it has no azimuth</source>
        <translation>%1 est au zénith, où il n&apos;y a pas d&apos;azimut</translation>
    </message>
    <message>
        <source>%1 is below the horizon there and then (its centre %2 true): no bearing of it could be taken; is the time, the position or the body mistyped?</source>
        <translation>%1 est sous l&apos;horizon en ce lieu et à cette heure (hauteur vraie de son centre %2) : aucun relèvement n&apos;a pu en être pris ; erreur de frappe dans l&apos;heure, la position ou l&apos;astre ?</translation>
    </message>
    <message>
        <source>the visible horizon</source>
        <translation>l&apos;horizon visible</translation>
    </message>
    <message>
        <source>the celestial horizon</source>
        <translation>l&apos;horizon céleste</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 above %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 a son centre à %2 au-dessus de %3 à cette heure : l&apos;amplitude se prend au lever ou au coucher, à moins de %4 de l&apos;horizon ; l&apos;heure est-elle juste ?</translation>
    </message>
    <message>
        <source>%1&apos;s centre is %2 below %3 at that time: the amplitude is taken as it rises or sets, within %4 of the horizon; is the time right?</source>
        <translation>%1 a son centre à %2 au-dessous de %3 à cette heure : l&apos;amplitude se prend au lever ou au coucher, à moins de %4 de l&apos;horizon ; l&apos;heure est-elle juste ?</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays above %4</source>
        <translation>%1 ne se lève ni ne se couche en ce lieu ce jour-là : par %2, avec une déclinaison de %3, l&apos;astre reste au-dessus de %4</translation>
    </message>
    <message>
        <source>%1 does not rise or set there that day: at %2 with its declination %3 it stays below %4</source>
        <translation>%1 ne se lève ni ne se couche en ce lieu ce jour-là : par %2, avec une déclinaison de %3, l&apos;astre reste au-dessous de %4</translation>
    </message>
    <message>
        <source>the moment %1 stands on the horizon did not settle</source>
        <translation>l&apos;instant où %1 est sur l&apos;horizon n&apos;a pas convergé</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); none is given</source>
        <translation>les cinq coefficients demandent des déviations à cinq caps distincts ou plus (à un degré ou plus l&apos;un de l&apos;autre) ; aucun n&apos;est donné</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 is given</source>
        <translation>les cinq coefficients demandent des déviations à cinq caps distincts ou plus (à un degré ou plus l&apos;un de l&apos;autre) ; %1 est donné</translation>
    </message>
    <message>
        <source>the five coefficients need deviations on five distinct headings or more (a degree or more apart); %1 are given</source>
        <translation>les cinq coefficients demandent des déviations à cinq caps distincts ou plus (à un degré ou plus l&apos;un de l&apos;autre) ; %1 sont donnés</translation>
    </message>
    <message>
        <source>the fit reaches %1 on %2, over the %3 a compass may deviate: observe on headings spread round the compass (or is a deviation mistyped?)</source>
        <translation>l&apos;ajustement atteint %1 au cap %2, plus que les %3 de déviation qu&apos;un compas peut avoir : observez à des caps répartis sur tout le tour du compas (ou erreur de frappe dans une déviation ?)</translation>
    </message>
    <message>
        <source>five headings give a card through every observation with nothing to check it: eight or more headings spread round the compass are advised</source>
        <translation>cinq caps donnent une courbe qui passe par chaque observation sans rien pour la contrôler : huit caps ou plus, répartis sur tout le tour du compas, sont conseillés</translation>
    </message>
    <message>
        <source>no heading from %1 to %2 (%3°): the card is extrapolated there</source>
        <translation>aucun cap de %1 à %2 (%3°) : la courbe y est extrapolée</translation>
    </message>
    <message>
        <source>the World Magnetic Model in %1 cannot be read: %2</source>
        <translation>le World Magnetic Model de %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>the World Magnetic Model&apos;s file %1.wmm is in none of %2 (MORVEL_MAGNETIC_PATH names its folder)</source>
        <translation>le fichier %1.wmm du World Magnetic Model n&apos;est dans aucun des dossiers %2 (MORVEL_MAGNETIC_PATH nomme son dossier)</translation>
    </message>
    <message>
        <source>the World Magnetic Model 2025 holds from %1 to %2, 1 January %3 to the end of %4; %5 is outside it</source>
        <translation>le World Magnetic Model 2025 vaut de %1 à %2, du 1er janvier %3 à la fin de %4 ; %5 est en dehors</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is south</source>
        <translation>à un pôle géographique, la déclinaison n&apos;a pas de sens : toute direction y est le sud</translation>
    </message>
    <message>
        <source>at a geographic pole the variation has no meaning: every direction is north</source>
        <translation>à un pôle géographique, la déclinaison n&apos;a pas de sens : toute direction y est le nord</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 2000 nT: the magnetic compass is unreliable here and the variation uncertain (the model&apos;s blackout zone, near a magnetic pole)</source>
        <translation>le champ horizontal est de %1 nT, sous 2000 nT : le compas magnétique n&apos;est pas fiable ici et la déclinaison est incertaine (zone d&apos;exclusion du modèle, près d&apos;un pôle magnétique)</translation>
    </message>
    <message>
        <source>the horizontal field is %1 nT, under 6000 nT: magnetic compass readings have large uncertainties here (the model&apos;s caution zone)</source>
        <translation>le champ horizontal est de %1 nT, sous 6000 nT : les lectures du compas magnétique sont ici très incertaines (zone de vigilance du modèle)</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun, Moon, Venus, Mars, Jupiter, Saturn ou une étoile de navigation</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>pas encore d&apos;heure (UTC)</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>pas encore d&apos;astre</translation>
    </message>
    <message>
        <source>no bearing yet</source>
        <translation>pas encore de relèvement</translation>
    </message>
</context>
<context>
    <name>instruments</name>
    <message>
        <source>RTK fixed</source>
        <translation>RTK fixe</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK flottant</translation>
    </message>
    <message>
        <source>dead reckoning</source>
        <translation>estime</translation>
    </message>
    <message>
        <source>GNSS and dead reckoning</source>
        <translation>GNSS et estime</translation>
    </message>
    <message>
        <source>time only</source>
        <translation>heure seule</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simulé</translation>
    </message>
    <message>
        <source>no gpsd at %1: %2</source>
        <translation>pas de gpsd à %1 : %2</translation>
    </message>
    <message>
        <source>no fix from gpsd at %1 within %2</source>
        <translation>pas de point de gpsd à %1 dans les %2</translation>
    </message>
    <message>
        <source>gpsd at %1 closed the connection without a fix</source>
        <translation>gpsd à %1 a fermé la connexion sans point</translation>
    </message>
    <message>
        <source>the port %1 is not 1 to 65535</source>
        <translation>le port %1 n&apos;est pas entre 1 et 65535</translation>
    </message>
    <message>
        <source>no plotter to send to</source>
        <translation>pas de traceur où envoyer</translation>
    </message>
    <message>
        <source>%1: the datagram was cut short</source>
        <translation>%1 : le datagramme a été tronqué</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin</name>
    <message>
        <source>left out: %1</source>
        <translation>écartée : %1</translation>
    </message>
    <message>
        <source>gyro</source>
        <translation>gyro</translation>
    </message>
    <message>
        <source>magnetic</source>
        <translation>magnétique</translation>
    </message>
    <message>
        <source> (WMM)</source>
        <translation> (WMM)</translation>
    </message>
    <message>
        <source>No DR given</source>
        <translation>Aucun DR donné</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> à %1 UT</translation>
    </message>
    <message>
        <source>, course %1, speed %2 kn</source>
        <translation>, route %1, vitesse %2 nd</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Imprimé le %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> depuis %1</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Livre des azimuts</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Courbe de déviation</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Observations (row, ship&apos;s head, deviation, residual)</source>
        <translation>Observations (ligne, cap du navire, déviation, résidu)</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Relèvement</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Compas</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Cap du navire</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn vrai</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Déviation</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::BookModel</name>
    <message>
        <source>Time of the bearing in UTC, e.g. 2026-12-07T19:33:00Z</source>
        <translation>Heure du relèvement en UTC, p. ex. 2026-12-07T19:33:00Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Astre : le Soleil, la Lune, une planète ou une étoile, p. ex. Vega</translation>
    </message>
    <message>
        <source>Bearing of the body&apos;s centre by the compass, e.g. 231.5 or 231 30</source>
        <translation>Relèvement du centre de l&apos;astre au compas, p. ex. 231.5 ou 231 30</translation>
    </message>
    <message>
        <source>Compass: magnetic or gyro (empty: magnetic)</source>
        <translation>Compas : magnetic (magnétique) ou gyro (vide : magnétique)</translation>
    </message>
    <message>
        <source>Ship&apos;s head by the same compass, e.g. 045; needed for the deviation card</source>
        <translation>Cap du navire au même compas, p. ex. 045 ; nécessaire à la courbe de déviation</translation>
    </message>
    <message>
        <source>Variation from the chart, e.g. 14.5 W, 3.2 E or auto (the World Magnetic Model&apos;s)</source>
        <translation>Déclinaison de la carte, p. ex. 14.5 W, 3.2 E ou auto (celle du World Magnetic Model)</translation>
    </message>
    <message>
        <source>True azimuth Zn of the body from the almanac</source>
        <translation>Azimut vrai Zn de l&apos;astre d&apos;après l&apos;almanach</translation>
    </message>
    <message>
        <source>True = bearing + error; a gyro reading more than true reads high</source>
        <translation>Vrai = relèvement + variation ; un gyro qui lit plus que le vrai lit « high » (fort)</translation>
    </message>
    <message>
        <source>Deviation: the compass error less the variation, east or west</source>
        <translation>Déviation : la variation du compas moins la déclinaison, est ou ouest</translation>
    </message>
    <message>
        <source>auto (%1)</source>
        <translation>auto (%1)</translation>
    </message>
    <message>
        <source>Altitude %1 at %2</source>
        <translation>Hauteur %1 à %2</translation>
    </message>
    <message>
        <source>
Variation of the World Magnetic Model 2025</source>
        <translation>
Déclinaison magnétique du World Magnetic Model 2025</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Relèvement</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Compas</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Cap du navire</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>True Zn</source>
        <translation>Zn vrai</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Déviation</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CardPanel</name>
    <message>
        <source>Coefficient</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Compass heading</source>
        <translation>Cap compas</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Déviation</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Ship&apos;s head</source>
        <translation>Cap du navire</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Résidu</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassDocument</name>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Edit DR</source>
        <translation>Modifier le DR</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>relèvements</translation>
    </message>
    <message>
        <source>The bearings could not be saved in %1.</source>
        <translation>Les relèvements n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the bearings to keep them.</source>
        <translation>Les modifications ne peuvent pas être gardées pour récupération dans %1. Enregistrez les relèvements pour les garder.</translation>
    </message>
    <message>
        <source>%1 is not an azimuth book: %2</source>
        <translation>%1 n&apos;est pas un livre des azimuts : %2</translation>
    </message>
    <message>
        <source>The bearings kept in %1 could not be read: %2</source>
        <translation>Les relèvements gardés dans %1 n&apos;ont pas pu être lus : %2</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::CompassWindow</name>
    <message>
        <source>&amp;Azimuth book</source>
        <translation>&amp;Livre des azimuts</translation>
    </message>
    <message>
        <source>Deviation ca&amp;rd</source>
        <translation>&amp;Courbe de déviation</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>Compass Error &amp;Help</source>
        <translation>&amp;Aide de la variation du compas</translation>
    </message>
    <message>
        <source>Azimuth book</source>
        <translation>Livre des azimuts</translation>
    </message>
    <message>
        <source>The azimuth book, one bearing of a body a row: its time in UTC, the body, the bearing and the compass it was taken by, the ship&apos;s head and the variation. Each column&apos;s heading says what it takes. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was. A complete row shows the true azimuth, the compass error and the deviation; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>Le livre des azimuts, un relèvement d&apos;astre par ligne : son heure en UTC, l&apos;astre, le relèvement et le compas qui l&apos;a pris, le cap du navire et la déclinaison. L&apos;en-tête de chaque colonne dit ce qu&apos;elle prend. Entrée ajoute une ligne et, dans une cellule, garde ce qui a été tapé et passe à la suivante ; F2 édite une cellule ; Échap la laisse telle quelle. Une ligne complète montre l&apos;azimut vrai, la variation du compas et la déviation ; une ligne illisible est teintée, son info-bulle dit pourquoi.</translation>
    </message>
    <message>
        <source>Rows that cannot be read</source>
        <translation>Lignes illisibles</translation>
    </message>
    <message>
        <source>Each row of the book that cannot be read, with its column and why, and what is doubtful about the others.</source>
        <translation>Chaque ligne du livre illisible, avec sa colonne et la raison, et ce qui est douteux dans les autres.</translation>
    </message>
    <message>
        <source>Deviation card</source>
        <translation>Courbe de déviation</translation>
    </message>
    <message>
        <source>The deviation card fitted to the magnetic rows that give a ship&apos;s head and a variation: the coefficients A to E, the deviation every 15 degrees of compass heading, each observation with its residual, and the curve with the observations as dots.</source>
        <translation>La courbe de déviation ajustée sur les lignes magnétiques qui donnent un cap du navire et une déclinaison : les coefficients A à E, la déviation tous les 15 degrés de cap compas, chaque observation avec son résidu, et la courbe avec les observations en points.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Ligne %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>DR, %1: %2</source>
        <translation>DR, %1 : %2</translation>
    </message>
    <message>
        <source>Each complete row gives its true azimuth, error and deviation.</source>
        <translation>Chaque ligne complète donne son azimut vrai, sa variation et sa déviation.</translation>
    </message>
    <message>
        <source>Morvel (Compass Error)</source>
        <translation>Morvel (Variation du compas)</translation>
    </message>
    <message>
        <source>Bearings from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Des relèvements d&apos;une session qui ne s&apos;est pas terminée proprement ont été gardés. Les restaurer ?</translation>
    </message>
    <message>
        <source>Open an azimuth book</source>
        <translation>Ouvrir un livre des azimuts</translation>
    </message>
    <message>
        <source>Save the azimuth book</source>
        <translation>Enregistrer le livre des azimuts</translation>
    </message>
    <message>
        <source>The bearings have changes that are not saved. Save them?</source>
        <translation>Les relèvements ont des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Morvel azimuth book</source>
        <translation>Livre des azimuts Morvel</translation>
    </message>
    <message>
        <source>Morvel azimuth book %1</source>
        <translation>Livre des azimuts Morvel %1</translation>
    </message>
    <message>
        <source>Azimuth books (*.csv);;All files (*)</source>
        <translation>Livres des azimuts (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>morvel::compasswin::Page</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin</name>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Ligne %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>the line of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>la droite de %1 (%2) transportée à %3, %4 NM %5</translation>
    </message>
    <message>
        <source>the lines of %1 (%2) advanced by the run to %3, %4 nm %5</source>
        <translation>les droites de %1 (%2) transportées à %3, %4 NM %5</translation>
    </message>
    <message>
        <source>Running fix:</source>
        <translation>Point par droites transportées :</translation>
    </message>
    <message>
        <source> the %1 lines of %2 advanced to %3 by the runs from their DRs, %4 to %5 nm</source>
        <translation> les %1 droites de %2 transportées à %3 depuis leurs DR, %4 à %5 NM</translation>
    </message>
    <message>
        <source>DR %1: %2</source>
        <translation>DR %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more row(s) that cannot be read (their tooltips say why).</source>
        <translation>
            <numerusform>et %n autre ligne illisible (son info-bulle dit pourquoi).</numerusform>
            <numerusform>et %n autres lignes illisibles (leurs info-bulles disent pourquoi).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) follow the DR and wait for it.</source>
        <translation>
            <numerusform>%n ligne suit le DR et l&apos;attend.</numerusform>
            <numerusform>%n lignes suivent le DR et l&apos;attendent.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fix %1 %2</source>
        <translation>Point %1 %2</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> à %1</translation>
    </message>
    <message>
        <source>From the DR: %1 nm, %2</source>
        <translation>Depuis le DR : %1 NM, %2</translation>
    </message>
    <message>
        <source>95 % ellipse: semi-axes %1 and %2 nm, major axis %3°</source>
        <translation>Ellipse à 95 % : demi-axes %1 et %2 NM, grand axe %3°</translation>
    </message>
    <message>
        <source>Weak fix:</source>
        <translation>Point faible :</translation>
    </message>
    <message>
        <source> no two lines cut at 15° or more (widest cut %1°)</source>
        <translation> aucune paire de droites ne se coupe à 15° ou plus (au plus %1°)</translation>
    </message>
    <message>
        <source>Doubtful fix:</source>
        <translation>Point douteux :</translation>
    </message>
    <message>
        <source>Excluded from the fix:</source>
        <translation>Exclues du point :</translation>
    </message>
    <message>
        <source> row %1 (%2), %3</source>
        <translation> ligne %1 (%2), %3</translation>
    </message>
    <message>
        <source>Two sights or more give a fix.</source>
        <translation>Il faut deux visées ou plus pour un point.</translation>
    </message>
    <message>
        <source>No fix:</source>
        <translation>Pas de point :</translation>
    </message>
    <message>
        <source>%1, excluded</source>
        <translation>%1, exclue</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>écartée : %1</translation>
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
        <translation>DR : propre à chaque visée</translation>
    </message>
    <message>
        <source> at %1 UT</source>
        <translation> à %1 UT</translation>
    </message>
    <message>
        <source>DR %1</source>
        <translation>DR %1</translation>
    </message>
    <message>
        <source>Course %1, speed %2 kn</source>
        <translation>Route %1, vitesse %2 nd</translation>
    </message>
    <message>
        <source>Watch: date on board %1, zone %2, watch error %3</source>
        <translation>Montre : date à bord %1, fuseau %2, erreur %3</translation>
    </message>
    <message>
        <source>Printed %1 UT</source>
        <translation>Imprimé le %1 UT</translation>
    </message>
    <message>
        <source> from %1</source>
        <translation> depuis %1</translation>
    </message>
    <message>
        <source>Sight reduction</source>
        <translation>Droites de hauteur</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Navigator&apos;s signature</source>
        <translation>Signature du navigateur</translation>
    </message>
    <message>
        <source>Watch (UT)</source>
        <translation>Montre (UT)</translation>
    </message>
    <message>
        <source>Set and drift:</source>
        <translation>Courant (direction et vitesse) :</translation>
    </message>
    <message>
        <source> none: the fix is at the DR after %1 h</source>
        <translation> aucun : le point est au DR après %1 h</translation>
    </message>
    <message>
        <source> %1, %2 kn since the DR (%3 nm in %4 h)</source>
        <translation> %1, %2 nd depuis le DR (%3 NM en %4 h)</translation>
    </message>
    <message>
        <source>Current carried on:</source>
        <translation>Courant reporté :</translation>
    </message>
    <message>
        <source> %1, %2 kn, found by the fix at %3; the rows&apos; DRs are EPs</source>
        <translation> %1, %2 nd, trouvé par le point de %3 ; les DR des lignes sont des positions estimées (EP)</translation>
    </message>
    <message>
        <source>Intercept %1 nm toward</source>
        <translation>Intercept %1 NM vers l&apos;astre</translation>
    </message>
    <message>
        <source>Intercept %1 nm away</source>
        <translation>Intercept %1 NM à l&apos;opposé de l&apos;astre</translation>
    </message>
    <message>
        <source>advanced %1 nm %2</source>
        <translation>transportée de %1 NM au %2</translation>
    </message>
    <message>
        <source>Advanced %1 nm %2 to the time of the fix</source>
        <translation>Transportée de %1 NM au %2 jusqu&apos;à l&apos;heure du point</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Running fix</source>
        <translation>Point par droites transportées</translation>
    </message>
    <message>
        <source>Course %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planète</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>suggested</source>
        <translation>proposé</translation>
    </message>
    <message>
        <source>outside %1 to %2</source>
        <translation>hors de la plage %1 à %2</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitude %1</translation>
    </message>
    <message>
        <source> none: %1</source>
        <translation> aucun : %1</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 NM</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DailyPagesDialog</name>
    <message>
        <source>Daily Pages</source>
        <translation>Pages quotidiennes</translation>
    </message>
    <message>
        <source>&amp;Date (UT):</source>
        <translation>&amp;Date (UT) :</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Morvel daily page %1</source>
        <translation>Morvel page quotidienne %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::DrBox</name>
    <message>
        <source>Dead reckoning</source>
        <translation>Estime</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Time (UTC)</source>
        <translation>&amp;Heure (UTC)</translation>
    </message>
    <message>
        <source>&amp;Course</source>
        <translation>&amp;Route</translation>
    </message>
    <message>
        <source>Spee&amp;d (kn)</source>
        <translation>&amp;Vitesse (nd)</translation>
    </message>
    <message>
        <source>Date on &amp;board</source>
        <translation>Date à &amp;bord</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>Fu&amp;seau</translation>
    </message>
    <message>
        <source>&amp;Watch error</source>
        <translation>État d&amp;e la montre</translation>
    </message>
    <message>
        <source>12 s fast, 12 s slow</source>
        <translation>12 s fast, 12 s slow</translation>
    </message>
    <message>
        <source>From &amp;GPS</source>
        <translation>Du &amp;GPS</translation>
    </message>
    <message>
        <source>The position, time, course and speed from gpsd (localhost:2947)</source>
        <translation>La position, l&apos;heure, la route et la vitesse de gpsd (localhost:2947)</translation>
    </message>
    <message>
        <source>DR position</source>
        <translation>Position DR</translation>
    </message>
    <message>
        <source>DR position: latitude and longitude, e.g. 41 10.0N 66 30.0W</source>
        <translation>Position DR : latitude et longitude, p. ex. 41 10.0N 66 30.0W</translation>
    </message>
    <message>
        <source>The dead-reckoning position at the DR time, as navigators write it: degrees and minutes with N or S and E or W (41 10.0N 66 30.0W), or signed decimal degrees.</source>
        <translation>La position estimée à l&apos;heure du DR, comme l&apos;écrivent les navigateurs : degrés et minutes avec N ou S et E ou W (41 10.0N 66 30.0W), ou degrés décimaux signés.</translation>
    </message>
    <message>
        <source>DR time (UTC)</source>
        <translation>Heure DR (UTC)</translation>
    </message>
    <message>
        <source>DR time in UTC, e.g. 2026-12-07T17:00:00Z</source>
        <translation>Heure DR en UTC, p. ex. 2026-12-07T17:00:00Z</translation>
    </message>
    <message>
        <source>The time at which the DR position holds, in UTC with its Z. Each row&apos;s DR is run on from it by the course and speed.</source>
        <translation>L&apos;heure où vaut la position DR, en UTC avec son Z. Le DR de chaque ligne en est déduit par la route et la vitesse.</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Course: degrees true, e.g. 090</source>
        <translation>Route : degrés vrais, p. ex. 090</translation>
    </message>
    <message>
        <source>The course made good, in degrees true from 000 to 360.</source>
        <translation>La route fond, en degrés vrais de 000 à 360.</translation>
    </message>
    <message>
        <source>Speed (knots)</source>
        <translation>Vitesse (nœuds)</translation>
    </message>
    <message>
        <source>Speed: knots, e.g. 12</source>
        <translation>Vitesse : nœuds, p. ex. 12</translation>
    </message>
    <message>
        <source>The speed made good in knots; 0 for a ship stopped.</source>
        <translation>La vitesse fond en nœuds ; 0 pour un navire stoppé.</translation>
    </message>
    <message>
        <source>Date on board</source>
        <translation>Date à bord</translation>
    </message>
    <message>
        <source>Date on board: the date the watch keeps, e.g. 2026-12-07</source>
        <translation>Date à bord : la date que garde la montre, p. ex. 2026-12-07</translation>
    </message>
    <message>
        <source>The date on board, when the sights are timed by the watch: the rows&apos; times are then the watch&apos;s, turned into UT by the zone and the watch error. Empty: the log is kept in UTC.</source>
        <translation>La date à bord, quand les visées sont chronométrées à la montre : les heures des lignes sont alors celles de la montre, ramenées en UT par le fuseau et l&apos;état de la montre. Vide : le journal est tenu en UTC.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Zone: the hours added to zone time to give UT, e.g. +5, -3 or +9.5</source>
        <translation>Fuseau : les heures ajoutées à l&apos;heure du fuseau pour donner l&apos;UT, p. ex. +5, -3 ou +9.5</translation>
    </message>
    <message>
        <source>The zone description the watch keeps: the hours added to zone time to give UT (+5 west of Greenwich, -3 east of it, 0 for a watch kept on UT).</source>
        <translation>Le fuseau que garde la montre : les heures ajoutées à l&apos;heure du fuseau pour donner l&apos;UT (+5 à l&apos;ouest de Greenwich, -3 à l&apos;est, 0 pour une montre réglée sur l&apos;UT).</translation>
    </message>
    <message>
        <source>Watch error</source>
        <translation>État de la montre</translation>
    </message>
    <message>
        <source>Watch error: fast or slow, e.g. 12 s fast or 1 m 12 s slow</source>
        <translation>État de la montre : fast (avance) ou slow (retard), p. ex. 12 s fast ou 1 m 12 s slow</translation>
    </message>
    <message>
        <source>How far the watch is out. Fast: the right time is the watch&apos;s less the error; slow: plus it.</source>
        <translation>De combien la montre se trompe. Fast (avance) : l&apos;heure juste est celle de la montre moins l&apos;état ; slow (retard) : plus l&apos;état.</translation>
    </message>
    <message>
        <source>&amp;Legs...</source>
        <translation>Segme&amp;nts...</translation>
    </message>
    <message>
        <source>Legs of the DR</source>
        <translation>Segments du DR</translation>
    </message>
    <message>
        <source>&amp;Legs (%1)...</source>
        <translation>Se&amp;gments (%1)...</translation>
    </message>
    <message>
        <source>The changes of course and speed after the DR&apos;s time</source>
        <translation>Les changements de route et de vitesse après l&apos;heure du DR</translation>
    </message>
    <message>
        <source>position</source>
        <translation>position</translation>
    </message>
    <message>
        <source>time</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>course</source>
        <translation>route</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date à bord</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>fuseau</translation>
    </message>
    <message>
        <source>watch error</source>
        <translation>état de la montre</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::IdentifyDialog</name>
    <message>
        <source>Identify the body</source>
        <translation>Identifier l&apos;astre</translation>
    </message>
    <message>
        <source>Hs %1 from %2</source>
        <translation>Hs %1 depuis %2</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Candidates, nearest first</source>
        <translation>Candidats, le plus proche d&apos;abord</translation>
    </message>
    <message>
        <source>Sight</source>
        <translation>Visée</translation>
    </message>
    <message>
        <source>&amp;Azimuth (true)</source>
        <translation>&amp;Azimut (vrai)</translation>
    </message>
    <message>
        <source>Type the body&apos;s azimuth, the compass corrected to true.</source>
        <translation>Tapez l&apos;azimut de l&apos;astre : le relèvement au compas corrigé en vrai.</translation>
    </message>
    <message>
        <source>an azimuth</source>
        <translation>un azimut</translation>
    </message>
    <message>
        <source>No star or planet within %1 of Ho %2, Zn %3.</source>
        <translation>Aucune étoile ni planète à moins de %1 de Ho %2, Zn %3.</translation>
    </message>
    <message>
        <source>Ho %1: the nearest first.</source>
        <translation>Ho %1 : les plus proches d&apos;abord.</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogModel</name>
    <message>
        <source>Time of the sight in UTC, e.g. 2026-12-07T22:04:10Z</source>
        <translation>Heure de la visée en UTC, p. ex. 2026-12-07T22:04:10Z</translation>
    </message>
    <message>
        <source>Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega</source>
        <translation>Astre : le Soleil, la Lune, une planète ou une étoile, p. ex. Vega</translation>
    </message>
    <message>
        <source>Limb of the Sun or the Moon: lower, upper or centre</source>
        <translation>Bord du Soleil ou de la Lune : lower, upper ou centre</translation>
    </message>
    <message>
        <source>Sextant altitude Hs: degrees and minutes, e.g. 41 12.3 or 41 12 18</source>
        <translation>Hauteur instrumentale Hs : degrés et minutes, p. ex. 41 12.3 ou 41 12 18</translation>
    </message>
    <message>
        <source>IC (′): + off the arc, − on; minutes signed, or 1.2 off, 1.2 on</source>
        <translation>IC (′) : + hors de l&apos;arc, − sur l&apos;arc ; minutes signées, ou 1.2 off, 1.2 on</translation>
    </message>
    <message>
        <source>Height of eye: metres or feet, e.g. 2.5 or 8 ft</source>
        <translation>Élévation de l&apos;œil : mètres ou pieds, p. ex. 2.5 ou 8 ft</translation>
    </message>
    <message>
        <source>Air temperature in °C for the refraction, e.g. 12 (10 when empty)</source>
        <translation>Température de l&apos;air en °C pour la réfraction, p. ex. 12 (10 si vide)</translation>
    </message>
    <message>
        <source>Pressure in hPa for the refraction, e.g. 1013 (1010 when empty)</source>
        <translation>Pression en hPa pour la réfraction, p. ex. 1013 (1010 si vide)</translation>
    </message>
    <message>
        <source>The row&apos;s own DR latitude, e.g. 41 10.0N; empty follows the DR</source>
        <translation>Latitude DR propre à la ligne, p. ex. 41 10.0N ; vide, elle suit le DR</translation>
    </message>
    <message>
        <source>The row&apos;s own DR longitude, e.g. 066 30.0W; empty follows the DR</source>
        <translation>Longitude DR propre à la ligne, p. ex. 066 30.0W ; vide, elle suit le DR</translation>
    </message>
    <message>
        <source>Watch time</source>
        <translation>Heure montre</translation>
    </message>
    <message>
        <source>Excluded from the fix: %1</source>
        <translation>Exclue du point : %1</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, dépression %2, réfraction %3, SD %4, parallaxe %5</translation>
    </message>
    <message>
        <source>
Below 5° of apparent altitude refraction is unreliable.</source>
        <translation>
Sous 5° de hauteur apparente, la réfraction est incertaine.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Bord</translation>
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
        <translation>Œil (m ou ft)</translation>
    </message>
    <message>
        <source>Temp (°C)</source>
        <translation>Temp. (°C)</translation>
    </message>
    <message>
        <source>Press. (hPa)</source>
        <translation>Press. (hPa)</translation>
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
        <translation>Intercept</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Résidu</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::LogTable</name>
    <message>
        <source>One sight a row. Enter adds a row, and in a cell keeps what was typed and moves on; F2 edits a cell; Escape leaves it as it was.</source>
        <translation>Une visée par ligne. Entrée ajoute une ligne, et dans une cellule garde la saisie et passe à la suivante ; F2 modifie une cellule ; Échap la laisse telle quelle.</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::PlottingSheet</name>
    <message>
        <source>The plotting sheet: the DR and its track, the lines of position and the fix. The mouse wheel, + and - zoom (about the pointer), dragging or the arrow keys pan, Home or 0 fits the sheet to the DR, the lines and the fix again; the view stays where you put it while you edit the log. Hover a line for its sight.</source>
        <translation>Le canevas : le DR et sa route, les droites de hauteur et le point. La molette, + et - zooment (autour du pointeur), glisser ou les flèches déplacent, Origine ou 0 recadre sur le DR, les droites et le point ; la vue reste où vous l&apos;avez mise pendant que vous modifiez le journal. Survolez une droite pour voir sa visée.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit to the DR, Lines and Fix</source>
        <translation>&amp;Cadrer sur le DR, les droites et le point</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag pans, Home fits</source>
        <translation>Molette ou + et - : zoom, glisser : déplacer, Origine : recadrer</translation>
    </message>
    <message>
        <source>No DR</source>
        <translation>Pas de DR</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightDocument</name>
    <message>
        <source>Delete row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>%1 is not a sight log: %2</source>
        <translation>%1 n&apos;est pas un journal de visées : %2</translation>
    </message>
    <message>
        <source>sights</source>
        <translation>visées</translation>
    </message>
    <message>
        <source>The sights could not be saved in %1.</source>
        <translation>Les visées n&apos;ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Changes cannot be kept for recovery in %1. Save the sights to keep them.</source>
        <translation>Les modifications ne peuvent pas être gardées pour récupération dans %1. Enregistrez les visées pour les garder.</translation>
    </message>
    <message>
        <source>The sights kept in %1 could not be read: %2</source>
        <translation>Les visées gardées dans %1 n&apos;ont pas pu être lues : %2</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SightWindow</name>
    <message>
        <source>Plotting &amp;sheet</source>
        <translation>Canevas</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>&amp;Ciel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Vessel and Navigator...</source>
        <translation>Navire et &amp;navigateur...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>D&amp;uplicate Row</source>
        <translation>D&amp;upliquer la ligne</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>&amp;Identify Body...</source>
        <translation>&amp;Identifier l&apos;astre...</translation>
    </message>
    <message>
        <source>&amp;Daily Pages...</source>
        <translation>Pages &amp;quotidiennes...</translation>
    </message>
    <message>
        <source>Sight Reduction &amp;Help</source>
        <translation>&amp;Aide des droites de hauteur</translation>
    </message>
    <message>
        <source>Sight log</source>
        <translation>Journal des visées</translation>
    </message>
    <message>
        <source>The sight log, one sight a row. Enter adds a row; F2 or typing edits a cell. Each column&apos;s heading says what it takes. A complete row shows Ho, Hc, Zn and the intercept; a row that cannot be read is tinted, its tooltip saying why.</source>
        <translation>Le journal des visées, une visée par ligne. Entrée ajoute une ligne ; F2 ou la frappe modifie une cellule. L&apos;en-tête de chaque colonne dit ce qu&apos;elle attend. Une ligne complète montre Ho, Hc, Zn et l&apos;intercept ; une ligne illisible est teintée, son info-bulle dit pourquoi.</translation>
    </message>
    <message>
        <source>What the log gives</source>
        <translation>Ce que donne le journal</translation>
    </message>
    <message>
        <source>The fix from the sights, with its error ellipse, and each row that could not be read or is doubtful.</source>
        <translation>Le point tiré des visées, avec son ellipse d&apos;erreur, et chaque ligne illisible ou douteuse.</translation>
    </message>
    <message>
        <source>Plotting sheet</source>
        <translation>Canevas</translation>
    </message>
    <message>
        <source>The plotting sheet around the DR and the fix. The wheel or + and - zoom, dragging or the arrows pan, Home or 0 fits it again.</source>
        <translation>Le canevas autour du DR et du point. La molette ou + et - zooment, glisser ou les flèches déplacent, Origine ou 0 recadre.</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Duplicate row</source>
        <translation>Dupliquer la ligne</translation>
    </message>
    <message>
        <source>This sight cannot be identified until its %1 is right: %2</source>
        <translation>Cette visée ne peut être identifiée tant que %1 n&apos;est pas juste : %2</translation>
    </message>
    <message>
        <source>Morvel (Sight Reduction)</source>
        <translation>Morvel (droites de hauteur)</translation>
    </message>
    <message>
        <source>Sights from a run that did not end cleanly were kept. Restore them?</source>
        <translation>Des visées d&apos;une session mal terminée ont été gardées. Les restaurer ?</translation>
    </message>
    <message>
        <source>Save the sights</source>
        <translation>Enregistrer les visées</translation>
    </message>
    <message>
        <source>Sight logs (*.csv);;All files (*)</source>
        <translation>Journaux de visées (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open sights</source>
        <translation>Ouvrir des visées</translation>
    </message>
    <message>
        <source>The sights have changes that are not saved. Save them?</source>
        <translation>Les visées ont des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Morvel sights</source>
        <translation>Visées Morvel</translation>
    </message>
    <message>
        <source>Morvel sights %1</source>
        <translation>Visées Morvel %1</translation>
    </message>
    <message>
        <source>Send Each &amp;Fix to the Plotter</source>
        <translation>Envoyer chaque &amp;point au traceur</translation>
    </message>
    <message>
        <source>Plotter &amp;Address...</source>
        <translation>&amp;Adresse du traceur...</translation>
    </message>
    <message>
        <source>&amp;Send the Fix Now</source>
        <translation>&amp;Envoyer le point maintenant</translation>
    </message>
    <message>
        <source>Save the Fix as &amp;GPX...</source>
        <translation>Enregistrer le point en &amp;GPX...</translation>
    </message>
    <message>
        <source>Plotter Address</source>
        <translation>Adresse du traceur</translation>
    </message>
    <message>
        <source>The plotter&apos;s host and UDP port (OpenCPN: 10110):</source>
        <translation>L&apos;hôte et le port UDP du traceur (OpenCPN : 10110) :</translation>
    </message>
    <message>
        <source>There is no fix to send.</source>
        <translation>Il n&apos;y a pas de point à envoyer.</translation>
    </message>
    <message>
        <source>The fix was not sent: %1</source>
        <translation>Le point n&apos;a pas été envoyé : %1</translation>
    </message>
    <message>
        <source>%1 sent to the plotter at %2</source>
        <translation>%1 envoyé au traceur à %2</translation>
    </message>
    <message>
        <source>The fix was not sent to the plotter: %1</source>
        <translation>Le point n&apos;a pas été envoyé au traceur : %1</translation>
    </message>
    <message>
        <source>There is no fix to save.</source>
        <translation>Il n&apos;y a pas de point à enregistrer.</translation>
    </message>
    <message>
        <source>Save the fix as GPX</source>
        <translation>Enregistrer le point en GPX</translation>
    </message>
    <message>
        <source>GPX files (*.gpx);;All files (*)</source>
        <translation>Fichiers GPX (*.gpx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The fix was not saved: %1</source>
        <translation>Le point n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>%1 saved in %2</source>
        <translation>%1 enregistré dans %2</translation>
    </message>
    <message>
        <source>Asking the GPS...</source>
        <translation>Interrogation du GPS...</translation>
    </message>
    <message>
        <source>No position from the GPS: %1. The DR stays as it was.</source>
        <translation>Pas de position du GPS : %1. Le DR reste tel quel.</translation>
    </message>
    <message>
        <source>DR from the GPS (%1 %2)</source>
        <translation>DR du GPS (%1 %2)</translation>
    </message>
    <message>
        <source>; the computer clock is %1 s %2 on GPS time</source>
        <translation> ; l&apos;horloge de l&apos;ordinateur a %1 s d&apos;écart (%2) sur l&apos;heure GPS</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>en avance</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>DR &amp;Legs...</source>
        <translation>Se&amp;gments du DR...</translation>
    </message>
    <message>
        <source>&amp;Carry the Current On</source>
        <translation>Reporter le &amp;courant</translation>
    </message>
    <message>
        <source>The DRs of the sights after the fix run with the set and drift it gives</source>
        <translation>Les DR des visées après le point sont estimés avec le courant qu&apos;il donne</translation>
    </message>
    <message>
        <source>Plotte&amp;r</source>
        <translation>&amp;Traceur</translation>
    </message>
    <message>
        <source>&amp;Almanac</source>
        <translation>Éphé&amp;mérides</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyChart</name>
    <message>
        <source>Sky chart</source>
        <translation>Carte du ciel</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Proposé : bien réparti en azimut</translation>
    </message>
    <message>
        <source>Outside the altitudes chosen</source>
        <translation>Hors des hauteurs choisies</translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyPanel</name>
    <message>
        <source>Time of the sky in UTC, e.g. 2026-12-07 22:00:00 UTC</source>
        <translation>Heure du ciel en UTC, p. ex. 2026-12-07 22:00:00 UTC</translation>
    </message>
    <message>
        <source>Lowest altitude listed, degrees, e.g. 15</source>
        <translation>Hauteur la plus basse listée, degrés, p. ex. 15</translation>
    </message>
    <message>
        <source>Highest altitude listed, degrees, e.g. 70</source>
        <translation>Hauteur la plus haute listée, degrés, p. ex. 70</translation>
    </message>
    <message>
        <source>Bodies suggested</source>
        <translation>Astres proposés</translation>
    </message>
    <message>
        <source>How many bodies to suggest for a fix: 3, 120° apart, or 4, 90° apart</source>
        <translation>Combien d&apos;astres proposer pour un point : 3, à 120°, ou 4, à 90°</translation>
    </message>
    <message>
        <source>Time of the sky, UTC</source>
        <translation>Heure du ciel, UTC</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautique</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Nautical twilight, morning</source>
        <translation>Crépuscule nautique, matin</translation>
    </message>
    <message>
        <source>Civil twilight, morning</source>
        <translation>Crépuscule civil, matin</translation>
    </message>
    <message>
        <source>Civil twilight, evening</source>
        <translation>Crépuscule civil, soir</translation>
    </message>
    <message>
        <source>Nautical twilight, evening</source>
        <translation>Crépuscule nautique, soir</translation>
    </message>
    <message>
        <source>Lowest altitude</source>
        <translation>Hauteur la plus basse</translation>
    </message>
    <message>
        <source>Highest altitude</source>
        <translation>Hauteur la plus haute</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>3 bodies, 120° apart</source>
        <translation>3 astres, à 120°</translation>
    </message>
    <message>
        <source>4 bodies, 90° apart</source>
        <translation>4 astres, à 90°</translation>
    </message>
    <message>
        <source>T&amp;ime (UTC)</source>
        <translation>He&amp;ure (UTC)</translation>
    </message>
    <message>
        <source>Altitude fr&amp;om</source>
        <translation>P&amp;lage de hauteur</translation>
    </message>
    <message>
        <source>S&amp;uggest</source>
        <translation>Proposer</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Astre</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Bodies within the altitudes</source>
        <translation>Astres entre les hauteurs</translation>
    </message>
    <message>
        <source>No DR: the sky needs a position.</source>
        <translation>Pas de DR : le ciel demande une position.</translation>
    </message>
    <message>
        <source>the DR</source>
        <translation>le DR</translation>
    </message>
    <message>
        <source>the DR at %1</source>
        <translation>le DR de %1</translation>
    </message>
    <message>
        <source>At %1 (%2), %3 %4 UTC</source>
        <translation>À %1 (%2), %3 %4 UTC</translation>
    </message>
    <message>
        <source>above the horizon</source>
        <translation>au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>between %1° and %2°</source>
        <translation>entre %1° et %2°</translation>
    </message>
    <message>
        <source>Suggested: well spread in azimuth</source>
        <translation>Proposé : bien réparti en azimut</translation>
    </message>
    <message>
        <source>No body above the horizon.</source>
        <translation>Aucun astre au-dessus de l&apos;horizon.</translation>
    </message>
    <message>
        <source>The Sun is up: by day only the Sun, the Moon and Venus can be taken, and fewer than %1 of them are %2.</source>
        <translation>Le Soleil est levé : de jour, seuls le Soleil, la Lune et Vénus peuvent être observés, et moins de %1 d&apos;entre eux sont %2.</translation>
    </message>
    <message>
        <source>Fewer than %1 bodies %2: none to suggest.</source>
        <translation>Moins de %1 astres %2 : aucun à proposer.</translation>
    </message>
    <message>
        <source>Well spread: </source>
        <translation>Bien répartis : </translation>
    </message>
    <message>
        <source>The sky at %1, halfway between the nautical and the civil twilight: the time for star sights</source>
        <translation>Le ciel à %1, à mi-chemin entre le crépuscule nautique et le crépuscule civil : l&apos;heure des visées d&apos;étoiles</translation>
    </message>
    <message>
        <source>No such twilight on this day here</source>
        <translation>Ce crépuscule n&apos;a pas lieu ici ce jour-là</translation>
    </message>
    <message>
        <source>Point at a body on the chart for its Hc, Zn and magnitude; a click, or the arrow keys, select it; double click or Enter adds a sight of it.</source>
        <translation>Pointez un astre sur la carte pour lire ses Hc, Zn et magnitude ; un clic, ou les flèches, le sélectionnent ; un double-clic ou Entrée lui ajoute une visée.</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies above the horizon.</source>
        <translation>
            <numerusform>%n astre au-dessus de l&apos;horizon.</numerusform>
            <numerusform>%n astres au-dessus de l&apos;horizon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n bodies above the horizon are %2.</source>
        <translation>
            <numerusform>%1 sur %n astre au-dessus de l&apos;horizon est %2.</numerusform>
            <numerusform>%1 des %n astres au-dessus de l&apos;horizon sont %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Morning twilight</source>
        <translation>Cr&amp;épuscule du matin</translation>
    </message>
    <message>
        <source>Eve&amp;ning twilight</source>
        <translation>Crépuscule du s&amp;oir</translation>
    </message>
    <message>
        <source>All above the horizon</source>
        <translation>Tous au-dessus de l&apos;horizon</translation>
    </message>
</context>
<context>
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>Hors du manuel : %1</translation>
    </message>
</context>
<context>
    <name>navtext</name>
    <message>
        <source>%1 is degrees east or west, 0 to 180 (2.5 E, 1.0 W, 3 15E), or signed, east positive (-1.0)</source>
        <translation>%1 se donne en degrés est ou ouest, de 0 à 180 (2.5 E, 1.0 W, 3 15E), ou avec un signe, l&apos;est positif (-1.0)</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 fort</translation>
    </message>
    <message>
        <source>%1 low</source>
        <translation>%1 faible</translation>
    </message>
    <message>
        <source>a latitude</source>
        <translation>une latitude</translation>
    </message>
    <message>
        <source>a longitude</source>
        <translation>une longitude</translation>
    </message>
    <message>
        <source>an altitude</source>
        <translation>une hauteur</translation>
    </message>
    <message>
        <source>an angle</source>
        <translation>un angle</translation>
    </message>
    <message>
        <source>a DLo</source>
        <translation>un DLo</translation>
    </message>
    <message>
        <source>minutes are a number from 0 to under 60</source>
        <translation>les minutes sont un nombre de 0 à moins de 60</translation>
    </message>
    <message>
        <source>seconds are a number from 0 to under 60</source>
        <translation>les secondes sont un nombre de 0 à moins de 60</translation>
    </message>
    <message>
        <source>0 to 90 degrees with N or S, or signed (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</source>
        <translation>0 à 90 degrés avec N ou S, ou avec un signe (40 12.3N, 40°12.3&apos;N, 40.205N, -40.205)</translation>
    </message>
    <message>
        <source>0 to 180 degrees with E or W, or signed (70 30.5W, 70.508W, -70.508)</source>
        <translation>0 à 180 degrés avec E ou W, ou avec un signe (70 30.5W, 70.508W, -70.508)</translation>
    </message>
    <message>
        <source>-90 to 90 degrees (30 15.2, -12 15, -0 30, -12.25)</source>
        <translation>-90 à 90 degrés (30 15.2, -12 15, -0 30, -12.25)</translation>
    </message>
    <message>
        <source>0 to 360 degrees (351 41.9, 351.698)</source>
        <translation>0 à 360 degrés (351 41.9, 351.698)</translation>
    </message>
    <message>
        <source>0 to 360 degrees with E or W (73 22E, 73.367W)</source>
        <translation>0 à 360 degrés avec E ou W (73 22E, 73.367W)</translation>
    </message>
    <message>
        <source>unexpected %1; %2 is %3</source>
        <translation>%1 inattendu ; %2 va de %3</translation>
    </message>
    <message>
        <source>no value; %1 is %2</source>
        <translation>pas de valeur ; %1 va de %2</translation>
    </message>
    <message>
        <source>the letter %1 does not belong here; %2 is %3</source>
        <translation>la lettre %1 n&apos;a pas sa place ici ; %2 va de %3</translation>
    </message>
    <message>
        <source>say E or W; a DLo is %1</source>
        <translation>précisez E ou W ; un DLo va de %1</translation>
    </message>
    <message>
        <source>%1 is degrees, degrees and minutes, or degrees, minutes and seconds: %2</source>
        <translation>%1 s&apos;écrit en degrés, en degrés et minutes, ou en degrés, minutes et secondes : de %2</translation>
    </message>
    <message>
        <source>the seconds sign stands after the seconds, the third number (41 12 18&quot;)</source>
        <translation>le signe des secondes se place après les secondes, le troisième nombre (41 12 18&quot;)</translation>
    </message>
    <message>
        <source>give a sign or a hemisphere letter, not both</source>
        <translation>donnez un signe ou une lettre d&apos;hémisphère, pas les deux</translation>
    </message>
    <message>
        <source>out of range; %1 is %2</source>
        <translation>hors limites ; %1 va de %2</translation>
    </message>
    <message>
        <source>degrees before minutes must be whole</source>
        <translation>les degrés suivis de minutes doivent être entiers</translation>
    </message>
    <message>
        <source>not a number of degrees; %1 is %2</source>
        <translation>pas un nombre de degrés ; %1 va de %2</translation>
    </message>
    <message>
        <source>minutes before seconds must be whole</source>
        <translation>les minutes suivies de secondes doivent être entières</translation>
    </message>
    <message>
        <source>a position is a latitude and a longitude (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</source>
        <translation>une position est une latitude et une longitude (40 12.3N 70 30.5W, 40.205N,70.508W, 40.205 -70.508)</translation>
    </message>
    <message>
        <source>a comma parts the latitude from the longitude, so a position&apos;s decimals take a point (41.205N 70.508W)</source>
        <translation>une virgule sépare la latitude de la longitude : les décimales d&apos;une position prennent donc un point (41.205N 70.508W)</translation>
    </message>
    <message>
        <source>more than one comma: %1</source>
        <translation>plus d&apos;une virgule : %1</translation>
    </message>
    <message>
        <source>no longitude after the comma; %1</source>
        <translation>pas de longitude après la virgule ; %1</translation>
    </message>
    <message>
        <source>unexpected %1; %2</source>
        <translation>%1 inattendu ; %2</translation>
    </message>
    <message>
        <source>write minutes with hemisphere letters: without them the numbers part more than one way (41 12 18 could be a latitude in degrees, minutes and seconds, or a latitude of 41 and a longitude of 12 18); %1</source>
        <translation>écrivez les minutes avec les lettres d&apos;hémisphère : sans elles, les nombres se répartissent de plus d&apos;une façon (41 12 18 peut être une latitude en degrés, minutes et secondes, ou une latitude de 41 et une longitude de 12 18) ; %1</translation>
    </message>
    <message>
        <source>no value; %1</source>
        <translation>pas de valeur ; %1</translation>
    </message>
    <message>
        <source>degrees, minutes and seconds in a position need N or S and E or W (41 12 18N 70 30 05W)</source>
        <translation>des degrés, minutes et secondes dans une position demandent N ou S et E ou W (41 12 18N 70 30 05W)</translation>
    </message>
    <message>
        <source>latitude %1</source>
        <translation>latitude %1</translation>
    </message>
    <message>
        <source>longitude %1</source>
        <translation>longitude %1</translation>
    </message>
    <message>
        <source>a distance is 0 to 10800 nautical miles (2999.4, 500nm)</source>
        <translation>une distance va de 0 à 10800 milles marins (2999.4, 500nm)</translation>
    </message>
    <message>
        <source>not a number; %1</source>
        <translation>pas un nombre ; %1</translation>
    </message>
    <message>
        <source>out of range; %1</source>
        <translation>hors limites ; %1</translation>
    </message>
    <message>
        <source>off the arc positive: 1.2 off is +1.2, 1.2 on is -1.2</source>
        <translation>+ hors de l&apos;arc : 1.2 off vaut +1.2, 1.2 on vaut -1.2</translation>
    </message>
    <message>
        <source>%1 is not a number of minutes of arc from -30 to 30 (%2)</source>
        <translation>%1 n&apos;est pas un nombre de minutes d&apos;arc de -30 à 30 (%2)</translation>
    </message>
    <message>
        <source>give a sign or on or off, not both (%1)</source>
        <translation>donnez un signe ou bien on ou off, pas les deux (%1)</translation>
    </message>
    <message>
        <source>%1 is not a number of feet from 0 to 328.08 (100 metres)</source>
        <translation>%1 n&apos;est pas un nombre de pieds de 0 à 328.08 (100 mètres)</translation>
    </message>
    <message>
        <source>%1 is not a number of metres from 0 to 100 (2.5, 2.5 m, or in feet 8 ft, 8&apos;)</source>
        <translation>%1 n&apos;est pas un nombre de mètres de 0 à 100 (2.5, 2.5 m, ou en pieds 8 ft, 8&apos;)</translation>
    </message>
    <message>
        <source>a date is written 2026-12-07, from 1900-01-01 to 2100-12-31</source>
        <translation>une date s&apos;écrit 2026-12-07, du 1900-01-01 au 2100-12-31</translation>
    </message>
    <message>
        <source>a watch&apos;s time is 19:33 or 19:33:05, or 2026-12-08 00:15 for a sight on another day</source>
        <translation>une heure montre s&apos;écrit 19:33 ou 19:33:05, ou 2026-12-08 00:15 pour une visée d&apos;un autre jour</translation>
    </message>
    <message>
        <source>a zone description is the hours added to zone time to give UT, signed: +5 in 75° W, -3 in 45° E, +9.5, 0 (whole, half or quarter hours, -14 to +14)</source>
        <translation>un fuseau se donne en heures ajoutées à l&apos;heure du fuseau pour donner l&apos;UT, avec leur signe : +5 par 75° W, -3 par 45° E, +9.5, 0 (heures entières, demi-heures ou quarts d&apos;heure, de -14 à +14)</translation>
    </message>
    <message>
        <source>a watch error is 12 s fast or 12 s slow (1 m 12 s fast; 0 when there is none), under an hour</source>
        <translation>l&apos;état de la montre s&apos;écrit 12 s fast (avance) ou 12 s slow (retard), ainsi 1 m 12 s fast, ou 0 s&apos;il est nul ; moins d&apos;une heure</translation>
    </message>
    <message>
        <source>no such date; %1</source>
        <translation>date inexistante ; %1</translation>
    </message>
    <message>
        <source>a watch is read to the whole second (19:33:05)</source>
        <translation>une montre se lit à la seconde entière (19:33:05)</translation>
    </message>
    <message>
        <source>a watch&apos;s time has no Z and no offset: the log&apos;s zone description gives UT</source>
        <translation>une heure montre n&apos;a ni Z ni décalage : le fuseau du journal donne l&apos;UT</translation>
    </message>
    <message>
        <source>no such time of day; %1</source>
        <translation>heure inexistante ; %1</translation>
    </message>
    <message>
        <source>write the zone description in hours, +5.5 or -5.5: an offset +05:30 as ISO 8601 writes it is zone -5.5 (UT = zone time + zone description)</source>
        <translation>écrivez le fuseau en heures, +5.5 ou -5.5 : un décalage +05:30 tel que l&apos;écrit l&apos;ISO 8601 est le fuseau -5.5 (UT = heure du fuseau + fuseau)</translation>
    </message>
    <message>
        <source>say + or -: %1</source>
        <translation>précisez + ou - : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>reckoning</name>
    <message>
        <source>the current needs the hours since the last fix, above 0</source>
        <translation>le courant demande le nombre d&apos;heures depuis le dernier point, supérieur à 0</translation>
    </message>
    <message>
        <source>no course makes good a track without speed through the water</source>
        <translation>sans vitesse surface, aucun cap ne fait tenir une route fond</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it faster than the ship can stem</source>
        <translation>impossible de tenir cette route fond : le courant porte en travers plus vite que le navire ne peut le compenser</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets against it faster than the ship runs</source>
        <translation>impossible de tenir cette route fond : le courant porte à contre plus vite que le navire ne file</translation>
    </message>
    <message>
        <source>cannot make good that track: the current sets across it as fast as the ship can stem</source>
        <translation>impossible de tenir cette route fond : le courant porte en travers aussi vite que le navire peut le compenser</translation>
    </message>
</context>
<context>
    <name>sight</name>
    <message>
        <source>the lines of position are parallel: they do not cross</source>
        <translation>les droites de hauteur sont parallèles : elles ne se coupent pas</translation>
    </message>
    <message>
        <source>the position did not settle: no fix</source>
        <translation>la position n&apos;a pas convergé : pas de point</translation>
    </message>
    <message>
        <source>a fix needs two sights or more</source>
        <translation>il faut deux visées ou plus pour un point</translation>
    </message>
    <message>
        <source>residual %1 nm; the other lines agree within %2 nm without it</source>
        <translation>résidu %1 NM ; sans elle, les autres droites s&apos;accordent à %2 NM près</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix; with three lines a mistaken one cannot be told from the others</source>
        <translation>une droite passe à %1 NM du point ; avec trois droites, une droite fausse ne peut pas être distinguée des autres</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and leaving out any one of %2 lines brings the others within %3 nm: which is mistaken cannot be told</source>
        <translation>une droite passe à %1 NM du point, et écarter n&apos;importe laquelle des %2 droites ramène les autres à %3 NM près : impossible de dire laquelle est fausse</translation>
    </message>
    <message>
        <source>a line stands %1 nm off the fix, and no one line left out brings the others within %2 nm</source>
        <translation>une droite passe à %1 NM du point, et aucune droite écartée seule ne ramène les autres à %2 NM près</translation>
    </message>
    <message>
        <source>the DR&apos;s time lies more than 24 hours from noon of the date</source>
        <translation>l&apos;heure du DR est à plus de 24 heures du midi de la date</translation>
    </message>
    <message>
        <source>the ship runs within a degree of the pole, where noon has no meaning</source>
        <translation>le navire fait route à moins d&apos;un degré du pôle, où midi n&apos;a pas de sens</translation>
    </message>
    <message>
        <source>noon not found: the ship outruns the Sun</source>
        <translation>midi introuvable : le navire va plus vite que le Soleil</translation>
    </message>
    <message>
        <source>the observed altitude must lie between 0 and 90 degrees</source>
        <translation>la hauteur observée doit être comprise entre 0 et 90 degrés</translation>
    </message>
    <message>
        <source>the altitude puts the latitude beyond the pole</source>
        <translation>la hauteur donne une latitude au-delà du pôle</translation>
    </message>
    <message>
        <source>the triangle has no solution</source>
        <translation>le triangle n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>the corrections put the observed altitude beyond the zenith, above 90 degrees</source>
        <translation>les corrections portent la hauteur observée au-delà du zénith, au-dessus de 90 degrés</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm toward, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>l&apos;intercept au DR est de %1 NM vers l&apos;astre, au-delà des %2 NM (%3°) que couvre la méthode de l&apos;intercept : erreur de frappe dans la hauteur, l&apos;heure, l&apos;astre ou le DR ?</translation>
    </message>
    <message>
        <source>the intercept at the DR is %1 nm away, beyond the %2 nm (%3°) the intercept method reaches: is the altitude, the time, the body or the DR mistyped?</source>
        <translation>l&apos;intercept au DR est de %1 NM à l&apos;opposé de l&apos;astre, au-delà des %2 NM (%3°) que couvre la méthode de l&apos;intercept : erreur de frappe dans la hauteur, l&apos;heure, l&apos;astre ou le DR ?</translation>
    </message>
</context>
<context>
    <name>sightlog</name>
    <message>
        <source>an unclosed quote</source>
        <translation>un guillemet non fermé</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>%1 cells for %2 columns</source>
        <translation>%1 cellules pour %2 colonnes</translation>
    </message>
    <message>
        <source>above this row</source>
        <translation>au-dessus de cette ligne</translation>
    </message>
    <message>
        <source>%1 is not a speed in knots from 0 to 60</source>
        <translation>%1 n&apos;est pas une vitesse en nœuds de 0 à 60</translation>
    </message>
    <message>
        <source>the course</source>
        <translation>la route</translation>
    </message>
    <message>
        <source>the DR needs a longitude beside its latitude</source>
        <translation>le DR demande une longitude en plus de sa latitude</translation>
    </message>
    <message>
        <source>leg %1: %2</source>
        <translation>segment %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a drift in knots from 0 to 60</source>
        <translation>%1 n&apos;est pas une vitesse de courant en nœuds de 0 à 60</translation>
    </message>
    <message>
        <source>the current carried on: %1</source>
        <translation>le courant reporté : %1</translation>
    </message>
    <message>
        <source>the fix is %1 nm from the DR after %2 h, more than any current sets a ship: is the DR right?</source>
        <translation>le point est à %1 NM du DR au bout de %2 h, plus qu&apos;aucun courant ne peut faire dériver un navire : le DR est-il juste ?</translation>
    </message>
    <message>
        <source>the DR cannot be read: %1</source>
        <translation>le DR est illisible : %1</translation>
    </message>
    <message>
        <source>no DR: give the DR, or this sight&apos;s own</source>
        <translation>pas de DR : donnez le DR, ou celui de cette visée</translation>
    </message>
    <message>
        <source>a number of %1 from %2 to %3</source>
        <translation>un nombre de %1 de %2 à %3</translation>
    </message>
    <message>
        <source>no header: the log starts with a line naming its columns (%1)</source>
        <translation>pas d&apos;en-tête : le journal commence par une ligne qui nomme ses colonnes (%1)</translation>
    </message>
    <message>
        <source>the header is %1</source>
        <translation>l&apos;en-tête fait %1</translation>
    </message>
    <message>
        <source>%1 in the header</source>
        <translation>%1 dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>unknown column %1</source>
        <translation>colonne inconnue %1</translation>
    </message>
    <message>
        <source>a utc column and a time column: a log&apos;s times are UTC or the watch&apos;s, not both</source>
        <translation>une colonne utc et une colonne time : les heures d&apos;un journal sont en UTC ou à la montre, pas les deux</translation>
    </message>
    <message>
        <source>column %1 twice</source>
        <translation>colonne %1 en double</translation>
    </message>
    <message>
        <source>%1; a sight log has the columns %2 (time for utc, by the watch)</source>
        <translation>%1 ; un journal de visées a les colonnes %2 (time au lieu de utc, à la montre)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos; (or &apos;time&apos;, the watch&apos;s)</source>
        <translation>pas de colonne &apos;%1&apos; (ni &apos;time&apos;, celle de la montre)</translation>
    </message>
    <message>
        <source>no column &apos;%1&apos;</source>
        <translation>pas de colonne &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the date on board</source>
        <translation>la date à bord</translation>
    </message>
    <message>
        <source>the zone description</source>
        <translation>le fuseau</translation>
    </message>
    <message>
        <source>the watch error</source>
        <translation>l&apos;état de la montre</translation>
    </message>
    <message>
        <source>&apos;# %1:&apos; times a log kept by the watch (a time column); this log&apos;s times are UTC (its utc column)</source>
        <translation>&apos;# %1:&apos; sert à un journal tenu à la montre (une colonne time) ; les heures de ce journal sont en UTC (sa colonne utc)</translation>
    </message>
    <message>
        <source>given for the log</source>
        <translation>pour le journal</translation>
    </message>
    <message>
        <source>a DR latitude beyond 89 degrees is not worked here</source>
        <translation>une latitude DR au-delà de 89 degrés n&apos;est pas traitée ici</translation>
    </message>
    <message>
        <source>%1 %2 cannot be read: %3</source>
        <translation>%2, %1 est illisible : %3</translation>
    </message>
    <message>
        <source>%1 is a watch&apos;s time; this log&apos;s times are UTC, as 2026-12-07T19:33:00Z (to keep them by the watch, give the date on board and the zone description)</source>
        <translation>%1 est une heure montre ; les heures de ce journal sont en UTC, comme 2026-12-07T19:33:00Z (pour les tenir à la montre, donnez la date à bord et le fuseau)</translation>
    </message>
    <message>
        <source>%1 is a UTC instant; this log is kept by the watch: give the watch&apos;s time, 19:33 or 19:33:05</source>
        <translation>%1 est un instant UTC ; ce journal est tenu à la montre : donnez l&apos;heure de la montre, 19:33 ou 19:33:05</translation>
    </message>
    <message>
        <source>no date on board: give the log&apos;s, or the sight&apos;s own (2026-12-08 00:15)</source>
        <translation>pas de date à bord : donnez celle du journal, ou celle de la visée (2026-12-08 00:15)</translation>
    </message>
    <message>
        <source>no zone description: give the log&apos;s (+5 in 75° W, -3 in 45° E; 0 for a watch kept on UT)</source>
        <translation>pas de fuseau : donnez celui du journal (+5 par 75° W, -3 par 45° E ; 0 pour une montre réglée sur l&apos;UT)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>line %1, column %2 (%3): %4</source>
        <translation>ligne %1, colonne %2 (%3) : %4</translation>
    </message>
    <message>
        <source>Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star</source>
        <translation>Sun, Moon, Venus, Mars, Jupiter, Saturn ou une étoile de navigation</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 n&apos;est pas %2</translation>
    </message>
    <message>
        <source>only the Sun and the Moon have limbs; leave it empty or center</source>
        <translation>seuls le Soleil et la Lune ont des bords ; laissez vide ou écrivez center</translation>
    </message>
    <message>
        <source>a sextant altitude</source>
        <translation>une hauteur instrumentale</translation>
    </message>
    <message>
        <source>a sextant altitude runs from 0 to 90 degrees; not %1</source>
        <translation>une hauteur instrumentale va de 0 à 90 degrés ; pas %1</translation>
    </message>
    <message>
        <source>the DR latitude</source>
        <translation>la latitude DR</translation>
    </message>
    <message>
        <source>the DR longitude</source>
        <translation>la longitude DR</translation>
    </message>
    <message>
        <source>on line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>%1 is given for the whole log already; give it once</source>
        <translation>%1 figure déjà pour tout le journal : une seule fois suffit</translation>
    </message>
    <message>
        <source>this log&apos;s times are UTC (its utc column): it takes no date on board, zone description or watch error</source>
        <translation>les heures de ce journal sont en UTC (sa colonne utc) : il ne prend ni date à bord, ni fuseau, ni état de la montre</translation>
    </message>
    <message>
        <source>lower, upper or centre (LL, UL)</source>
        <translation>lower, upper ou centre (LL, UL)</translation>
    </message>
    <message>
        <source>the intercept is %1 nm: the DR may be far off, or the sight mistaken (the fix is worked from it all the same)</source>
        <translation>l&apos;intercept est de %1 NM : le DR est peut-être loin, ou la visée fausse (le point en tient compte tout de même)</translation>
    </message>
    <message>
        <source>no body %1; did you mean %2?</source>
        <translation>astre inconnu %1 ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>no body %1</source>
        <translation>astre inconnu %1</translation>
    </message>
    <message>
        <source>no body %1; %2</source>
        <translation>astre inconnu %1 ; %2</translation>
    </message>
    <message>
        <source>below 5° of apparent altitude refraction is unreliable</source>
        <translation>sous 5° de hauteur apparente, la réfraction est incertaine</translation>
    </message>
    <message>
        <source>IC %1, dip %2, refraction %3, SD %4, parallax %5</source>
        <translation>IC %1, dépression %2, réfraction %3, SD %4, parallaxe %5</translation>
    </message>
    <message>
        <source>no time yet</source>
        <translation>pas encore d&apos;heure montre</translation>
    </message>
    <message>
        <source>no utc yet</source>
        <translation>pas encore d&apos;heure (UTC)</translation>
    </message>
    <message>
        <source>no body yet</source>
        <translation>pas encore d&apos;astre</translation>
    </message>
    <message>
        <source>no hs yet</source>
        <translation>pas encore de hauteur instrumentale (Hs)</translation>
    </message>
    <message>
        <source>no eye yet</source>
        <translation>pas encore d&apos;élévation de l&apos;œil</translation>
    </message>
</context>
</TS>
