#pragma once

#include "Prefs.h"
#include "Result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class TIniFile;

// The player records: the current player's preferences and puzzle counters,
// the list of known players and the window geometry, with the three places
// they are kept (the players file beside the program, one profile per player
// in the folder "Players" beside it, and the per-user settings store for the
// splash switch). The options dialog owns one; no operation needs a window.
class TSettings {
 public:
  // programPath is the program's own file path (or DIR/quillmere for a
  // chosen data folder); the players file and "Players" sit beside it.
  explicit TSettings(const QString& programPath);

  TPrefs Prefs;
  TStats Stats;
  // One "name=name" entry per known player, in display order.
  QStringList PlayerList;

  // Window geometry in pixels; 0 means no size was recorded.
  std::int32_t MainWidth = 0;
  std::int32_t MainHeight = 0;
  std::int32_t HorizontalWidth = 0;
  std::int32_t VerticalHeight = 0;
  // Where the window's frame had its top-left corner on the desktop. Kept
  // apart from the sizes: a window system that places windows itself never
  // changes it, and a profile without it starts centred.
  bool MainPlaced = false;
  std::int32_t MainLeft = 0;
  std::int32_t MainTop = 0;

  // Called by UpdatePenalties, so the options dialog can refresh its two
  // penalty labels from CluePenaltyText() and MisClickPenaltyText().
  std::function<void()> PenaltiesChanged;

  void LoadPlayerList();
  // Writes the players file, then the profile; stops at the first failure.
  TResult StorePlayerList();
  void LoadProfile();
  // Also stores the splash switch in the settings store, silently.
  TResult StoreProfile();
  // The splash switch into the per-user settings store; a store that cannot
  // take it is told once a run.
  TResult StoreShowSplash();
  void SetNewPlayerDefaults();
  void UpdatePenalties();
  // The caller makes Prefs.PlayerName equal to name first.
  TResult DeletePlayer(const QString& name);
  // The players' names as the list shows them, in the order of the
  // language the game speaks (PlayerList keeps the file's order).
  QStringList ListPlayerNames() const;

  QString CluePenaltyText() const;
  QString MisClickPenaltyText() const;

  // The names LoadPlayerList refused (the current player's first), each
  // with its reason; empty when every name could be used.
  QStringList RefusedNames;
  // One message for RefusedNames and the player chosen instead; empty when
  // nothing was refused.
  QString RefusedNamesMessage() const;

  const QString& PlayersFilePath() const { return PlayersFile; }
  const QString& PlayersFolder() const { return ProfileFolder; }
  // The profile file of a player, always directly inside PlayersFolder();
  // empty for a name that IsValidPlayerName refuses.
  QString ProfilePath(const QString& playerName) const;

  // One message per players file or profile that could not be read whole,
  // each file once a run; the window shows them, and this empties the list.
  QStringList TakeReadMessages();

  // The splash switch of the settings store (missing, or a store that is no
  // regular file of a sane size, reads as true), for the program start
  // before any player is loaded.
  static bool ReadShowSplash();

 private:
  void RefuseUnusableNames();
  void NoteReadProblem(const TIniFile& file, bool profile);

  QString PlayersFile;
  QString ProfileFolder;
  QStringList ReadMessages;
  QStringList ReportedFiles;
  bool SplashProblemTold = false;
};

// Whether a name can be a player's name (it becomes a file name and an INI
// key). When not, message (if given) gets a one-line reason.
bool IsValidPlayerName(const QString& name, QString* message = nullptr);

// The language the current player chose (empty: the desktop's), for the
// program's start before any window: read quietly, as the window reads the
// records again itself and tells what it cannot read.
QString StoredLanguage(const QString& programPath);

// The name part of a PlayerList entry: the text before its first "=".
QString PlayerEntryName(const QString& entry);
