// A command button whose caption wraps onto a second line when it does not fit, as the
// program's two-line buttons ("Aktuellste Daten aus dem Internet laden") need. A back colour
// set in its palette fills the face.
#pragma once

#include <QPushButton>

namespace zak::ui {

class CaptionButton : public QPushButton {
 public:
  CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zak::ui
