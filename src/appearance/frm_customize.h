#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "appearance/appearance_choices.h"
#include "appearance/appearance_host.h"
#include "appearance/background_preview.h"
#include "appearance/frm_options_advanced.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kes {

class CardImages;
class TBitmapAnimated;

// "Customize": the look and feel of the table and the program. Apply shows
// the chosen appearance on the table without writing the settings file;
// Cancel, Escape and the close box put the opening appearance back; OK
// writes the settings file and the record and applies everything at once.
// The pictures the tabs show are loaded when a tab is first shown.
class TfrmCustomize : public QDialog {
  Q_OBJECT

 public:
  // Questions and choosers go through these, so that they can be answered
  // without a window; message boxes and file dialogs unless replaced.
  struct Ui {
    std::function<bool(const QString& text)> confirmSmallCards;     // OK / Cancel
    std::function<bool(const QString& text)> confirmDelete;         // Yes / No
    std::function<void(const QString& text)> warn;
    std::function<QString(const QString& folder)> choosePicture;    // empty: none chosen
    std::function<std::optional<QColor>(QColor current)> chooseColour;
    std::function<std::optional<int>(int cursorChoice)> choosePointers;
    std::function<std::optional<AdvancedValues>(const AdvancedValues&)> chooseAdvanced;
  };

  TfrmCustomize(AppearanceHost& host, QWidget* parent = nullptr);
  ~TfrmCustomize() override;

  Ui& ui() { return ui_; }
  const AppearanceChoices& choices() const { return choices_; }
  QTabWidget* tabs() const { return tabs_; }

  // The buttons' actions, for the buttons and for tests.
  void apply();
  bool ok();  // false when the player went back to the dialog
  void selectCardSample(const std::string& cardChoice);
  void addCustomizedBackground();
  void deleteCustomizedBackground();
  void chooseColour();
  void openPointers();
  void openAdvanced();

  // Whether the play and stop buttons of the sound rows can be offered.

 protected:
  void done(int result) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildGeneralTab();
  void buildCardsTab();
  void buildCardSamples();
  void buildDecksTab();
  void buildBackgroundsTab();
  void buildAnimationsTab();
  void buildSoundsTab();
  void buildButtons();
  QCheckBox* addBox(QWidget* page, const char* control);
  void onTabShown(int index);

  void drawCardSample();
  void onBackSelected();
  void fillBackgroundTree();
  void rebuildCustomizedGroup();
  void selectOpeningBackground();
  void onBackgroundSelected();
  void refreshBackgroundPreview();
  QPixmap backgroundSurface(QSize size) const;
  BackgroundPreview previewOf(long long code) const;
  void showEffectPreview(const char* control);
  void refreshSoundButtons();
  void switchSelectedSound(bool on);
  void playSelectedSound();

  void readBoxes();
  void preview(bool writing);
  void closeAndRestore();

  AppearanceHost& host_;
  Ui ui_;
  AppearanceChoices choices_;
  OpeningAppearance opening_;
  std::string openingCustomFile_;
  bool restoreOnClose_ = true;
  bool closed_ = false;
  std::vector<CustomizedBackground> customized_;
  QString lastPictureFolder_;

  QTabWidget* tabs_ = nullptr;
  std::map<std::string, QCheckBox*, std::less<>> boxes_;
  // Cards
  QWidget* cardsPage_ = nullptr;
  bool samplesBuilt_ = false;
  std::map<std::string, QLabel*> samples_;
  QLabel* shpCard_ = nullptr;
  QLabel* imgSample_ = nullptr;
  // Decks
  QTreeWidget* trvCardBack_ = nullptr;
  QLabel* imgDecksBackground_ = nullptr;
  QLabel* lblDecks_ = nullptr;
  // Backgrounds
  QTreeWidget* trvBackGround_ = nullptr;
  QTreeWidgetItem* customizedGroup_ = nullptr;
  QLabel* imgBackground_ = nullptr;
  QLabel* lblBackGround_ = nullptr;
  QPushButton* btnColore_ = nullptr;
  QPushButton* btnCustomizedBackgounds_ = nullptr;
  QMenu* mnuBackground_ = nullptr;
  // Animations
  QSlider* trbSpeed_ = nullptr;
  QStackedWidget* effectPreview_ = nullptr;
  std::map<std::string, QLabel*> effectPictures_;
  TBitmapAnimated* animatedYes_ = nullptr;
  TBitmapAnimated* animatedNo_ = nullptr;
  // Sounds
  QListWidget* lsvSounds_ = nullptr;
  QPushButton* btnSoundsAdd_ = nullptr;
  QPushButton* btnSoundsDelete_ = nullptr;
  QPushButton* btnPlay_ = nullptr;
  QPushButton* btnStop_ = nullptr;
  QPixmap soundEnabledIcon_;
};

}  // namespace kes
