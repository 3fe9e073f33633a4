// `zak-dataservice publish`: the publishing step for whoever edits the results. Checks every
// league file of a season folder with the season reader, raises the count of each league whose
// data changed and replaces the folder's manifest atomically. A bad file publishes nothing.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zak::dataservice {

struct PublishOptions {
  std::string seasonDir;
  // Counts of an instance that served the folder before it had a manifest; the first manifest
  // starts above them, so no client is told "nothing new" for data it does not hold.
  std::string stateFile;
};

struct PublishHelp {};
using ParsedPublishOptions = std::variant<PublishOptions, PublishHelp, std::string>;

// The arguments after "publish"; a text tells what is wrong with them.
ParsedPublishOptions ParsePublishOptions(const std::vector<std::string>& args);

struct PublishResult {
  std::vector<std::string> lines;  // one per league with a file, then the manifest's path
  std::string error;               // why the manifest stays as it was; empty on success
};

PublishResult Publish(const PublishOptions& options);

std::string PublishUsageText();

}  // namespace zak::dataservice
