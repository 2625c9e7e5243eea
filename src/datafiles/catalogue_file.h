#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

inline constexpr const char* kCatalogueFileName = "GAMES.DAT";
inline constexpr std::string_view kGameListHeader = "[Sect1]";
inline constexpr std::string_view kParameterHeader = "[Sect2]";
inline constexpr std::string_view kSelectedGamesHeader = "[SectS]";

// The catalogue's lines as stored (line ends removed), and where it was read.
struct CatalogueText {
  std::filesystem::path file;
  std::vector<std::string> lines;
};

std::filesystem::path catalogueFile(const std::filesystem::path& installDir);

// nullopt when the file cannot be opened.
std::optional<CatalogueText> readCatalogue(const std::filesystem::path& file);

// The lines after every line that starts with the header, each run ending
// before the next line that starts with "[". A header that occurs twice
// yields both bodies, in file order.
std::vector<std::string> sectionLines(const std::vector<std::string>& lines, std::string_view header);
// The same lines without copying them: a game's parameters are one column of
// the catalogue's widest section, read at every start of a game.
std::vector<const std::string*> sectionLineRefs(const std::vector<std::string>& lines, std::string_view header);

// What start-up shows, in a box titled "Error", when the catalogue is missing.
std::string missingCatalogueMessage(const std::filesystem::path& file);

}  // namespace kes
