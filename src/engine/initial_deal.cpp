#include "initial_deal.h"

#include "base_rule.h"
#include "card.h"
#include "deal_generator.h"
#include "foundation_deal_code.h"
#include "deal_layouts.h"

namespace kes {

namespace {

constexpr int kRankDealOffset = 1000;  // tableau counts above this deal one card of rank count - 1000

void dealFoundations(DealContext& deal) {
  for (int i = 0; i < deal.game.foundationCount(); ++i) {
    const int card = foundationDealCard(deal, i);
    if (card < 1) continue;
    deal.place(PileId::foundation(i), card);
    deal.game.params[Param::foundationBase(i)] = static_cast<std::int16_t>(cardRank(deal.pile(PileId::foundation(i)).cardAt(0)));
    deal.adjustScore(1);
  }
}

void dealSecondWasteCard(DealContext& deal) {
  const int v = deal.param(Param::SecondWasteDealCard);
  if (v == 0) return;
  deal.place(PileId::secondWaste(), v < 101 ? v : v - 100);
  deal.adjustScore(1);
}

void dealTableauByRank(DealContext& deal) {
  for (int i = 0; i < familySize(PileFamily::Tableau); ++i) {
    const int count = deal.param(Param::tableauDealCount(i));
    if (count <= kRankDealOffset) continue;
    const int card = deal.takeFirstOfRank(count - kRankDealOffset);
    if (card) deal.game.table.appendCard(PileId::tableau(i), card, false);
    deal.applyFaceMode(PileId::tableau(i), deal.param(Param::tableauDealFace(i)));
  }
}

void dealStockAndWastes(DealContext& deal) {
  const int stock = deal.param(Param::StockDealCount);
  deal.dealTo(PileId::stock(), stock);
  if (deal.param(Param::StockFaceDown) == 0) deal.applyFaceMode(PileId::stock(), stock);
  const int waste = deal.param(Param::WasteDealCount);
  if (waste > 0) {
    deal.dealTo(PileId::waste(), waste);
    deal.applyFaceMode(PileId::waste(), waste);
  }
}

void dealTableau(DealContext& deal) {
  for (int i = 0; i < familySize(PileFamily::Tableau); ++i) {
    const int count = deal.param(Param::tableauDealCount(i));
    if (count <= 0 || count > kRankDealOffset) continue;
    deal.dealTo(PileId::tableau(i), count);
    deal.applyFaceMode(PileId::tableau(i), deal.param(Param::tableauDealFace(i)));
  }
}

void dealSecondWaste(DealContext& deal) {
  const int count = deal.param(Param::SecondWasteDealCount);
  deal.dealTo(PileId::secondWaste(), count);
  deal.applyFaceMode(PileId::secondWaste(), count);
  deal.adjustScore(count);
}

void dealReserves(DealContext& deal) {
  for (int i = 0; i < familySize(PileFamily::Reserve); ++i) {
    const int count = deal.param(Param::reserveDealCount(i));
    if (count <= 0) continue;
    deal.dealTo(PileId::reserve(i), count);
    deal.applyFaceMode(PileId::reserve(i), deal.param(Param::reserveDealFace(i)));
  }
}

void dealFoundationCard(DealContext& deal) {
  deal.dealTo(PileId::foundation(0), 1);
  deal.applyFaceMode(PileId::foundation(0), 1);
  deal.adjustScore(1);
}

// The first card on foundation 1 fixes the base of every foundation.
void baseFromDeal(DealContext& deal) {
  if (deal.param(Param::FoundationBaseFromDeal) != 1) return;
  dealFoundationCard(deal);
  const Pile& f = deal.pile(PileId::foundation(0));
  if (f.empty()) return;
  for (int i = 0; i < familySize(PileFamily::Foundation); ++i)
    deal.game.params[Param::foundationBase(i)] = static_cast<std::int16_t>(cardRank(f.cardAt(0)));
}

void resolveEmptyBasesBelowFoundation(DealContext& deal) {
  const int base = deal.param(Param::foundationBase(0));
  for (int i = 0; i < familySize(PileFamily::Tableau); ++i)
    if (deal.param(Param::tableauEmptyBase(i)) == BaseCode::BelowFoundationBase)
      deal.game.params[Param::tableauEmptyBase(i)] = static_cast<std::int16_t>(rankBelowFoundationBase(base));
}

}  // namespace

void distributeDeal(DealContext& deal) {
  deal.resetScore();
  dealFoundations(deal);
  dealSecondWasteCard(deal);
  dealTableauByRank(deal);
  dealStockAndWastes(deal);
  dealTableau(deal);
  dealSecondWaste(deal);
  dealReserves(deal);
  baseFromDeal(deal);
  resolveEmptyBasesBelowFoundation(deal);
  if (deal.param(Param::ExtraFoundationCard) == 1) dealFoundationCard(deal);
  applySpecialLayouts(deal);
  deal.adjustScore(deal.param(Param::CardsPlayedAtDeal));
}

std::string dealInitial(GameState& game, const std::string& dealNumber, const FoundationTest& accepts) {
  DealResult generated = generateDeal(dealNumber, game.params[Param::CardCount]);
  if (!generated.ok()) return generated.error;
  DealContext deal{game, std::move(generated.order), accepts};
  distributeDeal(deal);
  return {};
}

}  // namespace kes
