<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DistanceHistogramWindow</name>
    <message>
        <source>distance %1 to %2</source>
        <extracomment>A bar of the distance histogram, named by the distances it counts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram of the distance from the origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Horizontal axis : Distance from the origin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Frequency)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>Trial %1: x %2, y %3, distance %4. Average %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiment stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cleared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Show expected counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No trials counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trials</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>【Question】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drunk person sways indiscriminately from front to back and left and right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drunk person may come back to the same place many times while walking </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>around to reach his destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now the drunk person is at the origin on the xy coordinate plane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a drunk person departs from the origin and wanders 30 times , how far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is the position where he is at the 30th time from the origin ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>However , it is assumed that a drunk person sways in four directions , up ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down , left , and right , and the distance traveled by one sway is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also , what if a drunk person sways in only two directions left and right , </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and is on the x-axis ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>■In case of wobbing in 4 directions , click the check box [Plane movement].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>■In case of wobbing in 2 directions , click the check box [Linear movement].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the [ExperimentStart] button to start the drunk person&apos;s wobbling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (However , it takes time to start wobbling.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the [ExperimentStop] button to stop the drunk person&apos;s wobbling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(However , it takes time to stop wobbling.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the [Graph display] button to display the graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (However , in the case of 4-way wobbling , the horizontal axis is the distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between the position where the drunk person staggers 30 times and the origin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position where the drunk person staggers 30 times.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lurchfield＿Help（Questions and Operation method）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lurchfield</name>
    <message>
        <source>A random walk for the mathematics class</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Walker&apos;s x coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walker&apos;s y coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walker at x %1, y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Init</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of staggers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｘ＝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｙ＝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>th</source>
        <extracomment>Follows the trial number, as &quot;th&quot; in &quot;5th&quot;: an ordinal ending or a word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;It takes a little time ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiment Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiment Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plane movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial</source>
        <extracomment>The copied results&apos; header row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Number</source>
        <extracomment>Row title: the trials&apos; numbers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｘ coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial %1, x coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial %1, y coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trial %1, distance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XHistogramWindow</name>
    <message>
        <source>x %1</source>
        <extracomment>A bar of the x histogram, named by its final x coordinate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram of the final x coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Frecuency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Horizontal axis : x coordinate)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::SurfaceWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
