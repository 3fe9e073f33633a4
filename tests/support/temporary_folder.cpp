#include "temporary_folder.h"

#include <cstdlib>
#include <string>

namespace zak::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = std::filesystem::temp_directory_path() / "zak-test-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path CopySeason(const std::filesystem::path& folder) {
  const auto season = folder / "season";
  std::filesystem::create_directories(season);
  for (const auto& entry : std::filesystem::directory_iterator(ZAK_SEASON_DIR)) {
    if (entry.path().extension() == ".tsv") {
      std::filesystem::copy_file(entry.path(), season / entry.path().filename());
    }
  }
  return season;
}

}  // namespace zak::testing
