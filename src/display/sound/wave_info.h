#pragma once

#include <QString>
#include <optional>

namespace kes {

// The length in milliseconds of a PCM wave file; none when the file is
// missing, empty, damaged or not PCM, so that it is never handed to the device.
std::optional<int> waveLength(const QString& file);

}  // namespace kes
