// Writes the fuzzers' starting inputs into the folder given, one subfolder per
// target, from the program's own writers: so the seeds always have the
// current formats, and no binary file has to be kept in the sources.
#include "JpegImage.h"
#include "Puzzle.h"
#include "SavedGame.h"
#include "ScoreTable.h"
#include "Settings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

QDir Root;

bool Put(const char* target, const QString& name, const QByteArray& bytes) {
  Root.mkpath(QString::fromLatin1(target));
  QFile file(Root.filePath(QString::fromLatin1(target) + u'/' + name));
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Pattern(int width, int height, QImage::Format format) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 40, y * 30, (x ^ y) * 20));
  return image.convertToFormat(format);
}

QByteArray Bitmap(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

// A RIFF WAVE file of PCM samples.
QByteArray Wave(int channels, int bits, int rate, int frames) {
  QByteArray samples;
  for (int i = 0; i < frames * channels; ++i) {
    const int value = (i % 20 < 10 ? 1 : -1) * (bits == 8 ? 40 : 8000);
    if (bits == 8) {
      samples.append(static_cast<char>(128 + value));
    } else {
      samples.append(static_cast<char>(value & 0xff));
      samples.append(static_cast<char>((value >> 8) & 0xff));
    }
  }
  auto u32 = [](quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
  };
  auto u16 = [](quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
  };
  const int align = channels * bits / 8;
  QByteArray format = u16(1) + u16(static_cast<quint16>(channels)) + u32(static_cast<quint32>(rate)) +
                      u32(static_cast<quint32>(rate * align)) + u16(static_cast<quint16>(align)) +
                      u16(static_cast<quint16>(bits));
  QByteArray body = QByteArray("WAVE") + "fmt " + u32(16) + format + "data" +
                    u32(static_cast<quint32>(samples.size())) + samples;
  return QByteArray("RIFF") + u32(static_cast<quint32>(body.size())) + body;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir work;
  // Storing a profile also writes the settings store: one of our own.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.path()));
  QGuiApplication app(argc, argv);
  Root = QDir(QString::fromLocal8Bit(argv[1]));
  bool ok = true;

  // Saved games of three sizes; the 6 x 6 one is played with a thinned clue
  // set and counts its mis-clicks and clues, the others are as older
  // versions wrote them.
  for (const int size : {4, 6, 10}) {
    TPuzzle puzzle;
    puzzle.SetUp(size, 1234, size == 6 ? 8 : 5);
    TSavedGame game = SavedGameOf(puzzle, 1234, 77);
    if (size == 6) {
      game.Errors = 2;
      game.Clues = 1;
    }
    ok &= Put("savedgame", QStringLiteral("size%1.sav").arg(size),
              QByteArray::fromStdString(SavedGameText(game)));
  }

  // Score files: a few entries, one unreadable line kept among them.
  {
    TScoreTable table;
    (void)table.Load(QDir(work.path()).filePath(QStringLiteral("quillmere")));
    ok &= table.AddScore(QStringLiteral("Guest"), 12, 6, 300, 2, 1, 5).Ok();
    ok &= table.AddScore(QStringLiteral("J\u00f6rg"), 999999, 10, -1, 0, 0, 10).Ok();
    const QByteArray scores = ReadAll(TScoreTable::ScorePath(work.filePath(QStringLiteral("quillmere"))));
    ok &= Put("scorefile", QStringLiteral("scores.sco"), scores);
    ok &= Put("scorefile", QStringLiteral("damaged.sco"), scores + "player=X~number=abc~\r\n");
  }

  // The players file and a profile as the game writes them.
  {
    QDir(work.path()).mkpath(QStringLiteral("Players"));
    TSettings settings(work.filePath(QStringLiteral("quillmere")));
    settings.Prefs.PlayerName = QStringLiteral("Ann");
    settings.PlayerList = {QStringLiteral("Ann=Ann"), QStringLiteral("Bob=Bob")};
    settings.SetNewPlayerDefaults();
    ok &= settings.StorePlayerList().Ok();
    const QByteArray players = ReadAll(settings.PlayersFilePath());
    const QByteArray profile = ReadAll(settings.ProfilePath(QStringLiteral("Ann")));
    ok &= Put("inifile", QStringLiteral("players.ini"), players);
    ok &= Put("inifile", QStringLiteral("profile.ini"), profile);
    ok &= Put("profile", QStringLiteral("ann"), players + '\f' + profile);
  }

  // Tile pictures in the depths a bitmap may have.
  ok &= Put("bmp", QStringLiteral("rgb24.bmp"), Bitmap(Pattern(5, 3, QImage::Format_RGB888)));
  ok &= Put("bmp", QStringLiteral("rgb32.bmp"), Bitmap(Pattern(4, 4, QImage::Format_ARGB32)));
  ok &= Put("bmp", QStringLiteral("indexed8.bmp"), Bitmap(Pattern(6, 2, QImage::Format_Indexed8)));
  ok &= Put("bmp", QStringLiteral("mono.bmp"), Bitmap(Pattern(9, 3, QImage::Format_Mono)));

  // Title pictures in colour and grey.
  for (const auto& [name, format] :
       {std::pair{"colour.jpg", QImage::Format_RGB888}, std::pair{"grey.jpg", QImage::Format_Grayscale8}}) {
    const QString path = work.filePath(QString::fromLatin1(name));
    ok &= SaveJpegImage(Pattern(16, 9, format), path, 75).isEmpty();
    ok &= Put("jpeg", QString::fromLatin1(name), ReadAll(path));
  }

  // Sounds: the game's own kind, and two others the mixer converts.
  ok &= Put("wav", QStringLiteral("mono16.wav"), Wave(1, 16, 22050, 64));
  ok &= Put("wav", QStringLiteral("stereo8.wav"), Wave(2, 8, 11025, 32));
  ok &= Put("wav", QStringLiteral("mono16-44k.wav"), Wave(1, 16, 44100, 16));

  // The puzzle tool's arguments (NUL between them) and batch input.
  auto args = [](std::initializer_list<const char*> words) {
    QByteArray joined;
    for (const char* word : words) joined += QByteArray(word) + '\0';
    joined.chop(1);
    return joined;
  };
  ok &= Put("puzzle_args", QStringLiteral("text"), args({"--size", "6", "--number", "1234", "--solution"}));
  ok &= Put("puzzle_args", QStringLiteral("json"),
            args({"--size", "10", "--number", "7", "--json", "--steps", "3", "--difficulty", "9"}));
  ok &= Put("puzzle_args", QStringLiteral("batch"), args({"--batch", "--steps", "2"}));
  ok &= Put("puzzle_batch", QStringLiteral("lines"), "6 1234 5\n\n10 999999 10\n  4 12 0  \r\n");

  if (!ok) std::fprintf(stderr, "MakeSeeds: could not write every seed\n");
  return ok ? 0 : 1;
}
