// The problems of a rejected season file as they are told: the first few, and how many more
// there were. A file of many bad lines must not flood the log or the publishing step's output.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zak::dataservice {

inline constexpr std::size_t kProblemsShown = 5;

// At most kProblemsShown of `problems`, then one line "... and N more problems in PATH" when
// there were more.
std::vector<std::string> ProblemsToTell(const std::vector<std::string>& problems,
                                        const std::string& path);

}  // namespace zak::dataservice
