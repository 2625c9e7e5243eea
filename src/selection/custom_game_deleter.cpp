#include "selection/custom_game_deleter.h"

#include <QApplication>

#include "datafiles/custom_game_deletion.h"
#include "datafiles/statistics_files.h"
#include "selection/host_messages.h"
#include "selection/selection_host.h"

namespace kes {

namespace {

const char* const kStatisticsNote = "Note: also statistics of this game will be deleted.";

}  // namespace

QString deletionQuestion(const std::string& name, bool current, DeletionAsker asker) {
  const QString n = QString::fromStdString(name);
  if (current && asker == DeletionAsker::GameSelection)
    return "Now you are playing " + n + "." + "\r" + "Are you sure you want to delete this game?\r" + kStatisticsNote;
  return "Are you sure you want to delete this customized game\r" + n + "?" + "\r" + kStatisticsNote;
}

bool deleteCustomGame(SelectionHost& host, int number, const std::string& name, DeletionAsker asker) {
  const bool current = host.currentGame() == number;
  if (!host.askYesNo(deletionQuestion(name, current, asker))) return false;
  if (current) host.closeCurrentGame();
  HostMessages messages(host);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  StatisticsFiles statistics = host.statisticsFiles();
  statistics.messages = &messages;
  const bool deleted =
      deleteCustomGameFiles(host.customGamesFile(), host.settings(), statistics, number, name, messages);
  QApplication::restoreOverrideCursor();
  host.resetCurrentCounters();
  host.customGamesChanged();
  host.favouritesChanged();
  return deleted;
}

}  // namespace kes
