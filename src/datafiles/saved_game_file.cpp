#include "saved_game_file.h"

#include <algorithm>
#include <vector>

#include "datafiles/pad.h"
#include "datafiles/safe_replace.h"
#include "datafiles/whole_number.h"
#include "engine/card.h"

namespace kes {

namespace {

constexpr std::size_t kHeaderWidth = 95;
constexpr std::size_t kSecondLineWidth = 98;
constexpr std::size_t kEmptyLines = 10;
constexpr std::size_t kFirstPileLine = 2 + kEmptyLines;  // index of line 13
constexpr std::size_t kFirstHistoryLine = kFirstPileLine + kPileCount;
constexpr std::size_t kSectionCount = 5;
constexpr std::size_t kLogSection = 4;
// The fewest lines a saved game has: the table, five section headers and the log.
constexpr std::size_t kShortestFile = kFirstHistoryLine + kSectionCount + 1;
constexpr std::array<std::string_view, kSectionCount> kSections{
    "[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]", "[UNDO - Reserves]", "[UNDO - Log]"};
// Written values are kept within their fields, so that every file written
// can be read back (a "*" filled field is no number).
constexpr long long kMostSeconds = 999999;
constexpr long long kLeastScore = -99999;
constexpr long long kMostScore = 999999;

constexpr const char* kCrLf = "\r\n";

// A text field: left-aligned, blank-filled, cut to its width.
std::string textField(std::string_view s, std::size_t width) {
  std::string t(s.substr(0, width));
  t.resize(width, ' ');
  return t;
}

// Characters first..first+width-1, counted from 1.
std::string_view field(std::string_view line, std::size_t first, std::size_t width) {
  return line.substr(first - 1, width);
}

std::string_view trimRight(std::string_view s) {
  const auto end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

std::string headerLine(const SavedGame& g) {
  const SavedAppearance& a = g.appearance;
  return "[S-" + std::string(kSavedGameVersion) + "]" + pad(g.game, 4) + textField(a.backgroundBitmap, 30) +
         pad(a.backgroundColour, 15) + textField(a.useDefaultBackground, 4) + std::string(1, a.cardSize) +
         textField(a.faceSet, 9) + pad(a.backDesign, 4) +
         pad(std::clamp<long long>(g.elapsedSeconds, 0, kMostSeconds), 6) + pad(g.scoringSystem, 2) +
         pad(std::clamp<long long>(g.score, kLeastScore, kMostScore), 6) + pad(g.passNumber, 6);
}

std::string secondLine(const SavedGame& g) {
  std::string line = textField(g.playerName, 50) + textField(g.dealNumber, 15) + ' ';
  for (const auto& base : g.foundationBases) line += base ? pad(*base, 2) : "  ";
  return line;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

std::string lineName(std::size_t index) { return "line " + std::to_string(index + 1); }

// Reads the lines of one file into a SavedGame; the first problem found
// stops it.
class Parser {
 public:
  explicit Parser(std::string_view bytes) : lines_(splitLines(bytes)) {}

  SavedGameParse run() {
    if (readHeader() && readSecondLine() && readEmptyLines() && readTable() && readHistory())
      return {std::move(game_), {}};
    return {std::nullopt, problem_};
  }

 private:
  bool fail(std::string problem) {
    problem_ = std::move(problem);
    return false;
  }

  bool number(std::string_view line, std::size_t index, std::size_t first, std::size_t width, const char* what,
              long long& value) {
    const std::string_view text = field(line, first, width);
    const auto n = wholeNumber(text);
    if (!n) return fail(lineName(index) + ": the " + what + " \"" + std::string(text) + "\" is not a number.");
    value = *n;
    return true;
  }

  bool readHeader() {
    if (lines_.empty()) return fail("the file is empty.");
    const std::string_view h = lines_[0];
    if (h.size() < 8 || h.substr(0, 3) != "[S-" || h[7] != ']')
      return fail("it is not a saved game: line 1 does not begin with \"[S-\" and a version.");
    const std::string_view version = field(h, 4, 4);
    if (version < kOldestSavedGameVersion)
      return fail("it was saved by an older version of the program (file version " + std::string(version) +
                  "), whose files cannot be read.");
    if (lines_.size() < kShortestFile)
      return fail("it is cut short: it has " + std::to_string(lines_.size()) + " lines, a saved game has at least " +
                  std::to_string(kShortestFile) + ".");
    if (h.size() != kHeaderWidth)
      return fail("line 1 has " + std::to_string(h.size()) + " characters instead of " +
                  std::to_string(kHeaderWidth) + ".");
    long long game = 0, seconds = 0, scoring = 0, score = 0, pass = 0;
    if (!number(h, 0, 9, 4, "game number", game) || !number(h, 0, 76, 6, "playing time", seconds) ||
        !number(h, 0, 82, 2, "scoring system", scoring) || !number(h, 0, 84, 6, "score", score) ||
        !number(h, 0, 90, 6, "pass number", pass))
      return false;
    if (game < 1) return fail("line 1: the game number " + std::to_string(game) + " is no game.");
    if (seconds < 0) return fail("line 1: the playing time is negative.");
    game_.game = static_cast<int>(game);
    game_.elapsedSeconds = static_cast<int>(seconds);
    game_.scoringSystem = static_cast<int>(scoring);
    game_.score = static_cast<int>(score);
    game_.passNumber = static_cast<int>(pass);
    readAppearance(h);
    return true;
  }

  void readAppearance(std::string_view h) {
    SavedAppearance& a = game_.appearance;
    a.backgroundBitmap = trimRight(field(h, 13, 30));
    a.backgroundColour = wholeNumber(field(h, 43, 15)).value_or(0);
    a.useDefaultBackground = trimRight(field(h, 58, 4));
    a.cardSize = h[61];
    a.faceSet = trimRight(field(h, 63, 9));
    a.backDesign = static_cast<int>(wholeNumber(field(h, 72, 4)).value_or(0));
  }

  bool readSecondLine() {
    const std::string_view l = lines_[1];
    if (l.size() != kSecondLineWidth)
      return fail("line 2 has " + std::to_string(l.size()) + " characters instead of " +
                  std::to_string(kSecondLineWidth) + ".");
    game_.playerName = trimRight(field(l, 1, 30));
    game_.dealNumber = trimRight(field(l, 51, 13));
    if (game_.dealNumber.find_first_not_of("0123456789") != std::string::npos)
      return fail("line 2: the deal number \"" + game_.dealNumber + "\" is not a number.");
    // A base that is no number leaves the game's own base in place.
    for (std::size_t f = 0; f < game_.foundationBases.size(); ++f) {
      const auto base = wholeNumber(field(l, 67 + 2 * f, 2));
      if (base) game_.foundationBases[f] = static_cast<int>(*base);
    }
    return true;
  }

  bool readEmptyLines() {
    for (std::size_t i = 2; i < kFirstPileLine; ++i)
      if (!lines_[i].empty()) return fail(lineName(i) + " should be empty.");
    return true;
  }

  // One pile line: four-character groups of a card code up to the largest
  // and a face flag.
  bool pileLineOk(std::size_t index, std::string_view line) {
    if (line.size() % 4 != 0)
      return fail(lineName(index) + " has " + std::to_string(line.size()) +
                  " characters, which is not a pile of four-character cards.");
    for (std::size_t g = 0; g < line.size(); g += 4) {
      const int code = parseCardCode(line.data() + g);
      if (code < 0 || (line[g + 3] != '0' && line[g + 3] != '1'))
        return fail(lineName(index) + ": \"" + std::string(line.substr(g, 4)) + "\" is not a card.");
      if (code > kMaxCards)
        return fail(lineName(index) + ": the card code " + std::to_string(code) + " is out of range.");
    }
    return true;
  }

  bool readTable() {
    for (std::size_t o = 0; o < kPileCount; ++o) {
      const std::size_t index = kFirstPileLine + o;
      if (!pileLineOk(index, lines_[index])) return false;
      game_.table[o] = lines_[index];
    }
    return true;
  }

  // The five sections in their order; each line after a header belongs to it.
  bool readHistory() {
    std::array<std::vector<std::size_t>, kSectionCount> sections;
    std::size_t current = 0;
    std::size_t i = kFirstHistoryLine;
    if (lines_[i] != kSections[0]) return fail(lineName(i) + " should be \"" + std::string(kSections[0]) + "\".");
    for (++i; i < lines_.size(); ++i) {
      if (current + 1 < kSectionCount && lines_[i] == kSections[current + 1]) {
        ++current;
        continue;
      }
      sections[current].push_back(i);
    }
    if (current != kLogSection)
      return fail("it is cut short: the section \"" + std::string(kSections[current + 1]) + "\" is missing.");
    if (sections[kLogSection].size() != 1)
      return fail(sections[kLogSection].empty() ? std::string("it is cut short: the log line is missing.")
                                                : "the section \"[UNDO - Log]\" holds more than one line.");
    return readSnapshots(sections) && readLog(lines_[sections[kLogSection][0]]);
  }

  bool readSnapshots(const std::array<std::vector<std::size_t>, kSectionCount>& sections) {
    std::size_t steps = 0;
    for (std::size_t s = 0; s < kFamilySizes.size(); ++s) {
      const auto size = static_cast<std::size_t>(kFamilySizes[s]);
      if (sections[s].size() % size != 0)
        return fail("the section \"" + std::string(kSections[s]) + "\" holds " + std::to_string(sections[s].size()) +
                    " lines, which is not a multiple of " + std::to_string(size) + ".");
      const std::size_t count = sections[s].size() / size;
      if (s > 0 && count != steps)
        return fail("the section \"" + std::string(kSections[s]) + "\" holds " + std::to_string(count) +
                    " tables, the section \"" + std::string(kSections[0]) + "\" " + std::to_string(steps) + ".");
      steps = count;
    }
    game_.undo.snapshots.assign(steps, Snapshot{});
    std::size_t ordinal = 0;
    for (std::size_t s = 0; s < kFamilySizes.size(); ++s) {
      const auto size = static_cast<std::size_t>(kFamilySizes[s]);
      for (std::size_t k = 0; k < sections[s].size(); ++k) {
        const std::size_t index = sections[s][k];
        if (!pileLineOk(index, lines_[index])) return false;
        game_.undo.snapshots[k / size][ordinal + k % size] = lines_[index];
      }
      ordinal += size;
    }
    return true;
  }

  // One element per table, each ended by a comma, of 3-digit move codes.
  bool readLog(std::string_view log) {
    const auto steps = static_cast<std::size_t>(std::count(log.begin(), log.end(), ','));
    bool wellFormed = log.find_first_not_of("0123456789,") == std::string_view::npos &&
                      (log.empty() || log.back() == ',');
    for (std::size_t start = 0; wellFormed && start < log.size();) {
      const std::size_t comma = log.find(',', start);
      wellFormed = (comma - start) % 3 == 0;
      start = comma + 1;
    }
    if (!wellFormed) return fail("the log \"" + std::string(log) + "\" is not a list of move codes.");
    if (steps != game_.undo.snapshots.size())
      return fail("the log holds " + std::to_string(steps) + " steps for " +
                  std::to_string(game_.undo.snapshots.size()) + " tables.");
    game_.undo.log = MoveLog(std::string(log));
    return true;
  }

  std::vector<std::string_view> lines_;
  SavedGame game_;
  std::string problem_;
};

}  // namespace

std::string formatSavedGame(const SavedGame& g) {
  std::string out;
  const std::size_t steps = g.undo.snapshots.size();
  out.reserve((steps + 1) * kPileCount * 30 + 512);
  auto line = [&out](std::string_view text) {
    out += text;
    out += kCrLf;
  };
  line(headerLine(g));
  line(secondLine(g));
  for (std::size_t i = 0; i < kEmptyLines; ++i) line("");
  for (const std::string& pile : g.table) line(pile);
  std::size_t ordinal = 0;
  for (std::size_t s = 0; s < kFamilySizes.size(); ++s) {
    line(kSections[s]);
    const auto size = static_cast<std::size_t>(kFamilySizes[s]);
    for (const Snapshot& snapshot : g.undo.snapshots)
      for (std::size_t k = 0; k < size; ++k) line(snapshot[ordinal + k]);
    ordinal += size;
  }
  line(kSections[kLogSection]);
  line(g.undo.log.text());
  return out;
}

SavedGameParse parseSavedGame(std::string_view bytes) { return Parser(bytes).run(); }

bool writeSavedGame(const std::filesystem::path& file, const SavedGame& game, MessageSink& messages,
                    FileSystemOps& fs) {
  return replaceFileContents(file, formatSavedGame(game), messages, fs);
}

std::string savedGameRefusal(const std::filesystem::path& file, const std::string& problem) {
  return "The saved game " + file.string() + " cannot be loaded: " + problem;
}

ResumePoint resumePointOf(const SavedGame& game) {
  ResumePoint point;
  point.table = game.table;
  point.undo = game.undo;
  point.passNumber = game.passNumber;
  point.score = game.score;
  point.elapsed = std::chrono::seconds(game.elapsedSeconds);
  point.foundationBases = game.foundationBases;
  return point;
}

}  // namespace kes
