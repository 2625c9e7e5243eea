#include "main_window.h"

#include "product.h"

namespace kes {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kProductTitle));
  resize(800, 600);
}

}  // namespace kes
