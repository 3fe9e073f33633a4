// The installation identity sent inside every request: adapter address, computer name and the
// operating-system code. Determined once, on the first start that finds them missing, and kept
// scrambled in the store from then on.
#pragma once

#include <cstdint>
#include <string>

#include "core/outcome.h"
#include "core/program_data.h"

namespace zak {

// The hardware address of the first running interface that is not a loopback, as six two-digit
// uppercase hexadecimal numbers joined by "-"; "00-00-00-00-00-00" when there is none.
std::string GetAdapterAddress();
// The host name, at most 15 characters; empty when there is none.
std::string GetComputerNameText();
// The operating-system code: 18 for every current platform.
std::int16_t GetOsVersionCode();

// The start-up step: determines each value that is still missing (empty, or code -1) and
// stores it scrambled under "id", "id0", "id1" of section "Start". Present values stay. A
// value that cannot be stored holds for this run (one write for all: see SaveSettingValues).
Outcome<void> CompleteIdentity(Identity& identity);

}  // namespace zak
