#include "status_strip.h"

#include "core/season_replay.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"

namespace zak::ui {

StatusStrip::StatusStrip(QWidget* window, std::function<Date()> today, bool replay)
    : CtrStatusProgressBar(window), today_(std::move(today)), replay_(replay) {
  PlaceTwips(this, 0, 8375, 8760, 285);
  SetStatusWidth(4500);
  raise();
}

QString StatusStrip::ReadyText() const {
  if (!replay_) return QStringLiteral("Fertig");
  return QStringLiteral("Fertig (Stand %1)").arg(ToQString(GermanDate(today_())));
}

void StatusStrip::ShowDrawn() {
  ShowReady();
  SetCurProgressValue(0);
}

}  // namespace zak::ui
