#include "output_file.h"

#include <iostream>

#include "settings/file_helpers.h"

namespace zak::cli {

int WriteOutputFile(const std::string& command, const std::string& path, std::string_view bytes) {
  if (bytes.empty() || !WriteFileWhole(path, bytes)) {
    std::cerr << "zak-cli " << command << ": Datei konnte nicht geschrieben werden: " << path
              << "\n";
    return 1;
  }
  return 0;
}

}  // namespace zak::cli
