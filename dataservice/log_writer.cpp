// The log's writer thread and the batches it takes: from each serving thread a ring of batches
// with one producer and one consumer (no lock), from every other thread a queue under a mutex.
#include <unistd.h>

#include <array>
#include <atomic>
#include <boost/asio/steady_timer.hpp>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "access_log.h"

namespace zak::dataservice {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kBatchBytes = 64 * 1024;
constexpr auto kGatherTime = 50ms;  // on the serving thread, then as long again at the writer
constexpr std::size_t kSharedLimit = 1 << 20;

std::string DroppedNote(std::uint64_t lines) {
  return "log: " + std::to_string(lines) + " lines dropped, standard error was not read\n";
}

void WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(STDERR_FILENO, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a closed standard error must not stop the service
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// One serving thread's batches. Slots from `taken` to `handed` belong to the writer, the others
// to the thread; at most kSlots batches (1 MiB) wait.
struct ThreadBatches {
  static constexpr std::uint32_t kSlots = 16;
  struct Slot {
    std::string lines;
    std::uint64_t droppedBefore = 0;  // lines dropped just before these
  };
  std::array<Slot, kSlots> slots;
  std::atomic<std::uint32_t> taken = 0;
  std::atomic<std::uint32_t> handed = 0;
  // The thread's own.
  std::string filling;
  std::uint64_t fillingLines = 0;
  std::uint64_t dropped = 0;  // not yet noted
  std::optional<boost::asio::steady_timer> timer;
  bool timerSet = false;
};

class LogWriter {
 public:
  LogWriter() {
    std::thread([this] { WriteForever(); }).detach();
  }

  std::shared_ptr<ThreadBatches> Register() {
    auto batches = std::make_shared<ThreadBatches>();
    std::lock_guard lock(mutex_);
    threads_.push_back(batches);
    return batches;
  }

  // A line from a thread that does not gather.
  void AddShared(std::string_view lines, std::uint64_t count, std::uint64_t droppedBefore) {
    std::lock_guard lock(mutex_);
    sharedDropped_ += droppedBefore;
    if (shared_.size() + lines.size() > kSharedLimit) {
      sharedDropped_ += count;
      return;
    }
    // The note goes where the lines were dropped, so "stopped" stays the last line.
    if (sharedDropped_ > 0) shared_ += DroppedNote(std::exchange(sharedDropped_, 0));
    shared_ += lines;
  }

  bool Flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    flushing_ = true;
    wake_.notify_one();
    const bool done = written_.wait_for(lock, limit, [this] { return Idle(); });
    flushing_ = false;
    return done;
  }

 private:
  void WriteForever() {
    std::vector<std::shared_ptr<ThreadBatches>> threads;
    std::string shared;
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        writing_ = false;
        written_.notify_all();
        wake_.wait_for(lock, kGatherTime, [this] { return flushing_ && !Idle(); });
        threads = threads_;
        shared.swap(shared_);
        shared_.clear();
        if (sharedDropped_ > 0) shared += DroppedNote(std::exchange(sharedDropped_, 0));
        writing_ = true;
      }
      // May block for as long as nobody reads the other end.
      for (const auto& batches : threads) WriteBatches(*batches);
      WriteAll(shared);
    }
  }

  static void WriteBatches(ThreadBatches& batches) {
    const std::uint32_t handed = batches.handed.load(std::memory_order_acquire);
    for (std::uint32_t at = batches.taken.load(std::memory_order_relaxed); at != handed; ++at) {
      ThreadBatches::Slot& slot = batches.slots[at % ThreadBatches::kSlots];
      if (slot.droppedBefore > 0) WriteAll(DroppedNote(slot.droppedBefore));
      WriteAll(slot.lines);
      slot.lines.clear();
      batches.taken.store(at + 1, std::memory_order_release);
    }
  }

  // Under the mutex.
  bool Idle() const {
    if (writing_ || !shared_.empty() || sharedDropped_ > 0) return false;
    for (const auto& batches : threads_) {
      if (batches->taken.load(std::memory_order_acquire) !=
          batches->handed.load(std::memory_order_acquire)) {
        return false;
      }
    }
    return true;
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable written_;
  std::vector<std::shared_ptr<ThreadBatches>> threads_;
  std::string shared_;
  std::uint64_t sharedDropped_ = 0;
  bool writing_ = false;
  bool flushing_ = false;
};

// Never destroyed: its thread may still be blocked writing when the process ends.
LogWriter& TheLog() {
  static LogWriter* const log = new LogWriter;
  return *log;
}

thread_local std::shared_ptr<ThreadBatches> gathering;

// On the gathering thread: the batch goes to the writer, or is dropped when its ring is full.
void HandOver(ThreadBatches& batches) {
  if (batches.filling.empty()) return;
  const std::uint32_t handed = batches.handed.load(std::memory_order_relaxed);
  if (handed - batches.taken.load(std::memory_order_acquire) == ThreadBatches::kSlots) {
    batches.dropped += batches.fillingLines;
  } else {
    ThreadBatches::Slot& slot = batches.slots[handed % ThreadBatches::kSlots];
    slot.lines.swap(batches.filling);  // the slot's old buffer, emptied by the writer, is reused
    slot.droppedBefore = std::exchange(batches.dropped, 0);
    batches.handed.store(handed + 1, std::memory_order_release);
  }
  batches.filling.clear();
  batches.fillingLines = 0;
}

}  // namespace

void WriteLogLine(std::string line) {
  line += '\n';
  if (gathering) {
    // Behind the thread's earlier lines, never before them.
    HandOver(*gathering);
    gathering->filling = std::move(line);
    gathering->fillingLines = 1;
    HandOver(*gathering);
    return;
  }
  TheLog().AddShared(line, 1, 0);
}

void GatherLogOnThisThread(boost::asio::io_context& context) {
  gathering = TheLog().Register();
  gathering->timer.emplace(context);
  gathering->filling.reserve(kBatchBytes + 4096);
}

void LogAccess(const AccessRecord& record) {
  if (!gathering) {
    std::string line = FormatAccessLine(record);
    return TheLog().AddShared(line + '\n', 1, 0);
  }
  ThreadBatches& batches = *gathering;
  AppendAccessLine(batches.filling, record);
  ++batches.fillingLines;
  if (batches.filling.size() >= kBatchBytes) return HandOver(batches);
  if (batches.timerSet) return;
  batches.timerSet = true;
  batches.timer->expires_after(kGatherTime);
  batches.timer->async_wait([&batches](boost::system::error_code) {
    batches.timerSet = false;
    HandOver(batches);
  });
}

void EndGatheringOnThisThread() {
  if (!gathering) return;
  HandOver(*gathering);
  // What no longer fits the ring, and the note of what was dropped, go to the shared queue.
  TheLog().AddShared(gathering->filling, gathering->fillingLines, gathering->dropped);
  gathering->filling.clear();
  gathering->dropped = 0;
  gathering->timer.reset();
  gathering.reset();
}

bool FlushLog(std::chrono::milliseconds limit) {
  if (gathering) HandOver(*gathering);
  return TheLog().Flush(limit);
}

}  // namespace zak::dataservice
