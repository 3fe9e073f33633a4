#include "text_box_focus.h"

#include <QEvent>
#include <QTimer>

namespace zak::ui {
namespace {

class SelectOnFocusIn : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      if (auto* box = qobject_cast<QLineEdit*>(watched)) SelectWholeText(box);
    }
    return false;
  }
};

}  // namespace

void SelectWholeText(QLineEdit* box) {
  box->selectAll();
  QTimer::singleShot(0, box, [box] {
    if (box->hasFocus()) box->selectAll();
  });
}

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectOnFocusIn(box)); }

}  // namespace zak::ui
