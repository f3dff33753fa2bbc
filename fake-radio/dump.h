// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory as a small text of raw records, one per line, bytes in two-digit hexadecimal:
//
//   options 01 00 16
//   channel 0 27 1A 27 1A 00 00 03      (row 0..24 in decimal, then the 7 record bytes)
//   ...
//   rssi 2D 2B                           (narrow, wide)
//   id 00BC614E                          (the 32-bit ID, 8 hexadecimal digits)
//
// Blank lines and lines starting with '#' are skipped. Every record appears exactly once.

#include <optional>
#include <string>
#include <string_view>

#include "fake-radio/memory.h"

namespace m27::fake {

std::string dump(const Memory& memory);

// The memory of a dump text; nullopt, with the reason in *error when given ("line 3: ..."),
// when a line is malformed, a record is repeated or one is missing.
std::optional<Memory> parse_dump(std::string_view text, std::string* error);

}  // namespace m27::fake
