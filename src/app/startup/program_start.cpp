#include "app/startup/program_start.h"

namespace kes {

std::unique_ptr<ResourceLibrary> openResourceLibrary(const std::filesystem::path& installDir, StartupUi& ui) {
  auto library = std::make_unique<ResourceLibrary>(QString::fromStdString(installDir.string()));
  if (library->isOpen()) return library;
  ui.information(libraryOpenFailureMessage(library->filePath()).toStdString());
  return nullptr;
}

ProgramStart startProgram(const StartupInputs& inputs, StartupUi& ui) {
  ProgramStart start;
  start.library = openResourceLibrary(inputs.dirs.install, ui);
  if (!start.library) return start;
  start.app = initializeStartup(inputs, ui);
  if (!start.app) start.library.reset();
  return start;
}

}  // namespace kes
