#pragma once

#include <QCursor>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "display/geometry/rect.h"
#include "display/geometry/table_area.h"
#include "display/geometry/table_metrics.h"
#include "display/geometry/table_scrolling.h"
#include "display/geometry/winning_shower.h"
#include "display/table/animation_queue.h"
#include "display/table/animation_settings.h"
#include "display/table/card_images.h"
#include "display/table/table_information.h"
#include "engine/game_session.h"

class QScrollBar;

namespace kes {

// What the engine reports, turned into what the table widget shows.
class TableEvents : public EngineEvents {
 public:
  explicit TableEvents(QWidget& table) : table_(table) {}
  void cardMoved(int card, PileId from, PileId to) override {
    if (onCardMoved) onCardMoved(card, from, to);
    changed();
  }
  void pause(int milliseconds) override {
    if (onPause) onPause(milliseconds);
  }
  void cardTurned(int, bool) override { changed(); }
  void pileReplaced(PileId) override { changed(); }
  void wasteTurnover(bool starting) override {
    if (onWasteTurnover) onWasteTurnover(starting);
  }
  void message(const std::string& text) override;
  void tableInformation(const std::string& text) override;
  void markPiles(const std::vector<PileId>& piles, bool marked) override {
    if (onMarkPiles) onMarkPiles(piles, marked);
  }
  void beep() override;
  void dealt() override {
    if (onDealt) onDealt();
  }

  std::function<void()> onChange;
  std::function<void(int, PileId, PileId)> onCardMoved;
  std::function<void(int)> onPause;
  std::function<void(bool)> onGameEnded;
  std::function<void(bool)> onWasteTurnover;
  std::function<void()> onDealt;
  std::function<void(const QString&)> onInformation;
  // A message for a box; with nothing to show it, the message is dropped.
  std::function<void(const QString&)> onMessage;
  std::function<void(const std::vector<PileId>&, bool)> onMarkPiles;

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
  // Where the table lies in the window it is shown in; without one the
  // widget counts as a whole window of its own size.
  using AreaSource = std::function<TableArea()>;
  void setAreaSource(AreaSource source) { areaSource_ = std::move(source); }
  // Paints the background the cards rest on over a surface of a size; the
  // default green until one is given.
  using BackgroundPaint = std::function<void(QPainter&, const QSize&)>;
  void setBackgroundPaint(BackgroundPaint paint);
  // The background settings changed: it is painted anew.
  void backgroundChanged();
  TableView view() const { return {session_.state(), metrics_}; }
  const TableMetrics& metrics() const { return metrics_; }

  AnimationSettings animation;
  // The refusal of a press that the engine never sees (the system beep).
  std::function<void()> beep;
  // While this says so (a demo is shown), every press on the table is
  // refused with the beep and moves nothing.
  std::function<bool()> refusesPresses;
  // Where the held cards are drawn: raised off their place while shadows
  // are on. Meaningless while nothing is held.
  QPoint heldCorner() const { return heldCorner_; }
  bool holding() const { return !held_.empty(); }
  // The "Piles_TT" preference: downward tableau piles laid a little askew,
  // by offsets drawn afresh for each deal (drawIrregularOffsets).
  bool irregularPiles = false;
  // Notes where every card lies now, so that the moves the next operation
  // reports fly from there.
  void recordPlaces();
  // A card reached a new pile: it flies there from its last place.
  void cardMoved(int card, PileId from, PileId to);
  void pauseFor(int milliseconds);
  // The waste is turned back into the stock: its cards fly one by one
  // when redeals are animated, else they are there at once.
  void wasteTurnover(bool starting);
  // Runs `step` once the moves and pauses queued so far have played.
  void whenIdle(std::function<void()> step) { queue_.addStep(std::move(step)); }
  // The information area of the table and the marked cells, shown in turn
  // with the moves and pauses before them.
  void showInformation(const QString& text);
  void markPiles(const std::vector<PileId>& piles, bool marked);
  void clearInformation();
  const TableInformation& information() const { return information_; }
  // Every card of a new deal flies from the source pile to its place; the
  // table shows the cards again after it was cleared.
  void animateDeal();
  // A game put on the table without a deal (a saved game): shown at once as
  // it lies, from the top of the table.
  void showWithoutDeal();
  // New offsets for irregular piles; every deal and restart draws them.
  void drawIrregularOffsets();
  // No game is selected: the table shows its background alone.
  void clearTable();
  bool isCleared() const { return cleared_; }
  // Moves and pauses still playing; the table ignores the mouse meanwhile.
  bool animating() const { return queue_.running(); }
  void finishAnimation() { queue_.finish(); }
  const AnimationQueue& animationQueue() const { return queue_; }
  // The show of cards after a won game, style 1 (scattered) or 2 (rows);
  // a key press or a click stops it.
  void playWinningAnimation(int style);
  bool winningAnimationRunning() const { return shower_ != nullptr; }
  void stopWinningAnimation();

  // The vertical scroll bar the window placed beside the table: the table
  // shows it when its cards reach below the window, sizes it and follows it.
  void setScrollBar(QScrollBar* bar);
  // The "VertScrollBar" preference.
  void setScrollingWanted(bool on);
  ScrollBarState scrollBarState() const;
  // A new deal starts at the top left of the table with the bars hidden.
  void resetScrolling();
  // The sideways scroll bar of a table wider than the window, which the
  // table places along its bottom edge itself.
  HorizontalScroll horizontalScroll() const;
  // A point of the widget in the coordinates the table geometry reads: x
  // with the sideways scrolling added back (y is scrolled by the geometry).
  QPoint tablePoint(QPoint widgetPoint) const { return widgetPoint + QPoint(hOffset_, 0); }
  // The pointer shown over the table, and the one while cards are held.
  void setCursors(const QCursor& normal, const QCursor& dragging);

 signals:
  void changed();
  // The winning animation ended, run out or stopped.
  void winningAnimationEnded();
  // The pointer moved over the table while a game is on and nothing is held.
  void pointerMoved(QPoint at);
  // A button went down on the table.
  void pressed();
  // The player lifted cards, and let them go where they cannot stay (they
  // go back to their pile): the moments of the lifting sounds.
  void cardsLifted();
  void cardsPutBack();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  void liftHeld(PileId pile, int card, const Rect& cardRect, QPoint pointer);
  void dropHeld();
  std::vector<PileId> dropTargets() const;
  int heldStep() const;
  Rect heldRect() const;
  void paintHeld(QPainter& p) const;
  bool overStock(QPoint pointer) const;
  QPoint cardPlace(int card) const;
  void paintFlights(QPainter& p) const;
  void queueFlight(int card, QPoint from, QPoint to, bool fine, bool shownWhileWaiting, int sourceLevel = 0);
  void throwShowerCards();
  void drawBackground(QSize surface, QSize pixels);
  void drawResting();
  int restingHeight() const;
  void refreshScrollBar();
  void refreshHorizontalBar();
  int visibleWidth() const;
  int visibleHeight() const;
  int restingWidth() const;
  void scrollTo(int position);
  void scrollToX(int position);
  void autoScroll(QPoint pointer);

  GameSession& session_;
  CardImages& images_;
  TableMetrics metrics_;
  BackgroundPaint backgroundPaint_;
  AreaSource areaSource_;
  QPixmap background_;  // the background alone, which erasing copies from
  bool backgroundValid_ = false;
  QPixmap resting_;  // the table without the held cards, in table coordinates
  bool restingValid_ = false;

  std::vector<int> held_;  // bottom card first
  QPoint grabOffset_;
  QPoint heldCorner_;
  bool dragMoved_ = false;
  int shownCard_ = 0;
  QPoint shownCorner_;

  AnimationQueue queue_;
  bool pressIgnored_ = false;
  bool cleared_ = false;
  bool dealing_ = false;  // the busy pointer shows while the deal flies
  std::unique_ptr<WinningShower> shower_;
  QTimer showerTimer_;
  std::map<int, QPoint> places_;  // where each card was last seen
  std::map<int, int> levels_;     // and how deep in its pile (0 = bottom)
  bool turnover_ = false;         // card moves belong to a waste turnover
  bool turnoverFlew_ = false;
  TableInformation information_;

  QScrollBar* scrollBar_ = nullptr;
  QScrollBar* hScrollBar_ = nullptr;
  int hOffset_ = 0;  // how far the table is scrolled sideways
  bool scrollingWanted_ = true;
  int surfaceHeight_ = 0;  // of the table picture while the bar is shown
  bool rescrolling_ = false;
  QCursor normalCursor_{Qt::ArrowCursor};
  QCursor dragCursor_{Qt::ArrowCursor};
};

}  // namespace kes
