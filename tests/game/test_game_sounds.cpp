// The sound player: from memory, and never in the way of the program itself.
#include "GameSounds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>

namespace {
bool DefaultAction(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return current.sa_handler == SIG_DFL;
}
}  // namespace

TEST(GameSounds, OpeningAudioLeavesTerminationSignalsAlone) {
  // The audio library would otherwise turn SIGTERM and SIGINT into events
  // that nobody reads, and the game could not be stopped from outside.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_TRUE(DefaultAction(SIGTERM));
  ASSERT_TRUE(DefaultAction(SIGINT));
  TGameSounds sounds;
  EXPECT_TRUE(sounds.AudioOpen()) << "the dummy driver opens";
  EXPECT_TRUE(DefaultAction(SIGTERM));
  EXPECT_TRUE(DefaultAction(SIGINT));
}

TEST(GameSounds, MissingFilesAreReportedOneByOneAndTheRestLoads) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString source = QStringLiteral(QUILLMERE_RUNTIME_DIR "/sounds/");
  for (const char* name : {"click.wav", "error.wav", "complete.wav"})
    ASSERT_TRUE(QFile::copy(source + name, dir.filePath(QString::fromLatin1(name))));
  TGameSounds sounds;
  const QStringList problems = sounds.Load(dir.path() + QStringLiteral("/"));
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems.front().contains(QStringLiteral("pop.wav"))) << problems.front().toStdString();
  EXPECT_FALSE(sounds.Buffer(TGameSound::Click).isEmpty());
  EXPECT_TRUE(sounds.Buffer(TGameSound::Pop).isEmpty());
  sounds.Play(TGameSound::Pop);  // a missing sound is simply not played
  sounds.Play(TGameSound::Click);
}
