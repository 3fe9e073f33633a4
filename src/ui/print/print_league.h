// Printing a league: the print dialog first, then the lines of the printed layout on the printer
// chosen there, or in the file it named.
#pragma once

#include <chrono>
#include <functional>

#include "core/printed_layout.h"
#include "core/reporting.h"

namespace zak::ui {

// The clock the footer's date and time are read from.
using PrintClock = std::function<std::chrono::local_seconds()>;

// The print commands: the print dialog first, then the printout on the printer chosen there,
// its footer dated when the dialog closed. A cancelled dialog prints nothing and says nothing;
// a failure of the dialog, the printer or CUPS is shown once through `messages`.
void PrintLeague(const PrintRequest& request, const MatchData& matchData,
                 const RankColourTable& rankColour, const PrintClock& now, MessageSink& messages);

}  // namespace zak::ui
