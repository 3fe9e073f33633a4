#include "access_log.h"

#include <charconv>
#include <ctime>

#include "second_text.h"

namespace zak::dataservice {
namespace {

// Runs of plain bytes go out whole: a target is mostly plain.
void AppendEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c > 0x20 && c < 0x7f && c != '\\') continue;
    out.append(text.substr(plain, i - plain));
    const char escaped[] = {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
    out.append(escaped, sizeof escaped);
    plain = i + 1;
  }
  out.append(text.substr(plain));
}

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

void AppendAccessLine(std::string& out, const AccessRecord& record) {
  thread_local SecondText lineTime("%Y-%m-%dT%H:%M:%SZ");
  out += lineTime.At(std::chrono::system_clock::to_time_t(record.time));
  out += ' ';
  AppendEscaped(out, record.client);
  out += ' ';
  AppendEscaped(out, record.method.empty() ? "-" : record.method);
  out += ' ';
  AppendEscaped(out, record.target.empty() ? "-" : record.target);
  out += ' ';
  AppendNumber(out, record.status);
  out += ' ';
  AppendNumber(out, static_cast<std::int64_t>(record.bytes));
  out += ' ';
  AppendNumber(out, record.microseconds);
  out += "us\n";
}

std::string FormatAccessLine(const AccessRecord& record) {
  std::string line;
  line.reserve(80 + record.target.size());
  AppendAccessLine(line, record);
  line.pop_back();
  return line;
}

}  // namespace zak::dataservice
