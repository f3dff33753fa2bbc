// The exchange engine in virtual time: retries, time-outs, the settle window, and what a
// misbehaving radio cannot make it do (wait for ever, take an echo or a cut-off frame as a reply).

#include "link/link.h"

#include <gtest/gtest.h>

#include "channels/sheet.h"
#include "link/read_transfer.h"
#include "link/requests.h"
#include "link/write_transfer.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;
using Out = ScriptedRadio::Out;

constexpr Duration kAnswerAfter = 40ms;  // comfortably after the 20 ms settle

Bytes option_reply() { return reply(0x42, {0x01, 0x03, 0x19}); }
Bytes channel_reply() { return reply(0x43, {0x1F, 0x54, 0x1F, 0x54, 0x00, 0x00, 0x03}); }

// Answers every request like a working radio.
std::vector<Out> working(const Bytes& request, int) {
  if (request[0] == 0x53) return {{kAnswerAfter, option_reply()}};
  if (request[0] == 0x52) return {{kAnswerAfter, channel_reply()}};
  if (request[0] == 0x45) return {};
  return {{kAnswerAfter, reply(0x41, {})}};
}

// Answers the option read, then `channel` instead of the first channel record.
ScriptedRadio::Script options_then(std::function<std::vector<Out>()> channel) {
  return
      [channel](const Bytes& request, int n) { return n == 0 ? working(request, n) : channel(); };
}

Duration line(int bytes) { return kByteTime * bytes; }

TEST(Link, SilentRadioGetsTheOptionReadThreeTimes) {
  struct Case {
    const char* name;
    bool write;
    int request_bytes;
    Duration interval;
  };
  const Case kCases[] = {
      {"read: 1 s a try", false, 6, 1s},
      {"write: 5 s a try", true, 9, 5s},
  };
  for (const auto& c : kCases) {
    ScriptedRadio silent([](const Bytes&, int) { return std::vector<Out>{}; });
    VirtualPair pair(silent);
    Sheet sheet = startup_sheet();
    if (c.write) {
      pair.start(std::make_unique<WriteTransfer>(sheet));
    } else {
      pair.start(std::make_unique<ReadTransfer>(sheet));
    }
    pair.run();
    const Duration attempt = c.interval + line(c.request_bytes);
    ASSERT_EQ(pair.requests.size(), 3u) << c.name;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pair.requests[i].at, i * attempt) << c.name;
    EXPECT_EQ(pair.finished(), false) << c.name;
    EXPECT_EQ(pair.finished_at(), 3 * attempt) << c.name;
  }
}

TEST(Link, AChannelExchangeGetsOneTry) {
  struct Case {
    const char* name;
    std::function<std::vector<Out>()> channel_answer;
  };
  Bytes cut = channel_reply();
  cut.resize(5);
  std::vector<Out> garbage;
  for (int i = 0; i < 20000; ++i) {  // 20 s of bytes that never make a good frame
    const std::uint8_t pattern[] = {0x42, 0x07, 1, 2, 3, 4, 5, 6, 7, 0x00};
    garbage.push_back({kAnswerAfter + i * kByteTime, {pattern[i % 10]}});
  }
  Bytes bad_checksum = channel_reply();
  ++bad_checksum.back();
  const Case kCases[] = {
      {"silent", [] { return std::vector<Out>{}; }},
      {"cut off mid-frame",
       [cut] {
         return std::vector<Out>{{kAnswerAfter, cut}};
       }},
      {"endless garbage", [garbage] { return garbage; }},
      {"checksum off by one",
       [bad_checksum] {
         return std::vector<Out>{{kAnswerAfter, bad_checksum}};
       }},
      {"too short for a channel record",
       [] {
         return std::vector<Out>{{kAnswerAfter, reply(0x43, {0x1F, 0x54})}};
       }},
  };
  for (const auto& c : kCases) {
    ScriptedRadio radio(options_then(c.channel_answer));
    VirtualPair pair(radio);
    Sheet sheet = startup_sheet();
    pair.start(std::make_unique<ReadTransfer>(sheet));
    pair.run();
    ASSERT_EQ(pair.requests.size(), 2u) << c.name;
    EXPECT_EQ(pair.requests[1].bytes, wire_bytes(Ask_Chn_Data(0))) << c.name;
    EXPECT_EQ(pair.finished(), false) << c.name;
    EXPECT_EQ(pair.finished_at(), pair.requests[1].at + line(6) + 5s) << c.name;
  }
}

TEST(Link, EchoIsDiscardedAndTheReplyTaken) {
  for (bool byte_by_byte : {false, true}) {
    ScriptedRadio echoing([](const Bytes& request, int n) {
      auto outs = working(request, n);
      outs.insert(outs.begin(), Out{0ms, request});
      return outs;
    });
    VirtualPair pair(echoing);
    pair.byte_by_byte = byte_by_byte;
    Sheet sheet = startup_sheet();
    pair.start(std::make_unique<ReadTransfer>(sheet));
    pair.run();
    EXPECT_EQ(pair.finished(), true);
    EXPECT_EQ(pair.requests.size(), 26u);
    EXPECT_EQ(sheet.rows[24].Text1, "450.12500");
  }
}

TEST(Link, AReplyInsideTheSettleWindowIsLost) {
  ScriptedRadio early([](const Bytes&, int) {
    // 6 bytes take 6.25 ms on the line; the settle window ends 20 ms later.
    return std::vector<Out>{{25ms, option_reply()}};
  });
  VirtualPair pair(early);
  Sheet sheet = startup_sheet();
  pair.start(std::make_unique<ReadTransfer>(sheet));
  pair.run();
  EXPECT_EQ(pair.requests.size(), 3u);
  EXPECT_EQ(pair.finished(), false);
}

TEST(Link, AReplyJustAfterTheSettleWindowIsTaken) {
  ScriptedRadio prompt([](const Bytes& request, int n) {
    auto outs = working(request, n);
    for (auto& o : outs) o.after = line(static_cast<int>(request.size())) + kSettle;
    return outs;
  });
  VirtualPair pair(prompt);
  Sheet sheet = startup_sheet();
  pair.start(std::make_unique<ReadTransfer>(sheet));
  pair.run();
  EXPECT_EQ(pair.finished(), true);
}

TEST(Link, AWedgedPortFailsTheAttemptAtItsDeadline) {
  ScriptedRadio radio(working);
  VirtualPair pair(radio);
  pair.written_reports = false;
  Sheet sheet = startup_sheet();
  pair.start(std::make_unique<ReadTransfer>(sheet));
  pair.run();
  EXPECT_EQ(pair.requests.size(), 3u);
  EXPECT_EQ(pair.finished(), false);
  EXPECT_EQ(pair.finished_at(), 3 * (1s + line(6)));
}

TEST(Link, RefusesASecondSequenceWhileOneRuns) {
  ScriptedRadio radio(working);
  VirtualPair pair(radio);
  Sheet sheet = startup_sheet();
  ASSERT_TRUE(pair.start(std::make_unique<ReadTransfer>(sheet)));
  EXPECT_FALSE(pair.link.start(TimePoint{}, std::make_unique<WriteTransfer>(sheet)));
  pair.run();
  EXPECT_EQ(pair.finished(), true);
  EXPECT_EQ(pair.requests.size(), 26u);  // the refused write sent nothing
  EXPECT_TRUE(pair.start(std::make_unique<ReadTransfer>(sheet)));
}

TEST(Link, ClosedPortShowsItsMessageForEverySend) {
  ScriptedRadio radio(working);
  VirtualPair pair(radio);
  pair.link.set_port_open(false);
  Sheet sheet = startup_sheet();
  pair.start(std::make_unique<WriteTransfer>(sheet));
  pair.run();
  const auto messages = pair.all<ShowMessage>();
  ASSERT_EQ(messages.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(messages[i].message, (Message{"请设置串口", "注意", MessageIcon::Exclamation}));
  }
  EXPECT_EQ(messages[3].message.text, "通讯失败，请检查对讲机是否进入写频模式");
  EXPECT_TRUE(pair.requests.empty());
  EXPECT_EQ(pair.finished_at(), 15s);
}

TEST(Link, MonitorPacketsReachTheTestWindowOnceEach) {
  ScriptedRadio streaming([](const Bytes&, int) {
    Bytes two = reply(0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9});
    const Bytes second = reply(0x44, {2, 1, 0x03, 0xE8});
    two.insert(two.end(), second.begin(), second.end());
    return std::vector<Out>{{kAnswerAfter, two}};
  });
  VirtualPair pair(streaming);
  pair.link.set_monitor(true);
  streaming.receive(TimePoint{}, {0x55, 0x01, 0x01, 0x57});
  pair.wait(1s);
  const auto packets = pair.all<MonitorPacket>();
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[0].rx_data[1], 40);
  EXPECT_EQ(packets[1].rx_data[0], 2);
  EXPECT_FALSE(pair.link.state().rx.pkt_ok);
}

}  // namespace
}  // namespace m27
