#include "Settings.h"

#include "FileBytes.h"
#include "IniFile.h"
#include "Language.h"

#include "GameFacts.h"
#include "GameRules.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const char* const GameSection = "Game";
const char* const PlayersSection = "Players";
const char* const WindowSection = "Window";
const char* const OptionsSection = "Options";
const char* const PuzzlesSection = "Puzzles";

const QString GuestName = QStringLiteral("Guest");
const QString SplashValue = QStringLiteral("Options/ShowSplash");

// The per-user store, where QSettings("Vantor", "Quillmere") keeps it on
// Linux: ~/.config/Vantor/Quillmere.conf.
QString StorePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Vantor/Quillmere.conf");
}

// Why the store cannot be used, or nothing. QSettings would wait for ever on
// a FIFO and read a link to /dev/zero without end, so only a missing file or
// a regular one of a records file's size is opened.
QString StoreProblem(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return {};
  if (!info.isFile()) return QCoreApplication::translate("Records", "it is not a regular file");
  if (info.size() > RecordFileLimit)
    return QCoreApplication::translate("Records", "it is larger than %1 MB").arg(RecordFileLimit >> 20);
  return {};
}

QString SizeKey(int size) {
  return QStringLiteral("Size%1").arg(size);
}

// A hand-edited profile can hold any whole number; each value is kept to the
// range the game can use, so a bad one is neither used nor written back.
std::int32_t ReadInRange(const TIniFile& ini, const char* section, const QString& key,
                         std::int32_t defaultValue, std::int32_t low, std::int32_t high) {
  return std::clamp(ini.ReadInteger(section, key, defaultValue), low, high);
}

// Larger than any screen; the window fits what is left to the screen.
constexpr std::int32_t MaxWindowExtent = 32767;

std::int32_t ReadPuzzleSize(const TIniFile& ini) {
  const std::int32_t size = ini.ReadInteger(PuzzlesSection, QStringLiteral("PuzzleSize"), DefaultBoardSize);
  return IsBoardSize(size) ? size : DefaultBoardSize;
}

QString CannotContain(const QString& what) {
  return QCoreApplication::translate("Players", "A player name cannot contain \"%1\".").arg(what);
}

// The longest name in bytes whose files can all exist: a file name holds at
// most 255 bytes, and the longest one a player has is a saved game's
// temporary file "<name>_999999_10.sav.XXXXXX".
constexpr qsizetype MaxNameBytes = 255 - static_cast<qsizetype>(sizeof("_999999_10.sav.XXXXXX") - 1);
static_assert(MaxPuzzleNumber == 999999 && MaxBoardSize == 10, "the longest file name above has changed");

// Marks that turn the text around them (right-to-left overrides, isolates,
// embeddings): "evil" could show as "live".
bool IsDirectionControl(QChar c) {
  const char16_t u = c.unicode();
  return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
         (u >= 0x2066 && u <= 0x2069);
}

// Blanks, zero-width and other format characters and lone combining marks
// draw nothing of their own.
bool IsInvisible(QChar c) {
  switch (c.category()) {
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
      return true;
    default:
      return c.isSpace() || c.unicode() == 0x3164 || c.unicode() == 0x115F || c.unicode() == 0x1160 ||
             c.unicode() == 0xFFA0;  // the Hangul fillers
  }
}

}  // namespace

bool IsValidPlayerName(const QString& name, QString* message) {
  QString why;
  if (name.isEmpty()) {
    why = QCoreApplication::translate("Players", "A player name cannot be empty.");
  } else if (std::any_of(name.begin(), name.end(),
                         [](QChar c) { return c.category() == QChar::Other_Control; })) {
    why = QCoreApplication::translate("Players", "A player name cannot contain control characters.");
  } else if (name.front().isSpace() || name.back().isSpace()) {
    why = QCoreApplication::translate("Players", "A player name cannot begin or end with a blank.");
  } else if (name.contains('/') || name.contains('\\')) {
    why = CannotContain(name.contains('/') ? QStringLiteral("/") : QStringLiteral("\\"));
  } else if (name.contains(QStringLiteral(".."))) {
    why = CannotContain(QStringLiteral(".."));
  } else if (const auto bad =
                 std::find_if(name.begin(), name.end(),
                              // "~" separates the fields of a score line
                              [](QChar c) { return c == '=' || c == '[' || c == ']' || c == '~'; });
             bad != name.end()) {
    why = CannotContain(QString(*bad));
  } else if (name.front() == ';' || name.front() == '#' || name.front() == '.') {
    // The players file would read the player's line as a comment; a dot
    // makes the player's files hidden, so the Open dialog would not list them.
    why = QCoreApplication::translate("Players", "A player name cannot begin with \"%1\".").arg(name.front());
  } else if (std::any_of(name.begin(), name.end(), IsDirectionControl)) {
    why = QCoreApplication::translate(
        "Players", "A player name cannot contain characters that change the writing direction.");
  } else if (std::all_of(name.begin(), name.end(), IsInvisible)) {
    why = QCoreApplication::translate("Players", "A player name needs at least one visible character.");
  } else if (const qsizetype bytes = QFile::encodeName(name).size(); bytes > MaxNameBytes) {
    why = QCoreApplication::translate(
              "Players",
              "A player name cannot be longer than %1 bytes (this one has %2): it names the "
              "player's files.")
              .arg(MaxNameBytes)
              .arg(bytes);
  }
  if (message) *message = why;
  return why.isEmpty();
}

QString PlayerEntryName(const QString& entry) {
  return entry.section('=', 0, 0);
}

TSettings::TSettings(const QString& programPath) {
  const QFileInfo program(programPath);
  const QString folder = program.absolutePath();
  QString base = program.fileName();
  const qsizetype dot = base.lastIndexOf('.');
  if (dot > 0) base.truncate(dot);  // replace the extension; none: append
  PlayersFile = folder + QStringLiteral("/") + base + QStringLiteral(".ini");
  ProfileFolder = folder + QStringLiteral("/Players");
}

QString TSettings::ProfilePath(const QString& playerName) const {
  // A name from a hand-edited players file is not trusted either: a refused
  // name has no profile, so no path can leave the Players folder.
  if (!IsValidPlayerName(playerName)) return {};
  return ProfileFolder + QStringLiteral("/") + playerName + QStringLiteral(".ini");
}

bool TSettings::ReadShowSplash() {
  const QString path = StorePath();
  if (!StoreProblem(path).isEmpty()) return true;
  const QVariant value = QSettings(path, QSettings::IniFormat).value(SplashValue);
  bool isNumber = false;
  const int number = value.toInt(&isNumber);
  return !isNumber || number != 0;  // missing (or not a number) counts as set
}

void TSettings::NoteReadProblem(const TIniFile& file, bool profile) {
  if (file.ReadResult().Ok() || ReportedFiles.contains(file.Path())) return;
  ReportedFiles.append(file.Path());
  // Whole sentences for each file, so a translation can word each its own way.
  QString message;
  if (file.ReadNothing()) {
    message = profile
                  ? QCoreApplication::translate(
                        "Records",
                        "The profile %1 could not be read (%2); the defaults are used. The file is kept as "
                        "%3 when it is next written.")
                  : QCoreApplication::translate(
                        "Records",
                        "The players file %1 could not be read (%2); the defaults are used. The file is "
                        "kept as %3 when it is next written.");
  } else {
    message = profile
                  ? QCoreApplication::translate(
                        "Records",
                        "The profile %1 could not be read whole (%2). What could be read is used; the file "
                        "as it was is kept as %3 when it is next written.")
                  : QCoreApplication::translate(
                        "Records",
                        "The players file %1 could not be read whole (%2). What could be read is used; the "
                        "file as it was is kept as %3 when it is next written.");
  }
  ReadMessages.append(message.arg(file.Path(), file.ReadResult().Error, file.KeptPath()));
}

QStringList TSettings::TakeReadMessages() {
  return std::exchange(ReadMessages, {});
}

void TSettings::LoadPlayerList() {
  const TIniFile players(PlayersFile);
  NoteReadProblem(players, false);
  Prefs.PlayerName = players.ReadString(GameSection, QStringLiteral("CurrentPlayer"), GuestName);
  if (Prefs.PlayerName.isEmpty()) Prefs.PlayerName = GuestName;

  PlayerList = players.ReadSectionValues(PlayersSection);
  // The file keeps this order whatever language the game speaks; the list a
  // player sees is sorted in ListPlayerNames.
  std::stable_sort(PlayerList.begin(), PlayerList.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  RefuseUnusableNames();
  const QString own = Prefs.PlayerName + QStringLiteral("=") + Prefs.PlayerName;
  if (!PlayerList.contains(own, Qt::CaseInsensitive)) PlayerList.append(own);

  UpdatePenalties();
}

void TSettings::RefuseUnusableNames() {
  // A name that cannot be a file name has no profile to keep progress in:
  // it never joins the list, and the current player falls back to the first
  // usable one, so the refused name is never written back either.
  RefusedNames.clear();
  QString why;
  if (!IsValidPlayerName(Prefs.PlayerName, &why)) {
    //: A refused player's name and why; the list joins them with commas.
    RefusedNames << QCoreApplication::translate("Players", "\"%1\" (%2)").arg(Prefs.PlayerName, why);
    Prefs.PlayerName.clear();
  }
  for (auto entry = PlayerList.begin(); entry != PlayerList.end();) {
    const QString name = PlayerEntryName(*entry);
    if (IsValidPlayerName(name, &why)) {
      ++entry;
      continue;
    }
    const QString refused = QCoreApplication::translate("Players", "\"%1\" (%2)").arg(name, why);
    if (!RefusedNames.contains(refused)) RefusedNames << refused;
    entry = PlayerList.erase(entry);
  }
  if (Prefs.PlayerName.isEmpty())
    Prefs.PlayerName = PlayerList.isEmpty() ? GuestName : PlayerEntryName(PlayerList.front());
}

QString TSettings::RefusedNamesMessage() const {
  if (RefusedNames.isEmpty()) return {};
  return QCoreApplication::translate("Players",
                                     "The players file %1 names players that cannot be used: %2.\r"
                                     "They are left out; the current player is \"%3\".")
      .arg(PlayersFile, RefusedNames.join(QStringLiteral(", ")), Prefs.PlayerName);
}

TResult TSettings::StorePlayerList() {
  TIniFile players(PlayersFile);
  players.WriteString(GameSection, QStringLiteral("CurrentPlayer"), Prefs.PlayerName);
  for (const QString& entry : PlayerList) {
    const QString name = PlayerEntryName(entry);
    if (!name.isEmpty()) players.WriteString(PlayersSection, name, name);
  }
  if (TResult result = players.Save(); !result) return result;
  return StoreProfile();
}

void TSettings::LoadProfile() {
  Prefs.ShowSplash = ReadShowSplash();
  // Names match without regard to case, but file names do not: the
  // profile is the one of the list's spelling.
  for (const QString& entry : PlayerList) {
    if (const QString name = PlayerEntryName(entry);
        name.compare(Prefs.PlayerName, Qt::CaseInsensitive) == 0) {
      Prefs.PlayerName = name;
      break;
    }
  }

  const QString path = ProfilePath(Prefs.PlayerName);
  // No profile yet: a player new to the game, such as the very first one.
  const bool newPlayer = !path.isEmpty() && !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
  const TIniFile profile(path);
  NoteReadProblem(profile, true);
  MainWidth = ReadInRange(profile, WindowSection, QStringLiteral("MainWidth"), 0, 0, MaxWindowExtent);
  MainHeight = ReadInRange(profile, WindowSection, QStringLiteral("MainHeight"), 0, 0, MaxWindowExtent);
  HorizontalWidth =
      ReadInRange(profile, WindowSection, QStringLiteral("HorizontalWidth"), 0, 0, MaxWindowExtent);
  VerticalHeight =
      ReadInRange(profile, WindowSection, QStringLiteral("VerticalHeight"), 0, 0, MaxWindowExtent);
  // A place is both corners' coordinates or none; it may lie left of or
  // above the first screen.
  constexpr std::int32_t Missing = std::numeric_limits<std::int32_t>::min();
  const std::int32_t left = profile.ReadInteger(WindowSection, QStringLiteral("MainLeft"), Missing);
  const std::int32_t top = profile.ReadInteger(WindowSection, QStringLiteral("MainTop"), Missing);
  MainPlaced = left != Missing && top != Missing;
  MainLeft = MainPlaced ? std::clamp(left, -MaxWindowExtent, MaxWindowExtent) : 0;
  MainTop = MainPlaced ? std::clamp(top, -MaxWindowExtent, MaxWindowExtent) : 0;
  Prefs.TimerOn = profile.ReadBool(OptionsSection, QStringLiteral("TimerOn"), true);
  Prefs.SoundsOn = profile.ReadBool(OptionsSection, QStringLiteral("SoundsOn"), false);
  Prefs.ShowHints = profile.ReadBool(OptionsSection, QStringLiteral("ShowHints"), false);
  Prefs.Zoom = profile.ReadBool(OptionsSection, QStringLiteral("Zoom"), false);
  // Anything but a language code means the desktop's; a code the game has
  // no translation for is kept and means the desktop's until it has.
  const QString language = profile.ReadString(OptionsSection, QStringLiteral("Language"), QString());
  Prefs.Language = IsLanguageCode(language) ? language : QString();
  // Any value is safe here: above 0 is on, everything else off.
  Prefs.Animation = profile.ReadInteger(OptionsSection, QStringLiteral("Animation"), 0);
  // The profile's "ShowSplash" is written but never read: the switch
  // belongs to the user, not to the player.
  Prefs.Difficulty = ReadInRange(profile, OptionsSection, QStringLiteral("Difficulty"), 5, 0, 10);
  Prefs.PuzzleSize = ReadPuzzleSize(profile);
  // The numbers of the sizes the game offers become puzzles; the others are
  // never used and kept as they are.
  for (int size = 1; size <= 12; ++size)
    Prefs.PuzzleNumbers[size] = IsBoardSize(size)
                                    ? ReadInRange(profile, PuzzlesSection, SizeKey(size), MinPuzzleNumber,
                                                  MinPuzzleNumber, MaxPuzzleNumber)
                                    : profile.ReadInteger(PuzzlesSection, SizeKey(size), MinPuzzleNumber);

  if (newPlayer) {
    // The same start as a player created in the game; the splash switch is
    // the user's own.
    const bool splash = Prefs.ShowSplash;
    SetNewPlayerDefaults();  // the penalties with them
    Prefs.ShowSplash = splash;
  } else {
    UpdatePenalties();
  }
}

TResult TSettings::StoreShowSplash() {
  const QString path = StorePath();
  QString problem = StoreProblem(path);
  if (problem.isEmpty()) {
    QSettings store(path, QSettings::IniFormat);
    bool isNumber = false;
    const int stored = store.value(SplashValue).toInt(&isNumber);
    if (isNumber && (stored != 0) == Prefs.ShowSplash) return {};
    store.setValue(SplashValue, Prefs.ShowSplash ? 1 : 0);
    store.sync();
    if (store.status() == QSettings::NoError) return {};
    problem = QCoreApplication::translate("Records", "it cannot be written");
  }
  // Said once a run; the switch keeps its stored setting meanwhile.
  if (std::exchange(SplashProblemTold, true)) return {};
  //: The switch's name is the one in the Options dialog.
  return {QCoreApplication::translate(
              "Records", "The switch \"Show Splash Screen at Startup\" could not be stored in %1 (%2).")
              .arg(path, problem)};
}

TResult TSettings::StoreProfile() {
  (void)StoreShowSplash();  // told when the options close, not with the profile

  const QString path = ProfilePath(Prefs.PlayerName);
  if (path.isEmpty()) {
    QString why;
    IsValidPlayerName(Prefs.PlayerName, &why);
    return {QCoreApplication::translate("Records", "Unable to write the profile of \"%1\": %2")
                .arg(Prefs.PlayerName, why)};
  }

  // Written in this order, so that a new profile reads in this order too.
  TIniFile profile(path);
  profile.WriteInteger(WindowSection, QStringLiteral("MainWidth"), MainWidth);
  profile.WriteInteger(WindowSection, QStringLiteral("MainHeight"), MainHeight);
  profile.WriteInteger(WindowSection, QStringLiteral("HorizontalWidth"), HorizontalWidth);
  profile.WriteInteger(WindowSection, QStringLiteral("VerticalHeight"), VerticalHeight);
  if (MainPlaced) {
    profile.WriteInteger(WindowSection, QStringLiteral("MainLeft"), MainLeft);
    profile.WriteInteger(WindowSection, QStringLiteral("MainTop"), MainTop);
  }
  profile.WriteBool(OptionsSection, QStringLiteral("TimerOn"), Prefs.TimerOn);
  profile.WriteBool(OptionsSection, QStringLiteral("SoundsOn"), Prefs.SoundsOn);
  profile.WriteBool(OptionsSection, QStringLiteral("ShowHints"), Prefs.ShowHints);
  profile.WriteBool(OptionsSection, QStringLiteral("Zoom"), Prefs.Zoom);
  profile.WriteString(OptionsSection, QStringLiteral("Language"), Prefs.Language);
  profile.WriteInteger(OptionsSection, QStringLiteral("Animation"), Prefs.Animation);
  profile.WriteBool(OptionsSection, QStringLiteral("ShowSplash"), Prefs.ShowSplash);
  profile.WriteInteger(OptionsSection, QStringLiteral("Difficulty"), Prefs.Difficulty);
  profile.WriteInteger(PuzzlesSection, QStringLiteral("PuzzleSize"), Prefs.PuzzleSize);
  for (int size = 1; size <= 12; ++size)
    profile.WriteInteger(PuzzlesSection, SizeKey(size), Prefs.PuzzleNumbers[size]);
  return profile.Save();
}

void TSettings::SetNewPlayerDefaults() {
  // Sounds and hints start on for a new player, unlike a profile that lacks
  // the keys; the window geometry stays as it is.
  Prefs.TimerOn = true;
  Prefs.SoundsOn = true;
  Prefs.ShowHints = true;
  Prefs.Zoom = false;
  Prefs.Language.clear();
  Prefs.Animation = 0;
  Prefs.ShowSplash = true;
  Prefs.Difficulty = 5;
  Prefs.PuzzleSize = DefaultBoardSize;
  for (int size = 1; size <= 12; ++size) Prefs.PuzzleNumbers[size] = MinPuzzleNumber;
  UpdatePenalties();
}

void TSettings::UpdatePenalties() {
  const TPenalties penalties = PenaltiesFor(Prefs.Difficulty);
  Prefs.CluePenalty = penalties.Clue;
  Prefs.MisClickPenalty = penalties.MisClick;
  if (PenaltiesChanged) PenaltiesChanged();
}

QString TSettings::CluePenaltyText() const {
  const int seconds = Prefs.CluePenalty;  // a plain name: lupdate skips a qualified count
  return QCoreApplication::translate("Options", "Time Penalty for Clues: +%n Seconds", "", seconds);
}

QString TSettings::MisClickPenaltyText() const {
  const int seconds = Prefs.MisClickPenalty;
  return QCoreApplication::translate("Options", "Time Penalty for Mis-Clicks: +%n Seconds", "", seconds);
}

TResult TSettings::DeletePlayer(const QString& name) {
  const auto entry = std::find_if(PlayerList.begin(), PlayerList.end(),
                                  [&](const QString& e) { return PlayerEntryName(e) == name; });
  if (entry != PlayerList.end()) PlayerList.erase(entry);

  // A missing profile is no error.
  if (const QString path = ProfilePath(Prefs.PlayerName); !path.isEmpty()) QFile::remove(path);

  TIniFile players(PlayersFile);
  const bool hadCurrent = players.DeleteKey(GameSection, QStringLiteral("CurrentPlayer"));
  const bool hadName = players.DeleteKey(PlayersSection, name);
  if (!hadCurrent && !hadName) return {};  // nothing to change, nothing to write
  return players.Save();
}

QStringList TSettings::ListPlayerNames() const {
  QStringList names;
  names.reserve(PlayerList.size());
  for (const QString& entry : PlayerList) names.append(PlayerEntryName(entry));
  // In the order of the language the game speaks ("Émile" among the E's, not
  // after "Zoe"), capitals and small letters alike.
  QCollator order;
  order.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(names.begin(), names.end(),
                   [&order](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
  return names;
}

QString StoredLanguage(const QString& programPath) {
  TSettings records(programPath);
  records.LoadPlayerList();
  records.LoadProfile();
  return records.Prefs.Language;
}
