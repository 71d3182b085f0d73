<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardSizes</name>
    <message>
        <source>4 x 4 (Easiest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 x 5 (Easy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 x 6 (Medium)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 x 8 (Hard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 x 9 (Harder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 x 10 (Very Hard)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 (try --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no name in the system&apos;s file name encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere, a logic puzzle of picture tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the game&apos;s files (tiles/, sounds/, Players/, the players and score files) in DIR.</source>
        <extracomment>The names of the folders and files stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value&apos;s name in the help</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens puzzle K of size N (%1 and %2 to %3), such as 6:1234, which becomes the current player&apos;s number for that size.</source>
        <extracomment>%1 lists the board sizes, as &quot;4, 5, 6, 8, 9 or 10&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N:K</source>
        <extracomment>The value&apos;s names in the help: N the size, K the number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--puzzle: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game is already running for the data folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot;.<byte value="xd"/>Please switch to its window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)</source>
        <extracomment>In the hint pane; %1, %2 and %3 are the tiles&apos; pictures.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %3 is directly between the %1 and the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 and the %2 are both in the same column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is not directly next to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 and the %2 and the %3 are all in the same column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is at least one column to the left of the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These tiles only occur in two places - all other tiles can be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click to select a tile, right click to remove a tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This clue is hidden - click either button to restore it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ... So this tile: %1 can be removed from this group</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank; %1 is the tile&apos;s picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ... So this tile: %1 belongs in this square</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank; %1 is the tile&apos;s picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <source>the file ends after %1 of the %2 bytes its header announces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 x %3 a tile may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds %2 of the %3 tile pictures (*.bmp) it needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile picture &quot;%1&quot; cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language, as the options&apos; language list shows it: &quot;Deutsch&quot;, &quot;Français&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Logic Challenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all images found - the program must close.<byte value="xd"/>%1<byte value="xd"/>Please refer to the troubleshooting section of the user guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a saved puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print / Export Puzzle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Toolbar button: saves the game and pauses it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Puzzle ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jump to Random Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle of the &amp;Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart this puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause / Unpause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create New Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Switch to Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timed Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give me a clue!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom Small Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quillmere Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Information bar: the player&apos;s name goes here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle No. x</source>
        <extracomment>Information bar: the puzzle&apos;s number goes here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <extracomment>Information bar: how much of the board is solved goes here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Information bar: the clock goes here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to go to a puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>Clue panel&apos;s menu: shows every hidden clue again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <extracomment>The save dialog&apos;s file types; the patterns in brackets and the &quot;;;&quot; between types stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the solution too, on a page of its own?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle could not be printed:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Time Penalty for Clues: +%1 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Penalty for Mis-Clicks: +%1 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>A player name cannot contain &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot contain control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot begin or end with a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot contain characters that change the writing direction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name needs at least one visible character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player name cannot be longer than %1 bytes (this one has %2): it names the player&apos;s files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>A refused player&apos;s name and why; the list joins them with commas.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The players file %1 names players that cannot be used: %2.<byte value="xd"/>They are left out; the current player is &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile pictures come from DIR/tiles, else the program&apos;s own folder,
else ../share/quillmere beside it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a whole number, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no name in the system&apos;s file name encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; (try --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size, --number and --output are needed (try --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output file&apos;s name must end in .pdf, .svg or .png, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %1 No. %2, difficulty %3</source>
        <extracomment>A printed puzzle&apos;s title: board size (as &quot;6 x 6&quot;), puzzle number, difficulty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the name must end in .pdf, .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot draw &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A file size in megabytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: the file as it was could not be kept as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: its content could not be put together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The players file %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The players file %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The switch &quot;Show Splash Screen at Startup&quot; could not be stored in %1 (%2).</source>
        <extracomment>The switch&apos;s name is the one in the Options dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the profile of &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message>
        <source>a line follows the last of the clues that &quot;vclues&quot; counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, field &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <extracomment>%1 is what was due: the header, square 3 of 16, the &quot;hclues&quot; line, horizontal clue 2 of 9.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header</source>
        <extracomment>Said where the file ends early: &quot;the file ends where the header should be&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a board size (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>square %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside 1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tile %1 stands twice in row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not %2, the picture of tile %3 in row %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a solved square holds its own tile %1 and nothing else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the square&apos;s own tile %1 is not among its candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but %2 squares are solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a candidate entry n=n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candidate %1 is outside 1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a clue line stands where the &quot;%1&quot; line should be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical clue %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontal clue %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where vertical clue %2 of %3 should be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where horizontal clue %2 of %3 should be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a vertical clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a horizontal clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clue is false for the board&apos;s solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field &quot;player&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score file %1 could not be opened (%2); the scores of this run are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
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
    <message>
        <source>Name</source>
        <extracomment>The score table&apos;s column headings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mis-Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores are kept and written again at the next change and when the game ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores of this run could not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>%1 (%2%) complete</source>
        <extracomment>The squares solved and their share of the board, as &quot;12 (33.3%) complete&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untimed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1:%2:%3</source>
        <extracomment>The clock: hours, minutes and seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create the folder %1.<byte value="xd"/>The players&apos; progress and saved games cannot be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Puzzle Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a value between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, that is the wrong choice!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere Saved Game (*.sav)</source>
        <extracomment>The open dialog&apos;s file type; &quot;(*.sav)&quot; stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game has been loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a player called &quot;%1&quot;; please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current player &quot;%1&quot; from the game?<byte value="xd"/>Their saved games are deleted with them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete the saved games %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>It is not a WAV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends inside its &quot;%1&quot; part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Quillmere Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the Player&apos;s Guide, help, hints and how to play at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>New Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Click the headings to sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete all your scores?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sound Effects </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Small Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation on Completion of Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Splash Screen at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere speaks the new language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>SplashForm</source>
        <extracomment>The splash window&apos;s title bar shows its own name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>All sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No completed puzzles yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highest: %1 points</source>
        <extracomment>Over the bars: the highest score among them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <extracomment>The statistics table&apos;s column headings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mis-Clicks per Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clues per Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times count only timed games. With an even number of times the median is the mean of the middle two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tiles</name>
    <message>
        <source>Animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegetables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eggplant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Football</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rugby ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice skate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Droplet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blowfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palm tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potted plant</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowLinks</name>
    <message>
        <source>No web browser or other program to open this link was found:<byte value="xd"/>%1<byte value="xd"/>Please open it in a web browser yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With thanks to %1</source>
        <extracomment>%1 is the donation page&apos;s site, e.g. example.org.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License,
version 3 or later, with no warranty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
