#include "selection/frm_customize_rules2.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"

namespace kes {

namespace {

constexpr int kHelpTopic = HelpTopic::kNewGameName;
constexpr int kNameWidth = 50;

}  // namespace

TfrmCustomizeRules2::TfrmCustomizeRules2(const QString& gameName, NameCheck check, Message message, QWidget* parent)
    : QDialog(parent), check_(std::move(check)), message_(std::move(message)) {
  setObjectName("frmCustomizeRules2");
  setWindowTitle("Customize rules [" + gameName + "]");
  edtName_ = new QLineEdit(gameName, this);
  edtName_->setObjectName("edtName");
  edtName_->setMaxLength(kNameWidth);
  auto* prompt = new QLabel(QStringLiteral("E&nter a name for the new game:"), this);
  prompt->setBuddy(edtName_);
  auto* folder = new QLabel(QStringLiteral("This game will be added to the folder 'Customized games'."), this);
  auto* why = new QLabel(QStringLiteral("It is necessary to create a new game so to maintain statistics for "), this);
  auto* lblGameName = new QLabel(gameName + ".", this);
  lblGameName->setObjectName("lblGameName");

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("btnOK");
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  addHelpButton(*buttons, kHelpTopic);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(edtName_);
  layout->addWidget(folder);
  layout->addWidget(why);
  layout->addWidget(lblGameName);
  layout->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, &TfrmCustomizeRules2::onOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  edtName_->selectAll();
}

QString TfrmCustomizeRules2::name() const {
  QString text = edtName_->text();
  while (text.endsWith(' ')) text.chop(1);
  return text;
}

void TfrmCustomizeRules2::onOk() {
  const QString problem = check_ ? check_(edtName_->text()) : QString();
  if (!problem.isEmpty()) {
    message_(problem);
    edtName_->setFocus();
    return;
  }
  accept();
}

}  // namespace kes
