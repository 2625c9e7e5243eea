#include "tips_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/main_window.h"
#include "app/startup/preference_table.h"
#include "app/tips/tip_list.h"
#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr const char* kStartUpKey = "Tips_StartUp";
constexpr const char* kNumberKey = "Tips_Num";

void openTips(TfrmMain& window, SettingsFile* settings, const std::string& installDir,
              const TipsDialogRunner& run) {
  TfrmTips dialog(readTips(std::filesystem::path(installDir) / kTipsFileName), settings, &window);
  run(dialog);
}

}  // namespace

TfrmTips::TfrmTips(std::vector<std::string> tips, SettingsFile* settings, QWidget* parent)
    : QDialog(parent), tips_(std::move(tips)), settings_(settings) {
  setObjectName("frmTips");
  setWindowTitle(QStringLiteral("Tip of the Day"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("<b>Did you know...</b>"), this);
  layout->addWidget(heading);
  lblTip_ = new QLabel(this);
  lblTip_->setObjectName("lblTip");
  lblTip_->setWordWrap(true);
  lblTip_->setMinimumSize(360, 90);
  lblTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTip_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  lblTip_->setMargin(8);
  layout->addWidget(lblTip_, 1);
  auto* bottom = new QHBoxLayout;
  chkStartUp_ = new QCheckBox(QStringLiteral("&Show tips at start-up"), this);
  chkStartUp_->setObjectName("chkStartUp");
  bottom->addWidget(chkStartUp_, 1);
  auto* next = new QPushButton(QStringLiteral("&Next tip"), this);
  next->setObjectName("btnNext");
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName("btnClose");
  close->setDefault(true);
  bottom->addWidget(next);
  bottom->addWidget(close);
  layout->addLayout(bottom);
  connect(next, &QPushButton::clicked, this, &TfrmTips::nextTip);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  next->setEnabled(tips_.size() > 1);

  if (settings_) {
    chkStartUp_->setChecked(settings_->readString(kPreferenceSection, kStartUpKey, "N") != "N");
    current_ = settings_->readInt(kPreferenceSection, kNumberKey, 0);
  }
  if (tips_.empty() || current_ < 0 || current_ >= static_cast<int>(tips_.size())) current_ = 0;
  showTip();
}

QString TfrmTips::shownText() const { return lblTip_->text(); }

void TfrmTips::showTip() {
  lblTip_->setText(tips_.empty() ? QStringLiteral("No tips are installed.")
                                 : QString::fromStdString(tips_[static_cast<std::size_t>(current_)]));
}

void TfrmTips::nextTip() {
  if (tips_.empty()) return;
  current_ = (current_ + 1) % static_cast<int>(tips_.size());
  showTip();
}

// However it is closed, the next opening starts with the tip after this one.
void TfrmTips::done(int result) {
  if (settings_) {
    const int next = tips_.empty() ? 0 : (current_ + 1) % static_cast<int>(tips_.size());
    const std::vector<SettingsEntry> entries{{kStartUpKey, chkStartUp_->isChecked() ? "Y" : "N"},
                                             {kNumberKey, std::to_string(next)}};
    settings_->writeStrings(kPreferenceSection, entries);
  }
  QDialog::done(result);
}

void connectTipOfTheDay(TfrmMain& window, SettingsFile* settings, const std::string& installDir,
                        TipsDialogRunner run) {
  if (QAction* item = window.menuAction("mnuTips"))
    QObject::connect(item, &QAction::triggered, &window, [&window, settings, installDir, run = std::move(run)] {
      openTips(window, settings, installDir, run);
    });
}

void showTipAtStartUp(TfrmMain& window, SettingsFile* settings, const std::string& installDir,
                      const TipsDialogRunner& run) {
  if (settings && settings->readString(kPreferenceSection, kStartUpKey, "N") != "N")
    openTips(window, settings, installDir, run);
}

}  // namespace kes
