// The about window: product, version and release date, the maker's notice and name, the ways to
// donate and the program's home page. The maker's name, the donation button and the home page
// are links handed to the desktop opener.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>
#include <string>

#include "ui/components/desktop_opener.h"

namespace zak::ui {

class FrmInfo : public QDialog {
 public:
  // `owner` is the window it centres over (the main window); it may be null. `serverHost` is
  // the data service's host, which also serves the maker's home page.
  FrmInfo(DesktopOpener& opener, std::string serverHost, QWidget* owner);

  // Caption, centring, and the texts set at load.
  void Form_Load();

  void Label15_Click();
  void Picture1_Click();
  void Label17_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateDonationControls();

  DesktopOpener& opener_;
  std::string serverHost_;
  QWidget* owner_;

  QLabel* Image1_ = nullptr;
  std::array<QLabel*, 2> Label1_{};
  QLabel* Label15_ = nullptr;
  std::array<QLabel*, 3> Label3_{};
  QLabel* Label2_ = nullptr;
  QLabel* Picture1_ = nullptr;
  std::array<QLabel*, 2> Label4_{};
  std::array<QLabel*, 3> Label5_{};
  QLabel* Label17_ = nullptr;
};

}  // namespace zak::ui
