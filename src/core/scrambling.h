// Reversible scrambling of stored values and of the data-service traffic. Each routine is its
// own inverse: applied twice it gives back its input.
#pragma once

#include <string>
#include <string_view>

namespace zak {

// The fixed key of the settings store's scrambled values (contains "§", byte 167).
inline constexpr std::string_view kSettingsKey = "517fk$§38)/v;T=H(;!^6";

// XORs every byte with its index (low 8 bits) and the complement of a key byte, in place.
// `bytes` and `key` are Windows-1252 bytes; an empty key complements every byte instead.
void ScrambleBytes(std::string& bytes, std::string_view key);

// Scrambles a text with the settings key, byte for byte in Windows-1252; the result is a text
// of the same number of characters and may contain any code, NUL too.
std::string ScrambleSetting(std::string_view text);

// Inverts the top bit of each character's Windows-1252 code (code 128 stays as it is).
std::string ShiftText(std::string_view text);
// The same on Windows-1252 bytes, as they travel over the wire.
std::string ShiftBytes(std::string_view bytes);

}  // namespace zak
