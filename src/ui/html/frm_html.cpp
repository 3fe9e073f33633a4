#include "frm_html.h"

#include "core/html_fragments.h"
#include "settings/file_helpers.h"
#include "settings/settings_store.h"
#include "ui/components/cls_common_dialog.h"
#include "ui/components/escape_closes.h"
#include "ui/components/league_lists.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {
namespace {

constexpr const char* kFilter =
    "HTML-Dateien (*.html)|*.html|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

// The stored favourite of the league as an entry of the club list: 0 is "< Keine >". A value
// that is no number or names no listed club selects "< Keine >" too.
int FavouriteEntry(int league, int clubs) {
  const std::string stored = GetSettingValue(kSectionHtml, FavouriteTeamKey(league), "0");
  bool ok = false;
  const int favourite = ToQString(stored).toInt(&ok);
  return ok && favourite >= 0 && favourite < clubs ? favourite + 1 : 0;
}

}  // namespace

FrmHtml::FrmHtml(const ProgramData& data, int currentLeague, int shownDayIndex, Date today,
                 std::string serverHost, QWidget* owner)
    : QDialog(owner),
      data_(data),
      currentLeague_(currentLeague),
      shownDayIndex_(shownDayIndex),
      today_(today),
      serverHost_(std::move(serverHost)),
      owner_(owner) {
  setModal(true);
  CreateControls();
}

void FrmHtml::CreateControls() {
  SetWindowFrame(this, {"frmHTML", 4695, 3975, 8});
  Frame1_ = PlaceControl<QGroupBox>(this, "Frame1", 120, 120, 4455, 3735, "Einstellungen");
  cmbDay_ = PlaceControl<QComboBox>(Frame1_, "cmbDay", 240, 360, 1935, 315);
  cmbLiga_ = PlaceControl<QComboBox>(Frame1_, "cmbLiga", 2280, 360, 1695, 315);
  chkExportTable_ = PlaceControl<QCheckBox>(Frame1_, "chkExportTable", 240, 960, 3735, 255,
                                            "Tabelle exportieren");
  chkExportDay_ = PlaceControl<QCheckBox>(Frame1_, "chkExportDay", 240, 1320, 3735, 255,
                                          "Spieltag exportieren");
  chkExportTable_->setChecked(true);
  chkExportDay_->setChecked(true);
  Label1_ = PlaceControl<QLabel>(Frame1_, "Label1", 240, 1920, 3735, 255,
                                 QString::fromUtf8("Favorisierte Mannschaft:"));
  Label1_->setTextFormat(Qt::PlainText);
  cmbTeams_ = PlaceControl<QComboBox>(Frame1_, "cmbTeams", 240, 2160, 3735, 315);
  Label1_->setBuddy(cmbTeams_);
  NameList(cmbDay_, "Spieltag");
  NameList(cmbLiga_, "Liga");
  cmdGenerate_ =
      PlaceControl<QPushButton>(Frame1_, "cmdGenerate", 1440, 3120, 1215, 375, "Exportieren");
  cmdGenerate_->setDefault(true);
  cmdCancel_ = PlaceControl<QPushButton>(Frame1_, "cmdCancel", 3000, 3120, 1215, 375, "Abbrechen");

  connect(cmbLiga_, &QComboBox::currentIndexChanged, this, [this] { cmbLiga_Click(); });
  connect(chkExportTable_, &QCheckBox::clicked, this, [this] { chkExportTable_Click(); });
  connect(chkExportDay_, &QCheckBox::clicked, this, [this] { chkExportDay_Click(); });
  connect(cmdGenerate_, &QPushButton::clicked, this, [this] { cmdGenerate_Click(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  // Esc leaves without exporting.
  CloseOnEscape(this, [this] { cmdCancel_Click(); });
}

void FrmHtml::Form_Load() {
  setWindowTitle(WindowCaption("HTML-Export"));
  CentreOver(this, owner_);
  ListLeagues(cmbLiga_);
  cmbLiga_->setCurrentIndex(currentLeague_);  // fills clubs and days through cmbLiga_Click
  FillDayList(cmbLiga_->currentIndex());
  if (shownDayIndex_ < cmbDay_->count()) cmbDay_->setCurrentIndex(shownDayIndex_);
  EnableGenerate();
}

void FrmHtml::cmbLiga_Click() {
  const int league = cmbLiga_->currentIndex();
  if (league < 0) return;
  cmbTeams_->clear();
  cmbTeams_->addItem(QStringLiteral("< Keine >"));
  AddClubs(cmbTeams_, league);
  cmbTeams_->setCurrentIndex(FavouriteEntry(league, cmbTeams_->count() - 1));
  FillDayList(league);
  cmbDay_->setCurrentIndex(GetCurrentDay(data_.matchData, league, false, today_) - 1);
  EnableGenerate();
}

// The days up to the last one whose first match has a kick-off date: the days of a league
// whose later fixtures are not out yet end there.
void FrmHtml::FillDayList(int league) {
  cmbDay_->clear();
  for (int i = 1; i <= kDaySlots; ++i) {
    if (data_.matchData(0, league, i - 1).KickOff.empty()) break;
    cmbDay_->addItem(QString::number(i) + ". Spieltag");
  }
}

void FrmHtml::chkExportDay_Click() { EnableGenerate(); }
void FrmHtml::chkExportTable_Click() { EnableGenerate(); }

// Export needs at least one fragment, and a day to export: a league without any dated match
// day has nothing to show.
void FrmHtml::EnableGenerate() {
  const bool anyFragment = chkExportTable_->isChecked() || chkExportDay_->isChecked();
  cmdGenerate_->setEnabled(anyFragment && cmbDay_->currentIndex() >= 0);
}

std::string FrmHtml::Fragments() const {
  const HtmlSource source{data_.matchData, data_.rankColour, HtmlAddresses::ForHost(serverHost_)};
  const int league = cmbLiga_->currentIndex();
  const int day = cmbDay_->currentIndex();
  const int favourite = cmbTeams_->currentIndex() - 1;
  std::string text;
  if (chkExportTable_->isChecked()) text += BuildTableHtml(source, league, day, favourite);
  if (chkExportDay_->isChecked()) text += BuildMatchDayHtml(source, league, day, favourite);
  return text;
}

QString FrmHtml::MendDoubledExtension(const QString& fileName) {
  if (fileName.endsWith(".html.html")) return fileName.chopped(5);
  if (fileName.endsWith(".txt.txt") || fileName.endsWith(".htm.htm")) return fileName.chopped(4);
  return fileName;
}

void FrmHtml::cmdGenerate_Click() {
  const std::string text = Fragments();
  clsCommonDialog dialog(&messages_);
  dialog.Filter = kFilter;
  dialog.Filename.clear();
  if (!dialog.ShowSave()) return;
  const QString fileName = MendDoubledExtension(dialog.Filename);
  // The text in UTF-8 followed by one CR LF; the old file stays whole when it cannot be written.
  if (!WriteFileWhole(ToUtf8(fileName), text + "\r\n")) {
    messages_.Show(MessageKind::kWarning,
                   "Die Datei \"" + fileName +
                       "\" konnte nicht geschrieben werden. Es wurde nichts exportiert.");
    return;
  }
  messages_.Show(MessageKind::kInformation,
                 "Daten erfolgreich nach \"" + fileName + "\" exportiert.");
  // A favourite that cannot be stored is told by the main window once this one closes.
  [[maybe_unused]] const Outcome<void> favourite =
      SaveSettingValue(kSectionHtml, FavouriteTeamKey(cmbLiga_->currentIndex()),
                       std::to_string(cmbTeams_->currentIndex() - 1));
  accept();
}

void FrmHtml::cmdCancel_Click() { reject(); }

}  // namespace zak::ui
