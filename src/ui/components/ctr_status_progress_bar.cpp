#include "ctr_status_progress_bar.h"

#include <QPainter>
#include <algorithm>

#include "reader_tree.h"
#include "twips.h"

namespace zak::ui {
namespace {

std::int16_t ClampToInt16(int value) {
  return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

ProgressPicture::ProgressPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("picProgress");
}

void ProgressPicture::Clear() {
  FitCanvas();
  canvas_.fill(palette().color(QPalette::Window));
  update();
}

void ProgressPicture::FillFromLeft(int widthPx) {
  FitCanvas();
  if (widthPx <= 0) return;
  QPainter painter(&canvas_);
  painter.fillRect(QRect(0, 0, widthPx, canvas_.height()), CtrStatusProgressBar::kBarColour);
  update();
}

void ProgressPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_);
}

void ProgressPicture::resizeEvent(QResizeEvent*) { FitCanvas(); }

// The canvas follows the panel's size, keeping what was painted; a hidden panel gets its size
// before its first resize event, so drawing fits it first too.
void ProgressPicture::FitCanvas() {
  if (canvas_.size() == size().expandedTo(QSize(1, 1))) return;
  QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  grown.fill(palette().color(QPalette::Window));
  if (!canvas_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(0, 0, canvas_);
  }
  canvas_ = grown;
}

CtrStatusProgressBar::CtrStatusProgressBar(QWidget* parent)
    : QWidget(parent), lblStatus_(new QLabel(this)), picProgress_(new ProgressPicture(this)) {
  setObjectName("ctrStatusProgress");
  lblStatus_->setObjectName("lblStatus");
  lblStatus_->setTextFormat(Qt::PlainText);
  lblStatus_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Readers hear the text as the status bar's name and the bar as a progress value.
  MakeReaderStatusBar(this);
  HideFromReaders(lblStatus_);
  MakeReaderProgress(picProgress_, "Fortschritt");
  LayOut();
}

QString CtrStatusProgressBar::Text() const { return lblStatus_->text(); }

void CtrStatusProgressBar::SetText(const QString& text) {
  lblStatus_->setText(text);
  setAccessibleName(text);
}

void CtrStatusProgressBar::SetText(const std::string& text) {
  SetText(QString::fromStdString(text));
}

void CtrStatusProgressBar::SetStatusWidth(float twips) {
  statusWidth_ = twips;
  LayOut();
  update();
}

void CtrStatusProgressBar::SetMaxProgress(int maximum) {
  SetMaxProgressValue(ClampToInt16(maximum));
}

void CtrStatusProgressBar::SetCurProgress(int value) { SetCurProgressValue(ClampToInt16(value)); }

void CtrStatusProgressBar::SetCurProgressValue(std::int16_t value) {
  const std::int16_t previous = curProgress_;
  curProgress_ = value;
  SetReaderProgress(picProgress_, value, maxProgress_);
  if (value < previous) picProgress_->Clear();
  // A maximum of 0 or less would divide by nothing: the bar stays as it is.
  if (value <= 0 || maxProgress_ <= 0) return;
  const double share = static_cast<double>(picProgress_->width()) / maxProgress_ * value;
  picProgress_->FillFromLeft(static_cast<int>(std::lround(share)));
}

void CtrStatusProgressBar::resizeEvent(QResizeEvent*) { LayOut(); }

void CtrStatusProgressBar::LayOut() {
  const double s = statusWidth_;
  const int wTwips = width() * kTwipsPerPixel;
  const int hTwips = height() * kTwipsPerPixel;
  lblStatus_->setGeometry(Twips(60), Twips(30), Twips(s), Twips(255));
  picProgress_->setGeometry(Twips(s + 45), Twips(15), std::max(0, Twips(wTwips - s - 60)),
                            std::max(0, Twips(hTwips - 30)));
}

// The sunken frames: grey on top and left, white on bottom and right of each panel.
void CtrStatusProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int s = Twips(statusWidth_);
  const int w = width();
  const int h = height();
  const int split = Twips(statusWidth_ + 30);
  const QColor grey(128, 128, 128);
  const QColor white(255, 255, 255);
  painter.setPen(grey);
  painter.drawLine(0, 0, s - 1, 0);      // linTop(0)
  painter.drawLine(split, 0, w, 0);      // linTop(1)
  painter.drawLine(0, 0, 0, h);          // linLeft(0)
  painter.drawLine(split, 0, split, h);  // linLeft(1)
  painter.setPen(white);
  painter.drawLine(s - 1, 0, s - 1, h);      // linRight(0)
  painter.drawLine(w - 1, 0, w - 1, h);      // linRight(1)
  painter.drawLine(0, h - 1, s - 1, h - 1);  // linBottom(0)
  painter.drawLine(split, h - 1, w, h - 1);  // linBottom(1)
}

}  // namespace zak::ui
