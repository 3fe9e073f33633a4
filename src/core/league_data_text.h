// The league data text of the data service: match items separated by ";", six fields per item
// separated by "|": match day (empty: as before), kick-off as ten digits ddmmyyhhmm (empty: as
// before), home, away, home goals, away goals (empty: no result).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "match_data.h"

namespace zak {

// The league's matches day by day in slot order, as the data service lists them. Text is UTF-8;
// the service converts it to Windows-1252 at the wire.
std::string EncodeLeagueData(const MatchData& data, int league);

// Called after each item with the item's position and the last position (items - 1).
using ItemProgress = std::function<void(int position, int last)>;

// Clears the league and fills it from the items, slots in item order within each day. An item
// without six fields is skipped but takes its slot; an item whose day is no number in 1..38 is
// ignored; an item beyond the tenth of its day, or with a goal that is no number in 0..32767, is
// ignored but takes its slot. None of these touches another record. Returns the number of
// records written, each counted once (a day listed again overwrites its own records).
int ParseLeagueItems(std::string_view text, MatchData& data, int league,
                     const ItemProgress& progress = {});

}  // namespace zak
