#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "datafiles/catalogue_file.h"
#include "datafiles/data_dirs.h"
#include "display/resources/resource_library.h"
#include "display/table/card_images.h"
#include "display/table/table_widget.h"
#include "engine/game_session.h"

namespace kes {

class TfrmMain;

// Connects the main window's game commands to the game being played and
// keeps the window's clock, score and command states in step with it.
class GameController : public QObject, public ResultListener {
  Q_OBJECT

 public:
  GameController(TfrmMain& window, const DataDirs& dirs);
  ~GameController() override;

  // Whether the catalogue and the resource library could be read; the
  // message says what is missing otherwise.
  bool ready() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  // Makes a catalogue game current and deals it; a deal number of 13 digits,
  // or none for a random one.
  bool startGame(int game, const std::optional<std::string>& dealNumber = std::nullopt);

  // Shows the cards in another size and lays the table out for it.
  void setCardSize(CardSize size);

  GameSession& session() { return *session_; }
  TableWidget& table() { return *table_; }
  const std::string& dealNumber() const { return dealNumber_; }

  void recordResult(const GameState& game, bool won, int seconds) override;

  // A random deal number as the game-number generator of the program draws it.
  static std::string randomDealNumber();

 public slots:
  void newGame();
  void restartGame();
  void selectGameNumber();
  void randomGame();
  void undo();
  void redo();
  void quitGame();
  void setAutoplay(bool on);
  void setPaused(bool paused);

 private:
  bool confirmAbandon(const QString& question);
  void deal(const std::string& dealNumber);
  void refreshWindow();
  void updateCaption();

  TfrmMain& window_;
  DataDirs dirs_;
  QString error_;
  std::optional<CatalogueText> catalogue_;
  std::unique_ptr<ResourceLibrary> library_;
  std::unique_ptr<CardImages> images_;
  std::unique_ptr<TableEvents> events_;
  std::unique_ptr<GameSession> session_;
  TableWidget* table_ = nullptr;
  int game_ = 0;
  std::string title_;
  std::string dealNumber_;
};

}  // namespace kes
