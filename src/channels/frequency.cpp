// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/frequency.h"

#include "channels/decimal.h"

namespace m27 {

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
