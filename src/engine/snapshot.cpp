#include "snapshot.h"

#include "card.h"

namespace kes {

std::string pileLine(const TableState& table, PileId id) {
  const Pile& p = table.pile(id);
  std::string line;
  line.reserve(static_cast<std::size_t>(p.size()) * 4);
  for (int i = 0; i < p.size(); ++i) {
    const int code = p.cardAt(i);
    if (code < 1) {
      line += "0000";
      continue;
    }
    line += cardCodeText(code);
    line += table.cards.faceFlag(code);
  }
  return line;
}

bool readPileLine(TableState& table, PileId id, std::string_view line) {
  table.pile(id).clear();
  // A trailing partial group (a line cut short or edited by hand) is dropped;
  // the complete groups before it still make the pile.
  const std::size_t whole = line.size() - line.size() % 4;
  for (std::size_t g = 0; g < whole; g += 4) {
    const int code = parseCardCode(line.data() + g);
    const char flag = line[g + 3];
    if (code < 0 || code > kMaxCards || (flag != '0' && flag != '1')) return false;
    table.appendCard(id, code, flag == '1');
  }
  return whole == line.size();
}

Snapshot takeSnapshot(const TableState& table) {
  Snapshot s;
  for (int o = 0; o < kPileCount; ++o) s[static_cast<std::size_t>(o)] = pileLine(table, PileId::fromOrdinal(o));
  return s;
}

bool restoreSnapshot(TableState& table, const Snapshot& snapshot) {
  bool ok = true;
  for (int o = 0; o < kPileCount; ++o)
    ok = readPileLine(table, PileId::fromOrdinal(o), snapshot[static_cast<std::size_t>(o)]) && ok;
  return ok;
}

}  // namespace kes
