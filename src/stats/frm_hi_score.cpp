#include "stats/frm_hi_score.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "appearance/help_button.h"
#include "datafiles/hi_score_entry.h"
#include "stats/hi_score_rows.h"
#include "stats/score_pictures.h"
#include "stats/stats_help_topics.h"

namespace kes {

namespace {

constexpr int kRows = kHiScorePlaces + 1;  // one heading row
constexpr int kPictureSide = 64;

QString gameCaption(const QString& name) { return QStringLiteral("Hi-Scores [%1]").arg(name); }

}  // namespace

TfrmHiScore::TfrmHiScore(std::vector<HiScoreGame> games, EntriesOf entriesOf, QWidget* parent)
    : QDialog(parent), games_(std::move(games)), entriesOf_(std::move(entriesOf)) {
  setObjectName(QStringLiteral("frmHiScore"));
  setWindowTitle(QStringLiteral("Hi-Scores"));
  std::stable_sort(games_.begin(), games_.end(), [](const HiScoreGame& a, const HiScoreGame& b) {
    return QString::localeAwareCompare(a.name, b.name) < 0;
  });

  lsbGames_ = new QListWidget(this);
  lsbGames_->setObjectName(QStringLiteral("lsbGames"));
  for (const HiScoreGame& game : games_) {
    auto* item = new QListWidgetItem(game.name, lsbGames_);
    item->setData(Qt::UserRole, game.number);
  }
  lsbGames_->setFixedWidth(200);
  // A click or a key that moves the choice shows the game.
  connect(lsbGames_, &QListWidget::currentRowChanged, this, [this] { gameChosen(); });

  const QStringList headings = hiScoreHeadings();
  slScores_ = new QTableWidget(kRows, static_cast<int>(headings.size()), this);
  slScores_->setObjectName(QStringLiteral("slScores"));
  slScores_->horizontalHeader()->hide();
  slScores_->verticalHeader()->hide();
  slScores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  slScores_->setSelectionBehavior(QAbstractItemView::SelectRows);
  slScores_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int c = 0; c < headings.size(); ++c) {
    auto* heading = new QTableWidgetItem(headings[c]);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setFlags(Qt::ItemIsEnabled);
    slScores_->setItem(0, c, heading);
  }
  slScores_->setMinimumWidth(560);

  auto* clear = new QAction(QStringLiteral("Clear Hi-Scores..."), this);
  clear->setObjectName(QStringLiteral("mnuClearScores"));
  connect(clear, &QAction::triggered, this, &TfrmHiScore::mnuClearScoresClick);
  slScores_->setContextMenuPolicy(Qt::ActionsContextMenu);
  slScores_->addAction(clear);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(clear);

  imgScore_ = new QLabel(this);
  imgScore_->setObjectName(QStringLiteral("imgScore"));
  imgScore_->setPixmap(scoreTablePicture(kPictureSide));
  imgNewScore_ = new QLabel(this);
  imgNewScore_->setObjectName(QStringLiteral("imgNewScore"));
  imgNewScore_->setPixmap(newScorePicture(kPictureSide));
  imgNewScore_->hide();

  auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* btnAiuto = new QPushButton(QStringLiteral("&?"), this);
  btnAiuto->setObjectName(QStringLiteral("btnAiuto"));
  connectHelpButton(*btnAiuto, kHiScoresHelpTopic);

  auto* side = new QVBoxLayout;
  side->addWidget(imgScore_, 0, Qt::AlignHCenter);
  side->addWidget(imgNewScore_, 0, Qt::AlignHCenter);
  side->addWidget(lsbGames_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnAiuto);
  auto* right = new QVBoxLayout;
  right->addWidget(slScores_, 1);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addLayout(right, 1);
  resize(820, 520);
}

void TfrmHiScore::setNewEntry(bool newEntry) {
  imgNewScore_->setVisible(newEntry);
  imgScore_->setVisible(!newEntry);
}

void TfrmHiScore::showGame(int game, int place, const QString& caption) {
  const auto found = std::find_if(games_.begin(), games_.end(), [game](const HiScoreGame& g) { return g.number == game; });
  const int row = found == games_.end() ? (games_.empty() ? -1 : 0) : static_cast<int>(found - games_.begin());
  {
    const QSignalBlocker blocker(lsbGames_);
    lsbGames_->setCurrentRow(row);
  }
  if (row < 0) return;
  fillGrid(games_[static_cast<std::size_t>(row)].number);
  setWindowTitle(caption.isEmpty() ? gameCaption(games_[static_cast<std::size_t>(row)].name) : caption);
  slScores_->setCurrentCell(std::clamp(place, 1, kHiScorePlaces), 0);
}

void TfrmHiScore::gameChosen() {
  const int row = lsbGames_->currentRow();
  if (row < 0 || row >= static_cast<int>(games_.size())) return;
  showGame(games_[static_cast<std::size_t>(row)].number);
}

void TfrmHiScore::fillGrid(int game) {
  shown_ = game;
  const std::vector<std::string> entries = entriesOf_ ? entriesOf_(game) : std::vector<std::string>{};
  for (int place = 1; place <= kHiScorePlaces; ++place) {
    const std::string entry = place <= static_cast<int>(entries.size()) ? entries[place - 1] : emptyHiScoreEntry();
    const QStringList cells = hiScoreRow(place, entry);
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      slScores_->setItem(place, c, item);
    }
  }
  slScores_->resizeColumnsToContents();
}

void TfrmHiScore::mnuClearScoresClick() {
  if (!clearScores || !clearScores()) return;
  const int row = lsbGames_->currentRow();
  if (row >= 0) showGame(games_[static_cast<std::size_t>(row)].number);
}

}  // namespace kes
