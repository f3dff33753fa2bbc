#include "channels/frequency.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

TEST(Frequency, FormatsNumbersAsThreeIntegerDigitsAndFiveDecimals) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case kCases[] = {
      {"450.125", "450.12500"},    {"450.12500", "450.12500"}, {"462.5625", "462.56250"},
      {"0", "000.00000"},          {"1", "001.00000"},         {"45.5", "045.50000"},
      {".5", "000.50000"},         {"451", "451.00000"},       {"1234.5", "1234.50000"},
      {"450.123456", "450.12346"},  // rounded at the fifth decimal
      {"450.123454", "450.12345"},  // rounded down
      {"462.999995", "463.00000"},  // the carry reaches the integer digits
  };
  for (const auto& c : kCases) EXPECT_EQ(format_frequency(c.text), c.expected) << c.text;
}

TEST(Frequency, FormattingLeavesTextsThatAreNoNumberUnchanged) {
  const char* kBad[] = {
      "",            // an empty cell: only the raster check turns it into "0"
      "1.2.3",       // two points: the receive key filter lets it through
      "abc",         // letters, typed into a transmit cell
      "450,125",     // a comma is no decimal point here
      "450.125MHz",  // a unit after the number
  };
  for (const char* text : kBad) EXPECT_EQ(format_frequency(text), text) << text;
}

TEST(Frequency, ValuesAreWholeCountsOfTenHertz) {
  struct Case {
    const char* text;
    FreqUnits expected;
  };
  const Case kCases[] = {
      {"462.56250", 46256250}, {"462.5625", 46256250}, {"400", 40000000},
      {"0.00001", 1},          {"000.00000", 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(frequency_value(c.text), c.expected) << c.text;
  EXPECT_EQ(frequency_value("1.2.3"), std::nullopt);
}

TEST(Frequency, WritesFixedAndPlainTexts) {
  struct Case {
    FreqUnits f;
    const char* fixed;
    const char* plain;
  };
  const Case kCases[] = {
      {46256250, "462.56250", "462.5625"},  {45100000, "451.00000", "451"},
      {39999500, "399.99500", "399.995"},   {0, "000.00000", "0"},
      {80959375, "809.59375", "809.59375"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(frequency_text(c.f), c.fixed) << c.f;
    EXPECT_EQ(plain_frequency_text(c.f), c.plain) << c.f;
  }
}

}  // namespace
}  // namespace m27
