#include <QApplication>

#include "app_options.h"
#include "main_window.h"
#include "product.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kestrova");
  QApplication::setApplicationDisplayName(QString::fromUtf8(kes::kProductTitle));
  const kes::DataDirs dirs = kes::dataDirsFromArguments(QApplication::arguments());
  (void)dirs;  // the start-up that reads the data folders comes with the application proper
  kes::TfrmMain window;
  window.show();
  return QApplication::exec();
}
