// The agent text that identifies the program and the installation in every request.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "program_data.h"

namespace zak {

// Seconds from 1970-01-01 00:00 to the local moment, minus 7200, as a 32-bit number.
std::int32_t GetAgentTimestamp(std::chrono::local_seconds moment);

// "ZAK1415-" + timestamp + OsVersionCode + InstallationId + " " + SystemInfoText, in plain
// text (UTF-8); the transport shifts it and sends it as Windows-1252 bytes.
std::string BuildAgentText(std::int32_t timestamp, const Identity& identity);

}  // namespace zak
