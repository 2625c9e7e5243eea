#include <algorithm>
#include <ostream>

#include "commands.h"
#include "engine/card.h"
#include "engine/deal_generator.h"

namespace kes::cli {

namespace {

bool allDigits(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A game number as a player types it: 1 to 13 digits.
bool validDealNumber(const std::string& s) {
  return !s.empty() && s.size() <= kDealNumberDigits && allDigits(s);
}

}  // namespace

int runDealOrder(CliContext& ctx) {
  std::string cards, number;
  const bool haveCards = takeOption(ctx.args, "--cards", cards);
  const bool haveNumber = takeOption(ctx.args, "--number", number);
  if (!haveCards || !haveNumber || !ctx.args.empty()) {
    ctx.err << "usage: kestrova-cli deal-order --cards N --number D\n";
    return kExitUsage;
  }
  if (!validDealNumber(number)) {
    ctx.err << "deal-order: the game number must be 1 to 13 digits: '" << number << "'\n";
    return kExitUsage;
  }
  if (cards.empty() || cards.size() > 4 || !allDigits(cards) || !isDealableCardCount(std::stoi(cards))) {
    ctx.err << "deal-order: " << kDealCardCountError << " (card count '" << cards << "')\n";
    return kExitUsage;
  }
  const DealResult deal = generateDeal(number, std::stoi(cards));
  if (!deal.ok()) {
    ctx.err << "deal-order: " << deal.error << "\n";
    return kExitUsage;
  }
  for (std::size_t i = 0; i < deal.order.size(); ++i) ctx.out << (i ? " " : "") << cardCodeText(deal.order[i]);
  ctx.out << "\n";
  return kExitOk;
}

}  // namespace kes::cli
