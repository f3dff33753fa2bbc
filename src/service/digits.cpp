// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/digits.h"

#include <charconv>

namespace m27 {

std::optional<std::uint32_t> digits_value(std::string_view text) {
  const char* end = text.data() + text.size();
  std::uint32_t value = 0;
  // from_chars takes no sign and no blank for an unsigned type, and reports a value too large.
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

}  // namespace m27
