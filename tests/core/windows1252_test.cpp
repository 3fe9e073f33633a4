#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace zak {
namespace {

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = FromWindows1252(all);
  EXPECT_EQ(ToWindows1252(text), all);
}

TEST(Windows1252, MapsTheHighPageAndTheUndefinedCodes) {
  EXPECT_EQ(FromWindows1252("\x80"), "€");
  EXPECT_EQ(FromWindows1252("\xA7"), "§");
  EXPECT_EQ(FromWindows1252("M\xFCnchen"), "München");
  EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(ToWindows1252("Fußball – „Köln“"),
            "Fu\xDF"
            "ball \x96 \x84K\xF6ln\x93");
}

TEST(Windows1252, UnmappableAndBrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(ToWindows1252("a\u4E2Db"), "a?b");        // not on the code page
  EXPECT_EQ(ToWindows1252("a\xC3"), "a?");            // cut sequence
  EXPECT_EQ(ToWindows1252("\xC0\xAF"), "??");         // overlong encoding
  EXPECT_EQ(ToWindows1252("\xED\xA0\x80x"), "???x");  // surrogate
  EXPECT_EQ(ToWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace zak
