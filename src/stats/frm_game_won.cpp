#include "stats/frm_game_won.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "stats/pie_chart.h"
#include "stats/stats_help_topics.h"
#include "stats/totals_box.h"

namespace kes {

TfrmGameWon::TfrmGameWon(const QString& gameName, long long won, long long lost, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGameWon"));
  setWindowTitle(QStringLiteral("Game won"));
  grpTotal_ = new TotalsBox(QStringLiteral("Total [%1]").arg(gameName), QStringLiteral("grpTotal"), this);
  grpTotal_->pie()->setObjectName(QStringLiteral("imgGraphTot"));
  grpTotal_->setGames(won, lost);

  auto* buttons = new QVBoxLayout;
  QPushButton* btnNuova = button("btnNuova", QStringLiteral("New game..."), Choice::NewGame);
  btnNuova->setDefault(true);
  buttons->addWidget(btnNuova);
  buttons->addWidget(button("btnRipeti", QStringLiteral("Restart game..."), Choice::Restart));
  btnStatistiche_ = button("btnStatistiche", QStringLiteral(" Statistics...     "), Choice::Statistics);
  buttons->addWidget(btnStatistiche_);
  btnApriPartita_ = button("btnApriPartita", QStringLiteral("Open a game..."), Choice::OpenGame);
  buttons->addWidget(btnApriPartita_);
  buttons->addWidget(button("btnSelPartita", QStringLiteral("Select game... "), Choice::SelectNumber));
  buttons->addWidget(button("btnAnnulla", QStringLiteral("Cancel"), Choice::Cancel));
  auto* btnAiuto = new QPushButton(QStringLiteral("&?"), this);
  btnAiuto->setObjectName(QStringLiteral("btnAiuto"));
  connectHelpButton(*btnAiuto, kGameWonHelpTopic);
  buttons->addWidget(btnAiuto);
  buttons->addStretch();
  setStatisticsOffered(false);
  setGameSelectionOffered(false);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grpTotal_, 1);
  layout->addLayout(buttons);
}

QPushButton* TfrmGameWon::button(const char* name, const QString& text, Choice choice) {
  auto* b = new QPushButton(text, this);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, [this, choice] {
    choice_ = choice;
    if (choice == Choice::Cancel)
      reject();
    else
      accept();
  });
  return b;
}

void TfrmGameWon::setStatisticsOffered(bool offered) { btnStatistiche_->setEnabled(offered); }

void TfrmGameWon::setGameSelectionOffered(bool offered) { btnApriPartita_->setEnabled(offered); }

}  // namespace kes
