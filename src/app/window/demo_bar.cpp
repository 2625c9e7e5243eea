#include "app/window/demo_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace kes {

namespace {

constexpr int kBarWidth = 240;
constexpr int kCounterWidth = 70;

}  // namespace

QPushButton* DemoBar::button(const char* name, const QString& caption, const QString& hint,
                             void (DemoBar::*signal)()) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  connect(b, &QPushButton::clicked, this, [this, signal] { emit(this->*signal)(); });
  return b;
}

DemoBar::DemoBar(QWidget* parent) : QWidget(parent) {
  setObjectName("demoBar");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(4);
  btnDemoFirst_ = button("btnDemoFirst", QStringLiteral("First"), QStringLiteral("First"), &DemoBar::firstWanted);
  btnDemoPrior_ = button("btnDemoPrior", QStringLiteral("<<"), QStringLiteral("Previous 3 moves"),
                         &DemoBar::priorWanted);
  scbDemoMove_ = new QScrollBar(Qt::Horizontal, this);
  scbDemoMove_->setObjectName("scbDemoMove");
  scbDemoMove_->setToolTip(QStringLiteral("Previous/Next move"));
  scbDemoMove_->setFixedWidth(kBarWidth);
  scbDemoMove_->setPageStep(1);
  // While the thumb is dragged nothing happens; its release goes from where
  // the drag began to where it ended.
  scbDemoMove_->setTracking(false);
  connect(scbDemoMove_, &QScrollBar::valueChanged, this, &DemoBar::positionWanted);
  btnDemoNext_ = button("btnDemoNext", QStringLiteral(">>"), QStringLiteral("Next 3 moves"), &DemoBar::nextWanted);
  btnDemoLast_ = button("btnDemoLast", QStringLiteral("Last"), QStringLiteral("Last"), &DemoBar::lastWanted);
  pnlDemoCount_ = new QLabel(this);
  pnlDemoCount_->setObjectName("pnlDemoCount");
  pnlDemoCount_->setFixedWidth(kCounterWidth);
  pnlDemoCount_->setAlignment(Qt::AlignCenter);
  pnlDemoCount_->setFrameShape(QFrame::Panel);
  pnlDemoCount_->setFrameShadow(QFrame::Sunken);
  btnDemoPlay_ = button("btnDemoPlay", QStringLiteral("Play"), QStringLiteral("Play"), &DemoBar::playWanted);
  btnDemoStop_ = button("btnDemoStop", QStringLiteral("Stop"), QStringLiteral("Stop"), &DemoBar::stopWanted);
  auto* close = button("btnDemoClose", QStringLiteral("Close"), QStringLiteral("Close"), &DemoBar::closeWanted);
  for (QWidget* w : {static_cast<QWidget*>(btnDemoFirst_), static_cast<QWidget*>(btnDemoPrior_),
                     static_cast<QWidget*>(scbDemoMove_), static_cast<QWidget*>(btnDemoNext_),
                     static_cast<QWidget*>(btnDemoLast_), static_cast<QWidget*>(pnlDemoCount_),
                     static_cast<QWidget*>(btnDemoPlay_), static_cast<QWidget*>(btnDemoStop_)})
    row->addWidget(w);
  row->addStretch(1);
  row->addWidget(close);
  showPlaying(false);
}

void DemoBar::showPosition(int p, int n) {
  pnlDemoCount_->setText(QString::number(p) + QLatin1Char('/') + QString::number(n));
  {
    const QSignalBlocker quiet(scbDemoMove_);
    scbDemoMove_->setRange(1, n);
    scbDemoMove_->setValue(p);
  }
  btnDemoFirst_->setEnabled(p > 1);
  btnDemoPrior_->setEnabled(p > 1);
  btnDemoNext_->setEnabled(p < n);
  btnDemoLast_->setEnabled(p < n);
  btnDemoPlay_->setEnabled(!playing_ && p < n);
}

void DemoBar::showPlaying(bool playing) {
  playing_ = playing;
  btnDemoStop_->setEnabled(playing);
  btnDemoPlay_->setEnabled(!playing && scbDemoMove_->value() < scbDemoMove_->maximum());
}

QString DemoBar::counterText() const { return pnlDemoCount_->text(); }

}  // namespace kes
