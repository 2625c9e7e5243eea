#include "selection/frm_customize_rules.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"
#include "datafiles/catalogue_params.h"
#include "datafiles/custom_game_name.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/game_list.h"
#include "selection/custom_game_deleter.h"
#include "selection/frm_customize_rules2.h"
#include "selection/host_messages.h"
#include "selection/selection_host.h"

namespace kes {

namespace {

constexpr int kHelpTopic = HelpTopic::kCustomizeRules;
constexpr int kMostCards = 104;
constexpr int kMostRedeals = 999;

QRadioButton* radio(const char* text, const char* name, QWidget* parent) {
  auto* button = new QRadioButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QSpinBox* spin(const char* name, int last, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(1, last);
  return box;
}

// A field the player emptied or filled with something else holds no number.
std::optional<int> numberIn(const QSpinBox& box) {
  bool ok = false;
  const int value = box.cleanText().trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// A label that selects a radio button when clicked.
class ButtonLabel : public QLabel {
 public:
  ButtonLabel(const QString& text, QRadioButton& button, QWidget* parent) : QLabel(text, parent), button_(button) {}

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (button_.isEnabled()) button_.click();
  }

 private:
  QRadioButton& button_;
};

std::vector<std::string> catalogueNames(const GameList& games) {
  std::vector<std::string> names;
  for (const GameListEntry& e : games.entries()) names.push_back(e.name);
  return names;
}

}  // namespace

TfrmCustomizeRules::TfrmCustomizeRules(SelectionHost& host, int game, const QString& title, QWidget* parent)
    : QDialog(parent), host_(host), game_(game), title_(title) {
  setObjectName("frmCustomizeRules");
  setWindowTitle("Customize rules [" + title + "]");
  std::optional<CustomGameRules> custom;
  baseGame_ = game;
  if (game >= kFirstCustomGame) {
    if (const auto record = findCustomGame(host.customGamesFile(), game)) {
      custom = CustomGameRules{record->baseGame, record->ruleString};
      baseGame_ = record->baseGame;
    }
  }
  GameParams catalogue;
  GameParams current;
  SavedPileParams saved;
  ready_ = loadGameParams(host.catalogue(), baseGame_, std::nullopt, catalogue, saved).ok() &&
           loadGameParams(host.catalogue(), game, custom, current, saved).ok();

  pages_ = new QTabWidget(this);
  pages_->addTab(buildStockPage(), QStringLiteral(" &Stock "));
  pages_->addTab(buildTableauPage(), QStringLiteral("&Tableau"));
  auto* buttons = new QDialogButtonBox(this);
  btnOK_ = buttons->addButton(QDialogButtonBox::Ok);
  btnOK_->setObjectName("btnOK");
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  addHelpButton(*buttons, kHelpTopic);
  btnDelete_ = buttons->addButton(QStringLiteral("De&lete"), QDialogButtonBox::ActionRole);
  btnDelete_->setObjectName("btnDelete");
  btnDelete_->setEnabled(game >= kFirstCustomGame);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);
  connect(btnOK_, &QPushButton::clicked, this, &TfrmCustomizeRules::onOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(btnDelete_, &QPushButton::clicked, this, &TfrmCustomizeRules::onDelete);
  if (!ready_) return;

  offered_ = offeredRules(catalogue);
  showChoice(ruleChoiceOf(current, current));
  spnCardsShuffeled_->setEnabled(offered_.cardsDealt);
  grpRedeals_->setEnabled(offered_.redeals);
  spnRedealsNumber_->setEnabled(offered_.redeals && rbtRedealsSpecified_->isChecked());
  grpTableau_->setEnabled(offered_.tableau);
  if (!offered_.tableau) {
    // A greyed group shows no choice.
    rbKingOnly_->group()->setExclusive(false);
    for (QRadioButton* b : {rbKingOnly_, rbAnyCard_, rbNone_}) b->setChecked(false);
  }
  opening_ = shownChoice().value_or(RuleChoice{});
  refreshTotalDeals();
  changed();
}

QWidget* TfrmCustomizeRules::buildStockPage() {
  auto* page = new QWidget(this);
  spnCardsShuffeled_ = spin("spnCardsShuffeled", kMostCards, page);
  if (auto* edit = spnCardsShuffeled_->findChild<QLineEdit*>()) edit->setObjectName("edtCardsShuffeled");
  auto* cardsLabel = new QLabel(QStringLiteral("&Cards dealt by clicking on the stock:"), page);
  cardsLabel->setBuddy(spnCardsShuffeled_);

  grpRedeals_ = new QGroupBox(QStringLiteral("&Redeals of the stock: "), page);
  grpRedeals_->setObjectName("grpRedeals");
  rbtRedealsUnlimited_ = radio("&Unlimited", "rbtRedealsUnlimited", grpRedeals_);
  rbtRedealsSpecified_ = radio("Specified nu&mber:", "rbtRedealsSpecified", grpRedeals_);
  rbtRedealsNone_ = radio("No redeals (&only 1 deal)", "rbtRedealsNone", grpRedeals_);
  spnRedealsNumber_ = spin("spnRedealsNumber", kMostRedeals, grpRedeals_);
  if (auto* edit = spnRedealsNumber_->findChild<QLineEdit*>()) edit->setObjectName("edtRedealsNumber");
  lblTotDeals_ = new QLabel(grpRedeals_);
  lblTotDeals_->setObjectName("lblTotDeals");
  auto* grid = new QGridLayout(grpRedeals_);
  grid->addWidget(rbtRedealsUnlimited_, 0, 0);
  grid->addWidget(rbtRedealsSpecified_, 1, 0);
  grid->addWidget(spnRedealsNumber_, 1, 1);
  grid->addWidget(lblTotDeals_, 1, 2);
  grid->addWidget(rbtRedealsNone_, 2, 0);

  auto* layout = new QGridLayout(page);
  layout->addWidget(cardsLabel, 0, 0);
  layout->addWidget(spnCardsShuffeled_, 0, 1);
  layout->addWidget(grpRedeals_, 1, 0, 1, 2);
  layout->setRowStretch(2, 1);

  for (QRadioButton* b : {rbtRedealsUnlimited_, rbtRedealsSpecified_, rbtRedealsNone_})
    connect(b, &QRadioButton::toggled, this, [this] {
      spnRedealsNumber_->setEnabled(offered_.redeals && rbtRedealsSpecified_->isChecked());
      refreshTotalDeals();
      changed();
    });
  connect(spnCardsShuffeled_, &QSpinBox::textChanged, this, [this] { changed(); });
  connect(spnRedealsNumber_, &QSpinBox::textChanged, this, [this] {
    refreshTotalDeals();
    changed();
  });
  return page;
}

QWidget* TfrmCustomizeRules::buildTableauPage() {
  auto* page = new QWidget(this);
  grpTableau_ = new QGroupBox(QStringLiteral("Spaces in empty tableau piles can be filled with: "), page);
  grpTableau_->setObjectName("grpTableau");
  rbKingOnly_ = radio("&King only (or pile with a King at the top);", "rbKingOnly", grpTableau_);
  rbAnyCard_ = radio("&Any card (or legal sequence)", "rbAnyCard", grpTableau_);
  rbNone_ = radio("&None (spaces cannot be filled)", "rbNone", grpTableau_);
  auto* below = new ButtonLabel(QStringLiteral("or 1 rank below the base card"), *rbKingOnly_, grpTableau_);
  below->setObjectName("lblKingOrBelow");
  auto* group = new QButtonGroup(this);
  for (QRadioButton* b : {rbKingOnly_, rbAnyCard_, rbNone_}) {
    group->addButton(b);
    connect(b, &QRadioButton::toggled, this, [this] { changed(); });
  }
  auto* layout = new QVBoxLayout(grpTableau_);
  layout->addWidget(rbKingOnly_);
  layout->addWidget(below);
  layout->addWidget(rbAnyCard_);
  layout->addWidget(rbNone_);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(grpTableau_);
  pageLayout->addStretch();
  return page;
}

void TfrmCustomizeRules::showChoice(const RuleChoice& c) {
  spnCardsShuffeled_->setValue(c.cardsDealt);
  if (c.redealsCode == -1)
    rbtRedealsUnlimited_->setChecked(true);
  else if (c.redealsCode == 0)
    rbtRedealsNone_->setChecked(true);
  else {
    rbtRedealsSpecified_->setChecked(true);
    spnRedealsNumber_->setValue(c.redealsCode - 1);
  }
  switch (c.tableau) {
    case TableauFill::King: rbKingOnly_->setChecked(true); break;
    case TableauFill::None: rbNone_->setChecked(true); break;
    default: rbAnyCard_->setChecked(true); break;
  }
}

std::optional<RuleChoice> TfrmCustomizeRules::shownChoice() const {
  RuleChoice c;
  if (offered_.cardsDealt) {
    const auto cards = numberIn(*spnCardsShuffeled_);
    if (!cards) return std::nullopt;
    c.cardsDealt = *cards;
  }
  if (offered_.redeals) {
    if (rbtRedealsUnlimited_->isChecked())
      c.redealsCode = -1;
    else if (rbtRedealsNone_->isChecked())
      c.redealsCode = 0;
    else {
      const auto redeals = numberIn(*spnRedealsNumber_);
      if (!redeals) return std::nullopt;
      c.redealsCode = *redeals + 1;
    }
  }
  if (offered_.tableau)
    c.tableau = rbKingOnly_->isChecked() ? TableauFill::King
                : rbNone_->isChecked()   ? TableauFill::None
                                         : TableauFill::AnyCard;
  return c;
}

// OK only while the rules differ from those the game has.
void TfrmCustomizeRules::changed() {
  const auto choice = shownChoice();
  btnOK_->setEnabled(ready_ && (!choice || !(*choice == opening_)));
}

void TfrmCustomizeRules::refreshTotalDeals() {
  const auto redeals = numberIn(*spnRedealsNumber_);
  if (rbtRedealsNone_->isChecked()) {
    lblTotDeals_->setText(QString::fromStdString(totalDealsText(0)));
    lblTotDeals_->show();
  } else if (rbtRedealsSpecified_->isChecked() && redeals) {
    lblTotDeals_->setText(QString::fromStdString(totalDealsText(*redeals)));
    lblTotDeals_->show();
  } else {
    lblTotDeals_->hide();
  }
}

void TfrmCustomizeRules::onOk() {
  const auto choice = shownChoice();
  if (!choice) {
    host_.information(QStringLiteral("Only numbers required."));
    pages_->setCurrentIndex(0);
    (numberIn(*spnCardsShuffeled_) ? spnRedealsNumber_ : spnCardsShuffeled_)->setFocus();
    return;
  }
  const std::vector<std::string> names = catalogueNames(host_.games());
  const auto file = host_.customGamesFile();
  TfrmCustomizeRules2 naming(
      title_,
      [&](const QString& name) {
        return QString::fromStdString(customGameNameProblem(name.toStdString(), file, names));
      },
      [this](const QString& text) { host_.information(text); }, this);
  if (host_.run(naming) != QDialog::Accepted) return reject();
  const std::string name = naming.name().toStdString();
  HostMessages messages(host_);
  const RuleChoice stored = storedChoice(*choice, offered_);
  added_ = addCustomGame(file, name, baseGame_,
                         customRuleString(stored.cardsDealt, stored.redealsCode, static_cast<int>(stored.tableau)),
                         messages);
  if (!added_) return;
  host_.customGamesChanged();
  if (host_.gameInProgress() &&
      host_.askYesNo("Do you want to start the new game\r" + naming.name() + "\r" + "and quit the current game now?"))
    host_.startNewCustomGame(*added_);
  accept();
}

void TfrmCustomizeRules::onDelete() {
  if (game_ < kFirstCustomGame) return;
  const std::string name = title_.toStdString();
  if (!deleteCustomGame(host_, game_, name, DeletionAsker::RuleCustomization)) return;
  done(QDialog::Rejected);
  emit gameDeleted();
}

}  // namespace kes
