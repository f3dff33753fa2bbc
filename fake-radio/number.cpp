// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/number.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace m27::fake {
namespace {

template <typename Number>
std::optional<Number> parse_digits(std::string_view text, Number largest) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
  Number value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value > largest) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> parse_count(std::string_view text, int largest) {
  return parse_digits(text, largest);
}

std::optional<std::uint32_t> parse_id(std::string_view text) {
  return parse_digits(text, std::numeric_limits<std::uint32_t>::max());
}

}  // namespace m27::fake
