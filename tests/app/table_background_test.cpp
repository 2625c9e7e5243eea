#include <QtTest>
#include <fstream>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/render_table.h"
#include "datafiles/config_field.h"
#include "datafiles/settings_file.h"
#include "display/resources/resource_library.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

namespace {

// A picture whose every pixel differs from its neighbours', so that a shift
// of one pixel shows.
QImage patterned(int width, int height, int seed) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb((x * 5 + seed) % 256, (y * 7 + seed) % 256, (x + y * 3) % 256));
  return picture;
}

QString text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

constexpr int kTileWidth = 40;
constexpr int kTileHeight = 30;

}  // namespace

class TableBackgroundTest : public QObject {
  Q_OBJECT

 private:
  // A controller over an installation folder of the built library and
  // catalogue with test pictures of its own under Images.
  struct Fixture : kes::test::ControllerWithSettings {
    kes::TempDir install;
    QImage tile = patterned(kTileWidth, kTileHeight, 11);
    QImage full = patterned(150, 120, 77);

    Fixture() {
      const std::filesystem::path built = qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString();
      for (const char* file : {"KES.RGF", "GAMES.DAT"}) std::filesystem::create_symlink(built / file, install.path() / file);
      std::filesystem::create_directories(install.path() / "Images");
      tile.save(text(install.path() / "Images" / "B007.bmp"), "BMP");
      full.save(text(install.path() / "Images" / "B600.bmp"), "BMP");
      app.dirs = {install.path(), data.path()};
      app.config.put(kes::Field::UseDefaultBackground, "N");
      app.config.put(kes::Field::CustomBackgroundSet, "N");
      app.config.put(kes::Field::BackgroundBitmap, "0");
      app.config.put(kes::Field::BackgroundFixedColour, "0");
      app.config.put(kes::Field::BackgroundColour, "0");
      app.config.put(kes::Field::FadeBackground, "N");
      makeController();
    }

    // The table as it shows now, after the messages its painting left.
    QImage shown() {
      controller->table().backgroundChanged();
      const QImage picture = controller->table().grab().toImage();
      QCoreApplication::processEvents();
      return picture;
    }
  };

 private slots:
  void theDefaultBackgroundIsDarkGreen() {
    Fixture f;
    QVERIFY2(f.controller->ready(), qPrintable(f.controller->error()));
    f.app.config.put(kes::Field::UseDefaultBackground, "Y");
    f.app.config.put(kes::Field::BackgroundBitmap, "7");  // the default comes first
    const QImage table = f.shown();
    QCOMPARE(table.pixelColor(5, 5), QColor(0, 96, 0));
    QCOMPARE(table.pixelColor(table.width() - 1, table.height() - 1), QColor(0, 96, 0));
  }

  void aFixedColourFillsTheTableAndTheFadeDarkensItDownward() {
    Fixture f;
    f.app.config.put(kes::Field::BackgroundFixedColour, std::to_string(0xFF8040));  // blue 255, green 128, red 64
    f.app.config.put(kes::Field::BackgroundColour, "255");
    QImage table = f.shown();
    QCOMPARE(table.pixelColor(0, 0), QColor(64, 128, 255));
    QCOMPARE(table.pixelColor(200, table.height() - 1), QColor(64, 128, 255));

    f.app.config.put(kes::Field::FadeBackground, "Y");
    table = f.shown();
    const QColor top = table.pixelColor(10, 0);
    const QColor bottom = table.pixelColor(10, table.height() - 1);
    QCOMPARE(top, QColor(64, 128, 254));  // band 255: each channel x 255 / 256, rounded
    QVERIFY2(bottom.blue() < 5 && bottom.green() < 5, qPrintable(bottom.name()));
    QVERIFY(table.pixelColor(10, table.height() / 2).blue() < top.blue());
    QVERIFY(table.pixelColor(10, table.height() / 2).blue() > bottom.blue());

    // Without a fixed colour the background colour shows.
    f.app.config.put(kes::Field::BackgroundFixedColour, "0");
    f.app.config.put(kes::Field::FadeBackground, "N");
    QCOMPARE(f.shown().pixelColor(3, 3), QColor(255, 0, 0));
  }

  void aTiledPictureRepeatsAtItsWidthAndHeight() {
    Fixture f;
    f.app.config.put(kes::Field::BackgroundBitmap, "7");
    const QImage table = f.shown();
    for (const QPoint p : {QPoint(0, 0), QPoint(13, 7), QPoint(kTileWidth - 1, kTileHeight - 1)}) {
      QCOMPARE(table.pixel(p), f.tile.pixel(p));
      QCOMPARE(table.pixel(p + QPoint(kTileWidth, 0)), f.tile.pixel(p));
      QCOMPARE(table.pixel(p + QPoint(3 * kTileWidth, 5 * kTileHeight)), f.tile.pixel(p));
    }
    QVERIFY(table.pixel(kTileWidth + 1, 0) != table.pixel(kTileWidth, 0));
  }

  void aFullPictureIsDrawnOnceAtTheTopLeft() {
    Fixture f;
    f.app.config.put(kes::Field::BackgroundBitmap, "600");
    const QImage table = f.shown();
    QCOMPARE(table.pixel(0, 0), f.full.pixel(0, 0));
    QCOMPARE(table.pixel(149, 119), f.full.pixel(149, 119));
    // Beyond the picture nothing is drawn; it does not start again.
    QVERIFY(table.pixel(150, 0) != f.full.pixel(0, 0));
    QVERIFY(table.pixel(10, 120) != f.full.pixel(10, 0));
    QCOMPARE(table.pixelColor(300, 200), table.pixelColor(151, 121));
  }

  void aMissingNumberedPictureDrawsNothingAndTheTableKeepsItsBackground() {
    Fixture f;
    f.app.config.put(kes::Field::BackgroundBitmap, "7");
    const QImage before = f.shown();
    f.app.config.put(kes::Field::BackgroundBitmap, "123");
    const QImage table = f.shown();
    QCOMPARE(table.pixel(5, 5), before.pixel(5, 5));
    QCOMPARE(table.pixel(300, 200), before.pixel(300, 200));
    QVERIFY(f.information.isEmpty());
  }

  void aCustomizedPictureIsTiledFromItsFolderOrFromImages() {
    Fixture f;
    const std::filesystem::path own = f.data.path() / "own.bmp";
    const QImage picture = patterned(33, 21, 5);
    picture.save(text(own), "BMP");
    f.settings.writeString("Preference", "Customized_Background", own.string());
    f.app.config.put(kes::Field::CustomBackgroundSet, "Y");
    f.app.config.put(kes::Field::BackgroundBitmap, "7");
    QImage table = f.shown();
    QCOMPARE(table.pixel(4, 4), picture.pixel(4, 4));
    QCOMPARE(table.pixel(4 + 33, 4 + 21), picture.pixel(4, 4));

    // A bare name is a bitmap of the Images folder.
    f.settings.writeString("Preference", "Customized_Background", "B007");
    table = f.shown();
    QCOMPARE(table.pixel(4 + kTileWidth, 4), f.tile.pixel(4, 4));
    QVERIFY(f.information.isEmpty());
  }

  void aMissingCustomizedPictureIsReportedOnceAndTheDefaultStands() {
    Fixture f;
    const std::string gone = (f.data.path() / "gone.bmp").string();
    f.settings.writeString("Preference", "Customized_Background", gone);
    f.settings.writeString("Preference", "Background_Def", "N");
    f.app.config.put(kes::Field::CustomBackgroundSet, "Y");
    f.app.config.put(kes::Field::BackgroundBitmap, "7");
    QImage table = f.shown();
    QCOMPARE(f.information, QStringList{"Customized background image not found: " + QString::fromStdString(gone)});
    QCOMPARE(table.pixelColor(5, 5), QColor(0, 96, 0));
    QCOMPARE(f.app.config.get(kes::Field::CustomBackgroundSet), std::string("N"));
    QCOMPARE(f.app.config.get(kes::Field::UseDefaultBackground), std::string("Y"));
    QCOMPARE(f.settings.readString("Preference", "Customized_Background", "<none>"), std::string(""));
    QCOMPARE(f.settings.readString("Preference", "Background_Def", "<none>"), std::string("Y"));

    table = f.shown();
    QCOMPARE(table.pixelColor(5, 5), QColor(0, 96, 0));
    QCOMPARE(f.information.size(), 1);
  }

  void aCustomizedFileThatIsNoPictureCountsAsGone() {
    Fixture f;
    const auto notes = f.data.path() / "notes.png";
    std::ofstream(notes) << "not a picture";
    f.settings.writeString("Preference", "Customized_Background", notes.string());
    f.app.config.put(kes::Field::CustomBackgroundSet, "Y");
    const QImage table = f.shown();
    QCOMPARE(f.information, QStringList{"Customized background image cannot be shown: notes.png"});
    QCOMPARE(table.pixelColor(5, 5), QColor(0, 96, 0));
    QCOMPARE(f.app.config.get(kes::Field::UseDefaultBackground), std::string("Y"));
  }

  // While a chosen appearance is previewed, a picture that is gone shows the
  // default and changes no preference: the dialog may still be cancelled.
  void aPreviewedPictureThatIsGoneWritesNothing() {
    Fixture f;
    f.app.config.put(kes::Field::CustomBackgroundSet, "Y");
    f.controller->background().customFileOverride = (f.data.path() / "gone.png").string();
    const QImage table = f.shown();
    QCOMPARE(f.information.size(), 1);
    QCOMPARE(table.pixelColor(5, 5), QColor(0, 96, 0));
    QCOMPARE(f.app.config.get(kes::Field::CustomBackgroundSet), std::string("Y"));
    QCOMPARE(f.settings.readString("Preference", "Background_Def", "<none>"), std::string("<none>"));
  }

  // The message is told after the paint; a controller gone by then tells nothing.
  void aMessageDueAfterTheControllerWentIsDropped() {
    Fixture f;
    f.settings.writeString("Preference", "Customized_Background", (f.data.path() / "gone.bmp").string());
    f.app.config.put(kes::Field::CustomBackgroundSet, "Y");
    f.controller->table().backgroundChanged();
    (void)f.controller->table().grab();
    f.controller.reset();
    QCoreApplication::processEvents();
    QVERIFY(f.information.isEmpty());
  }

  void aDemoShowsTheDemoTile() {
    Fixture f;
    f.app.config.put(kes::Field::UseDefaultBackground, "Y");
    f.controller->background().demoPlaying = true;
    const kes::ResourceLibrary library(text(f.install.path()));
    const QImage tile = library.image("Y001").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!tile.isNull());
    const QImage table = f.shown();
    QCOMPARE(table.pixel(7, 9), tile.pixel(7, 9));
    QCOMPARE(table.pixel(7 + tile.width(), 9 + tile.height()), tile.pixel(7, 9));
  }
  void theRecordReadsNonNumbersAsNoneAndTheFadeAsOnUnlessN() {
    kes::ConfigRecord config;
    config.put(kes::Field::BackgroundBitmap, "B12");
    config.put(kes::Field::BackgroundFixedColour, "green");
    config.put(kes::Field::BackgroundColour, "-2147483633");
    kes::BackgroundSettings s = kes::backgroundSettingsOf(config);
    QCOMPARE(s.bitmap, 0);
    QCOMPARE(s.fixedColour, 0LL);
    QCOMPARE(s.colour, -2147483633LL);
    QVERIFY(s.fade);
    QVERIFY(!s.useDefault && !s.customSet);
    config.put(kes::Field::BackgroundBitmap, "1000");
    config.put(kes::Field::FadeBackground, "N");
    s = kes::backgroundSettingsOf(config);
    QCOMPARE(s.bitmap, 1000);
    QVERIFY(!s.fade);
    config.put(kes::Field::BackgroundBitmap, "-5");
    QCOMPARE(kes::backgroundSettingsOf(config).bitmap, 0);
  }

  void theRenderToolTakesAPictureNumberOrAColour() {
    QString error;
    const auto request = [&error](const QString& background) {
      error.clear();
      return kes::renderRequestFrom({"kestrova", "--render", "1", "--background", background, "--out", "t.png"}, error);
    };
    auto r = request("262");
    QVERIFY(r && error.isEmpty());
    QCOMPARE(r->backgroundPicture, 262);
    QVERIFY(!r->colour);
    r = request("#102030-fade");
    QVERIFY(r && error.isEmpty());
    QCOMPARE(*r->colour, QColor(0x10, 0x20, 0x30));
    QVERIFY(r->fade);
    r = request("default");
    QVERIFY(r && error.isEmpty() && r->backgroundPicture == 0 && !r->colour);
    for (const char* wrong : {"0", "1001", "#12345", "green"}) {
      request(wrong);
      QVERIFY2(error.startsWith("usage:"), wrong);
    }
  }
};

QTEST_MAIN(TableBackgroundTest)
#include "table_background_test.moc"
