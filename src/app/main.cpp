#include <QApplication>
#include <iostream>

#include "app/app_options.h"
#include "app/application_identity.h"
#include "app/render_table.h"
#include "app/startup/program_main.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  kes::identifyApplication();
  QString error;
  if (const auto render = kes::renderRequestFrom(QApplication::arguments(), error)) {
    const int status = error.isEmpty() ? kes::renderTable(*render, kes::dataDirsFromArguments(QApplication::arguments()), error) : 2;
    if (!error.isEmpty()) std::cerr << "kestrova: " << error.toStdString() << "\n";
    return status;
  }
  return kes::programMain(application);
}
