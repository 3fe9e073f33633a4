// The files zak-cli writes: made whole in memory first and written whole, so a full disk or a
// cron job cut short leaves the previous file as it was.
#pragma once

#include <string>
#include <string_view>

namespace zak::cli {

// Writes `bytes` into `path`; empty `bytes` stand for a picture or document that could not be
// made. The exit status: 0, or 1 after a message naming `command` and the file.
int WriteOutputFile(const std::string& command, const std::string& path, std::string_view bytes);

}  // namespace zak::cli
