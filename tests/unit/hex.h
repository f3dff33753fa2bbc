// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bytes as a protocol trace shows them, "27 1A 27 1A 00 00 03", so that a test states the bytes
// it expects in the form the protocol is written in and a failure shows them the same way.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace m27 {

inline std::string hex(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t b : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, " %02X", b);
    text += digits;
  }
  return text.empty() ? text : text.substr(1);
}

// The bytes of a trace text: pairs of hex digits separated by one blank.
inline std::vector<std::uint8_t> unhex(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 3) {
    bytes.push_back(
        static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

}  // namespace m27
