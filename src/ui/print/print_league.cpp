#include "print_league.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include "settings/file_helpers.h"
#include "ui/components/cls_common_dialog.h"
#include "ui/components/qt_text.h"

namespace zak::ui {
namespace {

QFont PrinterFont(const PrintLine& line) {
  QFont font("Liberation Mono");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(line.pointSize);
  font.setBold(line.bold);
  return font;
}

// The printer as the lines see it: each one below the last, a new page when the next line
// would reach past the page's printable area.
class LineWriter {
 public:
  explicit LineWriter(QPagedPaintDevice& printer) : printer_(printer), painter_(&printer) {}

  bool IsOpen() const { return painter_.isActive(); }

  bool Print(const PrintLine& line) {
    const QFont font = PrinterFont(line);
    const QFontMetricsF metrics(font, &printer_);
    if (y_ > 0 && y_ + metrics.lineSpacing() > printer_.height()) {
      if (!printer_.newPage()) return false;
      y_ = 0;
    }
    painter_.setFont(font);
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), QString::fromStdString(line.text));
    y_ += metrics.lineSpacing();
    return true;
  }

  bool End() { return painter_.end(); }

 private:
  QPagedPaintDevice& printer_;
  QPainter painter_;
  double y_ = 0;
};

}  // namespace

bool PrintLinesOn(QPagedPaintDevice& device, const PrintLines& lines) {
  LineWriter writer(device);
  if (!writer.IsOpen()) return false;
  for (const PrintLine& line : lines) {
    if (!writer.Print(line)) return false;
  }
  return writer.End();
}

bool PrintLinesOn(QPrinter& printer, const PrintLines& lines) {
  return PrintLinesOn(static_cast<QPagedPaintDevice&>(printer), lines) &&
         printer.printerState() != QPrinter::Error;
}

QByteArray PrintLeaguePdf(const QPrinter& layout, const PrintSources& sources,
                          const PrintRequest& request) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&bytes);
    pdf.setResolution(layout.resolution());
    pdf.setPageLayout(layout.pageLayout());
    pdf.setCreator(layout.creator());
    pdf.setTitle(layout.docName());
    const PrintLines lines =
        PrintLeagueLines(sources.matchData, sources.rankColour, request, sources.now);
    if (!PrintLinesOn(static_cast<QPagedPaintDevice&>(pdf), lines)) return {};
  }
  return bytes.data();
}

bool PrintLeagueOn(QPrinter& printer, const PrintSources& sources, const PrintRequest& request) {
  return PrintLinesOn(
      printer, PrintLeagueLines(sources.matchData, sources.rankColour, request, sources.now));
}

void PrintLeague(int day, int league, bool printTable, bool printDay, const PrintSources& sources,
                 MessageSink& messages) {
  clsCommonDialog dialog(&messages);
  dialog.PrinterDefault = true;
  if (!dialog.ShowPrinter()) return;
  QPrinter& printer = dialog.Printer();
  const PrintRequest request{day, league, printTable, printDay};
  // Printed into a file, the printout is made in memory and the file replaced whole.
  const QString file =
      printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : "";
  const QByteArray pdf = file.isEmpty() ? QByteArray() : PrintLeaguePdf(printer, sources, request);
  const bool printed =
      file.isEmpty() ? PrintLeagueOn(printer, sources, request)
                     : !pdf.isEmpty() &&
                           WriteFileWhole(ToUtf8(file),
                                          {pdf.constData(), static_cast<std::size_t>(pdf.size())});
  if (!printed) {
    messages.ShowMessage(MessageKind::kWarning,
                         "Der Ausdruck konnte nicht erstellt werden: Der Drucker ist nicht bereit.",
                         {});
  }
}

}  // namespace zak::ui
