#include "main_controls.h"

#include "ui/components/caption_button.h"
#include "ui/components/twips.h"

namespace zak::ui {

QString Indexed(const char* name, int index) {
  return QString("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment alignment) {
  auto* label = PlaceControl<QLabel>(parent, name, left, top, width, height, caption);
  // Captions may come from the network or from match data: never read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& tooltip, int left, int top, int width, int height) {
  auto* button = PlaceControl<CaptionButton>(parent, name, left, top, width, height, caption);
  button->setToolTip(tooltip);
  return button;
}

QComboBox* MakeList(QWidget* parent, const QString& name, int left, int top, int width) {
  return PlaceControl<QComboBox>(parent, name, left, top, width, 315);
}

QFrame* MakeShape(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* shape = PlaceControl<QFrame>(parent, name, left, top, width, height);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  return shape;
}

void PlacePanel(QWidget* panel, int left, int top, int width, int height) {
  PlaceTwips(panel, left, top, width, height);
  // A move over a control that does not track the mouse ends there, as it always did; over the
  // panel's background it goes on to the window.
  panel->setMouseTracking(true);
}

}  // namespace zak::ui
