// What the user sees after each service button, in order, for every way it can end; in virtual
// time against a scripted radio.

#include <gtest/gtest.h>

#include "service/id_operations.h"
#include "service/monitor.h"
#include "service/monitor_command.h"
#include "service/radio_id.h"
#include "service/rssi.h"
#include "service/rssi_operations.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;
using Out = ScriptedRadio::Out;
using Script = std::vector<std::string>;

constexpr Duration kAnswerAfter = 40ms;

// One line per user action.
std::string describe(const Action& a) {
  struct {
    std::string operator()(const Status& s) { return "status " + s.text; }
    std::string operator()(const ShowMessage& m) {
      return "message " + m.message.text + " | " + m.message.title +
             (m.message.icon == MessageIcon::Exclamation ? " | !" : "");
    }
    std::string operator()(const EnableCommands& e) {
      return e.enabled ? "commands on" : "commands off";
    }
    std::string operator()(const ArmStatusRefresh&) { return "refresh in 1 s"; }
    std::string operator()(const StopStatusRefresh&) { return "no refresh"; }
    std::string operator()(const HoldSplashTimer& h) {
      return h.hold ? "hold splash timer" : "release splash timer";
    }
    std::string operator()(const ReplyData&) { return "reply data"; }
    std::string operator()(const MonitorPacket&) { return "monitor packet"; }
    std::string operator()(const Finished& f) { return f.ok ? "finished" : "failed"; }
    // None of these belongs to a service button.
    std::string operator()(const ShowProgress& p) { return "progress window " + p.caption; }
    std::string operator()(const SetProgress& p) { return "progress " + std::to_string(p.value); }
    std::string operator()(const HideProgress&) { return "hide progress"; }
    std::string operator()(const SheetChanged&) { return "sheet changed"; }
    std::string operator()(const Send&) { return "send"; }
    std::string operator()(const DiscardInput&) { return "discard"; }
  } visitor;
  return std::visit(visitor, a);
}

Script script_of(const std::vector<Action>& actions) {
  Script lines;
  for (const auto& a : actions) lines.push_back(describe(a));
  return lines;
}

Script join(std::initializer_list<Script> parts) {
  Script all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

ScriptedRadio silent() {
  return ScriptedRadio([](const Bytes&, int) { return std::vector<Out>{}; });
}

// Answers every request from the `first`-th on (counting from 0) with `frame`.
ScriptedRadio answering(Bytes frame, int first = 0) {
  return ScriptedRadio([frame, first](const Bytes&, int n) {
    if (n < first) return std::vector<Out>{};
    return std::vector<Out>{{kAnswerAfter, frame}};
  });
}

struct Outcome {
  Script script;
  std::vector<SentRequest> requests;
  std::optional<Duration> finished_at;
  std::vector<ReplyData> replies;
};

Outcome run(ScriptedRadio radio, std::unique_ptr<Operation> operation, bool port_open = true) {
  VirtualPair pair(radio);
  pair.link.set_port_open(port_open);
  EXPECT_TRUE(pair.start(std::move(operation)));
  pair.run();
  return {script_of(pair.user_actions), pair.requests, pair.finished_at(), pair.all<ReplyData>()};
}

Duration line(int bytes) { return kByteTime * bytes; }

Script repeated(const std::string& line, int times) { return Script(times, line); }

const Script kPortClosed = {"message 请打开通信端口 | ", "failed"};
const Script kNoPort = repeated("message 请设置串口 | 注意 | !", 3);

// "数据读取" and "读ID" share one script.
const Script kReadStart = {"no refresh", "commands off"};
const Script kReadOk = {"reply data", "message 读取 OK | ", "commands on", "refresh in 1 s",
                        "finished"};
const Script kReadTimeout = {"message 读取超时 | ", "commands on", "refresh in 1 s", "failed"};

// "调整" and "写ID" share their start and end.
const Script kWriteStart = {"no refresh", "hold splash timer", "commands off"};
const Script kWriteEnd = {"commands on", "release splash timer", "refresh in 1 s"};

TEST(ServiceRead, UserSeesEachEndingInOrder) {
  const Bytes rssi_reply = reply(0x3E, {0x00, 0x00, 50, 60});
  const Bytes id_reply = reply(0x3F, {0x00, 0x01, 0x00, 0x00});
  Bytes bad_checksum = rssi_reply;
  ++bad_checksum.back();
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Operation>()> operation;
    ScriptedRadio radio;
    bool port_open;
    Script expected;
  };
  const auto read_rssi = [] { return std::make_unique<ReadRssi>(); };
  const auto read_id = [] { return std::make_unique<ReadId>(); };
  const Case kCases[] = {
      {"数据读取 answered", read_rssi, answering(rssi_reply), true, join({kReadStart, kReadOk})},
      {"数据读取 answered on the third try", read_rssi, answering(rssi_reply, 2), true,
       join({kReadStart, kReadOk})},
      {"数据读取 port closed", read_rssi, answering(rssi_reply), false, kPortClosed},
      {"数据读取 silent radio", read_rssi, silent(), true, join({kReadStart, kReadTimeout})},
      {"数据读取 reply too short for two values", read_rssi,
       answering(reply(0x3E, {0x00, 0x00, 50})), true, join({kReadStart, kReadTimeout})},
      {"数据读取 reply with a wrong checksum", read_rssi, answering(bad_checksum), true,
       join({kReadStart, kReadTimeout})},
      {"读ID answered", read_id, answering(id_reply), true, join({kReadStart, kReadOk})},
      {"读ID port closed", read_id, answering(id_reply), false, kPortClosed},
      {"读ID silent radio", read_id, silent(), true, join({kReadStart, kReadTimeout})},
      {"读ID reply too short for an ID", read_id, answering(reply(0x3F, {0x00, 0x01, 0x00})), true,
       join({kReadStart, kReadTimeout})},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run(c.radio, c.operation(), c.port_open).script, c.expected) << c.name;
  }
}

TEST(ServiceRead, ASilentRadioGetsTheRequestThreeTimesAndTheTimeOutAtThreeSeconds) {
  struct Case {
    const char* name;
    std::unique_ptr<Operation> operation;
    Bytes request;
  };
  Case cases[] = {
      {"数据读取", std::make_unique<ReadRssi>(), {0x54, 0x03, 0x00, 0x00, 0x07, 0x5E}},
      {"读ID", std::make_unique<ReadId>(), {0x5B, 0x03, 0x00, 0x00, 0x00, 0x5E}},
  };
  for (auto& c : cases) {
    const Outcome r = run(silent(), std::move(c.operation));
    const Duration attempt = 1s + line(6);
    ASSERT_EQ(r.requests.size(), 3u) << c.name;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(r.requests[i].at, i * attempt) << c.name;
      EXPECT_EQ(r.requests[i].bytes, c.request) << c.name;
    }
    EXPECT_EQ(r.finished_at, 3 * attempt) << c.name;
  }
}

TEST(ServiceRead, TheReplyReachesTheDialog) {
  const Outcome rssi =
      run(answering(reply(0x3E, {0x00, 0x00, 50, 60})), std::make_unique<ReadRssi>());
  ASSERT_EQ(rssi.replies.size(), 1u);
  EXPECT_EQ(display_RSSI(rssi.replies[0].rx_data), (RssiFields{50, "50", 60, "60"}));

  const Outcome id =
      run(answering(reply(0x3F, {0x00, 0x01, 0x00, 0x00})), std::make_unique<ReadId>());
  ASSERT_EQ(id.replies.size(), 1u);
  EXPECT_EQ(display_ID(id.replies[0].rx_data), "65536");
}

TEST(ServiceRead, BytesOfAnOlderFrameAreClearedFirst) {
  // The reply carries only the ID; what an earlier, longer frame left behind is gone.
  ScriptedRadio radio = answering(reply(0x3F, {0x00, 0x00, 0x00, 0x07}));
  VirtualPair pair(radio);
  pair.link.set_monitor(true);
  pair.link.on_bytes(TimePoint{}, reply(0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9}));
  pair.start(std::make_unique<ReadId>());
  pair.run();
  const auto replies = pair.all<ReplyData>();
  ASSERT_EQ(replies.size(), 1u);
  RxData expected{};
  expected[3] = 7;
  EXPECT_EQ(replies[0].rx_data, expected);
  EXPECT_FALSE(pair.link.state().monitor_flag);  // the read ended the monitor
}

TEST(AdjustRssi, UserSeesEachEndingInOrder) {
  struct Case {
    const char* name;
    ScriptedRadio radio;
    bool port_open;
    Script expected;
  };
  const Script failure = {"status 通讯失败", "message 通讯失败 | "};
  const Case kCases[] = {
      {"answered", answering(reply(0x41, {})), true,
       join({kWriteStart, {"message OK | 调整"}, kWriteEnd, {"finished"}})},
      {"answered on the third try", answering(reply(0x41, {}), 2), true,
       join({kWriteStart, {"message OK | 调整"}, kWriteEnd, {"finished"}})},
      {"silent radio", silent(), true, join({kWriteStart, failure, kWriteEnd, {"failed"}})},
      {"port closed", silent(), false,
       join({kWriteStart, kNoPort, failure, kWriteEnd, {"failed"}})},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run(c.radio, std::make_unique<AdjustRssi>("42", "40"), c.port_open).script,
              c.expected)
        << c.name;
  }
}

TEST(AdjustRssi, SendsTheTypedValues) {
  struct Case {
    const char* Text1;
    const char* Text2;
    Bytes expected;
  };
  const Case kCases[] = {
      {"42", "40", {0x59, 0x08, 0x00, 0x00, 0x80, 0x80, 0x2A, 0x28, 0x80, 0x00, 0x33}},
      // Outside the scrollbars' 21..99 but one byte each: sent as typed.
      {"0", "255", {0x59, 0x08, 0x00, 0x00, 0x80, 0x80, 0x00, 0xFF, 0x80, 0x00, 0xE0}},
  };
  for (const auto& c : kCases) {
    const Outcome r = run(silent(), std::make_unique<AdjustRssi>(c.Text1, c.Text2));
    ASSERT_EQ(r.requests.size(), 3u) << c.Text1;
    for (const auto& q : r.requests) EXPECT_EQ(q.bytes, c.expected) << c.Text1;
    EXPECT_EQ(r.finished_at, 3 * (1s + line(11))) << c.Text1;
  }
}

TEST(AdjustRssi, RefusesValuesThatAreNotOneByte) {
  struct Case {
    const char* Text1;
    const char* Text2;
  };
  const Case kBad[] = {
      {"", "40"},     // narrow band empty
      {"42", ""},     // wide band empty
      {"256", "40"},  // does not fit one byte
      {"42", "-1"},   // negative
      {"abc", "40"},  // not a number
      {"42", "4.5"},  // not an integer
  };
  for (const auto& c : kBad) {
    const Outcome r =
        run(answering(reply(0x41, {})), std::make_unique<AdjustRssi>(c.Text1, c.Text2));
    EXPECT_EQ(r.script, (Script{"message RSSI 输入错误，请重新输入 | 注意 | !", "failed"}))
        << c.Text1 << '/' << c.Text2;
    EXPECT_TRUE(r.requests.empty()) << c.Text1 << '/' << c.Text2;
  }
}

TEST(WriteId, UserSeesEachEndingInOrder) {
  struct Case {
    const char* name;
    ScriptedRadio radio;
    bool port_open;
    Script expected;
  };
  const Script failure = {"status 通讯失败", "message 写ID 通讯失败 | "};
  const Case kCases[] = {
      {"answered", answering(reply(0x41, {})), true, join({kWriteStart, kWriteEnd, {"finished"}})},
      {"answered on the second try", answering(reply(0x41, {}), 1), true,
       join({kWriteStart, kWriteEnd, {"finished"}})},
      {"silent radio", silent(), true, join({kWriteStart, failure, kWriteEnd, {"failed"}})},
      {"port closed", silent(), false,
       join({kWriteStart, kNoPort, failure, kWriteEnd, {"failed"}})},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run(c.radio, std::make_unique<WriteId>("305419896"), c.port_open).script, c.expected)
        << c.name;
  }
}

TEST(WriteId, SendsTheTypedIdOnEveryTry) {
  const Outcome r = run(silent(), std::make_unique<WriteId>("305419896"));
  ASSERT_EQ(r.requests.size(), 3u);
  for (const auto& q : r.requests) {
    EXPECT_EQ(q.bytes, (Bytes{0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}));
  }
  EXPECT_EQ(r.finished_at, 3 * (1s + line(7)));
}

TEST(WriteId, RefusesAnIdThatIsNot32Bits) {
  const char* const kBad[] = {
      "",            // an empty field
      "9999999999",  // ten digits, more than 32 bits
      "4294967296",  // one past the largest ID
      "12a",         // pasted text that is not a number
  };
  for (const char* text : kBad) {
    const Outcome r = run(answering(reply(0x41, {})), std::make_unique<WriteId>(text));
    EXPECT_EQ(r.script, (Script{"message ID 输入错误，请重新输入 | 注意 | !", "failed"})) << text;
    EXPECT_TRUE(r.requests.empty()) << text;
  }
}

TEST(WriteId, TwoWritesFrom100Leave102AndCount2) {
  IdFields fields{"100", "0"};
  for (int i = 0; i < 2; ++i) {
    const Outcome r = run(answering(reply(0x41, {})), std::make_unique<WriteId>(fields.Text1));
    ASSERT_EQ(r.script.back(), "finished");
    fields = after_write(*id_value(fields.Text1), fields.Text2);
  }
  EXPECT_EQ(fields, (IdFields{"102", "2"}));
}

TEST(MonitorCommand, EachButtonSendsItsModeAndSetsTheFlag) {
  struct Case {
    MonitorButton button;
    Bytes request;
    bool monitor_flag;
  };
  const Case kCases[] = {
      {MonitorButton::StartRssi, {0x55, 0x01, 0x01, 0x57}, true},
      {MonitorButton::StopRssi, {0x55, 0x01, 0x00, 0x56}, false},
      {MonitorButton::StartBattery, {0x55, 0x01, 0x02, 0x58}, true},
      {MonitorButton::StopBattery, {0x55, 0x01, 0x00, 0x56}, false},
  };
  for (const auto& c : kCases) {
    for (bool port_open : {true, false}) {
      const int button = static_cast<int>(c.button);
      ScriptedRadio radio = silent();
      VirtualPair pair(radio);
      pair.link.set_port_open(port_open);
      pair.link.set_monitor(!c.monitor_flag);
      pair.start(std::make_unique<MonitorCommand>(c.button));
      pair.run();
      EXPECT_EQ(pair.link.state().monitor_flag, c.monitor_flag) << button << port_open;
      if (port_open) {
        ASSERT_EQ(pair.requests.size(), 1u) << button;
        EXPECT_EQ(pair.requests[0].bytes, c.request) << button;
        EXPECT_EQ(script_of(pair.user_actions), (Script{"finished"})) << button;
        EXPECT_EQ(pair.finished_at(), line(4) + kSettle) << button;  // no reply is awaited
      } else {
        EXPECT_TRUE(pair.requests.empty()) << button;
        EXPECT_EQ(script_of(pair.user_actions), (Script{"message 请设置串口 | 注意 | !", "failed"}))
            << button;
      }
    }
  }
}

TEST(MonitorCommand, StopOfTheRssiGroupClearsRxData) {
  ScriptedRadio radio = silent();
  VirtualPair pair(radio);
  pair.link.on_bytes(TimePoint{}, reply(0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9}));
  pair.start(std::make_unique<MonitorCommand>(MonitorButton::StopRssi));
  pair.run();
  EXPECT_EQ(pair.link.state().rx.rx_data, RxData{});
}

TEST(MonitorCommand, AFrameFromBeforeTheStartIsNotShown) {
  for (auto button : {MonitorButton::StartRssi, MonitorButton::StartBattery}) {
    ScriptedRadio radio([](const Bytes&, int) {
      return std::vector<Out>{{kAnswerAfter, reply(0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9})}};
    });
    VirtualPair pair(radio);
    pair.link.on_bytes(TimePoint{}, reply(0x44, {2, 1, 0x03, 0xE8}));  // nobody asked for it
    pair.start(std::make_unique<MonitorCommand>(button));
    pair.wait(1s);
    const auto packets = pair.all<MonitorPacket>();
    ASSERT_EQ(packets.size(), 1u) << static_cast<int>(button);
    EXPECT_EQ(packets[0].rx_data[0], 1) << static_cast<int>(button);
  }
}

TEST(MonitorCommand, TheStreamReachesTheDialogUntilStopped) {
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
  pair.start(std::make_unique<MonitorCommand>(MonitorButton::StartRssi));
  pair.wait(1s);
  pair.start(std::make_unique<MonitorCommand>(MonitorButton::StartBattery));
  pair.wait(1s);
  pair.start(std::make_unique<MonitorCommand>(MonitorButton::StopBattery));
  pair.wait(1s);
  std::vector<MonitorView> shown;
  for (const auto& p : pair.all<MonitorPacket>()) shown.push_back(display_Monit(p.rx_data));
  const std::vector<MonitorView> expected = {
      RssiMonitor{"40", "300", "5", "9"},
      RssiMonitor{"41", "32768", "65535", "10"},
      BatteryMonitor{kRed, "1000"},
  };
  EXPECT_EQ(shown, expected);
}

TEST(ServiceOperations, CancelledWhileWaitingEndsAsWithoutAnAnswer) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Operation>()> operation;
    Script expected;
  };
  const Case kCases[] = {
      {"数据读取", [] { return std::make_unique<ReadRssi>(); }, join({kReadStart, kReadTimeout})},
      {"读ID", [] { return std::make_unique<ReadId>(); }, join({kReadStart, kReadTimeout})},
      {"调整", [] { return std::make_unique<AdjustRssi>("42", "40"); },
       join({kWriteStart, {"status 通讯失败", "message 通讯失败 | "}, kWriteEnd, {"failed"}})},
      {"写ID", [] { return std::make_unique<WriteId>("7"); },
       join({kWriteStart, {"status 通讯失败", "message 写ID 通讯失败 | "}, kWriteEnd, {"failed"}})},
      {"开始 (RSSI) before it has settled",
       [] { return std::make_unique<MonitorCommand>(MonitorButton::StartRssi); },
       {"failed"}},
  };
  for (const auto& c : kCases) {
    ScriptedRadio radio = silent();
    VirtualPair pair(radio);
    pair.start(c.operation());
    pair.wait(10ms);
    pair.link.cancel();
    auto actions = pair.user_actions;
    while (auto a = pair.link.poll()) actions.push_back(*a);
    EXPECT_EQ(script_of(actions), c.expected) << c.name;
    EXPECT_FALSE(pair.link.busy()) << c.name;
  }
}

TEST(ServiceOperations, OneSequenceAtATime) {
  ScriptedRadio radio = silent();
  VirtualPair pair(radio);
  ASSERT_TRUE(pair.start(std::make_unique<AdjustRssi>("42", "40")));
  EXPECT_FALSE(pair.link.start(TimePoint{}, std::make_unique<ReadId>()));
  EXPECT_FALSE(
      pair.link.start(TimePoint{}, std::make_unique<MonitorCommand>(MonitorButton::StartRssi)));
  pair.run();
  EXPECT_EQ(pair.requests.size(), 3u);
  for (const auto& q : pair.requests) EXPECT_EQ(q.bytes[0], 0x59);
}

}  // namespace
}  // namespace m27
