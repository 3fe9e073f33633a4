#include "frm_history.h"

#include "core/program_update.h"
#include "core/protocol.h"
#include "core/version_history.h"
#include "service/data_service.h"
#include "ui/components/escape_closes.h"
#include "ui/components/qt_text.h"
#include "ui/components/twips.h"
#include "ui/components/window_frame.h"
#include "ui/components/window_placement.h"
#include "ui/components/window_title.h"

namespace zak::ui {

FrmHistory::FrmHistory(HttpGateway& gateway, MessageBoxHelper& messages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      gateway_(gateway),
      messages_(messages, this),
      owner_(owner) {
  SetWindowFrame(this, {"frmHistory", 5415, 4155, 8.25});
  Text1_ = PlaceControl<QPlainTextEdit>(this, "Text1", 0, 0, 5415, 4140);
  Text1_->setReadOnly(true);
  Text1_->setAccessibleName("Versionshistorie");
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  CloseOnEscape(this);
}

void FrmHistory::Form_Load() {
  setWindowTitle(WindowCaption("Historie"));
  CentreOver(this, owner_);
  if (!gateway_.IsInternetConnected()) {
    SetText1(ToQString(kBuiltInHistory));
    return;
  }
  const std::string answer = GetVersionListText(gateway_);
  if (answer == kConnectionFailedText) {
    SetText1(ToQString(kBuiltInHistory));
    messages_.Show(MessageKind::kWarning, ToQString(kNoConnectionMessage));
    return;
  }
  SetText1(ToQString(HistoryForDisplay(answer)));
}

// A text box shows CR LF as a line end, and CR CR LF as one too; a CR of its own shows nothing.
void FrmHistory::SetText1(const QString& text) {
  text1_ = text;
  QString shown = text;
  shown.remove(QChar('\r'));
  Text1_->setPlainText(shown);
}

}  // namespace zak::ui
