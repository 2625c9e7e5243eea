#include "app/window/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "datafiles/product_title.h"

namespace kes {

namespace {

// About as many characters as a line of the licence text holds.
constexpr int kLineCharacters = 56;

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  const QString title = QString::fromUtf8(kProductTitle);
  setWindowTitle(QStringLiteral("About %1").arg(title));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(title), this);
  name->setObjectName("lblProgram");
  auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(KESTROVA_VERSION)), this);
  version->setObjectName("lblVersion");
  auto* licence = new QLabel(
      QStringLiteral("A suite of patience games.\n\n"
                     "This program is free software: you can redistribute it and/or modify it under the "
                     "terms of the GNU General Public License as published by the Free Software Foundation, "
                     "either version 3 of the License, or (at your option) any later version "
                     "(GPL-3.0-or-later).\n\n"
                     "It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
                     "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE."),
      this);
  licence->setObjectName("lblLicence");
  licence->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  for (QWidget* widget : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                          static_cast<QWidget*>(licence), static_cast<QWidget*>(buttons)})
    layout->addWidget(widget);
  // Measured in the font's own characters, so the box keeps its shape at any
  // font size; its height is what the wrapped text needs at that width.
  licence->setFixedWidth(licence->fontMetrics().averageCharWidth() * kLineCharacters);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kes
