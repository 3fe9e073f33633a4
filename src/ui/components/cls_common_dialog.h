// The open, save and print dialogs behind one small class: the caller sets the properties, calls
// ShowOpen, ShowSave or ShowPrinter and reads the results back from the same properties. An
// object serves one use and is discarded afterwards.
//
// A failure the platform reports is no exception: the Show call returns false, Error() holds the
// code and its text, and a message sink given to the constructor shows that text to the user.
// Tests answer the dialogs in advance with DialogAnswers.
#pragma once

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "core/reporting.h"

namespace zak::ui {

// A dialog failure: the platform's code and the text that belongs to it (empty for a code the
// table does not know). Code 0 means no failure.
struct CommonDialogError {
  int code = 0;
  QString description;
};

// The dialog as it would have opened, for a test to look at and fill in.
struct ShownDialog {
  QFileDialog* file = nullptr;    // open and save
  QPrintDialog* print = nullptr;  // printer: print->printer() is the printer being set up
};

// How a dialog was left.
struct DialogAnswer {
  bool confirmed = true;
  QString fileName;     // file dialogs: the path chosen
  int filterIndex = 0;  // file dialogs: 1-based filter chosen; 0 keeps the dialog's choice
  int errorCode = 0;    // not 0: the platform reports this failure instead

  static DialogAnswer Cancel() { return {false, {}, 0, 0}; }
  static DialogAnswer Confirm(QString fileName = {}, int filterIndex = 0) {
    return {true, std::move(fileName), filterIndex, 0};
  }
  static DialogAnswer Failure(int code) { return {true, {}, 0, code}; }
};

class clsCommonDialog {
 public:
  // Failures are shown through `messages` when given.
  explicit clsCommonDialog(MessageSink* messages = nullptr);
  ~clsCommonDialog();
  clsCommonDialog(const clsCommonDialog&) = delete;
  clsCommonDialog& operator=(const clsCommonDialog&) = delete;

  // True when the user confirmed; false when cancelled (with CancelError) or on a failure.
  bool ShowOpen(const QString& initialFolder = {});
  bool ShowSave(const QString& initialFolder = {});
  bool ShowPrinter();
  // 1 opens, 2 saves (both without initial folder), 5 chooses a printer; others do nothing.
  void Action(int action);

  const CommonDialogError& Error() const { return error_; }
  static QString ErrorDescription(int code);

  // The printer the program's print output goes to: after a confirmed ShowPrinter with
  // PrinterDefault set, the printer chosen there (a file included); the default one otherwise.
  QPrinter& Printer() { return *printer_; }

  // Properties, with their values after creation.
  QString Filename;
  QString FileTitle;
  // "description|pattern|description|pattern…"; several patterns of one entry are separated by ";"
  QString Filter;
  std::int16_t FilterIndex = 0;
  QString InitDir;
  QString DialogTitle;
  std::int32_t Flags = 0;
  std::int16_t MaxFileSize = 256;
  bool CancelError = true;
  std::int16_t Copies = 1;
  std::int16_t FromPage = 1;
  std::int16_t ToPage = 1;
  std::int16_t Min = 1;
  std::int16_t Max = 1;
  // The printer's name, at most kDeviceNameLength characters.
  QString DeviceName;
  std::int16_t Orientation = 0;  // 1 portrait, 2 landscape once a printer was chosen
  bool PrinterDefault = false;

  static constexpr int kDeviceNameLength = 32;

  using Answerer = std::function<DialogAnswer(const ShownDialog&)>;

 private:
  friend class DialogAnswers;
  static Answerer& InstalledAnswerer();

  bool ShowFile(bool save, const QString& initialFolder);
  bool Finish(bool confirmed, const DialogAnswer& answer);
  void ReadPrinterBack(const QPrinter& printer);
  void AppendSaveExtension(const QStringList& patterns);
  bool Fail(int code);

  MessageSink* messages_;
  std::unique_ptr<QPrinter> printer_;
  CommonDialogError error_;
};

// While one of these lives, every dialog of the process is handed to `answerer` instead of
// opening, and the answer stands for the user's.
class DialogAnswers {
 public:
  explicit DialogAnswers(clsCommonDialog::Answerer answerer);
  ~DialogAnswers();
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;

 private:
  clsCommonDialog::Answerer previous_;
};

}  // namespace zak::ui
