// The sound player: from memory, and never in the way of the program itself.
#include "GameSounds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>

#include <sys/stat.h>

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

// A sound file is read only when it is a regular file (a FIFO would block the
// start) and played only when it is a WAV file whose parts lie inside it: a
// few bytes announcing a 4 GB "data" part (found by fuzzing) made the mixer
// ask for 4 GB. Each bad file gets its message; the good ones still play.
TEST(GameSounds, BadSoundFilesAreRefusedWithAMessage) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString source = QStringLiteral(QUILLMERE_RUNTIME_DIR "/sounds/");
  ASSERT_TRUE(QFile::copy(source + "click.wav", dir.filePath("click.wav")));
  QFile good(source + "pop.wav");
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  QByteArray huge = good.readAll();
  const qsizetype data = huge.indexOf("data");
  ASSERT_GT(data, 0);
  huge.replace(data + 4, 4, QByteArray("\x20\x00\x00\xff", 4));
  QFile pop(dir.filePath("pop.wav"));
  ASSERT_TRUE(pop.open(QIODevice::WriteOnly) && pop.write(huge) == huge.size());
  pop.close();
  QFile text(dir.filePath("error.wav"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a sound") > 0);
  text.close();
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("complete.wav")).constData(), 0600), 0);

  TGameSounds sounds;
  const QStringList problems = sounds.Load(dir.path() + QStringLiteral("/"));
  ASSERT_EQ(problems.size(), 3) << problems.join('\n').toStdString();
  EXPECT_TRUE(problems[0].contains("pop.wav") && problems[0].contains("ends inside its \"data\" part"))
      << problems[0].toStdString();
  EXPECT_TRUE(problems[1].contains("error.wav") && problems[1].contains("not a WAV file"))
      << problems[1].toStdString();
  EXPECT_TRUE(problems[2].contains("complete.wav") && problems[2].contains("not a regular file"))
      << problems[2].toStdString();
  EXPECT_FALSE(sounds.Buffer(TGameSound::Click).isEmpty());
  sounds.Play(TGameSound::Pop);
  sounds.Play(TGameSound::Click);

  // The fuzzer's own input: 77 bytes, a "data" part of 0xff000020 bytes.
  const QByteArray found = QByteArray::fromHex(
      "524946464400000057415645666d74201000000001000100"
      "44ac00008858010002001000646174612000"
      "00ff00401f401f401f401f401f401f401f401f401f401f"
      "c0e0c0e0c0e0c0e0c0e0c0e0");
  ASSERT_EQ(found.size(), 77);
  EXPECT_EQ(sounds.LoadSound(TGameSound::Pop, found), "The file ends inside its \"data\" part.");

  // 2 KB of samples declared at 1 Hz would play for over half an hour; the
  // mixer would convert them to its own rate at load (gigabytes).
  QByteArray slow =
      QByteArray::fromHex("524946462408000057415645666d7420100000000100010001000000010000000100080064617461");
  const QByteArray samples(2048, '\x80');
  slow += QByteArray::fromHex("00080000") + samples;
  EXPECT_EQ(sounds.LoadSound(TGameSound::Pop, slow),
            "It would play for 2048 seconds at 1 Hz; a game sound may last at most 60.");
  slow.replace(24, 4, QByteArray::fromHex("44ac0000"));  // the same at 44100 Hz: a short click
  slow.replace(28, 4, QByteArray::fromHex("44ac0000"));
  EXPECT_EQ(sounds.LoadSound(TGameSound::Pop, slow), "");
}
