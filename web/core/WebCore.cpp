// The page's bridge to the game core: the same controller, rules and stored
// formats as the desktop, driven through plain C functions that take numbers
// and give JSON, so the page never restates a rule. Every command returns the
// events it caused; qm_state gives the whole game for drawing. Texts leave
// here as templates with their context, for the page to translate from the
// desktop's own translation files.

#include "ClueText.h"
#include "GameController.h"
#include "Json.h"
#include "KeyCursor.h"
#include "PuzzleTool.h"
#include "SavedGameFormat.h"
#include "ScoreLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define QM_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define QM_EXPORT extern "C"
#endif

namespace {

const char* PhaseName(TPhase phase) {
  switch (phase) {
    case TPhase::SettingUp:
      return "settingUp";
    case TPhase::Playing:
      return "playing";
    case TPhase::Paused:
      return "paused";
    case TPhase::Finished:
      return "finished";
    case TPhase::FinishedPaused:
      return "finishedPaused";
  }
  return "";
}

const char* PressName(TPressResult press) {
  switch (press) {
    case TPressResult::Ignored:
      return "ignored";
    case TPressResult::Placed:
      return "placed";
    case TPressResult::MisClick:
      return "misClick";
    case TPressResult::Removed:
      return "removed";
    case TPressResult::RemovedAndSolved:
      return "removedAndSolved";
    case TPressResult::Restored:
      return "restored";
    case TPressResult::RedrawOnly:
      return "redrawOnly";
  }
  return "";
}

const char* SoundName(TGameSound sound) {
  switch (sound) {
    case TGameSound::Click:
      return "click";
    case TGameSound::Pop:
      return "pop";
    case TGameSound::Error:
      return "error";
    case TGameSound::Complete:
      return "complete";
  }
  return "";
}

const char* PenaltyName(TPenalty what) {
  switch (what) {
    case TPenalty::None:
      return "none";
    case TPenalty::MisClick:
      return "misClick";
    case TPenalty::Clue:
      return "clue";
  }
  return "";
}

const char* ChangeName(TPuzzleChange how) {
  switch (how) {
    case TPuzzleChange::New:
      return "new";
    case TPuzzleChange::Restarted:
      return "restarted";
    case TPuzzleChange::Proved:
      return "proved";
    case TPuzzleChange::Loaded:
      return "loaded";
  }
  return "";
}

void AppendFinish(std::string& out, const TFinish& f) {
  json::Field(out, "number", f.Number);
  json::Field(out, "size", f.Size);
  json::Field(out, "time", f.Time);
  json::Field(out, "errors", f.Errors);
  json::Field(out, "clues", f.Clues);
  json::Field(out, "difficulty", f.Difficulty);
  json::Field(out, "score", static_cast<int>(ScoreFor(f.Size, f.Time, f.Errors, f.Clues)));
}

void AppendStep(std::string& out, const TDeductionStep& step) {
  json::Field(out, "rule",
              step.Rule == TDeductionStep::TRule::Clue        ? "clue"
              : step.Rule == TDeductionStep::TRule::TwoPlaces ? "twoPlaces"
                                                              : "none");
  json::Field(out, "vertical", step.IsVertical());
  json::Field(out, "index", step.Index);
  json::Field(out, "changedSquare", step.ChangedSquare);
  json::Key(out, "square");
  out += "[" + std::to_string(step.Square.c) + "," + std::to_string(step.Square.r) + "]";
  json::Field(out, "removedTile", step.RemovedTile);
  json::Field(out, "placedTile", step.PlacedTile);
  json::Field(out, "row", step.Row);
}

std::string EventJson(const TGameEvent& event) {
  std::string out = "{";
  std::visit(
      [&out](const auto& e) {
        using T = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<T, TSquareChange>) {
          json::Field(out, "type", "square");
          json::Field(out, "c", e.Square.c);
          json::Field(out, "r", e.Square.r);
          json::Field(out, "candidates", static_cast<int>(e.Candidates));
          json::Field(out, "solved", e.Solved);
          json::Field(out, "tile", e.Tile);
          json::Field(out, "removed", static_cast<int>(e.Removed));
          json::Field(out, "restored", static_cast<int>(e.Restored));
          json::Field(out, "justSolved", e.JustSolved);
          json::Field(out, "press", PressName(e.Press));
          json::Field(out, "pressedTile", e.PressedTile);
        } else if constexpr (std::is_same_v<T, TClueChange>) {
          json::Field(out, "type", "clue");
          json::Field(out, "vertical", e.Vertical);
          json::Field(out, "index", e.Index);
          json::Field(out, "shown", e.Shown);
        } else if constexpr (std::is_same_v<T, TPhaseChange>) {
          json::Field(out, "type", "phase");
          json::Field(out, "phase", PhaseName(e.Phase));
          json::Field(out, "cause",
                      e.Cause == TPauseCause::Player   ? "player"
                      : e.Cause == TPauseCause::Window ? "window"
                                                       : "none");
        } else if constexpr (std::is_same_v<T, TClockChange>) {
          json::Field(out, "type", "clock");
          json::Field(out, "seconds", e.Seconds);
          json::Field(out, "penalty", e.Penalty);
          json::Field(out, "for", PenaltyName(e.For));
        } else if constexpr (std::is_same_v<T, TStepTaken>) {
          json::Field(out, "type", "step");
          AppendStep(out, e.Step);
          json::Key(out, "squares");
          out += '[';
          for (const TBoardPos& p : e.Squares) {
            json::Next(out);
            out += "[" + std::to_string(p.c) + "," + std::to_string(p.r) + "]";
          }
          out += ']';
        } else if constexpr (std::is_same_v<T, TGameMessage>) {
          json::Field(out, "type", "message");
          json::Field(out, "kind", e.Kind == TMessageKind::WrongChoice ? "wrongChoice" : "noFurtherStep");
          json::Field(out, "c", e.Move.c);
          json::Field(out, "r", e.Move.r);
          json::Field(out, "q", e.Move.q);
        } else if constexpr (std::is_same_v<T, TSoundEvent>) {
          json::Field(out, "type", "sound");
          json::Field(out, "sound", SoundName(e.Sound));
        } else if constexpr (std::is_same_v<T, TPuzzleReplaced>) {
          json::Field(out, "type", "puzzle");
          json::Field(out, "how", ChangeName(e.How));
        } else if constexpr (std::is_same_v<T, TCompleted>) {
          json::Field(out, "type", "completed");
          AppendFinish(out, e.Finish);
        }
      },
      event);
  out += '}';
  return out;
}

// A template of the stored formats' readers with its values, for the page
// to translate as the desktop does.
void AppendFormatMessage(std::string& out, const TFormatMessage& m) {
  out += '{';
  json::Field(out, "context", m.Context);
  json::Field(out, "source", m.Source);
  if (m.Count) json::Field(out, "count", *m.Count);
  json::Key(out, "args");
  out += '[';
  for (const TFormatArg& arg : m.Args) {
    json::Next(out);
    if (arg.IsMessage())
      AppendFormatMessage(out, arg.Message.front());
    else if (arg.IsNumber)
      out += std::to_string(arg.Number);
    else
      json::Text(out, arg.Text);
  }
  out += "]}";
}

// One piece of a hint: a template, its pictures (numbers from 1, 0 for
// none) and, for a closing part, the square it names.
void AppendMessage(std::string& out, const TMessageText& text, const std::vector<int>& pictures,
                   TBoardPos square, bool closing) {
  json::Next(out);
  out += '{';
  json::Field(out, "context", text.Context);
  json::Field(out, "source", text.Source);
  json::Key(out, "pictures");
  json::Ints(out, pictures);
  json::Field(out, "closing", closing);
  json::Field(out, "c", square.c);
  json::Field(out, "r", square.r);
  out += '}';
}

struct TCore {
  TStats Stats;
  TGameController Game{Stats};
  TKeyCursor Cursor;
  std::string Events = "[";  // the events since the last reply, as a JSON array
  std::string Reply;         // what the last call returned; valid until the next one

  TCore() {
    Game.Sink = [this](const TGameEvent& event) {
      json::Next(Events);
      Events += EventJson(event);
    };
  }

  // The reply of a command: the events it caused, and more fields if given.
  const char* Done(const std::string& extra = {}) {
    Reply = "{\"events\":" + Events + "]" + (extra.empty() ? "" : "," + extra) + "}";
    Events = "[";
    return Reply.c_str();
  }
};

TCore& Core() {
  static TCore core;
  return core;
}

const TClueList& List(bool vertical) {
  const TPuzzle& p = Core().Game.Puzzle;
  return vertical ? p.VerticalClues : p.HorizontalClues;
}

void AppendClues(std::string& out, const TClueList& clues) {
  out += '[';
  for (const TClue& clue : clues) {
    json::Next(out);
    out += '{';
    json::Field(out, "kind", ClueTypeName(clue.type()));
    json::Field(out, "shown", clue.shown());
    json::Key(out, "tiles");
    out += '[';
    // Each tile as [row, tile, picture] of the square the solution puts it in.
    for (int k = 1; k <= clue.TileCount(); ++k) {
      const TBoardPos at = clue.Tile(k);
      const TSquare& sq = Core().Game.Puzzle.Square(at.c, at.r);
      json::Next(out);
      out += "[" + std::to_string(at.r) + "," + std::to_string(sq.localindex()) + "," +
             std::to_string(sq.imageindex()) + "]";
    }
    out += "]}";
  }
  out += ']';
}

}  // namespace

// --- the game ------------------------------------------------------------------

QM_EXPORT const char* qm_setup(int size, int number, int difficulty) {
  Core().Game.SetUp(size, number, difficulty);
  KeepBoardCursorOnBoard(Core().Game.Puzzle, Core().Cursor);
  return Core().Done();
}

QM_EXPORT const char* qm_restart() {
  Core().Game.Restart();
  return Core().Done();
}

QM_EXPORT const char* qm_set_difficulty(int difficulty) {
  Core().Game.SetDifficulty(difficulty);
  return Core().Done();
}

QM_EXPORT const char* qm_set_timed(int on) {
  Core().Game.SetTimed(on != 0);
  return Core().Done();
}

QM_EXPORT const char* qm_pause(int on) {
  Core().Game.SetPaused(on != 0);
  return Core().Done();
}

// A window of the page stands over the game (on != 0) or has gone: the game
// pauses under it like under a desktop dialog, and plays on after it unless
// the player paused.
QM_EXPORT const char* qm_window(int on) {
  static std::unique_ptr<TGameController::TPauseGuard> guard;
  if (on && !guard)
    guard = std::make_unique<TGameController::TPauseGuard>(Core().Game);
  else if (!on)
    guard.reset();
  return Core().Done();
}

QM_EXPORT const char* qm_press(int c, int r, int q, int right) {
  const TPress press = Core().Game.Press({c, r, q, right ? TButton::Right : TButton::Left});
  std::string extra;
  json::Field(extra, "result", PressName(press.Result));
  json::Field(extra, "penalty", press.Penalty);
  return Core().Done(extra);
}

QM_EXPORT const char* qm_press_beside() {
  Core().Game.PressedBesideCells();
  return Core().Done();
}

QM_EXPORT const char* qm_message_shown() {
  Core().Game.MessageShown();
  return Core().Done();
}

// Every 100 ms while the page is open; as the desktop's timer, it counts
// only while the clock runs (not paused, not finished).
QM_EXPORT const char* qm_tick() {
  const bool expired = Core().Game.Tick();
  std::string extra;
  json::Field(extra, "messageExpired", expired);
  return Core().Done(extra);
}

QM_EXPORT const char* qm_give_clue() {
  const TDeductionStep step = Core().Game.GiveClue();
  std::string extra;
  json::Field(extra, "found", step.Found());
  return Core().Done(extra);
}

QM_EXPORT const char* qm_prove() {
  Core().Game.Prove();
  return Core().Done();
}

QM_EXPORT const char* qm_toggle_clue(int vertical, int index) {
  Core().Game.ToggleClue(vertical != 0, index);
  return Core().Done();
}

QM_EXPORT const char* qm_show_all_clues(int vertical) {
  Core().Game.ShowAllClues(vertical != 0);
  return Core().Done();
}

QM_EXPORT const char* qm_outline_clue(int vertical, int index) {
  Core().Game.OutlineClue(vertical != 0, index);
  return Core().Done();
}

// The whole game as the page draws it.
QM_EXPORT const char* qm_state() {
  TCore& core = Core();
  const TGameController& g = core.Game;
  const TPuzzle& p = g.Puzzle;
  std::string& out = core.Reply;
  out = "{";
  json::Field(out, "size", g.N());
  json::Field(out, "number", g.Number());
  json::Field(out, "difficulty", g.Difficulty());
  json::Field(out, "phase", PhaseName(g.Phase()));
  json::Field(out, "playerPaused", g.PlayerPaused());
  json::Field(out, "seconds", g.Clock.ElapsedSeconds);
  json::Field(out, "misClickPenalty", g.Penalties().MisClick);
  json::Field(out, "cluePenalty", g.Penalties().Clue);
  json::Field(out, "errors", static_cast<int>(g.Stats().Errors));
  json::Field(out, "clues", static_cast<int>(g.Stats().Clues));
  json::Field(out, "solvedCount", p.SolvedCount);
  json::Field(out, "moved", g.Moved());
  json::Field(out, "mayGiveClue", g.MayGiveClue());
  int gc = 0, gr = 0;
  CandidateGrid(g.N(), gc, gr);
  json::Field(out, "gridColumns", gc);
  json::Field(out, "gridRows", gr);
  // Square (c, r) at [(r - 1) * size + c - 1]: [candidates, solved, picture].
  json::Key(out, "squares");
  out += '[';
  for (int r = 1; r <= g.N(); ++r)
    for (int c = 1; c <= g.N(); ++c) {
      const TSquare& sq = p.Square(c, r);
      json::Next(out);
      out += "[" + std::to_string(sq.remaining()) + "," + (sq.IsSolved() ? "1" : "0") + "," +
             std::to_string(sq.IsSolved() ? sq.imageindex() : 0) + "]";
    }
  out += ']';
  json::Key(out, "horizontal");
  AppendClues(out, p.HorizontalClues);
  json::Key(out, "vertical");
  AppendClues(out, p.VerticalClues);
  const auto& hints = g.Hints();
  json::Field(out, "outlinedHorizontal", hints.HighlightedHorizontal);
  json::Field(out, "outlinedVertical", hints.HighlightedVertical);
  json::Field(out, "boardArrow", hints.BoardArrowPlaced);
  json::Key(out, "lastStep");
  out += '{';
  AppendStep(out, hints.LastStep);
  out += "}}";
  return out.c_str();
}

// What the hint pane says about clue index of a panel: its sentence, or the
// note of a hidden clue. With step != 0 (the step explained last is that
// clue's, or index is -1 for the two-places rule) the closing part follows
// naming the tile and the square. Index -2: the board's own note.
QM_EXPORT const char* qm_hint(int vertical, int index, int step) {
  const TGameController& g = Core().Game;
  std::string& out = Core().Reply;
  out = "[";
  const TClueList& list = List(vertical != 0);
  const TDeductionStep& last = g.Hints().LastStep;
  const TClue* clue =
      index >= 0 && index < static_cast<int>(list.size()) ? &list[static_cast<std::size_t>(index)] : nullptr;
  if (!clue) {
    AppendMessage(out, index == -1 ? TwoPlacesHint : BoardHint, {}, {0, 0}, false);
  } else if (!clue->shown()) {
    AppendMessage(out, HiddenClueHint, {}, {0, 0}, false);
  } else {
    const TMessage sentence = HintMessage(g.Puzzle, *clue, step != 0);
    if (!sentence.empty()) AppendMessage(out, sentence.Text, sentence.Pictures, {0, 0}, false);
  }
  if (clue && step) {
    const TMessage closing = StepMessage(last);
    if (!closing.empty()) AppendMessage(out, closing.Text, closing.Pictures, closing.Square, true);
  }
  out += ']';
  return out.c_str();
}

// --- the stored formats ----------------------------------------------------------

// Memory for the page to put bytes in (a file opened, a stored record).
QM_EXPORT char* qm_alloc(int bytes) {
  return static_cast<char*>(std::malloc(static_cast<std::size_t>(bytes > 0 ? bytes : 1)));
}
QM_EXPORT void qm_free(char* bytes) {
  std::free(bytes);
}

// The game on the board in the desktop's saved-game format.
QM_EXPORT const char* qm_save() {
  const TGameController& g = Core().Game;
  TSavedGame game = SavedGameOf(g.Puzzle, g.Number(), g.Clock.ElapsedSeconds);
  game.Errors = g.Stats().Errors;
  game.Clues = g.Stats().Clues;
  Core().Reply = SavedGameText(game);
  return Core().Reply.c_str();
}

// Reads a saved game with the desktop's checks, the puzzle generated again
// to compare; only a game that passes them all replaces the one in play.
// Replies {"error": message} or the events of the game put on the board.
QM_EXPORT const char* qm_load(const char* bytes, int length) {
  TSavedGame game;
  TFormatResult read =
      ParseSavedGame(std::string_view(bytes, static_cast<std::size_t>(length > 0 ? length : 0)), game);
  if (read) read = CheckSavedPuzzle(game);
  if (!read) {
    std::string extra = "\"error\":";
    AppendFormatMessage(extra, read.Error);
    return Core().Done(extra);
  }
  TGameController& g = Core().Game;
  ApplySavedGame(game, g.Puzzle);
  g.Load(game.Number, game.Time, TStats{game.Errors.value_or(0), game.Clues.value_or(0)});
  KeepBoardCursorOnBoard(g.Puzzle, Core().Cursor);
  return Core().Done();
}

// One score line of a finished game, as the desktop's score file holds it.
QM_EXPORT const char* qm_score_line(int number, int size, const char* player, int time, int errors, int clues,
                                    int difficulty) {
  TScoreLine line{number, size,  player ? player : "", time,
                  errors, clues, difficulty,           ScoreFor(size, time, errors, clues)};
  Core().Reply.clear();
  AppendScoreLine(Core().Reply, line);
  return Core().Reply.c_str();
}

// Reads a score line back: its fields, or {"error": message}.
QM_EXPORT const char* qm_read_score_line(const char* bytes, int length) {
  TScoreLine line;
  const TFormatResult read =
      ParseScoreLine(std::string_view(bytes, static_cast<std::size_t>(length > 0 ? length : 0)), line);
  std::string& out = Core().Reply;
  out = "{";
  if (!read) {
    json::Key(out, "error");
    AppendFormatMessage(out, read.Error);
  } else {
    json::Field(out, "number", line.Number);
    json::Field(out, "size", line.Size);
    json::Field(out, "player", line.Player);
    json::Field(out, "time", line.Time);
    json::Field(out, "errors", line.Errors);
    json::Field(out, "clues", line.Clues);
    json::Field(out, "difficulty", line.Difficulty);
    json::Field(out, "score", line.Score);
  }
  out += '}';
  return out.c_str();
}

// --- puzzle numbers and addresses ------------------------------------------------

QM_EXPORT int qm_daily_number(int year, int month, int day) {
  return DailyPuzzleNumber(DailyDayOf(year, month, day));
}

// A number beyond 64 bits is still a big one (or a negative one), as the
// desktop reads it; not a number is the first puzzle.
QM_EXPORT int qm_clamp_number(double number) {
  return ClampPuzzleNumber(
      static_cast<long long>(std::isnan(number) ? 0.0 : std::clamp(number, -9e18, 9e18)));
}

// The hint pane's templates (context "Hints") for a front end that words
// hints itself, as a screen reader's sentences do: each kind's sentence,
// plain and while a step is explained (null for a kind the pane does not
// describe), and the fixed texts.
QM_EXPORT const char* qm_hint_texts() {
  std::string& out = Core().Reply;
  out = "{";
  json::Key(out, "kinds");
  out += '{';
  for (const TClueKind& kind : ClueKinds) {
    json::Key(out, kind.Name);
    out += '{';
    json::Field(out, "hint", kind.Hint);
    json::Field(out, "step", kind.StepHint);
    out += '}';
  }
  out += '}';
  json::Field(out, "twoPlaces", TwoPlacesHint.Source);
  json::Field(out, "stepRemoved", StepRemovedHint.Source);
  json::Field(out, "stepPlaced", StepPlacedHint.Source);
  out += '}';
  return out.c_str();
}

// The board sizes on offer with their labels in the size list, easiest
// first: [[4, "4 x 4 (Easiest)"], ...] (labels translated as ("BoardSizes",
// label)).
QM_EXPORT const char* qm_board_sizes() {
  std::string& out = Core().Reply;
  out = "[";
  for (const TBoardSize& size : BoardSizes) {
    json::Next(out);
    out += "[" + std::to_string(size.N) + ",";
    json::Text(out, size.Label);
    out += ']';
  }
  out += ']';
  return out.c_str();
}

// The text typed for "Go to" as the desktop reads it.
QM_EXPORT int qm_parse_number(const char* text) {
  return ParsePuzzleNumber(text ? text : "");
}

// The number the random jump goes to, as the desktop draws it.
QM_EXPORT int qm_random_number() {
  return Core().Game.RandomJumpNumber();
}

// "6:1234" read as the desktop reads a shared puzzle: {"size", "number"} or
// {"problem": "size" | "number" | "difficulty" | "form"}.
QM_EXPORT const char* qm_read_address(const char* text) {
  TPuzzleRequest request;
  const TRequestProblem problem = ParseSizeAndNumberProblem(text ? text : "", request);
  std::string& out = Core().Reply;
  out = "{";
  switch (problem) {
    case TRequestProblem::None:
      json::Field(out, "size", request.Size);
      json::Field(out, "number", static_cast<long long>(request.Number));
      break;
    case TRequestProblem::Size:
      json::Field(out, "problem", "size");
      break;
    case TRequestProblem::Number:
      json::Field(out, "problem", "number");
      break;
    case TRequestProblem::Difficulty:
      json::Field(out, "problem", "difficulty");
      break;
    case TRequestProblem::Form:
      json::Field(out, "problem", "form");
      break;
  }
  out += '}';
  return out.c_str();
}

// The puzzle tool's JSON line for a request, the same bytes as
// "quillmere-puzzle --json --steps steps" (a puzzle of its own, apart from
// the game in play).
QM_EXPORT const char* qm_puzzle_json(int size, int number, int difficulty, int steps) {
  static TPuzzle puzzle;
  const TPuzzleRequest request{size, number, difficulty};
  puzzle.SetUp(size, static_cast<std::uint32_t>(number), difficulty);
  Core().Reply = PuzzleJson(puzzle, request, steps);
  return Core().Reply.c_str();
}

// --- the keyboard cursor ---------------------------------------------------------

namespace {

TKeyPane PaneOf(int pane) {
  return pane == 1 ? TKeyPane::Horizontal : pane == 2 ? TKeyPane::Vertical : TKeyPane::Board;
}

const char* PaneName(TKeyPane pane) {
  switch (pane) {
    case TKeyPane::Horizontal:
      return "horizontal";
    case TKeyPane::Vertical:
      return "vertical";
    case TKeyPane::Board:
      break;
  }
  return "board";
}

// Where the cursor stands; moved: whether the call moved it.
const char* CursorReply(bool moved) {
  const TKeyCursor& k = Core().Cursor;
  std::string& out = Core().Reply;
  out = "{";
  json::Field(out, "moved", moved);
  json::Field(out, "active", k.Active);
  json::Field(out, "pane", PaneName(k.Pane));
  json::Field(out, "c", k.c);
  json::Field(out, "r", k.r);
  json::Field(out, "q", k.q);
  json::Field(out, "horizontal", k.Horizontal);
  json::Field(out, "vertical", k.Vertical);
  out += '}';
  return out.c_str();
}

}  // namespace

QM_EXPORT const char* qm_cursor() {
  return CursorReply(false);
}

// The keys are in use in a pane (0 the board, 1 the horizontal clues, 2 the
// vertical ones): the cursor shows there, on the board and on a clue of each
// panel.
QM_EXPORT const char* qm_cursor_show(int pane) {
  ShowKeyCursor(Core().Game.Puzzle, Core().Cursor, PaneOf(pane));
  return CursorReply(true);
}

// A press with the mouse puts the cursor away; one on a board cell (q from 1)
// leaves it on that cell for the next key.
QM_EXPORT const char* qm_cursor_mouse(int c, int r, int q) {
  Core().Cursor.Active = false;
  PutBoardCursorOn(Core().Game.Puzzle, Core().Cursor, c, r, q);
  return CursorReply(false);
}

// The arrows: square by square, or with cells != 0 cell by cell (setting up
// or loading a puzzle has put the cursor on its board).
QM_EXPORT const char* qm_cursor_step(int dx, int dy, int cells) {
  TKeyCursor& k = Core().Cursor;
  const TPuzzle& p = Core().Game.Puzzle;
  return CursorReply(cells ? StepBoardCursor(p, k, dx, dy) : StepBoardSquare(p, k, dx, dy));
}

QM_EXPORT const char* qm_cursor_move_to(int c, int r) {
  return CursorReply(MoveBoardCursorTo(Core().Game.Puzzle, Core().Cursor, c, r));
}

QM_EXPORT const char* qm_cursor_choose(int q) {
  return CursorReply(ChooseCandidate(Core().Game.Puzzle, Core().Cursor, q));
}

// On to another clue of a panel, step clues on; a step off the list stays.
QM_EXPORT const char* qm_cursor_clue(int vertical, int step) {
  return CursorReply(StepClueCursor(Core().Game.Puzzle, Core().Cursor, vertical != 0, step));
}

// The tile under the board's cursor and the clues that name it, hidden ones
// included, by index in each panel: {"row", "tile", "horizontal", "vertical"};
// row 0 when the cursor is off the board.
QM_EXPORT const char* qm_clues_naming() {
  const TPuzzle& p = Core().Game.Puzzle;
  std::string& out = Core().Reply;
  out = "{";
  if (!BoardCursorOnBoard(p, Core().Cursor)) {
    json::Field(out, "row", 0);
    out += '}';
    return out.c_str();
  }
  const TTileRef tile = CursorTile(p, Core().Cursor);
  const TCluesNaming named = CluesNamingTile(p, tile);
  json::Field(out, "row", tile.r);
  json::Field(out, "tile", tile.t);
  json::Key(out, "horizontal");
  json::Ints(out, named.Horizontal);
  json::Key(out, "vertical");
  json::Ints(out, named.Vertical);
  out += '}';
  return out.c_str();
}
