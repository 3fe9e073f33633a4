#include "io_pool.h"

#include <algorithm>
#include <thread>

namespace zak::dataservice {

IoPool::IoPool(int threads) {
  for (int i = 0; i < std::max(1, threads); ++i) {
    contexts_.push_back(std::make_unique<boost::asio::io_context>(1));
    guards_.push_back(boost::asio::make_work_guard(*contexts_.back()));
  }
}

// Only the listener's thread asks, so the turn needs no lock.
boost::asio::io_context& IoPool::next() { return *contexts_[next_++ % contexts_.size()]; }

std::vector<boost::asio::io_context*> IoPool::all() const {
  std::vector<boost::asio::io_context*> contexts;
  for (const auto& context : contexts_) contexts.push_back(context.get());
  return contexts;
}

void IoPool::Run() {
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < contexts_.size(); ++i) {
    workers.emplace_back([context = contexts_[i].get()] { context->run(); });
  }
  contexts_.front()->run();
  for (std::thread& worker : workers) worker.join();
}

void IoPool::Release() {
  for (Guard& guard : guards_) guard.reset();
}

}  // namespace zak::dataservice
