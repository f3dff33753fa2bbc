// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/line_floor.h"

#include <tuple>

#include "channels/codec.h"
#include "link/link.h"
#include "link/requests.h"
#include "service/radio_id.h"

namespace m27 {
namespace {

// Command, length and checksum around the data.
constexpr int kFrameOverhead = 3;
// The radio acknowledges a write with 41 00 41.
constexpr int kAcknowledgement = kFrameOverhead;

Duration exchange(int request_bytes, int reply_bytes, Duration reply_delay) {
  return kByteTime * (request_bytes + reply_bytes) + kSettle + reply_delay;
}

}  // namespace

Duration read_floor(Duration reply_delay) {
  constexpr int option_reply = kFrameOverhead + std::tuple_size_v<OptionRecord>;
  constexpr int channel_reply = kFrameOverhead + std::tuple_size_v<ChannelRecord>;
  Duration floor = exchange(wire_size(read_options_request()), option_reply, reply_delay);
  for (int row = 0; row < kRows; ++row) {
    floor += exchange(wire_size(read_channel_request(row)), channel_reply, reply_delay);
  }
  return floor;
}

Duration write_floor(const WritePlan& plan, Duration reply_delay) {
  Duration floor = kByteTime * wire_size(plan.frames().back()) + kSettle;
  for (std::size_t i = 0; i + 1 < plan.frames().size(); ++i) {
    floor += exchange(wire_size(plan.frames()[i]), kAcknowledgement, reply_delay);
  }
  return floor;
}

Duration series_radio_floor(const WritePlan& plan, Duration reply_delay) {
  constexpr int id_reply = kFrameOverhead + kIdReplyData;
  return write_floor(plan, reply_delay) + read_floor(reply_delay) +
         exchange(wire_size(write_id_request(0)), kAcknowledgement, reply_delay) +
         exchange(wire_size(read_id_request()), id_reply, reply_delay);
}

}  // namespace m27
