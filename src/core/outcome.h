// The one shape of the project's own failures: a routine that can fail returns the value it
// made, or a Failure that says in German what went wrong (and, where a caller has to tell
// failures apart, which kind it was). The failure texts and result codes that the system itself
// defines stay where it defines them; this is for everything else.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zak {

struct Failure {
  std::string message;  // German, for the user or the log
  int kind = 0;         // 0 unless the routine documents its kinds
};

// The value, or the failure. Outcome<void> carries only the failure.
template <typename T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}  // NOLINT: implicit, like a returned value
  Outcome(Failure failure) : state_(std::move(failure)) {}  // NOLINT

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }

  const Failure& failure() const { return std::get<1>(state_); }
  const std::string& message() const { return failure().message; }

 private:
  std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Outcome<void> {
 public:
  Outcome() = default;
  Outcome(Failure failure) : failure_(std::move(failure)), ok_(false) {}  // NOLINT

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Failure& failure() const { return failure_; }
  const std::string& message() const { return failure_.message; }

 private:
  Failure failure_;
  bool ok_ = true;
};

// Shorthand at the point of failure: `return Fail("Die Datei ... fehlt.");`
inline Failure Fail(std::string message, int kind = 0) { return {std::move(message), kind}; }

}  // namespace zak
