#include "GameSounds.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace {
const char* const FileNames[4] = {"click.wav", "pop.wav", "error.wav", "complete.wav"};
}

TGameSounds::TGameSounds() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "quillmere: no sound (%s)\n", SDL_GetError());
    return;
  }
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "quillmere: no sound (%s)\n", Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    QFile file(path);
    Buffers[i].clear();
    if (!file.open(QIODevice::ReadOnly)) {
      errors << QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
      continue;
    }
    Buffers[i] = file.readAll();
    if (!Open || Buffers[i].isEmpty()) continue;
    // The chunk decodes from the buffer we keep; freesrc = 1 closes the reader.
    Chunks[i] = Mix_LoadWAV_RW(SDL_RWFromConstMem(Buffers[i].constData(), static_cast<int>(Buffers[i].size())), 1);
    if (!Chunks[i]) errors << QStringLiteral("Cannot play \"%1\". %2").arg(path, QString::fromUtf8(Mix_GetError()));
  }
  return errors;
}

void TGameSounds::Play(TGameSound Sound) {
  Mix_Chunk* chunk = Chunks[Index(Sound)];
  if (!Open || !chunk) return;
  // Channel 0 is the only one: playing on it stops whatever it was playing.
  Mix_PlayChannel(0, chunk, 0);
}
