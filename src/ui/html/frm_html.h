// The HTML export window: league, match day, favourite club and which fragments to write, then
// a file name; the fragments go into that file in UTF-8.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/match_data.h"
#include "core/program_data.h"
#include "ui/components/message_box.h"

namespace zak::ui {

class FrmHtml : public QDialog {
 public:
  // The league on screen and the day index selected in the main window's day list (0-based)
  // preset the choices; `today` decides a league's current match day; pictures and links of the
  // fragments point to `serverHost`, the data service's host. `owner` is the window it centres
  // over; it may be null.
  FrmHtml(const ProgramData& data, int currentLeague, int shownDayIndex, Date today,
          std::string serverHost, QWidget* owner);

  void Form_Load();
  void cmbLiga_Click();
  void chkExportDay_Click();
  void chkExportTable_Click();
  void cmdGenerate_Click();
  void cmdCancel_Click();
  void FillDayList(int league);

  // A chosen file name without a doubled extension: ".html.html", ".htm.htm", ".txt.txt".
  static QString MendDoubledExtension(const QString& fileName);

  MessageBoxHelper& messages() { return messages_; }

 private:
  void CreateControls();
  void EnableGenerate();
  // The fragments the boxes ask for, for the chosen league, day and favourite.
  std::string Fragments() const;

  const ProgramData& data_;
  const int currentLeague_;
  const int shownDayIndex_;
  const Date today_;
  const std::string serverHost_;
  QWidget* owner_;
  MessageBoxHelper messages_{this};
  QGroupBox* Frame1_ = nullptr;
  QComboBox* cmbDay_ = nullptr;
  QComboBox* cmbLiga_ = nullptr;
  QCheckBox* chkExportTable_ = nullptr;
  QCheckBox* chkExportDay_ = nullptr;
  QLabel* Label1_ = nullptr;
  QComboBox* cmbTeams_ = nullptr;
  QPushButton* cmdGenerate_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace zak::ui
