// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/frequency.h"

#include <algorithm>

#include "channels/decimal.h"

namespace m27 {

bool digits_with_at_most_one_point(std::string_view text) {
  return text.find_first_not_of("0123456789.") == std::string_view::npos &&
         std::count(text.begin(), text.end(), '.') <= 1;
}

std::optional<FreqUnits> frequency_value(std::string_view text) {
  return parse_decimal(text, kFreqDecimals);
}

std::string format_frequency(std::string_view text) {
  const auto f = frequency_value(text);
  return f ? frequency_text(*f) : std::string(text);
}

std::string frequency_text(FreqUnits f) { return fixed_decimal(f, kFreqDecimals, 3); }

std::string plain_frequency_text(FreqUnits f) { return plain_decimal(f, kFreqDecimals); }

}  // namespace m27
