#include "app/window/pointer_rest.h"

namespace kes {

bool PointerRest::moved(QPoint at, qint64 nowMs) {
  const bool changed = last_ != at;
  last_ = at;
  record_ = Record{at, nowMs};
  return changed;
}

std::optional<QPoint> PointerRest::takeRest(qint64 nowMs) {
  if (!record_ || nowMs - record_->since < kRestMs) return std::nullopt;
  const QPoint at = record_->at;
  record_.reset();
  return at;
}

}  // namespace kes
