#include "select_game_number.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"
#include "engine/deal_generator.h"

namespace kes {

GameNumberCheck checkGameNumber(const QString& typed) {
  const QString text = typed.trimmed();
  if (text.size() > kDealNumberDigits) return {std::nullopt, QStringLiteral("From 1 up to 13 ciphers.")};
  for (QChar c : text)
    if (c < '0' || c > '9') return {std::nullopt, QStringLiteral("Only numbers required.")};
  if (text.isEmpty() || text.count('0') == text.size()) return {};
  return {normalizeDealNumber(text.toStdString()), QString()};
}

TfrmSelectGameNumber::TfrmSelectGameNumber(const QStringList& recent, const QString& current, QWidget* parent)
    : QDialog(parent), cboNumber_(new QComboBox(this)) {
  setObjectName("frmSelectGameNumber");
  setWindowTitle(QStringLiteral("Select a game number"));
  cboNumber_->setObjectName("cboNumber");
  cboNumber_->setEditable(true);
  cboNumber_->addItems(recent);
  cboNumber_->setEditText(current);
  cboNumber_->lineEdit()->setMaxLength(kDealNumberDigits);
  // The box takes what is typed: no recent number completes it behind the
  // player's back. The number shown is selected, so typing replaces it.
  cboNumber_->setCompleter(nullptr);
  cboNumber_->setInsertPolicy(QComboBox::NoInsert);
  cboNumber_->lineEdit()->selectAll();
  auto* label = new QLabel(QStringLiteral("&Enter a game number:"), this);
  label->setBuddy(cboNumber_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOk");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnAnnulla");
  addHelpButton(*buttons, HelpTopic::kSelectGameNumber)->setObjectName("btnAiuto");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(cboNumber_);
  layout->addWidget(new QLabel(QStringLiteral("(from 1 to 9,999,999,999,999)"), this));
  layout->addWidget(buttons);
  showMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSelectGameNumber::btnOkClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TfrmSelectGameNumber::btnOkClick() {
  const GameNumberCheck check = checkGameNumber(cboNumber_->currentText());
  if (!check.message.isEmpty()) {
    showMessage(check.message);
    cboNumber_->setFocus();
    return;
  }
  if (!check.dealNumber) return;
  dealNumber_ = *check.dealNumber;
  accept();
}

}  // namespace kes
