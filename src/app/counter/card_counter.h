#pragma once

#include <QObject>
#include <QPointer>

#include "app/counter/card_counter_window.h"
#include "app/counter/counter_settings.h"
#include "engine/engine_events.h"

namespace kes {

class GameSession;
class ResourceLibrary;
class SettingsFile;
class TfrmCardCounter;
class TfrmMain;

// The card counter as the main window uses it: "&Card counter..." (F8)
// shows and hides it; while it is shown every card the game moves, turns,
// redeals or takes back is marked on it; its options, place and visibility
// are kept in the settings file. The window is made the first time it is
// shown, so that a player who never opens it pays nothing for it.
class CardCounter : public QObject, public EngineEvents {
  Q_OBJECT

 public:
  CardCounter(TfrmMain& main, GameSession& session, const ResourceLibrary& library, SettingsFile* settings);
  ~CardCounter() override;

  // Reads the saved options and place, and shows the counter when it was
  // shown at the end of the last run.
  void restore();
  void save();
  // The menu command: shows the counter when hidden, hides it when shown.
  void toggle();
  // A new deal has been laid out.
  void dealt();

  // The counter window, or null before it was first shown.
  TfrmCardCounter* window() const { return window_; }
  bool shown() const;

  void cardMoved(int card, PileId from, PileId to) override;
  void cardTurned(int card, bool faceUp) override;
  void pileReplaced(PileId pile) override;
  void wasteTurnover(bool starting) override;

 private:
  TfrmCardCounter& counter();
  void refresh();
  void placeOnScreen();
  void closedByUser();
  void syncMenu();

  TfrmMain& main_;
  GameSession& session_;
  const ResourceLibrary& library_;
  SettingsFile* settings_;
  CounterSettings state_;
  QPointer<TfrmCardCounter> window_;  // a tool window of the main window, which owns it
  bool turnover_ = false;
};

}  // namespace kes
