// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value or the reason there is none (C++20 has no std::expected).

#include <string>
#include <utility>
#include <variant>

namespace m27 {

struct Failure {
  std::string reason;
};

template <typename T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  const std::string& reason() const { return std::get<Failure>(state_).reason; }

 private:
  std::variant<T, Failure> state_;
};

}  // namespace m27
