#pragma once

#include <QObject>

namespace kes {

class TableWidget;

// Input never waits for the cards and is never lost: a key or a mouse press
// anywhere in the application first ends the moves still playing, so that
// it acts on the table as it will be once they have landed. While the
// winning show runs, a key or a press (also on a window frame) only stops
// the show, and the rest of that key or click reaches nothing.
class AnimationInputGuard : public QObject {
 public:
  explicit AnimationInputGuard(TableWidget& table);
  ~AnimationInputGuard() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool swallow(QEvent* event);

  TableWidget& table_;
  bool swallowing_ = false;  // the release of a press that stopped the show
};

}  // namespace kes
