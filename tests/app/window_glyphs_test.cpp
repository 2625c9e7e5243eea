// The toolbar's glyphs and the pause pictures come from the resource library.
#include <QToolButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/window/glyph_source.h"
#include "app/window/pause_screen.h"
#include "app/window/toolbar.h"
#include "display/resources/resource_library.h"

namespace {

QImage imageOf(const QIcon& icon) { return icon.pixmap(QSize(16, 16), 1.0).toImage(); }

}  // namespace

class WindowGlyphsTest : public QObject {
  Q_OBJECT

 private:
  kes::ResourceLibrary library_{qEnvironmentVariable("KESTROVA_TEST_DATA")};

 private slots:
  void everyButtonHasItsGlyphAndItsDisabledGlyph() {
    QVERIFY(library_.isOpen());
    const kes::LibraryGlyphs glyphs(library_);
    for (const kes::ToolbarButtonEntry& entry : kes::toolbarButtonTable()) {
      const QString on = kes::toolbarGlyphName(QString::fromLatin1(entry.name), false);
      const QString off = kes::toolbarGlyphName(QString::fromLatin1(entry.name), true);
      QVERIFY2(!glyphs.glyph(on).isNull(), qPrintable(on));
      QVERIFY2(!glyphs.glyph(off).isNull(), qPrintable(off));
      QCOMPARE(imageOf(glyphs.glyph(on)), library_.image(on).convertToFormat(imageOf(glyphs.glyph(on)).format()));
      QVERIFY2(imageOf(glyphs.glyph(on)) != imageOf(glyphs.glyph(off)), qPrintable(on));
    }
    QCOMPARE(kes::toolbarGlyphName("tbUndo", true), QString("TB_UNDO_DIS"));
    QVERIFY(glyphs.glyph("TB_NO_SUCH").isNull());
    // The pause pictures let the dark green they stand on through.
    for (const char* name : {"BMP_PAUSE_1", "BMP_PAUSE_2"}) {
      const QImage picture = glyphs.picture(name).toImage();
      QCOMPARE(picture.size(), library_.image(name).size());
      QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    }
  }

  void aDisabledButtonShowsTheDisabledGlyph() {
    kes::TfrmMain window(std::make_unique<kes::LibraryGlyphs>(library_));
    const kes::LibraryGlyphs glyphs(library_);
    window.SetGameCommandsEnabled(true);
    window.SetUndoRedoEnabled(false, true);
    for (const char* name : {"tbUndo", "tbUndo1"})
      QCOMPARE(imageOf(window.findChild<QToolButton*>(name)->icon()), imageOf(glyphs.glyph("TB_UNDO_DIS")));
    QCOMPARE(imageOf(window.findChild<QToolButton*>("tbRedo1")->icon()), imageOf(glyphs.glyph("TB_REDO")));
    window.SetUndoRedoEnabled(true, false);
    QCOMPARE(imageOf(window.findChild<QToolButton*>("tbUndo")->icon()), imageOf(glyphs.glyph("TB_UNDO")));
    QCOMPARE(imageOf(window.findChild<QToolButton*>("tbRedo")->icon()), imageOf(glyphs.glyph("TB_REDO_DIS")));
  }

  void thePausePictureGlides() {
    kes::TfrmMain window(std::make_unique<kes::LibraryGlyphs>(library_));
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setPaused(true);
    auto* screen = window.findChild<kes::PauseScreen*>();
    QVERIFY(screen && screen->isVisible());
    const QPoint before = screen->glidingPictureAt();
    QTRY_VERIFY(screen->glidingPictureAt() != before);
    window.setPaused(false);
  }
};

QTEST_MAIN(WindowGlyphsTest)
#include "window_glyphs_test.moc"
