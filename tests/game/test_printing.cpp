// Printing the puzzle on the board from the File menu.
#include "GameTestSupport.h"
#include "Images.h"
#include "PuzzlePrint.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {

// The picture of image number (0-based) scaled once to w x h, as the screen
// draws a tile.
QImage Scaled(const TImages& images, int index, int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  ResampleBitmap(*images.Picture(index), image);
  return image;
}

int Differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

// The part of a PNG page that the page's rectangle r (in units) covers.
QImage Part(const QImage& page, const QRect& r) {
  const int k = PngPixelsPerUnit;
  return page.copy(r.x() * k, r.y() * k, r.width() * k, r.height() * k).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PrintingTest : public TWindowTest {
 protected:
  QAction* FileMenuItem(const QString& text) {
    for (QAction* menu : Form->menuBar()->actions())
      if (menu->text() == QStringLiteral("&File"))
        for (QAction* item : menu->menu()->actions())
          if (item->text().remove('&') == text) return item;
    return nullptr;
  }
};

TEST_F(PrintingTest, TheFileMenuPrintsThePuzzleOnTheBoardWithTheScreensClueDrawingAndNotTheProgress) {
  Open(6, 1234, 5);
  TPuzzle& puzzle = Form->Session().Controller().Puzzle;
  // Some progress that must not reach the paper: square (1, 1) solved.
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  ASSERT_TRUE(Sq(1, 1).IsSolved());
  Form->Session().Controller().Clock.ElapsedSeconds = 77;
  const TClueList horizontal = puzzle.HorizontalClues, vertical = puzzle.VerticalClues;

  QAction* item = FileMenuItem(QStringLiteral("Print / Export Puzzle..."));
  ASSERT_NE(item, nullptr);
  const QString file = Folder.Path(QStringLiteral("puzzle.png"));
  Dialogs.SaveAnswers.push_back(file);
  Dialogs.ConfirmAnswers.push_back(true);  // with the solution
  bool pausedWhileChoosing = false;
  Dialogs.WhileChoosingSaveFile = [&] { pausedWhileChoosing = Form->Session().Game().Paused(); };
  item->trigger();

  EXPECT_TRUE(pausedWhileChoosing);
  EXPECT_FALSE(Form->Session().Game().Paused());
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
  // The player is told where both pages went.
  ASSERT_EQ(Dialogs.Infos.size(), 1);
  EXPECT_TRUE(
      Dialogs.Infos[0].contains(QDir::toNativeSeparators(file)) &&
      Dialogs.Infos[0].contains(QDir::toNativeSeparators(Folder.Path(QStringLiteral("puzzle-solution.png")))))
      << Dialogs.Infos[0].toStdString();
  ASSERT_EQ(Dialogs.SaveRequests.size(), 1);
  EXPECT_TRUE(
      Dialogs.SaveRequests[0].contains(QStringLiteral("/Quillmere 6x6 No 1234.pdf|PDF document (*.pdf)")))
      << Dialogs.SaveRequests[0].toStdString();
  // The game is as it was.
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 77);
  EXPECT_TRUE(Sq(1, 1).IsSolved());
  EXPECT_TRUE(puzzle.HorizontalClues == horizontal && puzzle.VerticalClues == vertical);

  QImage page(file);
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.size(), QSize(PrintPageWidth, PrintPageHeight) * PngPixelsPerUnit);
  EXPECT_NEAR(page.dotsPerMeterX() * 0.0254, 192, 1);  // A4 when printed
  EXPECT_EQ(QImage(Folder.Path(QStringLiteral("puzzle-solution.png"))).size(), page.size());

  const TPrintLayout L = LayOutPuzzlePage(puzzle);
  ASSERT_EQ(L.Horizontal.size(), horizontal.size());
  ASSERT_EQ(L.Vertical.size(), vertical.size());
  const int s = L.ClueSize;
  ASSERT_GE(s, 10);
  // Every horizontal clue exactly as the window's own clue drawing makes it
  // on a canvas of the same pixels.
  for (std::size_t i = 0; i < horizontal.size(); ++i) {
    QImage screen(3 * s * PngPixelsPerUnit, s * PngPixelsPerUnit, QImage::Format_RGB32);
    screen.setDevicePixelRatio(PngPixelsPerUnit);
    screen.fill(Qt::white);
    {
      QPainter p(&screen);
      Form->HorizontalPanel()->DrawHorizontalClue(p, horizontal[i], 0, 0, s);
    }
    screen.setDevicePixelRatio(1);
    EXPECT_EQ(Differing(Part(page, L.Horizontal[i]), screen), 0) << "horizontal clue " << i;
  }
  // The top tile of every vertical clue: the solution's tile of its column.
  for (std::size_t i = 0; i < vertical.size(); ++i) {
    const int image = puzzle.Square(vertical[i].c1(), vertical[i].c2()).imageindex() - 1;
    const QImage expected =
        Scaled(*TMainFormProbe::TileImages(*Form), image, s * PngPixelsPerUnit, s * PngPixelsPerUnit)
            .convertToFormat(QImage::Format_RGB32);
    const QRect top(L.Vertical[i].topLeft(), QSize(s, s));
    EXPECT_EQ(Differing(Part(page, top), expected), 0) << "vertical clue " << i;
  }
  // The solved square shows all its candidates on paper, each in its cell.
  const QRect square = L.Squares[0];
  for (int t = 1; t <= 6; ++t) {
    const int inner = L.Cell - 2;
    const QRect cell(square.left() + ((t - 1) % L.GridColumns) * L.Cell + 1,
                     square.top() + ((t - 1) / L.GridColumns) * L.Cell + 1, inner, inner);
    const QImage expected =
        Scaled(*TMainFormProbe::TileImages(*Form), t - 1, inner * PngPixelsPerUnit, inner * PngPixelsPerUnit)
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Differing(Part(page, cell), expected), 0) << "candidate " << t;
  }
}

TEST_F(PrintingTest, AFailedPrintSaysWhyAndLeavesEveryFileAsItWas) {
  Open(4, 2);
  const QString file = Folder.Path(QStringLiteral("old.png"));
  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older picture");
  }
  // The solution page cannot be written: a folder holds its name.
  ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("old-solution.png")));
  Dialogs.SaveAnswers.push_back(file);
  Dialogs.ConfirmAnswers.push_back(true);
  Form->Controls.PrintExport1->trigger();
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(Dialogs.Errors[0].contains(QStringLiteral("old-solution.png")))
      << Dialogs.Errors[0].toStdString();
  EXPECT_TRUE(Dialogs.Infos.isEmpty()) << "a failed print is not reported as written";
  QFile old(file);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("an older picture"));
  EXPECT_TRUE(Form->Session().Game().InProgress() && !Form->Session().Game().Paused());

  // A name of no known kind, then a cancel: a message, then nothing at all.
  Dialogs.SaveAnswers = {Folder.Path(QStringLiteral("puzzle.txt")), QString()};
  Dialogs.ConfirmAnswers = {false};
  Form->Controls.PrintExport1->trigger();
  Form->Controls.PrintExport1->trigger();
  ASSERT_EQ(Dialogs.Errors.size(), 2);
  EXPECT_TRUE(Dialogs.Errors[1].contains(QStringLiteral(".pdf, .svg or .png")));
  EXPECT_EQ(Dialogs.Questions.size(), 2);  // the cancelled one asked nothing
  EXPECT_FALSE(QFileInfo::exists(Folder.Path(QStringLiteral("puzzle.txt"))));
  // The next print is offered in the folder of the last.
  ASSERT_EQ(Dialogs.SaveRequests.size(), 3);
  EXPECT_TRUE(Dialogs.SaveRequests[2].startsWith(
      QDir(QFileInfo(file).absolutePath()).filePath(QStringLiteral("Quillmere 4x4 No 2.pdf|"))))
      << Dialogs.SaveRequests[2].toStdString();
}
