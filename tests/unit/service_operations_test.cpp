// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees after each service button, in order, for every way it can end; in virtual
// time against a scripted radio.

#include <gtest/gtest.h>

#include "hex.h"
#include "service/id_operations.h"
#include "service/monitor_command.h"
#include "service/rssi_operations.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;
using Out = ScriptedRadio::Out;
using Make = std::function<std::unique_ptr<Operation>()>;

constexpr Duration kAnswerAfter = 40ms;

template <typename T, typename... Texts>
Make make(Texts... texts) {
  return [=] { return std::make_unique<T>(texts...); };
}
const Make kReadRssi = make<ReadRssi>();
const Make kReadId = make<ReadId>();
const Make kAdjust42And40 = make<AdjustRssi>("42", "40");
const Make kWriteId = make<WriteId>("305419896");

// Answers every request from the `first`-th on (counting from 0) with `frame`.
ScriptedRadio answering(Bytes frame, int first = 0) {
  return ScriptedRadio([frame, first](const Bytes&, int n) {
    if (n < first) return std::vector<Out>{};
    return std::vector<Out>{{kAnswerAfter, frame}};
  });
}

// "数据读取" and "读ID" share one script.
const Script kReadStart = {"began query"};
const Script kReadOk = {"reply data", "ended completed", "message 读取 OK | "};
const Script kReadTimeout = {"ended no answer", "message 读取超时 | "};
// "调整" and "写ID" share their start and end.
const Script kWriteStart = {"began setting"};
const Script kWriteDone = {"ended completed"};
const Script kAdjustFailure = {"ended no answer", "message 通讯失败 | "};
const Script kIdFailure = {"ended no answer", "message 写ID 通讯失败 | "};
// Refused before anything is sent.
const Script kOpenThePort = {"ended refused", "message 请打开通信端口 | "};
const Script kSetThePort = {"ended refused", "message 请设置串口 | 注意 | !"};

TEST(ServiceOperations, UserSeesEachEndingInOrder) {
  const Bytes rssi = reply(0x3E, {0x00, 0x00, 50, 60});
  const Bytes ack = reply(0x41, {});
  const Script read_ok = join({kReadStart, kReadOk});
  const Script read_timeout = join({kReadStart, kReadTimeout});
  const Script adjusted = join({kWriteStart, kWriteDone, {"message OK | 调整"}});
  const Script not_adjusted = join({kWriteStart, kAdjustFailure});
  const Script id_written = join({kWriteStart, kWriteDone});
  const Script id_not_written = join({kWriteStart, kIdFailure});
  const Script rssi_refused = {"ended refused", "message RSSI 输入错误，请重新输入 | 注意 | !"};
  const Script id_refused = {"ended refused", "message ID 输入错误，请重新输入 | 注意 | !"};
  struct Case {
    const char* name;
    Make operation;
    ScriptedRadio radio;
    Script expected;
    bool port_open = true;
    std::optional<Duration> cancel_after = {};
  };
  const Case kCases[] = {
      {"数据读取 answered", kReadRssi, answering(rssi), read_ok},
      {"数据读取 port closed", kReadRssi, answering(rssi), kOpenThePort, false},
      {"数据读取 silent radio", kReadRssi, silent_radio(), read_timeout},
      {"数据读取 reply too short for two values", kReadRssi,
       answering(reply(0x3E, {0x00, 0x00, 50})), read_timeout},
      {"读ID answered", kReadId, answering(reply(0x3F, {0x00, 0x01, 0x00, 0x00})), read_ok},
      {"读ID reply too short for an ID", kReadId, answering(reply(0x3F, {0x00, 0x01, 0x00})),
       read_timeout},
      {"调整 answered on the third try", kAdjust42And40, answering(ack, 2), adjusted},
      {"调整 silent radio", kAdjust42And40, silent_radio(), not_adjusted},
      {"调整 port closed", kAdjust42And40, silent_radio(), kSetThePort, false},
      {"写ID answered", kWriteId, answering(ack), id_written},
      {"写ID silent radio", kWriteId, silent_radio(), id_not_written},
      // Typed values that do not fit their bytes: refused before anything is sent.
      {"调整 with a wide band of 256", make<AdjustRssi>("42", "256"), answering(ack), rssi_refused},
      {"写ID with 4294967296", make<WriteId>("4294967296"), answering(ack), id_refused},
      {"写ID with 4294967296, port closed: the ID first", make<WriteId>("4294967296"),
       answering(ack), id_refused, false},
      // Closing the dialog while a request waits ends it as if no answer came.
      {"数据读取 cancelled", kReadRssi, silent_radio(), read_timeout, true, 10ms},
      {"调整 cancelled", kAdjust42And40, silent_radio(), not_adjusted, true, 10ms},
      {"开始 cancelled before it has settled",
       make<MonitorCommand>(MonitorButton::StartRssi),
       silent_radio(),
       {"ended interrupted"},
       true,
       10ms},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run(c.radio, c.operation(), c.port_open, c.cancel_after).script, c.expected)
        << c.name;
  }
}

TEST(ServiceOperations, ASilentRadioGetsTheSameRequestThreeTimesAndFailsAtTheThirdDeadline) {
  // 调整 outside the scrollbars' 21..99 but one byte each: sent as typed.
  const std::pair<Make, const char*> kCases[] = {
      {kReadRssi, "54 03 00 00 07 5E"},
      {make<AdjustRssi>("0", "255"), "59 08 00 00 80 80 00 FF 80 00 E0"},
  };
  for (const auto& [operation, request] : kCases) {
    const Outcome r = run(silent_radio(), operation());
    const Duration attempt = 1s + kByteTime * static_cast<int>(unhex(request).size());
    ASSERT_EQ(r.requests.size(), 3u) << request;
    for (const auto& sent : r.requests) EXPECT_EQ(hex(sent.bytes), request);
    EXPECT_EQ(r.finished_at, 3 * attempt) << request;  // a second a try, as the link's own tests
  }
}

TEST(MonitorCommand, EachButtonSendsItsModeAndSetsTheFlag) {
  const std::tuple<MonitorButton, const char*, bool> kCases[] = {
      {MonitorButton::StartRssi, "55 01 01 57", true},
      {MonitorButton::StopRssi, "55 01 00 56", false},
      {MonitorButton::StartBattery, "55 01 02 58", true},
      {MonitorButton::StopBattery, "55 01 00 56", false},
  };
  for (const auto& [button, request, monitoring] : kCases) {
    ScriptedRadio radio = silent_radio();
    VirtualPair pair(radio);
    pair.start(std::make_unique<MonitorCommand>(button));
    pair.run();
    SCOPED_TRACE(request);
    EXPECT_EQ(pair.link.monitoring(), monitoring);
    ASSERT_EQ(pair.requests.size(), 1u);
    EXPECT_EQ(script_of(pair.events), Script{"ended completed"});
    EXPECT_EQ(hex(pair.requests[0].bytes), request);
    EXPECT_EQ(pair.finished_at(), kByteTime * 4 + kSettle);  // no reply awaited
  }
}

TEST(MonitorCommand, TheStreamFromTheStartReachesTheDialogUntilStopped) {
  // The radio streams two packets after each start and keeps quiet after a stop.
  ScriptedRadio radio([](const Bytes& request, int) -> std::vector<Out> {
    if (request[2] == 0x01) {
      return {{kAnswerAfter, reply(0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9})},
              {kAnswerAfter + 100ms, reply(0x44, {1, 41, 0x80, 0x00, 0xFF, 0xFF, 10})}};
    }
    if (request[2] == 0x02) return {{kAnswerAfter, reply(0x44, {2, 1, 0x03, 0xE8})}};
    return {{kAnswerAfter, reply(0x44, {2, 0, 0x00, 0x01})}};  // ignored: the monitor is off
  });
  VirtualPair pair(radio);
  pair.link.on_bytes(TimePoint{}, reply(0x44, {2, 1, 0x03, 0xE8}));  // nobody asked for it
  for (auto button :
       {MonitorButton::StartRssi, MonitorButton::StartBattery, MonitorButton::StopBattery}) {
    pair.start(std::make_unique<MonitorCommand>(button));
    pair.wait(1s);
  }
  std::string seen;  // the second byte of each packet that reached the dialog
  for (const auto& p : pair.all<MonitorPacket>()) seen += std::to_string(p.packet.data[1]) + " ";
  EXPECT_EQ(seen, "40 41 1 ");
}

}  // namespace
}  // namespace m27
