#include "selection/game_description.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "display/resources/resource_library.h"

namespace kes {

namespace {

constexpr int kPreviewHeight = 190;
constexpr int kPanelWidth = 330;

QLabel* namedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QString previewName(int game) { return QStringLiteral("GAME%1").arg(game, 4, 10, QLatin1Char('0')); }

}  // namespace

GameDescription::GameDescription(const ResourceLibrary& library, QWidget* parent)
    : QWidget(parent), library_(library) {
  setObjectName("pnlDescription");
  pages_ = new QStackedWidget(this);
  pages_->addWidget(buildGeneralPage());
  pages_->addWidget(buildGamePage());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_);
  setMinimumWidth(kPanelWidth);
}

QWidget* GameDescription::buildGeneralPage() {
  auto* page = new QWidget(this);
  page->setObjectName("pnlGeneral");
  auto* layout = new QVBoxLayout(page);
  auto* folders = namedLabel("imgGeneral", page);
  folders->setPixmap(library_.picture(QStringLiteral("TREE2")).scaled(64, 64, Qt::KeepAspectRatio));
  folders->setAlignment(Qt::AlignCenter);
  auto* hint = namedLabel("lblGeneral", page);
  hint->setText(QStringLiteral("Open a folder and choose a game."));
  hint->setAlignment(Qt::AlignCenter);
  layout->addStretch();
  layout->addWidget(folders);
  layout->addWidget(hint);
  layout->addStretch();
  return page;
}

QWidget* GameDescription::buildGamePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  lblGameName_ = namedLabel("lblGameName", page);
  QFont bold = lblGameName_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  lblGameName_->setFont(bold);
  layout->addWidget(lblGameName_);
  lblUnavailable_ = namedLabel("lblUnavailable", page);
  lblUnavailable_->setWordWrap(true);
  layout->addWidget(lblUnavailable_);

  auto* grid = new QGridLayout;
  const auto row = [&](int r, const char* caption, QLabel*& value, const char* name, QLabel** picture,
                       const char* pictureName) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption), page), r, 0);
    value = namedLabel(name, page);
    grid->addWidget(value, r, 1);
    if (picture) {
      *picture = namedLabel(pictureName, page);
      grid->addWidget(*picture, r, 2);
    }
  };
  row(0, "Decks:", lblDeck_, "lblDeck", nullptr, nullptr);
  row(1, "Difficulty level:", lblDiffRules_, "lblDiffRules", &imgDiffRules_, "imgDiffRules");
  row(2, "Chance of winning:", lblDiffWin_, "lblDiffWin", &imgDiffWin_, "imgDiffWin");
  row(3, "Game time:", lblGameTime_, "lblGameTime", &imgGameTime_, "imgGameTime");
  row(4, "Redeals:", lblRedeal_, "lblRedeal", nullptr, nullptr);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  auto* box = new QFrame(page);
  box->setObjectName("pnlPreview");
  box->setFrameShape(QFrame::StyledPanel);
  box->setFixedHeight(kPreviewHeight);
  box->setAutoFillBackground(true);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, QColor(0, 96, 0));
  box->setPalette(palette);
  imgPreview_ = namedLabel("imgPreview", box);
  imgPreview_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  auto* boxLayout = new QVBoxLayout(box);
  boxLayout->addWidget(imgPreview_);
  layout->addWidget(box);
  layout->addStretch();
  return page;
}

void GameDescription::showFolder() {
  pages_->setCurrentIndex(0);
  previewGame_ = -1;
}

void GameDescription::showGame(const QString& name, const GameFacts& facts, bool preview) {
  pages_->setCurrentIndex(1);
  lblGameName_->setText(name);
  lblUnavailable_->setText(facts.available ? QString()
                                           : QStringLiteral("This game cannot be played: the game it is based on "
                                                            "is no longer in the catalogue."));
  lblUnavailable_->setVisible(!facts.available);
  lblDeck_->setText(QString::fromStdString(facts.decks));
  lblDiffRules_->setText(QString::fromStdString(facts.difficulty));
  lblDiffWin_->setText(QString::fromStdString(facts.chance));
  lblGameTime_->setText(QString::fromStdString(facts.time));
  lblRedeal_->setText(QString::fromStdString(facts.redeals));
  imgDiffRules_->setPixmap(library_.picture(QString::fromStdString(facts.difficultyPicture)));
  imgDiffWin_->setPixmap(library_.picture(QString::fromStdString(facts.chancePicture)));
  imgGameTime_->setPixmap(library_.picture(QString::fromStdString(facts.timePicture)));
  previewGame_ = facts.previewGame;
  previewShown_ = preview;
  showPreview();
}

void GameDescription::setPreviewShown(bool shown) {
  previewShown_ = shown;
  showPreview();
}

// The picture's top-left pixel gives the colour that lets the box show through.
void GameDescription::showPreview() {
  if (!previewShown_ || previewGame_ < 0) {
    imgPreview_->clear();
    return;
  }
  const QString name = previewName(previewGame_);
  const QImage image = library_.image(name);
  if (image.isNull()) {
    imgPreview_->clear();
    return;
  }
  imgPreview_->setPixmap(library_.keyedPicture(name, image.pixelColor(0, 0)));
}

}  // namespace kes
