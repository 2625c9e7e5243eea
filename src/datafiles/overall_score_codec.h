#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kes {

// The values of STAT_GLO.DAT. Each is stored shifted by the digits of a
// 5-character key and laid out with random filler digits among its own,
// with a checksum that tells a changed value.

using FillerDigit = std::function<int()>;  // 0 to 8

// Stored code = plain code + key code, the key repeating every 5 characters.
std::string scrambleValue(std::string_view plain);
std::string unscrambleValue(std::string_view stored);
// Sum over the characters (i from 1, c the code) of
// c + (i * c div 2) + ((i + c) mod 3) + i.
long long valueChecksum(std::string_view text);

// "T01": the overall score's 12 digits at characters 3, 5, ..., 25 of 28.
std::string overallScoreValue(long long score, const FillerDigit& filler);
// "T02": the overall time's 12 digits at characters 2, 4, ..., 24 of 28.
std::string overallTimeValue(long long seconds, const FillerDigit& filler);
// "T03": "0400" and the 8-digit checksum of "0400" + T01 + T02.
std::string overallCheckValue(std::string_view scoreValue, std::string_view timeValue);
// GS and GT: 10 characters holding 6 digits among fillers, then the
// checksum of those 10 as 6 digits.
std::string bestScoreValue(long long score, const FillerDigit& filler);
std::string bestTimeValue(long long seconds, const FillerDigit& filler);

// The numbers back out of plain values; nothing when a digit is not a digit.
std::optional<long long> overallScoreOf(std::string_view plain);
std::optional<long long> overallTimeOf(std::string_view plain);
std::optional<long long> bestScoreOf(std::string_view plain);
std::optional<long long> bestTimeOf(std::string_view plain);

// Whether a set of overall values belongs together: zero values need no
// check; otherwise the check value's checksum must match.
bool overallValuesConsistent(std::string_view scorePlain, std::string_view timePlain, std::string_view checkPlain);
// Whether a GS or GT value's own checksum matches (or both are zero).
bool bestValueConsistent(std::string_view plain);

// What a missing key reads as: thirty "0", taken as plain text.
inline constexpr std::string_view kMissingOverallValue = "000000000000000000000000000000";

}  // namespace kes
