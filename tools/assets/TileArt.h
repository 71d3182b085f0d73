#pragma once

#include "TileCatalog.h"

#include <QImage>
#include <QString>
#include <QStringList>

constexpr int TileSize = 64;

// Every tile of the library, [row - 1][tile - 1].
using TTileSet = std::array<std::array<QImage, MaxBoardSize>, MaxBoardSize>;

// One tile: the motif's glyph, trimmed to its visible pixels and fitted into
// the tile, over the category's background with a darker frame so that
// neighbouring cells on the board stay apart. Format_RGB888.
QImage RenderTile(const TTileCategory& Category, const TTileMotif& Motif, int Size = TileSize);

// The glyph alone on transparency, trimmed, for the title picture.
QImage RenderGlyph(const char* Glyph);

// All tiles, one category a row, at full size and beside each row the same
// tiles as the board shows them in a 20-pixel cell.
QImage ContactSheet(const TTileSet& Tiles);
// Every tile in one picture for the web page: row r's tile t at column t,
// row r, TileSize pixels each, nothing between them.
QImage TileSheet(const TTileSet& Tiles);

// Pairs of tiles in one row that are too alike in brightness at 20 x 20 pixels
// (brightness, so that colour alone never carries the difference). Empty when
// every row is fine; Report receives the closest pair of each row.
QStringList SimilarTiles(const TTileSet& Tiles, QStringList* Report);
