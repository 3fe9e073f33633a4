#include "reader_tree.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusFrame>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace zak::ui {
namespace {

// The property that tells the factory below what a control is to readers.
constexpr char kReaderProperty[] = "zakReader";
constexpr char kValueProperty[] = "zakReaderValue";
constexpr char kMaximumProperty[] = "zakReaderMaximum";

enum Kind { kPlain = 0, kHidden, kLink, kButton, kPicture, kStatusBar, kProgress, kGroup };

Kind KindOf(const QObject* object) {
  return static_cast<Kind>(object->property(kReaderProperty).toInt());
}

// The children a reader sees: Qt's choice of child widgets, less the hidden ones.
QList<QWidget*> ReaderChildren(const QWidget* widget) {
  QList<QWidget*> children;
  for (QObject* object : widget->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child == nullptr || child->isWindow() || qobject_cast<QFocusFrame*>(child) != nullptr ||
        qobject_cast<QMenu*>(child) != nullptr || child->objectName() == "qt_rubberband" ||
        child->objectName() == "qt_spinbox_lineedit" || KindOf(child) == kHidden) {
      continue;
    }
    // A label that shows nothing has nothing to say.
    const auto* label = qobject_cast<const QLabel*>(child);
    if (label != nullptr && label->text().isEmpty() && label->pixmap().isNull() &&
        label->accessibleName().isEmpty()) {
      continue;
    }
    children.append(child);
  }
  return children;
}

// A widget whose hidden children are left out of the tree.
class ReaderContainer : public QAccessibleWidget {
 public:
  ReaderContainer(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  int childCount() const override { return static_cast<int>(ReaderChildren(widget()).size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = ReaderChildren(widget());
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(
        ReaderChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
  }
};

// A clicked label's left click, in its middle, as the mouse would give it.
void Click(QWidget* control) {
  const QPointF middle = QRectF(control->rect()).center();
  const QPointF global = control->mapToGlobal(middle);
  QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(control, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(control, &release);
}

class ReaderCommand : public ReaderContainer {
 public:
  using ReaderContainer::ReaderContainer;

  QStringList actionNames() const override {
    return QStringList{pressAction()} + ReaderContainer::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      if (widget()->isEnabled()) Click(widget());
      return;
    }
    ReaderContainer::doAction(action);
  }
};

class ReaderProgress : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ReaderProgress(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QString("%1 %").arg(Percent());
    return QAccessibleWidget::text(type);
  }
  QVariant currentValue() const override { return widget()->property(kValueProperty).toInt(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return widget()->property(kMaximumProperty).toInt(); }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  int Percent() const {
    const int maximum = maximumValue().toInt();
    if (maximum <= 0) return 0;
    return static_cast<int>(100LL * currentValue().toInt() / maximum);
  }
};

QAccessibleInterface* ReaderFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  // Only the most derived class decides; Qt's own classes keep their interfaces.
  if (widget == nullptr || className != QLatin1String(object->metaObject()->className())) {
    return nullptr;
  }
  switch (KindOf(widget)) {
    case kLink:
      return new ReaderCommand(widget, QAccessible::Link);
    case kButton:
      return new ReaderCommand(widget, QAccessible::Button);
    case kPicture:
      return new ReaderContainer(widget, QAccessible::Graphic);
    case kStatusBar:
      return new ReaderContainer(widget, QAccessible::StatusBar);
    case kProgress:
      return new ReaderProgress(widget);
    case kGroup:
      return new ReaderContainer(widget, QAccessible::Grouping);
    case kPlain:
    case kHidden:
      break;
  }
  // The windows and plain boxes, so that the controls they hide leave the tree.
  if (className == QLatin1String("QWidget"))
    return new ReaderContainer(widget, QAccessible::Client);
  if (className == QLatin1String("QDialog"))
    return new ReaderContainer(widget, QAccessible::Dialog);
  return nullptr;
}

// Whether the factory gives the widget an interface that leaves hidden children out.
bool MadeAsContainer(const QWidget* widget) {
  const Kind kind = KindOf(widget);
  if (kind != kPlain && kind != kHidden) return kind != kProgress;
  const QLatin1String className(widget->metaObject()->className());
  return className == QLatin1String("QWidget") || className == QLatin1String("QDialog");
}

// Sets what a control is to readers. Qt makes a control's interface at its first change of
// state, reader or not; that one is dropped, so that the next question builds the new one.
void SetKind(QWidget* control, Kind kind) {
  static const bool installed = (QAccessible::installFactory(ReaderFactory), true);
  (void)installed;
  if (KindOf(control) == kind && control->property(kReaderProperty).isValid()) return;
  control->setProperty(kReaderProperty, static_cast<int>(kind));
  if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(control)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
  }
}

// Enter and the space bar click a command that has the focus; a frame shows where the focus is.
class CommandKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* control = static_cast<QWidget*>(watched);
    auto* frame = qobject_cast<QFrame*>(control);
    switch (event->type()) {
      case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
        Click(control);
        return true;
      }
      case QEvent::FocusIn:
        if (frame != nullptr) frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        return false;
      case QEvent::FocusOut:
        if (frame != nullptr) frame->setFrameStyle(QFrame::NoFrame);
        return false;
      default:
        return false;
    }
  }
};

}  // namespace

void HideFromReaders(QWidget* control, bool hidden) {
  SetKind(control, hidden ? kHidden : kPlain);
  // A window or box whose interface Qt made before the factory was there would still list the
  // control: it is dropped, and the factory makes the next one.
  QWidget* parent = control->parentWidget();
  if (parent == nullptr || !MadeAsContainer(parent)) return;
  QAccessibleInterface* container = QAccessible::queryAccessibleInterface(parent);
  if (container != nullptr && dynamic_cast<ReaderContainer*>(container) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(container));
  }
}

bool HiddenFromReaders(const QWidget* control) { return KindOf(control) == kHidden; }

void MakeReaderCommand(QWidget* control, CommandKind kind, const QString& name) {
  SetKind(control, kind == CommandKind::kLink ? kLink : kButton);
  control->setAccessibleName(name);
  if (control->focusPolicy() == Qt::NoFocus) control->setFocusPolicy(Qt::TabFocus);
  static CommandKeys* const keys = new CommandKeys(QCoreApplication::instance());
  control->installEventFilter(keys);
}

void MakeReaderPicture(QWidget* control) { SetKind(control, kPicture); }

void DescribePicture(QWidget* control, const QString& name, const QString& description) {
  control->setAccessibleName(name);
  control->setAccessibleDescription(description);
}

void MakeReaderStatusBar(QWidget* control) { SetKind(control, kStatusBar); }

void MakeReaderProgress(QWidget* control, const QString& name) {
  SetKind(control, kProgress);
  control->setAccessibleName(name);
  SetReaderProgress(control, 0, 100);
}

void SetReaderProgress(QWidget* control, int value, int maximum) {
  control->setProperty(kValueProperty, value);
  control->setProperty(kMaximumProperty, maximum);
  QAccessibleValueChangeEvent changed(control, value);
  QAccessible::updateAccessibility(&changed);
}

void MakeReaderGroup(QWidget* control, const QString& name) {
  SetKind(control, kGroup);
  control->setAccessibleName(name);
}

void NameList(QComboBox* list, const QString& name) {
  list->setAccessibleName(name);
  list->setAccessibleDescription(name);
}

}  // namespace zak::ui
