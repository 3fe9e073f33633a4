// A whole file as a test reads it back or puts it in place, as the bytes on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zak::testing {

// Empty when the file cannot be read.
inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Writes `bytes` beside `path` and renames them over it, as an editor or a synchronising tool
// does: a reader sees the old file or the new one, never a part.
inline void ReplaceFile(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path fresh = path.string() + ".new";
  std::ofstream(fresh, std::ios::binary) << bytes;
  std::filesystem::rename(fresh, path);
}

}  // namespace zak::testing
