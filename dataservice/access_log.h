// The service's log on standard error: one line per request, and notes about the season files.
// The agent text is never written: it carries the installation's identity.
#pragma once

#include <boost/asio/io_context.hpp>
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
// The same line and its LF, appended to `out`.
void AppendAccessLine(std::string& out, const AccessRecord& record);

// The log's own writer thread takes the lines every few milliseconds and writes them in
// batches; a standard error that nobody reads never holds up a request. When the lines waiting
// grow too many, new ones are dropped, and the number of dropped lines is written where they
// would have been. Lines never mix, and the lines of one thread keep their order.

// Any thread: the line goes to a queue shared by the threads that do not serve.
void WriteLogLine(std::string line);

// A serving thread gathers its lines itself, without a lock and without waking the writer: it
// hands a batch over when 64 KiB have come together or 50 ms after the batch's first line
// (a timer on the thread's own context), and the writer looks for batches every 50 ms.
void GatherLogOnThisThread(boost::asio::io_context& context);
// The thread's access line; on a thread that does not gather, the same as WriteLogLine.
void LogAccess(const AccessRecord& record);
// Hands over what the thread still holds and ends its gathering (before the context goes).
void EndGatheringOnThisThread();

// Waits until every line handed over (and this thread's own) is written, or `limit` has
// passed; true when all were written.
bool FlushLog(std::chrono::milliseconds limit);

}  // namespace zak::dataservice
