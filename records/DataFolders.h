#pragma once

#include "Result.h"

#include <QString>

#include <functional>

// Where the game reads its pictures and sounds from and where it keeps the
// players' records; decided once at start, from where the program lies.
struct TDataFolders {
  QString Assets;   // tiles/, sounds/, title.jpg and the Player's Guide (read only)
  QString Records;  // the players file, Players/ (with Saved Games), the score files, the lock;
                    // empty where there is no folder for them (no home)
  bool RecordsAwayFromCopy = false;  // a copy with its own pictures that cannot be written: the records
                                     // are in the user's data folder

  // The path the records are named after: the players file is
  // RecordsPath() + ".ini", the scores ".sco" and ".scb", the lock ".lock".
  QString RecordsPath() const { return Records + QStringLiteral("/quillmere"); }
};

// The read-only data of an installed game, relative to the program's folder.
inline constexpr char InstalledAssetsFromProgram[] = "../share/quillmere";

// Decides the folders:
//  - dataDir, when given, holds everything (its own tiles/, sounds/, Players/);
//  - else a program folder that holds tiles/ (the build folder, a portable
//    copy) gives the pictures, and keeps the records beside them where it is
//    the player's and can be written; a copy on a read-only medium, made
//    immutable or another user's keeps them in userDataFolder;
//  - else the game is installed: assets from ../share/quillmere beside the
//    program's folder, records in userDataFolder.
// isWritable answers for a folder; the default asks the file system.
TDataFolders ResolveDataFolders(const QString& programFolder, const QString& dataDir,
                                const QString& userDataFolder,
                                const std::function<bool(const QString&)>& isWritable = {});

// The user's data folder as the system gives it (standardFolder), or empty
// where the environment names no home (neither HOME nor XDG_DATA_HOME).
QString UserDataFolder(const QString& standardFolder);

// Makes the records folder where it is missing (a first start), for the
// lock; Players/Saved Games inside it comes with the window, once the game
// has found its pictures, so a wrong folder is left as it was. Fails when it
// cannot be made.
TResult MakeRecordsFolder(const TDataFolders& folders);
