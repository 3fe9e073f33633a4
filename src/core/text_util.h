// Small text helpers shared by the parsers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zak {

// Splits at every occurrence of the separator. An empty text gives no parts at all; otherwise
// n separators give n + 1 parts, empty ones included.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// A decimal number with an optional leading minus sign that fits the type; nothing else.
std::optional<std::int16_t> ParseInt16(std::string_view text);
std::optional<std::int32_t> ParseInt32(std::string_view text);

// Only the digits 0-9, at least one, within the signed 16-bit range: a goal count.
std::optional<std::int16_t> ParseGoals(std::string_view text);

// Without blanks, tabs, CR and LF at either end.
std::string_view Trim(std::string_view text);

// Number of characters (code points) of a UTF-8 text; layouts pad by characters, not bytes.
std::size_t Utf8Length(std::string_view text);

// The text followed (PadRight) or preceded (PadLeft) by blanks up to `width` characters; a text
// already that long stays as it is, nothing is cut.
std::string PadRight(const std::string& text, std::size_t width);
std::string PadLeft(const std::string& text, std::size_t width);

}  // namespace zak
