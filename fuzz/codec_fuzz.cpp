// The Windows-1252 codec and the scramblings: every byte string survives the round trips.
#include <algorithm>

#include "core/scrambling.h"
#include "core/windows1252.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view input = Text(bytes, size);
  const std::string text = FromWindows1252(input);
  Require(ToWindows1252(text) == input, "every Windows-1252 byte round-trips");
  // Shifting keeps code 128 as it is, so NUL (shifted to 128) comes back as 128: the protocol's
  // one loss, which no text of the program carries.
  std::string withoutNul(input);
  std::replace(withoutNul.begin(), withoutNul.end(), '\0', '\x80');
  Require(ShiftBytes(ShiftBytes(input)) == withoutNul, "shifting twice gives the bytes back");
  Require(ShiftText(ShiftText(text)) == FromWindows1252(withoutNul),
          "shifting a text twice gives it back");
  Require(ScrambleSetting(ScrambleSetting(text)) == text, "scrambling twice gives it back");
  // Any prefix as the key (the empty one too).
  const std::string_view key = input.substr(0, size > 0 ? bytes[0] % 24 : 0);
  std::string scrambled(input);
  ScrambleBytes(scrambled, key);
  ScrambleBytes(scrambled, key);
  Require(scrambled == input, "scrambling bytes twice with one key gives them back");
  // Text that is not valid UTF-8 becomes "?" where it is broken, never longer than its bytes.
  Require(ToWindows1252(input).size() <= input.size(), "no text grows in Windows-1252");
  return 0;
}
