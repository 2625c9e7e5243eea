#include "help_generator/game_facts.h"

#include <array>
#include <cctype>
#include <string_view>

#include "catalogue_compiler/value_kinds.h"
#include "engine/game_family.h"
#include "engine/game_params.h"

namespace kes::help {

namespace {

using catalogue::GameSource;

int param(const GameSource& game, int index) { return game.params[static_cast<std::size_t>(index)]; }

constexpr std::array<const char*, 14> kRankNames{"",     "Ace",  "Two",  "Three", "Four", "Five",  "Six",
                                                 "Seven", "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};

std::string rankName(int rank) { return rank >= 1 && rank <= 13 ? kRankNames[static_cast<std::size_t>(rank)] : ""; }

std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The symbol of a rating, in words: "mostly-skill" reads "mostly skill".
std::string ratingWords(const catalogue::ValueKind& kind, int value) {
  std::string text = catalogue::formatValue(kind, value);
  for (char& c : text)
    if (c == '-') c = ' ';
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

bool stockDealsToTableau(const GameSource& game) {
  for (int i = 0; i < 26; ++i)
    if (param(game, Param::kTableauReceivesRow + i) != 0) return true;
  return false;
}

std::string packs(const GameSource& game) {
  const int cards = param(game, Param::CardCount);
  if (cards == 104) return "Two packs, 104 cards";
  if (cards == 52) return "One pack of 52 cards";
  return plural(cards, "card", "cards");
}

std::string stockPress(const GameSource& game) {
  if (stockDealsToTableau(game)) return "Each press deals a card to the tableau piles";
  const int perPress = param(game, Param::CardsPerStockPress);
  if (perPress <= 1) return "Turned one card at a time";
  return "Turned " + std::to_string(perPress) + " cards at a time";
}

std::string redeals(const GameSource& game) {
  const int passes = param(game, Param::StockPasses);
  if (passes < 0) return "Unlimited";
  if (passes <= 1) return "None";
  return std::to_string(passes - 1);
}

// What an empty tableau pile takes, read from the first pile as the rule
// customization does.
std::string tableauSpaces(const GameSource& game) {
  const int base = param(game, Param::kTableauEmptyBase);
  if (base == 13 || base == 91) return "A King only (or a run headed by one)";
  if (base == -1 || base == 86 || base == 87) return "Any card";
  if (base == 0) return "Cannot be filled";
  if (const std::string rank = rankName(base); !rank.empty()) return "A " + rank + " only";
  return "By the game's own rule";
}

std::string foundations(const GameSource& game) {
  const int count = param(game, Param::FoundationCount);
  std::string text = plural(count, "foundation", "foundations");
  const int base = param(game, Param::kFoundationBase);
  const std::string rank = rankName(base);
  if (rank.empty()) return text;
  const int direction = param(game, Param::kFoundationDirection);
  text += direction == 0 ? ", built down from " : direction == 1 ? ", built up from " : ", built from ";
  return text + (count == 1 ? "an " + rank : rank + "s");
}

bool usesStock(const GameSource& game) { return param(game, Param::StockDealCount) > 0; }

bool isStandardFamily(int family) {
  return family == Family::Standard || family == Family::Counting || family == Family::AcesFromReserve ||
         family == Family::CountedDeals;
}

}  // namespace

std::vector<GameFact> gameFacts(const GameSource& game) {
  std::vector<GameFact> facts{{"Cards", packs(game)}};
  if (usesStock(game)) {
    facts.push_back({"Stock", stockPress(game)});
    facts.push_back({"Redeals", redeals(game)});
  }
  const int tableau = param(game, Param::TableauCount);
  if (tableau > 0) facts.push_back({"Tableau", plural(tableau, "pile", "piles")});
  if (tableau > 0 && param(game, Param::PairingGame) == 0 && isStandardFamily(param(game, Param::Family)))
    facts.push_back({"Tableau spaces", tableauSpaces(game)});
  if (param(game, Param::FoundationCount) > 0 && isStandardFamily(param(game, Param::Family)))
    facts.push_back({"Foundations", foundations(game)});
  if (const int reserves = param(game, Param::ReserveCount); reserves > 0)
    facts.push_back({"Reserves", plural(reserves, "cell", "cells")});
  facts.push_back({"Playing time", ratingWords(catalogue::kinds::kPlayingTime, param(game, Param::PlayingTime))});
  facts.push_back({"Difficulty", ratingWords(catalogue::kinds::kDifficulty, param(game, Param::Difficulty))});
  facts.push_back({"Skill", ratingWords(catalogue::kinds::kSkill, param(game, Param::SkillOrChance))});
  facts.push_back({"Chance of winning", ratingWords(catalogue::kinds::kChance, param(game, Param::ChanceOfWinning))});
  if (const int wins = param(game, Param::OddsWins), games = param(game, Param::OddsGames); games > 0)
    facts.push_back({"Odds", "About " + std::to_string(wins) + " in " + std::to_string(games) + " games won"});
  return facts;
}

std::string howToWin(const GameSource& game) {
  switch (const int family = param(game, Param::Family)) {
    case Family::PokerGrid:
      return "Fill all 25 places of the grid; rows and columns score as poker hands, and a total of 100 points "
             "or more wins.";
    case Family::RowJumps:
    case Family::RowJumpsRoyal:
      return "Play out the whole stock and leave no more than four cards in the row.";
    case Family::OneCardPerPile:
      return "End with exactly one card in every tableau pile.";
    case Family::Pyramid:
      return "Remove every card of the pyramid, the stock and the waste.";
    default:
      if (isStandardFamily(family))
        return "Move all " + std::to_string(param(game, Param::CardCount)) + " cards to the foundations.";
      return "Clear the table: no card may be left in the tableau, the stock, the waste or the reserves.";
  }
}

}  // namespace kes::help
