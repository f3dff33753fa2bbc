// What the user sees during a read or a write, in order, for every way it can end.

#include <gtest/gtest.h>

#include "channels/sheet.h"
#include "link/read_transfer.h"
#include "link/requests.h"
#include "link/write_transfer.h"
#include "sheet_line.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;
using Out = ScriptedRadio::Out;

constexpr Duration kAnswerAfter = 40ms;

// A radio that answers the first `answered` requests and then stays silent. Its option record
// says professional mode, the China plan and `total` channels; channel row r has count r on the
// 6.25 kHz raster and the tone bytes 0x38 inverted ("I023").
ScriptedRadio answering(int answered, std::uint8_t total = 20) {
  return ScriptedRadio([=](const Bytes& request, int n) -> std::vector<Out> {
    if (n >= answered || request[0] == 0x45) return {};
    if (request[0] == 0x53) return {{kAnswerAfter, reply(0x42, {0x41, 0x01, total})}};
    if (request[0] == 0x52) {
      const std::uint8_t row = request[2];
      return {{kAnswerAfter, reply(0x43, {0x00, row, 0x00, row, 0x38, 0x38, 0x1B})}};
    }
    return {{kAnswerAfter, reply(0x41, {})}};
  });
}

// The last progress value the window showed.
int last_progress(const Outcome& r) {
  int value = 0;
  for (const auto& a : r.actions) {
    if (const auto* p = std::get_if<SetProgress>(&a); p && p->value != 0) value = p->value;
  }
  return value;
}

const Script kNoAnswer = {"hide progress",   "release splash timer",
                          "status 通讯失败", "message 通讯失败，请检查对讲机是否进入写频模式 | ",
                          "commands on",     "status 串口"};
const Script kFreeCtrl = {"hide progress", "commands on", "release splash timer"};

TEST(ReadTransfer, UserSeesEachEndingInOrder) {
  const Script start = {"commands off", "progress window 向对讲机读入数据", "status 正在读频......",
                        "no refresh"};
  const Script done = {"status 读频完成", "message 读写完成 | 读频完成"};
  const Script end = {"refresh in 1 s", "finished"};
  const Script read_error = {"status 读频出错", "message 读频出错 | 读频出错", "refresh in 1 s",
                             "failed"};
  const Script complete = join({start, kFreeCtrl, done, end});
  const Script too_many = join({start, kFreeCtrl, done, {"message 读写完成 | 信道数出错"}, end});
  const Script no_options = join({start, kNoAnswer, {"refresh in 1 s", "failed"}});
  const Script no_channel = join({start, kNoAnswer, kFreeCtrl, read_error});
  const Script cancelled = join({start, kFreeCtrl, read_error});
  struct Case {
    const char* name;
    ScriptedRadio radio;
    bool port_open;
    std::optional<Duration> cancel_after;
    Script expected;
  };
  const Case kCases[] = {
      {"complete", answering(26), true, {}, complete},
      {"complete with a total above 25", answering(26, 40), true, {}, too_many},
      {"port closed", answering(26), false, {}, {"message 请打开通信端口 | ", "failed"}},
      {"no option record", answering(0), true, {}, no_options},
      {"channel record missing", answering(1), true, {}, no_channel},
      {"progress window closed", answering(26), true, 200ms, cancelled},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    EXPECT_EQ(
        run(c.radio, std::make_unique<ReadTransfer>(sheet), c.port_open, c.cancel_after).script,
        c.expected)
        << c.name;
  }
}

TEST(ReadTransfer, FillsTheSheetAndCountsTo75) {
  Sheet sheet = startup_sheet();
  const Outcome r = run(answering(26), std::make_unique<ReadTransfer>(sheet));
  ASSERT_EQ(r.requests.size(), 26u);
  EXPECT_EQ(r.requests[0].bytes, wire_bytes(read_options_request()));
  EXPECT_EQ(r.requests[25].bytes, wire_bytes(read_channel_request(24)));
  EXPECT_EQ(last_progress(r), 75);
  EXPECT_EQ(line_of(sheet, kOptionFields), "2:专业模式|允许|关|关|2:中国频率|20");
  EXPECT_TRUE(sheet.rows[19].enabled);
  EXPECT_FALSE(sheet.rows[20].enabled);
  EXPECT_EQ(line_of(sheet.rows[7], kRowFields), "400.04375|400.04375|I023|I023|窄带");
}

TEST(ReadTransfer, RowsAfterAFailureKeepTheirValues) {
  Sheet sheet = startup_sheet();
  run(answering(6), std::make_unique<ReadTransfer>(sheet));  // options and rows 0..4 answered
  EXPECT_EQ(line_of(sheet.rows[4], kRowFields), "400.02500|400.02500|I023|I023|窄带");
  // Row 5 keeps its frequencies; the mode change reset its tones, nothing was read over them.
  EXPECT_EQ(line_of(sheet.rows[5], kRowFields), "452.62500|452.62500|OFF|OFF|窄带");
}

TEST(WriteTransfer, UserSeesEachEndingInOrder) {
  const Script start = {"no refresh", "hold splash timer", "commands off",
                        "progress window 向对讲机写入数据", "status 正在写频......"};
  const Script complete =
      join({start,
            kFreeCtrl,
            {"refresh in 1 s", "status 写频完成", "message 写频完成 | 写频完成", "finished"}});
  const Script refused = {"no refresh", "hold splash timer",
                          "message 第3信道频率输入错误，请重新输入 | 注意 | !",
                          "release splash timer", "failed"};
  const Script no_answer = join({start, kNoAnswer, {"refresh in 1 s", "failed"}});
  const Script failure = join(
      {start, kFreeCtrl, {"status 通讯失败", "message 通讯失败 | ", "refresh in 1 s", "failed"}});
  Sheet off_band = startup_sheet();
  off_band.rows[2].rx_frequency = "399.95000";
  Sheet bad_total = startup_sheet();
  bad_total.channel_total = "abc";
  struct Case {
    const char* name;
    Sheet sheet;
    int answered;
    std::size_t requests;  // no end packet after a failure
    Script expected;
    std::optional<Duration> cancel_after = {};
  };
  const Case kCases[] = {
      {"complete", startup_sheet(), 27, 27, complete},
      {"refused by the check", off_band, 27, 0, refused},
      {"no answer to the options", startup_sheet(), 0, 3, no_answer},
      {"no answer to a channel", startup_sheet(), 5, 6, no_answer},
      {"a record that cannot be built", bad_total, 27, 0, failure},
      {"progress window closed", startup_sheet(), 27, 6, failure, 200ms},
  };
  for (const auto& c : kCases) {
    Sheet sheet = c.sheet;
    const Outcome r =
        run(answering(c.answered), std::make_unique<WriteTransfer>(sheet), true, c.cancel_after);
    EXPECT_EQ(r.script, c.expected) << c.name;
    EXPECT_EQ(r.requests.size(), c.requests) << c.name;
  }
}

TEST(WriteTransfer, SendsTwentySevenPacketsAndCountsTo156) {
  Sheet sheet = startup_sheet();
  sheet.channel_total = "3";  // all 25 rows go out whatever the total
  const Outcome r = run(answering(27), std::make_unique<WriteTransfer>(sheet));
  ASSERT_EQ(r.requests.size(), 27u);
  EXPECT_EQ(r.requests[0].bytes, wire_bytes(*write_options_request(sheet)));
  for (int row = 0; row < 25; ++row) {
    EXPECT_EQ(r.requests[1 + row].bytes, wire_bytes(*write_channel_request(sheet, row))) << row;
  }
  EXPECT_EQ(r.requests[26].bytes, wire_bytes(end_request()));
  EXPECT_EQ(last_progress(r), 156);
}

}  // namespace
}  // namespace m27
