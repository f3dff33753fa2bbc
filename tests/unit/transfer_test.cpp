// SPDX-License-Identifier: GPL-3.0-or-later
// The read and write transfers: what they report, in order, for every way they can end, and
// against the fake radio, that a write comes back by a read (every record sent, all 25 rows
// whatever the total, the end packet).

#include <gtest/gtest.h>

#include "fake-radio/radio.h"
#include "hex.h"
#include "sheet_line.h"
#include "support/varied_sheet.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;

TEST(Transfer, ReportsEachEndingInOrderAndAReadHandsOutASheetOnlyWhenComplete) {
  const Script no_answer = {"ended no answer", "message 通讯失败，请检查对讲机是否进入写频模式 | "};
  const Script read = {"began read", "progress 0/75"};
  const Script read_done = {"ended completed", "message 读写完成 | 读频完成"};
  const Script read_error = {"ended read error", "message 读频出错 | 读频出错"};
  const Script write = {"began write", "progress 0/156"};
  struct Case {
    const char* name;
    bool write;
    int answered;          // requests; the radio stays silent after them
    std::size_t requests;  // no end packet after a failure
    Script expected;
    std::uint8_t total = 25;  // the radio's channel total: 25 is no error, 26 is
    std::optional<Duration> cancel_after = {};
  };
  const Case kCases[] = {
      {"read", false, 26, 26, join({read, read_done})},
      {"read of a total of 26", false, 26, 26,
       join({read, read_done, {"message 读写完成 | 信道数出错"}}), 26},
      {"read, no option record", false, 0, 3, join({read, no_answer})},
      {"read, rows 0..4 read, then silence", false, 6, 7,
       join({read, {"ended read error", no_answer[1], read_error[1]}})},
      {"read, progress window closed", false, 26, 6, join({read, read_error}), 25, 200ms},
      {"write", true, 27, 27, join({write, {"ended completed", "message 写频完成 | 写频完成"}})},
      {"write, no answer to the options", true, 0, 3, join({write, no_answer})},
      {"write, no answer to a channel", true, 5, 6,
       join({write,
             {"ended no answer",
              "message 通讯失败，请检查对讲机是否进入写频模式\n"
              "对讲机中的数据可能不完整，请重新写频 | "}})},
      {"write, progress window closed", true, 27, 6,
       join({write, {"ended communication error", "message 通讯失败 | "}}), 25, 200ms},
  };
  for (const auto& c : kCases) {
    const Outcome r = run(ScriptedRadio(answering(c.answered, c.total)),
                          transfer(c.write, startup_sheet()), true, c.cancel_after);
    EXPECT_EQ(r.script, c.expected) << c.name;
    EXPECT_EQ(r.requests.size(), c.requests) << c.name;
    EXPECT_EQ(sheet_read(r.events).has_value(), !c.write && c.expected[2] == "ended completed")
        << c.name;
  }
}

// A write is prepared whether or not it is refused: the sheet snapped onto the rasters and
// formatted; then the refusal, or the option record, the 25 channel records and the end packet.
TEST(Transfer, AWriteIsTheSnappedSheetAndItsRefusalOrItsFrames) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].rx_frequency = sheet.rows[0].tx_frequency = "462.5625";
  sheet.rows[1].rx_frequency = "450.6274";  // on neither raster: down to 450.62500
  PreparedWrite prepared = prepare_write(sheet);
  EXPECT_EQ(prepared.sheet.rows[1].rx_frequency, "450.62500");
  ASSERT_EQ(prepared.refusal(), nullptr);
  const auto frames = prepared.plan().value().frames();
  ASSERT_EQ(frames.size(), 27u);
  EXPECT_EQ(hex(wire_bytes(frames[0])), "58 06 00 00 01 03 19 00 7B");
  EXPECT_EQ(hex(wire_bytes(frames[1])), "57 09 00 00 27 1A 27 1A 00 00 03 E5");
  EXPECT_EQ(hex(wire_bytes(frames[2])), "57 09 01 00 1F A4 1F A4 00 00 03 EA");
  EXPECT_EQ(hex(wire_bytes(frames[26])), "45 00 45");
  sheet.rows[2].rx_frequency = "399.95000";  // below the band
  prepared = prepare_write(sheet);
  EXPECT_EQ(prepared.sheet.rows[1].rx_frequency, "450.62500");
  ASSERT_NE(prepared.refusal(), nullptr);
  EXPECT_EQ(shown(*prepared.refusal()), "注意 (!) 第3信道频率输入错误，请重新输入");
}

// A port that never reports the end packet written does not hold the write: it completes a
// second after the packet went out.
TEST(Transfer, AnEndPacketThePortNeverReportsWrittenEndsTheWriteASecondLater) {
  ScriptedRadio radio(answering());
  VirtualPair pair(radio);
  pair.start(transfer(true, startup_sheet()));
  for (int ms = 0; pair.requests.size() < 26; ++ms) {
    ASSERT_LT(ms, 60'000) << "the write stalls, the link " << pair.link.phase_name();
    pair.wait(1ms);
  }
  pair.written_reports = false;
  pair.run();
  ASSERT_EQ(pair.requests.size(), 27u);
  EXPECT_EQ(pair.finished(), true);
  EXPECT_EQ(*pair.finished_at() - pair.requests.back().at, kByteTime * 3 + 1s);
}

// A write sends `sheet`, which becomes what it sent; a read replaces it with what it read.
std::optional<bool> with_fake_radio(fake::Radio& radio, bool write, Sheet& sheet) {
  if (write) sheet = prepare_write(sheet).sheet;
  VirtualPair pair(radio);
  pair.start(transfer(write, sheet));
  pair.run(10 * 60s);
  if (auto read = sheet_read(pair.events)) sheet = std::move(*read);
  return pair.finished();
}

TEST(Transfer, WriteThenReadGivesBackTheTableOfTheFakeRadio) {
  Sheet written = varied_sheet();
  fake::Radio radio(fake::default_memory(), {});
  ASSERT_EQ(with_fake_radio(radio, true, written), true);
  EXPECT_EQ(radio.end_packets(), 1u);
  EXPECT_EQ(radio.memory().options,
            (std::array<std::uint8_t, 3>{0x01 | 0x04 | 0x20 | 0x40 | 0x80, 2, 17}));
  Sheet read = startup_sheet();
  ASSERT_EQ(with_fake_radio(radio, false, read), true);
  EXPECT_EQ(line_of(read, kOptionFields), line_of(written, kOptionFields));
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& a = written.rows[i];
    const ChannelRow& b = read.rows[i];
    EXPECT_EQ(line_of(b, kRowFields), line_of(a, kRowFields)) << "row " << i;
    EXPECT_EQ(std::pair(b.rx_step, b.tx_step), std::pair(a.rx_step, a.tx_step)) << "row " << i;
  }
}

}  // namespace
}  // namespace m27
