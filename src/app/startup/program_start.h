#pragma once

#include <memory>

#include "app/startup/app_context.h"
#include "app/startup/initialize_startup.h"
#include "display/resources/resource_library.h"

namespace kes {

// What the program starts with: the resource library, opened first, and
// the state start-up builds from the data folders.
struct ProgramStart {
  std::unique_ptr<ResourceLibrary> library;
  std::unique_ptr<AppContext> app;

  explicit operator bool() const { return library && app; }
};

// Opens KES.RGF of the installation folder before anything else is read or
// written; without it the user is told "Can't find/load " and the file's
// path in lower case, and the program must end (nothing is returned).
std::unique_ptr<ResourceLibrary> openResourceLibrary(const std::filesystem::path& installDir, StartupUi& ui);

// The library, then the rest of start-up; empty when the program must end.
ProgramStart startProgram(const StartupInputs& inputs, StartupUi& ui);

}  // namespace kes
