<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%n second(s) added to the time.</source>
        <translation>
            <numerusform>%n second added to the time.</numerusform>
            <numerusform>%n seconds added to the time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a clue.</source>
        <translation>
            <numerusform>%1. Progress: %2. The last penalty: %n second, for a clue.</numerusform>
            <numerusform>%1. Progress: %2. The last penalty: %n seconds, for a clue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a mis-click.</source>
        <translation>
            <numerusform>%1. Progress: %2. The last penalty: %n second, for a mis-click.</numerusform>
            <numerusform>%1. Progress: %2. The last penalty: %n seconds, for a mis-click.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clue(s) name the %1: %2</source>
        <translation>
            <numerusform>%n clue names the %1: %2</numerusform>
            <numerusform>%n clues name the %1: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message numerus="yes">
        <source>Time Penalty for Clues: +%n Seconds</source>
        <translation>
            <numerusform>Time Penalty for Clues: +%n Second</numerusform>
            <numerusform>Time Penalty for Clues: +%n Seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time Penalty for Mis-Clicks: +%n Seconds</source>
        <translation>
            <numerusform>Time Penalty for Mis-Clicks: +%n Second</numerusform>
            <numerusform>Time Penalty for Mis-Clicks: +%n Seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation>
            <numerusform>%n second is more than the clock shows (99:59:59)</numerusform>
            <numerusform>%n seconds are more than the clock shows (99:59:59)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</source>
        <translation>
            <numerusform>The score file %1 has a line that could not be read; it is kept as it is:</numerusform>
            <numerusform>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</source>
        <translation>
            <numerusform>The score file %1 has a line that could not be read; it is left out of the table and kept in %2:</numerusform>
            <numerusform>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation>
            <numerusform>It would play for %n second at %1 Hz; a game sound may last at most %2.</numerusform>
            <numerusform>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation>
            <numerusform>Last result: score by board size</numerusform>
            <numerusform>Last %n results, oldest first: score by board size</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s), oldest first: %1</source>
        <translation>
            <numerusform>%n result, oldest first: %1</numerusform>
            <numerusform>%n results, oldest first: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
