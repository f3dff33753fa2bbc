#include "files/gbk.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

TEST(Gbk, ConvertsBothWays) {
  struct Case {
    std::string_view utf8;
    std::string_view gbk;
  };
  const Case kCases[] = {
      {"1:普通模式", "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD"},
      {"2:专业模式", "2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD"},
      {"窄带", "\xD5\xAD\xB4\xF8"},
      {"宽带", "\xBF\xED\xB4\xF8"},
      {"450.12500", "450.12500"},
      {"", ""},
      {"€", "\x80"},  // the one single-byte character of code page 936 above ASCII
      {std::string_view("a\0b", 3), std::string_view("a\0b", 3)},  // NUL is no end of text
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(utf8_to_gbk(c.utf8), c.gbk) << c.utf8;
    EXPECT_EQ(gbk_to_utf8(c.gbk), c.utf8) << c.utf8;
  }
}

TEST(Gbk, RefusesBytesThatAreNoGbk) {
  const std::string_view kBad[] = {
      "\xC6",          // a lead byte at the end: half a character
      "ab\xC6",        // the same after good text
      "\xFF",          // never a GBK byte
      "\xC6\x0A",      // LF cannot be a trail byte
      "\x81\x7F",      // 0x7F is no trail byte
      "\xE6\x99\xAE",  // UTF-8 of 普 read as GBK: its last byte starts half a character
  };
  for (const auto bytes : kBad) EXPECT_EQ(gbk_to_utf8(bytes), std::nullopt) << bytes;
}

TEST(Gbk, RefusesTextsGbkCannotHold) {
  const std::string_view kBad[] = {
      "😀",         // an emoji typed into a tone cell
      "OFF😀",      // the same after good text: nothing of it may be kept
      "ก",         // Thai has no GBK code
      "\xE6\x99",  // UTF-8 cut in the middle of a character
      "\xFF\xFE",  // not UTF-8 at all
  };
  for (const auto text : kBad) EXPECT_EQ(utf8_to_gbk(text), std::nullopt) << text;
}

}  // namespace
}  // namespace m27
