#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class TImages;
class TPuzzle;
class TPuzzleArt;

// A puzzle on paper: an A4 portrait page with the puzzle's name, the board
// as empty candidate grids to pencil on, and both clue lists drawn as the
// game draws them; optionally a second page with the solution. Pages are
// laid out in units of 1/96 inch.
constexpr int PrintPageWidth = 794;    // 210 mm
constexpr int PrintPageHeight = 1123;  // 297 mm
// A PNG page has two pixels per unit (192 dots per inch).
constexpr int PngPixelsPerUnit = 2;

enum class TPrintFormat { Unknown, Pdf, Svg, Png };
// By the file's suffix, whatever its case.
TPrintFormat PrintFormatFor(const QString& path);

// "6 x 6 No. 1234, difficulty 5"
QString PrintTitle(int n, int number, int difficulty);

// Where the puzzle page puts things.
struct TPrintLayout {
  QRect Title;
  int Cell = 0;  // a candidate cell of the board
  int GridColumns = 0, GridRows = 0;
  std::vector<QRect> Squares;  // column by column: square (c, r) at (c - 1) * N + r - 1
  int ClueSize = 0;            // a clue's cell; a horizontal clue is 3 x 1 cells, a vertical one 1 x 3
  QRect HorizontalHeading, VerticalHeading;
  std::vector<QRect> Horizontal;  // one per horizontal clue, in the list's order
  std::vector<QRect> Vertical;
};
TPrintLayout LayOutPuzzlePage(const TPuzzle& puzzle);

void DrawPuzzlePage(QPainter& p, TPuzzleArt& art, const TPuzzle& puzzle, const QString& title);
void DrawSolutionPage(QPainter& p, TPuzzleArt& art, const TPuzzle& puzzle, const QString& title);

// The files a print to path writes: the path itself, and for a PNG or SVG
// with the solution the solution page beside it ("name-solution.png").
QStringList PrintFiles(const QString& path, bool withSolution);

// Writes the puzzle (its solution and both clue lists; the candidates on its
// board are not printed) to path as PDF, SVG or PNG by its suffix. Every
// file is drawn in full before it replaces anything, so a failed print
// leaves no partial file. An empty result means it worked, else the reason.
QString PrintPuzzle(const QString& path, const TPuzzle& puzzle, const TImages& images, const QString& title,
                    bool withSolution);
