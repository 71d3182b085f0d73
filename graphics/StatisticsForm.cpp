#include "StatisticsForm.h"

#include "GameFacts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// Figures as the player's language writes them, ungrouped as before.
QLocale Plain() {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale;
}

QString Average(const TSizeStatistics& s, double value) {
  return s.Completed ? Plain().toString(value, 'f', 1) : QStringLiteral("-");
}

QStringList RowTexts(const TSizeStatistics& s) {
  const bool timed = s.Size != 0;
  return {s.Size ? QStringLiteral("%1 x %1").arg(s.Size)
                 : QCoreApplication::translate("TStatisticsForm", "All sizes"),
          Plain().toString(s.Completed),
          timed && s.BestTime >= 0 ? StatisticsTimeText(s.BestTime) : QStringLiteral("-"),
          timed && s.MedianTime >= 0 ? StatisticsTimeText(s.MedianTime) : QStringLiteral("-"),
          Average(s, s.MisClicksPerPuzzle),
          Average(s, s.CluesPerPuzzle)};
}

// The table's cells with a frame round the one the keys stand on, while the
// table has the focus.
class TFocusFrameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!(option.state & QStyle::State_HasFocus)) return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
  }
};

}  // namespace

TResultsPlot::TResultsPlot(QWidget* parent) : QWidget(parent) {
  setMinimumSize(420, 180);
  // Tab reaches the chart, for a screen reader to read it in words.
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(QCoreApplication::translate("TStatisticsForm", "Chart of the last results"));
}

void TResultsPlot::SetResults(const std::vector<TScore>& results) {
  Results = results;
  setAccessibleDescription(Words());
  update();
}

QString TResultsPlot::Words() const {
  if (Results.empty()) return QCoreApplication::translate("TStatisticsForm", "No completed puzzles yet");
  QLocale grouped;
  grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
  QStringList bars;
  for (const TScore& s : Results)
    //: One bar of the results chart in words: the board size and the score
    bars << QCoreApplication::translate("TStatisticsForm", "%1 x %1: %2 points")
                .arg(s.Size)
                .arg(grouped.toString(s.Score));
  const int count = int(Results.size());
  return QCoreApplication::translate("TStatisticsForm", "%n result(s), oldest first: %1", "", count)
      .arg(bars.join(QStringLiteral("; ")));
}

QColor TResultsPlot::SizeColour(int size) {
  // One colour per board size, in the order of BoardSizes.
  static constexpr int Colours[][3] = {
      {120, 200, 120}, {80, 160, 220}, {230, 190, 60}, {230, 130, 50}, {200, 70, 70}, {150, 80, 190},
  };
  static_assert(std::size(Colours) == BoardSizes.size(), "a colour for every board size");
  const int index = BoardSizeIndex(size);
  if (index < 0) return {128, 128, 128};
  const int* rgb = Colours[index];
  return {rgb[0], rgb[1], rgb[2]};
}

std::vector<TResultsPlot::TCaption> TResultsPlot::Captions(const QFontMetrics& fm, const QRect& area) const {
  std::vector<TCaption> captions;
  const int line = fm.height();
  const QRect inside = area.adjusted(6, 4, -6, -2);
  const int recent = TPlayerStatistics::RecentCount;  // a plain name: lupdate skips a qualified count
  const QString title = QCoreApplication::translate(
      "TStatisticsForm", "Last %n results, oldest first: score by board size", "", recent);
  const int wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  const int oneLine = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  const QRect titleBox = fm.boundingRect(inside, wrapped, title);
  const auto widthOf = [&](const QString& text) {
    return fm.boundingRect(QRect(0, 0, 4096, line), oneLine, text).width();
  };
  captions.push_back({title, titleBox, wrapped});
  if (!Results.empty()) {
    std::int32_t top = 1;
    for (const TScore& s : Results) top = std::max(top, s.Score);
    QLocale grouped;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    //: Over the bars: the highest score among them.
    const QString scale =
        QCoreApplication::translate("TStatisticsForm", "highest: %1 points").arg(grouped.toString(top));
    const int width = widthOf(scale);
    // Beside a one-line title with a gap, else on a line of its own.
    const bool beside = titleBox.height() <= line && titleBox.right() + 12 + width <= inside.right();
    const int y = beside ? titleBox.top() : titleBox.bottom() + 1;
    captions.push_back({scale, QRect(inside.right() + 1 - width, y, width, line), oneLine});
  }
  int x = inside.left();
  const int legendY = area.bottom() - line - 2;
  for (const TBoardSize& size : BoardSizes) {
    const QString label = QStringLiteral("%1 x %1").arg(size.N);
    const int width = widthOf(label);
    captions.push_back({label, QRect(x + line - 2, legendY, width, line), oneLine});
    x += line + width + 12;
  }
  return captions;
}

void TResultsPlot::Draw(QPainter& p, const QRect& area) const {
  p.fillRect(area, Qt::white);
  const QFontMetrics fm = p.fontMetrics();
  const int line = fm.height();
  const std::vector<TCaption> captions = Captions(fm, area);
  // The legend's labels come last, each after its colour's square.
  const std::size_t legend = captions.size() - BoardSizes.size();
  int captionsBottom = area.top();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const TCaption& caption = captions[i];
    if (i < legend) captionsBottom = std::max(captionsBottom, caption.Box.bottom());
    p.setPen(i == 1 && i < legend ? QColor(90, 90, 90) : QColor(Qt::black));
    p.drawText(caption.Box, caption.Flags, caption.Text);
    if (i >= legend)
      p.fillRect(caption.Box.left() - line + 2, caption.Box.top() + 3, line - 6, line - 6,
                 SizeColour(BoardSizes[i - legend].N));
  }
  const int legendY = area.bottom() - line - 2;
  // Under each bar its board size, so the bars do not tell it by colour alone.
  const QRect bars(area.left() + 6, captionsBottom + 7, area.width() - 12,
                   legendY - captionsBottom - 15 - line);
  p.setPen(QColor(160, 160, 160));
  p.drawLine(bars.bottomLeft(), bars.bottomRight());
  if (Results.empty()) {
    p.setPen(Qt::black);
    p.drawText(bars, Qt::AlignCenter,
               QCoreApplication::translate("TStatisticsForm", "No completed puzzles yet"));
    return;
  }
  std::int32_t top = 1;
  for (const TScore& s : Results) top = std::max(top, s.Score);
  // Fixed slots, so the bars keep their width as results come in.
  const double slot = double(bars.width()) / TPlayerStatistics::RecentCount;
  for (std::size_t i = 0; i < Results.size(); ++i) {
    const int h = std::max(1, int(double(bars.height()) * std::max(0, Results[i].Score) / top));
    const int left = bars.left() + int(i * slot) + 1;
    const QRect bar(left, bars.bottom() - h, std::max(1, int(slot) - 2), h);
    p.fillRect(bar, SizeColour(Results[i].Size));
    p.setPen(QColor(60, 60, 60));
    p.drawRect(bar.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(QRect(left - 4, bars.bottom() + 2, bar.width() + 8, line), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(Results[i].Size));
  }
}

void TResultsPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Draw(p, rect());
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 2, Qt::DotLine));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

QStringList TStatisticsForm::ColumnHeadings() {
  //: The statistics table's column headings.
  return {tr("Puzzle Size"),           tr("Completed"),       tr("Best Time"), tr("Median Time"),
          tr("Mis-Clicks per Puzzle"), tr("Clues per Puzzle")};
}

TStatisticsForm::TStatisticsForm(const TPlayerStatistics& statistics, QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("Statistics"));
  auto* column = new QVBoxLayout(this);
  Heading = new QLabel(tr("Statistics of %1").arg(statistics.Player), this);
  QFont big = Heading->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  Heading->setFont(big);
  column->addWidget(Heading);

  const QStringList headings = ColumnHeadings();
  const int rows = int(statistics.Sizes.size()) + 1;
  Grid = new QTableWidget(rows, int(headings.size()), this);
  Grid->setHorizontalHeaderLabels(headings);
  Grid->setAccessibleName(Heading->text());
  Grid->verticalHeader()->hide();
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setSelectionMode(QAbstractItemView::NoSelection);
  // Tab reaches it, for a screen reader to read it, and leaves it again;
  // the arrows go from cell to cell, framed.
  Grid->setFocusPolicy(Qt::TabFocus);
  Grid->setTabKeyNavigation(false);
  Grid->setItemDelegate(new TFocusFrameDelegate(Grid));
  for (int r = 0; r < rows; ++r) {
    const TSizeStatistics& s = r < rows - 1 ? statistics.Sizes[r] : statistics.All;
    const QStringList texts = RowTexts(s);
    for (int c = 0; c < int(texts.size()); ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
      if (r == rows - 1) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      Grid->setItem(r, c, item);
    }
  }
  Grid->resizeColumnsToContents();
  Grid->horizontalHeader()->setStretchLastSection(true);
  int height = Grid->horizontalHeader()->height() + 4;
  for (int r = 0; r < rows; ++r) height += Grid->rowHeight(r);
  Grid->setFixedHeight(height);
  int width = 4;
  for (int c = 0; c < Grid->columnCount(); ++c) width += Grid->columnWidth(c);
  Grid->setMinimumWidth(width);
  column->addWidget(Grid);

  auto* note =
      new QLabel(tr("Times count only timed games. With an even number of times the median is the mean of "
                    "the middle two."),
                 this);
  note->setWordWrap(true);
  column->addWidget(note);

  Plot = new TResultsPlot(this);
  Plot->SetResults(statistics.Recent);
  column->addWidget(Plot, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  CloseBtn = new QPushButton(tr("Close"), this);
  CloseBtn->setDefault(true);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(CloseBtn);
  column->addLayout(buttons);
  Grid->setCurrentCell(0, 0);
}
