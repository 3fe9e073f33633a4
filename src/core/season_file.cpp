#include "season_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "text_util.h"
#include "windows1252.h"

namespace zak {
namespace {

// "dd.mm.yy hh:mm".
bool IsKickOff(std::string_view text) {
  static constexpr std::string_view kForm = "00.00.00 00:00";
  if (text.size() != kForm.size()) return false;
  for (std::size_t i = 0; i < kForm.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kForm[i] == '0' ? !digit : text[i] != kForm[i]) return false;
  }
  return true;
}

// Checks one line's fields; an empty message means the line is good.
std::string CheckLine(const std::vector<std::string>& fields,
                      const std::array<int, kDaySlots>& used, int& day) {
  if (fields.size() != 6) {
    return "6 Spalten erwartet, " + std::to_string(fields.size()) + " gefunden";
  }
  const auto number = ParseInt16(fields[0]);
  if (!number || *number < 1 || *number > kDaySlots) {
    return "Spieltag \"" + fields[0] + "\" liegt nicht zwischen 1 und 38";
  }
  day = *number - 1;
  if (used[day] >= kMatchSlots) {
    return "mehr als 10 Spiele am " + fields[0] + ". Spieltag";
  }
  // The wire carries a kick-off as its ten digits, and none at all as "the kick-off of the
  // match before": only this form arrives unchanged.
  if (Trim(fields[1]).empty()) return "Anstoßzeit fehlt";
  if (!IsKickOff(fields[1])) {
    return "Anstoßzeit \"" + fields[1] + "\" hat nicht die Form TT.MM.JJ hh:mm";
  }
  // The data service separates items by ";" and fields by "|".
  for (int column = 2; column <= 3; ++column) {
    if (fields[column].find_first_of(";|") != std::string::npos) {
      return "\"" + fields[column] + "\" enthält \";\" oder \"|\"";
    }
    // A control character has no place in a name, and NUL would arrive as "€".
    const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7f; };
    if (std::any_of(fields[column].begin(), fields[column].end(), control)) {
      return "\"" + fields[column] + "\" enthält ein Steuerzeichen";
    }
    // The service sends names in Windows-1252; anything else would arrive as "?".
    if (FromWindows1252(ToWindows1252(fields[column])) != fields[column]) {
      return "\"" + fields[column] + "\" enthält Zeichen außerhalb von Windows-1252";
    }
  }
  for (int column = 4; column <= 5; ++column) {
    if (!fields[column].empty() && !ParseGoals(fields[column])) {
      return "Tore \"" + fields[column] + "\" sind keine Zahl von 0 bis 32767";
    }
  }
  return {};
}

// The whole file, or the one line that says why it cannot be had.
Outcome<std::string> SeasonFileContent(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat info {};
  Outcome<std::string> result = Fail(path + ": Datei kann nicht gelesen werden");
  if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    if (info.st_size > kLargestSeasonFile) {
      result = Fail(path + ": Datei ist größer als 16 MiB");
    } else {
      std::string content;
      char buffer[65536];
      ssize_t n = 0;
      while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) content.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is cut at the limit, not read on.
        if (static_cast<std::int64_t>(content.size()) > kLargestSeasonFile) break;
      }
      if (n >= 0 && static_cast<std::int64_t>(content.size()) <= kLargestSeasonFile) {
        result = std::move(content);
      }
    }
  }
  if (fd >= 0) ::close(fd);
  return result;
}

}  // namespace

Outcome<int> ReadSeasonText(std::string_view text, std::string_view fileName, MatchData& data,
                            int league) {
  if (league < 0 || league >= kLeagueCount) {
    return Fail(std::string(fileName) + ": keine Liga mit dem Index " + std::to_string(league));
  }
  data.ClearLeague(league);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::array<int, kDaySlots> used{};
  int matches = 0;
  std::string problems;  // one line per rejected line
  int lineNumber = 0;
  for (const std::string& rawLine : Split(text, "\n")) {
    ++lineNumber;
    std::string_view line = rawLine;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Trim(line).empty() || (lineNumber == 1 && line.substr(0, 4) == "day\t")) continue;
    const std::vector<std::string> fields = Split(line, "\t");
    int day = 0;
    const std::string problem = CheckLine(fields, used, day);
    if (!problem.empty()) {
      problems += (problems.empty() ? "" : "\n") + std::string(fileName) + ":" +
                  std::to_string(lineNumber) + ": " + problem;
      continue;
    }
    MatchRecord& record = data(used[day]++, league, day);
    record.KickOff = fields[1];
    record.Home = fields[2];
    record.Away = fields[3];
    record.HomeGoals = fields[4].empty() ? -1 : *ParseGoals(fields[4]);
    record.AwayGoals = fields[5].empty() ? -1 : *ParseGoals(fields[5]);
    record.Played = !fields[4].empty() && !fields[5].empty();
    ++matches;
  }
  if (!problems.empty()) return Fail(problems);
  return matches;
}

Outcome<int> ReadSeasonFile(const std::string& path, MatchData& data, int league) {
  const Outcome<std::string> content = SeasonFileContent(path);
  if (!content) return content.failure();
  return ReadSeasonText(*content, path, data, league);
}

std::string SeasonFilePath(std::string_view folder, int league) {
  return std::string(folder) + "/league-" + std::to_string(league) + ".tsv";
}

}  // namespace zak
