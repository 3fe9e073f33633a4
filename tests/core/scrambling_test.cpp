#include "core/scrambling.h"

#include <gtest/gtest.h>

#include <random>

#include "core/windows1252.h"

namespace zak {
namespace {

TEST(ScrambleBytes, EmptyKeyComplementsAndXorsTheIndex) {
  std::string bytes("\x00\x01\xFF", 3);
  ScrambleBytes(bytes, "");
  EXPECT_EQ(bytes, std::string("\xFF\xFF\x02", 3));
  ScrambleBytes(bytes, "");
  EXPECT_EQ(bytes, std::string("\x00\x01\xFF", 3));
}

TEST(ScrambleBytes, CyclesThroughTheKeyAndReducesTheIndexToEightBits) {
  std::string bytes(600, '\0');
  ScrambleBytes(bytes, "ab");
  const auto expect = [](std::size_t i, char key) {
    return static_cast<char>((i & 0xFF) ^ static_cast<unsigned char>(~key));
  };
  EXPECT_EQ(bytes[0], expect(0, 'a'));
  EXPECT_EQ(bytes[1], expect(1, 'b'));
  EXPECT_EQ(bytes[2], expect(2, 'a'));
  EXPECT_EQ(bytes[257], expect(257, 'b'));
  EXPECT_EQ(bytes[599], expect(599, 'b'));
  std::string single("\x10", 1);
  ScrambleBytes(single, "A");
  EXPECT_EQ(single, std::string(1, static_cast<char>(0x10 ^ 0 ^ 0xBE)));
}

TEST(ScrambleSetting, IsItsOwnInverseAndKeepsTheLength) {
  EXPECT_EQ(ScrambleSetting(""), "");
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 700, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    const std::string text = FromWindows1252(bytes);
    const std::string scrambled = ScrambleSetting(text);
    EXPECT_EQ(ToWindows1252(scrambled).size(), bytes.size());
    EXPECT_EQ(ScrambleSetting(scrambled), text);
  }
}

TEST(ScrambleSetting, UsesTheSettingsKeyWithItsParagraphSign) {
  // The key's seventh character is "§" (byte 167): a text of seven NULs shows the key through.
  const std::string scrambled = ToWindows1252(ScrambleSetting(std::string(7, '\0')));
  ASSERT_EQ(scrambled.size(), 7u);
  EXPECT_EQ(static_cast<unsigned char>(scrambled[6]),
            (6 ^ static_cast<unsigned char>(~167)) & 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(scrambled[0]), static_cast<unsigned char>(~'5'));
  // The output may hold NUL: the key byte XOR its index XOR the complement can meet zero.
  const std::string withNul =
      ToWindows1252(ScrambleSetting(FromWindows1252(std::string(1, '\xCA'))));
  EXPECT_EQ(withNul, std::string(1, '\0'));
}

TEST(ShiftText, FlipsTheTopBitOfEveryCode) {
  EXPECT_EQ(ShiftText("abc"), "áâã");
  EXPECT_EQ(ShiftText("áâã"), "abc");
  EXPECT_EQ(ShiftText("q)W7kd45%"), FromWindows1252("\xF1\xA9\xD7\xB7\xEB\xE4\xB4\xB5\xA5"));
  EXPECT_EQ(ShiftText("€"), "€");  // code 128 has no partner
  EXPECT_EQ(ShiftBytes(std::string("\x00\x7F\x81", 3)), std::string("\x80\xFF\x01", 3));
  const std::string text = "Bor. Mönchengladbach|1. FC Köln;";
  EXPECT_EQ(ShiftText(ShiftText(text)), text);
}

}  // namespace
}  // namespace zak
