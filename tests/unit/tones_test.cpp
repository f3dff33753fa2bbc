#include "channels/tones.h"

#include <gtest/gtest.h>

#include <string>

namespace m27 {
namespace {

constexpr auto N = ToneMode::Normal;
constexpr auto P = ToneMode::Professional;

TEST(Tones, TextAndCodeConvertBothWays) {
  struct Case {
    ToneMode mode;
    const char* text;
    int code;
    bool inverted;
  };
  const Case kCases[] = {
      {N, "OFF", 0, false},    {N, "67.0", 1, false},   {N, "71.9", 2, false},
      {N, "100", 12, false},   {N, "250.3", 38, false}, {N, "D023", 39, false},
      {N, "D125", 56, false},  {N, "D503", 99, false},  {P, "OFF", 0, false},
      {P, "69.3", 2, false},   {P, "71.9", 3, false},   {P, "100", 13, false},
      {P, "254.1", 50, false}, {P, "95.2", 51, false},  {P, "245.1", 55, false},
      {P, "D023", 56, false},  {P, "D754", 160, false}, {P, "I023", 56, true},
      {P, "I754", 160, true},
  };
  for (const auto& c : kCases) {
    const auto list = tone_table(c.mode);
    const ToneCode code{static_cast<std::uint8_t>(c.code), c.inverted};
    EXPECT_EQ(tone_code(c.text, list), code) << c.text;
    EXPECT_EQ(tone_text(code, list), c.text) << c.code;
  }
  EXPECT_EQ(tone_table(N).size(), 100u);
  EXPECT_EQ(tone_table(P).size(), 266u);
  EXPECT_EQ(tone_last(P), 265);
}

TEST(Tones, EveryOfferedToneSurvivesTheWireAndAbove160IsTheInvertedFormOf56Upward) {
  for (const ToneMode mode : {N, P}) {
    const auto list = tone_table(mode);
    for (std::size_t p = 0; p < list.size(); ++p) {
      EXPECT_EQ(tone_text(tone_code(list[p], list), list), list[p]) << p;
    }
  }
  const auto list = tone_table(P);
  for (int k = 0; k < 105; ++k) {
    EXPECT_EQ(list[161 + k].front(), 'I') << k;
    EXPECT_EQ(list[161 + k].substr(1), list[56 + k].substr(1)) << k;
    EXPECT_EQ(tone_code(list[161 + k], list), (ToneCode{static_cast<std::uint8_t>(56 + k), true}));
  }
}

TEST(Tones, TextsNotInTheListEncodeAsTheListLength) {
  const char* kBad[] = {
      "",       // an empty tone cell
      "100.0",  // CTCSS 100 Hz is written "100"
      "d023",   // case counts
      "OFF ",   // so does a trailing blank
      "D024",   // not a DCS code of either table
  };
  for (const char* text : kBad) {
    EXPECT_EQ(tone_code(text, tone_table(N)), (ToneCode{100, false})) << text;
    EXPECT_EQ(tone_code(text, tone_table(P)), (ToneCode{161, true})) << text;
  }
  EXPECT_EQ(tone_code("I023", tone_table(N)), (ToneCode{100, false}));  // no inverted codes
}

TEST(Tones, CodesPastTheListDecodeToTheEmptyText) {
  struct Case {
    ToneMode mode;
    ToneCode code;
  };
  const Case kBad[] = {
      {N, {100, false}},  // one past "D503"
      {N, {255, false}},  // the largest byte
      {N, {0, true}},     // the inversion flag points to index 105
      {P, {161, true}},   // what an unknown text encodes as
      {P, {255, true}},   // index 360
  };
  for (const auto& c : kBad) {
    EXPECT_EQ(tone_text(c.code, tone_table(c.mode)), "") << int{c.code.code};
  }
  EXPECT_EQ(tone_text({161, false}, tone_table(P)), "I023");  // the same tone, flag or index
}

}  // namespace
}  // namespace m27
