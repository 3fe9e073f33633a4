// Windows-1252, the one-byte code page of every byte boundary: data-service traffic, the
// settings store and the data file. Inside the program text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zak {

// Each byte becomes one character. The five codes Windows-1252 leaves undefined map to
// U+0081, U+008D, U+008F, U+0090 and U+009D, so every byte survives a round trip.
std::string FromWindows1252(std::string_view bytes);

// Each character becomes one byte; a character the code page lacks, or a byte that is not
// valid UTF-8, becomes "?".
std::string ToWindows1252(std::string_view utf8);

// Decodes one UTF-8 code point at `at` and advances it; an invalid sequence gives -1 and
// advances by one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at, bool& valid);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace zak
