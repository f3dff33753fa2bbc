// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/tones.h"

#include <gtest/gtest.h>

#include <string>

namespace m27 {
namespace {

constexpr auto N = ToneMode::Normal;
constexpr auto P = ToneMode::Professional;

// The ends of the runs that the channel records' own tests do not show (OFF, 67.0, D503; 254.1,
// 245.1, D023, D754, I023, I754 are there).
TEST(Tones, TextAndCodeConvertBothWaysAtEachEndOfEachRun) {
  const std::tuple<ToneMode, const char*, ToneCode> kCases[] = {
      {N, "100", {12, false}}, {N, "250.3", {38, false}}, {N, "D023", {39, false}},
      {P, "69.3", {2, false}}, {P, "95.2", {51, false}},
  };
  for (const auto& [mode, text, code] : kCases) {
    EXPECT_EQ(tone_code(text, tone_table(mode)), code) << text;
    EXPECT_EQ(tone_text(code, tone_table(mode)), text) << text;
  }
  EXPECT_EQ(tone_last(N), 99);
  EXPECT_EQ(tone_last(P), 265);
}

// Above index 160 the professional list holds the inverted form of each DCS code from 56 on.
TEST(Tones, EveryOfferedToneSurvivesTheWire) {
  for (const ToneMode mode : {N, P}) {
    const auto list = tone_table(mode);
    for (std::size_t p = 0; p < list.size(); ++p) {
      EXPECT_EQ(tone_text(tone_code(list[p], list), list), list[p]) << p;
      if (p > 160) {
        EXPECT_EQ("I" + std::string(list[p - 105].substr(1)), list[p]) << p;
      }
    }
  }
}

TEST(Tones, TextsNotInTheListEncodeAsItsLengthAndCodesPastItDecodeToNothing) {
  for (const char* text : {"", "100.0"}) {  // an empty cell; 100 Hz is written "100"
    EXPECT_EQ(tone_code(text, tone_table(N)), (ToneCode{100, false})) << text;
    EXPECT_EQ(tone_code(text, tone_table(P)), (ToneCode{161, true})) << text;
  }
  EXPECT_EQ(tone_code("I023", tone_table(N)), (ToneCode{100, false}));  // no inverted codes
  EXPECT_EQ(tone_text({100, false}, tone_table(N)), "");
  EXPECT_EQ(tone_text({0, true}, tone_table(N)), "");  // the inversion flag points to 105
  EXPECT_EQ(tone_text({161, true}, tone_table(P)), "");
  EXPECT_EQ(tone_text({161, false}, tone_table(P)), "I023");  // the same tone, flag or index
}

}  // namespace
}  // namespace m27
