// The service's counters for Prometheus. Each serving thread counts in its own block, written by
// that thread alone (no lock, no shared cache line); a scrape adds the blocks up.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "answers.h"
#include "league_store.h"

namespace zak::dataservice {

// Written by one thread, read by any.
class Counter {
 public:
  void Add(std::uint64_t n = 1) {
    value_.store(value_.load(std::memory_order_relaxed) + n, std::memory_order_relaxed);
  }
  std::uint64_t Get() const { return value_.load(std::memory_order_relaxed); }

 private:
  std::atomic<std::uint64_t> value_ = 0;
};

// The statuses the service answers with.
constexpr std::array<unsigned, 4> kStatuses = {200, 400, 404, 431};

struct ThreadCounters {
  std::array<std::array<Counter, kStatuses.size()>, kAnswerKinds> requests;
  Counter bytesSent;
  Counter opened;
  Counter closed;
  Counter closedForSlowness;  // a request or the reading of an answer took too long
  Counter refused;            // too near the limit of open files
  void CountRequest(AnswerKind kind, unsigned status, std::uint64_t bytes);
};

// The calling thread's block, made at its first use and kept for the life of the process.
ThreadCounters& ThisThreadCounters();

// The connections open now, over every thread.
std::int64_t OpenConnections();

// Prometheus's text format, version 0.0.4.
std::string MetricsText(const LeagueStore& store);

}  // namespace zak::dataservice
