#pragma once

#include <QByteArray>

// The four game sounds, synthesized: mono 16-bit PCM WAV files at 22050 Hz.
QByteArray ClickSound();     // a short soft tick: a candidate removed or restored
QByteArray PopSound();       // a rising blip: a tile placed
QByteArray ErrorSound();     // two low descending buzzes: a mis-click
QByteArray CompleteSound();  // a bright rising arpeggio: the puzzle solved
