#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kes {

// Where the toolbar glyphs and the pause pictures come from, by their names
// in the resource library ("TB_UNDO", "TB_UNDO_DIS", "BMP_PAUSE_1" ...).
class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  virtual QIcon glyph(const QString& name) const = 0;
  virtual QPixmap picture(const QString& name) const = 0;
};

// Simple glyphs drawn by the program itself, until the resource library
// supplies its own. Names ending in "_DIS" give the greyed form.
class PaintedGlyphs : public GlyphSource {
 public:
  QIcon glyph(const QString& name) const override;
  QPixmap picture(const QString& name) const override;
};

// The glyph names of the toolbar buttons, from the button's base name
// ("tbUndo" -> "TB_UNDO"); disabled adds "_DIS".
QString toolbarGlyphName(const QString& buttonBase, bool disabled);

}  // namespace kes
