#include "stats/hi_score_rows.h"

#include <QDate>

#include "datafiles/hi_score_entry.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

// The columns of a stored entry (0-based start, width).
struct Column {
  std::size_t start;
  std::size_t width;
};
constexpr Column kScore{0, 6};
constexpr Column kSeconds{7, 6};
constexpr Column kDate{14, 8};
constexpr Column kPlayer{32, 30};
constexpr Column kDeal{63, 15};
constexpr Column kResult{79, 4};

QString field(std::string_view entry, Column c) {
  if (entry.size() <= c.start) return {};
  return QString::fromStdString(std::string(entry.substr(c.start, c.width)));
}

QString shortDate(const QString& yyyymmdd, const QLocale& locale) {
  const QDate date = QDate::fromString(yyyymmdd, QStringLiteral("yyyyMMdd"));
  return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : yyyymmdd.trimmed();
}

}  // namespace

QStringList hiScoreHeadings() {
  return {QStringLiteral("N."),   QStringLiteral("Player"), QStringLiteral("Score"),      QStringLiteral("Time"),
          QStringLiteral("W/L"), QStringLiteral("Date"),   QStringLiteral("Game number")};
}

QString playingTime(long long seconds) {
  if (seconds < 0) seconds = 0;
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600)
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList hiScoreRow(int place, std::string_view entry, const QLocale& locale) {
  QStringList row{QStringLiteral("%1").arg(place, 2, 10, QLatin1Char('0')), field(entry, kPlayer).trimmed()};
  if (isBlankEntry(entry)) {
    while (row.size() < hiScoreHeadings().size()) row << QString();
    return row;
  }
  const auto score = wholeNumber(field(entry, kScore).trimmed().toStdString());
  const auto seconds = wholeNumber(field(entry, kSeconds).trimmed().toStdString());
  row << (score ? QString::number(*score) : field(entry, kScore).trimmed()) << playingTime(seconds.value_or(0))
      << field(entry, kResult) << shortDate(field(entry, kDate), locale) << field(entry, kDeal).trimmed();
  return row;
}

}  // namespace kes
