#pragma once

#include <QStringList>
#include <optional>

#include "datafiles/data_dirs.h"

namespace kes {

// "--render GAME --number N --size WIDTHxHEIGHT --cards B|M|L --out FILE.png":
// draws the dealt table of a game into a picture without showing a window.
struct RenderRequest {
  int game = 1;
  std::string dealNumber;
  int width = 800, height = 600;
  char cards = 'B';
  QString out;
};

// The request on the command line; nothing when --render is not given.
// A malformed request gives an error text instead.
std::optional<RenderRequest> renderRequestFrom(const QStringList& arguments, QString& error);

// Returns the exit status: 0 when the picture was written.
int renderTable(const RenderRequest& request, const DataDirs& dirs, QString& error);

}  // namespace kes
