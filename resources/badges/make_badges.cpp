// Writes the badge of every club in the catalogue into a folder, with the resource list that
// names them. The pictures in resources/logos are this tool's output; a test keeps them in step.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "badge_svg.h"
#include "core/catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Aufruf: zak-make-badges ORDNER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  zak::TeamTable table{};
  std::map<std::int32_t, std::string> clubs;
  for (int league = 0; league < zak::kLeagueCount; ++league) {
    zak::FillTeamCatalogue(table, league);
    for (const zak::TeamRow& row : table[league]) {
      if (row.Id != 0 && !row.Name.empty()) clubs.emplace(row.Id, row.Name);
    }
  }
  std::ofstream qrc(folder / "logos.qrc", std::ios::binary);
  qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/logos\">\n";
  for (const auto& [id, name] : clubs) {
    const std::string file = zak::badges::BadgeFileName(id);
    std::ofstream(folder / file, std::ios::binary) << zak::badges::BadgeSvg(name, id);
    qrc << "  <file>" << file << "</file>\n";
  }
  qrc << "</qresource>\n</RCC>\n";
  return qrc ? 0 : 1;
}
