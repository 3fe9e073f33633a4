// Printing a league: the print dialog first, then the lines of the printed layout on the printer
// chosen there, or in the file it named.
#pragma once

#include <QByteArray>
#include <QPrinter>
#include <chrono>
#include <functional>

#include "core/printed_layout.h"
#include "core/reporting.h"

namespace zak::ui {

// What a printout reads besides the day and the league.
struct PrintSources {
  const MatchData& matchData;
  const RankColourTable& rankColour;
  std::chrono::local_seconds now;  // today's date and the time in the footer
};

// The clock the footer's date and time are read from.
using PrintClock = std::function<std::chrono::local_seconds()>;

// The print commands: the print dialog first, then the printout on the printer chosen there,
// its footer dated when the dialog closed. A cancelled dialog prints nothing and says nothing;
// a failure of the dialog, the printer or CUPS is shown once through `messages`.
void PrintLeague(const PrintRequest& request, const MatchData& matchData,
                 const RankColourTable& rankColour, const PrintClock& now, MessageSink& messages);

// The printout as the bytes of a PDF file on the pages (paper, margins, resolution) of
// `layout`, without a dialog; nothing when it could not be made.
QByteArray PrintLeaguePdf(const QPrinter& layout, const PrintSources& sources,
                          const PrintRequest& request);

}  // namespace zak::ui
