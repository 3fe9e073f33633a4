// The stored text form of one league's match data, as the settings store and the data file keep
// it: 380 records (day 0 slot 0, day 0 slot 1, ..., day 37 slot 9) separated by "|", each with
// six fields separated by ";": Played ("Wahr"/"Falsch"), kick-off, away goals, home goals, away,
// home. Goals without a result are written as "-1".
#pragma once

#include <string>
#include <string_view>

#include "match_data.h"
#include "outcome.h"

namespace zak {

// "Wahr" for true, "Falsch" for false: the booleans inside stored match data.
std::string BoolToText(bool b);
// True exactly for "Wahr", character for character.
bool IsTrueText(std::string_view text);

inline constexpr int kStoredRecordCount = kDaySlots * kMatchSlots;

// The league's 380 records as stored text (UTF-8; the store converts it at its boundary).
std::string EncodeStoredLeague(const MatchData& data, int league);

// Writes the records in stored order until one is missing, has fewer than six fields, a goal
// field that is no 16-bit number, or a result with a negative goal; reading stops there, the
// records already written stay and the failure names the first record not read ("Datensatz
// 201 von 380 ...").
Outcome<void> DecodeStoredLeague(std::string_view text, MatchData& data, int league);

}  // namespace zak
