#include <QFile>
#include <QGuiApplication>
#include <QtTest>

#include <memory>

#include "datafiles/catalogue_file.h"
#include "datafiles/game_list.h"
#include "display/resources/cursor_table.h"
#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"
#include "test_temp_dir.h"

namespace {

QString installDir() { return qEnvironmentVariable("KESTROVA_TEST_DATA"); }

// Pixels of the picture that differ from its top-left one, the colour the
// selection dialog lets through.
int drawnPixels(const QImage& picture) {
  const QRgb key = picture.pixel(0, 0);
  int drawn = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) drawn += picture.pixel(x, y) != key ? 1 : 0;
  return drawn;
}

}  // namespace

class ResourceLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void namesAreBuiltFromSizeNumberAndPart() {
    QCOMPARE(kes::faceBitmapName('B', 1, 'H'), QString("CB001H"));
    QCOMPARE(kes::faceBitmapName('L', 5, 'S'), QString("CL005S"));
    QCOMPARE(kes::markerName('M', 22), QString("WM022"));
    QCOMPARE(kes::markerName('B', 3), QString("WB003"));
    QCOMPARE(kes::shadowName('L', 2), QString("SHADOW_L2"));
    QCOMPARE(kes::deckEdgeName('B', 1), QString("3D_BORDER_B1"));
    QCOMPARE(kes::gamePreviewName(7), QString("GAME0007"));
    QCOMPARE(kes::counterCellName(13, false), QString("Card_13_Down"));
    QCOMPARE(kes::counterCellName(1, true), QString("Card_1_Up"));
  }

  void cursorNumbersMapToTheTwelveCursors() {
    QCOMPARE(kes::cursorName(10), QString("CUR_ARROW1A"));
    QCOMPARE(kes::cursorName(11), QString("CUR_ARROW2A"));
    QCOMPARE(kes::cursorName(13), QString("CUR_RIGHT_HAND2A"));
    QCOMPARE(kes::cursorName(14), QString("CUR_LEFT_HAND1A"));
    QCOMPARE(kes::cursorName(20), QString("CUR_ARROW1B"));
    QCOMPARE(kes::cursorName(22), QString("CUR_RIGHT_HAND1B"));
    QCOMPARE(kes::cursorName(25), QString("CUR_LEFT_HAND2B"));
    // Numbers between and around the two ranges name no cursor.
    for (int number : {0, 9, 16, 19, 26})
      QVERIFY2(kes::cursorName(number).isEmpty(), qPrintable(QString::number(number)));
  }

  void theCursorTableRegistersTheTwelveCursorsByNumber() {
    const kes::ResourceLibrary library(installDir());
    QVERIFY(library.isOpen());
    const kes::CursorTable cursors(library);
    for (const int number : kes::kCursorNumbers) {
      const QCursor cursor = cursors.cursor(number);
      QCOMPARE(cursor.shape(), Qt::BitmapCursor);
      const QCursor stored = library.cursor(kes::cursorName(number));
      QCOMPARE(cursor.pixmap().toImage(), stored.pixmap().toImage());
      QCOMPARE(cursor.hotSpot(), stored.hotSpot());
    }
    // A set's pointer while dragging is its number plus 10: the "B" cursor.
    QCOMPARE(cursors.dragging(12).pixmap().toImage(), library.cursor("CUR_RIGHT_HAND1B").pixmap().toImage());
    // Cursor set 0 (none chosen) and numbers outside the table are the standard arrow.
    QCOMPARE(cursors.cursor(0).shape(), Qt::ArrowCursor);
    QCOMPARE(cursors.cursor(16).shape(), Qt::ArrowCursor);
    QCOMPARE(cursors.cursor(19).shape(), Qt::ArrowCursor);
  }

  void opensTheLibraryOfTheInstallationFolder() {
    const kes::ResourceLibrary library(installDir());
    QVERIFY2(library.isOpen(), qPrintable(library.filePath()));
    QVERIFY(library.filePath().endsWith("/KES.RGF"));
    QVERIFY(library.has("CB001H"));
    QVERIFY(!library.picture("CB001H").isNull());
  }

  void anAbsentNameGivesNothing() {
    const kes::ResourceLibrary library(installDir());
    QVERIFY(!library.has("CB006H"));
    QVERIFY(!library.has(""));
    QVERIFY(library.picture("CB006H").isNull());
    QVERIFY(library.image("NO_SUCH_PICTURE").isNull());
    QVERIFY(library.keyedPicture("NO_SUCH_PICTURE", Qt::white).isNull());
    QCOMPARE(library.cursor("CUR_NONE").shape(), Qt::ArrowCursor);
  }

  void aMissingLibraryIsReportedWithItsPathInLowerCase() {
    const kes::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "Kestrova").string());
    const kes::ResourceLibrary library(folder);
    QVERIFY(!library.isOpen());
    QVERIFY(!library.has("CB001H"));
    QVERIFY(library.picture("CB001H").isNull());
    QCOMPARE(kes::libraryOpenFailureMessage(library.filePath()),
             QString("Can't find/load ") + folder.toLower() + "/kes.rgf");
  }

  void aFileThatIsNoLibraryDoesNotOpen() {
    const kes::TempDir dir;
    QFile junk(QString::fromStdString((dir.path() / "KES.RGF").string()));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a resource library");
    junk.close();
    const kes::ResourceLibrary library(QString::fromStdString(dir.path().string()));
    QVERIFY(!library.isOpen());
    QVERIFY(!library.has("CB001H"));
  }

  void releasingTheLibraryTakesItsPicturesAway() {
    auto library = std::make_unique<kes::ResourceLibrary>(installDir());
    QVERIFY(library->isOpen());
    QVERIFY(QFile::exists(":/kes-rgf/CB001H"));
    library.reset();
    QVERIFY(!QFile::exists(":/kes-rgf/CB001H"));
    // Opening again after a release works as the first time.
    const kes::ResourceLibrary again(installDir());
    QVERIFY(again.has("CB001H"));
  }

  void cursorsCarryTheirHotSpotOnTheDrawnPointer() {
    const kes::ResourceLibrary library(installDir());
    for (int number : kes::kCursorNumbers) {
      const QString name = kes::cursorName(number);
      const QCursor cursor = library.cursor(name);
      QCOMPARE(cursor.shape(), Qt::BitmapCursor);
      const QImage picture = cursor.pixmap().toImage();
      const QPoint spot = cursor.hotSpot();
      QVERIFY2(picture.rect().contains(spot), qPrintable(name));
      // The hot spot lies on the pointer, not on empty space beside it.
      QVERIFY2(qAlpha(picture.pixel(spot)) > 0, qPrintable(name));
    }
    // Hands point with the index finger, not from the picture's corner.
    QVERIFY(library.cursor("CUR_RIGHT_HAND1A").hotSpot() != QPoint(0, 0));
    // A left hand is a mirrored right hand: its hot spot is mirrored too.
    const QCursor right = library.cursor("CUR_RIGHT_HAND1A");
    const QCursor left = library.cursor("CUR_LEFT_HAND1A");
    QCOMPARE(left.hotSpot().x(), right.pixmap().width() - 1 - right.hotSpot().x());
  }

  void everyCataloguedGameHasAPreviewWithCardsOnIt() {
    const auto catalogue = kes::readCatalogue(kes::catalogueFile(installDir().toStdString()));
    QVERIFY(catalogue.has_value());
    const auto games = kes::loadGameList(*catalogue).entries();
    QVERIFY(games.size() >= 20);
    const kes::ResourceLibrary library(installDir());
    for (const kes::GameListEntry& game : games) {
      const QString name = kes::gamePreviewName(game.number);
      QVERIFY2(library.has(name), qPrintable(name));
      const QImage picture = library.image(name).convertToFormat(QImage::Format_ARGB32);
      QVERIFY2(!picture.isNull(), qPrintable(name));
      // Cards cover a good part of the miniature, not a stray pixel or two.
      QVERIFY2(drawnPixels(picture) > picture.width() * picture.height() / 20, qPrintable(name));
    }
    QVERIFY(!library.has(kes::gamePreviewName(9999)));
  }

  void keyedPicturesLetTheKeyColourThrough() {
    const kes::ResourceLibrary library(installDir());
    const QImage keyed = library.keyedPicture("SHADOW_B1", Qt::white).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage plain = library.image("SHADOW_B1").convertToFormat(QImage::Format_ARGB32);
    int seeThrough = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x) {
        const bool white = (plain.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        QCOMPARE(qAlpha(keyed.pixel(x, y)) == 0, white);
        seeThrough += white ? 1 : 0;
      }
    QVERIFY(seeThrough > 0);
  }
};

QTEST_MAIN(ResourceLibraryTest)
#include "resource_library_test.moc"
