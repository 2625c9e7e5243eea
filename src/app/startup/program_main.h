#pragma once

#include <QApplication>

namespace kes {

// The program from launch to the end of its message loop: the splash window
// while start-up runs, then the main window. Returns the exit code; start-up
// that cannot go on (the user was told why) ends with 1.
int programMain(QApplication& application);

}  // namespace kes
