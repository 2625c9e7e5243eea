#include "overall_score_codec.h"

#include <array>

#include "datafiles/pad.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

constexpr std::string_view kScrambleKey = "72914";
constexpr std::string_view kCheckPrefix = "0400";

char fillerChar(const FillerDigit& filler) { return static_cast<char>('0' + filler()); }

// The digits at the given 1-based positions, as a number.
template <std::size_t N>
std::optional<long long> digitsAt(std::string_view plain, const std::array<std::size_t, N>& positions) {
  long long n = 0;
  for (const std::size_t p : positions) {
    if (p > plain.size()) return std::nullopt;
    const char c = plain[p - 1];
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

template <std::size_t N>
constexpr std::array<std::size_t, N> everyOther(std::size_t first) {
  std::array<std::size_t, N> positions{};
  for (std::size_t i = 0; i < N; ++i) positions[i] = first + 2 * i;
  return positions;
}

constexpr auto kScoreDigits = everyOther<12>(3);
constexpr auto kTimeDigits = everyOther<12>(2);
constexpr std::array<std::size_t, 6> kBestScoreDigits{2, 3, 5, 6, 8, 9};
constexpr std::array<std::size_t, 6> kBestTimeDigits{3, 4, 6, 7, 9, 10};

// Puts the digits of n (width N) at the positions of a value of length
// characters filled with filler digits elsewhere.
template <std::size_t N>
std::string laidOut(long long n, std::size_t length, const std::array<std::size_t, N>& positions,
                    const FillerDigit& filler) {
  std::string value(length, '0');
  for (char& c : value) c = fillerChar(filler);
  const std::string digits = pad(n, static_cast<int>(N));
  for (std::size_t i = 0; i < N; ++i) value[positions[i] - 1] = digits[i];
  return value;
}

bool allZero(std::string_view text) { return text.find_first_not_of('0') == std::string_view::npos; }

std::string withChecksum(const std::string& ten) { return ten + pad(valueChecksum(ten), 6); }

}  // namespace

std::string scrambleValue(std::string_view plain) {
  std::string stored(plain);
  for (std::size_t i = 0; i < stored.size(); ++i)
    stored[i] = static_cast<char>(stored[i] + kScrambleKey[i % kScrambleKey.size()]);
  return stored;
}

std::string unscrambleValue(std::string_view stored) {
  std::string plain(stored);
  for (std::size_t i = 0; i < plain.size(); ++i)
    plain[i] = static_cast<char>(plain[i] - kScrambleKey[i % kScrambleKey.size()]);
  return plain;
}

long long valueChecksum(std::string_view text) {
  long long sum = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const long long i = static_cast<long long>(k) + 1;
    const long long c = static_cast<unsigned char>(text[k]);
    sum += c + (i * c / 2) + ((i + c) % 3) + i;
  }
  return sum;
}

std::string overallScoreValue(long long score, const FillerDigit& filler) {
  return laidOut(score, 28, kScoreDigits, filler);
}

std::string overallTimeValue(long long seconds, const FillerDigit& filler) {
  return laidOut(seconds, 28, kTimeDigits, filler);
}

std::string overallCheckValue(std::string_view scoreValue, std::string_view timeValue) {
  const std::string text = std::string(kCheckPrefix) + std::string(scoreValue) + std::string(timeValue);
  return std::string(kCheckPrefix) + pad(valueChecksum(text), 8);
}

std::string bestScoreValue(long long score, const FillerDigit& filler) {
  return withChecksum(laidOut(score, 10, kBestScoreDigits, filler));
}

std::string bestTimeValue(long long seconds, const FillerDigit& filler) {
  return withChecksum(laidOut(seconds, 10, kBestTimeDigits, filler));
}

std::optional<long long> overallScoreOf(std::string_view plain) { return digitsAt(plain, kScoreDigits); }
std::optional<long long> overallTimeOf(std::string_view plain) { return digitsAt(plain, kTimeDigits); }
std::optional<long long> bestScoreOf(std::string_view plain) { return digitsAt(plain, kBestScoreDigits); }
std::optional<long long> bestTimeOf(std::string_view plain) { return digitsAt(plain, kBestTimeDigits); }

bool overallValuesConsistent(std::string_view scorePlain, std::string_view timePlain, std::string_view checkPlain) {
  const auto score = overallScoreOf(scorePlain);
  const auto time = overallTimeOf(timePlain);
  if (!score || !time || checkPlain.size() < 12) return false;
  const auto stored = wholeNumber(checkPlain.substr(4, 8));
  if (!stored) return false;
  if (*stored == 0 && *score == 0 && *time == 0) return true;
  const std::string text = std::string(kCheckPrefix) + std::string(scorePlain) + std::string(timePlain);
  return valueChecksum(text) == *stored;
}

bool bestValueConsistent(std::string_view plain) {
  if (plain.size() < 16) return false;
  const auto stored = wholeNumber(plain.substr(10, 6));
  if (!stored || !wholeNumber(plain.substr(0, 10))) return false;
  if (*stored == 0 && allZero(plain.substr(0, 10))) return true;
  return valueChecksum(plain.substr(0, 10)) == *stored;
}

}  // namespace kes
