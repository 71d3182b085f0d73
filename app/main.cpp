// Program start: arguments, the data folders, the splash switch, the window.
#include "DataFolders.h"
#include "Dialogs.h"
#include "FileBytes.h"
#include "MainForm.h"
#include "PuzzleTool.h"
#include "Settings.h"
#include "TerminationSignals.h"
#include "WindowLinks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

// What the command line asks for: a folder, or an answer and the exit status.
struct TArguments {
  QString DataDir;
  int PuzzleSize = 0;  // --puzzle N:K; 0 when not given
  int PuzzleNumber = 0;
  bool Done = false;  // --help, --version or a refusal: end with Status
  int Status = 0;
};

void Refuse(TArguments& result, const QString& message) {
  std::fprintf(stderr, "quillmere: %s (try --help)\n", qUtf8Printable(message));
  result.Done = true;
  result.Status = 2;
}

// Reads the arguments before any window: a bad one is reported even where
// no window can open.
TArguments ParseArguments(int argc, char* argv[]) {
  QStringList words;
  for (int i = 0; i < argc; ++i) {
    // An argument may be a path: read in the file name encoding, and one
    // that is no name in it refused rather than turned into another name.
    const QString word = DecodeFileName(argv[i]);
    if (word.isEmpty() && argv[i][0] != '\0') {
      TArguments refused;
      Refuse(refused, QStringLiteral("\"%1\" is no name in the system's file name encoding")
                          .arg(QString::fromLocal8Bit(argv[i])));
      return refused;
    }
    words << word;
  }

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Quillmere, a logic puzzle of picture tiles."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and ends."));
  const QCommandLineOption version(QStringLiteral("version"),
                                   QStringLiteral("Shows the program's version and ends."));
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QStringLiteral("Keeps the game's files (tiles/, sounds/, Players/, the players and score files) in DIR."),
      QStringLiteral("DIR"));
  const QCommandLineOption puzzle(
      QStringLiteral("puzzle"),
      QStringLiteral("Opens puzzle K of size N (4, 5, 6, 8, 9 or 10 and 1 to 999999), such as 6:1234, which "
                     "becomes the current player's number for that size."),
      QStringLiteral("N:K"));
  parser.addOptions({help, version, dataDir, puzzle});

  TArguments result;
  if (!parser.parse(words)) {
    const bool missingFolder = parser.unknownOptionNames().isEmpty() &&
                               words.contains(QStringLiteral("--data-dir"));
    Refuse(result, missingFolder ? QStringLiteral("--data-dir needs a folder") : parser.errorText());
    return result;
  }
  if (!parser.positionalArguments().isEmpty()) {
    Refuse(result, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    return result;
  }
  if (parser.isSet(help)) {
    // Without an application the parser cannot name the program itself.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("quillmere"));
    std::printf("%s", qUtf8Printable(text));
    result.Done = true;
    return result;
  }
  if (parser.isSet(version)) {
    std::printf("quillmere %s\n", qUtf8Printable(ProgramVersion()));
    result.Done = true;
    return result;
  }
  if (parser.isSet(puzzle)) {
    TPuzzleRequest request;
    const std::string why = ParseSizeAndNumber(parser.value(puzzle).toStdString(), request);
    if (!why.empty()) {
      Refuse(result, QStringLiteral("--puzzle: %1").arg(QString::fromStdString(why)));
      return result;
    }
    result.PuzzleSize = request.size;
    result.PuzzleNumber = static_cast<int>(request.number);
  }
  result.DataDir = parser.value(dataDir);
  if (parser.isSet(dataDir) && !QFileInfo(result.DataDir).isDir()) {
    const char* why = QFileInfo::exists(result.DataDir) ? "is not a folder" : "does not exist";
    std::fprintf(stderr, "quillmere: the data folder \"%s\" %s\n", qUtf8Printable(result.DataDir), why);
    result.Done = true;
    result.Status = 2;
  }
  return result;
}

// What an exit() from within the event loop must still do. One at a time.
class TExitStore {
 public:
  TExitStore(TMainForm* form, QLockFile* lock) {
    Form = form;
    Lock = lock;
    static const bool registered = std::atexit(AtExit) == 0;
    (void)registered;
  }
  ~TExitStore() {
    Form = nullptr;
    Lock = nullptr;
  }
  TExitStore(const TExitStore&) = delete;
  TExitStore& operator=(const TExitStore&) = delete;

 private:
  static void AtExit() {
    if (Form) Form->EndByExit();
    if (Lock) Lock->unlock();
    Form = nullptr;
    Lock = nullptr;
  }
  static inline TMainForm* Form = nullptr;
  static inline QLockFile* Lock = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
  const TArguments arguments = ParseArguments(argc, argv);
  if (arguments.Done) return arguments.Status;

  QApplication app(argc, argv);
  // The name places the user's data folder; no display name, so the window
  // title stays the game's own.
  QApplication::setApplicationName(QStringLiteral("Quillmere"));
  const TDataFolders folders =
      ResolveDataFolders(QCoreApplication::applicationDirPath(), arguments.DataDir,
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  // Where the folders cannot be made the game still runs; the window says
  // once that progress cannot be kept. Only the records folder itself here,
  // for the lock: Players/ comes once the window has found its pictures.
  MakeRecordsFolder(folders);

  // One running game per records folder: two would overwrite each other's
  // players, profiles and scores. A lock whose game has died is taken over;
  // one held by a running game is never stale, however old. Where no lock
  // can be made at all, the game runs without one.
  QLockFile lock(folders.RecordsPath() + QStringLiteral(".lock"));
  lock.setStaleLockTime(0);
  if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
    std::fprintf(stderr, "quillmere: the game is already running for the data folder \"%s\"\n",
                 qUtf8Printable(QDir::toNativeSeparators(folders.Records)));
    return 1;
  }

  // From here a termination signal is an event: before the window holds
  // anything worth keeping it just ends the game, after that the window
  // stores its records first.
  TMainForm* running = nullptr;
  const TTerminationSignals termination([&running, &lock](int signal) {
    if (running) {
      running->EndBySignal();
      return;
    }
    lock.unlock();
    std::_Exit(128 + signal);
  });

  TQtDialogs dialogs(folders.Assets);
  ShowSplashAtStart(dialogs);

  TMainForm form(folders, dialogs);
  if (!form.FormCreate()) return 1;
  running = &form;
  // A lost display ends the process through exit() inside the window
  // system's event handling: the records and the lock are seen to as at a
  // signal. Cleared before the window and the lock go at a normal end.
  const TExitStore atExit(&form, &lock);
  if (arguments.PuzzleSize) form.PlayPuzzle(arguments.PuzzleSize, arguments.PuzzleNumber);
  form.show();
  return app.exec();
}
