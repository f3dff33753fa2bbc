#pragma once
// Turns the byte stream from the radio into frames. A reply's command byte is any of
// 0x3D..0x46; the program never looks at which one.

#include <array>
#include <cstdint>

namespace m27 {

inline constexpr int kMaxReplyData = 17;

class ReceiveMachine {
 public:
  enum class State { Command = 0, Length = 1, Data = 2, Checksum = 3 };

  // `receive_byte`: one byte through the state table. A byte outside 0x3D..0x46 where a command is
  // expected, or a length above 17, is dropped and the next byte is tried as a command byte.
  void receive_byte(std::uint8_t b);

  // Back to waiting for a command byte, as after input was discarded.
  void reset() { rx_state = State::Command; }

  // Data bytes of the frames received; entries past a frame's length keep older values.
  std::array<std::uint8_t, kMaxReplyData + 1> rx_data{};
  // Set by every frame with a correct checksum; the waiting code clears it.
  bool pkt_ok = false;
  // The data length of the last frame with a correct checksum.
  int rx_count = 0;

  State rx_state = State::Command;
  int rx_len = 0;
  int rx_idx = 0;
  unsigned rx_sum = 0;
};

}  // namespace m27
