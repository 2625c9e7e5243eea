#include "splash_window.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "datafiles/product_title.h"

namespace kes {

namespace {

constexpr QSize kSplashSize(440, 260);
constexpr QSize kCardSize(64, 88);
constexpr const char* kVersionCaption = "Version 4.00";

// One card seen from its face: white, rounded, a suit sign in the middle.
void paintCard(QPainter& painter, QPointF centre, qreal angle, const QString& suit, const QColor& ink) {
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  const QRectF card(-kCardSize.width() / 2.0, -kCardSize.height() / 2.0, kCardSize.width(), kCardSize.height());
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawRoundedRect(card.translated(4, 4), 7, 7);
  painter.setPen(QPen(QColor(90, 90, 90), 1));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(card, 7, 7);
  QFont font = painter.font();
  font.setPixelSize(38);
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(card, Qt::AlignCenter, suit);
  painter.restore();
}

void paintFelt(QPainter& painter, const QRect& area) {
  QLinearGradient felt(area.topLeft(), area.bottomRight());
  felt.setColorAt(0, QColor(18, 104, 62));
  felt.setColorAt(1, QColor(6, 58, 34));
  painter.fillRect(area, felt);
  painter.setPen(QPen(QColor(214, 178, 92), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(6, 6, -7, -7));
}

void paintTitle(QPainter& painter, const QRect& area) {
  QFont title = painter.font();
  title.setPixelSize(34);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(250, 240, 210));
  painter.drawText(QRect(area.left(), 150, area.width(), 46), Qt::AlignCenter, QString::fromUtf8(kProductTitle));
  QFont small = painter.font();
  small.setPixelSize(13);
  small.setBold(false);
  painter.setFont(small);
  painter.setPen(QColor(214, 178, 92));
  painter.drawText(QRect(area.left(), 196, area.width(), 22), Qt::AlignCenter, kVersionCaption);
  painter.drawText(QRect(area.left(), 222, area.width(), 20), Qt::AlignCenter, "Loading...");
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setFixedSize(kSplashSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SplashWindow::showAndPaint() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  repaint();
  QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paintFelt(painter, rect());
  const qreal middle = width() / 2.0;
  paintCard(painter, {middle - 58, 84}, -14, QString::fromUtf8("\u2660"), Qt::black);
  paintCard(painter, {middle, 76}, 0, QString::fromUtf8("\u2665"), QColor(196, 20, 30));
  paintCard(painter, {middle + 58, 84}, 14, QString::fromUtf8("\u2663"), Qt::black);
  paintTitle(painter, rect());
}

}  // namespace kes
