#include "io_pool.h"

#include <algorithm>
#include <boost/asio/post.hpp>
#include <thread>

namespace zak::dataservice {

IoPool::IoPool(int threads) {
  for (int i = 0; i < std::max(1, threads); ++i) {
    contexts_.push_back(std::make_unique<boost::asio::io_context>(1));
    guards_.push_back(boost::asio::make_work_guard(*contexts_.back()));
  }
}

std::vector<boost::asio::io_context*> IoPool::all() const {
  std::vector<boost::asio::io_context*> contexts;
  for (const auto& context : contexts_) contexts.push_back(context.get());
  return contexts;
}

void IoPool::Run(const std::function<void(boost::asio::io_context&)>& begin,
                 const std::function<void()>& end) {
  const auto serve = [&](boost::asio::io_context& context) {
    begin(context);
    context.run();
    end();
  };
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < contexts_.size(); ++i) {
    workers.emplace_back([&serve, context = contexts_[i].get()] { serve(*context); });
  }
  serve(*contexts_.front());
  for (std::thread& worker : workers) worker.join();
}

void IoPool::Release() {
  for (Guard& guard : guards_) guard.reset();
}

void IoPool::OnEachThread(const std::function<void()>& work) {
  for (const auto& context : contexts_) boost::asio::post(*context, work);
}

}  // namespace zak::dataservice
