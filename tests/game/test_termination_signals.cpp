// A termination signal stores the records as the exit does and ends every
// event loop, open dialogs' loops included. Its own program: the test ends
// the application's event loop, as the game does.
#include "GameTestSupport.h"
#include "IniFile.h"
#include "TerminationSignals.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <csignal>

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TSignalRun {
  int Received = 0;
  int ExitCode = -2;
  int DialogResult = -2;  // what the open dialog's loop returned
};

// Runs the application's event loop with a dialog's loop open inside it, and
// sends the signal while the dialog is open.
TSignalRun SendWhileADialogIsOpen(TMainForm& form, int signal) {
  TSignalRun run;
  const TTerminationSignals termination([&](int received) {
    run.Received = received;
    form.EndBySignal();
  });
  EXPECT_TRUE(termination.Installed());
  QTimer::singleShot(0, &form, [&] {
    QEventLoop dialog;
    QTimer::singleShot(0, &form, [signal] { std::raise(signal); });
    run.DialogResult = dialog.exec();
  });
  QTimer valve;  // a signal that is lost must not hang the test
  valve.setSingleShot(true);
  QObject::connect(&valve, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  valve.start(20000);
  run.ExitCode = QCoreApplication::exec();
  return run;
}

class TerminationSignalsTest : public TWindowTest {};

TEST_F(TerminationSignalsTest, EachSignalStoresTheRecordsWithoutAQuestionAndEndsTheGame) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    Open(5, 17);
    Form->Session().Settings().Prefs.Difficulty = 8;  // changed in memory only, as by the options
    const TSignalRun run = SendWhileADialogIsOpen(*Form, signal);
    EXPECT_EQ(run.Received, signal);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.DialogResult, 0);
    EXPECT_TRUE(Form->Session().Game().InProgress());
    const TIniFile profile(Folder.Path("Players/Guest.ini"));
    EXPECT_EQ(profile.ReadInteger("Options", "Difficulty", -1), 8);
    EXPECT_EQ(profile.ReadInteger("Puzzles", "Size5", -1), 17);
    EXPECT_EQ(profile.ReadInteger("Window", "MainWidth", -1), Form->frameGeometry().width());
    EXPECT_EQ(TIniFile(Folder.ProgramPath() + ".ini").ReadString("Game", "CurrentPlayer", "?"), "Guest");
    QFile::remove(Folder.Path("Players/Guest.ini"));
    Form.reset();  // stored already: nothing is written again
    EXPECT_FALSE(QFile::exists(Folder.Path("Players/Guest.ini")));
    EXPECT_TRUE(Dialogs.Questions.isEmpty());  // no "Do you want to save this game?"
    EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
  }
}

// Over the file size limit a write fails instead of the game being killed by
// SIGXFSZ; at a signal nobody may be there to answer a box, so the failure
// goes to the terminal and the previous files stay as they were.
TEST_F(TerminationSignalsTest, AStoreThatFailsAtTheSignalKeepsThePreviousFiles) {
  Open(4);
  Form.reset();
  const QByteArray players = ReadFile(Folder.ProgramPath() + ".ini");
  const QByteArray profile = ReadFile(Folder.Path("Players/Guest.ini"));
  ASSERT_FALSE(profile.isEmpty());

  Open(6, 99);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = 10;  // SIGXFSZ is not ignored here: the game's own handling must do it
  setrlimit(RLIMIT_FSIZE, &limited);
  const TSignalRun run = SendWhileADialogIsOpen(*Form, SIGTERM);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(ReadFile(Folder.ProgramPath() + ".ini"), players);
  EXPECT_EQ(ReadFile(Folder.Path("Players/Guest.ini")), profile);
  Form.reset();
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

}  // namespace
