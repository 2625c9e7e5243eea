#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "app_options.h"
#include "game_controller.h"
#include "main_window.h"
#include "product.h"
#include "render_table.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kestrova");
  QApplication::setApplicationDisplayName(QString::fromUtf8(kes::kProductTitle));
  const kes::DataDirs dirs = kes::dataDirsFromArguments(QApplication::arguments());

  QString error;
  if (const auto render = kes::renderRequestFrom(QApplication::arguments(), error)) {
    const int status = error.isEmpty() ? kes::renderTable(*render, dirs, error) : 2;
    if (!error.isEmpty()) std::cerr << "kestrova: " << error.toStdString() << "\n";
    return status;
  }

  kes::TfrmMain window;
  kes::GameController controller(window, dirs);
  if (!controller.ready()) {
    QMessageBox::information(nullptr, QString::fromUtf8(kes::kProductTitle), controller.error());
    return 1;
  }
  window.show();
  controller.startGame(1);
  return QApplication::exec();
}
