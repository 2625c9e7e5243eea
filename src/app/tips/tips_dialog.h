#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;

namespace kes {

class SettingsFile;

// The tip of the day: one tip at a time, "&Next tip" for the following one,
// "Show tips at start-up" ("Tips_StartUp"). The tip to show next is kept in
// "Tips_Num", so that each opening starts where the last one stopped.
class TfrmTips : public QDialog {
  Q_OBJECT

 public:
  TfrmTips(std::vector<std::string> tips, SettingsFile* settings, QWidget* parent = nullptr);

  int currentTip() const { return current_; }
  QString shownText() const;

 public slots:
  void nextTip();

 protected:
  void done(int result) override;

 private:
  void showTip();

  std::vector<std::string> tips_;
  SettingsFile* settings_;
  int current_ = 0;
  QLabel* lblTip_ = nullptr;
  QCheckBox* chkStartUp_ = nullptr;
};

// Connects "&Tip of the Day..." of the main window, which opens the tips
// of the installation's tips file through the program's dialog runner.
class TfrmMain;
using TipsDialogRunner = std::function<int(QDialog&)>;
void connectTipOfTheDay(TfrmMain& window, SettingsFile* settings, const std::string& installDir,
                        TipsDialogRunner run);
// Shows the tip of the day when the player asked for it at start-up.
void showTipAtStartUp(TfrmMain& window, SettingsFile* settings, const std::string& installDir,
                      const TipsDialogRunner& run);

}  // namespace kes
