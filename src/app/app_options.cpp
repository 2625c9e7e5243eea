#include "app_options.h"

#include <QCommandLineParser>

namespace kes {

DataDirs dataDirsFromArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption dataDir("data-dir", "Folder for the player's data.", "DIR");
  const QCommandLineOption installDir("install-dir", "Folder of the program's read-only data.", "DIR");
  parser.addOptions({dataDir, installDir});
  parser.parse(arguments);
  std::optional<std::filesystem::path> data, install;
  if (parser.isSet(dataDir)) data = parser.value(dataDir).toStdString();
  if (parser.isSet(installDir)) install = parser.value(installDir).toStdString();
  return resolveDataDirs(install, data);
}

}  // namespace kes
