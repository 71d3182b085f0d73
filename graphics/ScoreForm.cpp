#include "ScoreForm.h"

#include "ScoreTable.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

// The grid's rows over the table: one per entry, and one blank row for an
// empty table. The form's delegate draws the cells from the table itself.
class TScoreGridModel : public QAbstractTableModel {
 public:
  explicit TScoreGridModel(const TScoreTable& table, QObject* parent)
      : QAbstractTableModel(parent), Table(table) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(1, static_cast<int>(Table.Scores().size()));
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : TScoreTable::ColumnCount;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return Table.CellText(index.row(), index.column());
  }
  Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal) return {};
    switch (role) {
      case Qt::DisplayRole:
        return TScoreTable::Heading(section);
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (section <= 1 ? Qt::AlignLeft : Qt::AlignHCenter));
      case Qt::ToolTipRole:
        return QCoreApplication::translate("TScoreForm", "Click the headings to sort");
      default:
        return {};
    }
  }

  // After a sort the rows stay and only their content changes, which keeps
  // the scroll position; an erase changes the rows.
  void Refresh(int rowsBefore) {
    if (rowCount() == rowsBefore) {
      emit dataChanged(index(0, 0), index(rowsBefore - 1, TScoreTable::ColumnCount - 1));
    } else {
      beginResetModel();
      endResetModel();
    }
  }

 private:
  const TScoreTable& Table;
};

namespace {

class TScoreCellDelegate : public QStyledItemDelegate {
 public:
  TScoreCellDelegate(const TScoreForm& form, QObject* parent) : QStyledItemDelegate(parent), Form(form) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    Form.StringGrid1DrawCell(*painter, index.column(), index.row(), option.rect);
    // The cell the keys stand on, while the grid has the focus.
    if (option.state & QStyle::State_HasFocus) {
      painter->setPen(QPen(TScoreForm::FocusColour, 2));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    }
    painter->restore();
  }

 private:
  const TScoreForm& Form;
};

// The design's narrow font, or its metric twin where it is not installed.
QFont NarrowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")});
  return font;
}

}  // namespace

TScoreForm::TScoreForm(TScoreTable& table, QWidget* owner) : QDialog(owner), Table(table) {
  setWindowTitle(tr("Hi Scores"));
  setFixedSize(733, 529);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  Model = new TScoreGridModel(table, this);
  StringGrid1 = new QTableView(this);
  StringGrid1->setModel(Model);
  StringGrid1->setAccessibleName(windowTitle());
  StringGrid1->setItemDelegate(new TScoreCellDelegate(*this, StringGrid1));
  StringGrid1->setShowGrid(false);
  StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);  // no cell can be selected
  // Tab reaches it, for a screen reader to read it, and leaves it for the
  // buttons; the arrows go from cell to cell and Space sorts by the column.
  StringGrid1->setFocusPolicy(Qt::TabFocus);
  StringGrid1->setTabKeyNavigation(false);
  StringGrid1->installEventFilter(this);
  StringGrid1->setAccessibleDescription(tr("Space sorts the scores by the current cell's column"));
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setFrameShape(QFrame::NoFrame);
  QPalette palette = StringGrid1->palette();
  palette.setColor(QPalette::Base, Qt::white);
  StringGrid1->setPalette(palette);
  QFont gridFont = NarrowFont();
  gridFont.setPointSize(12);
  StringGrid1->setFont(gridFont);

  QHeaderView* rows = StringGrid1->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(RowHeight);
  rows->setDefaultSectionSize(RowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);

  // The grid's columns are the headings' sections, so resizing a heading
  // resizes its column.
  Hdr = StringGrid1->horizontalHeader();
  QFont headingFont = NarrowFont();
  headingFont.setPixelSize(16);
  Hdr->setFont(headingFont);
  Hdr->setMinimumSectionSize(MinHeadingWidth);
  Hdr->setSectionsClickable(true);
  Hdr->setSectionsMovable(false);
  Hdr->setHighlightSections(false);
  Hdr->setStretchLastSection(false);
  Hdr->setSectionResizeMode(QHeaderView::Interactive);
  Hdr->setToolTip(tr("Click the headings to sort"));
  const int widths[TScoreTable::ColumnCount] = {170, 93, 75, 75, 75, 75, 75, 75};
  for (int c = 0; c < TScoreTable::ColumnCount; ++c) Hdr->resizeSection(c, widths[c]);
  connect(Hdr, &QHeaderView::sectionClicked, this, [this](int section) { HdrSectionClick(section); });
  column->addWidget(StringGrid1, 1);

  auto* bar = new QWidget(this);
  bar->setFixedHeight(41);
  auto* buttons = new QHBoxLayout(bar);
  buttons->setContentsMargins(8, 0, 8, 0);
  CloseBtn = new QPushButton(tr("Close"), bar);
  // It erases the scores of the player looking, nobody else's.
  EraseBtn = new QPushButton(style()->standardIcon(QStyle::SP_TrashIcon), tr("Erase My Scores"), bar);
  EraseBtn->setMinimumWidth(120);
  CloseBtn->setAutoDefault(false);
  EraseBtn->setAutoDefault(false);
  CloseBtn->setDefault(true);  // Enter closes; nothing erases by accident
  buttons->addWidget(CloseBtn);
  buttons->addStretch(1);
  buttons->addWidget(EraseBtn);
  connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
  connect(EraseBtn, &QPushButton::clicked, this, [this] { EraseBtnClick(); });
  column->addWidget(bar);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::showEvent(QShowEvent* event) {
  Refresh();  // the table may have changed while the window was hidden
  QDialog::showEvent(event);
}

void TScoreForm::Refresh() {
  Model->Refresh(-1);
  StringGrid1->setCurrentIndex(Model->index(0, 0));
}

bool TScoreForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && !(key->modifiers() & ~Qt::KeypadModifier)) {
      const QModelIndex current = StringGrid1->currentIndex();
      HdrSectionClick(current.isValid() ? current.column() : 0);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TScoreForm::HdrSectionClick(int section) {
  const int rows = Model->rowCount();
  const QModelIndex current = StringGrid1->currentIndex();
  const TResult written = Table.Sort(section);
  Model->Refresh(rows);
  // The keys stay in the column sorted by.
  StringGrid1->setCurrentIndex(Model->index(current.isValid() ? current.row() : 0, section));
  if (!written) ShowError(written.Error);
}

void TScoreForm::ShowError(const QString& text) const {
  if (ErrorBox)
    ErrorBox(text);
  else
    qWarning().noquote() << text;
}

void TScoreForm::StringGrid1DrawCell(QPainter& canvas, int column, int row, const QRect& rect) const {
  if (row >= static_cast<int>(Table.Scores().size())) return;
  canvas.fillRect(rect, row == Table.CurrentEntry() ? CurrentRowColour : QColor(Qt::white));
  canvas.setPen(Qt::black);
  canvas.setFont(StringGrid1->font());
  const QString text = Table.CellText(row, column);
  if (column == 0) {
    canvas.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text);
  } else if (column == 1) {
    // Set in by half its own width, so it stands under its heading.
    const int left = rect.left() + canvas.fontMetrics().horizontalAdvance(text) / 2;
    canvas.drawText(QRect(left, rect.top(), rect.right() - left + 1, rect.height()),
                    Qt::AlignLeft | Qt::AlignTop, text);
  } else {
    canvas.drawText(rect.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignTop, text);
  }
}

void TScoreForm::EraseBtnClick() {
  Clearallscores1Click();
}

void TScoreForm::Clearallscores1Click() {
  // Scores are erased only on a clear yes.
  if (!ConfirmBox || !ConfirmBox(tr("Are you sure you want to delete all your scores?"))) return;
  const int rows = Model->rowCount();
  const TResult written = Table.EraseViewingPlayerScores();
  Model->Refresh(rows);
  if (!written) ShowError(written.Error);
}

void TScoreForm::CloseBtnClick() {
  close();
}
