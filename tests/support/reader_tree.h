// What a screen reader finds in a window through Qt's accessibility interface: the shown
// objects of its tree in tree order, with objectName, role, name, description and value.
#pragma once

#include <QAccessible>
#include <QWidget>
#include <vector>

namespace zak::testing {

struct ReaderNode {
  QString objectName;
  QAccessible::Role role;
  QString name, description, value;
};

inline void CollectShown(QAccessibleInterface* node, std::vector<ReaderNode>& nodes) {
  if (node == nullptr || !node->isValid() || node->state().invisible) return;
  nodes.push_back({node->object()->objectName(), node->role(), node->text(QAccessible::Name),
                   node->text(QAccessible::Description), node->text(QAccessible::Value)});
  for (int i = 0; i < node->childCount(); ++i) CollectShown(node->child(i), nodes);
}

inline std::vector<ReaderNode> ShownToReaders(QWidget& window) {
  std::vector<ReaderNode> nodes;
  CollectShown(QAccessible::queryAccessibleInterface(&window), nodes);
  return nodes;
}

// The shown node of the control named `objectName`; none ends the test.
inline ReaderNode ShownNode(QWidget& window, const QString& objectName) {
  for (const ReaderNode& node : ShownToReaders(window)) {
    if (node.objectName == objectName) return node;
  }
  qFatal("no control %s shown to readers", qPrintable(objectName));
}

}  // namespace zak::testing
