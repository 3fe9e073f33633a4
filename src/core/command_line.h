// The grammar the programs' command lines share: options with a value, as "--name value" or
// "--name=value", and bare flags, read one after the other, so that a program can act on each as
// it comes and stop at the first that is wrong.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "outcome.h"

namespace zak {

// The kinds of CommandLineReader's failures.
enum OptionProblem {
  kUnknownOption = 1,
  kValueMissing,     // the last word is an option that takes a value
  kValueUnexpected,  // "--flag=value"
  kOptionRepeated,
};

struct CommandLineSyntax {
  std::set<std::string> withValue;  // options that take a value
  std::set<std::string> flags;      // options without one
  bool repeatable = false;          // an option may come again (its later value counts)
  std::set<std::string> stops;      // flags after which nothing is read ("--help")
  // The failure texts, "{}" standing for the option's name.
  std::string unknown;
  std::string valueMissing;
  std::string valueUnexpected;
  std::string repeated;
};

struct CommandLineOption {
  std::string name;
  std::optional<std::string> value;  // none for a flag
};

class CommandLineReader {
 public:
  CommandLineReader(const std::vector<std::string>& words, const CommandLineSyntax& syntax)
      : words_(words), syntax_(syntax) {}

  // The next option, nothing after the last, or a failure of a kind of OptionProblem with the
  // syntax's text for it.
  Outcome<std::optional<CommandLineOption>> Next();

 private:
  const std::vector<std::string>& words_;
  const CommandLineSyntax& syntax_;
  std::size_t next_ = 0;
  std::set<std::string> seen_;

  Failure Problem(OptionProblem kind, const std::string& text, const std::string& name) const;
};

// All options in their order, or the first failure.
Outcome<std::vector<CommandLineOption>> ReadCommandLine(const std::vector<std::string>& words,
                                                        const CommandLineSyntax& syntax);

}  // namespace zak
