#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "display/geometry/rect.h"
#include "display/geometry/table_metrics.h"
#include "display/geometry/winning_shower.h"
#include "display/table/animation_queue.h"
#include "display/table/card_images.h"
#include "engine/game_session.h"

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
  void message(const std::string& text) override;
  void tableInformation(const std::string& text) override;
  void beep() override;

  std::function<void()> onChange;
  std::function<void(int, PileId, PileId)> onCardMoved;
  std::function<void(int)> onPause;
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

// How cards move on their own; the preferences set these.
struct AnimationSettings {
  bool cardsAnimate = true;   // moves fly to their place
  bool dealAnimation = true;  // the deal flies from the source pile
  int moveSpeed = 10;         // milliseconds per step of a flight
  int shadowSize = 9;         // how far a landing card is raised
  bool winningAnimation = true;
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

  AnimationSettings animation;
  // Notes where every card lies now, so that the moves the next operation
  // reports fly from there.
  void recordPlaces();
  // A card reached a new pile: it flies there from its last place.
  void cardMoved(int card, PileId from, PileId to);
  void pauseFor(int milliseconds);
  // Every card of a new deal flies from the source pile to its place.
  void animateDeal();
  // Moves and pauses still playing; the table ignores the mouse meanwhile.
  bool animating() const { return queue_.running(); }
  void finishAnimation() { queue_.finish(); }
  // The show of cards after a won game, style 1 (scattered) or 2 (rows);
  // a key press or a click stops it.
  void playWinningAnimation(int style);
  bool winningAnimationRunning() const { return shower_ != nullptr; }
  void stopWinningAnimation();

 signals:
  void changed();

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
  void paintHeld(QPainter& p) const;
  bool overStock(QPoint pointer) const;
  QPoint cardPlace(int card) const;
  void paintFlights(QPainter& p) const;
  void queueFlight(int card, QPoint from, QPoint to, bool fine, bool shownWhileWaiting);
  void throwShowerCards();
  void drawResting();

  GameSession& session_;
  CardImages& images_;
  TableMetrics metrics_;
  QPixmap background_;  // the background alone
  QPixmap resting_;     // the table without the held cards
  bool restingValid_ = false;

  std::vector<int> held_;  // bottom card first
  QPoint grabOffset_;
  QPoint heldCorner_;
  bool dragMoved_ = false;
  int shownCard_ = 0;
  QPoint shownCorner_;

  AnimationQueue queue_;
  bool pressIgnored_ = false;
  std::unique_ptr<WinningShower> shower_;
  QTimer showerTimer_;
  std::map<int, QPoint> places_;  // where each card was last seen
};

}  // namespace kes
