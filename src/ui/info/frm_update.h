// The update window: the installed version against the newest one the data service names, one
// of four status texts, the download address handed to the browser, and the version history.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "core/program_update.h"
#include "service/http_gateway.h"
#include "ui/components/desktop_opener.h"
#include "ui/components/message_box.h"

namespace zak::ui {

class FrmUpdate : public QDialog {
 public:
  // `owner` is the window it centres over (the main window); it may be null.
  FrmUpdate(HttpGateway& gateway, MessageBoxHelper& messages, DesktopOpener& opener,
            QWidget* owner);

  // Caption, centring, and the check: one request for the newest version, then the state.
  void Form_Load();

  void cmdDownload_Click();
  void cmdShowHistory_Click();
  void cmdClose_Click() { close(); }

  UpdateState State() const { return state_; }

 private:
  void CreateControls();
  void ShowState(UpdateState state);

  HttpGateway& gateway_;
  MessageBoxHelper messages_;  // over this window, answered as the owner's
  DesktopOpener& opener_;
  QWidget* owner_;
  UpdateState state_ = UpdateState::kNoConnection;

  QLabel* Label1_ = nullptr;
  QLabel* Label3_ = nullptr;
  std::array<QLabel*, 2> lblVersions_{};
  std::array<QLabel*, 4> Label2_{};
  QPushButton* cmdShowHistory_ = nullptr;
  QPushButton* cmdDownload_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

}  // namespace zak::ui
