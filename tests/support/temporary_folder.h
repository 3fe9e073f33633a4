// A folder of its own for one test, removed with everything in it at the end, and a copy of the
// real season files in it.
#pragma once

#include <filesystem>
#include <vector>

namespace zak::testing {

class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Copies the bundled season files (league-<index>.tsv) into `folder`/season, all of them or those
// of `leagues`; returns that path.
std::filesystem::path CopySeason(const std::filesystem::path& folder,
                                 const std::vector<int>& leagues = {0, 1, 2, 3, 4, 5, 6, 7});

}  // namespace zak::testing
