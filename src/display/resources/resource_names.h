#pragma once

#include <QString>

#include <array>

namespace kes {

// Names under which the pictures and cursors of KES.RGF are asked for.

// The card sizes a picture can be made for, by their `CardSize` letter.
inline constexpr std::array<char, 3> kCardSizeLetters{'B', 'M', 'L'};

// Suit letters of the face bitmaps, in the order of the card codes.
inline constexpr std::array<char, 4> kSuitLetters{'H', 'D', 'C', 'S'};

inline constexpr int kFaceSetCount = 5;      // face sets 001 .. 005
inline constexpr int kMarkerCount = 22;      // markers 001 .. 022
inline constexpr int kFacesPerSuit = 13;     // ace to king
inline constexpr int kFaceGridColumns = 5;   // rows of 5, 5 and 3
inline constexpr int kFaceGridRows = 3;

// "C" + size + 3-digit face set + suit letter: the 13 faces of one suit.
QString faceBitmapName(char sizeLetter, int faceSet, char suitLetter);
// "W" + size + 3-digit marker number: an empty-pile marker.
QString markerName(char sizeLetter, int marker);
// "SHADOW_" + size + 1 (right) or 2 (bottom).
QString shadowName(char sizeLetter, int part);
// "3D_BORDER_" + size + 1 (right edge) or 2 (bottom edge) of the stock.
QString deckEdgeName(char sizeLetter, int part);
// "GAME" + 4-digit game number: the preview of a catalogued game.
QString gamePreviewName(int gameNumber);

// The twelve cursors by application cursor number: 10 .. 15 are the normal
// pointers of the cursor sets, 20 .. 25 the same sets while a card is held.
// An empty name for any other number.
QString cursorName(int cursorNumber);
inline constexpr std::array<int, 12> kCursorNumbers{10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25};

// Card counter cells: "Card_" + rank + "_Up" or "_Down".
QString counterCellName(int rank, bool faceUp);

}  // namespace kes
