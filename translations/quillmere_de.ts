<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>The arrow keys move between the tiles, Space places the tile, Delete removes it or brings it back, Tab goes to the clues.</source>
        <translation>Die Pfeiltasten wechseln zwischen den Plättchen, die Leertaste setzt das Plättchen, Entf entfernt es oder holt es zurück, Tab wechselt zu den Hinweisen.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Space hides the clue or shows it again.</source>
        <translation>Die Leertaste blendet den Hinweis aus oder wieder ein.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved.</source>
        <translation>Herzlichen Glückwunsch! Das Rätsel ist gelöst.</translation>
    </message>
    <message>
        <source>Clues about columns</source>
        <translation>Hinweise zu Spalten</translation>
    </message>
    <message>
        <source>Clues about order</source>
        <translation>Hinweise zur Reihenfolge</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Plättchen %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, placed</source>
        <translation>Spalte %1, %2: %3, gesetzt</translation>
    </message>
    <message>
        <source>Column %1, %2: %3</source>
        <translation>Spalte %1, %2: %3</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, removed</source>
        <translation>Spalte %1, %2: %3, entfernt</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, possible</source>
        <translation>Spalte %1, %2: %3, möglich</translation>
    </message>
    <message>
        <source>The %1 is directly next to the %2</source>
        <translation>%1 steht direkt neben %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 have one column between them, and the %3 is not in it</source>
        <translation>Zwischen %1 und %2 liegt eine Spalte, und %3 steht nicht darin</translation>
    </message>
    <message>
        <source>The %1 and the %2 are not in the same column</source>
        <translation>%1 und %2 stehen nicht in derselben Spalte</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (ausgeblendet)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The hint: what the clue or the step under the cursor says.</source>
        <translation>Der Tipp: was der Hinweis oder der Schritt unter dem Cursor besagt.</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Klicken, um den Spieler zu wechseln</translation>
    </message>
    <message>
        <source>Click to go to another puzzle</source>
        <translation>Klicken, um zu einem anderen Rätsel zu springen</translation>
    </message>
    <message>
        <source>How many squares are solved</source>
        <translation>Wie viele Felder gelöst sind</translation>
    </message>
    <message>
        <source>The game time; click to pause or go on</source>
        <translation>Die Spielzeit; klicken zum Anhalten oder Fortsetzen</translation>
    </message>
    <message>
        <source>Board size</source>
        <translation>Spielfeldgröße</translation>
    </message>
    <message>
        <source>The size of the board and how hard the puzzles are</source>
        <translation>Die Größe des Spielfelds und wie schwer die Rätsel sind</translation>
    </message>
    <message>
        <source>Clue zoom</source>
        <translation>Hinweis-Lupe</translation>
    </message>
    <message>
        <source>Tile zoom</source>
        <translation>Plättchen-Lupe</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Hint arrow</source>
        <translation>Tipp-Pfeil</translation>
    </message>
    <message>
        <source>Board &amp;Size ...</source>
        <translation>&amp;Spielfeldgröße ...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Divider: dragged, it sizes the panels</source>
        <translation>Trennbalken: Ziehen ändert die Größe der Bereiche</translation>
    </message>
    <message>
        <source>Information bar</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>%1, board %2</source>
        <translation>%1, Spielfeld %2</translation>
    </message>
    <message>
        <source>The puzzle starts again.</source>
        <translation>Das Rätsel beginnt von vorn.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved. %1</source>
        <translation>Herzlichen Glückwunsch! Das Rätsel ist gelöst. %1</translation>
    </message>
    <message>
        <source>The game is paused. Press P to go on.</source>
        <translation>Das Spiel ist angehalten. Drücken Sie P zum Fortsetzen.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>Das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>The arrow keys move between the clues, Space hides or shows one, the context menu key shows them all.</source>
        <translation>Die Pfeiltasten wechseln zwischen den Hinweisen, die Leertaste blendet einen aus oder ein, die Kontextmenütaste zeigt alle.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 possible again</source>
        <translation>%1 wieder möglich</translation>
    </message>
    <message>
        <source>%1 is placed in another column</source>
        <translation>%1 steht schon in einer anderen Spalte</translation>
    </message>
    <message>
        <source>Every clue is shown.</source>
        <translation>Alle Hinweise werden angezeigt.</translation>
    </message>
    <message>
        <source>Clue shown</source>
        <translation>Hinweis eingeblendet</translation>
    </message>
    <message>
        <source>Clue hidden</source>
        <translation>Hinweis ausgeblendet</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) added to the time.</source>
        <translation>
            <numerusform>%n Sekunde zur Zeit hinzugefügt.</numerusform>
            <numerusform>%n Sekunden zur Zeit hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Progress: %2.</source>
        <extracomment>The clock (&quot;Time: 0:01:05&quot; or &quot;Untimed&quot;) and the board&apos;s progress</extracomment>
        <translation>%1. Fortschritt: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a clue.</source>
        <translation>
            <numerusform>%1. Fortschritt: %2. Die letzte Strafzeit: %n Sekunde, für einen Hinweis.</numerusform>
            <numerusform>%1. Fortschritt: %2. Die letzte Strafzeit: %n Sekunden, für einen Hinweis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a mis-click.</source>
        <translation>
            <numerusform>%1. Fortschritt: %2. Die letzte Strafzeit: %n Sekunde, für einen Fehlklick.</numerusform>
            <numerusform>%1. Fortschritt: %2. Die letzte Strafzeit: %n Sekunden, für einen Fehlklick.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clue(s) name the %1: %2</source>
        <translation>
            <numerusform>%n Hinweis nennt das Plättchen %1: %2</numerusform>
            <numerusform>%n Hinweise nennen das Plättchen %1: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No clue names the %1.</source>
        <translation>Kein Hinweis nennt das Plättchen %1.</translation>
    </message>
</context>
<context>
    <name>BoardSizes</name>
    <message>
        <source>4 x 4 (Easiest)</source>
        <translation>4 x 4 (Sehr leicht)</translation>
    </message>
    <message>
        <source>5 x 5 (Easy)</source>
        <translation>5 x 5 (Leicht)</translation>
    </message>
    <message>
        <source>6 x 6 (Medium)</source>
        <translation>6 x 6 (Mittel)</translation>
    </message>
    <message>
        <source>8 x 8 (Hard)</source>
        <translation>8 x 8 (Schwer)</translation>
    </message>
    <message>
        <source>9 x 9 (Harder)</source>
        <translation>9 x 9 (Schwerer)</translation>
    </message>
    <message>
        <source>10 x 10 (Very Hard)</source>
        <translation>10 x 10 (Sehr schwer)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The board sizes: %1 all but the last, as &quot;4, 5, 6, 8, 9&quot;, and %2 the last, as &quot;10&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (siehe --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no name in the system&apos;s file name encoding</source>
        <translation>„%1“ ist kein Name in der Dateinamen-Kodierung des Systems</translation>
    </message>
    <message>
        <source>Quillmere, a logic puzzle of picture tiles.</source>
        <translation>Quillmere, ein Logikrätsel mit Bildplättchen.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe an und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and ends.</source>
        <translation>Zeigt die Version des Programms an und beendet sich.</translation>
    </message>
    <message>
        <source>Keeps the game&apos;s files (tiles/, sounds/, Players/, the players and score files) in DIR.</source>
        <extracomment>The names of the folders and files stay as they are</extracomment>
        <translation>Bewahrt die Dateien des Spiels (tiles/, sounds/, Players/, die Spielerliste und die Ergebnisdatei) in DIR auf.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value&apos;s name in the help</extracomment>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Opens puzzle K of size N (%1 and %2 to %3), such as 6:1234, which becomes the current player&apos;s number for that size.</source>
        <extracomment>%1 lists the board sizes, as &quot;4, 5, 6, 8, 9 or 10&quot;</extracomment>
        <translation>Öffnet Rätsel K der Größe N (N: %1; K: %2 bis %3), etwa 6:1234; K wird die aktuelle Nummer des Spielers für diese Größe.</translation>
    </message>
    <message>
        <source>N:K</source>
        <extracomment>The value&apos;s names in the help: N the size, K the number</extracomment>
        <translation>N:K</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--puzzle: %1</source>
        <translation>--puzzle: %1</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>der Datenordner „%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>der Datenordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot;.<byte value="xd"/>Please switch to its window.</source>
        <translation>Quillmere läuft bereits für den Datenordner „%1“.<byte value="xd"/>Bitte wechseln Sie zu seinem Fenster.</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_DATA_HOME is set, so there is no folder for the players&apos; records; set HOME, or give the game a folder of its own with --data-dir</source>
        <translation>weder HOME noch XDG_DATA_HOME ist gesetzt, daher gibt es keinen Ordner für die Daten der Spieler; setzen Sie HOME oder geben Sie dem Spiel mit --data-dir einen eigenen Ordner</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot; on the computer &quot;%2&quot;.<byte value="xd"/>If no game runs there any more, delete the file %3 and start again.</source>
        <translation>Quillmere läuft bereits für den Datenordner „%1“ auf dem Computer „%2“.<byte value="xd"/>Wenn dort kein Spiel mehr läuft, löschen Sie die Datei %3 und starten Sie erneut.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and has come to the front, but it could not open puzzle %2:%3 now: a dialog is open there, or another puzzle is being opened.<byte value="xd"/>Close the dialog and try again.</source>
        <translation>Quillmere läuft für den Datenordner „%1“ und ist nach vorn gekommen, konnte Rätsel %2:%3 aber jetzt nicht öffnen: Dort ist ein Dialog offen, oder ein anderes Rätsel wird gerade geöffnet.<byte value="xd"/>Schließen Sie den Dialog und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and refused puzzle %2:%3.</source>
        <translation>Quillmere läuft für den Datenordner „%1“ und hat Rätsel %2:%3 abgelehnt.</translation>
    </message>
    <message>
        <source>the socket %1 belongs to another user; nothing was sent</source>
        <translation>der Socket %1 gehört einem anderen Benutzer; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>the data folder cannot be locked (%1); a second game for it would not be noticed</source>
        <translation>der Datenordner kann nicht gesperrt werden (%1); ein zweites Spiel dafür würde nicht bemerkt</translation>
    </message>
    <message>
        <source>%1 was in the place of the lock %2, which no game held; it is taken over</source>
        <translation>An der Stelle der Sperre %2, die kein Spiel hielt, lag %1; sie wird übernommen</translation>
    </message>
    <message>
        <source>This copy of Quillmere cannot keep its records in its own folder %1, which cannot be written; it plays from its own pictures and keeps the records in %2.</source>
        <translation>Diese Kopie von Quillmere kann ihre Daten nicht in ihrem eigenen Ordner %1 ablegen, da er nicht beschreibbar ist; sie spielt mit ihren eigenen Bildern und legt die Daten in %2 ab.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>%1 ist für andere Benutzer offen</translation>
    </message>
    <message>
        <source>there is no folder for the socket that only this user can write</source>
        <translation>es gibt keinen Ordner für den Socket, den nur dieser Benutzer beschreiben kann</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)</source>
        <extracomment>In the hint pane; %1, %2 and %3 are the tiles&apos; pictures.</extracomment>
        <translation>%3 steht direkt zwischen %1 und %2 (die beiden äußeren Plättchen können vertauscht sein)</translation>
    </message>
    <message>
        <source>The %3 is directly between the %1 and the %2</source>
        <translation>%3 steht direkt zwischen %1 und %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 are both in the same column</source>
        <translation>%1 und %2 stehen in derselben Spalte</translation>
    </message>
    <message>
        <source>The %1 is not directly next to %2</source>
        <translation>%1 steht nicht direkt neben %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 and the %3 are all in the same column</source>
        <translation>%1, %2 und %3 stehen alle in derselben Spalte</translation>
    </message>
    <message>
        <source>The %1 is at least one column to the left of the %2</source>
        <translation>%1 steht mindestens eine Spalte links von %2</translation>
    </message>
    <message>
        <source>These tiles only occur in two places - all other tiles can be removed</source>
        <translation>Diese Plättchen kommen nur an zwei Stellen vor – alle anderen Plättchen können entfernt werden</translation>
    </message>
    <message>
        <source>Left click to select a tile, right click to remove a tile</source>
        <translation>Linksklick setzt ein Plättchen, Rechtsklick entfernt ein Plättchen</translation>
    </message>
    <message>
        <source>This clue is hidden - left click it to show it again</source>
        <translation>Dieser Hinweis ist ausgeblendet – ein Linksklick darauf zeigt ihn wieder</translation>
    </message>
    <message>
        <source> ... So this tile: %1 can be removed from column %2&apos;s %4</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Also kann dieses Plättchen: %1 aus Spalte %2 (%3) entfernt werden</translation>
    </message>
    <message>
        <source> ... So this tile: %1 belongs in column %2</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Also gehört dieses Plättchen: %1 in Spalte %2</translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <source>the file ends after %1 of the %2 bytes its header announces</source>
        <translation>die Datei endet nach %1 der %2 Bytes, die ihr Kopf ankündigt</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 x %3 a tile may have</source>
        <translation>das Bild hat %1 x %2 Pixel, mehr als die %3 x %3, die ein Plättchen haben darf</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds %2 of the %3 tile pictures (*.bmp) it needs.</source>
        <translation>Der Ordner „%1“ enthält %2 der %3 Plättchenbilder (*.bmp), die er braucht.</translation>
    </message>
    <message>
        <source>The tile picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Das Plättchenbild „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language, as the options&apos; language list shows it: &quot;Deutsch&quot;, &quot;Français&quot;.</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>the build recorded no digest for it</source>
        <translation>der Build hat keine Prüfsumme dafür festgehalten</translation>
    </message>
    <message>
        <source>it is damaged: its digest is not the one the build recorded</source>
        <translation>sie ist beschädigt: Ihre Prüfsumme ist nicht die, die der Build festgehalten hat</translation>
    </message>
    <message>
        <source>the translation %1 is not loaded: %2</source>
        <translation>die Übersetzung %1 wird nicht geladen: %2</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Ihr Spiel ist ANGEHALTEN</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>HERZLICHEN GLÜCKWUNSCH!</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Zum Fortsetzen hier klicken</translation>
    </message>
    <message>
        <source>Puzzle No. %1</source>
        <translation>Rätsel Nr. %1</translation>
    </message>
    <message>
        <source>Quillmere - Logic Challenge</source>
        <translation>Quillmere – Logikrätsel</translation>
    </message>
    <message>
        <source>Not all images found - the program must close.<byte value="xd"/>%1<byte value="xd"/>Please refer to the troubleshooting section of the user guide.</source>
        <translation>Nicht alle Bilder gefunden – das Programm muss beendet werden.<byte value="xd"/>%1<byte value="xd"/>Bitte lesen Sie den Abschnitt „Fehlerbehebung“ in der Spielanleitung.</translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation>&amp;Gespeichertes Spiel öffnen</translation>
    </message>
    <message>
        <source>Open a saved puzzle</source>
        <translation>Ein gespeichertes Rätsel öffnen</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <translation>Aktuelles Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Print / Export Puzzle...</source>
        <translation>Rätsel &amp;drucken / exportieren...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Toolbar button: saves the game and pauses it</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save this puzzle</source>
        <translation>Dieses Rätsel speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>Next puzzle</source>
        <translation>Nächstes Rätsel</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Previous puzzle</source>
        <translation>Vorheriges Rätsel</translation>
    </message>
    <message>
        <source>Go to Puzzle ...</source>
        <translation>Gehe zu Rätsel ...</translation>
    </message>
    <message>
        <source>&amp;Jump to Random Puzzle</source>
        <translation>&amp;Zufälliges Rätsel</translation>
    </message>
    <message>
        <source>Puzzle of the &amp;Day</source>
        <translation>Rätsel des &amp;Tages</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Neu sta&amp;rten</translation>
    </message>
    <message>
        <source>Restart this puzzle</source>
        <translation>Dieses Rätsel neu starten</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause / Unpause</source>
        <translation>Anhalten / Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Create New Player</source>
        <translation>&amp;Neuen Spieler anlegen</translation>
    </message>
    <message>
        <source>&amp;Switch to Player</source>
        <translation>Spieler &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>Spieler &amp;löschen</translation>
    </message>
    <message>
        <source>Show &amp;High Scores</source>
        <translation>&amp;Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Optimale Größe</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Timed Game</source>
        <translation>&amp;Auf Zeit spielen</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>&amp;Tipps anzeigen</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Tipps anzeigen</translation>
    </message>
    <message>
        <source>Give me a clue!</source>
        <translation>Gib mir einen Hinweis!</translation>
    </message>
    <message>
        <source>&amp;Zoom Small Tiles</source>
        <translation>Kleine Plättchen &amp;vergrößern</translation>
    </message>
    <message>
        <source>Zoom tiles</source>
        <translation>Plättchen vergrößern</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Optionen ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Quillmere Help</source>
        <translation>&amp;Quillmere-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;Über Quillmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Rätsel</translation>
    </message>
    <message>
        <source>P&amp;layers</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Difficulty level</source>
        <translation>Schwierigkeitsstufe</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Information bar: the player&apos;s name goes here</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Puzzle No. x</source>
        <extracomment>Information bar: the puzzle&apos;s number goes here</extracomment>
        <translation>Rätsel Nr. x</translation>
    </message>
    <message>
        <source>Solution</source>
        <extracomment>Information bar: how much of the board is solved goes here</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Information bar: the clock goes here</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Click to go to a puzzle</source>
        <translation>Klicken, um zu einem Rätsel zu springen</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Klicken, um den Spieler zu wechseln</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>Clue panel&apos;s menu: shows every hidden clue again</extracomment>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <extracomment>The save dialog&apos;s file types; the patterns in brackets and the &quot;;;&quot; between types stay as they are</extracomment>
        <translation>PDF-Dokument (*.pdf);;SVG-Bild (*.svg);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Print the solution too, on a page of its own?</source>
        <translation>Die Lösung auf einer eigenen Seite mitdrucken?</translation>
    </message>
    <message>
        <source>The puzzle could not be printed:<byte value="xd"/>%1</source>
        <translation>Das Rätsel konnte nicht gedruckt werden:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1<byte value="xd"/>Its solution was written to:<byte value="xd"/>%2</source>
        <translation>Das Rätsel wurde gespeichert unter:<byte value="xd"/>%1<byte value="xd"/>Seine Lösung wurde gespeichert unter:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The puzzle and its solution were written to:<byte value="xd"/>%1</source>
        <translation>Das Rätsel und seine Lösung wurden gespeichert unter:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1</source>
        <translation>Das Rätsel wurde gespeichert unter:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Player&apos;s &amp;Guide</source>
        <translation>Spiel&amp;anleitung</translation>
    </message>
    <message>
        <source>Read Out &amp;Time and Progress</source>
        <translation>&amp;Zeit und Fortschritt vorlesen</translation>
    </message>
    <message>
        <source>Move Divider &amp;Left</source>
        <translation>Trennlinie nach &amp;links</translation>
    </message>
    <message>
        <source>Move Divider &amp;Right</source>
        <translation>Trennlinie nach &amp;rechts</translation>
    </message>
    <message>
        <source>Move Divider &amp;Up</source>
        <translation>Trennlinie nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Divider &amp;Down</source>
        <translation>Trennlinie nach &amp;unten</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message numerus="yes">
        <source>Time Penalty for Clues: +%n Seconds</source>
        <translation>
            <numerusform>Strafzeit für Hinweise: +%n Sekunde</numerusform>
            <numerusform>Strafzeit für Hinweise: +%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time Penalty for Mis-Clicks: +%n Seconds</source>
        <translation>
            <numerusform>Strafzeit für Fehlklicks: +%n Sekunde</numerusform>
            <numerusform>Strafzeit für Fehlklicks: +%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>A player name cannot contain &quot;%1&quot;.</source>
        <translation>Ein Spielername darf „%1“ nicht enthalten.</translation>
    </message>
    <message>
        <source>A player name cannot be empty.</source>
        <translation>Ein Spielername darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A player name cannot contain control characters.</source>
        <translation>Ein Spielername darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A player name cannot begin or end with a blank.</source>
        <translation>Ein Spielername darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;%1&quot;.</source>
        <translation>Ein Spielername darf nicht mit „%1“ beginnen.</translation>
    </message>
    <message>
        <source>A player name cannot contain characters that change the writing direction.</source>
        <translation>Ein Spielername darf keine Zeichen enthalten, die die Schreibrichtung ändern.</translation>
    </message>
    <message>
        <source>A player name needs at least one visible character.</source>
        <translation>Ein Spielername braucht mindestens ein sichtbares Zeichen.</translation>
    </message>
    <message>
        <source>A player name cannot be longer than %1 bytes (this one has %2): it names the player&apos;s files.</source>
        <translation>Ein Spielername darf nicht länger als %1 Bytes sein (dieser hat %2), denn nach ihm werden die Dateien des Spielers benannt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>A refused player&apos;s name and why; the list joins them with commas.</extracomment>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>The players file %1 names players that cannot be used: %2.<byte value="xd"/>They are left out; the current player is &quot;%3&quot;.</source>
        <translation>Die Spielerliste %1 nennt Spieler, die nicht verwendet werden können: %2.<byte value="xd"/>Sie werden ausgelassen; der aktuelle Spieler ist „%3“.</translation>
    </message>
</context>
<context>
    <name>PrintTool</name>
    <message>
        <source>usage: quillmere-print --size N --number K [--difficulty D] [--solution]
                       [--data-dir DIR] --output FILE
       quillmere-print --version
Writes the puzzle as a printable A4 page: its name, the board&apos;s candidate
grids to pencil on and both clue lists; --solution adds the solution.
FILE ending in .pdf: a PDF (the solution on page 2); .svg or .png: one
picture per page, the solution page in NAME-solution.svg or .png beside FILE
(PNG pages at 192 dots per inch).
</source>
        <translation>Aufruf: quillmere-print --size N --number K [--difficulty D] [--solution]
                        [--data-dir DIR] --output FILE
        quillmere-print --version
Schreibt das Rätsel als druckbare A4-Seite: seinen Namen, die Kandidaten
jedes Feldes zum Abstreichen mit dem Bleistift und beide Hinweislisten;
--solution fügt die Lösung hinzu. FILE mit der Endung .pdf: ein PDF (die
Lösung auf Seite 2); .svg oder .png: ein Bild pro Seite, die Lösungsseite
in NAME-solution.svg oder .png neben FILE (PNG-Seiten mit 192 dpi).
</translation>
    </message>
    <message>
        <source>The tile pictures come from DIR/tiles, else the program&apos;s own folder,
else ../share/quillmere beside it.
</source>
        <translation>Die Plättchenbilder stammen aus DIR/tiles, sonst aus dem Ordner des
Programms, sonst aus ../share/quillmere daneben.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>%1 braucht eine ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no name in the system&apos;s file name encoding</source>
        <translation>%1: „%2“ ist kein Name in der Dateinamen-Kodierung des Systems</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; (try --help)</source>
        <translation>unbekanntes Argument „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>--size, --number and --output are needed (try --help)</source>
        <translation>--size, --number und --output sind nötig (siehe --help)</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>der Datenordner „%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>der Datenordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>the output file&apos;s name must end in .pdf, .svg or .png, not &quot;%1&quot;</source>
        <translation>der Name der Ausgabedatei muss auf .pdf, .svg oder .png enden, nicht „%1“</translation>
    </message>
    <message>
        <source>N is one of %1; K is %2..%3; D is 0..10 (default 5).</source>
        <translation>N ist eine der Größen %1; K ist %2..%3; D ist 0..10 (Standard: 5).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 x %1 No. %2, difficulty %3</source>
        <extracomment>A printed puzzle&apos;s title: board size (as &quot;6 x 6&quot;), puzzle number, difficulty</extracomment>
        <translation>%1 x %1 Nr. %2, Schwierigkeitsgrad %3</translation>
    </message>
    <message>
        <source>Horizontal clues</source>
        <translation>Waagrechte Hinweise</translation>
    </message>
    <message>
        <source>Vertical clues</source>
        <translation>Senkrechte Hinweise</translation>
    </message>
    <message>
        <source>Solution: %1</source>
        <translation>Lösung: %1</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the name must end in .pdf, .svg or .png</source>
        <translation>„%1“ kann nicht geschrieben werden: Der Name muss auf .pdf, .svg oder .png enden</translation>
    </message>
    <message>
        <source>cannot draw &quot;%1&quot;</source>
        <translation>„%1“ kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: it is a link, and nothing is written through a link</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist eine Verknüpfung, und durch eine Verknüpfung wird nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>PuzzleRequest</name>
    <message>
        <source>the puzzle must be given as size:number, such as 6:1234, not &quot;%1&quot;</source>
        <translation>das Rätsel muss als Größe:Nummer angegeben werden, etwa 6:1234, nicht „%1“</translation>
    </message>
    <message>
        <source>the size must be one of %1</source>
        <translation>die Größe muss eine von %1 sein</translation>
    </message>
    <message>
        <source>the puzzle number must be %1 to %2</source>
        <translation>die Rätselnummer muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>the difficulty must be 0 to 10</source>
        <translation>die Schwierigkeit muss zwischen 0 und 10 liegen</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A file size in megabytes.</extracomment>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>die Datei enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file as it was could not be kept as %2</source>
        <translation>%1 kann nicht geschrieben werden: Die bisherige Datei konnte nicht als %2 aufbewahrt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1: its content could not be put together</source>
        <translation>%1 kann nicht geschrieben werden: Der Inhalt konnte nicht zusammengestellt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>die Datei ist größer als %1&#xa0;MB</translation>
    </message>
    <message>
        <source>The profile %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>Das Profil %1 konnte nicht gelesen werden (%2); es gelten die Voreinstellungen. Beim nächsten Schreiben wird die Datei als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>Die Spielerliste %1 konnte nicht gelesen werden (%2); es gelten die Voreinstellungen. Beim nächsten Schreiben wird die Datei als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The profile %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>Das Profil %1 konnte nicht vollständig gelesen werden (%2). Was gelesen werden konnte, wird verwendet; beim nächsten Schreiben wird die Datei in ihrem bisherigen Zustand als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>Die Spielerliste %1 konnte nicht vollständig gelesen werden (%2). Was gelesen werden konnte, wird verwendet; beim nächsten Schreiben wird die Datei in ihrem bisherigen Zustand als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The switch &quot;Show Splash Screen at Startup&quot; could not be stored in %1 (%2).</source>
        <extracomment>The switch&apos;s name is the one in the Options dialog.</extracomment>
        <translation>Die Einstellung „Startbildschirm anzeigen“ konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Unable to write the profile of &quot;%1&quot;: %2</source>
        <translation>Das Profil von „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There is no folder for the records</source>
        <translation>Es gibt keinen Ordner für die Daten</translation>
    </message>
    <message>
        <source>it is a link, and nothing is written through a link</source>
        <translation>es ist eine Verknüpfung, und durch eine Verknüpfung wird nichts geschrieben</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>%1 is a link or a folder and cannot be removed: %2</source>
        <translation>%1 ist eine Verknüpfung oder ein Ordner und kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file and cannot be removed</source>
        <translation>%1 ist keine gewöhnliche Datei und kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>%1 belongs to another user and cannot be removed</source>
        <translation>%1 gehört einem anderen Benutzer und kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>another user&apos;s file</source>
        <translation>die Datei eines anderen Benutzers</translation>
    </message>
    <message>
        <source>a lock left by a game on the computer &quot;%1&quot;</source>
        <translation>eine Sperre, die ein Spiel auf dem Computer „%1“ hinterlassen hat</translation>
    </message>
    <message>
        <source>%1 keeps changing</source>
        <translation>%1 ändert sich ständig</translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message>
        <source>a line follows the last of the clues that &quot;vclues&quot; counts</source>
        <translation>auf den letzten der Hinweise, die „vclues“ zählt, folgt noch eine Zeile</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, field &quot;%2&quot;: %3</source>
        <translation>Zeile %1, Feld „%2“: %3</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <extracomment>%1 is what was due: the header, square 3 of 16, the &quot;hclues&quot; line, horizontal clue 2 of 9.</extracomment>
        <translation>die Datei endet, wo %1 stehen sollte</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>das Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>the header</source>
        <extracomment>Said where the file ends early: &quot;the file ends where the header should be&quot;.</extracomment>
        <translation>der Dateikopf</translation>
    </message>
    <message>
        <source>%1 is not a board size (%2)</source>
        <translation>%1 ist keine Spielfeldgröße (%2)</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 liegt außerhalb von %2..%3</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 ist negativ</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation>
            <numerusform>%n Sekunde ist mehr, als die Uhr anzeigen kann (99:59:59)</numerusform>
            <numerusform>%n Sekunden sind mehr, als die Uhr anzeigen kann (99:59:59)</numerusform>
        </translation>
    </message>
    <message>
        <source>square %1 of %2</source>
        <translation>Feld %1 von %2</translation>
    </message>
    <message>
        <source>%1 is outside 1..%2</source>
        <translation>%1 liegt außerhalb von 1..%2</translation>
    </message>
    <message>
        <source>tile %1 stands twice in row %2</source>
        <translation>Plättchen %1 steht zweimal in Zeile %2</translation>
    </message>
    <message>
        <source>%1 is not %2, the picture of tile %3 in row %4</source>
        <translation>%1 ist nicht %2, das Bild von Plättchen %3 in Zeile %4</translation>
    </message>
    <message>
        <source>a solved square holds its own tile %1 and nothing else</source>
        <translation>ein gelöstes Feld enthält sein eigenes Plättchen %1 und sonst nichts</translation>
    </message>
    <message>
        <source>the square&apos;s own tile %1 is not among its candidates</source>
        <translation>das eigene Plättchen %1 des Feldes ist nicht unter seinen Kandidaten</translation>
    </message>
    <message>
        <source>%1, but %2 squares are solved</source>
        <translation>%1, aber %2 Felder sind gelöst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a candidate entry n=n</source>
        <translation>„%1“ ist kein Kandidateneintrag n=n</translation>
    </message>
    <message>
        <source>candidate %1 is outside 1..%2</source>
        <translation>Kandidat %1 liegt außerhalb von 1..%2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line</source>
        <translation>die Zeile „%1“</translation>
    </message>
    <message>
        <source>a clue line stands where the &quot;%1&quot; line should be</source>
        <translation>eine Hinweiszeile steht, wo die Zeile „%1“ stehen sollte</translation>
    </message>
    <message>
        <source>vertical clue %1 of %2</source>
        <translation>senkrechter Hinweis %1 von %2</translation>
    </message>
    <message>
        <source>horizontal clue %1 of %2</source>
        <translation>waagrechter Hinweis %1 von %2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where vertical clue %2 of %3 should be</source>
        <translation>die Zeile „%1“ steht, wo senkrechter Hinweis %2 von %3 stehen sollte</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where horizontal clue %2 of %3 should be</source>
        <translation>die Zeile „%1“ steht, wo waagrechter Hinweis %2 von %3 stehen sollte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of clue</source>
        <translation>„%1“ ist keine Hinweisart</translation>
    </message>
    <message>
        <source>%1 is not a vertical clue</source>
        <translation>%1 ist kein senkrechter Hinweis</translation>
    </message>
    <message>
        <source>%1 is not a horizontal clue</source>
        <translation>%1 ist kein waagrechter Hinweis</translation>
    </message>
    <message>
        <source>the clue is false for the board&apos;s solution</source>
        <translation>der Hinweis trifft auf die Lösung des Spielfelds nicht zu</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>line %1, field &quot;localindex&quot;: puzzle No. %2 at %3 x %3 has tile %4 in this square, not %5</source>
        <translation>Zeile %1, Feld &quot;localindex&quot;: Rätsel Nr. %2 in %3 x %3 hat in diesem Feld das Plättchen %4, nicht %5</translation>
    </message>
    <message>
        <source>the clues are not those of puzzle No. %1 at %2 x %2</source>
        <translation>die Hinweise sind nicht die von Rätsel Nr. %1 in %2 x %2</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>das Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>the field &quot;player&quot; is missing</source>
        <translation>das Feld „player“ fehlt</translation>
    </message>
    <message>
        <source>The score file %1 could not be opened (%2); the scores of this run are not kept.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht geöffnet werden (%2); die Ergebnisse dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</source>
        <translation>
            <numerusform>Die Ergebnisdatei %1 enthält %n Zeile, die nicht gelesen werden konnte; sie bleibt unverändert erhalten. Sie lautet:</numerusform>
            <numerusform>Die Ergebnisdatei %1 enthält %n Zeilen, die nicht gelesen werden konnten; sie bleiben unverändert erhalten. Die erste:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</source>
        <translation>
            <numerusform>Die Ergebnisdatei %1 enthält %n Zeile, die nicht gelesen werden konnte; sie fehlt in der Liste und wird in %2 aufbewahrt. Sie lautet:</numerusform>
            <numerusform>Die Ergebnisdatei %1 enthält %n Zeilen, die nicht gelesen werden konnten; sie fehlen in der Liste und werden in %2 aufbewahrt. Die erste:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The score table&apos;s column headings.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Mis-Clicks</source>
        <translation>Fehlklicks</translation>
    </message>
    <message>
        <source>Clues</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores are kept and written again at the next change and when the game ends.</source>
        <translation><byte value="xd"/>Die Ergebnisse bleiben erhalten und werden bei der nächsten Änderung und am Spielende neu geschrieben.</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores of this run could not be kept.</source>
        <translation><byte value="xd"/>Die Ergebnisse dieser Sitzung konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>%1 (%2%) complete</source>
        <extracomment>The squares solved and their share of the board, as &quot;12 (33.3%) complete&quot;</extracomment>
        <translation>%1 (%2&#xa0;%) gelöst</translation>
    </message>
    <message>
        <source>Untimed</source>
        <translation>Ohne Zeitmessung</translation>
    </message>
    <message>
        <source>Time: %1:%2:%3</source>
        <extracomment>The clock: hours, minutes and seconds</extracomment>
        <translation>Zeit: %1:%2:%3</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.<byte value="xd"/>The players&apos; progress and saved games cannot be kept.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.<byte value="xd"/>Fortschritt und gespeicherte Spiele der Spieler können nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Enter Puzzle Number</source>
        <translation>Rätselnummer eingeben</translation>
    </message>
    <message>
        <source>Enter a value between %1 and %2</source>
        <translation>Geben Sie eine Zahl zwischen %1 und %2 ein</translation>
    </message>
    <message>
        <source>Sorry, that is the wrong choice!</source>
        <translation>Tut mir leid, das ist die falsche Wahl!</translation>
    </message>
    <message>
        <source>Do you want to save this game?</source>
        <translation>Möchten Sie dieses Spiel speichern?</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Ihr Spiel wurde gespeichert</translation>
    </message>
    <message>
        <source>Could not save your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>Ihr Spiel konnte nicht gespeichert werden!<byte value="xd"/>Bitte schlagen Sie diese Meldung in der Anleitung nach:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Quillmere Saved Game (*.sav)</source>
        <extracomment>The open dialog&apos;s file type; &quot;(*.sav)&quot; stays as it is</extracomment>
        <translation>Gespeichertes Quillmere-Spiel (*.sav)</translation>
    </message>
    <message>
        <source>Could not load your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>Ihr Spiel konnte nicht geladen werden!<byte value="xd"/>Bitte schlagen Sie diese Meldung in der Anleitung nach:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Your game has been loaded</source>
        <translation>Ihr Spiel wurde geladen</translation>
    </message>
    <message>
        <source>There is already a player called &quot;%1&quot;; please choose another name.</source>
        <translation>Es gibt bereits einen Spieler namens „%1“; bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current player &quot;%1&quot; from the game?<byte value="xd"/>Their saved games are deleted with them.</source>
        <translation>Möchten Sie den aktuellen Spieler „%1“ wirklich aus dem Spiel löschen?<byte value="xd"/>Die gespeicherten Spiele dieses Spielers werden mitgelöscht.</translation>
    </message>
    <message>
        <source>Unable to delete the saved games %1.</source>
        <translation>Die gespeicherten Spiele %1 können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The clues give no further step here, so this clue costs nothing.</source>
        <translation>Die Hinweise ergeben hier keinen weiteren Schritt; das kostet nichts.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>It is not a WAV file.</source>
        <translation>Es ist keine WAV-Datei.</translation>
    </message>
    <message>
        <source>The file ends inside its &quot;%1&quot; part.</source>
        <translation>Die Datei endet mitten in ihrem Abschnitt „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation>
            <numerusform>Der Klang würde bei %1&#xa0;Hz %n Sekunde dauern; ein Spielklang darf höchstens %2 Sekunden dauern.</numerusform>
            <numerusform>Der Klang würde bei %1&#xa0;Hz %n Sekunden dauern; ein Spielklang darf höchstens %2 Sekunden dauern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht abgespielt werden. %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmere</source>
        <translation>Über Quillmere</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Titelbild</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Quillmere Help</source>
        <translation>Quillmere-Hilfe</translation>
    </message>
    <message>
        <source>Find the Player&apos;s Guide, help, hints and how to play at</source>
        <translation>Spielanleitung, Hilfe, Tipps und Spielregeln finden Sie unter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Ihr Spiel ist ANGEHALTEN</translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>New Player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Click the headings to sort</source>
        <translation>Zum Sortieren auf die Überschriften klicken</translation>
    </message>
    <message>
        <source>Hi Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all your scores?</source>
        <translation>Möchten Sie wirklich alle Ihre Ergebnisse löschen?</translation>
    </message>
    <message>
        <source>Erase My Scores</source>
        <translation>Meine Punkte löschen</translation>
    </message>
    <message>
        <source>Space sorts the scores by the current cell&apos;s column</source>
        <translation>Die Leertaste sortiert die Punkte nach der Spalte der aktuellen Zelle</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Auf Zeit spielen</translation>
    </message>
    <message>
        <source>Play Sound Effects </source>
        <translation>Soundeffekte </translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Tipps anzeigen</translation>
    </message>
    <message>
        <source>Zoom Small Tiles</source>
        <translation>Plättchen vergrößern</translation>
    </message>
    <message>
        <source>Animation on Completion of Puzzle</source>
        <translation>Animation beim Lösen des Rätsels</translation>
    </message>
    <message>
        <source>Show Splash Screen at Startup</source>
        <translation>Startbildschirm anzeigen</translation>
    </message>
    <message>
        <source>Difficulty Setting</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Easier</source>
        <translation>Leichter</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Schwerer</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>Quillmere speaks the new language from its next start.</source>
        <translation>Quillmere spricht die neue Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>SplashForm</source>
        <extracomment>The splash window&apos;s title bar shows its own name.</extracomment>
        <translation>Startbildschirm</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Spielen!</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Titelbild</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>All sizes</source>
        <translation>Alle Größen</translation>
    </message>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation>
            <numerusform>%n Ergebnis: Punktzahl nach Spielfeldgröße</numerusform>
            <numerusform>Die letzten %n Ergebnisse, älteste zuerst: Punktzahl nach Spielfeldgröße</numerusform>
        </translation>
    </message>
    <message>
        <source>No completed puzzles yet</source>
        <translation>Noch keine gelösten Rätsel</translation>
    </message>
    <message>
        <source>highest: %1 points</source>
        <extracomment>Over the bars: the highest score among them.</extracomment>
        <translation>höchste: %1 Punkte</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <extracomment>The statistics table&apos;s column headings.</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Median Time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Mis-Clicks per Puzzle</source>
        <translation>Fehlklicks pro Rätsel</translation>
    </message>
    <message>
        <source>Clues per Puzzle</source>
        <translation>Hinweise pro Rätsel</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>Statistik von %1</translation>
    </message>
    <message>
        <source>Times count only timed games. With an even number of times the median is the mean of the middle two.</source>
        <translation>Bei den Zeiten zählen nur Spiele auf Zeit. Bei einer geraden Anzahl von Zeiten ist die mittlere Zeit (Median) der Mittelwert der beiden mittleren.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Chart of the last results</source>
        <translation>Diagramm der letzten Ergebnisse</translation>
    </message>
    <message>
        <source>%1 x %1: %2 points</source>
        <extracomment>One bar of the results chart in words: the board size and the score</extracomment>
        <translation>%1 x %1: %2 Punkte</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s), oldest first: %1</source>
        <translation>
            <numerusform>%n Ergebnis, das älteste zuerst: %1</numerusform>
            <numerusform>%n Ergebnisse, das älteste zuerst: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tiles</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Obst</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Vegetables</source>
        <translation>Gemüse</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Eggplant</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Chili</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Kartoffel</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Zwiebel</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Gurke</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Fahrzeuge</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Rugby ball</source>
        <translation>Rugbyball</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tischtennis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <translation>Boxhandschuh</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>Eishockey</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <translation>Schlittschuh</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
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
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Droplet</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Sea life</source>
        <translation>Meerestiere</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Tropenfisch</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Wal</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>Muschel</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Garnele</translation>
    </message>
    <message>
        <source>Blowfish</source>
        <translation>Kugelfisch</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Robbe</translation>
    </message>
    <message>
        <source>Treats</source>
        <translation>Leckereien</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Hot dog</source>
        <translation>Hotdog</translation>
    </message>
    <message>
        <source>Fries</source>
        <translation>Pommes</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lutscher</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Pflanzen</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Klee</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Blüte</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <translation>Topfpflanze</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tap removes</source>
        <translation>Tippen entfernt</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>The address of this puzzle is copied.</source>
        <translation>Die Adresse dieses Rätsels ist kopiert.</translation>
    </message>
    <message>
        <source>Copy the address of this puzzle: %1</source>
        <translation>Kopieren Sie die Adresse dieses Rätsels: %1</translation>
    </message>
    <message>
        <source>The address %1 opens no puzzle: %2</source>
        <translation>Die Adresse %1 öffnet kein Rätsel: %2</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page here (private mode or storage turned off): scores and games last only while it is open.</source>
        <translation>Der Browser speichert für diese Seite hier nichts (privater Modus oder Speicher abgeschaltet): Ergebnisse und Spiele bleiben nur erhalten, solange sie geöffnet ist.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage for this page is full: the latest records are kept only while the page is open.</source>
        <translation>Der Speicher des Browsers für diese Seite ist voll: Die neuesten Daten bleiben nur erhalten, solange die Seite geöffnet ist.</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is kept aside as %2: %3</source>
        <translation>Der gespeicherte Eintrag %1 konnte nicht gelesen werden und wird als %2 aufbewahrt: %3</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is left as it is: %2</source>
        <translation>Der gespeicherte Eintrag %1 konnte nicht gelesen werden und bleibt unverändert: %2</translation>
    </message>
    <message>
        <source>it is not valid JSON</source>
        <translation>es ist kein gültiges JSON</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; holds no valid value</source>
        <translation>das Feld „%1“ enthält keinen gültigen Wert</translation>
    </message>
    <message>
        <source>The file %1 is too big to be a saved game (%2 bytes; at most %3).</source>
        <translation>Die Datei %1 ist zu groß für ein gespeichertes Spiel (%2 Bytes; höchstens %3).</translation>
    </message>
</context>
<context>
    <name>WindowLinks</name>
    <message>
        <source>No web browser or other program to open this link was found:<byte value="xd"/>%1<byte value="xd"/>Please open it in a web browser yourself.</source>
        <translation>Es wurde kein Webbrowser oder anderes Programm gefunden, das diesen Link öffnen kann:<byte value="xd"/>%1<byte value="xd"/>Bitte öffnen Sie ihn selbst in einem Webbrowser.</translation>
    </message>
    <message>
        <source>With thanks to %1</source>
        <extracomment>%1 is the donation page&apos;s site, e.g. example.org.</extracomment>
        <translation>Mit Dank an %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here</source>
        <translation>Wenn Ihnen Quillmere Spaß macht, freuen wir uns über eine Spende per PayPal – einfach hier klicken</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License,
version 3 or later, with no warranty</source>
        <translation>Freie Software unter der GNU General Public License,
Version 3 oder später, ohne jede Gewährleistung</translation>
    </message>
</context>
</TS>
