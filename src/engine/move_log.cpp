#include "move_log.h"

#include "card.h"

namespace kes {

namespace {

// Number of 3-digit groups of element equal to code.
int groupsEqual(std::string_view element, int code) {
  const std::string wanted = cardCodeText(code);
  int n = 0;
  for (std::size_t i = 0; i + 3 <= element.size(); i += 3)
    if (element.substr(i, 3) == wanted) ++n;
  return n;
}

}  // namespace

void MoveLog::append(std::string_view element) {
  text_ += element;
  text_ += ',';
}

std::string MoveLog::lastElement() const {
  if (text_.empty() || text_.back() != ',') return text_;
  const std::size_t end = text_.size() - 1;  // the final comma
  const std::size_t prev = end == 0 ? std::string::npos : text_.rfind(',', end - 1);
  const std::size_t start = prev == std::string::npos ? 0 : prev + 1;
  return text_.substr(start, end - start);
}

void MoveLog::removeLast() {
  if (text_.size() < 2) {
    text_.clear();
    return;
  }
  const std::size_t prev = text_.rfind(',', text_.size() - 2);
  if (prev == std::string::npos)
    text_.clear();
  else
    text_.resize(prev + 1);
}

void MoveLog::tagLast(int code) {
  removeLast();
  append(cardCodeText(code));
}

void MoveLog::addToLast(int code) {
  const std::string element = lastElement();
  removeLast();
  append(element + cardCodeText(code));
}

int MoveLog::countOf(int code) const {
  int n = 0;
  std::size_t start = 0;
  while (start < text_.size()) {
    std::size_t end = text_.find(',', start);
    if (end == std::string::npos) end = text_.size();
    n += groupsEqual(std::string_view(text_).substr(start, end - start), code);
    start = end + 1;
  }
  return n;
}

bool MoveLog::elementContains(std::string_view element, int code) { return groupsEqual(element, code) > 0; }

}  // namespace kes
