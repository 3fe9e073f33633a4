// The main window's controls at their designed places (twips), with captions, tooltips,
// colours and fonts. Start-up moves some of them (ApplyRunTimeLayout).
#include "frm_main.h"
#include "ui/components/caption_button.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

// The face colour of the window and of the panel's boxes.
const QColor kFaceColour(212, 208, 200);

QString Indexed(const char* name, int index) {
  return QString("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = PlaceControl<QLabel>(parent, name, left, top, width, height, caption);
  // Captions may come from the network or from match data: never read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& tooltip, int left, int top, int width, int height) {
  auto* button = PlaceControl<CaptionButton>(parent, name, left, top, width, height, caption);
  button->setToolTip(tooltip);
  return button;
}

QComboBox* MakeList(QWidget* parent, const QString& name, int left, int top, int width) {
  return PlaceControl<QComboBox>(parent, name, left, top, width, 315);
}

QFrame* MakeShape(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* shape = PlaceControl<QFrame>(parent, name, left, top, width, height);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  return shape;
}

// Table columns: Left, Width, alignment.
struct Column {
  int left;
  int width;
  Qt::Alignment alignment;
};

}  // namespace

void FrmMain::CreateControls() {
  setObjectName("frmMain");
  setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  SetBackColour(this, kFaceColour);
  setFont(SansFont(8));
  CreateTopAndHeader();
  CreateTableRows();
  CreateRightColumn();
  CreateDayPanel();
  ctrStatusProgress_ = new CtrStatusProgressBar(this);
  PlaceTwips(ctrStatusProgress_, 0, 8375, 8760, 285);
  ctrStatusProgress_->SetStatusWidth(4500);
  ctrStatusProgress_->raise();
}

void FrmMain::CreateTopAndHeader() {
  shpBackgroundTop_ = MakeShape(this, "shpBackgroundTop", 0, 0, 8760, 855);
  SetBackColour(shpBackgroundTop_, QColor(255, 255, 255));
  shpBackgroundRight_ = MakeShape(this, "shpBackgroundRight", 6720, 0, 2040, 8120);
  SetBackColour(shpBackgroundRight_, QColor(255, 255, 255));

  lblNewsLine_ = MakeLabel(this, "lblNewsLine", "", 300, 120, 6315, 255);
  lblNewsLine_->setFont(SansFont(8.25, true));
  SetForeColour(lblNewsLine_, QColor(0, 0, 128));
  lblInfoURL_ = MakeLabel(this, "lblInfoURL", "", 6840, 120, 1815, 255, Qt::AlignRight);
  lblInfoURL_->setToolTip("Gehe zur offiziellen Seite der Zakliste");
  QFont link = SansFont(8.25);
  link.setUnderline(true);
  lblInfoURL_->setFont(link);
  SetForeColour(lblInfoURL_, QColor(0, 0, 255));
  lblInfoURL_->setCursor(Qt::PointingHandCursor);

  lblTopLineBack_ = MakeLabel(this, "lblTopLineBack", "", 300, 480, 6315, 315);
  SetBackColour(lblTopLineBack_, QColor(0, 0, 0));
  const std::array<const char*, 9> captions = {" PLATZ", "MANNSCHAFT", "SP",   "S",  "U",
                                               "N",      "TORE",       "DIFF", "PKT"};
  const std::array<const char*, 9> tooltips = {
      "", "", "Spiele", "Siege", "Unentschieden", "Niederlagen", "", "Tordifferenz", "Punkte"};
  const std::array<Column, 9> columns = {{{300, 735, Qt::AlignLeft},
                                          {1080, 2100, Qt::AlignLeft},
                                          {3240, 375, Qt::AlignRight},
                                          {3840, 240, Qt::AlignHCenter},
                                          {4140, 255, Qt::AlignHCenter},
                                          {4440, 255, Qt::AlignHCenter},
                                          {4800, 765, Qt::AlignHCenter},
                                          {5520, 495, Qt::AlignRight},
                                          {6000, 495, Qt::AlignRight}}};
  for (int i = 0; i < 9; ++i) {
    Label6_[i] = MakeLabel(this, Indexed("Label6", i), captions[i], columns[i].left, 510,
                           columns[i].width, 255, columns[i].alignment);
    Label6_[i]->setFont(SansFont(8, true));
    SetForeColour(Label6_[i], QColor(255, 255, 255));
    if (*tooltips[i] != '\0') Label6_[i]->setToolTip(tooltips[i]);
  }
  lblCurDay_ = MakeLabel(this, "lblCurDay", "Spieltag der Tabelle", 6840, 510, 1815, 255);
  lblCurDay_->setFont(SansFont(9.75, true));
}

void FrmMain::CreateTableRows() {
  // Designed place of every row before start-up spreads them: all on the first row.
  const int top = 915;
  const std::array<Column, 11> cells = {{{300, 240, Qt::AlignRight},
                                         {1080, 2220, Qt::AlignLeft},
                                         {3240, 375, Qt::AlignRight},
                                         {3840, 240, Qt::AlignHCenter},
                                         {4140, 255, Qt::AlignHCenter},
                                         {4440, 255, Qt::AlignHCenter},
                                         {4800, 360, Qt::AlignRight},
                                         {5160, 45, Qt::AlignLeft},
                                         {5205, 360, Qt::AlignLeft},
                                         {5520, 495, Qt::AlignRight},
                                         {6000, 495, Qt::AlignRight}}};
  const std::array<const char*, 11> names = {
      "lblTRank",     "lblTeam", "lblTDays",      "lblTWon",      "lblTDraw",  "lblTLost",
      "lblTGoalPlus", "Label14", "lblTGoalMinus", "lblTGoalDiff", "lblTPoints"};
  for (int r = 0; r < kTeamSlots; ++r) {
    lblLineBack_[r] = MakeLabel(this, Indexed("lblLineBack", r), "", 300, top, 6315, 255);
    SetBackColour(lblLineBack_[r], QColor(255, 255, 255));
    std::array<QLabel*, 11> row{};
    for (int c = 0; c < 11; ++c) {
      row[c] = MakeLabel(this, Indexed(names[c], r), c == 7 ? ":" : "", cells[c].left, top,
                         cells[c].width, 255, cells[c].alignment);
      row[c]->setFont(SansFont(8.25, c == 1 || c == 10));
    }
    lblTRank_[r] = row[0];
    lblTeam_[r] = row[1];
    lblTDays_[r] = row[2];
    lblTWon_[r] = row[3];
    lblTDraw_[r] = row[4];
    lblTLost_[r] = row[5];
    lblTGoalPlus_[r] = row[6];
    Label14_[r] = row[7];
    lblTGoalMinus_[r] = row[8];
    lblTGoalDiff_[r] = row[9];
    lblTPoints_[r] = row[10];
    imgDiff_[r] = MakeLabel(this, Indexed("imgDiff", r), "", 120, 960, 150, 150);
  }
  TeamTable catalogue{};
  for (int league = 0; league < kLeagueCount; ++league) FillTeamCatalogue(catalogue, league);
  for (int i = 0; i < kLeagueCount * kTeamSlots; ++i) {
    imgTeam_[i] = MakeLabel(this, Indexed("imgTeam", i), "", 600, 885, 330, 330, Qt::AlignHCenter);
    const TeamRow& club = catalogue[i / kTeamSlots][i % kTeamSlots];
    imgTeam_[i]->setPixmap(RenderPicture(LogoPath(club.Id), 20, 22));
    imgTeam_[i]->setToolTip(ToQString(club.Name));
    // Shown by the first display, with the rows of their league.
    imgTeam_[i]->hide();
  }
  for (int t = 0; t < kTeamSlots; ++t) {
    lblMinusPoints_[t] = MakeLabel(this, Indexed("lblMinusPoints", t), "*", 930, 885, 150, 255);
    lblMinusPoints_[t]->setFont(SansFont(9.75, true));
    SetForeColour(lblMinusPoints_[t], QColor(192, 0, 0));
    lblMinusPoints_[t]->setToolTip("3 Punkte Abzug");
    lblMinusPoints_[t]->setCursor(Qt::PointingHandCursor);
    lblMinusPoints_[t]->hide();
  }
  for (int i = 0; i < 3; ++i) {
    Image4_[i] = MakeLabel(this, Indexed("Image4", i), "", 120 + 180 * i, 120, 150, 150);
    Image4_[i]->setPixmap(RenderPicture(kTrendPictures[i], Twips(150), Twips(150)));
    Image4_[i]->hide();
  }
  Shape1_ = MakeShape(this, "Shape1", 45, 900, 6585, 285);
  Shape1_->setStyleSheet("QFrame#Shape1 { border: 1px solid rgb(255, 128, 0); }");
}

void FrmMain::CreateRightColumn() {
  const int left = 6840;
  const int width = 1815;
  const std::array<const char*, 3> flag = {"Deutsche", "Fußball", "Bundesliga"};
  const std::array<QColor, 3> back = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(255, 204, 0)};
  const std::array<QColor, 3> fore = {QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 0, 0)};
  for (int i = 0; i < 3; ++i) {
    Label1_[i] = MakeLabel(this, Indexed("Label1", i), QString::fromUtf8(flag[i]), left,
                           915 + 315 * i, width, 315, Qt::AlignHCenter);
    Label1_[i]->setFont(SansFont(9.75, true));
    SetBackColour(Label1_[i], back[i]);
    SetForeColour(Label1_[i], fore[i]);
  }
  lblSaison_ = MakeLabel(this, "lblSaison", "Saison", left, 1900, width, 315, Qt::AlignHCenter);
  lblSaison_->setFont(SansFont(9.75, true));
  SetForeColour(lblSaison_, QColor(128, 128, 128));
  cmdInfo_ = MakeButton(this, "cmdInfo", "Info", "Info über ZAK", left, 2300, width, 315);
  cmdReportBug_ = MakeButton(this, "cmdReportBug", "Fehler melden...", "Fehler zum Programm melden",
                             left, 2640, width, 315);
  cmdPreferences_ = MakeButton(this, "cmdPreferences", "Einstellungen...",
                               "Einstellungen zum Programm", left, 3100, width, 315);
  cmdExport_ = MakeButton(this, "cmdExport", "Daten im-/exportieren...",
                          "Daten und Einstellungen von Datei importieren bzw. in Datei exportieren",
                          left, 3440, width, 315);
  cmdUpdateProgram_ = MakeButton(this, "cmdUpdateProgram", "Update suchen...",
                                 "Neue Updates des Programms suchen", left, 3780, width, 315);
  cmdHTMLExport_ =
      MakeButton(this, "cmdHTMLExport", "HTML-Export...",
                 "Export von Tabelle und Spieltag für HTML-Seiten", left, 4120, width, 315);
  lblWait_ =
      MakeLabel(this, "lblWait", "Bitte warten...", left, 4500, width, 435, Qt::AlignHCenter);
  lblWait_->setFont(SansFont(8.25));
  SetForeColour(lblWait_, QColor(192, 0, 0));
  lblWait_->hide();
  cmbLiga_[1] = MakeList(this, "cmbLiga_1", left, 5160, width);
  cmbDays_[1] = MakeList(this, "cmbDays_1", left, 5520, width);
  cmdShowCurTable_ = MakeButton(this, "cmdShowCurTable", "Aktuelle Tabelle",
                                "Tabelle zu aktuellem Spieltag anzeigen", left, 6000, width, 315);
  cmdShowCurTable_->setDefault(true);
  const QString download = "Aktuellste Daten aus dem Internet laden";
  const QString downloadTip = "Aktuellste Bundesliga-Daten der ausgewählten Liga herunterladen";
  cmdDownloadDays_[0] =
      MakeButton(this, "cmdDownloadDays_0", download, downloadTip, left, 6360, width, 525);
  cmdPrintTable_ = MakeButton(this, "cmdPrintTable", "Tabelle drucken...",
                              "Aktuelle Tabelle drucken lassen", left, 6900, width, 315);
  cmdStatistics_ =
      MakeButton(this, "cmdStatistics", "Statistiken...",
                 "Statistiken zu Spieltag und Mannschaften aufrufen", left, 7260, width, 315);
  // The fan club's banner, a link, in the free space at the foot of the column (the panel
  // covers it while open).
  imgTeamLogo_ = MakeLabel(this, "imgTeamLogo", "", left, 7740, width, 330);
  imgTeamLogo_->setPixmap(RenderPicture(kFanClubBanner, Twips(width), Twips(330)));
  imgTeamLogo_->setCursor(Qt::PointingHandCursor);
}

void FrmMain::CreateDayPanel() {
  picDays_ = PlaceControl<QWidget>(this, "picDays", 0, 8120, 8765, 3350);
  SetBackColour(picDays_, kFaceColour);

  Label21_ =
      MakeLabel(picDays_, "Label21", "Berechne Daten...", 120, 1320, 6495, 615, Qt::AlignHCenter);
  Label21_->setFont(SansFont(9.75, true));
  SetForeColour(Label21_, QColor(192, 0, 0));

  const QString openTip = "Hier klicken, um das Spieltag-Menü zu öffnen";
  const QString closeTip = "Hier klicken, um das Spieltag-Menü zu schließen";
  lblDayMenu_ = MakeLabel(picDays_, "lblDayMenu", "   Spieltag-Menü >>", 0, 0, 8805, 315);
  lblDayMenu_->setFont(SansFont(9.75, true));
  SetBackColour(lblDayMenu_, QColor(224, 224, 224));
  lblDayMenu_->setCursor(Qt::PointingHandCursor);
  lblDayMenu_->setToolTip(openTip);
  lblDayMenu_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  fraDays_ = PlaceControl<QGroupBox>(picDays_, "fraDays", 120, 240, 6660, 2690, QString(19, ' '));
  fraDays_->setFlat(true);
  cmbDays_[0] = MakeList(fraDays_, "cmbDays_0", 0, 0, 4740);
  cmbLiga_[0] = MakeList(fraDays_, "cmbLiga_0", 4720, 0, 1935);
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
      // Goal boxes: digits only, set up with their colours in PrepareGoalBoxes.
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

  cmdUpdateTable_ =
      MakeButton(picDays_, "cmdUpdateTable", "Änderungen übernehmen",
                 "Aktuelle Änderungen der Ergebnisse übernehmen", 6840, 240, 1815, 525);
  cmdUpdateTable_->setEnabled(false);
  cmdDownloadDays_[1] = MakeButton(
      picDays_, "cmdDownloadDays_1", "Aktuellste Daten aus dem Internet laden",
      "Aktuellste Bundesliga-Daten der ausgewählten Liga herunterladen", 6840, 960, 1815, 525);
  cmdDownloadDays_[1]->setEnabled(false);
  cmdPrintDay_ = MakeButton(picDays_, "cmdPrintDay", "Spieltag drucken...",
                            "Aktuellen Spieltag drucken lassen", 6840, 1680, 1815, 315);
  cmdPrintDay_->setEnabled(false);
  cmdPrintTableDay_ =
      MakeButton(picDays_, "cmdPrintTableDay", "Tabelle mit Spieltag drucken...",
                 "Aktuelle Tabelle mit Spieltag drucken lassen", 6840, 2040, 1815, 495);
  cmdPrintTableDay_->setEnabled(false);

  Line1_ = MakeShape(picDays_, "Line1", 0, 3035, 8760, 15);
  Line1_->setFrameShape(QFrame::HLine);
  Line1_->setFrameShadow(QFrame::Plain);
  Label20_ = MakeLabel(picDays_, "Label20", "   Schließen >>", 0, 3045, 8805, 315);
  Label20_->setFont(SansFont(9.75, true));
  SetBackColour(Label20_, QColor(255, 192, 128));
  Label20_->setCursor(Qt::PointingHandCursor);
  Label20_->setToolTip(closeTip);
  Label20_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const std::array<const char*, 2> pictures = {kDayMenuOpenPicture, kDayMenuClosePicture};
  for (int i = 0; i < 2; ++i) {
    imgOpenDay_[i] =
        MakeLabel(picDays_, Indexed("imgOpenDay", i), "", 6600, i == 0 ? 0 : 3045, 2100, 255);
    imgOpenDay_[i]->setPixmap(RenderPicture(pictures[i], 137, 17));
    imgOpenDay_[i]->setCursor(Qt::PointingHandCursor);
    imgOpenDay_[i]->setToolTip(i == 0 ? openTip : closeTip);
  }
  imgOpenDay_[1]->hide();

  picHideDay_ = PlaceControl<QWidget>(this, "picHideDay", 0, 8840, 8765, 600);
  SetBackColour(picHideDay_, kFaceColour);
  picHideDay_->raise();
}

}  // namespace zak::ui
