#include "season_problems.h"

namespace zak::dataservice {

std::vector<std::string> ProblemsToTell(const std::vector<std::string>& problems,
                                        const std::string& path) {
  if (problems.size() <= kProblemsShown) return problems;
  std::vector<std::string> told(problems.begin(), problems.begin() + kProblemsShown);
  const std::size_t more = problems.size() - kProblemsShown;
  told.push_back("... and " + std::to_string(more) +
                 (more == 1 ? " more problem" : " more problems") + " in " + path);
  return told;
}

}  // namespace zak::dataservice
