#include "channels/validation.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/channel_table.h"
#include "channels/options.h"
#include "sheet_line.h"

namespace m27 {
namespace {

// A sheet whose every row holds `text` in one frequency column, checked `runs` times.
Sheet checked(const char* text, std::string ChannelRow::*column, int runs) {
  Sheet sheet = startup_sheet();
  sheet.channel_total = std::string("1");  // the check covers all rows, not only those in use
  for (ChannelRow& row : sheet.rows) row.*column = text;
  for (int i = 0; i < runs; ++i) check_rasters(sheet);
  return sheet;
}

TEST(Validation, RasterCheckMovesOffRasterFrequenciesDownToTheFiveKilohertzRaster) {
  struct Case {
    const char* text;
    const char* after;  // the text the check leaves
    int first_step;     // the raster flag of the first run
    int next_step;      // and of the next one
  };
  const Case kCases[] = {
      {"462.56250", "462.56250", 1, 1},  // 6.25 kHz only
      {"451.00500", "451.00500", 0, 0},  // 5 kHz only
      {"450.12500", "450.12500", 1, 1},  // both: 6.25 wins
      {"451.00000", "451.00000", 1, 1},  // both
      {"451.00300", "451", 0, 1},        // neither: moved down, on both after the move
      {"450.02510", "450.025", 0, 1},    // neither, 10 Hz above a 25 kHz point
      {"399.99900", "399.995", 0, 0},    // moved down, below the base, onto 5 kHz only
      {"", "0", 1, 1},                   // empty becomes "0", a multiple of 25 kHz
      {"1.2.3", "1.2.3", 0, 0},          // two points: no number, left as it is
      {"abc", "abc", 0, 0},              // letters typed into a transmit cell
      {"   ", "   ", 0, 0},              // blanks are not empty
  };
  for (const auto& c : kCases) {
    for (const auto& [column, step] :
         {std::pair{&ChannelRow::rx_frequency, &ChannelRow::rx_step},
          std::pair{&ChannelRow::tx_frequency, &ChannelRow::tx_step}}) {
      const Sheet once = checked(c.text, column, 1);
      const Sheet twice = checked(c.text, column, 2);
      for (int i = 0; i < kRows; ++i) {
        EXPECT_EQ(once.rows[i].*column, c.after) << c.text << " row " << i;
        EXPECT_EQ(once.rows[i].*step, c.first_step) << c.text << " row " << i;
        EXPECT_EQ(twice.rows[i].*step, c.next_step) << c.text << " row " << i;
      }
    }
  }
}

// Row 6 of the start-up sheet with the given frequencies, checked and formatted as a write does.
std::string pre_write_check_of(const char* rx_frequency, const char* tx_frequency) {
  Sheet sheet = startup_sheet();
  if (rx_frequency) sheet.rows[6].rx_frequency = rx_frequency;
  if (tx_frequency) sheet.rows[6].tx_frequency = tx_frequency;
  check_rasters(sheet);
  commit_edits(sheet);
  return shown(pre_write_check(sheet));
}

TEST(Validation, PreWriteCheckPassesSendableRowsAndRefusesOthersByNumber) {
  for (const char* rx : {"400.00000", "490.00000"}) {
    EXPECT_EQ(pre_write_check_of(rx, nullptr), "nothing") << rx;
  }
  for (const char* tx : {"400.00000", "809.59375", "727.67000"}) {  // the last counts of both
    EXPECT_EQ(pre_write_check_of(nullptr, tx), "nothing") << tx;
  }
  const char* kBadReceive[] = {
      "399.95000",  // below the band
      "399.99900",  // moved to 399.995, below the band
      "490.05000",  // above the band
      "490.00500",  // just above the band
      "1.2.3",      // no number
  };
  const char* kBadTransmit[] = {
      "abc",                 // no number
      "频率频率频率频率频",  // nine characters: not over-long, but no number
      "300.00000",           // below the base: a negative count
      "399.99900",           // moved to 399.995: count -1
      "809.60000",           // count 65536 of 6.25 kHz
      "727.68000",           // count 65536 of 5 kHz
  };
  const std::string refused = "注意 (!) 第7信道频率输入错误，请重新输入";
  for (const char* rx : kBadReceive) EXPECT_EQ(pre_write_check_of(rx, nullptr), refused) << rx;
  for (const char* tx : kBadTransmit) EXPECT_EQ(pre_write_check_of(nullptr, tx), refused) << tx;
}

TEST(Validation, PreWriteCheckRefusesOverLongTextsWithoutARowNumber) {
  const char* kBad[] = {
      "450.125000",            // ten characters
      "1234.50000",            // a formatted frequency of four integer digits
      "频率频率频率频率频率",  // ten characters, thirty bytes
  };
  for (const char* text : kBad) {
    for (const auto column : {&ChannelRow::rx_frequency, &ChannelRow::tx_frequency}) {
      Sheet sheet = startup_sheet();
      sheet.rows[0].rx_frequency = "300";  // the band test comes after the length test
      sheet.rows[9].*column = text;
      EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 信道频率输入错误，请重新输入") << text;
    }
  }
}

TEST(Validation, PreWriteCheckTakesEmptyFieldsFirstThenTheFirstFailingRowOfAll25) {
  Sheet sheet = startup_sheet();
  sheet.channel_total = "10";
  sheet.rows[24].rx_frequency = "300.00000";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第25信道频率输入错误，请重新输入");
  sheet.rows[17].tx_frequency = "abc";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第18信道频率输入错误，请重新输入");
  sheet.rows[1].rx_frequency = "450.1250000";
  sheet.rows[19].tx_frequency = "";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第20信道频率输入错误，请重新输入");
}

void to_professional(Sheet& sheet) {
  sheet.mode = kProfessionalMode;
  change_mode(sheet);
}

TEST(Validation, PreWriteCheckRefusesEveryToneBandwidthAndOptionTheRadioCannotHold) {
  struct Case {
    const char* name;
    void (*change)(Sheet&);
    const char* refusal;  // after "注意 (!) ", or "nothing"
  };
  const Case kCases[] = {
      {"start-up sheet", [](Sheet&) {}, "nothing"},
      {"receive 100.0: the table says 100", [](Sheet& s) { s.rows[3].rx_tone = "100.0"; },
       "第4信道亚音输入错误，请重新输入"},
      {"transmit D999", [](Sheet& s) { s.rows[3].tx_tone = "D999"; },
       "第4信道亚音输入错误，请重新输入"},
      {"empty tone", [](Sheet& s) { s.rows[24].rx_tone = ""; }, "第25信道亚音输入错误，请重新输入"},
      {"inverted DCS in normal mode", [](Sheet& s) { s.rows[1].rx_tone = "I023"; },
       "第2信道亚音输入错误，请重新输入"},
      {"69.3 is professional only", [](Sheet& s) { s.rows[1].tx_tone = "69.3"; },
       "第2信道亚音输入错误，请重新输入"},
      {"inverted DCS and 69.3 in professional mode",
       [](Sheet& s) {
         to_professional(s);
         s.rows[1].rx_tone = "I754", s.rows[1].tx_tone = "69.3";
       },
       "nothing"},
      {"D999 in professional mode",
       [](Sheet& s) {
         to_professional(s);
         s.rows[7].rx_tone = "D999";
       },
       "第8信道亚音输入错误，请重新输入"},
      {"bandwidth xx", [](Sheet& s) { s.rows[5].bandwidth = "xx"; },
       "第6信道带宽输入错误，请重新输入"},
      {"typed beside the toggle", [](Sheet& s) { s.rows[5].bandwidth = "宽abc带"; },
       "第6信道带宽输入错误，请重新输入"},
      {"every item",
       [](Sheet& s) {
         s.plan = "1:美国频率", s.transmit = "禁止", s.busy_lockout = "开", s.fsk = "开";
         s.channel_total = "1";
       },
       "nothing"},
      {"plan 5", [](Sheet& s) { s.plan = "5:火星频率"; }, "频率选择输入错误，请重新输入"},
      {"mode 3", [](Sheet& s) { s.mode = "3:火星模式"; }, "模式选择输入错误，请重新输入"},
      {"transmit maybe", [](Sheet& s) { s.transmit = "也许"; }, "发射输入错误，请重新输入"},
      {"busy lock-out on", [](Sheet& s) { s.busy_lockout = "on"; }, "遇忙禁发输入错误，请重新输入"},
      {"FSK with a blank", [](Sheet& s) { s.fsk = "开 "; }, "FSK输入错误，请重新输入"},
      {"30 channels", [](Sheet& s) { s.channel_total = "30"; }, "信道总数输入错误，请重新输入"},
      {"channel total 05", [](Sheet& s) { s.channel_total = "05"; },
       "信道总数输入错误，请重新输入"},
      {"first failing row of the tones",
       [](Sheet& s) { s.rows[9].tx_tone = "x", s.rows[2].rx_tone = "y"; },
       "第3信道亚音输入错误，请重新输入"},
      {"tones before bandwidths",
       [](Sheet& s) { s.rows[1].bandwidth = "x", s.rows[20].rx_tone = "y"; },
       "第21信道亚音输入错误，请重新输入"},
      {"rows before options", [](Sheet& s) { s.transmit = "x", s.rows[24].bandwidth = "y"; },
       "第25信道带宽输入错误，请重新输入"},
      {"options in the window's order",
       [](Sheet& s) { s.channel_total = "x", s.busy_lockout = "y"; },
       "遇忙禁发输入错误，请重新输入"},
      {"frequencies first",
       [](Sheet& s) { s.rows[0].rx_tone = "x", s.rows[11].rx_frequency = "300"; },
       "第12信道频率输入错误，请重新输入"},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    c.change(sheet);
    const std::string expected =
        c.refusal == std::string("nothing") ? "nothing" : std::string("注意 (!) ") + c.refusal;
    EXPECT_EQ(shown(pre_write_check(sheet)), expected) << c.name;
  }
}

}  // namespace
}  // namespace m27
