// Program start: arguments, the data folders, the splash switch, the window.
#include "DataFolders.h"
#include "FileBytes.h"
#include "QtDialogs.h"
#include "GameFacts.h"
#include "Language.h"
#include "MainForm.h"
#include "PuzzleTool.h"
#include "RecordsLock.h"
#include "RequestTexts.h"
#include "RunningGame.h"
#include "Settings.h"
#include "TerminationSignals.h"
#include "WindowLinks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
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
  std::fprintf(stderr, "quillmere: %s\n",
               qUtf8Printable(QCoreApplication::translate("CommandLine", "%1 (try --help)").arg(message)));
  result.Done = true;
  result.Status = 2;
}

// Reads the arguments before any window: a bad one is reported even where
// no window can open. The help and the refusals speak the desktop's language:
// an application without a display holds the translations while it lasts.
TArguments ParseArguments(int argc, char* argv[]) {
  const QCoreApplication parsing(argc, argv);
  (void)SpeakLanguage(QString(), ProgramTranslationFolders());

  QStringList words;
  for (int i = 0; i < argc; ++i) {
    // An argument may be a path: read in the file name encoding, and one
    // that is no name in it refused rather than turned into another name.
    const QString word = DecodeFileName(argv[i]);
    if (word.isEmpty() && argv[i][0] != '\0') {
      TArguments refused;
      Refuse(refused, QCoreApplication::translate("CommandLine",
                                                  "\"%1\" is no name in the system's file name encoding")
                          .arg(QString::fromLocal8Bit(argv[i])));
      return refused;
    }
    words << word;
  }

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", "Quillmere, a logic puzzle of picture tiles."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QCoreApplication::translate("CommandLine", "Shows this help and ends."));
  const QCommandLineOption version(
      QStringLiteral("version"),
      QCoreApplication::translate("CommandLine", "Shows the program's version and ends."));
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      //: The names of the folders and files stay as they are
      QCoreApplication::translate(
          "CommandLine",
          "Keeps the game's files (tiles/, sounds/, Players/, the players and score files) in DIR."),
      //: The value's name in the help
      QCoreApplication::translate("CommandLine", "DIR"));
  const QCommandLineOption puzzle(
      QStringLiteral("puzzle"),
      //: %1 lists the board sizes, as "4, 5, 6, 8, 9 or 10"
      QCoreApplication::translate("CommandLine",
                                  "Opens puzzle K of size N (%1 and %2 to %3), such as 6:1234, which "
                                  "becomes the current player's number for that size.")
          .arg(BoardSizeListText())
          .arg(MinPuzzleNumber)
          .arg(MaxPuzzleNumber),
      //: The value's names in the help: N the size, K the number
      QCoreApplication::translate("CommandLine", "N:K"));
  parser.addOptions({help, version, dataDir, puzzle});

  TArguments result;
  if (!parser.parse(words)) {
    const bool missingFolder =
        parser.unknownOptionNames().isEmpty() && words.contains(QStringLiteral("--data-dir"));
    Refuse(result, missingFolder ? QCoreApplication::translate("CommandLine", "--data-dir needs a folder")
                                 : parser.errorText());
    return result;
  }
  if (!parser.positionalArguments().isEmpty()) {
    Refuse(result, QCoreApplication::translate("CommandLine", "unexpected argument \"%1\"")
                       .arg(parser.positionalArguments().first()));
    return result;
  }
  if (parser.isSet(help)) {
    // The usage line names the program as it was called (a path, perhaps);
    // the help names it plainly.
    QString text = parser.helpText();
    const QString called = QCoreApplication::arguments().value(0);
    if (const qsizetype at = text.indexOf(called); !called.isEmpty() && at >= 0 && at < text.indexOf('\n'))
      text.replace(at, called.size(), QStringLiteral("quillmere"));
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
    const QString given = parser.value(puzzle);
    const TRequestProblem problem = ParseSizeAndNumberProblem(given.toStdString(), request);
    if (problem != TRequestProblem::None) {
      Refuse(result,
             QCoreApplication::translate("CommandLine", "--puzzle: %1")
                 .arg(RequestProblemText(problem, QString::fromStdString(EchoText(given.toStdString())))));
      return result;
    }
    result.PuzzleSize = request.Size;
    result.PuzzleNumber = static_cast<int>(request.Number);
  }
  result.DataDir = parser.value(dataDir);
  if (!parser.isSet(dataDir) && ResolveDataFolders(QCoreApplication::applicationDirPath(), {},
                                                   UserDataFolder(QStandardPaths::writableLocation(
                                                       QStandardPaths::GenericDataLocation)))
                                    .Records.isEmpty()) {
    // No home: the system would name a folder under the root, nobody's
    // place for one player's records.
    std::fprintf(stderr, "quillmere: %s\n",
                 qUtf8Printable(QCoreApplication::translate(
                     "CommandLine",
                     "neither HOME nor XDG_DATA_HOME is set, so there is no folder for the players' records; "
                     "set HOME, or give the game a folder of its own with --data-dir")));
    result.Done = true;
    result.Status = 2;
    return result;
  }
  if (parser.isSet(dataDir) && !QFileInfo(result.DataDir).isDir()) {
    const QString why =
        QFileInfo::exists(result.DataDir)
            ? QCoreApplication::translate("CommandLine", "the data folder \"%1\" is not a folder")
            : QCoreApplication::translate("CommandLine", "the data folder \"%1\" does not exist");
    std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(why.arg(result.DataDir)));
    result.Done = true;
    result.Status = 2;
  }
  return result;
}

// What an exit() from within the event loop must still do. One at a time.
class TExitStore {
 public:
  TExitStore(TMainForm* form, TRecordsLock* lock) {
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
    if (Lock) Lock->Unlock();
    Form = nullptr;
    Lock = nullptr;
  }
  static inline TMainForm* Form = nullptr;
  static inline TRecordsLock* Lock = nullptr;
};

// A later start from the desktop: the running game comes to the front and,
// when no dialog is open, plays the puzzle asked for as Go To would (after
// offering to save the game in progress).
void AnswerLaterStart(TMainForm* form, const TFrontRequest& request) {
  // Wayland lets the window take the focus only with the later start's token.
  if (!request.ActivationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", request.ActivationToken.toUtf8());
  if (!form) {
    // Still at the splash; the window comes up by itself.
    if (QWidget* splash = QApplication::activeModalWidget()) {
      splash->raise();
      splash->activateWindow();
    }
    return;
  }
  form->ComeToFront();
  // Checked when it was answered: a size the game has and a dialog-free window.
  if (!request.PuzzleSize || QApplication::activeModalWidget()) return;
  form->PlayPuzzle(request.PuzzleSize, request.PuzzleNumber);  // asks to save the game in play first
}

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
                         UserDataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  if (folders.Records.isEmpty()) return 2;  // said at the arguments
  // Where the folders cannot be made the game still runs; the window says
  // once that progress cannot be kept. Only the records folder itself here,
  // for the lock: Players/ comes once the window has found its pictures.
  const bool firstTimeThere = !QFileInfo::exists(folders.RecordsPath() + QStringLiteral(".ini"));
  (void)MakeRecordsFolder(folders);

  // The game speaks the current player's language from the first message on.
  (void)SpeakLanguage(StoredLanguage(folders.RecordsPath()), ProgramTranslationFolders());

  // One running game per records folder: two would overwrite each other's
  // players, profiles and scores. A lock no running game holds is taken
  // over, whatever lies there; one held by a running game is never stale,
  // however old. Where no lock can be made at all, the game runs without one.
  TRecordsLock lock(folders.RecordsPath() + QStringLiteral(".lock"));
  QString socketProblem;
  const QString gameName = RunningGameName(folders.Records, socketProblem);
  const TRecordsLock::TOutcome locked = lock.TryLock();
  const QString folder = QDir::toNativeSeparators(folders.Records);
  if (locked == TRecordsLock::TOutcome::Held && !lock.HolderHost().isEmpty()) {
    // A game on another computer sharing the folder; this one cannot ask it.
    const QString why = QCoreApplication::translate(
                            "CommandLine",
                            "Quillmere is already running for the data folder \"%1\" on the computer "
                            "\"%2\".\rIf no game runs there any more, delete the file %3 and start again.")
                            .arg(folder, lock.HolderHost(), QDir::toNativeSeparators(lock.Path()));
    std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(QString(why).replace('\r', ' ')));
    TQtDialogs(folders.Assets).InfoBox(nullptr, why);
    return 1;
  }
  if (locked == TRecordsLock::TOutcome::Held) {
    // Started again from the desktop: the running game comes to the front.
    const TFrontRequest request{qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), arguments.PuzzleSize,
                                arguments.PuzzleNumber};
    const TFrontAnswer answer = AskRunningGame(gameName, request, 5000);
    if (answer == TFrontAnswer::Taken) return 0;
    QString why;
    if (answer == TFrontAnswer::Busy) {
      why = QCoreApplication::translate(
                "CommandLine",
                "Quillmere is running for the data folder \"%1\" and has come to the "
                "front, but it could not open puzzle %2:%3 now: a dialog is open there, "
                "or another puzzle is being opened.\rClose the dialog and try again.")
                .arg(folder)
                .arg(arguments.PuzzleSize)
                .arg(arguments.PuzzleNumber);
    } else if (answer == TFrontAnswer::Refused) {
      why = QCoreApplication::translate("CommandLine",
                                        "Quillmere is running for the data folder \"%1\" and refused puzzle "
                                        "%2:%3.")
                .arg(folder)
                .arg(arguments.PuzzleSize)
                .arg(arguments.PuzzleNumber);
    } else {
      if (answer == TFrontAnswer::NotOurs)
        std::fprintf(
            stderr, "quillmere: %s\n",
            qUtf8Printable(QCoreApplication::translate(
                               "CommandLine", "the socket %1 belongs to another user; nothing was sent")
                               .arg(QDir::toNativeSeparators(gameName))));
      why = QCoreApplication::translate("CommandLine",
                                        "Quillmere is already running for the data folder \"%1\".\r"
                                        "Please switch to its window.")
                .arg(folder);
    }
    std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(QString(why).replace('\r', ' ')));
    TQtDialogs(folders.Assets).InfoBox(nullptr, why);
    return 1;
  }
  if (locked == TRecordsLock::TOutcome::Failed)
    std::fprintf(stderr, "quillmere: %s\n",
                 qUtf8Printable(QCoreApplication::translate("CommandLine",
                                                            "the data folder cannot be locked (%1); a second "
                                                            "game for it would not be noticed")
                                    .arg(lock.Problem())));
  else if (!lock.TakenOver().isEmpty())
    std::fprintf(
        stderr, "quillmere: %s\n",
        qUtf8Printable(QCoreApplication::translate("CommandLine",
                                                   "%1 was in the place of the lock %2, which no game "
                                                   "held; it is taken over")
                           .arg(lock.TakenOver(), QDir::toNativeSeparators(lock.Path()))));
  if (folders.RecordsAwayFromCopy) {
    // Said by the game that runs, in a box the first time the records go
    // there, else on the terminal.
    const QString note =
        QCoreApplication::translate(
            "CommandLine",
            "This copy of Quillmere cannot keep its records in its own folder %1, which "
            "cannot be written; it plays from its own pictures and keeps the records "
            "in %2.")
            .arg(QDir::toNativeSeparators(folders.Assets), QDir::toNativeSeparators(folders.Records));
    std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(note));
    if (firstTimeThere) TQtDialogs(folders.Assets).InfoBox(nullptr, note);
  }

  // Later starts for this folder ask this game to come to the front. Where
  // no socket can be made the game runs without it: they only say it runs.
  TRunningGameServer frontServer(gameName);
  if (!frontServer.Listen())
    std::fprintf(stderr, "quillmere: later starts cannot bring this game to the front: %s\n",
                 qUtf8Printable(socketProblem.isEmpty() ? frontServer.ListenError() : socketProblem));

  // From here a termination signal is an event: before the window holds
  // anything worth keeping it just ends the game, after that the window
  // stores its records first.
  TMainForm* running = nullptr;
  const TTerminationSignals termination([&running, &lock](int signal) {
    if (running) {
      running->EndBySignal();
      return;
    }
    lock.Unlock();
    std::_Exit(128 + signal);
  });

  TQtDialogs dialogs(folders.Assets);
  // A puzzle asked for while a dialog is open (the splash among them) is not
  // played later behind the player's back: the later start says so.
  frontServer.CanPlay = [&running] { return running && !QApplication::activeModalWidget(); };
  frontServer.OnRequest = [&running](const TFrontRequest& request) { AnswerLaterStart(running, request); };
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
