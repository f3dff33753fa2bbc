// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value or the reason there is none (C++20 has no std::expected): a text, or `Why` (words the
// faces translate).

#include <string>
#include <utility>
#include <variant>

namespace m27 {

struct Failure {
  std::string reason;
};

template <typename T, typename Why = Failure>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Why failure) : state_(std::move(failure)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  const std::string& reason() const { return std::get<Failure>(state_).reason; }
  const Why& why() const { return std::get<Why>(state_); }

 private:
  std::variant<T, Why> state_;
};

}  // namespace m27
