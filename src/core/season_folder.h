// Where the season files that come with the program lie. An installed program finds them in the
// data folder beside its binary folder (<prefix>/share/zak1415/season-2014-15 for
// <prefix>/bin); a program run from its build finds them in the source tree.
#pragma once

#include <filesystem>
#include <string>

namespace zak {

// The folder for an executable at `executable`: the installed folder when it exists, else the
// source tree's.
std::string BundledSeasonFolder(const std::filesystem::path& executable);

// The same for the running executable.
std::string BundledSeasonFolder();

}  // namespace zak
