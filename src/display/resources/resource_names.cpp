#include "display/resources/resource_names.h"

namespace kes {

namespace {

QString digits(int value, int width) { return QString::number(value).rightJustified(width, u'0'); }

// Cursor set number minus 10 gives the place in this table.
constexpr std::array<const char*, 6> kCursorStems{
    "CUR_ARROW1", "CUR_ARROW2", "CUR_RIGHT_HAND1", "CUR_RIGHT_HAND2", "CUR_LEFT_HAND1", "CUR_LEFT_HAND2",
};

}  // namespace

QString faceBitmapName(char sizeLetter, int faceSet, char suitLetter) {
  return QStringLiteral("C") + QChar::fromLatin1(sizeLetter) + digits(faceSet, 3) + QChar::fromLatin1(suitLetter);
}

QString markerName(char sizeLetter, int marker) {
  return QStringLiteral("W") + QChar::fromLatin1(sizeLetter) + digits(marker, 3);
}

QString shadowName(char sizeLetter, int part) {
  return QStringLiteral("SHADOW_") + QChar::fromLatin1(sizeLetter) + QString::number(part);
}

QString deckEdgeName(char sizeLetter, int part) {
  return QStringLiteral("3D_BORDER_") + QChar::fromLatin1(sizeLetter) + QString::number(part);
}

QString gamePreviewName(int gameNumber) { return QStringLiteral("GAME") + digits(gameNumber, 4); }

QString cursorName(int cursorNumber) {
  const bool holding = cursorNumber >= 20;
  const int set = holding ? cursorNumber - 20 : cursorNumber - 10;
  if (set < 0 || set >= static_cast<int>(kCursorStems.size())) return {};
  return QString::fromLatin1(kCursorStems[static_cast<std::size_t>(set)]) + (holding ? u'B' : u'A');
}

QString counterCellName(int rank, bool faceUp) {
  return QStringLiteral("Card_") + QString::number(rank) + (faceUp ? QStringLiteral("_Up") : QStringLiteral("_Down"));
}

}  // namespace kes
