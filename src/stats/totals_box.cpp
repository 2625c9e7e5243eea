#include "stats/totals_box.h"

#include <QGridLayout>
#include <QLabel>

#include "datafiles/statistics_views.h"
#include "stats/pie_chart.h"

namespace kes {

namespace {

QLabel* numberLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

QString wonPercentText(long long won, long long lost) {
  const auto percent = wonPercent(won, lost);
  return percent ? QStringLiteral("(%1%)").arg(*percent) : QString();
}

QString lostPercentText(long long won, long long lost) {
  const auto percent = wonPercent(won, lost);
  return percent ? QStringLiteral("(%1%)").arg(100 - *percent) : QString();
}

TotalsBox::TotalsBox(const QString& title, const QString& name, QWidget* parent) : QGroupBox(title, parent) {
  setObjectName(name);
  auto* grid = new QGridLayout(this);
  won_ = numberLabel(this, "lblWon");
  lost_ = numberLabel(this, "lblLost");
  total_ = numberLabel(this, "lblTotal");
  wonPercent_ = new QLabel(this);
  wonPercent_->setObjectName("lblWonPercent");
  lostPercent_ = new QLabel(this);
  lostPercent_->setObjectName("lblLostPercent");
  pie_ = new PieChart(this);
  pie_->setObjectName("imgGraph");
  grid->addWidget(new QLabel(tr("Won:"), this), 0, 0);
  grid->addWidget(won_, 0, 1);
  grid->addWidget(wonPercent_, 0, 2);
  grid->addWidget(new QLabel(tr("Lost:"), this), 1, 0);
  grid->addWidget(lost_, 1, 1);
  grid->addWidget(lostPercent_, 1, 2);
  grid->addWidget(new QLabel(tr("Total: "), this), 2, 0);
  grid->addWidget(total_, 2, 1);
  grid->addWidget(pie_, 0, 3, 3, 1);
  grid->setColumnStretch(2, 1);
}

void TotalsBox::setGames(long long won, long long lost) {
  won_->setText(QString::number(won));
  lost_->setText(QString::number(lost));
  total_->setText(QString::number(won + lost));
  wonPercent_->setText(wonPercentText(won, lost));
  lostPercent_->setText(lostPercentText(won, lost));
  pie_->setGames(won, lost);
}

}  // namespace kes
