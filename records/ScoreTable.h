#pragma once

#include "Result.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

// One completed puzzle's result: one line of the score file.
struct TScore {
  std::int32_t Number = 0;  // the puzzle number
  std::int32_t Size = 0;    // the board size N
  QString Player;
  std::int32_t Time = 0;        // game time with penalties; -1 for an untimed game
  std::int32_t Errors = 0;      // mis-clicks
  std::int32_t Clues = 0;       // "Give me a clue!" steps
  std::int32_t Difficulty = 0;  // 0 to 10
  std::int32_t Score = 0;       // points, see ScoreFor (GameRules.h)

  bool operator==(const TScore&) const = default;
};

// What reading the score file could not use. Unreadable lines stay out of
// the table; Load keeps them aside in the score file's ".unreadable" file
// (added to what is there already) and takes them out of the score file, so
// they are reported once. Where they cannot be moved whole (the backup,
// that file or the score file cannot be written), they stay in the score
// file only and are written back as they were. Either way nothing in the
// file is lost, and nothing is moved twice.
// The outcome is Error: one message for everything below, for an error box;
// Ok when the whole file was read. The fields say what lies behind it.
struct [[nodiscard]] TScoreReadReport : TResult {
  QString Path;             // the score file
  QString OpenError;        // the file exists but could not be opened
  int UnreadableLines = 0;  // lines with a missing or malformed field
  QString FirstLine;        // the first unreadable line's text
  QString FirstReason;      // why it could not be read
  QString KeptPath;         // where the unreadable lines went; empty: still in the score file
  QString KeepError;        // why they could not be moved there, naming the file
};

// The high-score table of all players, kept in the score file beside the
// program. Every change is written to the file at once; the first write of
// a run first keeps the file as it was at the start in the backup file.
class TScoreTable {
 public:
  static constexpr int ColumnCount = 8;
  // The column headings: "Name", "Puzzle Size", "Score", "Number", "Time",
  // "Mis-Clicks", "Clues", "Difficulty".
  static QString Heading(int column);

  // The program's path with its extension replaced by ".sco" and ".scb";
  // the unreadable lines go to the score path with ".unreadable" added.
  static QString ScorePath(const QString& programPath);
  static QString BackupPath(const QString& programPath);
  static QString UnreadablePath(const QString& programPath);

  // Reads the score file of programPath (none: an empty table); from then on
  // every change is written there. Without Load, nothing is ever written.
  TScoreReadReport Load(const QString& programPath);
  // Reads a score file's content into a table that writes nowhere.
  TScoreReadReport Read(QByteArray content);

  // Every entry, in display order.
  const std::vector<TScore>& Scores() const { return Entries; }
  // The index of the entry of this run's latest completion; -1 for none.
  int CurrentEntry() const { return Current; }
  // The column last sorted by and the direction switch (see Sort).
  int SortColumn() const { return SortCol; }
  bool SortFlag() const { return Flag; }
  // The current player while the window is open; erasing removes theirs.
  const QString& ViewingPlayer() const { return Viewer; }
  void SetViewingPlayer(const QString& name) { Viewer = name; }

  // Appends the result with its score and highlights it. A failed write
  // (its error gives the system's reason) leaves the file as it was and the
  // entry in the table; the next change writes it too, and so does
  // WriteUnwritten at the end of the run.
  TResult AddScore(const QString& player, std::int32_t number, std::int32_t size, std::int32_t time,
                   std::int32_t errors, std::int32_t clues, std::int32_t difficulty);
  // Removes every entry of the player, names compared without regard to case.
  TResult DeletePlayerScores(const QString& player);
  TResult EraseViewingPlayerScores() { return DeletePlayerScores(Viewer); }
  // A heading click: the same column again flips SortFlag. Names sort A to Z
  // while SortFlag is set, numbers largest first; equal keys keep their
  // order, and the highlight stays on its entry.
  TResult Sort(int column);

  // True while the file lacks a change of the table because its write failed.
  bool Unwritten() const { return Pending; }
  // Writes the table when a change is still unwritten (at the end of the run).
  TResult WriteUnwritten();

  // The text of one cell; empty beyond the last entry. Scores are grouped in
  // thousands, times read hh:mm:ss and an untimed game "--:--:--".
  QString CellText(int row, int column, const QLocale& locale = QLocale()) const;

 private:
  void ReadLines(TScoreReadReport& report);
  void KeepUnreadableAside(TScoreReadReport& report);
  QString UnreadableFile() const;
  // Keeps the file as the run found it in the backup, before the first write.
  TResult BackUp();
  // Writes the whole table; the error names the file and the system's reason.
  TResult Write();
  // Write() for a change of the table: a failure says the change is kept.
  TResult WriteChange();

  std::vector<TScore> Entries;
  std::vector<QByteArray> Unreadable;  // lines kept as read, without their line end
  int Current = -1;
  int SortCol = 0;
  bool Flag = false;
  QString Viewer;

  QString ScoreFile;  // empty: not loaded, nothing to write
  QString BackupFile;
  QByteArray StartContent;  // the file as the run found it
  bool HadFile = false;
  bool BackedUp = false;
  bool Pending = false;  // a change the file does not hold yet
};
