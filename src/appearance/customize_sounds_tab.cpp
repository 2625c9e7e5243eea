#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "appearance/frm_customize.h"
#include "appearance/preference_boxes.h"
#include "display/resources/resource_library.h"

namespace kes {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kOnRole = Qt::UserRole + 1;
constexpr int kSoundRole = Qt::UserRole + 2;

}  // namespace

// A name with no sound file: playing it ends the sound playing.
constexpr const char* kSilence = "_t1dz";

void TfrmCustomize::buildSoundsTab() {
  auto* page = new QWidget(tabs_);
  page->setObjectName("tbsSounds");
  auto* grid = new QGridLayout(page);
  QCheckBox* disableAll = addBox(page, "chkSoundsEnabled");
  grid->addWidget(disableAll, 0, 0, 1, 4);
  lsvSounds_ = new QListWidget(page);
  lsvSounds_->setObjectName("lsvSounds");
  soundEnabledIcon_ = host_.library().picture(QStringLiteral("SOUND_ENABLED"));
  QPixmap blank(soundEnabledIcon_.isNull() ? QSize(16, 16) : soundEnabledIcon_.size());
  blank.fill(Qt::transparent);
  for (const SoundRow& row : soundRows()) {
    auto* item = new QListWidgetItem(tr(row.text.data()), lsvSounds_);
    item->setData(kKeyRole, QString::fromLatin1(row.key.data(), static_cast<int>(row.key.size())));
    item->setData(kSoundRole, QString::fromLatin1(row.sound.data(), static_cast<int>(row.sound.size())));
    const bool on = choices_.sounds[std::string(row.key)];
    item->setData(kOnRole, on);
    item->setIcon(QIcon(on ? soundEnabledIcon_ : blank));
  }
  grid->addWidget(lsvSounds_, 1, 0, 1, 4);
  btnSoundsAdd_ = new QPushButton(tr("E&nable"), page);
  btnSoundsAdd_->setObjectName("btnSounds_Add");
  btnSoundsDelete_ = new QPushButton(tr("D&isable"), page);
  btnSoundsDelete_->setObjectName("btnSounds_Delete");
  btnPlay_ = new QPushButton(QStringLiteral("\u25B6"), page);
  btnPlay_->setObjectName("btnPlay");
  btnPlay_->setToolTip(tr("Play sound"));
  btnStop_ = new QPushButton(QStringLiteral("\u25A0"), page);
  btnStop_->setObjectName("btnStop");
  btnStop_->setToolTip(tr("Stop sound"));
  grid->addWidget(btnSoundsAdd_, 2, 0);
  grid->addWidget(btnSoundsDelete_, 2, 1);
  grid->addWidget(btnPlay_, 2, 2);
  grid->addWidget(btnStop_, 2, 3);
  connect(disableAll, &QCheckBox::toggled, this, &TfrmCustomize::refreshSoundButtons);
  connect(lsvSounds_, &QListWidget::currentRowChanged, this, &TfrmCustomize::refreshSoundButtons);
  connect(btnSoundsAdd_, &QPushButton::clicked, this, [this] { switchSelectedSound(true); });
  connect(btnSoundsDelete_, &QPushButton::clicked, this, [this] { switchSelectedSound(false); });
  connect(btnPlay_, &QPushButton::clicked, this, &TfrmCustomize::playSelectedSound);
  connect(btnStop_, &QPushButton::clicked, this, [this] { host_.previewSound(QString::fromLatin1(kSilence)); });
  refreshSoundButtons();
  tabs_->addTab(page, tr(" &Sounds "));
}

void TfrmCustomize::refreshSoundButtons() {
  const bool allOff = boxes_["chkSoundsEnabled"]->isChecked();
  lsvSounds_->setEnabled(!allOff);
  const QListWidgetItem* item = allOff ? nullptr : lsvSounds_->currentItem();
  const bool on = item && item->data(kOnRole).toBool();
  btnSoundsAdd_->setEnabled(item && !on);
  btnSoundsDelete_->setEnabled(item && on);
  btnPlay_->setEnabled(item && host_.canPreviewSounds());
  btnStop_->setEnabled(item && host_.canPreviewSounds());
}

void TfrmCustomize::playSelectedSound() {
  if (const QListWidgetItem* item = lsvSounds_->currentItem()) host_.previewSound(item->data(kSoundRole).toString());
}

void TfrmCustomize::switchSelectedSound(bool on) {
  QListWidgetItem* item = lsvSounds_->currentItem();
  if (!item) return;
  item->setData(kOnRole, on);
  QPixmap blank(soundEnabledIcon_.isNull() ? QSize(16, 16) : soundEnabledIcon_.size());
  blank.fill(Qt::transparent);
  item->setIcon(QIcon(on ? soundEnabledIcon_ : blank));
  choices_.sounds[item->data(kKeyRole).toString().toStdString()] = on;
  refreshSoundButtons();
}

}  // namespace kes
