#include "channels/decimal.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

TEST(Decimal, ParsesPlainNumbersExactly) {
  struct Case {
    const char* text;
    int scale;
    std::int64_t expected;
  };
  const Case kCases[] = {
      {"450.125", 5, 45012500},
      {"450.12500", 5, 45012500},
      {" 7. ", 0, 7},
      {".5", 2, 50},
      {"-1.5", 1, -15},
      {"+3", 0, 3},
      {"451.003004", 5, 45100300},  // beyond the fifth decimal: rounded
      {"450.123455", 5, 45012346},  // half away from zero
      {"-0.000005", 5, -1},
      {"000000000000000450", 0, 450},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(parse_decimal(c.text, c.scale), c.expected) << c.text;
  }
}

TEST(Decimal, RefusesTextsThatAreNoNumber) {
  const char* kBad[] = {
      "",               // nothing
      ".",              // a point without digits
      "1.2.3",          // two points: the receive key filter lets it through
      "abc",            // letters, typed into a transmit cell
      "1e5",            // exponents are no frequency text
      "12 3",           // blank inside
      "--1",            // two signs
      "4501234567890",  // 13 integer digits
  };
  for (const char* text : kBad) EXPECT_EQ(parse_decimal(text, 5), std::nullopt) << text;
}

TEST(Decimal, WritesPlainAndFixedTexts) {
  EXPECT_EQ(plain_decimal(46256250, 5), "462.5625");
  EXPECT_EQ(plain_decimal(45100000, 5), "451");
  EXPECT_EQ(plain_decimal(-500, 5), "-0.005");
  EXPECT_EQ(fixed_decimal(45012500, 5, 3), "450.12500");
  EXPECT_EQ(fixed_decimal(0, 5, 3), "000.00000");
  EXPECT_EQ(fixed_decimal(-100000, 5, 3), "-001.00000");
  EXPECT_EQ(fixed_decimal(123456700000, 5, 3), "1234567.00000");
}

}  // namespace
}  // namespace m27
