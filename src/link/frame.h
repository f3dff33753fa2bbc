#pragma once
// The frame every exchange with the radio uses, in both directions:
//   command, length N, N data bytes, checksum = (command + N + data bytes) mod 256.
// No start marker, no escaping.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace m27 {

// The longest data a request may carry (the transmit buffer holds 21 entries).
inline constexpr int kMaxRequestData = 18;

// A request as the builders leave it: `tx_buf` entries 0 .. `tx_cnt` - 1 are sent.
struct Frame {
  std::array<std::uint8_t, kMaxRequestData + 3> tx_buf{};
  int tx_cnt = 0;

  friend bool operator==(const Frame&, const Frame&) = default;
};

// Writes the checksum after the data that entries 0 .. N + 1 hold and sets `tx_cnt` = N + 3.
void seal(Frame& frame);

// A sealed frame of the command and data (at most kMaxRequestData bytes).
Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data);
Frame make_frame(std::uint8_t command, std::initializer_list<std::uint8_t> data);

// The value of the hexadecimal digit the text spells ("7" 7, "f" 15, "A" 10); anything else 0.
int Str_Int(std::string_view a);

// The bytes `send_uart` puts on the line: each entry goes out through its hexadecimal text.
std::vector<std::uint8_t> wire_bytes(const Frame& frame);

}  // namespace m27
