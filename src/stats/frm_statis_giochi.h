#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "datafiles/statistics_views.h"

class QButtonGroup;
class QComboBox;
class QTableWidget;

namespace kes {

class StatisticsHost;

// "All games statistics": one player's values in every game, as totals, the
// current session or the longest streaks.
class TfrmStatisGiochi : public QDialog {
  Q_OBJECT

 public:
  TfrmStatisGiochi(StatisticsHost& host, const std::string& player, QWidget* parent = nullptr);

  QComboBox* players() const { return cboOperatore_; }
  QTableWidget* grid() const { return stgGiochi_; }
  void setValues(StatValues kind);
  StatValues values() const;
  // Reads STAT.DAT once and fills the table.
  void showValues();

 private:
  StatisticsHost& host_;
  std::vector<GameChoice> games_;
  QComboBox* cboOperatore_ = nullptr;
  QButtonGroup* rgbType_ = nullptr;
  QTableWidget* stgGiochi_ = nullptr;
};

}  // namespace kes
