#include "access_log.h"

#include <unistd.h>

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

void WriteLogLine(std::string line) {
  line += '\n';
  std::size_t written = 0;
  while (written < line.size()) {
    const ssize_t n = ::write(STDERR_FILENO, line.data() + written, line.size() - written);
    if (n <= 0) return;  // a closed standard error must not stop the service
    written += static_cast<std::size_t>(n);
  }
}

}  // namespace zak::dataservice
