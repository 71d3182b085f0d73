<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>SavedGames</name>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
