// How the main window's panels make their controls: named, placed in twips inside their panel,
// labels as plain text, buttons with their tooltip, lists one line high, shapes that let the
// mouse through.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace zak::ui {

// The face colour of the window and of the match-day panel's boxes.
inline const QColor kFaceColour(212, 208, 200);

// The download command, in the column and in the match-day panel.
inline constexpr const char* kDownloadCaption = "Aktuellste Daten aus dem Internet laden";
inline constexpr const char* kDownloadTip =
    "Aktuellste Bundesliga-Daten der ausgewählten Liga herunterladen";

// An array element's name: "txtResults" and 3 give "txtResults_3".
QString Indexed(const char* name, int index);

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment alignment = Qt::AlignLeft);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& tooltip, int left, int top, int width, int height);
// A button as a panel's table of commands gives it: name, caption, tooltip, designed Top and
// Height.
struct CommandButton {
  const char* name;
  const char* caption;
  const char* tooltip;
  int top;
  int height;
};

QComboBox* MakeList(QWidget* parent, const QString& name, int left, int top, int width);
QFrame* MakeShape(QWidget* parent, const QString& name, int left, int top, int width, int height);

// A panel lies at (left, top) twips of the window and is as large as the area its controls
// fill; it draws nothing of its own, and a mouse move over its background reaches the window
// as one over the window's own background.
void PlacePanel(QWidget* panel, int left, int top, int width, int height);

}  // namespace zak::ui
