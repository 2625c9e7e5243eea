// Cards drawn onto a table picture, checked pixel by pixel: where the corners
// come from, the stock's thickness and deck edge, and double-size pictures.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "display/geometry/pile_geometry.h"
#include "display/geometry/stock_thickness.h"
#include "display/resources/resource_library.h"
#include "display/table/card_images.h"
#include "display/table/table_painter.h"
#include "geometry_test_support.h"
#include "picture_test_support.h"

namespace {

using kes::PileId;

QString installDir() { return qEnvironmentVariable("KESTROVA_TEST_DATA"); }

constexpr int kWidth = 500;
constexpr int kHeight = 400;
const QColor kGreen(0, 96, 0);  // the default table
constexpr QRgb kGrey = qRgb(192, 192, 192);

// A table of two piles fanned one way and a stock laid out at (40, 40).
struct DrawnTable : kes::test::Table {
  kes::StockDrawPlaces layout;

  explicit DrawnTable(int fanning) {
    kes::test::setParams(game, {{kes::Param::TableauFanning, fanning}, {kes::Param::TableauCount, 2}});
    useSteps();
    layout.x[0] = 40;
    layout.y[0] = 40;
    place(PileId::stock(), 40, 40);
    place(PileId::tableau(0), 200, 40);
    place(PileId::tableau(1), 340, 40);
  }
  void stock(int cards) {
    for (int c = 1; c <= cards; ++c) kes::test::putCards(game, PileId::stock(), {c});
    kes::raiseStockPiles(game, layout);
  }
  // The table painted at the given device pixel ratio over a green background.
  QImage paint(const kes::CardImages& images, int ratio = 1) const {
    QPixmap background(kWidth * ratio, kHeight * ratio);
    background.setDevicePixelRatio(ratio);
    background.fill(kGreen);
    QImage target(kWidth * ratio, kHeight * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    QPainter p(&target);
    p.drawPixmap(0, 0, background);
    kes::paintTable(p, view(), images, {}, &background);
    p.end();
    return target.convertToFormat(QImage::Format_RGB32);
  }
};

QRgb rgb(const QImage& picture, int x, int y) { return picture.pixel(x, y) | 0xFF000000u; }
QRgb faceRgb(const kes::CardImages& images, int card, int x, int y) {
  return rgb(images.face(card).toImage().convertToFormat(QImage::Format_RGB32), x, y);
}

}  // namespace

class CardDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY2(library_.isOpen(), qPrintable(library_.filePath()));
    images_.load(kes::kBigCards, 1, 11);
    images_.setDevicePixelRatio(1);
  }

  // Each corner is the corner pixel and its two neighbours: the pile's first
  // card shows the background there, the pixel beside them the card.
  void aCardsCornersTakeTheBackground() {
    DrawnTable t(kes::Fanning::Down);
    kes::test::putCards(t.game, PileId::tableau(1), {5});
    const QImage table = t.paint(images_);
    const int x = 340, y = 40, r = x + 70, b = y + 95;
    for (const QPoint corner : {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(r, y), QPoint(r - 1, y),
                                QPoint(r, y + 1), QPoint(x, b), QPoint(x + 1, b), QPoint(x, b - 1), QPoint(r, b),
                                QPoint(r - 1, b), QPoint(r, b - 1)})
      QCOMPARE(rgb(table, corner.x(), corner.y()), kGreen.rgb());
    QCOMPARE(rgb(table, x + 1, y + 1), faceRgb(images_, 5, 1, 1));
    QCOMPARE(rgb(table, x + 2, y), faceRgb(images_, 5, 2, 0));
    QCOMPARE(rgb(table, r - 1, b - 1), faceRgb(images_, 5, 70 - 1, 95 - 1));
  }

  // Fanned downward, the upper card's top corners show the card beneath.
  void aCardOverAnotherShowsTheLowerCardInItsTopCorners() {
    DrawnTable t(kes::Fanning::Down);
    kes::test::putCards(t.game, PileId::tableau(0), {1, 2});
    const QImage table = t.paint(images_);
    const int step = t.metrics.steps.downFaceUp;
    QVERIFY(step > 2);
    const int x = 200, y = 40 + step;
    QCOMPARE(rgb(table, x, y), faceRgb(images_, 1, 0, step));
    QCOMPARE(rgb(table, x + 1, y), faceRgb(images_, 1, 1, step));
    QCOMPARE(rgb(table, x + 70, y + 1), faceRgb(images_, 1, 70, step + 1));
    QVERIFY(rgb(table, x, y) != kGreen.rgb());
    QCOMPARE(rgb(table, x, y + 95), kGreen.rgb());
  }

  // Fanned to the right, the upper card's bottom-left corner lies over the
  // card beneath yet shows the background, as every bottom corner does.
  void bottomCornersShowTheBackgroundEvenOverACard() {
    DrawnTable t(kes::Fanning::Right);
    kes::test::putCards(t.game, PileId::tableau(0), {1, 2});
    const QImage table = t.paint(images_);
    const int x = kes::cardLeft(t.view(), PileId::tableau(0), 0, false), b = 40 + 95;
    QVERIFY(x > 200 && x < 200 + 60);
    QCOMPARE(rgb(table, x, b), kGreen.rgb());
    QCOMPARE(rgb(table, x + 1, b), kGreen.rgb());
    QCOMPARE(rgb(table, x, b - 1), kGreen.rgb());
    // Its top-left corner shows the card beneath.
    QCOMPARE(rgb(table, x, 40), faceRgb(images_, 1, x - 200, 0));
  }

  // 30 cards: raised 5 pixels, a deck edge of 6 below and right, and deck
  // corners: the bottom-right corner light grey, the others the background.
  void aStockOfThirtyCardsStandsFivePixelsRaisedOnASixPixelEdge() {
    DrawnTable t(kes::Fanning::Down);
    t.stock(30);
    QCOMPARE(t.game.positions.x(PileId::stock()), 35);
    QCOMPARE(t.game.positions.y(PileId::stock()), 35);
    const QImage table = t.paint(images_);
    const int x = 35, y = 35, r = x + 70, b = y + 95;
    for (const QPoint corner : {QPoint(r, b), QPoint(r - 1, b), QPoint(r, b - 1)})
      QCOMPARE(rgb(table, corner.x(), corner.y()), kGrey);
    QCOMPARE(rgb(table, x, b), kGreen.rgb());
    QCOMPARE(rgb(table, x, y), kGreen.rgb());
    QCOMPARE(rgb(table, r, y), kGreen.rgb());
    for (int k = 1; k <= 6; ++k) {
      QVERIFY2(rgb(table, x + 30, b + k) != kGreen.rgb(), qPrintable(QString::number(k)));
      QVERIFY2(rgb(table, r + k, y + 30) != kGreen.rgb(), qPrintable(QString::number(k)));
    }
    QCOMPARE(rgb(table, x + 30, b + 7), kGreen.rgb());
    QCOMPARE(rgb(table, r + 7, y + 30), kGreen.rgb());
    // Nothing of the stack shows left of or above the raised card.
    QCOMPARE(rgb(table, x - 1, b + 3), kGreen.rgb());
    QCOMPARE(rgb(table, r + 3, y - 1), kGreen.rgb());
  }

  void twoCardsStandOnePixelRaisedAndOneCardNotAtAll() {
    DrawnTable two(kes::Fanning::Down);
    two.stock(2);
    QCOMPARE(two.game.positions.x(PileId::stock()), 39);
    const QImage twoTable = two.paint(images_);
    QVERIFY(rgb(twoTable, 39 + 30, 39 + 96 + 1) != kGreen.rgb());
    QCOMPARE(rgb(twoTable, 39 + 30, 39 + 96 + 2), kGreen.rgb());
    QCOMPARE(rgb(twoTable, 39 + 70, 39 + 95), kGrey);

    DrawnTable one(kes::Fanning::Down);
    one.stock(1);
    QCOMPARE(one.game.positions.x(PileId::stock()), 40);
    QCOMPARE(one.game.positions.y(PileId::stock()), 40);
    const QImage oneTable = one.paint(images_);
    // A single card takes all four corners from the background.
    QCOMPARE(rgb(oneTable, 40 + 70, 40 + 95), kGreen.rgb());
    QCOMPARE(rgb(oneTable, 40, 40), kGreen.rgb());
    QCOMPARE(rgb(oneTable, 41, 41), faceRgb(images_, 1, 1, 1));
  }

  // A held card with shadows on: a band of dots 7 pixels wide right of it
  // from 7 below its top, one 7 high below it from 8 right of its left, and
  // the two dots beside its cut bottom-right corner; with shadows off, none.
  void aHeldCardCastsItsShadowFromTheShadowPictures() {
    const auto held = [&](int shadowSize) {
      QImage table(300, 300, QImage::Format_RGB32);
      table.fill(kGreen);
      QPainter p(&table);
      kes::paintDragShadow(p, images_, 100, 100, 96, 1, shadowSize);
      kes::paintCard(p, images_, 7, true, 100, 100);
      return table;
    };
    const QImage shadowed = held(9);
    const int r = 171, b = 196;
    const auto darkIn = [&](const QImage& table, QRect area) {
      int dark = 0;
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) dark += rgb(table, x, y) == qRgb(0, 0, 0) ? 1 : 0;
      return dark;
    };
    QCOMPARE(darkIn(shadowed, QRect(r, 107, 7, 96)), 7 * 96 / 2);
    QCOMPARE(darkIn(shadowed, QRect(108, b, 71, 7)), (71 * 7 + 1) / 2);
    QCOMPARE(darkIn(shadowed, QRect(r, 100, 7, 7)), 0);
    QCOMPARE(darkIn(shadowed, QRect(100, b, 8, 7)), 0);
    QCOMPARE(rgb(shadowed, r - 1, b - 2), qRgb(0, 0, 0));
    QCOMPARE(rgb(shadowed, r - 2, b - 1), qRgb(0, 0, 0));
    QCOMPARE(rgb(shadowed, r - 1, b - 1), kGreen.rgb());
    const QImage plain = held(0);
    QCOMPARE(darkIn(plain, QRect(r, 100, 9, 110)) + darkIn(plain, QRect(100, b, 80, 9)), 0);
  }

  // At a device pixel ratio of 2 the double-size pictures are used: twice
  // the pixels, the same logical size, and a painted card shows detail a
  // pixel-doubled copy could not have; the corners are cut just as finely.
  void aDoubleRatioScreenGetsSharpCards() {
    images_.setDevicePixelRatio(2);
    QCOMPARE(images_.scale(), 2);
    const QPixmap& face = images_.face(12);
    QCOMPARE(face.size(), QSize(142, 192));
    QCOMPARE(face.devicePixelRatio(), 2.0);
    QCOMPARE(face.deviceIndependentSize(), QSizeF(71, 96));
    QCOMPARE(images_.back().size(), QSize(142, 192));
    QCOMPARE(images_.marker(10).devicePixelRatio(), 2.0);
    QCOMPARE(images_.deckEdge(1).deviceIndependentSize().width(), 16.0);

    DrawnTable t(kes::Fanning::Down);
    kes::test::putCards(t.game, PileId::tableau(1), {12});
    t.stock(30);
    const QImage table = t.paint(images_, 2);
    QCOMPARE(table.size(), QSize(2 * kWidth, 2 * kHeight));
    const QImage card = table.copy(2 * 340, 2 * 40, 142, 192);
    QVERIFY(!kes::test::isPixelDoubled(card));
    QCOMPARE(rgb(card, 10, 10), rgb(face.toImage().convertToFormat(QImage::Format_RGB32), 10, 10));
    QCOMPARE(rgb(card, 3, 0), kGreen.rgb());
    QCOMPARE(rgb(card, 0, 3), kGreen.rgb());
    QCOMPARE(rgb(card, 141, 191 - 3), kGreen.rgb());
    QVERIFY(rgb(card, 2, 2) != kGreen.rgb());
    // The stock: raised 5 logical pixels, grey deck corner, 6-pixel edge.
    QCOMPARE(rgb(table, 2 * (35 + 71) - 1, 2 * (35 + 96) - 1), kGrey);
    QVERIFY(rgb(table, 2 * (35 + 30), 2 * (35 + 96 + 6) - 1) != kGreen.rgb());
    QCOMPARE(rgb(table, 2 * (35 + 30), 2 * (35 + 96 + 6)), kGreen.rgb());
  }

 private:
  kes::ResourceLibrary library_{installDir()};
  kes::CardImages images_{library_, installDir()};
};

QTEST_MAIN(CardDrawingTest)
#include "card_drawing_test.moc"
