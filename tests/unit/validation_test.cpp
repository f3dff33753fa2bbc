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
  sheet.Combo2_60 = "1";  // the check covers all rows, not only those in use
  for (ChannelRow& row : sheet.rows) row.*column = text;
  for (int i = 0; i < runs; ++i) chk_step(sheet);
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
    for (const auto& [column, step] : {std::pair{&ChannelRow::Text1, &ChannelRow::rx_step},
                                       std::pair{&ChannelRow::Text3, &ChannelRow::tx_step}}) {
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
std::string pre_write_check_of(const char* Text1, const char* Text3) {
  Sheet sheet = startup_sheet();
  if (Text1) sheet.rows[6].Text1 = Text1;
  if (Text3) sheet.rows[6].Text3 = Text3;
  chk_step(sheet);
  RESET_TEXT(sheet);
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
    for (const auto column : {&ChannelRow::Text1, &ChannelRow::Text3}) {
      Sheet sheet = startup_sheet();
      sheet.rows[0].Text1 = "300";  // the band test comes after the length test
      sheet.rows[9].*column = text;
      EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 信道频率输入错误，请重新输入") << text;
    }
  }
}

TEST(Validation, PreWriteCheckTakesEmptyFieldsFirstThenTheFirstFailingRowOfAll25) {
  Sheet sheet = startup_sheet();
  sheet.Combo2_60 = "10";
  sheet.rows[24].Text1 = "300.00000";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第25信道频率输入错误，请重新输入");
  sheet.rows[17].Text3 = "abc";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第18信道频率输入错误，请重新输入");
  sheet.rows[1].Text1 = "450.1250000";
  sheet.rows[19].Text3 = "";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第20信道频率输入错误，请重新输入");
}

void to_professional(Sheet& sheet) {
  sheet.Combo4 = kProfessionalMode;
  Combo4_Click(sheet);
}

TEST(Validation, PreWriteCheckRefusesEveryToneBandwidthAndOptionTheRadioCannotHold) {
  struct Case {
    const char* name;
    void (*change)(Sheet&);
    const char* refusal;  // after "注意 (!) ", or "nothing"
  };
  const Case kCases[] = {
      {"start-up sheet", [](Sheet&) {}, "nothing"},
      {"receive 100.0: the table says 100", [](Sheet& s) { s.rows[3].Text5 = "100.0"; },
       "第4信道亚音输入错误，请重新输入"},
      {"transmit D999", [](Sheet& s) { s.rows[3].Text2 = "D999"; },
       "第4信道亚音输入错误，请重新输入"},
      {"empty tone", [](Sheet& s) { s.rows[24].Text5 = ""; }, "第25信道亚音输入错误，请重新输入"},
      {"inverted DCS in normal mode", [](Sheet& s) { s.rows[1].Text5 = "I023"; },
       "第2信道亚音输入错误，请重新输入"},
      {"69.3 is professional only", [](Sheet& s) { s.rows[1].Text2 = "69.3"; },
       "第2信道亚音输入错误，请重新输入"},
      {"inverted DCS and 69.3 in professional mode",
       [](Sheet& s) {
         to_professional(s);
         s.rows[1].Text5 = "I754", s.rows[1].Text2 = "69.3";
       },
       "nothing"},
      {"D999 in professional mode",
       [](Sheet& s) {
         to_professional(s);
         s.rows[7].Text5 = "D999";
       },
       "第8信道亚音输入错误，请重新输入"},
      {"bandwidth xx", [](Sheet& s) { s.rows[5].Text4 = "xx"; }, "第6信道带宽输入错误，请重新输入"},
      {"typed beside the toggle", [](Sheet& s) { s.rows[5].Text4 = "宽abc带"; },
       "第6信道带宽输入错误，请重新输入"},
      {"every item",
       [](Sheet& s) {
         s.Combo1 = "1:美国频率", s.Combo5 = "禁止", s.Combo6 = "开", s.Combo7 = "开";
         s.Combo2_60 = "1";
       },
       "nothing"},
      {"plan 5", [](Sheet& s) { s.Combo1 = "5:火星频率"; }, "频率选择输入错误，请重新输入"},
      {"mode 3", [](Sheet& s) { s.Combo4 = "3:火星模式"; }, "模式选择输入错误，请重新输入"},
      {"transmit maybe", [](Sheet& s) { s.Combo5 = "也许"; }, "发射输入错误，请重新输入"},
      {"busy lock-out on", [](Sheet& s) { s.Combo6 = "on"; }, "遇忙禁发输入错误，请重新输入"},
      {"FSK with a blank", [](Sheet& s) { s.Combo7 = "开 "; }, "FSK输入错误，请重新输入"},
      {"30 channels", [](Sheet& s) { s.Combo2_60 = "30"; }, "信道总数输入错误，请重新输入"},
      {"channel total 05", [](Sheet& s) { s.Combo2_60 = "05"; }, "信道总数输入错误，请重新输入"},
      {"first failing row of the tones",
       [](Sheet& s) { s.rows[9].Text2 = "x", s.rows[2].Text5 = "y"; },
       "第3信道亚音输入错误，请重新输入"},
      {"tones before bandwidths", [](Sheet& s) { s.rows[1].Text4 = "x", s.rows[20].Text5 = "y"; },
       "第21信道亚音输入错误，请重新输入"},
      {"rows before options", [](Sheet& s) { s.Combo5 = "x", s.rows[24].Text4 = "y"; },
       "第25信道带宽输入错误，请重新输入"},
      {"options in the window's order", [](Sheet& s) { s.Combo2_60 = "x", s.Combo6 = "y"; },
       "遇忙禁发输入错误，请重新输入"},
      {"frequencies first", [](Sheet& s) { s.rows[0].Text5 = "x", s.rows[11].Text1 = "300"; },
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
