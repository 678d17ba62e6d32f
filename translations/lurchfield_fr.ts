<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DistanceHistogramWindow</name>
    <message>
        <source>distance %1 to %2</source>
        <extracomment>A bar of the distance histogram, named by the distances it counts.</extracomment>
        <translation>distance de %1 à %2</translation>
    </message>
    <message>
        <source>Histogram of the distance from the origin</source>
        <translation>Histogramme de la distance à l&apos;origine</translation>
    </message>
    <message>
        <source>(Horizontal axis : Distance from the origin)</source>
        <translation>(Axe horizontal : distance à l&apos;origine)</translation>
    </message>
    <message>
        <source>(Frequency)</source>
        <translation>(Effectif)</translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>Trial %1: x %2, y %3, distance %4. Average %5.</source>
        <translation>Essai %1 : x %2 ; y %3 ; distance %4. Moyenne %5.</translation>
    </message>
    <message>
        <source>Experiment stopped.</source>
        <translation>Expérience arrêtée.</translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation>
            <numerusform>Expérience terminée, %n essai, distance moyenne %1.</numerusform>
            <numerusform>Expérience terminée, %n essais, distance moyenne %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation>
            <numerusform>Expérience terminée, %n essai.</numerusform>
            <numerusform>Expérience terminée, %n essais.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleared.</source>
        <translation>Résultats effacés.</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Show expected counts</source>
        <translation>Afficher les effectifs théoriques</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation>
            <numerusform>%1 : %n essai</numerusform>
            <numerusform>%1 : %n essais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation>
            <numerusform>%1 : %n essai, effectif théorique %2</numerusform>
            <numerusform>%1 : %n essais, effectif théorique %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials counted</source>
        <translation>Aucun essai compté</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Essais</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>【Question】</source>
        <translation>【Problème】</translation>
    </message>
    <message>
        <source>A drunk person sways indiscriminately from front to back and left and right.</source>
        <translation>Une personne ivre titube au hasard : avant, arrière, gauche, droite.</translation>
    </message>
    <message>
        <source>A drunk person may come back to the same place many times while walking </source>
        <translation>En marchant vers sa destination, elle peut repasser bien des fois </translation>
    </message>
    <message>
        <source>around to reach his destination.</source>
        <translation>par le même endroit.</translation>
    </message>
    <message>
        <source>Now the drunk person is at the origin on the xy coordinate plane.</source>
        <translation>Elle se trouve à l&apos;origine d&apos;un repère du plan (axes x et y).</translation>
    </message>
    <message>
        <source>When a drunk person departs from the origin and wanders 30 times , how far</source>
        <translation>Elle part de l&apos;origine et titube 30 fois. À quelle distance de l&apos;origine</translation>
    </message>
    <message>
        <source>is the position where he is at the 30th time from the origin ?</source>
        <translation>se trouve-t-elle après le 30e pas ?</translation>
    </message>
    <message>
        <source>However , it is assumed that a drunk person sways in four directions , up ,</source>
        <translation>On suppose qu&apos;elle titube dans quatre directions : vers le haut,</translation>
    </message>
    <message>
        <source>down , left , and right , and the distance traveled by one sway is one.</source>
        <translation>le bas, la gauche ou la droite, et que chaque pas a une longueur de 1.</translation>
    </message>
    <message>
        <source>Also , what if a drunk person sways in only two directions left and right , </source>
        <translation>Et si elle ne titube que dans deux directions, à gauche et à droite, </translation>
    </message>
    <message>
        <source>and is on the x-axis ?</source>
        <translation>sur l&apos;axe des abscisses (axe des x) ?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Mode d&apos;emploi】</translation>
    </message>
    <message>
        <source>■In case of wobbing in 4 directions , click the check box [Plane movement].</source>
        <translation>■Pour tituber dans 4 directions, cochez l&apos;option [Dans le plan].</translation>
    </message>
    <message>
        <source>■In case of wobbing in 2 directions , click the check box [Linear movement].</source>
        <translation>■Pour tituber dans 2 directions, cochez l&apos;option [Sur une droite].</translation>
    </message>
    <message>
        <source>(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)</source>
        <translation>(Cliquez sur [Réinit.] pour passer de 4 à 2 directions ou l&apos;inverse.)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStart] button to start the drunk person&apos;s wobbling.</source>
        <translation>Cliquez sur [Lancer l&apos;expérience] pour faire tituber la personne ivre.</translation>
    </message>
    <message>
        <source>  (However , it takes time to start wobbling.)</source>
        <translation>  (Le démarrage prend un petit moment.)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStop] button to stop the drunk person&apos;s wobbling.</source>
        <translation>Cliquez sur [Arrêter l&apos;expérience] pour qu&apos;elle arrête de tituber.</translation>
    </message>
    <message>
        <source>(However , it takes time to stop wobbling.)</source>
        <translation>(L&apos;arrêt prend un petit moment.)</translation>
    </message>
    <message>
        <source>Click the [Graph display] button to display the graph.</source>
        <translation>Cliquez sur [Afficher le graphique] pour voir l&apos;histogramme.</translation>
    </message>
    <message>
        <source>  (However , in the case of 4-way wobbling , the horizontal axis is the distance</source>
        <translation>  (En 4 directions, l&apos;axe horizontal donne la distance à l&apos;origine</translation>
    </message>
    <message>
        <source>between the position where the drunk person staggers 30 times and the origin.</source>
        <translation>de la position atteinte après 30 pas.</translation>
    </message>
    <message>
        <source>And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of</source>
        <translation>En 2 directions, l&apos;axe horizontal donne l&apos;abscisse x de la position</translation>
    </message>
    <message>
        <source>the position where the drunk person staggers 30 times.)</source>
        <translation>atteinte après 30 pas.)</translation>
    </message>
    <message>
        <source> Lurchfield＿Help（Questions and Operation method）</source>
        <translation> Lurchfield＿Aide（Problème et mode d&apos;emploi）</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
</context>
<context>
    <name>Lurchfield</name>
    <message>
        <source>A random walk for the mathematics class</source>
        <translation>Une marche aléatoire pour le cours de mathématiques</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Walker&apos;s x coordinate</source>
        <translation>Abscisse du marcheur</translation>
    </message>
    <message>
        <source>Walker&apos;s y coordinate</source>
        <translation>Ordonnée du marcheur</translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation>Numéro de l&apos;essai</translation>
    </message>
    <message>
        <source>Coordinate plane</source>
        <translation>Plan muni d&apos;un repère</translation>
    </message>
    <message>
        <source>Walker at x %1, y %2</source>
        <translation>Marcheur en x %1 ; y %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Réinit.</translation>
    </message>
    <message>
        <source>Number of staggers</source>
        <translation>Nombre de pas</translation>
    </message>
    <message>
        <source>Average distance</source>
        <translation>Distance moyenne</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Afficher le graphique</translation>
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
        <translation>e</translation>
    </message>
    <message>
        <source>&#x3000;It takes a little time ...</source>
        <translation>　Patientez un instant ...</translation>
    </message>
    <message>
        <source>Experiment Start</source>
        <translation>Lancer l&apos;expérience</translation>
    </message>
    <message>
        <source>Experiment Stop</source>
        <translation>Arrêter l&apos;expérience</translation>
    </message>
    <message>
        <source>Plane movement</source>
        <translation>Dans le plan</translation>
    </message>
    <message>
        <source>Linear movement</source>
        <translation>Sur une droite</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Le logiciel va se fermer.</translation>
    </message>
    <message>
        <source>Trial</source>
        <extracomment>The copied results&apos; header row.</extracomment>
        <translation>Essai</translation>
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
        <translation>Distance</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copier les résultats</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Number</source>
        <extracomment>Row title: the trials&apos; numbers.</extracomment>
        <translation>Essai</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>Ordonnée y</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>ｘ coordinate</source>
        <translation>Abscisse ｘ</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>Abscisse x</translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation>Abscisse X</translation>
    </message>
    <message>
        <source>Trial %1, x coordinate</source>
        <translation>Essai %1, abscisse</translation>
    </message>
    <message>
        <source>Trial %1, y coordinate</source>
        <translation>Essai %1, ordonnée</translation>
    </message>
    <message>
        <source>Trial %1, distance</source>
        <translation>Essai %1, distance</translation>
    </message>
</context>
<context>
    <name>XHistogramWindow</name>
    <message>
        <source>x %1</source>
        <extracomment>A bar of the x histogram, named by its final x coordinate.</extracomment>
        <translation>x %1</translation>
    </message>
    <message>
        <source>Histogram of the final x coordinate</source>
        <translation>Histogramme de l&apos;abscisse finale</translation>
    </message>
    <message>
        <source>(Frecuency)</source>
        <translation>(Effectif)</translation>
    </message>
    <message>
        <source>(Horizontal axis : x coordinate)</source>
        <translation>(Axe horizontal : abscisse x)</translation>
    </message>
</context>
<context>
    <name>platform::SurfaceWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
