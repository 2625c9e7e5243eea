#include "display/geometry/table_area.h"

namespace kes {

namespace {
constexpr int kPreviewTop = 3;
}

TableArea windowTableArea(int outerWidth, int outerHeight, int clientHeight, int top) {
  return TableArea{top, 0, clientHeight - 1, outerHeight, outerWidth - kScrollBarWidth};
}

TableArea previewTableArea(int imageWidth, int imageHeight) {
  return TableArea{kPreviewTop, 0, imageHeight, imageHeight, imageWidth};
}

}  // namespace kes
