#include <QCheckBox>
#include <QImage>
#include <QtTest>

#include "app/startup/advice_box.h"
#include "app/startup/message_box_ui.h"
#include "app/startup/program_start.h"
#include "app/startup/splash_window.h"
#include "recording_startup_ui.h"
#include "test_temp_dir.h"

namespace {

namespace fs = std::filesystem;

// An installation folder with a catalogue, and KES.RGF when asked for.
void giveInstallFolder(const fs::path& install, bool withLibrary) {
  const fs::path built = qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString();
  fs::create_directories(install);
  fs::copy_file(built / "GAMES.DAT", install / "GAMES.DAT");
  if (withLibrary) fs::copy_file(built / "KES.RGF", install / "KES.RGF");
}

// Start-up over a fresh installation folder named `installName`, with a home
// folder beside it; what start-up would show is recorded.
struct StartUp {
  kes::TempDir tmp;
  fs::path install, home;
  kes::testing::RecordingStartupUi ui;

  StartUp(const char* installName, const char* homeName, bool withLibrary)
      : install(tmp.path() / installName), home(tmp.path() / homeName) {
    giveInstallFolder(install, withLibrary);
  }
  kes::ProgramStart run() { return kes::startProgram({kes::DataDirs{install, home}, {}}, ui); }
};

// More than one colour: something was drawn.
bool hasPicture(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3)
      if (image.pixel(x, y) != first) return true;
  return false;
}

}  // namespace

class StartupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theSplashIsAFramelessPicture() {
    kes::SplashWindow splash;
    splash.showAndPaint();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(hasPicture(splash.grab().toImage()));
    QVERIFY(splash.close());
  }

  void theAdviceBoxOffersToStayQuiet() {
    const auto box = kes::makeAdviceBox("Line one\nLine two", kes::AdvicePicture::Screen640x480, nullptr);
    QCOMPARE(box->windowTitle(), QString("Information"));
    QCOMPARE(box->text(), QString("Line one\nLine two"));
    QVERIFY(box->checkBox());
    QCOMPARE(box->checkBox()->text(), QString("&Don't show this message box again"));
    QVERIFY(!box->checkBox()->isChecked());
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(hasPicture(kes::advicePixmap(kes::AdvicePicture::Color).toImage()));
    QVERIFY(hasPicture(kes::advicePixmap(kes::AdvicePicture::Screen640x480).toImage()));
  }

  void aMissingResourceLibraryEndsStartUpBeforeAnythingElse() {
    StartUp s("Install", "Home", false);
    const kes::ProgramStart start = s.run();
    QVERIFY(!start);
    QVERIFY(!start.app);
    const QString path = QString::fromStdString((s.install / "KES.RGF").string()).toLower();
    QVERIFY(path.endsWith("/install/kes.rgf"));
    QCOMPARE(s.ui.informations, std::vector<std::string>{"Can't find/load " + path.toStdString()});
    QVERIFY(s.ui.errors.empty());
    // Neither the data folder nor the settings were touched.
    QVERIFY(!fs::exists(s.home / "DATA"));
  }

  void startUpGoesOnOnceTheLibraryIsOpen() {
    StartUp s("install", "home", true);
    const kes::ProgramStart start = s.run();
    QVERIFY(start);
    QVERIFY(start.library->isOpen());
    QVERIFY(start.library->has("CUR_ARROW2A"));
    QVERIFY(s.ui.informations.empty() && s.ui.errors.empty());
    QVERIFY(fs::is_directory(s.home / "DATA"));
  }

  void lineBreaksOfMessagesBecomeTheBoxes() {
    QCOMPARE(kes::boxText("Cannot find file:\r/x/GAMES.DAT\rCopy"), QString("Cannot find file:\n/x/GAMES.DAT\nCopy"));
    QCOMPARE(kes::boxText("a\r\nb"), QString("a\nb"));
  }

};

QTEST_MAIN(StartupWindowTest)
#include "startup_window_test.moc"
