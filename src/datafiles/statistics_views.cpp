#include "statistics_views.h"

#include <algorithm>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/pad.h"
#include "datafiles/stat_file.h"
#include "datafiles/whole_number.h"

namespace kes {

std::optional<int> wonPercent(long long first, long long second) {
  const long long total = first + second;
  if (total <= 0) return std::nullopt;
  // trunc(first * 100 / total + 0.5) in whole numbers.
  return static_cast<int>((first * 200 + total) / (2 * total));
}

std::string percentCell(long long first, long long second) {
  const auto percent = wonPercent(first, second);
  return percent ? std::to_string(*percent) + " %" : std::string("0");
}

std::string playingTimeText(long long seconds, int hourDigits) {
  if (seconds < 0) seconds = 0;
  const long long hours = seconds / 3600;
  std::string h = std::to_string(hours);
  if (static_cast<int>(h.size()) < hourDigits) h.insert(0, static_cast<std::size_t>(hourDigits) - h.size(), '0');
  return h + ":" + pad(seconds / 60 % 60, 2) + ":" + pad(seconds % 60, 2);
}

void StatTable::add(int game, std::string player, const PlayerGameStats& stats) {
  // The first key of a name counts, as a look-up of the section finds it.
  games_[game].try_emplace(std::move(player), stats);
}

PlayerGameStats StatTable::find(int game, std::string_view player) const {
  const auto g = games_.find(game);
  if (g == games_.end()) return {};
  const auto p = g->second.find(player);
  return p == g->second.end() ? PlayerGameStats{} : p->second;
}

std::optional<StatTable> readStatTable(const StatisticsFiles& files) {
  std::error_code ec;
  if (!std::filesystem::exists(files.stat(), ec)) return StatTable{};
  const auto bytes = readFileBytes(files.stat());
  if (!bytes) return std::nullopt;
  StatTable table;
  std::optional<int> game;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.starts_with('[')) {
      const auto close = line.find(']');
      const auto n = wholeNumber(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      game = n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
      continue;
    }
    const auto eq = line.find('=');
    if (!game || eq == std::string_view::npos || eq == 0) continue;
    table.add(*game, std::string(line.substr(0, eq)), PlayerGameStats::parse(line.substr(eq + 1)));
  }
  return table;
}

std::vector<GameStatRow> allGamesRows(const StatTable& table, const std::vector<GameChoice>& games,
                                      const std::string& player, StatValues kind, const ConfigRecord& config) {
  std::vector<GameStatRow> rows;
  const auto current = wholeNumber(config.get(Field::CurrentGame));
  for (const GameChoice& g : games) {
    GameStatRow row{g.name, 0, 0, {}};
    if (kind == StatValues::CurrentSession) {
      if (!current || *current != g.number) continue;
      const SessionCounts session = sessionCounts(config, g.number, player);
      row.first = session.won;
      row.second = session.lost;
    } else {
      const PlayerGameStats s = table.find(g.number, player);
      row.first = kind == StatValues::Total ? s.won : s.longestWinningStreak;
      row.second = kind == StatValues::Total ? s.lost : s.longestLosingStreak;
    }
    row.percent = percentCell(row.first, row.second);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<PlayerStanding> playerStandings(const StatTable& table, int game, const std::vector<std::string>& players,
                                            PlayerValue kind) {
  std::vector<PlayerStanding> standings;
  for (const std::string& player : players) {
    const PlayerGameStats s = table.find(game, player);
    const long long played = s.won + s.lost;
    long long value = 0;
    if (kind == PlayerValue::WonPercent)
      value = wonPercent(s.won, s.lost).value_or(0);
    else if (played > 0)
      value = s.scoreTotal / played;
    standings.push_back({player, value});
  }
  std::stable_sort(standings.begin(), standings.end(),
                   [](const PlayerStanding& a, const PlayerStanding& b) { return a.value > b.value; });
  return standings;
}

}  // namespace kes
