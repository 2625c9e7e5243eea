#include "appearance/frm_options_advanced.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "appearance/preference_boxes.h"

namespace kes {

namespace {

constexpr int kHelpTopic = 1005;
constexpr const char* kUndoItems[] = {"U&nlimited levels", "Only &one undo/redo", "Di&sable"};

}  // namespace

TfrmOptionsAdvanced::TfrmOptionsAdvanced(const AdvancedValues& values, QWidget* parent) : QDialog(parent) {
  setObjectName("frmOptionsAdvanced");
  setWindowTitle(tr("Advanced options"));
  auto* layout = new QVBoxLayout(this);
  for (const PreferenceBox& box : preferenceBoxes()) {
    if (box.tab != CustomizeTab::Advanced) continue;
    auto* check = new QCheckBox(tr(box.caption.data()), this);
    check->setObjectName(QString::fromLatin1(box.control.data(), static_cast<int>(box.control.size())));
    const auto it = values.boxes.find(box.control);
    check->setChecked(it != values.boxes.end() && it->second);
    boxes_[std::string(box.control)] = check;
    layout->addWidget(check);
  }
  auto* group = new QGroupBox(tr("Undo/Redo options "), this);
  group->setObjectName("rgUndoOptions");
  auto* groupLayout = new QVBoxLayout(group);
  rgUndoOptions_ = new QButtonGroup(this);
  for (int mode = 0; mode < 3; ++mode) {
    auto* radio = new QRadioButton(tr(kUndoItems[mode]), group);
    rgUndoOptions_->addButton(radio, mode);
    groupLayout->addWidget(radio);
  }
  if (QAbstractButton* current = rgUndoOptions_->button(values.undoMode)) current->setChecked(true);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  addHelpButton(*buttons, kHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

AdvancedValues TfrmOptionsAdvanced::values() const {
  AdvancedValues out;
  for (const auto& [name, check] : boxes_) out.boxes[name] = check->isChecked();
  out.undoMode = rgUndoOptions_->checkedId() < 0 ? 0 : rgUndoOptions_->checkedId();
  return out;
}

}  // namespace kes
