#pragma once

#include "Result.h"
#include "SavedGameFormat.h"

#include <QString>
#include <QStringList>

// The saved game's values, its text and its checks are the stored formats'
// (SavedGameFormat.h); here are its files, their names and owners, and the
// messages in the player's language.

// The texts the window shows around saving and opening; a failure's own
// message follows the two "Could not" sentences ("\r" breaks the line).
inline constexpr char CouldNotSaveGameText[] =
    "Could not save your game!\rPlease check the documentation for this message:\r";
inline constexpr char CouldNotLoadGameText[] =
    "Could not load your game!\rPlease check the documentation for this message:\r";
inline constexpr char GameSavedText[] = "Your game has been saved";
inline constexpr char GameLoadedText[] = "Your game has been loaded";

// Writes the file whole (WriteFileWhole), so a failed write keeps the previous
// file as it was; Error names the file and the failure's own message. The
// folder must exist.
TResult WriteSavedGame(const QString& path, const TSavedGame& game);

// Reads and checks the whole file (ParseSavedGame), and that it is the
// puzzle its size and number give (CheckSavedPuzzle); game is assigned only
// when every check passed. Error is "File not found" for a missing file,
// otherwise names the first problem with its line and field ("line 7, field
// "remaining": ...").
TResult ReadSavedGame(const QString& path, TSavedGame& game);

// playersFolder/Saved Games/<player>_<number>_<size>.sav, playersFolder being
// the "Players" folder beside the program.
QString SavedGamePath(const QString& playersFolder, const QString& player, int number, int size);

// The known player who owns a saved game's file (names matched without regard
// to case): the one whose name is the whole name part of name_number_size.sav;
// for a file of another name, the current player when her name and "_" start
// it, else the longest name that does. Empty when none does. Names come back
// as spelled in names.
QString SavedGameOwner(const QString& fileName, const QStringList& names, const QString& current = {});
