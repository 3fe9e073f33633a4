#include "metrics.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace zak::dataservice {
namespace {

constexpr std::size_t kMaxThreads = 1024;
std::array<std::atomic<ThreadCounters*>, kMaxThreads> blocks{};
std::atomic<std::size_t> blockCount = 0;
ThreadCounters overflow;  // threads beyond kMaxThreads (never: the pool has 256 at most)

constexpr std::array<const char*, kAnswerKinds> kKindNames = {"league", "version", "news",
                                                              "page",   "picture", "other"};

std::uint64_t Sum(const std::function<const Counter&(const ThreadCounters&)>& field) {
  std::uint64_t sum = 0;
  const std::size_t count = std::min(blockCount.load(std::memory_order_acquire), kMaxThreads);
  for (std::size_t i = 0; i < count; ++i) {
    if (const ThreadCounters* block = blocks[i].load(std::memory_order_acquire)) {
      sum += field(*block).Get();
    }
  }
  return sum;
}

void Family(std::string& out, const char* name, const char* type, const char* help) {
  out += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n";
}

void Sample(std::string& out, const std::string& name, std::uint64_t value) {
  out += name + " " + std::to_string(value) + "\n";
}

}  // namespace

void ThreadCounters::CountRequest(AnswerKind kind, unsigned status, std::uint64_t bytes) {
  const auto at = std::find(kStatuses.begin(), kStatuses.end(), status);
  if (at != kStatuses.end()) requests[static_cast<int>(kind)][at - kStatuses.begin()].Add();
  bytesSent.Add(bytes);
}

ThreadCounters& ThisThreadCounters() {
  thread_local ThreadCounters* const mine = [] {
    const std::size_t at = blockCount.fetch_add(1, std::memory_order_acq_rel);
    if (at >= kMaxThreads) return &overflow;
    auto* block = new ThreadCounters;  // kept: a scrape still counts what ended threads did
    blocks[at].store(block, std::memory_order_release);
    return block;
  }();
  return *mine;
}

std::int64_t OpenConnections() {
  return static_cast<std::int64_t>(
             Sum([](const ThreadCounters& c) -> const Counter& { return c.opened; })) -
         static_cast<std::int64_t>(
             Sum([](const ThreadCounters& c) -> const Counter& { return c.closed; }));
}

std::string MetricsText(const LeagueStore& store) {
  std::string out;
  Family(out, "zak_requests_total", "counter", "Requests answered, by kind and status.");
  for (int kind = 0; kind < kAnswerKinds; ++kind) {
    for (std::size_t status = 0; status < kStatuses.size(); ++status) {
      Sample(
          out,
          std::string("zak_requests_total{kind=\"") + kKindNames[kind] + "\",status=\"" +
              std::to_string(kStatuses[status]) + "\"}",
          Sum([&](const ThreadCounters& c) -> const Counter& { return c.requests[kind][status]; }));
    }
  }
  Family(out, "zak_sent_bytes_total", "counter", "Bytes of answers sent, headers included.");
  Sample(out, "zak_sent_bytes_total",
         Sum([](const ThreadCounters& c) -> const Counter& { return c.bytesSent; }));
  Family(out, "zak_open_connections", "gauge", "Client connections open now.");
  Sample(out, "zak_open_connections",
         static_cast<std::uint64_t>(std::max<std::int64_t>(0, OpenConnections())));
  Family(out, "zak_slow_connections_closed_total", "counter",
         "Connections closed because a request or the reading of an answer took too long.");
  Sample(out, "zak_slow_connections_closed_total",
         Sum([](const ThreadCounters& c) -> const Counter& { return c.closedForSlowness; }));
  Family(out, "zak_refused_connections_total", "counter",
         "Connections closed at once to keep the descriptors that reading the season needs.");
  Sample(out, "zak_refused_connections_total",
         Sum([](const ThreadCounters& c) -> const Counter& { return c.refused; }));

  const auto leagues = store.Current();
  Family(out, "zak_league_update", "gauge", "Update count of the league's served data.");
  for (int league = 0; league < kLeagueCount; ++league) {
    Sample(out, "zak_league_update{league=\"" + std::to_string(league) + "\"}",
           static_cast<std::uint64_t>(std::max(0, (*leagues)[league].count)));
  }
  Family(out, "zak_league_data_info", "gauge",
         "Fingerprint of the league's served data part (FNV-1a, hexadecimal); always 1.");
  for (int league = 0; league < kLeagueCount; ++league) {
    if ((*leagues)[league].count == 0) continue;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>((*leagues)[league].fingerprint));
    Sample(out,
           "zak_league_data_info{league=\"" + std::to_string(league) + "\",fingerprint=\"" + hex +
               "\"}",
           1);
  }
  Family(out, "zak_season_file_refusals_total", "counter",
         "Season files read but not taken, by league.");
  for (int league = 0; league < kLeagueCount; ++league) {
    Sample(out, "zak_season_file_refusals_total{league=\"" + std::to_string(league) + "\"}",
           store.Refusals(league));
  }
  return out;
}

}  // namespace zak::dataservice
