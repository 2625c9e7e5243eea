#pragma once

#include <QIcon>
#include <QMap>
#include <QPixmap>
#include <QString>

namespace kes {

class ResourceLibrary;

// Where the toolbar glyphs and the pause pictures come from, by their names
// in the resource library ("TB_UNDO", "TB_UNDO_DIS", "BMP_PAUSE_1" ...).
class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  virtual QIcon glyph(const QString& name) const = 0;
  virtual QPixmap picture(const QString& name) const = 0;
};

// The glyphs and pause pictures of the resource library, taken out of it
// once; without a library the buttons show their captions alone and the
// pause screen its colour.
class LibraryGlyphs : public GlyphSource {
 public:
  LibraryGlyphs() = default;
  explicit LibraryGlyphs(const ResourceLibrary& library);
  QIcon glyph(const QString& name) const override { return glyphs_.value(name); }
  QPixmap picture(const QString& name) const override { return pictures_.value(name); }

 private:
  QMap<QString, QIcon> glyphs_;
  QMap<QString, QPixmap> pictures_;
};

// The glyph names of the toolbar buttons, from the button's base name
// ("tbUndo" -> "TB_UNDO"); disabled adds "_DIS".
QString toolbarGlyphName(const QString& buttonBase, bool disabled);

}  // namespace kes
