#include "Sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

using TSamples = std::vector<double>;

TSamples Silence(double seconds) {
  return TSamples(static_cast<std::size_t>(seconds * Rate), 0.0);
}

// Adds a tone at offset `start` seconds whose frequency glides from f0 to f1,
// with a short attack and an exponential decay so that nothing clicks.
void AddTone(TSamples& out, double start, double length, double f0, double f1, double level, double decay,
             double overtone = 0.0) {
  const std::size_t first = static_cast<std::size_t>(start * Rate);
  const std::size_t count = static_cast<std::size_t>(length * Rate);
  if (out.size() < first + count) out.resize(first + count, 0.0);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / Rate;
    const double f = f0 + (f1 - f0) * (t / length);
    phase += 2 * Pi * f / Rate;
    const double attack = std::min(1.0, t / 0.004);
    const double release = std::min(1.0, (length - t) / 0.01);
    const double envelope = attack * release * std::exp(-decay * t);
    out[first + i] += level * envelope * (std::sin(phase) + overtone * std::sin(2 * phase));
  }
}

QByteArray Wave(const TSamples& samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray wav(44 + static_cast<int>(dataBytes), '\0');
  auto* p = reinterpret_cast<uchar*>(wav.data());
  auto put32 = [&](int at, std::uint32_t v) { qToLittleEndian<std::uint32_t>(v, p + at); };
  auto put16 = [&](int at, std::uint16_t v) { qToLittleEndian<std::uint16_t>(v, p + at); };
  std::copy_n("RIFF", 4, wav.data());
  put32(4, 36 + dataBytes);
  std::copy_n("WAVEfmt ", 8, wav.data() + 8);
  put32(16, 16);  // format chunk size
  put16(20, 1);   // PCM
  put16(22, 1);   // mono
  put32(24, Rate);
  put32(28, Rate * 2);  // bytes per second
  put16(32, 2);         // block align
  put16(34, 16);        // bits per sample
  std::copy_n("data", 4, wav.data() + 36);
  put32(40, dataBytes);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double clipped = std::clamp(samples[i], -1.0, 1.0);
    qToLittleEndian<std::int16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767)), p + 44 + 2 * i);
  }
  return wav;
}

}  // namespace

QByteArray ClickSound() {
  TSamples s = Silence(0.04);
  AddTone(s, 0.0, 0.035, 2400, 1800, 0.35, 140, 0.3);
  AddTone(s, 0.0, 0.02, 900, 700, 0.25, 200);
  return Wave(s);
}

QByteArray PopSound() {
  TSamples s = Silence(0.12);
  AddTone(s, 0.0, 0.11, 420, 1100, 0.55, 30, 0.25);
  return Wave(s);
}

QByteArray ErrorSound() {
  TSamples s = Silence(0.36);
  AddTone(s, 0.0, 0.15, 233, 220, 0.45, 6, 0.6);
  AddTone(s, 0.17, 0.19, 175, 160, 0.45, 6, 0.6);
  return Wave(s);
}

QByteArray CompleteSound() {
  TSamples s = Silence(1.1);
  const double notes[] = {523.25, 659.25, 783.99, 1046.50};  // C E G C
  for (int i = 0; i < 4; ++i) {
    const double length = i == 3 ? 0.7 : 0.3;
    AddTone(s, 0.11 * i, length, notes[i], notes[i], 0.22, i == 3 ? 4 : 8, 0.35);
    AddTone(s, 0.11 * i, length, notes[i] * 3, notes[i] * 3, 0.04, 12);  // a bell-like shimmer
  }
  return Wave(s);
}
