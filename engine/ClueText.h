#pragma once

#include <string>
#include <vector>

#include "BoardPos.h"

class TClue;
class TPuzzle;

// A clue as a sentence naming its tiles "row r tile t".
std::string DescribeClue(const TPuzzle& puzzle, const TClue& clue);

// One piece of the hint pane's sentence: a text, or the picture of the tile
// at solution position Tile (column c, row r).
struct TSentencePiece {
  bool IsPicture = false;
  std::string Text;
  TBoardPos Tile;
};

// The hint pane's sentence for a clue, left to right; step is true when it
// explains a deduction step. Kinds the pane does not describe give no pieces.
std::vector<TSentencePiece> HintSentence(const TClue& clue, bool step);

// The fixed texts of the hint pane.
inline constexpr char TwoPlacesHintText[] =
    "These tiles only occur in two places - all other tiles can be removed";
inline constexpr char BoardHintText[] = "Left click to select a tile, right click to remove a tile";
inline constexpr char HiddenClueHintText[] = "This clue is hidden - click either button to restore it";
// The closing part of a step's explanation: lead text, picture of the removed tile, tail text.
inline constexpr char StepLeadText[] = " ... So this tile: ";
inline constexpr char StepTailText[] = " can be removed from this group";
