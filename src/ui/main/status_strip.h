// The status strip along the window's foot: what the window is doing, and the loaders'
// progress.
#pragma once

#include <QString>
#include <functional>

#include "core/match_data.h"
#include "ui/components/ctr_status_progress_bar.h"

namespace zak::ui {

class StatusStrip : public CtrStatusProgressBar {
 public:
  // `today` gives the date in force; `replay` tells that it was given instead of read.
  StatusStrip(QWidget* window, std::function<Date()> today, bool replay);

  // The text when nothing is under way: "Fertig", with the date in force in a replay.
  QString ReadyText() const;
  void ShowReady() { SetText(ReadyText()); }
  // A display: "Zeige Daten..." while it draws, then ready with the bar emptied.
  void ShowDrawing() { SetText(QStringLiteral("Zeige Daten...")); }
  void ShowDrawn();

 private:
  std::function<Date()> today_;
  bool replay_;
};

}  // namespace zak::ui
