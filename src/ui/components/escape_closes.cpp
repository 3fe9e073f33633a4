#include "escape_closes.h"

#include <QEvent>
#include <QKeyEvent>

namespace zak::ui {
namespace {

class EscapeFilter : public QObject {
 public:
  explicit EscapeFilter(QDialog* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      window_->close();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog* window_;
};

}  // namespace

void CloseOnEscape(QDialog* window) {
  auto* filter = new EscapeFilter(window);
  window->installEventFilter(filter);
  for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(filter);
}

}  // namespace zak::ui
