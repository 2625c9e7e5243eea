// The appearance dialog over a real table: previews, OK and Cancel, the
// customized backgrounds, the pointers and the advanced options.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "app/appearance_wiring.h"
#include "app/startup/preference_table.h"
#include "app/recording_sound_output.h"
#include "app/table_test_support.h"
#include "appearance/background_tree.h"
#include "appearance/customized_backgrounds.h"
#include "appearance/frm_customize.h"
#include "appearance/frm_pointers.h"
#include "appearance/picture_tree.h"
#include "datafiles/config_field.h"
#include "display/resources/resource_library.h"
#include "display/sound/sound_player.h"

namespace kes {

namespace {

QByteArray fileBytes(const std::filesystem::path& path) {
  QFile file(QString::fromStdString(path.string()));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QTreeWidgetItem* itemWithCode(QTreeWidget& tree, long long code) {
  for (QTreeWidgetItemIterator it(&tree); *it; ++it)
    if (treeCode(*it) == code) return *it;
  return nullptr;
}

std::uint32_t crc32Of(const QByteArray& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray bigEndian(std::uint32_t value) {
  QByteArray out;
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
  return out;
}

// A picture header that claims 20,000 x 20,000 pixels and holds none.
void writeEnormousPictureHeader(const std::filesystem::path& file) {
  const QByteArray header =
      QByteArray("IHDR") + bigEndian(20000) + bigEndian(20000) + QByteArray("\x08\x02\x00\x00\x00", 5);
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  png += bigEndian(13) + header + bigEndian(crc32Of(header));
  for (const char* empty : {"IDAT", "IEND"}) png += bigEndian(0) + QByteArray(empty) + bigEndian(crc32Of(empty));
  QFile out(QString::fromStdString(file.string()));
  if (out.open(QIODevice::WriteOnly)) out.write(png);
}

}  // namespace

class CustomizeDialogTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::ControllerWithSettings {
    std::unique_ptr<ProgramAppearance> host;
    std::unique_ptr<TfrmCustomize> dialog;
    QStringList questions;
    QStringList warnings;
    bool answer = true;

    Fixture() {
      app.dirs = test::builtDataDirs(data);
      loadPreferences(IniDocument{}, DisplayInfo{}, app.config);
      app.config.put(Field::BackgroundFixedColour, "32768");
      settings.writeString("Preference", "Card", "1");
      makeController();
      controller->setDisplayWidth([] { return 1024; });
      host = std::make_unique<ProgramAppearance>(window, *controller, &settings);
    }

    // Without autoplay, a picture of the table taken after the deal still
    // holds after the dialog.
    bool deal(bool autoplay = false) {
      if (!test::showTable(window, *controller)) return false;
      window.menuAction("mnuAutoPlay")->setChecked(autoplay);
      controller->table().animation.dealAnimation = false;
      return controller->startGame(1, "0000000000001");
    }

    TfrmCustomize& open() {
      dialog = std::make_unique<TfrmCustomize>(*host, &window);
      TfrmCustomize::Ui& ui = dialog->ui();
      ui.confirmSmallCards = [this](const QString& text) {
        questions << text;
        return answer;
      };
      ui.confirmDelete = [this](const QString& text) {
        questions << text;
        return answer;
      };
      ui.warn = [this](const QString& text) { warnings << text; };
      dialog->show();
      return *dialog;
    }

    QImage table() { return controller->table().grab().toImage(); }
    QTreeWidget& tree(const char* name) { return *dialog->findChild<QTreeWidget*>(name); }
  };

 private slots:
  void applyPreviewsAndCancelPutsTheOpeningAppearanceBackWithoutWriting() {
    Fixture f;
    QVERIFY(f.deal());
    const QByteArray settingsBefore = fileBytes(f.settings.path());
    const ConfigRecord recordBefore = f.app.config;
    const QImage tableBefore = f.table();
    TfrmCustomize& dialog = f.open();
    dialog.selectCardSample("004B");
    f.tree("trvCardBack").setCurrentItem(itemWithCode(f.tree("trvCardBack"), 22));
    f.tree("trvBackGround").setCurrentItem(itemWithCode(f.tree("trvBackGround"), 16711680));  // Blue
    dialog.apply();
    QCOMPARE(f.app.config.get(Field::FaceSet), std::string("004"));
    QCOMPARE(f.app.config.get(Field::BackDesign), std::string("022"));
    QCOMPARE(f.app.config.get(Field::BackgroundFixedColour), std::string("16711680"));
    QVERIFY(f.table() != tableBefore);
    QCOMPARE(fileBytes(f.settings.path()), settingsBefore);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fileBytes(f.settings.path()), settingsBefore);
    for (const ConfigField* field : {&Field::FaceSet, &Field::BackDesign, &Field::BackgroundFixedColour,
                                     &Field::CardSize, &Field::UseDefaultBackground})
      QCOMPARE(f.app.config.get(*field), recordBefore.get(*field));
    QCOMPARE(f.table(), tableBefore);
  }

  void okWritesTheFaceSetAsAPlainNumberAndBackSixForMediumCards() {
    Fixture f;
    QVERIFY(f.deal());
    TfrmCustomize& dialog = f.open();
    dialog.selectCardSample("003M");
    QVERIFY(dialog.ok());
    QCOMPARE(f.questions, QStringList{"You have selected the small size cards.\rYou will play using a predesignated "
                                      "deck set."});
    QVERIFY(!dialog.isVisible());
    const IniDocument written = f.settings.readAll();
    QCOMPARE(written.stringValue("Preference", "Card", ""), std::string("3"));
    QCOMPARE(written.stringValue("Preference", "Card_Size", ""), std::string("M"));
    QCOMPARE(written.stringValue("Preference", "Back_Card", ""), std::string("6"));
    QCOMPARE(written.stringValue("Preference", "Sounds_Splash", ""), std::string("Y"));
    QCOMPARE(f.app.config.get(Field::CardSize), std::string("M"));
    QCOMPARE(f.controller->table().metrics().card.width, 59);
  }

  void cancellingTheSmallCardsQuestionWritesNothingAndStays() {
    Fixture f;
    QVERIFY(f.deal());
    const QByteArray before = fileBytes(f.settings.path());
    TfrmCustomize& dialog = f.open();
    dialog.selectCardSample("003M");
    QVERIFY(!dialog.findChild<QCheckBox*>("chkRandomCard")->isEnabled());
    f.answer = false;
    QVERIFY(!dialog.ok());
    QCOMPARE(f.questions.size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fileBytes(f.settings.path()), before);
    dialog.selectCardSample("002B");
    QVERIFY(dialog.findChild<QCheckBox*>("chkRandomCard")->isEnabled());
  }

  void deletingTheOnlyCustomizedBackgroundBringsBackThePlaceholder() {
    Fixture f;
    const CustomizedBackground picture{"mine.png", f.data.path().string() + "/"};
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(picture.path()));
    QVERIFY(addCustomizedBackground(f.settings, picture));
    TfrmCustomize& dialog = f.open();
    QTreeWidget& tree = f.tree("trvBackGround");
    QTreeWidgetItem* group = tree.topLevelItem(0);
    QCOMPARE(group->child(0)->text(0), QString::fromStdString(picture.text()));
    tree.setCurrentItem(group->child(0));
    QTest::keyClick(&tree, Qt::Key_Delete);
    QCOMPARE(f.questions, QStringList{"Are you sure you want to delete this background?"});
    QCOMPARE(group->childCount(), 1);
    QCOMPARE(group->child(0)->text(0), QString::fromUtf8(kPlaceholderText.data()));
    QCOMPARE(treeCode(group->child(0)), static_cast<long long>(BackgroundCode::kPlaceholder));
    QVERIFY(readCustomizedBackgrounds(f.settings).empty());
    QCOMPARE(dialog.choices().backgroundCode, static_cast<long long>(BackgroundCode::kGroup));
  }

  void anAddedPictureIsListedAndShownOnTheTable() {
    Fixture f;
    QVERIFY(f.deal());
    const QString file = QString::fromStdString((f.data.path() / "red.png").string());
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(file));
    TfrmCustomize& dialog = f.open();
    dialog.ui().choosePicture = [file](const QString&) { return file; };
    dialog.addCustomizedBackground();
    QCOMPARE(readCustomizedBackgrounds(f.settings).size(), std::size_t{1});
    QCOMPARE(dialog.choices().backgroundCode, static_cast<long long>(BackgroundCode::kCustomizedImage));
    dialog.apply();
    QCOMPARE(f.table().pixelColor(2, 2), QColor(Qt::red));
    // Apply leaves the settings' picture alone; OK writes it.
    QCOMPARE(f.settings.readString("Preference", "Customized_Background", "<none>"), std::string("<none>"));
    QVERIFY(dialog.ok());
    QCOMPARE(f.settings.readString("Preference", "Customized_Background", ""), file.toStdString());
    QCOMPARE(f.table().pixelColor(2, 2), QColor(Qt::red));
  }

  void badPictureFilesAreRefusedWithAClearMessage() {
    Fixture f;
    const auto text = f.data.path() / "notes.png";
    std::ofstream(text) << "not a picture";
    const auto enormous = f.data.path() / "huge.png";
    writeEnormousPictureHeader(enormous);
    TfrmCustomize& dialog = f.open();
    for (const auto& path : {text, enormous, f.data.path() / "gone.bmp"}) {
      const QString file = QString::fromStdString(path.string());
      dialog.ui().choosePicture = [file](const QString&) { return file; };
      dialog.addCustomizedBackground();
    }
    QCOMPARE(f.warnings.size(), 3);
    QVERIFY2(f.warnings[0].contains("notes.png"), qPrintable(f.warnings[0]));
    QVERIFY2(f.warnings[1].contains("20000 x 20000"), qPrintable(f.warnings[1]));
    QVERIFY2(f.warnings[2].contains("not found"), qPrintable(f.warnings[2]));
    QVERIFY(readCustomizedBackgrounds(f.settings).empty());
  }

  void pointersOkWithNothingSelectedStoresThePlatformArrow() {
    Fixture f;
    QVERIFY(f.deal());
    ResourceLibrary library(QString::fromStdString(f.app.dirs.install.string()));
    TfrmPointers pointers(library, 13, &f.window);
    QCOMPARE(pointers.list()->currentItem()->text(), QString("Right hand 2"));
    QCOMPARE(pointers.cursorChoice(), 13);
    pointers.list()->clearSelection();
    QCOMPARE(pointers.cursorChoice(), 0);
    TfrmCustomize& dialog = f.open();
    dialog.ui().choosePointers = [](int) { return std::optional<int>(0); };
    dialog.openPointers();
    QVERIFY(dialog.ok());
    QCOMPARE(f.settings.readString("Preference", "Cursor", ""), std::string("0"));
    QCOMPARE(f.app.window.cursorSet, 0);
    QCOMPARE(f.controller->table().cursor().shape(), Qt::ArrowCursor);
  }

  void theUndoModeReachesTheGameAndTheMenuAtOnce() {
    Fixture f;
    QVERIFY(f.deal(true));
    QTRY_VERIFY(f.window.menuAction("mnuUndo")->isEnabled());  // the autoplay's move
    TfrmCustomize& dialog = f.open();
    dialog.ui().chooseAdvanced = [](const AdvancedValues& values) {
      AdvancedValues changed = values;
      changed.undoMode = 2;
      changed.boxes["chkConfirmOnExit"] = true;
      return std::optional<AdvancedValues>(changed);
    };
    dialog.openAdvanced();
    QVERIFY(dialog.ok());
    QCOMPARE(f.controller->session().state().prefs.undoMode, UndoMode::Disabled);
    QVERIFY(!f.window.menuAction("mnuUndo")->isEnabled());
    QCOMPARE(f.settings.readString("Preference", "Undo_Enabled", ""), std::string("2"));
    QCOMPARE(f.settings.readString("Preference", "ConfirmQuit", ""), std::string("Y"));
  }

  void theSoundRowsKeepTheirSwitchesAndPlayTheirSounds() {
    Fixture f;
    f.app.config.put(Field::SoundUndo, "N");
    QStringList heard;
    f.controller->sounds().setOutput(std::make_unique<test::RecordingSoundOutput>(heard));
    TfrmCustomize& dialog = f.open();
    auto* list = dialog.findChild<QListWidget*>("lsvSounds");
    QCOMPARE(list->count(), 18);
    QCOMPARE(list->item(17)->text(), QString("Undo"));
    list->setCurrentRow(17);
    auto* enable = dialog.findChild<QPushButton*>("btnSounds_Add");
    QVERIFY(enable->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton*>("btnSounds_Delete")->isEnabled());
    // The switched-off row is still heard; stop plays the name without a file.
    auto* play = dialog.findChild<QPushButton*>("btnPlay");
    play->click();
    list->setCurrentRow(4);  // "Enter Hi-Scores"
    play->click();
    dialog.findChild<QPushButton*>("btnStop")->click();
    QCOMPARE(heard, (QStringList{"play Undo.wav", "play Scores.wav", "stop"}));
    list->setCurrentRow(17);
    enable->click();
    dialog.findChild<QCheckBox*>("chkSoundsEnabled")->setChecked(true);
    QVERIFY(!list->isEnabled());
    QVERIFY(!play->isEnabled());
    QVERIFY(dialog.ok());
    QCOMPARE(f.settings.readString("Preference", "Sounds_Undo", ""), std::string("Y"));
    QCOMPARE(f.settings.readString("Preference", "Sounds_Enabled", ""), std::string("N"));
    QCOMPARE(f.app.config.get(Field::SoundsEnabled), std::string("N"));
  }
};

}  // namespace kes

QTEST_MAIN(kes::CustomizeDialogTest)
#include "customize_dialog_test.moc"
