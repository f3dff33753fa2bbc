// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange engine in virtual time: retries, time-outs, the settle window, and what a
// misbehaving radio cannot make it do (wait for ever, take an echo or a cut-off frame as a reply).

#include "link/link.h"

#include <gtest/gtest.h>

#include "hex.h"
#include "link/read_transfer.h"
#include "service/monitor_command.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;
using Out = ScriptedRadio::Out;

constexpr Duration kAnswerAfter = 40ms;  // comfortably after the 20 ms settle
const Bytes kChannelReply = reply(0x43, {0x00, 0x00, 0x00, 0x00, 0x38, 0x38, 0x1B});
const auto working = [](Duration after = kAnswerAfter) { return answering(1000, 20, after); };

Duration line(int bytes) { return kByteTime * bytes; }

std::optional<Sheet> clean_read() {
  return sheet_read(
      run(ScriptedRadio(working()), std::make_unique<ReadTransfer>(startup_sheet())).events);
}

// After the option record, the channel request gets `answer`.
ScriptedRadio::Script then(std::vector<Out> answer) {
  return [answer](const Bytes& request, int n) { return n == 0 ? working()(request, n) : answer; };
}

// An option exchange gets three tries (1 s each for a read, 5 s for a write), a channel
// exchange one (5 s) whatever the radio sends; input during the settle window is discarded.
TEST(Link, EachRadioEndsTheSequenceAsItShouldAndInTime) {
  Bytes bad_checksum = kChannelReply;
  ++bad_checksum.back();
  std::vector<Out> garbage;
  const std::uint8_t pattern[] = {0x42, 0x07, 1, 2, 3, 4, 5, 6, 7, 0x00};
  for (int i = 0; i < 20000; ++i) {  // 20 s of bytes that never make a good frame
    garbage.push_back({kAnswerAfter + i * kByteTime, {pattern[i % 10]}});
  }
  const auto echoing = [](const Bytes& request, int n) {
    auto outs = working()(request, n);
    outs.insert(outs.begin(), Out{0ms, request});
    return outs;
  };
  const Duration read_tries = 3 * (1s + line(6));
  const Duration channel_try = kAnswerAfter + line(6) + 5s;
  struct Case {
    const char* name;
    ScriptedRadio::Script radio;
    std::size_t requests;
    std::optional<Duration> failed_at;  // nothing: the sequence succeeds
    bool write = false;
    bool byte_by_byte = false;
    bool wedged_port = false;  // the port never reports its output written
  };
  const Case kCases[] = {
      {"read from a silent radio", answering(0), 3, read_tries},
      {"write to a silent radio", answering(0), 3, 3 * (5s + line(9)), true},
      {"read through a wedged port", working(), 3, read_tries, false, false, true},
      {"channel: silent", then({}), 2, channel_try},
      {"channel: cut off mid-frame",
       then({{kAnswerAfter, Bytes(kChannelReply.begin(), kChannelReply.begin() + 5)}}), 2,
       channel_try},
      {"channel: endless garbage", then(garbage), 2, channel_try},
      {"channel: checksum off by one", then({{kAnswerAfter, bad_checksum}}), 2, channel_try},
      {"channel: too short a record", then({{kAnswerAfter, reply(0x43, {0x1F, 0x54})}}), 2,
       channel_try},
      {"an echo, then the reply", echoing, 26, {}},
      {"an echo, then the reply, byte by byte", echoing, 26, {}, false, true},
      // 6 bytes take 6.25 ms on the line; the settle window ends 20 ms later.
      {"a reply 25 ms after the request", working(25ms), 3, read_tries},
      {"a reply as the settle window ends", working(line(6) + kSettle), 26, {}},
      // The first attempt's reply stops after its length byte; the machine must not take the
      // retry's reply for the rest of that frame.
      {"a cut-off frame, then a whole reply to the retry",
       [](const Bytes& request, int n) {
         return n > 0 ? working()(request, n) : std::vector<Out>{{kAnswerAfter, {0x42, 0x03}}};
       },
       27,
       {}},
  };
  for (const auto& c : kCases) {
    ScriptedRadio radio(c.radio);
    VirtualPair pair(radio);
    pair.byte_by_byte = c.byte_by_byte;
    pair.written_reports = !c.wedged_port;
    pair.start(transfer(c.write, startup_sheet()));
    pair.run();
    EXPECT_EQ(pair.requests.size(), c.requests) << c.name;
    EXPECT_EQ(pair.finished(), !c.failed_at) << c.name;
    if (c.failed_at) {
      EXPECT_EQ(pair.finished_at(), *c.failed_at) << c.name;
    }
  }
}

// Nothing is queued: a reading sequence asks for the port to be opened, one that sends the radio
// something for a port to be set.
TEST(Link, AClosedPortRefusesASequenceAtOnceWithItsOwnMessage) {
  const Script kOpenThePort = {"ended refused", "message 请打开通信端口 | "};
  const Script kSetThePort = {"ended refused", "message 请设置串口 | 注意 | !"};
  std::pair<std::unique_ptr<Operation>, Script> cases[] = {
      {transfer(false, startup_sheet()), kOpenThePort},
      {transfer(true, startup_sheet()), kSetThePort},
      {std::make_unique<MonitorCommand>(MonitorButton::StartRssi), kSetThePort},
  };
  for (auto& [operation, script] : cases) {
    ScriptedRadio radio(working());
    VirtualPair pair(radio);
    pair.link.set_port_open(false);
    EXPECT_TRUE(pair.start(std::move(operation)));
    EXPECT_EQ(script_of(pair.events), script);
    EXPECT_TRUE(pair.requests.empty() && !pair.link.busy() && !pair.link.monitoring());
  }
}

// The exchange in flight ends as it would (its reply taken, or its attempt timed out), then the
// sequence: nothing more is sent, no attempt repeated, no sheet handed out.
TEST(Link, AnInterruptedSequenceEndsAfterTheExchangeInFlight) {
  struct Case {
    const char* name;
    ScriptedRadio::Script radio;
    Duration interrupt_at;
    std::size_t requests;
    Duration finished_at;
  };
  const Case kCases[] = {
      // An exchange takes 40 ms: the fifth request goes out at 160 ms, its reply comes at 200.
      {"answering", working(), 190ms, 5, 200ms},
      {"silent", answering(0), 10ms, 1, 1s + line(6)},
  };
  for (const auto& c : kCases) {
    ScriptedRadio radio(c.radio);
    VirtualPair pair(radio);
    pair.start(std::make_unique<ReadTransfer>(startup_sheet()));
    pair.wait(c.interrupt_at);
    pair.link.interrupt();
    pair.run();
    EXPECT_EQ(pair.requests.size(), c.requests) << c.name;
    EXPECT_EQ(pair.finished_at(), c.finished_at) << c.name;
    EXPECT_EQ(script_of(pair.events).back(), "ended interrupted") << c.name;
    EXPECT_EQ(sheet_read(pair.events), std::nullopt) << c.name;
  }
}

// Two packets in one burst; the radio then sends the first `trailing` bytes of another frame
// right behind each reply, as a radio with a late echo or a noisy line does.
TEST(Link, FramesInOneBurstAreTakenOnceEachAndBytesAfterAReplyNeverReachIt) {
  ScriptedRadio streaming([](const Bytes&, int) {
    Bytes two = reply(0x3D, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9});
    const Bytes second = reply(0x3D, {2, 1, 0x03, 0xE8});
    two.insert(two.end(), second.begin(), second.end());
    return std::vector<Out>{{kAnswerAfter, two}};
  });
  VirtualPair monitor(streaming);
  monitor.start(std::make_unique<MonitorCommand>(MonitorButton::StartRssi));
  monitor.wait(1s);
  const auto packets = monitor.all<MonitorPacket>();
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[1].packet, (Frame{0x3D, {2, 1, 0x03, 0xE8}}));

  const auto clean = clean_read();
  ASSERT_TRUE(clean);
  for (const bool byte_by_byte : {false, true}) {
    for (int n = 1; n <= 17; ++n) {
      ScriptedRadio radio([n](const Bytes& request, int i) {
        auto outs = working()(request, i);
        const Bytes other = reply(0x44, Bytes(17, 0xA5));
        for (auto& out : outs) out.bytes.insert(out.bytes.end(), other.begin(), other.begin() + n);
        return outs;
      });
      VirtualPair read(radio);
      read.byte_by_byte = byte_by_byte;
      read.start(std::make_unique<ReadTransfer>(startup_sheet()));
      read.run();
      EXPECT_EQ(sheet_read(read.events), clean) << n << " bytes, one by one: " << byte_by_byte;
    }
  }
}

TEST(Link, AStreamTheLinkStartedIsStoppedBeforeAnythingElseIsAsked) {
  // The radio streams test-mode packets from 55 01 01 57 until 55 01 00 56: one lands before
  // each reply, with as many data bytes as a channel record.
  bool streaming = false;
  ScriptedRadio radio([&streaming](const Bytes& request, int n) -> std::vector<Out> {
    if (request[0] == 0x55) streaming = request[2] != 0;
    if (request[0] == 0x55) return {};
    auto outs = working()(request, n);
    const Bytes packet = reply(0x3D, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9});
    if (streaming) outs.insert(outs.begin(), Out{kAnswerAfter - 5ms, packet});
    return outs;
  });
  VirtualPair pair(radio);
  pair.start(std::make_unique<MonitorCommand>(MonitorButton::StartRssi));
  pair.run();
  EXPECT_TRUE(pair.link.stream_may_run());
  pair.start(std::make_unique<ReadTransfer>(startup_sheet()));
  pair.run();
  ASSERT_EQ(pair.requests.size(), 28u);
  EXPECT_EQ(hex(pair.requests[1].bytes), "55 01 00 56");
  EXPECT_EQ(hex(pair.requests[2].bytes), "53 03 00 00 04 5A");
  EXPECT_EQ(sheet_read(pair.events), clean_read());
  EXPECT_FALSE(pair.link.stream_may_run());
}

TEST(Link, ASecondSequenceIsRefusedWhileOneRuns) {
  const Outcome expected = run(ScriptedRadio(working()), transfer(true, startup_sheet()));
  ScriptedRadio radio(working());
  VirtualPair pair(radio);
  ASSERT_TRUE(pair.start(transfer(true, startup_sheet())));
  pair.wait(300ms);  // some records are out
  EXPECT_FALSE(pair.start(std::make_unique<ReadTransfer>(startup_sheet())));
  pair.run();
  EXPECT_EQ(pair.requests, expected.requests);
  EXPECT_EQ(pair.finished(), true);
}

TEST(Link, ALostPortEndsTheSequenceAtOnceAndIsNamed) {
  ScriptedRadio radio(working());
  VirtualPair pair(radio);
  pair.start(std::make_unique<ReadTransfer>(startup_sheet()));
  pair.wait(200ms);
  pair.lose_port();
  const Script script = script_of(pair.events);
  EXPECT_EQ(Script(script.end() - 2, script.end()),
            (Script{"ended port lost", "port lost 串口已断开，请检查数据线"}));
  EXPECT_EQ(pair.finished_at(), 200ms);
  EXPECT_EQ(sheet_read(pair.events), std::nullopt);
}

}  // namespace
}  // namespace m27
