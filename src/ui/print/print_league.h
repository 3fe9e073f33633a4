// Printing a league: the lines of the printed layout on the printer chosen in the print dialog,
// one below the other in the fixed-pitch font, each at its own size and weight. A line that no
// longer fits the page starts the next one.
#pragma once

#include <QByteArray>
#include <QPrinter>
#include <chrono>

#include "core/printed_layout.h"
#include "core/reporting.h"

namespace zak::ui {

// What a printout reads besides the day and the league.
struct PrintSources {
  const MatchData& matchData;
  const RankColourTable& rankColour;
  std::chrono::local_seconds now;  // today's date and the time in the footer
};

// The print commands: the print dialog first, then the printout on the printer chosen there.
// A cancelled dialog prints nothing and says nothing; a failure of the dialog or the printer is
// shown through `messages`.
void PrintLeague(int day, int league, bool printTable, bool printDay, const PrintSources& sources,
                 MessageSink& messages);

// The printout on `printer`, without a dialog. False when the printer could not be written.
bool PrintLeagueOn(QPrinter& printer, const PrintSources& sources, const PrintRequest& request);

// Lines on the printer (or any paged device, a PDF writer) as one document.
bool PrintLinesOn(QPrinter& printer, const PrintLines& lines);
bool PrintLinesOn(QPagedPaintDevice& device, const PrintLines& lines);

// The printout as the bytes of a PDF file, on the pages (size, margins, resolution) of `layout`;
// nothing when it could not be made.
QByteArray PrintLeaguePdf(const QPrinter& layout, const PrintSources& sources,
                          const PrintRequest& request);

}  // namespace zak::ui
