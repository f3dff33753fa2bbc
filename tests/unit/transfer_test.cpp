// What the user sees during a read or a write, in order, for every way it can end.

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
using Script = std::vector<std::string>;

constexpr Duration kAnswerAfter = 40ms;

// One line per user action; progress values and sheet refreshes are left out, they are
// checked on their own.
std::string describe(const Action& a) {
  struct {
    std::string operator()(const Status& s) { return "status " + s.text; }
    std::string operator()(const ShowMessage& m) {
      return "message " + m.message.text + " | " + m.message.title +
             (m.message.icon == MessageIcon::Exclamation ? " | !" : "");
    }
    std::string operator()(const ShowProgress& p) { return "progress window " + p.caption; }
    std::string operator()(const HideProgress&) { return "hide progress"; }
    std::string operator()(const EnableCommands& e) {
      return e.enabled ? "commands on" : "commands off";
    }
    std::string operator()(const ArmStatusRefresh&) { return "refresh in 1 s"; }
    std::string operator()(const StopStatusRefresh&) { return "no refresh"; }
    std::string operator()(const HoldSplashTimer& h) {
      return h.hold ? "hold splash timer" : "release splash timer";
    }
    std::string operator()(const Finished& f) { return f.ok ? "finished" : "failed"; }
    std::string operator()(const Send&) { return ""; }
    std::string operator()(const DiscardInput&) { return ""; }
    std::string operator()(const SetProgress&) { return ""; }
    std::string operator()(const SheetChanged&) { return ""; }
    std::string operator()(const ReplyData&) { return ""; }
    std::string operator()(const MonitorPacket&) { return ""; }
  } visitor;
  return std::visit(visitor, a);
}

Script script_of(const std::vector<Action>& actions) {
  Script lines;
  for (const auto& a : actions) {
    if (auto line = describe(a); !line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<int> progress_of(const std::vector<Action>& actions) {
  std::vector<int> values;
  for (const auto& a : actions) {
    if (const auto* p = std::get_if<SetProgress>(&a); p && p->value != 0)
      values.push_back(p->value);
  }
  return values;
}

// A radio that answers the first `answered` requests and then stays silent.
ScriptedRadio answering(int answered) {
  return ScriptedRadio([answered](const Bytes& request, int n) -> std::vector<Out> {
    if (n >= answered || request[0] == 0x45) return {};
    if (request[0] == 0x53) return {{kAnswerAfter, reply(0x42, {0x41, 0x01, 0x14})}};
    if (request[0] == 0x52) {
      const std::uint8_t row = request[2];
      return {{kAnswerAfter, reply(0x43, {0x00, row, 0x00, row, 0x38, 0x38, 0x1B})}};
    }
    return {{kAnswerAfter, reply(0x41, {})}};
  });
}

struct Outcome {
  Script script;
  std::vector<int> progress;
  std::vector<Bytes> requests;
  Sheet sheet;
};

template <typename Transfer>
Outcome run(ScriptedRadio radio, Sheet sheet, bool port_open = true,
            std::optional<Duration> cancel_after = std::nullopt) {
  VirtualPair pair(radio);
  pair.link.set_port_open(port_open);
  pair.start(std::make_unique<Transfer>(sheet));
  if (cancel_after) {
    pair.wait(*cancel_after);
    pair.link.cancel();
  }
  pair.run();
  pair.wait(0s);
  Outcome r{script_of(pair.user_actions), progress_of(pair.user_actions), {}, sheet};
  for (const auto& q : pair.requests) r.requests.push_back(q.bytes);
  return r;
}

const Script kReadStart = {"commands off", "progress window 向对讲机读入数据",
                           "status 正在读频......", "no refresh"};
const Script kNoAnswer = {"hide progress",   "release splash timer",
                          "status 通讯失败", "message 通讯失败，请检查对讲机是否进入写频模式 | ",
                          "commands on",     "status 串口"};
const Script kFreeCtrl = {"hide progress", "commands on", "release splash timer"};

Script join(std::initializer_list<Script> parts) {
  Script all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(ReadTransfer, UserSeesEachEndingInOrder) {
  struct Case {
    const char* name;
    int answered;
    bool port_open;
    Script expected;
  };
  const Case kCases[] = {
      {"complete", 26, true,
       join({kReadStart,
             kFreeCtrl,
             {"status 读频完成", "message 读写完成 | 读频完成", "refresh in 1 s", "finished"}})},
      {"port closed", 26, false, {"message 请打开通信端口 | ", "failed"}},
      {"no option record", 0, true, join({kReadStart, kNoAnswer, {"refresh in 1 s", "failed"}})},
      {"channel record missing", 1, true,
       join({kReadStart,
             kNoAnswer,
             kFreeCtrl,
             {"status 读频出错", "message 读频出错 | 读频出错", "refresh in 1 s", "failed"}})},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run<ReadTransfer>(answering(c.answered), startup_sheet(), c.port_open).script,
              c.expected)
        << c.name;
  }
}

TEST(ReadTransfer, FillsTheSheetAndCountsTo75) {
  const Outcome r = run<ReadTransfer>(answering(26), startup_sheet());
  ASSERT_EQ(r.requests.size(), 26u);
  EXPECT_EQ(r.requests[0], wire_bytes(Ask_Opt_Data()));
  EXPECT_EQ(r.requests[25], wire_bytes(Ask_Chn_Data(24)));
  EXPECT_EQ(r.progress.back(), 75);
  // Option flags 0x41: professional mode, so the tone bytes 0x38 with the inversion flags are
  // "I023"; total 20 disables rows 20..24.
  EXPECT_EQ(r.sheet.Combo4, "2:专业模式");
  EXPECT_EQ(r.sheet.Combo1, "2:中国频率");
  EXPECT_EQ(r.sheet.Combo2_60, "20");
  EXPECT_TRUE(r.sheet.rows[19].enabled);
  EXPECT_FALSE(r.sheet.rows[20].enabled);
  EXPECT_EQ(r.sheet.rows[7].Text1, "400.04375");  // count 7 on the 6.25 kHz raster
  EXPECT_EQ(r.sheet.rows[7].Text3, "400.04375");
  EXPECT_EQ(r.sheet.rows[7].Text5, "I023");
  EXPECT_EQ(r.sheet.rows[7].Text2, "I023");
  EXPECT_EQ(r.sheet.rows[7].Text4, "窄带");
}

TEST(ReadTransfer, RowsAfterAFailureKeepTheirValues) {
  // Options and rows 0..4 answered, row 5 missing.
  const Outcome r = run<ReadTransfer>(answering(6), startup_sheet());
  EXPECT_EQ(r.sheet.rows[4].Text1, "400.02500");
  EXPECT_EQ(r.sheet.rows[5].Text1, "452.62500");
  EXPECT_EQ(r.sheet.rows[5].Text5, "OFF");  // the mode change reset it; nothing read over it
}

TEST(ReadTransfer, ReportsATotalAboveTwentyFive) {
  ScriptedRadio radio([](const Bytes& request, int) -> std::vector<Out> {
    if (request[0] == 0x53) return {{kAnswerAfter, reply(0x42, {0x01, 0x03, 40})}};
    return {{kAnswerAfter, reply(0x43, {0, 0, 0, 0, 0, 0, 0})}};
  });
  const Outcome r = run<ReadTransfer>(radio, startup_sheet());
  EXPECT_EQ(r.sheet.Combo2_60, "25");
  const Script tail(r.script.end() - 4, r.script.end());
  EXPECT_EQ(tail, (Script{"message 读写完成 | 读频完成", "message 读写完成 | 信道数出错",
                          "refresh in 1 s", "finished"}));
}

TEST(ReadTransfer, ClosingTheProgressWindowEndsItAsAReadError) {
  const Outcome r = run<ReadTransfer>(answering(26), startup_sheet(), true, 200ms);
  EXPECT_EQ(r.script,
            join({kReadStart,
                  kFreeCtrl,
                  {"status 读频出错", "message 读频出错 | 读频出错", "refresh in 1 s", "failed"}}));
  EXPECT_LT(r.requests.size(), 26u);
}

const Script kWriteStart = {"no refresh", "hold splash timer", "commands off",
                            "progress window 向对讲机写入数据", "status 正在写频......"};

TEST(WriteTransfer, UserSeesEachEndingInOrder) {
  Sheet refused = startup_sheet();
  refused.rows[2].Text1 = "399.95000";
  Sheet bad_total = startup_sheet();
  bad_total.Combo2_60 = "abc";
  struct Case {
    const char* name;
    Sheet sheet;
    int answered;
    Script expected;
  };
  const Case kCases[] = {
      {"complete", startup_sheet(), 27,
       join({kWriteStart,
             kFreeCtrl,
             {"refresh in 1 s", "status 写频完成", "message 写频完成 | 写频完成", "finished"}})},
      {"refused by the check",
       refused,
       27,
       {"no refresh", "hold splash timer", "message 第3信道频率输入错误，请重新输入 | 注意 | !",
        "release splash timer", "failed"}},
      {"no answer to the options", startup_sheet(), 0,
       join({kWriteStart, kNoAnswer, {"refresh in 1 s", "failed"}})},
      {"no answer to a channel", startup_sheet(), 3,
       join({kWriteStart, kNoAnswer, {"refresh in 1 s", "failed"}})},
      {"a record that cannot be built", bad_total, 27,
       join({kWriteStart,
             kFreeCtrl,
             {"status 通讯失败", "message 通讯失败 | ", "refresh in 1 s", "failed"}})},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(run<WriteTransfer>(answering(c.answered), c.sheet).script, c.expected) << c.name;
  }
}

TEST(WriteTransfer, SendsTwentySevenPacketsAndCountsTo156) {
  Sheet sheet = startup_sheet();
  sheet.Combo2_60 = "3";  // all 25 rows go out whatever the total
  const Outcome r = run<WriteTransfer>(answering(27), sheet);
  ASSERT_EQ(r.requests.size(), 27u);
  EXPECT_EQ(r.requests[0][0], 0x58);
  for (int row = 0; row < 25; ++row) {
    EXPECT_EQ(r.requests[1 + row], wire_bytes(*Put_Chn_Data(r.sheet, row))) << row;
  }
  EXPECT_EQ(r.requests[26], wire_bytes(Put_End()));
  EXPECT_EQ(r.progress.back(), 156);
}

TEST(WriteTransfer, NoEndPacketAfterAMissingReply) {
  const Outcome r = run<WriteTransfer>(answering(5), startup_sheet());
  EXPECT_EQ(r.requests.size(), 6u);
  EXPECT_NE(r.requests.back()[0], 0x45);
}

TEST(WriteTransfer, ClosingTheProgressWindowEndsItAsACommunicationFailure) {
  const Outcome r = run<WriteTransfer>(answering(27), startup_sheet(), true, 200ms);
  EXPECT_EQ(r.script,
            join({kWriteStart,
                  kFreeCtrl,
                  {"status 通讯失败", "message 通讯失败 | ", "refresh in 1 s", "failed"}}));
  EXPECT_NE(r.requests.back()[0], 0x45);
}

}  // namespace
}  // namespace m27
