#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <optional>

#include "catalogue_compiler/game_source.h"
#include "catalogue_compiler/param_keys.h"
#include "datafiles/game_categories.h"
#include "datafiles/game_list.h"
#include "engine/custom_rules.h"

namespace kes::catalogue {

std::string Diagnostic::text() const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

namespace {

struct Entry {
  std::string key;
  std::string value;
  int line;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A comment starts with "#" at the start of the line or after a blank.
std::string_view withoutComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i)
    if (line[i] == '#' && (i == 0 || isBlank(line[i - 1]))) return line.substr(0, i);
  return line;
}

std::optional<long> integer(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool fits16(long v) { return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max(); }

std::vector<std::string_view> listItems(std::string_view text) {
  std::vector<std::string_view> items;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (isBlank(text[i]) || text[i] == ',')) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isBlank(text[i]) && text[i] != ',') ++i;
    if (i > start) items.push_back(text.substr(start, i - start));
  }
  return items;
}

struct ListValue {
  const ParamKey* key;
  std::vector<std::int16_t> values;
  int line;
};

class Parser {
 public:
  explicit Parser(const std::string& file) { result_.game.file = file; }

  ParsedSource run(std::string_view text) {
    for (const Entry& e : splitEntries(text)) apply(e);
    checkIdentity();
    checkCountsAndLists();
    checkCards();
    return std::move(result_);
  }

 private:
  void error(int line, std::string message) { result_.errors.push_back({result_.game.file, line, std::move(message)}); }

  std::vector<Entry> splitEntries(std::string_view text) {
    std::vector<Entry> entries;
    int lineNo = 0;
    while (!text.empty()) {
      const std::size_t eol = text.find('\n');
      const std::string_view raw = text.substr(0, eol);
      text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
      ++lineNo;
      const std::string_view line = withoutComment(raw);
      if (trim(line).empty()) continue;
      if (isBlank(line.front())) {
        if (entries.empty())
          error(lineNo, "a continuation line with no key above it");
        else
          entries.back().value += (entries.back().value.empty() ? "" : " ") + std::string(trim(line));
        continue;
      }
      const std::size_t eq = line.find('=');
      if (eq == std::string_view::npos) {
        error(lineNo, "expected 'key = value'");
        continue;
      }
      entries.push_back({std::string(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1))), lineNo});
    }
    return entries;
  }

  void apply(const Entry& e) {
    if (const auto [it, fresh] = keyLines_.emplace(e.key, e.line); !fresh) {
      error(e.line, "'" + e.key + "' is given twice (also on line " + std::to_string(it->second) + ")");
      return;
    }
    if (applyIdentity(e)) return;
    if (e.key.starts_with(kRawEntryPrefix)) return applyRawEntry(e);
    if (const ParamKey* key = findParamKey(e.key)) return key->family == PileFamily::None ? applyScalar(*key, e) : applyList(*key, e);
    error(e.line, "unknown key '" + e.key + "'");
  }

  bool applyIdentity(const Entry& e) {
    GameSource& g = result_.game;
    if (e.key == "number") {
      const auto n = integer(e.value);
      if (!n || *n < 1 || *n > kMaxGameNumber)
        error(e.line, "the game number must be 1 to " + std::to_string(kMaxGameNumber) + ": '" + e.value + "'");
      else
        g.number = static_cast<int>(*n);
      g.numberLine = e.line;
    } else if (e.key == "name") {
      const bool printable = std::all_of(e.value.begin(), e.value.end(), [](char c) { return c >= 32 && c <= 126; });
      if (e.value.empty() || e.value.size() > kMaxNameLength || !printable)
        error(e.line, "the name must be 1 to 50 printable ASCII characters");
      else
        g.name = e.value;
      g.nameLine = e.line;
    } else if (e.key == "category") {
      const auto n = integer(e.value);
      if (!n || !findGameCategory(static_cast<int>(*n)) || *n == kCustomGamesCategory)
        error(e.line, "category '" + e.value + "' does not exist");
      else
        g.category = static_cast<int>(*n);
    } else if (e.key == "selected") {
      if (e.value != "yes" && e.value != "no") error(e.line, "selected must be yes or no: '" + e.value + "'");
      g.selected = e.value == "yes";
    } else if (e.key == "rules") {
      g.rules = e.value;
    } else {
      return false;
    }
    return true;
  }

  std::optional<std::int16_t> value(const ValueKind& kind, std::string_view text, const std::string& key, int line) {
    const auto v = parseValue(kind, text);
    if (!v) {
      error(line, "unknown symbol '" + std::string(text) + "' for " + key + " (a number or a " + kind.name + " symbol)");
      return std::nullopt;
    }
    if (!fits16(*v)) {
      error(line, "value " + std::string(text) + " of " + key + " is outside 16 bits");
      return std::nullopt;
    }
    return static_cast<std::int16_t>(*v);
  }

  void setEntry(int entry, std::int16_t v, const std::string& key, int line) {
    if (const auto [it, fresh] = entryKeys_.emplace(entry, key); !fresh) {
      error(line, "entry " + std::to_string(entry) + " is set both by " + it->second + " and by " + key);
      return;
    }
    result_.game.params[static_cast<std::size_t>(entry)] = v;
  }

  void applyRawEntry(const Entry& e) {
    const auto n = integer(std::string_view(e.key).substr(kRawEntryPrefix.size()));
    if (!n) return error(e.line, "unknown key '" + e.key + "'");
    if (*n > Param::kLast) return error(e.line, "parameter " + std::to_string(*n) + " is above 345");
    if (*n < 1) return error(e.line, "parameter " + std::to_string(*n) + " does not exist (parameters are 1 to 345)");
    if (const auto v = value(kinds::kNumber, e.value, e.key, e.line)) setEntry(static_cast<int>(*n), *v, e.key, e.line);
  }

  void applyScalar(const ParamKey& key, const Entry& e) {
    if (const auto v = value(*key.kind, e.value, e.key, e.line)) setEntry(key.entry, *v, e.key, e.line);
  }

  void applyList(const ParamKey& key, const Entry& e) {
    ListValue list{&key, {}, e.line};
    const int slots = pileFamilyInfo(key.family).slots;
    for (std::string_view item : listItems(e.value)) {
      long repeat = 1;
      if (const std::size_t star = item.rfind('*'); star != std::string_view::npos) {
        const auto n = integer(item.substr(star + 1));
        if (!n || *n < 1 || *n > slots) {
          error(e.line, "bad repeat count in '" + std::string(item) + "' of " + e.key);
          return;
        }
        repeat = *n;
        item = item.substr(0, star);
      }
      const auto v = value(*key.kind, item, e.key, e.line);
      if (!v) return;
      list.values.insert(list.values.end(), static_cast<std::size_t>(repeat), *v);
    }
    lists_.push_back(std::move(list));
  }

  void checkIdentity() {
    const GameSource& g = result_.game;
    if (g.numberLine == 0) error(0, "no 'number' is given");
    if (g.nameLine == 0) error(0, "no 'name' is given");
    if (!keyLines_.contains("category")) error(0, "no 'category' is given");
  }

  void checkCountsAndLists() {
    auto& params = result_.game.params;
    for (PileFamily family : {PileFamily::Foundation, PileFamily::Tableau, PileFamily::Reserve}) {
      const PileFamilyInfo info = pileFamilyInfo(family);
      const int count = params[static_cast<std::size_t>(info.countEntry)];
      if (count < 0 || count > info.slots)
        error(lineOf(info.countKey), std::string(info.countKey) + " must be 0 to " + std::to_string(info.slots));
    }
    for (const ListValue& list : lists_) {
      const PileFamilyInfo info = pileFamilyInfo(list.key->family);
      const int count = params[static_cast<std::size_t>(info.countEntry)];
      const auto n = static_cast<int>(list.values.size());
      if (n != count && n != info.slots) {
        error(list.line, std::string(list.key->name) + " gives " + std::to_string(n) + " values but " + info.countKey +
                             " is " + std::to_string(count) + " (give " + std::to_string(count) + ", or all " +
                             std::to_string(info.slots) + ")");
        continue;
      }
      for (int i = 0; i < n; ++i) setEntry(list.key->entry + i, list.values[static_cast<std::size_t>(i)], list.key->name, list.line);
    }
  }

  // A game is dealt from one or two packs, and never more cards than they hold.
  void checkCards() {
    const auto& p = result_.game.params;
    const auto at = [&](int entry) { return static_cast<int>(p[static_cast<std::size_t>(entry)]); };
    const int cards = at(Param::CardCount);
    if (cards != 52 && cards != 104) return error(lineOf("cards"), "cards must be 52 or 104");
    constexpr int kOneOfRank = 1000;
    int dealt = at(Param::StockDealCount) + at(Param::WasteDealCount) + at(Param::SecondWasteDealCount);
    for (int i = 0; i < 26; ++i) {
      const int n = at(Param::tableauDealCount(i));
      dealt += n > kOneOfRank ? 1 : std::max(n, 0);
    }
    for (int i = 0; i < 8; ++i) dealt += std::max(at(Param::reserveDealCount(i)), 0);
    if (dealt > cards)
      error(lineOf("cards"), "the deal needs " + std::to_string(dealt) + " cards but the game has " + std::to_string(cards));
  }

  int lineOf(const std::string& key) const {
    const auto it = keyLines_.find(key);
    return it == keyLines_.end() ? 0 : it->second;
  }

  ParsedSource result_;
  std::map<std::string, int> keyLines_;
  std::map<int, std::string> entryKeys_;
  std::vector<ListValue> lists_;
};

}  // namespace

ParsedSource parseGameSource(std::string_view text, const std::string& file) { return Parser(file).run(text); }

}  // namespace kes::catalogue
