// SPDX-License-Identifier: GPL-3.0-or-later
// Frames out byte for byte, and the receive machine that takes replies in.

#include "link/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/sheet.h"
#include "hex.h"
#include "link/receiver.h"
#include "link/requests.h"
#include "link/trace_line.h"

namespace m27 {
namespace {

// The checksum is the low eight bits of the sum. (The write's requests: its plan's test.)
TEST(Frame, RequestsAreByteExact) {
  const std::pair<Frame, const char*> kCases[] = {
      {read_options_request(), "53 03 00 00 04 5A"},
      {read_channel_request(24), "52 03 18 00 05 72"},
      {make_frame(0x57, {0x18, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xA0, 0xA0, 0x1F}),
       "57 09 18 00 FF FF FF FF A0 A0 1F D3"},
  };
  for (const auto& [frame, bytes] : kCases) EXPECT_EQ(hex(wire_bytes(frame)), bytes);
  Sheet sheet = startup_sheet();
  sheet.rows[4].tx_frequency = "300.00000";  // below the wire's base
  EXPECT_EQ(write_channel_request(sheet, 4), std::nullopt);
}

TEST(Frame, TraceLinesTimeDirectionAndBytes) {
  const std::uint8_t request[] = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  const std::uint8_t reply[] = {0x3D, 0x0A};
  EXPECT_EQ(trace_line(std::chrono::microseconds(12'345), TraceDirection::Sent, request),
            "12.345 > 53 03 00 00 04 5A");
  EXPECT_EQ(trace_line(std::chrono::nanoseconds(1'000'007'999), TraceDirection::Received, reply),
            "1000.007 < 3D 0A");
}

using S = ReceiveMachine::State;

// Every frame the bytes complete, as "42: 01 03 19", in order; `end` the machine after them.
std::vector<std::string> frames_of(const char* bytes, ReceiveMachine& rx) {
  std::vector<std::string> frames;
  for (const auto b : unhex(bytes)) {
    if (auto frame = rx.receive_byte(b)) {
      frames.push_back(hex(std::span(&frame->command, 1)) + ":" +
                       (frame->data.empty() ? "" : " " + hex(frame->data)));
    }
  }
  return frames;
}

// Lengths 0 and 17 are whole frames, 18 is refused and its bytes then read as commands; two
// packets in one burst come out both, in order; a partial frame is a state, not an error; 0x52
// is an echo of a read request; the checksum must match; 0x3C and 0x47 lie just outside the
// reply commands.
TEST(ReceiveMachine, HandsOutEachWholeReplyAtItsChecksum) {
  struct Case {
    const char* bytes;
    std::vector<std::string> frames;
    S state = S::Command;
  };
  const Case kCases[] = {
      {"45 00 45", {"45:"}},
      {"42 03 01 03 19 62", {"42: 01 03 19"}},
      {"3D 11 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 E7",
       {"3D: 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11"}},
      {"41 12 45 00 45", {"45:"}},
      {"42 01 07 4A 43 01 09 4D", {"42: 07", "43: 09"}},
      {"44 07 01 02 03 04 05 06 07 67 44 07 AA BB", {"44: 01 02 03 04 05 06 07"}, S::Data},
      {"52 03 00 00 05 5A", {}},
      {"42 03 01 03 19 63", {}},
      {"3C 00 3C", {}},
      {"47 00 47", {}},
  };
  for (const auto& c : kCases) {
    ReceiveMachine rx;
    EXPECT_EQ(frames_of(c.bytes, rx), c.frames) << c.bytes;
    EXPECT_EQ(rx.state(), c.state) << c.bytes;
  }
}

}  // namespace
}  // namespace m27
