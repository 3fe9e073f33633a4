#include "publish.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "core/season_file.h"
#include "core/text_util.h"
#include "league_answer.h"
#include "manifest.h"
#include "options.h"
#include "read_file.h"
#include "season_problems.h"

namespace zak::dataservice {
namespace {

// The previous manifest; without one the counts of `stateFile`, or none.
Outcome<ServiceState> PreviousCounts(const PublishOptions& options) {
  const std::string path = ManifestPath(options.seasonDir);
  const Outcome<FileRead> read = ReadRegularFile(path);
  if (read) {
    Outcome<ServiceState> manifest = ParseState(read->bytes);
    if (manifest) return manifest;
    return Fail("the manifest \"" + path +
                "\" is damaged; remove it and publish again with --state of an instance that "
                "served the folder");
  }
  if (read.failure().kind != kFileMissing) {
    return Fail("cannot read the manifest \"" + path + "\" (" + read.message() + ")");
  }
  if (options.stateFile.empty()) return ServiceState{};
  return ReadStateFile(options.stateFile);
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

struct LeagueCheck {
  std::optional<std::uint64_t> fingerprint;  // nothing: no file
  int matches = 0;
};

// A league file that cannot be read, has errors or no matches refuses the publishing.
Outcome<LeagueCheck> CheckLeague(const std::string& seasonDir, int league) {
  const std::string path = SeasonFilePath(seasonDir, league);
  const Outcome<FileRead> read = ReadRegularFile(path);
  if (!read) {
    if (read.failure().kind == kFileMissing) return LeagueCheck{};
    return Fail("\"" + path + "\" cannot be read (" + read.message() + ")");
  }
  auto data = std::make_unique<MatchData>();
  const Outcome<int> season = ReadSeasonText(read->bytes, path, *data, league);
  if (!season) {
    return Fail(Lines(ProblemsToTell(Split(season.message(), "\n"), path)) + "\"" + path +
                "\" has errors");
  }
  if (*season == 0) return Fail("\"" + path + "\" has no matches");
  return LeagueCheck{Fingerprint(LeagueDataBytes(*data, league)), *season};
}

std::string LeagueLine(int league, int matches, const LeagueState& before,
                       const LeagueState& after) {
  std::string line = "league " + std::to_string(league) + ": " + std::to_string(matches) +
                     " matches, update count " + std::to_string(after.count);
  if (after == before) return line + " (unchanged)";
  if (before.count == 0) return line + " (new)";
  return line + " (raised from " + std::to_string(before.count) + ")";
}

}  // namespace

Outcome<std::optional<PublishOptions>> ParsePublishOptions(const std::vector<std::string>& args) {
  const auto given = ReadCommandLine(args, ServiceSyntax({"--season", "--state"}));
  if (!given) return given.failure();
  PublishOptions options;
  for (const CommandLineOption& option : *given) {
    if (!option.value) return std::optional<PublishOptions>();
    (option.name == "--season" ? options.seasonDir : options.stateFile) = *option.value;
  }
  if (options.seasonDir.empty()) return Fail("--season is required");
  return std::optional<PublishOptions>(std::move(options));
}

Outcome<std::vector<std::string>> Publish(const PublishOptions& options) {
  const Outcome<ServiceState> previous = PreviousCounts(options);
  if (!previous) return previous.failure();
  const ServiceState& before = *previous;
  DataFingerprints now{};
  std::array<int, kLeagueCount> matches{};
  for (int league = 0; league < kLeagueCount; ++league) {
    const Outcome<LeagueCheck> check = CheckLeague(options.seasonDir, league);
    if (!check) return check.failure();
    now[league] = check->fingerprint;
    matches[league] = check->matches;
  }
  if (std::all_of(now.begin(), now.end(), [](const auto& f) { return !f; })) {
    return Fail("no league file (league-<index>.tsv) in \"" + options.seasonDir + "\"");
  }
  const Outcome<ServiceState> next = NextManifest(before, now);
  if (!next) return next.failure();
  std::vector<std::string> lines;
  for (int league = 0; league < kLeagueCount; ++league) {
    if (now[league]) {
      lines.push_back(LeagueLine(league, matches[league], before[league], (*next)[league]));
    }
  }
  const std::string path = ManifestPath(options.seasonDir);
  if (const Outcome<void> written = WriteTextAtomically(path, FormatManifest(*next)); !written) {
    return written.failure();
  }
  lines.push_back("manifest written: " + path);
  return lines;
}

std::string PublishUsageText() {
  return R"(Usage: zak-dataservice publish --season DIR [--state FILE]
Checks the league files of DIR, raises the update count of every league whose matches changed
and writes DIR/manifest.tsv atomically. Instances serving DIR take their counts from it.

  --season DIR   the season folder to publish
  --state FILE   without a manifest yet: start above the counts of this instance's state file

Exit status 0 when the manifest was written; on a bad league file it stays as it was.
)";
}

}  // namespace zak::dataservice
