// The game session played whole without a window: scripted dialogs answer
// its questions, a recorder stands in for the front end, and the records on
// disk are read back afterwards.
#include "GameTexts.h"
#include "SavedGame.h"
#include "ScriptedDialogs.h"
#include "Session.h"
#include "TestApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

namespace {

// What a front end would be told.
struct TRecorder : TSessionObserver {
  std::vector<TPuzzleChange> Puzzles;
  std::vector<TBoardPos> Squares;
  std::vector<TStateChange> States;
  QStringList Messages;
  int Steps = 0;
  int Stores = 0;
  std::vector<TGameSound> Sounds;
  void PuzzleChanged(TPuzzleChange change) override { Puzzles.push_back(change); }
  void SquareChanged(const TSquareChange& change) override { Squares.push_back(change.Square); }
  void ClueChanged(const TClueChange&) override {}
  void PhaseChanged(const TPhaseChange&) override {}
  void ClockChanged(const TClockChange&) override {}
  void StateChanged(TStateChange change) override { States.push_back(change); }
  void ShowMessage(const QString& text, const TMove&) override { Messages << text; }
  void ExplainStep(const TStepTaken&) override { ++Steps; }
  void PlaySound(TGameSound sound) override { Sounds.push_back(sound); }
  void StoringProfile() override { ++Stores; }
  int Count(TStateChange change) const { return int(std::count(States.begin(), States.end(), change)); }
};

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestCoreApp();
    QDir(Dir.path()).mkpath("Players/Saved Games");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.filePath("store"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Dir.filePath("store"));
    Start();
  }
  void Start() {
    Play = std::make_unique<TSession>(Dir.filePath("quillmere"), Dialogs, Front);
    Play->LoadScores();
    Play->LoadPlayers();
  }
  TGameController& Game() { return Play->Controller(); }
  TSquare& Sq(int c, int r) { return Game().Puzzle.Square(c, r); }
  int Number() const { return Play->Game().Number(); }
  int Wrong(int c, int r) {
    for (int t = 1; t <= Game().N(); ++t)
      if (t != Sq(c, r).localindex() && Sq(c, r).HasCandidate(t)) return t;
    return 0;
  }
  void SolveAndTick() {
    for (int r = 1; r <= Game().N(); ++r)
      for (int c = 1; c <= Game().N(); ++c)
        if (!Sq(c, r).IsSolved()) Play->Press({c, r, Sq(c, r).localindex(), TButton::Left});
    Play->Tick();
  }
  std::vector<std::uint16_t> Board() {
    std::vector<std::uint16_t> board;
    for (int r = 1; r <= Game().N(); ++r)
      for (int c = 1; c <= Game().N(); ++c)
        board.push_back(Sq(c, r).remaining() | (Sq(c, r).IsSolved() << 15));
    return board;
  }
  QByteArray Read(const QString& name) const {
    QFile file(Dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QString SavePath(const QString& player, int number, int size) const {
    return Dir.filePath(QStringLiteral("Players/Saved Games/%1_%2_%3.sav").arg(player).arg(number).arg(size));
  }

  QTemporaryDir Dir;
  TScriptedDialogs Dialogs;
  TRecorder Front;
  std::unique_ptr<TSession> Play;
};

}  // namespace

TEST_F(SessionTest, ASolveWithMisClicksAndCluesEndsInOneScoreLineOnDisk) {
  const QByteArray start =
      "player=Anna~number=1234~size=6~time=312~errors=2~clues=1~difficulty=5~score=55548~\r\n"
      "player=Bob~number=x~\r\n";
  {
    QFile file(Dir.filePath("quillmere.sco"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(start);
  }
  Play = nullptr;
  Dialogs.Errors.clear();
  Start();
  ASSERT_EQ(Dialogs.Errors.size(), 1);  // the unreadable line, told once and kept aside
  EXPECT_TRUE(Dialogs.Errors[0].contains("player=Bob~number=x~")) << Dialogs.Errors[0].toStdString();
  EXPECT_EQ(Read("quillmere.sco.unreadable"), "player=Bob~number=x~\r\n");

  Play->PlayPuzzle(4, 17);
  EXPECT_EQ(Front.Puzzles, std::vector<TPuzzleChange>{TPuzzleChange::New});
  const int penalty = Play->Prefs().MisClickPenalty;
  ASSERT_GT(penalty, 0);
  const TPress miss = Play->Press({2, 3, Wrong(2, 3), TButton::Left});
  EXPECT_EQ(miss.Result, TPressResult::MisClick);
  EXPECT_EQ(Front.Messages, QStringList{QStringLiteral("Sorry, that is the wrong choice!")});
  EXPECT_EQ(Game().Clock.ElapsedSeconds, penalty);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(Play->GiveClue().Found());
  EXPECT_TRUE(Play->Prefs().ShowHints) << "a clue shows the hints";
  EXPECT_GE(Front.Steps, 2);
  EXPECT_EQ(Game().Clock.ElapsedSeconds, penalty + 2 * Play->Prefs().CluePenalty);

  // A press reports its own square and the ones its row rule changed.
  Front.Squares.clear();
  int c = 1;
  while (Sq(c, 4).IsSolved()) ++c;
  ASSERT_EQ(Play->Press({c, 4, Sq(c, 4).localindex(), TButton::Left}).Result, TPressResult::Placed);
  EXPECT_NE(std::find(Front.Squares.begin(), Front.Squares.end(), TBoardPos{c, 4}), Front.Squares.end());
  Play->Prefs().TimerOn = false;
  SolveAndTick();
  ASSERT_TRUE(Game().Finished());
  EXPECT_EQ(Front.Count(TStateChange::Completed), 1);
  EXPECT_EQ(Play->Scores().Scores().size(), 2u);
  EXPECT_EQ(Read("quillmere.sco"),
            start.left(start.indexOf('\n') + 1) +
                "player=Guest~number=17~size=4~time=-1~errors=1~clues=2~difficulty=5~score=" +
                QByteArray::number(Play->Scores().Scores().back().Score) + "~\r\n");
  EXPECT_EQ(Read("quillmere.scb"), start);
  Play->Tick();
  EXPECT_EQ(Play->Scores().Scores().size(), 2u) << "a late clock event scores nothing";

  // A folder in the file's place: the next completion cannot be written; it
  // is kept, said, and written at the end of the run.
  ASSERT_TRUE(QFile::remove(Dir.filePath("quillmere.sco")));
  ASSERT_TRUE(QDir(Dir.path()).mkdir("quillmere.sco"));
  Play->Next();
  SolveAndTick();
  ASSERT_EQ(Dialogs.Errors.size(), 2);
  EXPECT_TRUE(Dialogs.Errors[1].startsWith("Unable to write to " + Dir.filePath("quillmere.sco") + ": ") &&
              Dialogs.Errors[1].contains("kept and written again"))
      << Dialogs.Errors[1].toStdString();
  ASSERT_TRUE(QDir(Dir.path()).rmdir("quillmere.sco"));
  Play->StoreAtExit();
  Play->StoreAtExit();  // once only
  EXPECT_EQ(Dialogs.Errors.size(), 2);
  EXPECT_EQ(Read("quillmere.sco").count("player=Guest~"), 2);
}

TEST_F(SessionTest, SaveThenOpenAndADamagedFileOrACancelChangesNothing) {
  Play->PlayPuzzle(6, 4);
  ASSERT_EQ(Play->Press({2, 2, Sq(2, 2).localindex(), TButton::Left}).Result, TPressResult::Placed);
  const int wrong = Wrong(5, 4);
  ASSERT_EQ(Play->Press({5, 4, wrong, TButton::Right}).Result, TPressResult::Removed);
  Game().Clock.ElapsedSeconds = 50;
  const std::vector<std::uint16_t> saved = Board();
  const int solved = Game().Puzzle.SolvedCount;
  ASSERT_TRUE(Play->Save());
  EXPECT_EQ(Dialogs.Infos, QStringList{QStringLiteral("Your game has been saved")});
  EXPECT_EQ(Game().Phase(), TPhase::Playing) << "the game goes on after the message";

  // A square line whose candidate lies outside a 6 x 6 board.
  QList<QByteArray> lines = Read("Players/Saved Games/Guest_4_6.sav").split('\n');
  ASSERT_GT(lines.size(), 4);
  lines[3] = "imageindex=1~localindex=1~solved=0~remaining=1=1/9=9/~\r";
  const QString bad = SavePath("Guest", 4, 66);
  {
    QFile out(bad);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(lines.join('\n'));
  }
  Play->Next();
  Play->Press({1, 1, Sq(1, 1).localindex(), TButton::Left});
  const std::vector<std::uint16_t> now = Board();
  Dialogs.FileAnswers.push_back(bad);
  Play->Open();
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(Dialogs.Errors[0].startsWith(
      QStringLiteral("Could not load your game!\rPlease check the documentation for this message:\rline 4")))
      << Dialogs.Errors[0].toStdString();
  EXPECT_EQ(Board(), now);
  EXPECT_EQ(Number(), 5);
  EXPECT_EQ(Game().Phase(), TPhase::Playing);
  Dialogs.FileAnswers.push_back(QString());  // cancel
  Play->Open();
  EXPECT_EQ(Board(), now);
  EXPECT_EQ(Game().Phase(), TPhase::Playing);

  Dialogs.FileAnswers.push_back(SavePath("Guest", 4, 6));
  Play->Open();
  EXPECT_EQ(Dialogs.Infos.last(), QStringLiteral("Your game has been loaded"));
  EXPECT_EQ(Number(), 4);
  EXPECT_EQ(Board(), saved);
  EXPECT_EQ(Game().Puzzle.SolvedCount, solved);
  EXPECT_EQ(Game().Clock.ElapsedSeconds, 50);
  EXPECT_EQ(Game().Phase(), TPhase::Playing);
  EXPECT_EQ(Front.Puzzles.back(), TPuzzleChange::New);
}

// Every command that would replace a game the player has worked on asks
// first: Cancel keeps the game as it was, No drops it, Yes saves it first.
// A game nobody has touched yet goes without a word.
TEST_F(SessionTest, EveryCommandThatDropsAPlayedGameAsksFirst) {
  using TAnswer = TDialogs::TAnswer;
  Play->PlayPuzzle(5, 40);
  ASSERT_TRUE(Play->Save());  // a game to open below
  Play->Next();
  EXPECT_EQ(Number(), 41);
  EXPECT_TRUE(Dialogs.Questions.isEmpty()) << "nothing done yet, nothing to lose";

  const std::pair<const char*, std::function<void()>> commands[] = {
      {"next", [this] { Play->Next(); }},
      {"previous", [this] { Play->Previous(); }},
      {"go to", [this] { Play->GoTo(300); }},
      {"go-to box",
       [this] {
         Dialogs.InputAnswers.push_back(QStringLiteral("300"));
         Play->AskPuzzleNumber();
       }},
      {"step on", [this] { Play->StepOn(3); }},
      {"random", [this] { Play->RandomJump(); }},
      {"day's puzzle", [this] { Play->PuzzleOfTheDay(); }},
      {"another size", [this] { Play->SetSize(Game().N() == 5 ? 8 : 5); }},
      {"the same size", [this] { Play->SetSize(Game().N()); }},
      {"a puzzle asked for", [this] { Play->PlayPuzzle(9, 12); }},
      {"open",
       [this] {
         Dialogs.FileAnswers.push_back(SavePath("Guest", 40, 5));
         Play->Open();
       }},
  };
  for (const auto& [name, command] : commands) {
    // One removal is a move; so is a mis-click alone.
    if (std::string_view(name) == "random")
      ASSERT_EQ(Play->Press({1, 1, Wrong(1, 1), TButton::Left}).Result, TPressResult::MisClick);
    else
      ASSERT_EQ(Play->Press({1, 1, Wrong(1, 1), TButton::Right}).Result, TPressResult::Removed) << name;
    const std::vector<std::uint16_t> board = Board();
    const int number = Number(), size = Game().N(), time = Game().Clock.ElapsedSeconds;
    const qsizetype asked = Dialogs.Questions.size();
    const size_t puzzles = Front.Puzzles.size();

    Dialogs.Answers = {TAnswer::Cancel};
    command();
    ASSERT_EQ(Dialogs.Questions.size(), asked + 1) << name;
    EXPECT_EQ(Dialogs.Questions.last(), QStringLiteral("Do you want to save this game?"));
    EXPECT_EQ(Board(), board) << name;
    EXPECT_EQ(Number(), number) << name;
    EXPECT_EQ(Game().N(), size) << name;
    EXPECT_EQ(Play->Prefs().PuzzleSize, size) << name;
    EXPECT_EQ(Game().Clock.ElapsedSeconds, time) << name;
    EXPECT_EQ(Game().Phase(), TPhase::Playing) << name;
    EXPECT_EQ(Front.Puzzles.size(), puzzles) << name;

    Dialogs.Answers = {TAnswer::No};
    command();
    EXPECT_EQ(Dialogs.Questions.size(), asked + 2) << name;
    EXPECT_EQ(Front.Puzzles.size(), puzzles + 1) << name;
    EXPECT_EQ(Front.Puzzles.back(), TPuzzleChange::New) << name;
    EXPECT_FALSE(Game().Moved()) << name;
  }
  EXPECT_EQ(Game().N(), 5);
  EXPECT_EQ(Number(), 40) << "the saved game was opened last";

  // Yes saves the game, then moves on.
  ASSERT_EQ(Play->Press({2, 2, Sq(2, 2).localindex(), TButton::Left}).Result, TPressResult::Placed);
  Dialogs.Answers = {TAnswer::Yes};
  Play->Next();
  EXPECT_EQ(Number(), 41);
  EXPECT_TRUE(Read("Players/Saved Games/Guest_40_5.sav").startsWith("size=5~number=40~progress="));
  EXPECT_FALSE(Read("Players/Saved Games/Guest_40_5.sav").startsWith("size=5~number=40~progress=0~"));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

// The mis-clicks and clues of a game go into its file and come back with it,
// so the game scores as played; a file of an earlier version, which lacks
// them, leaves the counters as they were.
TEST_F(SessionTest, ASavedGameKeepsItsMisClicksAndClues) {
  Play->PlayPuzzle(4, 23);
  ASSERT_EQ(Play->Press({3, 3, Wrong(3, 3), TButton::Left}).Result, TPressResult::MisClick);
  ASSERT_TRUE(Play->GiveClue().Found());
  ASSERT_TRUE(Play->GiveClue().Found());
  ASSERT_TRUE(Play->Save());
  EXPECT_TRUE(
      Read("Players/Saved Games/Guest_23_4.sav").split('\n').front().endsWith("~errors=1~clues=2~\r"));

  Play->Next();
  ASSERT_EQ(Play->Settings().Stats, TStats{});
  Dialogs.FileAnswers.push_back(SavePath("Guest", 23, 4));
  Play->Open();
  EXPECT_EQ(Play->Settings().Stats, (TStats{.Errors = 1, .Clues = 2}));
  SolveAndTick();
  ASSERT_TRUE(Game().Finished());
  EXPECT_EQ(Play->Scores().Scores().back().Errors, 1);
  EXPECT_EQ(Play->Scores().Scores().back().Clues, 2);

  QByteArray old = Read("Players/Saved Games/Guest_23_4.sav");
  old.replace("~errors=1~clues=2~", "~");
  {
    QFile file(SavePath("Guest", 23, 4));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(old);
  }
  Play->Settings().Stats = {.Errors = 4, .Clues = 0};
  Dialogs.FileAnswers.push_back(SavePath("Guest", 23, 4));
  Play->Open();
  EXPECT_EQ(Play->Settings().Stats, (TStats{.Errors = 4, .Clues = 0}));
  EXPECT_EQ(Dialogs.Infos.last(), QStringLiteral("Your game has been loaded"));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

// The first player of a fresh installation starts as a player created in
// the game does; a "Give me a clue!" that finds no step says so and is free.
TEST_F(SessionTest, TheFirstPlayerStartsLikeANewOneAndAFruitlessClueIsFree) {
  ASSERT_EQ(Play->Prefs().PlayerName, QStringLiteral("Guest"));
  const TPrefs first = Play->Prefs();
  EXPECT_TRUE(first.ShowHints);
  EXPECT_TRUE(first.SoundsOn);
  Dialogs.NameAnswers.push_back(QStringLiteral("Bo"));
  Play->CreatePlayer();
  ASSERT_EQ(Play->Prefs().PlayerName, QStringLiteral("Bo"));
  TPrefs created = Play->Prefs();
  created.PlayerName = first.PlayerName;
  EXPECT_TRUE(created == first);

  Play->PlayPuzzle(4, 9);
  Play->SetShowHints(false);
  Game().Puzzle.ClearClues();  // nothing left to reason from
  EXPECT_FALSE(Play->GiveClue().Found());
  EXPECT_EQ(Dialogs.Infos, QStringList{"The clues give no further step here, so this clue costs nothing."});
  EXPECT_EQ(Game().Clock.ElapsedSeconds, 0);
  EXPECT_EQ(Play->Settings().Stats.Clues, 0);
  EXPECT_FALSE(Game().Moved());
  EXPECT_EQ(Game().Phase(), TPhase::Playing);
}

TEST_F(SessionTest, PlayersComeAndGoAndTheirRecordsStayOnDisk) {
  Play->PlayPuzzle(4, 8);
  ASSERT_EQ(Play->Prefs().PlayerName, QStringLiteral("Guest"));
  // Refused names keep the dialog open; the fresh name is taken.
  for (const char* name : {"", " Ann", "a/b", "..", "x=y", "guest", "Ann_B"})
    Dialogs.NameAnswers.push_back(QString::fromLatin1(name));
  Dialogs.ConfirmAnswers.push_back(false);  // no, do not save the Guest's game
  Play->CreatePlayer();
  EXPECT_EQ(Dialogs.NameRefusals.size(), 6);
  EXPECT_TRUE(Dialogs.NameRefusals.last().contains(QStringLiteral("Guest")));
  EXPECT_EQ(Play->Prefs().PlayerName, QStringLiteral("Ann_B"));
  EXPECT_EQ(Game().N(), 6) << "a new player starts with the defaults";
  EXPECT_EQ(Number(), 1);
  EXPECT_GE(Front.Stores, 1) << "the front end put its sizes in before the Guest's profile was stored";

  // Her size and the day's puzzle are hers, on disk once she leaves.
  Play->SetSize(8);
  Play->Today = [] { return QDate(2027, 3, 14); };
  Play->PuzzleOfTheDay();
  const int daily = DailyPuzzleNumber(DailyDayOf(2027, 3, 14));
  EXPECT_EQ(Number(), daily);
  EXPECT_EQ(Game().N(), 8);
  ASSERT_TRUE(Play->Save());  // Ann_B's 8 x 8 daily puzzle
  Dialogs.PlayerAnswers.push_back(QStringLiteral("Guest"));
  Dialogs.ConfirmAnswers.push_back(false);
  Play->SwitchPlayer();
  EXPECT_EQ(Play->Prefs().PlayerName, QStringLiteral("Guest"));
  EXPECT_EQ(Game().N(), 4);
  EXPECT_EQ(Number(), 8);
  const QByteArray profile = Read("Players/Ann_B.ini");
  EXPECT_TRUE(profile.contains("PuzzleSize=8")) << profile.toStdString();
  EXPECT_TRUE(profile.contains("=" + QByteArray::number(daily))) << profile.toStdString();

  // Her file opens for her, and one no known player owns for whoever plays.
  Dialogs.FileAnswers.push_back(SavePath("Ann_B", daily, 8));
  Play->Open();
  EXPECT_EQ(Play->Prefs().PlayerName, QStringLiteral("Ann_B"));
  EXPECT_EQ(Front.Count(TStateChange::Player), 3);
  QFile::copy(SavePath("Ann_B", daily, 8), SavePath("Zed", daily, 8));
  Dialogs.FileAnswers.push_back(SavePath("Zed", daily, 8));
  Play->Open();
  EXPECT_EQ(Play->Prefs().PlayerName, QStringLiteral("Ann_B"));

  // Deleting her removes every trace; someone always plays on.
  Dialogs.ConfirmAnswers.push_back(true);
  Dialogs.PlayerAnswers.push_back(QString());
  Play->DeletePlayer();
  EXPECT_EQ(Play->Prefs().PlayerName, QStringLiteral("Guest"));
  EXPECT_FALSE(QFile::exists(Dir.filePath("Players/Ann_B.ini")));
  EXPECT_FALSE(QFile::exists(SavePath("Ann_B", daily, 8)));
  EXPECT_TRUE(QFile::exists(SavePath("Zed", daily, 8))) << "a file of nobody known stays";
  Dialogs.ConfirmAnswers.push_back(true);
  Dialogs.PlayerAnswers.push_back(QString());
  Play->DeletePlayer();
  EXPECT_EQ(Play->Settings().ListPlayerNames(), QStringList{QStringLiteral("Guest")});
  EXPECT_EQ(Game().N(), 6);
  Play->StoreAtExit();
  EXPECT_FALSE(Read("quillmere.ini").contains("Ann_B"));
  EXPECT_TRUE(Read("quillmere.ini").contains("Guest=Guest"));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

TEST_F(SessionTest, NavigationStaysWithinTheNumbersAndEachSizeKeepsItsOwn) {
  Play->PlayPuzzle(4, 999998);
  Play->Next();
  Play->Next();
  EXPECT_EQ(Number(), 999999);
  Play->GoTo(2);
  Play->Previous();
  Play->Previous();
  EXPECT_EQ(Number(), 1);

  const std::pair<const char*, int> cases[] = {{"abc", 1},
                                               {"0", 1},
                                               {"-5", 1},
                                               {"1234567", 999999},
                                               {" 77 ", 77},
                                               {"12x", 1},
                                               {"", 1},
                                               {"-99999999999999999999", 1},
                                               {"99999999999999999999", 999999},
                                               {"321", 321}};
  for (const auto& [text, expected] : cases) {
    Dialogs.InputAnswers.push_back(QString::fromLatin1(text));
    EXPECT_TRUE(Play->AskPuzzleNumber());
    EXPECT_EQ(Number(), expected) << text;
  }
  EXPECT_EQ(Dialogs.InputPrompts.front(),
            QStringLiteral("Enter Puzzle Number|Enter a value between 1 and 999999|1"));
  Dialogs.InputAnswers.push_back(QString());
  EXPECT_FALSE(Play->AskPuzzleNumber());
  EXPECT_EQ(Number(), 321);

  PuzzleRandom copy = Game().Puzzle.Random;
  const int drawn = int(copy.Random(999999)) + 1;
  Play->RandomJump();
  EXPECT_EQ(Number(), drawn);

  Play->SetSize(10);
  Play->SetSize(7);  // not a size the game offers
  EXPECT_EQ(Game().N(), 10);
  Play->SetSize(4);
  EXPECT_EQ(Number(), drawn);
  const size_t shown = Front.Puzzles.size();
  Play->StepOn(3);
  EXPECT_EQ(Number(), drawn + 3);
  EXPECT_EQ(Front.Puzzles.size(), shown + 1) << "a step-on shows only its last puzzle";
}

TEST(SessionTexts, LabelsAndTheGoToBox) {
  EXPECT_EQ(ProgressText(12, 6), QStringLiteral("12 (33.3%) complete"));
  EXPECT_EQ(ProgressText(16, 4), QStringLiteral("16 (100.0%) complete"));
  EXPECT_EQ(ProgressText(0, 10), QStringLiteral("0 (0.0%) complete"));
  EXPECT_EQ(TimeText(307, true), QStringLiteral("Time: 0:05:07"));
  EXPECT_EQ(TimeText(36000, true), QStringLiteral("Time: 10:00:00"));
  EXPECT_EQ(TimeText(TGameClock::MaxSeconds, true), QStringLiteral("Time: 99:59:59"));
  EXPECT_EQ(TimeText(59, false), QStringLiteral("Untimed"));
  EXPECT_EQ(TimeText(-1, true), QStringLiteral("Untimed")) << "a game finished untimed";
}
