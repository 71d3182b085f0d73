#include "GameSounds.h"

#include "FileBytes.h"

#include <QCoreApplication>
#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {
const char* const FileNames[4] = {"click.wav", "pop.wav", "error.wav", "complete.wav"};

// The audio back ends write pages of diagnostics to stderr when there is no
// device; the game says it in one line of its own instead.
class TQuietStderr {
 public:
  TQuietStderr() {
    std::fflush(stderr);
    Saved = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (Saved >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~TQuietStderr() {
    std::fflush(stderr);
    if (Saved >= 0) {
      dup2(Saved, STDERR_FILENO);
      close(Saved);
    }
  }
  TQuietStderr(const TQuietStderr&) = delete;
  TQuietStderr& operator=(const TQuietStderr&) = delete;

 private:
  int Saved = -1;
};
// The longest a game sound may play. The mixer converts every sound to its
// own rate at load: 2 KB of samples declared at 1 Hz would take gigabytes.
constexpr qint64 MaxSoundSeconds = 60;

qint64 LittleEndian(const QByteArray& bytes, qint64 at, int count) {
  qint64 value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<uchar>(bytes[at + i]);
  return value;
}

// A sound file is a RIFF WAVE file whose chunks all lie within it. The mixer
// would take any format it knows and trusts a chunk's length: a few bytes
// announcing a 4 GB "data" chunk make it ask for 4 GB.
QString CheckWave(const QByteArray& bytes) {
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return QCoreApplication::translate("Sounds", "It is not a WAV file.");
  qint64 at = 12;
  qint64 channels = 0, rate = 0, bits = 0, dataBits = 0;
  while (at + 8 <= bytes.size()) {
    const qint64 size = LittleEndian(bytes, at + 4, 4);
    if (size > bytes.size() - at - 8) {
      QByteArray name = bytes.mid(at, 4);
      for (char& c : name)
        if (c < 0x20 || c > 0x7e) c = '?';
      return QCoreApplication::translate("Sounds", "The file ends inside its \"%1\" part.")
          .arg(QString::fromLatin1(name));
    }
    const QByteArray kind = bytes.mid(at, 4);
    if (kind == "fmt " && size >= 16) {
      channels = LittleEndian(bytes, at + 10, 2);
      rate = LittleEndian(bytes, at + 12, 4);
      bits = LittleEndian(bytes, at + 22, 2);
    } else if (kind == "data") {
      dataBits += size * 8;
    }
    at += 8 + size + (size & 1);  // chunks are padded to an even length
  }
  // Samples at the declared depth (at least 1 bit, as the coded formats
  // pack them); what the mixer would make of them in seconds.
  const qint64 frames = dataBits / (std::max<qint64>(channels, 1) * std::max<qint64>(bits, 1));
  const qint64 seconds = std::min<qint64>(frames / std::max<qint64>(rate, 1), INT_MAX);
  if (frames > MaxSoundSeconds * std::max<qint64>(rate, 1))
    return QCoreApplication::translate(
               "Sounds", "It would play for %n seconds at %1 Hz; a game sound may last at most %2.", "",
               int(seconds))
        .arg(rate)
        .arg(MaxSoundSeconds);
  return {};
}

}  // namespace

TGameSounds::TGameSounds() {
  QByteArray error;
  {
    TQuietStderr quiet;
    // SDL would otherwise catch SIGINT and SIGTERM and queue them as events
    // this program never reads, so the game could not be stopped from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      error = SDL_GetError();
    } else if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
      error = Mix_GetError();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
  }
  if (!error.isNull()) {
    std::fprintf(stderr, "quillmere: no sound (%s)\n", error.constData());
    return;
  }
  Mix_AllocateChannels(1);
  Open = true;
}

TGameSounds::~TGameSounds() {
  Release();
  if (Open) {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

void TGameSounds::Release() {
  if (Open) Mix_HaltChannel(-1);
  for (Mix_Chunk*& chunk : Chunks) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
}

QStringList TGameSounds::Load(const QString& SoundFolder) {
  Release();
  QStringList errors;
  for (int i = 0; i < 4; ++i) {
    const QString path = SoundFolder + QString::fromLatin1(FileNames[i]);
    Buffers[i].clear();
    // A regular file of sensible size only: a FIFO would block the start.
    TFileBytes file = ReadFileBytes(path, PictureFileLimit);
    if (!file.Ok()) {
      errors << QCoreApplication::translate("Sounds", "Cannot open file \"%1\". %2").arg(path, file.Error);
      continue;
    }
    if (QString error = LoadSound(static_cast<TGameSound>(i), std::move(file.Bytes)); !error.isEmpty())
      errors << QCoreApplication::translate("Sounds", "Cannot play \"%1\". %2").arg(path, error);
  }
  return errors;
}

QString TGameSounds::LoadSound(TGameSound Sound, QByteArray Bytes) {
  const int i = Index(Sound);
  if (Chunks[i]) {
    if (Open) Mix_HaltChannel(-1);
    Mix_FreeChunk(Chunks[i]);
    Chunks[i] = nullptr;
  }
  Buffers[i] = std::move(Bytes);
  if (Buffers[i].isEmpty()) return {};
  if (QString problem = CheckWave(Buffers[i]); !problem.isEmpty()) return problem;
  if (!Open) return {};
  // The chunk decodes from the buffer we keep; freesrc = 1 closes the reader.
  Chunks[i] =
      Mix_LoadWAV_RW(SDL_RWFromConstMem(Buffers[i].constData(), static_cast<int>(Buffers[i].size())), 1);
  if (!Chunks[i]) return QString::fromUtf8(Mix_GetError());
  return {};
}

void TGameSounds::Play(TGameSound Sound) {
  Mix_Chunk* chunk = Chunks[Index(Sound)];
  if (!Open || !chunk) return;
  // Channel 0 is the only one: playing on it stops whatever it was playing.
  Mix_PlayChannel(0, chunk, 0);
}
