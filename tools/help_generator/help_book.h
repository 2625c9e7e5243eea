#pragma once

#include <string>
#include <vector>

#include "help_generator/help_page.h"

namespace kes::help {

// Everything the help file holds: the rules of the catalogue games (with
// their category, for the contents), the dialog pages and the pictures.
struct HelpBook {
  struct Rules {
    int category = 0;
    HelpPage page;
  };
  std::vector<Rules> games;
  std::vector<HelpPage> dialogs;
  std::vector<std::string> pictures;  // files beside the pages
};

inline constexpr const char* kHelpNamespace = "org.kestrova.help";
inline constexpr const char* kHelpFolder = "doc";

// The contents page: the games by category and name, then the dialogs.
HelpPage contentsPage(const HelpBook& book);

// The Qt help project that lists the pages, the contents tree and the index;
// every page is also an index entry under the identifier "topic-" + number.
std::string helpProject(const HelpBook& book);

}  // namespace kes::help
