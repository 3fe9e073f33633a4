// The main window as a screen reader hears it: each table row one sentence on its strip, the
// header strip naming the columns, every picture named or hidden, the clickable labels links
// and buttons, each match row with its result and each goal box with its club.
#include "core/spoken_texts.h"
#include "frm_main.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"

namespace zak::ui {

void FrmMain::PrepareReaders() {
  // The row strips speak for their cells; the header strip for its captions.
  for (int r = 0; r < kTeamSlots; ++r) {
    for (QLabel* cell :
         {lblTRank_[r], lblTeam_[r], lblTDays_[r], lblTWon_[r], lblTDraw_[r], lblTLost_[r],
          lblTGoalPlus_[r], Label14_[r], lblTGoalMinus_[r], lblTGoalDiff_[r], lblTPoints_[r]}) {
      HideFromReaders(cell);
    }
    imgDiff_[r]->setAccessibleName("Tendenz: " + ToQString(TrendWord(Trend::kSame)));
  }
  for (QLabel* caption : Label6_) HideFromReaders(caption);
  lblTopLineBack_->setAccessibleName(ToQString(TableHeaderSpeech()));
  for (QLabel* logo : imgTeam_) {
    if (logo->toolTip().isEmpty()) {
      HideFromReaders(logo);  // a free slot has no club and no badge
    } else {
      logo->setAccessibleName("Wappen " + logo->toolTip());
    }
  }
  // Decoration: the source pictures of the arrows, the white areas, frames and lines, the box
  // that hides the panel, the ":" between goal boxes, and the notice that the frame covers.
  for (QWidget* decoration : std::initializer_list<QWidget*>{
           Image4_[0], Image4_[1], Image4_[2], shpBackgroundTop_, shpBackgroundRight_, Shape1_,
           Line1_, picHideDay_, Label21_}) {
    HideFromReaders(decoration);
  }
  for (QLabel* colon : Label4_) HideFromReaders(colon);

  MakeReaderCommand(lblInfoURL_, CommandKind::kLink, "ZAK Homepage");
  MakeReaderCommand(imgTeamLogo_, CommandKind::kLink, "Fanclub-Seite öffnen");
  for (int t = 0; t < kTeamSlots; ++t) {
    MakeReaderCommand(lblMinusPoints_[t], CommandKind::kLink, ToQString(DeductionLinkSpeech(3)));
  }
  MakeReaderCommand(imgOpenDay_[0], CommandKind::kButton, "Spieltag-Menü öffnen");
  MakeReaderCommand(imgOpenDay_[1], CommandKind::kButton, "Spieltag-Menü schließen");
  MakeReaderGroup(picDays_, "Spieltag-Menü");
  MakeReaderGroup(fraDays_, "Spiele des Spieltags");
  for (int i = 0; i < 2; ++i) {
    NameList(cmbLiga_[i], "Liga");
    NameList(cmbDays_[i], "Spieltag");
  }
}

void FrmMain::TellTableRow(int row, const TeamRow& club, Trend trend) {
  lblLineBack_[row]->setAccessibleName(ToQString(TableRowSpeech(club, trend)));
  imgDiff_[row]->setAccessibleName("Tendenz: " + ToQString(TrendWord(trend)));
}

void FrmMain::TellDeduction(int slot, int points) {
  lblMinusPoints_[slot]->setAccessibleName(ToQString(DeductionLinkSpeech(points)));
}

void FrmMain::TellMatchRow(int slot, const QString& weekday, const MatchRecord& match) {
  HideFromReaders(txtDays_[slot], false);
  txtDays_[slot]->setFocusPolicy(Qt::StrongFocus);
  txtDays_[slot]->setAccessibleName(ToQString(MatchRowSpeech(ToUtf8(weekday), match)));
  txtResults_[2 * slot]->setAccessibleName(ToQString(GoalBoxSpeech(match.Home)));
  txtResults_[2 * slot + 1]->setAccessibleName(ToQString(GoalBoxSpeech(match.Away)));
}

// A slot the league does not fill: an empty line that neither Tab nor a reader stops at.
void FrmMain::ForgetMatchRow(int slot) {
  HideFromReaders(txtDays_[slot]);
  txtDays_[slot]->setFocusPolicy(Qt::NoFocus);
  txtDays_[slot]->setAccessibleName(QString());
}

}  // namespace zak::ui
