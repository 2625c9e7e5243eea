#include "message_box_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>

#include "app/startup/advice_box.h"
#include "datafiles/product_title.h"

namespace kes {

namespace {

// A box asks for the pointer even while the program is busy.
struct ArrowCursor {
  ArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;
};

}  // namespace

QString boxText(const QString& text) {
  QString result = text;
  result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

QString boxText(const std::string& text) { return boxText(QString::fromStdString(text)); }

void MessageBoxUi::information(const std::string& text) {
  const ArrowCursor arrow;
  QMessageBox::information(parent_, QString::fromUtf8(kProductTitle), boxText(text));
}

void MessageBoxUi::error(const std::string& text) {
  const ArrowCursor arrow;
  QMessageBox::critical(parent_, "Error", boxText(text));
}

bool MessageBoxUi::advice(const std::string& text, AdvicePicture picture) {
  const ArrowCursor arrow;
  const auto box = makeAdviceBox(boxText(text), picture, parent_);
  box->exec();
  return box->checkBox()->isChecked();
}

bool MessageBoxUi::confirm(const std::string& question) {
  const ArrowCursor arrow;
  return QMessageBox::question(parent_, QString::fromUtf8(kProductTitle), boxText(question),
                               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace kes
