#pragma once

#include <QDialog>
#include <map>
#include <string>

class QCheckBox;
class QButtonGroup;

namespace kes {

// The values "Advanced options" edits: the four boxes by name and the undo
// mode (0 unlimited, 1 one step, 2 none).
struct AdvancedValues {
  std::map<std::string, bool, std::less<>> boxes;
  int undoMode = 0;
};

// "Advanced options": confirmations, the tip of the day at start-up and
// the undo mode. OK keeps what the boxes show; Cancel keeps nothing.
class TfrmOptionsAdvanced : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmOptionsAdvanced(const AdvancedValues& values, QWidget* parent = nullptr);

  AdvancedValues values() const;

 private:
  std::map<std::string, QCheckBox*, std::less<>> boxes_;
  QButtonGroup* rgUndoOptions_ = nullptr;
};

}  // namespace kes
