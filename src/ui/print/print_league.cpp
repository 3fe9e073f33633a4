#include "print_league.h"

#include "print_delivery.h"
#include "ui/components/cls_common_dialog.h"

namespace zak::ui {

void PrintLeague(const PrintRequest& request, const MatchData& matchData,
                 const RankColourTable& rankColour, const PrintClock& now, MessageSink& messages) {
  clsCommonDialog dialog(&messages);
  dialog.PrinterDefault = true;
  if (!dialog.ShowPrinter()) return;
  // Read only now: a dialog left open past a minute, or past midnight, dates the printout right.
  const PrintLines lines = PrintLeagueLines(matchData, rankColour, request, now());
  const Outcome<void> printed =
      DeliverPrintout(dialog.Printer(), lines, PrintJobName(request.day, request.league));
  if (!printed) messages.ShowMessage(MessageKind::kWarning, printed.message(), {});
}

}  // namespace zak::ui
