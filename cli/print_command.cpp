// zak-cli print: the printout of one league and match day, as the print commands make it, as a
// PDF file or as plain lines on standard output.
#include <QApplication>
#include <QPrinter>
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/local_clock.h"
#include "core/printed_layout.h"
#include "league_source.h"
#include "settings/file_helpers.h"
#include "ui/print/print_league.h"

namespace zak::cli {
namespace {

int Refuse(const std::string& error) {
  std::cerr << "zak-cli print: " << error << "\n";
  return 2;
}

// The printer without a window: A4, Qt's platform without a display unless one is chosen.
int WritePdf(const std::string& file, const PrintRequest& request,
             const ui::PrintSources& sources) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "zak-cli";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  // The printer only gives the pages their layout; the PDF is made in memory and written whole,
  // so a full disk leaves the old file as it was.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const QByteArray pdf = ui::PrintLeaguePdf(printer, sources, request);
  if (pdf.isEmpty() ||
      !WriteFileWhole(file,
                      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))) {
    std::cerr << "zak-cli print: Datei konnte nicht geschrieben werden: " << file << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int PrintCommand(const std::vector<std::string>& words) {
  std::string error;
  const auto args = ParseArguments(words, {"--season", "--league", "--day", "--pdf"},
                                   {"--table", "--match-day", "--text"}, error);
  if (!args) return Refuse(error);
  const auto league = NumberOption(*args, "--league", 0, kLeagueCount - 1, error);
  const auto day = league ? DayOption(*args, *league, error) : std::nullopt;
  if (!error.empty()) return Refuse(error);
  if (!league) return Refuse("Option --league fehlt");
  const auto pdf = args->values.find("--pdf");
  if ((pdf == args->values.end()) == !args->flags.contains("--text")) {
    return Refuse("genau eine der Optionen --pdf DATEI und --text angeben");
  }

  auto data = std::make_unique<MatchData>();
  if (const int status = ReadLeague("print", *args, *league, *data); status != 0) return status;
  RankColourTable colours;
  InitRankColours(colours);
  const bool both = !args->flags.contains("--table") && !args->flags.contains("--match-day");
  const PrintRequest request{day ? *day : GetCurrentDay(*data, *league, false, LocalToday()),
                             *league, both || args->flags.contains("--table"),
                             both || args->flags.contains("--match-day")};
  const ui::PrintSources sources{*data, colours, LocalNow()};
  if (pdf != args->values.end()) return WritePdf(pdf->second, request, sources);
  for (const PrintLine& line : PrintLeagueLines(*data, colours, request, sources.now)) {
    std::cout << line.text << "\n";
  }
  return std::cout.good() ? 0 : 1;
}

}  // namespace zak::cli
