// `zak-dataservice publish`: the publishing step for whoever edits the results. Checks every
// league file of a season folder with the season reader, raises the count of each league whose
// data changed and replaces the folder's manifest atomically. A bad file publishes nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace zak::dataservice {

struct PublishOptions {
  std::string seasonDir;
  // Counts of an instance that served the folder before it had a manifest; the first manifest
  // starts above them, so no client is told "nothing new" for data it does not hold.
  std::string stateFile;
};

// The arguments after "publish". Nothing: --help was asked for; the failure tells what is wrong
// with them.
Outcome<std::optional<PublishOptions>> ParsePublishOptions(const std::vector<std::string>& args);

// One line per league with a file, then the manifest's path; the failure says why the manifest
// stays as it was.
Outcome<std::vector<std::string>> Publish(const PublishOptions& options);

std::string PublishUsageText();

}  // namespace zak::dataservice
