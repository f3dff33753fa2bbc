#include "link/receiver.h"

namespace m27 {
namespace {

constexpr std::uint8_t kFirstReplyCommand = 0x3D;
constexpr std::uint8_t kLastReplyCommand = 0x46;

}  // namespace

void ReceiveMachine::receive_byte(std::uint8_t b) {
  switch (rx_state) {
    case State::Command:
      rx_idx = 0;
      rx_len = 0;
      if (b >= kFirstReplyCommand && b <= kLastReplyCommand) {
        rx_sum = b;
        rx_state = State::Length;
      }
      return;
    case State::Length:
      rx_len = b;
      if (b == 0) {
        rx_state = State::Checksum;
      } else if (b <= kMaxReplyData) {
        rx_idx = 0;
        rx_sum += b;
        rx_state = State::Data;
      } else {
        rx_state = State::Command;
      }
      return;
    case State::Data:
      rx_data[rx_idx] = b;
      rx_sum += b;
      ++rx_idx;
      if (rx_idx == rx_len) rx_state = State::Checksum;
      return;
    case State::Checksum:
      rx_sum %= 256;
      if (b == rx_sum) {
        pkt_ok = true;
        rx_count = rx_len;
      }
      rx_state = State::Command;
      return;
  }
}

}  // namespace m27
