#include "record_result.h"

#include <set>
#include <system_error>

#include "datafiles/file_append.h"
#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/pad.h"
#include "datafiles/stat_file.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

// One failure often brings more (a full disk fails every file): the user
// hears of it once.
class FirstMessageOnly : public MessageSink {
 public:
  explicit FirstMessageOnly(MessageSink& target) : target_(target) {}
  void information(const std::string& text) override {
    if (told_) return;
    told_ = true;
    target_.information(text);
  }

 private:
  MessageSink& target_;
  bool told_ = false;
};

// The overall score's damage message is not a write failure: it is always shown.
class OnceUnlessDamage : public MessageSink {
 public:
  explicit OnceUnlessDamage(MessageSink& target) : target_(target), once_(target) {}
  void information(const std::string& text) override {
    if (text.starts_with(kOverallScoreDamaged))
      target_.information(text);
    else
      once_.information(text);
  }

 private:
  MessageSink& target_;
  FirstMessageOnly once_;
};

void appendLogLine(const StatisticsFiles& files, const GameResult& result, const StampedTime& ended) {
  GameLogLine line;
  line.date = ended.date;
  line.time = ended.time;
  line.seconds = result.seconds;
  line.game = result.game;
  line.gameName = result.gameName;
  line.player = result.player;
  line.won = result.won;
  line.scoringSystem = result.scoringSystem;
  line.score = std::to_string(result.score);
  line.dealNumber = result.dealNumber;
  appendToFile(files.log(), line.format() + "\r\n", *files.messages, *files.fs);
}

void countResult(const StatisticsFiles& files, const GameResult& result, ConfigRecord& config) {
  if (ensureStatFile(files)) {
    PlayerGameStats stats = readPlayerGameStats(files, result.game, result.player);
    stats.add(result.won, result.score);
    writePlayerGameStats(files, result.game, result.player, stats);
  }
  const ConfigField& counter = result.won ? Field::CurrentWins : Field::CurrentLosses;
  config.put(counter, pad(wholeNumber(config.get(counter)).value_or(0) + 1, counter.length));
}

std::optional<int> enterHiScore(const StatisticsFiles& files, const GameResult& result, const StampedTime& ended) {
  HiScoreTable table = readHiScores(files, result.game, result.scoringSystem);
  HiScoreEntry entry;
  entry.score = result.score;
  entry.seconds = result.seconds;
  entry.date = ended.date;
  entry.time = ended.time;
  entry.player = result.player;
  entry.dealNumber = result.dealNumber;
  entry.won = result.won;
  const auto place = insertHiScore(table.entries, entry);
  if (place && !writeHiScores(files, result.game, result.scoringSystem, table.entries)) return std::nullopt;
  return place;
}

}  // namespace

RecordedResult recordResult(const StatisticsFiles& given, const GameResult& result, ConfigRecord& config) {
  OnceUnlessDamage messages(*given.messages);
  StatisticsFiles files = given;
  files.messages = &messages;
  std::error_code ec;
  std::filesystem::create_directories(files.folder, ec);
  const StampedTime ended = files.now ? files.now() : localTimeNow();
  appendLogLine(files, result, ended);
  countResult(files, result, config);
  RecordedResult recorded;
  recorded.hiScorePlace = enterHiScore(files, result, ended);
  updateOverallScore(files, result.game, result.player, result.seconds, result.score);
  return recorded;
}

}  // namespace kes
