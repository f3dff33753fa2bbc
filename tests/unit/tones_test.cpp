#include "channels/tones.h"

#include <gtest/gtest.h>

#include <string>

namespace m27 {
namespace {

TEST(Tones, OfferedListsHaveTheirModesLength) {
  EXPECT_EQ(tone_list(ToneMode::Normal).size(), 100u);
  EXPECT_EQ(tone_list(ToneMode::Professional).size(), 266u);
  EXPECT_EQ(tone_last(ToneMode::Normal), 99);
  EXPECT_EQ(tone_last(ToneMode::Professional), 265);
  EXPECT_EQ(tone_list(ToneMode::Normal).back(), "D503");
  EXPECT_EQ(tone_list(ToneMode::Professional).back(), "I754");
}

TEST(Tones, TextAndCodeConvertBothWays) {
  struct Case {
    ToneMode mode;
    const char* text;
    int code;
    bool inverted;
  };
  constexpr auto N = ToneMode::Normal;
  constexpr auto P = ToneMode::Professional;
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
    const auto list = tone_list(c.mode);
    const ToneCode code{static_cast<std::uint8_t>(c.code), c.inverted};
    EXPECT_EQ(tone_code(c.text, list), code) << c.text;
    EXPECT_EQ(tone_text(code, list), c.text) << c.code;
  }
}

TEST(Tones, EveryOfferedToneSurvivesTheWire) {
  for (const ToneMode mode : {ToneMode::Normal, ToneMode::Professional}) {
    const auto list = tone_list(mode);
    for (std::size_t p = 0; p < list.size(); ++p) {
      EXPECT_EQ(tone_text(tone_code(list[p], list), list), list[p]) << p;
    }
  }
}

TEST(Tones, IndicesAbove160AreTheInvertedFormOfIndex56Upward) {
  const auto list = tone_list(ToneMode::Professional);
  for (int k = 0; k < 105; ++k) {
    const std::string plain(list[56 + k]);
    EXPECT_EQ(list[161 + k], "I" + plain.substr(1)) << k;
    EXPECT_EQ(tone_code(list[161 + k], list), (ToneCode{static_cast<std::uint8_t>(56 + k), true}));
    EXPECT_EQ(tone_code(plain, list), (ToneCode{static_cast<std::uint8_t>(56 + k), false}));
  }
}

TEST(Tones, TextsNotInTheListEncodeAsTheListLength) {
  const char* kBad[] = {
      "",       // an empty tone cell
      "100.0",  // CTCSS 100 Hz is written "100"
      "d023",   // case counts
      "OFF ",   // so does a trailing blank
      "I023",   // the normal mode has no inverted codes
      "D024",   // not a DCS code of either table
  };
  for (const char* text : kBad) {
    EXPECT_EQ(tone_code(text, tone_list(ToneMode::Normal)), (ToneCode{100, false})) << text;
  }
  for (const char* text : {"", "100.0", "d023", "OFF ", "D024"}) {
    EXPECT_EQ(tone_code(text, tone_list(ToneMode::Professional)), (ToneCode{161, true})) << text;
  }
}

TEST(Tones, CodesPastTheListDecodeToTheEmptyText) {
  struct Case {
    ToneMode mode;
    ToneCode code;
  };
  const Case kBad[] = {
      {ToneMode::Normal, {100, false}},       // one past "D503"
      {ToneMode::Normal, {255, false}},       // the largest byte
      {ToneMode::Normal, {0, true}},          // the inversion flag points to index 105
      {ToneMode::Professional, {161, true}},  // what an unknown text encodes as
      {ToneMode::Professional, {255, true}},  // index 360
  };
  for (const auto& c : kBad) {
    EXPECT_EQ(tone_text(c.code, tone_list(c.mode)), "") << int{c.code.code};
  }
}

TEST(Tones, TheSameByteMeansDifferentTonesByModeAndFlag) {
  EXPECT_EQ(tone_text({56, false}, tone_list(ToneMode::Normal)), "D125");
  EXPECT_EQ(tone_text({56, false}, tone_list(ToneMode::Professional)), "D023");
  EXPECT_EQ(tone_text({56, true}, tone_list(ToneMode::Professional)), "I023");
  EXPECT_EQ(tone_text({161, false}, tone_list(ToneMode::Professional)), "I023");
}

}  // namespace
}  // namespace m27
