#pragma once

#include <QImage>

#include <map>
#include <tuple>

class QPainter;
class TClue;
class TImages;
class TPuzzle;
struct TBoardLayout;

// The tile pictures and the clues as the game draws them, onto any painter:
// the window's paint boxes and the printed pages use this one drawing, so a
// clue on paper looks like the clue on the screen.
class TPuzzleArt {
 public:
  // For a device with pixels of its own (a paint box's canvas, a PNG page):
  // every picture is scaled from its source into scratch at the device's
  // own pixel size and drawn 1:1, so a scaled screen gets sharp tiles.
  TPuzzleArt(const TImages* images, QImage& scratch);
  // For a device without pixels (PDF, SVG): a picture is scaled to
  // pixelsPerUnit pixels per unit of the painter, never beyond its source's
  // size, once per size, and the device stretches it; the same picture
  // drawn again is the same image, which a PDF stores only once.
  TPuzzleArt(const TImages* images, double pixelsPerUnit);
  TPuzzleArt(const TPuzzleArt&) = delete;
  TPuzzleArt& operator=(const TPuzzleArt&) = delete;

  // Picture Index (0-based) of the library into the rectangle X, Y, W x H.
  void DrawPicture(QPainter& p, int Index, int X, int Y, int W, int H);
  // A horizontal clue, three cells of Size in a row from (Left, Top); the
  // tiles are the ones the solution of puzzle puts at the clue's squares.
  void DrawHorizontalClue(QPainter& p, const TPuzzle& puzzle, const TClue& clue, int Left, int Top, int Size);
  // A vertical clue, up to three cells of Size in a column from (Left, Top).
  void DrawVerticalClue(QPainter& p, const TPuzzle& puzzle, const TClue& clue, int Left, int Top, int Size);
  // The box a hidden clue shows in its place.
  static void DrawHiddenClue(QPainter& p, int Left, int Top, int W, int H);

  // The board as the window shows it: the navy background with a yellow
  // frame round each column, then every square (see DrawSquare).
  // Without a puzzle (none set up yet) only the background and frames.
  void DrawBoard(QPainter& p, const TPuzzle* puzzle, const TBoardLayout& layout);
  // Square (c, r): a solved one with its tile in a black frame, an unsolved
  // one with its candidates' pictures and black cells for removed ones.
  void DrawSquare(QPainter& p, const TPuzzle& puzzle, const TBoardLayout& layout, int c, int r);
  // The clue panels at their size, each clue or its hidden box on black.
  void DrawHorizontalPanel(QPainter& p, const TPuzzle& puzzle, int Width, int Height);
  void DrawVerticalPanel(QPainter& p, const TPuzzle& puzzle, int Width, int Height);

 private:
  void DrawTileAt(QPainter& p, const TPuzzle& puzzle, int c, int r, int X, int Y, int Size);

  const TImages* Images;
  QImage OwnScratch;
  QImage& Scratch;
  double PaperPixels = 0;                                     // 0: the device has pixels of its own
  std::map<std::tuple<int, int, int>, QImage> PaperPictures;  // (index, width, height)
};
