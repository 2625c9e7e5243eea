#include "card_counter_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/counter/counter_picture.h"
#include "engine/game_state.h"

namespace kes {

namespace {

// The window's height counts its caption, menu and borders: the picture
// has what is left below the menu.
constexpr int kCaptionMenuAndBorders = 45;
constexpr int kSunkenLine = 2;

}  // namespace

TfrmCardCounter::TfrmCardCounter(const ResourceLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("frmCardCounter");
  setWindowTitle(QStringLiteral("Card counter"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  menu_ = new QMenuBar(this);
  layout->setMenuBar(menu_);
  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setFixedHeight(kSunkenLine);
  layout->addWidget(line);
  imgBack_ = new CounterPicture(grid_, library, this);
  layout->addWidget(imgBack_, 1);
  buildMenu();
  resetCounter(0);
}

void TfrmCardCounter::buildMenu() {
  QMenu* options = menu_->addMenu(QStringLiteral("&Options"));
  options->setObjectName("mnuOptions");
  const auto item = [&](const char* name, const char* text) {
    QAction* a = options->addAction(QString::fromLatin1(text));
    a->setObjectName(QLatin1String(name));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a] { optionToggled(a); });
    return a;
  };
  mnuTableau_ = item("mnuTableau", "&Tableau only");
  mnuStock_ = item("mnuStock", "&Stock only");
  options->addSeparator();
  mnuInverted_ = item("mnuInverted", "&Inverted");
}

// At most one side filter is checked: checking one clears the other.
void TfrmCardCounter::optionToggled(QAction* item) {
  if (item == mnuTableau_ && mnuTableau_->isChecked()) mnuStock_->setChecked(false);
  if (item == mnuStock_ && mnuStock_->isChecked()) mnuTableau_->setChecked(false);
  grid_.filter = {mnuStock_->isChecked(), mnuTableau_->isChecked(), mnuInverted_->isChecked()};
  emit optionsChanged();
}

void TfrmCardCounter::setFilter(const CounterFilter& filter) {
  mnuStock_->setChecked(filter.stockOnly);
  mnuTableau_->setChecked(filter.tableauOnly && !filter.stockOnly);
  mnuInverted_->setChecked(filter.inverted);
  grid_.filter = {mnuStock_->isChecked(), mnuTableau_->isChecked(), mnuInverted_->isChecked()};
}

int TfrmCardCounter::pictureHeight() const { return counterHeight() - kCaptionMenuAndBorders; }

void TfrmCardCounter::resetCounter(int cardCount) {
  const int before = counterHeight();
  grid_.reset(cardCount);
  if (counterHeight() != before || imgBack_->height() != pictureHeight()) {
    // Hidden while it changes size, so that no half-drawn frame shows.
    const bool shown = isVisible();
    if (shown) hide();
    imgBack_->setFixedSize(kCounterWidth, pictureHeight());
    adjustSize();
    setFixedSize(sizeHint());
    if (shown) show();
  }
  imgBack_->update();
}

void TfrmCardCounter::refreshCounter(const GameState& game) {
  resetCounter(game.params[Param::CardCount]);
  grid_.refresh(game);
  imgBack_->update();
}

void TfrmCardCounter::markCard(int card, CardFamily family, CounterCell state) {
  grid_.mark(card, family, state);
  imgBack_->update();
}

void TfrmCardCounter::cardMoved(const GameState& game, int card, PileId from, PileId to) {
  grid_.mark(card, cardFamilyOf(from), CounterCell::Blank);
  grid_.showWasteTop(game, cardFamilyOf(from));
  grid_.markPile(game, from);
  grid_.markPile(game, to);
  imgBack_->update();
}

void TfrmCardCounter::cardTurned(const GameState& game, int card) {
  if (const auto pile = game.locateCard(card)) grid_.markPile(game, *pile);
  imgBack_->update();
}

void TfrmCardCounter::stockReplaced(const GameState& game) {
  if (grid_.filter.tableauOnly) return;
  refreshCounter(game);
}

void TfrmCardCounter::closeEvent(QCloseEvent* event) {
  event->accept();
  hide();
  emit closedByUser();
}

}  // namespace kes
