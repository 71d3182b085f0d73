#include "ScoreLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

inline void PrintTo(const TScoreLine& s, std::ostream* out) {
  *out << s.Player << " #" << s.Number << " " << s.Size << "x" << s.Size << " t" << s.Time << " e" << s.Errors
       << " c" << s.Clues << " d" << s.Difficulty << " =" << s.Score;
}

namespace {

const std::string AnnaLine =
    "player=Anna~number=1234~size=6~time=312~errors=2~clues=1~difficulty=5~score=55548~";
const std::string BobLine = "player=Bob~number=7~size=5~time=-1~errors=0~clues=0~difficulty=10~score=50011~";

// The entry of a line, or its message.
std::string Read(const std::string& line, TScoreLine& entry) {
  return EnglishText(ParseScoreLine(line, entry).Error);
}

TEST(ScoreLine, ReadByKeyAndWrittenBackByteForByte) {
  TScoreLine anna, bob;
  ASSERT_EQ(Read(AnnaLine, anna), "");
  ASSERT_EQ(Read(BobLine, bob), "");
  EXPECT_EQ(anna, (TScoreLine{1234, 6, "Anna", 312, 2, 1, 5, 55548}));
  EXPECT_EQ(bob, (TScoreLine{7, 5, "Bob", -1, 0, 0, 10, 50011}));
  std::string text;
  AppendScoreLine(text, anna);
  AppendScoreLine(text, bob);
  EXPECT_EQ(text, AnnaLine + "\r\n" + BobLine + "\r\n");

  // Fields are found by key, in any order, only at a field's start; a line
  // needs no final separator.
  TScoreLine cy, di;
  ASSERT_EQ(Read("score=9~difficulty=1~clues=0~errors=3~time=20~size=4~number=5~player=Cy~extra=1", cy), "");
  EXPECT_EQ(cy, (TScoreLine{5, 4, "Cy", 20, 3, 0, 1, 9}));
  ASSERT_EQ(Read("player=Di~xnumber=1~number=6~size=4~time=1~errors=0~clues=0~difficulty=0~score=+7", di),
            "");
  EXPECT_EQ(di.Number, 6);
  EXPECT_EQ(di.Score, 7);

  // A missing field or a value that is no whole number leaves the entry as it was.
  TScoreLine kept = anna;
  EXPECT_EQ(Read("player=Cy~number=12x~size=4~time=5~errors=0~clues=0~difficulty=1~score=5~", kept),
            "'12x' is not a valid integer value");
  EXPECT_EQ(Read("player=Di~number=1~time=5~errors=0~clues=0~difficulty=1~score=5~", kept),
            "the field \"size\" is missing");
  EXPECT_EQ(Read("number=1~size=4~time=5~errors=0~clues=0~difficulty=1~score=2147483648~", kept),
            "'2147483648' is not a valid integer value");
  EXPECT_EQ(Read("number=1~size=4~time=5~errors=0~clues=0~difficulty=1~score=-2147483648~", kept),
            "the field \"player\" is missing");
  EXPECT_EQ(kept, anna);
}

}  // namespace
