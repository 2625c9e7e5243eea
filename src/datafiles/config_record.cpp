#include "config_record.h"

#include <algorithm>

#include "datafiles/pad.h"

namespace kes {

ConfigRecord::ConfigRecord() {
  for (auto& buffer : buffers_) buffer.assign(kBufferSize, ' ');
}

ConfigRecord::Span ConfigRecord::locate(int position, int length) {
  if (position < 1 || length < 1 || position % kBufferSize == 0) return {};
  const int index = position / kBufferSize;
  if (index >= kBufferCount) return {};
  const int start = position - index * kBufferSize - 1;  // 0-based inside the buffer
  const int available = kBufferSize - start;
  return {static_cast<std::size_t>(index), static_cast<std::size_t>(start),
          static_cast<std::size_t>(std::min(length, available))};
}

void ConfigRecord::put(int position, int length, std::string_view text) {
  const Span span = locate(position, length);
  if (span.length == 0) return;
  const auto first = text.find_first_not_of(' ');
  text = first == std::string_view::npos ? std::string_view{} : text.substr(first);
  std::string value(text.substr(0, span.length));
  value.resize(span.length, ' ');
  buffers_[span.buffer].replace(span.start, span.length, value);
}

std::string ConfigRecord::get(int position, int length) const {
  const Span span = locate(position, length);
  if (span.length == 0) return {};
  std::string value = buffers_[span.buffer].substr(span.start, span.length);
  value.erase(value.find_last_not_of(' ') + 1);
  return value;
}

void ConfigRecord::resetCurrentCounters() {
  put(Field::CurrentWins, pad(0, Field::CurrentWins.length));
  put(Field::CurrentLosses, pad(0, Field::CurrentLosses.length));
}

}  // namespace kes
