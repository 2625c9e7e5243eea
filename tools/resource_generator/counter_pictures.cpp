#include <QPainter>

#include "display/resources/resource_names.h"
#include "icons.h"
#include "mini_cards.h"
#include "painting.h"
#include "suit_shapes.h"

namespace kes::gen {

namespace {

// Cells stand 14 pixels apart on rows 18 apart, the labels left of them.
constexpr int kCellW = 13;
constexpr int kCellH = 16;
constexpr int kLabelW = 14;

QImage suitLabel(Suit suit) {
  QImage picture = newPicture(kLabelW, kCellH);
  QPainter painter(&picture);
  smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(suitColour(suit));
  painter.drawPath(suitPath(suit, QRectF(1.5, 2.5, 11, 11)));
  return picture;
}

QImage blankCell() {
  QImage picture = newPicture(kCellW, kCellH, QColor(236, 236, 236));
  QPainter painter(&picture);
  painter.setPen(QPen(QColor(180, 180, 180), 1.0, Qt::DotLine));
  painter.drawRect(0, 0, kCellW - 1, kCellH - 1);
  return picture;
}

QImage rankCell(int rank, bool faceUp) {
  QImage picture = newPicture(kCellW, kCellH, faceUp ? QColor(255, 255, 255) : kBackBlue);
  QPainter painter(&picture);
  painter.setPen(faceUp ? QColor(90, 90, 90) : QColor(20, 30, 80));
  painter.drawRect(0, 0, kCellW - 1, kCellH - 1);
  smooth(painter);
  painter.setPen(faceUp ? QColor(0, 0, 0) : QColor(230, 235, 255));
  painter.setFont(pictureFont(rank == 10 ? 9 : 11, true, true));
  drawCentredText(painter, QRectF(0, 0, kCellW, kCellH), rankLabel(rank));
  return picture;
}

}  // namespace

void makeCounterPictures(PictureSink& sink) {
  sink.add(QStringLiteral("card_hearts"), suitLabel(Suit::Hearts));
  sink.add(QStringLiteral("card_diamonds"), suitLabel(Suit::Diamonds));
  sink.add(QStringLiteral("card_clubs"), suitLabel(Suit::Clubs));
  sink.add(QStringLiteral("card_spades"), suitLabel(Suit::Spades));
  sink.add(QStringLiteral("Card_None"), blankCell());
  for (int rank = 1; rank <= 13; ++rank) {
    sink.add(counterCellName(rank, true), rankCell(rank, true));
    sink.add(counterCellName(rank, false), rankCell(rank, false));
  }
}

}  // namespace kes::gen
