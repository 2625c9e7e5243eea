#include "catalogue_odds.h"

#include <array>
#include <sstream>
#include <vector>

namespace kes::cli {

namespace {

constexpr std::string_view kCommentStart = "# Odds from the solver:";
constexpr std::string_view kChanceKey = "chance-of-winning";
// Every key that sets the chance or the odds, by name or by number.
constexpr std::array<std::string_view, 5> kOddsKeys{"odds.wins", "odds.games", "param-343", "param-344",
                                                    "param-345"};

struct Threshold {
  double from;
  std::string_view symbol;
};
constexpr std::array kThresholds{Threshold{0.9, "very-high"}, Threshold{0.7, "high"}, Threshold{0.4, "medium"},
                                 Threshold{0.15, "low"}};

std::string_view keyOf(std::string_view line) {
  const auto end = line.find_first_of(" \t=");
  return line.substr(0, end);
}

bool isOddsLine(std::string_view line) {
  if (line.substr(0, kCommentStart.size()) == kCommentStart) return true;
  const std::string_view key = keyOf(line);
  for (std::string_view k : kOddsKeys)
    if (key == k) return true;
  return false;
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    const auto stop = end == std::string_view::npos ? text.size() : end;
    lines.emplace_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return lines;
}

}  // namespace

std::string_view chanceSymbolFor(double wonShare) {
  for (const Threshold& t : kThresholds)
    if (wonShare >= t.from) return t.symbol;
  return "very-low";
}

std::string oddsComment(const OddsFigures& f) {
  std::ostringstream out;
  out << kCommentStart << " deals " << f.firstDeal << '-' << f.lastDeal << ", " << f.won << " won, " << f.lost
      << " lost, " << f.unknown << " undecided; at most " << f.maxStates << " positions and " << f.maxMs
      << " ms a deal";
  if (!f.trustworthy()) out << "; too many undecided for odds";
  return out.str();
}

std::string withOdds(std::string_view source, const OddsFigures& f) {
  std::vector<std::string> kept;
  for (std::string& line : linesOf(source))
    if (!isOddsLine(line)) kept.push_back(std::move(line));

  std::vector<std::string> added{oddsComment(f)};
  std::string chanceLine;
  if (f.trustworthy()) {
    const double share = static_cast<double>(f.won) / f.deals();
    chanceLine = std::string(kChanceKey) + " = " + std::string(chanceSymbolFor(share));
    added.push_back("odds.wins = " + std::to_string(f.won));
    added.push_back("odds.games = " + std::to_string(f.deals()));
  } else {
    added.push_back("odds.wins = 0");
    added.push_back("odds.games = 0");
  }

  std::vector<std::string> out;
  bool placed = false;
  for (std::string& line : kept) {
    if (!placed && keyOf(line) == kChanceKey) {
      out.push_back(added.front());
      out.push_back(chanceLine.empty() ? std::move(line) : chanceLine);
      out.insert(out.end(), added.begin() + 1, added.end());
      placed = true;
      continue;
    }
    out.push_back(std::move(line));
  }
  if (!placed) {
    while (!out.empty() && out.back().empty()) out.pop_back();
    out.push_back(added.front());
    if (!chanceLine.empty()) out.push_back(chanceLine);
    out.insert(out.end(), added.begin() + 1, added.end());
  }
  std::string text;
  for (const std::string& line : out) text += line + '\n';
  return text;
}

std::optional<int> sourceGameNumber(std::string_view name) {
  constexpr std::string_view kSuffix = ".game";
  if (name.size() < 4 + kSuffix.size() || name[3] != '-' || name.substr(name.size() - kSuffix.size()) != kSuffix)
    return std::nullopt;
  int number = 0;
  for (char c : name.substr(0, 3)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number == 0 ? std::nullopt : std::optional<int>(number);
}

}  // namespace kes::cli
