#include "app/help/frm_custom_help.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace kes {

namespace {

// The panels of each row: the custom game's, then the base game's.
constexpr std::array<std::array<const char*, 2>, 3> kPanelNames{{{"pnlCardShuffeled1", "pnlCardShuffeled2"},
                                                                 {"pnlRedeals1", "pnlRedeals2"},
                                                                 {"pnlTableauFirstCard1", "pnlTableauFirstCard2"}}};

QLabel* label(const QString& text, const char* name, QWidget* parent) {
  auto* shown = new QLabel(text, parent);
  if (name) shown->setObjectName(name);
  return shown;
}

QLabel* panel(const std::string& text, const char* name, QWidget* parent) {
  QLabel* shown = label(QString::fromStdString(text), name, parent);
  shown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  shown->setAlignment(Qt::AlignCenter);
  shown->setMinimumWidth(110);
  return shown;
}

}  // namespace

TfrmCustomHelp::TfrmCustomHelp(const QString& name, const QString& baseName, const RuleComparison& rules,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmCustomHelp");
  setWindowTitle(QStringLiteral("Help [") + name + QStringLiteral("]"));

  auto* from = new QHBoxLayout;
  from->addWidget(label(QStringLiteral("This game comes from:"), nullptr, this));
  QLabel* gameFrom = label(baseName, "lblGameFrom", this);
  QFont bold = gameFrom->font();
  bold.setBold(true);
  gameFrom->setFont(bold);
  from->addWidget(gameFrom);
  from->addStretch();

  auto* table = new QGridLayout;
  table->addWidget(label(name, "lblName1", this), 0, 1, Qt::AlignCenter);
  table->addWidget(label(baseName, "lblName2", this), 0, 2, Qt::AlignCenter);
  for (std::size_t row = 0; row < rules.rows.size(); ++row) {
    const RuleComparison::Row& rule = rules.rows[row];
    const int line = static_cast<int>(row) + 1;
    table->addWidget(label(QString::fromLatin1(rule.label), nullptr, this), line, 0);
    table->addWidget(panel(rule.custom, kPanelNames[row][0], this), line, 1);
    table->addWidget(panel(rule.base, kPanelNames[row][1], this), line, 2);
  }

  auto* standard = new QHBoxLayout;
  QLabel* gameFrom2 =
      label(QStringLiteral("Click this button to view ") + baseName + QStringLiteral(" rules"), "lblGameFrom2", this);
  gameFrom2->setWordWrap(true);
  auto* rulesButton = new QPushButton(QStringLiteral("&Rules"), this);
  rulesButton->setObjectName("btnHelpStandard");
  rulesButton->setAutoDefault(false);
  connect(rulesButton, &QPushButton::clicked, this, &TfrmCustomHelp::baseRulesRequested);
  standard->addWidget(gameFrom2, 1);
  standard->addWidget(rulesButton);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(from);
  layout->addLayout(table);
  layout->addLayout(standard);
  layout->addWidget(buttons);
}

}  // namespace kes
