#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/message_sink.h"

namespace kes {

inline constexpr std::string_view kVersionMarkerName = "KESV0400.DAT";
inline constexpr std::string_view kVersionMarkerLine = "Kestrova version: 04.00";

// Writes the marker of this version into the data folder unless it is there.
// True when it was written.
bool writeVersionMarker(const std::filesystem::path& folder, MessageSink& messages);

// The files older versions left in the data folder, relative to it, as those
// versions named them. Each group of pictures is listed only when its first
// file is present.
std::vector<std::string> olderVersionFiles(const std::filesystem::path& folder);

// Removes those files that are present; names match without regard to case,
// as the versions that wrote them did not tell case apart. Returns the
// paths removed.
std::vector<std::filesystem::path> removeOlderVersionFiles(const std::filesystem::path& folder);

// The path of a file below folder whose relative name matches, folder by
// folder, without regard to case; empty when there is none.
std::filesystem::path findIgnoringCase(const std::filesystem::path& folder, std::string_view relative);

}  // namespace kes
