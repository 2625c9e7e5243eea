#include "display/geometry/table_area.h"

namespace kes {

namespace {
constexpr int kPreviewTop = 3;
}

TableArea windowTableArea(int outerWidth, int outerHeight, int clientHeight, int top) {
  return TableArea{top, 0, clientHeight - 1, outerHeight, outerWidth - kScrollBarWidth};
}

TableArea windowTableArea(const WindowMeasures& w) {
  const int top = w.panelsBottom > 0 ? w.panelsBottom : kTopWithoutPanels;
  TableArea area = windowTableArea(w.outerWidth, w.outerHeight, w.clientHeight, top);
  area.top -= w.tableTop;
  area.bottom -= w.tableTop;
  area.clientTop = w.tableTop;
  return area;
}

TableArea previewTableArea(int imageWidth, int imageHeight) {
  return TableArea{kPreviewTop, 0, imageHeight, imageHeight, imageWidth};
}

}  // namespace kes
