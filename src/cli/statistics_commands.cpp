#include "statistics_commands.h"

#include <algorithm>
#include <ostream>

#include "datafiles/custom_games_file.h"
#include "datafiles/file_text.h"
#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/section_file.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_sources.h"

namespace kes::cli {

namespace {

constexpr const char* kScoringSystem = "01";

std::optional<int> gameArgument(CliContext& ctx, const char* command) {
  const std::string& s = ctx.args.empty() ? std::string() : ctx.args[0];
  if (s.empty() || s.size() > 4 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    ctx.err << command << ": a game is a number of 1 to 4 digits: '" << s << "'\n";
    return std::nullopt;
  }
  return std::stoi(s);
}

std::shared_ptr<const CatalogueText> catalogueOf(const DataDirs& dirs) {
  auto catalogue = readCatalogue(catalogueFile(dirs.install));
  return catalogue ? std::make_shared<const CatalogueText>(std::move(*catalogue)) : nullptr;
}

void printStats(std::ostream& out, const std::string& player, const PlayerGameStats& s) {
  out << player << '\t' << s.won << '\t' << s.lost << '\t' << s.longestWinningStreak << '\t'
      << s.longestLosingStreak << '\t' << s.currentWinningStreak << '\t' << s.currentLosingStreak << '\t'
      << s.scoreTotal << '\n';
}

}  // namespace

void StreamSink::information(const std::string& text) {
  std::string message = text;
  std::replace(message.begin(), message.end(), '\r', '\n');
  out_ << message << '\n';
}

int runStats(CliContext& ctx) {
  if (ctx.args.empty() || ctx.args.size() > 2) {
    ctx.err << "usage: kestrova-cli stats GAME [PLAYER]\n";
    return kExitUsage;
  }
  const auto game = gameArgument(ctx, "stats");
  if (!game) return kExitUsage;
  StreamSink sink(ctx.err);
  const StatisticsFiles files = statisticsFilesOf(ctx.dirs, sink, nullptr);
  if (ctx.args.size() == 2) {
    printStats(ctx.out, ctx.args[1], readPlayerGameStats(files, *game, ctx.args[1]));
    return kExitOk;
  }
  const SectionFile stat(files.stat(), sink);
  for (const std::string& line : stat.readSectionLines(gameSection(*game))) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;
    printStats(ctx.out, line.substr(0, eq), PlayerGameStats::parse(std::string_view(line).substr(eq + 1)));
  }
  return kExitOk;
}

int runHiScores(CliContext& ctx) {
  if (ctx.args.size() != 1) {
    ctx.err << "usage: kestrova-cli hiscores GAME\n";
    return kExitUsage;
  }
  const auto game = gameArgument(ctx, "hiscores");
  if (!game) return kExitUsage;
  StreamSink sink(ctx.err);
  const StatisticsFiles files = statisticsFilesOf(ctx.dirs, sink, catalogueOf(ctx.dirs));
  const HiScoreTable table = readHiScores(files, *game, kScoringSystem);
  for (std::size_t i = 0; i < table.entries.size(); ++i) {
    const std::string& e = table.entries[i];
    ctx.out << i + 1 << '\t' << entryPlayer(e);
    if (!isBlankEntry(e)) {
      ctx.out << '\t' << entryScore(e) << '\t' << entrySeconds(e) << '\t' << withoutTrailingBlanks(e.substr(79, 4))
              << '\t' << e.substr(14, 8) << '\t' << e.substr(23, 8) << '\t' << withoutTrailingBlanks(e.substr(63, 15));
    }
    ctx.out << '\n';
  }
  return kExitOk;
}

int runLog(CliContext& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "usage: kestrova-cli log\n";
    return kExitUsage;
  }
  StreamSink sink(ctx.err);
  const StatisticsFiles files = statisticsFilesOf(ctx.dirs, sink, nullptr);
  const auto bytes = readFileBytes(files.log());
  if (!bytes) return kExitOk;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto l = GameLogLine::parse(line);
    if (!l) {
      ctx.out << "unreadable\t" << line << '\n';
      continue;
    }
    ctx.out << l->date << '\t' << l->time << '\t' << l->seconds << '\t' << l->game << '\t' << l->gameName << '\t'
            << l->player << '\t' << (l->won ? "Won" : "Lost") << '\t' << l->scoringSystem << '\t' << l->score << '\t'
            << l->dealNumber << '\n';
  }
  return kExitOk;
}

int runOverall(CliContext& ctx) {
  if (!ctx.args.empty()) {
    ctx.err << "usage: kestrova-cli overall\n";
    return kExitUsage;
  }
  StreamSink sink(ctx.err);
  const StatisticsFiles files = statisticsFilesOf(ctx.dirs, sink, nullptr);
  for (const OverallScore& o : readOverallScores(files))
    ctx.out << o.player << '\t' << o.score << '\t' << o.seconds << '\n';
  return kExitOk;
}

}  // namespace kes::cli
