#include "position_chart_view.h"

#include <QPainter>

#include "core/spoken_texts.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"
#include "ui/drawing/chart_painting.h"

namespace zak::ui {

PositionChartView::PositionChartView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  MakeReaderPicture(this);
  Clear();
}

void PositionChartView::Show(PositionChart chart, const QString& club) {
  DescribePicture(this, "Platzierungsverlauf " + club,
                  ToQString(PositionChartSpeech(chart, ToUtf8(club))));
  chart_ = std::move(chart);
  update();
}

void PositionChartView::Clear() {
  DescribePicture(this, "Platzierungsverlauf", "Kein Verein gewählt.");
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
