#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <QtTest>

#include "display/resources/resource_library.h"
#include "picture_test_support.h"

namespace {

struct Size {
  char letter;
  int width;
  int height;
};
constexpr Size kSizes[] = {{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}};

QString installDir() { return qEnvironmentVariable("KESTROVA_TEST_DATA"); }

QString sized(const char* stem, char letter, const QString& tail) {
  return QString::fromLatin1(stem) + QChar::fromLatin1(letter) + tail;
}

QString three(int n) { return QString::number(n).rightJustified(3, '0'); }

// One glyph for each toolbar button.
constexpr const char* kGlyphs[] = {"TB_NEW",      "TB_OPEN", "TB_RESTART", "TB_SAVE",  "TB_UNDO",
                                   "TB_REDO",     "TB_AUTOPLAY", "TB_STAT", "TB_RULES", "TB_EXIT"};

// Every name the program asks the library for, written out from the list of
// names rather than from the generator's own tables.
QStringList everyName() {
  QStringList names;
  for (const Size& size : kSizes) {
    for (int set = 1; set <= 5; ++set)
      for (const char* suit : {"H", "D", "C", "S"}) names << sized("C", size.letter, three(set) + suit);
    for (int marker = 1; marker <= 22; ++marker) names << sized("W", size.letter, three(marker));
    for (const char* part : {"1", "2"}) {
      names << sized("SHADOW_", size.letter, part);
      names << sized("3D_BORDER_", size.letter, part);
    }
  }
  names << "CUR_ARROW1A" << "CUR_ARROW2A" << "CUR_RIGHT_HAND1A" << "CUR_RIGHT_HAND2A" << "CUR_LEFT_HAND1A"
        << "CUR_LEFT_HAND2A" << "CUR_ARROW1B" << "CUR_ARROW2B" << "CUR_RIGHT_HAND1B" << "CUR_RIGHT_HAND2B"
        << "CUR_LEFT_HAND1B" << "CUR_LEFT_HAND2B";
  for (const char* glyph : kGlyphs)
    for (const char* form : {"", "_DIS", "@2x", "_DIS@2x"}) names << QString(glyph) + form;
  names << "BMP_PAUSE_1" << "BMP_PAUSE_2";
  names << "TREE5_CANFIELD_TYPE" << "TREE5_FORTYTHIEVES_TYPE" << "TREE5_FREECELL_TYPE" << "TREE5_KLONDIKE_TYPE"
        << "TREE5_PAIRING_TYPE" << "TREE5_SIMPLEGAMES_TYPE" << "TREE5_SPIDER_TYPE" << "TREE5_1DECK_TYPE"
        << "TREE5_2DECK_TYPE" << "TREE5_FAN_TYPE" << "TREE5_BAKERSDOZEN_TYPE" << "TREE5_ROW_TYPE"
        << "TREE5_CUSTOMIZED_GAMES";
  names << "PROG_DIFF_EASY" << "PROG_DIFF_MEDIUM" << "PROG_DIFF_HARD" << "PROG_CHAN_VERYHIGH" << "PROG_CHAN_HIGH"
        << "PROG_CHAN_MEDIUM" << "PROG_CHAN_LOW" << "PROG_CHAN_VERYLOW" << "PROG_DISABLED" << "PROG_TIME_QUICK"
        << "PROG_TIME_MEDIUM" << "PROG_TIME_LONG";
  names << "CARD_WITH_SHADOW" << "CARD_WITHOUT_SHADOW" << "CARD_IRR_PILES_YES" << "CARD_IRR_PILES_NO"
        << "SOUND_ENABLED" << "TREE1" << "TREE2" << "N_TREE3" << "N_TREE4" << "N_TREE5" << "S_TREE2"
        << "Animated_Yes" << "Animated_No";
  names << "card_hearts" << "card_diamonds" << "card_clubs" << "card_spades" << "Card_None";
  for (int rank = 1; rank <= 13; ++rank)
    names << QString("Card_%1_Up").arg(rank) << QString("Card_%1_Down").arg(rank);
  return names;
}

QImage cell(const QImage& grid, const Size& size, int index) {
  return grid.copy((index % 5) * size.width, (index / 5) * size.height, size.width, size.height);
}

bool fullyOpaque(const QImage& picture) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(argb.pixel(x, y)) != 255) return false;
  return true;
}

constexpr QRgb kPureBlue = qRgb(0, 0, 255);

}  // namespace

class ResourcePicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(library_.isOpen(), qPrintable(library_.filePath())); }

  void everyNameAskedForIsThere() {
    QStringList missing;
    for (const QString& name : everyName())
      if (!library_.has(name) || library_.image(name).isNull()) missing << name;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));
  }

  // Thirteen faces, ace to king, in rows of 5, 5 and 3: the bitmap is five
  // cards wide and three high, each face a plain opaque rectangle (the table
  // cuts the corners when it draws), all of them different.
  void faceBitmapsHoldThirteenDifferentFacesInTheGrid() {
    for (const Size& size : kSizes)
      for (int set = 1; set <= 5; ++set)
        for (const char* suit : {"H", "D", "C", "S"}) {
          const QString name = sized("C", size.letter, three(set) + suit);
          const QImage grid = library_.image(name);
          QCOMPARE(grid.size(), QSize(5 * size.width, 3 * size.height));
          QSet<QByteArray> faces;
          for (int i = 0; i < 13; ++i) {
            const QImage face = cell(grid, size, i).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(fullyOpaque(face), qPrintable(name + ' ' + QString::number(i)));
            faces.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
          }
          QVERIFY2(faces.size() == 13, qPrintable(name));
        }
  }

  // Faces of the same card in different sets differ: five designs, not one.
  void theFiveFaceSetsAreDifferentDesigns() {
    for (const Size& size : kSizes) {
      QSet<QByteArray> queens;
      for (int set = 1; set <= 5; ++set) {
        const QImage queen =
            cell(library_.image(sized("C", size.letter, three(set) + "H")), size, 11).convertToFormat(QImage::Format_ARGB32);
        queens.insert(QByteArray(reinterpret_cast<const char*>(queen.constBits()), queen.sizeInBytes()));
      }
      QCOMPARE(queens.size(), 5);
    }
  }

  // Red suits are drawn in red, black suits in black: a face that came out
  // blank or in the wrong suit fails here.
  void facesShowTheirSuitColour() {
    for (const Size& size : kSizes)
      for (int set = 1; set <= 5; ++set)
        for (const char* suit : {"H", "D", "C", "S"}) {
          const bool red = suit[0] == 'H' || suit[0] == 'D';
          const QImage ace = cell(library_.image(sized("C", size.letter, three(set) + suit)), size, 0);
          int redPixels = 0;
          int darkPixels = 0;
          for (int y = 0; y < ace.height(); ++y)
            for (int x = 0; x < ace.width(); ++x) {
              const QColor c = ace.pixelColor(x, y);
              if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++redPixels;
              if (c.red() < 60 && c.green() < 60 && c.blue() < 60) ++darkPixels;
            }
          const QString what = sized("C", size.letter, three(set) + suit);
          if (red)
            QVERIFY2(redPixels > 10, qPrintable(what));
          else
            QVERIFY2(darkPixels > 10 && redPixels * 10 < darkPixels, qPrintable(what));
        }
  }

  void markersAreOpaqueAndCardSized() {
    for (const Size& size : kSizes)
      for (int marker = 1; marker <= 22; ++marker) {
        const QImage picture = library_.image(sized("W", size.letter, three(marker)));
        QCOMPARE(picture.size(), QSize(size.width, size.height));
        QVERIFY(fullyOpaque(picture));
      }
    // The ace and king markers are told apart.
    QVERIFY(library_.image("WB010") != library_.image("WB011"));
  }

  // Shadows are black dots on white, which the table lets through; the right
  // one runs along the card's height, the bottom one along its width, and
  // where they meet the dots keep their checker pattern.
  void shadowsAreBlackOnTransparentWhite() {
    for (const Size& size : kSizes) {
      const QImage right = library_.image(sized("SHADOW_", size.letter, "1")).convertToFormat(QImage::Format_RGB32);
      const QImage bottom = library_.image(sized("SHADOW_", size.letter, "2")).convertToFormat(QImage::Format_RGB32);
      QCOMPARE(right.height(), size.height);
      QCOMPARE(bottom.width(), size.width);
      int black = 0;
      for (const QImage* shadow : {&right, &bottom})
        for (int y = 0; y < shadow->height(); ++y)
          for (int x = 0; x < shadow->width(); ++x) {
            const QRgb pixel = shadow->pixel(x, y) & 0xFFFFFF;
            QVERIFY(pixel == 0xFFFFFF || pixel == 0);
            black += pixel == 0 ? 1 : 0;
          }
      QVERIFY(black > size.height);
      // Seen from the card's top-left corner the right shadow starts at
      // (W, 7) and the bottom one at (8, H); where they overlap, below the
      // card's bottom-right corner, they must show the same dots.
      for (int ay = size.height; ay < size.height + 7; ++ay)
        for (int ax = size.width; ax < size.width + 7; ++ax)
          QCOMPARE(right.pixel(ax - size.width, ay - 7), bottom.pixel(ax - 8, ay - size.height));
    }
  }

  // The stock's edges as the table takes them: for a thickness d, rows
  // (columns) 15 - d .. 15 drawn from 13 pixels before the card. Whatever d
  // is, each row shows an unbroken edge along the whole card from one pixel
  // in, nothing before that, and the rows end on one diagonal past the
  // card's far end (the bevel of the stack's corner); row 15 is the outline.
  void deckEdgesShowAnUnbrokenEdgeForEveryThickness() {
    for (const Size& size : kSizes) {
      const QImage right = library_.image(sized("3D_BORDER_", size.letter, "1")).convertToFormat(QImage::Format_RGB32);
      const QImage bottom = library_.image(sized("3D_BORDER_", size.letter, "2")).convertToFormat(QImage::Format_RGB32);
      QCOMPARE(right.width(), 16);
      QCOMPARE(bottom.height(), 16);
      QVERIFY(right.height() >= size.height + 29);
      QVERIFY(bottom.width() >= size.width + 29);
      // Whether the strip shows the stack at `along` in row (column) `across`.
      const auto stack = [](int across, int along, int length) {
        return along >= 14 + (across == 15 ? 1 : 0) && along <= 13 + length + 15 - across;
      };
      for (int across = 0; across < 16; ++across) {
        for (int a = 0; a < bottom.width(); ++a)
          QVERIFY2((bottom.pixel(a, across) != kPureBlue) == stack(across, a, size.width),
                   qPrintable(QString("%1 %2,%3").arg(size.letter).arg(a).arg(across)));
        for (int b = 0; b < right.height(); ++b)
          QVERIFY2((right.pixel(across, b) != kPureBlue) == stack(across, b, size.height),
                   qPrintable(QString("%1 %2,%3").arg(size.letter).arg(across).arg(b)));
      }
      // The outline is darker than the bottom card's edge above it.
      QVERIFY(qGray(bottom.pixel(30, 15)) < qGray(bottom.pixel(30, 14)));
      QVERIFY(qGray(right.pixel(15, 30)) < qGray(right.pixel(14, 30)));
    }
  }

  // Screens of two device pixels per pixel get pictures drawn at twice the
  // size: same layout, twice the pixels, and more than a pixel-doubled copy.
  void cardPicturesHaveDoubleSizeTwins() {
    for (const Size& size : kSizes) {
      for (int set = 1; set <= 5; ++set) {
        const QString name = sized("C", size.letter, three(set) + "S");
        const QImage twin = library_.image(name + "@2x");
        QCOMPARE(twin.size(), library_.image(name).size() * 2);
        QVERIFY2(!kes::test::isPixelDoubled(cell(twin, {size.letter, 2 * size.width, 2 * size.height}, 12)), qPrintable(name));
      }
      for (const QString& name : {sized("W", size.letter, "010"), sized("3D_BORDER_", size.letter, "1"),
                                  sized("3D_BORDER_", size.letter, "2"), sized("SHADOW_", size.letter, "1"),
                                  sized("SHADOW_", size.letter, "2")})
        QCOMPARE(library_.image(name + "@2x").size(), library_.image(name).size() * 2);
      for (const char* design : {"006", "011"}) {
        const QImage back(QDir(installDir()).filePath(QString("Images/D%1%2.bmp").arg(size.letter).arg(design)));
        const QImage twin(QDir(installDir()).filePath(QString("Images/2x/D%1%2.bmp").arg(size.letter).arg(design)));
        QCOMPARE(twin.size(), back.size() * 2);
        QVERIFY(!kes::test::isPixelDoubled(twin));
      }
    }
  }

  void toolbarGlyphsHaveGreyDisabledTwins() {
    for (const char* glyph : kGlyphs) {
      const QImage enabled = library_.image(glyph);
      const QImage disabled = library_.image(QString(glyph) + "_DIS");
      QCOMPARE(enabled.size(), QSize(16, 16));
      QCOMPARE(disabled.size(), enabled.size());
      QCOMPARE(library_.image(QString(glyph) + "@2x").size(), enabled.size() * 2);
      QCOMPARE(library_.image(QString(glyph) + "_DIS@2x").size(), enabled.size() * 2);
      QVERIFY(enabled != disabled);
      for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
          const QColor c = disabled.pixelColor(x, y);
          if (c.alpha() == 255) QVERIFY2(c.red() == c.green() && c.green() == c.blue(), glyph);
        }
    }
    QVERIFY(library_.image("TB_UNDO") != library_.image("TB_REDO"));
  }

  // The first pause picture glides within the width of the second one, on
  // the dark green that the pause screen lets through.
  void pausePicturesStandOnTransparentDarkGreen() {
    const QImage title = library_.image("BMP_PAUSE_1");
    const QImage hint = library_.image("BMP_PAUSE_2");
    QVERIFY(hint.width() > title.width());
    for (const QImage* picture : {&title, &hint}) {
      QCOMPARE(picture->pixel(0, 0) & 0xFFFFFF, qRgb(0, 128, 0) & 0xFFFFFF);
      QVERIFY(fullyOpaque(*picture));
    }
  }

  void counterCellsFitTheirGrid() {
    // Cells stand 14 pixels apart on rows 18 apart.
    for (int rank = 1; rank <= 13; ++rank)
      for (const char* state : {"_Up", "_Down"}) {
        const QImage picture = library_.image(QString("Card_%1%2").arg(rank).arg(state));
        QVERIFY(picture.width() <= 14 && picture.height() <= 18);
      }
    QVERIFY(library_.image("Card_1_Up") != library_.image("Card_1_Down"));
    QVERIFY(library_.image("card_hearts").width() <= 16);
  }

  void cardBacksLieInTheImagesFolderAtEverySize() {
    for (const Size& size : kSizes)
      for (const char* design : {"006", "011"}) {
        const QString file = QDir(installDir()).filePath(QString("Images/D%1%2.bmp").arg(size.letter).arg(design));
        const QImage back(file);
        QVERIFY2(!back.isNull(), qPrintable(file));
        QCOMPARE(back.size(), QSize(size.width, size.height));
      }
    QVERIFY(QImage(QDir(installDir()).filePath("Images/DB006.bmp")) !=
            QImage(QDir(installDir()).filePath("Images/DB011.bmp")));
  }

  // A random back draws a number from 1 to the count of "db*.bmp" files, so
  // the designs must run from 1 without a gap; each is a picture of its own.
  void theTwentySevenBacksAreNumberedWithoutAGapAndAllDiffer() {
    const QDir images(QDir(installDir()).filePath("Images"));
    const QStringList backs = images.entryList({"db*.bmp"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QCOMPARE(backs.size(), 27);
    QList<QImage> seen;
    for (int design = 1; design <= 27; ++design) {
      const QString name = QString("DB%1.bmp").arg(design, 3, 10, QChar('0'));
      const QImage back(images.filePath(name));
      QVERIFY2(!back.isNull(), qPrintable(name));
      QCOMPARE(back.size(), QSize(71, 96));
      QCOMPARE(QImage(images.filePath("2x/" + name)).size(), QSize(142, 192));
      for (const QImage& other : seen) QVERIFY2(other != back, qPrintable(name));
      seen.append(back);
    }
  }

 private:
  kes::ResourceLibrary library_{installDir()};
};

QTEST_MAIN(ResourcePicturesTest)
#include "resource_pictures_test.moc"
