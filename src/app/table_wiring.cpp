#include "app/table_wiring.h"

#include "app/main_window.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "display/geometry/hit_testing.h"
#include "display/resources/cursor_table.h"
#include "display/table/table_widget.h"
#include "engine/game_session.h"

namespace kes {

void connectTableToWindow(TableWidget& table, TfrmMain& window, GameSession& session, const ConfigRecord& config) {
  table.setScrollBar(window.tableScrollBar());
  table.setAreaSource([&window] { return windowTableArea(window.tableMeasures()); });
  table.setScrollingWanted(config.get(Field::VertScrollBar) == "Y");
  window.setShowPileSizes(config.get(Field::ShowPileSizes) == "Y");
  window.setPileSizeLookup([&table, &session](QPoint at) {
    if (!session.state().inProgress) return 0;
    const QPoint point = table.tablePoint(at);
    const PileHit hit = pileAtPoint(table.view(), point.x(), point.y());
    return hit.pile ? session.state().table.pile(*hit.pile).size() : 0;
  });
  QObject::connect(&table, &TableWidget::pointerMoved, &window, &TfrmMain::notePointerMove);
  QObject::connect(&table, &TableWidget::pressed, &window, [&window, &session] {
    window.clearPointerRest();
    if (session.state().inProgress) window.setPlayingTime(session.clock().elapsed());
  });
}

void applyCursorSet(TableWidget& table, TfrmMain& window, const CursorTable& cursors, int cursorSet) {
  // The window's client area; the menus keep the platform's pointer.
  if (QWidget* client = window.centralWidget()) client->setCursor(cursors.cursor(cursorSet));
  table.setCursors(cursors.cursor(cursorSet), cursors.dragging(cursorSet));
}

}  // namespace kes
