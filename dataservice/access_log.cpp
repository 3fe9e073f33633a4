#include "access_log.h"

#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <thread>

namespace zak::dataservice {
namespace {

void AppendEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (unsigned char c : text) {
    if (c > 0x20 && c < 0x7f && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
}

// Lines waiting for standard error, at most kLimit bytes of them.
class LogQueue {
 public:
  static constexpr std::size_t kLimit = 1 << 20;

  LogQueue() {
    std::thread([this] { WriteForever(); }).detach();
  }

  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    if (queued_.size() + line.size() + 1 > kLimit) {
      ++dropped_;
      return;
    }
    // The note on lines dropped goes before the first line that fits again, so the log keeps
    // the order of events ("stopped" stays the last line).
    TakeDroppedNote();
    queued_.append(line).push_back('\n');
    ready_.notify_one();
  }

  bool Flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return written_.wait_for(lock, limit, [this] { return queued_.empty() && !writing_; });
  }

 private:
  // Runs on its own thread for the whole life of the process; it may block in write() for as
  // long as nobody reads the other end.
  void WriteForever() {
    std::string batch;
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        writing_ = false;
        written_.notify_all();
        ready_.wait(lock, [this] { return !queued_.empty() || dropped_ > 0; });
        TakeDroppedNote();
        batch.swap(queued_);
        queued_.clear();
        writing_ = true;
      }
      WriteAll(batch);
    }
  }

  // Under the lock.
  void TakeDroppedNote() {
    if (dropped_ == 0) return;
    queued_.append("log: " + std::to_string(dropped_) +
                   " lines dropped, standard error was not read\n");
    dropped_ = 0;
  }

  static void WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(STDERR_FILENO, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;  // a closed standard error must not stop the service
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  std::mutex mutex_;
  std::condition_variable ready_;
  std::condition_variable written_;
  std::string queued_;
  std::uint64_t dropped_ = 0;
  bool writing_ = false;
};

// Never destroyed: its thread may still be blocked writing when the process ends.
LogQueue& TheLog() {
  static LogQueue* const log = new LogQueue;
  return *log;
}

}  // namespace

std::string FormatAccessLine(const AccessRecord& record) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(record.time);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char time[32];
  const std::size_t timeLength = std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%SZ", &utc);
  std::string line(time, timeLength);
  line.reserve(64 + record.target.size());
  line += ' ';
  AppendEscaped(line, record.client);
  line += ' ';
  AppendEscaped(line, record.method.empty() ? "-" : record.method);
  line += ' ';
  AppendEscaped(line, record.target.empty() ? "-" : record.target);
  line += ' ' + std::to_string(record.status) + ' ' + std::to_string(record.bytes) + ' ' +
          std::to_string(record.microseconds) + "us";
  return line;
}

void WriteLogLine(std::string line) { TheLog().Add(std::move(line)); }

bool FlushLog(std::chrono::milliseconds limit) { return TheLog().Flush(limit); }

}  // namespace zak::dataservice
