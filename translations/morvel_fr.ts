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
    <name>morvel::toolkit::ManualBrowser</name>
    <message>
        <source>Not part of the manual: %1</source>
        <translation>Hors du manuel : %1</translation>
    </message>
</context>
</TS>
