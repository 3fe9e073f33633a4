#include "print_pdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace zak::ui {
namespace {

QFont PrinterFont(const PrintLine& line) {
  QFont font("Liberation Mono");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(line.pointSize);
  font.setBold(line.bold);
  return font;
}

// The lines on the pages, counted page by page; pages outside the range are laid out but left
// out of the document.
class LineWriter {
 public:
  LineWriter(QPdfWriter& writer, const QPageRanges& pages) : writer_(writer), pages_(pages) {}

  bool Begin() { return painter_.begin(&writer_); }

  // The first page of a copy.
  bool StartCopy() {
    page_ = 0;
    return NextPage();
  }

  bool Print(const PrintLine& line) {
    const QFont font = PrinterFont(line);
    const QFontMetricsF metrics(font, &writer_);
    if (y_ > 0 && y_ + metrics.lineSpacing() > writer_.height() && !NextPage()) return false;
    if (Shown()) {
      painter_.setFont(font);
      painter_.drawText(QPointF(0, y_ + metrics.ascent()), QString::fromStdString(line.text));
    }
    y_ += metrics.lineSpacing();
    return true;
  }

  bool End() { return painter_.end(); }

 private:
  QPdfWriter& writer_;
  const QPageRanges& pages_;
  QPainter painter_;
  int page_ = 0;
  double y_ = 0;
  bool sheetUsed_ = false;  // the document's current page holds a shown page already

  bool Shown() const { return pages_.isEmpty() || pages_.contains(page_); }

  bool NextPage() {
    ++page_;
    y_ = 0;
    if (!Shown()) return true;
    if (sheetUsed_ && !writer_.newPage()) return false;
    sheetUsed_ = true;
    return true;
  }
};

}  // namespace

PdfPaper A4Paper(const QString& title) {
  return {QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                      QPageLayout::Point),
          1200,
          {},
          1,
          title};
}

Outcome<QByteArray> RenderPdf(const PrintLines& lines, const PdfPaper& paper) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(paper.resolution);
  writer.setPageLayout(paper.page);
  writer.setTitle(paper.title);
  writer.setCreator(QStringLiteral("ZAK 14/15"));
  LineWriter out(writer, paper.pages);
  if (!out.Begin()) return Fail("Das Dokument f\u00fcr den Drucker lie\u00df sich nicht anlegen.");
  for (int copy = 0; copy < paper.copies; ++copy) {
    bool written = out.StartCopy();
    for (auto line = lines.begin(); written && line != lines.end(); ++line) {
      written = out.Print(*line);
    }
    if (!written) {
      out.End();
      return Fail("Eine neue Seite lie\u00df sich nicht beginnen.");
    }
  }
  if (!out.End())
    return Fail("Das Dokument f\u00fcr den Drucker lie\u00df sich nicht abschlie\u00dfen.");
  return bytes;
}

}  // namespace zak::ui
