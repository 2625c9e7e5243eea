#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kes::cli {

// The readable source of a game's demo: which deal, whether the line wins,
// and the player's moves in the words of "kestrova-cli play" (played with
// autoplay off). Lines starting with "#" are comments.
//
//   game 23
//   deal 17
//   result won
//   move 12 Fila3
//   stock
struct DemoMoves {
  int game = 0;
  std::string dealNumber;
  bool won = false;
  std::vector<std::string> moves;
  std::vector<std::string> comments;  // written after the header, without "# "
};

// Nothing, with the reason in error, when the text is not a move list.
std::optional<DemoMoves> parseDemoMoves(std::istream& in, std::string& error);
void writeDemoMoves(std::ostream& out, const DemoMoves& demo);

// "data/demos/023.moves" names game 23's list: three digits, four from 1000.
std::string demoMovesFileName(int game);

}  // namespace kes::cli
