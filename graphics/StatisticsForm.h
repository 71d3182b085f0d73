#pragma once

#include "Statistics.h"

#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;

// The bars of a player's last results: one bar per result, oldest on the
// left, its height the score, its colour the board size.
class TResultsPlot : public QWidget {
 public:
  explicit TResultsPlot(QWidget* parent = nullptr);
  std::vector<TScore> Results;
  // Sets the results, and the chart's words for screen readers.
  void SetResults(const std::vector<TScore>& results);
  // The chart in words: every bar's board size and score, oldest first.
  QString Words() const;
  // The colour of a board size's bars and of its legend entry.
  static QColor SizeColour(int size);
  // The plot's words and where they stand in area: the title (wrapped where
  // the area is narrow), the highest score over the bars when there are
  // results (beside the title where it fits, else below it), and the
  // legend's labels. Draw puts them there; none overlaps another.
  struct TCaption {
    QString Text;
    QRect Box;
    int Flags;  // how QPainter::drawText places it in Box
  };
  std::vector<TCaption> Captions(const QFontMetrics& fm, const QRect& area) const;
  void Draw(QPainter& p, const QRect& area) const;

 protected:
  void paintEvent(QPaintEvent*) override;
};

// The "Statistics" window for one player, everything from the score table:
// a line per board size and one for all sizes, and the plot of the last
// results. It only shows; it changes nothing.
class TStatisticsForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TStatisticsForm)

 public:
  TStatisticsForm(const TPlayerStatistics& statistics, QWidget* owner = nullptr);

  QLabel* Heading = nullptr;
  QTableWidget* Grid = nullptr;
  TResultsPlot* Plot = nullptr;
  QPushButton* CloseBtn = nullptr;

  // The grid's columns.
  static QStringList ColumnHeadings();
};
