#include "frm_export.h"

#include <QCoreApplication>
#include <QDir>

#include "service/data_file.h"
#include "settings/file_helpers.h"
#include "ui/components/cls_common_dialog.h"
#include "ui/components/escape_closes.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {
namespace {

constexpr const char* kFilter = "ZAK-Daten Datei (*.zak)|*.zak|Alle Dateien (*.*)|*.*";

}  // namespace

FrmExport::FrmExport(const ServiceContext& context, StatusSink& statusBar,
                     std::function<void()> refreshMain, QWidget* owner)
    : QDialog(owner),
      context_{context.data, context.gateway, messages_, context.today},
      statusBar_(statusBar),
      refreshMain_(std::move(refreshMain)),
      owner_(owner) {
  setModal(true);
  CreateControls();
}

// Two stacked frames, each with its path field, a small "..." button to its right and the
// action button below; "Schließen" under both. Created from top to bottom, the tab order.
void FrmExport::CreateControls() {
  SetWindowFrame(this, {"frmExport", 5655, 3780, 8});
  Frame2_ = PlaceControl<QGroupBox>(this, "Frame2", 120, 120, 5415, 1470, "Dateiexport");
  CreatePathControls(Frame2_, kExport);
  cmdExportFile_ = PlaceControl<QPushButton>(Frame2_, "cmdExportFile", 3000, 900, 2295, 375,
                                             "In Datei exportieren");
  Frame1_ = PlaceControl<QGroupBox>(this, "Frame1", 120, 1710, 5415, 1470, "Dateiimport");
  CreatePathControls(Frame1_, kImport);
  lblFileExists_ =
      PlaceControl<QLabel>(Frame1_, "lblFileExists", 240, 960, 2640, 255, "Datei existiert nicht");
  cmdImportFile_ = PlaceControl<QPushButton>(Frame1_, "cmdImportFile", 3000, 900, 2295, 375,
                                             "Von Datei importieren");
  cmdClose_ = PlaceControl<QPushButton>(this, "cmdClose", 4200, 3300, 1335, 375, "Schließen");
  cmdExportFile_->setEnabled(false);
  cmdImportFile_->setEnabled(false);
  lblFileExists_->setVisible(false);
  connect(cmdExportFile_, &QPushButton::clicked, this, [this] { cmdExportFile_Click(); });
  connect(cmdImportFile_, &QPushButton::clicked, this, [this] { cmdImportFile_Click(); });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  CloseOnEscape(this, [this] {
    int key = 27;
    Form_KeyPress(key);
  });
}

void FrmExport::CreatePathControls(QGroupBox* frame, int index) {
  txtFile_[index] =
      PlaceControl<QLineEdit>(frame, QString("txtFile_%1").arg(index), 240, 360, 4560, 315);
  cmdBrowseForFile_[index] = PlaceControl<QPushButton>(
      frame, QString("cmdBrowseForFile_%1").arg(index), 4920, 345, 375, 345, "...");
  // Readers hear which file the box and its "..." button are for.
  const QString file = index == kExport ? "Exportdatei" : "Importdatei";
  txtFile_[index]->setAccessibleName(file);
  cmdBrowseForFile_[index]->setAccessibleName(file + " wählen");
  connect(txtFile_[index], &QLineEdit::textChanged, this, [this, index] { txtFile_Change(index); });
  connect(cmdBrowseForFile_[index], &QPushButton::clicked, this,
          [this, index] { cmdBrowseForFile_Click(index); });
}

void FrmExport::Form_Load() {
  setWindowTitle(WindowCaption("Datei Im-/Export"));
  CentreOver(this, owner_);
}

// Import: the path must name a file (a folder is none). Export: the path must name something
// below a folder, which on this platform means a "/" and more than three characters.
void FrmExport::txtFile_Change(int index) {
  const QString text = txtFile_[index]->text();
  if (index == kImport) {
    const bool exists = FileExists(ToUtf8(text));
    lblFileExists_->setVisible(!text.isEmpty() && !exists);
    cmdImportFile_->setEnabled(exists);
  } else {
    cmdExportFile_->setEnabled(text.contains('/') && text.size() > 3);
  }
}

void FrmExport::cmdBrowseForFile_Click(int index) {
  clsCommonDialog dialog(&messages_);
  dialog.Filter = kFilter;
  const QString programFolder = QCoreApplication::applicationDirPath();
  const bool confirmed =
      index == kExport ? dialog.ShowSave(programFolder) : dialog.ShowOpen(programFolder);
  if (confirmed && !dialog.Filename.isEmpty()) txtFile_[index]->setText(dialog.Filename);
}

void FrmExport::cmdExportFile_Click() {
  const std::string path = ToUtf8(txtFile_[kExport]->text());
  const std::string folder = GetFolderOfPath(path);
  if (!IsFolderWritable(folder)) {
    const QString question =
        "Der Pfad \"" + ToQString(folder) + "\" existiert nicht. Soll dieser angelegt werden?";
    if (!messages_.AskYesNo(question)) return;
    QDir().mkpath(ToQString(folder));
  }
  // The export tells its outcome; the window stays open either way.
  [[maybe_unused]] const Outcome<void> exported = ExportDataFile(path, messages_);
}

void FrmExport::cmdImportFile_Click() {
  // The import tells its outcome; the window stays open either way.
  [[maybe_unused]] const Outcome<void> imported =
      ImportDataFile(context_, statusBar_, ToUtf8(txtFile_[kImport]->text()), refreshMain_);
}

void FrmExport::cmdClose_Click() { close(); }

void FrmExport::Form_KeyPress(int& key) {
  if (key == 27) cmdClose_Click();
}

}  // namespace zak::ui
