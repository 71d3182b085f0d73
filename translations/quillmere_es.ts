<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The arrow keys move between the tiles, Space places the tile, Delete removes it or brings it back, Tab goes to the clues.</source>
        <translation>Las teclas de flecha pasan de una ficha a otra, Espacio coloca la ficha, Supr la quita o la recupera, Tab lleva a las pistas.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Space hides the clue or shows it again.</source>
        <translation>Espacio oculta la pista o la vuelve a mostrar.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved.</source>
        <translation>¡Enhorabuena! El acertijo está resuelto.</translation>
    </message>
    <message>
        <source>Clues about columns</source>
        <translation>Pistas sobre columnas</translation>
    </message>
    <message>
        <source>Clues about order</source>
        <translation>Pistas sobre el orden</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Ficha %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, placed</source>
        <translation>Columna %1, %2: %3, colocada</translation>
    </message>
    <message>
        <source>Column %1, %2: %3</source>
        <translation>Columna %1, %2: %3</translation>
    </message>
    <message>
        <source>The %1 is directly next to the %2</source>
        <translation>La ficha %1 está justo al lado de la ficha %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 have one column between them, and the %3 is not in it</source>
        <translation>Entre las fichas %1 y %2 hay una columna, y la ficha %3 no está en ella</translation>
    </message>
    <message>
        <source>The %1 and the %2 are not in the same column</source>
        <translation>Las fichas %1 y %2 no están en la misma columna</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (oculta)</translation>
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
        <translation>El consejo: lo que dice la pista o el paso bajo el cursor.</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jugador: %1</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Haz clic para cambiar de jugador</translation>
    </message>
    <message>
        <source>Click to go to another puzzle</source>
        <translation>Haz clic para ir a otro acertijo</translation>
    </message>
    <message>
        <source>How many squares are solved</source>
        <translation>Cuántas casillas están resueltas</translation>
    </message>
    <message>
        <source>The game time; click to pause or go on</source>
        <translation>El tiempo de juego; haz clic para pausar o continuar</translation>
    </message>
    <message>
        <source>Board size</source>
        <translation>Tamaño del tablero</translation>
    </message>
    <message>
        <source>The size of the board and how hard the puzzles are</source>
        <translation>El tamaño del tablero y la dificultad de los acertijos</translation>
    </message>
    <message>
        <source>Clue zoom</source>
        <translation>Pista ampliada</translation>
    </message>
    <message>
        <source>Tile zoom</source>
        <translation>Ficha ampliada</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Hint arrow</source>
        <translation>Flecha del consejo</translation>
    </message>
    <message>
        <source>Board &amp;Size ...</source>
        <translation>&amp;Tamaño del tablero ...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Divider: dragged, it sizes the panels</source>
        <translation>Divisor: al arrastrarlo, cambia el tamaño de los paneles</translation>
    </message>
    <message>
        <source>Information bar</source>
        <translation>Barra de información</translation>
    </message>
    <message>
        <source>%1, board %2</source>
        <translation>%1, tablero %2</translation>
    </message>
    <message>
        <source>The puzzle starts again.</source>
        <translation>El acertijo empieza de nuevo.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved. %1</source>
        <translation>¡Enhorabuena! El acertijo está resuelto. %1</translation>
    </message>
    <message>
        <source>The game is paused. Press P to go on.</source>
        <translation>La partida está en pausa. Pulsa P para continuar.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>La partida continúa.</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, removed</source>
        <translation>Columna %1, %2: %3, quitada</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, possible</source>
        <translation>Columna %1, %2: %3, posible</translation>
    </message>
    <message>
        <source>The arrow keys move between the clues, Space hides or shows one, the context menu key shows them all.</source>
        <translation>Las teclas de flecha pasan de una pista a otra, Espacio oculta o muestra la pista, la tecla de menú contextual las muestra todas.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>Ficha %1 quitada</translation>
    </message>
    <message>
        <source>%1 possible again</source>
        <translation>Ficha %1 de nuevo posible</translation>
    </message>
    <message>
        <source>%1 is placed in another column</source>
        <translation>La ficha %1 está colocada en otra columna</translation>
    </message>
    <message>
        <source>Every clue is shown.</source>
        <translation>Se muestran todas las pistas.</translation>
    </message>
    <message>
        <source>Clue shown</source>
        <translation>Pista visible</translation>
    </message>
    <message>
        <source>Clue hidden</source>
        <translation>Pista oculta</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) added to the time.</source>
        <translation>
            <numerusform>%n segundo añadido al tiempo.</numerusform>
            <numerusform>%n segundos añadidos al tiempo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Progress: %2.</source>
        <extracomment>The clock (&quot;Time: 0:01:05&quot; or &quot;Untimed&quot;) and the board&apos;s progress</extracomment>
        <translation>%1. Progreso: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a clue.</source>
        <translation>
            <numerusform>%1. Progreso: %2. Última penalización: %n segundo, por una pista.</numerusform>
            <numerusform>%1. Progreso: %2. Última penalización: %n segundos, por una pista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a mis-click.</source>
        <translation>
            <numerusform>%1. Progreso: %2. Última penalización: %n segundo, por un clic erróneo.</numerusform>
            <numerusform>%1. Progreso: %2. Última penalización: %n segundos, por un clic erróneo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clue(s) name the %1: %2</source>
        <translation>
            <numerusform>%n pista nombra la ficha %1: %2</numerusform>
            <numerusform>%n pistas nombran la ficha %1: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No clue names the %1.</source>
        <translation>Ninguna pista nombra la ficha %1.</translation>
    </message>
</context>
<context>
    <name>BoardSizes</name>
    <message>
        <source>4 x 4 (Easiest)</source>
        <translation>4 x 4 (Muy fácil)</translation>
    </message>
    <message>
        <source>5 x 5 (Easy)</source>
        <translation>5 x 5 (Fácil)</translation>
    </message>
    <message>
        <source>6 x 6 (Medium)</source>
        <translation>6 x 6 (Medio)</translation>
    </message>
    <message>
        <source>8 x 8 (Hard)</source>
        <translation>8 x 8 (Difícil)</translation>
    </message>
    <message>
        <source>9 x 9 (Harder)</source>
        <translation>9 x 9 (Más difícil)</translation>
    </message>
    <message>
        <source>10 x 10 (Very Hard)</source>
        <translation>10 x 10 (Muy difícil)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The board sizes: %1 all but the last, as &quot;4, 5, 6, 8, 9&quot;, and %2 the last, as &quot;10&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (prueba --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no name in the system&apos;s file name encoding</source>
        <translation>«%1» no es un nombre válido en la codificación de nombres de archivo del sistema</translation>
    </message>
    <message>
        <source>Quillmere, a logic puzzle of picture tiles.</source>
        <translation>Quillmere, un acertijo de lógica con fichas de imágenes.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and ends.</source>
        <translation>Muestra la versión del programa y termina.</translation>
    </message>
    <message>
        <source>Keeps the game&apos;s files (tiles/, sounds/, Players/, the players and score files) in DIR.</source>
        <extracomment>The names of the folders and files stay as they are</extracomment>
        <translation>Guarda los archivos del juego (tiles/, sounds/, Players/, el archivo de jugadores y el de puntuaciones) en DIR.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value&apos;s name in the help</extracomment>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Opens puzzle K of size N (%1 and %2 to %3), such as 6:1234, which becomes the current player&apos;s number for that size.</source>
        <extracomment>%1 lists the board sizes, as &quot;4, 5, 6, 8, 9 or 10&quot;</extracomment>
        <translation>Abre el acertijo K del tamaño N (%1, y de %2 a %3), por ejemplo 6:1234, que pasa a ser el número del jugador actual para ese tamaño.</translation>
    </message>
    <message>
        <source>N:K</source>
        <extracomment>The value&apos;s names in the help: N the size, K the number</extracomment>
        <translation>N:K</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--puzzle: %1</source>
        <translation>--puzzle: %1</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>la carpeta de datos «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta de datos «%1» no existe</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot;.<byte value="xd"/>Please switch to its window.</source>
        <translation>Quillmere ya se está ejecutando con la carpeta de datos «%1».<byte value="xd"/>Cambia a su ventana, por favor.</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_DATA_HOME is set, so there is no folder for the players&apos; records; set HOME, or give the game a folder of its own with --data-dir</source>
        <translation>no está definida ni HOME ni XDG_DATA_HOME, así que no hay carpeta para los datos de los jugadores; define HOME o da al juego una carpeta propia con --data-dir</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot; on the computer &quot;%2&quot;.<byte value="xd"/>If no game runs there any more, delete the file %3 and start again.</source>
        <translation>Quillmere ya se está ejecutando para la carpeta de datos «%1» en el ordenador «%2».<byte value="xd"/>Si allí ya no se ejecuta ningún juego, borra el archivo %3 y vuelve a empezar.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and has come to the front, but it could not open puzzle %2:%3 now: a dialog is open there, or another puzzle is being opened.<byte value="xd"/>Close the dialog and try again.</source>
        <translation>Quillmere se está ejecutando para la carpeta de datos «%1» y ha pasado al frente, pero ahora no ha podido abrir el acertijo %2:%3: hay un cuadro de diálogo abierto o se está abriendo otro acertijo.<byte value="xd"/>Cierra el cuadro de diálogo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and refused puzzle %2:%3.</source>
        <translation>Quillmere se está ejecutando para la carpeta de datos «%1» y ha rechazado el acertijo %2:%3.</translation>
    </message>
    <message>
        <source>the socket %1 belongs to another user; nothing was sent</source>
        <translation>el socket %1 pertenece a otro usuario; no se ha enviado nada</translation>
    </message>
    <message>
        <source>the data folder cannot be locked (%1); a second game for it would not be noticed</source>
        <translation>la carpeta de datos no se puede bloquear (%1); no se notaría un segundo juego para ella</translation>
    </message>
    <message>
        <source>%1 was in the place of the lock %2, which no game held; it is taken over</source>
        <translation>En el lugar del bloqueo %2, que ningún juego tenía, había: %1; se toma el relevo</translation>
    </message>
    <message>
        <source>This copy of Quillmere cannot keep its records in its own folder %1, which cannot be written; it plays from its own pictures and keeps the records in %2.</source>
        <translation>Esta copia de Quillmere no puede guardar sus datos en su propia carpeta %1, en la que no se puede escribir; juega con sus propias imágenes y guarda los datos en %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>%1 está abierta a otros usuarios</translation>
    </message>
    <message>
        <source>there is no folder for the socket that only this user can write</source>
        <translation>no hay ninguna carpeta para el socket en la que solo pueda escribir este usuario</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)</source>
        <extracomment>In the hint pane; %1, %2 and %3 are the tiles&apos; pictures.</extracomment>
        <translation>La ficha %3 está justo entre las fichas %1 y %2 (las dos de los extremos pueden estar en cualquier orden)</translation>
    </message>
    <message>
        <source>The %3 is directly between the %1 and the %2</source>
        <translation>La ficha %3 está justo entre las fichas %1 y %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 are both in the same column</source>
        <translation>Las fichas %1 y %2 están las dos en la misma columna</translation>
    </message>
    <message>
        <source>The %1 is not directly next to %2</source>
        <translation>La ficha %1 no está justo al lado de la ficha %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 and the %3 are all in the same column</source>
        <translation>Las fichas %1, %2 y %3 están las tres en la misma columna</translation>
    </message>
    <message>
        <source>The %1 is at least one column to the left of the %2</source>
        <translation>La ficha %1 está al menos una columna a la izquierda de la ficha %2</translation>
    </message>
    <message>
        <source>These tiles only occur in two places - all other tiles can be removed</source>
        <translation>Estas fichas solo aparecen en dos sitios: se pueden quitar todas las demás</translation>
    </message>
    <message>
        <source>Left click to select a tile, right click to remove a tile</source>
        <translation>Clic izquierdo para elegir una ficha, clic derecho para quitarla</translation>
    </message>
    <message>
        <source>This clue is hidden - left click it to show it again</source>
        <translation>Esta pista está oculta: haz clic izquierdo en ella para volver a mostrarla</translation>
    </message>
    <message>
        <source> ... So this tile: %1 can be removed from column %2&apos;s %4</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Así que esta ficha, %1, se puede quitar de la columna %2 (%3)</translation>
    </message>
    <message>
        <source> ... So this tile: %1 belongs in column %2</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Así que esta ficha, %1, va en la columna %2</translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <source>the file ends after %1 of the %2 bytes its header announces</source>
        <translation>el archivo termina tras %1 de los %2 bytes que anuncia su cabecera</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 x %3 a tile may have</source>
        <translation>mide %1 x %2 píxeles, más de los %3 x %3 que puede tener una ficha</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds %2 of the %3 tile pictures (*.bmp) it needs.</source>
        <translation>La carpeta «%1» contiene %2 de las %3 imágenes de fichas (*.bmp) que necesita.</translation>
    </message>
    <message>
        <source>The tile picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la imagen de ficha «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language, as the options&apos; language list shows it: &quot;Deutsch&quot;, &quot;Français&quot;.</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <source>the build recorded no digest for it</source>
        <translation>la compilación no registró ninguna suma de comprobación para ella</translation>
    </message>
    <message>
        <source>it is damaged: its digest is not the one the build recorded</source>
        <translation>está dañada: su suma de comprobación no es la que registró la compilación</translation>
    </message>
    <message>
        <source>the translation %1 is not loaded: %2</source>
        <translation>la traducción %1 no se carga: %2</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Tu partida está en PAUSA</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>¡ENHORABUENA!</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Haz clic aquí para continuar</translation>
    </message>
    <message>
        <source>Puzzle No. %1</source>
        <translation>Acertijo n.º %1</translation>
    </message>
    <message>
        <source>Quillmere - Logic Challenge</source>
        <translation>Quillmere - Desafío de lógica</translation>
    </message>
    <message>
        <source>Not all images found - the program must close.<byte value="xd"/>%1<byte value="xd"/>Please refer to the troubleshooting section of the user guide.</source>
        <translation>No se han encontrado todas las imágenes: el programa debe cerrarse.<byte value="xd"/>%1<byte value="xd"/>Consulta la sección de solución de problemas de la Guía del jugador.</translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation>&amp;Abrir partida guardada</translation>
    </message>
    <message>
        <source>Open a saved puzzle</source>
        <translation>Abrir una partida guardada</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <translation>&amp;Guardar partida actual</translation>
    </message>
    <message>
        <source>&amp;Print / Export Puzzle...</source>
        <translation>&amp;Imprimir / exportar acertijo...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Toolbar button: saves the game and pauses it</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save this puzzle</source>
        <translation>Guardar esta partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Next puzzle</source>
        <translation>Acertijo siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Previous puzzle</source>
        <translation>Acertijo anterior</translation>
    </message>
    <message>
        <source>Go to Puzzle ...</source>
        <translation>Ir al acertijo ...</translation>
    </message>
    <message>
        <source>&amp;Jump to Random Puzzle</source>
        <translation>Acertijo a&amp;leatorio</translation>
    </message>
    <message>
        <source>Puzzle of the &amp;Day</source>
        <translation>Acertijo del &amp;día</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Restart this puzzle</source>
        <translation>Reiniciar este acertijo</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Pause / Unpause</source>
        <translation>Pausar / reanudar</translation>
    </message>
    <message>
        <source>&amp;Create New Player</source>
        <translation>&amp;Crear jugador nuevo</translation>
    </message>
    <message>
        <source>&amp;Switch to Player</source>
        <translation>Ca&amp;mbiar de jugador</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Eliminar jugador</translation>
    </message>
    <message>
        <source>Show &amp;High Scores</source>
        <translation>Mostrar &amp;récords</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Ajuste óptimo</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Timed Game</source>
        <translation>&amp;Partida cronometrada</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Mostrar &amp;consejos</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Mostrar consejos</translation>
    </message>
    <message>
        <source>Give me a clue!</source>
        <translation>¡Dame una pista!</translation>
    </message>
    <message>
        <source>&amp;Zoom Small Tiles</source>
        <translation>&amp;Ampliar fichas pequeñas</translation>
    </message>
    <message>
        <source>Zoom tiles</source>
        <translation>Ampliar fichas</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opciones ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Quillmere Help</source>
        <translation>&amp;Ayuda de Quillmere</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>A&amp;cerca de Quillmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>Ac&amp;ertijo</translation>
    </message>
    <message>
        <source>P&amp;layers</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Difficulty level</source>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Information bar: the player&apos;s name goes here</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Puzzle No. x</source>
        <extracomment>Information bar: the puzzle&apos;s number goes here</extracomment>
        <translation>Acertijo n.º x</translation>
    </message>
    <message>
        <source>Solution</source>
        <extracomment>Information bar: how much of the board is solved goes here</extracomment>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Information bar: the clock goes here</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Click to go to a puzzle</source>
        <translation>Haz clic para ir a un acertijo</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Haz clic para cambiar de jugador</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>Clue panel&apos;s menu: shows every hidden clue again</extracomment>
        <translation>Mostrar todas</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <extracomment>The save dialog&apos;s file types; the patterns in brackets and the &quot;;;&quot; between types stay as they are</extracomment>
        <translation>Documento PDF (*.pdf);;Imagen SVG (*.svg);;Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Print the solution too, on a page of its own?</source>
        <translation>¿Imprimir también la solución, en una página aparte?</translation>
    </message>
    <message>
        <source>The puzzle could not be printed:<byte value="xd"/>%1</source>
        <translation>No se ha podido imprimir el acertijo:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1<byte value="xd"/>Its solution was written to:<byte value="xd"/>%2</source>
        <translation>El acertijo se ha guardado en:<byte value="xd"/>%1<byte value="xd"/>Su solución se ha guardado en:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The puzzle and its solution were written to:<byte value="xd"/>%1</source>
        <translation>El acertijo y su solución se han guardado en:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1</source>
        <translation>El acertijo se ha guardado en:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Player&apos;s &amp;Guide</source>
        <translation>&amp;Guía del jugador</translation>
    </message>
    <message>
        <source>Read Out &amp;Time and Progress</source>
        <translation>Leer el &amp;tiempo y el progreso</translation>
    </message>
    <message>
        <source>Move Divider &amp;Left</source>
        <translation>Mover el divisor a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Move Divider &amp;Right</source>
        <translation>Mover el divisor a la &amp;derecha</translation>
    </message>
    <message>
        <source>Move Divider &amp;Up</source>
        <translation>Mover el divisor hacia a&amp;rriba</translation>
    </message>
    <message>
        <source>Move Divider &amp;Down</source>
        <translation>Mover el divisor hacia a&amp;bajo</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message numerus="yes">
        <source>Time Penalty for Clues: +%n Seconds</source>
        <translation>
            <numerusform>Penalización por pista: +%n segundo</numerusform>
            <numerusform>Penalización por pista: +%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time Penalty for Mis-Clicks: +%n Seconds</source>
        <translation>
            <numerusform>Penalización por clic erróneo: +%n segundo</numerusform>
            <numerusform>Penalización por clic erróneo: +%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>A player name cannot contain &quot;%1&quot;.</source>
        <translation>El nombre de un jugador no puede contener «%1».</translation>
    </message>
    <message>
        <source>A player name cannot be empty.</source>
        <translation>El nombre de un jugador no puede estar vacío.</translation>
    </message>
    <message>
        <source>A player name cannot contain control characters.</source>
        <translation>El nombre de un jugador no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>A player name cannot begin or end with a blank.</source>
        <translation>El nombre de un jugador no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;%1&quot;.</source>
        <translation>El nombre de un jugador no puede empezar por «%1».</translation>
    </message>
    <message>
        <source>A player name cannot contain characters that change the writing direction.</source>
        <translation>El nombre de un jugador no puede contener caracteres que cambien la dirección de la escritura.</translation>
    </message>
    <message>
        <source>A player name needs at least one visible character.</source>
        <translation>El nombre de un jugador necesita al menos un carácter visible.</translation>
    </message>
    <message>
        <source>A player name cannot be longer than %1 bytes (this one has %2): it names the player&apos;s files.</source>
        <translation>El nombre de un jugador no puede ocupar más de %1 bytes (este ocupa %2): da nombre a los archivos del jugador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>A refused player&apos;s name and why; the list joins them with commas.</extracomment>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>The players file %1 names players that cannot be used: %2.<byte value="xd"/>They are left out; the current player is &quot;%3&quot;.</source>
        <translation>El archivo de jugadores %1 contiene jugadores que no se pueden usar: %2.<byte value="xd"/>Se omiten; el jugador actual es «%3».</translation>
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
        <translation>uso: quillmere-print --size N --number K [--difficulty D] [--solution]
                     [--data-dir DIR] --output FILE
     quillmere-print --version
Escribe el acertijo en una página A4 imprimible: su nombre, las cuadrículas de
candidatas para anotar a lápiz y las dos listas de pistas; --solution añade la
solución. FILE en .pdf: un PDF (la solución en la página 2); en .svg o .png: una
imagen por página, la de la solución en NAME-solution.svg o .png junto a FILE
(páginas PNG a 192 puntos por pulgada).
</translation>
    </message>
    <message>
        <source>The tile pictures come from DIR/tiles, else the program&apos;s own folder,
else ../share/quillmere beside it.
</source>
        <translation>Las imágenes de las fichas se toman de DIR/tiles; si no, de la carpeta del
programa; si no, de ../share/quillmere junto a ella.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>%1 necesita un número entero, no «%2»</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no name in the system&apos;s file name encoding</source>
        <translation>%1: «%2» no es un nombre válido en la codificación de nombres de archivo del sistema</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; (try --help)</source>
        <translation>argumento desconocido «%1» (prueba --help)</translation>
    </message>
    <message>
        <source>--size, --number and --output are needed (try --help)</source>
        <translation>se necesitan --size, --number y --output (prueba --help)</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>la carpeta de datos «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta de datos «%1» no existe</translation>
    </message>
    <message>
        <source>the output file&apos;s name must end in .pdf, .svg or .png, not &quot;%1&quot;</source>
        <translation>el nombre del archivo de salida debe terminar en .pdf, .svg o .png, no «%1»</translation>
    </message>
    <message>
        <source>N is one of %1; K is %2..%3; D is 0..10 (default 5).</source>
        <translation>N es uno de %1; K va de %2 a %3; D va de 0 a 10 (5 por defecto).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>%1 x %1 No. %2, difficulty %3</source>
        <extracomment>A printed puzzle&apos;s title: board size (as &quot;6 x 6&quot;), puzzle number, difficulty</extracomment>
        <translation>%1 x %1 n.º %2, dificultad %3</translation>
    </message>
    <message>
        <source>Horizontal clues</source>
        <translation>Pistas horizontales</translation>
    </message>
    <message>
        <source>Vertical clues</source>
        <translation>Pistas verticales</translation>
    </message>
    <message>
        <source>Solution: %1</source>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the name must end in .pdf, .svg or .png</source>
        <translation>no se puede escribir «%1»: el nombre debe terminar en .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>cannot draw &quot;%1&quot;</source>
        <translation>no se puede dibujar «%1»</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: it is a link, and nothing is written through a link</source>
        <translation>no se puede escribir «%1»: es un enlace, y no se escribe nada a través de un enlace</translation>
    </message>
</context>
<context>
    <name>PuzzleRequest</name>
    <message>
        <source>the puzzle must be given as size:number, such as 6:1234, not &quot;%1&quot;</source>
        <translation>el acertijo debe indicarse como tamaño:número, por ejemplo 6:1234, no «%1»</translation>
    </message>
    <message>
        <source>the size must be one of %1</source>
        <translation>el tamaño debe ser uno de %1</translation>
    </message>
    <message>
        <source>the puzzle number must be %1 to %2</source>
        <translation>el número de acertijo debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>the difficulty must be 0 to 10</source>
        <translation>la dificultad debe estar entre 0 y 10</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to make the folder %1</source>
        <translation>No se ha podido crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A file size in megabytes.</extracomment>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>ocupa más de %1</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>contiene bytes NUL</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file as it was could not be kept as %2</source>
        <translation>No se ha podido escribir en %1: no se ha podido conservar el archivo anterior como %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: its content could not be put together</source>
        <translation>No se ha podido escribir en %1: no se ha podido componer su contenido</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se ha podido escribir en %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1&#xa0;MB</translation>
    </message>
    <message>
        <source>The profile %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>No se ha podido leer el perfil %1 (%2); se usan los valores predeterminados. El archivo se conservará como %3 la próxima vez que se escriba.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>No se ha podido leer el archivo de jugadores %1 (%2); se usan los valores predeterminados. El archivo se conservará como %3 la próxima vez que se escriba.</translation>
    </message>
    <message>
        <source>The profile %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>No se ha podido leer entero el perfil %1 (%2). Se usa lo que se ha podido leer; el archivo original se conservará como %3 la próxima vez que se escriba.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>No se ha podido leer entero el archivo de jugadores %1 (%2). Se usa lo que se ha podido leer; el archivo original se conservará como %3 la próxima vez que se escriba.</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>no se puede escribir en él</translation>
    </message>
    <message>
        <source>The switch &quot;Show Splash Screen at Startup&quot; could not be stored in %1 (%2).</source>
        <extracomment>The switch&apos;s name is the one in the Options dialog.</extracomment>
        <translation>No se ha podido guardar la opción «Mostrar pantalla de bienvenida al iniciar» en %1 (%2).</translation>
    </message>
    <message>
        <source>Unable to write the profile of &quot;%1&quot;: %2</source>
        <translation>No se ha podido escribir el perfil de «%1»: %2</translation>
    </message>
    <message>
        <source>There is no folder for the records</source>
        <translation>No hay ninguna carpeta para los datos</translation>
    </message>
    <message>
        <source>it is a link, and nothing is written through a link</source>
        <translation>es un enlace, y no se escribe nada a través de un enlace</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>%1 is a link or a folder and cannot be removed: %2</source>
        <translation>%1 es un enlace o una carpeta y no se puede quitar: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file and cannot be removed</source>
        <translation>%1 no es un archivo normal y no se puede quitar</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>%1 belongs to another user and cannot be removed</source>
        <translation>%1 pertenece a otro usuario y no se puede quitar</translation>
    </message>
    <message>
        <source>another user&apos;s file</source>
        <translation>el archivo de otro usuario</translation>
    </message>
    <message>
        <source>a lock left by a game on the computer &quot;%1&quot;</source>
        <translation>un bloqueo que dejó un juego en el ordenador «%1»</translation>
    </message>
    <message>
        <source>%1 keeps changing</source>
        <translation>%1 no deja de cambiar</translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message>
        <source>a line follows the last of the clues that &quot;vclues&quot; counts</source>
        <translation>hay una línea tras la última de las pistas que cuenta «vclues»</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1, field &quot;%2&quot;: %3</source>
        <translation>línea %1, campo «%2»: %3</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <extracomment>%1 is what was due: the header, square 3 of 16, the &quot;hclues&quot; line, horizontal clue 2 of 9.</extracomment>
        <translation>el archivo termina donde debería estar %1</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>falta el campo «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>the header</source>
        <extracomment>Said where the file ends early: &quot;the file ends where the header should be&quot;.</extracomment>
        <translation>la cabecera</translation>
    </message>
    <message>
        <source>%1 is not a board size (%2)</source>
        <translation>%1 no es un tamaño de tablero (%2)</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 está fuera de %2..%3</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 es negativo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation>
            <numerusform>%n segundo es más de lo que muestra el reloj (99:59:59)</numerusform>
            <numerusform>%n segundos son más de lo que muestra el reloj (99:59:59)</numerusform>
        </translation>
    </message>
    <message>
        <source>square %1 of %2</source>
        <translation>la casilla %1 de %2</translation>
    </message>
    <message>
        <source>%1 is outside 1..%2</source>
        <translation>%1 está fuera de 1..%2</translation>
    </message>
    <message>
        <source>tile %1 stands twice in row %2</source>
        <translation>la ficha %1 aparece dos veces en la fila %2</translation>
    </message>
    <message>
        <source>%1 is not %2, the picture of tile %3 in row %4</source>
        <translation>%1 no es %2, la imagen de la ficha %3 de la fila %4</translation>
    </message>
    <message>
        <source>a solved square holds its own tile %1 and nothing else</source>
        <translation>una casilla resuelta contiene su propia ficha, %1, y nada más</translation>
    </message>
    <message>
        <source>the square&apos;s own tile %1 is not among its candidates</source>
        <translation>la ficha propia de la casilla, %1, no está entre sus candidatas</translation>
    </message>
    <message>
        <source>%1, but %2 squares are solved</source>
        <translation>%1, pero hay %2 casillas resueltas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a candidate entry n=n</source>
        <translation>«%1» no es una entrada de candidata n=n</translation>
    </message>
    <message>
        <source>candidate %1 is outside 1..%2</source>
        <translation>la candidata %1 está fuera de 1..%2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line</source>
        <translation>la línea «%1»</translation>
    </message>
    <message>
        <source>a clue line stands where the &quot;%1&quot; line should be</source>
        <translation>hay una línea de pista donde debería estar la línea «%1»</translation>
    </message>
    <message>
        <source>vertical clue %1 of %2</source>
        <translation>la pista vertical %1 de %2</translation>
    </message>
    <message>
        <source>horizontal clue %1 of %2</source>
        <translation>la pista horizontal %1 de %2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where vertical clue %2 of %3 should be</source>
        <translation>la línea «%1» está donde debería estar la pista vertical %2 de %3</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where horizontal clue %2 of %3 should be</source>
        <translation>la línea «%1» está donde debería estar la pista horizontal %2 de %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of clue</source>
        <translation>«%1» no es un tipo de pista</translation>
    </message>
    <message>
        <source>%1 is not a vertical clue</source>
        <translation>%1 no es una pista vertical</translation>
    </message>
    <message>
        <source>%1 is not a horizontal clue</source>
        <translation>%1 no es una pista horizontal</translation>
    </message>
    <message>
        <source>the clue is false for the board&apos;s solution</source>
        <translation>la pista no se cumple en la solución del tablero</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>line %1, field &quot;localindex&quot;: puzzle No. %2 at %3 x %3 has tile %4 in this square, not %5</source>
        <translation>línea %1, campo &quot;localindex&quot;: el acertijo n.º %2 de %3 x %3 tiene la ficha %4 en esta casilla, no %5</translation>
    </message>
    <message>
        <source>the clues are not those of puzzle No. %1 at %2 x %2</source>
        <translation>las pistas no son las del acertijo n.º %1 de %2 x %2</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>falta el campo «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>the field &quot;player&quot; is missing</source>
        <translation>falta el campo «player»</translation>
    </message>
    <message>
        <source>The score file %1 could not be opened (%2); the scores of this run are not kept.</source>
        <translation>No se ha podido abrir el archivo de puntuaciones %1 (%2); las puntuaciones de esta sesión no se guardarán.</translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</source>
        <translation>
            <numerusform>El archivo de puntuaciones %1 tiene %n línea que no se ha podido leer; se conserva tal cual. Es esta:</numerusform>
            <numerusform>El archivo de puntuaciones %1 tiene %n líneas que no se han podido leer; se conservan tal cual. La primera:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</source>
        <translation>
            <numerusform>El archivo de puntuaciones %1 tiene %n línea que no se ha podido leer; se deja fuera de la tabla y se guarda en %2. Es esta:</numerusform>
            <numerusform>El archivo de puntuaciones %1 tiene %n líneas que no se han podido leer; se dejan fuera de la tabla y se guardan en %2. La primera:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The score table&apos;s column headings.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Mis-Clicks</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Clues</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores are kept and written again at the next change and when the game ends.</source>
        <translation><byte value="xd"/>Las puntuaciones se conservan y se volverán a escribir con el próximo cambio y al cerrar el juego.</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores of this run could not be kept.</source>
        <translation><byte value="xd"/>No se han podido guardar las puntuaciones de esta sesión.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>%1 (%2%) complete</source>
        <extracomment>The squares solved and their share of the board, as &quot;12 (33.3%) complete&quot;</extracomment>
        <translation>%1 (%2&#xa0;%) completado</translation>
    </message>
    <message>
        <source>Untimed</source>
        <translation>Sin cronómetro</translation>
    </message>
    <message>
        <source>Time: %1:%2:%3</source>
        <extracomment>The clock: hours, minutes and seconds</extracomment>
        <translation>Tiempo: %1:%2:%3</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.<byte value="xd"/>The players&apos; progress and saved games cannot be kept.</source>
        <translation>No se ha podido crear la carpeta %1.<byte value="xd"/>No se podrán guardar el progreso de los jugadores ni sus partidas.</translation>
    </message>
    <message>
        <source>Enter Puzzle Number</source>
        <translation>Número de acertijo</translation>
    </message>
    <message>
        <source>Enter a value between %1 and %2</source>
        <translation>Introduce un valor entre %1 y %2</translation>
    </message>
    <message>
        <source>Sorry, that is the wrong choice!</source>
        <translation>¡Lo siento, esa no es la opción correcta!</translation>
    </message>
    <message>
        <source>Do you want to save this game?</source>
        <translation>¿Quieres guardar esta partida?</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Tu partida se ha guardado</translation>
    </message>
    <message>
        <source>Could not save your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>¡No se ha podido guardar tu partida!<byte value="xd"/>Busca este mensaje en la documentación:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Quillmere Saved Game (*.sav)</source>
        <extracomment>The open dialog&apos;s file type; &quot;(*.sav)&quot; stays as it is</extracomment>
        <translation>Partida guardada de Quillmere (*.sav)</translation>
    </message>
    <message>
        <source>Could not load your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>¡No se ha podido cargar tu partida!<byte value="xd"/>Busca este mensaje en la documentación:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Your game has been loaded</source>
        <translation>Tu partida se ha cargado</translation>
    </message>
    <message>
        <source>There is already a player called &quot;%1&quot;; please choose another name.</source>
        <translation>Ya hay un jugador llamado «%1»; elige otro nombre.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current player &quot;%1&quot; from the game?<byte value="xd"/>Their saved games are deleted with them.</source>
        <translation>¿Seguro que quieres eliminar del juego al jugador actual, «%1»?<byte value="xd"/>Sus partidas guardadas también se eliminarán.</translation>
    </message>
    <message>
        <source>Unable to delete the saved games %1.</source>
        <translation>No se han podido eliminar las partidas guardadas %1.</translation>
    </message>
    <message>
        <source>The clues give no further step here, so this clue costs nothing.</source>
        <translation>Las pistas no dan ningún paso más aquí, así que esta pista no cuesta nada.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>It is not a WAV file.</source>
        <translation>No es un archivo WAV.</translation>
    </message>
    <message>
        <source>The file ends inside its &quot;%1&quot; part.</source>
        <translation>El archivo termina dentro de su parte «%1».</translation>
    </message>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation>
            <numerusform>Duraría %n segundo a %1&#xa0;Hz; un sonido del juego puede durar como máximo %2 segundos.</numerusform>
            <numerusform>Duraría %n segundos a %1&#xa0;Hz; un sonido del juego puede durar como máximo %2 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;. %2</source>
        <translation>No se puede reproducir «%1». %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmere</source>
        <translation>Acerca de Quillmere</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guía del jugador</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Imagen del título</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Quillmere Help</source>
        <translation>Ayuda de Quillmere</translation>
    </message>
    <message>
        <source>Find the Player&apos;s Guide, help, hints and how to play at</source>
        <translation>Busca la Guía del jugador, ayuda, consejos y cómo jugar en</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Tu partida está en PAUSA</translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>New Player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Click the headings to sort</source>
        <translation>Haz clic en los encabezados para ordenar</translation>
    </message>
    <message>
        <source>Hi Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all your scores?</source>
        <translation>¿Seguro que quieres borrar todas tus puntuaciones?</translation>
    </message>
    <message>
        <source>Erase My Scores</source>
        <translation>Borrar mis récords</translation>
    </message>
    <message>
        <source>Space sorts the scores by the current cell&apos;s column</source>
        <translation>Espacio ordena las puntuaciones por la columna de la celda actual</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Partidas cronometradas</translation>
    </message>
    <message>
        <source>Play Sound Effects </source>
        <translation>Efectos de sonido </translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Mostrar consejos</translation>
    </message>
    <message>
        <source>Zoom Small Tiles</source>
        <translation>Ampliar fichas pequeñas</translation>
    </message>
    <message>
        <source>Animation on Completion of Puzzle</source>
        <translation>Animación al completar el acertijo</translation>
    </message>
    <message>
        <source>Show Splash Screen at Startup</source>
        <translation>Mostrar pantalla de bienvenida al iniciar</translation>
    </message>
    <message>
        <source>Difficulty Setting</source>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>Easier</source>
        <translation>Más fácil</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Más difícil</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Quillmere speaks the new language from its next start.</source>
        <translation>El nuevo idioma se usará al reiniciar Quillmere.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>SplashForm</source>
        <extracomment>The splash window&apos;s title bar shows its own name.</extracomment>
        <translation>Pantalla de bienvenida</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>¡A jugar!</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Imagen del título</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>All sizes</source>
        <translation>Todos los tamaños</translation>
    </message>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation>
            <numerusform>%n resultado reciente: puntos por tamaño de tablero</numerusform>
            <numerusform>Últimos %n resultados, del más antiguo al más reciente: puntos por tamaño de tablero</numerusform>
        </translation>
    </message>
    <message>
        <source>No completed puzzles yet</source>
        <translation>Aún no has completado ningún acertijo</translation>
    </message>
    <message>
        <source>highest: %1 points</source>
        <extracomment>Over the bars: the highest score among them.</extracomment>
        <translation>máximo: %1 puntos</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <extracomment>The statistics table&apos;s column headings.</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completados</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Median Time</source>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Mis-Clicks per Puzzle</source>
        <translation>Clics erróneos por acertijo</translation>
    </message>
    <message>
        <source>Clues per Puzzle</source>
        <translation>Pistas por acertijo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>Estadísticas de %1</translation>
    </message>
    <message>
        <source>Times count only timed games. With an even number of times the median is the mean of the middle two.</source>
        <translation>Los tiempos solo tienen en cuenta las partidas cronometradas. Con un número par de tiempos, la mediana es la media de los dos centrales.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Chart of the last results</source>
        <translation>Gráfico de los últimos resultados</translation>
    </message>
    <message>
        <source>%1 x %1: %2 points</source>
        <extracomment>One bar of the results chart in words: the board size and the score</extracomment>
        <translation>%1 x %1: %2 puntos</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s), oldest first: %1</source>
        <translation>
            <numerusform>%n resultado, el más antiguo primero: %1</numerusform>
            <numerusform>%n resultados, el más antiguo primero: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tiles</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>perro</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>ratón</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>oso</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>cerdo</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Frutas</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>manzana</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>fresa</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>sandía</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>piña</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>limón</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>pera</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>Vegetables</source>
        <translation>Verduras</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>zanahoria</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>maíz</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>brócoli</translation>
    </message>
    <message>
        <source>Eggplant</source>
        <translation>berenjena</translation>
    </message>
    <message>
        <source>Chili</source>
        <translation>guindilla</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>patata</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>cebolla</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>pepino</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>tomate</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Vehículos</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>autobús</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>bicicleta</translation>
    </message>
    <message>
        <source>Airplane</source>
        <translation>avión</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>cohete</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>locomotora</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>helicóptero</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>moto</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>balón de fútbol</translation>
    </message>
    <message>
        <source>Rugby ball</source>
        <translation>balón de rugby</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>pimpón</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>bádminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <translation>guante de boxeo</translation>
    </message>
    <message>
        <source>Golf</source>
        <translation>golf</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>bolos</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <translation>hockey sobre hielo</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <translation>patín de hielo</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>monopatín</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>guitarra</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>piano</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>trompeta</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>tambor</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>saxofón</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>acordeón</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>micrófono</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>auriculares</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Tiempo atmosférico</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>nube</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>rayo</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>copo de nieve</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>arcoíris</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>paraguas</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>fuego</translation>
    </message>
    <message>
        <source>Droplet</source>
        <translation>gota</translation>
    </message>
    <message>
        <source>Sea life</source>
        <translation>Vida marina</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>pez tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>delfín</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>ballena</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>concha</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>gamba</translation>
    </message>
    <message>
        <source>Blowfish</source>
        <translation>pez globo</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>foca</translation>
    </message>
    <message>
        <source>Treats</source>
        <translation>Caprichos</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>hamburguesa</translation>
    </message>
    <message>
        <source>Hot dog</source>
        <translation>perrito caliente</translation>
    </message>
    <message>
        <source>Fries</source>
        <translation>patatas fritas</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>dónut</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>helado</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>tarta</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>piruleta</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>cruasán</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>palomitas</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Plantas</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>girasol</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>tulipán</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>abeto</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <translation>palmera</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>trébol</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>hoja de arce</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <translation>planta en maceta</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Tap removes</source>
        <translation>Tocar quita</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>The address of this puzzle is copied.</source>
        <translation>La dirección de este acertijo está copiada.</translation>
    </message>
    <message>
        <source>Copy the address of this puzzle: %1</source>
        <translation>Copia la dirección de este acertijo: %1</translation>
    </message>
    <message>
        <source>The address %1 opens no puzzle: %2</source>
        <translation>La dirección %1 no abre ningún acertijo: %2</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page here (private mode or storage turned off): scores and games last only while it is open.</source>
        <translation>El navegador no guarda nada de esta página aquí (modo privado o almacenamiento desactivado): las puntuaciones y las partidas duran solo mientras esté abierta.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage for this page is full: the latest records are kept only while the page is open.</source>
        <translation>El almacenamiento del navegador para esta página está lleno: los últimos registros se guardan solo mientras la página esté abierta.</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is kept aside as %2: %3</source>
        <translation>El registro guardado %1 no se pudo leer y se aparta como %2: %3</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is left as it is: %2</source>
        <translation>El registro guardado %1 no se pudo leer y se deja como está: %2</translation>
    </message>
    <message>
        <source>it is not valid JSON</source>
        <translation>no es JSON válido</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; holds no valid value</source>
        <translation>el campo «%1» no tiene ningún valor válido</translation>
    </message>
    <message>
        <source>The file %1 is too big to be a saved game (%2 bytes; at most %3).</source>
        <translation>El archivo %1 es demasiado grande para ser una partida guardada (%2 bytes; como mucho %3).</translation>
    </message>
</context>
<context>
    <name>WindowLinks</name>
    <message>
        <source>No web browser or other program to open this link was found:<byte value="xd"/>%1<byte value="xd"/>Please open it in a web browser yourself.</source>
        <translation>No se ha encontrado ningún navegador web ni otro programa para abrir este enlace:<byte value="xd"/>%1<byte value="xd"/>Ábrelo tú mismo en un navegador web.</translation>
    </message>
    <message>
        <source>With thanks to %1</source>
        <extracomment>%1 is the donation page&apos;s site, e.g. example.org.</extracomment>
        <translation>Con nuestro agradecimiento a %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here</source>
        <translation>Si te gusta jugar a Quillmere, plantéate hacer un donativo por PayPal haciendo clic aquí</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License,
version 3 or later, with no warranty</source>
        <translation>Software libre bajo la Licencia Pública General de GNU,
versión 3 o posterior, sin ninguna garantía</translation>
    </message>
</context>
</TS>
