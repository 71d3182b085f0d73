#include "ScoreTable.h"

#include "GameRules.h"

#include "FileBytes.h"
#include "FormatTexts.h"
#include "ScoreLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Names compare by character code with only a to z folded to A to Z.
char16_t Folded(QChar c) {
  const char16_t u = c.unicode();
  return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
}

bool SameFoldedName(const QString& a, const QString& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](QChar x, QChar y) { return Folded(x) == Folded(y); });
}

struct TLineResult {
  std::optional<TScore> Score;
  QString Reason;
};

// Names seen so far: a table holds many entries of few players, and one
// shared string per player keeps the table small and quick to go through.
using TNames = QHash<QByteArray, QString>;

TLineResult ReadScoreLine(QByteArrayView line, TNames& names) {
  TScoreLine read;
  if (const TFormatResult parsed =
          ParseScoreLine(std::string_view(line.data(), static_cast<std::size_t>(line.size())), read);
      !parsed)
    return {std::nullopt, FormatMessageText(parsed.Error)};
  // Looked up in place; a name not seen yet is kept as a copy.
  const QByteArray player =
      QByteArray::fromRawData(read.Player.data(), static_cast<qsizetype>(read.Player.size()));
  auto name = names.constFind(player);
  // A name another program wrote in Latin-1 stays the same name when the
  // table is written back in UTF-8.
  if (name == names.constEnd())
    name =
        names.insert(QByteArray(player.constData(), player.size()), QString::fromUtf8(TolerantUtf8(player)));
  return {
      TScore{read.Number, read.Size, *name, read.Time, read.Errors, read.Clues, read.Difficulty, read.Score},
      {}};
}

// The file's text: one line per entry, then the unreadable lines as read.
// A table of many entries is written at every change: one buffer, and one
// line whose name is only replaced.
std::string ScoreText(const std::vector<TScore>& entries, const std::vector<QByteArray>& unreadable) {
  constexpr std::size_t LineBound = 160;  // the keys, separators, line end and seven numbers
  std::size_t bound = 0;
  for (const TScore& s : entries) bound += LineBound + 3 * static_cast<std::size_t>(s.Player.size());
  for (const QByteArray& line : unreadable) bound += static_cast<std::size_t>(line.size()) + 2;
  std::string text;
  text.reserve(bound);
  TScoreLine line;
  for (const TScore& s : entries) {
    const QString& name = s.Player;
    line.Player.clear();
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; })) {
      for (const QChar c : name) line.Player += static_cast<char>(c.unicode());
    } else {
      const QByteArray utf8 = name.toUtf8();
      line.Player.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    }
    line.Number = s.Number;
    line.Size = s.Size;
    line.Time = s.Time;
    line.Errors = s.Errors;
    line.Clues = s.Clues;
    line.Difficulty = s.Difficulty;
    line.Score = s.Score;
    AppendScoreLine(text, line);
  }
  for (const QByteArray& kept : unreadable) {
    text.append(kept.constData(), static_cast<std::size_t>(kept.size()));
    text += "\r\n";
  }
  return text;
}

// The whole content, the previous file staying as it was when this fails.
TResult WriteWhole(const QString& path, QByteArrayView content) {
  const TResult written = WriteFileWhole(path, content);
  if (written) return {};
  return {QCoreApplication::translate("Records", "Unable to write to %1: %2").arg(path, written.Error)};
}

QString WithExtension(const QString& programPath, const char* extension) {
  const QFileInfo program(programPath);
  QString base = program.fileName();
  const qsizetype dot = base.lastIndexOf('.');
  if (dot > 0) base.truncate(dot);  // replace the extension; none: append
  return program.absolutePath() + QStringLiteral("/") + base + QLatin1String(extension);
}

QString TwoDigits(int value) {
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

namespace {

// The report's message, from what it says was read.
QString ReadMessage(const TScoreReadReport& report) {
  if (!report.OpenError.isEmpty())
    return QCoreApplication::translate(
               "Scores", "The score file %1 could not be opened (%2); the scores of this run are not kept.")
        .arg(report.Path, report.OpenError);
  const int lines = report.UnreadableLines;
  if (lines == 0) return {};
  // The first reason follows on the next lines.
  const QString head = report.KeptPath.isEmpty()
                           ? QCoreApplication::translate(
                                 "Scores",
                                 "The score file %1 has %n lines that could not be read; they are kept as "
                                 "they are. The first:",
                                 "", lines)
                                 .arg(report.Path)
                           : QCoreApplication::translate(
                                 "Scores",
                                 "The score file %1 has %n lines that could not be read; they are left out "
                                 "of the table and kept in %2. The first:",
                                 "", lines)
                                 .arg(report.Path, report.KeptPath);
  QString message =
      head + QStringLiteral("\r") + report.FirstLine + QStringLiteral("\r") + report.FirstReason;
  if (!report.KeepError.isEmpty()) message += QStringLiteral("\r") + report.KeepError;
  return message;
}

}  // namespace

QString TScoreTable::Heading(int column) {
  //: The score table's column headings.
  static const char* const Headings[ColumnCount] = {
      QT_TRANSLATE_NOOP("Scores", "Name"),  QT_TRANSLATE_NOOP("Scores", "Puzzle Size"),
      QT_TRANSLATE_NOOP("Scores", "Score"), QT_TRANSLATE_NOOP("Scores", "Number"),
      QT_TRANSLATE_NOOP("Scores", "Time"),  QT_TRANSLATE_NOOP("Scores", "Mis-Clicks"),
      QT_TRANSLATE_NOOP("Scores", "Clues"), QT_TRANSLATE_NOOP("Scores", "Difficulty")};
  return column >= 0 && column < ColumnCount ? QCoreApplication::translate("Scores", Headings[column])
                                             : QString();
}

QString TScoreTable::ScorePath(const QString& programPath) {
  return WithExtension(programPath, ".sco");
}

QString TScoreTable::BackupPath(const QString& programPath) {
  return WithExtension(programPath, ".scb");
}

QString TScoreTable::UnreadablePath(const QString& programPath) {
  return ScorePath(programPath) + QStringLiteral(".unreadable");
}

QString TScoreTable::UnreadableFile() const {
  return ScoreFile + QStringLiteral(".unreadable");
}

TScoreReadReport TScoreTable::Load(const QString& programPath) {
  *this = TScoreTable();
  ScoreFile = ScorePath(programPath);
  BackupFile = BackupPath(programPath);
  TScoreReadReport report;
  report.Path = ScoreFile;

  TFileBytes file = ReadFileBytes(ScoreFile, ScoreFileLimit);
  if (file.Missing) return report;
  // Neither read nor written through a link or as another user's file.
  if (const QString problem = OwnFileProblem(ScoreFile); file.Ok() && !problem.isEmpty()) {
    file.Error = problem;
    file.Bytes.clear();
  }
  if (!file.Ok()) {
    // Writing would replace a file whose scores were never read.
    report.OpenError = file.Error;
    report.Error = ReadMessage(report);
    ScoreFile.clear();
    return report;
  }
  HadFile = true;
  StartContent = std::move(file.Bytes);
  ReadLines(report);
  if (!Unreadable.empty()) KeepUnreadableAside(report);
  report.Error = ReadMessage(report);
  return report;
}

// The unreadable lines go to their own file, after whatever an earlier run
// kept there, and the score file is written without them, so the next start
// finds nothing to report. They are moved whole or not at all: where the
// backup, that file or the score file cannot be written, the lines stay in
// the score file only, and KeepError says why.
void TScoreTable::KeepUnreadableAside(TScoreReadReport& report) {
  const QString kept = UnreadableFile();
  auto refuse = [&report, &kept](const QString& why) {
    report.KeepError = QCoreApplication::translate("Records", "Unable to write to %1: %2").arg(kept, why);
  };
  // Read only where it could be written: a link there could show anything
  // the player may read to whoever shares the folder.
  if (const QString problem = OwnFileProblem(kept); !problem.isEmpty()) return refuse(problem);
  const TFileBytes earlier = ReadFileBytes(kept, ScoreFileLimit);
  if (!earlier.Ok() && !earlier.Missing) return refuse(earlier.Error);
  // The backup is the one write before the score file's own; where it fails
  // the score file cannot be written either.
  if (TResult backed = BackUp(); !backed) {
    report.KeepError = backed.Error;
    return;
  }
  QByteArray content = earlier.Bytes;
  if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
  for (const QByteArray& line : Unreadable) content += line + "\r\n";
  if (TResult written = WriteFileWhole(kept, content); !written) return refuse(written.Error);
  std::vector<QByteArray> lines = std::move(Unreadable);
  Unreadable.clear();
  if (TResult written = Write(); !written) {
    // Still in the score file: taken back out of the other, so the next
    // start does not add them there again.
    const bool undone = earlier.Missing ? QFile::remove(kept) : WriteFileWhole(kept, earlier.Bytes).Ok();
    if (undone) {
      Unreadable = std::move(lines);
      Pending = false;
      report.KeepError = written.Error;
      return;
    }
    // In both files until the score file is written, at the next change or
    // the end of the run.
  }
  report.KeptPath = kept;
}

TScoreReadReport TScoreTable::Read(QByteArray content) {
  *this = TScoreTable();
  TScoreReadReport report;
  StartContent = std::move(content);
  ReadLines(report);
  report.Error = ReadMessage(report);
  return report;
}

void TScoreTable::ReadLines(TScoreReadReport& report) {
  Entries.reserve(std::count(StartContent.cbegin(), StartContent.cend(), '\n') + 1);
  TNames names;  // views into StartContent, which outlives them

  qsizetype start = 0;
  while (start < StartContent.size()) {
    qsizetype end = StartContent.indexOf('\n', start);
    const qsizetype next = end < 0 ? StartContent.size() : end + 1;
    if (end < 0) end = StartContent.size();
    if (end > start && StartContent[end - 1] == '\r') --end;
    const QByteArrayView bytes = QByteArrayView(StartContent).sliced(start, end - start);
    start = next;
    if (bytes.isEmpty()) continue;  // a blank line holds nothing to keep

    TLineResult read = ReadScoreLine(bytes, names);
    if (read.Score) {
      Entries.push_back(std::move(*read.Score));
      continue;
    }
    if (report.UnreadableLines++ == 0) {
      report.FirstLine = QString::fromUtf8(bytes);
      report.FirstReason = read.Reason;
    }
    Unreadable.emplace_back(bytes.toByteArray());
  }
}

TResult TScoreTable::AddScore(const QString& player, std::int32_t number, std::int32_t size,
                              std::int32_t time, std::int32_t errors, std::int32_t clues,
                              std::int32_t difficulty) {
  Entries.push_back(
      {number, size, player, time, errors, clues, difficulty, ScoreFor(size, time, errors, clues)});
  Current = static_cast<int>(Entries.size()) - 1;
  return WriteChange();
}

TResult TScoreTable::DeletePlayerScores(const QString& player) {
  std::vector<TScore> kept;
  kept.reserve(Entries.size());
  int current = -1;
  for (int i = 0; i < static_cast<int>(Entries.size()); ++i) {
    if (SameFoldedName(Entries[i].Player, player)) continue;
    if (i == Current) current = static_cast<int>(kept.size());
    kept.push_back(std::move(Entries[i]));
  }
  const bool removed = kept.size() != Entries.size();
  Entries = std::move(kept);
  Current = current;
  return removed || Pending ? WriteChange() : TResult{};
}

TResult TScoreTable::Sort(int column) {
  if (column < 0 || column >= ColumnCount) return {};
  if (column == SortCol) Flag = !Flag;
  SortCol = column;

  // A stable sort gives the very order of repeated exchanges of neighbours
  // that are out of order, in O(n log n). It sorts each key beside its
  // position, so it reads memory in a row and the highlight can follow its
  // entry; the folded names share one buffer.
  const auto n = static_cast<int>(Entries.size());
  std::vector<int> order(Entries.size());
  if (column == 0) {
    std::u16string folded;
    std::vector<std::pair<qsizetype, qsizetype>> spans;  // start and length in folded
    spans.reserve(Entries.size());
    for (const TScore& s : Entries) {
      spans.emplace_back(static_cast<qsizetype>(folded.size()), s.Player.size());
      for (const QChar c : s.Player) folded += Folded(c);
    }
    std::vector<std::pair<std::u16string_view, int>> keys;
    keys.reserve(Entries.size());
    for (int i = 0; i < n; ++i)
      keys.emplace_back(std::u16string_view(folded).substr(spans[i].first, spans[i].second), i);
    std::stable_sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
      return Flag ? a.first < b.first : b.first < a.first;
    });
    for (int i = 0; i < n; ++i) order[i] = keys[i].second;
  } else {
    static constexpr std::int32_t TScore::*Fields[ColumnCount] = {
        nullptr,       &TScore::Size,   &TScore::Score, &TScore::Number,
        &TScore::Time, &TScore::Errors, &TScore::Clues, &TScore::Difficulty};
    const auto field = Fields[column];
    std::vector<std::pair<std::int32_t, int>> keys;
    keys.reserve(Entries.size());
    for (int i = 0; i < n; ++i) keys.emplace_back(Entries[i].*field, i);
    std::stable_sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
      return Flag ? a.first > b.first : a.first < b.first;
    });
    for (int i = 0; i < n; ++i) order[i] = keys[i].second;
  }

  bool moved = false;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) moved |= order[i] != i;
  if (!moved) return Pending ? WriteChange() : TResult{};
  std::vector<TScore> sorted;
  sorted.reserve(Entries.size());
  int current = -1;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    if (order[i] == Current) current = i;
    sorted.push_back(std::move(Entries[order[i]]));
  }
  Entries = std::move(sorted);
  Current = current;
  return WriteChange();
}

QString TScoreTable::CellText(int row, int column, const QLocale& locale) const {
  if (row < 0 || row >= static_cast<int>(Entries.size())) return {};
  const TScore& s = Entries[row];
  switch (column) {
    case 0:
      return s.Player;
    case 1:
      return QStringLiteral("%1 x %1").arg(s.Size);
    case 2: {
      QLocale grouped = locale;  // the C locale leaves out separators unless told
      grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
      return grouped.toString(s.Score);
    }
    case 3:
      return QString::number(s.Number);
    case 4:
      if (s.Time < 0) return QStringLiteral("--:--:--");
      return TwoDigits(s.Time / 3600) + u':' + TwoDigits(s.Time / 60 % 60) + u':' + TwoDigits(s.Time % 60);
    case 5:
      return QString::number(s.Errors);
    case 6:
      return QString::number(s.Clues);
    case 7:
      return QString::number(s.Difficulty);
    default:
      return {};
  }
}

TResult TScoreTable::WriteChange() {
  TResult written = Write();
  if (!written)
    written.Error +=
        QCoreApplication::translate("Scores",
                                    "\rThe scores are kept and written again at the next change and when the "
                                    "game ends.");
  return written;
}

TResult TScoreTable::WriteUnwritten() {
  if (!Pending) return {};
  TResult written = Write();
  if (!written)
    written.Error += QCoreApplication::translate("Scores", "\rThe scores of this run could not be kept.");
  return written;
}

// Once a run, before its first write: the backup becomes the file as the
// run found it (no file then: no backup either). Without a backup the score
// file is left alone, so the start state is never lost.
TResult TScoreTable::BackUp() {
  if (BackedUp) return {};
  if (HadFile) {
    if (TResult kept = WriteWhole(BackupFile, StartContent); !kept) return kept;
  } else if (OwnFileProblem(BackupFile).isEmpty()) {
    QFile::remove(BackupFile);
  }
  BackedUp = true;
  StartContent = QByteArray();  // no longer needed
  return {};
}

TResult TScoreTable::Write() {
  if (ScoreFile.isEmpty()) return {};
  Pending = true;
  if (TResult backed = BackUp(); !backed) return backed;
  const std::string text = ScoreText(Entries, Unreadable);
  TResult written = WriteWhole(ScoreFile, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (written) Pending = false;
  return written;
}
