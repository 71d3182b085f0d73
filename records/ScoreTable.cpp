#include "ScoreTable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr QChar Separator = u'~';

// The value of the field `key` in a one-line record: the field begins where
// the key and "=" stand at the start of the text or right after a separator,
// the first such field counts, and its value runs to the next separator or
// the end of the text.
std::optional<QStringView> ReadField(QStringView text, QStringView key, QChar separator) {
  qsizetype from = 0;
  while (from < text.size()) {
    const QStringView rest = text.sliced(from);
    if (rest.size() > key.size() && rest.startsWith(key) && rest[key.size()] == u'=') {
      const QStringView value = rest.sliced(key.size() + 1);
      const qsizetype end = value.indexOf(separator);
      return end < 0 ? value : value.first(end);
    }
    const qsizetype next = text.indexOf(separator, from);
    if (next < 0) break;
    from = next + 1;
  }
  return std::nullopt;
}

// Plain decimal with an optional sign that fits 32 bits; anything else is no
// whole number.
std::optional<std::int32_t> WholeNumber(QStringView text) {
  bool negative = false;
  if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
    negative = text.front() == u'-';
    text = text.sliced(1);
  }
  if (text.isEmpty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// Names compare by character code with only a to z folded to A to Z.
QString FoldedName(const QString& name) {
  QString folded = name;
  for (QChar& c : folded)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
  return folded;
}

struct TLineResult {
  std::optional<TScore> Score;
  QString Reason;
};

TLineResult ReadScoreLine(QStringView line) {
  TScore score;
  const std::optional<QStringView> player = ReadField(line, u"player", Separator);
  if (!player) return {std::nullopt, QStringLiteral("the field \"player\" is missing")};
  score.Player = player->toString();
  const std::pair<const char16_t*, std::int32_t TScore::*> numbers[] = {
      {u"number", &TScore::Number}, {u"size", &TScore::Size},   {u"time", &TScore::Time},
      {u"errors", &TScore::Errors}, {u"clues", &TScore::Clues}, {u"difficulty", &TScore::Difficulty},
      {u"score", &TScore::Score},
  };
  for (const auto& [key, field] : numbers) {
    const std::optional<QStringView> text = ReadField(line, key, Separator);
    if (!text) return {std::nullopt, QStringLiteral("the field \"%1\" is missing").arg(QStringView(key))};
    const std::optional<std::int32_t> value = WholeNumber(*text);
    if (!value) return {std::nullopt, QStringLiteral("'%1' is not a valid integer value").arg(*text)};
    score.*field = *value;
  }
  return {score, {}};
}

void AppendLine(QByteArray& out, const TScore& s) {
  out += "player=";
  out += s.Player.toUtf8();
  const std::pair<const char*, std::int32_t> numbers[] = {
      {"~number=", s.Number}, {"~size=", s.Size},   {"~time=", s.Time},
      {"~errors=", s.Errors}, {"~clues=", s.Clues}, {"~difficulty=", s.Difficulty},
      {"~score=", s.Score},
  };
  for (const auto& [key, value] : numbers) {
    out += key;
    out += QByteArray::number(value);
  }
  out += "~\r\n";
}

// The whole content through QSaveFile, so a failed write leaves the previous
// file as it was. The explicit flush() matters: commit() renames even when
// its own final flush fails (QTBUG-75077), which would put a torn file in place.
TWriteResult WriteWhole(const QString& path, const QByteArray& content) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() &&
      file.commit())
    return {};
  return {QStringLiteral("Unable to write to %1").arg(path)};
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

QString TScoreReadReport::Message() const {
  if (!OpenError.isEmpty())
    return QStringLiteral("The score file %1 could not be opened (%2); the scores of this run are not kept.")
        .arg(Path, OpenError);
  if (UnreadableLines == 0) return {};
  const QString head =
      UnreadableLines == 1
          ? QStringLiteral("The score file %1 has a line that could not be read; it is kept as it is:")
                .arg(Path)
          : QStringLiteral(
                "The score file %1 has %2 lines that could not be read; they are kept as they "
                "are. The first:")
                .arg(Path)
                .arg(UnreadableLines);
  return head + QStringLiteral("\r") + FirstLine + QStringLiteral("\r") + FirstReason;
}

QString TScoreTable::Heading(int column) {
  static const char* const Headings[ColumnCount] = {"Name", "Puzzle Size", "Score", "Number",
                                                    "Time", "Mis-Clicks",  "Clues", "Difficulty"};
  return column >= 0 && column < ColumnCount ? QString::fromLatin1(Headings[column]) : QString();
}

std::int32_t TScoreTable::ScoreFor(std::int32_t size, std::int32_t time, std::int32_t errors,
                                   std::int32_t clues) {
  // Each term fits 64 bits with room to spare, so the sum cannot wrap.
  const std::int64_t points = std::int64_t{10000} * size - std::int64_t{11} * time -
                              std::int64_t{10} * errors - std::int64_t{1000} * clues;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(points, 1, INT32_MAX));
}

QString TScoreTable::ScorePath(const QString& programPath) {
  return WithExtension(programPath, ".sco");
}

QString TScoreTable::BackupPath(const QString& programPath) {
  return WithExtension(programPath, ".scb");
}

TScoreReadReport TScoreTable::Load(const QString& programPath) {
  *this = TScoreTable();
  ScoreFile = ScorePath(programPath);
  BackupFile = BackupPath(programPath);
  TScoreReadReport report;
  report.Path = ScoreFile;

  QFile file(ScoreFile);
  if (!file.exists()) return report;
  if (!file.open(QIODevice::ReadOnly)) {
    // Writing would replace a file whose scores were never read.
    report.OpenError = file.errorString();
    ScoreFile.clear();
    return report;
  }
  HadFile = true;
  StartContent = file.readAll();

  qsizetype start = 0;
  while (start < StartContent.size()) {
    qsizetype end = StartContent.indexOf('\n', start);
    const qsizetype next = end < 0 ? StartContent.size() : end + 1;
    if (end < 0) end = StartContent.size();
    if (end > start && StartContent[end - 1] == '\r') --end;
    const QByteArrayView bytes = QByteArrayView(StartContent).sliced(start, end - start);
    start = next;
    if (bytes.isEmpty()) continue;  // a blank line holds nothing to keep

    const QString line = QString::fromUtf8(bytes);
    TLineResult read = ReadScoreLine(line);
    if (read.Score) {
      Entries.push_back(std::move(*read.Score));
      continue;
    }
    if (report.UnreadableLines++ == 0) {
      report.FirstLine = line;
      report.FirstReason = read.Reason;
    }
    Unreadable.emplace_back(bytes.toByteArray());
  }
  return report;
}

TWriteResult TScoreTable::AddScore(const QString& player, std::int32_t number, std::int32_t size,
                                   std::int32_t time, std::int32_t errors, std::int32_t clues,
                                   std::int32_t difficulty) {
  Entries.push_back(
      {number, size, player, time, errors, clues, difficulty, ScoreFor(size, time, errors, clues)});
  Current = static_cast<int>(Entries.size()) - 1;
  return Write();
}

TWriteResult TScoreTable::DeletePlayerScores(const QString& player) {
  const QString name = FoldedName(player);
  std::vector<TScore> kept;
  kept.reserve(Entries.size());
  int current = -1;
  for (int i = 0; i < static_cast<int>(Entries.size()); ++i) {
    if (FoldedName(Entries[i].Player) == name) continue;
    if (i == Current) current = static_cast<int>(kept.size());
    kept.push_back(std::move(Entries[i]));
  }
  const bool removed = kept.size() != Entries.size();
  Entries = std::move(kept);
  Current = current;
  return removed ? Write() : TWriteResult{};
}

TWriteResult TScoreTable::Sort(int column) {
  if (column < 0 || column >= ColumnCount) return {};
  if (column == SortCol) Flag = !Flag;
  SortCol = column;

  // A stable sort gives the very order of repeated exchanges of neighbours
  // that are out of order, in O(n log n); it sorts positions, so the
  // highlighted entry can be followed.
  std::vector<int> order(Entries.size());
  std::iota(order.begin(), order.end(), 0);
  if (column == 0) {
    std::vector<QString> names;
    names.reserve(Entries.size());
    for (const TScore& s : Entries) names.push_back(FoldedName(s.Player));
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return Flag ? names[a] < names[b] : names[b] < names[a]; });
  } else {
    static constexpr std::int32_t TScore::*Keys[ColumnCount] = {
        nullptr,       &TScore::Size,   &TScore::Score, &TScore::Number,
        &TScore::Time, &TScore::Errors, &TScore::Clues, &TScore::Difficulty};
    const auto key = Keys[column];
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return Flag ? Entries[a].*key > Entries[b].*key : Entries[a].*key < Entries[b].*key;
    });
  }

  bool moved = false;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) moved |= order[i] != i;
  if (!moved) return {};
  std::vector<TScore> sorted;
  sorted.reserve(Entries.size());
  int current = -1;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    if (order[i] == Current) current = i;
    sorted.push_back(std::move(Entries[order[i]]));
  }
  Entries = std::move(sorted);
  Current = current;
  return Write();
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

TWriteResult TScoreTable::Write() {
  if (ScoreFile.isEmpty()) return {};
  // Once a run, before its first write: the backup becomes the file as the
  // run found it (no file then: no backup either). Without a backup the score
  // file is left alone, so the start state is never lost.
  if (!BackedUp) {
    if (HadFile) {
      if (TWriteResult kept = WriteWhole(BackupFile, StartContent); !kept) return kept;
    } else {
      QFile::remove(BackupFile);
    }
    BackedUp = true;
    StartContent = QByteArray();  // no longer needed
  }
  QByteArray content;
  content.reserve(static_cast<qsizetype>(Entries.size()) * 96);
  for (const TScore& s : Entries) AppendLine(content, s);
  for (const QByteArray& line : Unreadable) content += line + "\r\n";
  return WriteWhole(ScoreFile, content);
}
