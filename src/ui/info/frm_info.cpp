#include "frm_info.h"

#include <QEvent>
#include <QMouseEvent>
#include <algorithm>

#include "core/maker.h"
#include "ui/components/escape_closes.h"
#include "ui/components/fonts.h"
#include "ui/components/palette.h"
#include "ui/components/pictures.h"
#include "ui/components/qt_text.h"
#include "ui/components/reader_tree.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {
namespace {

const QColor kLinkBlue{0, 0, 255};

// A label on the background picture: transparent, plain text, top left.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height, const QFont& font) {
  auto* label = PlaceControl<QLabel>(parent, name, left, top, width, height, text);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(font);
  return label;
}

// The designed sizes were measured in narrower fonts and for shorter texts than this build may
// carry: a label grows to show its text whole, a single line to the right up to `rightTwips`, a
// wrapped text downwards up to `bottomTwips`.
void GrowToText(QLabel* label, int rightTwips, int bottomTwips) {
  const QFontMetrics metrics = label->fontMetrics();
  if (label->wordWrap()) {
    const int needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text())
            .height();
    const int room = Twips(bottomTwips) - label->y();
    if (needed > label->height()) label->resize(label->width(), std::min(needed, room));
  } else {
    const int needed = metrics.boundingRect(label->text()).width() + 1;
    const int room = Twips(rightTwips) - label->x();
    if (needed > label->width()) label->resize(std::min(needed, room), label->height());
  }
}

void MakeLink(QLabel* label, const QString& tip) {
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(tip);
}

}  // namespace

FrmInfo::FrmInfo(DesktopOpener& opener, std::string serverHost, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      opener_(opener),
      serverHost_(std::move(serverHost)),
      owner_(owner) {
  CreateControls();
}

void FrmInfo::CreateControls() {
  SetWindowFrame(this, {"frmInfo", 5175, 6720, 8.25});
  Image1_ = PlaceControl<QLabel>(this, "Image1", 0, 0, 5280, 6735);
  Image1_->setPixmap(RenderPicture(kInfoBackground, Image1_->width(), Image1_->height()));
  Image1_->setScaledContents(true);
  HideFromReaders(Image1_);  // the background

  Label1_[0] = MakeLabel(this, "Label1_0", "", 360, 480, 2790, 240, SansFont(9.75, true));
  Label1_[1] = MakeLabel(this, "Label1_1", "", 360, 1080, 2415, 255, SansFont(9.75));
  Label15_ = MakeLabel(this, "Label15", "", 360, 1440, 1680, 240, SansFont(8.25));
  SetForeColour(Label15_, kLinkBlue);
  MakeLink(Label15_, "Mail an " + ToQString(kMakerName) + " (" + ToQString(kContactAddress) + ")");
  Label3_[1] = MakeLabel(this, "Label3_1", "", 360, 2160, 4575, 855, SansFont(8.25));
  CreateDonationControls();
  Label4_[1] =
      MakeLabel(this, "Label4_1", "Info-Seite und Updates:", 360, 6360, 1680, 195, SansFont(8.25));
  GrowToText(Label4_[1], 2400 - 60, 0);
  Label17_ = MakeLabel(this, "Label17", "", 2400, 6360, 1305, 195, SansFont(8.25));
  SetForeColour(Label17_, kLinkBlue);
  MakeLink(Label17_, "");
  for (QLabel* link : {Label15_, Picture1_, Label17_}) link->installEventFilter(this);
  MakeReaderCommand(Label15_, CommandKind::kLink, Label15_->toolTip());
  MakeReaderCommand(Picture1_, CommandKind::kButton, "Spenden per PayPal");
  MakeReaderCommand(Label17_, CommandKind::kLink, "ZAK Homepage öffnen");
  CloseOnEscape(this);
}

void FrmInfo::CreateDonationControls() {
  Label3_[0] = MakeLabel(this, "Label3_0",
                         "Wenn Sie für dieses Programm eine Spende abgeben möchten, stehen ihnen "
                         "folgende Möglichkeiten zur Verfügung:",
                         360, 3240, 4575, 495, SansFont(8.25));
  Label2_ = MakeLabel(this, "Label2", "per PayPal:", 480, 3960, 1455, 255, SansFont(8.25));
  Picture1_ = PlaceControl<QLabel>(this, "Picture1", 2760, 3840, 1200, 465);
  Picture1_->setPixmap(RenderPicture(kDonationButton, Picture1_->width(), Picture1_->height()));
  Picture1_->setFocusPolicy(Qt::StrongFocus);
  MakeLink(Picture1_, "Hier klicken, um zu spenden.");
  Label4_[0] =
      MakeLabel(this, "Label4_0", "per Banküberweisung:", 480, 4800, 1815, 255, SansFont(8.25));
  const QFont bold = SansFont(8.25, true);
  Label5_[0] = MakeLabel(this, "Label5_0", ToQString(kBankName), 2400, 4560, 2415, 255, bold);
  Label5_[1] =
      MakeLabel(this, "Label5_1", "BLZ: " + ToQString(kBankCode), 2400, 4800, 2295, 255, bold);
  Label5_[2] = MakeLabel(this, "Label5_2", "Konto-Nr.: " + ToQString(kAccountNumber), 2400, 5040,
                         2295, 255, bold);
  Label3_[2] = MakeLabel(this, "Label3_2",
                         "Durch Ihre Spende geben Sie dem Programmierer die Möglich- keit, das "
                         "Programm kontinuierlich weiterzuentwickeln und auf dem neuesten Stand zu "
                         "halten. Vielen Dank für Ihr Verständnis!",
                         360, 5520, 4575, 735, SansFont(8.25));
  for (QLabel* text : {Label3_[0], Label3_[1], Label3_[2]}) text->setWordWrap(true);
  // Down to the home page line below it.
  GrowToText(Label3_[2], 0, 6360);
}

void FrmInfo::Form_Load() {
  setWindowTitle(WindowCaption("Info"));
  CentreOver(this, owner_);
  Label1_[0]->setText(ToQString(kProductName) + " Version " + ToQString(kProgramVersion) +
                      "   -   " + ToQString(kReleaseDate));
  Label1_[1]->setText(ToQString(kCopyrightNotice));
  Label15_->setText(ToQString(kMakerName));
  Label17_->setText(ToQString(HomePage(serverHost_)));
  for (QLabel* label : {Label1_[0], Label1_[1], Label15_, Label17_}) {
    GrowToText(label, 5175 - 120, 0);
  }
}

void FrmInfo::Label15_Click() { opener_.Open("mailto:" + ToQString(kContactAddress)); }

void FrmInfo::Picture1_Click() { opener_.Open(ToQString(kDonationPage)); }

void FrmInfo::Label17_Click() { opener_.Open(ToQString(HomePage(serverHost_))); }

// Clicks on the links.
bool FrmInfo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Label15_) Label15_Click();
    if (watched == Picture1_) Picture1_Click();
    if (watched == Label17_) Label17_Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zak::ui
