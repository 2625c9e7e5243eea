#pragma once

#include <QStringList>

#include "datafiles/data_dirs.h"

namespace kes {

// The folders named on the command line (--data-dir, --install-dir), resolved
// against the defaults.
DataDirs dataDirsFromArguments(const QStringList& arguments);

}  // namespace kes
