// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/receiver.h"

namespace m27 {
namespace {

constexpr std::uint8_t kFirstReplyCommand = 0x3D;
constexpr std::uint8_t kLastReplyCommand = 0x46;

}  // namespace

std::optional<Frame> ReceiveMachine::receive_byte(std::uint8_t b) {
  switch (rx_state) {
    case State::Command:
      if (b >= kFirstReplyCommand && b <= kLastReplyCommand) {
        frame_ = Frame{b, {}};
        rx_sum = b;
        rx_state = State::Length;
      }
      return std::nullopt;
    case State::Length:
      rx_len = b;
      rx_sum += b;
      if (b == 0) {
        rx_state = State::Checksum;
      } else if (b <= kMaxReplyData) {
        rx_state = State::Data;
      } else {
        rx_state = State::Command;
      }
      return std::nullopt;
    case State::Data:
      frame_.data.push_back(b);
      rx_sum += b;
      if (frame_.data.size() == rx_len) rx_state = State::Checksum;
      return std::nullopt;
    case State::Checksum:
      rx_state = State::Command;
      if (b != rx_sum % 256) return std::nullopt;
      return std::move(frame_);
  }
  return std::nullopt;
}

}  // namespace m27
