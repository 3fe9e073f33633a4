#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zak::ui {

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  // A back colour of its own (a mark such as unsaved edits) fills the face flat, as the style's
  // gradient would wash it out.
  if (palette().isBrushSet(QPalette::Active, QPalette::Button)) {
    painter.fillRect(rect().adjusted(2, 2, -2, -2), palette().color(QPalette::Button));
  }
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace zak::ui
