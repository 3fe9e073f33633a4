// Reading a whole file as bytes.
#pragma once

#include <optional>
#include <string>

namespace zak::dataservice {

// The file's bytes (an empty file gives an empty text); nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);

}  // namespace zak::dataservice
