#include "advice_box.h"

#include <QCheckBox>
#include <QPainter>

namespace kes {

namespace {

constexpr int kPictureSize = 64;

void paintPalette(QPainter& painter) {
  const QColor colours[] = {Qt::red, QColor(255, 160, 0), Qt::yellow, QColor(0, 170, 0),
                            QColor(0, 150, 220), Qt::blue, QColor(140, 0, 200), Qt::magenta, Qt::black};
  const int cell = kPictureSize / 3;
  for (int i = 0; i < 9; ++i) {
    const QRect square((i % 3) * cell + 2, (i / 3) * cell + 2, cell - 3, cell - 3);
    painter.fillRect(square, colours[i]);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(square);
  }
}

void paintScreen(QPainter& painter) {
  painter.setPen(QPen(QColor(60, 60, 60), 2));
  painter.setBrush(QColor(230, 230, 230));
  painter.drawRoundedRect(QRect(4, 6, kPictureSize - 8, 40), 4, 4);
  painter.fillRect(QRect(10, 12, kPictureSize - 20, 28), QColor(0, 110, 60));
  painter.drawLine(kPictureSize / 2, 46, kPictureSize / 2, 54);
  painter.drawLine(20, 56, kPictureSize - 20, 56);
  QFont font = painter.font();
  font.setPixelSize(10);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(10, 12, kPictureSize - 20, 28), Qt::AlignCenter, "640x480");
}

}  // namespace

QPixmap advicePixmap(AdvicePicture picture) {
  QPixmap pixmap(kPictureSize, kPictureSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (picture == AdvicePicture::Color)
    paintPalette(painter);
  else
    paintScreen(painter);
  return pixmap;
}

std::unique_ptr<QMessageBox> makeAdviceBox(const QString& text, AdvicePicture picture, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setObjectName("frmMsgAdvice");
  box->setWindowTitle("Information");
  box->setText(text);
  box->setIconPixmap(advicePixmap(picture));
  box->setStandardButtons(QMessageBox::Ok);
  auto* check = new QCheckBox(kDontShowAgainCaption, box.get());
  check->setObjectName("chkNotDisplay");
  box->setCheckBox(check);
  return box;
}

}  // namespace kes
