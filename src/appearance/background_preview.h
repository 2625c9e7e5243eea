#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

namespace kes {

// What the background preview of the dialog shows for the selected entry.
struct BackgroundPreview {
  long long code = 0;          // the entry's background code
  long long customColour = 0;  // of "(Custom color)"
  bool fade = false;           // "&Fade background" is checked
  bool manyColours = true;
  QString installDir;
  QString customFile;          // the customized picture's path, for code -102
  QSize screen{1024, 768};     // a full-screen picture is shown at this size, scaled down
};

// Paints the preview over a surface of this size: a colour (faded to black
// downward when asked), a picture tiled at the surface's size, a
// full-screen picture scaled down, or the default background for a group.
void paintBackgroundPreview(QPainter& painter, const QSize& surface, const BackgroundPreview& preview);

// Whether a file can serve as a customized background: it must exist, be a
// picture that can be read, and not be enormous. The message says why not.
struct PictureCheck {
  bool ok = false;
  QString message;
};
PictureCheck checkBackgroundPicture(const QString& path);

// The largest side a customized background may have, in pixels.
inline constexpr int kLargestBackgroundSide = 8000;

}  // namespace kes
