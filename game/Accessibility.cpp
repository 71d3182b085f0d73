// The window for screen readers: interfaces for what is painted, names for
// the controls, the keyboard cursor as the focus, and announcements.
#include "Accessibility.h"

#include "ClueText.h"
#include "GameTexts.h"
#include "Images.h"
#include "BoardView.h"
#include "CluePanel.h"
#include "HintPane.h"
#include "InfoBar.h"
#include "MainFormControls.h"
#include "Session.h"
#include "ReaderNotice.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QFrame>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// A text marked with QT_TRANSLATE_NOOP("Accessibility", ...) where it stands.
QString Tr(const char* text) {
  return QCoreApplication::translate("Accessibility", text);
}

// "Dog", "Dog or Cat", "Dog, Cat or Fox".
QString Alternatives(const QStringList& names) {
  if (names.isEmpty()) return {};
  QString list = names.last();
  if (names.size() > 1) {
    list = QCoreApplication::translate("Accessibility", "%1 or %2").arg(names[names.size() - 2], list);
    for (qsizetype i = names.size() - 3; i >= 0; --i)
      list = QCoreApplication::translate("Accessibility", "%1, %2").arg(names[i], list);
  }
  return list;
}

// The template with %1, %2, ... put in at once, so a name holding "%1"
// stays as it is.
QString Fill(const QString& text, const QStringList& args) {
  switch (args.size()) {
    case 0:
      return text;
    case 1:
      return text.arg(args[0]);
    case 2:
      return text.arg(args[0], args[1]);
    default:
      return text.arg(args[0], args[1], args[2]);
  }
}

// --- which objects get which interface ----------------------------------------

using TMaker = std::function<QAccessibleInterface*(QObject*)>;

QHash<const QObject*, TMaker>& Makers() {
  static QHash<const QObject*, TMaker> makers;
  return makers;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
  const auto it = Makers().constFind(object);
  return it == Makers().cend() ? nullptr : (*it)(object);
}

// Drops the interface made for object, so the next question makes a new one.
void Forget(QObject* object) {
  if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(object))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
  if (!iface || !QAccessible::isActive()) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

// A widget whose name and description are worked out when asked.
class TWordsAccessible : public QAccessibleWidget {
 public:
  TWordsAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> name,
                   std::function<QString()> description = {})
      : QAccessibleWidget(widget, role), Name(std::move(name)), Description(std::move(description)) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && Name) return Name();
    if (t == QAccessible::Description && Description) return Description();
    return QAccessibleWidget::text(t);
  }
  // The children are drawn, not widgets (the hint arrows are decoration).
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

 private:
  std::function<QString()> Name, Description;
};

// --- the painted parts ----------------------------------------------------------

// A part of a paint box that is drawn, not a widget: it has no object of its
// own, and lives as long as the box's interface (which owns it).
class TDrawnAccessible : public QAccessibleInterface {
 public:
  TDrawnAccessible(TAccessibility& access, QWidget* box) : Access(access), Box(box) {}
  bool isValid() const override { return !Box.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Box ? Box->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessibleInterface* parent() const override {
    return Box ? QAccessible::queryAccessibleInterface(Box.data()) : nullptr;
  }
  QRect Global(const QRect& local) const {
    return Box ? QRect(Box->mapToGlobal(local.topLeft()), local.size()) : QRect();
  }

 protected:
  TAccessibility& Access;
  QPointer<QWidget> Box;
};

class TBoardAccessible;

// A candidate cell: its tile and whether it is still possible.
class TCellAccessible : public TDrawnAccessible {
 public:
  TCellAccessible(TAccessibility& access, QWidget* box, int c, int r, int q)
      : TDrawnAccessible(access, box), C(c), R(r), Q(q) {}
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Access.CellText(C, R, Q);
    return {};
  }
  QRect rect() const override {
    const TBoardLayout L = Access.Form.Board->Layout();
    return Global(QRect(L.X0(C) + ((Q - 1) % L.gc) * L.cw, L.Y0(R) + ((Q - 1) / L.gc) * L.ch, L.cw, L.ch));
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  const int C, R, Q;
};

// A square: a table cell named by its column and category, saying its state.
class TSquareAccessible : public TDrawnAccessible, public QAccessibleTableCellInterface {
 public:
  TSquareAccessible(TAccessibility& access, QWidget* box, int c, int r)
      : TDrawnAccessible(access, box), C(c), R(r) {}
  ~TSquareAccessible() override {
    for (const QAccessible::Id id : Cells)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Access.SquareText(C, R);
    return {};
  }
  QRect rect() const override {
    const TBoardLayout L = Access.Form.Board->Layout();
    return Global(QRect(L.X0(C), L.Y0(R), L.W, L.H));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  // A solved square holds its tile only: its cells are gone from the board.
  int childCount() const override {
    return Access.Form.Session->Game().Puzzle.Square(C, R).IsSolved() ? 0 : Access.Form.Session->Game().N();
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = Cells[std::size_t(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new TCellAccessible(Access, Box, C, R, index + 1));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* cell = dynamic_cast<const TCellAccessible*>(child);
    return cell && cell->C == C && cell->R == R && cell->Q <= childCount() ? cell->Q - 1 : -1;
  }
  // The table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return C - 1; }
  int rowIndex() const override { return R - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  const int C, R;

 private:
  mutable std::array<QAccessible::Id, MaxBoardSize> Cells{};
};

// The board: a table of N x N squares, rows the categories.
class TBoardAccessible : public TWordsAccessible, public QAccessibleTableInterface {
 public:
  TBoardAccessible(TAccessibility& access, QWidget* box)
      : TWordsAccessible(
            box, QAccessible::Table, [] { return QCoreApplication::translate("Accessibility", "Board"); },
            [&access] {
              if (access.Form.Session->Game().Paused()) return access.PausedText();
              return QCoreApplication::translate(
                  "Accessibility",
                  "The arrow keys move between the tiles, Space places the tile, Delete removes it or "
                  "brings it back, Tab goes to the clues.");
            }),
        Access(access) {}
  ~TBoardAccessible() override {
    for (const QAccessible::Id id : Squares)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return TWordsAccessible::interface_cast(t);
  }
  // A paused board shows nothing, to the eye or in words.
  int N() const {
    const TGameController& game = Access.Form.Session->Game();
    return game.BoardReady() && !game.Paused() ? Access.Form.Session->Game().N() : 0;
  }
  QAccessibleInterface* Square(int c, int r) const {
    if (c < 1 || c > N() || r < 1 || r > N()) return nullptr;
    QAccessible::Id& id = Squares[std::size_t((r - 1) * MaxBoardSize + c - 1)];
    if (!id) id = QAccessible::registerAccessibleInterface(new TSquareAccessible(Access, widget(), c, r));
    return QAccessible::accessibleInterface(id);
  }
  int childCount() const override { return N() * N(); }
  QAccessibleInterface* child(int index) const override {
    return index < 0 || index >= childCount() ? nullptr : Square(index % N() + 1, index / N() + 1);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* square = dynamic_cast<const TSquareAccessible*>(child);
    return square && square->C <= N() && square->R <= N() ? (square->R - 1) * N() + square->C - 1 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    const TBoardHit hit = HitTest(Access.Form.Board->Layout(), at.x(), at.y());
    if (hit.c < 1 || hit.r < 1) return nullptr;
    QAccessibleInterface* square = Square(hit.c, hit.r);
    return square && hit.Cell && hit.q <= N() &&
                   !Access.Form.Session->Game().Puzzle.Square(hit.c, hit.r).IsSolved()
               ? square->child(hit.q - 1)
               : square;
  }
  QAccessibleInterface* focusChild() const override { return Access.CursorTarget(TKeyPane::Board); }
  // The table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return Square(column + 1, row + 1); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    return QCoreApplication::translate("Accessibility", "Column %1").arg(column + 1);
  }
  QString rowDescription(int row) const override { return Access.RowName(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return N(); }
  int rowCount() const override { return N(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TAccessibility& Access;
  mutable std::array<QAccessible::Id, MaxBoardSize * MaxBoardSize> Squares{};
};

}  // namespace

namespace {

QAccessibleInterface* TCellAccessible::parent() const {
  if (!Box) return nullptr;
  auto* board = dynamic_cast<TBoardAccessible*>(QAccessible::queryAccessibleInterface(Box.data()));
  return board ? board->Square(C, R) : nullptr;
}

QAccessible::State TCellAccessible::state() const {
  QAccessible::State s;
  s.focusable = true;
  s.focused = Access.CursorOn(C, R, Q);
  return s;
}

QAccessible::State TSquareAccessible::state() const {
  QAccessible::State s;
  s.focusable = true;
  s.focused = Access.CursorOn(C, R, 0);
  return s;
}

// A clue: its sentence, and whether it is hidden.
class TClueAccessible : public TDrawnAccessible {
 public:
  TClueAccessible(TAccessibility& access, QWidget* box, bool vertical, int index)
      : TDrawnAccessible(access, box), Vertical(vertical), Index(index) {}
  const TClue* Clue() const {
    const TPuzzle& puzzle = Access.Form.Session->Game().Puzzle;
    const TClueList& clues = Vertical ? puzzle.VerticalClues : puzzle.HorizontalClues;
    return Index < int(clues.size()) ? &clues[std::size_t(Index)] : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    const TClue* clue = Clue();
    if (!clue) return {};
    if (t == QAccessible::Name) return Access.ClueText(*clue);
    if (t == QAccessible::Description)
      return QCoreApplication::translate("Accessibility", "Space hides the clue or shows it again.");
    return {};
  }
  QRect rect() const override {
    if (!Box) return {};
    const int n = int((Vertical ? Access.Form.Session->Game().Puzzle.VerticalClues
                                : Access.Form.Session->Game().Puzzle.HorizontalClues)
                          .size());
    if (Vertical) {
      const int s = VerticalTileSize(Box->width(), Box->height(), n);
      return Global(QRect(VerticalClueLeft(Index, s), 10, s, 3 * s));
    }
    const int s = Access.Form.Horizontal->TileSize();
    return Global(QRect(HorizontalClueLeft(Index, s), HorizontalClueTop(Index, s), 3 * s, s));
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = Access.CursorOnClue(Vertical, Index);
    return s;
  }
  const bool Vertical;
  const int Index;
};

// A clue panel: the list of its clues.
class TClueListAccessible : public TWordsAccessible {
 public:
  TClueListAccessible(TAccessibility& access, QWidget* box, bool vertical)
      : TWordsAccessible(
            box, QAccessible::List,
            [vertical, &access] {
              // The vertical panel shows the congratulations in place of the clues.
              if (vertical && access.Form.Session->Game().Finished())
                return QCoreApplication::translate("Accessibility", "Congratulations! The puzzle is solved.");
              return vertical ? QCoreApplication::translate("Accessibility", "Clues about columns")
                              : QCoreApplication::translate("Accessibility", "Clues about order");
            },
            [&access] {
              if (access.Form.Session->Game().Paused()) return access.PausedText();
              return QCoreApplication::translate(
                  "Accessibility",
                  "The arrow keys move between the clues, Space hides or shows one, the context menu key "
                  "shows them all.");
            }),
        Access(access),
        Vertical(vertical) {}
  ~TClueListAccessible() override {
    for (const QAccessible::Id id : Items) QAccessible::deleteAccessibleInterface(id);
  }
  const TClueList& Clues() const {
    const TPuzzle& puzzle = Access.Form.Session->Game().Puzzle;
    return Vertical ? puzzle.VerticalClues : puzzle.HorizontalClues;
  }
  int childCount() const override {
    const TGameController& game = Access.Form.Session->Game();
    return game.BoardReady() && !game.Paused() ? int(Clues().size()) : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (Items.size() <= index)
      Items.append(QAccessible::registerAccessibleInterface(
          new TClueAccessible(Access, widget(), Vertical, int(Items.size()))));
    return QAccessible::accessibleInterface(Items[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* clue = dynamic_cast<const TClueAccessible*>(child);
    return clue && clue->Vertical == Vertical && clue->Index < childCount() ? clue->Index : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    const int n = childCount();
    return child(Vertical ? VerticalClueAt(widget()->width(), widget()->height(), n, at.x(), at.y())
                          : HorizontalClueAt(widget()->width(), widget()->height(), n, at.x(), at.y()));
  }
  QAccessibleInterface* focusChild() const override {
    return Access.CursorTarget(Vertical ? TKeyPane::Vertical : TKeyPane::Horizontal);
  }

 private:
  TAccessibility& Access;
  const bool Vertical;
  mutable QList<QAccessible::Id> Items;
};

}  // namespace

// --- the words ---------------------------------------------------------------------

QString TAccessibility::TileName(int row, int tile) const {
  const QString name =
      Form.Board->Images() ? Form.Board->Images()->Name(TilePicture(row, tile) - 1) : QString();
  if (name.isEmpty()) return QCoreApplication::translate("Accessibility", "Tile %1").arg(tile);
  return QCoreApplication::translate("Tiles", name.toUtf8().constData());
}

QString TAccessibility::RowName(int row) const {
  const QString name = Form.Board->Images() ? Form.Board->Images()->RowName(row) : QString();
  if (name.isEmpty()) return QCoreApplication::translate("Accessibility", "Row %1").arg(row);
  return QCoreApplication::translate("Tiles", name.toUtf8().constData());
}

QString TAccessibility::SquareText(int c, int r) const {
  const TSquare& square = Form.Session->Game().Puzzle.Square(c, r);
  // "Column 3, Animals: Dog": a solved square says its tile, the others the
  // tiles still possible.
  if (square.IsSolved())
    return QCoreApplication::translate("Accessibility", "Column %1, %2: %3")
        .arg(QString::number(c), RowName(r), TileName(r, square.localindex()));
  QStringList names;
  for (int t = 1; t <= Form.Session->Game().N(); ++t)
    if (square.HasCandidate(t)) names.append(TileName(r, t));
  return QCoreApplication::translate("Accessibility", "Column %1, %2: %3")
      .arg(QString::number(c), RowName(r), Alternatives(names));
}

QString TAccessibility::PlacedText(int c, int r) const {
  return QCoreApplication::translate("Accessibility", "Column %1, %2: %3, placed")
      .arg(QString::number(c), RowName(r),
           TileName(r, Form.Session->Game().Puzzle.Square(c, r).localindex()));
}

QString TAccessibility::PausedText() const {
  // The words the paused board shows.
  return QCoreApplication::translate("TMainForm", "Your game is PAUSED");
}

QString TAccessibility::CellText(int c, int r, int q) const {
  const TSquare& square = Form.Session->Game().Puzzle.Square(c, r);
  const char* text = square.IsSolved() && square.localindex() == q
                         ? QT_TRANSLATE_NOOP("Accessibility", "Column %1, %2: %3, placed")
                     : square.IsSolved() || !square.HasCandidate(q)
                         ? QT_TRANSLATE_NOOP("Accessibility", "Column %1, %2: %3, removed")
                         : QT_TRANSLATE_NOOP("Accessibility", "Column %1, %2: %3, possible");
  return Tr(text).arg(QString::number(c), RowName(r), TileName(r, q));
}

QString TAccessibility::ClueSentence(const TClue& clue, bool step) const {
  // The hint pane's sentences with the tiles' names for their pictures;
  // kinds the pane does not describe get sentences of their own.
  const TClueKind* kind = ClueKindOf(clue.type());
  if (!kind) return {};
  QString text;
  if (const char* hint = step ? kind->StepHint : kind->Hint) {
    text = QCoreApplication::translate(HintContext, hint);
  } else {
    switch (clue.type()) {
      case TClueType::clAdjacent:
        text = QCoreApplication::translate("Accessibility", "The %1 is directly next to the %2");
        break;
      case TClueType::clTwoAdjacentExclude:
        text = QCoreApplication::translate(
            "Accessibility", "The %1 and the %2 have one column between them, and the %3 is not in it");
        break;
      case TClueType::clNotInSameColumn:
        text = QCoreApplication::translate("Accessibility", "The %1 and the %2 are not in the same column");
        break;
      case TClueType::clTwoAdjacent:  // these have the hint pane's sentences
      case TClueType::clSameColumn:
      case TClueType::clNotAdjacent:
      case TClueType::clTwoInSameColumn:
      case TClueType::clLeftOf:
        return {};
    }
  }
  QStringList names;
  for (int k = 1; k <= kind->Tiles; ++k) {
    const TBoardPos p = clue.Tile(k);
    names.append(TileName(p.r, Form.Session->Game().Puzzle.Square(p.c, p.r).localindex()));
  }
  return Fill(text, names);
}

QString TAccessibility::ClueText(const TClue& clue) const {
  const QString sentence = ClueSentence(clue, false);
  return clue.shown() ? sentence : QCoreApplication::translate("Accessibility", "%1 (hidden)").arg(sentence);
}

QString TAccessibility::StepText(const TDeductionStep& step) const {
  QString text;
  if (step.Rule == TDeductionStep::TRule::TwoPlaces)  // the arrows point at no square: the row is said
    text =
        QCoreApplication::translate("Accessibility", "%1 (%2)")
            .arg(QCoreApplication::translate(TwoPlacesHint.Context, TwoPlacesHint.Source), RowName(step.Row));
  else if (step.Clue)
    text = ClueSentence(*step.Clue, true);
  if (const TMessage closing = StepMessage(step); !closing.empty()) {
    const int tile = step.RemovedTile ? step.RemovedTile : step.PlacedTile;
    text += FillTemplate(
        QCoreApplication::translate(closing.Text.Context, closing.Text.Source),
        QStringList{TileName(step.Square.r, tile)} + SquareWords(closing, RowName(step.Square.r)));
  }
  if (step.ChangedSquare)
    text = QCoreApplication::translate("Accessibility", "%1. %2")
               .arg(text, SquareText(step.Square.c, step.Square.r));
  return text;
}

QString TAccessibility::HintPaneText() const {
  QStringList words;
  for (const THintPiece& piece : Form.Hints->Pieces()) {
    if (!piece.IsPicture) {
      words.append(piece.Text.trimmed());
    } else if (piece.Picture >= 0) {
      const int row = piece.Picture / MaxBoardSize + 1, tile = piece.Picture % MaxBoardSize + 1;
      words.append(TileName(row, tile));
    }
  }
  words.removeAll(QString());
  return words.join(u' ');
}

// --- the interfaces and names -------------------------------------------------------

// Gives object the interface maker makes, also when one was made for it
// before (widgets ask for theirs while they are built).
void TAccessibility::Provide(QObject* object, const TMaker& maker) {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
  Makers().insert(object, maker);
  QObject::connect(object, &QObject::destroyed, [object] { Makers().remove(object); });
  Forget(object);
  Provided.append(object);
}

TAccessibility::~TAccessibility() {
  for (const QPointer<QObject>& object : Provided) {
    if (!object) continue;
    Makers().remove(object.data());
    Forget(object.data());
  }
  ForgetReaderNotices();
}

void TAccessibility::Install(const TKeyCursor& cursor) {
  Form.Cursor = &cursor;
  const TAccessibleWindow& f = Form;
  TMainFormControls& c = *f.Controls;
  Provide(f.Board, [this](QObject* o) { return new TBoardAccessible(*this, static_cast<QWidget*>(o)); });
  Provide(f.Horizontal->Clues(),
          [this](QObject* o) { return new TClueListAccessible(*this, static_cast<QWidget*>(o), false); });
  Provide(f.Vertical->Clues(),
          [this](QObject* o) { return new TClueListAccessible(*this, static_cast<QWidget*>(o), true); });
  Provide(f.Hints, [this](QObject* o) {
    return new TWordsAccessible(
        static_cast<QWidget*>(o), QAccessible::StatusBar, [this] { return HintPaneText(); },
        [] {
          return QCoreApplication::translate("Accessibility",
                                             "The hint: what the clue or the step under the cursor says.");
        });
  });
  // The information bar's labels say what they show, and what a click does.
  const auto label = [this](TClickLabel* lbl, const char* meaning) {
    Provide(lbl, [meaning](QObject* o) {
      auto* w = static_cast<TClickLabel*>(o);
      return new TWordsAccessible(w, QAccessible::StaticText,
                                  [w, meaning] { return Tr(meaning).arg(w->text()); });
    });
  };
  label(f.Info->Player(), QT_TRANSLATE_NOOP("Accessibility", "Player: %1"));
  label(f.Info->Puzzle(), "%1");  // "Puzzle No. 17" says it
  label(f.Info->Progress(), QT_TRANSLATE_NOOP("Accessibility", "Progress: %1"));
  label(f.Info->Time(), "%1");  // "Time: 0:01:05" or "Untimed"
  f.Info->Player()->setAccessibleDescription(
      QCoreApplication::translate("Accessibility", "Click to switch to another player"));
  f.Info->Puzzle()->setAccessibleDescription(
      QCoreApplication::translate("Accessibility", "Click to go to another puzzle"));
  f.Info->Progress()->setAccessibleDescription(
      QCoreApplication::translate("Accessibility", "How many squares are solved"));
  f.Info->Time()->setAccessibleDescription(
      QCoreApplication::translate("Accessibility", "The game time; click to pause or go on"));
  c.ComboBox1->setAccessibleName(QCoreApplication::translate("Accessibility", "Board size"));
  c.ComboBox1->setAccessibleDescription(
      QCoreApplication::translate("Accessibility", "The size of the board and how hard the puzzles are"));
  f.Horizontal->Zoom()->setAccessibleName(QCoreApplication::translate("Accessibility", "Clue zoom"));
  f.Board->TileZoom()->setAccessibleName(QCoreApplication::translate("Accessibility", "Tile zoom"));
  f.Board->Message()->setAccessibleName(QCoreApplication::translate("Accessibility", "Message"));
  for (TArrowLine* arrow : {f.Board->Arrow(), f.Horizontal->Arrow(), f.Vertical->Arrow()})
    arrow->setAccessibleName(QCoreApplication::translate("Accessibility", "Hint arrow"));
  // The toolbar's size list takes no focus; the keys open it from the Puzzle
  // menu or with Ctrl+B.
  auto* sizes = new QAction(QCoreApplication::translate("Accessibility", "Board &Size ..."), f.Window);
  sizes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  QObject::connect(sizes, &QAction::triggered, c.ComboBox1, [&c] { c.ComboBox1->showPopup(); });
  f.Window->addAction(sizes);
  for (QObject* holder : c.New1->associatedObjects()) {
    auto* menu = qobject_cast<QMenu*>(holder);
    if (!menu) continue;
    QAction* before = nullptr;
    for (QAction* item : menu->actions())
      if (item->isSeparator()) {
        before = item;
        break;
      }
    menu->insertAction(before, sizes);
  }
  c.RzToolbar1->setAccessibleName(QCoreApplication::translate("Accessibility", "Toolbar"));
  // The toolbar's grooves and the panels' dividers are separators: their role
  // says what they are, and readers pass over them.
  const auto separator = [this](QWidget* w, const std::function<QString()>& description) {
    Provide(w, [description](QObject* o) {
      return new TWordsAccessible(static_cast<QWidget*>(o), QAccessible::Separator, {}, description);
    });
  };
  for (QFrame* groove : c.RzToolbar1->findChildren<QFrame*>())
    if (groove->frameShape() == QFrame::VLine) separator(groove, {});
  for (QSplitter* splitter : {c.MainSplitter, c.BoardSplitter})
    for (int i = 0; i < splitter->count(); ++i)
      separator(splitter->handle(i), [] {
        return QCoreApplication::translate("Accessibility", "Divider: dragged, it sizes the panels");
      });
  f.Info->setAccessibleName(QCoreApplication::translate("Accessibility", "Information bar"));
  PuzzleChanged(TPuzzleChange::Proved);  // no announcement, only the board as it is
}

bool TAccessibility::CursorOnBoardSquare(int c, int r) const {
  const TKeyCursor& k = *Form.Cursor;
  return k.Active && k.Pane == TKeyPane::Board && k.c == c && k.r == r;
}

bool TAccessibility::CursorOn(int c, int r, int q) const {
  if (!CursorOnBoardSquare(c, r) || !Form.Board->hasFocus() || Form.Session->Game().Paused()) return false;
  const TKeyCursor& k = *Form.Cursor;
  const bool solved = Form.Session->Game().Puzzle.Square(c, r).IsSolved();
  return q == 0 ? solved : !solved && k.q == q;
}

bool TAccessibility::CursorOnClue(bool vertical, int index) const {
  const TKeyCursor& k = *Form.Cursor;
  const TKeyPane pane = vertical ? TKeyPane::Vertical : TKeyPane::Horizontal;
  return k.Active && k.Pane == pane && (vertical ? k.Vertical : k.Horizontal) == index &&
         (vertical ? Form.Vertical : Form.Horizontal)->Clues()->hasFocus() && !Form.Session->Game().Paused();
}

QAccessibleInterface* TAccessibility::CursorTarget(TKeyPane pane) const {
  const TKeyCursor& k = *Form.Cursor;
  TPaintBox* box = pane == TKeyPane::Board        ? Form.Board
                   : pane == TKeyPane::Horizontal ? Form.Horizontal->Clues()
                                                  : Form.Vertical->Clues();
  const TGameController& game = Form.Session->Game();
  if (!k.Active || k.Pane != pane || !box->hasFocus() || !game.BoardReady() || game.Paused()) return nullptr;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
  if (!iface) return nullptr;
  if (pane != TKeyPane::Board) return iface->child(pane == TKeyPane::Vertical ? k.Vertical : k.Horizontal);
  auto* table = dynamic_cast<TBoardAccessible*>(iface);
  QAccessibleInterface* square = table ? table->Square(k.c, k.r) : nullptr;
  if (!square || Form.Session->Game().Puzzle.Square(k.c, k.r).IsSolved()) return square;
  return square->child(k.q - 1);
}

void TAccessibility::FollowCursor() {
  if (!QAccessible::isActive()) return;
  const TKeyCursor& k = *Form.Cursor;
  QAccessibleInterface* target = CursorTarget(k.Pane);
  if (!target) {
    FocusKey.clear();
    return;
  }
  const QString key =
      QStringLiteral("%1 %2 %3 %4 %5 %6")
          .arg(int(k.Pane))
          .arg(k.c)
          .arg(k.r)
          .arg(k.Pane == TKeyPane::Board ? (target->role() == QAccessible::Cell ? 0 : k.q) : 0)
          .arg(k.Pane == TKeyPane::Horizontal ? k.Horizontal : -1)
          .arg(k.Pane == TKeyPane::Vertical ? k.Vertical : -1);
  const QString name = target->text(QAccessible::Name);
  if (key != FocusKey)
    Send(target, QAccessible::Focus);
  else if (name != FocusName)
    Send(target, QAccessible::NameChanged);
  FocusKey = key;
  FocusName = name;
}

// --- what the session reported -------------------------------------------------------

void TAccessibility::PuzzleChanged(TPuzzleChange change) {
  if (change == TPuzzleChange::New)
    Announce(QCoreApplication::translate("Accessibility", "%1, board %2")
                 .arg(Form.Info->Puzzle()->text(), Form.Controls->ComboBox1->currentText()));
  else if (change == TPuzzleChange::Restarted)
    Announce(QCoreApplication::translate("Accessibility", "The puzzle starts again."));
  Reordered();
}

void TAccessibility::Reordered() {
  FocusKey.clear();
  if (!QAccessible::isActive()) return;
  for (TPaintBox* box :
       {static_cast<TPaintBox*>(Form.Board), Form.Horizontal->Clues(), Form.Vertical->Clues()}) {
    QAccessibleEvent event(box, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
}

void TAccessibility::SquareChanged(const TSquareChange& change) {
  const int c = change.Square.c, r = change.Square.r;
  const bool keys = CursorOnBoardSquare(c, r);
  // The square the keys pressed says so itself, as the focus.
  if (change.JustSolved && !keys) Announce(PlacedText(c, r));
  const QString tile = TileName(r, change.PressedTile);
  switch (change.Press) {
    case TPressResult::Placed:
      // The announcements of the squares that followed would cut short the
      // focus saying this one.
      if (keys && !Pending.isEmpty()) AnnounceFirst(PlacedText(c, r));
      break;
    case TPressResult::Removed:
      Announce(QCoreApplication::translate("Accessibility", "%1 removed").arg(tile));
      break;
    case TPressResult::RemovedAndSolved: {
      const QString removed = QCoreApplication::translate("Accessibility", "%1 removed").arg(tile);
      AnnounceFirst(
          keys ? QCoreApplication::translate("Accessibility", "%1. %2").arg(removed, PlacedText(c, r))
               : removed);
      break;
    }
    case TPressResult::Restored:
      Announce(QCoreApplication::translate("Accessibility", "%1 possible again").arg(tile));
      break;
    case TPressResult::RedrawOnly:
      Announce(QCoreApplication::translate("Accessibility", "%1 is placed in another column").arg(tile));
      break;
    case TPressResult::Ignored:
    case TPressResult::MisClick:  // its message is said
      break;
  }
}

void TAccessibility::ClueChanged(const TClueChange& change) {
  if (change.Index < 0)
    Announce(QCoreApplication::translate("Accessibility", "Every clue is shown."));
  else
    Announce(change.Shown ? QCoreApplication::translate("Accessibility", "Clue shown")
                          : QCoreApplication::translate("Accessibility", "Clue hidden"));
}

void TAccessibility::StateChanged(TStateChange change) {
  if (change == TStateChange::Completed)
    Announce(Form.Session->Prefs().TimerOn
                 ? QCoreApplication::translate("Accessibility", "Congratulations! The puzzle is solved. %1")
                       .arg(Form.Info->Time()->text())
                 : QCoreApplication::translate("Accessibility", "Congratulations! The puzzle is solved."));
}

void TAccessibility::PhaseChanged(const TPhaseChange& change) {
  // The player's own pause; a window open over the game pauses it too, and
  // says so itself.
  const bool paused = change.Cause == TPauseCause::Player;
  if (paused != PlayerPaused)
    Announce(paused ? PauseNotice() : QCoreApplication::translate("Accessibility", "The game goes on."));
  PlayerPaused = paused;
  // The paused board and clues hide their squares and sentences.
  const bool hidden = change.Cause != TPauseCause::None;
  if (hidden != WasPaused) {
    WasPaused = hidden;
    Reordered();
  }
}

QString TAccessibility::PauseNotice() const {
  return QCoreApplication::translate("Accessibility", "The game is paused. Press P to go on.");
}

void TAccessibility::MisClick(const QString& text) {
  Announce(text);
}

void TAccessibility::StepExplained(const TDeductionStep& step) {
  Announce(StepText(step));
}

void TAccessibility::Announce(const QString& text) {
  if (!QAccessible::isActive() || text.isEmpty()) return;
  if (Pending.isEmpty()) QTimer::singleShot(0, Form.Board, [this] { SendAnnouncements(); });
  Pending.append(text);
}

void TAccessibility::AnnounceFirst(const QString& text) {
  Announce(text);
  if (!Pending.isEmpty()) Pending.move(Pending.size() - 1, 0);
}

void TAccessibility::SendAnnouncements() {
  if (Pending.isEmpty()) return;
  const QString text = Pending.join(u' ');
  Pending.clear();
  AnnounceToReaders(Form.Window, text);
}

// --- the penalties and the clock ---------------------------------------------------

void TAccessibility::NotePenalty(int seconds, bool clue) {
  if (seconds <= 0) return;
  LastPenalty = seconds;
  LastPenaltyForClue = clue;
  // Said after the mis-click's message or the clue's step, in one breath.
  if (Form.Session->Prefs().TimerOn)
    Announce(QCoreApplication::translate("Accessibility", "%n second(s) added to the time.", "", seconds));
}

QString TAccessibility::TimeAndProgress() const {
  const int seconds = LastPenalty;  // a plain name: lupdate skips a member as the count
  QString text;
  if (seconds <= 0 || !Form.Session->Prefs().TimerOn)
    //: The clock ("Time: 0:01:05" or "Untimed") and the board's progress
    text = QCoreApplication::translate("Accessibility", "%1. Progress: %2.");
  else if (LastPenaltyForClue)
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a clue.", "", seconds);
  else
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a mis-click.", "", seconds);
  const TGameController& game = Form.Session->Game();
  text = text.arg(TimeText(game.Clock.ElapsedSeconds, Form.Session->Prefs().TimerOn),
                  ProgressText(game.Puzzle.SolvedCount, game.N()));
  return text;
}
