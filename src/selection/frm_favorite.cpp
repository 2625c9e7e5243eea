#include "selection/frm_favorite.h"

#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/game_list.h"
#include "datafiles/settings_file.h"
#include "selection/selection_host.h"

namespace kes {

namespace {

constexpr int kHelpTopic = HelpTopic::kFavoriteGames;

std::string folded(std::string_view text) {
  std::string result(text.substr(0, text.find_last_not_of(' ') + 1));
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

// A list whose names can be dragged onto the other list of the dialog; a
// drop moves them.
class NameList : public QListWidget {
 public:
  NameList(const char* name, QWidget* parent) : QListWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDefaultDropAction(Qt::MoveAction);
  }
  std::function<void()> onDropFromOther;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->source() && event->source() != this) event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (event->source() && event->source() != this) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    if (!event->source() || event->source() == this || !onDropFromOther) return;
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    onDropFromOther();
  }
};

void moveSelected(QListWidget& from, QListWidget& to) {
  for (QListWidgetItem* item : from.selectedItems()) to.addItem(from.takeItem(from.row(item)));
}

QStringList namesOf(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
  return names;
}

}  // namespace

std::vector<std::string> favouriteCandidates(SelectionHost& host) {
  std::vector<std::string> names;
  for (const GameListEntry& e : host.games().entries())
    if (e.number >= 0 && !e.name.empty()) names.push_back(e.name);
  for (const CustomGame& game : listCustomGames(host.customGamesFile())) names.push_back(game.name);
  return names;
}

TfrmFavorite::TfrmFavorite(SelectionHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmFavorite");
  setWindowTitle(QStringLiteral("Favorite games"));
  auto* all = new NameList("lbAll", this);
  auto* chosen = new NameList("lbSelected", this);
  lbAll_ = all;
  lbSelected_ = chosen;
  all->onDropFromOther = [this] { remove(); };
  chosen->onDropFromOther = [this] { add(); };

  auto* allLabel = new QLabel(QStringLiteral("&Games list:"), this);
  allLabel->setBuddy(lbAll_);
  auto* chosenLabel = new QLabel(QStringLiteral("&Favorite games:"), this);
  chosenLabel->setBuddy(lbSelected_);
  const auto button = [this](const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* btnAdd = button(">", "btnAdd");
  QPushButton* btnRemove = button("<", "btnRemove");
  QPushButton* btnRemoveAll = button("<<", "btnRemoveAll");
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(btnAdd);
  middle->addWidget(btnRemove);
  middle->addWidget(btnRemoveAll);
  middle->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("btnOK");
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  addHelpButton(*buttons, kHelpTopic);

  auto* grid = new QGridLayout(this);
  grid->addWidget(allLabel, 0, 0);
  grid->addWidget(chosenLabel, 0, 2);
  grid->addWidget(lbAll_, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(lbSelected_, 1, 2);
  grid->addWidget(buttons, 2, 0, 1, 3);

  connect(btnAdd, &QPushButton::clicked, this, &TfrmFavorite::add);
  connect(btnRemove, &QPushButton::clicked, this, &TfrmFavorite::remove);
  connect(btnRemoveAll, &QPushButton::clicked, this, &TfrmFavorite::removeAll);
  connect(lbAll_, &QListWidget::itemDoubleClicked, this, &TfrmFavorite::add);
  connect(lbSelected_, &QListWidget::itemDoubleClicked, this, &TfrmFavorite::remove);
  connect(ok, &QPushButton::clicked, this, &TfrmFavorite::onOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  fill();
  resize(520, 380);
}

// The stored favourites that are still games; every other game on the left.
void TfrmFavorite::fill() {
  std::vector<std::string> candidates = favouriteCandidates(host_);
  std::vector<std::string> stored;
  if (SettingsFile* settings = host_.settings()) stored = readFavouriteNames(*settings);
  for (const std::string& name : candidates) {
    const bool favourite = std::any_of(stored.begin(), stored.end(),
                                       [&](const std::string& s) { return folded(s) == folded(name); });
    (favourite ? lbSelected_ : lbAll_)->addItem(QString::fromStdString(name));
  }
}

void TfrmFavorite::add() { moveSelected(*lbAll_, *lbSelected_); }

void TfrmFavorite::remove() { moveSelected(*lbSelected_, *lbAll_); }

void TfrmFavorite::removeAll() {
  lbSelected_->selectAll();
  remove();
}

void TfrmFavorite::onOk() {
  std::vector<std::string> names;
  for (const QString& name : namesOf(*lbSelected_)) names.push_back(name.toStdString());
  if (SettingsFile* settings = host_.settings()) writeFavourites(*settings, names);
  host_.favouritesChanged();
  accept();
}

}  // namespace kes
