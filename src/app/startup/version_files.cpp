#include "version_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

#include "datafiles/pad.h"
#include "datafiles/safe_replace.h"

namespace kes {

namespace fs = std::filesystem;

namespace {

constexpr std::array kOldMarkers{
    "KESV0150.DAT", "KESV0200.DAT", "KESV0300.DAT", "KESV0310.DAT", "KESV0320.DAT",
    "KESV0330.DAT", "KESV0340.DAT", "KESV0350.DAT", "KESV0360.DAT", "KESV0370.DAT",
};
constexpr std::array kSuitLetters{"C", "D", "H", "S"};

std::string lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

bool present(const fs::path& folder, std::string_view relative) {
  return !findIgnoringCase(folder, relative).empty();
}

void addGamePictures(const fs::path& folder, std::vector<std::string>& files) {
  if (!present(folder, "IMAGES/GAME0000.BMP")) return;
  for (int n = 0; n <= 100; ++n) files.push_back("IMAGES/GAME" + pad(n, 4) + ".BMP");
}

void addWinningPictures(const fs::path& folder, std::vector<std::string>& files) {
  if (!present(folder, "IMAGES/WB001.BMP")) return;
  for (const char* prefix : {"WB", "WM", "WP"})
    for (int n = 0; n <= 25; ++n) files.push_back(std::string("IMAGES/") + prefix + pad(n, 3) + ".BMP");
}

void addCardPictures(const fs::path& folder, std::vector<std::string>& files) {
  if (!present(folder, "IMAGES/CB001C.BMP")) return;
  for (int n = 1; n <= 5; ++n)
    for (const char* suit : kSuitLetters) files.push_back("IMAGES/CB" + pad(n, 3) + suit + ".BMP");
  for (const char* size : {"CM", "CL"})
    for (const char* suit : kSuitLetters) files.push_back(std::string("IMAGES/") + size + "003" + suit + ".BMP");
}

}  // namespace

bool writeVersionMarker(const fs::path& folder, MessageSink& messages) {
  std::error_code ec;
  const fs::path marker = folder / kVersionMarkerName;
  if (fs::exists(marker, ec)) return false;
  return replaceFileContents(marker, std::string(kVersionMarkerLine) + "\r\n", messages);
}

fs::path findIgnoringCase(const fs::path& folder, std::string_view relative) {
  fs::path at = folder;
  for (const fs::path& part : fs::path(relative)) {
    const std::string wanted = lower(part.string());
    std::error_code ec;
    fs::path found;
    for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
      if (lower(it->path().filename().string()) == wanted) {
        found = it->path();
        break;
      }
    }
    if (found.empty()) return {};
    at = found;
  }
  return at;
}

std::vector<std::string> olderVersionFiles(const fs::path& folder) {
  std::vector<std::string> files(kOldMarkers.begin(), kOldMarkers.end());
  addGamePictures(folder, files);
  addWinningPictures(folder, files);
  addCardPictures(folder, files);
  files.emplace_back("KESTROVA.DLL");
  return files;
}

std::vector<fs::path> removeOlderVersionFiles(const fs::path& folder) {
  std::vector<fs::path> removed;
  for (const std::string& name : olderVersionFiles(folder)) {
    const fs::path file = findIgnoringCase(folder, name);
    std::error_code ec;
    if (!file.empty() && fs::is_regular_file(file, ec) && fs::remove(file, ec)) removed.push_back(file);
  }
  return removed;
}

}  // namespace kes
