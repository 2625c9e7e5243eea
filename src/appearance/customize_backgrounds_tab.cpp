#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>

#include "appearance/background_tree.h"
#include "appearance/frm_customize.h"
#include "appearance/picture_tree.h"
#include "datafiles/config_record.h"
#include "datafiles/settings_file.h"
#include "display/table/background_painter.h"

namespace kes {

namespace {

namespace Code = BackgroundCode;

constexpr QSize kPreviewSize(200, 150);

bool isColourCode(long long code) { return code == Code::kCustomColour || code > Code::kLastPicture; }

// The colour integer (0x00BBGGRR) of a colour.
long long colourInteger(const QColor& colour) {
  return static_cast<long long>(colour.red()) | (static_cast<long long>(colour.green()) << 8) |
         (static_cast<long long>(colour.blue()) << 16);
}

// The tree takes the Delete key for deleting a customized picture.
class BackgroundTree : public QTreeWidget {
 public:
  BackgroundTree(QWidget* parent, std::function<void()> deleteKey) : QTreeWidget(parent), deleteKey_(std::move(deleteKey)) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Delete) {
      deleteKey_();
      return;
    }
    QTreeWidget::keyPressEvent(event);
  }

 private:
  std::function<void()> deleteKey_;
};

}  // namespace

void TfrmCustomize::buildBackgroundsTab() {
  auto* page = new QWidget(tabs_);
  page->setObjectName("tbsBackgrounds");
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(tr("Select a background:"), page), 0, 0);
  trvBackGround_ = new BackgroundTree(page, [this] { deleteCustomizedBackground(); });
  trvBackGround_->setObjectName("trvBackGround");
  trvBackGround_->setHeaderHidden(true);
  trvBackGround_->setContextMenuPolicy(Qt::CustomContextMenu);
  grid->addWidget(trvBackGround_, 1, 0, 4, 1);
  imgBackground_ = new QLabel(page);
  imgBackground_->setObjectName("imgBackground");
  imgBackground_->setFixedSize(kPreviewSize);
  grid->addWidget(imgBackground_, 1, 1, 1, 2);
  lblBackGround_ = new QLabel(page);
  lblBackGround_->setObjectName("lblBackGround");
  lblBackGround_->setAlignment(Qt::AlignCenter);
  grid->addWidget(lblBackGround_, 2, 1, 1, 2);
  btnColore_ = new QPushButton(tr("C&olors..."), page);
  btnColore_->setObjectName("btnColore");
  grid->addWidget(btnColore_, 3, 1);
  btnCustomizedBackgounds_ = new QPushButton(tr("A&dd a background..."), page);
  btnCustomizedBackgounds_->setObjectName("btnCustomizedBackgounds");
  btnCustomizedBackgounds_->setToolTip(tr("Add a customized background"));
  grid->addWidget(btnCustomizedBackgounds_, 3, 2);
  QCheckBox* fade = addBox(page, "chkFadeBackground");
  // A display of 256 colours or fewer cannot show the fade.
  if (!host_.manyColours()) fade->setEnabled(false);
  grid->addWidget(fade, 4, 1, 1, 2);
  grid->addWidget(addBox(page, "chkRandomBackground"), 5, 0, 1, 3);

  mnuBackground_ = new QMenu(this);
  mnuBackground_->setObjectName("mnuBackground");
  mnuBackground_->addAction(tr("Add a customized background..."), this, &TfrmCustomize::addCustomizedBackground);
  mnuBackground_->addAction(tr("Delete a customized background"), this, &TfrmCustomize::deleteCustomizedBackground);
  connect(trvBackGround_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { mnuBackground_->popup(trvBackGround_->viewport()->mapToGlobal(at)); });
  connect(trvBackGround_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const long long code = treeCode(item);
    if (code == Code::kCustomizedGroup || code == Code::kPlaceholder) addCustomizedBackground();
  });
  connect(btnCustomizedBackgounds_, &QPushButton::clicked, this, &TfrmCustomize::addCustomizedBackground);
  connect(btnColore_, &QPushButton::clicked, this, &TfrmCustomize::chooseColour);
  connect(fade, &QCheckBox::clicked, this, [this] {
    choices_.boxes["chkFadeBackground"] = boxes_["chkFadeBackground"]->isChecked();
    if (isColourCode(choices_.backgroundCode)) refreshBackgroundPreview();
  });

  fillBackgroundTree();
  selectOpeningBackground();
  connect(trvBackGround_, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::onBackgroundSelected);
  tabs_->addTab(page, tr("&Backgrounds"));
}

void TfrmCustomize::fillBackgroundTree() {
  customizedGroup_ = new QTreeWidgetItem(trvBackGround_);
  customizedGroup_->setText(0, QString::fromUtf8(kCustomizedGroupText.data()));
  customizedGroup_->setData(0, kTreeCodeRole, Code::kCustomizedGroup);
  fillTree(*trvBackGround_, backgroundTreeRows());
  rebuildCustomizedGroup();
}

void TfrmCustomize::rebuildCustomizedGroup() {
  const QSignalBlocker quiet(trvBackGround_);
  qDeleteAll(customizedGroup_->takeChildren());
  customized_ = host_.settings() ? readCustomizedBackgrounds(*host_.settings()) : std::vector<CustomizedBackground>{};
  for (std::size_t i = 0; i < customized_.size(); ++i) {
    auto* item = new QTreeWidgetItem(customizedGroup_);
    item->setText(0, QString::fromStdString(customized_[i].text()));
    item->setData(0, kTreeCodeRole, Code::kCustomizedImage);
    item->setData(0, kTreeCodeRole + 1, static_cast<int>(i));
  }
  if (customized_.empty()) {
    auto* placeholder = new QTreeWidgetItem(customizedGroup_);
    placeholder->setText(0, QString::fromUtf8(kPlaceholderText.data()));
    placeholder->setData(0, kTreeCodeRole, Code::kPlaceholder);
  }
  customizedGroup_->setExpanded(true);
}

void TfrmCustomize::selectOpeningBackground() {
  const OpeningBackground opening = openingBackground(host_.config(), openingCustomFile_, customized_);
  choices_.backgroundCode = opening.code;
  QTreeWidgetItem* chosen = nullptr;
  if (opening.code == Code::kCustomizedImage) {
    if (opening.customIndex >= 0) {
      chosen = customizedGroup_->child(opening.customIndex);
      choices_.customPicture = customized_[static_cast<std::size_t>(opening.customIndex)];
    } else {
      // A picture in use that the list does not hold stays the choice.
      choices_.customPicture = customizedBackgroundAt(openingCustomFile_);
    }
  } else if (opening.code == Code::kGroup) {
    chosen = customizedGroup_;
  } else {
    for (QTreeWidgetItemIterator it(trvBackGround_); *it && !chosen; ++it)
      if (treeCode(*it) == opening.code) chosen = *it;
  }
  if (chosen) {
    const QSignalBlocker quiet(trvBackGround_);
    trvBackGround_->setCurrentItem(chosen);
    lblBackGround_->setText(chosen->text(0));
  }
  refreshBackgroundPreview();
}

void TfrmCustomize::onBackgroundSelected() {
  const QTreeWidgetItem* item = trvBackGround_->currentItem();
  const long long code = treeCode(item);
  if (code <= 0 && code != Code::kCustomizedImage) return;
  choices_.backgroundCode = code;
  if (code == Code::kCustomizedImage)
    choices_.customPicture = customized_.at(static_cast<std::size_t>(item->data(0, kTreeCodeRole + 1).toInt()));
  lblBackGround_->setText(item->text(0));
  refreshBackgroundPreview();
}

BackgroundPreview TfrmCustomize::previewOf(long long code) const {
  BackgroundPreview p;
  p.code = code;
  p.customColour = choices_.customColour;
  p.fade = boxes_.count("chkFadeBackground") ? boxes_.at("chkFadeBackground")->isChecked() : false;
  p.manyColours = host_.manyColours();
  p.installDir = host_.installDir();
  p.customFile = QString::fromStdString(choices_.customPicture.path());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) p.screen = screen->geometry().size();
  return p;
}

QPixmap TfrmCustomize::backgroundSurface(QSize size) const {
  QPixmap surface(size);
  surface.fill(Qt::black);
  QPainter painter(&surface);
  paintBackgroundPreview(painter, size, previewOf(choices_.backgroundCode));
  return surface;
}

void TfrmCustomize::refreshBackgroundPreview() {
  const long long code = choices_.backgroundCode;
  btnColore_->setEnabled(code == Code::kCustomColour);
  if (host_.manyColours()) boxes_["chkFadeBackground"]->setEnabled(isColourCode(code));
  if (code == Code::kCustomizedImage) {
    const PictureCheck check = checkBackgroundPicture(QString::fromStdString(choices_.customPicture.path()));
    if (!check.ok) {
      imgBackground_->setPixmap(backgroundSurface(imgBackground_->size()));
      imgBackground_->setToolTip(check.message);
      return;
    }
  }
  imgBackground_->setToolTip(QString());
  imgBackground_->setPixmap(backgroundSurface(imgBackground_->size()));
}

void TfrmCustomize::chooseColour() {
  const auto chosen = ui_.chooseColour(qColourOf(decodeColour(choices_.customColour)));
  if (!chosen) return;
  choices_.customColour = colourInteger(*chosen);
  refreshBackgroundPreview();
}

void TfrmCustomize::addCustomizedBackground() {
  QString folder = lastPictureFolder_;
  if (folder.isEmpty() && !customized_.empty()) folder = QString::fromStdString(customized_.back().folder);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString file = ui_.choosePicture(folder);
  if (file.isEmpty()) return;
  const PictureCheck check = checkBackgroundPicture(file);
  if (!check.ok) {
    ui_.warn(check.message);
    return;
  }
  const QFileInfo info(file);
  lastPictureFolder_ = info.absolutePath();
  CustomizedBackground picture{info.fileName().toStdString(), (info.absolutePath() + QLatin1Char('/')).toStdString()};
  if (!host_.settings() || !kes::addCustomizedBackground(*host_.settings(), picture)) return;
  rebuildCustomizedGroup();
  for (int i = 0; i < customizedGroup_->childCount(); ++i)
    if (customizedGroup_->child(i)->text(0) == QString::fromStdString(picture.text()))
      trvBackGround_->setCurrentItem(customizedGroup_->child(i));
}

void TfrmCustomize::deleteCustomizedBackground() {
  const QTreeWidgetItem* item = trvBackGround_->currentItem();
  if (treeCode(item) != Code::kCustomizedImage || !host_.settings()) return;
  if (!ui_.confirmDelete(tr("Are you sure you want to delete this background?"))) return;
  const int index = item->data(0, kTreeCodeRole + 1).toInt();
  if (!kes::deleteCustomizedBackground(*host_.settings(), index)) return;
  const bool wasChoice = choices_.backgroundCode == Code::kCustomizedImage &&
                         choices_.customPicture == customized_.at(static_cast<std::size_t>(index));
  rebuildCustomizedGroup();
  QTreeWidgetItem* first = customizedGroup_->child(0);
  if (treeCode(first) == Code::kCustomizedImage) {
    trvBackGround_->setCurrentItem(first);
  } else {
    const QSignalBlocker quiet(trvBackGround_);
    trvBackGround_->setCurrentItem(customizedGroup_);
    // The deleted picture cannot stay the choice: the default background stands.
    if (wasChoice) {
      choices_.backgroundCode = Code::kGroup;
      lblBackGround_->setText(QString());
      refreshBackgroundPreview();
    }
  }
}

}  // namespace kes
