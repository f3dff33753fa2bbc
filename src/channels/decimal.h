// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact arithmetic on the decimal texts the grid holds ("450.12500", "100").
// Values are carried as integers scaled by 10^scale, so no binary fraction ever decides a digit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace m27 {

// Reads a plain decimal number: optional blanks, an optional sign, digits with at most one
// point (".5" and "7." count), optional blanks. Returns value * 10^scale, rounded half away
// from zero; nullopt for anything else ("1.2.3", "abc", "") or more than 12 integer digits.
std::optional<std::int64_t> parse_decimal(std::string_view text, int scale);

// The shortest plain text of scaled / 10^scale: (46256250, 5) -> "462.5625", (500, 2) -> "5".
std::string plain_decimal(std::int64_t scaled, int scale);

// Fixed-point text with at least `int_digits` integer digits and exactly `scale` decimals:
// (45012500, 5, 3) -> "450.12500", (-100000, 5, 3) -> "-001.00000".
std::string fixed_decimal(std::int64_t scaled, int scale, int int_digits);

// The integer a numeric text rounds to (a channel total, a calibration value), or nullopt.
std::optional<std::int64_t> integer_value(std::string_view text);

}  // namespace m27
