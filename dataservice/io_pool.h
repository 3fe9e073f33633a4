// One io_context per thread: each connection lives on one of them, so its handlers run on one
// thread without locks, and the threads never contend for one shared queue of handlers.
#pragma once

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <functional>
#include <memory>
#include <vector>

namespace zak::dataservice {

class IoPool {
 public:
  explicit IoPool(int threads);

  // The context of the signals and the metrics; also serves connections.
  boost::asio::io_context& main() { return *contexts_.front(); }
  std::size_t size() const { return contexts_.size(); }
  boost::asio::io_context& at(std::size_t i) { return *contexts_[i]; }
  // Every context, the main one first.
  std::vector<boost::asio::io_context*> all() const;

  // Runs every context on its own thread (the first on the caller's) until Release() and the
  // end of all their work. Each thread calls `begin` with its context before it serves, and
  // `end` when its context has no more work.
  void Run(const std::function<void(boost::asio::io_context&)>& begin,
           const std::function<void()>& end);
  // Lets each context's run() return once it has no more work.
  void Release();

  // Runs `work` once on every thread of the pool (a handler posted to each context).
  void OnEachThread(const std::function<void()>& work);

 private:
  using Guard = boost::asio::executor_work_guard<boost::asio::io_context::executor_type>;
  std::vector<std::unique_ptr<boost::asio::io_context>> contexts_;
  std::vector<Guard> guards_;
};

}  // namespace zak::dataservice
