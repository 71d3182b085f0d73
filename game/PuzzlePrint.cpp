#include "PuzzlePrint.h"

#include "Fonts.h"
#include "GameRules.h"
#include "Images.h"
#include "Puzzle.h"
#include "PuzzleArt.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <memory>

namespace {

constexpr int Margin = 40;
constexpr int ContentWidth = PrintPageWidth - 2 * Margin;
constexpr int ContentHeight = PrintPageHeight - 2 * Margin;
constexpr int TitleHeight = 36;
constexpr int NumbersHeight = 16;  // the column numbers above the board
constexpr int SquareGapX = 8, SquareGapY = 6;
constexpr int MaxCell = 48, MinCell = 6;
constexpr int SectionGap = 14, HeadingHeight = 18;
constexpr int HorizontalGapX = 12, HorizontalGapY = 6;
constexpr int VerticalGapX = 10, VerticalGapY = 10;
constexpr int MaxClueSize = 60, MinClueSize = 6;
// Fonts are given in points; every device here counts 96 units an inch, as
// the screen the clue drawing was made for.
constexpr int UnitsPerInch = 96;

const QColor GridGrey(170, 170, 170);
const QColor NumberGrey(90, 90, 90);

QFont PageFont(int points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

int CeilDiv(int a, int b) {
  return (a + b - 1) / b;
}

// Clues of cells s laid out in rows of as many as fit the width, centred;
// boxW x boxH each. Returns the height used.
int PlaceClues(std::vector<QRect>& out, int count, int top, int boxW, int boxH, int gapX, int gapY) {
  out.clear();
  if (count <= 0) return 0;
  const int perRow = std::max(1, (ContentWidth + gapX) / (boxW + gapX));
  const int used = std::min(perRow, count) * (boxW + gapX) - gapX;
  const int left = Margin + std::max(0, (ContentWidth - used) / 2);
  for (int i = 0; i < count; ++i)
    out.emplace_back(left + (i % perRow) * (boxW + gapX), top + (i / perRow) * (boxH + gapY), boxW, boxH);
  return CeilDiv(count, perRow) * (boxH + gapY) - gapY;
}

int CluesHeight(int count, int boxW, int boxH, int gapX, int gapY) {
  if (count <= 0) return 0;
  const int perRow = std::max(1, (ContentWidth + gapX) / (boxW + gapX));
  return CeilDiv(count, perRow) * (boxH + gapY) - gapY;
}

void DrawTitle(QPainter& p, const QRect& rect, const QString& title) {
  p.setFont(PageFont(18, true));
  p.setPen(Qt::black);
  p.drawText(rect, Qt::AlignHCenter | Qt::AlignTop, title);
}

void DrawHeading(QPainter& p, const QRect& rect, const QString& text) {
  p.setFont(PageFont(10, true));
  p.setPen(Qt::black);
  p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawColumnNumbers(QPainter& p, const std::vector<QRect>& columns, int bottom) {
  p.setFont(PageFont(8, false));
  p.setPen(NumberGrey);
  for (std::size_t i = 0; i < columns.size(); ++i)
    p.drawText(QRect(columns[i].left(), bottom - NumbersHeight, columns[i].width(), NumbersHeight),
               Qt::AlignHCenter | Qt::AlignBottom, QString::number(i + 1));
}

// The whole content through QSaveFile, flushed before commit() (which
// renames even when its own final flush fails), so a failed write leaves
// the previous file or none.
class TWholeFiles {
 public:
  QString Add(const QString& path, const QByteArray& content) {
    // A link is not written through: the page would land in whatever file
    // it points at.
    if (QFileInfo(path).isSymLink()) return LinkReason(path);
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Reason(path, *file);
    qint64 written = 0;
    while (written < content.size()) {
      const qint64 n = file->write(content.constData() + written, content.size() - written);
      if (n <= 0) break;
      written += n;
    }
    if (written != content.size() || !file->flush()) return Reason(path, *file);
    Files.push_back(std::move(file));
    return {};
  }
  // Only once every file is written in full does any of them replace what
  // was there.
  QString Commit() {
    for (auto& file : Files)
      if (QFileInfo(file->fileName()).isSymLink()) return LinkReason(file->fileName());
    for (auto& file : Files)
      if (!file->commit()) return Reason(file->fileName(), *file);
    return {};
  }

 private:
  static QString LinkReason(const QString& path) {
    return QCoreApplication::translate(
               "Printing", "cannot write \"%1\": it is a link, and nothing is written through a link")
        .arg(path);
  }
  static QString Reason(const QString& path, const QSaveFile& file) {
    return QCoreApplication::translate("Printing", "cannot write \"%1\": %2").arg(path, file.errorString());
  }
  std::vector<std::unique_ptr<QSaveFile>> Files;
};

QByteArray PdfPages(const TPuzzle& puzzle, const TImages& images, const QString& title, bool withSolution) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(UnitsPerInch);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quillmere"));
  // The tile pictures at 192 dots per inch at most: sharp in print, and
  // each picture size is stored once however often it is drawn.
  TPuzzleArt art(&images, double(PngPixelsPerUnit));
  QPainter p;
  if (!p.begin(&writer)) return {};
  DrawPuzzlePage(p, art, puzzle, title);
  if (withSolution) {
    writer.newPage();
    DrawSolutionPage(p, art, puzzle, title);
  }
  p.end();
  return bytes;
}

QByteArray SvgPage(bool solution, const TPuzzle& puzzle, const TImages& images, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(UnitsPerInch);
  svg.setSize(QSize(PrintPageWidth, PrintPageHeight));
  svg.setViewBox(QRect(0, 0, PrintPageWidth, PrintPageHeight));
  svg.setTitle(title);
  svg.setDescription(QStringLiteral("A Quillmere puzzle to print"));
  TPuzzleArt art(&images, double(PngPixelsPerUnit));
  QPainter p;
  if (!p.begin(&svg)) return {};
  if (solution)
    DrawSolutionPage(p, art, puzzle, title);
  else
    DrawPuzzlePage(p, art, puzzle, title);
  p.end();
  return bytes;
}

QByteArray PngPage(bool solution, const TPuzzle& puzzle, const TImages& images, const QString& title) {
  QImage page(PrintPageWidth * PngPixelsPerUnit, PrintPageHeight * PngPixelsPerUnit, QImage::Format_RGB32);
  page.setDevicePixelRatio(PngPixelsPerUnit);
  // Fonts are sized for 96 units an inch while drawing; the file then says
  // 192 dots per inch, so it prints on A4.
  const int dotsPerMeter = qRound(UnitsPerInch / 0.0254);
  page.setDotsPerMeterX(dotsPerMeter);
  page.setDotsPerMeterY(dotsPerMeter);
  page.fill(Qt::white);
  {
    QImage scratch;
    TPuzzleArt art(&images, scratch);
    QPainter p(&page);
    if (solution)
      DrawSolutionPage(p, art, puzzle, title);
    else
      DrawPuzzlePage(p, art, puzzle, title);
  }
  page.setDotsPerMeterX(dotsPerMeter * PngPixelsPerUnit);
  page.setDotsPerMeterY(dotsPerMeter * PngPixelsPerUnit);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!page.save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace

TPrintFormat PrintFormatFor(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf")) return TPrintFormat::Pdf;
  if (suffix == QLatin1String("svg")) return TPrintFormat::Svg;
  if (suffix == QLatin1String("png")) return TPrintFormat::Png;
  return TPrintFormat::Unknown;
}

QString PrintTitle(int n, int number, int difficulty) {
  return
      //: A printed puzzle's title: board size (as "6 x 6"), puzzle number, difficulty
      QCoreApplication::translate("Printing", "%1 x %1 No. %2, difficulty %3")
          .arg(n)
          .arg(number)
          .arg(difficulty);
}

TPrintLayout LayOutPuzzlePage(const TPuzzle& puzzle) {
  TPrintLayout L;
  const int n = puzzle.Size();
  CandidateGrid(n, L.GridColumns, L.GridRows);
  L.Title = QRect(Margin, Margin, ContentWidth, TitleHeight);
  const int boardTop = Margin + TitleHeight + NumbersHeight;
  const int h = int(puzzle.HorizontalClues.size()), v = int(puzzle.VerticalClues.size());
  const int widest = (ContentWidth - (n - 1) * SquareGapX) / (n * L.GridColumns);
  // The largest board cell, then the largest clue cell, that leave room for
  // every clue on the page.
  for (L.Cell = std::min(MaxCell, widest); L.Cell >= MinCell; --L.Cell) {
    const int boardHeight = n * L.GridRows * L.Cell + (n - 1) * SquareGapY;
    const int room = ContentHeight - (boardTop - Margin) - boardHeight - 2 * (SectionGap + HeadingHeight);
    for (L.ClueSize = MaxClueSize; L.ClueSize >= MinClueSize; --L.ClueSize) {
      const int s = L.ClueSize;
      if (CluesHeight(h, 3 * s, s, HorizontalGapX, HorizontalGapY) +
              CluesHeight(v, s, 3 * s, VerticalGapX, VerticalGapY) <=
          room)
        break;
    }
    if (L.ClueSize >= MinClueSize) break;
  }
  L.Cell = std::max(L.Cell, MinCell);
  L.ClueSize = std::max(L.ClueSize, MinClueSize);

  const int squareW = L.GridColumns * L.Cell, squareH = L.GridRows * L.Cell;
  const int boardWidth = n * squareW + (n - 1) * SquareGapX;
  const int boardLeft = Margin + (ContentWidth - boardWidth) / 2;
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= n; ++r)
      L.Squares.emplace_back(boardLeft + (c - 1) * (squareW + SquareGapX),
                             boardTop + (r - 1) * (squareH + SquareGapY), squareW, squareH);
  int y = boardTop + n * squareH + (n - 1) * SquareGapY + SectionGap;
  const int s = L.ClueSize;
  L.HorizontalHeading = QRect(Margin, y, ContentWidth, HeadingHeight);
  y += HeadingHeight;
  y += PlaceClues(L.Horizontal, h, y, 3 * s, s, HorizontalGapX, HorizontalGapY) + SectionGap;
  L.VerticalHeading = QRect(Margin, y, ContentWidth, HeadingHeight);
  y += HeadingHeight;
  PlaceClues(L.Vertical, v, y, s, 3 * s, VerticalGapX, VerticalGapY);
  // The headings line up with their clues.
  if (!L.Horizontal.empty()) L.HorizontalHeading.setLeft(L.Horizontal.front().left());
  if (!L.Vertical.empty()) L.VerticalHeading.setLeft(L.Vertical.front().left());
  return L;
}

void DrawPuzzlePage(QPainter& p, TPuzzleArt& art, const TPuzzle& puzzle, const QString& title) {
  const TPrintLayout L = LayOutPuzzlePage(puzzle);
  const int n = puzzle.Size();
  p.fillRect(0, 0, PrintPageWidth, PrintPageHeight, Qt::white);
  DrawTitle(p, L.Title, title);
  std::vector<QRect> columns;  // the top square of each column
  columns.reserve(static_cast<std::size_t>(n));
  for (int c = 0; c < n; ++c) columns.push_back(L.Squares[c * n]);
  DrawColumnNumbers(p, columns, L.Squares.front().top());

  // Every square with all its row's tiles, small, to cross off in pencil.
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= n; ++r) {
      const QRect square = L.Squares[(c - 1) * n + r - 1];
      for (int t = 1; t <= n; ++t) {
        const int x = square.left() + ((t - 1) % L.GridColumns) * L.Cell;
        const int y = square.top() + ((t - 1) / L.GridColumns) * L.Cell;
        art.DrawPicture(p, 10 * (r - 1) + (t - 1), x + 1, y + 1, L.Cell - 2, L.Cell - 2);
        p.setPen(QPen(GridGrey, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(x, y, L.Cell, L.Cell);
      }
      p.setPen(QPen(Qt::black, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawRect(square);
    }

  DrawHeading(p, L.HorizontalHeading, QCoreApplication::translate("Printing", "Horizontal clues"));
  for (std::size_t i = 0; i < L.Horizontal.size(); ++i)
    art.DrawHorizontalClue(p, puzzle, puzzle.HorizontalClues[i], L.Horizontal[i].left(),
                           L.Horizontal[i].top(), L.ClueSize);
  DrawHeading(p, L.VerticalHeading, QCoreApplication::translate("Printing", "Vertical clues"));
  for (std::size_t i = 0; i < L.Vertical.size(); ++i)
    art.DrawVerticalClue(p, puzzle, puzzle.VerticalClues[i], L.Vertical[i].left(), L.Vertical[i].top(),
                         L.ClueSize);
}

void DrawSolutionPage(QPainter& p, TPuzzleArt& art, const TPuzzle& puzzle, const QString& title) {
  const int n = puzzle.Size();
  p.fillRect(0, 0, PrintPageWidth, PrintPageHeight, Qt::white);
  DrawTitle(p, QRect(Margin, Margin, ContentWidth, TitleHeight),
            QCoreApplication::translate("Printing", "Solution: %1").arg(title));
  constexpr int Gap = 6;
  const int tile = std::min(64, (ContentWidth - (n - 1) * Gap) / n);
  const int width = n * tile + (n - 1) * Gap;
  const int left = Margin + (ContentWidth - width) / 2;
  const int top = Margin + TitleHeight + NumbersHeight;
  std::vector<QRect> columns;
  for (int c = 1; c <= n; ++c) columns.emplace_back(left + (c - 1) * (tile + Gap), top, tile, tile);
  DrawColumnNumbers(p, columns, top);
  // Each row's tiles in the columns the solution gives them.
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c)
      art.DrawPicture(p, puzzle.Square(c, r).imageindex() - 1, columns[c - 1].left(),
                      top + (r - 1) * (tile + Gap), tile, tile);
}

QStringList PrintFiles(const QString& path, bool withSolution) {
  QStringList files{path};
  const TPrintFormat format = PrintFormatFor(path);
  if (withSolution && (format == TPrintFormat::Png || format == TPrintFormat::Svg)) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    QString base = path;
    base.chop(suffix.size() + 1);
    files << base + QStringLiteral("-solution.") + suffix;
  }
  return files;
}

QString PrintPuzzle(const QString& path, const TPuzzle& puzzle, const TImages& images, const QString& title,
                    bool withSolution) {
  const TPrintFormat format = PrintFormatFor(path);
  if (format == TPrintFormat::Unknown)
    return QCoreApplication::translate("Printing",
                                       "cannot write \"%1\": the name must end in .pdf, .svg or .png")
        .arg(path);
  InstallFontSubstitutes();  // the clue marks' fonts are the window's
  const QStringList files = PrintFiles(path, withSolution);
  std::vector<QByteArray> pages;
  switch (format) {
    case TPrintFormat::Pdf:
      pages.push_back(PdfPages(puzzle, images, title, withSolution));
      break;
    case TPrintFormat::Svg:
      for (int i = 0; i < files.size(); ++i) pages.push_back(SvgPage(i == 1, puzzle, images, title));
      break;
    default:
      for (int i = 0; i < files.size(); ++i) pages.push_back(PngPage(i == 1, puzzle, images, title));
      break;
  }
  TWholeFiles out;
  for (int i = 0; i < files.size(); ++i) {
    if (pages[i].isEmpty())
      return QCoreApplication::translate("Printing", "cannot draw \"%1\"").arg(files[i]);
    if (QString why = out.Add(files[i], pages[i]); !why.isEmpty()) return why;
  }
  return out.Commit();
}
