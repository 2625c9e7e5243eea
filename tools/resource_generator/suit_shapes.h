#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace kes::gen {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

// The suit's symbol filling a box.
QPainterPath suitPath(Suit suit, const QRectF& box);
bool isRed(Suit suit);
QColor suitColour(Suit suit);
// "A", "2" .. "10", "J", "Q", "K" for ranks 1 .. 13.
QString rankLabel(int rank);

}  // namespace kes::gen
