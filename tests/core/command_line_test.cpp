#include "core/command_line.h"

#include <gtest/gtest.h>

namespace zak {
namespace {

struct GrammarCase {
  const char* name;
  std::vector<std::string> words;
  bool repeatable;
  const char* read;  // the options as "name=value" or "flag", or the failure's text
  int kind;          // 0, or the failure's OptionProblem
};

// The options read, one after the other, or the failure that stopped the reading.
std::pair<std::string, int> Read(const GrammarCase& c) {
  const CommandLineSyntax syntax{{"--season", "--day"}, {"--tsv", "--help", "-h"},
                                 c.repeatable,          {"--help", "-h"},
                                 "unknown {}",          "{} needs",
                                 "{} takes none",       "{} again"};
  const auto options = ReadCommandLine(c.words, syntax);
  if (!options) return {options.message(), options.failure().kind};
  std::string read;
  for (const CommandLineOption& option : *options) {
    read += (read.empty() ? "" : " ") + option.name + (option.value ? "=" + *option.value : "");
  }
  return {read, 0};
}

class CommandLineGrammarTest : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(CommandLineGrammarTest, ReadsTheOptionsOrTheFirstWrongOne) {
  EXPECT_EQ(Read(GetParam()), std::make_pair(std::string(GetParam().read), GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandLineGrammarTest,
    ::testing::Values(
        GrammarCase{"ValueAfterName", {"--season", "a b", "--tsv"}, false, "--season=a b --tsv", 0},
        GrammarCase{"ValueAfterEquals", {"--season=a", "--day=3"}, false, "--season=a --day=3", 0},
        GrammarCase{"OnlyFirstEqualsSplits", {"--season=a=b"}, false, "--season=a=b", 0},
        GrammarCase{"EmptyAfterEquals", {"--season="}, false, "--season=", 0},
        GrammarCase{"NextWordIsTheValue", {"--season", "--tsv"}, false, "--season=--tsv", 0},
        GrammarCase{"NoWords", {}, false, "", 0},
        GrammarCase{"ValueMissing", {"--tsv", "--day"}, false, "--day needs", kValueMissing},
        GrammarCase{"FlagWithValue", {"--tsv=1"}, false, "--tsv takes none", kValueUnexpected},
        GrammarCase{"UnknownName", {"--bogus=1"}, false, "unknown --bogus", kUnknownOption},
        GrammarCase{"NoDashes", {"season=a"}, false, "unknown season=a", kUnknownOption},
        GrammarCase{"OneDashDoesNotSplit", {"-h=1"}, false, "unknown -h=1", kUnknownOption},
        GrammarCase{"Repeated", {"--day", "1", "--day=2"}, false, "--day again", kOptionRepeated},
        GrammarCase{"RepeatedFlag", {"--tsv", "--tsv"}, false, "--tsv again", kOptionRepeated},
        GrammarCase{"RepeatAllowed", {"--day", "1", "--day=2"}, true, "--day=1 --day=2", 0},
        GrammarCase{
            "NothingAfterHelp", {"--day", "1", "--help", "--bogus"}, false, "--day=1 --help", 0},
        GrammarCase{
            "WrongBeforeHelp", {"--bogus", "-h"}, false, "unknown --bogus", kUnknownOption}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zak
