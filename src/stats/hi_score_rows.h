#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string_view>

namespace kes {

// The heading row of the hi-score grid.
QStringList hiScoreHeadings();

// One place of a hi-score table as the grid shows it: the place in two
// digits, the player, and for a filled place the score without leading
// zeros, the playing time as h:mm:ss, "Won " or "Lost", the date in the
// locale's short form and the deal number.
QStringList hiScoreRow(int place, std::string_view entry, const QLocale& locale = QLocale::system());

// Seconds as hours (as many digits as they take), minutes and seconds.
QString playingTime(long long seconds);

}  // namespace kes
