#include "appearance/frm_customize.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "appearance/frm_pointers.h"
#include "appearance/help_button.h"
#include "appearance/preference_boxes.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "datafiles/settings_file.h"
#include "appearance/busy_cursor.h"

namespace kes {

namespace {

constexpr int kHelpTopic = 1019;
constexpr std::string_view kPreference = "Preference";
constexpr const char* kCustomFileKey = "Customized_Background";

IniDocument settingsOf(AppearanceHost& host) { return host.settings() ? host.settings()->readAll() : IniDocument{}; }

TfrmCustomize::Ui defaultUi(QWidget* owner, const ResourceLibrary& library) {
  TfrmCustomize::Ui ui;
  ui.confirmSmallCards = [owner](const QString& text) {
    return QMessageBox::question(owner, owner->windowTitle(), text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
  };
  ui.confirmDelete = [owner](const QString& text) {
    return QMessageBox::warning(owner, owner->windowTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  };
  ui.warn = [owner](const QString& text) { QMessageBox::warning(owner, owner->windowTitle(), text); };
  ui.choosePicture = [owner](const QString& folder) {
    return QFileDialog::getOpenFileName(
        owner, QObject::tr("Add a customized background"), folder,
        QObject::tr("Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.svg *.webp *.tif *.tiff);;All files (*)"));
  };
  ui.chooseColour = [owner](QColor current) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(current, owner);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  ui.choosePointers = [owner, &library](int cursorChoice) -> std::optional<int> {
    TfrmPointers dialog(library, cursorChoice, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.cursorChoice();
  };
  ui.chooseAdvanced = [owner](const AdvancedValues& values) -> std::optional<AdvancedValues> {
    TfrmOptionsAdvanced dialog(values, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
  };
  return ui;
}

}  // namespace

TfrmCustomize::TfrmCustomize(AppearanceHost& host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      choices_(choicesFrom(host.config(), settingsOf(host), host.cursorSet())),
      opening_(host.config()) {
  setObjectName("frmCustomize");
  setWindowTitle(tr("Customize"));
  ui_ = defaultUi(this, host.library());
  if (SettingsFile* settings = host.settings())
    openingCustomFile_ = settings->readString(kPreference, kCustomFileKey, "");
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("pgcCustomize");
  layout->addWidget(tabs_);
  buildGeneralTab();
  buildCardsTab();
  buildDecksTab();
  buildBackgroundsTab();
  buildAnimationsTab();
  buildSoundsTab();
  buildButtons();
  connect(tabs_, &QTabWidget::currentChanged, this, &TfrmCustomize::onTabShown);
}

TfrmCustomize::~TfrmCustomize() = default;

void TfrmCustomize::buildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* okButton = buttons->addButton(QDialogButtonBox::Ok);
  okButton->setObjectName("btnOK");
  okButton->setDefault(true);
  QPushButton* applyButton = buttons->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
  applyButton->setObjectName("btnApply");
  QPushButton* cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
  cancelButton->setObjectName("btnCancel");
  addHelpButton(*buttons, kHelpTopic);
  connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
  connect(applyButton, &QPushButton::clicked, this, &TfrmCustomize::apply);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  layout()->addWidget(buttons);
}

QCheckBox* TfrmCustomize::addBox(QWidget* page, const char* control) {
  const PreferenceBox* box = preferenceBoxNamed(control);
  auto* check = new QCheckBox(tr(box->caption.data()), page);
  check->setObjectName(QString::fromLatin1(control));
  check->setChecked(choices_.box(control));
  boxes_[control] = check;
  return check;
}

void TfrmCustomize::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  onTabShown(tabs_->currentIndex());
}

// The pictures that show the chosen background follow it as a tab shows.
void TfrmCustomize::onTabShown(int index) {
  const QWidget* page = tabs_->widget(index);
  if (!page) return;
  const QString name = page->objectName();
  if (name == QLatin1String("tbsCards")) {
    buildCardSamples();
    drawCardSample();
  } else if (name == QLatin1String("tbsDecks")) {
    onBackSelected();
  } else if (name == QLatin1String("tbsBackgrounds")) {
    refreshBackgroundPreview();
  } else if (name == QLatin1String("tbsAnimations")) {
    showEffectPreview("chkShadowed");
  }
}

void TfrmCustomize::readBoxes() {
  for (const auto& [name, check] : boxes_) choices_.boxes[name] = check->isChecked();
  if (trbSpeed_) choices_.sliderPosition = trbSpeed_->value();
}

void TfrmCustomize::preview(bool writing) {
  readBoxes();
  std::optional<std::string> customFile;
  if (writing) customFile = previewAppearance(host_.config(), choices_);
  host_.showAppearance(customFile);
}

void TfrmCustomize::apply() {
  BusyCursor busy;
  restoreOnClose_ = false;
  preview(true);
  restoreOnClose_ = true;
}

bool TfrmCustomize::ok() {
  readBoxes();
  if (choices_.cardSize() == 'M' && opening_.cardSize() != "M" &&
      !ui_.confirmSmallCards(tr("You have selected the small size cards.") + QLatin1Char('\r') +
                             tr("You will play using a predesignated deck set.")))
    return false;
  restoreOnClose_ = false;
  ConfigRecord& config = host_.config();
  previewAppearance(config, choices_);
  if (SettingsFile* settings = host_.settings()) {
    const std::vector<SettingsEntry> entries = preferencesToWrite(choices_, config);
    settings->writeStrings(kPreference, entries);
  }
  putPreferences(config, choices_);
  AppliedWindowOptions window;
  window.toolbarLarge = choices_.box("chkTBLargeIcons");
  window.toolbarFlat = choices_.box("chkTBFlatBtn");
  window.showTime = choices_.box("chkShowTime");
  window.showScore = choices_.box("chkShowScore");
  window.cursorSet = choices_.cursorChoice;
  host_.applyPreferences(window);
  accept();
  return true;
}

// Whichever way the dialog closes, the table shows the appearance that
// stands: the one OK wrote, or the one the dialog opened with.
void TfrmCustomize::done(int result) {
  if (!closed_) {
    closed_ = true;
    hide();
    closeAndRestore();
  }
  QDialog::done(result);
}

void TfrmCustomize::closeAndRestore() {
  BusyCursor busy;
  if (restoreOnClose_) {
    opening_.restore(host_.config());
    host_.showAppearance(std::nullopt);
    return;
  }
  // OK wrote the settings: the table reads them again.
  host_.showAppearance(std::nullopt);
}

void TfrmCustomize::openPointers() {
  if (const auto chosen = ui_.choosePointers(choices_.cursorChoice)) choices_.cursorChoice = *chosen;
}

void TfrmCustomize::openAdvanced() {
  readBoxes();
  AdvancedValues values;
  for (const PreferenceBox& box : preferenceBoxes())
    if (box.tab == CustomizeTab::Advanced) values.boxes[std::string(box.control)] = choices_.box(box.control);
  values.undoMode = choices_.undoMode;
  const auto chosen = ui_.chooseAdvanced(values);
  if (!chosen) return;
  for (const auto& [name, on] : chosen->boxes) choices_.boxes[name] = on;
  choices_.undoMode = chosen->undoMode;
}

}  // namespace kes
