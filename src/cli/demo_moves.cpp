#include "demo_moves.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace kes::cli {

namespace {

bool wholeNumber(const std::string& s, int maxDigits) {
  return !s.empty() && static_cast<int>(s.size()) <= maxDigits && s.find_first_not_of("0123456789") == std::string::npos;
}

// One "key value" header line; false when the line is not that key.
bool header(const std::string& line, const std::string& key, std::string& value) {
  if (line.rfind(key + " ", 0) != 0) return false;
  value = line.substr(key.size() + 1);
  return true;
}

}  // namespace

std::optional<DemoMoves> parseDemoMoves(std::istream& in, std::string& error) {
  DemoMoves demo;
  std::string game, result;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line[0] == '#') {
      demo.comments.push_back(line.substr(line.rfind("# ", 0) == 0 ? 2 : 1));
      continue;
    }
    std::string value;
    if (game.empty() && header(line, "game", value)) {
      game = value;
    } else if (demo.dealNumber.empty() && header(line, "deal", value)) {
      demo.dealNumber = value;
    } else if (result.empty() && header(line, "result", value)) {
      result = value;
    } else if (game.empty() || demo.dealNumber.empty() || result.empty()) {
      error = "line " + std::to_string(lineNumber) + ": 'game', 'deal' and 'result' come before the moves";
      return std::nullopt;
    } else {
      demo.moves.push_back(line);
    }
  }
  if (!wholeNumber(game, 4) || std::stoi(game) < 1) {
    error = "the game number is missing or not 1 to 4 digits: '" + game + "'";
    return std::nullopt;
  }
  if (!wholeNumber(demo.dealNumber, 13)) {
    error = "the deal number is missing or not 1 to 13 digits: '" + demo.dealNumber + "'";
    return std::nullopt;
  }
  if (result != "won" && result != "lost") {
    error = "the result is 'won' or 'lost': '" + result + "'";
    return std::nullopt;
  }
  demo.game = std::stoi(game);
  demo.won = result == "won";
  return demo;
}

void writeDemoMoves(std::ostream& out, const DemoMoves& demo) {
  for (const std::string& c : demo.comments) out << "# " << c << "\n";
  out << "game " << demo.game << "\n";
  out << "deal " << demo.dealNumber << "\n";
  out << "result " << (demo.won ? "won" : "lost") << "\n";
  for (const std::string& m : demo.moves) out << m << "\n";
}

std::string demoMovesFileName(int game) {
  std::ostringstream name;
  name.width(3);
  name.fill('0');
  name << game;
  return name.str() + ".moves";
}

}  // namespace kes::cli
