#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QDialog;
class QWidget;

namespace kes {

struct CatalogueText;
class GameList;
class HelpViewer;

// What the rules help reads: the help file, the folder its index may be
// kept in, the folders the help module may lie in, the custom games and the
// catalogue, and the current game.
struct RulesHelpSources {
  std::filesystem::path helpFile;
  std::filesystem::path cacheFolder;
  QStringList moduleFolders;
  std::filesystem::path customGamesFile;
  const CatalogueText* catalogue = nullptr;
  const GameList* games = nullptr;
  std::function<int()> currentGame;
};

// The one way into the help: a game's rules, a dialog's topic or the
// contents. The help module is loaded, the help file opened and the viewer
// built only when help is first asked for.
class RulesHelp : public QObject {
  Q_OBJECT

 public:
  using DialogRunner = std::function<void(QDialog& dialog)>;
  using Information = std::function<void(const QString& text)>;

  RulesHelp(QWidget& window, RulesHelpSources sources);
  ~RulesHelp() override;

  // Whether the help file was installed; without it nothing opens help.
  bool available() const { return available_; }

  // The rules of a game (-1: the current one): a catalogue game's rules
  // topic, or for a custom game (8000 on) its rules beside those of the game
  // it comes from. name is the custom game's name when the caller knows it.
  void showGameRules(int game, const QString& name = QString());
  void showTopic(int topic);
  void showContents();

  // The viewer, once help has been opened.
  HelpViewer* viewer() const { return viewer_.get(); }

  // How the modal custom game rules are shown (exec unless replaced), and
  // where a failure is told (a message box unless replaced).
  void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
  void setInformation(Information information) { information_ = std::move(information); }

 private:
  HelpViewer* openViewer();
  void showUrlOf(int topic);
  void showCustomRules(int game, const QString& name);

  QWidget& window_;
  RulesHelpSources sources_;
  bool available_ = false;
  std::unique_ptr<HelpViewer> viewer_;
  DialogRunner runDialog_;
  Information information_;
};

}  // namespace kes
