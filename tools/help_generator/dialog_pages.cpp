#include "help_generator/dialog_pages.h"

#include <cctype>

namespace kes::help {

namespace {

constexpr std::string_view kKeywordsStart = "<!-- keywords:";
constexpr std::string_view kCommentEnd = "-->";

std::string trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return std::string(text.substr(begin, end - begin));
}

std::optional<int> topicOf(std::string_view fileName) {
  std::size_t digits = 0;
  while (digits < fileName.size() && std::isdigit(static_cast<unsigned char>(fileName[digits]))) ++digits;
  if (digits == 0 || digits > 4 || digits >= fileName.size() || fileName[digits] != '-') return std::nullopt;
  return std::stoi(std::string(fileName.substr(0, digits)));
}

std::string titleOf(std::string_view body) {
  const std::size_t open = body.find("<h1>");
  const std::size_t close = body.find("</h1>");
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  return trimmed(body.substr(open + 4, close - open - 4));
}

// Takes the keyword comment out of the text and returns its entries.
std::vector<std::string> takeKeywords(std::string& text) {
  std::vector<std::string> keywords;
  const std::size_t start = text.find(kKeywordsStart);
  if (start == std::string::npos) return keywords;
  const std::size_t end = text.find(kCommentEnd, start);
  if (end == std::string::npos) return keywords;
  const std::string list = text.substr(start + kKeywordsStart.size(), end - start - kKeywordsStart.size());
  std::size_t from = 0;
  while (from <= list.size()) {
    const std::size_t comma = std::min(list.find(',', from), list.size());
    if (std::string word = trimmed(std::string_view(list).substr(from, comma - from)); !word.empty())
      keywords.push_back(std::move(word));
    from = comma + 1;
  }
  text.erase(start, end + kCommentEnd.size() - start);
  return keywords;
}

}  // namespace

std::optional<HelpPage> dialogPage(std::string_view fileName, std::string_view text, std::string& error) {
  const std::optional<int> topic = topicOf(fileName);
  if (!topic || *topic == 0) {
    error = "the file name does not start with a topic number and a dash";
    return std::nullopt;
  }
  if (*topic > kRulesTopicBase && *topic < kRulesTopicBase + 1000) {
    error = "topic " + std::to_string(*topic) + " belongs to a game's rules";
    return std::nullopt;
  }
  HelpPage page;
  page.topic = *topic;
  page.body = std::string(text);
  page.keywords = takeKeywords(page.body);
  page.title = titleOf(page.body);
  if (page.title.empty()) {
    error = "the page has no <h1> title";
    return std::nullopt;
  }
  page.body = trimmed(page.body) + "\n";
  return page;
}

}  // namespace kes::help
