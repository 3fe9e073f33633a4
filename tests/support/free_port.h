// Loopback ports for tests.
#pragma once

#include <cstdint>

namespace zak::testing {

// A loopback port on which nothing listens at the moment of the call (0 when none was found).
// A test may start a server on it, or use it as an address where no server answers.
std::uint16_t FreePort();

}  // namespace zak::testing
