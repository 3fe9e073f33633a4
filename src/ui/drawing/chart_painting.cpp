#include "chart_painting.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QSvgGenerator>
#include <cmath>

#include "twip_units.h"
#include "ui/components/fonts.h"

namespace zak::ui {
namespace {

const QColor kGridColour(200, 200, 200);
const QColor kMarkerColour(255, 0, 0);

// Twips to the painter's pixels; drawing stays in twips everywhere else.
double Px(double twips) { return twips / kTwipsPerPixel; }
QPointF At(double x, double y) { return {Px(x), Px(y)}; }

// A whole-number division the way the layout's integers are assigned: to the nearest, halves to
// the even neighbour.
int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

// A box from corner to corner, both corners inside it.
void FillBox(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour) {
  painter.fillRect(QRectF(At(x1, y1), At(x2, y2)).normalized().adjusted(0, 0, 1, 1), colour);
}

void Line(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour,
          int widthPixels) {
  painter.setPen(QPen(colour, widthPixels, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(At(x1, y1), At(x2, y2));
}

// Text whose top left corner stands at (x, y).
void Print(QPainter& painter, double x, double y, const QString& text) {
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(painter.font(), painter.device());
  painter.drawText(QPointF(Px(x), Px(y) + metrics.ascent()), text);
}

double TextWidthTwips(const QPainter& painter, const QString& text) {
  return QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text) * kTwipsPerPixel;
}

}  // namespace

ChartGeometry DrawChartFrame(QPainter& painter, const PositionChart& chart, int widthTwips,
                             int heightTwips) {
  ChartGeometry g{widthTwips, heightTwips, 0, 0};
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRectF(0, 0, Px(widthTwips), Px(heightTwips)), kChartBackColour);
  painter.setFont(SansFont(7, true));
  const int n = chart.teamCount;
  const int days = chart.dayCount;
  if (n <= 0 || days <= 0) return g;
  g.DayWidth = Nearest(static_cast<double>(widthTwips - 345) / days);
  g.RowHeight = Nearest(static_cast<double>(heightTwips - 240) / n);
  for (int p = 0; p <= n; ++p) {
    const int top = p * g.RowHeight;
    if (p < n) {
      FillBox(painter, 0, top, widthTwips, top + g.RowHeight,
              ColourFromValue(chart.rankColours[p]));
    }
    Line(painter, 0, top, widthTwips, top, kGridColour, 1);
    // One-digit numbers stand further right, so that units line up with the two-digit ones.
    if (p < n) Print(painter, p <= 8 ? 120 : 30, top + 15, QString::number(p + 1));
  }
  const double w = TextWidthTwips(painter, "10");
  for (int d = 0; d < days; ++d) {
    const double centre = d * g.DayWidth + 390;
    Line(painter, centre - w / 2, 0, centre - w / 2, heightTwips, kGridColour, 1);
    const QString number = QString::number(d + 1);
    Print(painter, centre - TextWidthTwips(painter, number) / 2, heightTwips - 210, number);
  }
  const int marker = chart.lastStartedDay * g.DayWidth + 315;
  Line(painter, marker, 0, marker, heightTwips, kMarkerColour, 1);
  return g;
}

void DrawPositionLine(QPainter& painter, const PositionChart& chart, const ChartGeometry& g) {
  if (chart.line.empty() || g.RowHeight == 0) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF points;
  for (std::size_t d = 0; d < chart.line.size(); ++d) {
    const double y = chart.line[d] * g.RowHeight - g.RowHeight / 2.0;
    points << At(d == 0 ? 420 : static_cast<double>(d) * g.DayWidth + 420, y);
  }
  if (points.size() == 1) {
    painter.drawPoint(points.front());
  } else {
    painter.drawPolyline(points);
  }
}

void DrawPossiblePositions(QPainter& painter, const PositionChart& chart, const ChartGeometry& g) {
  for (const ReachableColumn& column : chart.band) {
    const int left = column.column * g.DayWidth + 345;
    const int right = column.column * g.DayWidth + g.DayWidth + 300;
    for (int p = column.first; p <= column.last; ++p) {
      FillBox(painter, left, p * g.RowHeight + 30, right, p * g.RowHeight + g.RowHeight - 15,
              ColourFromValue(column.colours[static_cast<std::size_t>(p - column.first)]));
    }
  }
}

void PaintPositionChart(QPainter& painter, const PositionChart& chart, int widthTwips,
                        int heightTwips) {
  const ChartGeometry g = DrawChartFrame(painter, chart, widthTwips, heightTwips);
  DrawPositionLine(painter, chart, g);
  DrawPossiblePositions(painter, chart, g);
}

QByteArray ChartSvg(const PositionChart& chart, const QString& title) {
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&bytes);
  svg.setTitle(title);
  svg.setResolution(96);
  svg.setSize(QSize(Twips(kChartWidthTwips), Twips(kChartHeightTwips)));
  svg.setViewBox(QRect(0, 0, Twips(kChartWidthTwips), Twips(kChartHeightTwips)));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  PaintPositionChart(painter, chart);
  painter.end();
  return bytes.data();
}

QByteArray ChartPng(const PositionChart& chart) {
  QImage image(Twips(kChartWidthTwips), Twips(kChartHeightTwips), QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);  // 96 dpi
  image.setDotsPerMeterY(3780);
  QPainter painter(&image);
  PaintPositionChart(painter, chart);
  painter.end();
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  if (!image.save(&bytes, "PNG")) return {};
  return bytes.data();
}

}  // namespace zak::ui
