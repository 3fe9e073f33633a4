// The table's controls at their designed places, the start-up's spreading of the rows, what
// screen readers hear of the table, and the frame that follows the mouse.
#include "table_panel.h"

#include <QFrame>
#include <QLabel>

#include "core/catalogue.h"
#include "core/day_menu_motion.h"
#include "core/spoken_texts.h"
#include "main_controls.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"

namespace zak::ui {
namespace {

// A row's cells, and above the captioned ones the header's caption, which starts at the cell's
// Left and may span its neighbours (TORE spans the goals and the colon between them).
struct Column {
  const char* name;
  int left;
  int width;
  Qt::Alignment alignment;
  const char* caption;  // none: the header has no caption starting here
  int captionWidth;
  Qt::Alignment captionAlignment;
  const char* tooltip;
};

const std::array<Column, TablePanel::kCellCount> kColumns = {{
    {"lblTRank", 300, 240, Qt::AlignRight, " PLATZ", 735, Qt::AlignLeft, ""},
    {"lblTeam", 1080, 2220, Qt::AlignLeft, "MANNSCHAFT", 2100, Qt::AlignLeft, ""},
    {"lblTDays", 3240, 375, Qt::AlignRight, "SP", 375, Qt::AlignRight, "Spiele"},
    {"lblTWon", 3840, 240, Qt::AlignHCenter, "S", 240, Qt::AlignHCenter, "Siege"},
    {"lblTDraw", 4140, 255, Qt::AlignHCenter, "U", 255, Qt::AlignHCenter, "Unentschieden"},
    {"lblTLost", 4440, 255, Qt::AlignHCenter, "N", 255, Qt::AlignHCenter, "Niederlagen"},
    {"lblTGoalPlus", 4800, 360, Qt::AlignRight, "TORE", 765, Qt::AlignHCenter, ""},
    {"Label14", 5160, 45, Qt::AlignLeft, nullptr, 0, {}, ""},
    {"lblTGoalMinus", 5205, 360, Qt::AlignLeft, nullptr, 0, {}, ""},
    {"lblTGoalDiff", 5520, 495, Qt::AlignRight, "DIFF", 495, Qt::AlignRight, "Tordifferenz"},
    {"lblTPoints", 6000, 495, Qt::AlignRight, "PKT", 495, Qt::AlignRight, "Punkte"},
}};

// The window's twips in the panel's.
int Top(int windowTop) { return windowTop - TablePanel::kTop; }

}  // namespace

TablePanel::TablePanel(QWidget* window, ControlEvents& events) : QWidget(window) {
  PlacePanel(this, 0, kTop, 6720, 8120 - kTop);
  CreateHeader();
  CreateRows();
  CreateLogosAndMarks();
  WatchRows(events);
  PrepareReaders();
}

void TablePanel::CreateHeader() {
  lblTopLineBack_ = MakeLabel(this, "lblTopLineBack", "", 300, Top(480), 6315, 315);
  SetBackColour(lblTopLineBack_, QColor(0, 0, 0));
  int caption = 0;
  for (const Column& column : kColumns) {
    if (column.caption == nullptr) continue;
    QLabel* label = MakeLabel(this, Indexed("Label6", caption), column.caption, column.left,
                              Top(510), column.captionWidth, 255, column.captionAlignment);
    label->setFont(SansFont(8, true));
    SetForeColour(label, QColor(255, 255, 255));
    if (*column.tooltip != '\0') label->setToolTip(column.tooltip);
    Label6_[caption++] = label;
  }
}

void TablePanel::CreateRows() {
  // Designed place of every row before start-up spreads them: all on the first row.
  const int top = Top(915);
  for (int r = 0; r < kTeamSlots; ++r) {
    lblLineBack_[r] = MakeLabel(this, Indexed("lblLineBack", r), "", 300, top, 6315, 255);
    SetBackColour(lblLineBack_[r], QColor(255, 255, 255));
    for (int c = 0; c < kCellCount; ++c) {
      const Column& column = kColumns[c];
      QLabel* cell = MakeLabel(this, Indexed(column.name, r), c == kColon ? ":" : "", column.left,
                               top, column.width, 255, column.alignment);
      cell->setFont(SansFont(8.25, c == kTeam || c == kPoints));
      cells_[r][c] = cell;
    }
    imgDiff_[r] = MakeLabel(this, Indexed("imgDiff", r), "", 120, Top(960), 150, 150);
  }
}

void TablePanel::CreateLogosAndMarks() {
  TeamTable catalogue{};
  for (int league = 0; league < kLeagueCount; ++league) FillTeamCatalogue(catalogue, league);
  for (int i = 0; i < kLeagueCount * kTeamSlots; ++i) {
    imgTeam_[i] =
        MakeLabel(this, Indexed("imgTeam", i), "", 600, Top(885), 330, 330, Qt::AlignHCenter);
    const TeamRow& club = catalogue[i / kTeamSlots][i % kTeamSlots];
    imgTeam_[i]->setPixmap(RenderPicture(LogoPath(club.Id), 20, 22));
    imgTeam_[i]->setToolTip(ToQString(club.Name));
    // Shown by the first display, with the rows of their league.
    imgTeam_[i]->hide();
  }
  for (int t = 0; t < kTeamSlots; ++t) {
    QLabel* mark = MakeLabel(this, Indexed("lblMinusPoints", t), "*", 930, Top(885), 150, 255);
    mark->setFont(SansFont(9.75, true));
    SetForeColour(mark, QColor(192, 0, 0));
    mark->setToolTip("3 Punkte Abzug");
    mark->setCursor(Qt::PointingHandCursor);
    mark->hide();
    lblMinusPoints_[t] = mark;
  }
  for (int i = 0; i < 3; ++i) {
    Image4_[i] = MakeLabel(this, Indexed("Image4", i), "", 120 + 180 * i, Top(120), 150, 150);
    Image4_[i]->setPixmap(RenderPicture(kTrendPictures[i], Twips(150), Twips(150)));
    Image4_[i]->hide();
  }
  Shape1_ = MakeShape(this, "Shape1", 45, Top(900), 6585, 285);
  Shape1_->setStyleSheet("QFrame#Shape1 { border: 1px solid rgb(255, 128, 0); }");
}

void TablePanel::WatchRows(ControlEvents& events) {
  for (int r = 0; r < kTeamSlots; ++r) {
    const auto row = static_cast<std::int16_t>(r);
    events.OnMouseMove(lblLineBack_[r], [this, row] { MoveRowHighlight(row); });
    for (int c = 0; c < kCellCount; ++c) {
      // The colon between the goals is not watched: over it the frame stays where it is.
      if (c != kColon) events.OnMouseMove(cells_[r][c], [this, row] { MoveRowHighlight(row); });
    }
    events.OnMouseMove(imgDiff_[r], [this, r] { imgDiff_MouseMove(r); });
  }
}

// The row strips speak for their cells; the header strip for its captions.
void TablePanel::PrepareReaders() {
  for (int r = 0; r < kTeamSlots; ++r) {
    for (QLabel* cell : cells_[r]) HideFromReaders(cell);
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
  // Decoration: the source pictures of the arrows and the frame.
  for (QLabel* picture : Image4_) HideFromReaders(picture);
  HideFromReaders(Shape1_);
  for (QLabel* mark : lblMinusPoints_) {
    MakeReaderCommand(mark, CommandKind::kLink, ToQString(DeductionLinkSpeech(3)));
  }
}

void TablePanel::ApplyRunTimeLayout() {
  for (int i = 0; i < kLeagueCount * kTeamSlots; ++i) {
    MoveTopTwips(imgTeam_[i], Top((i % kTeamSlots) * 360 + 885));
  }
  for (int r = 0; r < kTeamSlots; ++r) {
    MoveTopTwips(lblLineBack_[r], Top(r * 360 + 915));
    for (QLabel* cell : cells_[r]) MoveTopTwips(cell, Top(r * 360 + 915));
    MoveTopTwips(imgDiff_[r], Top(r * 360 + 960));
  }
  MoveTopTwips(lblTopLineBack_, Top(540));
  for (QLabel* header : Label6_) MoveTopTwips(header, Top(570));
}

void TablePanel::MoveRowHighlight(std::int16_t row) {
  const int target = RowHighlightTop(row);
  if (rowHighlightTop_ != target) PlaceRowHighlight(target);
}

void TablePanel::PlaceRowHighlight(int top) {
  rowHighlightTop_ = top;
  MoveTopTwips(Shape1_, Top(top));
}

// The trend arrow lies 45 twips below its row's top: its Top maps back to the row, halves
// going to the even row.
void TablePanel::imgDiff_MouseMove(int index) {
  const int top = imgDiff_[index]->y() * kTwipsPerPixel + kTop;
  MoveRowHighlight(static_cast<std::int16_t>(RowOfTrendArrow(top)));
}

}  // namespace zak::ui
