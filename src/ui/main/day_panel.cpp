// The match-day panel's controls at their designed places (twips inside the panel), its goal
// boxes, what it does with the mouse, and what screen readers hear of it.
#include "day_panel.h"

#include <QGroupBox>
#include <QTimer>
#include <QValidator>

#include "core/day_menu_motion.h"
#include "main_controls.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/reader_tree.h"
#include "ui/components/text_box_focus.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

const QColor kFocusedBox(255, 255, 255);
const QColor kUnfocusedBox(212, 208, 200);
// The take-over button's colour while edits wait to be taken over.
const QColor kEditedMark(255, 224, 192);

const QString kOpenTip = "Hier klicken, um das Spieltag-Menü zu öffnen";
const QString kCloseTip = "Hier klicken, um das Spieltag-Menü zu schließen";

// A goal box holds digits only, and no number that a 16-bit goal count cannot hold, so the
// take-over always finds a number it can store. What the box refuses never reaches it, pasted
// text included.
class GoalsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (input.size() > 5) return Invalid;
    for (const QChar c : input) {
      if (c < '0' || c > '9') return Invalid;
    }
    return input.isEmpty() || input.toInt() <= 32767 ? Acceptable : Invalid;
  }
};

// A strip across the panel that opens or closes it on a click.
QLabel* MakeStrip(QWidget* panel, const char* name, const char* caption, int top,
                  const QColor& back, const QString& tooltip) {
  QLabel* strip = MakeLabel(panel, name, caption, 0, top, 8805, 315);
  strip->setFont(SansFont(9.75, true));
  SetBackColour(strip, back);
  strip->setCursor(Qt::PointingHandCursor);
  strip->setToolTip(tooltip);
  strip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return strip;
}

}  // namespace

DayPanel::DayPanel(QWidget* window, ControlEvents& events) : QWidget(window) {
  setObjectName("picDays");
  PlaceTwips(this, 0, kDayPanelClosedTop, 8765, 3350);
  SetBackColour(this, kFaceColour);
  Label21_ =
      MakeLabel(this, "Label21", "Berechne Daten...", 120, 1320, 6495, 615, Qt::AlignHCenter);
  Label21_->setFont(SansFont(9.75, true));
  SetForeColour(Label21_, QColor(192, 0, 0));
  lblDayMenu_ =
      MakeStrip(this, "lblDayMenu", "   Spieltag-Menü >>", 0, QColor(224, 224, 224), kOpenTip);
  CreateMatchRows();
  CreateCommands();
  CreateStrips();
  picHideDay_ = PlaceControl<QWidget>(window, "picHideDay", 0, 8840, 8765, 600);
  SetBackColour(picHideDay_, kFaceColour);
  picHideDay_->raise();

  tmrOpenDay_ = new QTimer(this);
  tmrOpenDay_->setObjectName("tmrOpenDay");
  tmrOpenDay_->setTimerType(Qt::PreciseTimer);
  tmrOpenDay_->setInterval(kDayMenuTickMs);
  // Closed: the panel's own lists take no input until it opens; its league list is enabled
  // but lies in the disabled frame.
  cmbDays_->setEnabled(false);
  PrepareGoalBoxes();
  Watch(events);
  PrepareReaders();
}

void DayPanel::CreateMatchRows() {
  fraDays_ = PlaceControl<QGroupBox>(this, "fraDays", 120, 240, 6660, 2690, QString(19, ' '));
  fraDays_->setFlat(true);
  cmbDays_ = MakeList(fraDays_, "cmbDays_0", 0, 0, 4740);
  cmbLiga_ = MakeList(fraDays_, "cmbLiga_0", 4720, 0, 1935);
  for (int i = 0; i < kMatchSlots; ++i) {
    const int top = 480 + 210 * i;
    txtDays_[i] = PlaceControl<QLineEdit>(fraDays_, Indexed("txtDays", i), 120, top, 5775, 285);
    txtDays_[i]->setFont(SansFont(8.25));
    txtDays_[i]->setFrame(false);
    txtDays_[i]->setReadOnly(true);
    // The rows overlap (210 apart, 285 high): the text sits at the top so that the next row
    // does not cover it.
    txtDays_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int side = 0; side < 2; ++side) {
      auto* goals = PlaceControl<QLineEdit>(fraDays_, Indexed("txtResults", 2 * i + side),
                                            side == 0 ? 5940 : 6360, top, 240, 285, "0");
      goals->setFont(MonoFont(8.25));
      goals->setFrame(false);
      goals->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      txtResults_[2 * i + side] = goals;
    }
    Label4_[i] = MakeLabel(fraDays_, Indexed("Label4", i), ":", 6240, top, 45, 195);
  }
  fraDays_->setEnabled(false);
}

void DayPanel::CreateCommands() {
  const std::array<CommandButton, kCommandCount> commands = {{
      {"cmdUpdateTable", "Änderungen übernehmen", "Aktuelle Änderungen der Ergebnisse übernehmen",
       240, 525},
      {"cmdDownloadDays_1", kDownloadCaption, kDownloadTip, 960, 525},
      {"cmdPrintDay", "Spieltag drucken...", "Aktuellen Spieltag drucken lassen", 1680, 315},
      {"cmdPrintTableDay", "Tabelle mit Spieltag drucken...",
       "Aktuelle Tabelle mit Spieltag drucken lassen", 2040, 495},
  }};
  for (int c = 0; c < kCommandCount; ++c) {
    const CommandButton& b = commands[c];
    buttons_[c] = MakeButton(this, b.name, b.caption, b.tooltip, 6840, b.top, 1815, b.height);
    buttons_[c]->setEnabled(false);
  }
}

// The foot: a line and the strip that closes the panel, and the pictures on both strips.
void DayPanel::CreateStrips() {
  Line1_ = MakeShape(this, "Line1", 0, 3035, 8760, 15);
  Line1_->setFrameShape(QFrame::HLine);
  Line1_->setFrameShadow(QFrame::Plain);
  Label20_ = MakeStrip(this, "Label20", "   Schließen >>", 3045, QColor(255, 192, 128), kCloseTip);
  const std::array<const char*, 2> pictures = {kDayMenuOpenPicture, kDayMenuClosePicture};
  for (int i = 0; i < 2; ++i) {
    imgOpenDay_[i] =
        MakeLabel(this, Indexed("imgOpenDay", i), "", 6600, i == 0 ? 0 : 3045, 2100, 255);
    imgOpenDay_[i]->setPixmap(RenderPicture(pictures[i], 137, 17));
    imgOpenDay_[i]->setCursor(Qt::PointingHandCursor);
    imgOpenDay_[i]->setToolTip(i == 0 ? kOpenTip : kCloseTip);
  }
  imgOpenDay_[1]->hide();
}

void DayPanel::PrepareGoalBoxes() {
  for (int i = 0; i < 2 * kMatchSlots; ++i) {
    QLineEdit* box = txtResults_[i];
    box->setValidator(new GoalsValidator(box));
    SetBoxColour(box, kUnfocusedBox);
    connect(box, &QLineEdit::textChanged, this, [this, i] { txtResults_Change(i); });
  }
}

void DayPanel::Watch(ControlEvents& events) {
  for (int i = 0; i < 2 * kMatchSlots; ++i) {
    events.OnFocus(
        txtResults_[i], [this, i] { txtResults_GotFocus(i); },
        [this, i] { txtResults_LostFocus(i); });
  }
  events.OnMouseMove(lblDayMenu_, [this] { lblDayMenu_MouseMove(); });
  events.OnClick(lblDayMenu_, [this] { lblDayMenu_Click(); });
  for (int i = 0; i < 2; ++i) {
    events.OnMouseMove(imgOpenDay_[i], [this, i] { imgOpenDay_MouseMove(i); });
    events.OnClick(imgOpenDay_[i], [this, i] { imgOpenDay_Click(i); });
  }
  events.OnClick(Label20_, [this] { Label20_Click(); });
  events.OnMouseMove(picHideDay_, [this] { picHideDay_MouseMove(); });
}

// The box that hides the panel, the line, the ":" between goal boxes and the notice that the
// frame covers are decoration.
void DayPanel::PrepareReaders() {
  for (QWidget* decoration : std::initializer_list<QWidget*>{Line1_, picHideDay_, Label21_}) {
    HideFromReaders(decoration);
  }
  for (QLabel* colon : Label4_) HideFromReaders(colon);
  MakeReaderCommand(imgOpenDay_[0], CommandKind::kButton, "Spieltag-Menü öffnen");
  MakeReaderCommand(imgOpenDay_[1], CommandKind::kButton, "Spieltag-Menü schließen");
  MakeReaderGroup(this, "Spieltag-Menü");
  MakeReaderGroup(fraDays_, "Spiele des Spieltags");
  NameList(cmbLiga_, "Liga");
  NameList(cmbDays_, "Spieltag");
}

void DayPanel::txtResults_GotFocus(int index) {
  QLineEdit* box = txtResults_[index];
  SetBoxColour(box, kFocusedBox);
  SelectWholeText(box);  // typing replaces the goals
}

void DayPanel::txtResults_LostFocus(int index) { SetBoxColour(txtResults_[index], kUnfocusedBox); }

void DayPanel::SetEditMark(bool edited) {
  SetFaceColour(buttons_[kUpdateTable], edited ? kEditedMark : QColor());
}

}  // namespace zak::ui
