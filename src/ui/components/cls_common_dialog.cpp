#include "cls_common_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>
#include <utility>

namespace zak::ui {
namespace {

// Dialog flags that have a counterpart here.
constexpr std::int32_t kOverwritePrompt = 0x2;   // ask before a save replaces a file
constexpr std::int32_t kFileMustExist = 0x1000;  // the open dialog takes existing files only
constexpr std::int32_t kNoPageNumbers = 0x8;     // the print dialog offers no page range

// Codes the platform's dialogs report.
constexpr int kBufferTooSmall = 12291;
constexpr int kCreateInformationContextFailed = 4106;
constexpr int kNoPrinters = 4103;
constexpr int kPrinterNotFound = 4107;

struct ErrorText {
  int code;
  const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, "The error involved a general common dialog box property."},
    {1, "The function was provided with an invalid structure size."},
    {2, "The function failed during initialization (probably insufficient memory)."},
    {3, "The function was not provided with a valid template (if one was required)."},
    {4, "The function was not provided with a valid instance handle (if one was required)."},
    {5, "The function failed to load the desired string."},
    {6, "The function failed to find the desired resource."},
    {7, "The function failed to load the desired resource."},
    {8, "The function failed to lock the desired resource."},
    {9, "The function failed to allocate sufficient memory."},
    {10, "The function failed to lock the desired memory."},
    {11, "The function was not provided with a valid hook function handle (if one was required)."},
    {12, "The function failed to successfully register a window message."},
    {4096, "The error involved the Print common dialog box."},
    {4097, "The function failed to load the desired resources."},
    {4098, "The function failed to parse the printer-related strings in WIN.INI."},
    {4099,
     "The handles to the data structures provided were nonzero even though the function was "
     "asked to return information about the default printer."},
    {4100, "The function failed to load the desired device driver."},
    {4101, "The printer driver failed to initialize the DEVMODE structure."},
    {4102, "The function failed during initialization."},
    {4103, "The function could not find any printers."},
    {4104, "The function could not find a default printer."},
    {4105,
     "The data in the two data structures describe different printers (i.e., they hold "
     "conflicting information)."},
    {4106, "The function failed to create an information context."},
    {4107, "The function could not find information in WIN.INI about the requested printer."},
    {4108,
     "The function was told that the information provided described the default printer, but "
     "the default printer's actual settings were different."},
    {8192, "The error involved the Choose Font common dialog box."},
    {8193, "The function could not find any existing fonts."},
    {8194,
     "The function was provided with a maximum font size value smaller than the provided "
     "minimum font size."},
    {12288, "The error involved the Open File or Save File common dialog box."},
    {12289, "The function had insufficient memory to subclass the list box."},
    {12290, "The function was provided with or received an invalid filename."},
    {12291, "The function was provided with a filename buffer which was too small."},
    {16384, "The error involved the Find or Replace common dialog box."},
    {16385, "The function was provided with an invalid buffer."},
    {65535, "The function could not open the dialog box."},
};

struct FilterList {
  QStringList names;     // as the user reads them
  QStringList patterns;  // as given, ";" between several
};

// "description|pattern|…": pairs in order; an empty filter offers all files.
FilterList ParseFilter(QString filter) {
  if (filter.isEmpty()) filter = "Alle Dateien (*.*)|*.*";
  if (!filter.endsWith('|')) filter += '|';
  const QStringList items = filter.split('|');  // the last item is the empty one after the "|"
  FilterList list;
  for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
    list.names << items[i];
    list.patterns << (i + 2 < items.size() ? items[i + 1] : QString());
  }
  return list;
}

// The dialog reads the patterns from the last parentheses of each entry and shows only the text
// before them. "*.*" means every file, with or without a dot.
QStringList QtNameFilters(const FilterList& list) {
  QStringList filters;
  for (qsizetype i = 0; i < list.names.size(); ++i) {
    QStringList patterns = list.patterns[i].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    filters << list.names[i] + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

// 1-based. The dialog names its choice by the text it shows, which is the description alone.
int SelectedFilter(const QFileDialog& dialog, const FilterList& list, const QStringList& filters) {
  const QString selected = dialog.selectedNameFilter();
  for (qsizetype i = 0; i < filters.size(); ++i) {
    if (selected == filters[i] || selected == list.names[i].trimmed())
      return static_cast<int>(i) + 1;
  }
  return 1;
}

// The extension a save appends for the chosen pattern: from its last "." on. A pattern without
// a dot, or whose extension is itself a wildcard ("*.*"), gives none: no name may carry "*".
QString ExtensionOf(const QString& pattern) {
  const QString trimmed = pattern.trimmed();
  const qsizetype dot = trimmed.lastIndexOf('.');
  if (dot < 0) return {};
  const QString extension = trimmed.mid(dot);
  if (extension.contains('*') || extension.contains('?')) return {};
  return extension;
}

}  // namespace

clsCommonDialog::clsCommonDialog(MessageSink* messages)
    : messages_(messages), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

clsCommonDialog::~clsCommonDialog() = default;

clsCommonDialog::Answerer& clsCommonDialog::InstalledAnswerer() {
  static Answerer answerer;
  return answerer;
}

QString clsCommonDialog::ErrorDescription(int code) {
  for (const ErrorText& entry : kErrorTexts) {
    if (entry.code == code) return QString::fromUtf8(entry.text);
  }
  return {};
}

void clsCommonDialog::Action(int action) {
  if (action == 1) ShowOpen();
  if (action == 2) ShowSave();
  if (action == 5) ShowPrinter();
}

bool clsCommonDialog::ShowOpen(const QString& initialFolder) {
  return ShowFile(false, initialFolder);
}

bool clsCommonDialog::ShowSave(const QString& initialFolder) {
  return ShowFile(true, initialFolder);
}

bool clsCommonDialog::ShowFile(bool save, const QString& initialFolder) {
  error_ = {};
  if (!initialFolder.isEmpty()) InitDir = initialFolder;
  const FilterList filters = ParseFilter(Filter);
  const QStringList nameFilters = QtNameFilters(filters);

  QFileDialog dialog(QApplication::activeWindow(), DialogTitle,
                     InitDir.isEmpty() ? QDir::currentPath() : InitDir);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && (Flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Flags & kOverwritePrompt));
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setNameFilters(nameFilters);
  const int chosen = FilterIndex >= 1 && FilterIndex <= nameFilters.size() ? FilterIndex : 1;
  dialog.selectNameFilter(nameFilters[chosen - 1]);
  if (!Filename.isEmpty()) dialog.selectFile(Filename);

  DialogAnswer answer;
  if (Answerer& answerer = InstalledAnswerer()) {
    answer = answerer(ShownDialog{&dialog, nullptr});
  } else {
    answer.confirmed = dialog.exec() == QDialog::Accepted;
    answer.fileName = dialog.selectedFiles().value(0);
  }
  if (answer.errorCode != 0) return Fail(answer.errorCode);
  if (!answer.confirmed) return Finish(false, answer);
  if (answer.filterIndex == 0) answer.filterIndex = SelectedFilter(dialog, filters, nameFilters);
  // The name goes into a buffer of MaxFileSize characters, its closing NUL included.
  if (answer.fileName.size() + 1 > MaxFileSize) return Fail(kBufferTooSmall);
  Finish(true, answer);
  if (save) AppendSaveExtension(filters.patterns);
  return true;
}

// The result rules every dialog shares.
bool clsCommonDialog::Finish(bool confirmed, const DialogAnswer& answer) {
  if (!confirmed) {
    Filename.clear();
    return !CancelError;
  }
  Filename = answer.fileName;
  FileTitle = Filename.mid(Filename.lastIndexOf('/') + 1);
  FilterIndex = static_cast<std::int16_t>(answer.filterIndex);
  return true;
}

// A name without an extension of three letters gets the chosen filter's. A name that already
// ends in a longer extension gets it again (".html.html"); the HTML export mends that itself.
void clsCommonDialog::AppendSaveExtension(const QStringList& patterns) {
  const QString extension = ExtensionOf(patterns.value(FilterIndex - 1));
  if (Filename.size() <= 3 || Filename[Filename.size() - 4] != '.') Filename += extension;
  FileTitle = Filename.mid(Filename.lastIndexOf('/') + 1);
}

bool clsCommonDialog::ShowPrinter() {
  error_ = {};
  auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!DeviceName.isEmpty()) chosen->setPrinterName(DeviceName);
  chosen->setCopyCount(Copies);
  if (FromPage >= 1 && FromPage <= ToPage) chosen->setFromTo(FromPage, ToPage);

  QPrintDialog dialog(chosen.get(), QApplication::activeWindow());
  dialog.setMinMax(Min, Max);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(Flags & kNoPageNumbers));

  DialogAnswer answer;
  if (Answerer& answerer = InstalledAnswerer()) {
    answer = answerer(ShownDialog{nullptr, &dialog});
  } else {
    answer.confirmed = dialog.exec() == QDialog::Accepted;
  }
  if (answer.errorCode != 0) return Fail(answer.errorCode);
  if (!answer.confirmed) return !CancelError;
  // A printer that cannot take the printout: none installed, or one the system does not know.
  const bool usable = chosen->outputFormat() == QPrinter::PdfFormat
                          ? !chosen->outputFileName().isEmpty()
                          : chosen->isValid();
  if (!usable) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return Fail(kNoPrinters);
    if (!QPrinterInfo::availablePrinterNames().contains(chosen->printerName())) {
      return Fail(kPrinterNotFound);
    }
    return Fail(kCreateInformationContextFailed);
  }
  ReadPrinterBack(*chosen);
  // The chosen printer itself becomes the program's: a file or a printer whose name is longer
  // than DeviceName holds is printed on all the same.
  if (PrinterDefault) printer_ = std::move(chosen);
  return true;
}

void clsCommonDialog::ReadPrinterBack(const QPrinter& printer) {
  DeviceName = printer.printerName().left(kDeviceNameLength);
  if (printer.printRange() == QPrinter::PageRange) {
    FromPage = static_cast<std::int16_t>(printer.fromPage());
    ToPage = static_cast<std::int16_t>(printer.toPage());
  }
  Copies = static_cast<std::int16_t>(printer.copyCount());
  Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

bool clsCommonDialog::Fail(int code) {
  error_ = {code, ErrorDescription(code)};
  if (messages_ != nullptr) {
    QString text = QString("Fehler %1").arg(code);
    if (!error_.description.isEmpty()) text += ": " + error_.description;
    messages_->ShowMessage(MessageKind::kWarning, text.toStdString(), {});
  }
  return false;
}

DialogAnswers::DialogAnswers(clsCommonDialog::Answerer answerer)
    : previous_(std::exchange(clsCommonDialog::InstalledAnswerer(), std::move(answerer))) {}

DialogAnswers::~DialogAnswers() { clsCommonDialog::InstalledAnswerer() = std::move(previous_); }

}  // namespace zak::ui
