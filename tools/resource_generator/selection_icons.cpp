#include <QPainter>

#include <array>
#include <vector>

#include "icons.h"
#include "mini_cards.h"
#include "painting.h"

namespace kes::gen {

namespace {

constexpr int kIconSide = 16;
constexpr MiniFace U = MiniFace::Up;
constexpr MiniFace D = MiniFace::Down;
constexpr MiniFace E = MiniFace::Empty;

// Each category icon is a tiny picture of the table such games start with.
struct CategoryIcon {
  const char* name;
  QColor pip;
  std::vector<MiniCard> cards;
};

const std::vector<CategoryIcon>& categoryIcons() {
  static const std::vector<CategoryIcon> icons{
      {"TREE5_CANFIELD_TYPE", QColor(200, 0, 0), {{1, 1, 8, 11, D}, {7, 4, 8, 11, U}}},
      {"TREE5_FORTYTHIEVES_TYPE", QColor(200, 0, 0),
       {{0, 2, 5, 7, U}, {0, 7, 5, 7, U}, {5.5, 2, 5, 7, U}, {5.5, 7, 5, 7, U}, {11, 2, 5, 7, U}, {11, 7, 5, 7, U}}},
      {"TREE5_FREECELL_TYPE", QColor(0, 0, 0),
       {{0, 0, 4, 5, E}, {4, 0, 4, 5, E}, {8, 0, 4, 5, E}, {12, 0, 4, 5, E}, {1, 6, 7, 10, U}, {8, 6, 7, 10, U}}},
      {"TREE5_KLONDIKE_TYPE", QColor(200, 0, 0),
       {{0, 8, 5, 7, U}, {5.5, 2, 5, 7, D}, {5.5, 6, 5, 7, U}, {11, 0, 5, 7, D}, {11, 4, 5, 7, D}, {11, 8, 5, 7, U}}},
      {"TREE5_PAIRING_TYPE", QColor(200, 0, 0), {{0, 2, 7, 11, U}, {9, 2, 7, 11, U}}},
      {"TREE5_SIMPLEGAMES_TYPE", QColor(0, 120, 0), {{3, 1, 10, 14, U}}},
      {"TREE5_SPIDER_TYPE", QColor(0, 0, 0),
       {{1, 0, 6, 8, D}, {1, 3, 6, 8, D}, {1, 7, 6, 8, U}, {9, 0, 6, 8, D}, {9, 4, 6, 8, U}}},
      {"TREE5_1DECK_TYPE", QColor(200, 0, 0), {{3, 1, 10, 14, D}}},
      {"TREE5_2DECK_TYPE", QColor(200, 0, 0), {{1, 1, 9, 12, D}, {6, 3, 9, 12, D}}},
      {"TREE5_FAN_TYPE", QColor(0, 0, 160), {{0, 4, 7, 10, U}, {4.5, 3, 7, 10, U}, {9, 4, 7, 10, U}}},
      {"TREE5_BAKERSDOZEN_TYPE", QColor(150, 90, 0),
       {{0, 1, 5, 7, U}, {5.5, 1, 5, 7, U}, {11, 1, 5, 7, U}, {0, 8, 5, 7, U}, {5.5, 8, 5, 7, U}, {11, 8, 5, 7, U}}},
      {"TREE5_ROW_TYPE", QColor(0, 120, 120), {{0, 4, 4, 8, U}, {4, 4, 4, 8, U}, {8, 4, 4, 8, U}, {12, 4, 4, 8, U}}},
      {"TREE5_CUSTOMIZED_GAMES", QColor(230, 120, 0), {{1, 1, 10, 14, U}}},
  };
  return icons;
}

QImage categoryIcon(const CategoryIcon& icon, bool withPencil) {
  QImage picture = newPicture(kIconSide, kIconSide);
  QPainter painter(&picture);
  for (const MiniCard& card : icon.cards) drawMiniCard(painter, card, icon.pip);
  if (withPencil) {
    smooth(painter);
    painter.setPen(QPen(QColor(90, 50, 0), 3.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(8, 14), QPointF(15, 5));
    painter.setPen(QPen(QColor(250, 190, 40), 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(8.6, 13.2), QPointF(15, 5));
  }
  return picture;
}

// A meter of `barCount` bars of which `filled` are lit in one colour.
QImage meter(int barCount, int filled, QColor lit) {
  constexpr int kWidth = 40;
  constexpr int kHeight = 12;
  QImage picture = newPicture(kWidth, kHeight);
  QPainter painter(&picture);
  const double gap = 2.0;
  const double bar = (kWidth - gap * (barCount - 1)) / barCount;
  for (int i = 0; i < barCount; ++i) {
    const QRectF box(i * (bar + gap) + 0.5, 0.5, bar - 1.0, kHeight - 1.0);
    painter.setPen(QColor(70, 70, 70));
    painter.setBrush(i < filled ? lit : QColor(225, 225, 225));
    painter.drawRect(box);
  }
  return picture;
}

}  // namespace

void makeSelectionIcons(PictureSink& sink) {
  for (const CategoryIcon& icon : categoryIcons())
    sink.add(QString::fromLatin1(icon.name), categoryIcon(icon, icon.name == std::string_view("TREE5_CUSTOMIZED_GAMES")));

  sink.add(QStringLiteral("PROG_DIFF_EASY"), meter(3, 1, QColor(60, 180, 60)));
  sink.add(QStringLiteral("PROG_DIFF_MEDIUM"), meter(3, 2, QColor(240, 190, 30)));
  sink.add(QStringLiteral("PROG_DIFF_HARD"), meter(3, 3, QColor(210, 40, 30)));
  // Game time: the longer the game, the more bars.
  sink.add(QStringLiteral("PROG_TIME_QUICK"), meter(3, 1, QColor(60, 130, 210)));
  sink.add(QStringLiteral("PROG_TIME_MEDIUM"), meter(3, 2, QColor(60, 130, 210)));
  sink.add(QStringLiteral("PROG_TIME_LONG"), meter(3, 3, QColor(60, 130, 210)));
  struct Chance {
    const char* name;
    int bars;
    QColor colour;
  };
  static const std::array<Chance, 5> chances{{
      {"PROG_CHAN_VERYHIGH", 5, QColor(40, 170, 40)},
      {"PROG_CHAN_HIGH", 4, QColor(130, 190, 40)},
      {"PROG_CHAN_MEDIUM", 3, QColor(240, 190, 30)},
      {"PROG_CHAN_LOW", 2, QColor(240, 120, 30)},
      {"PROG_CHAN_VERYLOW", 1, QColor(210, 40, 30)},
  }};
  for (const Chance& chance : chances) sink.add(QString::fromLatin1(chance.name), meter(5, chance.bars, chance.colour));
  sink.add(QStringLiteral("PROG_DISABLED"), meter(5, 0, QColor()));
}

}  // namespace kes::gen
