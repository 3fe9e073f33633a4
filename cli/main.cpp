// zak-cli: the program's headless front end.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

namespace {

constexpr const char* kUsage =
    "Aufruf:\n"
    "  zak-cli table [--season ORDNER] --league N [--day D] [--date JJJJ-MM-TT] [--tsv]\n"
    "      Tabelle der Liga N (0..7) nach dem Spieltag D (1 bis 30, 34 oder 38, je nach Liga;\n"
    "      ohne --day der aktuelle), ohne --season aus den gespeicherten Daten, ohne solche oder\n"
    "      bei beschädigten aus der mitgelieferten Saison\n"
    "  zak-cli chart [--season ORDNER] --league N --club NAME [--date JJJJ-MM-TT]\n"
    "                [--svg DATEI] [--png DATEI]\n"
    "      Platzierungen des Vereins nach jedem Spieltag und die noch erreichbaren Plätze\n"
    "      als Grafik\n"
    "  --date: die Saison, wie sie an diesem Tag stand (sonst gilt das heutige Datum)\n"
    "  zak-cli print [--season ORDNER] --league N [--day D] [--table] [--match-day]\n"
    "                (--pdf DATEI | --text)\n"
    "      Ausdruck von Spieltag und Tabelle (ohne --table und --match-day beide) als PDF\n"
    "      auf A4 oder als Zeilen auf die Standardausgabe\n"
    "  zak-cli html [--season ORDNER] --league N [--day D] [--favourite VEREIN] [--table]\n"
    "               [--match-day] [--output DATEI]\n"
    "      HTML-Fragmente von Tabelle und Spieltag (ohne --table und --match-day beide),\n"
    "      in UTF-8 auf die Standardausgabe oder in die Datei\n"
    "  zak-cli download\n"
    "      alle Ligen laden wie beim Programmstart: erst vom Datendienst, dann gespeichert\n"
    "  zak-cli export DATEI\n"
    "      die gespeicherten Daten aller Ligen und die Einstellungen in die Datei schreiben\n"
    "  zak-cli import DATEI\n"
    "      Daten und Einstellungen aus der Datei übernehmen und alle Ligen neu laden\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + (argc > 1 ? 2 : argc), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "table") return zak::cli::TableCommand(words);
  if (command == "print") return zak::cli::PrintCommand(words);
  if (command == "chart") return zak::cli::ChartCommand(words);
  if (command == "html") return zak::cli::HtmlCommand(words);
  if (command == "download") return zak::cli::DownloadCommand(words);
  if (command == "export") return zak::cli::ExportCommand(words);
  if (command == "import") return zak::cli::ImportCommand(words);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  std::cerr << (command.empty() ? "zak-cli: kein Befehl angegeben\n"
                                : "zak-cli: unbekannter Befehl: " + command + "\n")
            << kUsage;
  return 2;
}
