// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame every exchange with the radio uses, in both directions:
//   command, length N, N data bytes, checksum = (command + N + data bytes) mod 256.
// No start marker, no escaping. A frame is a value: its command and its data; the length and
// the checksum exist only on the line.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace m27 {

// The longest data a request carries (a channel write: 9 bytes); the radio's receive buffer
// holds 18.
inline constexpr int kMaxRequestData = 18;

struct Frame {
  std::uint8_t command = 0;
  std::vector<std::uint8_t> data;

  friend bool operator==(const Frame&, const Frame&) = default;
};

// A frame of the command and data. Data beyond kMaxRequestData bytes is cut off there, so no
// frame ever claims more than the radio can hold.
Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data);
Frame make_frame(std::uint8_t command, std::initializer_list<std::uint8_t> data);

// The bytes the frame takes on the line: command, length, data, checksum.
std::vector<std::uint8_t> wire_bytes(const Frame& frame);

// How many bytes the frame takes on the line.
int wire_size(const Frame& frame);

}  // namespace m27
