#include <QApplication>

#include "app/startup/program_main.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return kes::programMain(application);
}
