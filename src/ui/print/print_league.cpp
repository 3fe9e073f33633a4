#include "print_league.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "ui/components/cls_common_dialog.h"

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
  explicit LineWriter(QPrinter& printer) : printer_(printer), painter_(&printer) {}

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

  bool End() { return painter_.end() && printer_.printerState() != QPrinter::Error; }

 private:
  QPrinter& printer_;
  QPainter painter_;
  double y_ = 0;
};

}  // namespace

bool PrintLinesOn(QPrinter& printer, const PrintLines& lines) {
  LineWriter writer(printer);
  if (!writer.IsOpen()) return false;
  for (const PrintLine& line : lines) {
    if (!writer.Print(line)) return false;
  }
  return writer.End();
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
  if (!PrintLeagueOn(dialog.Printer(), sources, {day, league, printTable, printDay})) {
    messages.ShowMessage(MessageKind::kWarning,
                         "Der Ausdruck konnte nicht erstellt werden: Der Drucker ist nicht bereit.",
                         {});
  }
}

}  // namespace zak::ui
