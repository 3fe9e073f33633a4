#include "command_line.h"

namespace zak {

Failure CommandLineReader::Problem(OptionProblem kind, const std::string& text,
                                   const std::string& name) const {
  std::string message = text;
  if (const std::size_t at = message.find("{}"); at != std::string::npos) {
    message.replace(at, 2, name);
  }
  return Fail(std::move(message), kind);
}

Outcome<std::optional<CommandLineOption>> CommandLineReader::Next() {
  if (next_ >= words_.size()) return std::optional<CommandLineOption>();
  CommandLineOption option{words_[next_++], std::nullopt};
  if (const std::size_t equals = option.name.find('=');
      option.name.starts_with("--") && equals != std::string::npos) {
    option.value = option.name.substr(equals + 1);
    option.name.resize(equals);
  }
  const std::string& name = option.name;
  // Which of two values was meant cannot be told.
  if (!syntax_.repeatable && !seen_.insert(name).second) {
    return Problem(kOptionRepeated, syntax_.repeated, name);
  }
  if (syntax_.flags.contains(name)) {
    if (option.value) return Problem(kValueUnexpected, syntax_.valueUnexpected, name);
    if (syntax_.stops.contains(name)) next_ = words_.size();
  } else if (syntax_.withValue.contains(name)) {
    if (!option.value) {
      if (next_ >= words_.size()) return Problem(kValueMissing, syntax_.valueMissing, name);
      option.value = words_[next_++];
    }
  } else {
    return Problem(kUnknownOption, syntax_.unknown, name);
  }
  return std::optional<CommandLineOption>(std::move(option));
}

Outcome<std::vector<CommandLineOption>> ReadCommandLine(const std::vector<std::string>& words,
                                                        const CommandLineSyntax& syntax) {
  CommandLineReader reader(words, syntax);
  std::vector<CommandLineOption> options;
  for (;;) {
    Outcome<std::optional<CommandLineOption>> option = reader.Next();
    if (!option) return option.failure();
    if (!*option) return options;
    options.push_back(std::move(**option));
  }
}

}  // namespace zak
