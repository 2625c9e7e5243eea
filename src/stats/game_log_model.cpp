#include "stats/game_log_model.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <array>
#include <tuple>

#include "datafiles/statistics_views.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

constexpr std::array kHeadings{"Date", "Start", "Time", "Game", "W/L", "Score", "Player", "Game number"};

enum Column { kDate, kStart, kTime, kGame, kResult, kScore, kPlayer, kDealNumber };

QString shortDate(const std::string& yyyymmdd) {
  const QDate date = QDate::fromString(QString::fromStdString(yyyymmdd), QStringLiteral("yyyyMMdd"));
  return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

QString trimmedLeft(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? QString() : QString::fromStdString(text.substr(first));
}

long long scoreNumber(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? 0 : wholeNumber(std::string_view(text).substr(first)).value_or(0);
}

}  // namespace

void GameLogModel::setLog(std::shared_ptr<const GameLogText> log) {
  beginResetModel();
  log_ = std::move(log);
  rows_.clear();
  endResetModel();
}

void GameLogModel::setRows(std::vector<std::size_t> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

GameLogLine GameLogModel::lineOf(int row) const {
  return GameLogLine::parse(log_->line(rows_[static_cast<std::size_t>(row)])).value_or(GameLogLine{});
}

int GameLogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GameLogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kHeadings.size());
}

QString GameLogModel::cellText(const GameLogLine& line, int column) {
  switch (column) {
    case kDate: return shortDate(line.date);
    case kStart: return QString::fromStdString(line.time.substr(0, 5));
    case kTime: return QString::fromStdString(playingTimeText(line.seconds, 1));
    case kGame: return QString::fromStdString(line.gameName);
    case kResult: return line.won ? QStringLiteral("Won") : QStringLiteral("Lost");
    case kScore: return trimmedLeft(line.score);
    case kPlayer: return QString::fromStdString(line.player);
    case kDealNumber: return QString::fromStdString(line.dealNumber);
    default: return {};
  }
}

QVariant GameLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return cellText(lineOf(index.row()), index.column());
  if (role == Qt::TextAlignmentRole && (index.column() == kTime || index.column() == kScore))
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant GameLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= static_cast<int>(kHeadings.size()))
    return QAbstractTableModel::headerData(section, orientation, role);
  return tr(kHeadings[static_cast<std::size_t>(section)]);
}

void GameLogModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= columnCount()) return;
  // Date and start sort by when the game ended, numbers as numbers.
  const auto less = [column](const GameLogLine& a, const GameLogLine& b) {
    switch (column) {
      case kDate:
      case kStart: return std::tie(a.date, a.time) < std::tie(b.date, b.time);
      case kTime: return a.seconds < b.seconds;
      case kGame: return a.gameName < b.gameName;
      case kResult: return a.won < b.won;
      case kScore: return scoreNumber(a.score) < scoreNumber(b.score);
      case kPlayer: return a.player < b.player;
      default: return a.dealNumber < b.dealNumber;
    }
  };
  emit layoutAboutToBeChanged();
  // Taken apart once for the sorting, not at every comparison.
  std::vector<std::pair<GameLogLine, std::size_t>> parsed;
  parsed.reserve(rows_.size());
  for (int r = 0; r < rowCount(); ++r) parsed.emplace_back(lineOf(r), rows_[static_cast<std::size_t>(r)]);
  const auto byColumn = [&less, order](const auto& a, const auto& b) {
    return order == Qt::AscendingOrder ? less(a.first, b.first) : less(b.first, a.first);
  };
  std::stable_sort(parsed.begin(), parsed.end(), byColumn);
  for (std::size_t i = 0; i < parsed.size(); ++i) rows_[i] = parsed[i].second;
  emit layoutChanged();
}

}  // namespace kes
