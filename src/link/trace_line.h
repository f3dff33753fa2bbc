// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a serial trace: "12.345 > 53 03 00 00 04 5A" — milliseconds since the port
// opened with three decimals, ">" sent or "<" received, the bytes in hexadecimal.

#include <cstdint>
#include <span>
#include <string>

#include "link/operation.h"

namespace m27 {

enum class TraceDirection { Sent, Received };

// The line without its line end.
std::string trace_line(Duration since_open, TraceDirection direction,
                       std::span<const std::uint8_t> bytes);

}  // namespace m27
