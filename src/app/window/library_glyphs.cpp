#include "app/window/glyph_source.h"
#include "app/window/toolbar.h"
#include "display/resources/resource_library.h"

namespace kes {

namespace {

// The pause pictures stand on dark green, which the pause screen lets through.
const QColor kPauseClear(0, 128, 0);

// A glyph at its own size and at double size, for the large toolbar and for
// screens of a higher pixel ratio.
QIcon iconOf(const ResourceLibrary& library, const QString& name) {
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap picture = library.picture(scale == 1 ? name : name + QStringLiteral("@2x"));
    if (picture.isNull()) continue;
    picture.setDevicePixelRatio(scale);
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace

LibraryGlyphs::LibraryGlyphs(const ResourceLibrary& library) {
  for (const ToolbarButtonEntry& entry : toolbarButtonTable())
    for (const bool disabled : {false, true}) {
      const QString name = toolbarGlyphName(QString::fromLatin1(entry.name), disabled);
      glyphs_.insert(name, iconOf(library, name));
    }
  for (const char* name : {"BMP_PAUSE_1", "BMP_PAUSE_2"})
    pictures_.insert(QString::fromLatin1(name), library.keyedPicture(QString::fromLatin1(name), kPauseClear));
}

QString toolbarGlyphName(const QString& buttonBase, bool disabled) {
  QString name = QStringLiteral("TB_") + buttonBase.mid(2).toUpper();
  if (disabled) name += QStringLiteral("_DIS");
  return name;
}

}  // namespace kes
