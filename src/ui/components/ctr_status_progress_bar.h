// The main window's status bar: a sunken text panel on the left and a sunken progress panel on
// the right, in which the bar fills from the left in dark blue. Loaders report through it.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "core/reporting.h"

namespace zak::ui {

// The progress panel keeps what was painted on it, as a picture box does: raising the value
// paints over the old bar, lowering it clears the panel first.
class ProgressPicture : public QWidget {
 public:
  explicit ProgressPicture(QWidget* parent);
  void Clear();
  void FillFromLeft(int widthPx);
  const QImage& canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitCanvas();
  QImage canvas_;
};

class CtrStatusProgressBar : public QWidget, public StatusSink {
 public:
  // The text panel's width of a control placed new on a window.
  static constexpr float kNewStatusWidth = 1455.0f;
  static inline const QColor kBarColour{0, 64, 128};

  explicit CtrStatusProgressBar(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  float StatusWidth() const { return statusWidth_; }
  void SetStatusWidth(float twips);
  std::int16_t MaxProgress() const { return maxProgress_; }
  // Stores the maximum only; the next CurProgress draws with it.
  void SetMaxProgressValue(std::int16_t maximum) { maxProgress_ = maximum; }
  std::int16_t CurProgress() const { return curProgress_; }
  void SetCurProgressValue(std::int16_t value);

  // StatusSink: what the loaders call.
  void SetText(const std::string& text) override;
  void SetMaxProgress(int maximum) override;
  void SetCurProgress(int value) override;

  ProgressPicture* picProgress() const { return picProgress_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  QLabel* lblStatus_;
  ProgressPicture* picProgress_;
  float statusWidth_ = kNewStatusWidth;
  std::int16_t maxProgress_ = 100;
  std::int16_t curProgress_ = 0;
};

}  // namespace zak::ui
