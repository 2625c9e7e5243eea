#pragma once

#include <QPoint>
#include <QtGlobal>
#include <optional>

namespace kes {

// Where and since when the pointer has rested on the table, for the
// pile-size tip: a tip is looked up once the pointer has kept still for
// half a second, and not again until it moves.
class PointerRest {
 public:
  static constexpr qint64 kRestMs = 500;

  // A pointer move over the table; true when the position changed.
  bool moved(QPoint at, qint64 nowMs);
  // The pointer left the table: nothing to look up.
  void clear() { record_.reset(); }
  // On a clock tick: the point to look up when the pointer has rested long
  // enough. The record is used up by this.
  std::optional<QPoint> takeRest(qint64 nowMs);

 private:
  struct Record {
    QPoint at;
    qint64 since;
  };
  std::optional<Record> record_;
  std::optional<QPoint> last_;
};

}  // namespace kes
