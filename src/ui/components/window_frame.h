// The frame a secondary window is designed in: its name, which tests and screenshots find it by,
// its fixed size in twips and the font its controls inherit.
#pragma once

#include <QDialog>

namespace zak::ui {

struct WindowFrame {
  const char* name;
  int widthTwips;
  int heightTwips;
  double fontPoints;
};

// Call before the controls are placed, so that they inherit the font.
void SetWindowFrame(QDialog* window, const WindowFrame& frame);

}  // namespace zak::ui
