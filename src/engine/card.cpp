#include "card.h"

namespace kes {

bool isCourtCard(int code) { return cardRank(code) >= 11; }

int rankBelow(int rank) { return rank == 1 ? kRanksPerSuit : rank - 1; }

int rankAbove(int rank) { return rank == kRanksPerSuit ? 1 : rank + 1; }

std::string rankLabel(int rank) {
  switch (rank) {
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(rank);
  }
}

std::string cardCodeText(int code) {
  if (code < 0) code = 0;
  return {static_cast<char>('0' + code / 100 % 10), static_cast<char>('0' + code / 10 % 10),
          static_cast<char>('0' + code % 10)};
}

int parseCardCode(const char* d) {
  for (int i = 0; i < 3; ++i)
    if (d[i] < '0' || d[i] > '9') return -1;
  return (d[0] - '0') * 100 + (d[1] - '0') * 10 + (d[2] - '0');
}

}  // namespace kes
