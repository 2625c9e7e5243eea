#include "counter_picture.h"

#include <QPainter>

#include "app/counter/counter_grid.h"
#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"
#include "engine/card.h"

namespace kes {

namespace {

// Row labels in the order of the rows: hearts, diamonds, clubs, spades.
constexpr std::array<const char*, 4> kLabelNames{"card_hearts", "card_diamonds", "card_clubs", "card_spades"};

}  // namespace

CounterPicture::CounterPicture(const CounterGrid& grid, const ResourceLibrary& library, QWidget* parent)
    : QWidget(parent), grid_(grid) {
  setObjectName("imgBack");
  for (std::size_t i = 0; i < kLabelNames.size(); ++i) labels_[i] = library.picture(QLatin1String(kLabelNames[i]));
  blank_ = library.picture(QStringLiteral("Card_None"));
  for (int rank = 1; rank <= 13; ++rank) {
    up_[static_cast<std::size_t>(rank)] = library.picture(counterCellName(rank, true));
    down_[static_cast<std::size_t>(rank)] = library.picture(counterCellName(rank, false));
  }
}

void CounterPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  for (int row = 0; row < kCounterRows; ++row)
    p.drawPixmap(0, counterRowTop(row), labels_[static_cast<std::size_t>(row % 4)]);
  for (int card = 1; card <= grid_.cardCount(); ++card) {
    const auto rank = static_cast<std::size_t>(cardRank(card));
    const CounterCell cell = grid_.shown(card);
    const QPixmap& picture = cell == CounterCell::Blank ? blank_ : cell == CounterCell::Up ? up_[rank] : down_[rank];
    p.drawPixmap(counterCellLeft(card), counterRowTop(counterRowOf(card)), picture);
  }
}

}  // namespace kes
