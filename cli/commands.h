// The commands of zak-cli. Each returns the process's exit status.
#pragma once

#include <string>
#include <vector>

namespace zak::cli {

int TableCommand(const std::vector<std::string>& words);
int DownloadCommand(const std::vector<std::string>& words);
int ExportCommand(const std::vector<std::string>& words);
int ImportCommand(const std::vector<std::string>& words);
int ChartCommand(const std::vector<std::string>& words);
int PrintCommand(const std::vector<std::string>& words);
int HtmlCommand(const std::vector<std::string>& words);

}  // namespace zak::cli
