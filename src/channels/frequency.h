// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frequencies as the grid shows them: MHz texts in the form "000.00000", handled as whole
// counts of 10 Hz so that raster decisions and moved values are exact.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace m27 {

// A frequency in units of 10 Hz (the fifth decimal of a MHz text).
using FreqUnits = std::int64_t;

inline constexpr int kFreqDecimals = 5;
inline constexpr FreqUnits kUnitsPerMHz = 100'000;
inline constexpr FreqUnits kRaster6_25 = 625;  // 6.25 kHz
inline constexpr FreqUnits kRaster5 = 500;     // 5 kHz

// Base of every count on the wire (`base_freq`) and of the receive raster check.
inline constexpr FreqUnits base_freq = 400 * kUnitsPerMHz;
// Base of the transmit raster check (`snap_base`).
inline constexpr FreqUnits snap_base = 450 * kUnitsPerMHz;

// What a frequency text holds at most, in characters, typed, pasted, read or written.
inline constexpr std::size_t kMaxFrequencyLength = 9;

// Whether a text holds only digits and at most one point. An empty text and a lone point pass:
// the callers that want a digit, or anything at all, say so themselves.
bool digits_with_at_most_one_point(std::string_view text);

// The value of a frequency text, or nullopt for a text that is not a number.
std::optional<FreqUnits> frequency_value(std::string_view text);

// The "000.00000" form of a frequency text; a text that is not a number comes back unchanged.
std::string format_frequency(std::string_view text);

// The "000.00000" text of a value.
std::string frequency_text(FreqUnits f);

// The plain shortest text of a value ("462.5625", "451").
std::string plain_frequency_text(FreqUnits f);

}  // namespace m27
