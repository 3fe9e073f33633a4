#include "frm_options.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

#include "ui/components/twips.h"
#include "ui/main/frm_main.h"

namespace zak::ui {
namespace {

QLabel* MakeCaption(QWidget* parent, const char* name, const char* text, int left, int top,
                    int width) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  PlaceTwips(label, left, top, width, 255);
  return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, int left, int top, int width) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  PlaceTwips(box, left, top, width, 285);
  return box;
}

QString Qt8(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

FrmOptions::FrmOptions(ProgramData& data, QWidget* owner)
    : QDialog(owner), data_(data), owner_(owner) {
  setObjectName("frmOptions");
  setModal(true);
  CreateControls();
}

void FrmOptions::CreateControls() {
  setFixedSize(Twips(5595), Twips(5280));
  Frame1_ = new QGroupBox("Proxyeinstellungen", this);
  Frame1_->setObjectName("Frame1");
  PlaceTwips(Frame1_, 120, 120, 5355, 2055);
  chkUsingProxy_ = new QCheckBox("Proxyserver verwenden", Frame1_);
  chkUsingProxy_->setObjectName("chkUsingProxy");
  PlaceTwips(chkUsingProxy_, 240, 300, 4800, 255);
  MakeCaption(Frame1_, "Label2", "Adresse:", 240, 720, 900);
  txtProxyServer_ = MakeBox(Frame1_, "txtProxyServer", 1200, 690, 2700);
  MakeCaption(Frame1_, "Label3", "Port:", 4020, 720, 450);
  txtProxyPort_ = MakeBox(Frame1_, "txtProxyPort", 4500, 690, 720);
  MakeCaption(Frame1_, "Label4", "User:", 240, 1140, 900);
  txtProxyUser_ = MakeBox(Frame1_, "txtProxyUser", 1200, 1110, 2700);
  MakeCaption(Frame1_, "Label5", "Passwort:", 240, 1560, 900);
  txtProxyPassword_ = MakeBox(Frame1_, "txtProxyPassword", 1200, 1530, 2700);
  txtProxyPassword_->setEchoMode(QLineEdit::Password);
  txtProxyPassword_->setStyleSheet("QLineEdit { lineedit-password-character: 35; }");
  for (QLineEdit* box : {txtProxyServer_, txtProxyPort_, txtProxyUser_, txtProxyPassword_}) {
    box->installEventFilter(this);
    box->setAutoFillBackground(true);
  }

  Frame2_ = new QGroupBox("Programmstart", this);
  Frame2_->setObjectName("Frame2");
  PlaceTwips(Frame2_, 120, 2280, 5355, 1035);
  chkAutoDownload_ = new QCheckBox("Daten automatisch aus dem Internet herunterladen", Frame2_);
  chkAutoDownload_->setObjectName("chkAutoDownload");
  PlaceTwips(chkAutoDownload_, 240, 300, 4995, 255);
  chkAutoUpdate_ = new QCheckBox("Automatisch auf Updates prüfen", Frame2_);
  chkAutoUpdate_->setObjectName("chkAutoUpdate");
  PlaceTwips(chkAutoUpdate_, 240, 660, 4995, 255);

  Frame3_ = new QGroupBox("Servereinstellungen", this);
  Frame3_->setObjectName("Frame3");
  PlaceTwips(Frame3_, 120, 3420, 5355, 1155);
  Label1_ = MakeCaption(Frame3_, "Label1",
                        "Maximale Zeit, die auf den Server gewartet werden soll (Timeout):", 240,
                        300, 4995);
  cmbServerTimeout_ = new QComboBox(Frame3_);
  cmbServerTimeout_->setObjectName("cmbServerTimeout");
  PlaceTwips(cmbServerTimeout_, 240, 660, 2000, 315);
  for (int i = 0; i < OptionsForm::kTimeoutEntries; ++i) {
    cmbServerTimeout_->addItem(Qt8(TimeoutEntryText(i)), TimeoutSeconds(i));
  }

  Command1_ = new QPushButton("OK", this);
  Command1_->setObjectName("Command1");
  PlaceTwips(Command1_, 2760, 4740, 1215, 375);
  Command1_->setDefault(true);
  Command2_ = new QPushButton("Abbrechen", this);
  Command2_->setObjectName("Command2");
  PlaceTwips(Command2_, 4140, 4740, 1335, 375);

  connect(chkUsingProxy_, &QCheckBox::stateChanged, this, [this] { chkUsingProxy_Click(); });
  connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
  chkUsingProxy_Click();
}

void FrmOptions::Form_Load() {
  setWindowTitle("Einstellungen  -  " + FrmMain::WindowCaption());
  if (owner_ != nullptr) {
    const QRect outer = owner_->geometry();
    move(outer.left() + (outer.width() - width()) / 2,
         outer.top() + (outer.height() - height()) / 2);
  }
  ShowForm(LoadOptions(data_));
}

void FrmOptions::ShowForm(const OptionsForm& form) {
  chkUsingProxy_->setChecked(form.UsingProxy);
  chkUsingProxy_Click();
  chkAutoDownload_->setChecked(form.AutoDownload);
  chkAutoUpdate_->setChecked(form.AutoUpdate);
  txtProxyServer_->setText(Qt8(form.ProxyServer));
  txtProxyPort_->setText(Qt8(form.ProxyPort));
  txtProxyUser_->setText(Qt8(form.ProxyUser));
  txtProxyPassword_->setText(Qt8(form.ProxyPassword));
  cmbServerTimeout_->setCurrentIndex(form.ServerTimeoutIndex);
}

OptionsForm FrmOptions::FormFromControls() const {
  OptionsForm form;
  form.UsingProxy = chkUsingProxy_->isChecked();
  form.AutoDownload = chkAutoDownload_->isChecked();
  form.AutoUpdate = chkAutoUpdate_->isChecked();
  form.ProxyServer = Std(txtProxyServer_->text());
  form.ProxyPort = Std(txtProxyPort_->text());
  form.ProxyUser = Std(txtProxyUser_->text());
  form.ProxyPassword = Std(txtProxyPassword_->text());
  form.ServerTimeoutIndex = cmbServerTimeout_->currentIndex();
  return form;
}

void FrmOptions::chkUsingProxy_Click() {
  const bool enabled = chkUsingProxy_->isChecked();
  for (QLineEdit* box : {txtProxyServer_, txtProxyPort_, txtProxyUser_, txtProxyPassword_}) {
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    const QColor back = enabled ? QColor(255, 255, 255) : kDisabledBack;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, QPalette::Base, back);
    }
    box->setPalette(palette);
  }
}

void FrmOptions::SaveOptions() { zak::SaveOptions(FormFromControls(), data_); }

void FrmOptions::Command1_Click() {
  SaveOptions();
  accept();
}

void FrmOptions::Command2_Click() { reject(); }

// The window sees keys before its controls: Esc closes it without saving.
void FrmOptions::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Command2_Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

// Entering a proxy box selects its whole text, however the focus came.
bool FrmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
      box->selectAll();
      QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zak::ui
