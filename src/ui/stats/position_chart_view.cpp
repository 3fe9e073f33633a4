#include "position_chart_view.h"

#include <QPainter>

#include "chart_painting.h"

namespace zak::ui {

PositionChartView::PositionChartView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PositionChartView::Show(PositionChart chart) {
  chart_ = std::move(chart);
  update();
}

void PositionChartView::Clear() {
  chart_.reset();
  update();
}

void PositionChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!chart_) {
    painter.fillRect(rect(), kChartBackColour);
    return;
  }
  PaintPositionChart(painter, *chart_);
}

}  // namespace zak::ui
