// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/number.h"

#include <charconv>

namespace m27::fake {

std::optional<int> parse_count(std::string_view text, int largest) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value > largest) return std::nullopt;
  return value;
}

}  // namespace m27::fake
