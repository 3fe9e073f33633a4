// The statistics window's picture box: shows one club's position chart, or nothing.
#pragma once

#include <QWidget>
#include <optional>

#include "core/team_statistics.h"

namespace zak::ui {

class PositionChartView : public QWidget {
 public:
  explicit PositionChartView(QWidget* parent);

  // Draws the chart (frame, line, reachable places) of `club` at the next paint; readers get
  // the chart in words.
  void Show(PositionChart chart, const QString& club);
  // An empty picture.
  void Clear();
  bool showsChart() const { return chart_.has_value(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<PositionChart> chart_;
};

}  // namespace zak::ui
