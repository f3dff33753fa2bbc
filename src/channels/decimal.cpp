// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/decimal.h"

#include <cstdlib>

namespace m27 {
namespace {

constexpr int kMaxIntegerDigits = 12;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::int64_t power_of_ten(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

}  // namespace

std::optional<std::int64_t> parse_decimal(std::string_view text, int scale) {
  std::string_view s = trim_blanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  for (char c : whole) {
    if (!is_digit(c)) return std::nullopt;
  }
  for (char c : fraction) {
    if (!is_digit(c)) return std::nullopt;
  }
  std::size_t leading_zeros = 0;
  while (leading_zeros < whole.size() && whole[leading_zeros] == '0') ++leading_zeros;
  if (whole.size() - leading_zeros > kMaxIntegerDigits) return std::nullopt;

  std::int64_t value = 0;
  for (char c : whole) value = value * 10 + (c - '0');
  for (int i = 0; i < scale; ++i) {
    const int digit = i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0;
    value = value * 10 + digit;
  }
  if (static_cast<int>(fraction.size()) > scale && fraction[scale] >= '5') ++value;
  return negative ? -value : value;
}

std::string plain_decimal(std::int64_t scaled, int scale) {
  std::string text = fixed_decimal(scaled, scale, 1);
  if (scale > 0) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string fixed_decimal(std::int64_t scaled, int scale, int int_digits) {
  const std::int64_t unit = power_of_ten(scale);
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string whole = std::to_string(magnitude / unit);
  if (static_cast<int>(whole.size()) < int_digits) {
    whole.insert(0, int_digits - whole.size(), '0');
  }
  std::string text = scaled < 0 ? "-" + whole : whole;
  if (scale > 0) {
    std::string fraction = std::to_string(magnitude % unit);
    fraction.insert(0, scale - fraction.size(), '0');
    text += "." + fraction;
  }
  return text;
}

std::optional<std::int64_t> integer_value(std::string_view text) { return parse_decimal(text, 0); }

}  // namespace m27
