#include "frm_options.h"

#include "ui/components/escape_closes.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/text_box_focus.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {
namespace {

QLabel* MakeCaption(QWidget* parent, const char* name, const char* text, int left, int top,
                    int width) {
  auto* label = PlaceControl<QLabel>(parent, name, left, top, width, 255, QString::fromUtf8(text));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

FrmOptions::FrmOptions(ProgramData& data, QWidget* owner)
    : QDialog(owner), data_(data), owner_(owner) {
  setModal(true);
  CreateControls();
}

void FrmOptions::CreateControls() {
  SetWindowFrame(this, {"frmOptions", 5595, 5280, 8});
  Frame1_ = PlaceControl<QGroupBox>(this, "Frame1", 120, 120, 5355, 2055, "Proxyeinstellungen");
  chkUsingProxy_ = PlaceControl<QCheckBox>(Frame1_, "chkUsingProxy", 240, 300, 4800, 255,
                                           "Proxyserver verwenden");
  QLabel* address = MakeCaption(Frame1_, "Label2", "Adresse:", 240, 720, 900);
  txtProxyServer_ = PlaceControl<QLineEdit>(Frame1_, "txtProxyServer", 1200, 690, 2700, 285);
  QLabel* port = MakeCaption(Frame1_, "Label3", "Port:", 4020, 720, 450);
  txtProxyPort_ = PlaceControl<QLineEdit>(Frame1_, "txtProxyPort", 4500, 690, 720, 285);
  QLabel* user = MakeCaption(Frame1_, "Label4", "User:", 240, 1140, 900);
  txtProxyUser_ = PlaceControl<QLineEdit>(Frame1_, "txtProxyUser", 1200, 1110, 2700, 285);
  QLabel* password = MakeCaption(Frame1_, "Label5", "Passwort:", 240, 1560, 900);
  txtProxyPassword_ = PlaceControl<QLineEdit>(Frame1_, "txtProxyPassword", 1200, 1530, 2700, 285);
  // Each caption names its box for screen readers.
  address->setBuddy(txtProxyServer_);
  port->setBuddy(txtProxyPort_);
  user->setBuddy(txtProxyUser_);
  password->setBuddy(txtProxyPassword_);
  txtProxyPassword_->setEchoMode(QLineEdit::Password);
  txtProxyPassword_->setStyleSheet("QLineEdit { lineedit-password-character: 35; }");
  for (QLineEdit* box : {txtProxyServer_, txtProxyPort_, txtProxyUser_, txtProxyPassword_}) {
    SelectAllOnFocus(box);
    box->setAutoFillBackground(true);
  }

  Frame2_ = PlaceControl<QGroupBox>(this, "Frame2", 120, 2280, 5355, 1035, "Programmstart");
  chkAutoDownload_ = PlaceControl<QCheckBox>(Frame2_, "chkAutoDownload", 240, 300, 4995, 255,
                                             "Daten automatisch aus dem Internet herunterladen");
  chkAutoUpdate_ = PlaceControl<QCheckBox>(Frame2_, "chkAutoUpdate", 240, 660, 4995, 255,
                                           "Automatisch auf Updates prüfen");

  Frame3_ = PlaceControl<QGroupBox>(this, "Frame3", 120, 3420, 5355, 1155, "Servereinstellungen");
  Label1_ = MakeCaption(Frame3_, "Label1",
                        "Maximale Zeit, die auf den Server gewartet werden soll (Timeout):", 240,
                        300, 4995);
  Label1_->setWordWrap(true);
  cmbServerTimeout_ = PlaceControl<QComboBox>(Frame3_, "cmbServerTimeout", 240, 660, 2000, 315);
  Label1_->setBuddy(cmbServerTimeout_);
  for (int i = 0; i < OptionsForm::kTimeoutEntries; ++i) {
    cmbServerTimeout_->addItem(ToQString(TimeoutEntryText(i)), TimeoutSeconds(i));
  }

  Command1_ = PlaceControl<QPushButton>(this, "Command1", 2760, 4740, 1215, 375, "OK");
  Command1_->setDefault(true);
  Command2_ = PlaceControl<QPushButton>(this, "Command2", 4140, 4740, 1335, 375, "Abbrechen");

  connect(chkUsingProxy_, &QCheckBox::stateChanged, this, [this] { chkUsingProxy_Click(); });
  connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
  chkUsingProxy_Click();
  // Esc leaves without saving.
  CloseOnEscape(this, [this] { Command2_Click(); });
}

void FrmOptions::Form_Load() {
  setWindowTitle(WindowCaption("Einstellungen"));
  CentreOver(this, owner_);
  ShowForm(LoadOptions(data_));
}

void FrmOptions::ShowForm(const OptionsForm& form) {
  chkUsingProxy_->setChecked(form.UsingProxy);
  chkUsingProxy_Click();
  chkAutoDownload_->setChecked(form.AutoDownload);
  chkAutoUpdate_->setChecked(form.AutoUpdate);
  txtProxyServer_->setText(ToQString(form.ProxyServer));
  txtProxyPort_->setText(ToQString(form.ProxyPort));
  txtProxyUser_->setText(ToQString(form.ProxyUser));
  txtProxyPassword_->setText(ToQString(form.ProxyPassword));
  cmbServerTimeout_->setCurrentIndex(form.ServerTimeoutIndex);
}

OptionsForm FrmOptions::FormFromControls() const {
  OptionsForm form;
  form.UsingProxy = chkUsingProxy_->isChecked();
  form.AutoDownload = chkAutoDownload_->isChecked();
  form.AutoUpdate = chkAutoUpdate_->isChecked();
  form.ProxyServer = ToUtf8(txtProxyServer_->text());
  form.ProxyPort = ToUtf8(txtProxyPort_->text());
  form.ProxyUser = ToUtf8(txtProxyUser_->text());
  form.ProxyPassword = ToUtf8(txtProxyPassword_->text());
  form.ServerTimeoutIndex = cmbServerTimeout_->currentIndex();
  return form;
}

void FrmOptions::chkUsingProxy_Click() {
  const bool enabled = chkUsingProxy_->isChecked();
  for (QLineEdit* box : {txtProxyServer_, txtProxyPort_, txtProxyUser_, txtProxyPassword_}) {
    box->setEnabled(enabled);
    SetBoxColour(box, enabled ? QColor(255, 255, 255) : kDisabledBack);
  }
}

// Options that cannot be stored hold for this run; the main window tells the failure once this
// window closes.
void FrmOptions::SaveOptions() {
  [[maybe_unused]] const Outcome<void> saved = zak::SaveOptions(FormFromControls(), data_);
}

void FrmOptions::Command1_Click() {
  SaveOptions();
  accept();
}

void FrmOptions::Command2_Click() { reject(); }

}  // namespace zak::ui
