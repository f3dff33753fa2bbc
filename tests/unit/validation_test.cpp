#include "channels/validation.h"

#include <gtest/gtest.h>

#include <string>

#include "channels/channel_table.h"

namespace m27 {
namespace {

// A message box as one line: "注意 (!) 第3信道频率输入错误，请重新输入".
std::string shown(const std::optional<Message>& message) {
  if (!message) return "nothing";
  const char* icon = message->icon == MessageIcon::Exclamation ? " (!) " : " ";
  return message->title + icon + message->text;
}

// A sheet whose every row holds `text` in one frequency column, checked `runs` times.
Sheet checked(const char* text, std::string ChannelRow::*column, int runs) {
  Sheet sheet = startup_sheet();
  sheet.Combo2_60 = "1";  // the check covers all rows, not only those in use
  for (ChannelRow& row : sheet.rows) row.*column = text;
  for (int i = 0; i < runs; ++i) chk_step(sheet);
  return sheet;
}

// The startup sheet after the raster check and formatting, as a write checks it.
Sheet written(int row, const char* Text1, const char* Text3) {
  Sheet sheet = startup_sheet();
  if (Text1) sheet.rows[row].Text1 = Text1;
  if (Text3) sheet.rows[row].Text3 = Text3;
  RESET_TEXT(sheet);
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
      {"450.00625", "450.00625", 1, 1},
      {"451.00300", "451", 0, 1},      // neither: moved down, on both after the move
      {"450.02510", "450.025", 0, 1},  // neither, 10 Hz above a 25 kHz point
      {"451.00999", "451.005", 0, 0},  // moved to a point on the 5 kHz raster only
      {"399.99900", "399.995", 0, 0},  // moved down, below the base
      {"399.99375", "399.99375", 1, 1},
      {"", "0", 1, 1},  // empty becomes "0", a multiple of 25 kHz
  };
  for (const auto& c : kCases) {
    const Sheet rx_once = checked(c.text, &ChannelRow::Text1, 1);
    const Sheet rx_twice = checked(c.text, &ChannelRow::Text1, 2);
    const Sheet tx_once = checked(c.text, &ChannelRow::Text3, 1);
    const Sheet tx_twice = checked(c.text, &ChannelRow::Text3, 2);
    for (int i = 0; i < kRows; ++i) {
      EXPECT_EQ(rx_once.rows[i].Text1, c.after) << c.text << " row " << i;
      EXPECT_EQ(rx_once.rows[i].rx_step, c.first_step) << c.text;
      EXPECT_EQ(rx_twice.rows[i].rx_step, c.next_step) << c.text;
      EXPECT_EQ(tx_once.rows[i].Text3, c.after) << c.text << " row " << i;
      EXPECT_EQ(tx_once.rows[i].tx_step, c.first_step) << c.text;
      EXPECT_EQ(tx_twice.rows[i].tx_step, c.next_step) << c.text;
    }
  }
}

TEST(Validation, RasterCheckLeavesTextsThatAreNoNumber) {
  const char* kBad[] = {
      "1.2.3",    // two points: the receive key filter lets it through
      "abc",      // typed into a transmit cell
      "450,125",  // from an edited channel file
      "   ",      // blanks are not empty
  };
  for (const char* text : kBad) {
    const Sheet rx = checked(text, &ChannelRow::Text1, 1);
    const Sheet tx = checked(text, &ChannelRow::Text3, 1);
    EXPECT_EQ(rx.rows[0].Text1, text);
    EXPECT_EQ(tx.rows[0].Text3, text);
  }
}

TEST(Validation, RasterCheckDerivesThePlanIndex) {
  Sheet sheet = startup_sheet();
  sheet.Combo1 = "2:中国频率";
  chk_step(sheet);
  EXPECT_EQ(sheet.std_index, 1);
  sheet.Combo1 = "中国";
  chk_range(sheet);
  EXPECT_EQ(sheet.std_index, 4);
}

TEST(Validation, WireCountIsTheNearestRasterStepAbove400MHz) {
  struct Case {
    FreqUnits f;
    int step;
    int count;
  };
  const Case kCases[] = {
      {46256250, 1, 10010}, {45100500, 0, 10201}, {45000000, 1, 8000}, {40160000, 1, 256},
      {40128000, 0, 256},   {40000500, 0, 1},     {40000000, 1, 0},    {40000000, 0, 0},
      {80959375, 1, 65535}, {72767500, 0, 65535}, {40000300, 0, 1},  // nearest
      {40000250, 0, 0},                                              // a tie goes to the even count
      {40000750, 0, 2},
  };
  for (const auto& c : kCases) EXPECT_EQ(wire_count(c.f, c.step), c.count) << c.f;
}

TEST(Validation, CountFrequencyIsTheBasePlusWholeRasterSteps) {
  struct Case {
    std::uint16_t count;
    int step;
    FreqUnits f;
  };
  const Case kCases[] = {
      {10010, 1, 46256250}, {10201, 0, 45100500}, {256, 0, 40128000},
      {0, 1, 40000000},     {65535, 1, 80959375}, {65535, 0, 72767500},
  };
  for (const auto& c : kCases) EXPECT_EQ(count_frequency(c.count, c.step), c.f) << c.count;
}

TEST(Validation, WireCountRefusesWhatSixteenBitsCannotCarry) {
  struct Case {
    FreqUnits f;
    int step;
  };
  const Case kBad[] = {
      {39999500, 0},  // one step below the base
      {30000000, 1},  // 300 MHz, far below
      {80960000, 1},  // 65536 steps of 6.25 kHz
      {72768000, 0},  // 65536 steps of 5 kHz
  };
  for (const auto& c : kBad) EXPECT_EQ(wire_count(c.f, c.step), std::nullopt) << c.f;
}

TEST(Validation, PreWriteCheckPassesSendableTables) {
  struct Case {
    const char* Text1;
    const char* Text3;
  };
  const Case kCases[] = {
      {"400.00000", "400.00000"}, {"490.00000", "490.00000"},
      {"450", "809.59375"},  // the last 6.25 kHz count
      {"450", "727.67000"},  // a high 5 kHz count
      {"462.5625", "462.5625"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(shown(pre_write_check(written(6, c.Text1, c.Text3))), "nothing")
        << c.Text1 << c.Text3;
  }
}

TEST(Validation, PreWriteCheckRefusesARowItCannotSendWithItsNumber) {
  struct Case {
    const char* Text1;
    const char* Text3;
  };
  const Case kBad[] = {
      {"399.95000", nullptr},  // receive below the band
      {"399.99900", nullptr},  // moved to 399.995, below the band
      {"490.05000", nullptr},  // receive above the band
      {"490.00500", nullptr},  // just above the band
      {"", nullptr},           // empty receive becomes 000.00000
      {"1.2.3", nullptr},      // receive is no number
      {nullptr, "abc"},        // transmit is no number
      {nullptr, "1.2.3"},      // transmit with two points
      {nullptr, "300.00000"},  // transmit below the base: negative count
      {nullptr, "399.99900"},  // moved to 399.995: count -1
      {nullptr, "809.60000"},  // transmit count 65536
      {nullptr, "727.68000"},  // 5 kHz count 65536
  };
  for (const auto& c : kBad) {
    EXPECT_EQ(shown(pre_write_check(written(6, c.Text1, c.Text3))),
              "注意 (!) 第7信道频率输入错误，请重新输入")
        << (c.Text1 ? c.Text1 : "-") << " / " << (c.Text3 ? c.Text3 : "-");
  }
}

TEST(Validation, PreWriteCheckRefusesEmptyFieldsBeforeAnythingElse) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].Text1 = "300";
  sheet.rows[1].Text1 = "450.1250000";
  sheet.rows[19].Text3 = "";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第20信道频率输入错误，请重新输入");
}

TEST(Validation, PreWriteCheckRefusesOverLongTextsWithoutARowNumber) {
  struct Case {
    const char* Text1;
    const char* Text3;
  };
  const Case kBad[] = {
      {"450.125000", "450.12500"},            // ten characters in the receive column
      {"450.12500", "450.125000"},            // and in the transmit column
      {"1234.50000", "450.12500"},            // a formatted frequency of four integer digits
      {"频率频率频率频率频率", "450.12500"},  // ten characters, thirty bytes
  };
  for (const auto& c : kBad) {
    Sheet sheet = startup_sheet();
    sheet.rows[0].Text1 = "300";  // the band test comes after the length test
    sheet.rows[9].Text1 = c.Text1;
    sheet.rows[9].Text3 = c.Text3;
    EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 信道频率输入错误，请重新输入") << c.Text1;
  }
}

TEST(Validation, PreWriteCheckCountsCharactersNotBytes) {
  Sheet sheet = startup_sheet();
  sheet.rows[4].Text3 = "频率频率频率频率频";  // nine characters: not over-long, but no number
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第5信道频率输入错误，请重新输入");
}

TEST(Validation, PreWriteCheckNamesTheFirstFailingRowOfAllTwentyFive) {
  Sheet sheet = startup_sheet();
  sheet.Combo2_60 = "10";
  sheet.rows[24].Text1 = "300.00000";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第25信道频率输入错误，请重新输入");
  sheet.rows[17].Text3 = "abc";
  EXPECT_EQ(shown(pre_write_check(sheet)), "注意 (!) 第18信道频率输入错误，请重新输入");
}

}  // namespace
}  // namespace m27
