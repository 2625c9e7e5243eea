#include "overall_score_file.h"

#include <algorithm>
#include <system_error>

#include "datafiles/overall_score_codec.h"
#include "datafiles/pad.h"
#include "datafiles/section_file.h"

namespace kes {

namespace {

const std::string kMissing(kMissingOverallValue);
const std::string kMissingCheck = "0400" + kMissing;

struct PlayerValues {
  std::string score = kMissing;  // plain T01
  std::string time = kMissing;   // plain T02
  std::string check = kMissingCheck;
  std::string best = kMissing;  // plain GS
  std::string bestTime = kMissing;  // plain GT
};

std::string bestKey(const char* prefix, int game) { return prefix + pad(game, 4); }

// A stored value unscrambled, or the plain default when the key is missing.
void readInto(const SectionFile& file, const std::string& player, const std::vector<std::string>& keys,
              std::vector<std::string*> targets) {
  std::vector<bool> found(keys.size(), false);
  const auto lines = file.readSectionLines(player);
  for (const std::string& line : lines) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (!found[k] && line.size() > keys[k].size() && line.starts_with(keys[k]) && line[keys[k].size()] == '=') {
        *targets[k] = unscrambleValue(std::string_view(line).substr(keys[k].size() + 1));
        found[k] = true;
      }
    }
  }
}

PlayerValues readValues(const SectionFile& file, const std::string& player, std::optional<int> game) {
  PlayerValues v;
  std::vector<std::string> keys{"T01", "T02", "T03"};
  std::vector<std::string*> targets{&v.score, &v.time, &v.check};
  if (game) {
    keys.push_back(bestKey("GS-", *game));
    keys.push_back(bestKey("GT-", *game));
    targets.push_back(&v.best);
    targets.push_back(&v.bestTime);
  }
  readInto(file, player, keys, targets);
  return v;
}

// The first value of the player's section that is not sound; empty when
// every one is. The game's best values are read only when there is a game.
std::string valuesProblem(const PlayerValues& v, const std::string& player, std::optional<int> game) {
  if (!overallScoreOf(v.score) || !overallTimeOf(v.time))
    return overallValueProblem(overallScoreOf(v.score) ? "T02" : "T01", player, false);
  if (!overallValuesConsistent(v.score, v.time, v.check)) return overallValueProblem("T03", player, true);
  if (!game) return {};
  if (!bestScoreOf(v.best) || !bestValueConsistent(v.best))
    return overallValueProblem(bestKey("GS-", *game), player, bestScoreOf(v.best).has_value());
  if (!bestTimeOf(v.bestTime) || !bestValueConsistent(v.bestTime))
    return overallValueProblem(bestKey("GT-", *game), player, bestTimeOf(v.bestTime).has_value());
  return {};
}

}  // namespace

std::string overallScoreDamagedMessage(const std::filesystem::path& file, const std::string& problem) {
  return std::string(kOverallScoreDamaged) + "\rThe file " + file.string() + " is damaged: " + problem;
}

std::string overallValueProblem(const std::string& key, const std::string& player, bool isNumber) {
  return "the value " + key + " of the player \"" + player + "\" " +
         (isNumber ? "does not match its check." : "is not a number.");
}

void startOverallScoresAfresh(const StatisticsFiles& files, const std::string& problem) {
  std::error_code ec;
  std::filesystem::remove(files.overall(), ec);
  files.messages->information(overallScoreDamagedMessage(files.overall(), problem));
}

bool updateOverallScore(const StatisticsFiles& files, int game, const std::string& player, long long seconds,
                        long long score) {
  if (game < 0 || game >= kFirstCustomGame || score < 0) return false;
  std::error_code ec;
  std::filesystem::create_directories(files.folder, ec);
  SectionFile file(files.overall(), *files.messages, *files.fs);
  file.createIfMissing();
  const PlayerValues v = readValues(file, player, game);
  if (const std::string problem = valuesProblem(v, player, game); !problem.empty()) {
    startOverallScoresAfresh(files, problem);
    return false;
  }
  long long overall = *overallScoreOf(v.score);
  long long overallTime = *overallTimeOf(v.time);
  long long best = *bestScoreOf(v.best);
  long long bestTime = *bestTimeOf(v.bestTime);
  if (score > 0 && (score > best || (score == best && seconds < bestTime))) {
    overall += score - best;
    overallTime += seconds - bestTime;
    best = score;
    bestTime = seconds;
  }
  const auto& filler = files.fillerDigit;
  const std::string t01 = overallScoreValue(overall, filler);
  const std::string t02 = overallTimeValue(overallTime, filler);
  const std::vector<KeyValue> pairs{{"T01", scrambleValue(t01)},
                                    {"T02", scrambleValue(t02)},
                                    {"T03", scrambleValue(overallCheckValue(t01, t02))},
                                    {bestKey("GS-", game), scrambleValue(bestScoreValue(best, filler))},
                                    {bestKey("GT-", game), scrambleValue(bestTimeValue(bestTime, filler))}};
  // Every other game's best stays as it is; only these five change.
  std::vector<KeyValue> section = pairs;
  for (const std::string& line : file.readSectionLines(player)) {
    const auto eq = line.find('=');
    const std::string key = line.substr(0, eq);
    const bool replaced = std::any_of(pairs.begin(), pairs.end(), [&](const KeyValue& p) { return p.key == key; });
    if (!replaced && eq != std::string::npos) section.push_back({key, line.substr(eq + 1)});
  }
  return file.replaceSection(player, section);
}

std::vector<OverallScore> readOverallScores(const StatisticsFiles& files) {
  const SectionFile file(files.overall(), *files.messages, *files.fs);
  std::vector<OverallScore> scores;
  for (const std::string& player : file.listSections()) {
    const PlayerValues v = readValues(file, player, std::nullopt);
    if (const std::string problem = valuesProblem(v, player, std::nullopt); !problem.empty()) {
      startOverallScoresAfresh(files, problem);
      return {};
    }
    scores.push_back({player, *overallScoreOf(v.score), *overallTimeOf(v.time)});
  }
  std::stable_sort(scores.begin(), scores.end(), [](const OverallScore& a, const OverallScore& b) {
    return a.score != b.score ? a.score > b.score : a.seconds < b.seconds;
  });
  return scores;
}

std::optional<BestResult> readBestResult(const StatisticsFiles& files, const std::string& player, int game) {
  const SectionFile file(files.overall(), *files.messages, *files.fs);
  const PlayerValues v = readValues(file, player, game);
  if (const std::string problem = valuesProblem(v, player, game); !problem.empty()) {
    startOverallScoresAfresh(files, problem);
    return std::nullopt;
  }
  return BestResult{*bestScoreOf(v.best), *bestTimeOf(v.bestTime)};
}

}  // namespace kes
