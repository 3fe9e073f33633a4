#include "window_frame.h"

#include "fonts.h"
#include "twips.h"

namespace zak::ui {

void SetWindowFrame(QDialog* window, const WindowFrame& frame) {
  window->setObjectName(frame.name);
  window->setFixedSize(Twips(frame.widthTwips), Twips(frame.heightTwips));
  window->setFont(SansFont(frame.fontPoints));
}

}  // namespace zak::ui
