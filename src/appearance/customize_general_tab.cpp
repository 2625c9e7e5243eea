#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "appearance/frm_customize.h"
#include "appearance/preference_boxes.h"

namespace kes {

void TfrmCustomize::buildGeneralTab() {
  auto* page = new QWidget(tabs_);
  page->setObjectName("tbsGeneral");
  auto* grid = new QGridLayout(page);
  int row = 0;
  for (const PreferenceBox& box : preferenceBoxes()) {
    if (box.tab != CustomizeTab::General) continue;
    grid->addWidget(addBox(page, box.control.data()), row / 2, row % 2);
    ++row;
  }
  auto* buttons = new QHBoxLayout;
  auto* pointers = new QPushButton(tr("  &Pointers..."), page);
  pointers->setObjectName("btnPointers");
  auto* clearValues = new QPushButton(tr("Clear &values..."), page);
  clearValues->setObjectName("btnClearValues");
  clearValues->setEnabled(host_.canClearValues());
  auto* advanced = new QPushButton(tr("A&dvanced..."), page);
  advanced->setObjectName("btnAdvanced");
  buttons->addWidget(pointers);
  buttons->addWidget(clearValues);
  buttons->addWidget(advanced);
  buttons->addStretch();
  grid->addLayout(buttons, row / 2 + 1, 0, 1, 2);
  grid->setRowStretch(row / 2 + 2, 1);
  connect(pointers, &QPushButton::clicked, this, &TfrmCustomize::openPointers);
  connect(advanced, &QPushButton::clicked, this, &TfrmCustomize::openAdvanced);
  connect(clearValues, &QPushButton::clicked, this, [this] { host_.clearValues(this); });
  tabs_->addTab(page, tr("&General"));
}

}  // namespace kes
