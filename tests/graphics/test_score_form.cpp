// The score window over a real table: headings, highlight, sorting, erasing.
#include "RecordsTestSupport.h"
#include "ScoreForm.h"
#include "ScoreTable.h"
#include "TestApp.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScoreFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    ASSERT_TRUE(Dir.isValid());
  }
  // The colour of row r, beside the right-aligned text of the Number column.
  QColor RowColour(TScoreForm& form, int r) const {
    const QImage grid = form.StringGrid1->viewport()->grab().toImage();
    return grid.pixelColor(form.StringGrid1->columnViewportPosition(3) + 3,
                           form.StringGrid1->rowViewportPosition(r) + TScoreForm::RowHeight / 2);
  }
  QTemporaryDir Dir;
};

TEST_F(ScoreFormTest, AHeadingClickSortsTheGridWithTheHighlightAndEraseAsksFirst) {
  WriteText(Dir.filePath("quillmere.sco"),
            "player=Anna~number=1234~size=6~time=312~errors=2~clues=1~difficulty=5~score=55548~\r\n"
            "player=Bob~number=7~size=5~time=-1~errors=0~clues=0~difficulty=10~score=50011~\r\n"
            "player=anna~number=8~size=4~time=100~errors=0~clues=0~difficulty=1~score=38900~\r\n");
  TScoreTable table;
  ASSERT_TRUE(table.Load(Dir.filePath("quillmere")).Ok());
  ASSERT_TRUE(table.AddScore("Cy", 9, 4, 300, 0, 0, 5).Ok());  // 36700, highlighted
  table.SetViewingPlayer("ANNA");

  TScoreForm form(table);
  QStringList asked;
  bool answer = false;
  form.ConfirmBox = [&](const QString& text) {
    asked << text;
    return answer;
  };
  QStringList errors;
  form.ErrorBox = [&](const QString& text) { errors << text; };
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  EXPECT_EQ(form.windowTitle(), "Hi Scores");
  EXPECT_EQ(form.size(), QSize(733, 529));
  QList<int> widths;
  QStringList headings;
  for (int c = 0; c < 8; ++c) {
    widths << form.Hdr->sectionSize(c);
    headings << form.StringGrid1->model()->headerData(c, Qt::Horizontal).toString();
  }
  EXPECT_EQ(widths, QList<int>({170, 93, 75, 75, 75, 75, 75, 75}));
  EXPECT_EQ(headings, QStringList({"Name", "Puzzle Size", "Score", "Number", "Time", "Mis-Clicks", "Clues",
                                   "Difficulty"}));
  EXPECT_EQ(form.Hdr->minimumSectionSize(), 75);
  EXPECT_EQ(form.StringGrid1->rowHeight(0), 24);
  EXPECT_EQ(RowColour(form, 3), QColor(150, 150, 40));
  EXPECT_EQ(RowColour(form, 0), QColor(Qt::white));

  // "Score" right after the start: the lowest first; the highlight goes along.
  QTest::mouseClick(form.Hdr->viewport(), Qt::LeftButton, {},
                    QPoint(form.Hdr->sectionViewportPosition(2) + 30, form.Hdr->height() / 2));
  ASSERT_EQ(table.Scores().size(), 4u);
  EXPECT_EQ(table.Scores()[0].Player, "Cy");
  EXPECT_EQ(table.Scores()[3].Player, "Anna");
  EXPECT_EQ(table.CurrentEntry(), 0);
  EXPECT_EQ(RowColour(form, 0), QColor(150, 150, 40));
  EXPECT_EQ(RowColour(form, 3), QColor(Qt::white));
  EXPECT_TRUE(ReadText(Dir.filePath("quillmere.sco")).startsWith("player=Cy~"));

  // From the keys: Tab reaches the grid, whose cell is framed, the arrows
  // go along a row, Space sorts by the cell's column as its heading's
  // click does, and Tab goes on to the buttons.
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.StringGrid1->setFocus(Qt::TabFocusReason);
  const QImage unfocused = form.grab().toImage();
  ASSERT_EQ(form.StringGrid1->currentIndex().column(), 2) << "the keys stand in the column sorted by";
  QTest::keyClick(form.StringGrid1, Qt::Key_Right);
  const QImage framed = form.StringGrid1->viewport()->grab().toImage();
  EXPECT_EQ(framed.pixelColor(form.StringGrid1->columnViewportPosition(3) + 1, TScoreForm::RowHeight / 2),
            TScoreForm::FocusColour);
  QTest::keyClick(form.StringGrid1, Qt::Key_Space);  // by Number
  EXPECT_EQ(table.SortColumn(), 3);
  EXPECT_EQ(table.Scores()[0].Number, 7);
  EXPECT_EQ(table.Scores()[3].Number, 1234);
  QTest::keyClick(form.StringGrid1, Qt::Key_Tab);
  EXPECT_TRUE(form.CloseBtn->hasFocus() || form.EraseBtn->hasFocus());
  EXPECT_NE(form.grab().toImage(), unfocused);

  QTest::mouseClick(form.EraseBtn, Qt::LeftButton);  // Cancel
  EXPECT_EQ(asked, QStringList{"Are you sure you want to delete all your scores?"});
  EXPECT_EQ(table.Scores().size(), 4u);
  answer = true;
  QTest::mouseClick(form.EraseBtn, Qt::LeftButton);
  EXPECT_EQ(form.StringGrid1->model()->rowCount(), 2);
  EXPECT_EQ(ReadText(Dir.filePath("quillmere.sco")).count('\n'), 2);  // Cy and Bob
  EXPECT_TRUE(errors.isEmpty());

  // A window nobody answers for erases nothing.
  table.SetViewingPlayer("Bob");
  TScoreForm unanswered(table);
  unanswered.EraseBtnClick();
  EXPECT_EQ(table.Scores().size(), 2u);

  QTest::mouseClick(form.CloseBtn, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
