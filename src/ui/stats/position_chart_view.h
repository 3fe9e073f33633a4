// The statistics window's picture box: shows one club's position chart, or nothing.
#pragma once

#include <QWidget>
#include <optional>

#include "core/team_statistics.h"

namespace zak::ui {

class PositionChartView : public QWidget {
 public:
  explicit PositionChartView(QWidget* parent);

  // Draws the chart (frame, line, reachable places) at the next paint.
  void Show(PositionChart chart);
  // An empty picture.
  void Clear();
  bool showsChart() const { return chart_.has_value(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<PositionChart> chart_;
};

}  // namespace zak::ui
