#include "frm_update.h"

#include <QPointer>

#include "core/maker.h"
#include "core/protocol.h"
#include "core/text_util.h"
#include "frm_history.h"
#include "service/data_service.h"
#include "ui/components/escape_closes.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {
namespace {

const QColor kFace{212, 208, 200};
const QColor kBlue{0, 0, 255};
const QColor kRed{255, 0, 0};
const QColor kGreen{0, 128, 0};

// The status texts, by the state they tell: place, height and colour.
struct StatusText {
  const char* text;
  int top;
  int height;
  QColor colour;
};
const StatusText kStatusTexts[4] = {
    {"Sie besitzen bereits die aktuellste Version.", 1200, 255, kGreen},
    {"Es gibt eine neuere Version von ZAK. Laden Sie sich die neueste Version jetzt herunter um "
     "immer auf dem aktuellsten Stand zu bleiben.",
     960, 615, kRed},
    {"Es konnte keine Verbindung zum Server hergestellt werden um die aktuellste Version des "
     "Programms zu prüfen.",
     960, 615, kRed},
    {"Sie besitzen eine vorläufige Testversion.", 960, 615, kGreen},
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height, bool bold) {
  auto* label = PlaceControl<QLabel>(parent, name, left, top, width, height, text);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(SansFont(8.25, bold));
  return label;
}

}  // namespace

FrmUpdate::FrmUpdate(HttpGateway& gateway, MessageBoxHelper& messages, DesktopOpener& opener,
                     QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      gateway_(gateway),
      messages_(messages, this),
      opener_(opener),
      owner_(owner) {
  CreateControls();
}

void FrmUpdate::CreateControls() {
  SetWindowFrame(this, {"frmUpdate", 4635, 2175, 8.25});
  SetBackColour(this, kFace);
  Label1_ = MakeLabel(this, "Label1", "Ihre aktuelle Version:", 240, 240, 1935, 255, false);
  lblVersions_[0] = MakeLabel(this, "lblVersions_0", "", 2400, 240, 1935, 255, true);
  Label3_ = MakeLabel(this, "Label3", "Neueste Version:", 240, 600, 1935, 255, false);
  lblVersions_[1] = MakeLabel(this, "lblVersions_1", "", 2400, 600, 1935, 255, true);
  for (QLabel* version : lblVersions_) SetForeColour(version, kBlue);
  for (int i = 0; i < 4; ++i) {
    const StatusText& status = kStatusTexts[i];
    Label2_[i] = MakeLabel(this, QString("Label2_%1").arg(i), QString::fromUtf8(status.text), 240,
                           status.top, 4215, status.height, true);
    Label2_[i]->setWordWrap(true);
    SetForeColour(Label2_[i], status.colour);
    Label2_[i]->hide();
  }
  cmdShowHistory_ =
      PlaceControl<QPushButton>(this, "cmdShowHistory", 240, 1680, 1455, 315, "Historie öffnen");
  cmdDownload_ =
      PlaceControl<QPushButton>(this, "cmdDownload", 1800, 1680, 1215, 315, "Herunterladen");
  cmdDownload_->setEnabled(false);
  cmdClose_ = PlaceControl<QPushButton>(this, "cmdClose", 3120, 1680, 1215, 315, "Schließen");
  cmdClose_->setDefault(true);
  connect(cmdShowHistory_, &QPushButton::clicked, this, [this] { cmdShowHistory_Click(); });
  connect(cmdDownload_, &QPushButton::clicked, this, [this] { cmdDownload_Click(); });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  CloseOnEscape(this);
}

void FrmUpdate::Form_Load() {
  setWindowTitle(WindowCaption("Update"));
  CentreOver(this, owner_);
  lblVersions_[0]->setText(ToQString(kProgramVersion));
  const std::string newest = ShownNewestVersion(GetLatestVersionText(gateway_));
  lblVersions_[1]->setText(ToQString(newest));
  ShowState(CompareVersionTexts(kProgramVersion, newest));
}

void FrmUpdate::ShowState(UpdateState state) {
  state_ = state;
  if (state == UpdateState::kNewerAvailable) {
    SetForeColour(lblVersions_[0], kRed);
    cmdDownload_->setEnabled(true);
    cmdClose_->setDefault(false);
    cmdDownload_->setDefault(true);
  }
  Label2_[static_cast<int>(state)]->show();
}

// The download address comes from the network: the opener hands on web addresses only.
void FrmUpdate::cmdDownload_Click() {
  const QPointer<FrmUpdate> alive(this);
  const std::string address = GetVersionInfoText(gateway_);
  if (alive.isNull()) return;  // closed while the request waited
  if (address == kConnectionFailedText) {
    messages_.Show(MessageKind::kWarning, ToQString(kNoConnectionMessage));
  } else if (Utf8Length(address) > 2) {
    opener_.Open(ToQString(address));
  }
}

void FrmUpdate::cmdShowHistory_Click() {
  FrmHistory history(gateway_, messages_, this);
  history.Form_Load();
  history.exec();
}

}  // namespace zak::ui
