<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Experiment</name>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation>
            <numerusform>Experiment complete, %n trial, average distance %1.</numerusform>
            <numerusform>Experiment complete, %n trials, average distance %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation>
            <numerusform>Experiment complete, %n trial.</numerusform>
            <numerusform>Experiment complete, %n trials.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation>
            <numerusform>%1: %n trial</numerusform>
            <numerusform>%1: %n trials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation>
            <numerusform>%1: %n trial, expected %2</numerusform>
            <numerusform>%1: %n trials, expected %2</numerusform>
        </translation>
    </message>
</context>
</TS>
