#include "app/solver/hint_text.h"

#include <array>

#include "engine/card.h"

namespace kes {

namespace {

constexpr std::array<const char*, 4> kSuitSigns{"\u2665", "\u2666", "\u2663", "\u2660"};

QString cardText(int card) {
  const int suit = suitIndex(card);
  if (suit < 0) return QStringLiteral("card");
  return QString::fromStdString(rankLabel(cardRank(card))) + QString::fromUtf8(kSuitSigns[static_cast<std::size_t>(suit)]);
}

QString pileText(PileId id) {
  const QString number = QString::number(id.index + 1);
  switch (id.family) {
    case PileFamily::Stock:
      return id.index == kStock ? QStringLiteral("the stock") : QStringLiteral("the waste");
    case PileFamily::Foundation: return QStringLiteral("foundation ") + number;
    case PileFamily::Tableau: return QStringLiteral("tableau pile ") + number;
    case PileFamily::Reserve: return QStringLiteral("reserve ") + number;
  }
  return {};
}

}  // namespace

QString hintText(const solver::SolverMove& move) {
  switch (move.kind) {
    case solver::MoveKind::Drag:
      return QStringLiteral("Hint: move the %1 onto %2").arg(cardText(move.card), pileText(move.target));
    case solver::MoveKind::Click: return QStringLiteral("Hint: click the %1").arg(cardText(move.card));
    case solver::MoveKind::Stock: break;
  }
  return QStringLiteral("Hint: turn the stock");
}

std::vector<PileId> hintPiles(const GameState& game, const solver::SolverMove& move) {
  if (move.kind == solver::MoveKind::Stock) return {PileId::stock()};
  std::vector<PileId> piles;
  if (const auto from = game.locateCard(move.card)) piles.push_back(*from);
  if (move.kind == solver::MoveKind::Drag) piles.push_back(move.target);
  return piles;
}

}  // namespace kes
