#include "core/data_file_text.h"

#include <gtest/gtest.h>

#include <random>

#include "core/windows1252.h"

namespace zak {
namespace {

std::string Repeat(std::string_view part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

struct CountCase {
  const char* name;
  std::string text;
  bool accepted;
};

class DataFileFieldCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(DataFileFieldCount, OnlyExactlyFifteenFieldsAreAFile) {
  const auto fields = ParseDataFileText(GetParam().text);
  EXPECT_EQ(fields.ok(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DataFileFieldCount,
    ::testing::Values(CountCase{"Empty", "", false},
                      CountCase{"FourteenSeparators", Repeat("Rw](e", 14), true},
                      CountCase{"ThirteenSeparators", Repeat("Rw](e", 13), false},
                      CountCase{"FifteenSeparators", Repeat("Rw](e", 15), false},
                      CountCase{"SeparatorCutShortAtTheEnd", Repeat("Rw](e", 13) + "xRw](", false},
                      CountCase{"OverlappingPrefixes", Repeat("RwRw](e](e", 14), true}),
    [](const auto& info) { return std::string(info.param.name); });

DataFileFields SampleFields() {
  DataFileFields fields;
  for (int i = 0; i < kDataFileFieldCount; ++i) fields[i] = "f" + std::to_string(i);
  return fields;
}

TEST(DataFileText, LeaguesComeFirstThenTheOptionsInTheirOrder) {
  const DataFileFields fields = SampleFields();
  EXPECT_EQ(BuildLeagueDataText(fields), "f0Rw](ef1Rw](ef2Rw](ef3Rw](ef4Rw](ef5Rw](ef6Rw](ef7");
  EXPECT_EQ(BuildOptionsText(fields), "f8Rw](ef9Rw](ef10Rw](ef11Rw](ef12Rw](ef13Rw](ef14");
  EXPECT_EQ(BuildDataFileText(fields),
            BuildLeagueDataText(fields) + "Rw](e" + BuildOptionsText(fields));
}

TEST(DataFileText, AnEmptyPortIsWrittenAsZeroAndOnlyThePort) {
  DataFileFields fields;  // all empty, as a fresh store without defaults would give
  fields[kDataFilePortField] = "";
  const auto read = ParseDataFileText(BuildDataFileText(fields));
  ASSERT_TRUE(read);
  for (int i = 0; i < kDataFileFieldCount; ++i) {
    EXPECT_EQ((*read)[i], i == kDataFilePortField ? "0" : "") << "field " << i;
  }
  fields[kDataFilePortField] = " ";
  EXPECT_EQ((*ParseDataFileText(BuildDataFileText(fields)))[kDataFilePortField], " ");
}

// Scrambled values hold any code, NUL and the separator's own letters included; every text that
// does not hold the whole separator comes back unchanged.
TEST(DataFileText, AnyFieldsWithoutTheSeparatorComeBackUnchanged) {
  std::mt19937 random(15);
  for (int round = 0; round < 100; ++round) {
    DataFileFields fields;
    for (std::string& field : fields) {
      std::string bytes(random() % 60, '\0');
      for (char& c : bytes) c = "Rw](e\0\xA7x"[random() % 8];
      field = FromWindows1252(bytes);
    }
    fields[kDataFilePortField] = "8080";
    if (FieldHoldingSeparator(fields)) {
      EXPECT_FALSE(ParseDataFileText(BuildDataFileText(fields)));
      continue;
    }
    const auto read = ParseDataFileText(BuildDataFileText(fields));
    ASSERT_TRUE(read) << "round " << round;
    EXPECT_EQ(*read, fields) << "round " << round;
  }
}

TEST(DataFileText, NamesTheFieldThatHoldsTheSeparator) {
  DataFileFields fields = SampleFields();
  EXPECT_FALSE(FieldHoldingSeparator(fields));
  fields[13] = "userRw](e";
  EXPECT_EQ(FieldHoldingSeparator(fields), 13);
}

}  // namespace
}  // namespace zak
