#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTreeWidget>

#include "appearance/background_tree.h"
#include "appearance/frm_customize.h"
#include "appearance/picture_tree.h"
#include "display/geometry/card_size.h"

namespace kes {

namespace {

// "Images/DB" + the design as 3 digits + ".bmp".
QString bigBackFile(const QString& installDir, int design) {
  return QStringLiteral("%1/Images/DB%2.bmp").arg(installDir).arg(design, 3, 10, QChar('0'));
}

// The back with its corners cut as every card's are, so the table shows there.
QImage withCutCorners(QImage back) {
  back = back.convertToFormat(QImage::Format_ARGB32);
  const int w = back.width() - 1;
  const int h = back.height() - 1;
  for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
    const int dx = corner.x() == 0 ? 1 : -1;
    const int dy = corner.y() == 0 ? 1 : -1;
    for (const QPoint p : {corner, corner + QPoint(dx, 0), corner + QPoint(0, dy)}) back.setPixel(p, qRgba(0, 0, 0, 0));
  }
  return back;
}

}  // namespace

void TfrmCustomize::buildDecksTab() {
  auto* page = new QWidget(tabs_);
  page->setObjectName("tbsDecks");
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(tr("Select a card back:"), page), 0, 0);
  trvCardBack_ = new QTreeWidget(page);
  trvCardBack_->setObjectName("trvCardBack");
  trvCardBack_->setHeaderHidden(true);
  fillTree(*trvCardBack_, backDesignTreeRows());
  grid->addWidget(trvCardBack_, 1, 0, 2, 1);
  imgDecksBackground_ = new QLabel(page);
  imgDecksBackground_->setObjectName("imgDecksBackground");
  imgDecksBackground_->setFixedSize(kBigCards.width + 60, kBigCards.height + 60);
  grid->addWidget(imgDecksBackground_, 1, 1, Qt::AlignCenter);
  lblDecks_ = new QLabel(page);
  lblDecks_->setObjectName("lblDecks");
  lblDecks_->setAlignment(Qt::AlignCenter);
  grid->addWidget(lblDecks_, 2, 1, Qt::AlignTop);
  grid->addWidget(addBox(page, "chkRandomDeck"), 3, 0, 1, 2);
  for (QTreeWidgetItemIterator it(trvCardBack_); *it; ++it)
    if ((*it)->data(0, kTreeCodeRole).toInt() == choices_.backEntry && choices_.backEntry > 0) {
      trvCardBack_->setCurrentItem(*it);
      break;
    }
  connect(trvCardBack_, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::onBackSelected);
  tabs_->addTab(page, tr("  &Decks  "));
}

void TfrmCustomize::onBackSelected() {
  const QTreeWidgetItem* item = trvCardBack_->currentItem();
  const int design = item ? item->data(0, kTreeCodeRole).toInt() : 0;
  if (design <= 0) return;
  choices_.backEntry = design;
  lblDecks_->setText(item->text(0));
  QPixmap surface = backgroundSurface(imgDecksBackground_->size());
  const QImage back(bigBackFile(host_.installDir(), design));
  if (!back.isNull()) {
    QPainter painter(&surface);
    const QPoint at((surface.width() - back.width()) / 2, (surface.height() - back.height()) / 2);
    painter.drawImage(at, withCutCorners(back));
  }
  imgDecksBackground_->setPixmap(surface);
}

}  // namespace kes
