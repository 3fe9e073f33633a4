// The position chart painted in twips: the rank bands with position and match-day numbers, the
// club's position line and the darker cells of the places still within reach. The window's
// picture box and zak-cli's SVG and PNG files use the same three steps.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPainter>
#include <QString>

#include "core/team_statistics.h"

namespace zak::ui {

// The chart's size in twips, as the window's picture box has it.
inline constexpr int kChartWidthTwips = 8775;
inline constexpr int kChartHeightTwips = 3855;

// The picture box's own colour, which shows below the rows and where nothing is drawn.
inline const QColor kChartBackColour{240, 240, 240};

// What DrawChartFrame measures and the two later steps use, in twips.
struct ChartGeometry {
  int width = kChartWidthTwips;
  int height = kChartHeightTwips;
  int DayWidth = 0;   // one match-day column
  int RowHeight = 0;  // one position row
};

// Clears the picture and draws the bands, the grid with its numbers and the red marker after
// the last match day that has begun. Returns the column width and row height.
ChartGeometry DrawChartFrame(QPainter& painter, const PositionChart& chart, int widthTwips,
                             int heightTwips);
// The black line through the club's position after each match day up to the current one.
void DrawPositionLine(QPainter& painter, const PositionChart& chart, const ChartGeometry& g);
// The darker cells of the places the club can still reach on the match days to come.
void DrawPossiblePositions(QPainter& painter, const PositionChart& chart, const ChartGeometry& g);

// All three steps in their order on a picture of the given size in twips.
void PaintPositionChart(QPainter& painter, const PositionChart& chart,
                        int widthTwips = kChartWidthTwips, int heightTwips = kChartHeightTwips);

// The chart as the bytes of a file, at one pixel per 15 twips; nothing when it could not be made.
QByteArray ChartSvg(const PositionChart& chart, const QString& title);
QByteArray ChartPng(const PositionChart& chart);

}  // namespace zak::ui
