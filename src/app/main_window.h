#pragma once

#include <QMainWindow>

namespace kes {

// The program's main window. It dispatches the player's commands to the
// parts of the program that carry them out.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
};

}  // namespace kes
