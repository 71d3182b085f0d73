#pragma once

#include "GameFacts.h"

#include <QColor>
#include <QString>

#include <array>

// The ten tile categories: one board row each, ten motifs per row, drawn with
// colour-emoji glyphs on the row's own background colour.
struct TTileMotif {
  const char* Glyph;  // UTF-8, one emoji (with its variation selector if any)
  const char* Name;   // goes into the file name
};

struct TTileCategory {
  const char* Name;
  QRgb Background;
  std::array<TTileMotif, MaxBoardSize> Motifs;
};

const std::array<TTileCategory, MaxBoardSize>& TileCategories();
