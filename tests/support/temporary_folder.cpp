#include "temporary_folder.h"

#include <cstdlib>
#include <string>

#include "core/season_file.h"

namespace zak::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = std::filesystem::temp_directory_path() / "zak-test-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path CopySeason(const std::filesystem::path& folder,
                                 const std::vector<int>& leagues) {
  const auto season = folder / "season";
  std::filesystem::create_directories(season);
  for (const int league : leagues) {
    std::filesystem::copy_file(SeasonFilePath(ZAK_SEASON_DIR, league),
                               SeasonFilePath(season.string(), league));
  }
  return season;
}

}  // namespace zak::testing
