// SPDX-License-Identifier: GPL-3.0-or-later
// Frequency texts through the exact decimal arithmetic under them.

#include "channels/frequency.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// The fifth decimal is rounded half away from zero, and the carry may reach the MHz.
TEST(Frequency, FormatsNumbersAsThreeIntegerDigitsAndFiveDecimals) {
  const std::pair<const char*, const char*> kCases[] = {
      // each text, formatted
      {"450.125", "450.12500"},    {".5", "000.50000"},         {" 45. ", "045.00000"},
      {"+451", "451.00000"},       {"-1", "-001.00000"},        {"0", "000.00000"},
      {"1234.5", "1234.50000"},    {"450.123455", "450.12346"}, {"450.123454", "450.12345"},
      {"462.999995", "463.00000"},
  };
  for (const auto& [text, formatted] : kCases) EXPECT_EQ(format_frequency(text), formatted) << text;
  EXPECT_EQ(format_frequency("000000000000000450"), "450.00000");     // zeros are no digits
  EXPECT_EQ(format_frequency("999999999999"), "999999999999.00000");  // 12 digits, the most
}

// The empty cell (only the raster check turns it into "0"), two points (the receive key filter
// lets them through), letters, 13 integer digits.
TEST(Frequency, TextsThatAreNoNumberHaveNoValueAndStayAsTyped) {
  for (const char* text : {"", ".", "1.2.3", "abc", "4501234567890"}) {
    EXPECT_EQ(frequency_value(text), std::nullopt) << text;
    EXPECT_EQ(format_frequency(text), text);
  }
}

}  // namespace
}  // namespace m27
