#include "whole_items.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace zak::ui {
namespace {

// The style draws the chosen entry one pixel in from either side of the field.
constexpr int kFieldMargin = 2;
constexpr double kSmallestPoints = 6.0;

int WidestItem(const QComboBox* list, const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (int i = 0; i < list->count(); ++i) {
    widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
  }
  return widest;
}

}  // namespace

int ItemFieldWidth(const QComboBox* list) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.editable = list->isEditable();
  option.frame = list->hasFrame();
  return list->style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
      .width();
}

void ShowItemsWhole(QComboBox* list) {
  const int room = ItemFieldWidth(list) - kFieldMargin;
  QFont font = list->font();
  if (WidestItem(list, font) > room) {
    if (!font.family().endsWith(" Narrow")) font.setFamily(font.family() + " Narrow");
    while (WidestItem(list, font) > room && font.pointSizeF() > kSmallestPoints) {
      font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    list->setFont(font);
  }
  // The opened list: its entries, the view's frame and a scroll bar's width to spare.
  const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  list->view()->setMinimumWidth(WidestItem(list, font) + 2 * kFieldMargin + scrollBar + 8);
}

}  // namespace zak::ui
