#include <gtest/gtest.h>

#include "engine/base_rule.h"
#include "engine/build_rules.h"
#include "rules_table.h"

namespace kes {
namespace {

using namespace rules_test;

// An empty foundation i of a game whose foundations all have `base`.
BuildQuery ontoEmptyFoundation(int i, int base, int moving) {
  return BuildQuery{.target = -1,
                    .moving = moving,
                    .base = base,
                    .isDrop = true,
                    .pileIndex = i,
                    .wrap = true,
                    .foundationMode = true,
                    .code = 0,
                    .direction = 1,
                    .foundationBaseRank = base};
}

RulesTable foundationsSharing(int count, int base) {
  RulesTable t;
  t.set(Param::FoundationCount, count);
  for (int i = 0; i < count; ++i) t.set(Param::foundationBase(i), base);
  return t;
}

TEST(CanBuildBase, ColourBalanceAmongEightAceFoundations) {
  RulesTable t = foundationsSharing(8, BaseCode::AceColourBalanced);
  t.pile(PileId::foundation(0), {H(1)}).pile(PileId::foundation(1), {D(1)}).pile(PileId::foundation(2), {H(1, 1)});
  // Three red starts: a fourth red Ace still fits in half of eight.
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(5, 81, D(1, 1))));
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(5, 81, S(1))));
  EXPECT_FALSE(canBuild(*t, ontoEmptyFoundation(5, 81, S(2)))) << "only an Ace";

  // With four red starts no further red card may start one.
  t.pile(PileId::foundation(3), {D(1, 1)});
  EXPECT_FALSE(groupTestPasses(*t, BaseCode::AceColourBalanced, H(1)));
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(5, 81, S(1))));
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(5, 81, C(1, 1))));
}

TEST(CanBuildBase, OnlyFoundationsOfTheSameBaseCount) {
  RulesTable t = foundationsSharing(4, BaseCode::AceColourBalanced);
  t.set(Param::foundationBase(2), 1).set(Param::foundationBase(3), 1);
  t.pile(PileId::foundation(0), {H(1)});
  // Two foundations share base 81, so one red start is all they allow.
  EXPECT_FALSE(canBuild(*t, ontoEmptyFoundation(1, 81, D(1))));
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(1, 81, C(1))));
  t.pile(PileId::foundation(2), {D(1)});
  EXPECT_TRUE(canBuild(*t, ontoEmptyFoundation(1, 81, S(1)))) << "red start under another base";
}

TEST(CanBuildBase, DistinctSuitsForKingAndAceGroups) {
  RulesTable kings = foundationsSharing(8, BaseCode::KingBalancedDistinct);
  kings.pile(PileId::foundation(0), {H(13)});
  EXPECT_FALSE(canBuild(*kings, ontoEmptyFoundation(1, 84, H(13, 1)))) << "hearts twice";
  EXPECT_TRUE(canBuild(*kings, ontoEmptyFoundation(1, 84, D(13))));
  EXPECT_FALSE(canBuild(*kings, ontoEmptyFoundation(1, 84, D(12)))) << "only a King";

  RulesTable aces = foundationsSharing(8, BaseCode::AceBalancedDistinct);
  aces.pile(PileId::foundation(0), {S(1)});
  EXPECT_FALSE(canBuild(*aces, ontoEmptyFoundation(1, 85, S(1, 1))));
  EXPECT_TRUE(canBuild(*aces, ontoEmptyFoundation(1, 85, C(1))));
}

TEST(CanBuildBase, SingleCardAndStockOnlyBases) {
  RulesTable t;
  t.pile(PileId::waste(), {H(5)}).pile(PileId::secondWaste(), {H(6)}).pile(PileId::stock(), {H(9)});
  t.pile(PileId::tableau(0), {H(8)});
  const auto query = [](int base, int moving) {
    return BuildQuery{.target = -1, .moving = moving, .base = base, .code = 2, .foundationBaseRank = -1};
  };
  EXPECT_TRUE(canBuild(*t, query(86, H(8))));
  EXPECT_TRUE(canBuild(*t, query(87, H(5))));
  EXPECT_TRUE(canBuild(*t, query(87, H(6)))) << "second waste";
  EXPECT_TRUE(canBuild(*t, query(87, H(9)))) << "stock";
  EXPECT_FALSE(canBuild(*t, query(87, H(8)))) << "tableau card, even with E=-1";
  t.holdingRun();
  EXPECT_FALSE(canBuild(*t, query(86, H(8))));
}

TEST(CanBuildBase, RankOfTheStartedFoundations) {
  RulesTable t;
  const BuildQuery fill{.target = -1, .moving = S(4), .base = 92, .code = 2};
  EXPECT_TRUE(canBuild(*t, fill)) << "no foundation started yet";
  t.pile(PileId::foundation(2), {H(4), H(5)});
  EXPECT_TRUE(canBuild(*t, fill));
  t.pile(PileId::foundation(2), {H(7)});
  EXPECT_FALSE(canBuild(*t, fill));
}

TEST(CanBuildBase, OneBelowTheFoundationBase) {
  RulesTable t;
  t.set(Param::foundationBase(0), 1);
  EXPECT_EQ(rankBelowFoundationBase(1), 13);
  EXPECT_EQ(rankBelowFoundationBase(7), 6);
  EXPECT_TRUE(canBuild(*t, BuildQuery{.target = -1, .moving = S(13), .base = 91, .code = 2, .foundationBaseRank = 1}));
  EXPECT_FALSE(canBuild(*t, BuildQuery{.target = -1, .moving = S(12), .base = 91, .code = 2, .foundationBaseRank = 1}));
}

// The "King" rule of a space over foundations that start from no rank (the
// run-removal and colour-balanced bases of the Spider games) is a King.
TEST(CanBuildBase, OneBelowABaseThatIsNoRankIsAKing) {
  for (int base : {81, 82, 83, 84, 85, 0}) EXPECT_EQ(rankBelowFoundationBase(base), 13) << base;
  RulesTable t;
  t.set(Param::foundationBase(0), 82);
  EXPECT_TRUE(canBuild(*t, BuildQuery{.target = -1, .moving = S(13), .base = 91, .code = 2, .foundationBaseRank = 82}));
  EXPECT_FALSE(canBuild(*t, BuildQuery{.target = -1, .moving = S(5), .base = 91, .code = 2, .foundationBaseRank = 82}));
}

}  // namespace
}  // namespace kes
