#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BoardPos.h"

// Marks an engine text for the translators' tools, which read the context and
// the text from the call; the engine itself has no translation library, so
// the text stays as it is.
#define ENGINE_TR_NOOP(context, text) text

class TClue;
class TPuzzle;
struct TDeductionStep;

// The texts the engine hands out are whole English templates with %1, %2, ...
// for their arguments, each with a context, ready for
// QCoreApplication::translate(Context, Source); a front end translates the
// template and then puts the arguments in.
struct TMessageText {
  const char* Context = nullptr;
  const char* Source = nullptr;  // nullptr: no text
};

// A hint pane message: its text and the pictures for %1, %2, ... (picture
// numbers from 1; 0 where the tile library has no picture to show). A
// message that names a square has, after its pictures, the square's column
// number, its row's name as the tile set writes it ("Animals") and the same
// in lower case ("animals"), so a translation takes the form its language
// writes mid-sentence.
struct TMessage {
  TMessageText Text;
  std::vector<int> Pictures;
  TBoardPos Square{0, 0};  // the square it names; column 0 when it names none
  bool NamesSquare() const { return Square.c != 0; }
  bool empty() const { return Text.Source == nullptr; }
};

// The context of every hint pane text.
inline constexpr char HintContext[] = "Hints";

// The fixed texts of the hint pane.
inline constexpr TMessageText TwoPlacesHint{
    HintContext,
    ENGINE_TR_NOOP("Hints", "These tiles only occur in two places - all other tiles can be removed")};
inline constexpr TMessageText BoardHint{
    HintContext, ENGINE_TR_NOOP("Hints", "Left click to select a tile, right click to remove a tile")};
// A left click on a hidden clue shows it again, in either panel (a right
// click on the horizontal panel only opens its menu).
inline constexpr TMessageText HiddenClueHint{
    HintContext, ENGINE_TR_NOOP("Hints", "This clue is hidden - left click it to show it again")};
// The closing part of a step's explanation: %1 the tile removed or placed,
// %2 the square's column, %3 and %4 its row's name (see TMessage). It follows
// the clue's sentence on the same line, hence the leading space.
inline constexpr TMessageText StepRemovedHint{
    HintContext,
    //: Follows a hint sentence on the same line, hence the leading blank. %1 is the tile's picture,
    //: %2 the column's number, %3 the row's name as written on its own (Animals), %4 the same in
    //: lower case (animals): use whichever your language writes there, or neither.
    ENGINE_TR_NOOP("Hints", " ... So this tile: %1 can be removed from column %2's %4")};
inline constexpr TMessageText StepPlacedHint{
    HintContext,
    //: Follows a hint sentence on the same line, hence the leading blank. %1 is the tile's picture,
    //: %2 the column's number, %3 the row's name as written on its own (Animals), %4 the same in
    //: lower case (animals): use whichever your language writes there, or neither.
    ENGINE_TR_NOOP("Hints", " ... So this tile: %1 belongs in column %2")};

// The hint pane's sentence for a shown clue with the pictures of its tiles;
// step is true when it explains a deduction step. Kinds the pane does not
// describe give an empty message.
TMessage HintMessage(const TPuzzle& puzzle, const TClue& clue, bool step);
// The closing part for a step that changed a square: the tile it removed from
// the square, or else the tile it placed there (picture 0 when it names
// none), and the square. Empty when the step changed no one square.
TMessage StepMessage(const TDeductionStep& step);

// A clue as the puzzle tool's sentence naming its tiles "row r tile t".
std::string DescribeClue(const TPuzzle& puzzle, const TClue& clue);

// A template cut at its placeholders: texts, and placeholders %1..%9 as
// Argument 1..9 (Argument 0 for a text). "%" before anything else is text.
struct TTemplatePart {
  int Argument = 0;
  std::string Text;
};
std::vector<TTemplatePart> SplitTemplate(std::string_view source);
// The template with each placeholder replaced by its argument (an empty text
// for a placeholder without one).
std::string FormatTemplate(std::string_view source, const std::vector<std::string>& arguments);
