// The data file a user imports: its 15 fields, and the stored league copies inside them. A
// file that reads is written back the same, and no league read from it has a played record
// without two goals.
#include "core/data_file_text.h"
#include "core/scrambling.h"
#include "core/stored_league_text.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text = Text(bytes, size);
  const Outcome<DataFileFields> fields = ParseDataFileText(text);
  if (!fields) return 0;
  Require(!FieldHoldingSeparator(*fields), "no field read holds the separator");
  DataFileFields written = *fields;
  const Outcome<DataFileFields> again = ParseDataFileText(BuildDataFileText(written));
  Require(again.ok(), "a file read is written back readable");
  if (written[kDataFilePortField].empty()) written[kDataFilePortField] = "0";
  Require(*again == written, "a file read is written back the same");

  static MatchData* const data = new MatchData;
  for (int league = 0; league < kLeagueCount; ++league) {
    PlaceMarker(*data, league);
    const Outcome<void> read =
        DecodeStoredLeague(ScrambleSetting((*fields)[league]), *data, league);
    Require(read || !read.message().empty(), "a damaged copy says why");
    Require(MarkerIntact(*data, league), "a league's copy stays inside its league");
    RequireSoundRecords(*data, league);
  }
  return 0;
}
