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

// The last progress value reported.
int last_progress(const Outcome& r) {
  int value = 0;
  for (const auto& e : r.events) {
    if (const auto* p = std::get_if<Progress>(&e)) value = p->done;
  }
  return value;
}

const Script kNoAnswer = {"ended no answer", "message 通讯失败，请检查对讲机是否进入写频模式 | "};

TEST(ReadTransfer, ReportsEachEndingInOrder) {
  const Script start = {"began read", "progress 0/75"};
  const Script done = {"ended completed", "message 读写完成 | 读频完成"};
  const Script read_error = {"ended read error", "message 读频出错 | 读频出错", "failed"};
  const Script complete = join({start, done, {"finished"}});
  const Script too_many = join({start, done, {"message 读写完成 | 信道数出错", "finished"}});
  const Script no_options = join({start, kNoAnswer, {"failed"}});
  const Script no_channel = join({start, kNoAnswer, read_error});
  const Script cancelled = join({start, read_error});
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
      {"port closed",
       answering(26),
       false,
       {},
       {"message 请打开通信端口 | ", "ended refused", "failed"}},
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

TEST(ReadTransfer, HandsOutTheRadiosSheetAndCountsTo75) {
  const Outcome r = run(answering(26), std::make_unique<ReadTransfer>(startup_sheet()));
  ASSERT_EQ(r.requests.size(), 26u);
  EXPECT_EQ(r.requests[0].bytes, wire_bytes(read_options_request()));
  EXPECT_EQ(r.requests[25].bytes, wire_bytes(read_channel_request(24)));
  EXPECT_EQ(last_progress(r), 75);
  const auto sheet = sheet_read(r.events);
  ASSERT_TRUE(sheet);
  EXPECT_EQ(line_of(*sheet, kOptionFields), "2:专业模式|允许|关|关|2:中国频率|20");
  EXPECT_TRUE(sheet->rows[19].enabled);
  EXPECT_FALSE(sheet->rows[20].enabled);
  EXPECT_EQ(line_of(sheet->rows[7], kRowFields), "400.04375|400.04375|I023|I023|窄带");
}

TEST(ReadTransfer, AFailedReadHandsOutNoSheet) {
  struct Case {
    const char* name;
    int answered;
    std::optional<Duration> cancel_after;
  };
  const Case kCases[] = {
      {"no option record", 0, {}},
      {"rows 0..4 read, then silence", 6, {}},
      {"progress window closed", 26, 200ms},
  };
  for (const auto& c : kCases) {
    const Outcome r = run(answering(c.answered), std::make_unique<ReadTransfer>(startup_sheet()),
                          true, c.cancel_after);
    EXPECT_EQ(sheet_read(r.events), std::nullopt) << c.name;
  }
}

TEST(WriteTransfer, ReportsEachEndingInOrder) {
  const Script start = {"began write", "progress 0/156"};
  const Script complete =
      join({start, {"ended completed", "message 写频完成 | 写频完成", "finished"}});
  const Script refused = {"began write", "message 第3信道频率输入错误，请重新输入 | 注意 | !",
                          "ended refused", "failed"};
  const Script total_refused = {"began write", "message 信道总数输入错误，请重新输入 | 注意 | !",
                                "ended refused", "failed"};
  const Script no_answer = join({start, kNoAnswer, {"failed"}});
  const Script failure =
      join({start, {"ended communication error", "message 通讯失败 | ", "failed"}});
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
      {"an option record that cannot be built", bad_total, 27, 0, total_refused},
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
