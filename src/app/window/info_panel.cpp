#include "app/window/info_panel.h"

#include <QLabel>

namespace kes {

namespace {

constexpr int kPanelWidth = 112;
constexpr int kTitleWidth = 44;

}  // namespace

InfoPanel::InfoPanel(const QString& name, const QString& title, const QString& titleLabelName,
                     const QString& valueLabelName, QWidget* parent)
    : QFrame(parent), title_(new QLabel(title, this)), value_(new QLabel(this)) {
  setObjectName(name);
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  title_->setObjectName(titleLabelName);
  value_->setObjectName(valueLabelName);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setMetrics(24, 4);
}

void InfoPanel::setValue(const QString& value) { value_->setText(value); }

QString InfoPanel::value() const { return value_->text(); }

void InfoPanel::setMetrics(int height, int labelTop) {
  setFixedSize(kPanelWidth, height);
  const int labelHeight = height - labelTop - 1;
  title_->setGeometry(6, labelTop, kTitleWidth, labelHeight);
  value_->setGeometry(6 + kTitleWidth, labelTop, kPanelWidth - kTitleWidth - 12, labelHeight);
}

}  // namespace kes
