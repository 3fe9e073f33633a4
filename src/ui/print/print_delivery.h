// Where a finished printout goes once the print dialog closed: to the system's printer that the
// user chose, as a job through CUPS, or into the file the dialog named. Either way the answer is
// checked, so nothing passes for printed that was not.
#pragma once

#include <QPrinter>
#include <string>
#include <utility>
#include <vector>

#include "core/outcome.h"
#include "core/printed_layout.h"

namespace zak::ui {

// The lines on `printer` as set up in the dialog (paper, pages, copies, both sides, printer or
// file), under `jobName` in the printer's queue. The failure names the printer or the file and
// says why; nothing has been printed then.
Outcome<void> DeliverPrintout(const QPrinter& printer, const PrintLines& lines,
                              const std::string& jobName);

// The job attributes CUPS receives for what the user chose in the dialog: copies and their
// collation, one or both sides, the paper, and the options of the printer's properties.
std::vector<std::pair<std::string, std::string>> CupsOptionsOf(const QPrinter& printer);

}  // namespace zak::ui
