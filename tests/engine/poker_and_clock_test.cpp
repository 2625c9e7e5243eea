#include <gtest/gtest.h>

#include "engine/game_clock.h"
#include "engine/poker_hand.h"
#include "engine/poker_scoring.h"
#include "engine_test_support.h"

namespace kes {
namespace {

// Card code of rank r (1..13) in suit s (0 hearts .. 3 spades).
constexpr int card(int r, int s) { return s * 13 + r; }

TEST(PokerHand, HandsAndPoints) {
  struct Case {
    std::array<int, 5> cards;
    int points;
    const char* name;
  };
  const Case cases[] = {
      {{card(1, 0), card(10, 0), card(11, 0), card(12, 0), card(13, 0)}, 100, "Royal Flush"},
      {{card(5, 2), card(6, 2), card(7, 2), card(8, 2), card(9, 2)}, 75, "Straight Flush"},
      {{card(7, 0), card(7, 1), card(7, 2), card(7, 3), card(2, 0)}, 50, "Four of a Kind"},
      {{card(7, 0), card(7, 1), card(7, 2), card(2, 3), card(2, 0)}, 25, "Full House"},
      {{card(2, 3), card(5, 3), card(9, 3), card(11, 3), card(13, 3)}, 20, "Flush"},
      {{card(1, 0), card(2, 1), card(3, 2), card(4, 3), card(5, 0)}, 15, "Straight"},
      {{card(10, 0), card(11, 1), card(12, 2), card(13, 3), card(1, 0)}, 15, "Straight"},
      {{card(9, 0), card(9, 1), card(9, 2), card(4, 3), card(2, 0)}, 10, "Three of a Kind"},
      {{card(9, 0), card(9, 1), card(4, 2), card(4, 3), card(2, 0)}, 5, "Two Pair"},
      {{card(9, 0), card(9, 1), card(4, 2), card(5, 3), card(2, 0)}, 2, "One Pair"},
      {{card(12, 0), card(13, 1), card(1, 2), card(2, 3), card(3, 0)}, 0, ""},
      {{card(7, 0), card(7, 0) + 52, card(7, 1), card(7, 2), card(7, 3)}, 0, ""},
  };
  for (const Case& c : cases) {
    const PokerHand hand = pokerHandValue(c.cards);
    EXPECT_EQ(hand.points, c.points) << c.name;
    EXPECT_EQ(hand.name, c.name);
  }
}

struct InfoEvents : EngineEvents {
  std::vector<std::string> info;
  std::vector<int> pauses;
  void tableInformation(const std::string& text) override { info.push_back(text); }
  void pause(int ms) override { pauses.push_back(ms); }
};

TEST(PokerScoring, LastCardShowsEveryNewHandThenTheTotal) {
  GameState g;
  test::setParams(g, {{Param::Family, 9}, {Param::TableauCount, 25}});
  // Row 0: a pair of sevens and three odd cards; column 0: five hearts.
  const int row0[] = {card(7, 0), card(7, 1), card(2, 2), card(9, 3), card(12, 2)};
  for (int j = 1; j < 5; ++j) g.table.appendCard(PileId::tableau(j), row0[j], true);
  const int col0[] = {0, card(2, 0), card(5, 0), card(9, 0), card(11, 0)};
  for (int i = 1; i < 5; ++i) g.table.appendCard(PileId::tableau(5 * i), col0[i], true);
  InfoEvents ev;
  g.table.appendCard(PileId::tableau(0), row0[0], true);
  EXPECT_EQ(scorePokerGrid(g, row0[0], ev), 22);
  EXPECT_EQ(ev.info, (std::vector<std::string>{"One Pair\n2 points\nTotal: 2 points", "Flush\n20 points\nTotal: 22 points",
                                               "Total: 22 points"}));
  EXPECT_EQ(ev.pauses, (std::vector<int>{500, 500}));
  EXPECT_EQ(g.score, 22);
  EXPECT_FALSE(g.won);
}

TEST(PokerScoring, EmptyGridTotalsZero) {
  GameState g;
  test::setParams(g, {{Param::Family, 9}, {Param::TableauCount, 25}});
  InfoEvents ev;
  EXPECT_EQ(scorePokerGrid(g, 1, ev), 0);
  EXPECT_EQ(ev.info, std::vector<std::string>{"Total: 0 points"});
}

TEST(GameClock, PausedTimeIsNotCounted) {
  using namespace std::chrono_literals;
  GameClock clock;
  const auto t0 = GameClock::Clock::time_point{} + 1000s;
  clock.start(t0);
  EXPECT_EQ(clock.elapsed(t0 + 10s), 10s);
  clock.pause(t0 + 10s);
  EXPECT_EQ(clock.elapsed(t0 + 40s), 10s);
  clock.resume(t0 + 40s);
  EXPECT_EQ(clock.elapsed(t0 + 45s), 15s);
  clock.stop(t0 + 50s);
  EXPECT_EQ(clock.elapsed(t0 + 500s), 20s);
}

TEST(GameClock, GamesLongerThanADayKeepCounting) {
  using namespace std::chrono_literals;
  GameClock clock;
  const auto t0 = GameClock::Clock::time_point{} + 1s;
  clock.start(t0);
  EXPECT_EQ(formatPlayingTime(clock.elapsed(t0 + 25h + 2min + 3s)), "25:02:03");
}

TEST(GameClock, LabelFormatRoundTrips) {
  using namespace std::chrono_literals;
  EXPECT_EQ(formatPlayingTime(0s), "0:00:00");
  EXPECT_EQ(formatPlayingTime(3723s), "1:02:03");
  EXPECT_EQ(parsePlayingTime("1:02:03"), 3723);
  EXPECT_EQ(parsePlayingTime("0:00:00"), 0);
  EXPECT_EQ(parsePlayingTime("garbage"), 0);
  EXPECT_EQ(parsePlayingTime("1:99:00"), 0);
}

}  // namespace
}  // namespace kes
