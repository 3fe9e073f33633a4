// Each serving thread's own copy of the published leagues. A request takes it without a lock and
// without touching a counter that other threads share; a new snapshot reaches the threads as a
// handler posted to each of them when it is published, off the path of any request.
#pragma once

#include <boost/smart_ptr/local_shared_ptr.hpp>
#include <memory>

#include "league_answer.h"

namespace zak::dataservice {

// A reference counted on this thread alone; what a connection holds while its answer is sent.
using ThreadSnapshot = boost::local_shared_ptr<const LeagueSnapshot>;

void SetThreadLeagues(std::shared_ptr<const LeagueSnapshot> leagues);
const ThreadSnapshot& ThreadLeagues();

}  // namespace zak::dataservice
