#pragma once

#include <QPixmap>
#include <QWidget>
#include <set>
#include <vector>

#include "display/geometry/rect.h"
#include "display/geometry/table_metrics.h"
#include "display/table/card_images.h"
#include "engine/game_session.h"

namespace kes {

// What the engine reports, turned into what the table widget shows.
class TableEvents : public EngineEvents {
 public:
  explicit TableEvents(QWidget& table) : table_(table) {}
  void cardMoved(int, PileId, PileId) override { changed(); }
  void cardTurned(int, bool) override { changed(); }
  void pileReplaced(PileId) override { changed(); }
  void message(const std::string& text) override;
  void tableInformation(const std::string& text) override;
  void beep() override;

  std::function<void()> onChange;
  std::function<void(bool)> onGameEnded;
  QString information;

 private:
  void changed() {
    if (onChange) onChange();
  }
  void gameEnded(bool won) override {
    if (onGameEnded) onGameEnded(won);
  }
  QWidget& table_;
};

// The card table: paints the game and turns the mouse into the player's
// operations. Where cards lie and which pile a dropped card meets is the
// table geometry; what the press and the drop do is the game session's.
class TableWidget : public QWidget {
  Q_OBJECT

 public:
  TableWidget(GameSession& session, CardImages& images, QWidget* parent = nullptr);

  // Lays the table out again for the widget's size and repaints it.
  void relayout();
  // The table changed: the picture of the resting cards is drawn anew.
  void tableChanged();
  TableView view() const { return {session_.state(), metrics_}; }
  const TableMetrics& metrics() const { return metrics_; }

 signals:
  void changed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  void liftHeld(PileId pile, int card, const Rect& cardRect, QPoint pointer);
  void dropHeld();
  std::vector<PileId> dropTargets() const;
  void paintHeld(QPainter& p) const;
  bool overStock(QPoint pointer) const;

  GameSession& session_;
  CardImages& images_;
  TableMetrics metrics_;
  QPixmap resting_;  // the table without the held cards
  bool restingValid_ = false;

  std::vector<int> held_;  // bottom card first
  QPoint grabOffset_;
  QPoint heldCorner_;
  bool dragMoved_ = false;
  int shownCard_ = 0;
  QPoint shownCorner_;
};

}  // namespace kes
