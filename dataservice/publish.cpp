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
std::variant<ServiceState, std::string> PreviousCounts(const PublishOptions& options) {
  const std::string path = ManifestPath(options.seasonDir);
  const FileReadResult read = ReadRegularFile(path);
  if (read.file) {
    if (auto manifest = ParseState(read.file->bytes)) return *manifest;
    return "the manifest \"" + path +
           "\" is damaged; remove it and publish again with --state of an instance that served "
           "the folder";
  }
  if (!read.missing) return "cannot read the manifest \"" + path + "\" (" + read.error + ")";
  if (options.stateFile.empty()) return ServiceState{};
  const StateReadResult state = ReadStateFile(options.stateFile);
  if (!state.error.empty()) return state.error;
  return state.state;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

struct LeagueCheck {
  std::optional<std::uint64_t> fingerprint;  // nothing: no file
  int matches = 0;
  std::string error;
};

LeagueCheck Refused(std::string why) { return {std::nullopt, 0, std::move(why)}; }

LeagueCheck CheckLeague(const std::string& seasonDir, int league) {
  const std::string path = SeasonFilePath(seasonDir, league);
  const FileReadResult read = ReadRegularFile(path);
  if (!read.file) {
    if (read.missing) return {};
    return Refused("\"" + path + "\" cannot be read (" + read.error + ")");
  }
  auto data = std::make_unique<MatchData>();
  const Outcome<int> season = ReadSeasonText(read.file->bytes, path, *data, league);
  if (!season) {
    return Refused(Lines(ProblemsToTell(Split(season.message(), "\n"), path)) + "\"" + path +
                   "\" has errors");
  }
  if (*season == 0) return Refused("\"" + path + "\" has no matches");
  return {Fingerprint(LeagueDataBytes(*data, league)), *season, ""};
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

ParsedPublishOptions ParsePublishOptions(const std::vector<std::string>& args) {
  const auto given = ReadCommandLine(args, ServiceSyntax({"--season", "--state"}));
  if (!given) return given.message();
  PublishOptions options;
  for (const CommandLineOption& option : *given) {
    if (!option.value) return PublishHelp{};
    (option.name == "--season" ? options.seasonDir : options.stateFile) = *option.value;
  }
  if (options.seasonDir.empty()) return std::string("--season is required");
  return options;
}

PublishResult Publish(const PublishOptions& options) {
  PublishResult result;
  auto previous = PreviousCounts(options);
  if (auto* error = std::get_if<std::string>(&previous)) {
    result.error = *error;
    return result;
  }
  const ServiceState& before = std::get<ServiceState>(previous);
  DataFingerprints now{};
  std::array<int, kLeagueCount> matches{};
  for (int league = 0; league < kLeagueCount; ++league) {
    LeagueCheck check = CheckLeague(options.seasonDir, league);
    if (!check.error.empty()) {
      result.error = check.error;
      return result;
    }
    now[league] = check.fingerprint;
    matches[league] = check.matches;
  }
  if (std::all_of(now.begin(), now.end(), [](const auto& f) { return !f; })) {
    result.error = "no league file (league-<index>.tsv) in \"" + options.seasonDir + "\"";
    return result;
  }
  const auto next = NextManifest(before, now);
  if (!next) {
    result.error = "an update count has reached its highest value";
    return result;
  }
  for (int league = 0; league < kLeagueCount; ++league) {
    if (now[league]) {
      result.lines.push_back(LeagueLine(league, matches[league], before[league], (*next)[league]));
    }
  }
  const std::string path = ManifestPath(options.seasonDir);
  if (const std::string error = WriteTextAtomically(path, FormatManifest(*next)); !error.empty()) {
    result.lines.clear();
    result.error = error;
    return result;
  }
  result.lines.push_back("manifest written: " + path);
  return result;
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
