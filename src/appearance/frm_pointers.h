#pragma once

#include <QDialog>

class QListWidget;

namespace kes {

class ResourceLibrary;

// "Pointers": the cursor sets, each shown with its pointer and its pointer
// while a card is held. OK keeps the selected set, or 0 (the platform's
// arrow) when none is selected.
class TfrmPointers : public QDialog {
  Q_OBJECT

 public:
  TfrmPointers(const ResourceLibrary& library, int cursorChoice, QWidget* parent = nullptr);

  // The set OK chose.
  int cursorChoice() const;
  QListWidget* list() const { return lvCursors_; }

 private:
  QListWidget* lvCursors_ = nullptr;
};

}  // namespace kes
