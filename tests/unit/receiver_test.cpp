#include "link/receiver.h"

#include <gtest/gtest.h>

#include <vector>

namespace m27 {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Outcome {
  bool pkt_ok;
  Bytes data;  // the first entries of rx_data
  ReceiveMachine::State state;
};

Outcome feed(const Bytes& bytes, std::size_t data_shown) {
  ReceiveMachine rx;
  rx.rx_data.fill(0xEE);  // older contents that a short frame must leave alone
  for (auto b : bytes) rx.Rcv_Byte(b);
  return {rx.pkt_ok, Bytes(rx.rx_data.begin(), rx.rx_data.begin() + data_shown), rx.rx_state};
}

TEST(ReceiveMachine, StateTable) {
  using S = ReceiveMachine::State;
  struct Case {
    const char* name;
    Bytes bytes;
    bool pkt_ok;
    Bytes data;
    S state;
  };
  const Bytes seventeen = {0x3D, 17, 1,  2,  3,  4,  5,  6,  7,  8,
                           9,    10, 11, 12, 13, 14, 15, 16, 17, 0x3D + 17 + 153};
  const Case kCases[] = {
      {"length 0 leaves rx_data", {0x45, 0x00, 0x45}, true, {0xEE, 0xEE}, S::Command},
      {"option reply", {0x42, 0x03, 0x01, 0x03, 0x19, 0x62}, true, {0x01, 0x03, 0x19}, S::Command},
      {"17 data bytes fill entries 0..16",
       seventeen,
       true,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0xEE},
       S::Command},
      {"two packets in one burst: the second stays",
       {0x42, 0x01, 0x07, 0x4A, 0x43, 0x01, 0x09, 0x4D},
       true,
       {0x09},
       S::Command},
      {"a partial frame is a state, not an error", {0x42, 0x03, 0x01}, false, {0x01}, S::Data},
  };
  for (const auto& c : kCases) {
    const Outcome o = feed(c.bytes, c.data.size());
    EXPECT_EQ(o.pkt_ok, c.pkt_ok) << c.name;
    EXPECT_EQ(o.data, c.data) << c.name;
    EXPECT_EQ(o.state, c.state) << c.name;
  }
}

TEST(ReceiveMachine, RejectsWhatIsNoReply) {
  struct Case {
    const char* why;
    Bytes bytes;
  };
  const Case kCases[] = {
      {"0x52 is an echo of a read request, not a reply", {0x52, 0x03, 0x00, 0x00, 0x05, 0x5A}},
      {"checksum off by one", {0x42, 0x03, 0x01, 0x03, 0x19, 0x63}},
      {"0x3C is below the reply commands", {0x3C, 0x00, 0x3C}},
      {"0x47 is above the reply commands", {0x47, 0x00, 0x47}},
  };
  for (const auto& c : kCases) {
    EXPECT_FALSE(feed(c.bytes, 0).pkt_ok) << c.why;
  }
}

TEST(ReceiveMachine, LengthEighteenIsRejectedAndItsBytesReadAsCommands) {
  ReceiveMachine rx;
  // 18 is too long; the next bytes 0x45 0x00 0x45 then form a frame of their own.
  for (auto b : Bytes{0x41, 18, 0x45, 0x00, 0x45}) rx.Rcv_Byte(b);
  EXPECT_TRUE(rx.pkt_ok);
  EXPECT_EQ(rx.rx_count, 0);
}

}  // namespace
}  // namespace m27
