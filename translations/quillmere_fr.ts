<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>The arrow keys move between the tiles, Space places the tile, Delete removes it or brings it back, Tab goes to the clues.</source>
        <translation>Les flèches passent d’une tuile à l’autre, Espace place la tuile, Suppr la retire ou la remet, Tab mène aux indices.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Space hides the clue or shows it again.</source>
        <translation>Espace masque l’indice ou le réaffiche.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved.</source>
        <translation>Félicitations&#xa0;! L’énigme est résolue.</translation>
    </message>
    <message>
        <source>Clues about columns</source>
        <translation>Indices sur les colonnes</translation>
    </message>
    <message>
        <source>Clues about order</source>
        <translation>Indices sur l’ordre</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Tuile %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, placed</source>
        <translation>Colonne %1, %2&#xa0;: %3, en place</translation>
    </message>
    <message>
        <source>Column %1, %2: %3</source>
        <translation>Colonne %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, removed</source>
        <translation>Colonne %1, %2&#xa0;: %3, retirée</translation>
    </message>
    <message>
        <source>Column %1, %2: %3, possible</source>
        <translation>Colonne %1, %2&#xa0;: %3, possible</translation>
    </message>
    <message>
        <source>The %1 is directly next to the %2</source>
        <translation>Les tuiles %1 et %2 sont côte à côte</translation>
    </message>
    <message>
        <source>The %1 and the %2 have one column between them, and the %3 is not in it</source>
        <translation>Entre les tuiles %1 et %2 se trouve une colonne, et la tuile %3 n’y est pas</translation>
    </message>
    <message>
        <source>The %1 and the %2 are not in the same column</source>
        <translation>Les tuiles %1 et %2 ne sont pas dans la même colonne</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (masqué)</translation>
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
        <translation>Le conseil&#xa0;: ce que dit l’indice ou l’étape sous le curseur.</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Joueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Progression, %1</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Cliquez pour changer de joueur</translation>
    </message>
    <message>
        <source>Click to go to another puzzle</source>
        <translation>Cliquez pour aller à une autre énigme</translation>
    </message>
    <message>
        <source>How many squares are solved</source>
        <translation>Le nombre de cases résolues</translation>
    </message>
    <message>
        <source>The game time; click to pause or go on</source>
        <translation>Le temps de jeu&#xa0;; cliquez pour mettre en pause ou reprendre</translation>
    </message>
    <message>
        <source>Board size</source>
        <translation>Taille du plateau</translation>
    </message>
    <message>
        <source>The size of the board and how hard the puzzles are</source>
        <translation>La taille du plateau et la difficulté des énigmes</translation>
    </message>
    <message>
        <source>Clue zoom</source>
        <translation>Loupe des indices</translation>
    </message>
    <message>
        <source>Tile zoom</source>
        <translation>Loupe des tuiles</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Hint arrow</source>
        <translation>Flèche du conseil</translation>
    </message>
    <message>
        <source>Board &amp;Size ...</source>
        <translation>&amp;Taille du plateau ...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Divider: dragged, it sizes the panels</source>
        <translation>Barre de séparation&#xa0;: faites-la glisser pour redimensionner les panneaux</translation>
    </message>
    <message>
        <source>Information bar</source>
        <translation>Barre d’informations</translation>
    </message>
    <message>
        <source>%1, board %2</source>
        <translation>%1, plateau %2</translation>
    </message>
    <message>
        <source>The puzzle starts again.</source>
        <translation>L’énigme recommence.</translation>
    </message>
    <message>
        <source>Congratulations! The puzzle is solved. %1</source>
        <translation>Félicitations&#xa0;! L’énigme est résolue. %1</translation>
    </message>
    <message>
        <source>The game is paused. Press P to go on.</source>
        <translation>La partie est en pause. Appuyez sur P pour reprendre.</translation>
    </message>
    <message>
        <source>The game goes on.</source>
        <translation>La partie reprend.</translation>
    </message>
    <message>
        <source>The arrow keys move between the clues, Space hides or shows one, the context menu key shows them all.</source>
        <translation>Les flèches passent d’un indice à l’autre, Espace le masque ou l’affiche, la touche de menu contextuel les affiche tous.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>Tuile %1 retirée</translation>
    </message>
    <message>
        <source>%1 possible again</source>
        <translation>Tuile %1 de nouveau possible</translation>
    </message>
    <message>
        <source>%1 is placed in another column</source>
        <translation>La tuile %1 est placée dans une autre colonne</translation>
    </message>
    <message>
        <source>Every clue is shown.</source>
        <translation>Tous les indices sont affichés.</translation>
    </message>
    <message>
        <source>Clue shown</source>
        <translation>Indice affiché</translation>
    </message>
    <message>
        <source>Clue hidden</source>
        <translation>Indice masqué</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) added to the time.</source>
        <translation>
            <numerusform>%n seconde ajoutée au temps.</numerusform>
            <numerusform>%n secondes ajoutées au temps.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Progress: %2.</source>
        <extracomment>The clock (&quot;Time: 0:01:05&quot; or &quot;Untimed&quot;) and the board&apos;s progress</extracomment>
        <translation>%1. Progression&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a clue.</source>
        <translation>
            <numerusform>%1. Progression&#xa0;: %2. Dernière pénalité&#xa0;: %n seconde, pour un indice.</numerusform>
            <numerusform>%1. Progression&#xa0;: %2. Dernière pénalité&#xa0;: %n secondes, pour un indice.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Progress: %2. The last penalty: %n second(s), for a mis-click.</source>
        <translation>
            <numerusform>%1. Progression&#xa0;: %2. Dernière pénalité&#xa0;: %n seconde, pour un clic erroné.</numerusform>
            <numerusform>%1. Progression&#xa0;: %2. Dernière pénalité&#xa0;: %n secondes, pour un clic erroné.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clue(s) name the %1: %2</source>
        <translation>
            <numerusform>%n indice nomme la tuile %1&#xa0;: %2</numerusform>
            <numerusform>%n indices nomment la tuile %1&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No clue names the %1.</source>
        <translation>Aucun indice ne nomme la tuile %1.</translation>
    </message>
</context>
<context>
    <name>BoardSizes</name>
    <message>
        <source>4 x 4 (Easiest)</source>
        <translation>4 x 4 (Très facile)</translation>
    </message>
    <message>
        <source>5 x 5 (Easy)</source>
        <translation>5 x 5 (Facile)</translation>
    </message>
    <message>
        <source>6 x 6 (Medium)</source>
        <translation>6 x 6 (Moyen)</translation>
    </message>
    <message>
        <source>8 x 8 (Hard)</source>
        <translation>8 x 8 (Difficile)</translation>
    </message>
    <message>
        <source>9 x 9 (Harder)</source>
        <translation>9 x 9 (Plus difficile)</translation>
    </message>
    <message>
        <source>10 x 10 (Very Hard)</source>
        <translation>10 x 10 (Très difficile)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The board sizes: %1 all but the last, as &quot;4, 5, 6, 8, 9&quot;, and %2 the last, as &quot;10&quot;</extracomment>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 (try --help)</source>
        <translation>%1 (essayez --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no name in the system&apos;s file name encoding</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom valide dans l’encodage des noms de fichiers du système</translation>
    </message>
    <message>
        <source>Quillmere, a logic puzzle of picture tiles.</source>
        <translation>Quillmere, un jeu de logique avec des tuiles illustrées.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and ends.</source>
        <translation>Affiche la version du programme et quitte.</translation>
    </message>
    <message>
        <source>Keeps the game&apos;s files (tiles/, sounds/, Players/, the players and score files) in DIR.</source>
        <extracomment>The names of the folders and files stay as they are</extracomment>
        <translation>Conserve les fichiers du jeu (tiles/, sounds/, Players/, les fichiers des joueurs et des scores) dans DIR.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value&apos;s name in the help</extracomment>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Opens puzzle K of size N (%1 and %2 to %3), such as 6:1234, which becomes the current player&apos;s number for that size.</source>
        <extracomment>%1 lists the board sizes, as &quot;4, 5, 6, 8, 9 or 10&quot;</extracomment>
        <translation>Ouvre l’énigme K de la taille N (N&#xa0;: %1&#xa0;; K&#xa0;: de %2 à %3), par exemple 6:1234&#xa0;; ce numéro devient celui du joueur actuel pour cette taille.</translation>
    </message>
    <message>
        <source>N:K</source>
        <extracomment>The value&apos;s names in the help: N the size, K the number</extracomment>
        <translation>N:K</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir attend un dossier</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--puzzle: %1</source>
        <translation>--puzzle&#xa0;: %1</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot;.<byte value="xd"/>Please switch to its window.</source>
        <translation>Quillmere est déjà lancé pour le dossier de données «&#xa0;%1&#xa0;».<byte value="xd"/>Veuillez passer à sa fenêtre.</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_DATA_HOME is set, so there is no folder for the players&apos; records; set HOME, or give the game a folder of its own with --data-dir</source>
        <translation>ni HOME ni XDG_DATA_HOME n’est défini, il n’y a donc pas de dossier pour les données des joueurs&#xa0;; définissez HOME ou donnez au jeu un dossier à lui avec --data-dir</translation>
    </message>
    <message>
        <source>Quillmere is already running for the data folder &quot;%1&quot; on the computer &quot;%2&quot;.<byte value="xd"/>If no game runs there any more, delete the file %3 and start again.</source>
        <translation>Quillmere est déjà lancé pour le dossier de données «&#xa0;%1&#xa0;» sur l’ordinateur «&#xa0;%2&#xa0;».<byte value="xd"/>Si aucun jeu n’y tourne plus, supprimez le fichier %3 et relancez.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and has come to the front, but it could not open puzzle %2:%3 now: a dialog is open there, or another puzzle is being opened.<byte value="xd"/>Close the dialog and try again.</source>
        <translation>Quillmere est lancé pour le dossier de données «&#xa0;%1&#xa0;» et est passé au premier plan, mais il n’a pas pu ouvrir l’énigme %2:%3 pour l’instant&#xa0;: une boîte de dialogue y est ouverte, ou une autre énigme est en cours d’ouverture.<byte value="xd"/>Fermez la boîte de dialogue et réessayez.</translation>
    </message>
    <message>
        <source>Quillmere is running for the data folder &quot;%1&quot; and refused puzzle %2:%3.</source>
        <translation>Quillmere est lancé pour le dossier de données «&#xa0;%1&#xa0;» et a refusé l’énigme %2:%3.</translation>
    </message>
    <message>
        <source>the socket %1 belongs to another user; nothing was sent</source>
        <translation>le socket %1 appartient à un autre utilisateur&#xa0;; rien n’a été envoyé</translation>
    </message>
    <message>
        <source>the data folder cannot be locked (%1); a second game for it would not be noticed</source>
        <translation>le dossier de données ne peut pas être verrouillé (%1)&#xa0;; un second jeu sur ce dossier passerait inaperçu</translation>
    </message>
    <message>
        <source>%1 was in the place of the lock %2, which no game held; it is taken over</source>
        <translation>À la place du verrou %2, qu’aucun jeu ne tenait, se trouvait&#xa0;: %1&#xa0;; il est repris</translation>
    </message>
    <message>
        <source>This copy of Quillmere cannot keep its records in its own folder %1, which cannot be written; it plays from its own pictures and keeps the records in %2.</source>
        <translation>Cette copie de Quillmere ne peut pas garder ses données dans son propre dossier %1, où l’on ne peut pas écrire&#xa0;; elle joue avec ses propres images et garde les données dans %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>%1 est ouvert aux autres utilisateurs</translation>
    </message>
    <message>
        <source>there is no folder for the socket that only this user can write</source>
        <translation>il n’y a pas de dossier pour le socket où seul cet utilisateur peut écrire</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)</source>
        <extracomment>In the hint pane; %1, %2 and %3 are the tiles&apos; pictures.</extracomment>
        <translation>La tuile %3 se trouve juste entre les tuiles %1 et %2 (les deux tuiles extérieures peuvent être inversées)</translation>
    </message>
    <message>
        <source>The %3 is directly between the %1 and the %2</source>
        <translation>La tuile %3 se trouve juste entre les tuiles %1 et %2</translation>
    </message>
    <message>
        <source>The %1 and the %2 are both in the same column</source>
        <translation>Les tuiles %1 et %2 sont dans la même colonne</translation>
    </message>
    <message>
        <source>The %1 is not directly next to %2</source>
        <translation>Les tuiles %1 et %2 ne sont pas côte à côte</translation>
    </message>
    <message>
        <source>The %1 and the %2 and the %3 are all in the same column</source>
        <translation>Les tuiles %1, %2 et %3 sont dans la même colonne</translation>
    </message>
    <message>
        <source>The %1 is at least one column to the left of the %2</source>
        <translation>La tuile %1 se trouve au moins une colonne à gauche de la tuile %2</translation>
    </message>
    <message>
        <source>These tiles only occur in two places - all other tiles can be removed</source>
        <translation>Ces tuiles n’apparaissent qu’à deux endroits – toutes les autres tuiles peuvent être retirées</translation>
    </message>
    <message>
        <source>Left click to select a tile, right click to remove a tile</source>
        <translation>Clic gauche pour choisir une tuile, clic droit pour retirer une tuile</translation>
    </message>
    <message>
        <source>This clue is hidden - left click it to show it again</source>
        <translation>Cet indice est masqué – cliquez dessus avec le bouton gauche pour le réafficher</translation>
    </message>
    <message>
        <source> ... So this tile: %1 can be removed from column %2&apos;s %4</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Donc cette tuile&#xa0;: %1 peut être retirée de la colonne %2 (%3)</translation>
    </message>
    <message>
        <source> ... So this tile: %1 belongs in column %2</source>
        <extracomment>Follows a hint sentence on the same line, hence the leading blank. %1 is the tile&apos;s picture, %2 the column&apos;s number, %3 the row&apos;s name as written on its own (Animals), %4 the same in lower case (animals): use whichever your language writes there, or neither.</extracomment>
        <translation> ... Donc cette tuile&#xa0;: %1 va dans la colonne %2</translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <source>the file ends after %1 of the %2 bytes its header announces</source>
        <translation>le fichier s’arrête après %1 des %2 octets annoncés par son en-tête</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 x %3 a tile may have</source>
        <translation>elle mesure %1 x %2 pixels, plus que les %3 x %3 permis pour une tuile</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds %2 of the %3 tile pictures (*.bmp) it needs.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» contient %2 des %3 images de tuiles (*.bmp) nécessaires.</translation>
    </message>
    <message>
        <source>The tile picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>L’image de tuile «&#xa0;%1&#xa0;» est illisible&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language, as the options&apos; language list shows it: &quot;Deutsch&quot;, &quot;Français&quot;.</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <source>the build recorded no digest for it</source>
        <translation>la compilation n’a enregistré aucune empreinte pour elle</translation>
    </message>
    <message>
        <source>it is damaged: its digest is not the one the build recorded</source>
        <translation>elle est endommagée&#xa0;: son empreinte n’est pas celle que la compilation a enregistrée</translation>
    </message>
    <message>
        <source>the translation %1 is not loaded: %2</source>
        <translation>la traduction %1 n’est pas chargée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Votre partie est EN PAUSE</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>FÉLICITATIONS&#xa0;!</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Cliquez ici pour continuer</translation>
    </message>
    <message>
        <source>Puzzle No. %1</source>
        <translation>Énigme n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Quillmere - Logic Challenge</source>
        <translation>Quillmere - Défi logique</translation>
    </message>
    <message>
        <source>Not all images found - the program must close.<byte value="xd"/>%1<byte value="xd"/>Please refer to the troubleshooting section of the user guide.</source>
        <translation>Des images sont introuvables&#xa0;: le programme doit se fermer.<byte value="xd"/>%1<byte value="xd"/>Consultez la section Dépannage du Guide du joueur.</translation>
    </message>
    <message>
        <source>&amp;Open Saved Game</source>
        <translation>&amp;Ouvrir une partie sauvegardée</translation>
    </message>
    <message>
        <source>Open a saved puzzle</source>
        <translation>Ouvrir une énigme sauvegardée</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <translation>&amp;Sauvegarder la partie en cours</translation>
    </message>
    <message>
        <source>&amp;Print / Export Puzzle...</source>
        <translation>&amp;Imprimer / exporter l’énigme...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Toolbar button: saves the game and pauses it</extracomment>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Save this puzzle</source>
        <translation>Sauvegarder cette énigme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Next puzzle</source>
        <translation>Énigme suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Previous puzzle</source>
        <translation>Énigme précédente</translation>
    </message>
    <message>
        <source>Go to Puzzle ...</source>
        <translation>Aller à l’énigme ...</translation>
    </message>
    <message>
        <source>&amp;Jump to Random Puzzle</source>
        <translation>Énigme au &amp;hasard</translation>
    </message>
    <message>
        <source>Puzzle of the &amp;Day</source>
        <translation>Énigme du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Restart this puzzle</source>
        <translation>Recommencer cette énigme</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>Pause / Unpause</source>
        <translation>Pause / Reprise</translation>
    </message>
    <message>
        <source>&amp;Create New Player</source>
        <translation>&amp;Nouveau joueur</translation>
    </message>
    <message>
        <source>&amp;Switch to Player</source>
        <translation>&amp;Changer de joueur</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Supprimer le joueur</translation>
    </message>
    <message>
        <source>Show &amp;High Scores</source>
        <translation>Afficher les &amp;meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Ajustement optimal</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Timed Game</source>
        <translation>&amp;Partie chronométrée</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Afficher les &amp;conseils</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Afficher les conseils</translation>
    </message>
    <message>
        <source>Give me a clue!</source>
        <translation>Donne-moi un indice&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Zoom Small Tiles</source>
        <translation>&amp;Agrandir les petites tuiles</translation>
    </message>
    <message>
        <source>Zoom tiles</source>
        <translation>Agrandir les tuiles</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Options ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Quillmere Help</source>
        <translation>&amp;Aide de Quillmere</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>À &amp;propos de Quillmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>É&amp;nigme</translation>
    </message>
    <message>
        <source>P&amp;layers</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Difficulty level</source>
        <translation>Niveau de difficulté</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Information bar: the player&apos;s name goes here</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Puzzle No. x</source>
        <extracomment>Information bar: the puzzle&apos;s number goes here</extracomment>
        <translation>Énigme n°&#xa0;x</translation>
    </message>
    <message>
        <source>Solution</source>
        <extracomment>Information bar: how much of the board is solved goes here</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Information bar: the clock goes here</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Click to go to a puzzle</source>
        <translation>Cliquez pour aller à une énigme</translation>
    </message>
    <message>
        <source>Click to switch to another player</source>
        <translation>Cliquez pour changer de joueur</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>Clue panel&apos;s menu: shows every hidden clue again</extracomment>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <extracomment>The save dialog&apos;s file types; the patterns in brackets and the &quot;;;&quot; between types stay as they are</extracomment>
        <translation>Document PDF (*.pdf);;Image SVG (*.svg);;Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Print the solution too, on a page of its own?</source>
        <translation>Imprimer aussi la solution, sur une page à part&#xa0;?</translation>
    </message>
    <message>
        <source>The puzzle could not be printed:<byte value="xd"/>%1</source>
        <translation>L’énigme n’a pas pu être imprimée&#xa0;:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1<byte value="xd"/>Its solution was written to:<byte value="xd"/>%2</source>
        <translation>L’énigme a été enregistrée dans&#xa0;:<byte value="xd"/>%1<byte value="xd"/>Sa solution a été enregistrée dans&#xa0;:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The puzzle and its solution were written to:<byte value="xd"/>%1</source>
        <translation>L’énigme et sa solution ont été enregistrées dans&#xa0;:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The puzzle was written to:<byte value="xd"/>%1</source>
        <translation>L’énigme a été enregistrée dans&#xa0;:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Player&apos;s &amp;Guide</source>
        <translation>&amp;Guide du joueur</translation>
    </message>
    <message>
        <source>Read Out &amp;Time and Progress</source>
        <translation>Lire le &amp;temps et la progression</translation>
    </message>
    <message>
        <source>Move Divider &amp;Left</source>
        <translation>Déplacer le séparateur à &amp;gauche</translation>
    </message>
    <message>
        <source>Move Divider &amp;Right</source>
        <translation>Déplacer le séparateur à &amp;droite</translation>
    </message>
    <message>
        <source>Move Divider &amp;Up</source>
        <translation>Déplacer le séparateur vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move Divider &amp;Down</source>
        <translation>Déplacer le séparateur vers le &amp;bas</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message numerus="yes">
        <source>Time Penalty for Clues: +%n Seconds</source>
        <translation>
            <numerusform>Pénalité par indice&#xa0;: +%n seconde</numerusform>
            <numerusform>Pénalité par indice&#xa0;: +%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time Penalty for Mis-Clicks: +%n Seconds</source>
        <translation>
            <numerusform>Pénalité par clic erroné&#xa0;: +%n seconde</numerusform>
            <numerusform>Pénalité par clic erroné&#xa0;: +%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>A player name cannot contain &quot;%1&quot;.</source>
        <translation>Un nom de joueur ne peut pas contenir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A player name cannot be empty.</source>
        <translation>Un nom de joueur ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A player name cannot contain control characters.</source>
        <translation>Un nom de joueur ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A player name cannot begin or end with a blank.</source>
        <translation>Un nom de joueur ne peut ni commencer ni finir par une espace.</translation>
    </message>
    <message>
        <source>A player name cannot begin with &quot;%1&quot;.</source>
        <translation>Un nom de joueur ne peut pas commencer par «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A player name cannot contain characters that change the writing direction.</source>
        <translation>Un nom de joueur ne peut pas contenir de caractères qui changent le sens d’écriture.</translation>
    </message>
    <message>
        <source>A player name needs at least one visible character.</source>
        <translation>Un nom de joueur doit contenir au moins un caractère visible.</translation>
    </message>
    <message>
        <source>A player name cannot be longer than %1 bytes (this one has %2): it names the player&apos;s files.</source>
        <translation>Un nom de joueur ne peut pas dépasser %1 octets (celui-ci en a %2)&#xa0;: il sert à nommer les fichiers du joueur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>A refused player&apos;s name and why; the list joins them with commas.</extracomment>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>The players file %1 names players that cannot be used: %2.<byte value="xd"/>They are left out; the current player is &quot;%3&quot;.</source>
        <translation>Le fichier des joueurs %1 nomme des joueurs inutilisables&#xa0;: %2.<byte value="xd"/>Ils sont ignorés&#xa0;; le joueur actuel est «&#xa0;%3&#xa0;».</translation>
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
        <translation>utilisation&#xa0;: quillmere-print --size N --number K [--difficulty D] [--solution]
                              [--data-dir DIR] --output FILE
              quillmere-print --version
Écrit l’énigme sur une page A4 imprimable&#xa0;: son nom, les grilles de candidats
du plateau à compléter au crayon et les deux listes d’indices&#xa0;; --solution
ajoute la solution. FILE en .pdf&#xa0;: un PDF (la solution en page 2)&#xa0;; .svg ou
.png&#xa0;: une image par page, la page de solution dans NAME-solution.svg ou .png
à côté de FILE (pages PNG à 192 points par pouce).
</translation>
    </message>
    <message>
        <source>The tile pictures come from DIR/tiles, else the program&apos;s own folder,
else ../share/quillmere beside it.
</source>
        <translation>Les images des tuiles viennent de DIR/tiles, sinon du dossier du programme,
sinon de ../share/quillmere à côté de celui-ci.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 needs a whole number, not &quot;%2&quot;</source>
        <translation>%1 attend un nombre entier, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no name in the system&apos;s file name encoding</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nom valide dans l’encodage des noms de fichiers du système</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot; (try --help)</source>
        <translation>argument inconnu «&#xa0;%1&#xa0;» (essayez --help)</translation>
    </message>
    <message>
        <source>--size, --number and --output are needed (try --help)</source>
        <translation>--size, --number et --output sont obligatoires (essayez --help)</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is not a folder</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; does not exist</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>the output file&apos;s name must end in .pdf, .svg or .png, not &quot;%1&quot;</source>
        <translation>le nom du fichier de sortie doit finir par .pdf, .svg ou .png, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>N is one of %1; K is %2..%3; D is 0..10 (default 5).</source>
        <translation>N est l’une des tailles %1&#xa0;; K va de %2 à %3&#xa0;; D va de 0 à 10 (5 par défaut).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 x %1 No. %2, difficulty %3</source>
        <extracomment>A printed puzzle&apos;s title: board size (as &quot;6 x 6&quot;), puzzle number, difficulty</extracomment>
        <translation>%1 x %1 n°&#xa0;%2, difficulté %3</translation>
    </message>
    <message>
        <source>Horizontal clues</source>
        <translation>Indices horizontaux</translation>
    </message>
    <message>
        <source>Vertical clues</source>
        <translation>Indices verticaux</translation>
    </message>
    <message>
        <source>Solution: %1</source>
        <translation>Solution&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the name must end in .pdf, .svg or .png</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: le nom doit finir par .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>cannot draw &quot;%1&quot;</source>
        <translation>impossible de dessiner «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: it is a link, and nothing is written through a link</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: c’est un lien, et rien n’est écrit à travers un lien</translation>
    </message>
</context>
<context>
    <name>PuzzleRequest</name>
    <message>
        <source>the puzzle must be given as size:number, such as 6:1234, not &quot;%1&quot;</source>
        <translation>l’énigme doit être donnée sous la forme taille:numéro, par exemple 6:1234, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the size must be one of %1</source>
        <translation>la taille doit être l’une des suivantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>the puzzle number must be %1 to %2</source>
        <translation>le numéro de l’énigme doit être compris entre %1 et %2</translation>
    </message>
    <message>
        <source>the difficulty must be 0 to 10</source>
        <translation>la difficulté doit être comprise entre 0 et 10</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A file size in megabytes.</extracomment>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>il dépasse %1</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>il contient des octets NUL</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file as it was could not be kept as %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: l’ancien fichier n’a pas pu être conservé sous le nom %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: its content could not be put together</source>
        <translation>Impossible d’écrire dans %1&#xa0;: son contenu n’a pas pu être assemblé</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>The profile %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>Le profil %1 n’a pas pu être lu (%2)&#xa0;; les valeurs par défaut sont utilisées. Le fichier sera conservé sous le nom %3 lors de sa prochaine écriture.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read (%2); the defaults are used. The file is kept as %3 when it is next written.</source>
        <translation>Le fichier des joueurs %1 n’a pas pu être lu (%2)&#xa0;; les valeurs par défaut sont utilisées. Le fichier sera conservé sous le nom %3 lors de sa prochaine écriture.</translation>
    </message>
    <message>
        <source>The profile %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>Le profil %1 n’a pas pu être lu en entier (%2). Ce qui a pu être lu est utilisé&#xa0;; l’ancien fichier sera conservé sous le nom %3 lors de sa prochaine écriture.</translation>
    </message>
    <message>
        <source>The players file %1 could not be read whole (%2). What could be read is used; the file as it was is kept as %3 when it is next written.</source>
        <translation>Le fichier des joueurs %1 n’a pas pu être lu en entier (%2). Ce qui a pu être lu est utilisé&#xa0;; l’ancien fichier sera conservé sous le nom %3 lors de sa prochaine écriture.</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>il ne peut pas être écrit</translation>
    </message>
    <message>
        <source>The switch &quot;Show Splash Screen at Startup&quot; could not be stored in %1 (%2).</source>
        <extracomment>The switch&apos;s name is the one in the Options dialog.</extracomment>
        <translation>Le réglage «&#xa0;Écran d’accueil au démarrage&#xa0;» n’a pas pu être enregistré dans %1 (%2).</translation>
    </message>
    <message>
        <source>Unable to write the profile of &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer le profil de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no folder for the records</source>
        <translation>Il n’y a pas de dossier pour les données</translation>
    </message>
    <message>
        <source>it is a link, and nothing is written through a link</source>
        <translation>c’est un lien, et rien n’est écrit à travers un lien</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>%1 is a link or a folder and cannot be removed: %2</source>
        <translation>%1 est un lien ou un dossier et ne peut pas être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file and cannot be removed</source>
        <translation>%1 n’est pas un fichier ordinaire et ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>%1 belongs to another user and cannot be removed</source>
        <translation>%1 appartient à un autre utilisateur et ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>another user&apos;s file</source>
        <translation>le fichier d’un autre utilisateur</translation>
    </message>
    <message>
        <source>a lock left by a game on the computer &quot;%1&quot;</source>
        <translation>un verrou laissé par un jeu sur l’ordinateur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 keeps changing</source>
        <translation>%1 ne cesse de changer</translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message>
        <source>a line follows the last of the clues that &quot;vclues&quot; counts</source>
        <translation>une ligne suit le dernier des indices comptés par «&#xa0;vclues&#xa0;»</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1, field &quot;%2&quot;: %3</source>
        <translation>ligne %1, champ «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <extracomment>%1 is what was due: the header, square 3 of 16, the &quot;hclues&quot; line, horizontal clue 2 of 9.</extracomment>
        <translation>le fichier s’arrête là où devrait se trouver %1</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>le champ «&#xa0;%1&#xa0;» est absent</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>the header</source>
        <extracomment>Said where the file ends early: &quot;the file ends where the header should be&quot;.</extracomment>
        <translation>l’en-tête</translation>
    </message>
    <message>
        <source>%1 is not a board size (%2)</source>
        <translation>%1 n’est pas une taille de plateau (%2)</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 est hors de l’intervalle %2..%3</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 est négatif</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds are more than the clock shows (99:59:59)</source>
        <translation>
            <numerusform>%n seconde dépasse ce que l’horloge affiche (99:59:59)</numerusform>
            <numerusform>%n secondes dépassent ce que l’horloge affiche (99:59:59)</numerusform>
        </translation>
    </message>
    <message>
        <source>square %1 of %2</source>
        <translation>la case %1 sur %2</translation>
    </message>
    <message>
        <source>%1 is outside 1..%2</source>
        <translation>%1 est hors de l’intervalle 1..%2</translation>
    </message>
    <message>
        <source>tile %1 stands twice in row %2</source>
        <translation>la tuile %1 figure deux fois dans la ligne %2</translation>
    </message>
    <message>
        <source>%1 is not %2, the picture of tile %3 in row %4</source>
        <translation>%1 n’est pas %2, l’image de la tuile %3 de la ligne %4</translation>
    </message>
    <message>
        <source>a solved square holds its own tile %1 and nothing else</source>
        <translation>une case résolue contient sa propre tuile %1 et rien d’autre</translation>
    </message>
    <message>
        <source>the square&apos;s own tile %1 is not among its candidates</source>
        <translation>la tuile propre à la case, %1, ne fait pas partie de ses candidats</translation>
    </message>
    <message>
        <source>%1, but %2 squares are solved</source>
        <translation>%1, mais %2 cases sont résolues</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a candidate entry n=n</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une entrée de candidat n=n</translation>
    </message>
    <message>
        <source>candidate %1 is outside 1..%2</source>
        <translation>le candidat %1 est hors de l’intervalle 1..%2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line</source>
        <translation>la ligne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a clue line stands where the &quot;%1&quot; line should be</source>
        <translation>une ligne d’indice se trouve là où devrait être la ligne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>vertical clue %1 of %2</source>
        <translation>l’indice vertical %1 sur %2</translation>
    </message>
    <message>
        <source>horizontal clue %1 of %2</source>
        <translation>l’indice horizontal %1 sur %2</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where vertical clue %2 of %3 should be</source>
        <translation>la ligne «&#xa0;%1&#xa0;» se trouve là où devrait être l’indice vertical %2 sur %3</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; line stands where horizontal clue %2 of %3 should be</source>
        <translation>la ligne «&#xa0;%1&#xa0;» se trouve là où devrait être l’indice horizontal %2 sur %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of clue</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un type d’indice</translation>
    </message>
    <message>
        <source>%1 is not a vertical clue</source>
        <translation>%1 n’est pas un indice vertical</translation>
    </message>
    <message>
        <source>%1 is not a horizontal clue</source>
        <translation>%1 n’est pas un indice horizontal</translation>
    </message>
    <message>
        <source>the clue is false for the board&apos;s solution</source>
        <translation>l’indice est faux pour la solution du plateau</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>line %1, field &quot;localindex&quot;: puzzle No. %2 at %3 x %3 has tile %4 in this square, not %5</source>
        <translation>ligne %1, champ «&#xa0;localindex&#xa0;»&#xa0;: l’énigme n°&#xa0;%2 en %3 x %3 a la tuile %4 dans cette case, pas %5</translation>
    </message>
    <message>
        <source>the clues are not those of puzzle No. %1 at %2 x %2</source>
        <translation>les indices ne sont pas ceux de l’énigme n°&#xa0;%1 en %2 x %2</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>le champ «&#xa0;%1&#xa0;» est absent</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>the field &quot;player&quot; is missing</source>
        <translation>le champ «&#xa0;player&#xa0;» est absent</translation>
    </message>
    <message>
        <source>The score file %1 could not be opened (%2); the scores of this run are not kept.</source>
        <translation>Le fichier des scores %1 n’a pas pu être ouvert (%2)&#xa0;; les scores de cette session ne seront pas conservés.</translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are kept as they are. The first:</source>
        <translation>
            <numerusform>Le fichier des scores %1 contient %n ligne illisible&#xa0;; elle est conservée telle quelle. La première&#xa0;:</numerusform>
            <numerusform>Le fichier des scores %1 contient %n lignes illisibles&#xa0;; elles sont conservées telles quelles. La première&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:</source>
        <translation>
            <numerusform>Le fichier des scores %1 contient %n ligne illisible&#xa0;; elle est omise du tableau et conservée dans %2. La première&#xa0;:</numerusform>
            <numerusform>Le fichier des scores %1 contient %n lignes illisibles&#xa0;; elles sont omises du tableau et conservées dans %2. La première&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The score table&apos;s column headings.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Mis-Clicks</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Clues</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores are kept and written again at the next change and when the game ends.</source>
        <translation><byte value="xd"/>Les scores sont conservés et réécrits à la prochaine modification et à la fermeture du jeu.</translation>
    </message>
    <message>
        <source><byte value="xd"/>The scores of this run could not be kept.</source>
        <translation><byte value="xd"/>Les scores de cette session n’ont pas pu être conservés.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>%1 (%2%) complete</source>
        <extracomment>The squares solved and their share of the board, as &quot;12 (33.3%) complete&quot;</extracomment>
        <translation>Résolues&#xa0;: %1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Untimed</source>
        <translation>Sans chrono</translation>
    </message>
    <message>
        <source>Time: %1:%2:%3</source>
        <extracomment>The clock: hours, minutes and seconds</extracomment>
        <translation>Temps&#xa0;: %1:%2:%3</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.<byte value="xd"/>The players&apos; progress and saved games cannot be kept.</source>
        <translation>Impossible de créer le dossier %1.<byte value="xd"/>La progression des joueurs et les parties sauvegardées ne pourront pas être conservées.</translation>
    </message>
    <message>
        <source>Enter Puzzle Number</source>
        <translation>Numéro de l’énigme</translation>
    </message>
    <message>
        <source>Enter a value between %1 and %2</source>
        <translation>Entrez une valeur entre %1 et %2</translation>
    </message>
    <message>
        <source>Sorry, that is the wrong choice!</source>
        <translation>Désolé, ce n’est pas le bon choix&#xa0;!</translation>
    </message>
    <message>
        <source>Do you want to save this game?</source>
        <translation>Voulez-vous sauvegarder cette partie&#xa0;?</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Votre partie a été sauvegardée</translation>
    </message>
    <message>
        <source>Could not save your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>Impossible de sauvegarder votre partie&#xa0;!<byte value="xd"/>Consultez la documentation au sujet de ce message&#xa0;:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Quillmere Saved Game (*.sav)</source>
        <extracomment>The open dialog&apos;s file type; &quot;(*.sav)&quot; stays as it is</extracomment>
        <translation>Partie sauvegardée Quillmere (*.sav)</translation>
    </message>
    <message>
        <source>Could not load your game!<byte value="xd"/>Please check the documentation for this message:<byte value="xd"/>%1</source>
        <translation>Impossible de charger votre partie&#xa0;!<byte value="xd"/>Consultez la documentation au sujet de ce message&#xa0;:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Your game has been loaded</source>
        <translation>Votre partie a été chargée</translation>
    </message>
    <message>
        <source>There is already a player called &quot;%1&quot;; please choose another name.</source>
        <translation>Il existe déjà un joueur nommé «&#xa0;%1&#xa0;»&#xa0;; veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current player &quot;%1&quot; from the game?<byte value="xd"/>Their saved games are deleted with them.</source>
        <translation>Voulez-vous vraiment supprimer le joueur actuel «&#xa0;%1&#xa0;» du jeu&#xa0;?<byte value="xd"/>Ses parties sauvegardées sont supprimées en même temps.</translation>
    </message>
    <message>
        <source>Unable to delete the saved games %1.</source>
        <translation>Impossible de supprimer les parties sauvegardées %1.</translation>
    </message>
    <message>
        <source>The clues give no further step here, so this clue costs nothing.</source>
        <translation>Les indices ne donnent plus aucune étape ici, cet indice ne coûte donc rien.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>It is not a WAV file.</source>
        <translation>Ce n’est pas un fichier WAV.</translation>
    </message>
    <message>
        <source>The file ends inside its &quot;%1&quot; part.</source>
        <translation>Le fichier s’arrête au milieu de sa partie «&#xa0;%1&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>It would play for %n seconds at %1 Hz; a game sound may last at most %2.</source>
        <translation>
            <numerusform>Il durerait %n seconde à %1&#xa0;Hz&#xa0;; un son du jeu peut durer au plus %2.</numerusform>
            <numerusform>Il durerait %n secondes à %1&#xa0;Hz&#xa0;; un son du jeu peut durer au plus %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;. %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmere</source>
        <translation>À propos de Quillmere</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guide du joueur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Image de titre</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Quillmere Help</source>
        <translation>Aide de Quillmere</translation>
    </message>
    <message>
        <source>Find the Player&apos;s Guide, help, hints and how to play at</source>
        <translation>Guide du joueur, aide, conseils et règles du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Your game is PAUSED</source>
        <translation>Votre partie est EN PAUSE</translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>New Player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Click the headings to sort</source>
        <translation>Cliquez sur les en-têtes pour trier</translation>
    </message>
    <message>
        <source>Hi Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all your scores?</source>
        <translation>Voulez-vous vraiment supprimer tous vos scores&#xa0;?</translation>
    </message>
    <message>
        <source>Erase My Scores</source>
        <translation>Effacer mes scores</translation>
    </message>
    <message>
        <source>Space sorts the scores by the current cell&apos;s column</source>
        <translation>Espace trie les scores selon la colonne de la cellule courante</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Parties chronométrées</translation>
    </message>
    <message>
        <source>Play Sound Effects </source>
        <translation>Effets sonores </translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Afficher les conseils</translation>
    </message>
    <message>
        <source>Zoom Small Tiles</source>
        <translation>Agrandir les petites tuiles</translation>
    </message>
    <message>
        <source>Animation on Completion of Puzzle</source>
        <translation>Animation à la fin de l’énigme</translation>
    </message>
    <message>
        <source>Show Splash Screen at Startup</source>
        <translation>Écran d’accueil au démarrage</translation>
    </message>
    <message>
        <source>Difficulty Setting</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Easier</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Quillmere speaks the new language from its next start.</source>
        <translation>Quillmere utilisera la nouvelle langue au prochain démarrage.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>SplashForm</source>
        <extracomment>The splash window&apos;s title bar shows its own name.</extracomment>
        <translation>Écran d’accueil</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Jouer&#xa0;!</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Image de titre</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>All sizes</source>
        <translation>Toutes tailles</translation>
    </message>
    <message numerus="yes">
        <source>Last %n results, oldest first: score by board size</source>
        <translation>
            <numerusform>%n dernier résultat&#xa0;: score par taille de plateau</numerusform>
            <numerusform>%n derniers résultats, du plus ancien au plus récent&#xa0;: score par taille de plateau</numerusform>
        </translation>
    </message>
    <message>
        <source>No completed puzzles yet</source>
        <translation>Aucune énigme terminée pour l’instant</translation>
    </message>
    <message>
        <source>highest: %1 points</source>
        <extracomment>Over the bars: the highest score among them.</extracomment>
        <translation>max.&#xa0;: %1 points</translation>
    </message>
    <message>
        <source>Puzzle Size</source>
        <extracomment>The statistics table&apos;s column headings.</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminées</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Median Time</source>
        <translation>Temps médian</translation>
    </message>
    <message>
        <source>Mis-Clicks per Puzzle</source>
        <translation>Erreurs / énigme</translation>
    </message>
    <message>
        <source>Clues per Puzzle</source>
        <translation>Indices / énigme</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>Statistiques de %1</translation>
    </message>
    <message>
        <source>Times count only timed games. With an even number of times the median is the mean of the middle two.</source>
        <translation>Seules les parties chronométrées comptent pour les temps. Avec un nombre pair de temps, la médiane est la moyenne des deux temps du milieu.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Chart of the last results</source>
        <translation>Graphique des derniers résultats</translation>
    </message>
    <message>
        <source>%1 x %1: %2 points</source>
        <extracomment>One bar of the results chart in words: the board size and the score</extracomment>
        <translation>%1 x %1&#xa0;: %2 points</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s), oldest first: %1</source>
        <translation>
            <numerusform>%n résultat, le plus ancien d’abord&#xa0;: %1</numerusform>
            <numerusform>%n résultats, le plus ancien d’abord&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tiles</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Lapin</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Renard</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ours</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Fruits</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fraise</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Pastèque</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Poire</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Vegetables</source>
        <translation>Légumes</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Carotte</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>Maïs</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brocoli</translation>
    </message>
    <message>
        <source>Eggplant</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Chili</source>
        <translation>Piment</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Pomme de terre</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Oignon</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Concombre</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Véhicules</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Airplane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Locomotive</source>
        <translation>Locomotive</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Sailboat</source>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tracteur</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sports</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Ballon de football</translation>
    </message>
    <message>
        <source>Rugby ball</source>
        <translation>Ballon de rugby</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <translation>Tennis de table</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <translation>Gant de boxe</translation>
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
        <translation>Hockey sur glace</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <translation>Patin à glace</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambour</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxophone</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Casque audio</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Éclair</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parapluie</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Droplet</source>
        <translation>Goutte</translation>
    </message>
    <message>
        <source>Sea life</source>
        <translation>Vie marine</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pieuvre</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <translation>Poisson tropical</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dauphin</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Baleine</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>Coquillage</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Crevette</translation>
    </message>
    <message>
        <source>Blowfish</source>
        <translation>Poisson-globe</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Phoque</translation>
    </message>
    <message>
        <source>Treats</source>
        <translation>Gourmandises</translation>
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
        <translation>Hot-dog</translation>
    </message>
    <message>
        <source>Fries</source>
        <translation>Frites</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Beignet</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Gâteau</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Sucette</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Pop-corn</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Plantes</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Tournesol</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipe</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <translation>Palmier</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <translation>Feuille d’érable</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <translation>Plante en pot</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Tap removes</source>
        <translation>Toucher retire</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>The address of this puzzle is copied.</source>
        <translation>L’adresse de cette énigme est copiée.</translation>
    </message>
    <message>
        <source>Copy the address of this puzzle: %1</source>
        <translation>Copiez l’adresse de cette énigme&#xa0;: %1</translation>
    </message>
    <message>
        <source>The address %1 opens no puzzle: %2</source>
        <translation>L’adresse %1 n’ouvre aucune énigme&#xa0;: %2</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page here (private mode or storage turned off): scores and games last only while it is open.</source>
        <translation>Le navigateur ne conserve rien pour cette page ici (navigation privée ou stockage désactivé)&#xa0;: les scores et les parties ne durent que tant qu’elle est ouverte.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage for this page is full: the latest records are kept only while the page is open.</source>
        <translation>Le stockage du navigateur pour cette page est plein&#xa0;: les derniers enregistrements ne sont conservés que tant que la page est ouverte.</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is kept aside as %2: %3</source>
        <translation>L’enregistrement %1 n’a pas pu être lu et est mis de côté sous %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The stored record %1 could not be read and is left as it is: %2</source>
        <translation>L’enregistrement %1 n’a pas pu être lu et reste tel quel&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not valid JSON</source>
        <translation>ce n’est pas du JSON valide</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; holds no valid value</source>
        <translation>le champ «&#xa0;%1&#xa0;» ne contient aucune valeur valide</translation>
    </message>
    <message>
        <source>The file %1 is too big to be a saved game (%2 bytes; at most %3).</source>
        <translation>Le fichier %1 est trop gros pour être une partie sauvegardée (%2 octets&#xa0;; au plus %3).</translation>
    </message>
</context>
<context>
    <name>WindowLinks</name>
    <message>
        <source>No web browser or other program to open this link was found:<byte value="xd"/>%1<byte value="xd"/>Please open it in a web browser yourself.</source>
        <translation>Aucun navigateur web ni autre programme capable d’ouvrir ce lien n’a été trouvé&#xa0;:<byte value="xd"/>%1<byte value="xd"/>Veuillez l’ouvrir vous-même dans un navigateur web.</translation>
    </message>
    <message>
        <source>With thanks to %1</source>
        <extracomment>%1 is the donation page&apos;s site, e.g. example.org.</extracomment>
        <translation>Merci à %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here</source>
        <translation>Si Quillmere vous plaît, pensez à faire un don via PayPal en cliquant ici</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License,
version 3 or later, with no warranty</source>
        <translation>Logiciel libre sous licence GNU General Public License,
version 3 ou ultérieure, sans aucune garantie</translation>
    </message>
</context>
</TS>
