#include "selection/frm_open_game.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/favourite_games.h"
#include "datafiles/game_facts.h"
#include "datafiles/settings_file.h"
#include "selection/custom_game_deleter.h"
#include "selection/game_description.h"
#include "selection/game_tree.h"
#include "selection/selection_host.h"

namespace kes {

namespace {

constexpr std::string_view kPreferences = "Preference";
constexpr int kHelpTopic = HelpTopic::kOpenGame;
const char* const kHowToCustomize =
    "To customize a game:\rselect the game you want to customize,\rthen from the Tools menu, choose "
    "\"Customize rules\" option (or press Ctrl+R).";

QPushButton* namedButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(SelectionHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmOpenGame");
  setWindowTitle(QStringLiteral("Open a game"));
  catalogueGames_ = sortedCatalogueGames(host_.games());
  selectedGames_ = selectedGames(host_.catalogue());
  buildControls();
  buildPopup();
  resize(720, 520);
}

void TfrmOpenGame::buildControls() {
  trvGames_ = new GameTree(host_.library(), [this] { return sources(); }, this);
  description_ = new GameDescription(host_.library(), this);

  cboPlayers_ = new QComboBox(this);
  cboPlayers_->setObjectName("cboPlayers");
  auto* playerLabel = new QLabel(QStringLiteral("&Player:"), this);
  playerLabel->setBuddy(cboPlayers_);
  chkPreview_ = new QCheckBox(QStringLiteral("&Preview"), this);
  chkPreview_->setObjectName("chkPreview");
  SettingsFile* settings = host_.settings();
  chkPreview_->setChecked(!settings || settings->readString(kPreferences, "Open_Preview_Game", "Y") != "N");

  btnRules_ = namedButton(QStringLiteral("Rules"), "btnRules", this);
  btnStatistics_ = namedButton(QStringLiteral("Statistics"), "btnStatistics", this);
  btnOpen_ = namedButton(QStringLiteral("Open a sa&ved game..."), "btnOpen", this);
  btnOpen_->setEnabled(host_.canOpenSavedGames());

  auto* buttons = new QDialogButtonBox(this);
  btnOK_ = buttons->addButton(QDialogButtonBox::Ok);
  btnOK_->setObjectName("btnOK");
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName("btnCancel");
  addHelpButton(*buttons, kHelpTopic);

  auto* right = new QVBoxLayout;
  right->addWidget(description_, 1);
  right->addWidget(chkPreview_);
  auto* playerRow = new QHBoxLayout;
  playerRow->addWidget(playerLabel);
  playerRow->addWidget(cboPlayers_, 1);
  right->addLayout(playerRow);
  auto* top = new QHBoxLayout;
  top->addWidget(trvGames_, 1);
  top->addLayout(right);
  auto* side = new QHBoxLayout;
  side->addWidget(btnRules_);
  side->addWidget(btnStatistics_);
  side->addWidget(btnOpen_);
  side->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(side);
  layout->addWidget(buttons);

  connect(trvGames_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { describe(item); });
  connect(trvGames_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { onDoubleClicked(item); });
  connect(chkPreview_, &QCheckBox::toggled, description_, &GameDescription::setPreviewShown);
  connect(btnOK_, &QPushButton::clicked, this, &TfrmOpenGame::onOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnRules_, &QPushButton::clicked, this, &TfrmOpenGame::showRules);
  connect(btnStatistics_, &QPushButton::clicked, this, &TfrmOpenGame::showStatistics);
  connect(btnOpen_, &QPushButton::clicked, this, &TfrmOpenGame::openSavedGame);
}

void TfrmOpenGame::buildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("popGames");
  mnuRules_ = popup_->addAction(QStringLiteral("&Rules"), this, &TfrmOpenGame::showRules);
  mnuStatistics_ = popup_->addAction(QStringLiteral("Statistics..."), this, &TfrmOpenGame::showStatistics);
  mnuStatistics_->setShortcut(QKeySequence(Qt::Key_F4));
  QAction* favourites = popup_->addAction(QStringLiteral("Favorite games..."), this, [this] { host_.editFavourites(); });
  favourites->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
  mnuDelete_ = popup_->addAction(QStringLiteral("Delete"), this, &TfrmOpenGame::deleteSelected);
  mnuDelete_->setShortcut(QKeySequence(Qt::Key_Delete));
  for (QAction* action : popup_->actions()) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
  }
  trvGames_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(trvGames_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (QTreeWidgetItem* item = trvGames_->itemAt(at)) trvGames_->setCurrentItem(item);
    popup_->popup(trvGames_->viewport()->mapToGlobal(at));
  });
}

FolderSources TfrmOpenGame::sources() {
  const CustomGamesListing listing = readCustomGames(host_.customGamesFile());
  customGames_ = listing.games;
  showSkippedCustomGames(listing.skipped);
  FolderSources s;
  s.catalogueGames = catalogueGames_;
  s.customGames = customGames_;
  s.selectedGames = selectedGames_;
  if (SettingsFile* settings = host_.settings()) s.favourites = readFavouriteNames(*settings);
  s.parameter = [this](int game, int number) { return parameter(game, number); };
  return s;
}

// The catalogue's ratings are read once per game and parameter.
std::optional<int> TfrmOpenGame::parameter(int game, int number) {
  const auto key = std::make_pair(game, number);
  if (const auto it = parameters_.find(key); it != parameters_.end()) return it->second;
  const int wanted[] = {number};
  const ParametersRead read = readParameters(host_.catalogue(), game, wanted);
  const std::optional<int> value = read.ok() ? std::optional<int>(read.values[0]) : std::nullopt;
  parameters_[key] = value;
  return value;
}

// A damaged custom games file is told about once for each new count of
// records it loses.
void TfrmOpenGame::showSkippedCustomGames(int skipped) {
  if (skipped == 0 || skipped == skippedShown_) return;
  skippedShown_ = skipped;
  host_.information(QString::fromStdString(skippedCustomGamesMessage(host_.customGamesFile(), skipped)));
}

void TfrmOpenGame::prepare() {
  if (!shownBefore_) {
    shownBefore_ = true;
    SettingsFile* settings = host_.settings();
    int folder = settings ? settings->readInt(kPreferences, "Game_TreeNum", FolderCode::kAllGames) : FolderCode::kAllGames;
    if (folder >= 0 || !findGameFolder(folder)) folder = FolderCode::kAllGames;
    trvGames_->showFolder(folder, host_.currentGame());
  }
  cboPlayers_->clear();
  for (const std::string& player : host_.players()) cboPlayers_->addItem(QString::fromStdString(player));
  const int current = cboPlayers_->findText(QString::fromStdString(host_.currentPlayer()));
  cboPlayers_->setCurrentIndex(current >= 0 ? current : 0);
  describe(trvGames_->currentItem());
  trvGames_->setFocus();
}

std::optional<CustomGame> TfrmOpenGame::customGame(int number) const {
  for (const CustomGame& game : customGames_)
    if (game.number == number) return game;
  return findCustomGame(host_.customGamesFile(), number);
}

bool TfrmOpenGame::selectedIsCustom() const {
  return GameTree::codeOf(trvGames_->currentItem()) >= kFirstCustomGame && GameTree::isGame(trvGames_->currentItem());
}

void TfrmOpenGame::describe(QTreeWidgetItem* item) {
  const bool game = GameTree::isGame(item);
  mnuDelete_->setEnabled(selectedIsCustom());
  btnOK_->setEnabled(game);
  btnRules_->setEnabled(game && host_.canShowRules());
  mnuRules_->setEnabled(btnRules_->isEnabled());
  btnStatistics_->setEnabled(game);
  mnuStatistics_->setEnabled(btnStatistics_->isEnabled());
  chkPreview_->setEnabled(game);
  if (!game) {
    description_->showFolder();
    return;
  }
  const int number = GameTree::codeOf(item);
  std::optional<CustomGame> custom;
  if (number >= kFirstCustomGame) {
    custom = customGame(number);
    if (!custom) custom = CustomGame{number, item->text(0).toStdString(), -1, ""};
  }
  description_->showGame(item->text(0), gameFacts(host_.catalogue(), number, custom), chkPreview_->isChecked());
}

void TfrmOpenGame::onDoubleClicked(QTreeWidgetItem* item) {
  const int code = GameTree::codeOf(item);
  if (code >= 0) return onOk();
  if (code == FolderCode::kFavourites || code == FolderCode::kCustomizeFavourites) return host_.editFavourites();
  if (code == FolderCode::kCustomized || code == FolderCode::kHowToCustomize)
    return host_.information(QString::fromUtf8(kHowToCustomize));
  item->setExpanded(!item->isExpanded());
}

void TfrmOpenGame::onOk() {
  QTreeWidgetItem* item = trvGames_->currentItem();
  if (!GameTree::isGame(item)) {
    host_.information(QStringLiteral("Open a game"));
    trvGames_->setFocus();
    return;
  }
  const int game = GameTree::codeOf(item);
  if (game >= kFirstCustomGame) {
    const auto custom = customGame(game);
    if (!custom || !gameFacts(host_.catalogue(), game, custom).available) {
      host_.information(QStringLiteral("This game cannot be played: the game it is based on is no longer in the "
                                       "catalogue."));
      return;
    }
  }
  if (SettingsFile* settings = host_.settings()) {
    const std::vector<SettingsEntry> entries{
        {"Game", std::to_string(game)},
        {"Game_Name", item->text(0).toStdString()},
        {"Game_TreeNum", std::to_string(GameTree::folderCodeOf(item))},
        {"Open_Preview_Game", chkPreview_->isChecked() ? "Y" : "N"}};
    settings->writeStrings(kPreferences, entries);
  }
  hide();
  host_.startChosenGame(game, cboPlayers_->currentText().toStdString());
  accept();
}

void TfrmOpenGame::showRules() {
  QTreeWidgetItem* item = trvGames_->currentItem();
  if (!GameTree::isGame(item)) return host_.information(QStringLiteral("Select a game"));
  if (host_.canShowRules()) host_.showGameRules(GameTree::codeOf(item), item->text(0));
}

// A saved game that was loaded is the game now; nothing is left to choose.
void TfrmOpenGame::openSavedGame() {
  if (host_.openSavedGame(this)) accept();
}

// "&Play this game" there starts a game, and this dialog closes too.
void TfrmOpenGame::showStatistics() {
  QTreeWidgetItem* item = trvGames_->currentItem();
  if (!GameTree::isGame(item)) return;
  if (host_.showStatistics(this, GameTree::codeOf(item), cboPlayers_->currentText().toStdString())) accept();
}

void TfrmOpenGame::deleteSelected() {
  if (!selectedIsCustom()) return;
  QTreeWidgetItem* item = trvGames_->currentItem();
  deleteCustomGame(host_, GameTree::codeOf(item), item->text(0).toStdString(), DeletionAsker::GameSelection);
}

// Enter is OK even while OK is greyed on a folder, to say a game is wanted.
void TfrmOpenGame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    onOk();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmOpenGame::refreshCustomGames() {
  trvGames_->refreshFolder(FolderCode::kCustomized);
  refreshFavourites();
}

void TfrmOpenGame::refreshFavourites() {
  trvGames_->refreshFolder(FolderCode::kFavourites);
  describe(trvGames_->currentItem());
}

}  // namespace kes
