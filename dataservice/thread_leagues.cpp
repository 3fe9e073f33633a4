#include "thread_leagues.h"

namespace zak::dataservice {
namespace {

thread_local ThreadSnapshot current;

}  // namespace

void SetThreadLeagues(std::shared_ptr<const LeagueSnapshot> leagues) {
  const LeagueSnapshot* raw = leagues.get();
  // The last holder on this thread lets go of the shared snapshot.
  current = ThreadSnapshot(
      raw, [keep = std::move(leagues)](const LeagueSnapshot*) mutable { keep.reset(); });
}

const ThreadSnapshot& ThreadLeagues() {
  if (!current) SetThreadLeagues(std::make_shared<const LeagueSnapshot>());
  return current;
}

}  // namespace zak::dataservice
