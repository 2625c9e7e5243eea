#pragma once

#include <QWidget>

#include "datafiles/game_facts.h"

class QLabel;
class QStackedWidget;

namespace kes {

class ResourceLibrary;

// The description panel of the game selection dialog: the general
// pictures while a folder is selected, otherwise the game's name, decks,
// difficulty, chance of winning, game time and redeals with their pictures,
// and its preview picture while previews are wanted.
class GameDescription : public QWidget {
  Q_OBJECT

 public:
  explicit GameDescription(const ResourceLibrary& library, QWidget* parent = nullptr);

  void showFolder();
  void showGame(const QString& name, const GameFacts& facts, bool preview);
  // The preview box follows the check box without describing anew.
  void setPreviewShown(bool shown);

 private:
  QWidget* buildGamePage();
  QWidget* buildGeneralPage();
  void showPreview();

  const ResourceLibrary& library_;
  QStackedWidget* pages_ = nullptr;
  QLabel* lblGameName_ = nullptr;
  QLabel* lblDeck_ = nullptr;
  QLabel* lblDiffRules_ = nullptr;
  QLabel* lblDiffWin_ = nullptr;
  QLabel* lblGameTime_ = nullptr;
  QLabel* lblRedeal_ = nullptr;
  QLabel* imgDiffRules_ = nullptr;
  QLabel* imgDiffWin_ = nullptr;
  QLabel* imgGameTime_ = nullptr;
  QLabel* imgPreview_ = nullptr;
  QLabel* lblUnavailable_ = nullptr;
  int previewGame_ = -1;
  bool previewShown_ = true;
};

}  // namespace kes
