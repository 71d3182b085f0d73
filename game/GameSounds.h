#pragma once

#include "GameRules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

struct Mix_Chunk;

// The four game sounds, read whole into memory once and played from there on
// one mixer channel, so a new sound cuts off the one still playing. Without an
// audio device the game plays silently.
class TGameSounds {
 public:
  TGameSounds();
  ~TGameSounds();
  TGameSounds(const TGameSounds&) = delete;
  TGameSounds& operator=(const TGameSounds&) = delete;

  // Reads "click.wav", "pop.wav", "error.wav" and "complete.wav" from
  // SoundFolder. Returns one message per file that could not be read; the
  // other sounds still play.
  QStringList Load(const QString& SoundFolder);
  // Takes one sound's file bytes and decodes them for playing; returns the
  // mixer's message when they are no sound it can play.
  QString LoadSound(TGameSound Sound, QByteArray Bytes);
  void Play(TGameSound Sound);
  bool AudioOpen() const { return Open; }
  // The file's bytes as read (empty when it could not be read).
  const QByteArray& Buffer(TGameSound Sound) const { return Buffers[Index(Sound)]; }

 private:
  static int Index(TGameSound Sound) { return static_cast<int>(Sound); }
  void Release();
  bool Open = false;
  std::array<QByteArray, 4> Buffers;
  std::array<Mix_Chunk*, 4> Chunks{};
};
