// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/trace_line.h"

#include <chrono>
#include <cstdio>

namespace m27 {

std::string trace_line(Duration since_open, TraceDirection direction,
                       std::span<const std::uint8_t> bytes) {
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(since_open).count();
  char head[32];
  std::snprintf(head, sizeof head, "%lld.%03lld %c", static_cast<long long>(micros / 1000),
                static_cast<long long>(micros % 1000),
                direction == TraceDirection::Sent ? '>' : '<');
  std::string line = head;
  for (const std::uint8_t byte : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", byte);
    line += hex;
  }
  return line;
}

}  // namespace m27
