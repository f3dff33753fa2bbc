// Frequency texts through the exact decimal arithmetic under them.

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
      {"450.125", "450.12500"},    {"462.5625", "462.56250"},   {"0", "000.00000"},
      {".5", "000.50000"},         {" 45. ", "045.00000"},      {"+451", "451.00000"},
      {"-1", "-001.00000"},        {"1234.5", "1234.50000"},    {"000000000000000450", "450.00000"},
      {"450.123455", "450.12346"},  // rounded half away from zero at the fifth decimal
      {"450.123454", "450.12345"}, {"462.999995", "463.00000"},  // the carry reaches the integer
                                                                 // digits
  };
  for (const auto& c : kCases) EXPECT_EQ(format_frequency(c.text), c.expected) << c.text;
  EXPECT_EQ(frequency_value("462.5625"), 46256250);
  EXPECT_EQ(frequency_value("0.00001"), 1);
}

TEST(Frequency, TextsThatAreNoNumberHaveNoValueAndStayUnchanged) {
  const char* kBad[] = {
      "",               // an empty cell: only the raster check turns it into "0"
      ".",              // a point without digits
      "1.2.3",          // two points: the receive key filter lets it through
      "abc",            // letters, typed into a transmit cell
      "1e5",            // exponents are no frequency text
      "12 3",           // a blank inside
      "--1",            // two signs
      "450,125",        // a comma is no decimal point here
      "450.125MHz",     // a unit after the number
      "4501234567890",  // 13 integer digits
  };
  for (const char* text : kBad) {
    EXPECT_EQ(frequency_value(text), std::nullopt) << text;
    EXPECT_EQ(format_frequency(text), text);
  }
}

}  // namespace
}  // namespace m27
