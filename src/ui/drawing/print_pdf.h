// The printout as a PDF document on the paper the user chose: the lines one below the other in
// the fixed-pitch font, each at its own size and weight, a new page wherever the next line would
// reach past the printable area. The document is made whole in memory before it goes anywhere,
// so a printer or file receives all of it or nothing.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>

#include "core/outcome.h"
#include "core/printed_layout.h"

namespace zak::ui {

struct PdfPaper {
  QPageLayout page;  // paper, orientation and margins
  int resolution = 1200;
  QPageRanges pages;  // the pages to print, counted in each copy; empty for all
  int copies = 1;     // the whole document this often, each copy from a new page
  QString title;      // the document's title
};

// A4 upright with margins of 10 points, at the printer's 1200 dots per inch: the paper of a
// PDF printer before the print dialog changes it.
PdfPaper A4Paper(const QString& title);

Outcome<QByteArray> RenderPdf(const PrintLines& lines, const PdfPaper& paper);

}  // namespace zak::ui
