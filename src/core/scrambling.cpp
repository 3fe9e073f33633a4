#include "scrambling.h"

#include "windows1252.h"

namespace zak {

void ScrambleBytes(std::string& bytes, std::string_view key) {
  const auto at = [&](std::size_t i) -> unsigned char& {
    return reinterpret_cast<unsigned char&>(bytes[i]);
  };
  const std::size_t n = key.size();
  if (n == 0) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      at(i) = static_cast<unsigned char>(~at(i) ^ (i & 0xFF));
    }
    return;
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(key[i % n]);
    at(i) = static_cast<unsigned char>(at(i) ^ (i & 0xFF) ^ static_cast<unsigned char>(~c));
  }
}

std::string ScrambleSetting(std::string_view text) {
  if (text.empty()) return {};
  std::string bytes = ToWindows1252(text);
  ScrambleBytes(bytes, ToWindows1252(kSettingsKey));
  return FromWindows1252(bytes);
}

std::string ShiftBytes(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if (b != 128) c = static_cast<char>(b ^ 0x80);
  }
  return out;
}

std::string ShiftText(std::string_view text) {
  return FromWindows1252(ShiftBytes(ToWindows1252(text)));
}

}  // namespace zak
