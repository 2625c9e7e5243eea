#include "game_caption.h"

#include "datafiles/product_title.h"

namespace kes {

namespace {
constexpr int kTitleShown = 50;
constexpr int kPlayerShown = 30;
}  // namespace

QString gameCaption(const std::string& gameTitle, const std::string& playerName, const std::string& dealNumber) {
  QString caption = QString::fromUtf8(kProductTitle) + " [" + QString::fromStdString(gameTitle).left(kTitleShown) +
                    "]" + "  [" + QString::fromStdString(playerName).left(kPlayerShown) + "]";
  if (!dealNumber.empty()) caption += "  [" + QString::fromStdString(dealNumber) + "]";
  return caption;
}

}  // namespace kes
