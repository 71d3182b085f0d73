#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QHeaderView;
class QPainter;
class QPushButton;
class QTableView;
class TScoreGridModel;
class TScoreTable;

// The "Hi Scores" window over a score table: eight columns sorted by a click
// on their heading, the latest completion highlighted, and the viewing
// player's entries erasable. It only draws and forwards; the table sorts,
// erases and writes the file.
class TScoreForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TScoreForm)

 public:
  explicit TScoreForm(TScoreTable& table, QWidget* owner = nullptr);
  ~TScoreForm() override;

  // The window's questions and failures, answered by whoever shows it (the
  // game's dialogs, a test): a confirmation with OK and Cancel (true for OK)
  // and an error message. Without ConfirmBox nothing is erased; without
  // ErrorBox a failure goes to the log (the table keeps the change and
  // writes it again at the next one).
  std::function<bool(const QString& text)> ConfirmBox;
  std::function<void(const QString& text)> ErrorBox;

  QTableView* StringGrid1 = nullptr;
  QHeaderView* Hdr = nullptr;  // the heading bar, the grid's own header
  QPushButton* CloseBtn = nullptr;
  QPushButton* EraseBtn = nullptr;

  void HdrSectionClick(int section);
  // Draws one cell: the row in its colour, the text in black from the top.
  void StringGrid1DrawCell(QPainter& canvas, int column, int row, const QRect& rect) const;
  void EraseBtnClick();
  void Clearallscores1Click();
  void CloseBtnClick();

  static constexpr int RowHeight = 24;
  static constexpr int MinHeadingWidth = 75;
  static inline const QColor CurrentRowColour{150, 150, 40};
  static inline const QColor FocusColour{0, 0, 160};  // the frame of the cell the keys stand on

 protected:
  void showEvent(QShowEvent* event) override;                  // FormShow
  bool eventFilter(QObject* watched, QEvent* event) override;  // Space on the grid sorts

 private:
  void Refresh();
  void ShowError(const QString& text) const;

  TScoreTable& Table;
  TScoreGridModel* Model = nullptr;
};
