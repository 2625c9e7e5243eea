#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/build_context.h"
#include "engine/build_rules.h"
#include "rules_table.h"

namespace kes {
namespace {

using namespace rules_test;

constexpr int kEmpty = -1;
constexpr int kDown = 0;
constexpr int kUp = 1;
constexpr int kEither = 2;

struct BuildCase {
  const char* what;
  BuildQuery query;
  bool expected;
};

// A tableau question: code, target, moving, direction, then what differs.
BuildQuery tableau(int code, int target, int moving, int direction = kDown, int e = 1, bool wrap = false,
                   int base = -1) {
  return BuildQuery{.target = target,
                    .moving = moving,
                    .base = base,
                    .isDrop = true,
                    .pileIndex = 0,
                    .wrap = wrap,
                    .foundationMode = false,
                    .code = code,
                    .direction = direction,
                    .foundationBaseRank = e};
}

BuildQuery foundation(int code, int target, int moving, int direction, int base) {
  return BuildQuery{.target = target,
                    .moving = moving,
                    .base = base,
                    .isDrop = true,
                    .pileIndex = 0,
                    .wrap = true,
                    .foundationMode = true,
                    .code = code,
                    .direction = direction,
                    .foundationBaseRank = base};
}

void expectCases(const GameState& state, const std::vector<BuildCase>& cases) {
  for (const BuildCase& c : cases) EXPECT_EQ(canBuild(state, c.query), c.expected) << c.what;
}

TEST(CanBuild, SuitGateOfTheGeneralPath) {
  RulesTable t;
  expectCases(*t, {
                      {"0: in suit", tableau(0, H(7), H(6)), true},
                      {"0: other suit", tableau(0, H(7), D(6)), false},
                      {"0: second pack counts as the same suit", tableau(0, H(7), H(6, 1)), true},
                      {"1: same colour", tableau(1, H(7), D(6)), true},
                      {"1: other colour", tableau(1, H(7), C(6)), false},
                      {"3: alternate colours", tableau(3, H(7), S(6)), true},
                      {"3: same colour", tableau(3, H(7), D(6)), false},
                      {"6: nothing on a card", tableau(6, H(7), S(6)), false},
                      {"6: empty pile follows its base", tableau(6, kEmpty, S(6), kDown, 1, false, 6), true},
                      {"2: any suit", tableau(2, H(7), C(6)), true},
                      {"unlisted code 9: any suit", tableau(9, H(7), C(6)), true},
                      {"same card never", tableau(2, H(7), H(7)), false},
                  });
}

TEST(CanBuild, RankStepInTheTableau) {
  RulesTable t;
  expectCases(*t, {
                      {"down: one below", tableau(2, S(7), H(6)), true},
                      {"down: one above", tableau(2, S(7), H(8)), false},
                      {"up: one above", tableau(2, S(7), H(8), kUp), true},
                      {"up: one below", tableau(2, S(7), H(6), kUp), false},
                      {"either: both ways", tableau(2, S(7), H(6), kEither), true},
                      {"either: above too", tableau(2, S(7), H(8), kEither), true},
                      {"either: two away", tableau(2, S(7), H(9), kEither), false},
                      {"unknown direction", tableau(2, S(7), H(6), 3), false},
                      // Foundations from Aces: nothing on an Ace without the wrap flag.
                      {"E=1: King on Ace refused", tableau(0, H(1), H(13), kDown, 1, false), false},
                      {"E=1: King on Ace with wrap", tableau(0, H(1), H(13), kDown, 1, true), true},
                      // Foundations from Sevens: the tableau stops at the Seven, and wraps at the Ace.
                      {"E=7: nothing on a Seven", tableau(3, H(7), S(6), kDown, 7, false), false},
                      {"E=7: Seven with wrap", tableau(3, H(7), S(6), kDown, 7, true), true},
                      {"E=7: King on Ace", tableau(3, H(1), S(13), kDown, 7, false), true},
                      {"E=7: Queen on Ace", tableau(3, H(1), S(12), kDown, 7, false), false},
                      {"E=81: Ace stops the tableau", tableau(2, H(1), S(13), kDown, 81, false), false},
                      {"E=82: Ace stops the tableau", tableau(2, H(1), S(13), kDown, 82, false), false},
                      {"E=82: Ace with wrap", tableau(2, H(1), S(13), kDown, 82, true), true},
                      {"up, E=7: nothing on a Seven", tableau(2, H(7), S(8), kUp, 7, false), false},
                      {"up, E=7: Seven with wrap", tableau(2, H(7), S(8), kUp, 7, true), true},
                      {"up: Ace on King", tableau(2, H(13), S(1), kUp, 7, false), true},
                      {"either, E=7: the Seven refuses both ways", tableau(2, H(7), S(6), kEither, 7, false), false},
                  });
}

TEST(CanBuild, RankStepOnFoundations) {
  RulesTable t;
  expectCases(*t, {
                      {"up from Ace", foundation(0, H(7), H(8), kUp, 1), true},
                      {"up: King ends a foundation from Ace", foundation(0, H(13), H(1), kUp, 1), false},
                      {"up: King turns the corner from Seven", foundation(0, H(13), H(1), kUp, 7), true},
                      {"up: only an Ace on the King", foundation(0, H(13), H(12), kEither, 7), false},
                      {"down from King", foundation(0, H(7), H(6), kDown, 13), true},
                      {"down: Ace ends a foundation from King", foundation(0, H(1), H(13), kDown, 13), false},
                      {"down: Ace turns the corner from Five", foundation(0, H(1), H(13), kDown, 5), true},
                      {"either: down when up fails", foundation(2, H(7), S(6), kEither, 1), true},
                      {"in suit", foundation(0, H(7), S(8), kUp, 1), false},
                  });
}

TEST(CanBuild, EmptyPilesFollowTheBase) {
  RulesTable t;
  expectCases(*t, {
                      {"rank base", tableau(2, kEmpty, S(5), kDown, 1, false, 5), true},
                      {"rank base, other rank", tableau(2, kEmpty, S(6), kDown, 1, false, 5), false},
                      {"any card", tableau(2, kEmpty, S(6), kDown, 1, false, -1), true},
                      {"no card", tableau(2, kEmpty, S(13), kDown, 1, false, 0), false},
                      {"no card, but foundations take any card", tableau(2, kEmpty, S(4), kDown, -1, false, 0), true},
                      {"rank base, foundations take any card", tableau(2, kEmpty, S(4), kDown, -1, false, 13), true},
                      {"run removal only", tableau(2, kEmpty, S(13), kDown, 1, false, 82), false},
                      {"run removal only, even with E=-1", tableau(2, kEmpty, S(13), kDown, -1, false, 83), false},
                      {"unknown base value", tableau(2, kEmpty, S(13), kDown, 1, false, 50), false},
                  });
}

TEST(CanBuild, CodesDecidedByTheTwoCards) {
  RulesTable t;
  expectCases(*t, {
                      {"4: never", tableau(4, S(7), H(6)), false},
                      {"4: not even on an empty pile", tableau(4, kEmpty, H(6)), false},
                      {"11: in suit down", tableau(11, H(12), H(11)), true},
                      {"11: no Queen on a King", tableau(11, H(13), H(12)), false},
                      {"11: no Queen on a Jack", tableau(11, H(11), H(12), kUp), false},
                      {"11: other suit", tableau(11, H(8), S(7)), false},
                      {"12: anything", tableau(12, H(2), S(9)), true},
                      {"14: empty pile takes an Ace", tableau(14, kEmpty, S(1)), true},
                      {"14: empty pile takes nothing else", tableau(14, kEmpty, S(2)), false},
                      {"14: Ace on a Queen", tableau(14, H(12), S(1)), true},
                      {"14: King on a Jack", tableau(14, H(11), C(13)), true},
                      {"14: Seven on a Five", tableau(14, H(5), C(7)), true},
                      {"14: Six on a Five", tableau(14, H(5), C(6)), false},
                      {"15: empty pile takes a Two", tableau(15, kEmpty, S(2)), true},
                      {"16: empty pile takes a Three", tableau(16, kEmpty, S(3)), true},
                      {"16: Four on a King", tableau(16, H(13), S(4)), true},
                      {"20: empty pile takes an Ace", tableau(20, kEmpty, S(1)), true},
                      {"20: not a Two", tableau(20, kEmpty, S(2)), false},
                      {"20: Ace on King", tableau(20, H(13), S(1)), true},
                      {"20: up any suit", tableau(20, H(5), S(6)), true},
                      {"20: not down", tableau(20, H(5), S(4)), false},
                      {"21: other suit", tableau(21, H(7), D(6)), true},
                      {"21: never in suit", tableau(21, H(7), H(6)), false},
                      {"21: empty pile by its base", tableau(21, kEmpty, H(6), kDown, 1, false, -1), true},
                      {"24: in suit", tableau(24, H(7), H(6)), true},
                      {"24: no Queen on a King", tableau(24, H(13), H(12)), false},
                      {"24: no King on a Queen", tableau(24, H(12), H(13), kUp), false},
                      {"24: other suit", tableau(24, H(7), S(6)), false},
                      {"25: up by two", tableau(25, H(5), H(7), kUp), true},
                      {"25: down by two", tableau(25, H(5), H(3), kDown), true},
                      {"25: by two, wrong way", tableau(25, H(5), H(7), kDown), false},
                      {"25: by two, other suit", tableau(25, H(5), S(7), kUp), false},
                      {"25: anything on empty", tableau(25, kEmpty, S(9), kUp, 1, false, 0), true},
                      {"28: down in suit", tableau(28, H(7), H(6)), true},
                      {"28: up in suit", tableau(28, H(7), H(8)), true},
                      {"28: no wrap", tableau(28, H(13), H(1)), false},
                      {"28: Two on Ace", tableau(28, H(1), H(2)), true},
                      {"28: other suit", tableau(28, H(7), S(8)), false},
                      {"28: anything on empty", tableau(28, kEmpty, S(9), kDown, 1, false, 0), true},
                      {"31: down in suit", tableau(31, H(7), H(6)), true},
                      {"31: nothing on an Ace", tableau(31, H(1), H(13)), false},
                      {"31: nothing on empty", tableau(31, kEmpty, H(13)), false},
                      {"32: up in suit", tableau(32, H(7), H(8)), true},
                      {"32: nothing on a King", tableau(32, H(13), H(1)), false},
                      {"34: alternate down", tableau(34, H(7), S(6)), true},
                      {"34: same colour", tableau(34, H(7), D(6)), false},
                      {"34: no wrap", tableau(34, H(1), S(13), kDown, 5, true), false},
                      {"34: empty by base", tableau(34, kEmpty, S(13), kDown, 1, false, 13), true},
                      {"35: King on Ace", tableau(35, H(1), S(13)), true},
                      {"35: Ace on King", tableau(35, H(13), S(1)), true},
                      {"35: up", tableau(35, H(7), S(8)), true},
                      {"35: two away", tableau(35, H(7), S(9)), false},
                      {"35: empty by base", tableau(35, kEmpty, S(9), kDown, 1, false, 0), false},
                      {"39: up", tableau(39, H(7), S(8)), true},
                      {"39: no Queen", tableau(39, H(11), S(12)), false},
                      {"39: empty takes an Ace", tableau(39, kEmpty, S(1)), true},
                      {"39: empty takes only an Ace", tableau(39, kEmpty, S(2)), false},
                      {"43: up by two in suit", tableau(43, H(5), H(7)), true},
                      {"43: no wrap", tableau(43, H(12), H(1)), false},
                      {"43: other suit", tableau(43, H(5), S(7)), false},
                      {"44: up", tableau(44, H(11), S(12)), true},
                      {"44: no King", tableau(44, H(12), S(13)), false},
                      {"44: empty takes an Ace", tableau(44, kEmpty, S(1)), true},
                      {"56: same rank", tableau(56, H(7), S(7)), true},
                      {"56: other rank", tableau(56, H(7), S(8)), false},
                      {"56: never on empty", tableau(56, kEmpty, S(8), kDown, 1, false, -1), false},
                  });
}

// A code listed twice would silently lose one of its rules; a general code
// listed at all would skip the base rule, suit gate and rank step.
TEST(CanBuild, EveryOwnRuleIsListedOnce) {
  std::set<int> listed;
  for (const std::span<const BuildRule> rules : {cardBuildRules(), tableBuildRules()})
    for (const BuildRule& rule : rules) EXPECT_TRUE(listed.insert(rule.code).second) << rule.code;
  for (const int general : {0, 1, 2, 3, 6, 8, 9, 10, 13, 22}) EXPECT_EQ(listed.count(general), 0u) << general;
}

}  // namespace
}  // namespace kes
