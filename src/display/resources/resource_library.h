#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace kes {

// The companion resource library KES.RGF: the card faces, markers, shadows,
// deck edges, cursors, toolbar glyphs and dialog pictures, asked for by name.
// It is opened once from the installation folder and released when this
// object goes away.
class ResourceLibrary {
 public:
  static constexpr const char* kFileName = "KES.RGF";

  explicit ResourceLibrary(const QString& installDir);
  ~ResourceLibrary();
  ResourceLibrary(const ResourceLibrary&) = delete;
  ResourceLibrary& operator=(const ResourceLibrary&) = delete;

  bool isOpen() const { return open_; }
  // The full path of the library file, whether or not it could be opened.
  const QString& filePath() const { return filePath_; }

  bool has(const QString& name) const;
  // The picture stored under name; an empty image or pixmap when the library
  // lacks the name, so that the caller draws nothing.
  QImage image(const QString& name) const;
  QPixmap picture(const QString& name) const;
  // The picture with every pixel of the colour `transparent` see-through:
  // shadows (white), deck edges (pure blue), pause pictures (dark green).
  QPixmap keyedPicture(const QString& name, QColor transparent) const;
  // The cursor stored under name with its hot spot; the standard arrow when
  // the library lacks the name.
  QCursor cursor(const QString& name) const;

 private:
  QString resourcePath(const QString& name) const;

  QString filePath_;
  bool open_ = false;
};

// The message shown when the library cannot be opened at start-up.
QString libraryOpenFailureMessage(const QString& filePath);

// Keys of the text chunks in which a cursor picture carries its hot spot.
inline constexpr const char* kHotSpotXKey = "HotSpotX";
inline constexpr const char* kHotSpotYKey = "HotSpotY";

}  // namespace kes
