// zak-cli print: the printout of one league and match day, as the print commands make it, as a
// PDF file or as plain lines on standard output.
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/local_clock.h"
#include "core/printed_layout.h"
#include "league_source.h"
#include "output_file.h"
#include "painting_application.h"
#include "ui/drawing/print_pdf.h"

namespace zak::cli {
namespace {

int Refuse(const std::string& error) {
  std::cerr << "zak-cli print: " << error << "\n";
  return 2;
}

// The PDF is made in memory and written whole, so a full disk leaves the old file as it was.
int WritePdf(const std::string& file, const PrintLines& lines, const PrintRequest& request) {
  const auto app = PaintingApplication();
  const Outcome<QByteArray> pdf = ui::RenderPdf(
      lines, ui::A4Paper(QString::fromStdString(PrintJobName(request.day, request.league))));
  return WriteOutputFile("print", file, pdf ? std::string_view(pdf->constData(), pdf->size()) : "");
}

}  // namespace

int PrintCommand(const std::vector<std::string>& words) {
  const auto args = ParseArguments(words, {"--season", "--league", "--day", "--pdf"},
                                   {"--table", "--match-day", "--text"});
  if (!args) return Refuse(args.message());
  const Outcome<int> league = LeagueOption(*args);
  if (!league) return Refuse(league.message());
  const Outcome<std::optional<int>> day = DayOption(*args, *league);
  if (!day) return Refuse(day.message());
  const auto pdf = args->values.find("--pdf");
  if ((pdf == args->values.end()) == !args->flags.contains("--text")) {
    return Refuse("genau eine der Optionen --pdf DATEI und --text angeben");
  }

  auto data = std::make_unique<MatchData>();
  if (const int status = ReadLeague("print", *args, *league, *data); status != 0) return status;
  RankColourTable colours;
  InitRankColours(colours);
  const bool both = !args->flags.contains("--table") && !args->flags.contains("--match-day");
  const PrintRequest request{*day ? **day : GetCurrentDay(*data, *league, false, LocalToday()),
                             *league, both || args->flags.contains("--table"),
                             both || args->flags.contains("--match-day")};
  const PrintLines lines = PrintLeagueLines(*data, colours, request, LocalNow());
  if (pdf != args->values.end()) return WritePdf(pdf->second, lines, request);
  for (const PrintLine& line : lines) std::cout << line.text << "\n";
  return std::cout.good() ? 0 : 1;
}

}  // namespace zak::cli
