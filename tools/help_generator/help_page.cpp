#include "help_generator/help_page.h"

namespace kes::help {

std::string pageFile(int topic) { return topic == 0 ? kContentsFile : std::to_string(topic) + ".html"; }

std::string pageDocument(const HelpPage& page) {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + escapeHtml(page.title) +
         "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"" + kStyleSheetFile + "\">\n</head>\n<body>\n" +
         page.body + "</body>\n</html>\n";
}

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace kes::help
