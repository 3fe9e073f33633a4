// The settings window: proxy, start-up behaviour and the server time-out. Its load step is also
// the program's settings loader: start-up loads it unseen, which reads every option from the
// store into the program's values and writes them straight back.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/program_data.h"
#include "settings/options.h"

namespace zak::ui {

class FrmOptions : public QDialog {
 public:
  // The grey of disabled proxy boxes, &HC8D0D4.
  static inline const QColor kDisabledBack{212, 208, 200};

  // `owner` is the window it centres over (the main window); it may be null.
  FrmOptions(ProgramData& data, QWidget* owner);

  // Caption, centring, and the load step: options from the store into the program's values
  // and into the controls, then saved back.
  void Form_Load();

  void chkUsingProxy_Click();
  void Command1_Click();
  void Command2_Click();
  // Stores the controls' values and takes them over into the program's values.
  void SaveOptions();

  // The controls' content as values.
  OptionsForm FormFromControls() const;

 private:
  void CreateControls();
  void ShowForm(const OptionsForm& form);

  ProgramData& data_;
  QWidget* owner_;
  QGroupBox* Frame1_ = nullptr;
  QGroupBox* Frame2_ = nullptr;
  QGroupBox* Frame3_ = nullptr;
  QCheckBox* chkUsingProxy_ = nullptr;
  QLineEdit* txtProxyServer_ = nullptr;
  QLineEdit* txtProxyPort_ = nullptr;
  QLineEdit* txtProxyUser_ = nullptr;
  QLineEdit* txtProxyPassword_ = nullptr;
  QCheckBox* chkAutoDownload_ = nullptr;
  QCheckBox* chkAutoUpdate_ = nullptr;
  QLabel* Label1_ = nullptr;
  QComboBox* cmbServerTimeout_ = nullptr;
  QPushButton* Command1_ = nullptr;
  QPushButton* Command2_ = nullptr;
};

}  // namespace zak::ui
