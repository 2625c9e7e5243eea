#include "overall_best_results.h"

#include <system_error>

#include "datafiles/overall_score_codec.h"
#include "datafiles/pad.h"
#include "datafiles/section_file.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

struct StoredBest {
  std::string score{kMissingOverallValue};
  std::string time{kMissingOverallValue};
};

// The game of a "GS-nnnn" or "GT-nnnn" key.
std::optional<int> bestKeyGame(std::string_view key, std::string_view prefix) {
  if (!key.starts_with(prefix) || key.size() != prefix.size() + 4) return std::nullopt;
  const auto n = wholeNumber(key.substr(prefix.size()));
  if (!n || *n < 0) return std::nullopt;
  return static_cast<int>(*n);
}

}  // namespace

std::optional<std::map<int, BestResult>> readBestResults(const StatisticsFiles& files, const std::string& player) {
  const SectionFile file(files.overall(), *files.messages, *files.fs);
  std::map<int, StoredBest> stored;
  for (const std::string& line : file.readSectionLines(player)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string_view key = std::string_view(line).substr(0, eq);
    const std::string value = unscrambleValue(std::string_view(line).substr(eq + 1));
    if (const auto game = bestKeyGame(key, "GS-"))
      stored[*game].score = value;
    else if (const auto timed = bestKeyGame(key, "GT-"))
      stored[*timed].time = value;
  }
  std::map<int, BestResult> results;
  for (const auto& [game, best] : stored) {
    const auto score = bestScoreOf(best.score);
    const auto time = bestTimeOf(best.time);
    const bool scoreSound = score && bestValueConsistent(best.score);
    if (!scoreSound || !time || !bestValueConsistent(best.time)) {
      const std::string key = (scoreSound ? "GT-" : "GS-") + pad(game, 4);
      startOverallScoresAfresh(files, overallValueProblem(key, player, scoreSound ? time.has_value() : score.has_value()));
      return std::nullopt;
    }
    results[game] = BestResult{*score, *time};
  }
  return results;
}

long long maximumScore(int parameter34, int parameter265) {
  return parameter34 == -1 ? 4LL * parameter265 : parameter34;
}

}  // namespace kes
