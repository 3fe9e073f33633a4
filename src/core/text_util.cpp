#include "text_util.h"

#include <charconv>

namespace zak {

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

namespace {

template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::int16_t> ParseInt16(std::string_view text) {
  return ParseWhole<std::int16_t>(text);
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  return ParseWhole<std::int32_t>(text);
}

std::optional<std::int16_t> ParseGoals(std::string_view text) {
  if (text.empty() || text.front() == '-') return std::nullopt;
  return ParseInt16(text);
}

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlank);
  return text.substr(first, last - first + 1);
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t length = Utf8Length(text);
  return length >= width ? text : text + std::string(width - length, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t length = Utf8Length(text);
  return length >= width ? text : std::string(width - length, ' ') + text;
}

}  // namespace zak
