#include "season_folder.h"

#include <system_error>

namespace zak {

std::string BundledSeasonFolder(const std::filesystem::path& executable) {
  std::error_code ec;
  // ZAK_SEASON_FROM_BINDIR: the installed season folder relative to the binary folder.
  const std::filesystem::path installed =
      (executable.parent_path() / ZAK_SEASON_FROM_BINDIR).lexically_normal();
  if (!executable.empty() && std::filesystem::is_directory(installed, ec)) return installed;
  return std::string(ZAK_SOURCE_DIR) + "/data/season-2014-15";
}

std::string BundledSeasonFolder() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return BundledSeasonFolder(ec ? std::filesystem::path() : self);
}

}  // namespace zak
