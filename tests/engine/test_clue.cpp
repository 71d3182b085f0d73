#include <gtest/gtest.h>

#include "Clue.h"

using enum TClueType;

TEST(Clue, ColumnCluesKeepTheirRowsInOrder) {
  TClue same(clSameColumn, 3, 5, 2, 0, 0, 0);
  EXPECT_EQ(same.c2(), 2);
  EXPECT_EQ(same.c3(), 5);

  TClue three(clTwoInSameColumn, 1, 9, 4, 6, 0, 0);
  EXPECT_EQ(three.c2(), 4);
  EXPECT_EQ(three.c3(), 6);
  EXPECT_EQ(three.c4(), 9);
  // Every order of three rows comes out sorted.
  const int orders[6][3] = {{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 1, 2}, {3, 2, 1}};
  for (const auto& o : orders) {
    TClue c(clTwoInSameColumn, 7, o[0], o[1], o[2], 0, 0);
    EXPECT_EQ(c.c2(), 1);
    EXPECT_EQ(c.c3(), 2);
    EXPECT_EQ(c.c4(), 3);
  }
}

TEST(Clue, HorizontalCluesKeepTheOrderPassed) {
  TClue between(clTwoAdjacent, 5, 3, 4, 2, 7, 1);
  const int passed[6] = {5, 3, 4, 2, 7, 1};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(between.Coord(k), passed[k - 1]);
  TClue left(clLeftOf, 4, 2, 9, 1, 0, 0);
  EXPECT_EQ(left.c1(), 4);
  EXPECT_EQ(left.c2(), 2);
  EXPECT_EQ(left.Coord(0), 0);
  EXPECT_EQ(left.Coord(7), 0);
}

TEST(Clue, KindsAndFlags) {
  EXPECT_FALSE(TClue(clAdjacent, 1, 2, 1, 1, 0, 0).IsVertical());
  EXPECT_FALSE(TClue(clTwoAdjacentExclude, 1, 3, 2, 1, 1, 1).IsVertical());
  EXPECT_FALSE(TClue(clLeftOf, 1, 2, 1, 1, 0, 0).IsVertical());
  EXPECT_TRUE(TClue(clNotInSameColumn, 1, 2, 3, 0, 0, 0).IsVertical());
  EXPECT_TRUE(TClue(clSameColumn, 1, 2, 3, 0, 0, 0).IsVertical());
  EXPECT_TRUE(TClue(clTwoInSameColumn, 1, 2, 3, 4, 0, 0).IsVertical());

  TClue fresh(clNotAdjacent, 1, 4, 2, 3, 0, 0);
  EXPECT_TRUE(fresh.shown());
  EXPECT_FALSE(fresh.used());
}

TEST(Clue, TypeNamesRoundTrip) {
  for (int v = 1; v <= 8; ++v) {
    const auto type = static_cast<TClueType>(v);
    TClueType back{};
    ASSERT_TRUE(ClueTypeFromName(ClueTypeName(type), back)) << v;
    EXPECT_EQ(back, type);
  }
  EXPECT_EQ(ClueTypeName(clLeftOf), "clLeftOf");
  TClueType t{};
  EXPECT_FALSE(ClueTypeFromName("clleftof", t)) << "names match exactly";
  EXPECT_FALSE(ClueTypeFromName("", t));
  EXPECT_TRUE(ClueTypeName(static_cast<TClueType>(9)).empty());
}
