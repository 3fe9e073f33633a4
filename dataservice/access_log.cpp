#include "access_log.h"

#include <cstdio>
#include <ctime>

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

// The time of a line, formatted once a second on each thread (gmtime_r takes a lock in the C
// library).
std::string_view LineTime(std::chrono::system_clock::time_point at) {
  thread_local std::time_t formatted = -1;
  thread_local char text[32];
  thread_local std::size_t length = 0;
  const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
  if (seconds != formatted) {
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    formatted = seconds;
  }
  return {text, length};
}

}  // namespace

void AppendAccessLine(std::string& out, const AccessRecord& record) {
  out += LineTime(record.time);
  out += ' ';
  AppendEscaped(out, record.client);
  out += ' ';
  AppendEscaped(out, record.method.empty() ? "-" : record.method);
  out += ' ';
  AppendEscaped(out, record.target.empty() ? "-" : record.target);
  char numbers[80];
  const int length = std::snprintf(numbers, sizeof numbers, " %u %zu %lldus\n", record.status,
                                   record.bytes, static_cast<long long>(record.microseconds));
  out.append(numbers, static_cast<std::size_t>(length));
}

std::string FormatAccessLine(const AccessRecord& record) {
  std::string line;
  line.reserve(80 + record.target.size());
  AppendAccessLine(line, record);
  line.pop_back();
  return line;
}

}  // namespace zak::dataservice
