<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DistanceHistogramWindow</name>
    <message>
        <source>distance %1 to %2</source>
        <extracomment>A bar of the distance histogram, named by the distances it counts.</extracomment>
        <translation>Abstand %1 bis %2</translation>
    </message>
    <message>
        <source>Histogram of the distance from the origin</source>
        <translation>Histogramm des Abstands vom Ursprung</translation>
    </message>
    <message>
        <source>(Horizontal axis : Distance from the origin)</source>
        <translation>(Rechtsachse: Abstand vom Ursprung)</translation>
    </message>
    <message>
        <source>(Frequency)</source>
        <translation>(Häufigkeit)</translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>Trial %1: x %2, y %3, distance %4. Average %5.</source>
        <translation>Durchgang %1: x %2, y %3, Abstand %4. Mittelwert %5.</translation>
    </message>
    <message>
        <source>Experiment stopped.</source>
        <translation>Versuch gestoppt.</translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation>
            <numerusform>Versuch beendet, %n Durchgang, mittlerer Abstand %1.</numerusform>
            <numerusform>Versuch beendet, %n Durchgänge, mittlerer Abstand %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation>
            <numerusform>Versuch beendet, %n Durchgang.</numerusform>
            <numerusform>Versuch beendet, %n Durchgänge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleared.</source>
        <translation>Gelöscht.</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Show expected counts</source>
        <translation>Erwartete Häufigkeiten zeigen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation>
            <numerusform>%1: %n Durchgang</numerusform>
            <numerusform>%1: %n Durchgänge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation>
            <numerusform>%1: %n Durchgang, erwartet %2</numerusform>
            <numerusform>%1: %n Durchgänge, erwartet %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials counted</source>
        <translation>Keine Durchgänge gezählt</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Durchgänge</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>【Question】</source>
        <translation>【Frage】</translation>
    </message>
    <message>
        <source>A drunk person sways indiscriminately from front to back and left and right.</source>
        <translation>Ein Betrunkener torkelt zufällig nach vorn, hinten, links und rechts.</translation>
    </message>
    <message>
        <source>A drunk person may come back to the same place many times while walking </source>
        <translation>Auf dem Weg zum Ziel kann er dabei oft an dieselbe Stelle </translation>
    </message>
    <message>
        <source>around to reach his destination.</source>
        <translation>zurückkommen.</translation>
    </message>
    <message>
        <source>Now the drunk person is at the origin on the xy coordinate plane.</source>
        <translation>Nun steht der Betrunkene im Ursprung der xy-Koordinatenebene.</translation>
    </message>
    <message>
        <source>When a drunk person departs from the origin and wanders 30 times , how far</source>
        <translation>Er geht vom Ursprung los und torkelt 30-mal. Wie weit ist er</translation>
    </message>
    <message>
        <source>is the position where he is at the 30th time from the origin ?</source>
        <translation>nach dem 30. Mal vom Ursprung entfernt?</translation>
    </message>
    <message>
        <source>However , it is assumed that a drunk person sways in four directions , up ,</source>
        <translation>Dabei soll er in vier Richtungen torkeln: nach oben, unten, links</translation>
    </message>
    <message>
        <source>down , left , and right , and the distance traveled by one sway is one.</source>
        <translation>und rechts, und bei jedem Torkeln legt er die Strecke 1 zurück.</translation>
    </message>
    <message>
        <source>Also , what if a drunk person sways in only two directions left and right , </source>
        <translation>Und was ist, wenn er nur in zwei Richtungen, nach links und rechts, </translation>
    </message>
    <message>
        <source>and is on the x-axis ?</source>
        <translation>torkelt und sich also auf der x-Achse bewegt?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Bedienung】</translation>
    </message>
    <message>
        <source>■In case of wobbing in 4 directions , click the check box [Plane movement].</source>
        <translation>■Für Torkeln in 4 Richtungen das Feld [In der Ebene] anklicken.</translation>
    </message>
    <message>
        <source>■In case of wobbing in 2 directions , click the check box [Linear movement].</source>
        <translation>■Für Torkeln in 2 Richtungen das Feld [Auf der Geraden] anklicken.</translation>
    </message>
    <message>
        <source>(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)</source>
        <translation>(Zum Wechsel zwischen 4 und 2 Richtungen [Neu] anklicken.)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStart] button to start the drunk person&apos;s wobbling.</source>
        <translation>Mit [Versuch starten] beginnt der Betrunkene zu torkeln.</translation>
    </message>
    <message>
        <source>  (However , it takes time to start wobbling.)</source>
        <translation>  (Das Starten dauert allerdings einen Moment.)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStop] button to stop the drunk person&apos;s wobbling.</source>
        <translation>Mit [Versuch stoppen] hört der Betrunkene auf zu torkeln.</translation>
    </message>
    <message>
        <source>(However , it takes time to stop wobbling.)</source>
        <translation>(Auch das Anhalten dauert einen Moment.)</translation>
    </message>
    <message>
        <source>Click the [Graph display] button to display the graph.</source>
        <translation>Mit [Diagramm anzeigen] wird das Diagramm angezeigt.</translation>
    </message>
    <message>
        <source>  (However , in the case of 4-way wobbling , the horizontal axis is the distance</source>
        <translation>  (Bei 4 Richtungen zeigt die Rechtsachse den Abstand vom</translation>
    </message>
    <message>
        <source>between the position where the drunk person staggers 30 times and the origin.</source>
        <translation>Ursprung nach 30-maligem Torkeln.</translation>
    </message>
    <message>
        <source>And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of</source>
        <translation>Bei 2 Richtungen zeigt die Rechtsachse die x-Koordinate</translation>
    </message>
    <message>
        <source>the position where the drunk person staggers 30 times.)</source>
        <translation>der Position nach 30-maligem Torkeln.)</translation>
    </message>
    <message>
        <source> Lurchfield＿Help（Questions and Operation method）</source>
        <translation> Lurchfield＿Hilfe（Fragestellung und Bedienung）</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>Lurchfield</name>
    <message>
        <source>A random walk for the mathematics class</source>
        <translation>Eine Irrfahrt für den Mathematikunterricht</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Walker&apos;s x coordinate</source>
        <translation>x-Koordinate des Betrunkenen</translation>
    </message>
    <message>
        <source>Walker&apos;s y coordinate</source>
        <translation>y-Koordinate des Betrunkenen</translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation>Nummer des Durchgangs</translation>
    </message>
    <message>
        <source>Coordinate plane</source>
        <translation>Koordinatenebene</translation>
    </message>
    <message>
        <source>Walker at x %1, y %2</source>
        <translation>Betrunkener bei x %1, y %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Number of staggers</source>
        <translation>Anzahl Schritte</translation>
    </message>
    <message>
        <source>Average distance</source>
        <translation>Mittlerer Abstand</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Diagramm anzeigen</translation>
    </message>
    <message>
        <source>ｘ＝</source>
        <translation>ｘ＝</translation>
    </message>
    <message>
        <source>ｙ＝</source>
        <translation>ｙ＝</translation>
    </message>
    <message>
        <source>th</source>
        <extracomment>Follows the trial number, as &quot;th&quot; in &quot;5th&quot;: an ordinal ending or a word.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>&#x3000;It takes a little time ...</source>
        <translation>&#x3000;Das dauert etwas ...</translation>
    </message>
    <message>
        <source>Experiment Start</source>
        <translation>Versuch starten</translation>
    </message>
    <message>
        <source>Experiment Stop</source>
        <translation>Versuch stoppen</translation>
    </message>
    <message>
        <source>Plane movement</source>
        <translation>In der Ebene</translation>
    </message>
    <message>
        <source>Linear movement</source>
        <translation>Auf der Geraden</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Trial</source>
        <extracomment>The copied results&apos; header row.</extracomment>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Number</source>
        <extracomment>Row title: the trials&apos; numbers.</extracomment>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>y-Koord.</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>ｘ coordinate</source>
        <translation>ｘ-Koord.</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>x-Koord.</translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation>X-Koord.</translation>
    </message>
    <message>
        <source>Trial %1, x coordinate</source>
        <translation>Durchgang %1, x-Koordinate</translation>
    </message>
    <message>
        <source>Trial %1, y coordinate</source>
        <translation>Durchgang %1, y-Koordinate</translation>
    </message>
    <message>
        <source>Trial %1, distance</source>
        <translation>Durchgang %1, Abstand</translation>
    </message>
</context>
<context>
    <name>XHistogramWindow</name>
    <message>
        <source>x %1</source>
        <extracomment>A bar of the x histogram, named by its final x coordinate.</extracomment>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>Histogram of the final x coordinate</source>
        <translation>Histogramm der x-Koordinate am Ende</translation>
    </message>
    <message>
        <source>(Frecuency)</source>
        <translation>(Häufigkeit)</translation>
    </message>
    <message>
        <source>(Horizontal axis : x coordinate)</source>
        <translation>(Rechtsachse: x-Koordinate)</translation>
    </message>
</context>
<context>
    <name>platform::SurfaceWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
