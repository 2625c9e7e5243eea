#include "statistics_files.h"

#include <ctime>

#include "datafiles/pad.h"

namespace kes {

std::string gameSection(int game) { return pad(game, 4); }

std::string textField(std::string_view text, std::size_t width) {
  std::string field(text.substr(0, width));
  field.resize(width, ' ');
  return field;
}

std::string withoutTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string statisticsVersionSection() {
  return "[Version]\r\nVersion=" + std::string(kStatisticsVersion) + "\r\n";
}

StampedTime localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%Y%m%d", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return {date, time};
}

}  // namespace kes
