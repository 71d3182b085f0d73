#pragma once

#include "GameFacts.h"

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

// A row's or a tile's name as the game shows and speaks it: control and
// format characters (a bell, a zero-width space, a direction override) are
// left out, a tab or a line break is a space, runs of spaces one, and the
// name is cut to MaxNameLength characters.
inline constexpr int MaxNameLength = 40;
QString ReadableName(const QString& line);

// The library of tile pictures: ten folders of ten bitmaps beside the program,
// one folder per board row, loaded once and handed out by number.
// Picture TilePicture(r, t) - 1 is tile t of row r. Every picture is held as
// QImage::Format_RGB888 (three bytes per pixel), whatever depth the file had.
class TImages {
 public:
  // Why the last load failed; the window shows a different message for each.
  enum class TFailure {
    None,
    TooFewPictures,     // a row folder is missing or holds fewer than ten "*.bmp"
    UnreadablePicture,  // a "*.bmp" file is not a bitmap Qt can read
  };

  static constexpr int RowCount = MaxBoardSize;
  static constexpr int TilesPerRow = MaxBoardSize;

  TImages() = default;
  ~TImages();
  TImages(const TImages&) = delete;
  TImages& operator=(const TImages&) = delete;

  // Loads "tiles/Row 1" .. "tiles/Row 10" of ProgramFolder, replacing whatever
  // was loaded before. True only when every row gave ten pictures; stops at the
  // first row that does not, leaving the later folders unread.
  bool LoadAll(const QString& ProgramFolder);

  // Appends up to ten pictures of the folder Path (with or without a trailing
  // separator), in sorted file-name order, and returns how many it appended.
  // An unreadable file stops the folder there and records the failure.
  int LoadFolder(const QString& Path);

  // The picture with the 0-based number Index, or nullptr past the end. The
  // library keeps ownership; the pointer stays valid until Clear.
  const QImage* Picture(int Index) const;

  void Clear();
  int Count() const { return static_cast<int>(Pictures.size()); }

  // What picture Index shows, from its file name ("01 Dog.bmp" is "Dog"), as
  // the tile set wrote it (a front end translates the generated ones).
  QString Name(int Index) const;
  // What row Row (from 1) holds: its line of "tiles/Categories.txt", or
  // empty when the tile set brings no name for it.
  QString RowName(int Row) const;

  TFailure LastFailure() const { return Failure; }
  // Names the folder or the file that made the last load fail; empty after a
  // successful LoadAll.
  const QString& LastError() const { return ErrorMessage; }

 private:
  std::vector<std::unique_ptr<QImage>> Pictures;
  std::vector<QString> Names;  // one per picture
  QStringList RowNames;
  TFailure Failure = TFailure::None;
  QString ErrorMessage;
};

// A tile file's bytes as a picture in QImage::Format_RGB888; a null image
// and Problem set when they are not a bitmap Qt can read whole.
QImage DecodeTilePicture(const QByteArray& Data, QString& Problem);

// Bilinear scaling in 15-bit fixed point (32768 = 1.0) from Source into Target,
// whose size the caller has already set. Both are used as 24-bit RGB; an image
// of another format is converted (Target in place). Target pixel x samples the
// source at (x * xs) >> 15 with xs = ((Source width - 1) << 15) / Target width,
// rows likewise, so a 64-pixel source mapped onto 64 pixels shrinks slightly
// towards the top-left. Sources one pixel wide or high reuse their last column
// or row as the neighbour.
void ResampleBitmap(const QImage& Source, QImage& Target);
