// Handing a finished printout to CUPS as one job, and reading CUPS's answer: Qt's own CUPS path
// drops it, so a queue that rejects jobs or a printer removed meanwhile would pass for printed.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/outcome.h"

namespace zak::ui {

struct CupsJob {
  QString printer;  // the queue, "name" or "name/instance" as the print dialog gives it
  std::string title;
  std::vector<std::pair<std::string, std::string>> options;  // IPP job attributes, by name
};

// Sends `pdf` to CUPS as the document of one job on the job's printer: the job's number, or a
// failure that names the printer and gives CUPS's reason (the job then does not print).
Outcome<int> SubmitToCups(const CupsJob& job, const QByteArray& pdf);

}  // namespace zak::ui
