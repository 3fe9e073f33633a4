// One io_context per thread: each connection lives on one of them, so its handlers run on one
// thread without locks, and the threads never contend for one shared queue of handlers.
#pragma once

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <memory>
#include <vector>

namespace zak::dataservice {

class IoPool {
 public:
  explicit IoPool(int threads);

  // The context of the listener, the signals and the season watch.
  boost::asio::io_context& main() { return *contexts_.front(); }
  // The next context in turn, for a new connection.
  boost::asio::io_context& next();
  // Every context, the main one first.
  std::vector<boost::asio::io_context*> all() const;

  // Runs every context on its own thread (the first on the caller's) until Release() and the
  // end of all their work.
  void Run();
  // Lets each context's run() return once it has no more work.
  void Release();

 private:
  using Guard = boost::asio::executor_work_guard<boost::asio::io_context::executor_type>;
  std::vector<std::unique_ptr<boost::asio::io_context>> contexts_;
  std::vector<Guard> guards_;
  std::size_t next_ = 0;
};

}  // namespace zak::dataservice
