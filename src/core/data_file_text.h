// The data file's text: everything the program keeps about the season (the stored copy of every
// league and the start and proxy options) as 15 fields joined by "Rw](e", with no header, no
// line breaks and no terminator. The fields are the stored values exactly as the settings store
// keeps them: scrambled values stay scrambled, the file adds nothing of its own.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "outcome.h"

namespace zak {

inline constexpr std::string_view kDataFileSeparator = "Rw](e";
inline constexpr int kDataFileFieldCount = 15;
// Fields 0..7 are the leagues' stored copies; the options follow: 8 "autodl", 9 "autoup",
// 10 "en", 11 "Address", 12 "Port", 13 "User", 14 "Pass".
inline constexpr int kDataFileFirstOption = 8;
inline constexpr int kDataFilePortField = 12;

using DataFileFields = std::array<std::string, kDataFileFieldCount>;

// Fields 0..7 joined by the separator (7 separators).
std::string BuildLeagueDataText(const DataFileFields& fields);
// Fields 8..14 joined by the separator; an empty port is written as "0".
std::string BuildOptionsText(const DataFileFields& fields);
// The whole text: the leagues, the separator, the options.
std::string BuildDataFileText(const DataFileFields& fields);

// The first field that holds the separator itself: a file with it could never be read back.
std::optional<int> FieldHoldingSeparator(const DataFileFields& fields);

// The 15 fields of a data file's text; a failure when it does not split into exactly 15.
Outcome<DataFileFields> ParseDataFileText(std::string_view text);

}  // namespace zak
