// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the byte stream from the radio into frames. A reply's command byte is any of
// 0x3D..0x46; the program never looks at which one.

#include <cstdint>
#include <optional>

#include "link/frame.h"

namespace m27 {

inline constexpr int kMaxReplyData = 17;

class ReceiveMachine {
 public:
  enum class State { Command = 0, Length = 1, Data = 2, Checksum = 3 };

  // `receive_byte`: one byte through the state table; the frame it completes, handed out at its
  // checksum byte, so that bytes after it can never reach it. A byte outside 0x3D..0x46 where a
  // command is expected, or a length above 17, is dropped and the next byte is tried as a
  // command byte.
  std::optional<Frame> receive_byte(std::uint8_t b);

  // Back to waiting for a command byte, as after input was discarded.
  void reset() { rx_state = State::Command; }

  State state() const { return rx_state; }

 private:
  State rx_state = State::Command;
  Frame frame_;
  std::size_t rx_len = 0;
  unsigned rx_sum = 0;
};

}  // namespace m27
