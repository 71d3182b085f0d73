// On a screen scaled by 2 the board is drawn in the screen's own pixels.
#include "GameTestSupport.h"
#include "Images.h"

#include <cstdlib>

namespace {
// Before the test application exists.
const bool Scaled = setenv("QT_SCALE_FACTOR", "2", 1) == 0;
}  // namespace

class HiDpiTest : public TWindowTest {};

TEST_F(HiDpiTest, TilesAreScaledFromTheirSourceToTheScreensPixels) {
  ASSERT_TRUE(Scaled);
  Open(6, 1);
  const QImage& canvas = Form->Board()->Canvas;
  ASSERT_EQ(canvas.devicePixelRatio(), 2.0);
  EXPECT_EQ(canvas.size(), Form->Board()->size() * 2);
  // Tile 1 of square (1, 1), a candidate at the start: its cell holds the
  // source picture scaled once, to twice the largest square the cell holds,
  // in the cell's middle: a tile keeps its shape in a cell that is not square.
  const TBoardLayout L = Form->Board()->Layout();
  ASSERT_NE(L.cw, L.ch) << "the window's cells are not square, so a stretched tile would show";
  const int s = std::min(L.cw, L.ch);
  QImage expected(2 * s, 2 * s, QImage::Format_RGB888);
  ResampleBitmap(*TMainFormProbe::TileImages(*Form)->Picture(0), expected);
  const QImage cell =
      canvas.copy(2 * (L.X0(1) + (L.cw - s) / 2), 2 * (L.Y0(1) + (L.ch - s) / 2), 2 * s, 2 * s)
          .convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(cell.size(), expected.size());
  int differing = 0;
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) differing += cell.pixel(x, y) != expected.pixel(x, y);
  EXPECT_EQ(differing, 0);
  // The animation's pictures have the canvas's own pixels.
  EXPECT_EQ(TMainFormProbe::Effects(*Form)->StartPicture.size(), canvas.size());
}
