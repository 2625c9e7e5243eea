#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_main.h"
#include "cli/play_driver.h"

namespace kes::cli {
namespace {

struct Played {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

Played play(std::vector<std::string> args, const std::string& input) {
  const char* dir = std::getenv("KESTROVA_TEST_DATA");
  args.insert(args.begin(), {"--install-dir", dir ? dir : "", "--data-dir", dir ? dir : "", "play"});
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = cliMain(args, in, out, err);
  Played p{status, {}, err.str()};
  std::istringstream text(out.str());
  for (std::string l; std::getline(text, l);) p.lines.push_back(l);
  return p;
}

TEST(PlayCommand, ShowListsEveryPileThenTheGameState) {
  const Played p = play({"2", "1", "--pref", "AutoPlay=N"}, "show\n");
  ASSERT_EQ(p.status, 0) << p.err;
  ASSERT_EQ(p.lines.size(), 53u + 4);
  EXPECT_EQ(p.lines[0].rfind("Mazzo=", 0), 0u);
  EXPECT_EQ(p.lines[1], "Mazzo_Vis=");
  EXPECT_EQ(p.lines[3], "Dest1=");
  EXPECT_EQ(p.lines[19].rfind("Fila1=", 0), 0u);
  EXPECT_EQ(p.lines[52], "Appogg8=");
  EXPECT_EQ(p.lines[53], "score=-52");
  EXPECT_EQ(p.lines[54], "pass=1");
  EXPECT_EQ(p.lines[55], "state=playing");
  EXPECT_EQ(p.lines[56], ".");
  EXPECT_EQ(p.lines[0].size(), std::string("Mazzo=").size() + 24 * 4);
}

TEST(PlayCommand, EveryCommandAnswersOneLine) {
  const Played p = play({"2", "1", "--pref", "AutoPlay=N"},
                        "stock\nundo\nundo\nredo\nredo\nfly away\nmove 105 Fila1\nmove 1 Nowhere\nclick\n\nrestart\n"
                        "autoplay on\n");
  ASSERT_EQ(p.status, 0) << p.err;
  EXPECT_EQ(p.lines, (std::vector<std::string>{"ok", "ok", "refused", "ok", "refused", "error: unknown command 'fly away'",
                                               "error: unknown card '105'", "error: unknown pile 'Nowhere'",
                                               "error: usage: click CARD", "ok", "ok"}));
}

// A card the mouse cannot pick up is not moved, and the press on it does
// nothing else either (on the stock it would deal).
TEST(PlayCommand, MovingACardThatCannotBeLiftedIsRefused) {
  const Played dealt = play({"2", "1", "--pref", "AutoPlay=N"}, "show\n");
  ASSERT_EQ(dealt.status, 0) << dealt.err;
  const std::string stock = dealt.lines[0].substr(std::string("Mazzo=").size());
  ASSERT_GE(stock.size(), 8u);
  const std::string insideStock = std::to_string(std::stoi(stock.substr(4, 3)));  // the second card from the bottom
  const std::string stockTop = std::to_string(std::stoi(stock.substr(stock.size() - 4, 3)));
  const std::string faceDown = std::to_string(std::stoi(dealt.lines[20].substr(std::string("Fila2=").size(), 3)));
  const Played p = play({"2", "1", "--pref", "AutoPlay=N"},
                        "move " + insideStock + " Fila1\nmove " + stockTop + " Fila1\nmove " + faceDown + " Fila1\nshow\n");
  ASSERT_EQ(p.status, 0) << p.err;
  ASSERT_GE(p.lines.size(), 4u);
  EXPECT_EQ(p.lines[0], "refused");
  EXPECT_EQ(p.lines[1], "refused");
  EXPECT_EQ(p.lines[2], "refused");
  EXPECT_EQ(p.lines[3], dealt.lines[0]) << "the stock dealt nothing";
  EXPECT_EQ(p.lines[4], "Mazzo_Vis=");
  EXPECT_EQ(p.lines[23], dealt.lines[20]) << "the face-down card stays where it is";
}

TEST(PlayCommand, TheGameNumberIsCheckedLikeTheDialog) {
  for (const char* number : {"0", "12a", "12345678901234", ""}) {
    const Played p = play({"2", number}, "");
    EXPECT_EQ(p.status, 2) << number;
    EXPECT_NE(p.err.find("game number"), std::string::npos) << p.err;
  }
  EXPECT_EQ(play({"2", "0000000000007"}, "").status, 0);
}

TEST(PlayCommand, BadGamesAndPreferencesAreRefused) {
  EXPECT_EQ(play({"999", "1"}, "").status, 2);
  EXPECT_EQ(play({"8123", "1"}, "").status, 2);
  EXPECT_EQ(play({"2", "1", "--pref", "Undo_Enabled"}, "").status, 2);
  EXPECT_EQ(play({"2", "1", "--pref", "Undo_Enabled=7"}, "").status, 2);
  EXPECT_EQ(play({"2"}, "").status, 2);
}

TEST(PlayCommand, OneStepUndoPreference) {
  const Played p = play({"2", "1", "--pref", "AutoPlay=N", "--pref", "Undo_Enabled=1"}, "stock\nstock\nundo\nundo\nredo\n");
  EXPECT_EQ(p.lines, (std::vector<std::string>{"ok", "ok", "ok", "refused", "ok"}));
}

TEST(PlayDriver, MessagesComeBeforeTheResult) {
  PlayDriver d;
  GameState& g = d.session().state();
  g.params[Param::CardCount] = 104;
  g.params[Param::TableauCount] = 2;
  g.params[Param::tableauReceivesRow(0)] = 2;
  g.params[Param::tableauReceivesRow(1)] = 2;
  g.table.appendCard(PileId::stock(), 40, false);
  g.table.appendCard(PileId::tableau(0), 1, true);
  g.inProgress = true;
  EXPECT_EQ(d.execute("stock"), (std::vector<std::string>{"message: Before deal, fill any gaps in the tableau", "refused"}));
  EXPECT_EQ(d.execute("stock"), (std::vector<std::string>{"message: Before deal, fill any gaps in the tableau", "refused"}));
}

TEST(PlayDriver, AWonGameShowsItsOutcome) {
  PlayDriver d;
  GameState& g = d.session().state();
  g.params[Param::CardCount] = 52;
  g.params[Param::FoundationCount] = 1;
  g.params[Param::TableauCount] = 1;
  g.params[Param::foundationBase(0)] = 1;
  g.params[Param::foundationDirection(0)] = 1;
  g.params[Param::FoundationMaxCards] = 13;
  g.table.appendCard(PileId::tableau(0), 1, true);
  g.inProgress = true;
  EXPECT_EQ(d.execute("dblclick 1"), std::vector<std::string>{"ok"});
  const auto shown = d.execute("show");
  EXPECT_EQ(shown[shown.size() - 2], "state=won");
  EXPECT_EQ(d.execute("undo"), std::vector<std::string>{"refused"});
}

}  // namespace
}  // namespace kes::cli
