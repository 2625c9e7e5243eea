#include "product_title.h"

namespace kes {

namespace {

void replaceFirst(std::string& text, std::string_view placeholder) {
  if (const auto at = text.find(placeholder); at != std::string::npos)
    text.replace(at, placeholder.size(), kProductTitle);
}

}  // namespace

std::string expandProductTitle(std::string_view text) {
  std::string result(text);
  replaceFirst(result, "[Program]");
  replaceFirst(result, "[Program_sw]");
  return result;
}

}  // namespace kes
