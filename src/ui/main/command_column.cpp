// The column's controls at their designed places (twips of the window), start-up's stacking,
// and the column while the match-day menu is open.
#include "command_column.h"

#include "main_controls.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

// The column's place in the window's twips.
constexpr int kColumnLeft = 6720;
constexpr int kColumnTop = 480;
constexpr int kControlsLeft = 6840 - kColumnLeft;
constexpr int kWidth = 1815;

// The window's twips in the column's.
int Top(int windowTop) { return windowTop - kColumnTop; }

// The buttons with their Top in the window's twips, and each one's gap to the control above
// when start-up stacks the column.
const std::array<CommandButton, CommandColumn::kCommandCount> kButtons = {{
    {"cmdInfo", "Info", "Info über ZAK", 2300, 315},
    {"cmdReportBug", "Fehler melden...", "Fehler zum Programm melden", 2640, 315},
    {"cmdPreferences", "Einstellungen...", "Einstellungen zum Programm", 3100, 315},
    {"cmdExport", "Daten im-/exportieren...",
     "Daten und Einstellungen von Datei importieren bzw. in Datei exportieren", 3440, 315},
    {"cmdUpdateProgram", "Update suchen...", "Neue Updates des Programms suchen", 3780, 315},
    {"cmdHTMLExport", "HTML-Export...", "Export von Tabelle und Spieltag für HTML-Seiten", 4120,
     315},
    {"cmdShowCurTable", "Aktuelle Tabelle", "Tabelle zu aktuellem Spieltag anzeigen", 6000, 315},
    {"cmdDownloadDays_0", kDownloadCaption, kDownloadTip, 6360, 525},
    {"cmdPrintTable", "Tabelle drucken...", "Aktuelle Tabelle drucken lassen", 6900, 315},
    {"cmdStatistics", "Statistiken...", "Statistiken zu Spieltag und Mannschaften aufrufen", 7260,
     315},
}};
const std::array<int, CommandColumn::kCommandCount> kButtonGaps = {420, 360, 480, 360, 360,
                                                                   360, 480, 360, 540, 360};

}  // namespace

CommandColumn::CommandColumn(QWidget* window) : QWidget(window) {
  PlacePanel(this, kColumnLeft, kColumnTop, 2040, 8120 - kColumnTop);
  CreateHead();
  CreateButtons(kInfo, kHTMLExport);
  CreateListsAndWait();
  CreateButtons(kShowCurTable, kStatistics);
  buttons_[kShowCurTable]->setDefault(true);
  // The fan club's banner, a link, in the free space at the foot of the column (the panel
  // covers it while open).
  imgTeamLogo_ = MakeLabel(this, "imgTeamLogo", "", kControlsLeft, Top(7740), kWidth, 330);
  imgTeamLogo_->setPixmap(RenderPicture(kFanClubBanner, Twips(kWidth), Twips(330)));
  imgTeamLogo_->setCursor(Qt::PointingHandCursor);
  PrepareReaders();
}

void CommandColumn::CreateHead() {
  lblCurDay_ =
      MakeLabel(this, "lblCurDay", "Spieltag der Tabelle", kControlsLeft, Top(510), kWidth, 255);
  lblCurDay_->setFont(SansFont(9.75, true));
  const std::array<const char*, 3> flag = {"Deutsche", "Fußball", "Bundesliga"};
  const std::array<QColor, 3> back = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(255, 204, 0)};
  const std::array<QColor, 3> fore = {QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 0, 0)};
  for (int i = 0; i < 3; ++i) {
    Label1_[i] = MakeLabel(this, Indexed("Label1", i), QString::fromUtf8(flag[i]), kControlsLeft,
                           Top(915 + 315 * i), kWidth, 315, Qt::AlignHCenter);
    Label1_[i]->setFont(SansFont(9.75, true));
    SetBackColour(Label1_[i], back[i]);
    SetForeColour(Label1_[i], fore[i]);
    Stack(Label1_[i], i == 0 ? 0 : 360);
  }
  lblSaison_ = MakeLabel(this, "lblSaison", "Saison", kControlsLeft, Top(1900), kWidth, 315,
                         Qt::AlignHCenter);
  lblSaison_->setFont(SansFont(9.75, true));
  SetForeColour(lblSaison_, QColor(128, 128, 128));
  Stack(lblSaison_, 420);
}

void CommandColumn::CreateButtons(Command first, Command last) {
  for (int c = first; c <= last; ++c) {
    const CommandButton& b = kButtons[c];
    buttons_[c] =
        MakeButton(this, b.name, b.caption, b.tooltip, kControlsLeft, Top(b.top), kWidth, b.height);
    Stack(buttons_[c], kButtonGaps[c]);
  }
}

void CommandColumn::CreateListsAndWait() {
  lblWait_ = MakeLabel(this, "lblWait", "Bitte warten...", kControlsLeft, Top(4500), kWidth, 435,
                       Qt::AlignHCenter);
  lblWait_->setFont(SansFont(8.25));
  SetForeColour(lblWait_, QColor(192, 0, 0));
  lblWait_->hide();
  Stack(lblWait_, 360);
  cmbLiga_ = MakeList(this, "cmbLiga_1", kControlsLeft, Top(5160), kWidth);
  Stack(cmbLiga_, 480);
  cmbDays_ = MakeList(this, "cmbDays_1", kControlsLeft, Top(5520), kWidth);
  Stack(cmbDays_, 360);
}

void CommandColumn::PrepareReaders() {
  MakeReaderCommand(imgTeamLogo_, CommandKind::kLink, "Fanclub-Seite öffnen");
  NameList(cmbLiga_, "Liga");
  NameList(cmbDays_, "Spieltag");
}

void CommandColumn::ApplyRunTimeLayout() {
  int top = 915;  // the Top of the first row's strip
  for (const auto& [control, gap] : stack_) {
    top += gap;
    MoveTopTwips(control, Top(top));
  }
  MoveTopTwips(lblCurDay_, Top(570));
  SetForeColour(lblSaison_, Qt::black);
  lblSaison_->setText("2014 / 2015");
}

void CommandColumn::ShowStartNotice() {
  lblSaison_->setText("2014 / 2015");
  lblWait_->setText("Tabelle wird aktualisiert\r\nBitte warten...");
  lblWait_->show();
}

void CommandColumn::ShowWait(bool shown) { lblWait_->setVisible(shown); }

void CommandColumn::ShowTableDay(int day) {
  if (day == 0) {
    lblCurDay_->clear();
  } else {
    lblCurDay_->setText(QString("<-  %1. Spieltag  ").arg(day));
  }
}

void CommandColumn::SetDayMenuOpen(bool open) {
  for (QWidget* control : {static_cast<QWidget*>(cmbDays_), static_cast<QWidget*>(cmbLiga_),
                           static_cast<QWidget*>(buttons_[kDownloadDays])}) {
    control->setEnabled(!open);
  }
  buttons_[kShowCurTable]->setEnabled(!open);
  buttons_[kPrintTable]->setEnabled(!open);
  // Out of the tab order while open, still clickable.
  for (Command command : {kInfo, kPreferences, kUpdateProgram}) {
    buttons_[command]->setFocusPolicy(open ? Qt::ClickFocus : Qt::StrongFocus);
  }
  imgTeamLogo_->setFocusPolicy(open ? Qt::NoFocus : Qt::TabFocus);  // the panel covers the banner
  buttons_[kStatistics]->setEnabled(!open);
}

}  // namespace zak::ui
