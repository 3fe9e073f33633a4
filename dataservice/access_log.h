// The service's log on standard error: one line per request, and notes about the season files.
// The agent text is never written: it carries the installation's identity.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zak::dataservice {

struct AccessRecord {
  std::chrono::system_clock::time_point time;
  std::string_view client;  // address of the peer
  std::string_view method;
  std::string_view target;  // path and query as the client sent them
  unsigned status = 0;
  std::size_t bytes = 0;  // sent, headers included
  std::int64_t microseconds = 0;
};

// "2015-05-23T15:20:01Z 127.0.0.1 GET /zak/ud/news1415.php 200 61 42us"; bytes of the target
// outside printable ASCII, and the backslash, appear as \xNN so a line cannot be forged.
std::string FormatAccessLine(const AccessRecord& record);

// Queues one line for the log's own writer thread and returns at once: a standard error that
// nobody reads never holds up a request. When the queue is full the line is dropped, and the
// number of dropped lines is written as soon as the log moves again. Lines never mix.
void WriteLogLine(std::string line);

// Waits until every queued line is written, or `limit` has passed; true when all were written.
bool FlushLog(std::chrono::milliseconds limit);

}  // namespace zak::dataservice
