#pragma once

#include <QColor>
#include <QStringList>
#include <optional>

#include "datafiles/data_dirs.h"

namespace kes {

// "--render GAME --number N --size WIDTHxHEIGHT --cards B|M|L
// [--background default|N|#RRGGBB|#RRGGBB-fade] --out FILE.png": draws the
// dealt table of a game into a picture without showing a window, on the
// default green, background picture N of Images, or a plain or faded colour.
struct RenderRequest {
  int game = 1;
  std::string dealNumber;
  int width = 800, height = 600;
  char cards = 'B';
  int backgroundPicture = 0;      // 0: a colour
  std::optional<QColor> colour;   // none: the default green
  bool fade = false;
  QString out;
};

// The request on the command line; nothing when --render is not given.
// A malformed request gives an error text instead.
std::optional<RenderRequest> renderRequestFrom(const QStringList& arguments, QString& error);

// Returns the exit status: 0 when the picture was written.
int renderTable(const RenderRequest& request, const DataDirs& dirs, QString& error);

}  // namespace kes
