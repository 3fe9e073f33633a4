// The data file window: an export group and an import group, each with a path field and a
// browse button; the buttons that start the operation are enabled only while the path looks
// usable. It moves paths between its controls and the data file routines.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "core/reporting.h"
#include "service/data_service.h"
#include "ui/components/message_box.h"

namespace zak::ui {

class FrmExport : public QDialog {
 public:
  // Array indexes of txtFile and cmdBrowseForFile.
  static constexpr int kImport = 0;
  static constexpr int kExport = 1;

  // `context` gives the program's data, gateway and clock (its messages are replaced by this
  // window's); `statusBar` is the main window's, which shows the leagues' reloading after an
  // import; `refreshMain` lets the main window show its league again. `owner` is the window it
  // centres over; it may be null.
  FrmExport(const ServiceContext& context, StatusSink& statusBar, std::function<void()> refreshMain,
            QWidget* owner);

  // Caption and centring.
  void Form_Load();

  void txtFile_Change(int index);
  void cmdBrowseForFile_Click(int index);
  void cmdExportFile_Click();
  void cmdImportFile_Click();
  void cmdClose_Click();
  // Esc (27) closes the window; every other key is left alone.
  void Form_KeyPress(int& key);

  MessageBoxHelper& messages() { return messages_; }

 private:
  void CreateControls();
  // txtFile(index) and cmdBrowseForFile(index) in their frame.
  void CreatePathControls(QGroupBox* frame, int index);

  MessageBoxHelper messages_{this};
  ServiceContext context_;
  StatusSink& statusBar_;
  std::function<void()> refreshMain_;
  QWidget* owner_;
  QGroupBox* Frame1_ = nullptr;
  QGroupBox* Frame2_ = nullptr;
  std::array<QLineEdit*, 2> txtFile_{};
  std::array<QPushButton*, 2> cmdBrowseForFile_{};
  QPushButton* cmdExportFile_ = nullptr;
  QPushButton* cmdImportFile_ = nullptr;
  QLabel* lblFileExists_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

}  // namespace zak::ui
