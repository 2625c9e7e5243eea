#include "stats/statistics_dialogs.h"

#include <QApplication>

#include "stats/frm_operatori.h"
#include "stats/frm_statis_canc.h"
#include "stats/frm_statis_giochi.h"
#include "stats/frm_statis_log.h"
#include "stats/frm_statis_operat.h"
#include "stats/frm_statis_overall.h"
#include "stats/frm_statistics.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"

namespace kes {

namespace {

// The hourglass shows while a dialog reads its files.
template <typename Dialog, typename... Args>
int run(StatisticsHost& host, QWidget* parent, Args&&... args) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Dialog dialog(host, std::forward<Args>(args)..., parent);
  QApplication::restoreOverrideCursor();
  return host.runDialog(dialog);
}

}  // namespace

int showStatistics(StatisticsHost& host, QWidget* parent) {
  return run<TfrmStatistics>(host, parent, currentGame(host), currentPlayer(host));
}

void showPlayersStatistics(StatisticsHost& host, QWidget* parent) {
  run<TfrmStatisOperat>(host, parent, currentGame(host));
}

void showAllGamesStatistics(StatisticsHost& host, QWidget* parent) {
  run<TfrmStatisGiochi>(host, parent, currentPlayer(host));
}

void showLogStatistics(StatisticsHost& host, QWidget* parent) {
  run<TfrmStatisLog>(host, parent, std::optional<std::string>(), std::optional<std::string>());
}

int showOverallScore(StatisticsHost& host, QWidget* parent) { return run<TfrmStatisOverall>(host, parent); }

void showClearValues(StatisticsHost& host, QWidget* parent) { run<TfrmClearValues>(host, parent); }

void showPlayers(StatisticsHost& host, QWidget* parent) {
  TfrmOperatori dialog(host, parent);
  host.runDialog(dialog);
  if (dialog.playerChanged()) host.playerChanged();
}

}  // namespace kes
