#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kes::help {

// One page of the help file. Topics name the pages: 3000 + the game number
// for a game's rules, the dialog's own number for a dialog; the contents
// page has topic 0.
struct HelpPage {
  int topic = 0;
  std::string title;
  std::vector<std::string> keywords;  // index entries besides the title
  std::string body;                   // the HTML inside <body>
};

inline constexpr int kRulesTopicBase = 3000;
inline constexpr const char* kContentsFile = "index.html";
inline constexpr const char* kStyleSheetFile = "help.css";

// "3002.html", or the contents page's file for topic 0.
std::string pageFile(int topic);

// The whole document of a page, with its title and the shared style sheet.
std::string pageDocument(const HelpPage& page);

// Text made safe inside HTML elements and attribute values.
std::string escapeHtml(std::string_view text);

}  // namespace kes::help
