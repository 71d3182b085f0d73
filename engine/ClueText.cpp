// The words the tool and the hint pane use for clues.
#include "ClueText.h"

#include "Puzzle.h"

namespace {

std::string TileName(const TPuzzle& puzzle, int c, int r) {
  return "row " + std::to_string(r) + " tile " + std::to_string(puzzle.Square(c, r).localindex());
}

}  // namespace

std::string DescribeClue(const TPuzzle& puzzle, const TClue& clue) {
  auto tile = [&puzzle](int c, int r) { return TileName(puzzle, c, r); };
  switch (clue.type()) {
    case TClueType::clTwoAdjacent:
      return tile(clue.c3(), clue.c6()) + " is directly between " + tile(clue.c1(), clue.c4()) + " and " +
             tile(clue.c2(), clue.c5()) + ".";
    case TClueType::clSameColumn:
      return tile(clue.c1(), clue.c2()) + " and " + tile(clue.c1(), clue.c3()) + " are in the same column.";
    case TClueType::clAdjacent:
      return tile(clue.c1(), clue.c3()) + " is next to " + tile(clue.c2(), clue.c4()) + ".";
    case TClueType::clNotAdjacent:
      return tile(clue.c1(), clue.c3()) + " is not next to " + tile(clue.c2(), clue.c4()) + ".";
    case TClueType::clTwoInSameColumn:
      return tile(clue.c1(), clue.c2()) + ", " + tile(clue.c1(), clue.c3()) + " and " +
             tile(clue.c1(), clue.c4()) + " are in the same column.";
    case TClueType::clTwoAdjacentExclude:
      return tile(clue.c1(), clue.c4()) + " and " + tile(clue.c2(), clue.c5()) +
             " are on either side of a column, " + tile(clue.c3(), clue.c6()) + " not between them.";
    case TClueType::clLeftOf:
      return tile(clue.c1(), clue.c3()) + " is somewhere left of " + tile(clue.c2(), clue.c4()) + ".";
    case TClueType::clNotInSameColumn:
      return tile(clue.c1(), clue.c2()) + " and " + tile(clue.c1(), clue.c3()) +
             " are not in the same column.";
  }
  return "unknown clue.";
}

std::vector<TSentencePiece> HintSentence(const TClue& clue, bool step) {
  auto text = [](const char* t) { return TSentencePiece{false, t, {}}; };
  auto picture = [](int c, int r) { return TSentencePiece{true, {}, {c, r}}; };
  switch (clue.type()) {
    case TClueType::clSameColumn:
      return {text("The "), picture(clue.c1(), clue.c2()), text(" and the "), picture(clue.c1(), clue.c3()),
              text(" are both in the same column")};
    case TClueType::clTwoInSameColumn:
      return {text("The "),
              picture(clue.c1(), clue.c2()),
              text(" and the "),
              picture(clue.c1(), clue.c3()),
              text(" and the "),
              picture(clue.c1(), clue.c4()),
              text(" are all in the same column")};
    case TClueType::clTwoAdjacent: {
      std::vector<TSentencePiece> pieces{text("The "),
                                         picture(clue.c3(), clue.c6()),
                                         text(" is directly between the "),
                                         picture(clue.c1(), clue.c4()),
                                         text(" and the "),
                                         picture(clue.c2(), clue.c5())};
      // A step goes on to the tile it removed instead.
      if (!step) pieces.push_back(text(" (the outer two tiles may be swapped over)"));
      return pieces;
    }
    case TClueType::clNotAdjacent:
      return {text("The "), picture(clue.c1(), clue.c3()), text(" is not directly next to "),
              picture(clue.c2(), clue.c4())};
    case TClueType::clLeftOf:
      return {text("The "), picture(clue.c1(), clue.c3()),
              text(" is at least one column to the left of the "), picture(clue.c2(), clue.c4())};
    case TClueType::clAdjacent:
    case TClueType::clTwoAdjacentExclude:
    case TClueType::clNotInSameColumn:
      break;  // the pane stays empty
  }
  return {};
}
