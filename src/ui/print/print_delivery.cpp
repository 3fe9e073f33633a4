#include "print_delivery.h"

#include <QPrintEngine>

#include "cups_job.h"
#include "settings/file_helpers.h"
#include "ui/drawing/print_pdf.h"

namespace zak::ui {
namespace {

// Where the print dialog keeps the options of the printer's properties (banner pages, pages per
// sheet, …) on the printer, as name, value, name, value.
const auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

std::string Sides(const QPrinter& printer) {
  const bool portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
  switch (printer.duplex()) {
    case QPrinter::DuplexNone:
      return "one-sided";
    case QPrinter::DuplexAuto:
      return portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
      return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
      return "two-sided-short-edge";
  }
  return "one-sided";
}

// The pages the user asked for; the document holds only those.
QPageRanges ChosenPages(const QPrinter& printer) {
  return printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
}

}  // namespace

std::vector<std::pair<std::string, std::string>> CupsOptionsOf(const QPrinter& printer) {
  std::vector<std::pair<std::string, std::string>> options{
      {"sides", Sides(printer)}, {"media", printer.pageLayout().pageSize().key().toStdString()}};
  if (printer.copyCount() > 1) {
    options.emplace_back("copies", std::to_string(printer.copyCount()));
    options.emplace_back("multiple-document-handling",
                         printer.collateCopies() ? "separate-documents-collated-copies"
                                                 : "separate-documents-uncollated-copies");
  }
  const QStringList properties = printer.printEngine()->property(kCupsOptionsKey).toStringList();
  for (qsizetype i = 0; i + 1 < properties.size(); i += 2) {
    // A range the document already keeps to would cut it a second time.
    if (properties[i] == "page-ranges" && !ChosenPages(printer).isEmpty()) continue;
    options.emplace_back(properties[i].toStdString(), properties[i + 1].toStdString());
  }
  return options;
}

Outcome<void> DeliverPrintout(const QPrinter& printer, const PrintLines& lines,
                              const std::string& jobName) {
  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
  const QString title = QString::fromStdString(jobName);
  // A file holds every copy; a printer makes the copies itself.
  const Outcome<QByteArray> pdf =
      RenderPdf(lines, {printer.pageLayout(), printer.resolution(), ChosenPages(printer),
                        toFile ? printer.copyCount() : 1, title});
  if (!pdf) return Fail("Der Ausdruck konnte nicht erstellt werden: " + pdf.message());
  if (toFile) {
    const std::string path = printer.outputFileName().toStdString();
    if (!WriteFileWhole(path, std::string_view(pdf->constData(), pdf->size()))) {
      return Fail("Der Ausdruck konnte nicht erstellt werden: Die Datei \u201e" + path +
                  "\u201c lie\u00df sich nicht schreiben.");
    }
    return {};
  }
  const Outcome<int> job =
      SubmitToCups({printer.printerName(), jobName, CupsOptionsOf(printer)}, *pdf);
  if (!job) return job.failure();
  return {};
}

}  // namespace zak::ui
