#pragma once

#include <QDialog>

namespace kes {

// The about box: the program's name, version and licence.
class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace kes
